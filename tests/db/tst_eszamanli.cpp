// Two workstations on one database, played by two connections of one
// process: a save or delete never overwrites what the other one changed
// after it was read.
#include "destek/betikmesaj.h"
#include "destek/testvt.h"

#include "db/baglanti.h"
#include "db/sorgu.h"
#include "db/tablomodeli.h"
#include "db/veriseti.h"

#include <QScrollBar>
#include <QTableView>

#include <QtTest>

namespace {

const QString Ikinci = QStringLiteral("ikinci");

QVariant oku(const QString &kolon, qint64 kayitno = 1)
{
    auto v = Sorgu::tekDeger(QStringLiteral("select %1 from hastalar where kayitno = ?").arg(kolon), {kayitno});
    return v ? *v : QVariant();
}

// Both "workstations" open the patient list and stand on the same row.
struct IkiIstasyon
{
    VeriSeti a{QStringLiteral("HASTALAR")};
    VeriSeti b{QStringLiteral("HASTALAR"), nullptr, Ikinci};
    bool hazir = false;

    IkiIstasyon()
    {
        hazir = a.ac() && b.ac() && a.bul(1) && b.bul(1);
    }
};

} // namespace

class TestEszamanli : public QObject
{
    Q_OBJECT

private:
    TestVeritabani *m_vt = nullptr;

private slots:
    void init()
    {
        m_vt = new TestVeritabani;
        QVERIFY2(m_vt->hazir(), qPrintable(m_vt->hata()));
        QString h;
        QVERIFY2(Baglanti::ac(m_vt->yol(), Ikinci, &h), qPrintable(h));
        for (int i = 1; i <= 3; ++i)
            QVERIFY(Sorgu::calistir(QStringLiteral("insert into hastalar (kayitno, hastakodu, hastaadisoyadi, "
                                                   "ceptel, adres, kilo, dogumtarihi, sirketkodu) "
                                                   "values (?, ?, ?, '5301112233', 'KADIKÖY', '70', "
                                                   "'01.02.1980', '2007')"),
                                    {i, QString::number(i), QStringLiteral("HASTA %1").arg(i)}));
    }

    void cleanup()
    {
        VeriSeti::sayimlariBekle();
        Baglanti::kapat(Ikinci);
        delete m_vt;
        m_vt = nullptr;
    }

    // A save writes what changed and checks what its list read: a column
    // the list did not read, changed by another user, stays.
    void okunmayanKolonKalir()
    {
        BetikMesaj m;
        IkiIstasyon i;
        QVERIFY(i.hazir);
        i.b.selectMetniAyarla(QStringLiteral("select kayitno, hastakodu, hastaadisoyadi, adres from hastalar "
                                             "where 1=1 order by hastalar.kayitno"));
        QVERIFY(i.b.ac() && i.b.bul(1));
        QVERIFY(i.a.degerAyarla(QStringLiteral("CEPTEL"), QStringLiteral("5559990000")));
        QVERIFY(i.a.kaydet());
        QVERIFY(i.b.degerAyarla(QStringLiteral("ADRES"), QStringLiteral("ÜSKÜDAR")));
        QVERIFY(i.b.kaydet());
        QCOMPARE(oku(QStringLiteral("ceptel")).toString(), QStringLiteral("5559990000"));
        QCOMPARE(oku(QStringLiteral("adres")).toString(), QStringLiteral("ÜSKÜDAR"));
        // other rows are no one's business
        QVERIFY(i.a.bul(2) && i.a.degerAyarla(QStringLiteral("KILO"), QStringLiteral("90")) && i.a.kaydet());
        QVERIFY2(m.mesajlar.isEmpty(), qPrintable(m.mesajlar.join(QLatin1Char('\n'))));
        // and a save with nothing changed writes nothing
        QVERIFY(i.a.duzenle());
        QVERIFY(i.a.kaydet());
    }

    // The second save of one row refuses to overwrite: a message, the row
    // read again with the first one's values, nothing written.
    void ayniKaydiIkinciKaydedemez_data()
    {
        QTest::addColumn<QString>("kolonA");
        QTest::addColumn<QVariant>("degerA");
        QTest::addColumn<QString>("kolonB");
        QTest::addColumn<QVariant>("degerB");
        QTest::newRow("ayni kolon") << "CEPTEL" << QVariant(QStringLiteral("5551112233")) << "CEPTEL"
                                    << QVariant(QStringLiteral("5554445566"));
        // B read the row before A's change to a column B never touched
        QTest::newRow("baska kolon, okunan deger degismis")
            << "KILO" << QVariant(QStringLiteral("72")) << "ADRES" << QVariant(QStringLiteral("ÜSKÜDAR"));
        QTest::newRow("tarih") << "DOGUMTARIHI" << QVariant(QDate(1981, 3, 4)) << "HASTAADISOYADI"
                               << QVariant(QStringLiteral("AYŞE YILMAZ"));
        QTest::newRow("bosaltilan") << "ADRES" << QVariant(QString()) << "KILO" << QVariant(QStringLiteral("80"));
    }

    void ayniKaydiIkinciKaydedemez()
    {
        QFETCH(QString, kolonA);
        QFETCH(QVariant, degerA);
        QFETCH(QString, kolonB);
        QFETCH(QVariant, degerB);
        BetikMesaj m;
        IkiIstasyon i;
        QVERIFY(i.hazir);
        const QVariant bOnce = oku(kolonB);
        QVERIFY(i.b.degerAyarla(kolonB, degerB));
        QVERIFY(i.a.degerAyarla(kolonA, degerA));
        QVERIFY(i.a.kaydet());
        const QVariant aSonra = oku(kolonA);

        QVERIFY(!i.b.kaydet());
        QCOMPARE(m.mesajlar.size(), 1);
        QVERIFY2(m.son().contains(QStringLiteral("başka bir kullanıcı")), qPrintable(m.son()));
        QCOMPARE(i.b.durum(), VeriSeti::Durum::Gozat);
        if (kolonA != kolonB)
            QCOMPARE(oku(kolonB), bOnce);                 // nothing of B written
        QCOMPARE(oku(kolonA), aSonra);                    // A's change kept
        QCOMPARE(i.b.deger(kolonA), i.a.deger(kolonA));   // B shows the row as it now is
        QCOMPARE(i.b.anahtar(), qint64(1));

        // once read again, B's change goes through
        QVERIFY(i.b.degerAyarla(kolonB, degerB));
        QVERIFY(i.b.kaydet());
        QCOMPARE(oku(kolonB).toString(), degerB.toString()); // B's columns are all texts
        QCOMPARE(m.mesajlar.size(), 1);
    }

    void silinmisKayitKaydedilmez()
    {
        BetikMesaj m;
        IkiIstasyon i;
        QVERIFY(i.hazir);
        const int once = i.a.kesinKayitSayisi();
        QVERIFY(i.a.degerAyarla(QStringLiteral("ADRES"), QStringLiteral("ŞİŞLİ")));
        QVERIFY(i.b.sil());
        QVERIFY(!i.a.kaydet());
        QCOMPARE(m.mesajlar.size(), 1);
        QVERIFY2(m.son().contains(QStringLiteral("silinmiş")), qPrintable(m.son()));
        QVERIFY(!Sorgu::tekDeger(QStringLiteral("select kayitno from hastalar where kayitno = 1"))->isValid());
        QCOMPARE(i.a.durum(), VeriSeti::Durum::Gozat);
        QCOMPARE(i.a.kesinKayitSayisi(), once - 1);
        QVERIFY(i.a.anahtar() != 1);
    }

    // A delete of a row changed since it was read is refused; once read
    // again, it goes.
    void degismisKayitSilinmez()
    {
        BetikMesaj m;
        IkiIstasyon i;
        QVERIFY(i.hazir);
        QVERIFY(i.b.degerAyarla(QStringLiteral("HASTAADISOYADI"), QStringLiteral("YENİ AD")));
        QVERIFY(i.b.kaydet());
        QVERIFY(!i.a.sil());
        QCOMPARE(m.mesajlar.size(), 1);
        QVERIFY2(m.son().contains(QStringLiteral("silinmedi")), qPrintable(m.son()));
        QCOMPARE(oku(QStringLiteral("hastaadisoyadi")).toString(), QStringLiteral("YENİ AD"));
        QCOMPARE(i.a.metin(QStringLiteral("HASTAADISOYADI")), QStringLiteral("YENİ AD"));
        QVERIFY(i.a.sil());
        QVERIFY(!Sorgu::tekDeger(QStringLiteral("select kayitno from hastalar where kayitno = 1"))->isValid());
    }

    // A list kept current learns of another workstation's new row, and of
    // its change to the row shown, without losing its place; while a change
    // is pending the list waits, then reads.
    void listeBaskasininDegisikliginiGorur()
    {
        BetikMesaj m;
        VeriSeti a(QStringLiteral("HASTALAR"));
        a.degisiklikleriIzle(true);
        QVERIFY(a.ac() && a.bul(2));
        QCOMPARE(a.kesinKayitSayisi(), 3);
        QVERIFY(Sorgu::calistir(QStringLiteral("insert into hastalar (kayitno, hastakodu, hastaadisoyadi, sirketkodu) "
                                               "values (4, '4', 'YENİ HASTA', '2007')"),
                                {}, Ikinci));
        QTRY_COMPARE_WITH_TIMEOUT(a.kesinKayitSayisi(), 4, VeriBeklemesi);
        QCOMPARE(a.anahtar(), qint64(2));
        QVERIFY(!a.bayatMi());

        QVERIFY(a.degerAyarla(QStringLiteral("KILO"), QStringLiteral("65")));
        QVERIFY(Sorgu::calistir(QStringLiteral("update hastalar set adres = 'BEŞİKTAŞ' where kayitno = 3"), {}, Ikinci));
        QTRY_VERIFY_WITH_TIMEOUT(a.bayatMi(), VeriBeklemesi);
        QCOMPARE(a.durum(), VeriSeti::Durum::Duzenle);
        QCOMPARE(a.metin(QStringLiteral("KILO")), QStringLiteral("65"));
        QVERIFY(a.kaydet());
        QTRY_VERIFY_WITH_TIMEOUT(!a.bayatMi(), VeriBeklemesi);
        QCOMPARE(a.anahtar(), qint64(2));
        QCOMPARE(a.metin(QStringLiteral("KILO")), QStringLiteral("65"));
        QVERIFY(a.bul(3));
        QCOMPARE(a.metin(QStringLiteral("ADRES")), QStringLiteral("BEŞİKTAŞ"));
        QVERIFY2(m.mesajlar.isEmpty(), qPrintable(m.mesajlar.join(QLatin1Char('\n'))));
    }

    // A reading caused by another workstation's save leaves a grid where the
    // user scrolled it, with the same row selected; the user's own reading
    // (F9) brings the current row into view again.
    void kaydirmaYeriKalir()
    {
        BetikMesaj m;
        for (int i = 4; i <= 120; ++i)
            QVERIFY(Sorgu::calistir(QStringLiteral("insert into hastalar (kayitno, hastakodu, hastaadisoyadi, "
                                                   "sirketkodu) values (?, ?, ?, '2007')"),
                                    {i, QString::number(i), QStringLiteral("HASTA %1").arg(i)}));
        VeriSeti a(QStringLiteral("HASTALAR"));
        a.selectMetniAyarla(QStringLiteral("select * from hastalar where 1=1 order by hastalar.kayitno"));
        a.degisiklikleriIzle(true);
        QVERIFY(a.ac() && a.bul(5));
        TabloModeli model(&a);
        model.kolonlariAyarla(IzgaraKolonlari({{"HASTAADISOYADI", "Ad"}}));
        QTableView izgara;
        izgara.resize(300, 240);
        model.gorunumeBagla(&izgara);
        izgara.show();
        QVERIFY(QTest::qWaitForWindowExposed(&izgara));
        QCOMPARE(izgara.currentIndex().row(), 4);
        // The user scrolls down to look, the current row stays on patient 5.
        izgara.verticalScrollBar()->setValue(60);
        const int yer = izgara.verticalScrollBar()->value();
        QVERIFY(yer > 10);
        QVERIFY(Sorgu::calistir(QStringLiteral("update hastalar set adres = 'ŞİŞLİ' where kayitno = 80"), {}, Ikinci));
        QTRY_VERIFY_WITH_TIMEOUT(!a.bayatMi() && a.satirDegeri(79, QStringLiteral("ADRES")).toString()
                                                     == QStringLiteral("ŞİŞLİ"),
                                 VeriBeklemesi);
        QCOMPARE(izgara.verticalScrollBar()->value(), yer);
        QCOMPARE(izgara.currentIndex().row(), 4);
        QVERIFY(izgara.selectionModel()->isRowSelected(4, QModelIndex()));
        QCOMPARE(a.anahtar(), qint64(5));
        // Read again by hand: the current row is shown.
        QVERIFY(a.yenile());
        QVERIFY(izgara.verticalScrollBar()->value() <= 4);
        QVERIFY2(m.mesajlar.isEmpty(), qPrintable(m.mesajlar.join(QLatin1Char('\n'))));
    }
};

QTEST_MAIN(TestEszamanli)
#include "tst_eszamanli.moc"
