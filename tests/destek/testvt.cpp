#include "testvt.h"

#include "app/ekranlar.h"
#include "app/mesaj.h"
#include "app/oturum.h"
#include "app/program/ekranlistesi.h"
#include "app/yerler.h"
#include "db/baglanti.h"
#include "db/olustur.h"
#include "db/veriseti.h"

#include <QDir>
#include <QFile>
#include <QSettings>
#include <QTest>

namespace {
// The per-user settings (remembered folders, window sizes) of a test run
// live in a folder of its own, never in the real user's.
QTemporaryDir &ayarKlasoru()
{
    static QTemporaryDir k;
    return k;
}

// A window opened inside a write transaction fails the test that did it,
// in every test program of the suite.
void islemdePencere(const QString &ne)
{
    QTest::qFail(qPrintable(QStringLiteral("Açık bir yazma işlemi sürerken pencere açıldı: ") + ne), __FILE__,
                 __LINE__);
}

// Made when the test program loads as well: some tests use the registries
// before any database or scripted Mesaj exists.
const bool ortamHazir = (TestOrtami(), true);

// The database made once per test program; each test case gets a copy.
QString sablonYolu(QString *hata)
{
    static QTemporaryDir klasor;
    static QString yol;
    static QString sablonHatasi;
    if (yol.isEmpty() && sablonHatasi.isEmpty()) {
        const QString y = klasor.filePath(QStringLiteral("sablon.fdb"));
        // The copies are thrown away after each test case: no sync per page write.
        if (Olustur::veritabaniOlustur(y, &sablonHatasi) && Olustur::zorunluYazma(y, false, &sablonHatasi))
            yol = y;
    }
    if (yol.isEmpty() && hata)
        *hata = sablonHatasi;
    return yol;
}
}

void TestOrtami()
{
    static bool kuruldu = false;
    if (kuruldu)
        return;
    kuruldu = true;
    // The program's registrations, made on first use as in the program.
    KayitIslemiAyarla(EkranlariKaydet);
    Mesaj::islemIhlaliAyarla(&islemdePencere);
    QSettings::setPath(QSettings::IniFormat, QSettings::UserScope, ayarKlasoru().path());
    QSettings::setPath(QSettings::NativeFormat, QSettings::UserScope, ayarKlasoru().path());
    // Nor the machine's /etc/velmorika; an empty folder stands for it.
    static QTemporaryDir sistem;
    Yerler::sistemAyarKlasoruAyarla(sistem.path());
    // The program finds its templates beside itself or where they were
    // installed; the tests (and the programs they start) read the source tree's.
    if (qEnvironmentVariableIsEmpty("VELMORIKA_SABLONLAR"))
        qputenv("VELMORIKA_SABLONLAR", VELMORIKA_SABLON_KLASORU);
}

TestVeritabani::TestVeritabani()
{
    TestOrtami();
    Baglanti::kapat(Baglanti::Paylasilan);
    Baglanti::kapat(Baglanti::Menu);
    const QString sablon = sablonYolu(&m_hata);
    if (sablon.isEmpty())
        return;
    m_yol = m_klasor.filePath(QStringLiteral("test.fdb"));
    if (!QFile::copy(sablon, m_yol)) {
        m_hata = QStringLiteral("Veritabanı kopyalanamadı: ") + m_yol;
        return;
    }
    QFile::setPermissions(m_yol, QFile::ReadOwner | QFile::WriteOwner);
    if (!Baglanti::ac(m_yol, Baglanti::Paylasilan, &m_hata))
        return;
    Oturum = OturumKaydi();
    Oturum.datayeri = m_yol;
    Oturum.sirketkodu = QStringLiteral("2007");
    Oturum.kullanici_kodu = QStringLiteral("1");
    Oturum.username = QStringLiteral("VELMOR");
    Oturum.kullaniciadisoyadi = QStringLiteral("VELMOR");
    Aktarim = AktarimKaydi();
    m_hazir = true;
}

TestVeritabani::~TestVeritabani()
{
    // A count still running on a worker has an attachment of its own to the
    // file: it ends before the file and its folder go.
    VeriSeti::sayimlariBekle();
    Baglanti::kapat(Baglanti::Menu);
    Baglanti::kapat(Baglanti::Paylasilan);
}

QString TestDosyasi(const QString &ad) { return QDir(QStringLiteral(VELMORIKA_TEST_VERI)).filePath(ad); }
