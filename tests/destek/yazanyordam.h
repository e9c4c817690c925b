#pragma once
// Objects a test database gets for the checks of typed queries: things that
// change the database when they are only read.
#include "db/sorgu.h"

#include <QStringList>

// A selectable procedure that adds a patient (kayitno 900, "YORDAMDAN")
// each time it is read: "select n from YAZAN".
inline const QString YazanYordamDdl = QStringLiteral(
    "create procedure YAZAN returns (n integer) as begin "
    "insert into hastalar (kayitno, hastakodu, hastaadisoyadi, sirketkodu) values (900, 'Y900', 'YORDAMDAN', '2007'); "
    "n = 900; suspend; end");

// Runs the statements through the test's own connection (DDL included);
// false with the client's message in *hata on the first that fails.
inline bool HazirlikCalistir(const QStringList &komutlar, QString *hata)
{
    for (const QString &k : komutlar)
        if (!Sorgu::calistir(k, {}, QString(), hata)) {
            *hata = k + QStringLiteral(": ") + *hata;
            return false;
        }
    return true;
}

// The generator's value, read without stepping it and not through the
// typed-query path.
inline qint64 UretecDegeri(const QString &ad)
{
    const auto v = Sorgu::tekDeger(QStringLiteral("select gen_id(%1, 0) from rdb$database").arg(ad));
    return v ? v->toLongLong() : -1;
}
