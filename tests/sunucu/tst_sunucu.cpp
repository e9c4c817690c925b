// The program on a Firebird server: its own database user with only the
// rights it needs, databases made through the server, the grants verb, and
// where the credentials come from. Runs against the local server that
// scripts/sunucu-kur.sh --yerel set up (scripts/test.sh does).
#include "app/verikoku.h"
#include "db/baglanti.h"
#include "db/istasyonayari.h"
#include "db/olustur.h"
#include "db/sema.h"
#include "db/sorgu.h"
#include "destek/betikmesaj.h"
#include "destek/testsunucu.h"
#include "destek/testvt.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QProcess>
#include <QSet>
#include <QSettings>
#include <QSqlError>
#include <QSqlQuery>
#include <QTemporaryDir>
#include <QtTest>

#include <unistd.h>

namespace {

QString programYolu()
{
    return QDir(QCoreApplication::applicationDirPath()).absoluteFilePath(QStringLiteral("../velmorika"));
}

struct Calisma
{
    int kod = -1;
    QString cikti;
};

// The program with a verb, as SYSDBA (the way the set-up script runs it).
Calisma sysdbaIleCalistir(const QStringList &argumanlar)
{
    QProcessEnvironment o = QProcessEnvironment::systemEnvironment();
    o.insert(QStringLiteral("VELMORIKA_DB_USER"), TestSunucuBilgisi().sysdbaKullanici);
    o.insert(QStringLiteral("VELMORIKA_DB_PASSWORD"), TestSunucuBilgisi().sysdbaSifre);
    QProcess p;
    p.setProcessEnvironment(o);
    p.setProcessChannelMode(QProcess::MergedChannels);
    p.start(programYolu(), argumanlar);
    p.closeWriteChannel();
    Calisma c;
    if (!p.waitForFinished(120000)) {
        p.kill();
        p.waitForFinished();
        c.cikti = QStringLiteral("bitmedi");
        return c;
    }
    c.kod = p.exitStatus() == QProcess::NormalExit ? p.exitCode() : -1;
    c.cikti = QString::fromUtf8(p.readAll());
    return c;
}

// The owner of a file in the server's folder (which only the server's user and root may look into).
QString dosyaSahibi(const QString &yol)
{
    QStringList a{QStringLiteral("stat"), QStringLiteral("-c"), QStringLiteral("%U:%G %a"), yol};
    if (geteuid() != 0)
        a = QStringList{QStringLiteral("sudo"), QStringLiteral("-n")} + a;
    QProcess p;
    p.start(a.takeFirst(), a);
    p.waitForFinished();
    return QString::fromUtf8(p.readAllStandardOutput()).trimmed();
}

// A value of the column's type that fits its width.
QVariant ornekDeger(const Kolon &k, qint64 no)
{
    switch (k.tur) {
    case KolonTuru::Tamsayi: return QVariant(int(no));
    case KolonTuru::Ondalik: return QVariant(1.5);
    case KolonTuru::Tarih: return QVariant(QDateTime(QDate(2024, 5, 6), QTime(7, 8)));
    case KolonTuru::UzunMetin: return QVariant(QStringLiteral("UZUN"));
    case KolonTuru::Metin: return QVariant(QString::number(no).right(qMax(1, k.uzunluk)));
    }
    return QVariant();
}

// The rights the program user holds, as "RELATION:PRIVILEGE" (read as SYSDBA).
QSet<QString> haklar(const QString &baglanti, const QString &kullanici)
{
    QSet<QString> s;
    auto r = Sorgu::sec(QStringLiteral("select trim(rdb$relation_name), trim(rdb$privilege) from rdb$user_privileges "
                                       "where rdb$user = ?"),
                        {kullanici}, baglanti);
    if (r)
        for (const QVariantList &satir : std::as_const(r->satirlar))
            s << satir.at(0).toString() + QLatin1Char(':') + satir.at(1).toString();
    return s;
}

// What the program user must hold, from the database itself (read as SYSDBA):
// the four on every table, USAGE (G) on every generator.
QSet<QString> gerekenHaklar(const QString &baglanti)
{
    QSet<QString> s;
    auto tablolar = Sorgu::sec(QStringLiteral("select trim(rdb$relation_name) from rdb$relations "
                                              "where coalesce(rdb$system_flag, 0) = 0 and rdb$view_blr is null"),
                               {}, baglanti);
    auto uretecler = Sorgu::sec(QStringLiteral("select trim(rdb$generator_name) from rdb$generators "
                                               "where coalesce(rdb$system_flag, 0) = 0"),
                                {}, baglanti);
    if (!tablolar || !uretecler)
        return s;
    for (const QVariantList &t : std::as_const(tablolar->satirlar))
        for (const char *h : {"S", "I", "U", "D"})
            s << t.at(0).toString() + QLatin1Char(':') + QLatin1String(h);
    for (const QVariantList &g : std::as_const(uretecler->satirlar))
        s << g.at(0).toString() + QStringLiteral(":G");
    return s;
}

void ayarDosyasiYaz(const QString &icerik, QFileDevice::Permissions izin)
{
    const QString yol = IstasyonAyari::dosya();
    QDir().mkpath(QFileInfo(yol).absolutePath());
    QFile f(yol);
    QVERIFY(f.open(QIODevice::WriteOnly | QIODevice::Truncate));
    f.write(icerik.toUtf8());
    f.close();
    QVERIFY(QFile::setPermissions(yol, izin));
}

// The environment of the running test, put back when the case ends.
struct OrtamKoru
{
    QHash<QByteArray, std::optional<QByteArray>> eski;
    void ayarla(const char *ad, const QString &deger)
    {
        if (!eski.contains(ad))
            eski.insert(ad, qEnvironmentVariableIsSet(ad) ? std::optional(qgetenv(ad)) : std::nullopt);
        if (deger.isNull())
            qunsetenv(ad);
        else
            qputenv(ad, deger.toUtf8());
    }
    ~OrtamKoru()
    {
        for (auto it = eski.cbegin(); it != eski.cend(); ++it)
            if (it.value())
                qputenv(it.key().constData(), *it.value());
            else
                qunsetenv(it.key().constData());
    }
};

const QFileDevice::Permissions Ozel = QFileDevice::ReadOwner | QFileDevice::WriteOwner;
const QFileDevice::Permissions Acik = Ozel | QFileDevice::ReadGroup | QFileDevice::ReadOther;

} // namespace

class tst_sunucu : public QObject
{
    Q_OBJECT
private slots:
    void init();
    void programKullanicisiYazarOkur();
    void programKullanicisininYapamadiklari_data();
    void programKullanicisininYapamadiklari();
    void yeniVeritabaniSunucuda();
    void yetkilendirTekrarTekrar();
    void yetkilendirGecersizAd();
    void kimlik_data();
    void kimlik();
    void sunucudaKimliksizSysdbaYok();
    void ayarDosyasiSahibineOzel();
    void veriKoku_data();
    void veriKoku();
    void sunucuDurupKalkar();
};

void tst_sunucu::init()
{
    TestOrtami();
    QFile::remove(IstasyonAyari::dosya());
}

// Every table of the schema: a row inserted, read, changed and deleted by the
// program user; every generator of the database gives it a value.
void tst_sunucu::programKullanicisiYazarOkur()
{
    TEST_SUNUCU(s);
    BetikMesaj m;
    auto kim = Sorgu::tekDeger(QStringLiteral("select current_user from rdb$database"));
    QVERIFY(kim);
    QCOMPARE(kim->toString().trimmed(), s.sunucu().kullanici.toUpper());
    qint64 no = 900000000;
    for (const Tablo &t : Tablolar()) {
        ++no;
        const QString anahtar = t.anahtar.isEmpty() ? t.kolonlar.front().ad : t.anahtar;
        QStringList kolonlar{anahtar};
        QVariantList degerler{ornekDeger(*t.kolon(anahtar), no)};
        for (const Kolon &k : t.kolonlar)
            if (k.bosOlamaz && k.ad != anahtar) {
                kolonlar << k.ad;
                degerler << ornekDeger(k, no);
            }
        const QVariant anahtarDegeri = degerler.front();
        QString hata;
        QVERIFY2(Sorgu::calistir(QStringLiteral("insert into %1 (%2) values (%3)")
                                     .arg(t.ad, kolonlar.join(QLatin1Char(',')),
                                          QStringList(kolonlar.size(), QStringLiteral("?")).join(QLatin1Char(','))),
                                 degerler, QString(), &hata),
                 qPrintable(t.ad + QLatin1Char(' ') + hata));
        auto sayi = Sorgu::tekDeger(QStringLiteral("select count(*) from %1 where %2 = ?").arg(t.ad, anahtar),
                                    {anahtarDegeri}, QString(), &hata);
        QVERIFY2(sayi && sayi->toInt() == 1, qPrintable(t.ad + QLatin1Char(' ') + hata));
        QVERIFY2(Sorgu::calistir(QStringLiteral("update %1 set %2 = %2 where %2 = ?").arg(t.ad, anahtar),
                                 {anahtarDegeri}, QString(), &hata),
                 qPrintable(t.ad + QLatin1Char(' ') + hata));
        QVERIFY2(Sorgu::calistir(QStringLiteral("delete from %1 where %2 = ?").arg(t.ad, anahtar), {anahtarDegeri},
                                 QString(), &hata),
                 qPrintable(t.ad + QLatin1Char(' ') + hata));
        sayi = Sorgu::tekDeger(QStringLiteral("select count(*) from %1 where %2 = ?").arg(t.ad, anahtar),
                               {anahtarDegeri});
        QVERIFY2(sayi && sayi->toInt() == 0, qPrintable(t.ad));
    }
    QVERIFY(s.sysdbaBaglantisiAc(QStringLiteral("sysdba")));
    auto uretecler = Sorgu::sec(QStringLiteral("select trim(rdb$generator_name) from rdb$generators "
                                               "where coalesce(rdb$system_flag, 0) = 0"),
                                {}, QStringLiteral("sysdba"));
    QVERIFY(uretecler && !uretecler->satirlar.isEmpty());
    for (const QVariantList &g : std::as_const(uretecler->satirlar)) {
        QString hata;
        QVERIFY2(Sorgu::uretec(g.at(0).toString(), QString(), &hata), qPrintable(g.at(0).toString() + hata));
    }
    QVERIFY2(m.mesajlar.isEmpty(), qPrintable(m.mesajlar.join('\n')));
}

void tst_sunucu::programKullanicisininYapamadiklari_data()
{
    QTest::addColumn<QString>("sql");
    QTest::addColumn<QString>("neden"); // in the server's refusal
    QTest::newRow("tabloya kolon ekle") << "alter table HASTALAR add YENIKOLON integer" << "no permission";
    QTest::newRow("tablo sil") << "drop table RANDEVU" << "no permission";
    QTest::newRow("indeks sil") << "drop index HASTA_SK_KOD" << "no permission";
    QTest::newRow("sayaci geri al") << "alter sequence OTOKOD_HASTALAR restart with 1" << "no permission";
    QTest::newRow("sayac sil") << "drop generator OTOKOD_HASTALAR" << "no permission";
    QTest::newRow("kullanici yarat") << "create user VELMORIKA_KOTU password 'x1y2z3'" << "no permission";
    QTest::newRow("yetki dagit") << "grant select on HASTALAR to public" << "no grant option";
}

// The program user changes rows, never the schema, the users or the rights.
void tst_sunucu::programKullanicisininYapamadiklari()
{
    QFETCH(QString, sql);
    QFETCH(QString, neden);
    TEST_SUNUCU(s);
    // In a transaction of its own: user management is refused only at commit.
    QSqlDatabase db = Baglanti::vt();
    QVERIFY(db.transaction());
    QString hata;
    bool yapildi = false;
    {
        QSqlQuery q(db);
        yapildi = q.exec(sql);
        hata = q.lastError().text();
    }
    if (yapildi) {
        yapildi = db.commit();
        hata = db.lastError().text();
    }
    if (!yapildi)
        db.rollback();
    QVERIFY2(!yapildi, qPrintable(sql));
    QVERIFY2(hata.contains(neden, Qt::CaseInsensitive), qPrintable(hata));
    // All still there, as SYSDBA sees it.
    QVERIFY(s.sysdbaBaglantisiAc(QStringLiteral("sysdba")));
    auto kolon = Sorgu::tekDeger(QStringLiteral("select count(*) from rdb$relation_fields where "
                                                "rdb$relation_name = 'HASTALAR' and rdb$field_name = 'YENIKOLON'"),
                                 {}, QStringLiteral("sysdba"));
    QVERIFY(kolon && kolon->toInt() == 0);
    auto kullanici = Sorgu::tekDeger(QStringLiteral("select count(*) from sec$users where sec$user_name = "
                                                    "'VELMORIKA_KOTU'"),
                                     {}, QStringLiteral("sysdba"));
    QVERIFY(kullanici && kullanici->toInt() == 0);
    QCOMPARE(haklar(QStringLiteral("sysdba"), s.sunucu().kullanici.toUpper()),
             gerekenHaklar(QStringLiteral("sysdba")));
}

// "--yeni-veritabani host:path" makes the file through the server: the
// server's user owns it, the program user can then be granted and work on it;
// a second run on the same path is refused and changes nothing.
void tst_sunucu::yeniVeritabaniSunucuda()
{
    const SunucuBilgisi &b = TestSunucuBilgisi();
    QVERIFY2(b.hata.isEmpty(), qPrintable(b.hata));
    const QString yol = QStringLiteral("%1/yeni_%2.fdb").arg(b.testKlasoru).arg(QCoreApplication::applicationPid());
    const QString konum = QStringLiteral("localhost:") + yol;
    {
        SysdbaOlarak sysdba;
        Olustur::veritabaniSil(konum, nullptr);
    }
    Calisma c = sysdbaIleCalistir({QStringLiteral("--yeni-veritabani"), konum});
    QVERIFY2(c.kod == 0, qPrintable(c.cikti));
    QVERIFY2(c.cikti.contains(konum), qPrintable(c.cikti));
    QCOMPARE(dosyaSahibi(yol).section(QLatin1Char(' '), 0, 0), QStringLiteral("firebird:firebird"));
    c = sysdbaIleCalistir({QStringLiteral("--yeni-veritabani"), konum});
    QVERIFY2(c.kod == 4, qPrintable(c.cikti));
    c = sysdbaIleCalistir({QStringLiteral("--yetkilendir"), b.kullanici, QStringLiteral("--veritabani"), konum});
    QVERIFY2(c.kod == 0, qPrintable(c.cikti));
    {
        OrtamKoru o;
        o.ayarla("VELMORIKA_DB_USER", b.kullanici);
        o.ayarla("VELMORIKA_DB_PASSWORD", b.sifre);
        QString hata;
        QVERIFY2(Baglanti::ac(konum, QStringLiteral("yeni"), &hata), qPrintable(hata));
        auto sirket = Sorgu::tekDeger(QStringLiteral("select SIRKETKODU from SIRKETLER"), {}, QStringLiteral("yeni"));
        QVERIFY(sirket);
        QCOMPARE(sirket->toString(), QStringLiteral("2007"));
        Baglanti::kapat(QStringLiteral("yeni"));
    }
    SysdbaOlarak sysdba;
    QString hata;
    QVERIFY2(Olustur::veritabaniSil(konum, &hata), qPrintable(hata));
}

// The verb gives exactly the rights, no matter how often it runs, and takes
// back a right given by hand.
void tst_sunucu::yetkilendirTekrarTekrar()
{
    TEST_SUNUCU(s);
    const QString kullanici = s.sunucu().kullanici.toUpper();
    QVERIFY(s.sysdbaBaglantisiAc(QStringLiteral("sysdba")));
    const QSet<QString> gereken = gerekenHaklar(QStringLiteral("sysdba"));
    QVERIFY(gereken.size() >= 4 * int(Tablolar().size()));
    QCOMPARE(haklar(QStringLiteral("sysdba"), kullanici), gereken);
    QVERIFY(Sorgu::calistir(QStringLiteral("grant references on HASTALAR to user %1").arg(kullanici), {},
                            QStringLiteral("sysdba")));
    QVERIFY(haklar(QStringLiteral("sysdba"), kullanici).contains(QStringLiteral("HASTALAR:R")));
    Baglanti::kapat(QStringLiteral("sysdba"));
    for (int kez = 1; kez <= 2; ++kez) {
        const Calisma c = sysdbaIleCalistir(
            {QStringLiteral("--veritabani"), s.konum(), QStringLiteral("--yetkilendir"), s.sunucu().kullanici});
        QVERIFY2(c.kod == 0, qPrintable(c.cikti));
        QVERIFY(s.sysdbaBaglantisiAc(QStringLiteral("sysdba")));
        QCOMPARE(haklar(QStringLiteral("sysdba"), kullanici), gereken);
        Baglanti::kapat(QStringLiteral("sysdba"));
    }
}

void tst_sunucu::yetkilendirGecersizAd()
{
    const Calisma c = sysdbaIleCalistir(
        {QStringLiteral("--yetkilendir"), QStringLiteral("X; DROP TABLE HASTALAR"), QStringLiteral("--veritabani"),
         QStringLiteral("localhost:/yok.fdb")});
    QCOMPARE(c.kod, 2);
    QVERIFY2(c.cikti.contains(QStringLiteral("Geçersiz veritabanı kullanıcı adı")), qPrintable(c.cikti));
}

void tst_sunucu::kimlik_data()
{
    QTest::addColumn<QString>("konum");
    QTest::addColumn<QString>("dosya"); // the settings file; empty: none
    QTest::addColumn<bool>("ozel");     // readable by its owner only
    QTest::addColumn<QString>("ortamKullanici");
    QTest::addColumn<QString>("ortamSifre");
    QTest::addColumn<QString>("kullanici"); // expected; empty: refused
    QTest::addColumn<QString>("sifre");
    QTest::addColumn<QString>("hata");      // a piece of the refusal

    const QString sunucu = QStringLiteral("sunucu:/var/lib/firebird/3.0/data/VELMORIKA.FDB");
    const QString ayar = QStringLiteral("[veritabani]\nkullanici=KLINIK\nsifre=gizli1\n");
    QTest::newRow("ayar dosyasi") << sunucu << ayar << true << "" << "" << "KLINIK" << "gizli1" << "";
    QTest::newRow("port ile") << "10.0.0.5/3050:C:\\VERI\\V.FDB" << ayar << true << "" << "" << "KLINIK"
                              << "gizli1" << "";
    QTest::newRow("ortam dosyayi ezer") << sunucu << ayar << true << "BASKA" << "sifre2" << "BASKA" << "sifre2" << "";
    QTest::newRow("ortamdan yalniz sifre") << sunucu << ayar << true << "" << "sifre3" << "KLINIK" << "sifre3" << "";
    QTest::newRow("yalniz ortam") << sunucu << "" << true << "BASKA" << "sifre2" << "BASKA" << "sifre2" << "";
    QTest::newRow("hicbiri yok") << sunucu << "" << true << "" << "" << "" << ""
                                 << "scripts/sunucu-kur.sh";
    QTest::newRow("sifresiz dosya") << sunucu << "[veritabani]\nkullanici=KLINIK\n" << true << "" << "" << ""
                                    << "" << "baglanti.ini";
    QTest::newRow("herkes okuyabiliyor") << sunucu << ayar << false << "" << "" << "" << "" << "chmod 600";
    // The embedded engine: no credentials needed, the file is not read.
    QTest::newRow("gomulu") << "/home/klinik/VELMORIKA/VELMORIKA.FDB" << ayar << true << "" << "" << "SYSDBA"
                            << Baglanti::sifre() << "";
    QTest::newRow("gomulu windows") << "C:\\VELMORIKA\\VELMORIKA.FDB" << ayar << false << "" << "" << "SYSDBA"
                                    << Baglanti::sifre() << "";
    QTest::newRow("gomulu ortam") << "/tmp/a.fdb" << "" << true << "BASKA" << "sifre2" << "BASKA" << "sifre2" << "";
}

void tst_sunucu::kimlik()
{
    QFETCH(QString, konum);
    QFETCH(QString, dosya);
    QFETCH(bool, ozel);
    QFETCH(QString, ortamKullanici);
    QFETCH(QString, ortamSifre);
    QFETCH(QString, kullanici);
    QFETCH(QString, sifre);
    QFETCH(QString, hata);
    OrtamKoru o;
    o.ayarla("VELMORIKA_DB_USER", ortamKullanici.isEmpty() ? QString() : ortamKullanici);
    o.ayarla("VELMORIKA_DB_PASSWORD", ortamSifre.isEmpty() ? QString() : ortamSifre);
    if (!dosya.isEmpty())
        ayarDosyasiYaz(dosya, ozel ? Ozel : Acik);
    QString k, s, h;
    const bool tamam = Baglanti::kimlik(konum, &k, &s, &h);
    QCOMPARE(tamam, !kullanici.isEmpty());
    if (tamam) {
        QCOMPARE(k, kullanici);
        QCOMPARE(s, sifre);
    } else {
        QVERIFY2(h.contains(hata), qPrintable(h));
        QVERIFY2(h.contains(QDir::toNativeSeparators(IstasyonAyari::dosya())), qPrintable(h));
    }
}

// A server location without credentials is refused with the Turkish message
// before anything is sent: no attempt as SYSDBA, the program's first run
// says which file to fill.
void tst_sunucu::sunucudaKimliksizSysdbaYok()
{
    TEST_SUNUCU(s);
    QFile::remove(IstasyonAyari::dosya());
    QString hata;
    QVERIFY(!Baglanti::ac(s.konum(), QStringLiteral("kimliksiz"), &hata));
    Baglanti::kapat(QStringLiteral("kimliksiz"));
    QVERIFY2(hata.contains(QStringLiteral("kullanıcı adı ve şifre yazılı değil")), qPrintable(hata));
    // The program run against the server says the same and stops (exit code 4).
    QProcessEnvironment o = QProcessEnvironment::systemEnvironment();
    o.remove(QStringLiteral("VELMORIKA_DB_USER"));
    o.remove(QStringLiteral("VELMORIKA_DB_PASSWORD"));
    QTemporaryDir bosAyarlar; // the child's own settings folder: no settings file in it
    o.insert(QStringLiteral("XDG_CONFIG_HOME"), bosAyarlar.path());
    QProcess p;
    p.setProcessEnvironment(o);
    p.setProcessChannelMode(QProcess::MergedChannels);
    p.start(programYolu(), {QStringLiteral("--excel"), QStringLiteral("--sorgu"),
                            QStringLiteral("select * from SIRKETLER"), QStringLiteral("--xlsx"),
                            QDir::temp().filePath(QStringLiteral("velmorika-kimliksiz.xlsx")),
                            QStringLiteral("--veritabani"), s.konum()});
    QVERIFY(p.waitForFinished(120000));
    const QString cikti = QString::fromUtf8(p.readAll());
    QCOMPARE(p.exitCode(), 4);
    QVERIFY2(cikti.contains(QStringLiteral("kullanıcı adı ve şifre yazılı değil")), qPrintable(cikti));
    QVERIFY2(!QFileInfo::exists(QDir::temp().filePath(QStringLiteral("velmorika-kimliksiz.xlsx"))), "dosya yazıldı");
}

void tst_sunucu::ayarDosyasiSahibineOzel()
{
    QFile::remove(IstasyonAyari::dosya());
    QString hata;
    QVERIFY2(IstasyonAyari::yaz({QStringLiteral("KLINIK"), QStringLiteral("gizli1"), QStringLiteral("/ortak")}, &hata),
             qPrintable(hata));
    QCOMPARE(QFile::permissions(IstasyonAyari::dosya()) & (QFileDevice::ReadGroup | QFileDevice::ReadOther),
             QFileDevice::Permissions{});
    IstasyonAyari::Degerler d;
    QVERIFY(IstasyonAyari::oku(&d, &hata));
    QCOMPARE(d.kullanici, QStringLiteral("KLINIK"));
    QCOMPARE(d.sifre, QStringLiteral("gizli1"));
    QCOMPARE(d.verikoku, QStringLiteral("/ortak"));
    // Written again over a file others could read: private again.
    QVERIFY(QFile::setPermissions(IstasyonAyari::dosya(), Acik));
    QVERIFY(IstasyonAyari::yaz({QStringLiteral("KLINIK"), QStringLiteral("gizli2"), QString()}, &hata));
    QCOMPARE(QFile::permissions(IstasyonAyari::dosya()) & (QFileDevice::ReadGroup | QFileDevice::ReadOther),
             QFileDevice::Permissions{});
    QVERIFY(IstasyonAyari::oku(&d, &hata));
    QCOMPARE(d.sifre, QStringLiteral("gizli2"));
    QCOMPARE(d.verikoku, QString());
}

void tst_sunucu::veriKoku_data()
{
    QTest::addColumn<bool>("ortamda");
    QTest::addColumn<bool>("dosyada");
    QTest::newRow("ayar dosyasindan") << false << true;
    QTest::newRow("ortam ayari ezer") << true << true;
}

// The shared picture folder comes from the settings file; VELMORIKA_KOK still wins.
void tst_sunucu::veriKoku()
{
    QFETCH(bool, ortamda);
    QFETCH(bool, dosyada);
    QTemporaryDir ortak, ortam;
    OrtamKoru o;
    o.ayarla("VELMORIKA_KOK", ortamda ? ortam.path() : QString());
    if (dosyada)
        ayarDosyasiYaz(QStringLiteral("[veri]\nkok=%1\n").arg(ortak.path()), Acik);
    const QString beklenen = ortamda ? ortam.path() : ortak.path();
    QCOMPARE(VeriKoku(), QDir(beklenen).absolutePath());
    QVERIFY(QFileInfo(QDir(beklenen).filePath(QStringLiteral("RESIMLER"))).isDir());
}

// The fixture's stop and start: a stopped server takes no connection, a
// started one takes them again on the same database.
void tst_sunucu::sunucuDurupKalkar()
{
    TEST_SUNUCU(s);
    QString hata;
    QVERIFY2(TestSunucu::sunucuyuDurdur(&hata), qPrintable(hata));
    struct YenidenBaslat
    {
        ~YenidenBaslat() { TestSunucu::sunucuyuBaslat(); } // whatever happens below
    } baslat;
    QString baglanmadi;
    QVERIFY(!s.baglantiAc(QStringLiteral("durmusken"), &baglanmadi));
    QVERIFY(!baglanmadi.isEmpty());
    QVERIFY2(TestSunucu::sunucuyuBaslat(&hata), qPrintable(hata));
    QVERIFY2(s.baglantiAc(QStringLiteral("kalkinca"), &hata), qPrintable(hata));
    auto sirket = Sorgu::tekDeger(QStringLiteral("select SIRKETKODU from SIRKETLER"), {}, QStringLiteral("kalkinca"));
    QVERIFY(sirket);
    QCOMPARE(sirket->toString(), QStringLiteral("2007"));
}

QTEST_MAIN(tst_sunucu)
#include "tst_sunucu.moc"
