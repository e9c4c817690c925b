// "Veri Al": patient cards from the committed spreadsheet files.
#include "app/oturum.h"
#include "destek/betikmesaj.h"
#include "db/sorgu.h"
#include "db/veriseti.h"
#include "hastalar/hastaaktarim.h"
#include "hastalar/hastakayit.h"
#include "hastalar/hastatestdestek.h"
#include "destek/testvt.h"

#include <QtTest>

using namespace HastaTest;

namespace {
// A patient data set with the screen's new-row defaults.
struct HastaSeti
{
    VeriSeti vs{QStringLiteral("HASTALAR")};
    QStringList parametreler;
    explicit HastaSeti(const QStringList &p = {})
        : parametreler(p)
    {
        vs.selectMetniAyarla(QStringLiteral("select * from HASTALAR where 1=1  and sirketkodu =")
                             + QStringLiteral("'") + Oturum.sirketkodu + QStringLiteral("' order by HASTALAR.KAYITNO "));
        vs.yeniSatirDegerleri = [this] { HastaYeniSatirDegerleri(vs, parametreler); };
    }
};

QString dosya(const QString &ad) { return TestDosyasi(QStringLiteral("hastalar/") + ad); }
QString metin(const QString &kod, const QString &kolon)
{
    return deger(QStringLiteral("select %1 from hastalar where hastakodu = ?").arg(kolon), {kod}).toString();
}
} // namespace

class tst_hastaaktarim : public QObject
{
    Q_OBJECT
private slots:
    void dosyalar_data();
    void dosyalar();
    void baslikSatiriCocukSayisindaDurur_data();
    void baslikSatiriCocukSayisindaDurur();
    void win1254Disi_data();
    void win1254Disi();
    void kayitliKoddaDurur();
    void ucBinSatirSiniri();
    void iptalEdilince();
    void bozukDosyalar_data();
    void bozukDosyalar();
};

void tst_hastaaktarim::dosyalar_data()
{
    QTest::addColumn<QString>("ad");
    for (const char *ad : {"hastalar.xlsx", "hastalar.ods", "hastalar.xls", "hastalar.csv",
                           "hastalar-noktalivirgul-cp1254.csv"})
        QTest::newRow(ad) << QString::fromLatin1(ad);
}

void tst_hastaaktarim::dosyalar()
{
    TEST_VT(vt);
    BetikMesaj m;
    QFETCH(QString, ad);
    // Parameter defaults: doctor D9, sex KADIN, insurer SSK, child count 7.
    HastaSeti h({"D9", "DR. VARSAYILAN", "KADIN", "SSK", "", "", "7"});
    const HastaAktarimSonucu s = HastaAktarim::aktar(dosya(ad), h.vs);
    QVERIFY2(s.durum == HastaAktarimSonucu::Durum::Tamam, qPrintable(s.mesaj));
    QCOMPARE(s.mesaj, QStringLiteral("Hasta Kartları Excelden Veri Alma İşlemi Başarı ile Tamamlandı"));
    QCOMPARE(s.aktarilan, 10);
    QCOMPARE(say("select count(*) from hastalar where sirketkodu = ?", {Oturum.sirketkodu}), 10);
    QCOMPARE(h.vs.kayitSayisi(), 10);
    QVERIFY(m.hatalar.isEmpty());

    QCOMPARE(metin("H001", "HASTAADISOYADI"), QStringLiteral("ŞÜKRÜ ÇAĞLAR"));
    QCOMPARE(metin("H001", "TCKIMLIKNO"), QStringLiteral("12345678901"));
    QCOMPARE(metin("H001", "DOGUMYERI"), QStringLiteral("İSTANBUL"));
    QCOMPARE(metin("H001", "MEDENIDURUM"), QStringLiteral("EVLİ"));
    QCOMPARE(metin("H002", "TCKIMLIKNO"), QStringLiteral("10987654321"));
    QCOMPARE(metin("H003", "HASTAADISOYADI"), QStringLiteral("O'NEIL DENİZ"));
    QCOMPARE(metin("1004", "HASTAADISOYADI"), QStringLiteral("IŞIL IŞIK"));
    QCOMPARE(metin("1004", "TCKIMLIKNO"), QString());
    // 55 letters cut to the column's 45.
    QCOMPARE(metin("H005", "HASTAADISOYADI"),
             QStringLiteral("ABDURRAHMAN MUHAMMED SAİT KARAHANLIOĞLU ÜÇÜNC"));
    // Empty cells clear the parameter's default; cells given override it.
    QCOMPARE(deger("select count(*) from hastalar where hastakodu = 'H005' and doktorkodu is null "
                   "and cocuksayisi is null").toInt(), 1);
    QCOMPARE(metin("H001", "CINSIYET"), QStringLiteral("ERKEK"));
    QCOMPARE(metin("H001", "KURUMU"), QStringLiteral("SSK"));   // not in the sheet: the default stays
    QCOMPARE(metin("H007", "HASTAADISOYADI"), QStringLiteral("ZEYNEP \"ZEY\" AK"));
    QCOMPARE(deger("select cocuksayisi from hastalar where hastakodu = 'H009'").toDouble(), 2.0);
    QCOMPARE(deger("select cocuksayisi from hastalar where hastakodu = 'H011'").toDouble(), 5.0);
    // New-row defaults of the screen.
    QCOMPARE(metin("H010", "KAYITDURUMU"), QStringLiteral("AKTİF"));
    QCOMPARE(metin("H010", "HATUYARI"), QStringLiteral("HAYIR"));
    QCOMPARE(deger("select kayittarihi from hastalar where hastakodu = 'H010'").toDate(), QDate::currentDate());
    // The second sheet is not read.
    QCOMPARE(say("select count(*) from hastalar where hastakodu not in ('H001','H002','H003','1004','H005',"
                 "'H007','H008','H009','H010','H011')"), 0);
}

void tst_hastaaktarim::baslikSatiriCocukSayisindaDurur_data()
{
    QTest::addColumn<QString>("ad");
    QTest::newRow("xlsx") << "hastalar-baslikli.xlsx";
    QTest::newRow("ods") << "hastalar-baslikli.ods";
    QTest::newRow("xls") << "hastalar-baslikli.xls";
}

void tst_hastaaktarim::baslikSatiriCocukSayisindaDurur()
{
    TEST_VT(vt);
    BetikMesaj m;
    QFETCH(QString, ad);
    HastaSeti h;
    const HastaAktarimSonucu s = HastaAktarim::aktar(dosya(ad), h.vs);
    // The title row is a row like any other: its "ÇOCUK SAYISI" is no number.
    QCOMPARE(s.durum, HastaAktarimSonucu::Durum::Durdu);
    QCOMPARE(s.satir, 1);
    QCOMPARE(s.aktarilan, 0);
    QVERIFY2(s.mesaj.startsWith(QStringLiteral("1. satırdaki çocuk sayısı")), qPrintable(s.mesaj));
    QCOMPARE(say("select count(*) from hastalar"), 0);
    QVERIFY(m.hatalar.isEmpty());
}

void tst_hastaaktarim::win1254Disi_data()
{
    QTest::addColumn<QString>("ad");
    QTest::newRow("xlsx") << "hastalar-win1254-disi.xlsx";
    QTest::newRow("ods") << "hastalar-win1254-disi.ods";
    QTest::newRow("xls") << "hastalar-win1254-disi.xls";
}

void tst_hastaaktarim::win1254Disi()
{
    TEST_VT(vt);
    BetikMesaj m;
    QFETCH(QString, ad);
    HastaSeti h;
    const HastaAktarimSonucu s = HastaAktarim::aktar(dosya(ad), h.vs);
    QCOMPARE(s.durum, HastaAktarimSonucu::Durum::Durdu);
    QCOMPARE(s.satir, 2);
    QCOMPARE(s.aktarilan, 1);
    QVERIFY2(s.mesaj.startsWith(QStringLiteral("2. satırdaki")), qPrintable(s.mesaj));
    QVERIFY(s.mesaj.contains(QStringLiteral("'Ə'")));
    QCOMPARE(say("select count(*) from hastalar"), 1);
    QVERIFY2(m.hatalar.isEmpty(), qPrintable(m.hatalar.join('\n')));
}

void tst_hastaaktarim::kayitliKoddaDurur()
{
    TEST_VT(vt);
    BetikMesaj m;
    QVERIFY(hastaEkle(QStringLiteral("H003"), QStringLiteral("ÖNCEKİ HASTA")) > 0);
    QVERIFY(hastaEkle(QStringLiteral("H001"), QStringLiteral("BAŞKA ŞİRKET"), QStringLiteral("2008")) > 0);
    HastaSeti h;
    const HastaAktarimSonucu s = HastaAktarim::aktar(dosya("hastalar.xlsx"), h.vs);
    QCOMPARE(s.durum, HastaAktarimSonucu::Durum::Durdu);
    QCOMPARE(s.satir, 3);
    QCOMPARE(s.aktarilan, 2);
    QVERIFY2(s.mesaj.startsWith(QStringLiteral("3. satırdaki \"H003\" hasta kodu ile kayıtlı hasta var.")),
             qPrintable(s.mesaj));
    QCOMPARE(say("select count(*) from hastalar where sirketkodu = ?", {Oturum.sirketkodu}), 3);
    QCOMPARE(metin("H003", "HASTAADISOYADI"), QStringLiteral("ÖNCEKİ HASTA"));
    QCOMPARE(say("select count(*) from hastalar where hastakodu in ('H001','H002') and sirketkodu = ?",
                 {Oturum.sirketkodu}), 2);
}

void tst_hastaaktarim::ucBinSatirSiniri()
{
    TEST_VT(vt);
    BetikMesaj m;
    HastaSeti h;
    int sonCagri = 0, toplamGorulen = 0;
    const HastaAktarimSonucu s = HastaAktarim::aktar(dosya("hastalar-3500.xlsx"), h.vs, [&](int r, int t) {
        sonCagri = r;
        toplamGorulen = t;
        return true;
    });
    QVERIFY2(s.durum == HastaAktarimSonucu::Durum::Tamam, qPrintable(s.mesaj));
    QCOMPARE(s.aktarilan, 3000);
    QCOMPARE(toplamGorulen, 3000);
    QCOMPARE(sonCagri, 3000);
    QCOMPARE(say("select count(*) from hastalar"), 3000);
    QCOMPARE(say("select count(*) from hastalar where hastakodu = 'B03000'"), 1);
    QCOMPARE(say("select count(*) from hastalar where hastakodu = 'B03001'"), 0);
}

void tst_hastaaktarim::iptalEdilince()
{
    TEST_VT(vt);
    BetikMesaj m;
    HastaSeti h;
    const HastaAktarimSonucu s =
        HastaAktarim::aktar(dosya("hastalar.ods"), h.vs, [](int r, int) { return r < 4; });
    QCOMPARE(s.durum, HastaAktarimSonucu::Durum::Iptal);
    QCOMPARE(s.aktarilan, 3);
    QVERIFY(s.mesaj.contains(QStringLiteral("3 hasta kartı veritabanında kaldı")));
    QCOMPARE(say("select count(*) from hastalar"), 3);
}

void tst_hastaaktarim::bozukDosyalar_data()
{
    QTest::addColumn<QString>("ad");
    QTest::newRow("kesik") << "bozuk-kesik.xlsx";
    QTest::newRow("rastgele") << "bozuk-rastgele.xls";
    QTest::newRow("metin") << "bozuk-metin.xlsx";
    QTest::newRow("yok") << "olmayan-dosya.xlsx";
}

void tst_hastaaktarim::bozukDosyalar()
{
    TEST_VT(vt);
    BetikMesaj m;
    QFETCH(QString, ad);
    HastaSeti h;
    const HastaAktarimSonucu s = HastaAktarim::aktar(dosya(ad), h.vs);
    QCOMPARE(s.durum, HastaAktarimSonucu::Durum::DosyaHatasi);
    QCOMPARE(s.aktarilan, 0);
    QVERIFY(s.mesaj.startsWith(QStringLiteral("Dosya okunamadı")));
    QCOMPARE(say("select count(*) from hastalar"), 0);
}

QTEST_MAIN(tst_hastaaktarim)
#include "tst_hastaaktarim.moc"
