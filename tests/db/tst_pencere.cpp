// The data set reading in windows, on a real embedded database with more
// rows than its buffer holds: every order the program writes (NULLs and
// duplicates in the order columns, ascending and descending, two columns,
// an expression) gives exactly the rows of a plain query in the same order,
// walked forward, backward and at random; a key far away is found; the
// count arrives later and exactly; writes in a far window; a reload keeps
// the current row; a data set closed while its count runs.
#include "db/baglanti.h"
#include "db/pencere.h"
#include "db/sorgu.h"
#include "db/tablomodeli.h"
#include "db/veriseti.h"
#include "destek/betikmesaj.h"
#include "destek/testvt.h"

#include <QAbstractItemModelTester>
#include <QSignalSpy>
#include <QSqlError>
#include <QSqlQuery>
#include <QTableView>
#include <QtTest>

namespace {

const int SATIR = 5000; // more than the buffer keeps (VeriSeti::tamponSiniri)
const QString Ikinci = QStringLiteral("ikinci");

// Patients 1..adet with duplicate names, dates and child counts, NULLs in
// the last two, written in one transaction.
bool doldur(int adet, QString *hata)
{
    Islem islem;
    QSqlQuery q(Baglanti::vt());
    if (!q.prepare(QStringLiteral("insert into hastalar (kayitno, hastakodu, hastaadisoyadi, dogumtarihi, "
                                  "cocuksayisi, sirketkodu) values (?,?,?,?,?,'2007')"))) {
        *hata = q.lastError().text();
        return false;
    }
    for (int i = 1; i <= adet; ++i) {
        q.addBindValue(i);
        q.addBindValue(QStringLiteral("K%1").arg(i));
        // 37 names, so every name repeats; the order of the keys differs
        // from the order of the names.
        q.addBindValue(QStringLiteral("HASTA %1").arg((i * 7) % 37, 2, 10, QLatin1Char('0')));
        q.addBindValue(i % 5 == 0 ? QVariant(QMetaType::fromType<QDateTime>())
                                  : QVariant(QDateTime(QDate(1980, 1, 1).addDays(i % 90), QTime(0, 0))));
        q.addBindValue(i % 7 == 0 ? QVariant(QMetaType::fromType<double>()) : QVariant(double(i % 4)));
        if (!q.exec()) {
            *hata = q.lastError().text();
            return false;
        }
    }
    q.finish();
    if (!Sorgu::calistir(QStringLiteral("set generator otokod_hastalar to %1").arg(adet)))
        return false;
    return islem.onayla(hata);
}

#define DOLDUR(adet)                                                                                                   \
    do {                                                                                                               \
        QString doldurmaHatasi;                                                                                        \
        QVERIFY2(doldur(adet, &doldurmaHatasi), qPrintable(doldurmaHatasi));                                           \
    } while (false)

// The keys of a plain query, in its order.
QVector<qint64> anahtarlar(const QString &sql)
{
    QVector<qint64> v;
    QString h;
    auto s = Sorgu::sec(sql, {}, QString(), &h);
    if (!s) {
        qWarning("%s", qPrintable(h));
        return v;
    }
    const int k = s->kolonSirasi(QStringLiteral("KAYITNO"));
    for (const QVariantList &satir : s->satirlar)
        v << satir.at(k).toLongLong();
    return v;
}

qint64 anahtarAt(const VeriSeti &vs, int satir)
{
    return vs.satirDegeri(satir, QStringLiteral("KAYITNO")).toLongLong();
}

// The selects a screen may give a data set, and the same order written out
// in full (the key as the last tie-breaker) for the plain query.
void siralar()
{
    QTest::addColumn<QString>("sql");
    QTest::addColumn<QString>("referans");
    const QString bas = QStringLiteral("select * from hastalar where 1=1  and sirketkodu ='2007' ");
    QTest::newRow("anahtar") << bas + QStringLiteral(" order by HASTALAR.KAYITNO ")
                             << bas + QStringLiteral(" order by kayitno");
    QTest::newRow("sırasız") << bas << bas + QStringLiteral(" order by kayitno");
    QTest::newRow("ad, tekrarlı") << bas + QStringLiteral(" order by hastalar.hastaadisoyadi")
                                  << bas + QStringLiteral(" order by hastaadisoyadi, kayitno");
    QTest::newRow("tarih azalan, NULL'lı") << bas + QStringLiteral(" order by hastalar.dogumtarihi desc")
                                           << bas + QStringLiteral(" order by dogumtarihi desc, kayitno");
    QTest::newRow("tarih artan, NULL sonda") << bas + QStringLiteral(" order by hastalar.dogumtarihi nulls last")
                                             << bas + QStringLiteral(" order by dogumtarihi nulls last, kayitno");
    QTest::newRow("iki kolon") << bas + QStringLiteral(" order by hastalar.cocuksayisi desc, hastalar.hastaadisoyadi")
                               << bas + QStringLiteral(" order by cocuksayisi desc, hastaadisoyadi, kayitno");
    QTest::newRow("anahtar azalan") << bas + QStringLiteral(" order by hastalar.kayitno desc")
                                    << bas + QStringLiteral(" order by kayitno desc");
    QTest::newRow("takma ad, ifade") << QStringLiteral("select h.*, 'E' as secili from hastalar h where h.cocuksayisi "
                                                       "is not null order by upper(h.hastaadisoyadi) desc nulls first")
                                     << QStringLiteral("select h.*, 'E' as secili from hastalar h where "
                                                       "h.cocuksayisi is not null order by upper(h.hastaadisoyadi) "
                                                       "desc nulls first, h.kayitno");
}

// Attachments of the database other than the shared connection's.
qint64 digerBaglantilar()
{
    auto v = Sorgu::tekDeger(QStringLiteral("select count(*) from mon$attachments where mon$attachment_id <> "
                                            "current_connection and mon$system_flag = 0"));
    return v ? v->toLongLong() : -1;
}

} // namespace

class TstPencere : public QObject
{
    Q_OBJECT
private slots:
    void cleanup() { Baglanti::kapat(Ikinci); }

    void secimCozulur_data()
    {
        QTest::addColumn<QString>("sql");
        QTest::addColumn<bool>("pencereli");
        QTest::addColumn<QString>("nitelik");
        QTest::addColumn<QString>("filtre");
        QTest::addColumn<QString>("ileri");
        QTest::addColumn<QString>("geri");
        QTest::newRow("baş + filtre + sıra")
            << "select * from hastalar where 1=1  and sirketkodu ='2007'  order by HASTALAR.KAYITNO " << true
            << "HASTALAR" << "1=1  and sirketkodu ='2007'" << " order by HASTALAR.KAYITNO"
            << " order by HASTALAR.KAYITNO desc";
        QTest::newRow("sırasız: anahtar sırası") << "select * from hastalar where 1=1 " << true << "HASTALAR"
                                                 << "1=1" << " order by HASTALAR.KAYITNO"
                                                 << " order by HASTALAR.KAYITNO desc";
        QTest::newRow("takma ad, where yok") << "select h.*, 'EVET' as durum from hastalar h" << true << "H" << ""
                                             << " order by H.KAYITNO" << " order by H.KAYITNO desc";
        QTest::newRow("NULL yerleri ters döner")
            << "select * from hastalar where 1=1 order by hastalar.dogumtarihi desc, hastalar.hastaadisoyadi nulls last"
            << true << "HASTALAR" << "1=1"
            << " order by hastalar.dogumtarihi desc, hastalar.hastaadisoyadi nulls last, HASTALAR.KAYITNO"
            << " order by hastalar.dogumtarihi, hastalar.hastaadisoyadi desc nulls first, HASTALAR.KAYITNO desc";
        QTest::newRow("dizgideki order by") << "select * from hastalar where adres = 'A ORDER BY B' Order  By "
                                               "hastalar.hastakodu asc"
                                            << true << "HASTALAR" << "adres = 'A ORDER BY B'"
                                            << " order by hastalar.hastakodu, HASTALAR.KAYITNO"
                                            << " order by hastalar.hastakodu desc, HASTALAR.KAYITNO desc";
        QTest::newRow("alt sorgudaki order by")
            << "select h.*, (select first 1 m.kayitno from muayene m where m.hastakodu = h.hastakodu order by "
               "m.kayitno desc) as son from hastalar h where 1=1 order by h.hastaadisoyadi"
            << true << "H" << "1=1" << " order by h.hastaadisoyadi, H.KAYITNO"
            << " order by h.hastaadisoyadi desc, H.KAYITNO desc";
        QTest::newRow("birleşim") << "select h.*, d.doktoradisoyadi from hastalar h left join doktorlar d on "
                                     "d.doktorkodu = h.doktorkodu where h.il = 'ANKARA' order by h.kayitno desc"
                                  << true << "H" << "h.il = 'ANKARA'" << " order by h.kayitno desc"
                                  << " order by h.kayitno";
        QTest::newRow("tablo ikinci sırada") << "select d.doktoradisoyadi, x.* from doktorlar d join hastalar as x on "
                                                "x.doktorkodu = d.doktorkodu"
                                             << true << "X" << "" << " order by X.KAYITNO"
                                             << " order by X.KAYITNO desc";
        QTest::newRow("group by") << "select il, count(*) from hastalar group by il" << false << "" << "" << "" << "";
        QTest::newRow("distinct") << "select distinct il from hastalar" << false << "" << "" << "" << "";
        QTest::newRow("kendi first'ü") << "select first 10 * from hastalar order by kayitno" << false << "" << ""
                                        << "" << "";
        QTest::newRow("union") << "select * from hastalar where il='A' union select * from hastalar where il='B'"
                               << false << "" << "" << "" << "";
        QTest::newRow("kolon numarası") << "select * from hastalar order by 2" << false << "" << "" << "" << "";
        QTest::newRow("başka tablo") << "select * from doktorlar" << false << "" << "" << "" << "";
    }

    void secimCozulur()
    {
        QFETCH(QString, sql);
        QFETCH(bool, pencereli);
        QFETCH(QString, nitelik);
        QFETCH(QString, filtre);
        QFETCH(QString, ileri);
        QFETCH(QString, geri);
        const Pencere::Secim s = Pencere::coz(sql, *TabloBul(QStringLiteral("HASTALAR")));
        QCOMPARE(s.pencereli, pencereli);
        if (!pencereli)
            return;
        QCOMPARE(s.nitelik, nitelik);
        QCOMPARE(s.filtre, filtre);
        QCOMPARE(Pencere::siralama(s, true), ileri);
        QCOMPARE(Pencere::siralama(s, false), geri);
        QCOMPARE(s.anahtarIfadesi, nitelik + QStringLiteral(".KAYITNO"));
        // The head and the source give back the statement up to the filter.
        QVERIFY2(sql.startsWith(s.bas + s.kaynak.trimmed()), qPrintable(s.bas + s.kaynak));
    }

    // Columns fixed by the filter, and whether an index led by them walks
    // the order for the rest.
    void esitlikVeIndeks_data()
    {
        QTest::addColumn<QString>("sql");
        QTest::addColumn<QStringList>("esitler");
        QTest::addColumn<bool>("ileri"); // the company-led key index walks the order forward
        const QString sira = QStringLiteral(" order by hastalar.kayitno");
        QTest::newRow("şirket") << "select * from hastalar where 1=1  and sirketkodu ='2007' " + sira
                                << QStringList{"SIRKETKODU"} << true;
        QTest::newRow("nitelikli, sayı") << "select * from hastalar h where h.sirketkodu = '2007' and h.kayitno = 5 "
                                            "order by h.kayitno"
                                         << QStringList{"SIRKETKODU", "KAYITNO"} << true;
        QTest::newRow("or varken hiçbiri") << "select * from hastalar where sirketkodu = '2007' or il = 'A'" + sira
                                           << QStringList{} << false;
        QTest::newRow("parantez içi sayılmaz")
            << "select * from hastalar where (sirketkodu = '2007') and il <> 'A'" + sira << QStringList{} << false;
        QTest::newRow("eşitlik değil") << "select * from hastalar where sirketkodu >= '2007'" + sira << QStringList{}
                                       << false;
        QTest::newRow("ifade") << "select * from hastalar where sirketkodu = '20' || '07'" + sira << QStringList{}
                               << false;
        QTest::newRow("filtresiz") << "select * from hastalar" + sira << QStringList{} << false;
    }

    void esitlikVeIndeks()
    {
        QFETCH(QString, sql);
        QFETCH(QStringList, esitler);
        QFETCH(bool, ileri);
        const Pencere::Secim s = Pencere::coz(sql, *TabloBul(QStringLiteral("HASTALAR")));
        QVERIFY(s.pencereli);
        QCOMPARE(s.esitler, esitler);
        const QList<Pencere::DbIndeks> indeksler = {{{"SIRKETKODU", "KAYITNO"}, false},
                                                    {{"SIRKETKODU", "HASTAKODU"}, false}};
        QCOMPARE(Pencere::indeksle(s, indeksler, true), ileri);
        QVERIFY(!Pencere::indeksle(s, indeksler, false)); // no descending one here
    }

    // Every row forward (with sonraki, before the count is known), backward
    // from the last (with onceki) and at random positions once the count is
    // known: exactly the plain query's rows in its order.
    void dolasma_data() { siralar(); }
    void dolasma()
    {
        QFETCH(QString, sql);
        QFETCH(QString, referans);
        TEST_VT(vt);
        BetikMesaj m;
        DOLDUR(SATIR);
        const QVector<qint64> beklenen = anahtarlar(referans);
        QVERIFY(beklenen.size() > 4 * VeriSeti::pencereBoyu());
        const int n = int(beklenen.size());
        const int sinir = VeriSeti::tamponSiniri() + 2 * VeriSeti::pencereBoyu();

        {
            VeriSeti vs(QStringLiteral("HASTALAR"));
            vs.selectMetniAyarla(sql);
            QVERIFY(vs.ac());
            QVERIFY(!vs.sayiKesinMi());
            QVERIFY(vs.kayitSayisi() < n);
            int i = 0;
            do {
                QCOMPARE(vs.gecerliSatir(), i);
                QVERIFY2(vs.anahtar() == beklenen.at(i), qPrintable(QStringLiteral("satır %1").arg(i)));
                ++i;
            } while (vs.sonraki());
            QCOMPARE(i, n);
            QVERIFY(vs.sayiKesinMi());
            QCOMPARE(vs.kayitSayisi(), n);
            QVERIFY2(vs.tampondakiSatir() <= sinir, qPrintable(QString::number(vs.tampondakiSatir())));
        }
        {
            VeriSeti vs(QStringLiteral("HASTALAR"));
            vs.selectMetniAyarla(sql);
            QVERIFY(vs.ac());
            QVERIFY(vs.son());
            QCOMPARE(vs.anahtar(), beklenen.last());
            QVERIFY(!vs.sayiKesinMi());
            int geriden = 1;
            while (vs.onceki()) {
                ++geriden;
                QVERIFY2(vs.anahtar() == beklenen.at(n - geriden), qPrintable(QStringLiteral("sondan %1").arg(geriden)));
            }
            QCOMPARE(geriden, n);
            QCOMPARE(vs.gecerliSatir(), 0);
            QCOMPARE(vs.kayitSayisi(), n);
            QVERIFY(vs.sayiKesinMi());
        }
        {
            VeriSeti vs(QStringLiteral("HASTALAR"));
            vs.selectMetniAyarla(sql);
            QVERIFY(vs.ac());
            QCOMPARE(vs.kesinKayitSayisi(), n);
            // Jumps all over the list: windows far from any read one, read
            // by position, and windows dropped and read again.
            for (int k = 0, i = n / 2; k < 400; ++k, i = int((i + 2477LL) % n))
                QVERIFY2(anahtarAt(vs, i) == beklenen.at(i), qPrintable(QStringLiteral("satır %1").arg(i)));
            QVERIFY2(vs.tampondakiSatir() <= sinir, qPrintable(QString::number(vs.tampondakiSatir())));
            // Rows are read with their values, not only their keys.
            QCOMPARE(vs.satirDegeri(n / 2, QStringLiteral("HASTAKODU")).toString(),
                     QStringLiteral("K%1").arg(beklenen.at(n / 2)));
        }
        {
            // As an export reads them: every row in turn (the windows grow
            // as the reading goes on), then back from the end.
            VeriSeti vs(QStringLiteral("HASTALAR"));
            vs.selectMetniAyarla(sql);
            QVERIFY(vs.ac());
            QCOMPARE(vs.kesinKayitSayisi(), n);
            for (int i = 0; i < n; ++i)
                QVERIFY2(anahtarAt(vs, i) == beklenen.at(i), qPrintable(QStringLiteral("satır %1").arg(i)));
            QVERIFY2(vs.tampondakiSatir() <= VeriSeti::tamponSiniri(), qPrintable(QString::number(vs.tampondakiSatir())));
            for (int i = n - 1; i >= 0; --i)
                QVERIFY2(anahtarAt(vs, i) == beklenen.at(i), qPrintable(QStringLiteral("satır %1").arg(i)));
            QVERIFY2(vs.tampondakiSatir() <= VeriSeti::tamponSiniri(), qPrintable(QString::number(vs.tampondakiSatir())));
        }
        QVERIFY(m.mesajlar.isEmpty());
    }

    void uzaktakiAnahtarBulunur_data()
    {
        QTest::addColumn<QString>("sql");
        QTest::addColumn<QString>("referans");
        QTest::addColumn<QString>("once"); // what happened before the search
        const QString bas = QStringLiteral("select * from hastalar where 1=1 ");
        for (const char *once : {"açılış", "son satır", "sayı kesin"}) {
            QTest::addRow("anahtar sırası, %s", once)
                << bas + QStringLiteral("order by hastalar.kayitno") << bas + QStringLiteral("order by kayitno")
                << QString::fromUtf8(once);
            QTest::addRow("NULL'lı azalan tarih, %s", once)
                << bas + QStringLiteral("order by hastalar.dogumtarihi desc")
                << bas + QStringLiteral("order by dogumtarihi desc, kayitno") << QString::fromUtf8(once);
        }
    }

    void uzaktakiAnahtarBulunur()
    {
        QFETCH(QString, sql);
        QFETCH(QString, referans);
        QFETCH(QString, once);
        TEST_VT(vt);
        BetikMesaj m;
        DOLDUR(SATIR);
        const QVector<qint64> beklenen = anahtarlar(referans);
        const int n = int(beklenen.size());
        VeriSeti vs(QStringLiteral("HASTALAR"));
        vs.selectMetniAyarla(sql);
        QVERIFY(vs.ac());
        if (once == QStringLiteral("son satır"))
            QVERIFY(vs.son());
        else if (once == QStringLiteral("sayı kesin"))
            QCOMPARE(vs.kesinKayitSayisi(), n);
        for (const int yer : {n / 2, n - 3, 7 * n / 10, 60, n / 3}) {
            QVERIFY2(vs.bul(beklenen.at(yer)), qPrintable(QStringLiteral("satır %1").arg(yer)));
            QCOMPARE(vs.gecerliSatir(), yer);
            QCOMPARE(vs.anahtar(), beklenen.at(yer));
            QCOMPARE(vs.metin(QStringLiteral("HASTAKODU")), QStringLiteral("K%1").arg(beklenen.at(yer)));
            // the rows around it are the right ones
            QCOMPARE(anahtarAt(vs, yer + 1), beklenen.at(yer + 1));
            QCOMPARE(anahtarAt(vs, yer - 1), beklenen.at(yer - 1));
        }
        QVERIFY(!vs.bul(SATIR + 100)); // no such key
        QVERIFY(vs.bul(beklenen.at(n / 2)));
        QCOMPARE(vs.kesinKayitSayisi(), n);
        QCOMPARE(vs.gecerliSatir(), n / 2);
        QCOMPARE(vs.anahtar(), beklenen.at(n / 2));
        QVERIFY(m.mesajlar.isEmpty());
    }

    // The first window shows at once; the count comes later from the
    // worker and the rows are announced to the model as inserted.
    void sayiSonradanGelir()
    {
        TEST_VT(vt);
        BetikMesaj m;
        DOLDUR(SATIR);
        QString h;
        QVERIFY2(Baglanti::ac(vt.yol(), Ikinci, &h), qPrintable(h));
        const qint64 baglantiNo = Sorgu::tekDeger(QStringLiteral("select current_connection from rdb$database"))
                                      ->toLongLong();
        auto acikIslemler = [&] {
            return Sorgu::tekDeger(QStringLiteral("select count(*) from mon$transactions where mon$attachment_id=?"),
                                   {baglantiNo}, Ikinci)
                ->toLongLong();
        };
        VeriSeti vs(QStringLiteral("HASTALAR"));
        vs.selectMetniAyarla(QStringLiteral("select * from hastalar where 1=1 order by hastalar.hastaadisoyadi"));
        TabloModeli model(&vs);
        QAbstractItemModelTester tester(&model, QAbstractItemModelTester::FailureReportingMode::QtTest);
        QSignalSpy sayi(&vs, &VeriSeti::sayiDegisti);
        QSignalSpy eklendi(&model, &QAbstractItemModel::rowsInserted);
        QVERIFY(vs.ac());
        const int ilk = vs.kayitSayisi();
        QVERIFY(ilk > 0 && ilk < SATIR);
        QVERIFY(!vs.sayiKesinMi());
        QCOMPARE(acikIslemler(), 0);          // the first window left no transaction open
        QVERIFY(sayi.wait(10000));
        QCOMPARE(sayi.count(), 1);
        QCOMPARE(sayi.first().first().toInt(), SATIR);
        QVERIFY(vs.sayiKesinMi());
        QCOMPARE(vs.kayitSayisi(), SATIR);
        QCOMPARE(model.rowCount(), SATIR);
        // the rows that came with the count, in one insertion after those known
        QVERIFY(!eklendi.isEmpty());
        QCOMPARE(eklendi.last().at(2).toInt(), SATIR - 1);
        // the count's own connection is gone with its job
        VeriSeti::sayimlariBekle();
        QCOMPARE(digerBaglantilar(), 1); // the second connection only
        // a row from the far end through the model
        const QVector<qint64> beklenen =
            anahtarlar(QStringLiteral("select * from hastalar order by hastaadisoyadi, kayitno"));
        const int kolon = model.gorunenKolon(QStringLiteral("KAYITNO"));
        QCOMPARE(model.data(model.index(SATIR - 2, kolon), Qt::EditRole).toLongLong(), beklenen.at(SATIR - 2));
        QCOMPARE(acikIslemler(), 0);
        QVERIFY(m.mesajlar.isEmpty());
    }

    void kesinSayiBekler_data()
    {
        QTest::addColumn<bool>("isciBasladi"); // the worker got going before the wait
        QTest::newRow("işçi çalışırken") << true;
        QTest::newRow("işçi başlamadan") << false;
    }

    void kesinSayiBekler()
    {
        QFETCH(bool, isciBasladi);
        TEST_VT(vt);
        BetikMesaj m;
        DOLDUR(SATIR);
        VeriSeti vs(QStringLiteral("HASTALAR"));
        vs.selectMetniAyarla(QStringLiteral("select * from hastalar where 1=1 and cocuksayisi is not null "
                                            "order by hastalar.kayitno"));
        QSignalSpy sayi(&vs, &VeriSeti::sayiDegisti);
        QSignalSpy eklenecek(&vs, &VeriSeti::satirlarEklenecek);
        QVERIFY(vs.ac());
        if (isciBasladi)
            QCoreApplication::processEvents(); // the zero timer starts the worker
        const int beklenen = int(Sorgu::tekDeger(QStringLiteral("select count(*) from hastalar where cocuksayisi is "
                                                                "not null"))
                                     ->toLongLong());
        QCOMPARE(vs.kesinKayitSayisi(), beklenen);
        QCOMPARE(vs.kayitSayisi(), beklenen);
        QCOMPARE(sayi.count(), 1);
        QCOMPARE(eklenecek.count(), 1);
        // nothing more comes later from the worker
        VeriSeti::sayimlariBekle();
        QCoreApplication::processEvents();
        QCoreApplication::processEvents();
        QCOMPARE(sayi.count(), 1);
        QCOMPARE(vs.kayitSayisi(), beklenen);
        QVERIFY(m.mesajlar.isEmpty());
    }

    // Insert, update and delete with the current row in a window far from
    // the first: the database, the buffer and the counts agree.
    void uzakPenceredeYazma_data()
    {
        QTest::addColumn<QString>("sql");
        QTest::addColumn<QString>("referans");
        const QString bas = QStringLiteral("select * from hastalar where 1=1 ");
        QTest::newRow("anahtar sırası") << bas + QStringLiteral("order by hastalar.kayitno")
                                        << bas + QStringLiteral("order by kayitno");
        QTest::newRow("ad sırası") << bas + QStringLiteral("order by hastalar.hastaadisoyadi")
                                   << bas + QStringLiteral("order by hastaadisoyadi, kayitno");
    }

    void uzakPenceredeYazma()
    {
        QFETCH(QString, sql);
        QFETCH(QString, referans);
        TEST_VT(vt);
        BetikMesaj m;
        DOLDUR(SATIR);
        const QVector<qint64> beklenen = anahtarlar(referans);
        const int n = int(beklenen.size());
        VeriSeti vs(QStringLiteral("HASTALAR"));
        vs.selectMetniAyarla(sql);
        QVERIFY(vs.ac());
        const int yer = 4 * n / 5;

        // update
        QVERIFY(vs.bul(beklenen.at(yer)));
        QVERIFY(vs.degerAyarla(QStringLiteral("ADRES"), QStringLiteral("UZAK SOKAK")));
        QVERIFY(vs.kaydet());
        QCOMPARE(Sorgu::tekDeger(QStringLiteral("select adres from hastalar where kayitno=?"), {beklenen.at(yer)})
                     ->toString(),
                 QStringLiteral("UZAK SOKAK"));
        QCOMPARE(vs.satirDegeri(yer, QStringLiteral("ADRES")).toString(), QStringLiteral("UZAK SOKAK"));

        // delete: the next row takes its place
        QVERIFY(vs.sil());
        QCOMPARE(vs.kesinKayitSayisi(), n - 1);
        QCOMPARE(vs.gecerliSatir(), yer);
        QCOMPARE(vs.anahtar(), beklenen.at(yer + 1));
        QCOMPARE(anahtarAt(vs, yer - 1), beklenen.at(yer - 1));
        QCOMPARE(Sorgu::tekDeger(QStringLiteral("select count(*) from hastalar"))->toInt(), n - 1);

        // insert: at the end, as before
        QVERIFY(vs.ekle());
        QCOMPARE(vs.gecerliSatir(), n - 1);
        QCOMPARE(vs.kayitSayisi(), n);
        QVERIFY(vs.degerAyarla(QStringLiteral("HASTAKODU"), QStringLiteral("YENİ")));
        QVERIFY(vs.degerAyarla(QStringLiteral("HASTAADISOYADI"), QStringLiteral("HASTA 00 YENİ")));
        QVERIFY(vs.kaydet());
        const qint64 yeni = vs.anahtar();
        QCOMPARE(Sorgu::tekDeger(QStringLiteral("select count(*) from hastalar"))->toInt(), n);
        QCOMPARE(vs.kesinKayitSayisi(), n);
        QCOMPARE(anahtarAt(vs, n - 1), yeni);
        QCOMPARE(anahtarAt(vs, n - 2), beklenen.last());

        // read again: the new row where the order puts it, and still current
        QVERIFY(vs.yenile());
        const QVector<qint64> simdi = anahtarlar(referans);
        QCOMPARE(vs.kesinKayitSayisi(), n);
        QCOMPARE(vs.anahtar(), yeni);
        QCOMPARE(vs.gecerliSatir(), int(simdi.indexOf(yeni)));
        for (int i = 0; i < n; i += 97)
            QCOMPARE(anahtarAt(vs, i), simdi.at(i));
        QVERIFY(m.mesajlar.isEmpty());
    }

    // A reload keeps the current row by its key though rows before it came
    // and went.
    void yenileGecerliSatiriKorur_data()
    {
        QTest::addColumn<bool>("sayiKesin"); // the count had arrived before the reload
        QTest::newRow("sayı bilinmiyor") << false;
        QTest::newRow("sayı kesin") << true;
    }

    void yenileGecerliSatiriKorur()
    {
        QFETCH(bool, sayiKesin);
        TEST_VT(vt);
        BetikMesaj m;
        DOLDUR(SATIR);
        const QString referans = QStringLiteral("select * from hastalar order by hastaadisoyadi, kayitno");
        VeriSeti vs(QStringLiteral("HASTALAR"));
        vs.selectMetniAyarla(QStringLiteral("select * from hastalar where 1=1 order by hastalar.hastaadisoyadi"));
        QVERIFY(vs.ac());
        if (sayiKesin)
            vs.kesinKayitSayisi();
        const qint64 hedef = anahtarlar(referans).at(SATIR - 500);
        QVERIFY(vs.bul(hedef));
        // Elsewhere: rows before it deleted, one added that sorts first.
        QVERIFY(Sorgu::calistir(QStringLiteral("delete from hastalar where hastaadisoyadi = 'HASTA 00'")));
        QVERIFY(Sorgu::calistir(QStringLiteral("insert into hastalar (kayitno, hastakodu, hastaadisoyadi) values "
                                               "(%1, 'ÖNCE', 'A')")
                                    .arg(SATIR + 1)));
        QVERIFY(Sorgu::calistir(QStringLiteral("update hastalar set adres='DIŞARIDA' where kayitno=?"), {hedef}));
        QVERIFY(vs.yenile());
        const QVector<qint64> simdi = anahtarlar(referans);
        QCOMPARE(vs.anahtar(), hedef);
        QCOMPARE(vs.gecerliSatir(), int(simdi.indexOf(hedef)));
        QCOMPARE(vs.metin(QStringLiteral("ADRES")), QStringLiteral("DIŞARIDA"));
        QCOMPARE(anahtarAt(vs, 0), qint64(SATIR + 1));
        QCOMPARE(vs.kesinKayitSayisi(), int(simdi.size()));
        QCOMPARE(anahtarAt(vs, vs.gecerliSatir() + 1), simdi.at(vs.gecerliSatir() + 1));
        QVERIFY(m.mesajlar.isEmpty());
    }

    // A data set closed, reopened or destroyed while its count still runs:
    // no late count, no crash, and the count's connection is closed.
    void sayimSurerkenKapanir_data()
    {
        QTest::addColumn<QString>("ne");
        QTest::newRow("kapatılır") << "kapat";
        QTest::newRow("yeniden açılır") << "ac";
        QTest::newRow("silinir") << "sil";
    }

    void sayimSurerkenKapanir()
    {
        QFETCH(QString, ne);
        TEST_VT(vt);
        BetikMesaj m;
        DOLDUR(SATIR);
        for (int tur = 0; tur < 5; ++tur) {
            auto *vs = new VeriSeti(QStringLiteral("HASTALAR"));
            vs->selectMetniAyarla(QStringLiteral("select * from hastalar where 1=1 order by hastalar.hastaadisoyadi"));
            QObject alici;
            int sayilar = 0;
            int sonSayi = -1;
            connect(vs, &VeriSeti::sayiDegisti, &alici, [&](int s) {
                ++sayilar;
                sonSayi = s;
            });
            QVERIFY(vs->ac());
            QCoreApplication::processEvents(); // the worker starts counting
            if (ne == QLatin1String("kapat")) {
                vs->kapat();
            } else if (ne == QLatin1String("ac")) {
                vs->selectMetniAyarla(QStringLiteral("select * from hastalar where 1=1 and cocuksayisi = 1 "
                                                     "order by hastalar.kayitno"));
                QVERIFY(vs->ac());
            } else {
                delete vs;
                vs = nullptr;
            }
            VeriSeti::sayimlariBekle();
            QCoreApplication::processEvents();
            QCoreApplication::processEvents();
            if (ne == QLatin1String("ac")) {
                // only the new statement's count, once
                const int beklenen = int(Sorgu::tekDeger(QStringLiteral("select count(*) from hastalar where "
                                                                        "cocuksayisi = 1"))
                                             ->toLongLong());
                QTRY_COMPARE_WITH_TIMEOUT(sayilar, 1, VeriBeklemesi);
                QCOMPARE(sonSayi, beklenen);
                QCOMPARE(vs->kayitSayisi(), beklenen);
            } else {
                QCOMPARE(sayilar, 0);
                if (vs)
                    QCOMPARE(vs->kayitSayisi(), 0);
            }
            delete vs;
            QCOMPARE(digerBaglantilar(), 0);
        }
        QVERIFY(m.mesajlar.isEmpty());
    }

    // Inside an open Islem the count is taken on the data set's own
    // connection, so it sees the rows written in it.
    void islemIcindeSayi()
    {
        TEST_VT(vt);
        BetikMesaj m;
        DOLDUR(SATIR);
        Islem islem;
        QVERIFY(Sorgu::calistir(QStringLiteral("delete from hastalar where kayitno <= 100")));
        VeriSeti vs(QStringLiteral("HASTALAR"));
        QVERIFY(vs.ac());
        QCOMPARE(vs.kesinKayitSayisi(), SATIR - 100);
        QCOMPARE(vs.anahtar(), 101);
        QVERIFY(vs.son());
        QCOMPARE(vs.anahtar(), SATIR);
        islem.geriAl();
        QVERIFY(m.mesajlar.isEmpty());
    }
};

QTEST_MAIN(TstPencere)
#include "tst_pencere.moc"
