// The account engine: totals and the balance side from an aggregate over the
// rows of a list filter, the special-code operator, Turkish amounts, the
// running balance, the administrator code.
#include "cari/carihesap.h"
#include "caritestdestek.h"
#include "destek/betikmesaj.h"
#include "destek/testvt.h"

#include <QCryptographicHash>
#include <QPasswordDigestor>
#include <QtTest>

using namespace CariHesap;
using namespace CariTest;

struct Satir
{
    double borc, alacak;
    const char *pb;
    int vadeGun; // due date: today + vadeGun
};
Q_DECLARE_METATYPE(QList<Satir>)

class tst_carihesap : public QObject
{
    Q_OBJECT
private slots:
    void toplamlar_data();
    void toplamlar();
    void baskaHesapVeSirketSayilmaz();
    void paraBirimsizSatirYtlSayilir();
    void paraBirimiSayisi();
    void ozelKod_data();
    void ozelKod();
    void ozelKodMesajlari();
    void tutarOku_data();
    void tutarOku();
    void selectFiltresi_data();
    void selectFiltresi();
    void bakiyeGuncelle();
    void yoneticiKodu();
    void eskiYoneticiKodu();
    void ozet();
};

void tst_carihesap::toplamlar_data()
{
    QTest::addColumn<QList<Satir>>("satirlar");
    QTest::addColumn<QString>("secili");       // currency of the selected row
    QTest::addColumn<bool>("vadesiGelmemis");
    QTest::addColumn<QString>("tBorc");
    QTest::addColumn<QString>("tAlacak");
    QTest::addColumn<QString>("bakiye");
    QTest::addColumn<QString>("taraf");
    QTest::addColumn<QString>("paraBirimi");

    using L = QList<Satir>;
    QTest::newRow("bakiye sıfır") << L{{100, 0, "YTL", 0}, {0, 100, "YTL", 0}} << "YTL" << false << "100,00"
                                  << "100,00" << "0" << "Sıfır" << "YTL";
    QTest::newRow("alacak 150,50") << L{{100, 0, "YTL", 0}, {0, 250.5, "YTL", 0}} << "YTL" << false << "100,00"
                                   << "250,50" << "150,50" << "Alacak" << "YTL";
    QTest::newRow("borc binlik") << L{{1250.5, 0, "YTL", 0}, {0, 0, "YTL", 0}} << "YTL" << false << "1.250,50"
                                 << "0" << "1.250,50" << "Borc" << "YTL";
    QTest::newRow("hepsi USD") << L{{40, 0, "USD", 0}, {0, 10, "USD", 0}} << "USD" << false << "40,00" << "10,00"
                               << "30,00" << "Borc" << "USD";
    QTest::newRow("karışık: YTL satırı") << L{{40, 0, "USD", 0}, {70, 0, "YTL", 0}} << "YTL" << false << "70,00"
                                         << "0" << "70,00" << "Borc" << "YTL";
    QTest::newRow("karışık: USD satırı") << L{{40, 0, "USD", 0}, {70, 0, "YTL", 0}} << "USD" << false << "40,00"
                                         << "0" << "40,00" << "Borc" << "USD";
    QTest::newRow("boş para birimi YTL sayılır") << L{{5, 0, "YTL", 0}} << "" << false << "5,00" << "0" << "5,00"
                                                 << "Borc" << "YTL";
    QTest::newRow("vadesi yarın: katılmaz") << L{{100, 0, "YTL", 0}, {300, 0, "YTL", 1}} << "YTL" << true
                                            << "100,00" << "0" << "100,00" << "Borc" << "YTL";
    QTest::newRow("vadesi yarın: işaretsiz katılır") << L{{100, 0, "YTL", 0}, {300, 0, "YTL", 1}} << "YTL" << false
                                                     << "400,00" << "0" << "400,00" << "Borc" << "YTL";
    QTest::newRow("vadesi geçmiş katılır") << L{{100, 0, "YTL", -3}, {0, 30, "YTL", 0}} << "YTL" << true
                                           << "100,00" << "30,00" << "70,00" << "Borc" << "YTL";
    QTest::newRow("hareketsiz hesap") << L{} << "YTL" << false << "0" << "0" << "0" << "Sıfır" << "YTL";
    QTest::newRow("kuruş artığı sıfırdır") << L{{0.1, 0, "YTL", 0}, {0.2, 0, "YTL", 0}, {0, 0.3, "YTL", 0}} << "YTL"
                                           << false << "0,30" << "0,30" << "0" << "Sıfır" << "YTL";
}

void tst_carihesap::toplamlar()
{
    QFETCH(QList<Satir>, satirlar);
    QFETCH(QString, secili);
    QFETCH(bool, vadesiGelmemis);
    TEST_VT(vt);
    BetikMesaj m;
    for (const Satir &s : satirlar) {
        Hareket h;
        h.kod = QStringLiteral("P1");
        h.unvan = QStringLiteral("ALİ");
        h.borc = s.borc;
        h.alacak = s.alacak;
        h.paraBirimi = QString::fromLatin1(s.pb);
        h.vade = QDate::currentDate().addDays(s.vadeGun);
        QVERIFY(hareketEkle(h));
    }
    const auto t = ToplamlariHesapla(HesapFiltresi(QStringLiteral("P1")), secili, vadesiGelmemis);
    QVERIFY(t);
    QTEST(t->borcMetni, "tBorc");
    QTEST(t->alacakMetni, "tAlacak");
    QTEST(t->bakiyeMetni, "bakiye");
    QTEST(t->taraf, "taraf");
    QTEST(t->paraBirimi, "paraBirimi");
    QVERIFY2(m.mesajlar.isEmpty(), qPrintable(m.mesajlar.join('\n')));
}

void tst_carihesap::baskaHesapVeSirketSayilmaz()
{
    TEST_VT(vt);
    BetikMesaj m;
    Hareket h;
    h.kod = QStringLiteral("P1");
    h.borc = 10;
    QVERIFY(hareketEkle(h));
    h.kod = QStringLiteral("P2");
    h.borc = 1000;
    QVERIFY(hareketEkle(h));
    h.kod = QStringLiteral("P1");
    h.sirket = QStringLiteral("9999");
    QVERIFY(hareketEkle(h));
    // A code holding an apostrophe is a literal, not SQL.
    h.kod = QStringLiteral("P'1");
    h.sirket.clear();
    QVERIFY(hareketEkle(h));
    const auto t = ToplamlariHesapla(HesapFiltresi(QStringLiteral("P1")), QStringLiteral("YTL"), false);
    QVERIFY(t);
    QCOMPARE(t->borc, 10.0);
    const auto t2 = ToplamlariHesapla(HesapFiltresi(QStringLiteral("P'1")), QStringLiteral("YTL"), false);
    QVERIFY(t2);
    QVERIFY2(m.hatalar.isEmpty(), qPrintable(m.hatalar.join('\n')));
}

// The posting engine writes no currency (nor did earlier releases): such rows
// are the practice's own money, in the totals and not a second currency.
void tst_carihesap::paraBirimsizSatirYtlSayilir()
{
    TEST_VT(vt);
    BetikMesaj m;
    Hareket h;
    h.kod = QStringLiteral("P1");
    h.borc = 100;
    QVERIFY(hareketEkle(h));
    QVERIFY(Sorgu::calistir(QStringLiteral("update cari_hareket set parabirimi = null")));
    h.borc = 0;
    h.alacak = 30;
    h.paraBirimi = QStringLiteral("YTL");
    QVERIFY(hareketEkle(h));
    const auto t = ToplamlariHesapla(HesapFiltresi(QStringLiteral("P1")), QStringLiteral("YTL"), false);
    QVERIFY(t);
    QCOMPARE(t->borcMetni, QStringLiteral("100,00"));
    QCOMPARE(t->bakiyeMetni, QStringLiteral("70,00"));
    QCOMPARE(ParaBirimiSayisi(HesapFiltresi(QStringLiteral("P1"))).value_or(-1), 1);
}

void tst_carihesap::paraBirimiSayisi()
{
    TEST_VT(vt);
    BetikMesaj m;
    QCOMPARE(ParaBirimiSayisi(HesapFiltresi(QStringLiteral("P1"))).value_or(-1), 0);
    Hareket h;
    h.kod = QStringLiteral("P1");
    h.borc = 1;
    QVERIFY(hareketEkle(h));
    QVERIFY(hareketEkle(h));
    QCOMPARE(ParaBirimiSayisi(HesapFiltresi(QStringLiteral("P1"))).value_or(-1), 1);
    h.paraBirimi = QStringLiteral("EURO");
    QVERIFY(hareketEkle(h));
    QCOMPARE(ParaBirimiSayisi(HesapFiltresi(QStringLiteral("P1"))).value_or(-1), 2);
}

void tst_carihesap::ozelKod_data()
{
    QTest::addColumn<QString>("islem");
    QTest::addColumn<QString>("kod1");
    QTest::addColumn<QString>("kod2");
    QTest::addColumn<int>("tur");
    QTest::addColumn<double>("borc");
    QTest::addColumn<int>("hataliKod");
    using T = OzelKodSonucu::Tur;
    QTest::newRow("TOPLA 40 60") << "TOPLA" << "40" << "60" << int(T::Hesaplandi) << 100.0 << 0;
    QTest::newRow("ÇARP 4 2,5") << "ÇARP" << "4" << "2,5" << int(T::Hesaplandi) << 10.0 << 0;
    QTest::newRow("BÖL 10 4") << "BÖL" << "10" << "4" << int(T::Hesaplandi) << 2.5 << 0;
    QTest::newRow("ÇIKAR 100 40") << "ÇIKAR" << "100" << "40" << int(T::Hesaplandi) << 60.0 << 0;
    QTest::newRow("TOPLA binlik") << "TOPLA" << "1.000,5" << "0,5" << int(T::Hesaplandi) << 1001.0 << 0;
    QTest::newRow("YOK") << "YOK" << "40" << "60" << int(T::Yok) << 0.0 << 0;
    QTest::newRow("boş parametre") << "" << "40" << "60" << int(T::Yok) << 0.0 << 0;
    QTest::newRow("küçük harf bir işlem değil") << "topla" << "40" << "60" << int(T::Yok) << 0.0 << 0;
    QTest::newRow("BÖL sıfıra") << "BÖL" << "10" << "0" << int(T::SifiraBolme) << 0.0 << 2;
    QTest::newRow("BÖL sıfıra (0,00)") << "BÖL" << "10" << "0,00" << int(T::SifiraBolme) << 0.0 << 2;
    QTest::newRow("sayı olmayan kod 1") << "BÖL" << "ABC" << "2" << int(T::SayiDegil) << 0.0 << 1;
    QTest::newRow("sayı olmayan kod 2") << "TOPLA" << "2" << "DR. AYŞE" << int(T::SayiDegil) << 0.0 << 2;
    QTest::newRow("boş kod sessiz") << "BÖL" << "" << "5" << int(T::BosKod) << 0.0 << 0;
    QTest::newRow("boşluklu kod sessiz") << "ÇARP" << "5" << "  " << int(T::BosKod) << 0.0 << 0;
}

void tst_carihesap::ozelKod()
{
    QFETCH(QString, islem);
    QFETCH(QString, kod1);
    QFETCH(QString, kod2);
    QFETCH(int, tur);
    QFETCH(double, borc);
    QFETCH(int, hataliKod);
    const OzelKodSonucu s = OzelKodIslemi(islem, kod1, kod2);
    QCOMPARE(int(s.tur), tur);
    QCOMPARE(s.hataliKod, hataliKod);
    if (s.tur == OzelKodSonucu::Tur::Hesaplandi)
        QCOMPARE(s.borc, borc);
    // Only a code that cannot be computed with is told about.
    const bool mesajli = s.tur == OzelKodSonucu::Tur::SayiDegil || s.tur == OzelKodSonucu::Tur::SifiraBolme;
    QCOMPARE(!OzelKodMesaji(s, QStringLiteral("Özel kod 1"), QStringLiteral("Özel kod 2 ")).isEmpty(), mesajli);
}

void tst_carihesap::ozelKodMesajlari()
{
    QCOMPARE(OzelKodMesaji(OzelKodIslemi(QStringLiteral("BÖL"), QStringLiteral("10"), QStringLiteral("0")),
                           QStringLiteral("Adet"), QStringLiteral("Fiyat")),
             QStringLiteral("Fiyat sıfır: sıfıra bölünemez. Borc hesaplanmadı."));
    QCOMPARE(OzelKodMesaji(OzelKodIslemi(QStringLiteral("ÇARP"), QStringLiteral("on"), QStringLiteral("2")),
                           QStringLiteral("Adet"), QStringLiteral("Fiyat")),
             QStringLiteral("Adet bir sayı olmalı. Borc hesaplanmadı."));
    QVERIFY(OzelKodlarSifirlaBaslar(QString()));
    QVERIFY(OzelKodlarSifirlaBaslar(QStringLiteral("TOPLA")));
    QVERIFY(!OzelKodlarSifirlaBaslar(QStringLiteral("YOK")));
}

void tst_carihesap::tutarOku_data()
{
    QTest::addColumn<QString>("metin");
    QTest::addColumn<bool>("sayi");
    QTest::addColumn<double>("deger");
    QTest::newRow("1.250,50") << "1.250,50" << true << 1250.5;
    QTest::newRow("250,5") << "250,5" << true << 250.5;
    QTest::newRow("300") << "300" << true << 300.0;
    QTest::newRow("noktalı ondalık") << "1250.5" << true << 1250.5;
    QTest::newRow("boşluklu") << "  75,25 " << true << 75.25;
    QTest::newRow("boş") << "" << false << 0.0;
    QTest::newRow("harf") << "on lira" << false << 0.0;
}

void tst_carihesap::tutarOku()
{
    QFETCH(QString, metin);
    QFETCH(bool, sayi);
    QFETCH(double, deger);
    const auto t = TutarOku(metin);
    QCOMPARE(t.has_value(), sayi);
    if (sayi)
        QCOMPARE(*t, deger);
}

void tst_carihesap::selectFiltresi_data()
{
    QTest::addColumn<QString>("select");
    QTest::addColumn<QString>("filtre");
    QTest::newRow("açılış") << "select * from cari_hareket where 1=1  and carikod ='P1' and sirketkodu ='2007'  "
                               "order by cari_hareket.islemtarihi,cari_hareket.kayitno"
                            << " and carikod ='P1' and sirketkodu ='2007' ";
    QTest::newRow("sıralamasız") << "select * from cari_hareket where 1=1  and carikod ='P1' "
                                 << " and carikod ='P1' ";
    QTest::newRow("değerde order by") << "select * from cari_hareket where 1=1  and carikod ='order by x'  "
                                         "order by cari_hareket.borc"
                                      << " and carikod ='order by x' ";
    QTest::newRow("başka biçim") << "select kayitno from cari_hareket" << "";
}

void tst_carihesap::selectFiltresi()
{
    QFETCH(QString, select);
    QTEST(SelectFiltresi(select), "filtre");
}

void tst_carihesap::bakiyeGuncelle()
{
    TEST_VT(vt);
    BetikMesaj m;
    const QDate bugun = QDate::currentDate();
    Hareket h;
    h.kod = QStringLiteral("P1");
    h.tarih = bugun.addDays(-2);
    h.borc = 100;
    const qint64 a = hareketEkle(h);
    h.tarih = bugun;
    h.borc = 0;
    h.alacak = 30;
    const qint64 c = hareketEkle(h);
    h.tarih = bugun.addDays(-1);
    h.borc = 50;
    h.alacak = 0;
    const qint64 b = hareketEkle(h);
    h.kod = QStringLiteral("P2");
    const qint64 baska = hareketEkle(h);
    QVERIFY(a && b && c && baska);
    const QString sql = QStringLiteral("select * from cari_hareket where 1=1 ") + HesapFiltresi(QStringLiteral("P1"))
                        + QStringLiteral("  order by cari_hareket.islemtarihi,cari_hareket.kayitno");
    QCOMPARE(BakiyeGuncelle(sql).value_or(-1), 3);
    auto bakiye = [](qint64 no) { return deger(QStringLiteral("select bakiye from cari_hareket where kayitno = ?"), {no}); };
    QCOMPARE(bakiye(a).toDouble(), 100.0);
    QCOMPARE(bakiye(b).toDouble(), 150.0);
    QCOMPARE(bakiye(c).toDouble(), 120.0);
    QVERIFY(bakiye(baska).isNull());
    // In the order of the list: by debit amount the last row is the 100.
    const QString borcSirasi = QStringLiteral("select * from cari_hareket where 1=1 ")
                               + HesapFiltresi(QStringLiteral("P1")) + QStringLiteral("  order by cari_hareket.Borc");
    QCOMPARE(BakiyeGuncelle(borcSirasi).value_or(-1), 3);
    QCOMPARE(bakiye(c).toDouble(), -30.0);
    QCOMPARE(bakiye(b).toDouble(), 20.0);
    QCOMPARE(bakiye(a).toDouble(), 120.0);
    QVERIFY2(m.mesajlar.isEmpty(), qPrintable(m.mesajlar.join('\n')));
}

void tst_carihesap::yoneticiKodu()
{
    TEST_VT(vt);
    BetikMesaj m;
    QVERIFY(YoneticiKodu::dogrula(QStringLiteral("QX580417")));
    QVERIFY(!YoneticiKodu::dogrula(QStringLiteral("qx580417")));
    QVERIFY(!YoneticiKodu::dogrula(QStringLiteral("######")));
    QVERIFY(!YoneticiKodu::dogrula(QString()));
    QVERIFY(YoneticiKodu::degistir(QStringLiteral("KLİNİK-2026")));
    QVERIFY(!YoneticiKodu::dogrula(QStringLiteral("QX580417")));
    QVERIFY(YoneticiKodu::dogrula(QStringLiteral("KLİNİK-2026")));
    // Stored as a hash: the code itself is nowhere in the table.
    const QString saklanan = deger(QStringLiteral("select kodozeti from yoneticikodlari where sirketkodu = '2007'")).toString();
    QVERIFY(!saklanan.isEmpty());
    QVERIFY(!saklanan.contains(QStringLiteral("KLİNİK")));
    // Changed again: one row per company.
    QVERIFY(YoneticiKodu::degistir(QStringLiteral("YENI-KOD-1")));
    QCOMPARE(deger(QStringLiteral("select count(*) from yoneticikodlari")).toInt(), 1);
    QVERIFY(YoneticiKodu::dogrula(QStringLiteral("YENI-KOD-1")));
    // Another company keeps the fixed code.
    const QString sirket = Oturum.sirketkodu;
    Oturum.sirketkodu = QStringLiteral("9999");
    QVERIFY(YoneticiKodu::dogrula(QStringLiteral("QX580417")));
    Oturum.sirketkodu = sirket;
    QVERIFY2(m.mesajlar.isEmpty(), qPrintable(m.mesajlar.join('\n')));
}

// A code an earlier release stored as PBKDF2-SHA256 is still accepted and is
// stored again as Argon2id at its first correct entry; a wrong one changes nothing.
void tst_carihesap::eskiYoneticiKodu()
{
    TEST_VT(vt);
    BetikMesaj m;
    const QByteArray tuz = QByteArray::fromHex("00112233445566778899aabbccddeeff");
    const QByteArray anahtar = QPasswordDigestor::deriveKeyPbkdf2(QCryptographicHash::Sha256, QByteArray("ESKİ-KOD"),
                                                                  tuz, 20000, 32);
    const QString eski = QStringLiteral("pbkdf2-sha256$20000$") + QString::fromLatin1(tuz.toHex()) + QLatin1Char('$')
                         + QString::fromLatin1(anahtar.toHex());
    QVERIFY(Sorgu::calistir(QStringLiteral("insert into yoneticikodlari (sirketkodu, kodozeti) values (?, ?)"),
                            {Oturum.sirketkodu, eski}));
    auto saklanan = [] {
        return deger(QStringLiteral("select kodozeti from yoneticikodlari where sirketkodu = '2007'")).toString();
    };
    QVERIFY(!YoneticiKodu::dogrula(QStringLiteral("YANLIŞ")));
    QVERIFY(!YoneticiKodu::dogrula(QStringLiteral("QX580417")));
    QCOMPARE(saklanan(), eski);
    QVERIFY(YoneticiKodu::dogrula(QStringLiteral("ESKİ-KOD")));
    QVERIFY2(saklanan().startsWith(QStringLiteral("$argon2id$")), qPrintable(saklanan()));
    QVERIFY(YoneticiKodu::dogrula(QStringLiteral("ESKİ-KOD")));
    QVERIFY(!YoneticiKodu::dogrula(QStringLiteral("eski-kod")));
    QVERIFY2(m.mesajlar.isEmpty(), qPrintable(m.mesajlar.join('\n')));
}

void tst_carihesap::ozet()
{
    const QString a = YoneticiKodu::ozet(QStringLiteral("ABC123"));
    const QString b = YoneticiKodu::ozet(QStringLiteral("ABC123"));
    QVERIFY(a.startsWith(QStringLiteral("$argon2id$")));
    QVERIFY(a != b); // salted
    QVERIFY(a.size() <= 150);
    QVERIFY(YoneticiKodu::ozetUyar(QStringLiteral("ABC123"), a));
    QVERIFY(YoneticiKodu::ozetUyar(QStringLiteral("ABC123"), b));
    QVERIFY(!YoneticiKodu::ozetUyar(QStringLiteral("ABC124"), a));
    QVERIFY(!YoneticiKodu::ozetUyar(QStringLiteral("ABC123"), QStringLiteral("ABC123")));
    QVERIFY(!YoneticiKodu::ozetUyar(QStringLiteral("ABC123"), QString()));
}

QTEST_MAIN(tst_carihesap)
#include "tst_carihesap.moc"
