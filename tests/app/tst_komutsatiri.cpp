// The command line: options in any order, usage errors with exit code 2,
// statements typed for reading that try to write refused, SIGTERM/SIGINT
// ending a running program. The process cases run the built program with no
// display at all: a run that tried to show a window would fail.
#include "destek/betikmesaj.h"
#include "destek/testvt.h"
#include "destek/yazanyordam.h"

#include "app/ekranlar.h"
#include "app/program/frm_about.h"
#include "app/program/frmlogin.h"
#include "app/program/komutsatiri.h"
#include "db/baglanti.h"
#include "db/sorgu.h"

#include <QDir>
#include <QFile>
#include <QLabel>
#include <QProcess>
#include <QRegularExpression>
#include <QTemporaryDir>
#include <QtTest>

#include <csignal>

namespace {

QString programYolu()
{
    return QDir(QCoreApplication::applicationDirPath()).absoluteFilePath(QStringLiteral("../velmorika"));
}

// No display and no platform chosen: the program must choose offscreen
// itself for a command-line run.
QProcessEnvironment ekransizOrtam()
{
    QProcessEnvironment o = QProcessEnvironment::systemEnvironment();
    o.remove(QStringLiteral("DISPLAY"));
    o.remove(QStringLiteral("WAYLAND_DISPLAY"));
    o.remove(QStringLiteral("QT_QPA_PLATFORM"));
    return o;
}

struct Calisma
{
    bool bitti = false;
    int kod = -1;
    QString cikti;
    QString hata;
};

Calisma calistir(const QStringList &argumanlar, const QString &klasor)
{
    QProcess p;
    p.setProcessEnvironment(ekransizOrtam());
    p.setWorkingDirectory(klasor);
    p.start(programYolu(), argumanlar);
    p.closeWriteChannel();
    Calisma c;
    c.bitti = p.waitForFinished(60000);
    if (!c.bitti) {
        p.kill();
        p.waitForFinished();
        return c;
    }
    c.kod = p.exitStatus() == QProcess::NormalExit ? p.exitCode() : -1;
    c.cikti = QString::fromUtf8(p.readAllStandardOutput());
    c.hata = QString::fromUtf8(p.readAllStandardError());
    return c;
}

// The patients as "count name" (the one seeded patient: "1 AYŞE YILMAZ").
QString hastalar(const QString &baglanti = QString())
{
    const auto s = Sorgu::sec(QStringLiteral("select count(*), max(hastaadisoyadi) from hastalar"), {}, baglanti);
    return s && !s->satirlar.isEmpty()
               ? s->satirlar.first().at(0).toString() + QLatin1Char(' ') + s->satirlar.first().at(1).toString()
               : QString();
}

// The desktop program on a database, up when its login window has the file
// open (it shows among the process's open files).
bool programiBaslat(QProcess &p, const QString &vt)
{
    QProcessEnvironment o = QProcessEnvironment::systemEnvironment();
    o.insert(QStringLiteral("QT_QPA_PLATFORM"), QStringLiteral("offscreen"));
    p.setProcessEnvironment(o);
    p.start(programYolu(), {QStringLiteral("--veritabani"), vt});
    if (!p.waitForStarted())
        return false;
    const QString fdKlasoru = QStringLiteral("/proc/%1/fd").arg(p.processId());
    const QString hedef = QFileInfo(vt).canonicalFilePath();
    QDeadlineTimer son(60000);
    while (!son.hasExpired() && p.state() == QProcess::Running) {
        for (const QFileInfo &f : QDir(fdKlasoru).entryInfoList(QDir::AllEntries | QDir::System | QDir::NoDotAndDotDot))
            if (f.symLinkTarget() == hedef)
                return true;
        QTest::qWait(100);
    }
    return false;
}

} // namespace

class TestKomutSatiri : public QObject
{
    Q_OBJECT

private slots:
    void coz_data();
    void coz();
    void surec_data();
    void surec();
    void okumaSorgusu_data();
    void okumaSorgusu();
    void satirsizKomut();
    void sinyal_data();
    void sinyal();
    void ikinciProgram();
    void surumVeKilavuz();
    void girisDenetimi_data();
    void girisDenetimi();
};

void TestKomutSatiri::coz_data()
{
    QTest::addColumn<QStringList>("argumanlar");
    QTest::addColumn<int>("tur");
    QTest::addColumn<QString>("hata"); // part of the usage error; empty: sound
    using T = Komut::Tur;
    QTest::newRow("bos: program") << QStringList{} << int(T::Program) << "";
    QTest::newRow("program veritabani ile") << QStringList{"--veritabani", "a.fdb"} << int(T::Program) << "";
    QTest::newRow("rapor sirali") << QStringList{"--rapor", "l.frf", "--sorgu", "select 1 from rdb$database", "--pdf",
                                                 "c.pdf"}
                                  << int(T::Rapor) << "";
    QTest::newRow("rapor veritabani once") << QStringList{"--veritabani", "a.fdb", "--pdf", "c.pdf", "--sorgu", "s",
                                                          "--rapor", "l.frf"}
                                           << int(T::Rapor) << "";
    QTest::newRow("excel sonda") << QStringList{"--xlsx", "c.xlsx", "--sorgu", "s", "--excel"} << int(T::Excel) << "";
    QTest::newRow("yeni veritabani") << QStringList{"--yeni-veritabani", "y.fdb"} << int(T::YeniVeritabani) << "";
    QTest::newRow("yeni veritabani sunucuda") << QStringList{"--yeni-veritabani", "sunucu:/v/y.fdb"}
                                              << int(T::YeniVeritabani) << "";
    QTest::newRow("yetkilendir") << QStringList{"--veritabani", "sunucu:/v/y.fdb", "--yetkilendir", "VELMORIKA"}
                                 << int(T::Yetkilendir) << "";
    QTest::newRow("yetkilendir adsiz") << QStringList{"--yetkilendir"} << int(T::Program) << "değeri eksik";
    QTest::newRow("surum") << QStringList{"--excel", "--surum"} << int(T::Surum) << "";
    QTest::newRow("giris denetimi") << QStringList{"--sirket", "2007", "--giris-denetle", "VELMOR"}
                                    << int(T::GirisDenetimi) << "";
    QTest::newRow("giris denetimi sorgu almaz") << QStringList{"--giris-denetle", "VELMOR", "--sorgu", "s"}
                                                << int(T::GirisDenetimi) << "--sorgu";
    QTest::newRow("yetkilendir sorgu almaz") << QStringList{"--yetkilendir", "V", "--sorgu", "s"}
                                             << int(T::Yetkilendir) << "--sorgu";
    QTest::newRow("yardim") << QStringList{"--rapor", "--xyz", "--help"} << int(T::Yardim) << "";
    QTest::newRow("bilinmeyen") << QStringList{"--rapor", "l.frf", "--xyz"} << int(T::Rapor) << "--xyz";
    QTest::newRow("deger eksik sonda") << QStringList{"--excel", "--sorgu", "s", "--xlsx"} << int(T::Excel) << "--xlsx";
    QTest::newRow("deger yerine secenek") << QStringList{"--excel", "--xlsx", "--sorgu", "s"} << int(T::Excel)
                                          << "--xlsx";
    QTest::newRow("iki fiil") << QStringList{"--excel", "--rapor", "l.frf", "--sorgu", "s", "--xlsx", "c"}
                              << int(T::Rapor) << "birlikte";
    QTest::newRow("rapor pdf eksik") << QStringList{"--rapor", "l.frf", "--sorgu", "s"} << int(T::Rapor) << "--pdf";
    QTest::newRow("excel pdf almaz") << QStringList{"--excel", "--sorgu", "s", "--xlsx", "c", "--pdf", "p"}
                                     << int(T::Excel) << "--pdf";
    QTest::newRow("veritabani fiilsiz sorgu") << QStringList{"--sorgu", "s"} << int(T::Program) << "--sorgu";
    QTest::newRow("serbest deger") << QStringList{"rapor.frf"} << int(T::Program) << "rapor.frf";
    QTest::newRow("iki kez") << QStringList{"--excel", "--sorgu", "a", "--sorgu", "b", "--xlsx", "c"}
                             << int(T::Excel) << "bir kez";
}

void TestKomutSatiri::coz()
{
    QFETCH(QStringList, argumanlar);
    QFETCH(int, tur);
    QFETCH(QString, hata);
    const Komut k = KomutSatiriniCoz(argumanlar);
    QCOMPARE(int(k.tur), tur);
    if (hata.isEmpty())
        QVERIFY2(k.hata.isEmpty(), qPrintable(k.hata));
    else
        QVERIFY2(k.hata.contains(hata), qPrintable(k.hata));
}

// The built program: exit code, where the text goes, and that it ends.
void TestKomutSatiri::surec_data()
{
    QTest::addColumn<QStringList>("argumanlar");
    QTest::addColumn<int>("kod");
    QTest::addColumn<QString>("ciktida");
    QTest::addColumn<QString>("hatada");
    QTest::addColumn<QString>("dosya"); // made by a sound run
    const QString sorgu = QStringLiteral("select hastakodu, hastaadisoyadi from hastalar order by hastakodu");
    QTest::newRow("rapor, veritabani once")
        << QStringList{"--veritabani", "@VT@", "--rapor", "liste.frf", "--sorgu", sorgu, "--pdf", "c.pdf"} << 0 << ""
        << "" << "c.pdf";
    QTest::newRow("excel, fiil sonda") << QStringList{"--xlsx", "c.xlsx", "--veritabani", "@VT@", "--sorgu", sorgu,
                                                      "--excel"}
                                       << 0 << "2 kayıt yazıldı" << "" << "c.xlsx";
    QTest::newRow("yardim") << QStringList{"--help"} << 0 << "Kullanım:" << "" << "";
    QTest::newRow("rapor, calisma klasorundeki sablon")
        << QStringList{"--veritabani", "@VT@", "--rapor", "bozuk.frf", "--sorgu", sorgu, "--pdf", "c.pdf"} << 3 << ""
        << "bozuk.frf" << "";
    QTest::newRow("bilinmeyen secenek") << QStringList{"--veritabani", "@VT@", "--rapro", "liste.frf"} << 2 << ""
                                        << "Bilinmeyen seçenek: --rapro" << "";
    QTest::newRow("deger eksik") << QStringList{"--excel", "--sorgu", sorgu, "--xlsx"} << 2 << ""
                                 << "--xlsx seçeneğinin değeri eksik" << "";
    QTest::newRow("veritabani yok") << QStringList{"--excel", "--sorgu", sorgu, "--xlsx", "c.xlsx", "--veritabani",
                                                   "@KLASOR@/yok.fdb"}
                                    << 4 << "" << "Veritabanı dosyası bulunamadı" << "";
    QTest::newRow("sablon bozuk") << QStringList{"--rapor", "@KLASOR@/bozuk.frf", "--sorgu", sorgu, "--pdf", "c.pdf",
                                                 "--veritabani", "@VT@"}
                                  << 3 << "" << "bozuk.frf" << "";
}

void TestKomutSatiri::surec()
{
    QFETCH(QStringList, argumanlar);
    QFETCH(int, kod);
    QFETCH(QString, ciktida);
    QFETCH(QString, hatada);
    QFETCH(QString, dosya);
    TEST_VT(vt);
    QVERIFY(Sorgu::calistir(QStringLiteral("insert into hastalar (kayitno, hastakodu, hastaadisoyadi, sirketkodu) "
                                           "values (1, 'H1', 'AYŞE YILMAZ', '2007')")));
    QVERIFY(Sorgu::calistir(QStringLiteral("insert into hastalar (kayitno, hastakodu, hastaadisoyadi, sirketkodu) "
                                           "values (2, 'H2', 'ŞÜKRÜ IŞIK', '2007')")));
    Baglanti::kapat(Baglanti::Paylasilan); // the embedded engine: one process per file
    QTemporaryDir klasor;
    QFile bozuk(klasor.filePath(QStringLiteral("bozuk.frf")));
    QVERIFY(bozuk.open(QIODevice::WriteOnly));
    bozuk.write("<?xml version=\"1.0\"?>\n<rapor><bant tur=\"detay\">");
    bozuk.close();
    for (QString &a : argumanlar) {
        a.replace(QStringLiteral("@VT@"), vt.yol());
        a.replace(QStringLiteral("@KLASOR@"), klasor.path());
    }
    const Calisma c = calistir(argumanlar, klasor.path());
    QVERIFY2(c.bitti, "the program did not end");
    QVERIFY2(c.kod == kod, qPrintable(QStringLiteral("exit %1\n%2").arg(c.kod).arg(c.hata)));
    if (!ciktida.isEmpty())
        QVERIFY2(c.cikti.contains(ciktida), qPrintable(c.cikti));
    if (kod == 2) // usage errors show the usage on standard error
        QVERIFY2(c.hata.contains(QStringLiteral("Kullanım:")), qPrintable(c.hata));
    if (!hatada.isEmpty())
        QVERIFY2(c.hata.contains(hatada), qPrintable(c.hata));
    if (kod != 0)
        QVERIFY2(!c.hata.trimmed().isEmpty(), "an error without a message");
    // Every message of a run in Turkish: none of the client's or Qt's English
    // texts reaches the user alone.
    for (const char *ingilizce : {"Premature end of document", "Unable to", "No such file"})
        QVERIFY2(!c.hata.startsWith(QLatin1String(ingilizce)), qPrintable(c.hata));
    if (!dosya.isEmpty())
        QVERIFY(QFileInfo(klasor.filePath(dosya)).size() > 0);
}

// Statements typed for reading that would change data: refused with a
// Turkish message and exit code 5, and the data is untouched: no row, no
// generator moved (a selectable procedure that writes, a generator's step).
void TestKomutSatiri::okumaSorgusu_data()
{
    QTest::addColumn<QStringList>("argumanlar");
    QTest::addColumn<QStringList>("hazirlik"); // made in the database first
    QTest::addColumn<QString>("mesaj");       // what the refusal says
    const QString yalniz = QStringLiteral("Yalnız okuyan bir sorgu");
    const QString yanEtki = QStringLiteral("değiştirebilecek bir ifade içeriyor");
    QTest::newRow("excel delete") << QStringList{"--excel", "--sorgu", "delete from hastalar", "--xlsx", "c.xlsx"}
                                  << QStringList() << yalniz;
    QTest::newRow("rapor update") << QStringList{"--rapor", "liste.frf", "--sorgu",
                                                 "update hastalar set hastaadisoyadi = 'X'", "--pdf", "c.pdf"}
                                  << QStringList() << yalniz;
    QTest::newRow("yorumla gizli delete") << QStringList{"--excel", "--sorgu", "/* select */ delete from hastalar",
                                                         "--xlsx", "c.xlsx"}
                                          << QStringList() << yalniz;
    QTest::newRow("select ile baslayan blok")
        << QStringList{"--excel", "--sorgu",
                       "select 1 from rdb$database; delete from hastalar", "--xlsx", "c.xlsx"}
        << QStringList() << yanEtki;
    QTest::newRow("execute block") << QStringList{"--excel", "--sorgu",
                                                  "execute block returns (n integer) as begin delete from hastalar; "
                                                  "n = 1; suspend; end",
                                                  "--xlsx", "c.xlsx"}
                                   << QStringList() << yalniz;
    QTest::newRow("excel secilebilir yordam")
        << QStringList{"--excel", "--sorgu", "select n from yazan", "--xlsx", "c.xlsx"} << QStringList{YazanYordamDdl}
        << yanEtki;
    QTest::newRow("rapor secilebilir yordam")
        << QStringList{"--rapor", "liste.frf", "--sorgu", "select h.* from hastalar h join yazan y on 1 = 1", "--pdf",
                       "c.pdf"}
        << QStringList{YazanYordamDdl} << yanEtki;
    QTest::newRow("excel gen_id") << QStringList{"--excel", "--sorgu",
                                                 "select gen_id(OTOKOD_HASTALAR, -5) from rdb$database", "--xlsx",
                                                 "c.xlsx"}
                                  << QStringList() << yanEtki;
}

void TestKomutSatiri::okumaSorgusu()
{
    QFETCH(QStringList, argumanlar);
    QFETCH(QStringList, hazirlik);
    QFETCH(QString, mesaj);
    TEST_VT(vt);
    QVERIFY(Sorgu::calistir(QStringLiteral("insert into hastalar (kayitno, hastakodu, hastaadisoyadi, sirketkodu) "
                                           "values (1, 'H1', 'AYŞE YILMAZ', '2007')")));
    QString h;
    QVERIFY2(HazirlikCalistir(hazirlik << QStringLiteral("set generator OTOKOD_HASTALAR to 1"), &h), qPrintable(h));
    Baglanti::kapat(Baglanti::Paylasilan);
    QTemporaryDir klasor;
    argumanlar << QStringLiteral("--veritabani") << vt.yol();
    const Calisma c = calistir(argumanlar, klasor.path());
    QVERIFY2(c.bitti, "the program did not end");
    QVERIFY2(c.kod == 5, qPrintable(QStringLiteral("exit %1\n%2%3").arg(c.kod).arg(c.cikti, c.hata)));
    QVERIFY2(!c.cikti.contains(QStringLiteral("kayıt yazıldı")), qPrintable(c.cikti));
    QVERIFY2(c.hata.contains(mesaj), qPrintable(c.hata));
    QVERIFY(Baglanti::ac(vt.yol(), Baglanti::Paylasilan));
    QCOMPARE(hastalar(), QStringLiteral("1 AYŞE YILMAZ"));
    QCOMPARE(UretecDegeri(QStringLiteral("OTOKOD_HASTALAR")), 1);
    QVERIFY(!QFile::exists(klasor.filePath(QStringLiteral("c.xlsx"))));
    QVERIFY(!QFile::exists(klasor.filePath(QStringLiteral("c.pdf"))));

    // The same statement through the reading call in this process.
    QString hata;
    QVERIFY(!Sorgu::oku(argumanlar.at(argumanlar.indexOf(QStringLiteral("--sorgu")) + 1), QString(), &hata));
    QVERIFY2(hata.contains(mesaj), qPrintable(hata));
    QCOMPARE(hastalar(), QStringLiteral("1 AYŞE YILMAZ"));
    QCOMPARE(UretecDegeri(QStringLiteral("OTOKOD_HASTALAR")), 1);
}

// A statement without a result set read as a select (the scratch-query
// call used to ask the driver for rows and crash): no rows, no error.
void TestKomutSatiri::satirsizKomut()
{
    TEST_VT(vt);
    BetikMesaj m;
    for (const char *sql : {"execute block as begin end", "update hastalar set hastaadisoyadi = 'X' where 1 = 0"}) {
        const auto s = Sorgu::sec(QString::fromLatin1(sql));
        QVERIFY2(s.has_value(), sql);
        QVERIFY(s->satirlar.isEmpty());
    }
    QVERIFY2(m.mesajlar.isEmpty(), qPrintable(m.mesajlar.join('\n')));
}

// A running program on a database: the signal ends it within seconds, with
// exit code 0, and the database can be opened again afterwards.
void TestKomutSatiri::sinyal_data()
{
    QTest::addColumn<int>("sinyal");
    QTest::newRow("SIGTERM") << int(SIGTERM);
    QTest::newRow("SIGINT") << int(SIGINT);
}

void TestKomutSatiri::sinyal()
{
    QFETCH(int, sinyal);
    TEST_VT(vt);
    Baglanti::kapat(Baglanti::Paylasilan);
    QProcess p;
    QVERIFY2(programiBaslat(p, vt.yol()), "the program did not come up");
    QVERIFY(p.state() == QProcess::Running);
    ::kill(pid_t(p.processId()), sinyal);
    QVERIFY2(p.waitForFinished(30000), "the program did not end after the signal");
    QCOMPARE(p.exitStatus(), QProcess::NormalExit);
    // 0: ended in order (128 + signal would be the watchdog's end).
    QVERIFY2(p.exitCode() == 0, qPrintable(QString::number(p.exitCode())));
    QVERIFY2(Baglanti::ac(vt.yol(), QStringLiteral("tst_sinyal_sonra")), "the database is still held");
    QVERIFY(Sorgu::tekDeger(QStringLiteral("select count(*) from elemanlar"), {}, QStringLiteral("tst_sinyal_sonra")));
    Baglanti::kapat(QStringLiteral("tst_sinyal_sonra"));
}

// A second program on a database another program holds (the embedded
// engine gives a file to one process): a Turkish message saying so, and it
// ends instead of waiting at the login; a command-line run exits with 4.
void TestKomutSatiri::ikinciProgram()
{
    TEST_VT(vt);
    Baglanti::kapat(Baglanti::Paylasilan);
    QProcess ilk;
    QVERIFY2(programiBaslat(ilk, vt.yol()), "the first program did not come up");

    bool bitti = false;
    const auto eskiCikis = ProgramCikisiAyarla([&bitti] { bitti = true; });
    {
        BetikMesaj m;
        TfrmLogin w(vt.yol());
        QCOMPARE(m.hatalar.size(), 1);
        QVERIFY2(m.hatalar.first().startsWith(QStringLiteral("Veritabanı başka bir program tarafından kullanılıyor.")),
                 qPrintable(m.hatalar.first()));
        QTRY_VERIFY(bitti);
    }
    ProgramCikisiAyarla(eskiCikis);

    QTemporaryDir klasor;
    const Calisma c = calistir({QStringLiteral("--excel"), QStringLiteral("--sorgu"),
                                QStringLiteral("select * from elemanlar"), QStringLiteral("--xlsx"),
                                QStringLiteral("c.xlsx"), QStringLiteral("--veritabani"), vt.yol()},
                               klasor.path());
    QVERIFY(c.bitti);
    QCOMPARE(c.kod, 4);
    QVERIFY2(c.hata.contains(QStringLiteral("başka bir program tarafından kullanılıyor")), qPrintable(c.hata));

    ::kill(pid_t(ilk.processId()), SIGTERM);
    QVERIFY(ilk.waitForFinished(30000));
}

namespace {
// The version of the package: the first line of debian/changelog.
QString paketSurumu()
{
    QFile f(QStringLiteral(VELMORIKA_KAYNAK_KLASORU "/debian/changelog"));
    if (!f.open(QIODevice::ReadOnly))
        return {};
    const QRegularExpressionMatch m
        = QRegularExpression(QStringLiteral("^velmorika \\(([^)]+)\\)")).match(QString::fromUtf8(f.readLine()));
    return m.hasMatch() ? m.captured(1) : QString();
}
} // namespace

// One version: the package's, shown by --surum and in "Firma Hakkında". The
// manual page names every option and every exit code.
void TestKomutSatiri::surumVeKilavuz()
{
    const QString surum = paketSurumu();
    QVERIFY(!surum.isEmpty());
    QTemporaryDir klasor;
    const Calisma c = calistir({QStringLiteral("--surum")}, klasor.path());
    QCOMPARE(c.kod, 0);
    QCOMPARE(c.cikti, QStringLiteral("VELMORIKA %1\n").arg(surum));
    {
        Tfrm_about hakkinda;
        const auto *etiket = hakkinda.findChild<QLabel *>(QStringLiteral("lbl_surum"));
        QVERIFY(etiket);
        QVERIFY2(etiket->text().endsWith(QStringLiteral("Sürüm ") + surum), qPrintable(etiket->text()));
    }

    QFile f(QStringLiteral(VELMORIKA_KAYNAK_KLASORU "/kurulum/velmorika.1"));
    QVERIFY(f.open(QIODevice::ReadOnly));
    const QString kilavuz = QString::fromUtf8(f.readAll());
    for (QString secenek : KomutSatiriSecenekleri())
        QVERIFY2(kilavuz.contains(secenek.replace(QLatin1Char('-'), QStringLiteral("\\-"))), qPrintable(secenek));
    // The exit codes: each one an entry of its own section, and no other.
    const int kodlar[] = {CikisKodu::Tamam, CikisKodu::Kullanim, CikisKodu::Sablon, CikisKodu::Veritabani,
                          CikisKodu::Sorgu, CikisKodu::Cikti, CikisKodu::Giris};
    const int bolum = int(kilavuz.indexOf(QStringLiteral(".SH \"ÇIKIŞ KODLARI\"")));
    QVERIFY(bolum >= 0);
    const int sonraki = int(kilavuz.indexOf(QStringLiteral("\n.SH "), bolum + 1));
    const QString kodBolumu = kilavuz.mid(bolum, sonraki < 0 ? -1 : sonraki - bolum);
    QStringList yazilan;
    const QRegularExpression girdi(QStringLiteral("^\\.IP ([0-9]+)"), QRegularExpression::MultilineOption);
    for (auto it = girdi.globalMatch(kodBolumu); it.hasNext();)
        yazilan << it.next().captured(1);
    QStringList beklenen;
    for (int k : kodlar)
        beklenen << QString::number(k);
    QCOMPARE(yazilan, beklenen);
}

// --giris-denetle: the desktop program's login without a display, as the
// installation check runs it. The password comes from the environment only.
void TestKomutSatiri::girisDenetimi_data()
{
    QTest::addColumn<QString>("sifre");
    QTest::addColumn<int>("kod");
    QTest::addColumn<QString>("metin"); // on standard output for 0, on standard error otherwise
    QTest::newRow("doğru") << "KLINIK" << 0 << "Giriş başarılı: VELMOR, şirket 2007";
    QTest::newRow("yanlış şifre") << "YANLIS" << 7 << "Kullanici Adi Ve Şifre Uyuşmuyor";
    QTest::newRow("şifresiz") << "" << 2 << "VELMORIKA_SIFRE";
}

void TestKomutSatiri::girisDenetimi()
{
    QFETCH(QString, sifre);
    QFETCH(int, kod);
    QFETCH(QString, metin);
    TEST_VT(vt);
    Baglanti::kapat(Baglanti::Paylasilan);
    QTemporaryDir klasor;
    qputenv("VELMORIKA_SIFRE", sifre.toUtf8());
    const Calisma c = calistir({QStringLiteral("--giris-denetle"), QStringLiteral("VELMOR"), QStringLiteral("--sirket"),
                                QStringLiteral("2007"), QStringLiteral("--veritabani"), vt.yol()},
                               klasor.path());
    qunsetenv("VELMORIKA_SIFRE");
    QVERIFY2(c.bitti, "the program did not end");
    QVERIFY2(c.kod == kod, qPrintable(QStringLiteral("exit %1\n%2").arg(c.kod).arg(c.hata)));
    QVERIFY2((kod == 0 ? c.cikti : c.hata).contains(metin), qPrintable(c.cikti + c.hata));
}

QTEST_MAIN(TestKomutSatiri)
#include "tst_komutsatiri.moc"
