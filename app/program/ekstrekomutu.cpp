// "velmorika --ekstre genis|dar|detayli --cari KOD --sirket KOD --pdf CIKTI.pdf
// [--veritabani KONUM]": one account's statement straight to PDF.
#include "app/program/komutsatiri.h"
#include "app/mesaj.h"
#include "app/oturum.h"
#include "cari/ekstre.h"
#include "db/baglanti.h"

#include <QDir>

int EkstreKomutu(const QStringList &argumanlar)
{
    const std::optional<Komut> k = FiilKomutu(argumanlar, Komut::Tur::Ekstre);
    if (!k)
        return CikisKodu::Kullanim;
    const auto tur = Ekstre::TurOku(k->deger(QStringLiteral("--ekstre")));
    if (!tur) {
        Mesaj::hata(QStringLiteral("--ekstre genis, dar ya da detayli olur.\n") + KullanimMetni());
        return CikisKodu::Kullanim;
    }
    const QString baglanti = QStringLiteral("velmorika_ekstre_komutu");
    if (!KomutBaglantisiAc(*k, baglanti))
        return CikisKodu::Veritabani;
    Oturum.sirketkodu = k->deger(QStringLiteral("--sirket"));
    int sonuc = CikisKodu::Tamam;
    {
        QString hata;
        if (!Ekstre::HesapPdfYaz(*tur, k->deger(QStringLiteral("--cari")),
                                 QDir::current().absoluteFilePath(k->deger(QStringLiteral("--pdf"))), &hata,
                                 baglanti)) {
            if (!hata.isEmpty())
                Mesaj::hata(hata);
            sonuc = CikisKodu::Cikti;
        }
    }
    Baglanti::kapat(baglanti);
    return sonuc;
}
