// "velmorika --rapor SABLON.frf --sorgu SQL --pdf CIKTI.pdf [--veritabani KONUM]":
// a report straight to PDF, without a window.
#include "app/program/komutsatiri.h"
#include "app/mesaj.h"
#include "db/baglanti.h"
#include "db/sorgu.h"
#include "raporlar/motor/rapor.h"

#include <QDir>
#include <QFileInfo>

namespace {

const QString KULLANIM = QStringLiteral(
    "Kullanım: velmorika --rapor SABLON.frf --sorgu \"SELECT ...\" --pdf CIKTI.pdf [--veritabani KONUM]");

// Value after a switch; empty when missing.
bool degerAl(const QStringList &a, int &i, QString *deger)
{
    if (i + 1 >= a.size())
        return false;
    *deger = a.at(++i);
    return true;
}

} // namespace

int RaporKomutu(const QStringList &argumanlar)
{
    QString sablon, sorgu, pdf, konum;
    bool sablonVar = false, sorguVar = false, pdfVar = false, konumVar = false;
    for (int i = 0; i < argumanlar.size(); ++i) {
        const QString &a = argumanlar.at(i);
        bool tamam = true;
        if (a == QLatin1String("--rapor"))
            tamam = sablonVar = degerAl(argumanlar, i, &sablon);
        else if (a == QLatin1String("--sorgu"))
            tamam = sorguVar = degerAl(argumanlar, i, &sorgu);
        else if (a == QLatin1String("--pdf"))
            tamam = pdfVar = degerAl(argumanlar, i, &pdf);
        else if (a == QLatin1String("--veritabani"))
            tamam = konumVar = degerAl(argumanlar, i, &konum);
        else {
            Mesaj::hata(QStringLiteral("Bilinmeyen seçenek: %1\n%2").arg(a, KULLANIM));
            return 2;
        }
        if (!tamam) {
            Mesaj::hata(QStringLiteral("%1 seçeneğinin değeri eksik.\n%2").arg(a, KULLANIM));
            return 2;
        }
    }
    if (!sablonVar || sablon.trimmed().isEmpty() || !sorguVar || sorgu.trimmed().isEmpty()
        || !pdfVar || pdf.trimmed().isEmpty()) {
        Mesaj::hata(KULLANIM);
        return 2;
    }

    // The template first: a wrong name should not wait for the database.
    Rapor rapor;
    if (!rapor.yukle(sablon))
        return 3;

    QString hata;
    if (!konumVar && !Baglanti::datayeriOku(&konum, &hata)) {
        Mesaj::hata(hata);
        return 4;
    }
    const QString baglanti = QStringLiteral("velmorika_rapor_komutu");
    if (!Baglanti::ac(konum, baglanti, &hata)) {
        Mesaj::hata(hata.isEmpty() ? QStringLiteral("Veritabanına bağlanılamadı: ") + konum : hata);
        Baglanti::kapat(baglanti);
        return 4;
    }
    int sonuc = 0;
    {
        const auto satirlar = Sorgu::sec(sorgu, {}, baglanti, &hata);
        if (!satirlar) {
            Mesaj::hata(hata);
            sonuc = 5;
        } else {
            SorguKaynagi kaynak(*satirlar);
            rapor.baglan(&kaynak);
            rapor.baslikAyarla(QFileInfo(rapor.sablonYolu()).fileName());
            const RaporBelgesi belge = rapor.olustur();
            // Missing columns are marked in the output; say so, but the PDF is made.
            for (const QString &u : belge.uyarilar)
                Mesaj::goster(u);
            if (!Rapor::pdfYaz(belge, QDir::current().absoluteFilePath(pdf), &hata)) {
                Mesaj::hata(hata);
                sonuc = 6;
            }
        }
    }
    Baglanti::kapat(baglanti);
    return sonuc;
}
