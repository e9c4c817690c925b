#pragma once
// A fresh database on the local Firebird server for each test case: made by
// the same code as "velmorika --yeni-veritabani localhost:PATH" as SYSDBA in
// the server's test folder, the program user granted its rights as
// "velmorika --yetkilendir" does, then opened as the shared connection AS THE
// PROGRAM USER (through the workstation settings file, as the program reads
// it) with the login context of TestVeritabani. Dropped afterwards.
//
// The server's coordinates come from the file scripts/sunucu-kur.sh --test
// writes (build/sunucu/sunucu-test.ini; VELMORIKA_TEST_SUNUCU names another).
// scripts/test.sh runs that script first. Without it every server test fails
// with a message saying so.
#include <QProcessEnvironment>
#include <QString>
#include <QStringList>

struct SunucuBilgisi
{
    QString konum;        // the set-up script's own database (localhost:/...)
    QString testKlasoru;  // where the server makes the tests' databases
    QString betik;        // scripts/sunucu-kur.sh
    QString sysdbaKullanici, sysdbaSifre;
    QString kullanici, sifre; // the program user
    QString hata;         // why there is no server to test on; empty when there is
};

// Read once per test program.
const SunucuBilgisi &TestSunucuBilgisi();

class TestSunucu
{
public:
    TestSunucu();
    ~TestSunucu();
    TestSunucu(const TestSunucu &) = delete;
    TestSunucu &operator=(const TestSunucu &) = delete;

    bool hazir() const { return m_hazir; }
    QString hata() const { return m_hata; }
    // The database location, "localhost:/var/lib/firebird/3.0/data/velmorika-test/....fdb".
    QString konum() const { return m_konum; }
    const SunucuBilgisi &sunucu() const { return TestSunucuBilgisi(); }

    // One more connection named ad to this database as the program user (a
    // second workstation in the same process); closed with the fixture.
    bool baglantiAc(const QString &ad, QString *hata = nullptr);
    // The same as SYSDBA, for checks the program user may not make.
    bool sysdbaBaglantisiAc(const QString &ad, QString *hata = nullptr);
    // The environment of a child process that opens this database as the program user.
    QProcessEnvironment programOrtami() const;

    // Stops and starts the server (through the set-up script; sudo -n when
    // not root). False with the reason in hata.
    static bool sunucuyuDurdur(QString *hata = nullptr);
    static bool sunucuyuBaslat(QString *hata = nullptr);

private:
    QString m_konum;
    QString m_hata;
    QStringList m_baglantilar;
    bool m_olusturuldu = false;
    bool m_hazir = false;
};

// While alive, the process connects and creates as SYSDBA (the way the
// set-up script runs the program); the previous environment comes back after.
class SysdbaOlarak
{
public:
    SysdbaOlarak();
    ~SysdbaOlarak();

private:
    QByteArray m_kullanici, m_sifre;
    bool m_kullaniciVardi, m_sifreVardi;
};

// Use at the start of a test function: fails the test when there is no server
// or the database could not be made.
#define TEST_SUNUCU(ad) \
    TestSunucu ad; \
    QVERIFY2(ad.hazir(), qPrintable(ad.hata()))
