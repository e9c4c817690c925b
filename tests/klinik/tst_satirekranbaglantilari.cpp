// What the laboratory and procedures screens open from themselves: the
// patient of the tab's examination on a list double-click, the lookup on a
// line grid double-click, the current line's notes and documents with the
// screen's document kind, and on the procedures screen the staff lookup and
// the line's reminder.
#include "app/ekranlar.h"
#include "app/notdosya.h"
#include "app/oturum.h"
#include "app/raporhizmeti.h"
#include "db/sorgu.h"
#include "db/veriseti.h"
#include "destek/betikmesaj.h"
#include "destek/pencereyardim.h"
#include "destek/testvt.h"
#include "klinik/cariisleme.h"
#include "klinik/frm_muayene_lab.h"
#include "klinik/frm_yapilanislemler.h"

#include <QAction>
#include <QApplication>
#include <QComboBox>
#include <QDialog>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QGroupBox>
#include <QPushButton>
#include <QTabWidget>
#include <QTableView>
#include <QTimer>
#include <QtTest>

namespace {

// One general and one eye examination with the same number, each with one line.
void temelVeri()
{
    QVERIFY(Sorgu::calistir("insert into muayene (kayitno, hastakodu, hastaadisoyadi, doktorkodu, doktoradi, "
                            "muayenetarihi, muayeneucreti, doktorpayturu, doktorpayparam, laboratuvarvarmi, sirketkodu) "
                            "values (5, 'H1', 'AYŞE YILMAZ', 'D1', 'DR. ALİ VELİ', '14.03.2026', 100, 'YÜZDE', 10, 'E', ?)",
                            {Oturum.sirketkodu}));
    QVERIFY(Sorgu::calistir("insert into gozhastaliklari (kayitno, hastakodu, hastaadisoyadi, doktorkodu, doktoradi, "
                            "muayenetarihi, ucreti, doktorpayturu, doktorpayparam, sirketkodu) "
                            "values (5, 'H2', 'MEHMET KAYA', 'D2', 'DR. ZEYNEP AK', '15.03.2026', 200, 'YÜZDE', 10, ?)",
                            {Oturum.sirketkodu}));
    QVERIFY(Sorgu::calistir("insert into yapilanislemler (kayitno, muayeneno, hastakodu, hastaadisoyadi, islemkodu, "
                            "yapilanislem, ucreti, kaynak, sirketkodu) "
                            "values (31, 5, 'H1', 'AYŞE YILMAZ', 'P1', 'PANSUMAN', 70, 'GENEL', ?)",
                            {Oturum.sirketkodu}));
    QVERIFY(Sorgu::calistir("insert into muayene_lab (kayitno, muayeneno, hastakodu, hastaadisoyadi, tetkikkodu, "
                            "tetkikadi, ucreti, kaynak, sirketkodu) "
                            "values (41, '5', 'H1', 'AYŞE YILMAZ', 1, 'HEMOGRAM', 80, 'GENEL', ?)",
                            {Oturum.sirketkodu}));
}

QString modulu(const QString &ekran)
{
    return ekran == QLatin1String("frm_muayene_lab") ? QStringLiteral("LABORATUVAR") : QStringLiteral("YİŞLEMLER");
}

// Replaces a registered window by an empty dialog that records what it was
// opened with and closes itself; the original comes back on destruction.
struct SahteEkran
{
    QString ad;
    EkranUretici onceki;
    bool acildi = false;
    QString hastaKodu;
    QString cariKod;
    QString selectMetni;
    explicit SahteEkran(const QString &a) : ad(a)
    {
        onceki = EkranKaydet(ad, [this](QWidget *ust) -> QDialog * {
            auto *d = new QDialog(ust);
            QTimer::singleShot(0, d, [this, d] {
                acildi = true;
                hastaKodu = Aktarim.hasta_hastakodu;
                cariKod = Aktarim.cari_kod;
                selectMetni = d->property(SelectMetniOzelligi).toString();
                d->reject();
            });
            return d;
        });
    }
    ~SahteEkran() { EkranKaydet(ad, onceki); }
};

} // namespace

class tst_satirekranbaglantilari : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase() { TestOrtami(); }

    // The patient of the examination selected on the tab shown, only for
    // users with both special rights of the screen's module.
    void hastayaAtlama_data()
    {
        QTest::addColumn<QString>("ekran");
        QTest::addColumn<int>("sekme");
        QTest::addColumn<QString>("ozel1");
        QTest::addColumn<QString>("ozel2");
        QTest::addColumn<QString>("beklenen"); // empty: nothing opens
        for (const char *e : {"frm_muayene_lab", "frm_yapilanislemler"}) {
            const QString ekran = QLatin1String(e);
            QTest::addRow("%s genel", e) << ekran << 0 << "E" << "E" << "H1";
            QTest::addRow("%s göz", e) << ekran << 1 << "E" << "E" << "H2";
            QTest::addRow("%s özel yetki 1 yok", e) << ekran << 0 << "H" << "E" << "";
            QTest::addRow("%s özel yetki 2 yok", e) << ekran << 1 << "E" << "H" << "";
        }
    }
    void hastayaAtlama()
    {
        QFETCH(QString, ekran);
        QFETCH(int, sekme);
        QFETCH(QString, ozel1);
        QFETCH(QString, ozel2);
        QFETCH(QString, beklenen);
        TestVeritabani vt;
        QVERIFY(vt.hazir());
        temelVeri();
        QVERIFY(Sorgu::calistir("update kullanicilar set ozelyetki1 = ?, ozelyetki2 = ? where moduladi = ?",
                                {ozel1, ozel2, modulu(ekran)}));
        BetikMesaj m;
        Aktarim.hasta_hastakodu.clear();
        SahteEkran hasta(QStringLiteral("frm_hastalar"));
        std::unique_ptr<QDialog> d(EkranOlustur(ekran, nullptr));
        QVERIFY(d);
        d->show();
        d->findChild<QTabWidget *>(QStringLiteral("PageControl1"))->setCurrentIndex(sekme);
        auto *liste = d->findChild<QTableView *>(QStringLiteral("DBGrid1"));
        QVERIFY(liste && liste->model()->rowCount() > 0);
        emit liste->doubleClicked(liste->model()->index(0, 2));
        QCoreApplication::processEvents();
        QCOMPARE(hasta.acildi, !beklenen.isEmpty());
        if (!beklenen.isEmpty())
            QCOMPARE(hasta.hastaKodu, beklenen);
    }

    // Deleting the current line asks the screen's question; "No" keeps it,
    // "Yes" removes it and says so.
    void satirSilme_data()
    {
        QTest::addColumn<QString>("ekran");
        QTest::addColumn<QString>("tablo");
        QTest::addColumn<QString>("soru");
        QTest::addColumn<QString>("mesaj");
        QTest::newRow("laboratuvar") << "frm_muayene_lab" << "muayene_lab"
                                     << "Bu Laboratuvar Kaydını Silmek İstiyormusunuz ? "
                                     << " Laboratuvar Kaydı Silindi ";
        QTest::newRow("işlemler") << "frm_yapilanislemler" << "yapilanislemler"
                                  << "Bu İşlem Kaydını Silmek İstiyormusunuz ? " << " İşlem Kaydı Silindi ";
    }
    void satirSilme()
    {
        QFETCH(QString, ekran);
        QFETCH(QString, tablo);
        QFETCH(QString, soru);
        QFETCH(QString, mesaj);
        TestVeritabani vt;
        QVERIFY(vt.hazir());
        temelVeri();
        BetikMesaj m;
        std::unique_ptr<QDialog> d(EkranOlustur(ekran, nullptr));
        QVERIFY(d);
        d->show();
        const QString say = QStringLiteral("select count(*) from ") + tablo + QStringLiteral(" where muayeneno = 5");
        QCOMPARE(TekDeger(say).toInt(), 1);
        auto *sil = d->findChild<QPushButton *>(QStringLiteral("btn_sil"));
        m.cevaplar.enqueue(false);
        sil->click();
        QCOMPARE(m.sorular, QStringList{soru});
        QCOMPARE(TekDeger(say).toInt(), 1);
        QVERIFY(m.mesajlar.isEmpty());
        m.cevaplar.enqueue(true);
        sil->click();
        QCOMPARE(TekDeger(say).toInt(), 0);
        QCOMPARE(m.mesajlar, QStringList{mesaj});
    }

    // A user without the delete right is refused at once: no question, the
    // line and the examination's postings stay as they were.
    void yetkisizSilemez()
    {
        QFETCH(QString, ekran);
        QFETCH(QString, tablo);
        TestVeritabani vt;
        QVERIFY(vt.hazir());
        temelVeri();
        QVERIFY(CariIsleme::lab_tutari_topla(CariIsleme::Kaynak::Genel, 5, ekran == QLatin1String("frm_muayene_lab")
                                                                             ? CariIsleme::SatirTuru::Laboratuvar
                                                                             : CariIsleme::SatirTuru::Islem));
        QVERIFY(Sorgu::calistir("update kullanicilar set silme = 'H' where moduladi = ?", {modulu(ekran)}));
        BetikMesaj m;
        m.varsayilanCevap = true;
        std::unique_ptr<QDialog> d(EkranOlustur(ekran, nullptr));
        QVERIFY(d);
        d->show();
        const QString say = QStringLiteral("select count(*) from ") + tablo + QStringLiteral(" where muayeneno = 5");
        const int kayitlar = TekDeger("select count(*) from cari_hareket where evrakkayitno = 5").toInt();
        QVERIFY(kayitlar > 0);
        d->findChild<QPushButton *>(QStringLiteral("btn_sil"))->click();
        QTest::keyClick(d.get(), Qt::Key_Delete, Qt::ControlModifier);
        QVERIFY(m.sorular.isEmpty());
        QVERIFY(!m.mesajlar.isEmpty());
        for (const QString &x : std::as_const(m.mesajlar))
            QCOMPARE(x, QStringLiteral("Bu İşlem İçin Yetkili Değilsiniz"));
        QCOMPARE(TekDeger(say).toInt(), 1);
        QCOMPARE(TekDeger("select count(*) from cari_hareket where evrakkayitno = 5").toInt(), kayitlar);
    }
    void yetkisizSilemez_data() { satirSilme_data(); }

    // "ÖDEME" pays on the patient of the examination of the tab shown.
    void odeme_data()
    {
        QTest::addColumn<QString>("ekran");
        QTest::addColumn<int>("sekme");
        QTest::addColumn<QString>("beklenen");
        for (const char *e : {"frm_muayene_lab", "frm_yapilanislemler"}) {
            QTest::addRow("%s genel", e) << QString::fromLatin1(e) << 0 << "H1";
            QTest::addRow("%s göz", e) << QString::fromLatin1(e) << 1 << "H2";
        }
    }
    void odeme()
    {
        QFETCH(QString, ekran);
        QFETCH(int, sekme);
        QFETCH(QString, beklenen);
        TestVeritabani vt;
        QVERIFY(vt.hazir());
        temelVeri();
        BetikMesaj m;
        Aktarim.cari_kod.clear();
        SahteEkran odeme(QStringLiteral("frm_odeme"));
        std::unique_ptr<QDialog> d(EkranOlustur(ekran, nullptr));
        QVERIFY(d);
        d->show();
        d->findChild<QTabWidget *>(QStringLiteral("PageControl1"))->setCurrentIndex(sekme);
        QVERIFY(d->findChild<QComboBox *>(QStringLiteral("cmb_hizlimenu")));
        auto *a = d->findChild<QAction *>(QStringLiteral("DEME1"));
        QVERIFY(a);
        QCOMPARE(a->text(), QStringLiteral("ÖDEME"));
        a->trigger();
        QCoreApplication::processEvents();
        QVERIFY(odeme.acildi);
        QCOMPARE(odeme.cariKod, beklenen);
    }

    // "Muayene Ara" moves the general list to the chosen examination, also
    // when called from the eye tab.
    void muayeneAra()
    {
        TestVeritabani vt;
        QVERIFY(vt.hazir());
        temelVeri();
        QVERIFY(Sorgu::calistir("insert into muayene (kayitno, hastakodu, hastaadisoyadi, doktorkodu, doktoradi, "
                                "muayenetarihi, laboratuvarvarmi, sirketkodu) "
                                "values (6, 'H3', 'CAN DEMİR', 'D1', 'DR. ALİ VELİ', '16.03.2026', 'E', ?)",
                                {Oturum.sirketkodu}));
        BetikMesaj m;
        Tfrm_yapilanislemler e;
        e.show();
        QCOMPARE(e.seciliMuayene(), 6);
        e.findChild<QTabWidget *>(QStringLiteral("PageControl1"))->setCurrentIndex(1);
        QTimer::singleShot(0, [] {
            auto *p = qobject_cast<QDialog *>(QApplication::activeModalWidget());
            QVERIFY(p);
            QCOMPARE(p->objectName(), QStringLiteral("frm_muayenearama"));
            p->findChild<QLineEdit *>(QStringLiteral("edt_ara"))->setText(QStringLiteral("AYŞE"));
            p->findChild<QPushButton *>(QStringLiteral("btn_evet"))->click();
        });
        e.findChild<QAction *>(QStringLiteral("MuayeneAra1"))->trigger();
        QCOMPARE(e.kaynak(), CariIsleme::Kaynak::Genel);
        QCOMPARE(e.seciliMuayene(), 5);
        QCOMPARE(e.satirlar()->anahtar(), 31); // the lines follow
    }

    // "Excele Aktar" exports the selected examination's lines, only with the
    // report right of the screen's module.
    void exceleAktar_data()
    {
        QTest::addColumn<QString>("ekran");
        QTest::addColumn<QString>("rapor");
        QTest::addColumn<qint64>("satir"); // 0: nothing exported
        QTest::newRow("laboratuvar") << "frm_muayene_lab" << "E" << qint64(41);
        QTest::newRow("işlemler") << "frm_yapilanislemler" << "E" << qint64(31);
        QTest::newRow("işlemler, hak yok") << "frm_yapilanislemler" << "H" << qint64(0);
    }
    void exceleAktar()
    {
        QFETCH(QString, ekran);
        QFETCH(QString, rapor);
        QFETCH(qint64, satir);
        TestVeritabani vt;
        QVERIFY(vt.hazir());
        temelVeri();
        QVERIFY(Sorgu::calistir("update kullanicilar set rapor = ? where moduladi = ?", {rapor, modulu(ekran)}));
        BetikMesaj m;
        qint64 aktarilan = 0;
        auto onceki = RaporHizmeti().disaAktar;
        RaporHizmeti().disaAktar = [&](VeriSeti *vs, QWidget *) { aktarilan = vs->anahtar(); };
        std::unique_ptr<QDialog> d(EkranOlustur(ekran, nullptr));
        QVERIFY(d);
        d->show();
        d->findChild<QAction *>(QStringLiteral("ExceleAktar1"))->trigger();
        RaporHizmeti().disaAktar = onceki;
        QCOMPARE(aktarilan, satir);
        QCOMPARE(m.mesajlar.isEmpty(), satir != 0);
    }

    // The quick menu opens another screen by its module name.
    void hizliMenu()
    {
        TestVeritabani vt;
        QVERIFY(vt.hazir());
        temelVeri();
        BetikMesaj m;
        SahteEkran hasta(QStringLiteral("frm_hastalar"));
        Tfrm_yapilanislemler e;
        e.show();
        auto *k = e.findChild<QComboBox *>(QStringLiteral("cmb_hizlimenu"));
        QVERIFY(k);
        const int i = k->findText(QStringLiteral("HASTALAR"));
        QVERIFY(i >= 0);
        emit k->activated(i);
        QCoreApplication::processEvents();
        QVERIFY(hasta.acildi);
    }

    // A double-click on the line grid opens the screen's lookup.
    void izgaraAramasi_data()
    {
        QTest::addColumn<QString>("ekran");
        QTest::addColumn<QString>("arama");
        QTest::newRow("laboratuvar") << "frm_muayene_lab" << "frm_labarama";
        QTest::newRow("işlemler") << "frm_yapilanislemler" << "frm_islemarama";
    }
    void izgaraAramasi()
    {
        QFETCH(QString, ekran);
        QFETCH(QString, arama);
        TestVeritabani vt;
        QVERIFY(vt.hazir());
        temelVeri();
        BetikMesaj m;
        std::unique_ptr<QDialog> d(EkranOlustur(ekran, nullptr));
        QVERIFY(d);
        d->show();
        QString acilan;
        QTimer cevap;
        cevap.setInterval(0);
        QObject::connect(&cevap, &QTimer::timeout, [&] {
            auto *p = qobject_cast<QDialog *>(QApplication::activeModalWidget());
            if (!p || !p->isVisible() || p == d.get())
                return;
            acilan = p->objectName();
            p->reject();
        });
        cevap.start();
        auto *izgara = d->findChild<QTableView *>(QStringLiteral("DBGrid2"));
        QVERIFY(izgara && izgara->model()->rowCount() == 1);
        emit izgara->doubleClicked(izgara->model()->index(0, 0));
        cevap.stop();
        QCOMPARE(acilan, arama);
    }

    // Notes and documents hang on the current line with the screen's kind;
    // a pending new line has none yet.
    void notlarVeDosyalar_data()
    {
        QTest::addColumn<QString>("ekran");
        QTest::addColumn<QString>("eylem");
        QTest::addColumn<QString>("pencere");
        QTest::addColumn<QString>("beklenen");
        QTest::newRow("laboratuvar notları") << "frm_muayene_lab" << "AciklamaNotlar1" << "frm_notlar2"
                                            << NotlarSelectMetni(41, QStringLiteral("MUA_LAB"));
        QTest::newRow("laboratuvar dosyaları") << "frm_muayene_lab" << "Dosya1" << "frm_dosyayonetimi"
                                              << DosyalarSelectMetni(41, QStringLiteral("MUA_LAB"));
        QTest::newRow("işlem notları") << "frm_yapilanislemler" << "AciklamaNotlar1" << "frm_notlar2"
                                       << NotlarSelectMetni(31, QStringLiteral("Y_İŞLEM"));
        QTest::newRow("işlem dosyaları") << "frm_yapilanislemler" << "Dosya1" << "frm_dosyayonetimi"
                                         << DosyalarSelectMetni(31, QStringLiteral("Y_İŞLEM"));
    }
    void notlarVeDosyalar()
    {
        QFETCH(QString, ekran);
        QFETCH(QString, eylem);
        QFETCH(QString, pencere);
        QFETCH(QString, beklenen);
        TestVeritabani vt;
        QVERIFY(vt.hazir());
        temelVeri();
        BetikMesaj m;
        SahteEkran sahte(pencere);
        std::unique_ptr<QDialog> d(EkranOlustur(ekran, nullptr));
        QVERIFY(d);
        d->show();
        auto *a = d->findChild<QAction *>(eylem);
        QVERIFY(a);
        a->trigger();
        QCoreApplication::processEvents();
        QVERIFY(sahte.acildi);
        QCOMPARE(sahte.selectMetni, beklenen);
        if (eylem == QLatin1String("AciklamaNotlar1")) {
            QCOMPARE(Aktarim.not_hastakodu, QStringLiteral("H1"));
            QCOMPARE(Aktarim.not_hastaadi, QStringLiteral("AYŞE YILMAZ"));
        }

        // a new line not saved yet
        auto *s = qobject_cast<MuayeneSatirEkrani *>(d.get());
        QVERIFY(s);
        s->aramaAcik = true; // no lookup for this new line
        QVERIFY(s->yeniSatir());
        sahte.acildi = false;
        a->trigger();
        QCoreApplication::processEvents();
        QVERIFY(!sahte.acildi);
    }

    // "Personel Bul" puts the chosen staff on the current line; saving keeps it.
    void personelBul()
    {
        TestVeritabani vt;
        QVERIFY(vt.hazir());
        temelVeri();
        QVERIFY(Sorgu::calistir("insert into doktorlar (kayitno, doktorkodu, doktoradisoyadi, sirketkodu) "
                                "values (7, 'HEM1', 'HEMŞİRE SEVİM ÖZ', ?)",
                                {Oturum.sirketkodu}));
        BetikMesaj m;
        Tfrm_yapilanislemler e;
        e.show();
        QCOMPARE(e.satirlar()->anahtar(), 31);
        QTimer::singleShot(0, [] {
            auto *p = qobject_cast<QDialog *>(QApplication::activeModalWidget());
            QVERIFY(p);
            QCOMPARE(p->objectName(), QStringLiteral("frm_doktorarama"));
            p->findChild<QLineEdit *>(QStringLiteral("edt_ara"))->setText(QStringLiteral("HEMŞ"));
            p->findChild<QPushButton *>(QStringLiteral("btn_evet"))->click();
        });
        e.findChild<QPushButton *>(QStringLiteral("BitBtn1"))->click();
        QCOMPARE(e.satirlar()->metin("ISLEMIYAPANKODU"), QStringLiteral("HEM1"));
        // not saved until the user saves
        QVERIFY(TekDeger("select islemiyapankodu from yapilanislemler where kayitno = 31").isNull());
        e.findChild<QPushButton *>(QStringLiteral("btn_kaydet"))->click();
        QCOMPARE(TekDeger("select islemiyapankodu from yapilanislemler where kayitno = 31").toString(),
                 QStringLiteral("HEM1"));
        QCOMPARE(TekDeger("select islemiyapanadi from yapilanislemler where kayitno = 31").toString(),
                 QStringLiteral("HEMŞİRE SEVİM ÖZ"));
    }

    // "EK BİLGİLERİ" shows the current order line and saves what is typed there.
    void ekBilgileri()
    {
        TestVeritabani vt;
        QVERIFY(vt.hazir());
        temelVeri();
        QVERIFY(Sorgu::calistir("update muayene_lab set tani = 'GRİP', odemesekli = 'NAKIT', doktorpayparam = 12.5 "
                                "where kayitno = 41"));
        BetikMesaj m;
        Tfrm_muayene_lab e;
        e.show();
        auto *sekmeler = e.findChild<QTabWidget *>(QStringLiteral("PageControl2"));
        QVERIFY(sekmeler);
        QStringList basliklar;
        for (int i = 0; i < sekmeler->count(); ++i)
            basliklar << sekmeler->tabText(i);
        QVERIFY2(basliklar.contains(QStringLiteral("EK BİLGİLERİ")), qPrintable(basliklar.join(u',')));
        auto *tani = e.findChild<QLineEdit *>(QStringLiteral("edt_tani"));
        auto *aciklama = e.findChild<QLineEdit *>(QStringLiteral("edt_aciklama"));
        auto *param = e.findChild<QLineEdit *>(QStringLiteral("edt_doktorpayparam"));
        auto *odeme = e.findChild<QComboBox *>(QStringLiteral("cmb_odemesekli"));
        QVERIFY(tani && aciklama && param && odeme);
        QCOMPARE(tani->text(), QStringLiteral("GRİP"));
        QCOMPARE(odeme->currentText(), QStringLiteral("NAKIT"));
        QCOMPARE(param->text(), QStringLiteral("12,5"));
        aciklama->setFocus();
        QTest::keyClicks(aciklama, QStringLiteral("AÇ KARNINA"));
        odeme->setCurrentText(QStringLiteral("K.KARTI"));
        e.findChild<QPushButton *>(QStringLiteral("btn_kaydet"))->click();
        QCOMPARE(TekDeger("select aciklama from muayene_lab where kayitno = 41").toString(), QStringLiteral("AÇ KARNINA"));
        QCOMPARE(TekDeger("select odemesekli from muayene_lab where kayitno = 41").toString(), QStringLiteral("K.KARTI"));
        QCOMPARE(TekDeger("select tani from muayene_lab where kayitno = 41").toString(), QStringLiteral("GRİP"));
    }

    // Enter on a bound box of the line moves to the next control and the
    // focused box is the aqua one, as on the record screens; Enter never
    // presses a toolbar button (the line is not saved by it).
    void enterVeOdakRengi()
    {
        TestVeritabani vt;
        QVERIFY(vt.hazir());
        temelVeri();
        BetikMesaj m;
        Tfrm_muayene_lab e;
        e.show();
        QVERIFY(QTest::qWaitForWindowActive(&e));
        auto *sekmeler = e.findChild<QTabWidget *>(QStringLiteral("PageControl2"));
        for (int i = 0; i < sekmeler->count(); ++i)
            if (sekmeler->tabText(i) == QStringLiteral("EK BİLGİLERİ"))
                sekmeler->setCurrentIndex(i);
        auto *tani = e.findChild<QLineEdit *>(QStringLiteral("edt_tani"));
        QVERIFY(tani && tani->isVisible());
        const QColor aqua(0, 255, 255), beyaz(255, 255, 255);
        tani->setFocus();
        QTRY_COMPARE(QApplication::focusWidget(), tani);
        QCOMPARE(tani->palette().color(QPalette::Base), aqua);
        QTest::keyClicks(tani, QStringLiteral("GRIP"));
        QTest::keyClick(tani, Qt::Key_Return);
        QWidget *sonraki = QApplication::focusWidget();
        QVERIFY(sonraki && sonraki != tani);
        QCOMPARE(tani->palette().color(QPalette::Base), beyaz);
        QCOMPARE(TekDeger("select tani from muayene_lab where kayitno = 41").toString(), QString()); // not saved by Enter
        QVERIFY(e.isVisible());
    }

    // The edit panel of the procedure screen is bound to the current line:
    // it shows the line and what is typed into it is saved with the line.
    void islemPaneli()
    {
        TestVeritabani vt;
        QVERIFY(vt.hazir());
        temelVeri();
        QVERIFY(Sorgu::calistir("update yapilanislemler set dosyano = 'D-7', dusunceler1 = 'İYİ' where kayitno = 31"));
        BetikMesaj m;
        Tfrm_yapilanislemler e;
        e.show();
        QCOMPARE(e.satirlar()->anahtar(), 31);
        auto *islem = e.findChild<QLineEdit *>(QStringLiteral("edt_yapilanislem"));
        auto *dosya = e.findChild<QLineEdit *>(QStringLiteral("edt_dosyano"));
        auto *ucret = e.findChild<QLineEdit *>(QStringLiteral("edt_ucreti"));
        auto *d1 = e.findChild<QPlainTextEdit *>(QStringLiteral("mem_dusunceler1"));
        auto *d2 = e.findChild<QPlainTextEdit *>(QStringLiteral("mem_dusunceler2"));
        QVERIFY(islem && dosya && ucret && d1 && d2);
        QVERIFY(e.findChild<QGroupBox *>(QStringLiteral("Panel2"))->findChild<QPushButton *>(QStringLiteral("BitBtn1")));
        QCOMPARE(islem->text(), QStringLiteral("PANSUMAN"));
        QCOMPARE(dosya->text(), QStringLiteral("D-7"));
        QCOMPARE(ucret->text(), QStringLiteral("70"));
        QCOMPARE(d1->toPlainText(), QStringLiteral("İYİ"));
        dosya->setFocus();
        dosya->selectAll();
        QTest::keyClicks(dosya, QStringLiteral("D-8"));
        d2->setFocus();
        QTest::keyClicks(d2, QStringLiteral("KONTROL"));
        e.findChild<QPushButton *>(QStringLiteral("btn_kaydet"))->click();
        QCOMPARE(TekDeger("select dosyano from yapilanislemler where kayitno = 31").toString(), QStringLiteral("D-8"));
        QCOMPARE(TekDeger("select dusunceler2 from yapilanislemler where kayitno = 31").toString(), QStringLiteral("KONTROL"));
    }

    // "Laboratuvar Ara" moves the list of the tab shown to the first
    // examination of the chosen line's patient.
    void laboratuvarAra()
    {
        TestVeritabani vt;
        QVERIFY(vt.hazir());
        temelVeri();
        QVERIFY(Sorgu::calistir("insert into muayene (kayitno, hastakodu, hastaadisoyadi, doktorkodu, doktoradi, "
                                "muayenetarihi, laboratuvarvarmi, sirketkodu) "
                                "values (6, 'H3', 'CAN DEMİR', 'D1', 'DR. ALİ VELİ', '16.03.2026', 'E', ?)",
                                {Oturum.sirketkodu}));
        BetikMesaj m;
        Tfrm_muayene_lab e;
        e.show();
        QCOMPARE(e.seciliMuayene(), 6);
        auto *a = e.findChild<QAction *>(QStringLiteral("LaboratuvarAra1"));
        QVERIFY(a);
        QCOMPARE(a->text(), QStringLiteral("Laboratuvar Ara"));
        QTimer::singleShot(0, [] {
            auto *p = qobject_cast<QDialog *>(QApplication::activeModalWidget());
            QVERIFY(p);
            QCOMPARE(p->objectName(), QStringLiteral("frm_muayene_labarama"));
            p->findChild<QLineEdit *>(QStringLiteral("edt_ara"))->setText(QStringLiteral("AYŞE"));
            p->findChild<QPushButton *>(QStringLiteral("btn_evet"))->click();
        });
        a->trigger();
        QCOMPARE(e.seciliMuayene(), 5);
        QCOMPARE(e.satirlar()->anahtar(), 41);
    }

    // The reminder typed into the edit panel is saved with the line.
    void hatirlatma()
    {
        TestVeritabani vt;
        QVERIFY(vt.hazir());
        temelVeri();
        BetikMesaj m;
        Tfrm_yapilanislemler e;
        e.show();
        auto *tarih = e.findChild<QLineEdit *>(QStringLiteral("edt_hatirlatmatarihi"));
        auto *durum = e.findChild<QComboBox *>(QStringLiteral("cmb_hatirlatmadurumu"));
        auto *notu = e.findChild<QLineEdit *>(QStringLiteral("edt_hatirlatmanotu"));
        QVERIFY(tarih && durum && notu);
        tarih->setFocus();
        tarih->selectAll();
        QTest::keyClicks(tarih, QStringLiteral("20.04.2026"));
        durum->setCurrentText(QStringLiteral("EVET"));
        notu->setFocus();
        QTest::keyClicks(notu, QString(80, QLatin1Char('x')));
        QCOMPARE(notu->text().size(), 70);
        e.findChild<QPushButton *>(QStringLiteral("btn_kaydet"))->click();
        QCOMPARE(TekDeger("select hatirlatmatarihi from yapilanislemler where kayitno = 31").toDate(), QDate(2026, 4, 20));
        QCOMPARE(TekDeger("select hatirlatmadurumu from yapilanislemler where kayitno = 31").toString(),
                 QStringLiteral("EVET"));
        QCOMPARE(TekDeger("select hatirlatmanotu from yapilanislemler where kayitno = 31").toString(),
                 QString(70, QLatin1Char('x')));
    }
};

QTEST_MAIN(tst_satirekranbaglantilari)
#include "tst_satirekranbaglantilari.moc"
