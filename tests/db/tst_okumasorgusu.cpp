// Statements typed for reading (Sorgu::oku): one that could change the
// database although it starts with SELECT or WITH is refused before it runs
// (a generator's step cannot be rolled back), with the reason named; words
// inside literals, quoted names and comments, and names that only contain a
// refused word, pass. Whatever does run is rolled back.
#include "db/sorgu.h"
#include "destek/betikmesaj.h"
#include "destek/testvt.h"
#include "destek/yazanyordam.h"

#include <QtTest>

namespace {

const QString Uretec = QStringLiteral("OTOKOD_EK9");

int hastaSayisi()
{
    const auto v = Sorgu::tekDeger(QStringLiteral("select count(*) from hastalar"));
    return v ? v->toInt() : -1;
}

} // namespace

class TstOkumaSorgusu : public QObject
{
    Q_OBJECT
private slots:
    void yanEtki_data();
    void yanEtki();
    void geriAlinir();
};

void TstOkumaSorgusu::yanEtki_data()
{
    QTest::addColumn<QString>("sql");
    // Refused: the reason the message names; allowed: empty, and the rows read.
    QTest::addColumn<QString>("neden");
    QTest::addColumn<int>("satir");
    const auto red = [](const char *ad, const char *sql, const char *neden) {
        QTest::newRow(ad) << QString::fromUtf8(sql) << QString::fromUtf8(neden) << -1;
    };
    const auto izin = [](const char *ad, const char *sql, int satir) {
        QTest::newRow(ad) << QString::fromUtf8(sql) << QString() << satir;
    };
    red("gen_id", "select gen_id(OTOKOD_EK9, 5) from rdb$database", "(GEN_ID)");
    red("gen_id eksi adim", "SELECT Gen_Id(otokod_ek9, -5) FROM rdb$database", "(GEN_ID)");
    red("gen_id yorumla ayrik", "select gen_id /* adim */ (otokod_ek9, 1) from rdb$database", "(GEN_ID)");
    red("gen_id alt sorguda", "select * from hastalar where kayitno > (select gen_id(otokod_ek9, 1) from rdb$database)",
        "(GEN_ID)");
    red("next value for", "select next value for otokod_ek9 from rdb$database", "(NEXT VALUE FOR)");
    red("execute", "select 1 from rdb$database where exists (execute procedure yazan)", "(EXECUTE)");
    red("ikinci komut", "select 1 from rdb$database; delete from hastalar", "(; ile");
    red("ikinci komut yorumdan sonra", "select 1 from rdb$database; /* x */ select 2 from rdb$database", "(; ile");
    red("cte icinde delete", "with d as (delete from hastalar returning kayitno) select * from d", "(DELETE)");
    red("turetilmis tabloda update or insert",
        "select * from (update or insert into hastalar (kayitno) values (1) matching (kayitno) returning kayitno)",
        "(UPDATE)");
    red("turetilmis tabloda insert", "select * from (insert into hastalar (kayitno) values (7) returning kayitno)",
        "(INSERT)");
    red("merge", "with m as (merge into hastalar h using rdb$database on 1 = 0 when not matched then insert "
                 "(kayitno) values (8)) select 1 from rdb$database", "(MERGE)");
    red("with lock", "select * from hastalar where kayitno = 1 with lock", "(WITH LOCK)");
    red("with yorum lock", "select * from hastalar with -- kilit\n lock", "(WITH LOCK)");
    red("rdb$set_context", "select rdb$set_context('USER_SESSION', 'A', '1') from rdb$database", "(RDB$SET_CONTEXT)");
    red("yordam parantezli", "select * from yazan(1)", "(YAZAN yordamı)");
    red("yordam parantezli join", "select * from hastalar h left join baska_yordam(h.kayitno) b on 1 = 1",
        "(BASKA_YORDAM yordamı)");
    red("yordam parantezli virgulle", "select * from hastalar h, baska_yordam(h.kayitno) b", "(BASKA_YORDAM yordamı)");
    red("yordam parantezsiz", "select n from yazan", "(YAZAN yordamı)");
    red("yordam join ile", "select h.kayitno from hastalar h join yazan y on y.n = h.kayitno", "(YAZAN yordamı)");
    red("yordam virgulle", "select * from hastalar h, yazan y", "(YAZAN yordamı)");
    red("yordam tirnakli adla", "select * from \"YAZAN\"", "(YAZAN yordamı)");
    red("yordam alt sorguda", "select (select first 1 n from yazan) from rdb$database", "(YAZAN yordamı)");
    red("yordam cte icinde", "with y as (select n from Yazan) select * from y", "(YAZAN yordamı)");
    red("fonksiyon", "select yazanf() from rdb$database", "(YAZANF fonksiyonu)");
    red("fonksiyon kosulda", "select * from hastalar where kayitno = YazanF ()", "(YAZANF fonksiyonu)");
    red("paket fonksiyonu", "select paket.islev(1) from rdb$database", "(PAKET.ISLEV)");
    red("paket yordami", "select * from paket.yordam", "(PAKET.YORDAM yordamı)");
    red("gorunumde uretec", "select * from gorunum_uretec", "(GORUNUM_URETEC üzerinden OTOKOD_EK9 üreteci)");
    red("gorunumde yordam", "select count(*) from gorunum_ust", "(GORUNUM_YORDAM üzerinden YAZAN yordamı)");
    red("hesapli sutunda uretec", "select a from hesapli", "(HESAPLI üzerinden OTOKOD_EK9 üreteci)");
    // A q'...' literal ends at its delimiter and a quote: a lone quote in
    // it does not open a literal that would hide what follows.
    red("q metninden sonra", "select q'{'}', gen_id(otokod_ek9, 1) from rdb$database", "(GEN_ID)");
    red("satir sonu tek cr", "select 1 -- not\r, gen_id(otokod_ek9, 1) from rdb$database", "(GEN_ID)");

    izin("duz", "select kayitno, hastaadisoyadi from hastalar order by kayitno", 2);
    izin("first skip", "select first 1 skip 1 kayitno from hastalar order by kayitno", 1);
    izin("cte", "with h as (select kayitno from hastalar), s as (select count(*) n from h) select n from s", 1);
    izin("join ve alt sorgu", "select h.kayitno from hastalar h left join hastalar h2 on h2.kayitno = h.kayitno "
                              "where h.kayitno in (select kayitno from hastalar) order by 1", 2);
    izin("turetilmis tablo", "select * from (select kayitno from hastalar) x, rdb$database r", 2);
    izin("metin icinde", "select 'gen_id(otokod_ek9, 5); delete from hastalar with lock' from rdb$database", 1);
    izin("tirnakli ad", "select kayitno as \"gen_id(x); \"\"delete\"\"\" from hastalar", 2);
    izin("kacisli metin", "select 'it''s; execute block', kayitno from hastalar", 2);
    izin("q metni", "select q'{it's; gen_id(otokod_ek9, 1)}' from rdb$database", 1);
    izin("yorumlar", "select 1 /* gen_id(otokod_ek9, 1); delete */ from rdb$database -- ; update hastalar", 1);
    izin("noktali virgulden sonra yorum", "select kayitno from hastalar; -- son", 2);
    izin("benzer adli sutunlar", "select gen_idx, execute_tarihi, updated, deleted_by, yazan_kodu from deneme", 1);
    izin("fonksiyon adi takma ad", "select yazanf.kayitno from hastalar yazanf", 2);
    izin("yerlesik fonksiyonlar",
         "select upper(hastaadisoyadi), coalesce(hastakodu, '-'), cast(kayitno as varchar(10)), "
         "substring(hastaadisoyadi from 1 for 3), trim(both from lpad(hastakodu, 5, '0')), "
         "iif(kayitno > 1, 'A', 'B'), extract(year from cast('2020-01-01' as date)), "
         "dateadd(1 day to cast('2020-01-01' as date)) from hastalar", 2);
    izin("toplamlar", "select count(*), sum(kayitno), max(hastakodu) from hastalar", 1);
}

void TstOkumaSorgusu::yanEtki()
{
    QFETCH(QString, sql);
    QFETCH(QString, neden);
    QFETCH(int, satir);
    TEST_VT(vt);
    BetikMesaj m;
    QString h;
    const bool hazir = HazirlikCalistir(
                 {YazanYordamDdl,
                  QStringLiteral("create function YAZANF returns integer as begin insert into hastalar (kayitno, "
                                 "hastakodu, sirketkodu) values (901, 'Y901', '2007'); return 1; end"),
                  QStringLiteral("create view GORUNUM_URETEC as select gen_id(OTOKOD_EK9, 1) as n from rdb$database"),
                  QStringLiteral("create view GORUNUM_YORDAM as select n from YAZAN"),
                  QStringLiteral("create view GORUNUM_UST as select n from GORUNUM_YORDAM"),
                  QStringLiteral("create table HESAPLI (a integer, c computed by (gen_id(OTOKOD_EK9, 1)))"),
                  QStringLiteral("create table DENEME (gen_idx integer, execute_tarihi timestamp, updated integer, "
                                 "deleted_by integer, yazan_kodu integer)"),
                  QStringLiteral("insert into DENEME values (1, null, 0, 0, 0)"),
                  QStringLiteral("insert into HESAPLI (a) values (1)"),
                  QStringLiteral("insert into hastalar (kayitno, hastakodu, hastaadisoyadi, sirketkodu) values "
                                 "(1, 'H1', 'ALİ', '2007')"),
                  QStringLiteral("insert into hastalar (kayitno, hastakodu, hastaadisoyadi, sirketkodu) values "
                                 "(2, 'H2', 'AYŞE', '2007')"),
                  QStringLiteral("set generator OTOKOD_EK9 to 100")},
                 &h);
    QVERIFY2(hazir, qPrintable(h));
    QCOMPARE(UretecDegeri(Uretec), 100);

    QString hata;
    const auto s = Sorgu::oku(sql, QString(), &hata);
    if (neden.isEmpty()) {
        QVERIFY2(s.has_value(), qPrintable(hata));
        QCOMPARE(int(s->satirlar.size()), satir);
        QVERIFY(Sorgu::yanEtkisi(sql).isEmpty());
    } else {
        QVERIFY(!s);
        QVERIFY2(hata.startsWith(QStringLiteral("Bu sorgu veritabanını değiştirebilecek bir ifade içeriyor "))
                     && hata.contains(neden),
                 qPrintable(hata));
    }
    QVERIFY2(m.mesajlar.isEmpty(), qPrintable(m.mesajlar.join('\n')));
    // Nothing moved: the generator stands where it was, no row was added.
    QCOMPARE(UretecDegeri(Uretec), 100);
    QCOMPARE(hastaSayisi(), 2);
}

// What a select that passes does in its transaction is not kept: a
// database trigger records every transaction that starts, and the row of
// the reading one is gone once it ends (a committed one keeps its row).
void TstOkumaSorgusu::geriAlinir()
{
    TEST_VT(vt);
    BetikMesaj m;
    QString h;
    QVERIFY2(HazirlikCalistir({QStringLiteral("create table BASLAYAN (tx integer)"),
                               QStringLiteral("create trigger BASLAYAN_KAYDI on transaction start as begin "
                                              "insert into BASLAYAN values (current_transaction); end")},
                              &h),
             qPrintable(h));
    const auto sayi = [](const QVariant &tx) {
        const auto v = Sorgu::tekDeger(QStringLiteral("select count(*) from BASLAYAN where tx = ?"), {tx});
        return v ? v->toInt() : -1;
    };
    const auto kalan = Sorgu::tekDeger(QStringLiteral("select current_transaction from rdb$database"));
    QVERIFY(kalan && kalan->isValid());
    QCOMPARE(sayi(*kalan), 1);

    QString hata;
    const auto s = Sorgu::oku(QStringLiteral("select current_transaction from rdb$database"), QString(), &hata);
    QVERIFY2(s.has_value(), qPrintable(hata));
    QCOMPARE(s->satirlar.size(), 1);
    const QVariant okuyan = s->satirlar.first().first();
    QVERIFY(okuyan.isValid());
    QVERIFY(okuyan != *kalan);
    QCOMPARE(sayi(okuyan), 0);
    QVERIFY(m.mesajlar.isEmpty());
}

QTEST_MAIN(TstOkumaSorgusu)
#include "tst_okumasorgusu.moc"
