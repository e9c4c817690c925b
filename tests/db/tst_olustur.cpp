// A new database: every table and column of the description, dialect 1,
// WIN1254, the seed rows, the unique patient code, the command line.
#include "app/program/komutsatiri.h"
#include "db/baglanti.h"
#include "db/olustur.h"
#include "db/sema.h"
#include "db/sorgu.h"
#include "db/sqltext.h"
#include "semaoku.h"
#include "destek/testvt.h"

#include <QFile>
#include <QSet>
#include <QTemporaryDir>
#include <QtTest>

class TstOlustur : public QObject
{
    Q_OBJECT
private slots:
    void semaAciklamayaEsit()
    {
        TEST_VT(vt);
        const OkunanSema s = SemaOku();
        QVERIFY2(s.hata.isEmpty(), qPrintable(s.hata));
        QCOMPARE(s.tablolar.size(), int(Tablolar().size()));
        for (const Tablo &t : Tablolar())
            QCOMPARE(s.tablolar.value(t.ad), BeklenenKolonlar(t)); // names, order, types, widths, not null
        QSet<QString> uretecler;
        for (const Tablo &t : Tablolar())
            if (!t.uretec.isEmpty())
                uretecler.insert(t.uretec);
        for (const QString &g : DigerUretecler())
            uretecler.insert(g);
        QCOMPARE(s.uretecler, uretecler);
        QCOMPARE(s.tetikleyiciler.size(), int(Tablolar().size()));
        for (const Tablo &t : Tablolar())
            QCOMPARE(s.tetikleyiciler.value(OlayTetikleyiciAdi(t)), BeklenenTetikleyici(t));
        // Indexes on an expression have no columns: SemaOku does not list them.
        QString h;
        auto ifadeli = Sorgu::sec(QStringLiteral("select trim(rdb$index_name), trim(rdb$relation_name), "
                                                 "rdb$expression_source from rdb$indices "
                                                 "where rdb$expression_source is not null"),
                                  {}, {}, &h);
        QVERIFY2(ifadeli, qPrintable(h));
        QMap<QString, QString> ifadeler;
        for (const QVariantList &r : ifadeli->satirlar)
            ifadeler.insert(r[0].toString(), r[1].toString() + QLatin1Char(' ') + r[2].toString());
        int katli = 0;
        for (const Tablo &t : Tablolar())
            for (const Indeks &i : t.indeksler)
                if (i.katli) {
                    ++katli;
                    QCOMPARE(ifadeler.value(i.ad),
                             t.ad + QStringLiteral(" (") + SqlIKatla(i.kolonlar.value(0)) + QLatin1Char(')'));
                } else {
                    QCOMPARE(s.indeksler.value(i.ad), BeklenenIndeks(t, i));
                }
        QCOMPARE(ifadeler.size(), katli);
        QCOMPARE(ifadeler.value(QStringLiteral("HASTA_ADI_KATLI")),
                 QStringLiteral("HASTALAR (replace(replace(replace(HASTAADISOYADI, 'İ', 'I'), 'ı', 'I'), 'i', 'I'))"));
        QCOMPARE(s.indeksler.value(QStringLiteral("PK_HASTALAR")), QStringLiteral("UNIQUE HASTALAR(KAYITNO)"));
    }

    void lehceVeKarakterSeti()
    {
        TEST_VT(vt);
        QString h;
        auto d = Sorgu::tekDeger(QStringLiteral("select mon$sql_dialect from mon$database"), {}, {}, &h);
        QVERIFY2(d, qPrintable(h));
        QCOMPARE(d->toInt(), 1);
        auto c = Sorgu::tekDeger(QStringLiteral("select trim(rdb$character_set_name) from rdb$database"), {}, {}, &h);
        QVERIFY2(c, qPrintable(h));
        QCOMPARE(c->toString(), QStringLiteral("WIN1254"));
        auto p = Sorgu::tekDeger(QStringLiteral("select mon$page_size from mon$database"), {}, {}, &h);
        QVERIFY2(p, qPrintable(h));
        QCOMPARE(p->toInt(), 8192);
        // Built fast without syncing each page, but handed over with forced writes on.
        // (The fixture's copies switch them off, so look at a database made here.)
        QTemporaryDir k;
        const QString yol = k.filePath(QStringLiteral("fw.fdb"));
        QVERIFY2(Olustur::veritabaniOlustur(yol, &h), qPrintable(h));
        const QString fw = QStringLiteral("zorunlu_yazma");
        QVERIFY2(Baglanti::ac(yol, fw, &h), qPrintable(h));
        auto w = Sorgu::tekDeger(QStringLiteral("select mon$forced_writes from mon$database"), {}, fw, &h);
        Baglanti::kapat(fw);
        QVERIFY2(w, qPrintable(h));
        QCOMPARE(w->toInt(), 1);
    }

    void tohumKayitlari()
    {
        TEST_VT(vt);
        QString h;
        auto e = Sorgu::sec(QStringLiteral("select * from elemanlar"), {}, {}, &h);
        QVERIFY2(e, qPrintable(h));
        QCOMPARE(e->satirlar.size(), 1);
        QCOMPARE(e->deger(0, "KULLANICI_KODU").toDouble(), 1.0);
        QCOMPARE(e->deger(0, "KULLANICI_ADI").toString(), QStringLiteral("VELMOR"));
        QCOMPARE(e->deger(0, "SIFRE").toString(), QStringLiteral("KLINIK"));
        QCOMPARE(e->deger(0, "USERNAME").toString(), QStringLiteral("VELMOR"));
        QVERIFY(!e->deger(0, "KULLANICI_SOYADI").toString().isEmpty());
        QCOMPARE(e->deger(0, "KAYIT_NO").toInt(), 1);

        auto s = Sorgu::sec(QStringLiteral("select * from sirketler"), {}, {}, &h);
        QVERIFY2(s, qPrintable(h));
        QCOMPARE(s->satirlar.size(), 1);
        QCOMPARE(s->deger(0, "SIRKETKODU").toString(), QStringLiteral("2007"));
        QCOMPARE(s->deger(0, "SIRKETUNVANI").toString(), QStringLiteral("VELMORIKA DEMO KLİNİK"));

        const QStringList moduller = {"HASTALAR", "MUAYENE", "RANDEVU", "LABORATUVAR", "TANILAR", "TETKİKLER",
                                      "İŞLEMLER", "YİŞLEMLER", "HASTARAPOR", "MUAYENERAPOR", "RANDEVURAPOR",
                                      "LABRAPORLARI", "CH RAPOR", "CARI HAREKET", "UYARI", "SMS", "KULLANICILAR",
                                      "MODULLER", "VERİ KONTROL"};
        auto m = Sorgu::sec(QStringLiteral("select moduladi from moduller order by kayitno"), {}, {}, &h);
        QVERIFY2(m, qPrintable(h));
        QStringList okunan;
        for (const QVariantList &r : m->satirlar)
            okunan << r[0].toString();
        QCOMPARE(okunan, moduller);

        // Full rights for every module, company 2007, looked up the way the screens do.
        auto y = Sorgu::sec(QStringLiteral("select * from kullanicilar where kullanici_kodu = 1 and sirketkodu = '2007' "
                                           "order by kayitno"),
                            {}, {}, &h);
        QVERIFY2(y, qPrintable(h));
        QCOMPARE(y->satirlar.size(), moduller.size());
        for (int i = 0; i < y->satirlar.size(); ++i) {
            QCOMPARE(y->deger(i, "MODULADI").toString(), moduller.at(i));
            for (const char *b : {"KAYIT", "YENIKAYIT", "DEGISTIRME", "SILME", "FORMGIRISI", "RAPOR", "OZELYETKI1",
                                  "OZELYETKI2"})
                QCOMPARE(y->deger(i, QLatin1String(b)).toString(), QStringLiteral("E"));
        }
        for (const QString &mod : moduller) {
            auto n = Sorgu::tekDeger(QStringLiteral("select count(*) from kullanicilar where kullanici_kodu = 1 "
                                                    "and moduladi = ? and sirketkodu = '2007'"),
                                     {mod}, {}, &h);
            QVERIFY2(n, qPrintable(h));
            QCOMPARE(n->toInt(), 1);
        }
    }

    void parametreSetleri_data()
    {
        QTest::addColumn<QString>("form");
        QTest::addColumn<int>("slot");
        QTest::newRow("MENU") << "MENU" << 10;
        QTest::newRow("HASTALAR") << "HASTALAR" << 15;
        QTest::newRow("MUAYENE") << "MUAYENE" << 13;
        QTest::newRow("RANDEVU") << "RANDEVU" << 13;
        QTest::newRow("CARI HAREKET") << "CARI HAREKET" << 9;
        QTest::newRow("uyari") << "uyari" << 10;
    }
    void parametreSetleri()
    {
        QFETCH(QString, form);
        QFETCH(int, slot);
        TEST_VT(vt);
        QString h;
        auto p = Sorgu::sec(QStringLiteral("select * from formparemetreleri where formadi = ? and sirketkodu = 'SISTEM' "
                                           "order by formparemetreleri.kayitno"),
                            {form}, {}, &h);
        QVERIFY2(p, qPrintable(h));
        QCOMPARE(p->satirlar.size(), slot);
        for (int i = 0; i < slot; ++i) {
            QVERIFY(!p->deger(i, "PARAMETREADI").toString().isEmpty());
            QVERIFY(!p->deger(i, "ACIKLAMA").toString().isEmpty());
        }
        QStringList degerler;
        for (int i = 0; i < slot; ++i)
            degerler << p->deger(i, "PARAMETREDEGERI").toString();
        if (form == QLatin1String("RANDEVU")) {
            QCOMPARE(degerler.at(7), QStringLiteral("09:00"));
            QCOMPARE(degerler.at(8), QStringLiteral("17:00"));
            QCOMPARE(degerler.at(9), QStringLiteral("4"));
        }
        if (form == QLatin1String("MENU"))
            QCOMPARE(degerler.at(1), QStringLiteral("GENEL"));
        // Slots without a sensible default are empty (null).
        int dolu = 0;
        for (const QString &d : degerler)
            dolu += d.isEmpty() ? 0 : 1;
        QCOMPARE(dolu, form == QLatin1String("RANDEVU") ? 3 : form == QLatin1String("MENU") ? 1 : 0);
    }

    void anahtarlarUretectenGelir()
    {
        TEST_VT(vt);
        QString h;
        for (const auto &[tablo, anahtar, uretec] :
             {std::tuple{"FORMPAREMETRELERI", "KAYITNO", "OTOKOD_FORMPARAMETRELERI"},
              std::tuple{"KULLANICILAR", "KAYITNO", "OTOKOD_KULLANICILAR"},
              std::tuple{"MODULLER", "KAYITNO", "OTOKOD_MODULLER"},
              std::tuple{"ELEMANLAR", "KAYIT_NO", "OTOKOD_ELEMANLAR"},
              std::tuple{"SIRKETLER", "KAYITNO", "OTOKOD_SIRKETLER"}}) {
            auto r = Sorgu::sec(QStringLiteral("select count(*), max(%1) from %2")
                                    .arg(QLatin1String(anahtar), QLatin1String(tablo)),
                                {}, {}, &h);
            QVERIFY2(r, qPrintable(h));
            auto g = Sorgu::tekDeger(QStringLiteral("select gen_id(%1, 0) from rdb$database").arg(QLatin1String(uretec)),
                                     {}, {}, &h);
            QVERIFY2(g, qPrintable(h));
            const QVariantList &s = r->satirlar.first();
            QVERIFY(s[0].toInt() > 0);
            QCOMPARE(s[1].toLongLong(), s[0].toLongLong()); // 1..n without gaps
            QCOMPARE(g->toLongLong(), s[0].toLongLong());
        }
        auto u = Sorgu::uretec(QStringLiteral("OTOKOD_HASTALAR"), {}, &h);
        QVERIFY2(u, qPrintable(h));
        QCOMPARE(*u, 1);
    }

    void hastaKoduSirketteTekil()
    {
        TEST_VT(vt);
        const QString ekle = QStringLiteral("insert into hastalar (kayitno, hastakodu, sirketkodu) values (?, ?, ?)");
        QString h;
        QVERIFY2(Sorgu::calistir(ekle, {1, "1", "2007"}, {}, &h), qPrintable(h));
        QVERIFY2(Sorgu::calistir(ekle, {2, "1", "2008"}, {}, &h), qPrintable(h)); // another company
        QVERIFY(!Sorgu::calistir(ekle, {3, "1", "2007"}, {}, &h));
        QVERIFY(h.contains(QLatin1String("HASTA_SIRKET_HASTAKODU")));
        // Without a code a patient has no account either: one such row per company at most.
        QVERIFY2(Sorgu::calistir(ekle, {4, QVariant(), "2007"}, {}, &h), qPrintable(h));
        QVERIFY(!Sorgu::calistir(ekle, {5, QVariant(), "2007"}, {}, &h));
        QCOMPARE(Sorgu::tekDeger(QStringLiteral("select count(*) from hastalar"))->toInt(), 3);
    }

    void turkceMetin()
    {
        TEST_VT(vt);
        const QString metin = QStringLiteral("ŞİĞÜÖÇıi µ");
        QString h;
        QVERIFY2(Sorgu::calistir(QStringLiteral("insert into hastalar (kayitno, hastakodu, hastaadisoyadi) values (7, "
                                                "'7', ?)"),
                                 {metin}, {}, &h),
                 qPrintable(h));
        auto d = Sorgu::tekDeger(QStringLiteral("select hastaadisoyadi from hastalar where kayitno = 7"), {}, {}, &h);
        QVERIFY2(d, qPrintable(h));
        QCOMPARE(d->toString(), metin);
        // Stored as one WIN1254 byte per character.
        auto n = Sorgu::tekDeger(QStringLiteral("select octet_length(hastaadisoyadi) from hastalar where kayitno = 7"),
                                 {}, {}, &h);
        QVERIFY2(n, qPrintable(h));
        QCOMPARE(n->toInt(), metin.size());
        // The upper-case search of the screens finds it.
        auto b = Sorgu::tekDeger(QStringLiteral("select count(*) from hastalar where hastaadisoyadi like ?"),
                                 {QStringLiteral("ŞİĞ%")}, {}, &h);
        QVERIFY2(b, qPrintable(h));
        QCOMPARE(b->toInt(), 1);
        // A text WIN1254 cannot hold is refused, not stored mangled.
        QVERIFY(!Sorgu::calistir(QStringLiteral("insert into hastalar (kayitno, hastakodu, hastaadisoyadi) values (8, "
                                                "'8', ?)"),
                                 {QStringLiteral("漢字")}, {}, &h));
        QCOMPARE(Sorgu::tekDeger(QStringLiteral("select count(*) from hastalar where kayitno = 8"))->toInt(), 0);
        // The long note of ACIKLAMALAR is text too.
        const QString uzun = QString(QStringLiteral("Göz dibi muayenesi; ")).repeated(300);
        QVERIFY2(Sorgu::calistir(QStringLiteral("insert into aciklamalar (kayitno, aciklama2) values (1, ?)"), {uzun}, {},
                                 &h),
                 qPrintable(h));
        QCOMPARE(Sorgu::tekDeger(QStringLiteral("select aciklama2 from aciklamalar where kayitno = 1"))->toString(),
                 uzun);
    }

    void zorunluYazmaKapatilir()
    {
        QTemporaryDir d;
        const QString yol = d.filePath(QStringLiteral("kopya.fdb"));
        QString h;
        QVERIFY2(Olustur::veritabaniOlustur(yol, &h), qPrintable(h));
        QVERIFY2(Olustur::zorunluYazma(yol, false, &h), qPrintable(h));
        QVERIFY2(Baglanti::ac(yol, QStringLiteral("kopya"), &h), qPrintable(h));
        auto w = Sorgu::tekDeger(QStringLiteral("select mon$forced_writes from mon$database"), {},
                                 QStringLiteral("kopya"), &h);
        QVERIFY2(w, qPrintable(h));
        QCOMPARE(w->toInt(), 0);
        Baglanti::kapat(QStringLiteral("kopya"));
        QVERIFY(!Olustur::zorunluYazma(d.filePath(QStringLiteral("yok.fdb")), false, &h));
        QVERIFY(!h.isEmpty());
        QVERIFY(!QFile::exists(d.filePath(QStringLiteral("yok.fdb"))));
    }

    void varOlanYolReddedilir()
    {
        QTemporaryDir d;
        const QString yol = d.filePath(QStringLiteral("var.fdb"));
        {
            QFile f(yol);
            QVERIFY(f.open(QIODevice::WriteOnly));
            f.write("baska bir dosya");
        }
        QString h;
        QVERIFY(!Olustur::veritabaniOlustur(yol, &h));
        QVERIFY(h.contains(QStringLiteral("zaten var")));
        QFile f(yol);
        QVERIFY(f.open(QIODevice::ReadOnly));
        QCOMPARE(f.readAll(), QByteArray("baska bir dosya")); // untouched
    }

    void yarimDosyaKalmaz()
    {
        QTemporaryDir d;
        const QString yol = d.filePath(QStringLiteral("yarim.fdb"));
        QString h;
        QVERIFY(!Olustur::veritabaniOlustur(yol, {QStringLiteral("CREATE TABLE A (B INTEGER)"),
                                                  QStringLiteral("CREATE TABLE C (D BILINMEYEN_TUR)")},
                                            {}, &h));
        QVERIFY(h.startsWith(QStringLiteral("Veritabanı oluşturulamadı")));
        QVERIFY(!QFile::exists(yol));
        // Failing seed rows too.
        QVERIFY(!Olustur::veritabaniOlustur(yol, {QStringLiteral("CREATE TABLE A (B VARCHAR(2))")},
                                            {QStringLiteral("INSERT INTO A (B) VALUES ('UZUN')")}, &h));
        QVERIFY(!QFile::exists(yol));
        QVERIFY(!Olustur::veritabaniOlustur(d.filePath(QStringLiteral("yok/klasor/x.fdb")), &h));
        QVERIFY(h.contains(QStringLiteral("klasör")));
        QVERIFY(!Olustur::veritabaniOlustur(QString(), &h));
        QVERIFY(!h.isEmpty());
    }

    void komutSatiri()
    {
        QTemporaryDir d;
        const QString yol = d.filePath(QStringLiteral("yeni.fdb"));
        QCOMPARE(YeniVeritabaniKomutu({QStringLiteral("--yeni-veritabani"), yol}), 0);
        QVERIFY(QFile::exists(yol));
        const qint64 boy = QFileInfo(yol).size();
        QVERIFY(YeniVeritabaniKomutu({QStringLiteral("--yeni-veritabani"), yol}) != 0);
        QCOMPARE(QFileInfo(yol).size(), boy);
        QVERIFY(YeniVeritabaniKomutu({QStringLiteral("--yeni-veritabani")}) != 0);
        QVERIFY(YeniVeritabaniKomutu({QStringLiteral("--yeni-veritabani"), d.filePath(QStringLiteral("yok/a.fdb"))})
                != 0);
        QVERIFY(!QFile::exists(d.filePath(QStringLiteral("yok/a.fdb"))));
        // The new file opens and has its user.
        QString h;
        QVERIFY2(Baglanti::ac(yol, QStringLiteral("komut"), &h), qPrintable(h));
        auto n = Sorgu::tekDeger(QStringLiteral("select count(*) from elemanlar where kullanici_adi = 'VELMOR'"), {},
                                 QStringLiteral("komut"), &h);
        QVERIFY2(n, qPrintable(h));
        QCOMPARE(n->toInt(), 1);
        Baglanti::kapat(QStringLiteral("komut"));
    }
};

QTEST_MAIN(TstOlustur)
#include "tst_olustur.moc"
