// "velmorika --excel --sorgu SQL --xlsx CIKTI.xlsx [--veritabani KONUM]":
// runs one select and writes its rows to an .xlsx file, without windows.
#include "app/program/komutsatiri.h"
#include "app/mesaj.h"
#include "db/baglanti.h"
#include "db/sorgu.h"
#include "raporlar/motor/tabloyazici.h"

#include <QFileInfo>
#include <QTextStream>

int ExcelKomutu(const QStringList &argumanlar)
{
    const std::optional<Komut> k = FiilKomutu(argumanlar, Komut::Tur::Excel);
    if (!k)
        return CikisKodu::Kullanim;
    const QString baglanti = QStringLiteral("velmorika_excel");
    if (!KomutBaglantisiAc(*k, baglanti))
        return CikisKodu::Veritabani;
    QString hata;
    const std::optional<Sorgu::Sonuc> sonuc = Sorgu::oku(k->deger(QStringLiteral("--sorgu")), baglanti, &hata);
    Baglanti::kapat(baglanti);
    if (!sonuc) {
        Mesaj::hata(hata);
        return CikisKodu::Sorgu;
    }
    const QString cikti = k->deger(QStringLiteral("--xlsx"));
    if (TabloYazici::yaz(cikti, *sonuc, &hata, {}, QFileInfo(cikti).completeBaseName()) != TabloYazici::Sonuc::Tamam) {
        Mesaj::hata(hata);
        return CikisKodu::Cikti;
    }
    QTextStream(stdout) << QStringLiteral("%1 kayıt yazıldı: %2").arg(sonuc->satirlar.size()).arg(QFileInfo(cikti).absoluteFilePath())
                        << Qt::endl;
    return CikisKodu::Tamam;
}
