// Where the program looks for the database location: VELMORIKA_VERITABANI,
// then the user's ~/.config/VELMORIKA/datayeri.txt, then the workstation's
// /etc/velmorika/datayeri.txt, then the one beside the program; the first one
// there decides, even when it is wrong. In this process the user's folder is
// the test support's and the workstation's a temporary one; the last case
// runs the built program with HOME and XDG_CONFIG_HOME of its own.
#include "destek/testvt.h"

#include "app/yerler.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QProcess>
#include <QTemporaryDir>
#include <QtTest>

namespace {

bool yaz(const QString &yol, const QByteArray &icerik)
{
    QDir().mkpath(QFileInfo(yol).absolutePath());
    QFile f(yol);
    return f.open(QIODevice::WriteOnly | QIODevice::Truncate) && f.write(icerik) == icerik.size();
}

QString kullaniciDosyasi() { return QDir(Yerler::ayarKlasoru()).filePath(QStringLiteral("datayeri.txt")); }
QString sistemDosyasi() { return QDir(Yerler::sistemAyarKlasoru()).filePath(QStringLiteral("datayeri.txt")); }
QString yanindakiDosya() { return QDir(QCoreApplication::applicationDirPath()).filePath(QStringLiteral("datayeri.txt")); }

} // namespace

class TstYerler : public QObject
{
    Q_OBJECT
    QTemporaryDir m_sistem;

private slots:
    void initTestCase()
    {
        TestOrtami();
        Yerler::sistemAyarKlasoruAyarla(m_sistem.path());
    }
    void cleanup()
    {
        for (const QString &d : {kullaniciDosyasi(), sistemDosyasi(), yanindakiDosya()})
            QFile::remove(d);
        qunsetenv("VELMORIKA_VERITABANI");
    }

    void siralama_data()
    {
        // Which places hold a location ("o": the environment, "k": the
        // user's file, "s": the workstation's, "y": beside the program),
        // and which one wins.
        QTest::addColumn<QString>("olanlar");
        QTest::addColumn<QString>("kazanan");
        QTest::newRow("hepsi") << "oksy" << "o";
        QTest::newRow("dosyaların hepsi") << "ksy" << "k";
        QTest::newRow("kullanıcınınki yok") << "sy" << "s";
        QTest::newRow("yalnız programın yanında") << "y" << "y";
        QTest::newRow("ortam ve yanında") << "oy" << "o";
        QTest::newRow("kullanıcı ve yanında") << "ky" << "k";
    }
    void siralama()
    {
        QFETCH(QString, olanlar);
        QFETCH(QString, kazanan);
        const QStringList sirali = Yerler::datayeriDosyalari();
        QCOMPARE(sirali, (QStringList{kullaniciDosyasi(), sistemDosyasi(), yanindakiDosya()}));
        if (olanlar.contains(QLatin1Char('o')))
            qputenv("VELMORIKA_VERITABANI", "sunucu:/ortam.fdb");
        if (olanlar.contains(QLatin1Char('k')))
            QVERIFY(yaz(kullaniciDosyasi(), "/veri/kullanici.fdb\r\n"));
        if (olanlar.contains(QLatin1Char('s')))
            QVERIFY(yaz(sistemDosyasi(), "sunucu:/veri/sistem.fdb\n"));
        if (olanlar.contains(QLatin1Char('y')))
            QVERIFY(yaz(yanindakiDosya(), "/veri/yaninda.fdb"));
        const QMap<QString, QString> beklenen{{"o", "sunucu:/ortam.fdb"},
                                              {"k", "/veri/kullanici.fdb"},
                                              {"s", "sunucu:/veri/sistem.fdb"},
                                              {"y", "/veri/yaninda.fdb"}};
        QString konum, hata;
        bool hicYok = true;
        QVERIFY2(Yerler::veritabaniYeri(&konum, &hata, &hicYok), qPrintable(hata));
        QCOMPARE(konum, beklenen.value(kazanan));
        QVERIFY(!hicYok);
    }

    // Nothing anywhere: the first-start case, and the message names every place.
    // A file that is there but empty stops the search: no other file is
    // taken silently instead of the one the user wrote.
    void hicYokVeBos()
    {
        QString konum, hata;
        bool hicYok = false;
        QVERIFY(!Yerler::veritabaniYeri(&konum, &hata, &hicYok));
        QVERIFY(hicYok);
        for (const QString &d : Yerler::datayeriDosyalari())
            QVERIFY2(hata.contains(d), qPrintable(hata));

        QVERIFY(yaz(kullaniciDosyasi(), "\n"));
        QVERIFY(yaz(yanindakiDosya(), "/veri/yaninda.fdb\n"));
        QVERIFY(!Yerler::veritabaniYeri(&konum, &hata, &hicYok));
        QVERIFY(!hicYok);
        QVERIFY2(hata.startsWith(QStringLiteral("Veritabanı yeri dosyası boş: ") + kullaniciDosyasi()), qPrintable(hata));

        QVERIFY(Yerler::datayeriYaz(QStringLiteral("/veri/yeni.fdb"), &hata));
        QVERIFY(Yerler::veritabaniYeri(&konum, &hata));
        QCOMPARE(konum, QStringLiteral("/veri/yeni.fdb"));
    }

    // The built program itself: the user's settings folder is
    // $XDG_CONFIG_HOME/VELMORIKA, else ~/.config/VELMORIKA. The location
    // read shows in the message about the database that is not there.
    void programXdg_data()
    {
        QTest::addColumn<bool>("xdgVar");
        QTest::newRow("HOME/.config") << false;
        QTest::newRow("XDG_CONFIG_HOME") << true;
    }
    void programXdg()
    {
        QFETCH(bool, xdgVar);
        QTemporaryDir ev, xdg, calisma;
        const QString ayar = xdgVar ? xdg.path() : QDir(ev.path()).filePath(QStringLiteral(".config"));
        const QString vt = QDir(calisma.path()).filePath(QStringLiteral("yok.fdb"));
        QVERIFY(yaz(QDir(ayar).filePath(QStringLiteral("VELMORIKA/datayeri.txt")), vt.toUtf8() + '\n'));
        QProcessEnvironment o = QProcessEnvironment::systemEnvironment();
        o.insert(QStringLiteral("HOME"), ev.path());
        if (xdgVar)
            o.insert(QStringLiteral("XDG_CONFIG_HOME"), xdg.path());
        else
            o.remove(QStringLiteral("XDG_CONFIG_HOME"));
        o.remove(QStringLiteral("VELMORIKA_VERITABANI"));
        o.insert(QStringLiteral("VELMORIKA_KOK"), QDir(ev.path()).filePath(QStringLiteral("VELMORIKA")));
        QProcess p;
        p.setProcessEnvironment(o);
        p.setWorkingDirectory(calisma.path());
        p.start(QDir(QCoreApplication::applicationDirPath()).absoluteFilePath(QStringLiteral("../velmorika")),
                {QStringLiteral("--excel"), QStringLiteral("--sorgu"), QStringLiteral("select 1 from rdb$database"),
                 QStringLiteral("--xlsx"), QStringLiteral("x.xlsx")});
        QVERIFY(p.waitForFinished(60000));
        const QString hata = QString::fromUtf8(p.readAllStandardError());
        QCOMPARE(p.exitCode(), 4);
        QVERIFY2(hata.contains(vt), qPrintable(hata));
        // Nothing was written where it was started.
        QCOMPARE(QDir(calisma.path()).entryList(QDir::NoDotAndDotDot | QDir::AllEntries | QDir::Hidden),
                 QStringList());
    }
};

QTEST_MAIN(TstYerler)
#include "tst_yerler.moc"
