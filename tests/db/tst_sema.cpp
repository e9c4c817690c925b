// The schema description itself: tables, column counts, keys and lookups.
#include "db/olustur.h"
#include "db/sema.h"
#include "db/sqltext.h"

#include <QSet>
#include <QtTest>

class TstSema : public QObject
{
    Q_OBJECT
private slots:
    void tablolar_data()
    {
        QTest::addColumn<QString>("tablo");
        QTest::addColumn<int>("kolonSayisi");
        QTest::addColumn<QString>("anahtar");
        QTest::addColumn<QString>("uretec");
        QTest::addColumn<bool>("sirketli");
        QTest::newRow("ELEMANLAR") << "ELEMANLAR" << 9 << "KAYIT_NO" << "OTOKOD_ELEMANLAR" << false;
        QTest::newRow("KULLANICILAR") << "KULLANICILAR" << 12 << "KAYITNO" << "OTOKOD_KULLANICILAR" << true;
        QTest::newRow("MODULLER") << "MODULLER" << 6 << "KAYITNO" << "OTOKOD_MODULLER" << false;
        QTest::newRow("FORMPAREMETRELERI") << "FORMPAREMETRELERI" << 6 << "KAYITNO" << "OTOKOD_FORMPARAMETRELERI"
                                           << true;
        QTest::newRow("SIRKETLER") << "SIRKETLER" << 9 << "KAYITNO" << "OTOKOD_SIRKETLER" << true;
        QTest::newRow("PARAMETRELER") << "PARAMETRELER" << 3 << "KAYIT_NO" << "" << false;
        QTest::newRow("HASTALAR") << "HASTALAR" << 53 << "KAYITNO" << "OTOKOD_HASTALAR" << true;
        QTest::newRow("DOKTORLAR") << "DOKTORLAR" << 31 << "KAYITNO" << "OTOKOD_DOKTORLAR" << true;
        QTest::newRow("RANDEVU") << "RANDEVU" << 15 << "KAYITNO" << "OTOKOD_RANDEVU" << true;
        QTest::newRow("RANDEVUPROGRAMI") << "RANDEVUPROGRAMI" << 6 << "KAYITNO" << "AUTOINCRANDEVUPROGRAMI" << true;
        QTest::newRow("TANILAR") << "TANILAR" << 4 << "KAYITNO" << "AUTOINCTANILAR" << false;
        QTest::newRow("ISLEMLER") << "ISLEMLER" << 7 << "KAYITNO" << "OTOKOD_ISLEMLER" << true;
        QTest::newRow("LABORATUVAR") << "LABORATUVAR" << 13 << "KAYITNO" << "OTOKOD_LABORATUVAR" << false;
        QTest::newRow("EK9") << "EK9" << 8 << "KAYITNO" << "OTOKOD_EK9" << true;
        QTest::newRow("HESAPPLANI") << "HESAPPLANI" << 6 << "KAYITNO" << "AUTOINCHESAPPLANI" << true;
        QTest::newRow("FIRMALAR") << "FIRMALAR" << 5 << "FIRMA_KODU" << "" << true;
        QTest::newRow("MUAYENE") << "MUAYENE" << 34 << "KAYITNO" << "OTOKOD_MUAYENE" << true;
        QTest::newRow("GOZHASTALIKLARI") << "GOZHASTALIKLARI" << 194 << "KAYITNO" << "OTOKOD_GOZ" << true;
        // order and procedure lines: the described columns and the source (KAYNAK)
        QTest::newRow("MUAYENE_LAB") << "MUAYENE_LAB" << 35 << "KAYITNO" << "OTOKOD_MUAYENE_LAB" << true;
        QTest::newRow("YAPILANISLEMLER") << "YAPILANISLEMLER" << 26 << "KAYITNO" << "OTOKOD_YAPILANISLEMLER" << true;
        QTest::newRow("ACIKLAMALAR") << "ACIKLAMALAR" << 11 << "KAYITNO" << "OTOKOD_ACIKLAMALAR" << true;
        QTest::newRow("DOKUMANLAR") << "DOKUMANLAR" << 13 << "KAYITNO" << "AUTOINCDOKUMANLAR" << true;
        QTest::newRow("CARI_HAREKET") << "CARI_HAREKET" << 27 << "KAYITNO" << "AUTOINCCARIHAREKET" << true;
        QTest::newRow("FATURAHAREKETI") << "FATURAHAREKETI" << 48 << "KAYITNO" << "" << true;
        QTest::newRow("YONETICIKODLARI") << "YONETICIKODLARI" << 4 << "SIRKETKODU" << "" << true;
    }
    void tablolar()
    {
        QFETCH(QString, tablo);
        QFETCH(int, kolonSayisi);
        QFETCH(QString, anahtar);
        QFETCH(QString, uretec);
        QFETCH(bool, sirketli);
        const Tablo *t = TabloBul(tablo);
        QVERIFY(t);
        QCOMPARE(int(t->kolonlar.size()), kolonSayisi);
        QCOMPARE(t->anahtar, anahtar);
        QCOMPARE(t->uretec, uretec);
        QCOMPARE(t->sirketli, sirketli);
        // The key is the first column and never null; names are unique.
        QCOMPARE(t->kolonlar.front().ad, anahtar);
        QVERIFY(t->kolonlar.front().bosOlamaz);
        QSet<QString> adlar;
        for (const Kolon &k : t->kolonlar) {
            QVERIFY2(!adlar.contains(k.ad), qPrintable(k.ad));
            adlar.insert(k.ad);
            QCOMPARE(k.ad, k.ad.toUpper());
            QCOMPARE(k.tur == KolonTuru::Metin, k.uzunluk > 0);
            QVERIFY(!k.turkceSirali || k.tur == KolonTuru::Metin);
            QVERIFY(k.ad.size() <= 31);
        }
        // Every index names columns of its own table.
        for (const Indeks &i : t->indeksler) {
            QVERIFY(i.ad.size() <= 31);
            for (const QString &k : i.kolonlar)
                QVERIFY2(t->kolon(k), qPrintable(i.ad + QLatin1Char(' ') + k));
        }
    }

    void tabloListesi()
    {
        QStringList adlar;
        for (const Tablo &t : Tablolar())
            adlar << t.ad;
        QCOMPARE(adlar.size(), 25);
        QCOMPARE(QSet<QString>(adlar.cbegin(), adlar.cend()).size(), 25);
        // Every generator the program draws keys from.
        QSet<QString> uretecler;
        for (const Tablo &t : Tablolar())
            if (!t.uretec.isEmpty())
                uretecler.insert(t.uretec);
        for (const QString &g : DigerUretecler())
            uretecler.insert(g);
        const QStringList beklenen = {
            "OTOKOD_HASTALAR", "OTOKOD_MUAYENE", "OTOKOD_MUAYENE_LAB", "OTOKOD_RANDEVU", "OTOKOD_YAPILANISLEMLER",
            "OTOKOD_GOZ", "OTOKOD_DOKTORLAR", "OTOKOD_ISLEMLER", "OTOKOD_LABORATUVAR", "OTOKOD_EK9",
            "OTOKOD_ACIKLAMALAR", "OTOKOD_ELEMANLAR", "OTOKOD_KULLANICILAR", "OTOKOD_MODULLER",
            "OTOKOD_FORMPARAMETRELERI", "AUTOINCCARIHAREKET", "AUTOINCTANILAR", "AUTOINCDOKUMANLAR",
            "AUTOINCHESAPPLANI", "AUTOINCRANDEVUPROGRAMI", "OTOKOD_SIRKETLER"};
        QCOMPARE(uretecler, QSet<QString>(beklenen.cbegin(), beklenen.cend()));
    }

    void kolonTurleri_data()
    {
        QTest::addColumn<QString>("tablo");
        QTest::addColumn<QString>("kolon");
        QTest::addColumn<QString>("tur");
        QTest::newRow("kullanici kodu") << "ELEMANLAR" << "KULLANICI_KODU" << "DOUBLE PRECISION";
        QTest::newRow("sifre") << "ELEMANLAR" << "SIFRE" << "VARCHAR(128)";
        QTest::newRow("parametre degeri") << "FORMPAREMETRELERI" << "PARAMETREDEGERI" << "VARCHAR(20)";
        QTest::newRow("tc kimlik") << "HASTALAR" << "TCKIMLIKNO" << "VARCHAR(18)";
        QTest::newRow("dogum tarihi") << "HASTALAR" << "DOGUMTARIHI" << "TIMESTAMP";
        QTest::newRow("son kolon") << "HASTALAR" << "HATIRLATMADURUMU2" << "VARCHAR(5)";
        QTest::newRow("tani anahtari") << "TANILAR" << "KAYITNO" << "DOUBLE PRECISION";
        QTest::newRow("dokuman anahtari") << "DOKUMANLAR" << "KAYITNO" << "DOUBLE PRECISION";
        QTest::newRow("rapor") << "MUAYENE" << "RAPOR" << "VARCHAR(4000)";
        QTest::newRow("tetkik kodu") << "LABORATUVAR" << "TETKIKKODU" << "INTEGER";
        QTest::newRow("lab muayene no") << "MUAYENE_LAB" << "MUAYENENO" << "VARCHAR(120)";
        QTest::newRow("islem muayene no") << "YAPILANISLEMLER" << "MUAYENENO" << "DOUBLE PRECISION";
        QTest::newRow("uzun not") << "ACIKLAMALAR" << "ACIKLAMA2" << "BLOB SUB_TYPE 1";
        QTest::newRow("ozel kod 2") << "CARI_HAREKET" << "OZELKOD2" << "VARCHAR(25)";
        QTest::newRow("cari kod") << "CARI_HAREKET" << "CARIKOD" << "VARCHAR(10)";
        QTest::newRow("goz sol fundus") << "GOZHASTALIKLARI" << "GOZ_FUNDUSSOL" << "VARCHAR(200)";
        QTest::newRow("ameliyat tutari") << "GOZHASTALIKLARI" << "AMELIYATTUTARI2" << "DOUBLE PRECISION";
        QTest::newRow("alis iskonto") << "FATURAHAREKETI" << "ALISISKONTOOARANI" << "DOUBLE PRECISION";
        // Names, titles, places and descriptions sort in Turkish; codes,
        // numbers and flags keep the character set's own order.
        const QString tr = QStringLiteral("VARCHAR(%1) CHARACTER SET WIN1254 COLLATE PXW_TURK");
        QTest::newRow("hasta adi") << "HASTALAR" << "HASTAADISOYADI" << tr.arg(45);
        QTest::newRow("il") << "HASTALAR" << "IL" << tr.arg(30);
        QTest::newRow("hasta doktoru") << "HASTALAR" << "DOKTORADI" << tr.arg(45);
        QTest::newRow("doktor adi") << "DOKTORLAR" << "DOKTORADISOYADI" << tr.arg(45);
        QTest::newRow("tani") << "TANILAR" << "TANI" << tr.arg(255);
        QTest::newRow("tetkik adi") << "LABORATUVAR" << "TETKIKADI" << tr.arg(120);
        QTest::newRow("islem") << "ISLEMLER" << "YAPILANISLEM" << tr.arg(100);
        QTest::newRow("cari unvan") << "CARI_HAREKET" << "CARIUNVAN" << tr.arg(60);
        QTest::newRow("kullanici adi") << "ELEMANLAR" << "KULLANICI_ADI" << tr.arg(20);
        QTest::newRow("hasta kodu") << "HASTALAR" << "HASTAKODU" << "VARCHAR(15)";
        QTest::newRow("cinsiyet") << "HASTALAR" << "CINSIYET" << "VARCHAR(5)";
        QTest::newRow("cep telefonu") << "HASTALAR" << "CEPTEL" << "VARCHAR(15)";
        QTest::newRow("sirket kodu") << "HASTALAR" << "SIRKETKODU" << "VARCHAR(15)";
    }
    void kolonTurleri()
    {
        QFETCH(QString, tablo);
        QFETCH(QString, kolon);
        QFETCH(QString, tur);
        const Tablo *t = TabloBul(tablo);
        QVERIFY(t);
        const Kolon *k = t->kolon(kolon);
        QVERIFY(k);
        QCOMPARE(KolonSqlTuru(*k), tur);
    }

    void arama()
    {
        const Tablo *t = TabloBul(QStringLiteral("hastalar"));
        QVERIFY(t);
        QCOMPARE(t, TabloBul(QStringLiteral("HASTALAR")));
        QVERIFY(!TabloBul(QStringLiteral("KURTAKIBI")));
        QCOMPARE(t->kolonSirasi(QStringLiteral("HASTAKODU")), 1);
        QCOMPARE(t->kolonSirasi(QStringLiteral("hastakodu")), 1);
        QCOMPARE(t->kolonSirasi(QStringLiteral("HATIRLATMADURUMU2")), 52);
        QCOMPARE(t->kolonSirasi(QStringLiteral("YOK_BOYLE")), -1);
        QVERIFY(!t->kolon(QStringLiteral("YOK_BOYLE")));
        QCOMPARE(t->kolon(QStringLiteral("Hastaadisoyadi"))->uzunluk, 45);
        // A hand-made table answers as well, before and after its positions are built.
        Tablo el;
        el.kolonlar = {Kolon{QStringLiteral("A"), KolonTuru::Tamsayi}, Kolon{QStringLiteral("B"), KolonTuru::Metin, 3}};
        QCOMPARE(el.kolonSirasi(QStringLiteral("b")), 1);
        el.siraHazirla();
        QCOMPARE(el.kolonSirasi(QStringLiteral("b")), 1);
        QCOMPARE(el.kolonSirasi(QStringLiteral("C")), -1);
    }

    void indeksler()
    {
        // Screens filter, join and sort on these; the upgrade list's names are among them.
        const QStringList gerekenler = {"GOZ_KAYITNO", "GOZ_HASTAKODU", "GOZ_HASTAADI", "GOZ_MUAYENETARIHI",
                                        "GOZ_MUAYENENO", "HASTA_HASTAKODU", "HASTA_HASTAADI", "HASTA_KAYITNO",
                                        "HASTA_TCKIMLIKNO"};
        QSet<QString> adlar;
        for (const Tablo &t : Tablolar())
            for (const Indeks &i : t.indeksler) {
                QVERIFY2(!adlar.contains(i.ad), qPrintable(i.ad));
                adlar.insert(i.ad);
            }
        for (const QString &a : gerekenler)
            QVERIFY2(adlar.contains(a), qPrintable(a));
        const Tablo *h = TabloBul(QStringLiteral("HASTALAR"));
        bool tekil = false;
        for (const Indeks &i : h->indeksler)
            if (i.tekil && i.kolonlar == QStringList{"SIRKETKODU", "HASTAKODU"})
                tekil = true;
        QVERIFY(tekil);
    }

    // Searches fold I, İ, ı and i into one letter; these columns keep an index
    // on the folded form so that a search stays on an index.
    void katliIndeksler_data()
    {
        QTest::addColumn<QString>("tablo");
        QTest::addColumn<QString>("kolon");
        QTest::addColumn<bool>("katli");
        QTest::newRow("hasta adi") << "HASTALAR" << "HASTAADISOYADI" << true;
        QTest::newRow("hasta adi kucuk harfle") << "hastalar" << "hastaadisoyadi" << true;
        QTest::newRow("randevu") << "RANDEVU" << "HASTAADISOYADI" << true;
        QTest::newRow("muayene") << "MUAYENE" << "HASTAADISOYADI" << true;
        QTest::newRow("goz") << "GOZHASTALIKLARI" << "HASTAADISOYADI" << true;
        QTest::newRow("laboratuvar kaydi") << "MUAYENE_LAB" << "HASTAADISOYADI" << true;
        QTest::newRow("tani") << "TANILAR" << "TANI" << true;
        QTest::newRow("cari unvan") << "CARI_HAREKET" << "CARIUNVAN" << true;
        QTest::newRow("hasta kodu") << "HASTALAR" << "HASTAKODU" << false;
        QTest::newRow("personel") << "DOKTORLAR" << "DOKTORADISOYADI" << false;
    }
    void katliIndeksler()
    {
        QFETCH(QString, tablo);
        QFETCH(QString, kolon);
        QFETCH(bool, katli);
        const Tablo *t = TabloBul(tablo);
        QVERIFY(t);
        QCOMPARE(t->katliIndeksli(kolon), katli);
        const Indeks *bulunan = nullptr;
        for (const Indeks &i : t->indeksler)
            if (i.katli && i.kolonlar.value(0).compare(kolon, Qt::CaseInsensitive) == 0)
                bulunan = &i;
        QCOMPARE(bulunan != nullptr, katli);
        if (!bulunan)
            return;
        QCOMPARE(bulunan->kolonlar.size(), 1);
        QVERIFY(!bulunan->tekil);
        // The index is made on exactly the expression the searches write.
        QCOMPARE(IndeksKomutu(t->ad, *bulunan), QStringLiteral("CREATE INDEX %1 ON %2 COMPUTED BY (%3)")
                                                     .arg(bulunan->ad, t->ad, SqlIKatla(kolon.toUpper())));
        QVERIFY(Olustur::semaKomutlari().contains(IndeksKomutu(t->ad, *bulunan)));
    }

    void ddl()
    {
        const QStringList k = Olustur::semaKomutlari();
        QVERIFY(!k.isEmpty());
        for (const QString &s : k)
            QVERIFY2(!s.contains(QLatin1Char('"')), qPrintable(s));
        QVERIFY(k.contains(QStringLiteral("CREATE GENERATOR OTOKOD_HASTALAR")));
        QVERIFY(k.contains(QStringLiteral("CREATE UNIQUE INDEX HASTA_SIRKET_HASTAKODU ON HASTALAR (SIRKETKODU,HASTAKODU)")));
        const QString p = k.filter(QStringLiteral("CREATE TABLE PARAMETRELER ")).value(0);
        QCOMPARE(p, QStringLiteral("CREATE TABLE PARAMETRELER (KAYIT_NO INTEGER NOT NULL, PARAMETRE_ADI VARCHAR(30), "
                                   "PARAMETRE VARCHAR(30), CONSTRAINT PK_PARAMETRELER PRIMARY KEY (KAYIT_NO))"));
    }
};

QTEST_MAIN(TstSema)
#include "tst_sema.moc"
