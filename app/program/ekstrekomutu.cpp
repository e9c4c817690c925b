// "velmorika --ekstre genis|dar|detayli --cari KOD --sirket KOD --pdf CIKTI.pdf
// [--veritabani KONUM]": one account's statement straight to PDF.
#include "app/program/komutsatiri.h"
#include "app/mesaj.h"
#include "app/oturum.h"
#include "cari/ekstre.h"
#include "db/baglanti.h"
#include "db/sorgu.h"

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
    const QString cari = k->deger(QStringLiteral("--cari"));
    // An account nobody has (a mistyped code, another company's) gives no
    // empty statement that looks like a clean one: it is refused.
    {
        QString hata;
        const auto var = Sorgu::tekDeger(
            QStringLiteral("select (select count(*) from cari_hareket where carikod = ? and sirketkodu = ?) + "
                           "(select count(*) from hastalar where hastakodu = ? and sirketkodu = ?) + "
                           "(select count(*) from doktorlar where doktorkodu = ? and sirketkodu = ?) from rdb$database"),
            {cari, Oturum.sirketkodu, cari, Oturum.sirketkodu, cari, Oturum.sirketkodu}, baglanti, &hata);
        if (!var || var->toLongLong() == 0) {
            Mesaj::hata(var ? QStringLiteral("%1 şirketinde %2 kodlu bir cari hesap yok; ekstre yazılmadı.")
                                  .arg(Oturum.sirketkodu, cari)
                            : hata);
            Baglanti::kapat(baglanti);
            return CikisKodu::Cikti;
        }
    }
    int sonuc = CikisKodu::Tamam;
    {
        QString hata;
        if (!Ekstre::HesapPdfYaz(*tur, cari,
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
