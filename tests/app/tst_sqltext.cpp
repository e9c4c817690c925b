#include "db/sqltext.h"
#include "db/win1254.h"

#include <QtTest>

class TstSqlText : public QObject
{
    Q_OBJECT
private slots:
    void sqlQuote_data()
    {
        QTest::addColumn<QString>("girdi");
        QTest::addColumn<QString>("beklenen");
        QTest::newRow("kesme isareti") << "O'NEIL" << "'O`NEIL'";
        QTest::newRow("uc bosluk") << "   " << "''";
        QTest::newRow("bos") << "" << "Null";
        QTest::newRow("kenar bosluklari") << "  AB  " << "'AB'";
        QTest::newRow("sekme ve satir sonu") << "\tAB\r\n" << "'AB'";
        QTest::newRow("yalniz kesme") << "'" << "'`'";
        QTest::newRow("turkce") << "ŞİĞ" << "'ŞİĞ'";
    }
    void sqlQuote()
    {
        QFETCH(QString, girdi);
        QFETCH(QString, beklenen);
        QCOMPARE(SqlQuote(girdi), beklenen);
    }

    void sqlNumber()
    {
        QCOMPARE(SqlNumber(1500), QStringLiteral("1500"));
        QCOMPARE(SqlNumber(-42), QStringLiteral("-42"));
        QCOMPARE(SqlNumber(0), QStringLiteral("0"));
    }

    void tarihler()
    {
        QCOMPARE(SqlTarih(QDate(2008, 3, 5)), QStringLiteral("'05.03.2008'"));
        QCOMPARE(SqlTarih(QDate()), QStringLiteral("Null"));
        QVERIFY(!MetindenTarih(QStringLiteral("  .  .    ")).isValid());
        QVERIFY(!MetindenTarih(QStringLiteral("31.02.1980")).isValid());
        QCOMPARE(MetindenTarih(QStringLiteral("29.02.2024")), QDate(2024, 2, 29));
    }

    void benzerlikDeseni()
    {
        QCOMPARE(SqlBenzer(QStringLiteral("AB"), Benzerlik::IleBaslar), QStringLiteral("'AB%' escape '!'"));
        QCOMPARE(SqlBenzer(QStringLiteral("A'B"), Benzerlik::Icerir), QStringLiteral("'%A`B%' escape '!'"));
        QCOMPARE(SqlBenzer(QStringLiteral("%_!"), Benzerlik::Icerir), QStringLiteral("'%!%!_!!%' escape '!'"));
        QCOMPARE(SqlBenzer(QStringLiteral("\"x;"), Benzerlik::IleBaslar), QStringLiteral("'\"x;%' escape '!'"));
    }

    void turkceBuyukHarf()
    {
        QCOMPARE(TurkceBuyuk(QStringLiteral("istanbul ılıca")), QStringLiteral("İSTANBUL ILICA"));
        QCOMPARE(TurkceBuyuk(QStringLiteral("çöğüş")), QStringLiteral("ÇÖĞÜŞ"));
    }

    // The database's code page: every byte in use reads as a character that
    // can be written back; the letters whose places hold the Turkish ones,
    // and other scripts, cannot.
    void kodSayfasi()
    {
        int bos = 0;
        for (int b = 0; b < 256; ++b) {
            const char16_t c = Win1254::karakter(uchar(b));
            if (c == 0xFFFD)
                ++bos;
            else
                QVERIFY2(Win1254::tasiyabilir(c), qPrintable(QString::number(b, 16)));
        }
        QCOMPARE(bos, 7);
        QCOMPARE(Win1254::coz(QByteArray("\xDE\xFD\xF0\xDD\xD0\xFE\x80" "a")), QStringLiteral("ŞığİĞş€a"));
        for (char16_t c : {u'Ð', u'Ý', u'Þ', u'ð', u'ý', u'þ', u'Ə', u'Ж', char16_t(0xFFFD)})
            QVERIFY2(!Win1254::tasiyabilir(c), qPrintable(QString(QChar(c))));
    }
};

QTEST_GUILESS_MAIN(TstSqlText)
#include "tst_sqltext.moc"
