// The eye examination screen driven through its controls' objectNames: every
// on-screen column of the table has its bound control, the preset from the
// patient screen with the doctor's share, postings next to a general
// examination of the same number, the delete with all that belongs to it, the
// printouts as real PDF files, the prescription buttons refusing unsaved
// edits, the picture edited in an external program and saved back, and the
// video that is not there.
#include "app/ekranlar.h"
#include "app/oturum.h"
#include "app/resimdeposu.h"
#include "db/baglayici.h"
#include "db/sema.h"
#include "db/sorgu.h"
#include "db/veriseti.h"
#include "destek/pdfmetni.h"
#include "destek/betikmesaj.h"
#include "destek/ekransurucu.h"
#include "destek/pencereyardim.h"
#include "destek/testvt.h"
#include "klinik/cariisleme.h"
#include "klinik/frm_goz.h"
#include "klinik/resimsekmesi.h"
#include "raporlar/motor/rapor.h"

#include "app/resimgalerisi.h"

#include <QComboBox>
#include <QDesktopServices>
#include <QLabel>
#include <QDialog>
#include <QFile>
#include <QImage>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QProcess>
#include <QPushButton>
#include <QScrollArea>
#include <QTabWidget>
#include <QTemporaryDir>
#include <QTimer>
#include <QtTest>

namespace {

int say(const QString &sql, const QVariantList &d = {})
{
    const auto v = Sorgu::tekDeger(sql, d);
    return v ? v->toInt() : -1;
}

bool parametreler(const QMap<int, QString> &p)
{
    if (!Sorgu::calistir(QStringLiteral("delete from FORMPAREMETRELERI where FORMADI = 'MUAYENE'")))
        return false;
    for (int i = 1; i <= 13; ++i)
        if (!Sorgu::calistir(QStringLiteral("insert into FORMPAREMETRELERI (KAYITNO, FORMADI, PARAMETREADI, "
                                            "PARAMETREDEGERI, SIRKETKODU) values (?, 'MUAYENE', ?, ?, 'SISTEM')"),
                             {700000 + i, QStringLiteral("P%1").arg(i),
                              p.value(i).isEmpty() ? QVariant(QMetaType::fromType<QString>()) : QVariant(p.value(i))}))
            return false;
    return true;
}

bool temelVeri()
{
    if (!Sorgu::calistir("insert into doktorlar (kayitno, doktorkodu, doktoradisoyadi, calisiyormu, "
                         "doktorpayturu, doktorpayparam, sirketkodu) values (1, 'D1', 'DR. ŞÜKRÜ GÖZÜAÇIK', 'EVET', "
                         "'YÜZDE', 25, '2007')"))
        return false;
    if (!Sorgu::calistir("insert into hastalar (kayitno, hastakodu, hastaadisoyadi, doktorkodu, doktoradi, ceptel, "
                         "tckimlikno, kurumu, sirketkodu) values (1, 'H1', 'ÇİĞDEM IŞIKÖĞÜT', 'D1', "
                         "'DR. ŞÜKRÜ GÖZÜAÇIK', '05321234567', '12345678901', 'SGK', '2007')"))
        return false;
    return true;
}

bool gozYaz(int no)
{
    return Sorgu::calistir(
        "insert into gozhastaliklari (kayitno, hastakodu, hastaadisoyadi, doktorkodu, doktoradi, muayenetarihi, "
        "ucreti, doktorpayturu, doktorpayparam, tani, sikayet, goz_saggzlksuz, goz_solgzlksuz, rec_saguzak1, "
        "rec_saguzak2, rec_saguzak3, rec_soluzak1, rec_soluzak2, rec_soluzak3, rec_ipm1, rec_camtipi, rec_camrengi, "
        "rec_recete, rec_receteaciklama, sirketkodu) values (?, 'H1', 'ÇİĞDEM IŞIKÖĞÜT', 'D1', 'DR. ŞÜKRÜ GÖZÜAÇIK', "
        "'14.03.2026', 200, 'YÜZDE', 25, 'MİYOPİ', 'UZAĞI GÖREMİYOR', '4/10', '5/10', '-2.25', '-0.75', '180', "
        "'-1.75', '-0.50', '175', '62', 'ORGANİK İNCELTİLMİŞ', 'FOTOGRİ', ?, 'GÜNDE 4 KEZ', '2007')",
        {no, QStringLiteral("TOBRADEKS DAMLA\nSUNİ GÖZYAŞI")});
}

void evet(QDialog *d) { d->findChild<QPushButton *>(QStringLiteral("btn_evet"))->click(); }

// Catches the URLs the screen asks the desktop to open.
class UrlYakalayici : public QObject
{
    Q_OBJECT
public:
    QList<QUrl> urller;
public slots:
    void ac(const QUrl &u) { urller << u; }
};

struct Ekran : EkranSurucu<Tfrm_goz>
{
    Ekran() : EkranSurucu(static_cast<Tfrm_goz *>(EkranOlustur(QStringLiteral("frm_goz"), nullptr))) {}
    void sekme(const char *ad) const { w<QTabWidget>("PageControl1")->setCurrentWidget(w(ad)); }
    VeriSeti *vs() const { return e->veriSeti(); }
};

// Columns that are part of the row but offered by no control of the screen.
const QStringList EkrandaYok = [] {
    QStringList l = {"KAYITNO", "MUAYENENO", "RANDEVUNO", "ISLEMTARIHI", "GOZ_SAGVL", "GOZ_SOLVL", "GOZ_SAGBIO",
                     "GOZ_SOLBIO", "REC_INTERM", "LENS_SOLISYON", "LENS_SCH", "GLOK_GALAN", "KULLANICI",
                     "DEGISTIRMETARIHI", "SIRKETKODU"};
    for (const char *g : {"GOZ_SAGOR", "GOZ_SOLOR", "GOZ_SAGIOR", "GOZ_SOLIOR", "GOZ_SAGVR", "GOZ_SOLVR", "GOZ_SAGIVR",
                          "GOZ_SOLIVR", "LENS_SAGKERA", "LENS_SOLKERA", "LENS_SAGRAD", "LENS_SOLRAD", "LENS_SAGAKS",
                          "LENS_SOLAKS"})
        for (int i = 1; i <= 3; ++i)
            l << QLatin1String(g) + QString::number(i);
    for (const char *g : {"OPER_SAGKERA", "OPER_SOLKERA", "OPER_SAGRAD", "OPER_SOLRAD", "OPER_SAGAKS", "OPER_SOLAKS"})
        for (int i = 1; i <= 2; ++i)
            l << QLatin1String(g) + QString::number(i);
    return l;
}();

} // namespace

class tst_goz : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase() { TestOrtami(); }
    void init() { Aktarim = AktarimKaydi(); }

    // Every column of the table that the screen shows has its bound control;
    // the tabs, the acuity lists and the Ctrl+Enter line break.
    void kolonlarBagli()
    {
        TEST_VT(vt);
        QVERIFY(parametreler({}));
        QVERIFY(gozYaz(5));
        QVERIFY(gozYaz(3));
        BetikMesaj m;
        Ekran s;
        QCOMPARE(s.vs()->anahtar(), qint64(3)); // the oldest examination is current at show
        const Tablo *t = TabloBul(QStringLiteral("GOZHASTALIKLARI"));
        QVERIFY(t);
        int bagli = 0;
        for (const Kolon &k : t->kolonlar) {
            if (EkrandaYok.contains(k.ad))
                continue;
            QWidget *w = s.e->baglayici()->kontrol(k.ad);
            QVERIFY2(w, qPrintable(k.ad));
            ++bagli;
        }
        QVERIFY(bagli > 120);
        auto *sekmeler = s.w<QTabWidget>("PageControl1");
        QStringList basliklar;
        for (int i = 0; i < sekmeler->count(); ++i)
            basliklar << sekmeler->tabText(i);
        QCOMPARE(basliklar, (QStringList{"Muayene", "Reçeteler", "Ameliyat", "Lens", "Glokom", "Şaşılık", "Laboratuvar",
                                         "Görüntüler", "Resim", "Video", "Ek Bilgiler"}));
        auto *gorme = s.w<QComboBox>("edt_goz_saggzlksuz");
        QCOMPARE(gorme->count(), 19);
        QCOMPARE(gorme->itemText(16), QStringLiteral("P(+) P(+)"));
        QVERIFY(gorme->isEditable());
        // Locked, the pages' controls are off; the first page, which scrolls
        // in itself, can still be scrolled through.
        for (int i = 1; i < sekmeler->count(); ++i)
            QVERIFY(!sekmeler->widget(i)->isEnabled());
        QVERIFY(!gorme->isEnabled());
        QVERIFY(s.w<QScrollArea>("sb_muayene")->isEnabled());

        s.tikla("btn_degistir");
        for (int i = 0; i < sekmeler->count(); ++i)
            QVERIFY(sekmeler->widget(i)->isEnabled());
        QVERIFY(gorme->isEnabled());
        auto *rec = s.w<QPlainTextEdit>("mem_rec_recete");
        rec->setFocus();
        rec->setPlainText(QStringLiteral("A"));
        rec->moveCursor(QTextCursor::End);
        QTest::keyClick(rec, Qt::Key_Return, Qt::ControlModifier);
        QTest::keyClicks(rec, QStringLiteral("B"));
        QCOMPARE(rec->toPlainText(), QStringLiteral("A\nB"));
        QCOMPARE(s.vs()->metin("REC_RECETE"), QStringLiteral("A\nB"));
        s.tikla("btn_iptal");
    }

    // Opened from the patient screen: only that patient's eye examinations,
    // a new one preset with the patient, the doctor and his share; its
    // postings stand beside a general examination of the same number; the
    // delete takes its postings, order lines and procedure lines along and
    // leaves the general examination's.
    void muayeneCariVeSilme()
    {
        TEST_VT(vt);
        QVERIFY(temelVeri());
        QVERIFY(parametreler({{4, QStringLiteral("200")}}));
        QVERIFY(Sorgu::calistir("insert into muayene (kayitno, hastakodu, hastaadisoyadi, doktorkodu, doktoradi, "
                                "muayenetarihi, muayeneucreti, doktorpayturu, doktorpayparam, sirketkodu) values "
                                "(1, 'H1', 'ÇİĞDEM IŞIKÖĞÜT', 'D1', 'DR. ŞÜKRÜ GÖZÜAÇIK', '14.03.2026', 100, 'YÜZDE', "
                                "10, '2007')"));
        QVERIFY(CariIsleme::cariyeisleme(CariIsleme::Kaynak::Genel, 1));
        QVERIFY(Sorgu::calistir("insert into hastalar (kayitno, hastakodu, hastaadisoyadi, sirketkodu) values "
                                "(2, 'H2', 'BAŞKA HASTA', '2007')"));
        QVERIFY(Sorgu::calistir("insert into gozhastaliklari (kayitno, hastakodu, hastaadisoyadi, sirketkodu) values "
                                "(50, 'H2', 'BAŞKA HASTA', '2007')"));
        QVERIFY(Sorgu::calistir("set generator OTOKOD_GOZ to 0"));

        Aktarim.goz_hastakodu = QStringLiteral("H1");
        Aktarim.goz_hastaadi = QStringLiteral("ÇİĞDEM IŞIKÖĞÜT");
        Aktarim.goz_doktorkodu = QStringLiteral("D1");
        Aktarim.goz_doktoradi = QStringLiteral("DR. ŞÜKRÜ GÖZÜAÇIK");
        BetikMesaj m;
        Ekran s;
        QCOMPARE(s.vs()->kesinKayitSayisi(), 0); // the other patient's examination is not listed
        s.tikla("btn_yeni");
        QCOMPARE(s.vs()->durum(), VeriSeti::Durum::Ekle);
        QCOMPARE(s.vs()->metin("HASTAKODU"), QStringLiteral("H1"));
        QCOMPARE(s.vs()->metin("DOKTORADI"), QStringLiteral("DR. ŞÜKRÜ GÖZÜAÇIK"));
        QCOMPARE(s.vs()->metin("DOKTORPAYTURU"), CariIsleme::Yuzde);
        QCOMPARE(s.vs()->sayi("DOKTORPAYPARAM"), 25.0);
        QCOMPARE(s.vs()->sayi("UCRETI"), 200.0);
        QCOMPARE(QApplication::focusWidget() ? QApplication::focusWidget()->objectName() : QString(),
                 QStringLiteral("mem_sikayet"));
        s.w<QComboBox>("edt_goz_saggzlksuz")->setCurrentText(QStringLiteral("8/10"));
        s.sekme("ts_receteler");
        s.yaz("edt_rec_saguzak1", QStringLiteral("-1.25"));
        s.tikla("btn_kaydet");
        QVERIFY2(m.mesajlar.isEmpty(), qPrintable(m.mesajlar.join('\n')));
        const qint64 no = s.vs()->anahtar();
        QCOMPARE(no, qint64(1)); // the same number as the general examination
        QCOMPARE(Sorgu::tekDeger("select goz_saggzlksuz from gozhastaliklari where kayitno = 1")->toString(),
                 QStringLiteral("8/10"));
        QCOMPARE(say("select count(*) from cari_hareket where evrakkayitno = 1 and carikod = 'H1' and borc = 200 and "
                     "aciklama = 'GÖZ MUAYENE ÜCRETİ'"), 1);
        QCOMPARE(say("select count(*) from cari_hareket where evrakkayitno = 1 and carikod = 'D1' and alacak = 50 and "
                     "aciklama = 'GÖZ MUAYENE PAYI'"), 1);
        QCOMPARE(say("select count(*) from cari_hareket where evrakkayitno = 1 and carikod = 'H1' and borc = 100"), 1);
        QCOMPARE(say("select count(*) from cari_hareket where evrakkayitno = 1 and carikod = 'D1' and alacak = 10"), 1);
        QCOMPARE(s.vs()->sayi("DOKTORPAYTUTARI"), 50.0);

        // An order line of the eye examination and one of the general one.
        QVERIFY(Sorgu::calistir("insert into muayene_lab (kayitno, hastakodu, sirketkodu, muayeneno, tetkikadi, "
                                "islemturu, kaynak) values (1, 'H1', '2007', '1', 'GÖZ İÇİ BASINCI', 'GÖZ MUAYENE', ?)",
                                {CariIsleme::kaynakDegeri(CariIsleme::Kaynak::Goz)}));
        QVERIFY(Sorgu::calistir("insert into muayene_lab (kayitno, hastakodu, sirketkodu, muayeneno, tetkikadi, "
                                "islemturu) values (2, 'H1', '2007', '1', 'HEMOGRAM', 'GENEL MUAYENE')"));
        s.sekme("ts_laboratuvar");
        QCOMPARE(s.e->labVeriSeti()->kesinKayitSayisi(), 1);
        QCOMPARE(s.e->labVeriSeti()->metin("TETKIKADI"), QStringLiteral("GÖZ İÇİ BASINCI"));

        m.cevaplar.enqueue(true);
        s.tikla("btn_sil");
        QVERIFY2(m.sorular.size() == 1 && m.sorular.first().contains(QStringLiteral("cari hesaba")),
                 qPrintable(m.sorular.join('\n')));
        QCOMPARE(say("select count(*) from gozhastaliklari where kayitno = 1"), 0);
        QCOMPARE(say("select count(*) from cari_hareket where evrakkayitno = 1 and aciklama starting with 'GÖZ'"), 0);
        QCOMPARE(say("select count(*) from cari_hareket where evrakkayitno = 1"), 2); // the general examination's
        QCOMPARE(say("select count(*) from muayene_lab where muayeneno = '1'"), 1);
        QCOMPARE(say("select count(*) from muayene_lab where tetkikadi = 'HEMOGRAM'"), 1);
    }

    // The date box lists that day's eye examinations of every doctor, past the
    // own-examinations restriction; "Güncelle" brings the restriction back.
    // A surgery picked from the EK-9 list fills the eye's three columns.
    void tarihVeAmeliyat()
    {
        TEST_VT(vt);
        QVERIFY(temelVeri());
        QVERIFY(parametreler({{1, QStringLiteral("E")}}));
        QVERIFY(Sorgu::calistir("update kullanicilar set ozelyetki2 = 'H' where moduladi = 'MUAYENE'"));
        QVERIFY(gozYaz(1));
        QVERIFY(gozYaz(2));
        QVERIFY(Sorgu::calistir("update gozhastaliklari set doktorkodu = ? where kayitno = 2", {Oturum.username}));
        QVERIFY(Sorgu::calistir("update gozhastaliklari set muayenetarihi = '15.03.2026' where kayitno = 1"));
        QVERIFY(Sorgu::calistir("insert into ek9 (kayitno, paketkodu, islemadi, ucreti, sirketkodu) values "
                                "(1, 'P617', 'KATARAKT FAKO', 1500, '2007')"));
        BetikMesaj m;
        Ekran s;
        QCOMPARE(s.vs()->kesinKayitSayisi(), 1); // only the user's own
        QCOMPARE(s.vs()->anahtar(), qint64(2));
        s.yaz("edt_tarih", QStringLiteral("15.03.2026"));
        QCOMPARE(s.vs()->kesinKayitSayisi(), 1);
        QCOMPARE(s.vs()->anahtar(), qint64(1));
        s.tikla("btn_guncelle");
        QCOMPARE(s.vs()->kesinKayitSayisi(), 1);
        QCOMPARE(s.vs()->anahtar(), qint64(2));

        s.tikla("btn_degistir");
        s.sekme("ts_ameliyat");
        SonrakiPencere(QStringLiteral("frm_ek9arama"), AramadaSec(QStringLiteral("KATARAKT")));
        s.tikla("btn_ameliyatsol");
        QCOMPARE(s.vs()->metin("OPER_SOLAMLTIP"), QStringLiteral("KATARAKT FAKO"));
        QCOMPARE(s.vs()->metin("AMELIYATKODU2"), QStringLiteral("P617"));
        QCOMPARE(s.vs()->sayi("AMELIYATTUTARI2"), 1500.0);
        QVERIFY(s.vs()->metin("OPER_SAGAMLTIP").isEmpty());
        s.tikla("btn_kaydet");
        QVERIFY2(m.mesajlar.isEmpty(), qPrintable(m.mesajlar.join('\n')));
        QCOMPARE(Sorgu::tekDeger("select ameliyatkodu2 from gozhastaliklari where kayitno = ?",
                                 {s.vs()->anahtar()})->toString(), QStringLiteral("P617"));
    }

    // The gallery: a slot's .bmp before its .jpg, the blank for a slot
    // without a picture, and a double click asks for the slot's .bmp name.
    void galeri()
    {
        TEST_VT(vt);
        QVERIFY(temelVeri());
        QVERIFY(parametreler({}));
        QVERIFY(gozYaz(57));
        QTemporaryDir kok;
        qputenv("VELMORIKA_KOK", kok.path().toUtf8());
        QVERIFY(ResimKlasorleriniHazirla());
        const QString klasor = VeriKlasoru(QStringLiteral("RESIMLER"));
        QImage r(8, 8, QImage::Format_RGB32);
        r.fill(Qt::blue);
        QVERIFY(r.save(klasor + QStringLiteral("GOZ57_1.bmp"), "BMP"));
        QVERIFY(r.save(klasor + QStringLiteral("GOZ57_1.jpg"), "JPG"));
        QVERIFY(r.save(klasor + QStringLiteral("GOZ57_2.JPG"), "JPG"));
        UrlYakalayici y;
        QDesktopServices::setUrlHandler(QStringLiteral("file"), &y, "ac");
        {
            BetikMesaj m;
            Ekran s;
            QVERIFY(s.vs()->bul(57));
            s.tikla("btn_degistir");
            s.sekme("ts_goruntuler");
            auto *g = s.w<ResimGalerisi>("ts_goruntuler");
            QCOMPARE(g->kayit(), QStringLiteral("57"));
            QCOMPARE(g->dosya(1), klasor + QStringLiteral("GOZ57_1.bmp"));
            QCOMPARE(g->dosya(2), klasor + QStringLiteral("GOZ57_2.JPG"));
            QCOMPARE(g->dosya(3), klasor + QStringLiteral("bos.jpg"));
            QTest::mouseDClick(s.w<QLabel>("Image3"), Qt::LeftButton);
            s.tikla("btn_iptal");
        }
        QDesktopServices::unsetUrlHandler(QStringLiteral("file"));
        QCOMPARE(y.urller.size(), 1);
        QCOMPARE(y.urller.first().toLocalFile(), klasor + QStringLiteral("GOZ57_2.bmp"));
        qunsetenv("VELMORIKA_KOK");
    }

    // "Göz Raporları" and "Ek 9 Listesi" open their screens through the registry.
    void raporVeEk9Ekranlari()
    {
        TEST_VT(vt);
        QVERIFY(parametreler({}));
        QStringList acilanlar;
        auto sahte = [&acilanlar](const QString &ad) {
            return [&acilanlar, ad](QWidget *ust) -> QDialog * {
                auto *d = new QDialog(ust);
                QTimer::singleShot(0, d, [&acilanlar, ad, d] {
                    acilanlar << ad;
                    d->reject();
                });
                return d;
            };
        };
        const EkranUretici rapor = EkranKaydet(QStringLiteral("frm_gozmuayeneraporu"), sahte("rapor"));
        const EkranUretici ek9 = EkranKaydet(QStringLiteral("frm_ek9"), sahte("ek9"));
        {
            BetikMesaj m;
            Ekran s;
            s.e->findChild<QAction *>(QStringLiteral("GozRaporlari1"))->trigger();
            s.e->findChild<QAction *>(QStringLiteral("Ek9Listesi1"))->trigger();
            QVERIFY2(m.mesajlar.isEmpty(), qPrintable(m.mesajlar.join('\n')));
        }
        EkranKaydet(QStringLiteral("frm_gozmuayeneraporu"), rapor);
        EkranKaydet(QStringLiteral("frm_ek9"), ek9);
        QCOMPARE(acilanlar, (QStringList{"rapor", "ek9"}));
    }

    // A test ordered on the eye examination: marked as the eye examination's
    // line, copied from it, and neither totalled nor posted.
    void tetkikSatiri()
    {
        TEST_VT(vt);
        QVERIFY(temelVeri());
        QVERIFY(parametreler({}));
        QVERIFY(gozYaz(4));
        QVERIFY(Sorgu::calistir("insert into laboratuvar (kayitno, tetkikkodu, tetkikadi, turu, ucreti) values "
                                "(1, 301, 'GÖZ İÇİ BASINCI', 'GÖZ', 40)"));
        BetikMesaj m;
        Ekran s;
        QVERIFY(s.vs()->bul(4));
        s.tikla("btn_degistir");
        s.sekme("ts_laboratuvar");
        SonrakiPencere(QStringLiteral("frm_labarama"), AramadaSec(QStringLiteral("GÖZ İÇİ")));
        s.tikla("nav_ekle");
        QVERIFY2(m.mesajlar.isEmpty(), qPrintable(m.mesajlar.join('\n')));
        VeriSeti *lab = s.e->labVeriSeti();
        QCOMPARE(lab->kesinKayitSayisi(), 1);
        QCOMPARE(lab->metin("TETKIKADI"), QStringLiteral("GÖZ İÇİ BASINCI"));
        QCOMPARE(lab->metin("ISLEMTURU"), QStringLiteral("GÖZ MUAYENE"));
        QCOMPARE(lab->metin("MUAYENENO"), QStringLiteral("4"));
        QCOMPARE(lab->metin("TANI"), QStringLiteral("MİYOPİ"));
        QCOMPARE(say("select count(*) from muayene_lab where muayeneno = '4' and islemturu = 'GÖZ MUAYENE' and "
                     "hastakodu = 'H1'"), 1);
        QCOMPARE(say("select count(*) from cari_hareket"), 0);
        QCOMPARE(s.vs()->sayi("LABORATUVARUCRETI"), 0.0);

        // The laboratory form of the eye examination's lines.
        QTemporaryDir klasor;
        const QString yol = klasor.filePath(QStringLiteral("lab.pdf"));
        Rapor::onizlemeYerine = [&](Rapor &r, QWidget *) {
            QString h;
            QVERIFY2(r.pdfYaz(yol, &h), qPrintable(h));
        };
        s.tikla("btn_laboratuvarformu");
        Rapor::onizlemeYerine = nullptr;
        const QString metin = PdfMetni(yol);
        for (const char *b : {"LABORATUVAR İSTEK VE SONUÇ FORMU", "GÖZ İÇİ BASINCI", "ÇİĞDEM IŞIKÖĞÜT"})
            QVERIFY2(metin.contains(QString::fromUtf8(b)), b);

        // Without the report right: refused, nothing printed.
        QVERIFY(Sorgu::calistir("update kullanicilar set rapor = 'H' where moduladi = 'MUAYENE'"));
        const int oncekiMesaj = m.mesajlar.size();
        {
            Ekran y;
            QVERIFY(y.vs()->bul(4));
            int basilan = 0;
            Rapor::onizlemeYerine = [&](Rapor &, QWidget *) { ++basilan; };
            y.tikla("btn_degistir");
            y.sekme("ts_laboratuvar");
            y.tikla("btn_laboratuvarformu");
            Rapor::onizlemeYerine = nullptr;
            QCOMPARE(basilan, 0);
            QCOMPARE(m.mesajlar.mid(oncekiMesaj), QStringList{QStringLiteral("Bu İşlem İçin Yetkili Değilsiniz")});
        }
        QCOMPARE(s.e->labVeriSeti()->kesinKayitSayisi(), 1);
    }

    // The prescription buttons refuse while the row has unsaved edits.
    void receteKaydedilmemisDegisiklik()
    {
        TEST_VT(vt);
        QVERIFY(temelVeri());
        QVERIFY(parametreler({}));
        QVERIFY(gozYaz(7));
        int basilan = 0;
        Rapor::onizlemeYerine = [&](Rapor &, QWidget *) { ++basilan; };
        BetikMesaj m;
        Ekran s;
        s.tikla("btn_degistir");
        s.sekme("ts_receteler");
        s.yaz("edt_rec_camrengi", QStringLiteral("KAHVE"));
        s.tikla("btn_ilacrecetesi");
        s.tikla("btn_gozlukrecetesi");
        QCOMPARE(basilan, 0);
        QCOMPARE(m.mesajlar.size(), 2);
        QVERIFY(m.mesajlar.first().contains(QStringLiteral("kaydediniz")));
        QCOMPARE(s.vs()->metin("REC_CAMRENGI"), QStringLiteral("KAHVE")); // the typed value is still there
        s.tikla("btn_kaydet");
        s.tikla("btn_degistir"); // the tabs work while unlocked
        s.tikla("btn_ilacrecetesi");
        QCOMPARE(basilan, 1);
        QCOMPARE(m.mesajlar.size(), 2);
        Rapor::onizlemeYerine = nullptr;
    }

    // The five printouts as PDF files, read back.
    void formlar_data()
    {
        QTest::addColumn<QString>("eylem");
        QTest::addColumn<QStringList>("beklenen");
        const QStringList hasta = {"ÇİĞDEM IŞIKÖĞÜT", "DR. ŞÜKRÜ GÖZÜAÇIK"};
        QTest::newRow("kart") << "BitBtn7"
                              << (hasta + QStringList{"GÖZ MUAYENE KARTI", "12345678901", "SGK", "14.03.2026", "MİYOPİ",
                                                       "UZAĞI GÖREMİYOR", "4/10", "200,00"});
        QTest::newRow("gozluk") << "btn_gozlukrecetesi"
                                << (hasta + QStringList{"GÖZLÜK REÇETESİ", "-2.25", "-0.75", "180", "-1.75", "175",
                                                         "62", "ORGANİK İNCELTİLMİŞ", "FOTOGRİ"});
        QTest::newRow("ilac") << "btn_ilacrecetesi"
                              << (hasta + QStringList{"REÇETE", "TOBRADEKS DAMLA", "SUNİ GÖZYAŞI", "GÜNDE 4 KEZ",
                                                       "MİYOPİ"});
        QTest::newRow("ikisi") << "IlacveGozRecetesi1"
                               << (hasta + QStringList{"İLAÇ VE GÖZLÜK REÇETESİ", "TOBRADEKS DAMLA", "-2.25",
                                                        "FOTOGRİ"});
        QTest::newRow("sonuc") << "HastaMuayeneSonucFormu1"
                               << (hasta + QStringList{"HASTA MUAYENE SONUÇ FORMU", "UZAĞI GÖREMİYOR", "5/10",
                                                        "SUNİ GÖZYAŞI", "-0.50"});
    }
    void formlar()
    {
        QFETCH(QString, eylem);
        QFETCH(QStringList, beklenen);
        TEST_VT(vt);
        QVERIFY(temelVeri());
        QVERIFY(parametreler({}));
        QVERIFY(gozYaz(8));
        QTemporaryDir klasor;
        const QString yol = klasor.filePath(QStringLiteral("f.pdf"));
        QStringList uyarilar;
        Rapor::onizlemeYerine = [&](Rapor &r, QWidget *) {
            QString h;
            QVERIFY2(r.pdfYaz(yol, &h), qPrintable(h));
            uyarilar << r.uyarilar();
        };
        BetikMesaj m;
        Ekran s;
        QVERIFY(s.vs()->bul(8));
        if (eylem.startsWith(QLatin1String("btn_")))
            s.tikla("btn_degistir"); // the tab's buttons work while unlocked
        if (auto *a = s.e->findChild<QAction *>(eylem))
            a->trigger();
        else
            s.tikla(eylem.toLatin1().constData());
        const QString metin = PdfMetni(yol);
        for (const QString &b : beklenen)
            QVERIFY2(metin.contains(b), qPrintable(b + QStringLiteral(" yok:\n") + metin));
        QVERIFY2(uyarilar.isEmpty(), qPrintable(uyarilar.join('\n')));
        QVERIFY2(m.mesajlar.isEmpty(), qPrintable(m.mesajlar.join('\n')));
        QCOMPARE(s.vs()->anahtar(), qint64(8));
        Rapor::onizlemeYerine = nullptr;
    }

    // "Düzenle" hands a copy of the picture to the editor program; "Kaydet"
    // writes what the editor left back as the examination's BMP. The blank
    // picture stays as it was.
    void resimDisDuzenleyici()
    {
        TEST_VT(vt);
        QVERIFY(temelVeri());
        QVERIFY(parametreler({}));
        QVERIFY(gozYaz(9));
        QTemporaryDir kok;
        qputenv("VELMORIKA_KOK", kok.path().toUtf8());
        QVERIFY(ResimKlasorleriniHazirla());
        const QString bos = VeriKlasoru(QStringLiteral("GOZ")) + QStringLiteral("bos.bmp");
        QFile bosDosya(bos);
        QVERIFY(bosDosya.open(QIODevice::ReadOnly));
        const QByteArray bosIcerik = bosDosya.readAll();
        bosDosya.close();
        // The stand-in editor paints the picture it is given red.
        QImage kirmizi(32, 24, QImage::Format_RGB32);
        kirmizi.fill(Qt::red);
        const QString hazir = kok.filePath(QStringLiteral("kirmizi.bmp"));
        QVERIFY(kirmizi.save(hazir, "BMP"));
        const QString betik = kok.filePath(QStringLiteral("duzenleyici.sh"));
        QFile b(betik);
        QVERIFY(b.open(QIODevice::WriteOnly));
        b.write(QStringLiteral("#!/bin/sh\ncp '%1' \"$1\"\n").arg(hazir).toUtf8());
        b.close();
        b.setPermissions(QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
        qputenv("VELMORIKA_RESIM_DUZENLEYICI", betik.toUtf8());

        BetikMesaj m;
        Ekran s;
        QVERIFY(s.vs()->bul(9));
        s.tikla("btn_degistir");
        s.sekme("ts_resim");
        auto *r = s.w<ResimSekmesi>("ts_resim");
        QCOMPARE(r->kayit(), QStringLiteral("9"));
        QVERIFY(r->gosterilenDosya().endsWith(QStringLiteral("bos.jpg")));
        s.tikla("btn_resimduzenle");
        QVERIFY2(m.mesajlar.isEmpty(), qPrintable(m.mesajlar.join('\n')));
        QVERIFY(r->duzenleyiciSureci());
        QVERIFY(r->duzenleyiciSureci()->waitForFinished(30000));
        s.tikla("btn_resimkaydet");
        QVERIFY2(m.mesajlar.isEmpty(), qPrintable(m.mesajlar.join('\n')));
        const QString hedef = VeriKlasoru(QStringLiteral("GOZ")) + QStringLiteral("GOZ9_1.bmp");
        const QImage kayitli(hedef);
        QCOMPARE(kayitli.size(), QSize(32, 24));
        QCOMPARE(QColor(kayitli.pixel(5, 5)), QColor(Qt::red));
        QCOMPARE(r->gosterilenDosya(), hedef);
        QVERIFY(bosDosya.open(QIODevice::ReadOnly));
        QCOMPARE(bosDosya.readAll(), bosIcerik);
        qunsetenv("VELMORIKA_RESIM_DUZENLEYICI");
        bosDosya.close();

        // "Resmi Sil": "No" keeps the picture, "Yes" removes it and shows the blank.
        m.cevaplar << false << true;
        s.tikla("btn_resimsil");
        QVERIFY(QFile::exists(hedef));
        s.tikla("btn_resimsil");
        QCOMPARE(m.sorular, (QStringList(2, QStringLiteral("Muayene Resmini Silmek İstiyormusunuz ? "))));
        QVERIFY(!QFile::exists(hedef));
        QVERIFY(r->gosterilenDosya().endsWith(QStringLiteral("bos.jpg")));
        // Nothing left to remove: said so, nothing asked.
        s.tikla("btn_resimsil");
        QCOMPARE(m.sorular.size(), 2);
        QCOMPARE(m.son(), QStringLiteral("Bu muayenenin silinecek bir resmi yok."));
        m.temizle();

        // "Seyret" without the video file names the file.
        m.mesajlar.clear();
        s.sekme("ts_video");
        QVERIFY(!s.w<QPushButton>("btn_kameraac")->isEnabled());
        s.tikla("btn_seyret");
        QCOMPARE(m.mesajlar.size(), 1);
        QVERIFY(m.mesajlar.first().contains(QStringLiteral("GOZ9.wmv")));
        s.tikla("btn_iptal");
        qunsetenv("VELMORIKA_KOK");
    }
};

QTEST_MAIN(tst_goz)
#include "tst_goz.moc"
