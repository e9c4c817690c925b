// The upgrade list: its statement texts, a new database that it leaves as it
// is, and a database as an older release left it, which it brings up to date.
#include "destek/betikmesaj.h"
#include "db/baglanti.h"
#include "db/guncelleme.h"
#include "db/olustur.h"
#include "db/sema.h"
#include "semaoku.h"
#include "destek/testvt.h"

#include <QRegularExpression>
#include <QtTest>

namespace {

struct EskiSema
{
    std::vector<Tablo> tablolar;
    QStringList uretecler;
};

QStringList sirali(QStringList l)
{
    l.sort();
    return l;
}

// The description without everything the upgrade list adds: the schema of a
// database made by an earlier release.
EskiSema eskiSema(QString *hata)
{
    EskiSema e{Tablolar(), DigerUretecler()};
    static const QRegularExpression uretecRe(QStringLiteral("^CREATE GENERATOR (\\w+)$"));
    static const QRegularExpression tabloRe(QStringLiteral("^CREATE TABLE (\\w+) \\((.*)\\)$"));
    static const QRegularExpression ekleRe(QStringLiteral("^ALTER TABLE (\\w+) ADD (.*)$"));
    static const QRegularExpression indeksRe(QStringLiteral("^CREATE INDEX (\\w+) ON (\\w+) \\((\\w+)\\)$"));
    auto tabloBul = [&e](const QString &ad) -> Tablo * {
        for (Tablo &t : e.tablolar)
            if (t.ad == ad)
                return &t;
        return nullptr;
    };
    for (QString k : Guncelleme::komutlar()) {
        if (k.endsWith(QLatin1Char(';')))
            k.chop(1);
        QRegularExpressionMatch m;
        if ((m = uretecRe.match(k)).hasMatch()) {
            for (Tablo &t : e.tablolar)
                if (t.uretec == m.captured(1))
                    t.uretec.clear();
            e.uretecler.removeAll(m.captured(1));
        } else if ((m = tabloRe.match(k)).hasMatch()) {
            std::erase_if(e.tablolar, [&m](const Tablo &t) { return t.ad == m.captured(1); });
        } else if ((m = ekleRe.match(k)).hasMatch()) {
            Tablo *t = tabloBul(m.captured(1));
            if (!t)
                continue; // a table the list itself creates
            for (const QString &kolon : m.captured(2).split(QStringLiteral(",ADD "))) {
                const QString ad = kolon.section(QLatin1Char(' '), 0, 0);
                std::erase_if(t->kolonlar, [&ad](const Kolon &c) { return c.ad == ad; });
            }
        } else if ((m = indeksRe.match(k)).hasMatch()) {
            if (Tablo *t = tabloBul(m.captured(2)))
                std::erase_if(t->indeksler, [&m](const Indeks &i) { return i.ad == m.captured(1); });
        } else {
            *hata = QStringLiteral("Tanınmayan komut: ") + k;
        }
    }
    for (Tablo &t : e.tablolar) {
        t.siraHazirla();
        // Indexes of ours over columns an older release did not have yet.
        std::erase_if(t.indeksler, [&t](const Indeks &i) {
            for (const QString &k : i.kolonlar)
                if (!t.kolon(k))
                    return true;
            return false;
        });
    }
    return e;
}

bool eskiVeritabaniAc(const TestVeritabani &vt, const EskiSema &e, QString *hata)
{
    const QString yol = vt.klasor() + QStringLiteral("/eski.fdb");
    if (!Olustur::veritabaniOlustur(yol, Olustur::semaKomutlari(e.tablolar, e.uretecler), {}, hata))
        return false;
    return Baglanti::ac(yol, Baglanti::Paylasilan, hata);
}

const QStringList LISTE_INDEKSLERI = {"GOZ_KAYITNO",   "GOZ_HASTAKODU",  "GOZ_HASTAADI",
                                      "GOZ_MUAYENETARIHI", "GOZ_MUAYENENO", "HASTA_HASTAKODU",
                                      "HASTA_HASTAADI", "HASTA_KAYITNO", "HASTA_TCKIMLIKNO"};

} // namespace

class TstGuncelleme : public QObject
{
    Q_OBJECT
private slots:
    void komutMetinleri()
    {
        const QStringList k = Guncelleme::komutlar();
        // The 37 statements of older releases, then the one they forgot.
        QCOMPARE(k.size(), 38);
        QCOMPARE(k.at(0), QStringLiteral("CREATE GENERATOR OTOKOD_MUAYENE_LAB"));
        QCOMPARE(k.at(1), QStringLiteral("ALTER TABLE LABORATUVAR ADD ACIKLAMA VARCHAR(400),ADD LABORATUVARADI VARCHAR(60)"));
        QCOMPARE(k.at(2), QStringLiteral("CREATE TABLE RANDEVUPROGRAMI (KAYITNO INTEGER NOT NULL,SAAT TIMESTAMP,"
                                         "TARIH TIMESTAMP,HASTAADI VARCHAR(45),SIRKETKODU VARCHAR(15),"
                                         "ACIKLAMA VARCHAR(40))"));
        QCOMPARE(k.at(3), QStringLiteral("CREATE GENERATOR AUTOINCRANDEVUPROGRAMI;"));
        QCOMPARE(k.at(4), QStringLiteral("ALTER TABLE HASTALAR ADD DOGUMYERI VARCHAR(25),ADD AILEGECMISI VARCHAR(250),"
                                         "ADD TANI1 VARCHAR(125),ADD TANI2 VARCHAR(125),ADD HATUYARI VARCHAR(5)"));
        QCOMPARE(k.at(6), QStringLiteral("ALTER TABLE RANDEVU ADD BOLUM VARCHAR(40),ADD BRANS VARCHAR(40),"
                                         "ADD MUAYENEUCRETI DOUBLE PRECISION"));
        QCOMPARE(k.at(28), QStringLiteral("CREATE INDEX GOZ_KAYITNO ON GOZHASTALIKLARI (KAYITNO)"));
        QCOMPARE(k.at(36), QStringLiteral("CREATE INDEX HASTA_TCKIMLIKNO ON HASTALAR (TCKIMLIKNO)"));
        QCOMPARE(k.at(37), QStringLiteral("ALTER TABLE GOZHASTALIKLARI ADD GOZ_FUNDUSSOL VARCHAR(200)"));
        const QList<int> noktaliVirgul = {4, 11, 14, 16, 18}; // numbered from 1
        static const QRegularExpression tarih(QStringLiteral("\\bDATE\\b"), QRegularExpression::CaseInsensitiveOption);
        for (int i = 0; i < k.size(); ++i) {
            QCOMPARE(k.at(i).endsWith(QLatin1Char(';')), noktaliVirgul.contains(i + 1));
            QVERIFY(!k.at(i).contains(QLatin1Char('"')));
            QVERIFY2(!tarih.match(k.at(i)).hasMatch(), qPrintable(k.at(i)));
        }
        // Column counts of the table-making and column-adding statements.
        QCOMPARE(k.at(10).count(QLatin1Char(',')) + 1, 22);                     // YAPILANISLEMLER
        QCOMPARE(k.at(17).count(QLatin1Char(',')) + 1, 40);                     // GOZHASTALIKLARI
        QCOMPARE(k.at(12).count(QStringLiteral("ADD ")), 15);                   // DOKTORLAR
        QCOMPARE(k.at(18).count(QStringLiteral("ADD ")), 35);
        QCOMPARE(k.at(21).count(QStringLiteral("ADD ")), 33);
    }

    void yeniVeritabaniDegismez()
    {
        TEST_VT(vt);
        const OkunanSema once = SemaOku();
        QVERIFY2(once.hata.isEmpty(), qPrintable(once.hata));
        BetikMesaj m;
        QCOMPARE(Guncelleme::calistir(), 0);
        const OkunanSema sonra = SemaOku();
        QCOMPARE(sonra.tablolar, once.tablolar);
        QCOMPARE(sonra.uretecler, once.uretecler);
        QCOMPARE(sonra.indeksler, once.indeksler);
        QVERIFY(m.mesajlar.isEmpty());
        QVERIFY(m.hatalar.isEmpty());
    }

    void eskiVeritabaniGuncellenir()
    {
        TEST_VT(vt);
        const OkunanSema tam = SemaOku();
        QVERIFY2(tam.hata.isEmpty(), qPrintable(tam.hata));
        QString h;
        const EskiSema e = eskiSema(&h);
        QVERIFY2(h.isEmpty(), qPrintable(h));
        QVERIFY2(eskiVeritabaniAc(vt, e, &h), qPrintable(h));

        const OkunanSema eski = SemaOku();
        QVERIFY(!eski.tablolar.contains(QStringLiteral("GOZHASTALIKLARI")));
        QVERIFY(!eski.tablolar.contains(QStringLiteral("YAPILANISLEMLER")));
        QVERIFY(eski.tablolar.contains(QStringLiteral("MUAYENE")));
        QVERIFY(!eski.tablolar.value(QStringLiteral("HASTALAR")).join(QLatin1Char(';')).contains(QLatin1String("DOGUMYERI")));
        QVERIFY(!eski.uretecler.contains(QStringLiteral("OTOKOD_GOZ")));
        QVERIFY(!eski.indeksler.contains(QStringLiteral("HASTA_HASTAKODU")));

        BetikMesaj m;
        QCOMPARE(Guncelleme::calistir(), int(Guncelleme::komutlar().size()));
        const OkunanSema yeni = SemaOku();
        QVERIFY2(yeni.hata.isEmpty(), qPrintable(yeni.hata));
        QCOMPARE(yeni.tablolar.keys(), tam.tablolar.keys());
        for (auto it = tam.tablolar.cbegin(); it != tam.tablolar.cend(); ++it)
            QCOMPARE(sirali(yeni.tablolar.value(it.key())), sirali(it.value())); // ALTER adds at the end
        QCOMPARE(yeni.uretecler, tam.uretecler);
        for (const QString &i : LISTE_INDEKSLERI)
            QCOMPARE(yeni.indeksler.value(i), tam.indeksler.value(i));
        QVERIFY(m.mesajlar.isEmpty());

        // A second run finds everything in place.
        QCOMPARE(Guncelleme::calistir(), 0);
        const OkunanSema ikinci = SemaOku();
        QCOMPARE(ikinci.tablolar, yeni.tablolar);
        QCOMPARE(ikinci.uretecler, yeni.uretecler);
        QCOMPARE(ikinci.indeksler, yeni.indeksler);
        QVERIFY(m.mesajlar.isEmpty());
    }

    void hatuyariVarDogumyeriYok()
    {
        TEST_VT(vt);
        QString h;
        EskiSema e = eskiSema(&h);
        QVERIFY2(h.isEmpty(), qPrintable(h));
        for (Tablo &t : e.tablolar)
            if (t.ad == QLatin1String("HASTALAR")) {
                t.kolonlar.push_back(Kolon{QStringLiteral("HATUYARI"), KolonTuru::Metin, 5});
                t.siraHazirla();
            }
        QVERIFY2(eskiVeritabaniAc(vt, e, &h), qPrintable(h));
        BetikMesaj m;
        QCOMPARE(Guncelleme::calistir(), int(Guncelleme::komutlar().size()) - 1);
        const QString hastalar = SemaOku().tablolar.value(QStringLiteral("HASTALAR")).join(QLatin1Char(';'));
        for (const char *yok : {"DOGUMYERI ", "AILEGECMISI ", "TANI1 ", "TANI2 "})
            QVERIFY2(!hastalar.contains(QLatin1String(yok)), yok);
        QCOMPARE(hastalar.count(QStringLiteral("HATUYARI ")), 1);
        QVERIFY(hastalar.contains(QLatin1String("HATIRLATMATARIHI2 TIMESTAMP")));
        QVERIFY(m.mesajlar.isEmpty());
    }
};

QTEST_MAIN(TstGuncelleme)
#include "tst_guncelleme.moc"
