#pragma once
// Small helpers shared by the patient tests: seeding rows and counting them.
#include "app/oturum.h"
#include "db/sorgu.h"

#include <QString>
#include <QVariant>

namespace HastaTest {

// A patient of the company (default: the login company); returns its KAYITNO.
inline qint64 hastaEkle(const QString &kod, const QString &ad, const QString &sirket = QString(),
                        const QString &tc = QString())
{
    auto no = Sorgu::uretec(QStringLiteral("OTOKOD_HASTALAR"));
    if (!no)
        return 0;
    const bool ok = Sorgu::calistir(
        QStringLiteral("insert into HASTALAR (KAYITNO, HASTAKODU, HASTAADISOYADI, SIRKETKODU, TCKIMLIKNO) "
                       "values (?, ?, ?, ?, ?)"),
        {*no, kod, ad, sirket.isEmpty() ? Oturum.sirketkodu : sirket,
         tc.isEmpty() ? QVariant() : QVariant(tc)});
    return ok ? *no : 0;
}

inline int say(const QString &sql, const QVariantList &d = {})
{
    auto v = Sorgu::tekDeger(sql, d);
    return v ? v->toInt() : -1;
}

inline QVariant deger(const QString &sql, const QVariantList &d = {})
{
    auto v = Sorgu::tekDeger(sql, d);
    return v ? *v : QVariant();
}

// A row of any table carrying a code in one column (KAYITNO from a counter).
inline bool satirEkle(const QString &tablo, const QString &kolon, const QString &kod, const QString &sirket)
{
    static qint64 no = 900000;
    return Sorgu::calistir(QStringLiteral("insert into %1 (KAYITNO, %2, SIRKETKODU) values (?, ?, ?)")
                               .arg(tablo, kolon),
                           {++no, kod, sirket});
}

inline void parametreYaz(const QStringList &degerler)
{
    Sorgu::calistir(QStringLiteral("delete from FORMPAREMETRELERI where FORMADI = 'HASTALAR'"));
    int i = 0;
    for (const QString &d : degerler)
        Sorgu::calistir(QStringLiteral("insert into FORMPAREMETRELERI (KAYITNO, FORMADI, PARAMETREADI, "
                                       "PARAMETREDEGERI, SIRKETKODU) values (?, 'HASTALAR', ?, ?, 'SISTEM')"),
                        {800000 + (++i), QStringLiteral("P%1").arg(i), d.isEmpty() ? QVariant() : QVariant(d)});
}

} // namespace HastaTest
