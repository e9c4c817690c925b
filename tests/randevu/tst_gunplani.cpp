// The day plan: the slots the parameters give, which appointment fills a
// slot, the third column, and the plan of a real day read in one select.
#include "app/oturum.h"
#include "db/sorgu.h"
#include "destek/betikmesaj.h"
#include "destek/testvt.h"
#include "randevu/gunplani.h"
#include "randevu/randevusorgu.h"

#include <QtTest>

namespace {

QString saatler(const QVector<QTime> &s)
{
    QStringList l;
    for (const QTime &t : s)
        l << t.toString(QStringLiteral("hh:mm"));
    return l.join(QLatin1Char(' '));
}

bool randevuYaz(int no, const QString &durum, const QDateTime &tarih, const QTime &saat,
                const QString &ad, const QString &doktor = QStringLiteral("D1"),
                const QString &sirket = QStringLiteral("2007"))
{
    return Sorgu::calistir(QStringLiteral("insert into randevu (kayitno, sirketkodu, hastakodu, hastaadisoyadi, doktor, "
                                          "doktoradi, randevutarihi, randevusaati, muayeneoldumu, konu) values "
                                          "(?, ?, ?, ?, ?, ?, ?, ?, ?, ?)"),
                           {no, sirket, QStringLiteral("H%1").arg(no), ad, doktor, QStringLiteral("DR. ") + doktor,
                            tarih, RandevuSorgu::SaatDegeri(saat), durum, QStringLiteral("KONU %1").arg(no)});
}

} // namespace

class TestGunPlani : public QObject
{
    Q_OBJECT

private slots:
    void slotlar_data();
    void slotlar();
    void doldur_data();
    void doldur();
    void ucuncuKolon();
    void gununPlani();
    void saatliTarihVeDoktor();
};

void TestGunPlani::slotlar_data()
{
    QTest::addColumn<QString>("bas");
    QTest::addColumn<QString>("son");
    QTest::addColumn<QString>("sayi");
    QTest::addColumn<int>("adet");
    QTest::addColumn<QString>("ilk");
    QTest::addColumn<QString>("sonSlot");
    QTest::addColumn<bool>("mesaj");
    QTest::newRow("09-12 x4: 12 slots") << "09:00" << "12:00" << "4" << 12 << "09:00" << "11:45" << false;
    QTest::newRow("09:30-12 x2: 5 slots, all before the end")
        << "09:30" << "12:00" << "2" << 5 << "09:30" << "11:30" << false;
    QTest::newRow("12:00-12:30 x4: half an hour") << "12:00" << "12:30" << "4" << 2 << "12:00" << "12:15" << false;
    QTest::newRow("end with minutes") << "09:00" << "10:30" << "2" << 3 << "09:00" << "10:00" << false;
    QTest::newRow("plain hours") << "9" << "12" << "4" << 12 << "09:00" << "11:45" << false;
    QTest::newRow("to midnight") << "22:00" << "24" << "1" << 2 << "22:00" << "23:00" << false;
    QTest::newRow("to midnight written 24:00") << "23:00" << "24:00" << "2" << 2 << "23:00" << "23:30" << false;
    QTest::newRow("09-17 x4: 32 slots") << "09:00" << "17:00" << "4" << 32 << "09:00" << "16:45" << false;
    QTest::newRow("x3: 20 minutes apart") << "08:00" << "10:00" << "3" << 6 << "08:00" << "09:40" << false;
    QTest::newRow("x6 whole minutes") << "09:00" << "10:00" << "6" << 6 << "09:00" << "09:50" << false;
    QTest::newRow("x7 rounded to the minute") << "09:00" << "10:00" << "7" << 7 << "09:00" << "09:51" << false;
    QTest::newRow("end before start") << "12:00" << "09:00" << "4" << 0 << "" << "" << true;
    QTest::newRow("end equal to start") << "12:30" << "12:30" << "4" << 0 << "" << "" << true;
    QTest::newRow("end a minute before start") << "12:30" << "12:29" << "4" << 0 << "" << "" << true;
    QTest::newRow("start at midnight's end") << "24:00" << "24:00" << "4" << 0 << "" << "" << true;
    QTest::newRow("60 minutes") << "09:60" << "12:00" << "4" << 0 << "" << "" << true;
    QTest::newRow("0 per hour") << "09:00" << "12:00" << "0" << 0 << "" << "" << true;
    QTest::newRow("per hour not a number") << "09:00" << "12:00" << "dört" << 0 << "" << "" << true;
    QTest::newRow("empty start") << "" << "12:00" << "4" << 0 << "" << "" << true;
    QTest::newRow("start not a time") << "9.00" << "12:00" << "4" << 0 << "" << "" << true;
    QTest::newRow("impossible end") << "09:00" << "25:00" << "4" << 0 << "" << "" << true;
}

void TestGunPlani::slotlar()
{
    QFETCH(QString, bas);
    QFETCH(QString, son);
    QFETCH(QString, sayi);
    QFETCH(int, adet);
    QFETCH(QString, ilk);
    QFETCH(QString, sonSlot);
    QFETCH(bool, mesaj);
    QString hata;
    const QVector<QTime> s = GunPlani::Saatler({bas, son, sayi, QString()}, &hata);
    QCOMPARE(s.size(), adet);
    QCOMPARE(!hata.isEmpty(), mesaj);
    if (adet == 0)
        return;
    QCOMPARE(s.first().toString(QStringLiteral("hh:mm")), ilk);
    QCOMPARE(s.last().toString(QStringLiteral("hh:mm")), sonSlot);
    for (const QTime &t : s) {
        QCOMPARE(t.second(), 0);
        QCOMPARE(t.msec(), 0);
    }
}

void TestGunPlani::doldur_data()
{
    QTest::addColumn<QString>("durumlar"); // status per appointment, all at 09:15, KAYITNO 1, 2, ...
    QTest::addColumn<QString>("beklenen"); // patient shown at 09:15
    QTest::newRow("waiting fills") << "HAYIR" << "HASTA 1";
    QTest::newRow("cancelled leaves it free") << "İPTAL" << "";
    QTest::newRow("done leaves it free") << "EVET" << "";
    QTest::newRow("empty status leaves it free") << "" << "";
    QTest::newRow("two waiting: the first booked") << "HAYIR,HAYIR" << "HASTA 1";
    QTest::newRow("cancelled then waiting") << "İPTAL,HAYIR" << "HASTA 2";
}

void TestGunPlani::doldur()
{
    QFETCH(QString, durumlar);
    QFETCH(QString, beklenen);
    const QVector<QTime> s = GunPlani::Saatler({QStringLiteral("09:00"), QStringLiteral("10:00"),
                                                QStringLiteral("4"), QString()},
                                               nullptr);
    QVector<GunPlani::Randevu> r;
    const QStringList d = durumlar.split(QLatin1Char(','));
    // Given in reverse order: the order of the rows must not decide.
    for (int i = int(d.size()); i >= 1; --i)
        r << GunPlani::Randevu{i, QTime(9, 15), d.at(i - 1), QStringLiteral("HASTA %1").arg(i), QStringLiteral("X")};
    const QVector<GunPlani::Satir> p = GunPlani::Doldur(s, r);
    QCOMPARE(p.size(), 4);
    QCOMPARE(p.at(1).saat, QTime(9, 15));
    QCOMPARE(p.at(1).hastaAdi, beklenen);
    for (int i : {0, 2, 3})
        QVERIFY(p.at(i).hastaAdi.isEmpty());
}

void TestGunPlani::ucuncuKolon()
{
    QString hata;
    QCOMPARE(GunPlani::Kolon({{}, {}, {}, QString()}, &hata), QStringLiteral("DOKTORADI"));
    QVERIFY(hata.isEmpty());
    QCOMPARE(GunPlani::Kolon({{}, {}, {}, QStringLiteral("konu")}, &hata), QStringLiteral("KONU"));
    QVERIFY(hata.isEmpty());
    QCOMPARE(GunPlani::Kolon({{}, {}, {}, QStringLiteral("DOKTORADI; delete from randevu")}, &hata), QString());
    QVERIFY(hata.contains(QStringLiteral("parametresi 11")));
    QCOMPARE(GunPlani::Kolon({{}, {}, {}, QStringLiteral("ADRES")}, &hata), QString());
    QVERIFY(!hata.isEmpty());
}

void TestGunPlani::gununPlani()
{
    TEST_VT(vt);
    BetikMesaj m;
    const QDate gun(2026, 3, 16);
    const QDateTime g(gun, QTime(0, 0));
    QVERIFY(randevuYaz(1, QStringLiteral("HAYIR"), g, QTime(9, 0), QStringLiteral("AYŞE YILMAZ")));
    QVERIFY(randevuYaz(2, QStringLiteral("İPTAL"), g, QTime(9, 15), QStringLiteral("İPTAL EDEN")));
    QVERIFY(randevuYaz(3, QStringLiteral("EVET"), g, QTime(9, 30), QStringLiteral("GELMİŞ OLAN")));
    QVERIFY(randevuYaz(5, QStringLiteral("HAYIR"), g, QTime(10, 0), QStringLiteral("İKİNCİ KAYIT")));
    QVERIFY(randevuYaz(4, QStringLiteral("HAYIR"), g, QTime(10, 0), QStringLiteral("ÖNCE KAYDOLAN")));
    QVERIFY(randevuYaz(6, QStringLiteral("HAYIR"), g.addDays(1), QTime(9, 0), QStringLiteral("ERTESİ GÜN")));
    QVERIFY(randevuYaz(7, QStringLiteral("HAYIR"), g, QTime(9, 0), QStringLiteral("BAŞKA ŞİRKET"),
                       QStringLiteral("D1"), QStringLiteral("2008")));
    QVERIFY(randevuYaz(8, QStringLiteral("HAYIR"), g, QTime(11, 50), QStringLiteral("ARA SAATTE")));

    const GunPlani::Ayar a{QStringLiteral("09:00"), QStringLiteral("12:00"), QStringLiteral("4"), QString()};
    const GunPlani::Sonuc s = GunPlani::Olustur(a, gun, QStringLiteral("2007"), QString());
    QVERIFY(s.hata.isEmpty());
    QCOMPARE(s.sorguSayisi, 1);
    QCOMPARE(s.kolon, QStringLiteral("DOKTORADI"));
    QCOMPARE(s.satirlar.size(), 12);
    QStringList adlar;
    for (const GunPlani::Satir &x : s.satirlar)
        adlar << x.hastaAdi;
    QCOMPARE(adlar.at(0), QStringLiteral("AYŞE YILMAZ"));
    QCOMPARE(s.satirlar.at(0).aciklama, QStringLiteral("DR. D1"));
    QCOMPARE(adlar.at(1), QString()); // cancelled
    QCOMPARE(adlar.at(2), QString()); // done
    QCOMPARE(adlar.at(4), QStringLiteral("ÖNCE KAYDOLAN"));
    QCOMPARE(adlar.filter(QStringLiteral("ERTESİ")).size(), 0);
    QCOMPARE(adlar.filter(QStringLiteral("BAŞKA")).size(), 0);
    QCOMPARE(adlar.filter(QStringLiteral("ARA SAATTE")).size(), 0); // 11:50 is no slot

    // Parameter 11: another column of the appointment.
    const GunPlani::Sonuc k = GunPlani::Olustur({a.baslangic, a.bitis, a.saattekiSayi, QStringLiteral("KONU")}, gun,
                                                QStringLiteral("2007"), QString());
    QCOMPARE(k.kolon, QStringLiteral("KONU"));
    QCOMPARE(k.satirlar.at(0).aciklama, QStringLiteral("KONU 1"));

    // Parameters that make no sense: a message, no row and no select.
    const GunPlani::Sonuc b = GunPlani::Olustur({QStringLiteral("12:00"), QStringLiteral("09:00"), QStringLiteral("4"),
                                                 QString()},
                                                gun, QStringLiteral("2007"), QString());
    QVERIFY(!b.hata.isEmpty());
    QVERIFY(b.satirlar.isEmpty());
    QCOMPARE(b.sorguSayisi, 0);
    QVERIFY(m.mesajlar.isEmpty());
}

void TestGunPlani::saatliTarihVeDoktor()
{
    TEST_VT(vt);
    BetikMesaj m;
    const QDate gun(2026, 3, 17);
    // A date stored with a time of day still belongs to its day.
    QVERIFY(randevuYaz(1, QStringLiteral("HAYIR"), QDateTime(gun, QTime(14, 20)), QTime(9, 0),
                       QStringLiteral("SAATLİ TARİH"), QStringLiteral("D1")));
    QVERIFY(randevuYaz(2, QStringLiteral("HAYIR"), QDateTime(gun, QTime(0, 0)), QTime(9, 15),
                       QStringLiteral("DOKTOR İKİ"), QStringLiteral("D2")));
    const GunPlani::Ayar a{QStringLiteral("09:00"), QStringLiteral("10:00"), QStringLiteral("4"), QString()};
    const auto hepsi = GunPlani::Olustur(a, gun, QStringLiteral("2007"), QString());
    QCOMPARE(saatler([&] {
                 QVector<QTime> t;
                 for (const auto &s : hepsi.satirlar)
                     t << s.saat;
                 return t;
             }()),
             QStringLiteral("09:00 09:15 09:30 09:45"));
    QCOMPARE(hepsi.satirlar.at(0).hastaAdi, QStringLiteral("SAATLİ TARİH"));
    QCOMPARE(hepsi.satirlar.at(1).hastaAdi, QStringLiteral("DOKTOR İKİ"));
    const auto d2 = GunPlani::Olustur(a, gun, QStringLiteral("2007"), QStringLiteral("D2"));
    QCOMPARE(d2.satirlar.at(0).hastaAdi, QString());
    QCOMPARE(d2.satirlar.at(1).hastaAdi, QStringLiteral("DOKTOR İKİ"));
}

QTEST_MAIN(TestGunPlani)
#include "tst_gunplani.moc"
