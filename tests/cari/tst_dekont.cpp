// The receipt: the amount in Turkish words, the titles by their exact
// conditions.
#include "cari/dekont.h"

#include <QtTest>

class tst_dekont : public QObject
{
    Q_OBJECT
private slots:
    void tutarYazisi_data();
    void tutarYazisi();
    void borcVeAlacak_data();
    void borcVeAlacak();
    void aralikDisi_data();
    void aralikDisi();
    void basliklar_data();
    void basliklar();
};

void tst_dekont::tutarYazisi_data()
{
    QTest::addColumn<double>("tutar");
    QTest::addColumn<QString>("yazi");
    QTest::newRow("1234,50") << 1234.50 << QStringLiteral("BinIkiYüzOtuzDört YTL  Elli  Ykr");
    QTest::newRow("2000000") << 2000000.0 << QStringLiteral("IkiMilyon YTL");
    QTest::newRow("1001") << 1001.0 << QStringLiteral("BinBir YTL");
    QTest::newRow("100") << 100.0 << QStringLiteral("Yüz YTL");
    QTest::newRow("105,05") << 105.05 << QStringLiteral("YüzBes YTL  Bes  Ykr");
    QTest::newRow("15") << 15.0 << QStringLiteral("OnBes YTL");
    QTest::newRow("250") << 250.0 << QStringLiteral("IkiYüzElli YTL");
    QTest::newRow("1000000") << 1000000.0 << QStringLiteral("BirMilyon YTL");
    QTest::newRow("1000") << 1000.0 << QStringLiteral("Bin YTL");
    QTest::newRow("11000") << 11000.0 << QStringLiteral("OnBirBin YTL");
    QTest::newRow("1001000") << 1001000.0 << QStringLiteral("BirMilyonBin YTL");
    QTest::newRow("12345678") << 12345678.0 << QStringLiteral("OnIkiMilyonÜcYüzKirkBesBinAltiYüzYetmisSekiz YTL");
    QTest::newRow("0,50") << 0.50 << QStringLiteral("Sifir YTL  Elli  Ykr");
    QTest::newRow("99,995 rounds once") << 99.995 << QStringLiteral("Yüz YTL");
    QTest::newRow("99,994") << 99.994 << QStringLiteral("DoksanDokuz YTL  DoksanDokuz  Ykr");
    QTest::newRow("0") << 0.0 << QStringLiteral("Sifir YTL");
    QTest::newRow("0,01") << 0.01 << QStringLiteral("Sifir YTL  Bir  Ykr");
    QTest::newRow("999,999 carries") << 999.999 << QStringLiteral("Bin YTL");
    QTest::newRow("1 katrilyon") << 1e15 << QStringLiteral("BirKatrilyon YTL");
    QTest::newRow("largest group") << 999999999999999872.0
                                   << QStringLiteral("DokuzYüzDoksanDokuzKatrilyonDokuzYüzDoksanDokuzTrilyon"
                                                     "DokuzYüzDoksanDokuzMilyarDokuzYüzDoksanDokuzMilyon"
                                                     "DokuzYüzDoksanDokuzBinSekizYüzYetmisIki YTL");
}

void tst_dekont::tutarYazisi()
{
    QFETCH(double, tutar);
    QFETCH(QString, yazi);
    const auto y = Dekont::TutarYazisi(tutar);
    QVERIFY(y.has_value());
    QCOMPARE(*y, yazi);
}

void tst_dekont::borcVeAlacak_data()
{
    QTest::addColumn<double>("borc");
    QTest::addColumn<double>("alacak");
    QTest::addColumn<QString>("yazi");
    QTest::newRow("debit") << 15.0 << 0.0 << QStringLiteral("OnBes YTL");
    QTest::newRow("credit") << 0.0 << 250.0 << QStringLiteral("IkiYüzElli YTL");
    QTest::newRow("both: the credit wins") << 15.0 << 250.0 << QStringLiteral("IkiYüzElli YTL");
    QTest::newRow("neither") << 0.0 << 0.0 << QStringLiteral("Sifir YTL");
    QTest::newRow("negative") << -5.0 << 0.0 << QStringLiteral("Sifir YTL");
}

void tst_dekont::borcVeAlacak()
{
    QFETCH(double, borc);
    QFETCH(double, alacak);
    QFETCH(QString, yazi);
    const auto y = Dekont::tutariyaziyadonustur(borc, alacak);
    QVERIFY(y.has_value());
    QCOMPARE(*y, yazi);
}

void tst_dekont::aralikDisi_data()
{
    QTest::addColumn<double>("borc");
    QTest::addColumn<double>("alacak");
    QTest::newRow("10^18 debit") << 1e18 << 0.0;
    QTest::newRow("10^18 credit") << 0.0 << 1e18;
    QTest::newRow("10^20") << 1e20 << 0.0;
    QTest::newRow("infinite") << std::numeric_limits<double>::infinity() << 0.0;
}

void tst_dekont::aralikDisi()
{
    QFETCH(double, borc);
    QFETCH(double, alacak);
    QVERIFY(!Dekont::tutariyaziyadonustur(borc, alacak).has_value());
}

void tst_dekont::basliklar_data()
{
    QTest::addColumn<double>("borc");
    QTest::addColumn<double>("alacak");
    QTest::addColumn<QString>("islemTuru");
    QTest::addColumn<QString>("ozelKod1");
    QTest::addColumn<QStringList>("basliklar");
    QTest::newRow("debit") << 15.0 << 0.0 << QStringLiteral("NAKIT") << QStringLiteral("0")
                           << QStringList{QStringLiteral("BORC DEKONTU")};
    QTest::newRow("credit") << 0.0 << 250.0 << QStringLiteral("NAKIT") << QString()
                            << QStringList{QStringLiteral("ALACAK DEKONTU")};
    QTest::newRow("note collected") << 0.0 << 100.0 << QStringLiteral("Senet") << QStringLiteral("TAHSİL")
                                    << QStringList{QStringLiteral("SENET TAHSİL DEKONTU")};
    QTest::newRow("SENET in capitals: none") << 0.0 << 100.0 << QStringLiteral("SENET") << QStringLiteral("TAHSİL")
                                             << QStringList{};
    QTest::newRow("Senet not collected: none") << 0.0 << 100.0 << QStringLiteral("Senet") << QStringLiteral("0")
                                               << QStringList{};
    QTest::newRow("debit and collected note")
        << 50.0 << 100.0 << QStringLiteral("Senet") << QStringLiteral("TAHSİL")
        << QStringList{QStringLiteral("BORC DEKONTU"), QStringLiteral("SENET TAHSİL DEKONTU")};
    QTest::newRow("debit and credit") << 50.0 << 100.0 << QStringLiteral("NAKIT") << QStringLiteral("0")
                                      << QStringList{QStringLiteral("BORC DEKONTU"), QStringLiteral("ALACAK DEKONTU")};
    QTest::newRow("zero") << 0.0 << 0.0 << QStringLiteral("NAKIT") << QString() << QStringList{};
}

void tst_dekont::basliklar()
{
    QFETCH(double, borc);
    QFETCH(double, alacak);
    QFETCH(QString, islemTuru);
    QFETCH(QString, ozelKod1);
    QFETCH(QStringList, basliklar);
    QCOMPARE(Dekont::Basliklar(borc, alacak, islemTuru, ozelKod1), basliklar);
}

QTEST_GUILESS_MAIN(tst_dekont)
#include "tst_dekont.moc"
