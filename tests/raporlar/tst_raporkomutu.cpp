// "velmorika --rapor ... --sorgu ... --pdf ..." end to end: a real database,
// the built program, the PDF's text read back with pdftotext.
#include "destek/pdfmetni.h"
#include "destek/betikmesaj.h"
#include "destek/testvt.h"

#include "app/program/komutsatiri.h"
#include "db/baglanti.h"
#include "db/sorgu.h"

#include <QDir>
#include <QFile>
#include <QProcess>
#include <QSqlDatabase>
#include <QTemporaryDir>
#include <QtTest>

namespace {


bool hareketEkle(int no, const QString &carikod, const QString &unvan, const QString &tarih, const QString &aciklama,
                 double borc, double alacak)
{
    return Sorgu::calistir(QStringLiteral("insert into cari_hareket (kayitno, carikod, cariunvan, evrakno, islemtarihi, "
                                          "islemturu, aciklama, borc, alacak, sirketkodu) values (?, ?, ?, ?, ?, ?, ?, ?, ?, ?)"),
                           {no, carikod, unvan, QStringLiteral("E-%1").arg(no), QDate::fromString(tarih, QStringLiteral("dd.MM.yyyy")),
                            QStringLiteral("MUAYENE"), aciklama, borc, alacak, QStringLiteral("2007")});
}

const QString SORGU = QStringLiteral(
    "select carikod, cariunvan, islemtarihi, evrakno, islemturu, aciklama, borc, alacak from cari_hareket "
    "where sirketkodu = '2007' order by carikod, kayitno");

QString programYolu()
{
    return QDir(QCoreApplication::applicationDirPath()).absoluteFilePath(QStringLiteral("../velmorika"));
}

} // namespace

class TestRaporKomutu : public QObject
{
    Q_OBJECT

private slots:
    void init();
    void programIlePdf();
    void dogrudanCagri();
    void hatalar_data();
    void hatalar();
    void eksikKolonIsaretlenir();
    void ekstreProgramIle();

private:
    bool veriHazirla();
};

void TestRaporKomutu::init()
{
    Baglanti::kapat(QStringLiteral("velmorika_rapor_komutu"));
}

bool TestRaporKomutu::veriHazirla()
{
    return hareketEkle(1, QStringLiteral("H001"), QStringLiteral("ŞÜKRÜ IŞIK"), QStringLiteral("05.03.2008"),
                       QStringLiteral("Muayene ücreti"), 1234.5, 0)
        && hareketEkle(2, QStringLiteral("H001"), QStringLiteral("ŞÜKRÜ IŞIK"), QStringLiteral("06.03.2008"),
                       QStringLiteral("Tahsilat"), 0, 1000)
        && hareketEkle(3, QStringLiteral("H002"), QStringLiteral("GÜLİZ ÖZ"), QStringLiteral("07.03.2008"),
                       QStringLiteral("Göz muayenesi"), 250, 0);
}

// The built program as a separate process (the test's own connection closed
// first: the embedded engine gives a file to one process at a time).
void TestRaporKomutu::programIlePdf()
{
    TEST_VT(vt);
    QVERIFY(veriHazirla());
    Baglanti::kapat(Baglanti::Paylasilan);
    const QString program = programYolu();
    QVERIFY2(QFileInfo(program).isExecutable(), qPrintable(program + QStringLiteral(" not built")));
    QTemporaryDir klasor;
    const QString pdf = klasor.filePath(QStringLiteral("cari.pdf"));
    QProcess p;
    p.setWorkingDirectory(klasor.path());
    p.start(program, {QStringLiteral("--rapor"), QStringLiteral("cari_gruplu.frf"), QStringLiteral("--sorgu"), SORGU,
                      QStringLiteral("--pdf"), pdf, QStringLiteral("--veritabani"), vt.yol()});
    QVERIFY(p.waitForFinished(120000));
    QCOMPARE(p.exitStatus(), QProcess::NormalExit);
    QVERIFY2(p.exitCode() == 0, p.readAllStandardError().constData());
    const QString metin = PdfMetni(pdf);
    QVERIFY2(metin.contains(QStringLiteral("ŞÜKRÜ IŞIK")), qPrintable(metin));
    for (const char *beklenen : {"Cari Hareketler", "GÜLİZ ÖZ", "05.03.2008", "1.234,50", "1.000,00",
                                 "H001 Toplamı (2 hareket)", "234,50", "Genel Toplam (3 hareket)", "484,50",
                                 "Sayfa 1 / 1"})
        QVERIFY2(metin.contains(QString::fromUtf8(beklenen)), beklenen);
    // The group footer of H001 comes before the header of H002.
    QVERIFY(metin.indexOf(QStringLiteral("H001 Toplamı")) < metin.indexOf(QStringLiteral("GÜLİZ ÖZ")));

    // A template that is not there: message on stderr, non-zero exit, no PDF.
    const QString yok = klasor.filePath(QStringLiteral("yok.pdf"));
    p.start(program, {QStringLiteral("--rapor"), QStringLiteral("boyle_sablon_yok.frf"), QStringLiteral("--sorgu"), SORGU,
                      QStringLiteral("--pdf"), yok, QStringLiteral("--veritabani"), vt.yol()});
    QVERIFY(p.waitForFinished(120000));
    QVERIFY(p.exitCode() != 0);
    QVERIFY(QString::fromUtf8(p.readAllStandardError()).contains(QStringLiteral("boyle_sablon_yok.frf")));
    QVERIFY(!QFile::exists(yok));
}

// One account's statement from the command line, each layout.
void TestRaporKomutu::ekstreProgramIle()
{
    TEST_VT(vt);
    QVERIFY(veriHazirla());
    Baglanti::kapat(Baglanti::Paylasilan);
    const QString program = programYolu();
    QTemporaryDir klasor;
    QProcess p;
    p.setWorkingDirectory(klasor.path());
    for (const char *tur : {"genis", "dar", "detayli"}) {
        const QString pdf = klasor.filePath(QStringLiteral("ekstre_%1.pdf").arg(QLatin1String(tur)));
        p.start(program, {QStringLiteral("--ekstre"), QLatin1String(tur), QStringLiteral("--cari"),
                          QStringLiteral("H001"), QStringLiteral("--sirket"), QStringLiteral("2007"),
                          QStringLiteral("--pdf"), pdf, QStringLiteral("--veritabani"), vt.yol()});
        QVERIFY(p.waitForFinished(120000));
        QVERIFY2(p.exitCode() == 0, p.readAllStandardError().constData());
        const QString metin = PdfMetni(pdf);
        for (const char *beklenen : {"ŞÜKRÜ IŞIK", "Ekstresı", "1.234,50", "1.000,00", "234,50", "Borc"})
            QVERIFY2(metin.contains(QString::fromUtf8(beklenen)), qPrintable(metin));
        QVERIFY(!metin.contains(QStringLiteral("GÜLİZ ÖZ")));
    }
    // An unknown layout is a usage error; no PDF.
    const QString yok = klasor.filePath(QStringLiteral("yok.pdf"));
    p.start(program, {QStringLiteral("--ekstre"), QStringLiteral("genislik"), QStringLiteral("--cari"),
                      QStringLiteral("H001"), QStringLiteral("--sirket"), QStringLiteral("2007"),
                      QStringLiteral("--pdf"), yok, QStringLiteral("--veritabani"), vt.yol()});
    QVERIFY(p.waitForFinished(120000));
    QCOMPARE(p.exitCode(), 2);
    QVERIFY(!QFile::exists(yok));
    // An account the company does not have (another company's included): a
    // message, exit code 6, no PDF.
    for (const char *sirket : {"2007", "2008"}) {
        p.start(program, {QStringLiteral("--ekstre"), QStringLiteral("genis"), QStringLiteral("--cari"),
                          QLatin1String(sirket[3] == '7' ? "H999" : "H001"), QStringLiteral("--sirket"),
                          QLatin1String(sirket), QStringLiteral("--pdf"), yok, QStringLiteral("--veritabani"), vt.yol()});
        QVERIFY(p.waitForFinished(120000));
        QCOMPARE(p.exitCode(), 6);
        QVERIFY(QString::fromUtf8(p.readAllStandardError()).contains(QStringLiteral("cari hesap yok")));
        QVERIFY(!QFile::exists(yok));
    }
}

// RaporKomutu called in the process, the liste template over the same query.
void TestRaporKomutu::dogrudanCagri()
{
    TEST_VT(vt);
    QVERIFY(veriHazirla());
    BetikMesaj m;
    QTemporaryDir klasor;
    const QString pdf = klasor.filePath(QStringLiteral("liste.pdf"));
    QCOMPARE(RaporKomutu({QStringLiteral("--rapor"), QStringLiteral("liste.frf"), QStringLiteral("--sorgu"), SORGU,
                          QStringLiteral("--pdf"), pdf, QStringLiteral("--veritabani"), vt.yol()}),
             0);
    QVERIFY2(m.mesajlar.isEmpty(), qPrintable(m.mesajlar.join('\n')));
    const QString metin = PdfMetni(pdf);
    for (const char *beklenen : {"CARIKOD", "ACIKLAMA", "ŞÜKRÜ IŞIK", "Göz muayenesi", "07.03.2008", "1.234,50",
                                 "Kayıt Sayısı: 3", "Sayfa 1 / 1"})
        QVERIFY2(metin.contains(QString::fromUtf8(beklenen)), beklenen);
}

void TestRaporKomutu::hatalar_data()
{
    QTest::addColumn<QStringList>("argumanlar");
    QTest::addColumn<int>("cikis");
    QTest::addColumn<QString>("mesaj");
    const QString pdf = QStringLiteral("@PDF@");
    QTest::newRow("sablon yok") << QStringList{"--rapor", "yok.frf", "--sorgu", SORGU, "--pdf", pdf, "--veritabani", "@VT@"}
                                << 3 << "yok.frf";
    QTest::newRow("sorgu bozuk") << QStringList{"--rapor", "liste.frf", "--sorgu", "select * from olmayan_tablo", "--pdf",
                                                pdf, "--veritabani", "@VT@"}
                                 << 5 << "OLMAYAN_TABLO";
    QTest::newRow("veritabani yok") << QStringList{"--rapor", "liste.frf", "--sorgu", SORGU, "--pdf", pdf,
                                                   "--veritabani", "/yok/boyle.fdb"}
                                    << 4 << "";
    QTest::newRow("pdf eksik") << QStringList{"--rapor", "liste.frf", "--sorgu", SORGU} << 2 << "Kullanım";
    QTest::newRow("deger eksik") << QStringList{"--rapor", "liste.frf", "--sorgu", SORGU, "--pdf"} << 2 << "--pdf";
    QTest::newRow("bilinmeyen") << QStringList{"--rapor", "liste.frf", "--sorgu", SORGU, "--pdf", pdf, "--xyz"} << 2
                                << "--xyz";
    QTest::newRow("yazilamaz") << QStringList{"--rapor", "liste.frf", "--sorgu", SORGU, "--pdf", "/yok/klasor/c.pdf",
                                              "--veritabani", "@VT@"}
                               << 6 << "c.pdf";
}

void TestRaporKomutu::hatalar()
{
    QFETCH(QStringList, argumanlar);
    QFETCH(int, cikis);
    QFETCH(QString, mesaj);
    TEST_VT(vt);
    QTemporaryDir klasor;
    const QString pdf = klasor.filePath(QStringLiteral("c.pdf"));
    for (QString &a : argumanlar) {
        a.replace(QStringLiteral("@PDF@"), pdf);
        a.replace(QStringLiteral("@VT@"), vt.yol());
    }
    BetikMesaj m;
    QCOMPARE(RaporKomutu(argumanlar), cikis);
    QCOMPARE(m.hatalar.size(), 1);
    QVERIFY2(m.hatalar.first().contains(mesaj, Qt::CaseInsensitive), qPrintable(m.hatalar.first()));
    QVERIFY(!QFile::exists(pdf));
    QVERIFY(!QSqlDatabase::contains(QStringLiteral("velmorika_rapor_komutu")));
}

// A column the query lacks: marked in the PDF, one warning, still exit 0.
void TestRaporKomutu::eksikKolonIsaretlenir()
{
    TEST_VT(vt);
    QVERIFY(veriHazirla());
    QTemporaryDir klasor;
    const QString sablon = klasor.filePath(QStringLiteral("eksik.frf"));
    QFile f(sablon);
    QVERIFY(f.open(QIODevice::WriteOnly));
    f.write("<?xml version=\"1.0\" encoding=\"UTF-8\"?>\n<rapor kagit=\"A4\">\n"
            " <bant tur=\"detay\" yukseklik=\"6\">\n"
            "  <metin x=\"0\" y=\"0\" genislik=\"60\" yukseklik=\"6\">[CARIKOD]</metin>\n"
            "  <metin x=\"60\" y=\"0\" genislik=\"60\" yukseklik=\"6\">[HASTAADI]</metin>\n"
            " </bant>\n</rapor>\n");
    f.close();
    BetikMesaj m;
    const QString pdf = klasor.filePath(QStringLiteral("e.pdf"));
    QCOMPARE(RaporKomutu({QStringLiteral("--rapor"), sablon, QStringLiteral("--sorgu"), SORGU, QStringLiteral("--pdf"),
                          pdf, QStringLiteral("--veritabani"), vt.yol()}),
             0);
    QCOMPARE(m.mesajlar.size(), 1);
    QVERIFY(m.mesajlar.first().contains(QStringLiteral("[HASTAADI]")));
    QVERIFY(m.hatalar.isEmpty());
    const QString metin = PdfMetni(pdf);
    QCOMPARE(metin.count(QStringLiteral("[?HASTAADI]")), 3);
    QVERIFY(metin.contains(QStringLiteral("H002")));
}

QTEST_MAIN(TestRaporKomutu)
#include "tst_raporkomutu.moc"
