// Patient codes without the window: next code from a prefix, the code change
// across every table that carries the code, the delete check.
#include "app/oturum.h"
#include "destek/betikmesaj.h"
#include "db/sema.h"
#include "db/sorgu.h"
#include "hastalar/hastakodu.h"
#include "hastalar/hastatestdestek.h"
#include "destek/testvt.h"

#include <QtTest>

using namespace HastaTest;

class tst_hastakodu : public QObject
{
    Q_OBJECT
private slots:
    void varsayilanKod();
    void sonrakiKod_data();
    void sonrakiKod();
    void kodKolonlariSemadan();
    void degistirHerTablodaTasir();
    void degistirVarOlanKodaReddedilir_data();
    void degistirVarOlanKodaReddedilir();
    void degistirYaridaKalirsaHicbirSeyDegismez();
    void degistirNotlarSirketsizDeTasinir();
    void degistirHesapKodunaReddedilir_data();
    void degistirHesapKodunaReddedilir();
    void silmeEngeli();
};

void tst_hastakodu::varsayilanKod()
{
    QCOMPARE(HastaKodu::varsayilan(1), QStringLiteral("1"));
    QCOMPARE(HastaKodu::varsayilan(20071), QStringLiteral("20071"));
    QCOMPARE(HastaKodu::varsayilan(0), QString());
}

void tst_hastakodu::sonrakiKod_data()
{
    QTest::addColumn<QStringList>("kodlar");
    QTest::addColumn<QString>("onek");
    QTest::addColumn<QString>("beklenen");
    const QStringList ornek{"A1", "A2", "BA7"};
    QTest::newRow("ornek") << ornek << "A" << "A4";
    QTest::newRow("eslesen-yok") << ornek << "Z" << "Z1";
    QTest::newRow("buyuk-kucuk") << ornek << "a" << "a1";
    QTest::newRow("yuzde-harfiyen") << QStringList{"X%1", "XY1", "X1"} << "%" << "%2";
    QTest::newRow("altcizgi-harfiyen") << QStringList{"A_1", "AB1"} << "A_" << "A_2";
    QTest::newRow("tirnak") << QStringList{"O'1", "O1"} << "O'" << "O'2";
    QTest::newRow("cift-tirnak") << QStringList{"K\"1"} << "K\"" << "K\"2";
    QTest::newRow("noktali-virgul") << QStringList{"A1", "A;--X"} << "A;--" << "A;--2";
    QTest::newRow("unlem") << QStringList{"B!1", "B1"} << "B!" << "B!2";
}

void tst_hastakodu::sonrakiKod()
{
    TEST_VT(vt);
    BetikMesaj m;
    QFETCH(QStringList, kodlar);
    QFETCH(QString, onek);
    QFETCH(QString, beklenen);
    for (const QString &k : kodlar)
        QVERIFY(hastaEkle(k, QStringLiteral("HASTA ") + k) > 0);
    // Another company's codes are not counted.
    QVERIFY(hastaEkle(onek + QStringLiteral("9"), QStringLiteral("BASKA"), QStringLiteral("2008")) > 0);
    const auto sonuc = HastaKodu::soncarikodbul(onek, Oturum.sirketkodu);
    QVERIFY(sonuc.has_value());
    QCOMPARE(*sonuc, beklenen);
    QVERIFY2(m.hatalar.isEmpty(), qPrintable(m.hatalar.join('\n')));
    QCOMPARE(say("select count(*) from hastalar"), kodlar.size() + 1);
}

void tst_hastakodu::kodKolonlariSemadan()
{
    // Every HASTAKODU column of the description is carried, and the account code.
    QStringList beklenen;
    for (const Tablo &t : Tablolar())
        if (t.kolon(QStringLiteral("HASTAKODU")))
            beklenen << t.ad + QStringLiteral(".HASTAKODU");
    QVERIFY(beklenen.size() >= 7);
    QStringList olan;
    for (const auto &k : HastaKodu::kodKolonlari())
        olan << k.tablo + QLatin1Char('.') + k.kolon;
    for (const QString &b : beklenen)
        QVERIFY2(olan.contains(b), qPrintable(b));
    QVERIFY(olan.contains(QStringLiteral("CARI_HAREKET.CARIKOD")));
    QVERIFY(olan.contains(QStringLiteral("RANDEVU.HASTAKODU")));
    QVERIFY(!olan.contains(QStringLiteral("FIRMALAR.CARIKOD")));
}

void tst_hastakodu::degistirHerTablodaTasir()
{
    TEST_VT(vt);
    BetikMesaj m;
    const qint64 no = hastaEkle(QStringLiteral("P1"), QStringLiteral("ALİ VELİ"));
    QVERIFY(no > 0);
    QVERIFY(hastaEkle(QStringLiteral("P1"), QStringLiteral("BASKA SIRKET"), QStringLiteral("2008")) > 0);
    for (const auto &k : HastaKodu::kodKolonlari()) {
        if (k.tablo == QLatin1String("HASTALAR"))
            continue;
        QVERIFY2(satirEkle(k.tablo, k.kolon, QStringLiteral("P1"), Oturum.sirketkodu), qPrintable(k.tablo));
        QVERIFY2(satirEkle(k.tablo, k.kolon, QStringLiteral("P1"), QStringLiteral("2008")), qPrintable(k.tablo));
    }
    QVERIFY(HastaKodu::degistir(no, QStringLiteral("P1"), QStringLiteral("P77")));
    QVERIFY2(m.mesajlar.isEmpty(), qPrintable(m.mesajlar.join('\n')));
    for (const auto &k : HastaKodu::kodKolonlari()) {
        const QString s = QStringLiteral("select count(*) from %1 where %2 = ? and sirketkodu = ?").arg(k.tablo, k.kolon);
        QCOMPARE(say(s, {"P1", Oturum.sirketkodu}), 0);
        QCOMPARE(say(s, {"P77", Oturum.sirketkodu}), 1);
        // The other company's rows keep their code.
        QCOMPARE(say(s, {"P1", "2008"}), 1);
    }
    QCOMPARE(deger("select hastakodu from hastalar where kayitno = ?", {no}).toString(), QStringLiteral("P77"));
}

void tst_hastakodu::degistirVarOlanKodaReddedilir_data()
{
    QTest::addColumn<QString>("yeni");
    QTest::addColumn<QString>("mesaj");
    QTest::newRow("baska-hasta") << "P2"
                                 << "Bu  Kod ile Kayıtlı Hasta Kartı Var. Hasta Kodu Değiştirirken Lütfen Farklı Bir Kod Kullanınız";
    QTest::newRow("ayni-kod") << "P1"
                              << "Bu  Kod ile Kayıtlı Hasta Kartı Var. Hasta Kodu Değiştirirken Lütfen Farklı Bir Kod Kullanınız";
    QTest::newRow("bos") << "  " << "Hasta Kod Boş Olamaz";
    QTest::newRow("cari-kod-sigmaz") << "P123456789012" << "";
    QTest::newRow("personel-kodu") << "D1" << "";
}

void tst_hastakodu::degistirVarOlanKodaReddedilir()
{
    TEST_VT(vt);
    BetikMesaj m;
    QFETCH(QString, yeni);
    QFETCH(QString, mesaj);
    const qint64 no = hastaEkle(QStringLiteral("P1"), QStringLiteral("ALİ"));
    QVERIFY(hastaEkle(QStringLiteral("P2"), QStringLiteral("VELİ")) > 0);
    QVERIFY(satirEkle(QStringLiteral("MUAYENE"), QStringLiteral("HASTAKODU"), QStringLiteral("P1"), Oturum.sirketkodu));
    QVERIFY(satirEkle(QStringLiteral("CARI_HAREKET"), QStringLiteral("CARIKOD"), QStringLiteral("P1"), Oturum.sirketkodu));
    QVERIFY(Sorgu::calistir("insert into DOKTORLAR (KAYITNO, DOKTORKODU, DOKTORADISOYADI, SIRKETKODU) values (1, 'D1', 'DR', ?)",
                            {Oturum.sirketkodu}));
    QVERIFY(!HastaKodu::degistir(no, QStringLiteral("P1"), yeni));
    QCOMPARE(m.mesajlar.size(), 1);
    if (!mesaj.isEmpty())
        QCOMPARE(m.mesajlar.first(), mesaj);
    QCOMPARE(say("select count(*) from hastalar where hastakodu = 'P1'"), 1);
    QCOMPARE(say("select count(*) from muayene where hastakodu = 'P1'"), 1);
    QCOMPARE(say("select count(*) from cari_hareket where carikod = 'P1'"), 1);
}

void tst_hastakodu::degistirYaridaKalirsaHicbirSeyDegismez()
{
    TEST_VT(vt);
    BetikMesaj m;
    const qint64 no = hastaEkle(QStringLiteral("P1"), QStringLiteral("ALİ"));
    for (const auto &k : HastaKodu::kodKolonlari())
        if (k.tablo != QLatin1String("HASTALAR"))
            QVERIFY(satirEkle(k.tablo, k.kolon, QStringLiteral("P1"), Oturum.sirketkodu));
    // The last table to be moved refuses the update: everything before it must roll back.
    const QString son = HastaKodu::kodKolonlari().last().tablo;
    QVERIFY(Sorgu::calistir("create exception HATA_DENEME 'deneme hatasi'"));
    QVERIFY(Sorgu::calistir(QStringLiteral("create trigger TRG_DENEME for %1 before update as begin exception HATA_DENEME; end").arg(son)));
    QVERIFY(!HastaKodu::degistir(no, QStringLiteral("P1"), QStringLiteral("P5")));
    QCOMPARE(m.hatalar.size(), 1);
    QVERIFY(m.hatalar.first().contains(QStringLiteral("deneme hatasi")));
    for (const auto &k : HastaKodu::kodKolonlari()) {
        const QString s = QStringLiteral("select count(*) from %1 where %2 = ?").arg(k.tablo, k.kolon);
        QCOMPARE(say(s, {"P1"}), 1);
        QCOMPARE(say(s, {"P5"}), 0);
    }
}

// Notes are written without a company: they move with the patient they are
// attached to, and another company's patient with the same code keeps hers.
void tst_hastakodu::degistirNotlarSirketsizDeTasinir()
{
    TEST_VT(vt);
    BetikMesaj m;
    const qint64 no = hastaEkle(QStringLiteral("P1"), QStringLiteral("ALİ VELİ"));
    const qint64 baska = hastaEkle(QStringLiteral("P1"), QStringLiteral("BAŞKA ŞİRKET"), QStringLiteral("2008"));
    QVERIFY(no > 0 && baska > 0);
    QVERIFY(Sorgu::calistir(QStringLiteral("insert into MUAYENE (KAYITNO, HASTAKODU, SIRKETKODU) values (501, 'P1', ?)"),
                            {Oturum.sirketkodu}));
    QVERIFY(Sorgu::calistir(QStringLiteral("insert into MUAYENE (KAYITNO, HASTAKODU, SIRKETKODU) values (502, 'P1', '2008')")));
    struct Not { int kayitno; const char *tur; qint64 evrak; };
    const Not notlar[] = {{1, "HASTA", no}, {2, "MUAYENE", 501}, {3, "HASTA", baska}, {4, "MUAYENE", 502}};
    for (const Not &n : notlar)
        QVERIFY(Sorgu::calistir(QStringLiteral("insert into ACIKLAMALAR (KAYITNO, EVRAKKAYITNO, EVRAKTURU, HASTAKODU, "
                                               "ACIKLAMA1) values (?, ?, ?, 'P1', 'not')"),
                                {n.kayitno, n.evrak, QString::fromUtf8(n.tur)}));
    QVERIFY(HastaKodu::degistir(no, QStringLiteral("P1"), QStringLiteral("P9")));
    QVERIFY2(m.mesajlar.isEmpty(), qPrintable(m.mesajlar.join('\n')));
    QCOMPARE(deger("select list(kayitno) from (select kayitno from aciklamalar where hastakodu = 'P9' order by kayitno)")
                 .toString(),
             QStringLiteral("1,2"));
    QCOMPARE(deger("select list(kayitno) from (select kayitno from aciklamalar where hastakodu = 'P1' order by kayitno)")
                 .toString(),
             QStringLiteral("3,4"));
}

// A new code that an account already uses would mix the patient's
// movements with that account's.
void tst_hastakodu::degistirHesapKodunaReddedilir_data()
{
    QTest::addColumn<QString>("ekle");
    QTest::newRow("firma") << "insert into FIRMALAR (FIRMA_KODU, CARIKOD, SIRKETKODU) values (1, 'K1', '2007')";
    QTest::newRow("cari hareket") << "insert into CARI_HAREKET (KAYITNO, CARIKOD, SIRKETKODU) values (77, 'K1', '2007')";
    QTest::newRow("fatura satiri") << "insert into FATURAHAREKETI (KAYITNO, CARIKOD, SIRKETKODU) values (77, 'K1', '2007')";
    QTest::newRow("personel") << "insert into DOKTORLAR (KAYITNO, DOKTORKODU, SIRKETKODU) values (77, 'K1', '2007')";
}

void tst_hastakodu::degistirHesapKodunaReddedilir()
{
    QFETCH(QString, ekle);
    TEST_VT(vt);
    BetikMesaj m;
    const qint64 no = hastaEkle(QStringLiteral("P1"), QStringLiteral("ALİ"));
    QVERIFY(satirEkle(QStringLiteral("CARI_HAREKET"), QStringLiteral("CARIKOD"), QStringLiteral("P1"), Oturum.sirketkodu));
    QVERIFY(Sorgu::calistir(ekle));
    QVERIFY(!HastaKodu::degistir(no, QStringLiteral("P1"), QStringLiteral("K1")));
    QCOMPARE(m.mesajlar.size(), 1);
    QVERIFY2(m.mesajlar.first().contains(QStringLiteral("cari hesab")), qPrintable(m.mesajlar.first()));
    QCOMPARE(say("select count(*) from hastalar where hastakodu = 'P1'"), 1);
    QCOMPARE(say("select count(*) from cari_hareket where carikod = 'P1'"), 1);
}

void tst_hastakodu::silmeEngeli()
{
    TEST_VT(vt);
    BetikMesaj m;
    QVERIFY(hastaEkle(QStringLiteral("P1"), QStringLiteral("ALİ")) > 0);
    auto e = HastaKodu::silmeEngeli(QStringLiteral("P1"), Oturum.sirketkodu);
    QVERIFY(e.has_value());
    QCOMPARE(*e, QString());
    QVERIFY(satirEkle("MUAYENE", "HASTAKODU", "P1", Oturum.sirketkodu));
    QVERIFY(satirEkle("MUAYENE", "HASTAKODU", "P1", Oturum.sirketkodu));
    QVERIFY(satirEkle("RANDEVU", "HASTAKODU", "P1", Oturum.sirketkodu));
    QVERIFY(satirEkle("MUAYENE_LAB", "HASTAKODU", "P1", Oturum.sirketkodu));
    QVERIFY(satirEkle("YAPILANISLEMLER", "HASTAKODU", "P1", Oturum.sirketkodu));
    QVERIFY(satirEkle("CARI_HAREKET", "CARIKOD", "P1", Oturum.sirketkodu));
    QVERIFY(satirEkle("CARI_HAREKET", "CARIKOD", "P1", "2008")); // another company's: not counted
    e = HastaKodu::silmeEngeli(QStringLiteral("P1"), Oturum.sirketkodu);
    QVERIFY(e.has_value());
    QCOMPARE(*e, QStringLiteral("Bu hasta silinemez. Hastanın kayıtları var: 2 muayene, 1 randevu, "
                                "1 laboratuvar kaydı, 1 yapılan işlem, 1 cari hareket. Önce bu kayıtları silmelisiniz."));
    QVERIFY(m.hatalar.isEmpty());
}

QTEST_MAIN(tst_hastakodu)
#include "tst_hastakodu.moc"
