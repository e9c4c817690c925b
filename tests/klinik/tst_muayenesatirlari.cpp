// The lines of the laboratory and procedures screens: after a saved or
// deleted line the examination's totals and postings follow, general and eye
// examinations with the same number stay apart, a line of a deleted
// examination is refused, and the blank-line purge spares every line holding
// anything.
#include "app/oturum.h"
#include "db/sorgu.h"
#include "db/veriseti.h"
#include "destek/betikmesaj.h"
#include "destek/testvt.h"
#include "klinik/muayenesatirlari.h"

#include <QtTest>
#include <cmath>

using namespace CariIsleme;
using namespace MuayeneSatirlari;

namespace {

bool muayeneYaz(Kaynak k, qint64 no, double ucret = 0)
{
    return Sorgu::calistir(QStringLiteral("insert into %1 (kayitno, hastakodu, hastaadisoyadi, doktorkodu, doktoradi, "
                                          "%2, laboratuvarucreti, islemtutari, doktorpaytutari, sirketkodu) "
                                          "values (?, 'H0001', 'AYŞE YILMAZ', 'D01', 'DR. ALİ', ?, 0, 0, 0, ?)")
                               .arg(muayeneTablosu(k), ucretKolonu(k)),
                           {no, ucret, Oturum.sirketkodu});
}

bool satirYaz(SatirTuru tur, Kaynak k, qint64 no, double ucret, const QString &payTuru, double payParam)
{
    const double pay = topla(payTuru, payParam, ucret, 0);
    const QString tablo = ayar(tur).tablo;
    const QString ad = tur == SatirTuru::Laboratuvar ? QStringLiteral("tetkikadi") : QStringLiteral("yapilanislem");
    const QString sayac = tur == SatirTuru::Laboratuvar ? QStringLiteral("OTOKOD_MUAYENE_LAB")
                                                          : QStringLiteral("OTOKOD_YAPILANISLEMLER");
    return Sorgu::calistir(QStringLiteral("insert into %1 (kayitno, hastakodu, sirketkodu, muayeneno, %2, ucreti, "
                                          "doktorpayturu, doktorpayparam, doktorpaytutari, kaynak) "
                                          "values (gen_id(%3, 1), 'H0001', ?, ?, 'SATIR', ?, ?, ?, ?, ?)")
                               .arg(tablo, ad, sayac),
                           {Oturum.sirketkodu, double(no), ucret, payTuru, payParam, pay, kaynakDegeri(k)});
}

// BORC of the fee row and ALACAK of the share row of the kind (-1: no row).
std::pair<double, double> kayit(Kaynak k, SatirTuru tur, qint64 no)
{
    const Aciklamalar a = satirAciklamalari(k, tur);
    auto toplam = [&](const QString &aciklama, const char *kolon) {
        const auto s = Sorgu::sec(QStringLiteral("select count(*), sum(%1) from cari_hareket where evrakkayitno = ? "
                                                 "and aciklama = ?")
                                      .arg(QLatin1String(kolon)),
                                  {double(no), aciklama});
        if (!s || s->satirlar.isEmpty() || s->satirlar[0][0].toInt() == 0)
            return -1.0;
        return s->satirlar[0][1].toDouble();
    };
    return {toplam(a.ucret, "borc"), toplam(a.pay, "alacak")};
}

double kolon(Kaynak k, qint64 no, const QString &ad)
{
    const auto v = Sorgu::tekDeger(QStringLiteral("select %1 from %2 where kayitno = ?").arg(ad, muayeneTablosu(k)),
                                   {no});
    return v ? v->toDouble() : std::nan("");
}

bool kurusu(double a, double b) { return std::llround(a * 100) == std::llround(b * 100); }

} // namespace

class tst_muayenesatirlari : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase() { TestOrtami(); }

    void kayitlar_data()
    {
        QTest::addColumn<int>("tur");  // 0 laboratory, 1 procedures
        QTest::addColumn<int>("kaynak"); // 0 general, 1 eye
        QTest::addColumn<QList<double>>("ucretler");
        QTest::addColumn<QString>("payTuru");
        QTest::addColumn<double>("payParam");
        QTest::addColumn<double>("borc");
        QTest::addColumn<double>("alacak");
        QTest::newRow("tetkik 80 YÜZDE 10") << 0 << 0 << QList<double>{80} << Yuzde << 10.0 << 80.0 << 8.0;
        QTest::newRow("tetkik BİRİM FİYAT 15") << 0 << 0 << QList<double>{40} << BirimFiyat << 15.0 << 40.0 << 15.0;
        QTest::newRow("iki tetkik 30+20") << 0 << 0 << QList<double>{30, 20} << Yuzde << 10.0 << 50.0 << 5.0;
        QTest::newRow("göz: tetkik 80 YÜZDE 10") << 0 << 1 << QList<double>{80} << Yuzde << 10.0 << 80.0 << 8.0;
        QTest::newRow("işlemler 30+20 BİRİM FİYAT 5") << 1 << 0 << QList<double>{30, 20} << BirimFiyat << 5.0 << 50.0
                                                      << 10.0;
        QTest::newRow("göz: işlem 80 YÜZDE 10") << 1 << 1 << QList<double>{80} << Yuzde << 10.0 << 80.0 << 8.0;
    }

    // Equal examination numbers in both tables: only the line's own source
    // is posted and totalled; the other stays untouched.
    void kayitlar()
    {
        QFETCH(int, tur);
        QFETCH(int, kaynak);
        QFETCH(QList<double>, ucretler);
        QFETCH(QString, payTuru);
        QFETCH(double, payParam);
        QFETCH(double, borc);
        QFETCH(double, alacak);
        TestVeritabani vt;
        QVERIFY(vt.hazir());
        const SatirTuru t = tur ? SatirTuru::Islem : SatirTuru::Laboratuvar;
        const Kaynak k = kaynak ? Kaynak::Goz : Kaynak::Genel;
        const Kaynak diger = kaynak ? Kaynak::Genel : Kaynak::Goz;
        QVERIFY(muayeneYaz(Kaynak::Genel, 7, 100));
        QVERIFY(muayeneYaz(Kaynak::Goz, 7, 100));
        for (double u : ucretler)
            QVERIFY(satirYaz(t, k, 7, u, payTuru, payParam));
        QVERIFY(yenidenIsle(ayar(t), k, 7));
        const auto [b, a] = kayit(k, t, 7);
        QVERIFY2(kurusu(b, borc), qPrintable(QString::number(b)));
        QVERIFY2(kurusu(a, alacak), qPrintable(QString::number(a)));
        const QString toplamKolonu = t == SatirTuru::Laboratuvar ? QStringLiteral("LABORATUVARUCRETI")
                                                                 : QStringLiteral("ISLEMTUTARI");
        QVERIFY(kurusu(kolon(k, 7, toplamKolonu), borc));
        QVERIFY(kurusu(kolon(k, 7, QStringLiteral("TOPLAMTUTAR")), 100 + borc));
        QCOMPARE(kayit(diger, t, 7), std::make_pair(-1.0, -1.0));
        QVERIFY(kurusu(kolon(diger, 7, toplamKolonu), 0));
    }

    // Deleting the last line removes the kind's rows and zeroes the total.
    // A line is saved with the examination's totals and postings in one
    // transaction: when the database refuses the fee row, neither the line
    // nor the totals are written and the line stays pending; the next save
    // writes all of it.
    void satirVeKayitlariBirlikte_data()
    {
        QTest::addColumn<int>("tur");
        QTest::newRow("laboratuvar") << int(SatirTuru::Laboratuvar);
        QTest::newRow("işlem") << int(SatirTuru::Islem);
    }
    void satirVeKayitlariBirlikte()
    {
        QFETCH(int, tur);
        const SatirTuru t = SatirTuru(tur);
        TEST_VT(vt);
        BetikMesaj m;
        QVERIFY(muayeneYaz(Kaynak::Genel, 4, 100));
        QVERIFY(Sorgu::calistir("alter table cari_hareket add constraint tst_red check (borc is distinct from 70)"));
        VeriSeti satirlar(ayar(t).tablo);
        kayittaIsle(satirlar, ayar(t), [] { return Kaynak::Genel; },
                    [&satirlar] { return satirlar.deger(QStringLiteral("MUAYENENO")).toLongLong(); });
        QVERIFY(satirlar.ac());
        QVERIFY(satirlar.ekle());
        for (const auto &[k, v] : std::initializer_list<std::pair<const char *, QVariant>>{
                 {"HASTAKODU", QStringLiteral("H0001")}, {"SIRKETKODU", Oturum.sirketkodu},
                 {"MUAYENENO", QStringLiteral("4")}, {"UCRETI", 70.0}, {"KAYNAK", kaynakDegeri(Kaynak::Genel)}})
            QVERIFY2(satirlar.degerAyarla(QLatin1String(k), v), k);
        QVERIFY(!satirlar.kaydet());
        QCOMPARE(m.hatalar.size(), 1);
        QVERIFY2(m.son().contains(QStringLiteral("kaydedilmedi")), qPrintable(m.son()));
        QCOMPARE(satirlar.durum(), VeriSeti::Durum::Ekle);
        QCOMPARE(Sorgu::tekDeger(QStringLiteral("select count(*) from ") + ayar(t).tablo)->toInt(), 0);
        QCOMPARE(Sorgu::tekDeger("select count(*) from cari_hareket")->toInt(), 0);
        QCOMPARE(kolon(Kaynak::Genel, 4, "toplamtutar"), 0.0);

        QVERIFY(Sorgu::calistir("alter table cari_hareket drop constraint tst_red"));
        m.temizle();
        QVERIFY(satirlar.kaydet());
        QVERIFY2(m.mesajlar.isEmpty(), qPrintable(m.mesajlar.join('\n')));
        QCOMPARE(Sorgu::tekDeger(QStringLiteral("select count(*) from ") + ayar(t).tablo)->toInt(), 1);
        QCOMPARE(kayit(Kaynak::Genel, t, 4).first, 70.0);
        QCOMPARE(kolon(Kaynak::Genel, 4, "toplamtutar"), 170.0);
    }

    void sonSatirSilinir_data()
    {
        QTest::addColumn<int>("tur");
        QTest::newRow("tetkik") << 0;
        QTest::newRow("işlem") << 1;
    }
    void sonSatirSilinir()
    {
        QFETCH(int, tur);
        TestVeritabani vt;
        QVERIFY(vt.hazir());
        const SatirTuru t = tur ? SatirTuru::Islem : SatirTuru::Laboratuvar;
        const SatirAyari a = ayar(t);
        QVERIFY(muayeneYaz(Kaynak::Goz, 3));
        QVERIFY(satirYaz(t, Kaynak::Goz, 3, 60, Yuzde, 10));
        QVERIFY(yenidenIsle(a, Kaynak::Goz, 3));
        QVERIFY(kurusu(kayit(Kaynak::Goz, t, 3).first, 60));
        VeriSeti satirlar(a.tablo);
        satirlar.selectMetniAyarla(QStringLiteral("select * from %1 where muayeneno = 3 and %2")
                                       .arg(a.tablo, kaynakKosulu(Kaynak::Goz)));
        QVERIFY(satirlar.ac());
        QCOMPARE(satirlar.kayitSayisi(), 1);
        QVERIFY(satirSil(satirlar, a, Kaynak::Goz, 3));
        QCOMPARE(kayit(Kaynak::Goz, t, 3), std::make_pair(-1.0, -1.0));
        QVERIFY(kurusu(kolon(Kaynak::Goz, 3, QStringLiteral("TOPLAMTUTAR")), 0));
        const auto kalan = Sorgu::tekDeger(QStringLiteral("select count(*) from %1").arg(a.tablo));
        QVERIFY(kalan);
        QCOMPARE(kalan->toInt(), 0);
    }

    // The examination another workstation deleted: the line is refused with
    // the message and nothing is posted.
    void silinmisMuayeneReddedilir()
    {
        TestVeritabani vt;
        QVERIFY(vt.hazir());
        BetikMesaj mesaj;
        QVERIFY(muayeneYaz(Kaynak::Genel, 9));
        QVERIFY(kaydetmedenOnce(Kaynak::Genel, 9));
        QVERIFY(Sorgu::calistir(QStringLiteral("delete from muayene where kayitno = 9")));
        QVERIFY(!kaydetmedenOnce(Kaynak::Genel, 9));
        QCOMPARE(mesaj.son(), MuayeneYokMesaji);
        QVERIFY(satirYaz(SatirTuru::Laboratuvar, Kaynak::Genel, 9, 50, Yuzde, 10));
        QVERIFY(!yenidenIsle(ayar(SatirTuru::Laboratuvar), Kaynak::Genel, 9));
        const auto n = Sorgu::tekDeger(QStringLiteral("select count(*) from cari_hareket"));
        QVERIFY(n);
        QCOMPARE(n->toInt(), 0);
    }

    // Only fully blank procedure lines of the login company go.
    void bosSatirlar()
    {
        TestVeritabani vt;
        QVERIFY(vt.hazir());
        const QString ekle = QStringLiteral("insert into yapilanislemler (kayitno, sirketkodu, %1) "
                                            "values (gen_id(OTOKOD_YAPILANISLEMLER, 1), ?, ?)");
        QVERIFY(Sorgu::calistir(ekle.arg(QStringLiteral("hastakodu")), {Oturum.sirketkodu, QStringLiteral("H1")}));
        QVERIFY(Sorgu::calistir(ekle.arg(QStringLiteral("ucreti")), {Oturum.sirketkodu, 25.0}));
        QVERIFY(Sorgu::calistir(ekle.arg(QStringLiteral("hatirlatmatarihi")),
                                {Oturum.sirketkodu, QDateTime(QDate(2026, 5, 1), QTime(0, 0))}));
        QVERIFY(Sorgu::calistir(ekle.arg(QStringLiteral("hatirlatmanotu")), {Oturum.sirketkodu, QStringLiteral("ARA")}));
        QVERIFY(Sorgu::calistir(ekle.arg(QStringLiteral("yapilanislem")), {Oturum.sirketkodu, QStringLiteral("PANSUMAN")}));
        QVERIFY(Sorgu::calistir(ekle.arg(QStringLiteral("hastakodu")), {QStringLiteral("BASKA"), QStringLiteral("H2")}));
        QVERIFY(bosIslemSatirlariniSil());
        const auto n = Sorgu::tekDeger(QStringLiteral("select count(*) from yapilanislemler"));
        QVERIFY(n);
        QCOMPARE(n->toInt(), 5);
        const auto bos = Sorgu::tekDeger(QStringLiteral("select count(*) from yapilanislemler where hastakodu = 'H1'"));
        QVERIFY(bos);
        QCOMPARE(bos->toInt(), 0);
    }
};

QTEST_MAIN(tst_muayenesatirlari)
#include "tst_muayenesatirlari.moc"
