// "velmorika --excel --sorgu SQL --xlsx CIKTI.xlsx [--veritabani KONUM]":
// runs one select and writes its rows to an .xlsx file, without windows.
#include "app/program/komutsatiri.h"
#include "app/mesaj.h"
#include "db/baglanti.h"
#include "db/sorgu.h"
#include "raporlar/motor/tabloyazici.h"

#include <QFileInfo>
#include <cstdio>

namespace {
const QString KomutBaglantisi = QStringLiteral("velmorika_excel");

int hataIleBit(const QString &m)
{
    Mesaj::hata(m);
    return 1;
}
}

int ExcelKomutu(const QStringList &a)
{
    QString sql, cikti, konum;
    for (int i = 1; i < a.size(); ++i) {
        const QString &s = a.at(i);
        const bool degerVar = i + 1 < a.size();
        if (s == QLatin1String("--sorgu") && degerVar)
            sql = a.at(++i);
        else if (s == QLatin1String("--xlsx") && degerVar)
            cikti = a.at(++i);
        else if (s == QLatin1String("--veritabani") && degerVar)
            konum = a.at(++i);
        else
            return hataIleBit(QStringLiteral("Tanınmayan ya da eksik bağımsız değişken: ") + s
                              + QStringLiteral("\nKullanım: velmorika --excel --sorgu \"SELECT ...\" --xlsx "
                                               "CIKTI.xlsx [--veritabani KONUM]"));
    }
    if (sql.trimmed().isEmpty() || cikti.trimmed().isEmpty())
        return hataIleBit(QStringLiteral("Kullanım: velmorika --excel --sorgu \"SELECT ...\" --xlsx CIKTI.xlsx "
                                         "[--veritabani KONUM]"));
    QString hata;
    if (konum.isEmpty() && !Baglanti::datayeriOku(&konum, &hata))
        return hataIleBit(hata);
    if (!Baglanti::ac(konum, KomutBaglantisi, &hata)) {
        Baglanti::kapat(KomutBaglantisi);
        return hataIleBit(hata);
    }
    std::optional<Sorgu::Sonuc> sonuc = Sorgu::sec(sql, {}, KomutBaglantisi, &hata);
    Baglanti::kapat(KomutBaglantisi);
    if (!sonuc)
        return hataIleBit(hata);
    const TabloYazici::Sonuc r = TabloYazici::yaz(cikti, *sonuc, &hata, {}, QFileInfo(cikti).completeBaseName());
    if (r != TabloYazici::Sonuc::Tamam)
        return hataIleBit(hata);
    std::fprintf(stdout, "%lld kayıt yazıldı: %s\n", static_cast<long long>(sonuc->satirlar.size()),
                 QFileInfo(cikti).absoluteFilePath().toLocal8Bit().constData());
    return 0;
}
