// The opening queries of the screens use indexes: on a database with enough
// rows for the optimizer's choice to matter (statistics taken), no large
// table is read in full where an index was meant to be used.
#include "destek/betikmesaj.h"
#include "destek/testvt.h"

#include "app/program/ornekveri.h"
#include "db/baglanti.h"
#include "db/sorgu.h"
#include "db/sqltext.h"

#include <QtTest>

class TestPlan : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void cleanupTestCase();
    void indeksKullanilir_data();
    void indeksKullanilir();

private:
    TestVeritabani *m_vt = nullptr;
};

void TestPlan::initTestCase()
{
    m_vt = new TestVeritabani;
    QVERIFY2(m_vt->hazir(), qPrintable(m_vt->hata()));
    QString hata;
    QVERIFY2(OrnekVeriUret(Baglanti::Paylasilan, 6000, QStringLiteral("2007"), {}, &hata), qPrintable(hata));
}

void TestPlan::cleanupTestCase() { delete m_vt; }

void TestPlan::indeksKullanilir_data()
{
    QTest::addColumn<QString>("sql");
    QTest::addColumn<QString>("tablo"); // the large table that must not be read in full
    QTest::addColumn<bool>("sirasiIndeksle"); // the order walked along an index, no sort
    const QString hasta = QStringLiteral("select first 200 * from hastalar where 1=1  and sirketkodu ='2007' ");
    // A window of a list: its order with the key as the last tie-breaker,
    // from either end.
    QTest::newRow("hasta listesi") << hasta + QStringLiteral("order by hastalar.kayitno") << "HASTALAR" << true;
    QTest::newRow("hasta listesinin sonu") << hasta + QStringLiteral("order by hastalar.kayitno desc") << "HASTALAR"
                                           << true;
    QTest::newRow("hasta listesi adina gore")
        << hasta + QStringLiteral("order by hastalar.hastaadisoyadi, hastalar.kayitno") << "HASTALAR" << true;
    QTest::newRow("adina gore listenin sonu")
        << hasta + QStringLiteral("order by hastalar.hastaadisoyadi desc, hastalar.kayitno desc") << "HASTALAR" << true;
    QTest::newRow("koduna gore") << hasta + QStringLiteral("order by hastalar.hastakodu, hastalar.kayitno")
                                 << "HASTALAR" << true;
    QTest::newRow("kayit tarihine gore") << hasta + QStringLiteral("order by hastalar.kayittarihi, hastalar.kayitno")
                                         << "HASTALAR" << true;
    QTest::newRow("doktora gore") << hasta + QStringLiteral("order by hastalar.doktoradi, hastalar.kayitno")
                                  << "HASTALAR" << true;
    QTest::newRow("arama penceresi adla")
        << hasta + QStringLiteral("and ") + SqlKatliArama(QStringLiteral("HASTAADISOYADI"), QStringLiteral("AY"),
                                                          Benzerlik::IleBaslar, true)
               + QStringLiteral(" order by hastalar.hastaadisoyadi, hastalar.kayitno")
        << "HASTALAR" << true;
    QTest::newRow("hasta kodu") << hasta + QStringLiteral("and hastakodu = '125' ") << "HASTALAR" << false;
    QTest::newRow("hastanin muayeneleri")
        << QStringLiteral("select * from muayene where 1=1  and sirketkodu ='2007' and hastakodu = '125' "
                          "order by muayene.kayitno")
        << "MUAYENE" << false;
    QTest::newRow("hastanin cari hareketleri")
        << QStringLiteral("select * from cari_hareket where 1=1  and sirketkodu ='2007' and carikod = '125' "
                          "order by cari_hareket.islemtarihi")
        << "CARI_HAREKET" << false;
    QTest::newRow("bir muayenenin hareketleri")
        << QStringLiteral("select * from cari_hareket where evrakkayitno = 17 and evrakcinsi = 'MYNE'") << "CARI_HAREKET" << false;
    const QString randevu = QStringLiteral("select first 200 * from randevu where 1=1  and sirketkodu ='2007' ");
    QTest::newRow("randevu defteri")
        << randevu + QStringLiteral("order by randevu.RANDEVUTARIHI, randevu.RANDEVUSAATI, randevu.KAYITNO")
        << "RANDEVU" << true;
    QTest::newRow("randevu defterinin sonu")
        << randevu
               + QStringLiteral("order by randevu.RANDEVUTARIHI desc, randevu.RANDEVUSAATI desc, randevu.KAYITNO desc")
        << "RANDEVU" << true;
    QTest::newRow("gunun randevulari")
        << QStringLiteral("select * from randevu where 1=1  and sirketkodu ='2007' and randevutarihi = '10.12.2026' "
                          "order by randevu.randevusaati")
        << "RANDEVU" << false;
    QTest::newRow("hastanin islemleri")
        << QStringLiteral("select * from yapilanislemler where 1=1  and hastakodu = '125' order by yapilanislemler.kayitno")
        << "YAPILANISLEMLER" << false;
    QTest::newRow("hastanin tahlilleri")
        << QStringLiteral("select * from muayene_lab where 1=1  and sirketkodu ='2007' and hastakodu = '125' "
                          "order by muayene_lab.kayitno")
        << "MUAYENE_LAB" << false;
}

void TestPlan::indeksKullanilir()
{
    QFETCH(QString, sql);
    QFETCH(QString, tablo);
    QFETCH(bool, sirasiIndeksle);
    BetikMesaj m;
    QString hata;
    const auto plan = Sorgu::plan(sql, QString(), &hata);
    QVERIFY2(plan, qPrintable(hata));
    QVERIFY2(plan->contains(tablo), qPrintable(*plan));
    QVERIFY2(!plan->contains(tablo + QStringLiteral(" NATURAL")), qPrintable(*plan));
    if (sirasiIndeksle) {
        QVERIFY2(plan->contains(QStringLiteral(" ORDER ")) && !plan->contains(QStringLiteral("SORT")),
                 qPrintable(*plan));
        // The company is the index's first column, not a bitmap of every
        // row of the company built for each window.
        if (!sql.contains(QLatin1String("starting with")))
            QVERIFY2(!plan->contains(QStringLiteral("INDEX (")), qPrintable(*plan));
    }
}

QTEST_MAIN(TestPlan)
#include "tst_plan.moc"
