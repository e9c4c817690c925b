// The upgrade list: its statement texts, a new database that it leaves as it
// is, and a database as an older release left it (a fixed DDL file, not the
// list itself), which it must bring to the schema description.
#include "destek/betikmesaj.h"
#include "db/baglanti.h"
#include "db/guncelleme.h"
#include "db/olustur.h"
#include "db/sema.h"
#include "db/sqltext.h"
#include "semaoku.h"
#include "destek/testvt.h"

#include <QFile>
#include <QRegularExpression>
#include <QTemporaryDir>
#include <QtTest>

#include <algorithm>

namespace {

// The statements of the old release's schema, one a line, each ending with ';'.
QStringList eskiKomutlar(QString *hata)
{
    QFile f(TestDosyasi(QStringLiteral("guncelleme/eski-sema.sql")));
    if (!f.open(QIODevice::ReadOnly | QIODevice::Text)) {
        *hata = QStringLiteral("Açılamadı: ") + f.fileName();
        return {};
    }
    QStringList k;
    for (QString satir : QString::fromUtf8(f.readAll()).split(QLatin1Char('\n'))) {
        satir = satir.trimmed();
        if (satir.isEmpty() || satir.startsWith(QLatin1String("--")))
            continue;
        if (!satir.endsWith(QLatin1Char(';'))) {
            *hata = QStringLiteral("';' ile bitmeyen satır: ") + satir;
            return {};
        }
        satir.chop(1);
        k << satir;
    }
    return k;
}

// Makes the old release's database (with the extra statements) beside the
// test's own and opens it as the shared connection. A throw-away copy: no
// sync per page write, or the upgrade's many commits take seconds each.
bool eskiVeritabaniAc(const TestVeritabani &vt, const QStringList &ekler, QString *hata)
{
    const QString yol = vt.klasor() + QStringLiteral("/eski.fdb");
    if (ekler.isEmpty()) {
        // made once per test program, then copied
        static QTemporaryDir klasor;
        static QString sablon, sablonHatasi;
        if (sablon.isEmpty() && sablonHatasi.isEmpty()) {
            const QString y = klasor.filePath(QStringLiteral("eski.fdb"));
            const QStringList ddl = eskiKomutlar(&sablonHatasi);
            if (!ddl.isEmpty() && Olustur::veritabaniOlustur(y, ddl, {}, &sablonHatasi)
                && Olustur::zorunluYazma(y, false, &sablonHatasi))
                sablon = y;
        }
        if (sablon.isEmpty()) {
            *hata = sablonHatasi;
            return false;
        }
        if (!QFile::copy(sablon, yol)) {
            *hata = QStringLiteral("Kopyalanamadı: ") + yol;
            return false;
        }
        QFile::setPermissions(yol, QFile::ReadOwner | QFile::WriteOwner);
    } else {
        const QStringList ddl = eskiKomutlar(hata);
        if (ddl.isEmpty() || !Olustur::veritabaniOlustur(yol, ddl + ekler, {}, hata)
            || !Olustur::zorunluYazma(yol, false, hata))
            return false;
    }
    return Baglanti::ac(yol, Baglanti::Paylasilan, hata);
}

// Makes a database as the release before the Turkish order left it (the
// description with every column in its character set's own order, the seed
// rows) beside the test's own and opens it as the shared connection.
bool oncekiSurumVeritabaniAc(const TestVeritabani &vt, QString *hata)
{
    std::vector<Tablo> onceki = Tablolar();
    for (Tablo &t : onceki)
        for (Kolon &k : t.kolonlar)
            k.turkceSirali = false;
    const QString yol = vt.klasor() + QStringLiteral("/onceki.fdb");
    return Olustur::veritabaniOlustur(yol, Olustur::semaKomutlari(onceki, DigerUretecler()),
                                      Olustur::baslangicKayitlari(), hata)
           && Olustur::zorunluYazma(yol, false, hata) && Baglanti::ac(yol, Baglanti::Paylasilan, hata);
}

// Tables with columns in Turkish order: one upgrade step each.
int turkceSiraliTablolar()
{
    return int(std::count_if(Tablolar().cbegin(), Tablolar().cend(), [](const Tablo &t) {
        return std::any_of(t.kolonlar.cbegin(), t.kolonlar.cend(), [](const Kolon &c) { return c.turkceSirali; });
    }));
}

// The values of a select's first column, in the order read.
QStringList ilkKolon(const QString &sql)
{
    QStringList l;
    QString hata;
    const auto s = Sorgu::sec(sql, {}, {}, &hata);
    if (!s)
        return {QStringLiteral("hata: ") + hata};
    for (const QVariantList &r : s->satirlar)
        l << r.value(0).toString();
    return l;
}

// Indexes on an expression, which SemaOku does not see (they have no
// columns): name -> "TABLE (expression)".
QMap<QString, QString> ifadeIndeksleri(QString *hata)
{
    QMap<QString, QString> m;
    auto s = Sorgu::sec(QStringLiteral("select trim(rdb$index_name), trim(rdb$relation_name), rdb$expression_source "
                                       "from rdb$indices where coalesce(rdb$system_flag, 0) = 0 "
                                       "and rdb$expression_source is not null"),
                        {}, {}, hata);
    if (!s)
        return m;
    for (const QVariantList &r : s->satirlar) {
        const QString kaynak = r[2].typeId() == QMetaType::QByteArray ? QString::fromUtf8(r[2].toByteArray())
                                                                       : r[2].toString();
        m.insert(r[0].toString(), r[1].toString() + QLatin1Char(' ') + kaynak.simplified());
    }
    return m;
}

// Primary keys: table -> its key column(s).
QMap<QString, QString> birincilAnahtarlar(QString *hata)
{
    QMap<QString, QString> m;
    auto s = Sorgu::sec(QStringLiteral("select trim(c.rdb$relation_name), trim(s.rdb$field_name) "
                                       "from rdb$relation_constraints c join rdb$index_segments s "
                                       "on s.rdb$index_name = c.rdb$index_name "
                                       "where c.rdb$constraint_type = 'PRIMARY KEY' "
                                       "order by c.rdb$relation_name, s.rdb$field_position"),
                        {}, {}, hata);
    if (!s)
        return m;
    for (const QVariantList &r : s->satirlar) {
        QString &k = m[r[0].toString()];
        k += (k.isEmpty() ? QString() : QStringLiteral(",")) + r[1].toString();
    }
    return m;
}

// Where the open database differs from the schema description: every table,
// column (name and type; an added column comes last, so order is not
// compared), generator, index and primary key the description gives must be
// there, and nothing more of them. Empty when it matches.
QStringList aciklamadanFarklar()
{
    QStringList f;
    const OkunanSema s = SemaOku();
    QString hata = s.hata;
    const QMap<QString, QString> ifadeli = hata.isEmpty() ? ifadeIndeksleri(&hata) : QMap<QString, QString>();
    const QMap<QString, QString> anahtarlar = hata.isEmpty() ? birincilAnahtarlar(&hata) : QMap<QString, QString>();
    if (!hata.isEmpty())
        return {QStringLiteral("şema okunamadı: ") + hata};

    QSet<QString> tablolar, uretecler, indeksler;
    for (const Tablo &t : Tablolar()) {
        tablolar.insert(t.ad);
        if (!t.uretec.isEmpty())
            uretecler.insert(t.uretec);
        if (!s.tablolar.contains(t.ad)) {
            f << QStringLiteral("tablo yok: ") + t.ad;
            continue;
        }
        const QStringList var = s.tablolar.value(t.ad), gereken = BeklenenKolonlar(t);
        for (const QString &k : gereken)
            if (!var.contains(k))
                f << QStringLiteral("kolon yok: ") + t.ad + QLatin1Char('.') + k;
        for (const QString &k : var)
            if (!gereken.contains(k))
                f << QStringLiteral("fazla ya da başka türde kolon: ") + t.ad + QLatin1Char('.') + k;
        const Kolon *a = t.kolon(t.anahtar);
        const QString anahtar = a && a->bosOlamaz ? a->ad : QString();
        if (anahtarlar.value(t.ad) != anahtar)
            f << QStringLiteral("birincil anahtar: %1 (%2), beklenen (%3)").arg(t.ad, anahtarlar.value(t.ad), anahtar);
        if (!anahtar.isEmpty())
            indeksler.insert(QStringLiteral("PK_") + t.ad);
        for (const Indeks &i : t.indeksler) {
            indeksler.insert(i.ad);
            if (i.katli) {
                const QString beklenen = t.ad + QStringLiteral(" (") + SqlIKatla(i.kolonlar.value(0)) + QLatin1Char(')');
                if (ifadeli.value(i.ad) != beklenen.simplified())
                    f << QStringLiteral("indeks %1: '%2', beklenen '%3'").arg(i.ad, ifadeli.value(i.ad), beklenen);
            } else {
                const QString beklenen = BeklenenIndeks(t, i);
                if (s.indeksler.value(i.ad) != beklenen)
                    f << QStringLiteral("indeks %1: '%2', beklenen '%3'").arg(i.ad, s.indeksler.value(i.ad), beklenen);
            }
        }
    }
    for (const QString &g : DigerUretecler())
        uretecler.insert(g);
    for (auto it = s.tablolar.cbegin(); it != s.tablolar.cend(); ++it)
        if (!tablolar.contains(it.key()))
            f << QStringLiteral("fazla tablo: ") + it.key();
    for (const QString &g : uretecler)
        if (!s.uretecler.contains(g))
            f << QStringLiteral("üreteç yok: ") + g;
    for (const QString &g : s.uretecler)
        if (!uretecler.contains(g))
            f << QStringLiteral("fazla üreteç: ") + g;
    QSet<QString> tetikleyiciler;
    for (const Tablo &t : Tablolar()) {
        tetikleyiciler.insert(OlayTetikleyiciAdi(t));
        if (s.tetikleyiciler.value(OlayTetikleyiciAdi(t)) != BeklenenTetikleyici(t))
            f << QStringLiteral("tetikleyici %1: '%2'").arg(OlayTetikleyiciAdi(t), s.tetikleyiciler.value(OlayTetikleyiciAdi(t)));
    }
    for (auto it = s.tetikleyiciler.cbegin(); it != s.tetikleyiciler.cend(); ++it)
        if (!tetikleyiciler.contains(it.key()))
            f << QStringLiteral("fazla tetikleyici: ") + it.key();
    QStringList varOlan = s.indeksler.keys() + ifadeli.keys();
    for (const QString &i : varOlan)
        if (!indeksler.contains(i) && !i.startsWith(QLatin1String("RDB$")))
            f << QStringLiteral("fazla indeks: ") + i;
    f.sort();
    return f;
}

// Runs the upgrade list without its statement at atla (-1: the whole list),
// each statement alone, errors ignored, as Guncelleme::calistir does.
int listeyiCalistir(int atla)
{
    int basarili = 0;
    const QStringList k = Guncelleme::komutlar();
    for (int i = 0; i < k.size(); ++i) {
        QString hata;
        if (i != atla && Sorgu::calistir(k.at(i), {}, {}, &hata))
            ++basarili;
    }
    return basarili;
}

} // namespace

// The open database matches the description; otherwise the differences are told.
#define AYNI_SEMA()                                                                                                    \
    do {                                                                                                               \
        const QStringList farklar = aciklamadanFarklar();                                                              \
        QVERIFY2(farklar.isEmpty(), qPrintable(farklar.join(QLatin1Char('\n'))));                                      \
    } while (false)

class TstGuncelleme : public QObject
{
    Q_OBJECT
private slots:
    void komutMetinleri()
    {
        const QStringList k = Guncelleme::komutlar();
        // The 37 statements of older releases, the one they forgot, then the
        // keys and indexes no step made, then the folded name indexes and the
        // patient list's order indexes, the administrator code's table, then a
        // change-event trigger per table, then the wider password column, the
        // source column of order and procedure lines, and the date-order
        // indexes of appointments and examinations, the notes' due date, and
        // the appointments' date-and-time order indexes; last the Turkish
        // alphabetical order, one step per table that has columns in it.
        const int turkceTablolar = turkceSiraliTablolar();
        QCOMPARE(turkceTablolar, 20);
        const int son = 69 + int(Tablolar().size()) + 12; // after the last step before the order's
        QCOMPARE(k.size(), son + turkceTablolar);
        QCOMPARE(k.at(68), QStringLiteral("CREATE TABLE YONETICIKODLARI (SIRKETKODU VARCHAR(10) NOT NULL,"
                                          "KODOZETI VARCHAR(150),KULLANICI VARCHAR(10),DEGISTIRMETARIHI TIMESTAMP,"
                                          "CONSTRAINT PK_YONETICIKODLARI PRIMARY KEY (SIRKETKODU))"));
        QCOMPARE(k.at(69), OlayTetikleyicisi(Tablolar().front()));
        QCOMPARE(k.at(son - 11), QStringLiteral("ALTER TABLE MUAYENE_LAB ADD KAYNAK VARCHAR(5)"));
        QCOMPARE(k.at(son - 10), QStringLiteral("ALTER TABLE YAPILANISLEMLER ADD KAYNAK VARCHAR(5)"));
        QCOMPARE(k.at(son - 8), QStringLiteral("CREATE DESCENDING INDEX RANDEVU_SK_TARIH_AZ ON RANDEVU "
                                               "(SIRKETKODU,RANDEVUTARIHI,KAYITNO)"));
        QCOMPARE(k.at(son - 1), QStringLiteral("CREATE DESCENDING INDEX RANDEVU_SK_TARIH_SAAT_AZ ON RANDEVU "
                                               "(SIRKETKODU,RANDEVUTARIHI,RANDEVUSAATI,KAYITNO)"));
        // The patients' step: the columns onto the ordering domains and back,
        // the folded name index made again from the description.
        const QString hasta = k.at(son + 2);
        QVERIFY2(hasta.startsWith(QLatin1String("EXECUTE BLOCK ")) && hasta.contains(QLatin1String("'HASTALAR'")),
                 qPrintable(hasta));
        QVERIFY(hasta.contains(QLatin1String("'ALTER TABLE HASTALAR ALTER COLUMN HASTAADISOYADI TYPE TR_SIRA_45'")));
        QVERIFY(hasta.contains(QLatin1String("'ALTER TABLE HASTALAR ALTER COLUMN HASTAADISOYADI TYPE VARCHAR(45) "
                                             "CHARACTER SET WIN1254'")));
        QVERIFY(!hasta.contains(QLatin1String("HASTAKODU TYPE")));
        QVERIFY(hasta.contains(QLatin1String("EXECUTE STATEMENT 'DROP INDEX HASTA_ADI_KATLI'")));
        QVERIFY(hasta.contains(SqlDizgi(QStringLiteral("CREATE INDEX HASTA_ADI_KATLI ON HASTALAR COMPUTED BY "
                                                       "(replace(replace(replace(HASTAADISOYADI, 'İ', 'I'), 'ı', "
                                                       "'I'), 'i', 'I'))"))));
        QVERIFY(!hasta.contains(QLatin1String("HASTA_HASTAKODU")));
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
        QCOMPARE(k.at(38), QStringLiteral("ALTER TABLE RANDEVUPROGRAMI ADD CONSTRAINT PK_RANDEVUPROGRAMI PRIMARY KEY "
                                          "(KAYITNO)"));
        QCOMPARE(k.at(54), QStringLiteral("CREATE INDEX HASTA_ADI_KATLI ON HASTALAR COMPUTED BY "
                                          "(replace(replace(replace(HASTAADISOYADI, 'İ', 'I'), 'ı', 'I'), 'i', 'I'))"));
        QCOMPARE(k.at(64), QStringLiteral("CREATE DESCENDING INDEX HASTA_SK_ADI_AZ ON HASTALAR "
                                          "(SIRKETKODU,HASTAADISOYADI,KAYITNO)"));
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
        // A folded index the list makes is the description's own statement:
        // the searches are written from the description, and an index on any
        // other expression would serve none of them.
        int katli = 0;
        for (const Tablo &t : Tablolar())
            for (const Indeks &i : t.indeksler)
                if (i.katli) {
                    ++katli;
                    QVERIFY2(k.contains(IndeksKomutu(t.ad, i)), qPrintable(IndeksKomutu(t.ad, i)));
                }
        QCOMPARE(katli, 7);
    }

    void yeniVeritabaniDegismez()
    {
        TEST_VT(vt);
        AYNI_SEMA();
        const OkunanSema once = SemaOku();
        QVERIFY2(once.hata.isEmpty(), qPrintable(once.hata));
        QString h;
        const auto ifadeOnce = ifadeIndeksleri(&h);
        QVERIFY2(h.isEmpty(), qPrintable(h));
        QCOMPARE(ifadeOnce.size(), 7);
        BetikMesaj m;
        QCOMPARE(Guncelleme::calistir(), 0);
        const OkunanSema sonra = SemaOku();
        QCOMPARE(sonra.tablolar, once.tablolar);
        QCOMPARE(sonra.uretecler, once.uretecler);
        QCOMPARE(sonra.indeksler, once.indeksler);
        QCOMPARE(ifadeIndeksleri(&h), ifadeOnce);
        AYNI_SEMA();
        QVERIFY(m.mesajlar.isEmpty());
        QVERIFY(m.hatalar.isEmpty());
    }

    void eskiVeritabaniGuncellenir()
    {
        TEST_VT(vt);
        QString h;
        QVERIFY2(eskiVeritabaniAc(vt, {}, &h), qPrintable(h));

        const OkunanSema eski = SemaOku();
        QVERIFY2(eski.hata.isEmpty(), qPrintable(eski.hata));
        QVERIFY(!eski.tablolar.contains(QStringLiteral("GOZHASTALIKLARI")));
        QVERIFY(!eski.tablolar.contains(QStringLiteral("YAPILANISLEMLER")));
        QVERIFY(eski.tablolar.contains(QStringLiteral("MUAYENE")));
        QVERIFY(!eski.tablolar.value(QStringLiteral("HASTALAR")).join(QLatin1Char(';')).contains(QLatin1String("DOGUMYERI")));
        QVERIFY(!eski.uretecler.contains(QStringLiteral("OTOKOD_GOZ")));
        QVERIFY(!eski.indeksler.contains(QStringLiteral("HASTA_HASTAKODU")));
        QVERIFY(ifadeIndeksleri(&h).isEmpty());
        QVERIFY(!aciklamadanFarklar().isEmpty());

        BetikMesaj m;
        // Every statement has something to do on the old database.
        QCOMPARE(Guncelleme::calistir(), int(Guncelleme::komutlar().size()));
        AYNI_SEMA();
        QVERIFY(m.mesajlar.isEmpty());

        // A second run finds everything in place.
        const OkunanSema yeni = SemaOku();
        QCOMPARE(Guncelleme::calistir(), 0);
        const OkunanSema ikinci = SemaOku();
        QCOMPARE(ikinci.tablolar, yeni.tablolar);
        QCOMPARE(ikinci.uretecler, yeni.uretecler);
        QCOMPARE(ikinci.indeksler, yeni.indeksler);
        AYNI_SEMA();
        QVERIFY(m.mesajlar.isEmpty());
    }

    // Each statement of the list is needed: without it the old database falls
    // short of the description somewhere.
    void herKomutGerekli_data()
    {
        QTest::addColumn<int>("atla");
        const QStringList k = Guncelleme::komutlar();
        for (int i = 0; i < k.size(); ++i)
            QTest::newRow(qPrintable(QString::number(i + 1) + QLatin1Char(' ') + k.at(i).left(60))) << i;
    }
    void herKomutGerekli()
    {
        QFETCH(int, atla);
        TEST_VT(vt);
        QString h;
        QVERIFY2(eskiVeritabaniAc(vt, {}, &h), qPrintable(h));
        BetikMesaj m;
        listeyiCalistir(atla);
        const QStringList farklar = aciklamadanFarklar();
        QVERIFY2(!farklar.isEmpty(), qPrintable(Guncelleme::komutlar().at(atla)));
        QVERIFY2(!farklar.first().startsWith(QStringLiteral("şema okunamadı")), qPrintable(farklar.first()));
    }

    // A database of the release before: the names, titles and places get the
    // Turkish order, their indexes are made again and used, the rows stay.
    void oncekiSurumTurkceSirayaGecer()
    {
        TEST_VT(vt);
        QString h;
        QVERIFY2(oncekiSurumVeritabaniAc(vt, &h), qPrintable(h));
        const QStringList farklarOnce = aciklamadanFarklar();
        QVERIFY(!farklarOnce.isEmpty());
        for (const QString &f : farklarOnce)
            QVERIFY2(f.contains(QLatin1String("kolon")), qPrintable(f)); // only the columns' order differs
        const QStringList adlar = {"ZEYBEK", "ÜNAL", "UYSAL", "ŞAHİN", "SARI", "ÖZ",
                                   "OSMAN", "İNCE", "IŞIK", "ILGAZ", "ÇELİK", "CAN"};
        for (int i = 0; i < adlar.size(); ++i) {
            QVERIFY(Sorgu::calistir(QStringLiteral("insert into hastalar (kayitno, hastakodu, hastaadisoyadi, il, "
                                                   "sirketkodu) values (?, ?, ?, ?, '2007')"),
                                    {i + 1, QStringLiteral("H%1").arg(i + 1), adlar.at(i), adlar.at(i)}));
            QVERIFY(Sorgu::calistir(QStringLiteral("insert into tanilar (kayitno, tani) values (?, ?)"),
                                    {i + 1, adlar.at(i)}));
        }
        const QString hastaSirasi = QStringLiteral("select hastaadisoyadi from hastalar where sirketkodu = '2007' "
                                                   "order by hastaadisoyadi, kayitno");
        // before: the character set's own order, Ç, İ, Ö, Ş, Ü after Z
        const QStringList once = ilkKolon(hastaSirasi);
        QVERIFY2(once.indexOf(QStringLiteral("ZEYBEK")) < once.indexOf(QStringLiteral("ÇELİK")),
                 qPrintable(once.join(QLatin1Char(' '))));
        const auto satirlarOnce = Sorgu::sec(QStringLiteral("select * from hastalar order by kayitno"));
        QVERIFY(satirlarOnce);

        BetikMesaj m;
        // Only the order's steps find something to do.
        QCOMPARE(Guncelleme::calistir(), turkceSiraliTablolar());
        AYNI_SEMA();
        QCOMPARE(Guncelleme::calistir(), 0);
        QVERIFY(m.mesajlar.isEmpty());

        const auto satirlarSonra = Sorgu::sec(QStringLiteral("select * from hastalar order by kayitno"));
        QVERIFY(satirlarSonra);
        QCOMPARE(satirlarSonra->satirlar, satirlarOnce->satirlar);
        const QStringList turkce = {"CAN", "ÇELİK", "ILGAZ", "IŞIK", "İNCE", "OSMAN",
                                    "ÖZ", "SARI", "ŞAHİN", "UYSAL", "ÜNAL", "ZEYBEK"};
        QCOMPARE(ilkKolon(hastaSirasi), turkce);
        QCOMPARE(ilkKolon(QStringLiteral("select il from hastalar order by il")), turkce);
        QCOMPARE(ilkKolon(QStringLiteral("select tani from tanilar order by tani")), turkce);
        // The folded indexes, made again, serve the searches and hold the new
        // order's keys (one kept from before walks Ç after Z).
        for (const auto &[tablo, kolon] : {std::pair{QStringLiteral("HASTALAR"), QStringLiteral("HASTAADISOYADI")},
                                           std::pair{QStringLiteral("TANILAR"), QStringLiteral("TANI")}}) {
            const QString ara = QStringLiteral("select %1 from %2 where ").arg(kolon, tablo)
                                + SqlKatliArama(kolon, QStringLiteral("Ç"), Benzerlik::IleBaslar, true);
            QCOMPARE(ilkKolon(ara), QStringList{"ÇELİK"});
            const auto ap = Sorgu::plan(ara, {}, &h);
            QVERIFY2(ap && ap->contains(QLatin1String("_KATLI")), qPrintable(ap ? *ap : h));
            QCOMPARE(ilkKolon(QStringLiteral("select %1 from %2 where ").arg(kolon, tablo)
                              + SqlKatliArama(kolon, QStringLiteral("i"), Benzerlik::IleBaslar, true)
                              + QStringLiteral(" order by 1")),
                     (QStringList{"ILGAZ", "IŞIK", "İNCE"}));
            const QString sira = QStringLiteral("select %1 from %2 order by %3").arg(kolon, tablo, SqlIKatla(kolon));
            const auto sp = Sorgu::plan(sira, {}, &h);
            QVERIFY2(sp && sp->contains(QLatin1String("ORDER ")), qPrintable(sp ? *sp : h));
            QCOMPARE(ilkKolon(sira), (QStringList{"CAN", "ÇELİK", "ILGAZ", "İNCE", "IŞIK", "OSMAN", "ÖZ", "SARI",
                                                   "ŞAHİN", "UYSAL", "ÜNAL", "ZEYBEK"}));
        }
    }

    void hatuyariVarDogumyeriYok()
    {
        TEST_VT(vt);
        QString h;
        QVERIFY2(eskiVeritabaniAc(vt, {QStringLiteral("ALTER TABLE HASTALAR ADD HATUYARI VARCHAR(5)")}, &h),
                 qPrintable(h));
        BetikMesaj m;
        QCOMPARE(Guncelleme::calistir(), int(Guncelleme::komutlar().size()) - 1);
        const QString hastalar = SemaOku().tablolar.value(QStringLiteral("HASTALAR")).join(QLatin1Char(';'));
        for (const char *yok : {"DOGUMYERI ", "AILEGECMISI ", "TANI1 ", "TANI2 "})
            QVERIFY2(!hastalar.contains(QLatin1String(yok)), yok);
        QCOMPARE(hastalar.count(QStringLiteral("HATUYARI ")), 1);
        QVERIFY(hastalar.contains(QLatin1String("HATIRLATMATARIHI2 TIMESTAMP")));
        // The columns it has take the Turkish order all the same.
        QVERIFY(hastalar.contains(QLatin1String("HASTAADISOYADI VARCHAR(45) CHARACTER SET WIN1254 COLLATE PXW_TURK")));
        QVERIFY(m.mesajlar.isEmpty());
    }
};

QTEST_MAIN(TstGuncelleme)
#include "tst_guncelleme.moc"
