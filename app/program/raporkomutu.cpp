// "velmorika --rapor SABLON.frf --sorgu SQL --pdf CIKTI.pdf [--veritabani KONUM]":
// a report straight to PDF, without a window.
#include "app/program/komutsatiri.h"
#include "app/mesaj.h"
#include "db/baglanti.h"
#include "db/sorgu.h"
#include "raporlar/motor/rapor.h"

#include <QDir>
#include <QFileInfo>

int RaporKomutu(const QStringList &argumanlar)
{
    const std::optional<Komut> k = FiilKomutu(argumanlar, Komut::Tur::Rapor);
    if (!k)
        return CikisKodu::Kullanim;

    // The template first: a wrong name should not wait for the database.
    Rapor rapor;
    // A file in the working directory is what a command line means first;
    // else a template by name (the practice's own, then the program's).
    QString sablon = k->deger(QStringLiteral("--rapor"));
    if (QFileInfo(sablon).isFile())
        sablon = QFileInfo(sablon).absoluteFilePath();
    if (!rapor.yukle(sablon))
        return CikisKodu::Sablon;

    const QString baglanti = QStringLiteral("velmorika_rapor_komutu");
    if (!KomutBaglantisiAc(*k, baglanti))
        return CikisKodu::Veritabani;
    int sonuc = CikisKodu::Tamam;
    {
        QString hata;
        const auto satirlar = Sorgu::oku(k->deger(QStringLiteral("--sorgu")), baglanti, &hata);
        if (!satirlar) {
            Mesaj::hata(hata);
            sonuc = CikisKodu::Sorgu;
        } else {
            SorguKaynagi kaynak(*satirlar);
            rapor.baglan(&kaynak);
            rapor.baslikAyarla(QFileInfo(rapor.sablonYolu()).fileName());
            const RaporBelgesi belge = rapor.olustur();
            // Missing columns are marked in the output; say so, but the PDF is made.
            for (const QString &u : belge.uyarilar)
                Mesaj::goster(u);
            if (!Rapor::pdfYaz(belge, QDir::current().absoluteFilePath(k->deger(QStringLiteral("--pdf"))), &hata)) {
                Mesaj::hata(hata);
                sonuc = CikisKodu::Cikti;
            }
        }
    }
    Baglanti::kapat(baglanti);
    return sonuc;
}
