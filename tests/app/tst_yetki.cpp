// Module rights (entry test, action test, the reminder rule) and screen
// parameters read by position.
#include "app/oturum.h"
#include "app/parametre.h"
#include "app/yetki.h"
#include "destek/betikmesaj.h"
#include "db/sorgu.h"
#include "destek/testvt.h"

#include <QtTest>

namespace {

const QString girisRet = QStringLiteral("Bu Ekrana Girmeye Yetkili Değilsiniz");
const QString islemRet = QStringLiteral("Bu İşlem İçin Yetkili Değilsiniz");

bool yetkiSatiri(const QString &modul, const QString &formgirisi, const QString &kayit, const QString &sirket,
                 double kullanici = 1, const QVariant &no = QVariant())
{
    return Sorgu::calistir(QStringLiteral("insert into kullanicilar (kayitno, kullanici_kodu, moduladi, kayit, "
                                          "yenikayit, degistirme, silme, formgirisi, rapor, ozelyetki1, ozelyetki2, "
                                          "sirketkodu) values (coalesce(?, gen_id(otokod_kullanicilar, 1)), ?, ?, ?, "
                                          "'H', 'H', 'H', ?, 'H', 'H', 'H', ?)"),
                           {no, kullanici, modul, kayit, formgirisi, sirket});
}

bool parametreSatiri(const QString &form, const QString &deger, const QString &sirket = QStringLiteral("SISTEM"))
{
    return Sorgu::calistir(QStringLiteral("insert into formparemetreleri (kayitno, formadi, parametreadi, "
                                          "parametredegeri, sirketkodu) values (gen_id(otokod_formparametreleri, 1), "
                                          "?, 'P', ?, ?)"),
                           {form, deger.isNull() ? QVariant() : QVariant(deger), sirket});
}

} // namespace

class TstYetki : public QObject
{
    Q_OBJECT
private slots:
    // Rows are "FORMGIRISI|KAYIT|SIRKETKODU" in key order; "tersSaklanir"
    // stores them last first, so that storage order is not key order.
    void kurallar_data()
    {
        QTest::addColumn<QStringList>("satirlar");
        QTest::addColumn<bool>("tersSaklanir");
        QTest::addColumn<bool>("giris");
        QTest::addColumn<bool>("islem");
        QTest::addColumn<bool>("uyari");
        QTest::newRow("satir yok") << QStringList() << false << false << false << true;
        QTest::newRow("E") << QStringList{"E|E|2007"} << false << true << true << true;
        QTest::newRow("H") << QStringList{"H|H|2007"} << false << false << false << false;
        QTest::newRow("bos giris") << QStringList{"|E|2007"} << false << false << true << true;
        QTest::newRow("X") << QStringList{"X|X|2007"} << false << true << false << true;
        QTest::newRow("kucuk e") << QStringList{"e|e|2007"} << false << true << false << true;
        QTest::newRow("iki satir ilki H") << QStringList{"H|H|2007", "E|E|2007"} << false << false << false << false;
        QTest::newRow("iki satir ilki E") << QStringList{"E|E|2007", "H|H|2007"} << false << true << true << true;
        QTest::newRow("iki satir ilki H, sonra saklanmis") << QStringList{"H|H|2007", "E|E|2007"} << true << false
                                                           << false << false;
        QTest::newRow("iki satir ilki E, sonra saklanmis") << QStringList{"E|E|2007", "H|H|2007"} << true << true
                                                           << true << true;
        QTest::newRow("baska sirket") << QStringList{"E|E|2008"} << false << false << false << true;
        QTest::newRow("baska sirkette H") << QStringList{"H|H|2008"} << false << false << false << true;
    }
    void kurallar()
    {
        QFETCH(QStringList, satirlar);
        QFETCH(bool, tersSaklanir);
        QFETCH(bool, giris);
        QFETCH(bool, islem);
        QFETCH(bool, uyari);
        TEST_VT(vt);
        BetikMesaj m;
        // A user with no rows of its own: deleting the seeded rows instead
        // would free record slots that the inserts below may or may not
        // reuse, depending on when the garbage collector gets to them, and
        // the storage order this case relies on would be left to chance.
        Oturum.kullanici_kodu = QStringLiteral("77");
        if (!tersSaklanir) {
            for (const QString &s : satirlar) {
                const QStringList p = s.split(QLatin1Char('|'));
                QVERIFY(yetkiSatiri(QStringLiteral("UYARI"), p[0], p[1], p[2], 77));
            }
        } else {
            // keys in the listed order, rows stored the other way round
            QList<qint64> anahtarlar;
            for (int i = 0; i < satirlar.size(); ++i) {
                const auto no = Sorgu::uretec(QStringLiteral("OTOKOD_KULLANICILAR"));
                QVERIFY(no);
                anahtarlar << *no;
            }
            for (int i = int(satirlar.size()) - 1; i >= 0; --i) {
                const QStringList p = satirlar.at(i).split(QLatin1Char('|'));
                QVERIFY(yetkiSatiri(QStringLiteral("UYARI"), p[0], p[1], p[2], 77, anahtarlar.at(i)));
            }
            // Read without an order, the last-listed row comes first.
            const auto ilk = Sorgu::sec(QStringLiteral("select formgirisi, kayitno from kullanicilar where "
                                                       "kullanici_kodu = 77 and moduladi = 'UYARI' and "
                                                       "sirketkodu = '2007'"));
            QVERIFY(ilk && ilk->satirlar.size() == satirlar.size());
            QCOMPARE(ilk->deger(0, QStringLiteral("KAYITNO")).toLongLong(), anahtarlar.last());
        }
        QCOMPARE(GirisIzni(QStringLiteral("UYARI")), giris);
        QCOMPARE(m.mesajlar, giris ? QStringList() : QStringList{girisRet});
        m.temizle();

        bool ok = false;
        const Yetkiler y = YetkiOku(Oturum.kullanici_kodu, QStringLiteral("UYARI"), Oturum.sirketkodu, &ok);
        QVERIFY(ok);
        QCOMPARE(IslemIzni(y.KAYIT), islem);
        QCOMPARE(m.mesajlar, islem ? QStringList() : QStringList{islemRet});
        m.temizle();

        QCOMPARE(UyariAcilsinMi(), uyari);
        QVERIFY(m.mesajlar.isEmpty());
    }

    void yetkiOkuBayraklari()
    {
        TEST_VT(vt);
        QVERIFY(Sorgu::calistir(QStringLiteral("delete from kullanicilar where moduladi = 'SMS'")));
        QVERIFY(Sorgu::calistir(QStringLiteral(
            "insert into kullanicilar (kayitno, kullanici_kodu, moduladi, kayit, yenikayit, degistirme, silme, "
            "formgirisi, rapor, ozelyetki1, ozelyetki2, sirketkodu) values (gen_id(otokod_kullanicilar, 1), 1, "
            "'SMS', 'A', 'B', 'C', 'D', 'E', 'F', 'G', 'I', '2007')")));
        bool ok = false;
        const Yetkiler y = YetkiOku(QStringLiteral("1"), QStringLiteral("SMS"), QStringLiteral("2007"), &ok);
        QVERIFY(ok);
        QVERIFY(y.bulundu);
        QCOMPARE(QStringList({y.KAYIT, y.YENIKAYIT, y.DEGISTIRME, y.SILME, y.FORMGIRISI, y.RAPOR, y.OZELYETKI1,
                              y.OZELYETKI2}),
                 QStringList({"A", "B", "C", "D", "E", "F", "G", "I"}));
        // Another user, a module in lower case, an empty user code: no row.
        QVERIFY(!YetkiOku(QStringLiteral("2"), QStringLiteral("SMS"), QStringLiteral("2007")).bulundu);
        QVERIFY(!YetkiOku(QStringLiteral("1"), QStringLiteral("sms"), QStringLiteral("2007")).bulundu);
        BetikMesaj m;
        QVERIFY(!YetkiOku(QString(), QStringLiteral("SMS"), QStringLiteral("2007"), &ok).bulundu);
        QVERIFY(ok);
        QVERIFY(!YetkiOku(QStringLiteral("1"), QString(), QString(), &ok).bulundu);
        QVERIFY(ok);
        // Quotes in a module name are only a name that matches nothing.
        QVERIFY(!YetkiOku(QStringLiteral("1"), QStringLiteral("X' or 1=1 --"), QStringLiteral("2007"), &ok).bulundu);
        QVERIFY(ok);
        QVERIFY(m.hatalar.isEmpty());
    }

    void veritabaniHatasi()
    {
        TEST_VT(vt);
        BetikMesaj m;
        bool ok = true;
        // A connection that is not open: the error is shown, the entry refused without the refusal text.
        YetkiOku(QStringLiteral("1"), QStringLiteral("HASTALAR"), QStringLiteral("2007"), &ok, QStringLiteral("yok"));
        QVERIFY(!ok);
        QCOMPARE(m.hatalar.size(), 1);
        m.temizle();
        QVERIFY(!GirisIzni(QStringLiteral("HASTALAR"), nullptr, QStringLiteral("yok")));
        QCOMPARE(m.hatalar.size(), 1);
        QVERIFY(!m.mesajlar.contains(girisRet));
    }

    void parametreKonumlari()
    {
        TEST_VT(vt);
        const QString f = QStringLiteral("DENEME");
        QVERIFY(parametreSatiri(f, QStringLiteral("A")));
        QVERIFY(parametreSatiri(f, QStringLiteral("SIRKETIN"), QStringLiteral("2007"))); // never read
        QVERIFY(parametreSatiri(f, QStringLiteral("B")));
        QVERIFY(parametreSatiri(f, QString()));                                      // null reads empty
        QVERIFY(parametreSatiri(f, QStringLiteral("D")));
        QVERIFY(parametreSatiri(QStringLiteral("BASKA"), QStringLiteral("Z")));

        // Fewer slots than rows: the rest is ignored.
        QStringList iki{QStringLiteral("eski1"), QStringLiteral("eski2")};
        QVERIFY(ParametreOku(f, iki));
        QCOMPARE(iki, QStringList({"A", "B"}));

        // More slots than rows: those without a row keep their value.
        QStringList alti{"1", "2", "3", "4", "5", "6"};
        QVERIFY(ParametreOku(f, alti));
        QCOMPARE(alti, QStringList({"A", "B", "", "D", "5", "6"}));

        // Positions, not names: deleting the second row moves the third up.
        QVERIFY(Sorgu::calistir(QStringLiteral("delete from formparemetreleri where formadi = 'DENEME' and "
                                               "parametredegeri = 'B'")));
        QStringList uc{"x", "y", "z"};
        QVERIFY(ParametreOku(f, uc));
        QCOMPARE(uc, QStringList({"A", "", "D"}));

        // Formadi is compared exactly.
        QStringList kucuk{"k"};
        QVERIFY(ParametreOku(QStringLiteral("deneme"), kucuk));
        QCOMPARE(kucuk, QStringList({"k"}));
    }

    void parametreHatasi()
    {
        TEST_VT(vt);
        BetikMesaj m;
        QStringList s{"a"};
        QVERIFY(!ParametreOku(QStringLiteral("MENU"), s, QStringLiteral("yok")));
        QCOMPARE(s, QStringList({"a"}));
        QCOMPARE(m.hatalar.size(), 1);
    }
};

QTEST_MAIN(TstYetki)
#include "tst_yetki.moc"
