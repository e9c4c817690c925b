// Posting of examination fees and doctors' shares: the worked examples to the
// cent, every column of every kind of posting row, general and eye
// examinations with the same number, and a failure in the middle of a
// re-posting, all against the real database.
#include "app/oturum.h"
#include "db/sema.h"
#include "db/sorgu.h"
#include "destek/betikmesaj.h"
#include "destek/testvt.h"
#include "klinik/cariisleme.h"

#include <QDate>
#include <QDateTime>
#include <QtTest>
#include <cmath>

using namespace CariIsleme;

namespace {

const QDateTime Tarih(QDate(2026, 3, 14), QTime(0, 0));

struct MuayeneBilgi
{
    double ucret = 100;
    QString payTuru;
    double payParam = 0;
    double lab = 0;
    double islem = 0;
    QString hastaKodu = QStringLiteral("H0001");
    QString hastaAdi = QStringLiteral("AYŞE YILMAZ");
    QString doktorKodu = QStringLiteral("D01");
    QString doktorAdi = QStringLiteral("DR. İSMAİL ÇAĞLAYANGİL ÖZTÜRKOĞLU"); // longer than OZELKOD2
};

// An examination row of the source with the given number.
bool muayeneYaz(Kaynak k, qint64 no, const MuayeneBilgi &b)
{
    return Sorgu::calistir(QStringLiteral("insert into %1 (kayitno, hastakodu, hastaadisoyadi, doktorkodu, doktoradi, "
                                          "muayenetarihi, %2, laboratuvarucreti, islemtutari, doktorpayturu, "
                                          "doktorpayparam, doktorpaytutari, sirketkodu) "
                                          "values (?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?, 0, ?)")
                               .arg(muayeneTablosu(k), ucretKolonu(k)),
                           {no, b.hastaKodu, b.hastaAdi, b.doktorKodu, b.doktorAdi, Tarih, b.ucret, b.lab, b.islem,
                            b.payTuru.isEmpty() ? QVariant(QMetaType::fromType<QString>()) : QVariant(b.payTuru),
                            b.payParam, Oturum.sirketkodu});
}

// The share a line screen stores with a line, written out here rather than
// taken from the routines under test: a percentage of the fee or the unit
// price, nothing for a line without a fee or without a share kind.
double satirPayi(const QString &payTuru, double payParam, double ucret)
{
    if (ucret <= 0)
        return 0;
    if (payTuru == QStringLiteral("YÜZDE"))
        return ucret * payParam / 100;
    if (payTuru == QStringLiteral("BİRİM FİYAT"))
        return payParam;
    return 0;
}

// An order line (laboratory) or procedure line of the examination; kaynak
// null: a line as earlier releases stored it.
bool satirYaz(SatirTuru tur, qint64 no, double ucret, const QString &payTuru, double payParam, const QVariant &kaynak,
              const QString &hastaKodu = QStringLiteral("H0001"))
{
    const double pay = satirPayi(payTuru, payParam, ucret);
    if (tur == SatirTuru::Laboratuvar)
        return Sorgu::calistir(QStringLiteral("insert into muayene_lab (kayitno, hastakodu, sirketkodu, muayeneno, "
                                              "tetkikkodu, tetkikadi, ucreti, doktorpayturu, doktorpayparam, "
                                              "doktorpaytutari, kaynak) values (gen_id(OTOKOD_MUAYENE_LAB, 1), ?, ?, "
                                              "?, 1, 'HEMOGRAM', ?, ?, ?, ?, ?)"),
                               {hastaKodu, Oturum.sirketkodu, QString::number(no), ucret, payTuru, payParam, pay,
                                kaynak});
    return Sorgu::calistir(QStringLiteral("insert into yapilanislemler (kayitno, hastakodu, sirketkodu, muayeneno, "
                                          "yapilanislem, ucreti, doktorpayturu, doktorpayparam, doktorpaytutari, "
                                          "kaynak) values (gen_id(OTOKOD_YAPILANISLEMLER, 1), ?, ?, ?, 'PANSUMAN', ?, "
                                          "?, ?, ?, ?)"),
                           {hastaKodu, Oturum.sirketkodu, double(no), ucret, payTuru, payParam, pay, kaynak});
}

// The postings of an examination number: ACIKLAMA -> (count, BORC sum, ALACAK sum).
struct Toplam { int adet = 0; double borc = 0, alacak = 0; };
QMap<QString, Toplam> kayitlar(qint64 no)
{
    QMap<QString, Toplam> m;
    const auto s = Sorgu::sec(QStringLiteral("select aciklama, count(*), sum(borc), sum(alacak) from cari_hareket "
                                             "where evrakkayitno = ? group by aciklama"),
                              {double(no)});
    if (!s)
        return m;
    for (const QVariantList &r : s->satirlar)
        m.insert(r[0].toString(), {r[1].toInt(), r[2].toDouble(), r[3].toDouble()});
    return m;
}

double kolon(Kaynak k, qint64 no, const QString &kolonAdi)
{
    const auto v = Sorgu::tekDeger(QStringLiteral("select %1 from %2 where kayitno = ?").arg(kolonAdi, muayeneTablosu(k)),
                                   {no});
    return v ? v->toDouble() : std::nan("");
}

bool kurusu(double a, double b) { return std::llround(a * 100) == std::llround(b * 100); }

} // namespace

class tst_cariisleme : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase() { TestOrtami(); }

    // The worked examples; each routine runs twice (two saves) and still
    // leaves one row of each kind.
    void ornekler_data()
    {
        QTest::addColumn<int>("rutin"); // 0 examination, 1 eye examination, 2 laboratory, 3 procedures
        QTest::addColumn<double>("ucret");
        QTest::addColumn<QString>("payTuru");
        QTest::addColumn<double>("payParam");
        QTest::addColumn<double>("lab");
        QTest::addColumn<QList<double>>("satirlar");
        QTest::addColumn<double>("payTutari");  // DOKTORPAYTUTARI of the examination afterwards
        QTest::addColumn<double>("toplamTutar");
        QTest::addColumn<double>("borc");       // -1: no fee row
        QTest::addColumn<double>("alacak");     // -1: no share row
        const QList<double> yok;
        // The laboratory column alone posts no share: DOKTORPAYTUTARI is what the share rows hold.
        QTest::newRow("ücret 100, YÜZDE 20, lab 50") << 0 << 100.0 << Yuzde << 20.0 << 50.0 << yok << 20.0 << 150.0
                                                     << 100.0 << 20.0;
        QTest::newRow("ücret 100, BİRİM FİYAT 15, lab 50")
            << 0 << 100.0 << BirimFiyat << 15.0 << 50.0 << yok << 15.0 << 150.0 << 100.0 << 15.0;
        QTest::newRow("pay türü yok: 0 alacak yine yazılır") << 0 << 100.0 << QString() << 20.0 << 0.0 << yok << 0.0
                                                             << 100.0 << 100.0 << 0.0;
        QTest::newRow("başka bir pay türü") << 0 << 100.0 << QStringLiteral("yüzde") << 20.0 << 0.0 << yok << 0.0
                                            << 100.0 << 100.0 << 0.0;
        QTest::newRow("ücret 0: kayıt yok") << 0 << 0.0 << Yuzde << 20.0 << 0.0 << yok << 0.0 << 0.0 << -1.0 << -1.0;
        QTest::newRow("kuruşlu ücret, YÜZDE 12.5") << 0 << 133.33 << Yuzde << 12.5 << 0.0 << yok << 16.66625
                                                  << 133.33 << 133.33 << 16.66625;
        QTest::newRow("göz muayenesi YÜZDE 20, lab 50") << 1 << 100.0 << Yuzde << 20.0 << 50.0 << yok << 20.0
                                                        << 150.0 << 100.0 << 20.0;
        QTest::newRow("tetkikler 30+20, YÜZDE 10") << 2 << 0.0 << Yuzde << 10.0 << 0.0 << QList<double>{30, 20}
                                                   << 5.0 << 50.0 << 50.0 << 5.0;
        QTest::newRow("tetkikler 0: iki kayıt da yazılır")
            << 2 << 0.0 << Yuzde << 10.0 << 0.0 << QList<double>{0} << 0.0 << 0.0 << 0.0 << 0.0;
        QTest::newRow("ücret 100 YÜZDE 20 ve tetkik 40, muayene payı henüz işlenmemiş")
            << 2 << 100.0 << Yuzde << 20.0 << 0.0 << QList<double>{40} << 8.0 << 140.0 << 40.0 << 8.0;
        QTest::newRow("işlemler 70+30, BİRİM FİYAT 5") << 3 << 0.0 << BirimFiyat << 5.0 << 0.0
                                                       << QList<double>{70, 30} << 10.0 << 100.0 << 100.0 << 10.0;
        QTest::newRow("işlemler toplamı 0: borç yok") << 3 << 0.0 << Yuzde << 10.0 << 0.0 << QList<double>{0, 0}
                                                      << 0.0 << 0.0 << -1.0 << -1.0;
    }
    void ornekler()
    {
        QFETCH(int, rutin);
        QFETCH(double, ucret);
        QFETCH(QString, payTuru);
        QFETCH(double, payParam);
        QFETCH(double, lab);
        QFETCH(QList<double>, satirlar);
        QFETCH(double, payTutari);
        QFETCH(double, toplamTutar);
        QFETCH(double, borc);
        QFETCH(double, alacak);
        TEST_VT(vt);
        BetikMesaj m;
        const Kaynak k = rutin == 1 ? Kaynak::Goz : Kaynak::Genel;
        const qint64 no = 7;
        MuayeneBilgi b;
        b.ucret = ucret;
        b.payTuru = payTuru;
        b.payParam = payParam;
        b.lab = lab;
        QVERIFY(muayeneYaz(k, no, b));
        const SatirTuru tur = rutin == 3 ? SatirTuru::Islem : SatirTuru::Laboratuvar;
        for (double s : satirlar)
            QVERIFY(satirYaz(tur, no, s, payTuru, payParam, kaynakDegeri(k)));
        // A debit of an earlier posting that the routine must replace.
        for (int i = 0; i < 2; ++i) {
            const bool tamam = rutin < 2 ? cariyeisleme(k, no) : lab_tutari_topla(k, no, tur);
            QVERIFY2(tamam, qPrintable(m.mesajlar.join('\n')));
        }
        QVERIFY2(m.mesajlar.isEmpty(), qPrintable(m.mesajlar.join('\n')));

        const Aciklamalar a = rutin < 2 ? muayeneAciklamalari(k) : satirAciklamalari(k, tur);
        const auto r = kayitlar(no);
        QVERIFY2(kurusu(kolon(k, no, QStringLiteral("doktorpaytutari")), payTutari),
                 qPrintable(QString::number(kolon(k, no, QStringLiteral("doktorpaytutari")), 'f', 6)));
        QVERIFY(kurusu(kolon(k, no, QStringLiteral("toplamtutar")), toplamTutar));
        // Full precision, not rounded to the cent.
        QCOMPARE(kolon(k, no, QStringLiteral("doktorpaytutari")), payTutari);
        if (borc < 0) {
            QVERIFY(!r.contains(a.ucret));
        } else {
            QCOMPARE(r.value(a.ucret).adet, 1);
            QVERIFY(kurusu(r.value(a.ucret).borc, borc));
            QCOMPARE(r.value(a.ucret).alacak, 0.0);
        }
        if (alacak < 0) {
            QVERIFY(!r.contains(a.pay));
        } else {
            QCOMPARE(r.value(a.pay).adet, 1);
            QCOMPARE(r.value(a.pay).alacak, alacak);
            QCOMPARE(r.value(a.pay).borc, 0.0);
        }
        QCOMPARE(r.size(), int(borc >= 0) + int(alacak >= 0));
    }

    // Every kind of posting row, every column of CARI_HAREKET.
    // One examination has one share figure, whichever routine ran last:
    // DOKTORPAYTUTARI is the sum of the share rows posted for it. A line
    // without a fee earns no share, whatever its kind.
    void payTutariKayitlarinToplami()
    {
        TEST_VT(vt);
        BetikMesaj m;
        const qint64 no = 6;
        MuayeneBilgi b;
        b.ucret = 100;
        b.payTuru = BirimFiyat;
        b.payParam = 15;
        QVERIFY(muayeneYaz(Kaynak::Genel, no, b));
        QVERIFY(satirYaz(SatirTuru::Laboratuvar, no, 40, BirimFiyat, 15, QVariant(QMetaType::fromType<QString>())));
        QVERIFY(satirYaz(SatirTuru::Islem, no, 70, BirimFiyat, 15, QVariant(QMetaType::fromType<QString>())));
        QVERIFY(satirYaz(SatirTuru::Islem, no, 0, BirimFiyat, 15, QVariant(QMetaType::fromType<QString>())));
        auto kayitlardaPay = [no] {
            return Sorgu::tekDeger("select coalesce(sum(alacak), 0) from cari_hareket where evrakkayitno = ? "
                                   "and evrakcinsi = 'DR'",
                                   {double(no)})
                ->toDouble();
        };
        const std::function<bool()> adimlar[] = {
            [&] { return cariyeisleme(Kaynak::Genel, no); },
            [&] { return lab_tutari_topla(Kaynak::Genel, no, SatirTuru::Laboratuvar); },
            [&] { return lab_tutari_topla(Kaynak::Genel, no, SatirTuru::Islem); },
            [&] { return cariyeisleme(Kaynak::Genel, no); },
            [&] { return lab_tutari_topla(Kaynak::Genel, no, SatirTuru::Laboratuvar); },
        };
        const double beklenen[] = {15, 30, 45, 45, 45};
        for (size_t i = 0; i < std::size(adimlar); ++i) {
            QVERIFY(adimlar[i]());
            QCOMPARE(kolon(Kaynak::Genel, no, QStringLiteral("doktorpaytutari")), kayitlardaPay());
            QCOMPARE(kayitlardaPay(), beklenen[i]);
        }
        QVERIFY2(m.mesajlar.isEmpty(), qPrintable(m.mesajlar.join('\n')));
        QCOMPARE(topla(BirimFiyat, 15, 0, 15), 0.0);
        QCOMPARE(topla(QStringLiteral("SABİT"), 15, 0, 15), 0.0);
    }

    void satirSutunlari_data()
    {
        QTest::addColumn<int>("kaynak");
        QTest::addColumn<int>("rutin"); // 0 examination, 1 laboratory, 2 procedures
        QTest::addColumn<bool>("hastaSatiri");
        QTest::addColumn<QString>("aciklama");
        QTest::addColumn<QString>("cins");
        QTest::addColumn<double>("tutar");
        const int g = int(Kaynak::Genel), z = int(Kaynak::Goz);
        QTest::newRow("muayene ücreti") << g << 0 << true << "MUAYENE ÜCRETİ" << "MYNE" << 100.0;
        QTest::newRow("muayene payı") << g << 0 << false << "MUAYENE PAYI" << "DR" << 20.0;
        QTest::newRow("göz muayene ücreti") << z << 0 << true << "GÖZ MUAYENE ÜCRETİ" << "MYNE" << 100.0;
        QTest::newRow("göz muayene payı") << z << 0 << false << "GÖZ MUAYENE PAYI" << "DR" << 20.0;
        QTest::newRow("laboratuvar ücreti") << g << 1 << true << "LABORATUVAR ÜCRETİ" << "LAB" << 50.0;
        QTest::newRow("laboratuvar payı") << g << 1 << false << "LABORATUVAR PAYI" << "DR" << 10.0;
        QTest::newRow("işlem ücreti") << g << 2 << true << "İŞLEM ÜCRETİ" << "İŞLM" << 50.0;
        QTest::newRow("işlem payı") << g << 2 << false << "İŞLEM PAYI" << "DR" << 10.0;
        QTest::newRow("göz laboratuvar ücreti") << z << 1 << true << "GÖZ LABORATUVAR ÜCRETİ" << "LAB" << 50.0;
        QTest::newRow("göz laboratuvar payı") << z << 1 << false << "GÖZ LABORATUVAR PAYI" << "DR" << 10.0;
        QTest::newRow("göz işlem ücreti") << z << 2 << true << "GÖZ İŞLEM ÜCRETİ" << "İŞLM" << 50.0;
        QTest::newRow("göz işlem payı") << z << 2 << false << "GÖZ İŞLEM PAYI" << "DR" << 10.0;
    }
    void satirSutunlari()
    {
        QFETCH(int, kaynak);
        QFETCH(int, rutin);
        QFETCH(bool, hastaSatiri);
        QFETCH(QString, aciklama);
        QFETCH(QString, cins);
        QFETCH(double, tutar);
        TEST_VT(vt);
        BetikMesaj m;
        const Kaynak k = Kaynak(kaynak);
        const qint64 no = 41;
        MuayeneBilgi b;
        b.payTuru = Yuzde;
        b.payParam = 20;
        QVERIFY(muayeneYaz(k, no, b));
        if (rutin == 0) {
            QVERIFY(cariyeisleme(k, no));
        } else {
            const SatirTuru tur = rutin == 1 ? SatirTuru::Laboratuvar : SatirTuru::Islem;
            QVERIFY(satirYaz(tur, no, 30, Yuzde, 20, kaynakDegeri(k)));
            QVERIFY(satirYaz(tur, no, 20, Yuzde, 20, kaynakDegeri(k)));
            QVERIFY(lab_tutari_topla(k, no, tur));
        }
        const auto s = Sorgu::sec(QStringLiteral("select * from cari_hareket where aciklama = ?"), {aciklama});
        QVERIFY(s);
        QCOMPARE(s->satirlar.size(), 1);
        const auto genMax = Sorgu::tekDeger(QStringLiteral("select gen_id(AUTOINCCARIHAREKET, 0) from rdb$database"));

        const QDateTime bugun(QDate::currentDate(), QTime(0, 0));
        QMap<QString, QVariant> beklenen = {
            {"CARIKOD", hastaSatiri ? b.hastaKodu : b.doktorKodu},
            {"CARIUNVAN", hastaSatiri ? b.hastaAdi : b.doktorAdi},
            {"EVRAKNO", QStringLiteral("M-41")},
            {"ISLEMTARIHI", Tarih},
            {"ISLEMTURU", hastaSatiri ? QStringLiteral("B.DEKONTU") : QStringLiteral("DR.HAKEDİŞ")},
            {"ACIKLAMA", aciklama},
            {"BORC", hastaSatiri ? tutar : 0.0},
            {"ALACAK", hastaSatiri ? 0.0 : tutar},
            {"VADETARIHI", Tarih},
            // the names cross; a doctor's name is cut to the column's 25 characters
            {"OZELKOD2", hastaSatiri ? b.doktorAdi.left(25) : b.hastaAdi},
            {"EVRAKKAYITNO", 41.0},
            {"EVRAKCINSI", cins},
            {"SIRKETKODU", Oturum.sirketkodu},
            {"KULLANICI", Oturum.username},
            {"DEGISTIRMETARIHI", bugun},
            {"PARABIRIMI", QStringLiteral("YTL")},
        };
        const Tablo *t = TabloBul(QStringLiteral("CARI_HAREKET"));
        QCOMPARE(s->kolonlar.size(), int(t->kolonlar.size()));
        for (const Kolon &kol : t->kolonlar) {
            const QVariant v = s->deger(0, kol.ad);
            if (kol.ad == QLatin1String("KAYITNO")) {
                // drawn from the table's generator
                QVERIFY(v.toLongLong() > 0 && v.toLongLong() <= genMax->toLongLong());
                continue;
            }
            if (!beklenen.contains(kol.ad)) {
                QVERIFY2(v.isNull(), qPrintable(kol.ad + QStringLiteral(" boş olmalı: ") + v.toString()));
                continue;
            }
            const QVariant b2 = beklenen.value(kol.ad);
            if (b2.typeId() == QMetaType::Double)
                QCOMPARE(v.toDouble(), b2.toDouble());
            else if (b2.typeId() == QMetaType::QDateTime)
                QCOMPARE(v.toDateTime(), b2.toDateTime());
            else
                QCOMPARE(v.toString(), b2.toString());
        }
        // the doctor's name really is cut
        QVERIFY(b.doktorAdi.size() > t->kolon(QStringLiteral("OZELKOD2"))->uzunluk);
    }

    // A general and an eye examination that carry the same number keep their
    // own postings through each other's re-postings, also of their lines; a
    // line stored before the source column existed (null) is a general one.
    void genelVeGozAyni()
    {
        TEST_VT(vt);
        BetikMesaj m;
        const qint64 no = 12;
        MuayeneBilgi genel, goz;
        genel.payTuru = goz.payTuru = Yuzde;
        genel.payParam = 20;
        goz.payParam = 50;
        goz.ucret = 300;
        QVERIFY(muayeneYaz(Kaynak::Genel, no, genel));
        QVERIFY(muayeneYaz(Kaynak::Goz, no, goz));
        QVERIFY(satirYaz(SatirTuru::Laboratuvar, no, 30, Yuzde, 20, QVariant(QMetaType::fromType<QString>())));
        QVERIFY(satirYaz(SatirTuru::Laboratuvar, no, 80, Yuzde, 50, kaynakDegeri(Kaynak::Goz)));
        QVERIFY(satirYaz(SatirTuru::Islem, no, 40, Yuzde, 20, kaynakDegeri(Kaynak::Genel)));
        QVERIFY(satirYaz(SatirTuru::Islem, no, 90, Yuzde, 50, kaynakDegeri(Kaynak::Goz)));

        for (int tur = 0; tur < 2; ++tur) { // each order, twice
            const Kaynak ilk = tur ? Kaynak::Goz : Kaynak::Genel, ikinci = tur ? Kaynak::Genel : Kaynak::Goz;
            for (Kaynak k : {ilk, ikinci, ilk}) {
                QVERIFY(cariyeisleme(k, no));
                QVERIFY(lab_tutari_topla(k, no, SatirTuru::Laboratuvar));
                QVERIFY(lab_tutari_topla(k, no, SatirTuru::Islem));
            }
            const auto r = kayitlar(no);
            QCOMPARE(r.size(), 12);
            for (const Toplam &t : r)
                QCOMPARE(t.adet, 1);
            QCOMPARE(r.value("MUAYENE ÜCRETİ").borc, 100.0);
            QCOMPARE(r.value("MUAYENE PAYI").alacak, 20.0);
            QCOMPARE(r.value("GÖZ MUAYENE ÜCRETİ").borc, 300.0);
            QCOMPARE(r.value("GÖZ MUAYENE PAYI").alacak, 150.0);
            QCOMPARE(r.value("LABORATUVAR ÜCRETİ").borc, 30.0);
            QCOMPARE(r.value("LABORATUVAR PAYI").alacak, 6.0);
            QCOMPARE(r.value("GÖZ LABORATUVAR ÜCRETİ").borc, 80.0);
            QCOMPARE(r.value("GÖZ LABORATUVAR PAYI").alacak, 40.0);
            QCOMPARE(r.value("İŞLEM ÜCRETİ").borc, 40.0);
            QCOMPARE(r.value("İŞLEM PAYI").alacak, 8.0);
            QCOMPARE(r.value("GÖZ İŞLEM ÜCRETİ").borc, 90.0);
            QCOMPARE(r.value("GÖZ İŞLEM PAYI").alacak, 45.0);
        }
        QCOMPARE(kolon(Kaynak::Genel, no, "laboratuvarucreti"), 30.0);
        QCOMPARE(kolon(Kaynak::Goz, no, "laboratuvarucreti"), 80.0);
        QCOMPARE(kolon(Kaynak::Genel, no, "toplamtutar"), 170.0);
        QCOMPARE(kolon(Kaynak::Goz, no, "toplamtutar"), 470.0);

        // Deleting the general examination's postings leaves the eye one's.
        {
            Islem islem;
            QVERIFY(kayitlariSil(Kaynak::Genel, no));
            QVERIFY(islem.onayla());
        }
        const auto r = kayitlar(no);
        QCOMPARE(r.size(), 6);
        for (auto it = r.cbegin(); it != r.cend(); ++it)
            QVERIFY2(it.key().startsWith(QStringLiteral("GÖZ ")), qPrintable(it.key()));
    }

    // A failure after the earlier rows were removed (the database refuses the
    // new share row) leaves the earlier postings and the examination's totals
    // exactly as they were.
    void yarimKalmaz_data()
    {
        QTest::addColumn<int>("rutin");
        QTest::newRow("muayene") << 0;
        QTest::newRow("laboratuvar") << 1;
        QTest::newRow("işlemler") << 2;
    }
    void yarimKalmaz()
    {
        QFETCH(int, rutin);
        TEST_VT(vt);
        const qint64 no = 5;
        MuayeneBilgi b;
        b.payTuru = Yuzde;
        b.payParam = 20;
        QVERIFY(muayeneYaz(Kaynak::Genel, no, b));
        const SatirTuru tur = rutin == 1 ? SatirTuru::Laboratuvar : SatirTuru::Islem;
        auto calistir = [&] {
            return rutin == 0 ? cariyeisleme(Kaynak::Genel, no) : lab_tutari_topla(Kaynak::Genel, no, tur);
        };
        if (rutin)
            QVERIFY(satirYaz(tur, no, 60, Yuzde, 20, QVariant(QMetaType::fromType<QString>())));
        {
            BetikMesaj m;
            QVERIFY(calistir());
        }
        const auto once = kayitlar(no);
        QCOMPARE(once.size(), 2);
        const double payOnce = kolon(Kaynak::Genel, no, "doktorpaytutari");
        const double toplamOnce = kolon(Kaynak::Genel, no, "toplamtutar");

        // The doctor's share rows of this doctor are refused from now on.
        QVERIFY(Sorgu::calistir("alter table cari_hareket add constraint tst_red check "
                                "(cariunvan is distinct from 'REDDEDİLEN DOKTOR')"));
        QVERIFY(Sorgu::calistir("update muayene set doktoradi = 'REDDEDİLEN DOKTOR', muayeneucreti = 200 "
                                "where kayitno = 5"));
        if (rutin)
            QVERIFY(satirYaz(tur, no, 40, Yuzde, 20, QVariant(QMetaType::fromType<QString>())));
        BetikMesaj m;
        QVERIFY(!calistir());
        QCOMPARE(m.hatalar.size(), 1); // the database's refusal, shown
        const auto sonra = kayitlar(no);
        QCOMPARE(sonra.keys(), once.keys());
        for (auto it = once.cbegin(); it != once.cend(); ++it) {
            QCOMPARE(sonra.value(it.key()).adet, it->adet);
            QCOMPARE(sonra.value(it.key()).borc, it->borc);
            QCOMPARE(sonra.value(it.key()).alacak, it->alacak);
        }
        QCOMPARE(kolon(Kaynak::Genel, no, "doktorpaytutari"), payOnce);
        QCOMPARE(kolon(Kaynak::Genel, no, "toplamtutar"), toplamOnce);
        // No transaction is left open: the next statement commits on its own.
        QVERIFY(!Islem::acikMi());
    }

    // A fee changed to 0 removes the earlier fee and share rows.
    void ucretSifirlaninca()
    {
        TEST_VT(vt);
        BetikMesaj m;
        MuayeneBilgi b;
        b.payTuru = Yuzde;
        b.payParam = 20;
        QVERIFY(muayeneYaz(Kaynak::Genel, 3, b));
        QVERIFY(cariyeisleme(Kaynak::Genel, 3));
        QCOMPARE(kayitlar(3).size(), 2);
        // A row entered by hand on the same number stays.
        QVERIFY(Sorgu::calistir("insert into cari_hareket (kayitno, carikod, borc, alacak, evrakkayitno, sirketkodu, "
                                "aciklama) values (gen_id(AUTOINCCARIHAREKET, 1), 'H0001', 10, 0, 3, '2007', "
                                "'MUAYENE ÜCRETİ')"));
        QVERIFY(Sorgu::calistir("update muayene set muayeneucreti = 0 where kayitno = 3"));
        QVERIFY(cariyeisleme(Kaynak::Genel, 3));
        const auto r = kayitlar(3);
        QCOMPARE(r.size(), 1);
        QCOMPARE(r.value("MUAYENE ÜCRETİ").adet, 1);
        QCOMPARE(r.value("MUAYENE ÜCRETİ").borc, 10.0);
        QCOMPARE(kolon(Kaynak::Genel, 3, "toplamtutar"), 0.0);
        QVERIFY(m.mesajlar.isEmpty());
    }

    // The last line deleted: the laboratory debit and share go.
    void sonSatirSilinince()
    {
        TEST_VT(vt);
        BetikMesaj m;
        MuayeneBilgi b;
        b.ucret = 0;
        QVERIFY(muayeneYaz(Kaynak::Genel, 4, b));
        QVERIFY(satirYaz(SatirTuru::Laboratuvar, 4, 25, Yuzde, 10, kaynakDegeri(Kaynak::Genel)));
        QVERIFY(lab_tutari_topla(Kaynak::Genel, 4));
        QCOMPARE(kayitlar(4).size(), 2);
        QVERIFY(Sorgu::calistir("delete from muayene_lab"));
        QVERIFY(lab_tutari_topla(Kaynak::Genel, 4));
        QVERIFY(kayitlar(4).isEmpty());
        QCOMPARE(kolon(Kaynak::Genel, 4, "laboratuvarucreti"), 0.0);
    }

    // The totals come from the database at the moment of posting, and only
    // the total columns are written: what another workstation changed stays.
    void yalnizToplamlarYazilir()
    {
        TEST_VT(vt);
        BetikMesaj m;
        MuayeneBilgi b;
        QVERIFY(muayeneYaz(Kaynak::Genel, 9, b));
        QVERIFY(Sorgu::calistir("update muayene set tedavi = 'İSTİRAHAT', laboratuvarucreti = 70, islemtutari = 5 "
                                "where kayitno = 9"));
        QVERIFY(cariyeisleme(Kaynak::Genel, 9));
        QCOMPARE(kolon(Kaynak::Genel, 9, "toplamtutar"), 175.0);
        QCOMPARE(Sorgu::tekDeger("select tedavi from muayene where kayitno = 9")->toString(), QStringLiteral("İSTİRAHAT"));
        QVERIFY(satirYaz(SatirTuru::Islem, 9, 12, Yuzde, 0, kaynakDegeri(Kaynak::Genel)));
        QVERIFY(lab_tutari_topla(Kaynak::Genel, 9, SatirTuru::Islem));
        QCOMPARE(kolon(Kaynak::Genel, 9, "islemtutari"), 12.0);
        QCOMPARE(kolon(Kaynak::Genel, 9, "toplamtutar"), 182.0);
        QCOMPARE(Sorgu::tekDeger("select tedavi from muayene where kayitno = 9")->toString(), QStringLiteral("İSTİRAHAT"));
    }

    // A code that does not fit CARIKOD is refused with a message before
    // anything is written; the earlier postings stay.
    void uzunKod_data()
    {
        QTest::addColumn<QString>("hastaKodu");
        QTest::addColumn<QString>("doktorKodu");
        QTest::newRow("hasta kodu 11 karakter") << "H0000000011" << "D01";
        QTest::newRow("doktor kodu 15 karakter") << "H0001" << "D00000000000015";
    }
    void uzunKod()
    {
        QFETCH(QString, hastaKodu);
        QFETCH(QString, doktorKodu);
        TEST_VT(vt);
        MuayeneBilgi b;
        QVERIFY(muayeneYaz(Kaynak::Genel, 8, b));
        {
            BetikMesaj m;
            QVERIFY(cariyeisleme(Kaynak::Genel, 8));
        }
        QVERIFY(Sorgu::calistir("update muayene set hastakodu = ?, doktorkodu = ?, muayeneucreti = 250 "
                                "where kayitno = 8",
                                {hastaKodu, doktorKodu}));
        BetikMesaj m;
        QVERIFY(!cariyeisleme(Kaynak::Genel, 8));
        QCOMPARE(m.mesajlar.size(), 1);
        QVERIFY2(m.son().contains(hastaKodu.size() > 10 ? hastaKodu : doktorKodu), qPrintable(m.son()));
        QVERIFY(m.son().contains(QStringLiteral("10 karakter")));
        const auto r = kayitlar(8);
        QCOMPARE(r.value("MUAYENE ÜCRETİ").borc, 100.0);
        QCOMPARE(Sorgu::tekDeger("select count(*) from cari_hareket where carikod starting with 'H00000' "
                                 "or carikod starting with 'D00000'")->toInt(), 0);
    }

    // A save's posting is five statements: the locked read, the totals, one
    // removal, two inserts (that they commit together: yarimKalmaz).
    void besKomut()
    {
        TEST_VT(vt);
        BetikMesaj m;
        MuayeneBilgi b;
        b.payTuru = Yuzde;
        b.payParam = 20;
        QVERIFY(muayeneYaz(Kaynak::Genel, 2, b));
        for (int i = 0; i < 2; ++i) {
            const int once = komutSayisi();
            QVERIFY(cariyeisleme(Kaynak::Genel, 2));
            QCOMPARE(komutSayisi() - once, 5);
        }
        QCOMPARE(kayitlar(2).size(), 2);
    }

    void satirPayi_data()
    {
        QTest::addColumn<QString>("payTuru");
        QTest::addColumn<double>("param");
        QTest::addColumn<double>("ucret");
        QTest::addColumn<double>("mevcut");
        QTest::addColumn<double>("sonuc");
        QTest::newRow("yüzde") << Yuzde << 10.0 << 30.0 << 7.0 << 3.0;
        QTest::newRow("birim fiyat") << BirimFiyat << 15.0 << 30.0 << 7.0 << 15.0;
        QTest::newRow("tür yok: olduğu gibi") << QString() << 10.0 << 30.0 << 7.0 << 7.0;
        QTest::newRow("küçük harf bir tür değildir") << QStringLiteral("yüzde") << 10.0 << 30.0 << 7.0 << 7.0;
    }
    void satirPayi()
    {
        QFETCH(QString, payTuru);
        QFETCH(double, param);
        QFETCH(double, ucret);
        QFETCH(double, mevcut);
        QFETCH(double, sonuc);
        QCOMPARE(topla(payTuru, param, ucret, mevcut), sonuc);
    }
};

QTEST_MAIN(tst_cariisleme)
#include "tst_cariisleme.moc"
