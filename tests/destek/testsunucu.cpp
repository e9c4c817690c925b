#include "testsunucu.h"

#include "testvt.h"

#include "app/oturum.h"
#include "db/baglanti.h"
#include "db/istasyonayari.h"
#include "db/olustur.h"
#include "db/sorgu.h"
#include "db/yetkiler.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QProcess>
#include <QSettings>

#include <unistd.h>

namespace {

SunucuBilgisi bilgiOku()
{
    SunucuBilgisi b;
    QString dosya = qEnvironmentVariable("VELMORIKA_TEST_SUNUCU");
    if (dosya.isEmpty())
        dosya = QStringLiteral(VELMORIKA_TEST_SUNUCU_DOSYASI);
    if (!QFileInfo(dosya).isReadable()) {
        b.hata = QStringLiteral("Sunucu testleri için yerel Firebird sunucusu kurulmamış: %1 okunamıyor. "
                                "Önce 'bash scripts/test.sh' ya da 'sudo bash scripts/sunucu-kur.sh --yerel "
                                "--cikti build/sunucu --test' çalıştırın (VELMORIKA_TEST_SUNUCU başka bir "
                                "dosyayı gösterebilir).")
                     .arg(dosya);
        return b;
    }
    const QSettings s(dosya, QSettings::IniFormat);
    b.konum = s.value(QStringLiteral("sunucu/konum")).toString();
    b.testKlasoru = s.value(QStringLiteral("sunucu/testklasoru")).toString();
    b.betik = s.value(QStringLiteral("sunucu/betik")).toString();
    b.sysdbaKullanici = s.value(QStringLiteral("sysdba/kullanici")).toString();
    b.sysdbaSifre = s.value(QStringLiteral("sysdba/sifre")).toString();
    b.kullanici = s.value(QStringLiteral("veritabani/kullanici")).toString();
    b.sifre = s.value(QStringLiteral("veritabani/sifre")).toString();
    if (b.konum.isEmpty() || b.testKlasoru.isEmpty() || b.sysdbaSifre.isEmpty() || b.kullanici.isEmpty()
        || b.sifre.isEmpty())
        b.hata = QStringLiteral("Sunucu test dosyası eksik: %1. scripts/sunucu-kur.sh --test ile yeniden yazın.")
                     .arg(dosya);
    return b;
}

bool betikCalistir(const QString &secenek, QString *hata)
{
    const SunucuBilgisi &b = TestSunucuBilgisi();
    if (!b.hata.isEmpty()) {
        if (hata)
            *hata = b.hata;
        return false;
    }
    QStringList a{QStringLiteral("bash"), b.betik, secenek};
    if (geteuid() != 0)
        a = QStringList{QStringLiteral("sudo"), QStringLiteral("-n")} + a;
    QProcess p;
    p.setProcessChannelMode(QProcess::MergedChannels);
    p.start(a.takeFirst(), a);
    if (!p.waitForFinished(120000) || p.exitStatus() != QProcess::NormalExit || p.exitCode() != 0) {
        if (hata)
            *hata = QStringLiteral("%1 %2 olmadı: %3").arg(b.betik, secenek, QString::fromLocal8Bit(p.readAll()));
        return false;
    }
    return true;
}

} // namespace

const SunucuBilgisi &TestSunucuBilgisi()
{
    static const SunucuBilgisi b = bilgiOku();
    return b;
}

SysdbaOlarak::SysdbaOlarak()
    : m_kullanici(qgetenv("VELMORIKA_DB_USER"))
    , m_sifre(qgetenv("VELMORIKA_DB_PASSWORD"))
    , m_kullaniciVardi(qEnvironmentVariableIsSet("VELMORIKA_DB_USER"))
    , m_sifreVardi(qEnvironmentVariableIsSet("VELMORIKA_DB_PASSWORD"))
{
    qputenv("VELMORIKA_DB_USER", TestSunucuBilgisi().sysdbaKullanici.toUtf8());
    qputenv("VELMORIKA_DB_PASSWORD", TestSunucuBilgisi().sysdbaSifre.toUtf8());
}

SysdbaOlarak::~SysdbaOlarak()
{
    if (m_kullaniciVardi)
        qputenv("VELMORIKA_DB_USER", m_kullanici);
    else
        qunsetenv("VELMORIKA_DB_USER");
    if (m_sifreVardi)
        qputenv("VELMORIKA_DB_PASSWORD", m_sifre);
    else
        qunsetenv("VELMORIKA_DB_PASSWORD");
}

TestSunucu::TestSunucu()
{
    TestOrtami();
    Baglanti::kapat(Baglanti::Paylasilan);
    Baglanti::kapat(Baglanti::Menu);
    const SunucuBilgisi &b = TestSunucuBilgisi();
    if (!b.hata.isEmpty()) {
        m_hata = b.hata;
        return;
    }
    static int sayac = 0;
    m_konum = QStringLiteral("localhost:%1/t%2_%3.fdb")
                  .arg(b.testKlasoru)
                  .arg(QCoreApplication::applicationPid())
                  .arg(++sayac);
    {
        SysdbaOlarak sysdba;
        // A database left by a test program that was killed goes first.
        Olustur::veritabaniSil(m_konum, nullptr);
        if (!Olustur::veritabaniOlustur(m_konum, &m_hata))
            return;
        m_olusturuldu = true;
        // Thrown away after the test case: no sync per page write.
        if (!Olustur::zorunluYazma(m_konum, false, &m_hata))
            return;
        const QString yonetici = QStringLiteral("velmorika_test_sysdba");
        if (!Baglanti::ac(m_konum, yonetici, &m_hata))
            return;
        const bool verildi = Yetkiler::ver(b.kullanici, yonetici, &m_hata);
        Baglanti::kapat(yonetici);
        if (!verildi)
            return;
    }
    // The program user, read from the workstation settings file as the program does.
    if (!IstasyonAyari::yaz({b.kullanici, b.sifre, QString()}, &m_hata))
        return;
    if (!Baglanti::ac(m_konum, Baglanti::Paylasilan, &m_hata))
        return;
    Oturum = OturumKaydi();
    Oturum.datayeri = m_konum;
    Oturum.sirketkodu = QStringLiteral("2007");
    Oturum.kullanici_kodu = QStringLiteral("1");
    Oturum.username = QStringLiteral("VELMOR");
    Oturum.kullaniciadisoyadi = QStringLiteral("VELMOR");
    Aktarim = AktarimKaydi();
    m_hazir = true;
}

TestSunucu::~TestSunucu()
{
    for (const QString &ad : std::as_const(m_baglantilar))
        Baglanti::kapat(ad);
    Baglanti::kapat(Baglanti::Menu);
    Baglanti::kapat(Baglanti::Paylasilan);
    QFile::remove(IstasyonAyari::dosya());
    if (m_olusturuldu) {
        SysdbaOlarak sysdba;
        QString hata;
        // Whatever is still attached (a connection a failed commit left
        // behind, a workstation process) goes first: a drop waits for no one.
        const QString temizlik = QStringLiteral("velmorika_test_temizlik");
        if (Baglanti::ac(m_konum, temizlik, &hata))
            Sorgu::calistir(QStringLiteral("delete from mon$attachments where mon$attachment_id <> current_connection"),
                            {}, temizlik, &hata);
        Baglanti::kapat(temizlik);
        if (!Olustur::veritabaniSil(m_konum, &hata))
            qWarning("%s", qPrintable(hata));
    }
}

bool TestSunucu::baglantiAc(const QString &ad, QString *hata)
{
    m_baglantilar << ad;
    return Baglanti::ac(m_konum, ad, hata);
}

bool TestSunucu::sysdbaBaglantisiAc(const QString &ad, QString *hata)
{
    m_baglantilar << ad;
    SysdbaOlarak sysdba;
    return Baglanti::ac(m_konum, ad, hata);
}

QProcessEnvironment TestSunucu::programOrtami() const
{
    QProcessEnvironment o = QProcessEnvironment::systemEnvironment();
    o.insert(QStringLiteral("VELMORIKA_DB_USER"), sunucu().kullanici);
    o.insert(QStringLiteral("VELMORIKA_DB_PASSWORD"), sunucu().sifre);
    o.insert(QStringLiteral("QT_QPA_PLATFORM"), QStringLiteral("offscreen"));
    return o;
}

bool TestSunucu::sunucuyuDurdur(QString *hata) { return betikCalistir(QStringLiteral("--durdur"), hata); }

bool TestSunucu::sunucuyuBaslat(QString *hata) { return betikCalistir(QStringLiteral("--baslat"), hata); }
