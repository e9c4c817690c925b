#pragma once
// A fresh embedded database for each test case, made by the same code as
// "velmorika --yeni-veritabani" (made once per test program, then copied),
// opened as the shared connection, with the login context of the seed user.
#include <QString>
#include <QTemporaryDir>

class TestVeritabani
{
public:
    TestVeritabani();
    ~TestVeritabani();
    bool hazir() const { return m_hazir; }
    QString yol() const { return m_yol; }
    QString klasor() const { return m_klasor.path(); }
    QString hata() const { return m_hata; }

private:
    QTemporaryDir m_klasor;
    QString m_yol;
    QString m_hata;
    bool m_hazir = false;
};

// Sets the process up as the program would (registrations) and keeps the
// per-user settings in a temporary folder. Runs once; the fixture and
// BetikMesaj call it.
void TestOrtami();

// Path of a committed test file under tests/veri.
QString TestDosyasi(const QString &ad);

// How long a test waits, at most, for what reaches a list through the
// database (another connection's change heard as an event, a count from a
// worker thread). Normally a few milliseconds; on a machine busy with
// parallel builds and tests it has taken several seconds.
inline constexpr int VeriBeklemesi = 30000;

// Use at the start of a test function: fails the test when the database could not be made.
#define TEST_VT(ad) \
    TestVeritabani ad; \
    QVERIFY2(ad.hazir(), qPrintable(ad.hata()))
