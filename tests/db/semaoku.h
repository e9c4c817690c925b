#pragma once
// Reads the schema of an open database from its system tables, in the same
// notation as the description (KolonSqlTuru), for comparing the two.
#include "db/sema.h"
#include "db/sorgu.h"

#include <QMap>
#include <QSet>
#include <QString>

struct OkunanSema
{
    // table -> columns in position order, "NAME TYPE[ NOT NULL]"; a text
    // column in an order other than its character set's own as KolonSqlTuru
    // writes it: "VARCHAR(n) CHARACTER SET WIN1254 COLLATE PXW_TURK"
    QMap<QString, QStringList> tablolar;
    QSet<QString> uretecler;
    // index name -> "TABLE(COL,COL)", led by "UNIQUE " and "DESCENDING " when so
    QMap<QString, QString> indeksler;
    // trigger name -> "TABLE: <its source, blanks simplified>"
    QMap<QString, QString> tetikleyiciler;
    QString hata;
};

inline QString okunanTur(int tur, int altTur, int uzunluk)
{
    switch (tur) {
    case 8: return QStringLiteral("INTEGER");
    case 27: return QStringLiteral("DOUBLE PRECISION");
    case 35: return QStringLiteral("TIMESTAMP");
    case 37: return QStringLiteral("VARCHAR(%1)").arg(uzunluk);
    case 261: return QStringLiteral("BLOB SUB_TYPE %1").arg(altTur);
    }
    return QStringLiteral("TUR%1").arg(tur);
}

inline OkunanSema SemaOku(const QString &baglanti = QString())
{
    OkunanSema s;
    auto k = Sorgu::sec(QStringLiteral(
                            "select trim(rf.rdb$relation_name), trim(rf.rdb$field_name), f.rdb$field_type, "
                            "f.rdb$field_sub_type, f.rdb$character_length, "
                            "coalesce(rf.rdb$null_flag, f.rdb$null_flag, 0), trim(cs.rdb$character_set_name), "
                            "trim(co.rdb$collation_name) "
                            "from rdb$relation_fields rf "
                            "join rdb$relations r on r.rdb$relation_name = rf.rdb$relation_name "
                            "join rdb$fields f on f.rdb$field_name = rf.rdb$field_source "
                            "left join rdb$character_sets cs on cs.rdb$character_set_id = f.rdb$character_set_id "
                            // the column's own collation, else its domain's
                            "left join rdb$collations co on co.rdb$character_set_id = f.rdb$character_set_id "
                            "and co.rdb$collation_id = coalesce(rf.rdb$collation_id, f.rdb$collation_id, 0) "
                            "where coalesce(r.rdb$system_flag, 0) = 0 and r.rdb$view_blr is null "
                            "order by rf.rdb$relation_name, rf.rdb$field_position"),
                        {}, baglanti, &s.hata);
    if (!k)
        return s;
    for (const QVariantList &r : k->satirlar) {
        QString tur = okunanTur(r[2].toInt(), r[3].toInt(), r[4].toInt());
        // Text columns must hold Turkish text: anything but WIN1254 is a fault.
        if ((r[2].toInt() == 37 || r[2].toInt() == 261) && r[6].toString() != QLatin1String("WIN1254"))
            tur += QStringLiteral(" CHARSET ") + r[6].toString();
        else if (r[2].toInt() == 37 && r[7].toString() != r[6].toString())
            tur += QStringLiteral(" CHARACTER SET %1 COLLATE %2").arg(r[6].toString(), r[7].toString());
        if (r[5].toInt() == 1)
            tur += QStringLiteral(" NOT NULL");
        s.tablolar[r[0].toString()] << r[1].toString() + QLatin1Char(' ') + tur;
    }
    auto g = Sorgu::sec(QStringLiteral("select trim(rdb$generator_name) from rdb$generators "
                                       "where coalesce(rdb$system_flag, 0) = 0"),
                        {}, baglanti, &s.hata);
    if (!g)
        return s;
    for (const QVariantList &r : g->satirlar)
        s.uretecler.insert(r[0].toString());
    auto i = Sorgu::sec(QStringLiteral("select trim(i.rdb$index_name), trim(i.rdb$relation_name), "
                                       "coalesce(i.rdb$unique_flag, 0), trim(sg.rdb$field_name), "
                                       "coalesce(i.rdb$index_type, 0) "
                                       "from rdb$indices i join rdb$index_segments sg "
                                       "on sg.rdb$index_name = i.rdb$index_name "
                                       "where coalesce(i.rdb$system_flag, 0) = 0 "
                                       "order by i.rdb$index_name, sg.rdb$field_position"),
                        {}, baglanti, &s.hata);
    if (!i)
        return s;
    QMap<QString, QStringList> kolonlar;
    QMap<QString, QString> onek;
    for (const QVariantList &r : i->satirlar) {
        kolonlar[r[0].toString()] << r[3].toString();
        onek[r[0].toString()] = (r[2].toInt() == 1 ? QStringLiteral("UNIQUE ") : QString())
                                + (r[4].toInt() == 1 ? QStringLiteral("DESCENDING ") : QString()) + r[1].toString();
    }
    for (auto it = kolonlar.cbegin(); it != kolonlar.cend(); ++it)
        s.indeksler[it.key()] = onek.value(it.key()) + QLatin1Char('(') + it.value().join(QLatin1Char(',')) + QLatin1Char(')');
    auto t = Sorgu::sec(QStringLiteral("select trim(rdb$trigger_name), trim(rdb$relation_name), rdb$trigger_source "
                                       "from rdb$triggers where coalesce(rdb$system_flag, 0) = 0"),
                        {}, baglanti, &s.hata);
    if (!t)
        return s;
    for (const QVariantList &r : t->satirlar)
        s.tetikleyiciler[r[0].toString()] = r[1].toString() + QStringLiteral(": ") + r[2].toString().simplified();
    return s;
}

// The change-event trigger of a table as SemaOku() writes it.
inline QString BeklenenTetikleyici(const Tablo &t)
{
    const QString k = OlayTetikleyicisi(t);
    return t.ad + QStringLiteral(": ") + k.mid(k.indexOf(QStringLiteral(" AS BEGIN")) + 1).simplified();
}

// An index of the description as SemaOku() writes it (not for folded ones).
inline QString BeklenenIndeks(const Tablo &t, const Indeks &i)
{
    return (i.tekil ? QStringLiteral("UNIQUE ") : QString()) + (i.azalan ? QStringLiteral("DESCENDING ") : QString())
           + t.ad + QLatin1Char('(') + i.kolonlar.join(QLatin1Char(',')) + QLatin1Char(')');
}

// The same picture drawn from a description.
inline QStringList BeklenenKolonlar(const Tablo &t)
{
    QStringList l;
    for (const Kolon &k : t.kolonlar)
        l << k.ad + QLatin1Char(' ') + KolonSqlTuru(k) + (k.bosOlamaz ? QStringLiteral(" NOT NULL") : QString());
    return l;
}
