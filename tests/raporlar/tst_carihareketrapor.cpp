// The account movement report's figures against the ledger: rounding, the
// balance conditions, the previous balance, the balance lists per currency
// and the repair of amounts with more than two decimals.
#include "../cari/caritestdestek.h"
#include "raporlar/carihareketrapor.h"
#include "raporlar/motor/rapor.h"
#include "destek/testvt.h"

#include <QtTest>

using namespace CariHareketRapor;

namespace {
QString hesapFiltresi(const QString &kod)
{
    return QStringLiteral(" and sirketkodu =") + SqlQuote(Oturum.sirketkodu) + QStringLiteral(" and carikod =")
           + SqlQuote(kod);
}

qint64 satir(const QString &kod, const QString &unvan, double borc, double alacak, const QDate &tarih,
             const QString &pb = QStringLiteral("YTL"))
{
    CariTest::Hareket h;
    h.kod = kod;
    h.unvan = unvan;
    h.borc = borc;
    h.alacak = alacak;
    h.tarih = h.vade = tarih;
    h.paraBirimi = pb;
    return CariTest::hareketEkle(h);
}
} // namespace

class tst_carihareketrapor : public QObject
{
    Q_OBJECT
private slots:
    void yuvarlama_data();
    void yuvarlama();
    void having_data();
    void having();
    void tutarOku_data();
    void tutarOku();
    void havingVeritabaninda();
    void oncekiBakiye();
    void paraBirimiBasina();
    void kusuratDuzelt();
};

void tst_carihareketrapor::yuvarlama_data()
{
    QTest::addColumn<double>("tutar");
    QTest::addColumn<double>("beklenen");
    QTest::addColumn<QString>("taraf");
    QTest::newRow("10,006") << 10.006 << 10.01 << "Borc";
    QTest::newRow("10,004") << 10.004 << 10.00 << "Borc";
    QTest::newRow("10,005") << 10.005 << 10.01 << "Borc";
    QTest::newRow("sifir") << 0.0 << 0.0 << "Sıfır";
    QTest::newRow("artik") << 1e-13 << 0.0 << "Sıfır";
    QTest::newRow("eksi artik") << -0.004 << 0.0 << "Sıfır";
    QTest::newRow("eksi") << -30.126 << -30.13 << "Alacak";
}

void tst_carihareketrapor::yuvarlama()
{
    QFETCH(double, tutar);
    QFETCH(double, beklenen);
    QFETCH(QString, taraf);
    QCOMPARE(KurusaYuvarla(tutar), beklenen);
    QCOMPARE(Taraf(tutar), taraf);
    if (taraf == QStringLiteral("Sıfır"))
        QCOMPARE(ToplamMetni(tutar), QStringLiteral("0"));
}

void tst_carihareketrapor::having_data()
{
    QTest::addColumn<QString>("tutar");
    QTest::addColumn<QString>("secim");
    QTest::addColumn<bool>("sifirOlmayan");
    QTest::addColumn<QString>("beklenen");
    QTest::newRow("hicbiri") << "" << "B" << false << "";
    QTest::newRow("buyuk") << "1000" << "B" << false << " HAVING (SUM(BORC)-SUM(ALACAK)) >1000 ";
    QTest::newRow("kucuk") << "5" << "K" << false << " HAVING (SUM(BORC)-SUM(ALACAK)) <5 ";
    QTest::newRow("esit") << "5" << "E" << false << " HAVING (SUM(BORC)-SUM(ALACAK)) =5 ";
    QTest::newRow("turkce kesirli") << "12,5" << "E" << false << " HAVING (SUM(BORC)-SUM(ALACAK)) =12.5 ";
    QTest::newRow("sifir olmayan") << "" << "K" << true << " HAVING (SUM(BORC)-SUM(ALACAK)) <>0 ";
    QTest::newRow("ikisi") << "1000" << "B" << true
                           << " HAVING (SUM(BORC)-SUM(ALACAK)) >1000 AND (SUM(BORC)-SUM(ALACAK)) <>0 ";
}

void tst_carihareketrapor::having()
{
    QFETCH(QString, tutar);
    QFETCH(QString, secim);
    QFETCH(bool, sifirOlmayan);
    QFETCH(QString, beklenen);
    std::optional<double> t;
    if (!tutar.isEmpty()) {
        double d = 0;
        QVERIFY(TutarOku(tutar, &d));
        t = d;
    }
    QCOMPARE(HavingMetni(t, secim, sifirOlmayan), beklenen);
}

void tst_carihareketrapor::tutarOku_data()
{
    QTest::addColumn<QString>("metin");
    QTest::addColumn<bool>("sayi");
    QTest::addColumn<double>("beklenen");
    QTest::newRow("virgullu") << "12,5" << true << 12.5;
    QTest::newRow("binlikli") << "1.250,50" << true << 1250.5;
    QTest::newRow("noktali") << "12.5" << true << 12.5;
    QTest::newRow("tam") << " 40 " << true << 40.0;
    QTest::newRow("eksi") << "-3,25" << true << -3.25;
    QTest::newRow("yazi") << "on iki" << false << 0.0;
    QTest::newRow("iki virgul") << "1,2,3" << false << 0.0;
    QTest::newRow("bos") << "" << false << 0.0;
}

void tst_carihareketrapor::tutarOku()
{
    QFETCH(QString, metin);
    QFETCH(bool, sayi);
    QFETCH(double, beklenen);
    double d = -1;
    QCOMPARE(TutarOku(metin, &d), sayi);
    if (sayi)
        QCOMPARE(d, beklenen);
}

void tst_carihareketrapor::havingVeritabaninda()
{
    TEST_VT(vt);
    const QDate g(2008, 2, 1);
    QVERIFY(satir("A", "ALİ", 1500, 0, g));
    QVERIFY(satir("B", "BORA", 200, 200, g));
    QVERIFY(satir("C", "CEM", 0, 50, g));
    QVERIFY(satir("D", "DENİZ", 900, 0, g));
    const QString f = QStringLiteral(" and sirketkodu =") + SqlQuote(Oturum.sirketkodu);
    struct Durum { std::optional<double> tutar; QString secim; bool sifir; QStringList kodlar; };
    const QList<Durum> durumlar = {
        {std::nullopt, QStringLiteral("B"), true, {"A", "C", "D"}},
        {1000.0, QStringLiteral("B"), false, {"A"}},
        {0.0, QStringLiteral("E"), false, {"B"}},
        {899.5, QStringLiteral("B"), false, {"A", "D"}},
        // both at once: one HAVING joined with AND, which the database accepts
        {1000.0, QStringLiteral("K"), true, {"C", "D"}},
    };
    for (const Durum &d : durumlar) {
        const auto s = Sorgu::sec(ListeSql(Liste::BorcAlacak, f, HavingMetni(d.tutar, d.secim, d.sifir)));
        QVERIFY(s);
        QStringList kodlar;
        for (int i = 0; i < s->satirlar.size(); ++i)
            kodlar << s->deger(i, QStringLiteral("CARIKOD")).toString();
        kodlar.sort();
        QCOMPARE(kodlar, d.kodlar);
    }
}

void tst_carihareketrapor::oncekiBakiye()
{
    TEST_VT(vt);
    QVERIFY(satir("A", "ALİ", 100, 0, QDate(2008, 2, 1)));
    QVERIFY(satir("A", "ALİ", 0, 30, QDate(2008, 2, 15)));
    QVERIFY(satir("A", "ALİ", 50, 0, QDate(2008, 3, 5)));
    QVERIFY(satir("B", "BORA", 999, 0, QDate(2008, 2, 1)));
    // Posted on the first date itself (at 00:00): in the list, not before it.
    QVERIFY(satir("A", "ALİ", 0, 7, QDate(2008, 3, 1)));
    const QString f = hesapFiltresi(QStringLiteral("A"));
    const QDate ilk(2008, 3, 1);
    const auto once = OncekiBakiye(f, ilk);
    QVERIFY(once);
    QCOMPARE(once->borc, 100.0);
    QCOMPARE(once->alacak, 30.0);
    QCOMPARE(once->bakiye(), 70.0);
    const auto liste = Topla(f + QStringLiteral(" and islemtarihi >=") + SqlTarih(ilk));
    QVERIFY(liste);
    QCOMPARE(liste->borc, 50.0);
    QCOMPARE(liste->alacak, 7.0);
    QCOMPARE(liste->bakiye(), 43.0);
    QCOMPARE(once->borc + liste->borc, 150.0);
    QCOMPARE(once->alacak + liste->alacak, 37.0);
    QCOMPARE(once->bakiye() + liste->bakiye(), 113.0);
    QCOMPARE(Taraf(once->bakiye() + liste->bakiye()), QStringLiteral("Borc"));
    // No first date: nothing lies before it.
    const auto bos = OncekiBakiye(f, QDate());
    QVERIFY(bos);
    QCOMPARE(bos->borc, 0.0);
    QCOMPARE(bos->alacak, 0.0);
    // An empty list sums to zero.
    const auto hic = Topla(hesapFiltresi(QStringLiteral("YOK")));
    QVERIFY(hic);
    QCOMPARE(hic->borc, 0.0);
    QCOMPARE(ToplamMetni(hic->bakiye()), QStringLiteral("0"));
}

void tst_carihareketrapor::paraBirimiBasina()
{
    TEST_VT(vt);
    const QDate g(2008, 2, 1);
    QVERIFY(satir("A", "ALİ", 100, 0, g));
    QVERIFY(satir("A", "ALİ", 40, 10, g));
    QVERIFY(satir("A", "ALİ", 7, 0, g, QStringLiteral("USD")));
    QVERIFY(satir("A", "ALİ YILMAZ", 0, 2, g, QStringLiteral("USD")));
    const QString f = hesapFiltresi(QStringLiteral("A"));
    QCOMPARE(ParaBirimiSayisi(f), std::optional<int>(2));
    for (const Liste l : {Liste::BorcAlacak, Liste::OzelKod2BorcAlacak, Liste::IslemCinsi, Liste::IslemTarihi,
                          Liste::IslemTarihiVeCinsi, Liste::ParaBirimi, Liste::OzelKod1, Liste::OzelKod2}) {
        const auto s = Sorgu::sec(ListeSql(l, f, QString()));
        QVERIFY(s);
        QCOMPARE(s->satirlar.size(), 2);
        // The list's template prints every column it names.
        SorguKaynagi k(*s);
        Rapor r;
        r.baglan(&k);
        QString hata;
        QVERIFY2(r.yukle(ListeSablonu(l), &hata), qPrintable(hata));
        const RaporBelgesi b = r.olustur();
        QVERIFY(!b.bosMu());
        QVERIFY2(b.uyarilar.isEmpty(), qPrintable(b.uyarilar.join(QLatin1Char('\n'))));
        QVERIFY(b.sayfalar[0].metinler().join(QLatin1Char(' ')).contains(QStringLiteral("USD")));
        QHash<QString, QList<double>> pb;
        for (int i = 0; i < 2; ++i)
            pb[s->deger(i, QStringLiteral("PARABIRIMI")).toString()] = {
                s->deger(i, QStringLiteral("TOPLAM_BORC")).toDouble(),
                s->deger(i, QStringLiteral("TOPLAM_ALACAK")).toDouble(), s->deger(i, QStringLiteral("BAKIYE")).toDouble(),
                s->deger(i, QStringLiteral("ADET")).toDouble()};
        QCOMPARE(pb.value(QStringLiteral("YTL")), (QList<double>{140, 10, 130, 2}));
        QCOMPARE(pb.value(QStringLiteral("USD")), (QList<double>{7, 2, 5, 2}));
    }
    // One account code is one group whatever spellings of the title it has.
    const auto s = Sorgu::sec(ListeSql(Liste::BorcAlacak, f + QStringLiteral(" and parabirimi ='USD'"), QString()));
    QVERIFY(s);
    QCOMPARE(s->satirlar.size(), 1);
}

void tst_carihareketrapor::kusuratDuzelt()
{
    TEST_VT(vt);
    const QDate g(2008, 2, 1);
    const qint64 a = satir("A", "ALİ", 10.006, 0, g);
    const qint64 b = satir("A", "ALİ", 10.004, 0, g);
    const qint64 c = satir("A", "ALİ", 0, 5.5, g);
    const qint64 d = satir("B", "BORA", 3.333, 0, g);
    QVERIFY(a && b && c && d);
    QVERIFY(Sorgu::calistir(QStringLiteral("update cari_hareket set aciklama = 'ESKİ' where kayitno = ?"), {a}));
    const QString select = QStringLiteral("select * from cari_hareket where 1=1 ") + hesapFiltresi(QStringLiteral("A"))
                           + QStringLiteral("  order by cari_hareket.Borc");
    // Someone changes a row's text after the list was read; the repair must keep it.
    QVERIFY(Sorgu::calistir(QStringLiteral("update cari_hareket set aciklama = 'YENİ' where kayitno = ?"), {a}));
    QCOMPARE(KusuratlariDuzelt(select), std::optional<int>(2));
    const auto s = Sorgu::sec(QStringLiteral("select kayitno, borc, alacak, aciklama from cari_hareket order by kayitno"));
    QVERIFY(s);
    QHash<qint64, QVariantList> r;
    for (const QVariantList &x : s->satirlar)
        r[x[0].toLongLong()] = x;
    QCOMPARE(r[a][1].toDouble(), 10.01);
    QCOMPARE(r[a][3].toString(), QStringLiteral("YENİ"));
    QCOMPARE(r[b][1].toDouble(), 10.0);
    QCOMPARE(r[c][1].toDouble(), 0.0);
    QCOMPARE(r[c][2].toDouble(), 5.5);
    QCOMPARE(r[d][1].toDouble(), 3.333); // not in the list
    // Run again: nothing left to change.
    QCOMPARE(KusuratlariDuzelt(select), std::optional<int>(0));
}

QTEST_MAIN(tst_carihareketrapor)
#include "tst_carihareketrapor.moc"
