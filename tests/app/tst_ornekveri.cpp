// The sample-data generator: the rows it writes hang together as the
// program's own would (codes unique, every examination with its fee in the
// ledger, keys ahead of the generators), in the proportions it promises.
#include "destek/betikmesaj.h"
#include "destek/testvt.h"

#include "app/program/ornekveri.h"
#include "db/baglanti.h"
#include "db/sema.h"
#include "db/sorgu.h"
#include "db/win1254.h"
#include "db/yetkiler.h"

#include <QDir>
#include <QProcess>
#include <QProcessEnvironment>
#include <QRegularExpression>
#include <QtTest>

namespace {
qint64 sayi(const QString &sql)
{
    const auto v = Sorgu::tekDeger(sql);
    return v ? v->toLongLong() : -1;
}
} // namespace

class TestOrnekVeri : public QObject
{
    Q_OBJECT

private slots:
    void tutarliVeri();
    void komut();
    void hepsiYaDaHicbiri_data();
    void hepsiYaDaHicbiri();
};

void TestOrnekVeri::tutarliVeri()
{
    TEST_VT(vt);
    BetikMesaj m;
    QList<qint64> ilerleme;
    QString hata;
    QVERIFY2(OrnekVeriUret(Baglanti::Paylasilan, 4500, QStringLiteral("2007"),
                           [&](qint64 yazilan, qint64) { ilerleme << yazilan; return true; }, &hata),
             qPrintable(hata));
    QCOMPARE(ilerleme, (QList<qint64>{2000, 4000, 4500}));
    QCOMPARE(sayi("select count(*) from hastalar"), 4500);
    QCOMPARE(sayi("select count(distinct hastakodu) from hastalar where sirketkodu = '2007'"), 4500);
    // Proportions per patient: examinations about 2, appointments about 1.5,
    // procedures and laboratory lines about 0.5.
    const double muayene = sayi("select count(*) from muayene") / 4500.0;
    const double randevu = sayi("select count(*) from randevu") / 4500.0;
    const double islem = sayi("select count(*) from yapilanislemler") / 4500.0;
    const double lab = sayi("select count(*) from muayene_lab") / 4500.0;
    QVERIFY2(muayene > 1.8 && muayene < 2.2, qPrintable(QString::number(muayene)));
    QVERIFY2(randevu > 1.3 && randevu < 1.7, qPrintable(QString::number(randevu)));
    QVERIFY2(islem > 0.4 && islem < 0.6, qPrintable(QString::number(islem)));
    QVERIFY2(lab > 0.4 && lab < 0.6, qPrintable(QString::number(lab)));
    // Every examination has exactly its fee in the ledger, on its patient's
    // account, and no payment is larger than the fee.
    QCOMPARE(sayi("select count(*) from muayene m where (select count(*) from cari_hareket c where c.evrakkayitno = "
                  "m.kayitno and c.evrakcinsi = 'MUA' and c.borc = m.muayeneucreti and c.carikod = m.hastakodu) <> 1"),
             0);
    QCOMPARE(sayi("select count(*) from cari_hareket c where c.evrakcinsi = 'TAH' and c.alacak > (select "
                  "m.muayeneucreti from muayene m where m.kayitno = c.evrakkayitno)"),
             0);
    QCOMPARE(sayi("select count(*) from muayene m where not exists (select 1 from hastalar h where h.hastakodu = "
                  "m.hastakodu and h.sirketkodu = m.sirketkodu)"),
             0);
    // Lines on an examination are its own patient's and make its totals, as
    // the laboratory and procedure screens list and sum them; eye doctors'
    // patients have eye examinations.
    QVERIFY(sayi("select count(*) from muayene where laboratuvarvarmi = 'E'") > 0);
    QCOMPARE(sayi("select count(*) from muayene m where m.laboratuvarvarmi = 'E' and m.laboratuvarucreti <> (select "
                  "sum(l.ucreti) from muayene_lab l where l.muayeneno = cast(m.kayitno as varchar(20)) and "
                  "l.hastakodu = m.hastakodu and l.kaynak = 'GENEL')"),
             0);
    QCOMPARE(sayi("select count(*) from muayene m where m.islemtutari > 0 and m.islemtutari <> (select sum(y.ucreti) "
                  "from yapilanislemler y where y.muayeneno = m.kayitno and y.hastakodu = m.hastakodu)"),
             0);
    QCOMPARE(sayi("select count(*) from muayene where toplamtutar <> muayeneucreti + coalesce(laboratuvarucreti, 0) "
                  "+ coalesce(islemtutari, 0)"),
             0);
    QVERIFY(sayi("select count(*) from gozhastaliklari g join doktorlar d on d.doktorkodu = g.doktorkodu "
                 "where d.brans = 'GÖZ' and g.goz_saggzlksuz is not null") > 0);
    // The program's next keys are free.
    for (const char *t : {"HASTALAR:OTOKOD_HASTALAR", "MUAYENE:OTOKOD_MUAYENE", "CARI_HAREKET:AUTOINCCARIHAREKET",
                          "RANDEVU:OTOKOD_RANDEVU", "GOZHASTALIKLARI:OTOKOD_GOZ", "DOKTORLAR:OTOKOD_DOKTORLAR",
                          "YAPILANISLEMLER:OTOKOD_YAPILANISLEMLER", "MUAYENE_LAB:OTOKOD_MUAYENE_LAB"}) {
        const QStringList p = QString::fromLatin1(t).split(QLatin1Char(':'));
        QVERIFY2(sayi(QStringLiteral("select gen_id(%1, 0) - max(kayitno) from %2").arg(p[1], p[0])) >= 0, t);
    }
    // The index statistics are those of the rows written: the patients'
    // primary key tells one row in 4500.
    const auto secicilik = Sorgu::tekDeger(
        QStringLiteral("select i.rdb$statistics from rdb$indices i join rdb$relation_constraints c "
                       "on c.rdb$index_name = i.rdb$index_name where c.rdb$constraint_name = 'PK_HASTALAR'"));
    QVERIFY(secicilik);
    QVERIFY2(qAbs(secicilik->toDouble() * 4500 - 1.0) < 0.01, qPrintable(secicilik->toString()));
    // Turkish names, every letter storable.
    const auto adlar = Sorgu::sec(QStringLiteral("select first 200 hastaadisoyadi from hastalar"));
    QVERIFY(adlar);
    bool turkce = false;
    for (const auto &s : adlar->satirlar) {
        const QString ad = s.first().toString();
        QVERIFY(Win1254::disindakiler(ad).isEmpty());
        turkce = turkce || ad.contains(QRegularExpression(QStringLiteral("[ÇĞİÖŞÜçğışöü]")));
    }
    QVERIFY(turkce);
    QVERIFY2(m.mesajlar.isEmpty(), qPrintable(m.mesajlar.join('\n')));
}

// The command: a progress line on the terminal, exit code 0, the rows there.
void TestOrnekVeri::komut()
{
    TEST_VT(vt);
    Baglanti::kapat(Baglanti::Paylasilan);
    QProcess p;
    p.start(QDir(QCoreApplication::applicationDirPath()).absoluteFilePath(QStringLiteral("../velmorika")),
            {QStringLiteral("--veritabani"), vt.yol(), QStringLiteral("--ornek-veri"), QStringLiteral("120")});
    QVERIFY(p.waitForFinished(120000));
    const QString cikti = QString::fromUtf8(p.readAllStandardOutput());
    QVERIFY2(p.exitCode() == 0, qPrintable(cikti + QString::fromUtf8(p.readAllStandardError())));
    QVERIFY2(cikti.contains(QStringLiteral("120 / 120 hasta")), qPrintable(cikti));
    QVERIFY(Baglanti::ac(vt.yol(), Baglanti::Paylasilan));
    QCOMPARE(sayi("select count(*) from hastalar"), 120);
}

// A run that fails writes nothing: no doctor, patient or line of theirs,
// no generator moved; the exit code is 4 and standard error says why and
// that nothing was written.
void TestOrnekVeri::hepsiYaDaHicbiri_data()
{
    QTest::addColumn<QString>("durum");
    QTest::addColumn<QString>("hata");   // in standard error
    // The database refuses a patient after the first 2000 (a trigger stands
    // for any error in the middle of the run).
    QTest::newRow("2100. hastada hata") << "tetikleyici" << "deneme hatasi";
    // The program's server user (table and generator rights only) may not
    // take index statistics: refused before any row.
    QTest::newRow("program kullanıcısı") << "kisitli"
                                         << "VELMORIKA kullanıcısı indeks istatistiklerini güncelleyemiyor";
}

void TestOrnekVeri::hepsiYaDaHicbiri()
{
    QFETCH(QString, durum);
    QFETCH(QString, hata);
    TEST_VT(vt);
    BetikMesaj m;
    QProcessEnvironment ortam = QProcessEnvironment::systemEnvironment();
    if (durum == QLatin1String("tetikleyici")) {
        QVERIFY(Sorgu::calistir("create exception HATA_DENEME 'deneme hatasi'"));
        QVERIFY(Sorgu::calistir("create trigger TRG_DENEME for hastalar before insert as begin "
                                "if ((select count(*) from hastalar) >= 2100) then exception HATA_DENEME; end"));
    } else {
        // The grants of "velmorika --yetkilendir" (its first statement, which
        // takes every right away, needs the server's user list).
        const QStringList komutlar = Yetkiler::komutlar(QStringLiteral("VELMORIKA"));
        QVERIFY(komutlar.first().startsWith(QStringLiteral("REVOKE ALL ON ALL")));
        for (const QString &k : komutlar.mid(1))
            QVERIFY2(Sorgu::calistir(k), qPrintable(k));
        ortam.insert(QStringLiteral("VELMORIKA_DB_USER"), QStringLiteral("VELMORIKA"));
    }
    const QStringList tablolar{"HASTALAR", "DOKTORLAR", "MUAYENE", "CARI_HAREKET", "RANDEVU", "YAPILANISLEMLER",
                               "MUAYENE_LAB", "GOZHASTALIKLARI"};
    auto durumu = [&] {
        QStringList d;
        for (const QString &t : tablolar) {
            const Tablo *tablo = TabloBul(t);
            d << QStringLiteral("%1: %2 satır, üreteç %3")
                     .arg(t)
                     .arg(sayi(QStringLiteral("select count(*) from ") + t))
                     .arg(sayi(QStringLiteral("select gen_id(%1, 0) from rdb$database").arg(tablo->uretec)));
        }
        return d;
    };
    const QStringList once = durumu();
    Baglanti::kapat(Baglanti::Paylasilan);

    QProcess p;
    p.setProcessEnvironment(ortam);
    p.start(QDir(QCoreApplication::applicationDirPath()).absoluteFilePath(QStringLiteral("../velmorika")),
            {QStringLiteral("--veritabani"), vt.yol(), QStringLiteral("--ornek-veri"), QStringLiteral("2500")});
    QVERIFY(p.waitForFinished(120000));
    const QString hataCiktisi = QString::fromUtf8(p.readAllStandardError());
    QVERIFY2(p.exitCode() == 4, qPrintable(QString::number(p.exitCode()) + QLatin1Char(' ') + hataCiktisi));
    QVERIFY(Baglanti::ac(vt.yol(), Baglanti::Paylasilan));
    QCOMPARE(durumu(), once);
    QCOMPARE(sayi("select count(*) from doktorlar where doktorkodu starting with 'ORNDR'"), 0);
    QVERIFY2(hataCiktisi.contains(QStringLiteral("Örnek veri yazılamadı; veritabanına hiçbir satır yazılmadı.")),
             qPrintable(hataCiktisi));
    QVERIFY2(hataCiktisi.contains(hata), qPrintable(hataCiktisi));
}

QTEST_MAIN(TestOrnekVeri)
#include "tst_ornekveri.moc"
