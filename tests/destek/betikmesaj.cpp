#include "betikmesaj.h"

BetikMesaj::BetikMesaj() { m_onceki = Mesaj::ayarla(this); }
BetikMesaj::~BetikMesaj() { Mesaj::ayarla(m_onceki); }

void BetikMesaj::temizle()
{
    mesajlar.clear();
    hatalar.clear();
    sorular.clear();
    cevaplar.clear();
    girdiler.clear();
    dosyalar.clear();
}

void BetikMesaj::mesaj(Tur tur, const QString &metin, QWidget *)
{
    mesajlar << metin;
    if (tur == Tur::Hata)
        hatalar << metin;
}

bool BetikMesaj::evetHayir(const QString &metin, QWidget *)
{
    sorular << metin;
    return cevaplar.isEmpty() ? varsayilanCevap : cevaplar.dequeue();
}

std::optional<QString> BetikMesaj::girdiKutusu(const QString &, const QString &, const QString &, QWidget *)
{
    return girdiler.isEmpty() ? std::nullopt : girdiler.dequeue();
}

QString BetikMesaj::dosyaSec(bool, const QString &, const QString &, const QString &, QWidget *)
{
    return dosyalar.isEmpty() ? QString() : dosyalar.dequeue();
}
