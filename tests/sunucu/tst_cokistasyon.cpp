// Several workstations on one server database at once: each is an istasyon
// process (tests/sunucu/istasyon.cpp) running the program's own code as the
// program user. All of them are started, wait until every one is ready, and
// then begin together; the outcome is read from the database afterwards.
#include "app/baglantidurumu.h"
#include "db/baglanti.h"
#include "db/baglantiizleyici.h"
#include "db/sorgu.h"
#include "klinik/cariisleme.h"
#include "db/veriseti.h"
#include "destek/betikmesaj.h"
#include "destek/testsunucu.h"
#include "destek/testvt.h"

#include <QCoreApplication>
#include <QDir>
#include <QProcess>
#include <QSqlDatabase>
#include <QSqlQuery>
#include <QSignalSpy>
#include <QStatusBar>
#include <QtTest>

#include <memory>
#include <vector>

namespace {

struct IstasyonSonucu
{
    int kod = -1;
    QString satir;  // "SONUC tamam ..." or "SONUC hata ..."
    QString cikti;  // everything it wrote, for the failure message
};

void durdur(std::vector<std::unique_ptr<QProcess>> &surecler)
{
    for (auto &p : surecler) {
        p->kill();
        p->waitForFinished();
    }
}

// Runs one istasyon per argument list against the fixture's database; false
// with the reason when one did not get ready or did not finish.
bool istasyonlariCalistir(const TestSunucu &vt, const QList<QStringList> &argumanlar,
                          std::vector<IstasyonSonucu> *sonuclar, QString *hata)
{
    const QString program = QDir(QCoreApplication::applicationDirPath()).absoluteFilePath(QStringLiteral("istasyon"));
    std::vector<std::unique_ptr<QProcess>> surecler;
    for (const QStringList &a : argumanlar) {
        auto p = std::make_unique<QProcess>();
        p->setProcessEnvironment(vt.programOrtami());
        p->setProcessChannelMode(QProcess::MergedChannels);
        p->start(program, QStringList{QStringLiteral("--konum"), vt.konum()} + a);
        surecler.push_back(std::move(p));
    }
    // Everyone ready first (connected, screens open), then all start at once.
    // The waits only keep a hung process from hanging the suite.
    for (size_t i = 0; i < surecler.size(); ++i) {
        QProcess &p = *surecler[i];
        QByteArray okunan;
        while (!okunan.contains("HAZIR\n") && !okunan.contains("SONUC ") && p.waitForReadyRead(120000))
            okunan += p.readAll();
        if (!okunan.contains("HAZIR\n")) {
            *hata = QStringLiteral("istasyon %1 hazır olmadı: %2").arg(i + 1).arg(QString::fromUtf8(okunan));
            durdur(surecler);
            return false;
        }
        sonuclar->push_back({-1, QString(), QString::fromUtf8(okunan)});
    }
    // QProcess writes when its own wait or the event loop runs: each line is
    // handed over here, or the others would start only when waited for.
    for (auto &p : surecler)
        p->write("BASLA\n");
    for (auto &p : surecler) {
        p->waitForBytesWritten(10000);
        p->closeWriteChannel();
    }
    for (size_t i = 0; i < surecler.size(); ++i) {
        QProcess &p = *surecler[i];
        IstasyonSonucu &s = (*sonuclar)[i];
        if (!p.waitForFinished(600000)) {
            *hata = QStringLiteral("istasyon %1 bitmedi").arg(i + 1);
            durdur(surecler);
            return false;
        }
        s.cikti += QString::fromUtf8(p.readAll());
        s.kod = p.exitStatus() == QProcess::NormalExit ? p.exitCode() : -1;
        const int bas = s.cikti.indexOf(QStringLiteral("SONUC "));
        s.satir = bas < 0 ? QString() : s.cikti.mid(bas).section(QLatin1Char('\n'), 0, 0);
    }
    return true;
}

int say(const QString &sql, const QVariantList &degerler = {})
{
    auto v = Sorgu::tekDeger(sql, degerler);
    return v ? v->toInt() : -1;
}

} // namespace

class tst_cokistasyon : public QObject
{
    Q_OBJECT
private slots:
    void hastaKayitlari();
    void ayniHastaAyniAnda();
    void listeSunucudanOgrenir();
    void muayeneVeOdemeAyniAnda();
    void sunucuYenidenBaslar();
    void bostakiMasaYenidenBaglanir();
    void kesilenKayitYarimKalmaz();
};

// Four desks register patients at the same time through the patient screen:
// nothing lost, every row with its code, no code twice in the company.
void tst_cokistasyon::hastaKayitlari()
{
    TEST_SUNUCU(vt);
    const int istasyon = 4;
    const int adet = 15;
    const int onceki = say(QStringLiteral("select count(*) from HASTALAR"));
    QVERIFY(onceki >= 0);
    QList<QStringList> argumanlar;
    for (int i = 1; i <= istasyon; ++i)
        argumanlar << QStringList{QStringLiteral("--senaryo"), QStringLiteral("hastaekle"), QStringLiteral("--adet"),
                                  QString::number(adet), QStringLiteral("--etiket"), QStringLiteral("MASA%1").arg(i)};
    std::vector<IstasyonSonucu> sonuclar;
    QString hata;
    QVERIFY2(istasyonlariCalistir(vt, argumanlar, &sonuclar, &hata), qPrintable(hata));
    for (const IstasyonSonucu &s : sonuclar) {
        QVERIFY2(s.kod == 0, qPrintable(s.cikti));
        QCOMPARE(s.satir, QStringLiteral("SONUC tamam eklenen=%1").arg(adet));
    }
    QCOMPARE(say(QStringLiteral("select count(*) from HASTALAR")), onceki + istasyon * adet);
    for (int i = 1; i <= istasyon; ++i) {
        const QString onek = QStringLiteral("MASA%1 HASTA %").arg(i);
        QCOMPARE(say(QStringLiteral("select count(*) from HASTALAR where HASTAADISOYADI like ?"), {onek}), adet);
        QCOMPARE(say(QStringLiteral("select count(distinct HASTAADISOYADI) from HASTALAR where HASTAADISOYADI like ?"),
                     {onek}),
                 adet);
    }
    QCOMPARE(say(QStringLiteral("select count(*) from HASTALAR where HASTAKODU is null or HASTAKODU = ''")), 0);
    QCOMPARE(say(QStringLiteral("select count(*) from (select SIRKETKODU, HASTAKODU from HASTALAR "
                                "group by SIRKETKODU, HASTAKODU having count(*) > 1)")),
             0);
    // The screen's rule holds under load too: a new patient's code is its record number.
    QCOMPARE(say(QStringLiteral("select count(*) from HASTALAR where HASTAADISOYADI like 'MASA%' and "
                                "(SIRKETKODU <> '2007' or HASTAKODU <> cast(KAYITNO as varchar(20)))")),
             0);
}

// Four desks change the same patient at once, each raising a counter from
// what it read: every refused save was told, and the counter holds every
// raise reported as saved (none overwritten).
void tst_cokistasyon::ayniHastaAyniAnda()
{
    TEST_SUNUCU(vt);
    QVERIFY(Sorgu::calistir(QStringLiteral("insert into hastalar (kayitno, hastakodu, hastaadisoyadi, kilo, "
                                           "sirketkodu) values (1, '1', 'ORTAK HASTA', '0', '2007')")));
    const int istasyon = 4;
    const int adet = 10;
    QList<QStringList> argumanlar;
    for (int i = 1; i <= istasyon; ++i)
        argumanlar << QStringList{QStringLiteral("--senaryo"), QStringLiteral("aynihasta"), QStringLiteral("--adet"),
                                  QString::number(adet)};
    std::vector<IstasyonSonucu> sonuclar;
    QString hata;
    QVERIFY2(istasyonlariCalistir(vt, argumanlar, &sonuclar, &hata), qPrintable(hata));
    for (const IstasyonSonucu &s : sonuclar) {
        QVERIFY2(s.kod == 0, qPrintable(s.cikti));
        QVERIFY2(s.satir.startsWith(QStringLiteral("SONUC tamam artis=%1 ").arg(adet)), qPrintable(s.satir));
        qInfo("%s", qPrintable(s.satir)); // how many saves were refused and tried again
    }
    auto kilo = Sorgu::tekDeger(QStringLiteral("select kilo from hastalar where kayitno = 1"));
    QVERIFY(kilo);
    QCOMPARE(kilo->toString(), QString::number(istasyon * adet));
}

// A list kept current hears through the server (its event port) of the
// patients another desk registers.
void tst_cokistasyon::listeSunucudanOgrenir()
{
    TEST_SUNUCU(vt);
    BetikMesaj m;
    QString hata;
    QVERIFY2(vt.baglantiAc(QStringLiteral("ikinci"), &hata), qPrintable(hata));
    VeriSeti liste(QStringLiteral("HASTALAR"));
    liste.degisiklikleriIzle(true);
    QVERIFY(liste.ac());
    const int once = liste.kesinKayitSayisi();
    QVERIFY(Sorgu::calistir(QStringLiteral("insert into hastalar (kayitno, hastakodu, hastaadisoyadi, sirketkodu) "
                                           "values (gen_id(otokod_hastalar, 1), 'UZAK1', 'UZAK HASTA', '2007')"),
                            {}, QStringLiteral("ikinci")));
    QTRY_COMPARE_WITH_TIMEOUT(liste.kesinKayitSayisi(), once + 1, VeriBeklemesi);
    QVERIFY2(m.mesajlar.isEmpty(), qPrintable(m.mesajlar.join(QLatin1Char('\n'))));
}

// Four desks record examinations with their postings and payments for the
// same patients at once: every examination has exactly its fee and share
// rows, and every account's balance is the sum of what was written.
void tst_cokistasyon::muayeneVeOdemeAyniAnda()
{
    TEST_SUNUCU(vt);
    const int istasyon = 4;
    const int adet = 12;
    QList<QStringList> argumanlar;
    for (int i = 1; i <= istasyon; ++i)
        argumanlar << QStringList{QStringLiteral("--senaryo"), QStringLiteral("muayeneodeme"), QStringLiteral("--adet"),
                                  QString::number(adet), QStringLiteral("--etiket"), QStringLiteral("MASA%1").arg(i)};
    std::vector<IstasyonSonucu> sonuclar;
    QString hata;
    QVERIFY2(istasyonlariCalistir(vt, argumanlar, &sonuclar, &hata), qPrintable(hata));
    double ucretler = 0, odemeler = 0;
    for (const IstasyonSonucu &s : sonuclar) {
        QVERIFY2(s.kod == 0, qPrintable(s.cikti));
        const QStringList p = s.satir.split(QLatin1Char(' '));
        QVERIFY2(p.size() == 4, qPrintable(s.satir));
        ucretler += p.at(2).section(QLatin1Char('='), 1).toDouble();
        odemeler += p.at(3).section(QLatin1Char('='), 1).toDouble();
    }
    QCOMPARE(say(QStringLiteral("select count(*) from muayene")), istasyon * adet);
    // each examination: one fee row of its amount on the patient, one 20 % share row on the doctor
    QCOMPARE(say(QStringLiteral("select count(*) from muayene m where "
                                "(select count(*) from cari_hareket c where c.evrakno = 'M-' || m.kayitno "
                                " and c.carikod = m.hastakodu and c.borc = m.muayeneucreti) <> 1 "
                                "or (select count(*) from cari_hareket c where c.evrakno = 'M-' || m.kayitno "
                                " and c.carikod = 'D1' and abs(c.alacak - m.muayeneucreti * 0.2) < 0.005) <> 1 "
                                "or (select count(*) from cari_hareket c where c.evrakno = 'M-' || m.kayitno) <> 2")),
             0);
    const auto toplam = [](const QString &sql) {
        auto v = Sorgu::tekDeger(sql);
        return v ? v->toDouble() : -1.0;
    };
    QCOMPARE(toplam(QStringLiteral("select sum(borc - alacak) from cari_hareket where carikod starting with 'P'")),
             ucretler - odemeler);
    QCOMPARE(toplam(QStringLiteral("select sum(alacak) from cari_hareket where carikod = 'D1'")),
             toplam(QStringLiteral("select sum(muayeneucreti) * 0.2 from muayene")));
}

// The server stops under a logged-in desk and starts again: a read finds the
// connection again by itself, a save meanwhile is refused in Turkish with the
// edit kept, and the same save goes through once the server is back.
void tst_cokistasyon::sunucuYenidenBaslar()
{
    TEST_SUNUCU(vt);
    BetikMesaj m;
    QVERIFY(Sorgu::calistir(QStringLiteral("insert into hastalar (kayitno, hastakodu, hastaadisoyadi, sirketkodu) "
                                           "values (1, '1', 'ALİ', '2007')")));
    VeriSeti liste(QStringLiteral("HASTALAR"));
    QVERIFY(liste.ac() && liste.bul(1));
    QString hata;
    QVERIFY2(TestSunucu::sunucuyuDurdur(&hata), qPrintable(hata));
    QVERIFY(liste.degerAyarla(QStringLiteral("ADRES"), QStringLiteral("KADIKÖY")));
    const bool kaydedildi = liste.kaydet();
    const bool basladi = TestSunucu::sunucuyuBaslat(&hata);
    QVERIFY2(basladi, qPrintable(hata));
    QVERIFY(!kaydedildi);
    QCOMPARE(liste.durum(), VeriSeti::Durum::Duzenle);
    QCOMPARE(liste.metin(QStringLiteral("ADRES")), QStringLiteral("KADIKÖY"));
    QVERIFY(!m.mesajlar.isEmpty());
    for (const QString &x : m.mesajlar)
        QVERIFY2(!x.contains(QLatin1String("Error")) && !x.contains(QLatin1String("connection")), qPrintable(x));
    m.temizle();
    QVERIFY(liste.kaydet());
    auto adres = Sorgu::tekDeger(QStringLiteral("select adres from hastalar where kayitno = 1"));
    QVERIFY(adres);
    QCOMPARE(adres->toString(), QStringLiteral("KADIKÖY"));
    QVERIFY(liste.yenile());
    QVERIFY2(m.mesajlar.isEmpty(), qPrintable(m.mesajlar.join(QLatin1Char('\n'))));
}

// An idle desk notices a server restart by itself: its status line says the
// connection is gone and since when, the connection comes back within
// seconds of the server, and its list shows a row another desk saved
// afterwards without a key pressed (nothing is run on the desk's connection
// by the test meanwhile).
void tst_cokistasyon::bostakiMasaYenidenBaglanir()
{
    TEST_SUNUCU(vt);
    BetikMesaj m;
    VeriSeti liste(QStringLiteral("HASTALAR"));
    liste.degisiklikleriIzle(true);
    QVERIFY(liste.ac());
    const int once = liste.kesinKayitSayisi();
    QWidget pencere;
    auto *durum = new QStatusBar(&pencere);
    pencere.show();
    BaglantiIzleyici izleyici(QString(), 300);
    QVERIFY(izleyici.izliyorMu());
    BaglantiDurumu gosterge(&izleyici);
    QSignalSpy koptu(&izleyici, &BaglantiIzleyici::koptu);
    QSignalSpy geldi(&izleyici, &BaglantiIzleyici::geriGeldi);
    QString hata;
    QVERIFY2(TestSunucu::sunucuyuDurdur(&hata), qPrintable(hata));
    QTRY_COMPARE_WITH_TIMEOUT(koptu.count(), 1, VeriBeklemesi);
    QVERIFY2(durum->currentMessage().contains(QStringLiteral("bağlantı yok")), qPrintable(durum->currentMessage()));
    QVERIFY2(TestSunucu::sunucuyuBaslat(&hata), qPrintable(hata));
    QTRY_COMPARE_WITH_TIMEOUT(geldi.count(), 1, VeriBeklemesi);
    QVERIFY2(durum->currentMessage().contains(QStringLiteral("yeniden kuruldu")), qPrintable(durum->currentMessage()));
    QVERIFY(Baglanti::vt().isOpen());

    QVERIFY2(vt.baglantiAc(QStringLiteral("ikinci"), &hata), qPrintable(hata));
    QVERIFY(Sorgu::calistir(QStringLiteral("insert into hastalar (kayitno, hastakodu, hastaadisoyadi, sirketkodu) "
                                           "values (gen_id(otokod_hastalar, 1), 'SONRA', 'SONRA GELEN', '2007')"),
                            {}, QStringLiteral("ikinci")));
    // kayitSayisi runs nothing: only the event and the list's own reading can change it.
    QTRY_COMPARE_WITH_TIMEOUT(liste.kayitSayisi(), once + 1, VeriBeklemesi);
    QVERIFY2(m.mesajlar.isEmpty(), qPrintable(m.mesajlar.join(QLatin1Char('\n'))));
}

// A desk is killed while its examination save waits for the posting
// (another desk holds the patient's fee row): nothing of the save stays, and
// the fee, the totals and the ledger still agree.
void tst_cokistasyon::kesilenKayitYarimKalmaz()
{
    TEST_SUNUCU(vt);
    BetikMesaj m;
    QVERIFY(Sorgu::calistir(QStringLiteral("insert into muayene (kayitno, hastakodu, hastaadisoyadi, doktorkodu, "
                                           "doktoradi, muayenetarihi, muayeneucreti, doktorpayturu, doktorpayparam, "
                                           "sirketkodu) values (1, 'P1', 'HASTA P1', 'D1', 'DR. ORTAK', "
                                           "current_timestamp, 500, 'YÜZDE', 20, '2007')")));
    QVERIFY(CariIsleme::cariyeisleme(CariIsleme::Kaynak::Genel, 1));
    QString hata;
    QVERIFY2(vt.baglantiAc(QStringLiteral("ikinci"), &hata), qPrintable(hata));
    QSqlDatabase ikinci = Baglanti::vt(QStringLiteral("ikinci"));
    QVERIFY(ikinci.transaction());
    {
        QSqlQuery q(ikinci);
        QVERIFY(q.exec(QStringLiteral("update cari_hareket set aciklama = aciklama where evrakkayitno = 1 and "
                                      "carikod = 'P1'")));
    }
    QProcess p;
    p.setProcessEnvironment(vt.programOrtami());
    p.setProcessChannelMode(QProcess::MergedChannels);
    p.start(QDir(QCoreApplication::applicationDirPath()).absoluteFilePath(QStringLiteral("istasyon")),
            {QStringLiteral("--konum"), vt.konum(), QStringLiteral("--senaryo"), QStringLiteral("muayeneucreti"),
             QStringLiteral("--adet"), QStringLiteral("600")});
    QByteArray okunan;
    while (!okunan.contains("HAZIR\n") && !okunan.contains("SONUC ") && p.waitForReadyRead(120000))
        okunan += p.readAll();
    QVERIFY2(okunan.contains("HAZIR\n"), okunan.constData());
    p.write("BASLA\n");
    p.waitForBytesWritten(10000);
    // Well inside the lock limit: the row is written, the posting waits.
    QTest::qWait(2000);
    QCOMPARE(p.state(), QProcess::Running);
    p.kill();
    p.waitForFinished();
    ikinci.rollback();
    Baglanti::kapat(QStringLiteral("ikinci"));

    const auto deger = [](const QString &sql) {
        auto v = Sorgu::tekDeger(sql);
        return v ? v->toDouble() : -1.0;
    };
    QCOMPARE(deger(QStringLiteral("select muayeneucreti from muayene where kayitno = 1")), 500.0);
    QCOMPARE(deger(QStringLiteral("select toplamtutar from muayene where kayitno = 1")), 500.0);
    QCOMPARE(deger(QStringLiteral("select sum(borc) from cari_hareket where evrakkayitno = 1")), 500.0);
    QCOMPARE(deger(QStringLiteral("select sum(alacak) from cari_hareket where evrakkayitno = 1")), 100.0);
    QVERIFY2(m.mesajlar.isEmpty(), qPrintable(m.mesajlar.join(QLatin1Char('\n'))));
}

QTEST_MAIN(tst_cokistasyon)
#include "tst_cokistasyon.moc"
