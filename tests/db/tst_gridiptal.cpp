// A grid bound to a data set must never post a row the user cancelled or
// deleted before saving it.
#include "db/sorgu.h"
#include "db/tablomodeli.h"
#include "db/veriseti.h"
#include "destek/betikmesaj.h"
#include "destek/testvt.h"

#include <QTableView>
#include <QtTest>

class TstGridIptal : public QObject
{
    Q_OBJECT
private slots:
    void bekleyenSatirYazilmaz_data()
    {
        QTest::addColumn<bool>("silerek");
        QTest::newRow("iptal") << false;
        QTest::newRow("sil") << true;
    }
    void bekleyenSatirYazilmaz()
    {
        QFETCH(bool, silerek);
        TEST_VT(vt);
        BetikMesaj m;
        for (int i = 1; i <= 3; ++i)
            QVERIFY(Sorgu::calistir(QStringLiteral("insert into tanilar (kayitno, tani) values (?,?)"),
                                    {i, QStringLiteral("TANI %1").arg(i)}));
        VeriSeti vs(QStringLiteral("TANILAR"));
        vs.selectMetniAyarla(QStringLiteral("select * from tanilar where 1=1 order by tanilar.kayitno"));
        QVERIFY(vs.ac());
        TabloModeli model(&vs);
        QTableView grid;
        model.gorunumeBagla(&grid);
        grid.show();
        QVERIFY(vs.son());

        QVERIFY(vs.ekle());
        QVERIFY(vs.degerAyarla(QStringLiteral("TANI"), QStringLiteral("VAZGEÇİLEN")));
        if (silerek)
            QVERIFY(vs.sil());
        else
            vs.iptal();
        QCoreApplication::processEvents();

        QCOMPARE(vs.durum(), VeriSeti::Durum::Gozat);
        QCOMPARE(vs.kayitSayisi(), 3);
        QCOMPARE(Sorgu::tekDeger(QStringLiteral("select count(*) from tanilar"))->toInt(), 3);
        QVERIFY(m.hatalar.isEmpty());
    }
};

QTEST_MAIN(TstGridIptal)
#include "tst_gridiptal.moc"
