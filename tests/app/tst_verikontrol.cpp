// The data control panel: the typed statement, the spreadsheet imports of
// the shared test workbooks, the clean-up of rows with an empty code.
#include "app/oturum.h"
#include "app/program/frm_select.h"
#include "app/program/veriaktarim.h"
#include "db/sema.h"
#include "db/sorgu.h"
#include "destek/betikmesaj.h"
#include "destek/testvt.h"
#include "destek/yazanyordam.h"
#include "raporlar/motor/tabloaktar.h"
#include "raporlar/motor/tablookuyucu.h"

#include <QAction>
#include <QFileInfo>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QTableView>
#include <QtTest>

namespace {

int sayi(const QString &sql, const QVariantList &d = {})
{
    const auto v = Sorgu::tekDeger(sql, d);
    return v ? v->toInt() : -1;
}

QString tablo(const QString &ad) { return TestDosyasi(QStringLiteral("tablo/") + ad); }

QString acilan;
bool ac(const QString &yol)
{
    acilan = yol;
    return true;
}

} // namespace

class TstVeriKontrol : public QObject
{
    Q_OBJECT
private slots:
    void initTestCase()
    {
        TestOrtami();
        TabloAktar::aciciAyarla(&ac);
    }

    void serbestSorgu()
    {
        TEST_VT(vt);
        BetikMesaj m;
        Tfrm_select e;
        e.show();
        auto *metin = e.findChild<QPlainTextEdit *>(QStringLiteral("mem_sorgu"));
        auto *listele = e.findChild<QAction *>(QStringLiteral("Listele1"));
        QCOMPARE(listele->shortcut(), QKeySequence(QStringLiteral("F7")));
        QCOMPARE(listele->text(), QStringLiteral("Listele (F7)   "));

        metin->setPlainText(QStringLiteral("select kullanici_kodu, moduladi from kullanicilar order by kayitno"));
        listele->trigger();
        const int n = sayi(QStringLiteral("select count(*) from kullanicilar"));
        QVERIFY(n > 0);
        QCOMPARE(m.mesajlar, QStringList{QString::number(n) + QStringLiteral(" adet kayıt bulundu.")});
        auto *izgara = e.findChild<QTableView *>(QStringLiteral("DBGrid1"));
        QCOMPARE(izgara->model()->rowCount(), n);
        QCOMPARE(izgara->model()->headerData(1, Qt::Horizontal).toString(), QStringLiteral("MODULADI"));
        QVERIFY(!(izgara->model()->flags(izgara->model()->index(0, 1)) & Qt::ItemIsEditable));

        // The navigator moves over the rows.
        e.findChild<QPushButton *>(QStringLiteral("nav_son"))->click();
        QCOMPARE(e.gecerliSatir(), n - 1);
        e.findChild<QPushButton *>(QStringLiteral("nav_onceki"))->click();
        QCOMPARE(e.gecerliSatir(), n - 2);
        e.findChild<QPushButton *>(QStringLiteral("nav_ilk"))->click();
        QCOMPARE(e.gecerliSatir(), 0);
        e.findChild<QPushButton *>(QStringLiteral("nav_sonraki"))->click();
        QCOMPARE(e.gecerliSatir(), 1);

        // Exported as it stands.
        m.temizle();
        acilan.clear();
        TabloAktar::klasorAyarla(vt.klasor());
        e.findChild<QAction *>(QStringLiteral("ExceleAktar1"))->trigger();
        QVERIFY2(QFileInfo::exists(acilan), qPrintable(m.mesajlar.join(QLatin1Char('|'))));
        TabloOkuyucu okunan;
        QVERIFY(okunan.ac(acilan));
        QCOMPARE(okunan.satirSayisi(), n + 1);
        QCOMPARE(okunan.hucre(1, 2), QStringLiteral("MODULADI"));
        QCOMPARE(okunan.hucre(2, 2), Sorgu::tekDeger(QStringLiteral("select first 1 moduladi from kullanicilar "
                                                                   "order by kayitno"))->toString());

        // No rows: no count message.
        m.temizle();
        metin->setPlainText(QStringLiteral("select * from hastalar where 1=0"));
        listele->trigger();
        QVERIFY(m.mesajlar.isEmpty());
        QCOMPARE(izgara->model()->rowCount(), 0);

        // A statement that would change data changes nothing and says so.
        m.temizle();
        metin->setPlainText(QStringLiteral("delete from kullanicilar"));
        listele->trigger();
        QCOMPARE(m.hatalar.size(), 1);
        QVERIFY(m.hatalar.first().contains(QLatin1String("SELECT")));
        QCOMPARE(sayi(QStringLiteral("select count(*) from kullanicilar")), n);

        // A refused statement: the database's message, the result stays closed.
        m.temizle();
        metin->setPlainText(QStringLiteral("select * from yok_boyle_tablo"));
        listele->trigger();
        QCOMPARE(m.hatalar.size(), 1);
        QVERIFY(!e.sonuc());
        QCOMPARE(izgara->model()->rowCount(), 0);
    }

    void yanEtkiliSorgu_data()
    {
        QTest::addColumn<QString>("sql");
        QTest::newRow("secilebilir yordam") << "select n from yazan";
        QTest::newRow("alt sorguda yordam") << "select h.kayitno from hastalar h where exists (select 1 from yazan)";
        QTest::newRow("gen_id") << "select gen_id(OTOKOD_HASTALAR, 5) from rdb$database";
    }

    // A statement that starts with SELECT but would write (a selectable
    // procedure that adds a patient, a generator's step) is refused before
    // it runs: the reason said, no row added, the generator where it was.
    void yanEtkiliSorgu()
    {
        QFETCH(QString, sql);
        TEST_VT(vt);
        BetikMesaj m;
        QString h;
        QVERIFY2(HazirlikCalistir({YazanYordamDdl, QStringLiteral("set generator OTOKOD_HASTALAR to 10")}, &h),
                 qPrintable(h));
        const int hastalar = sayi(QStringLiteral("select count(*) from hastalar"));
        Tfrm_select e;
        e.show();
        e.findChild<QPlainTextEdit *>(QStringLiteral("mem_sorgu"))->setPlainText(sql);
        e.findChild<QAction *>(QStringLiteral("Listele1"))->trigger();
        QCOMPARE(m.hatalar.size(), 1);
        QVERIFY2(m.hatalar.first().startsWith(QStringLiteral("Bu sorgu veritabanını değiştirebilecek bir ifade içeriyor")),
                 qPrintable(m.hatalar.first()));
        QVERIFY(!e.sonuc());
        QCOMPARE(sayi(QStringLiteral("select count(*) from hastalar")), hastalar);
        QCOMPARE(sayi(QStringLiteral("select count(*) from hastalar where kayitno = 900")), 0);
        QCOMPARE(UretecDegeri(QStringLiteral("OTOKOD_HASTALAR")), 10);
    }

    void iceAktarim_data()
    {
        QTest::addColumn<QString>("dosya");
        QTest::addColumn<QString>("hedef");
        QTest::addColumn<int>("adet");
        QTest::addColumn<QString>("kontrol");   // a select of one value
        QTest::addColumn<QString>("beklenen");
        const char *const uzantilar[] = {"xlsx", "ods", "xls"};
        for (const char *u : uzantilar) {
            const QString x = QString::fromLatin1(u);
            QTest::newRow(qPrintable("hastalar 49 " + x))
                << "hastalar-49sutun." + x << "HASTALAR" << 3
                << "select count(*) from hastalar where dogumtarihi is not null and hastakodu <> 'H001'"
                << "";
            QTest::newRow(qPrintable("muayene 33 " + x))
                << "muayene-33sutun." + x << "MUAYENE" << 2 << "select max(ates) from muayene where ates is not null"
                << "";
            QTest::newRow(qPrintable("ek9 " + x)) << "ek9-7sutun." + x << "EK9" << 3
                                                  << "select count(*) from ek9 where ucreti = 2450.75" << "1";
            QTest::newRow(qPrintable("tanilar " + x))
                << "tanilar-3sutun." + x << "TANILAR" << 8 << "select count(*) from tanilar where tani is not null"
                << "";
            QTest::newRow(qPrintable("laboratuvar " + x))
                << "laboratuvar-12sutun." + x << "LABORATUVAR" << 5
                << "select count(*) from laboratuvar where birimi containing 'µ'" << "";
            QTest::newRow(qPrintable("formparametreleri " + x))
                << "formparametreleri-5sutun." + x << "FORMPAREMETRELERI" << 5
                << "select count(*) from formparemetreleri where sirketkodu = 'SISTEM' and formadi = 'MUAYENE'" << "";
            QTest::newRow(qPrintable("moduller " + x)) << "moduller-5sutun." + x << "MODULLER" << 19
                                                       << "select count(*) from moduller where moduladi = 'VERİ KONTROL'"
                                                       << "";
        }
    }
    void iceAktarim()
    {
        QFETCH(QString, dosya);
        QFETCH(QString, hedef);
        QFETCH(int, adet);
        QFETCH(QString, kontrol);
        QFETCH(QString, beklenen);
        TEST_VT(vt);
        BetikMesaj m;
        const AktarimHedefi *h = VeriAktarim::hedef(hedef);
        QVERIFY(h);
        const int once = sayi(QStringLiteral("select count(*) from ") + hedef);
        const auto kontrolOnce = Sorgu::tekDeger(kontrol);
        QVERIFY(kontrolOnce);
        Tfrm_select e;
        e.show();
        m.dosyalar.enqueue(tablo(dosya));
        e.findChild<QPushButton *>(h->dugme)->click();
        QCOMPARE(m.mesajlar, QStringList{h->basariMesaji + QStringLiteral("\n%1 satır aktarıldı").arg(adet)});
        QCOMPARE(sayi(QStringLiteral("select count(*) from ") + hedef), once + adet);
        const auto k = Sorgu::tekDeger(kontrol);
        QVERIFY(k && !k->isNull());
        if (!beklenen.isEmpty())
            QCOMPARE(k->toString(), beklenen);
        else
            QVERIFY2(k->toString() != kontrolOnce->toString() && k->toString() != QLatin1String("0"),
                     qPrintable(k->toString()));
        // Every row got a key of its own from the generator.
        QCOMPARE(sayi(QStringLiteral("select count(distinct kayitno) from ") + hedef), once + adet);
        QVERIFY(m.hatalar.isEmpty());
    }

    // The columns of every import are columns of its table, in the listed order.
    void hedefKolonlari()
    {
        const int beklenen[] = {49, 33, 7, 5, 5, 3, 12};
        const int sinir[] = {3000, 3000, 3000, 3000, 3000, 12000, 2000};
        QCOMPARE(VeriAktarim::hedefler().size(), 7);
        for (int i = 0; i < 7; ++i) {
            const AktarimHedefi &h = VeriAktarim::hedefler().at(i);
            QCOMPARE(h.kolonlar.size(), beklenen[i]);
            QCOMPARE(h.sonSatir, sinir[i]);
            const Tablo *t = TabloBul(h.tablo);
            QVERIFY(t);
            for (const QString &k : h.kolonlar)
                QVERIFY2(t->kolon(k), qPrintable(h.tablo + QLatin1Char('.') + k));
        }
    }

    // Rows beyond the limit are reported, the rows within it all imported.
    void sinirOtesi()
    {
        TEST_VT(vt);
        BetikMesaj m;
        const AktarimSonucu s = VeriAktarim::aktar(*VeriAktarim::hedef(QStringLiteral("HASTALAR")),
                                                   tablo(QStringLiteral("hastalar-3500.xlsx")));
        QCOMPARE(s.durum, AktarimSonucu::Durum::Tamam);
        QCOMPARE(s.aktarilan, 3000);
        QCOMPARE(s.sinirDisi, 500);
        QVERIFY2(s.mesaj.endsWith(QStringLiteral("3000 satır aktarıldı, 500 satır sınırın ötesinde kaldı")),
                 qPrintable(s.mesaj));
        QCOMPARE(sayi(QStringLiteral("select count(*) from hastalar where hastakodu between 'B00001' and 'B03000'")),
                 3000);
        QCOMPARE(sayi(QStringLiteral("select count(*) from hastalar where hastakodu > 'B03000'")), 0);
    }

    // A value that does not convert stops the import at its row, naming the
    // row, the column and the value; the rows before it are kept.
    void donusmeyenDeger_data()
    {
        QTest::addColumn<QString>("dosya");
        QTest::addColumn<int>("satir");
        QTest::addColumn<int>("sutun");
        QTest::addColumn<QString>("deger");
        QTest::newRow("olmayan tarih") << "hastalar-49sutun-hatali-tarih.xlsx" << 3 << 12 << "31.02.1980";
        QTest::newRow("WIN1254 disi harf") << "hastalar-win1254-disi.xlsx" << 2 << 2 << "ƏLİYEV RƏŞAD";
        QTest::newRow("baslik satiri, genis metin") << "hastalar-baslikli.xlsx" << 1 << 3 << "CİNSİYET";
    }
    void donusmeyenDeger()
    {
        QFETCH(QString, dosya);
        QFETCH(int, satir);
        QFETCH(int, sutun);
        QFETCH(QString, deger);
        TEST_VT(vt);
        BetikMesaj m;
        const QString yol = QFileInfo::exists(tablo(dosya)) ? tablo(dosya)
                                                           : TestDosyasi(QStringLiteral("hastalar/") + dosya);
        const int once = sayi(QStringLiteral("select count(*) from hastalar"));
        Tfrm_select e;
        e.show();
        m.dosyalar.enqueue(yol);
        e.findChild<QPushButton *>(QStringLiteral("btn_hastaaktar"))->click();
        QCOMPARE(m.hatalar.size(), 1);
        const QString mesaj = m.hatalar.first();
        QVERIFY2(mesaj.startsWith(QStringLiteral("%1. satır, %2. sütun (").arg(satir).arg(sutun)), qPrintable(mesaj));
        QVERIFY2(mesaj.contains(QLatin1Char('"') + deger + QLatin1Char('"')), qPrintable(mesaj));
        QVERIFY2(mesaj.contains(QStringLiteral("önceki satırlardan %1 satır aktarıldı").arg(satir - 1)),
                 qPrintable(mesaj));
        QCOMPARE(sayi(QStringLiteral("select count(*) from hastalar")), once + satir - 1);
    }

    void bozukDosyalar_data()
    {
        QTest::addColumn<QString>("dosya");
        QTest::newRow("kesik") << "bozuk-kesik.xlsx";
        QTest::newRow("rastgele") << "bozuk-rastgele.xls";
        QTest::newRow("metin") << "bozuk-metin.xlsx";
        QTest::newRow("yok") << "olmayan-dosya.xlsx";
    }
    void bozukDosyalar()
    {
        QFETCH(QString, dosya);
        TEST_VT(vt);
        BetikMesaj m;
        const int once = sayi(QStringLiteral("select count(*) from tanilar"));
        Tfrm_select e;
        e.show();
        m.dosyalar.enqueue(tablo(dosya));
        e.findChild<QPushButton *>(QStringLiteral("btn_taniaktar"))->click();
        QCOMPARE(m.hatalar.size(), 1);
        QVERIFY2(m.hatalar.first().startsWith(QStringLiteral("Dosya okunamadı, hiçbir satır aktarılmadı.")),
                 qPrintable(m.hatalar.first()));
        QCOMPARE(sayi(QStringLiteral("select count(*) from tanilar")), once);
    }

    // Cancelling the file choice does nothing and says nothing.
    void dosyaSecilmedi()
    {
        TEST_VT(vt);
        BetikMesaj m;
        Tfrm_select e;
        e.show();
        m.dosyalar.enqueue(QString());
        e.findChild<QPushButton *>(QStringLiteral("btn_ek9aktar"))->click();
        QVERIFY(m.mesajlar.isEmpty());
    }

    // A cancel rolls the whole import back.
    void iptal()
    {
        TEST_VT(vt);
        BetikMesaj m;
        const int once = sayi(QStringLiteral("select count(*) from tanilar"));
        const AktarimSonucu s = VeriAktarim::aktar(*VeriAktarim::hedef(QStringLiteral("TANILAR")),
                                                   tablo(QStringLiteral("tanilar-3sutun.xlsx")),
                                                   [](int satir, int) { return satir < 5; });
        QCOMPARE(s.durum, AktarimSonucu::Durum::Iptal);
        QCOMPARE(s.aktarilan, 0);
        QCOMPARE(sayi(QStringLiteral("select count(*) from tanilar")), once);
    }

    // The progress window runs the event loop: it is called only while no
    // transaction is open, whether the import ends, is cancelled or stops.
    void ilerlemeIslemDisinda_data()
    {
        QTest::addColumn<QString>("dosya");
        QTest::addColumn<QString>("hedef");
        QTest::addColumn<int>("kesik");       // the row cancelled at, 0: none
        QTest::addColumn<int>("durum");       // AktarimSonucu::Durum
        QTest::addColumn<int>("aktarilan");
        QTest::addColumn<int>("cagri");       // progress calls
        QTest::newRow("tamam") << "hastalar-3500.xlsx" << "HASTALAR" << 0 << int(AktarimSonucu::Durum::Tamam) << 3000
                               << 3000;
        QTest::newRow("iptal") << "tanilar-3sutun.xlsx" << "TANILAR" << 5 << int(AktarimSonucu::Durum::Iptal) << 0
                               << 5;
        QTest::newRow("durdu") << "hastalar-49sutun-hatali-tarih.xlsx" << "HASTALAR" << 0
                               << int(AktarimSonucu::Durum::Durdu) << 2 << 3;
    }
    void ilerlemeIslemDisinda()
    {
        QFETCH(QString, dosya);
        QFETCH(QString, hedef);
        QFETCH(int, kesik);
        QFETCH(int, durum);
        QFETCH(int, aktarilan);
        QFETCH(int, cagri);
        TEST_VT(vt);
        BetikMesaj m;
        const QString say = QStringLiteral("select count(*) from ") + hedef;
        const int once = sayi(say);
        int cagrilar = 0;
        QList<int> islemdeyken;   // rows whose call came while a transaction was open
        const AktarimSonucu s =
            VeriAktarim::aktar(*VeriAktarim::hedef(hedef), tablo(dosya), [&](int satir, int) {
                ++cagrilar;
                if (Islem::acikMi())
                    islemdeyken << satir;
                return kesik == 0 || satir < kesik;
            });
        QVERIFY2(islemdeyken.isEmpty(), qPrintable(QStringLiteral("%1 çağrı, ilki %2. satırda")
                                                       .arg(islemdeyken.size())
                                                       .arg(islemdeyken.value(0))));
        QCOMPARE(cagrilar, cagri);
        QCOMPARE(int(s.durum), durum);
        QCOMPARE(s.aktarilan, aktarilan);
        QCOMPARE(sayi(say), once + aktarilan);
        QVERIFY(!Islem::acikMi());
        QVERIFY2(m.hatalar.isEmpty(), qPrintable(m.hatalar.join('\n')));
    }

    // The clean-up counts per table, asks, deletes in all companies; a
    // second run finds nothing.
    void bosKodTemizligi()
    {
        TEST_VT(vt);
        BetikMesaj m;
        const QStringList ekle = {
            "insert into hastalar (kayitno, hastakodu, sirketkodu) values (gen_id(otokod_hastalar, 1), null, '2007')",
            "insert into hastalar (kayitno, hastakodu, sirketkodu) values (gen_id(otokod_hastalar, 1), '', '3000')",
            "insert into hastalar (kayitno, hastakodu, sirketkodu) values (gen_id(otokod_hastalar, 1), 'K1', '2007')",
            "insert into muayene (kayitno, hastakodu, sirketkodu) values (gen_id(otokod_muayene, 1), null, '2007')",
            "insert into randevu (kayitno, hastakodu, sirketkodu) values (gen_id(otokod_randevu, 1), '', '2007')",
            "insert into cari_hareket (kayitno, carikod, sirketkodu) values (gen_id(autoinccarihareket, 1), null, '9')",
            "insert into cari_hareket (kayitno, carikod, sirketkodu) values (gen_id(autoinccarihareket, 1), 'C1', '9')",
        };
        for (const QString &s : ekle)
            QVERIFY2(Sorgu::calistir(s), qPrintable(s));
        const auto sayilar = BosKodTemizligi::say();
        QVERIFY(sayilar);
        QMap<QString, int> beklenen{{"HASTALAR", 2}, {"MUAYENE", 1}, {"RANDEVU", 1}, {"MUAYENE_LAB", 0},
                                    {"GOZHASTALIKLARI", 0}, {"YAPILANISLEMLER", 0}, {"CARI_HAREKET", 1}};
        for (const auto &s : *sayilar)
            QCOMPARE(s.adet, beklenen.value(s.tablo, -1));

        Tfrm_select e;
        e.show();
        auto *dugme = e.findChild<QPushButton *>(QStringLiteral("btn_bostemizle"));
        QCOMPARE(dugme->text(), QStringLiteral("Carı Kodu Boş Kartları Sil"));
        m.cevaplar.enqueue(false);
        dugme->click();
        QCOMPARE(m.sorular.size(), 1);
        QVERIFY(m.sorular.first().contains(QStringLiteral("HASTALAR: 2")));
        QVERIFY(m.sorular.first().contains(QLatin1String("CARI_HAREKET: 1")));
        QCOMPARE(sayi(QStringLiteral("select count(*) from hastalar")), 3);

        m.temizle();
        dugme->click();
        QCOMPARE(m.mesajlar, QStringList{QStringLiteral("Hasta Kodu Boş Olan Tüm Kayıtlar Silindi")});
        QCOMPARE(sayi(QStringLiteral("select count(*) from hastalar")), 1);
        QCOMPARE(sayi(QStringLiteral("select count(*) from muayene")), 0);
        QCOMPARE(sayi(QStringLiteral("select count(*) from randevu")), 0);
        QCOMPARE(sayi(QStringLiteral("select count(*) from cari_hareket")), 1);

        // Again: nothing to delete, nothing asked, nothing changed.
        m.temizle();
        dugme->click();
        QVERIFY(m.sorular.isEmpty());
        QCOMPARE(m.mesajlar.size(), 1);
        QCOMPARE(sayi(QStringLiteral("select count(*) from hastalar")), 1);
        QCOMPARE(sayi(QStringLiteral("select count(*) from cari_hareket")), 1);
    }
};

QTEST_MAIN(TstVeriKontrol)
#include "tst_verikontrol.moc"
