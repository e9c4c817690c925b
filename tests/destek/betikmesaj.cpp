#include "betikmesaj.h"
#include "testvt.h"

#include <QWidget>

BetikMesaj::BetikMesaj()
{
    TestOrtami();
    m_onceki = Mesaj::ayarla(this);
    // The data layer's messages are recorded with the rest.
    m_oncekiAlici = VeriHatasi::ayarla([this](VeriHatasi::Tur tur, const QString &metin, QObject *ust) {
        mesaj(tur == VeriHatasi::Tur::Hata ? Tur::Hata : Tur::Bilgi, metin, qobject_cast<QWidget *>(ust));
    });
}

BetikMesaj::~BetikMesaj()
{
    VeriHatasi::ayarla(std::move(m_oncekiAlici));
    Mesaj::ayarla(m_onceki);
}

void BetikMesaj::temizle()
{
    mesajlar.clear();
    hatalar.clear();
    sorular.clear();
    cevaplar.clear();
    girdiler.clear();
    girdiGizli.clear();
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

std::optional<QString> BetikMesaj::girdiKutusu(const QString &, const QString &, const QString &, QWidget *,
                                               bool gizli)
{
    girdiGizli << gizli;
    return girdiler.isEmpty() ? std::nullopt : girdiler.dequeue();
}

QString BetikMesaj::dosyaSec(bool, const QString &, const QString &klasor, const QString &, QWidget *)
{
    dosyaKlasorleri << klasor;
    return dosyalar.isEmpty() ? QString() : dosyalar.dequeue();
}
