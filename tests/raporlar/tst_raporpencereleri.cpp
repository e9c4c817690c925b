// The report windows driven through their objectNames: preview, template
// chooser, designer.
#include "destek/pdfmetni.h"
#include "destek/betikmesaj.h"
#include "destek/testvt.h"
#include "destek/yazanyordam.h"

#include "app/oturum.h"
#include "db/sorgu.h"
#include "raporlar/motor/raporonizleme.h"
#include "raporlar/motor/raporsecici.h"
#include "raporlar/motor/raportasarim.h"
#include "raporlar/motor/tabloaktar.h"

#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QDoubleSpinBox>
#include <QGraphicsItem>
#include <QGraphicsScene>
#include <QGraphicsView>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPlainTextEdit>
#include <QPrintDialog>
#include <QPrinter>
#include <QPrinterInfo>
#include <QProcess>
#include <QProgressDialog>
#include <QSettings>
#include <QPushButton>
#include <QSpinBox>
#include <QTemporaryDir>
#include <QTimer>
#include <QtTest>

namespace {

const QByteArray SAYFALI = R"(<?xml version="1.0" encoding="UTF-8"?>
<rapor kagit="A4" sol="10" ust="10" sag="10" alt="10">
 <bant tur="raporbasligi" yukseklik="20"><metin x="0" y="0" genislik="100" yukseklik="10">[#BASLIK]</metin></bant>
 <bant tur="detay" yukseklik="10"><metin x="0" y="0" genislik="60" yukseklik="10">[AD]</metin></bant>
 <bant tur="sayfaaltligi" yukseklik="10"><metin x="0" y="0" genislik="60" yukseklik="10">Sayfa [#SAYFA]</metin></bant>
</rapor>
)";

TabloKaynagi satirlar(int n)
{
    QVector<QVariantList> s;
    for (int i = 1; i <= n; ++i)
        s.append({QStringLiteral("Satır %1").arg(i)});
    return TabloKaynagi({QStringLiteral("AD")}, s);
}

QString dosyaYaz(const QString &klasor, const QString &ad, const QByteArray &icerik)
{
    QFile f(QDir(klasor).filePath(ad));
    if (!f.open(QIODevice::WriteOnly))
        return {};
    f.write(icerik);
    return QFileInfo(f).absoluteFilePath();
}

QString dosyaYaz(const QTemporaryDir &k, const QString &ad, const QByteArray &icerik)
{
    return dosyaYaz(k.path(), ad, icerik);
}


int sariNokta(const QPixmap &p)
{
    const QImage i = p.toImage();
    int n = 0;
    for (int y = 0; y < i.height(); y += 2)
        for (int x = 0; x < i.width(); x += 2) {
            const QColor c = i.pixelColor(x, y);
            if (c.red() > 240 && c.green() > 220 && c.blue() < 120)
                ++n;
        }
    return n;
}

template <typename T> T *bul(QWidget *w, const char *ad)
{
    T *c = w->findChild<T *>(QString::fromLatin1(ad));
    if (!c)
        qFatal("no %s", ad);
    return c;
}

// Runs f on the modal window named ad as soon as it is up.
void acilinca(const QString &ad, std::function<void(QWidget *)> f)
{
    auto *zaman = new QTimer;
    zaman->setInterval(20);
    QObject::connect(zaman, &QTimer::timeout, [zaman, ad, f] {
        QWidget *w = QApplication::activeModalWidget();
        if (w && w->objectName() == ad) {
            zaman->stop();
            zaman->deleteLater();
            f(w);
        }
    });
    zaman->start();
}

// Watches for a modal window named ad while it lives, counting its openings
// and running f on each (f closes it).
struct PencereGozcusu
{
    QTimer zaman;
    int acilis = 0;
    PencereGozcusu(const QString &ad, std::function<void(QWidget *)> f)
        : PencereGozcusu([ad](QWidget *w) { return w->objectName() == ad; }, f)
    {
    }
    PencereGozcusu(std::function<bool(QWidget *)> bu, std::function<void(QWidget *)> f)
    {
        zaman.setInterval(20);
        QObject::connect(&zaman, &QTimer::timeout, [this, bu, f] {
            QWidget *w = QApplication::activeModalWidget();
            if (w && bu(w) && w->property("gozlendi").isNull()) {
                w->setProperty("gozlendi", true);
                ++acilis;
                f(w);
            }
        });
        zaman.start();
    }
};

// A data source that, on reaching one of its rows, presses "Vazgeç" on the
// layout's progress window, as a user tired of waiting does.
class VazgecenKaynak : public TabloKaynagi
{
public:
    VazgecenKaynak(int n, int vazgec) : TabloKaynagi(satirlar(n)), m_vazgec(vazgec) {}
    QVariant deger(int satir, int kolon) const override
    {
        if (satir == m_vazgec)
            for (QWidget *w : QApplication::allWidgets())
                if (auto *d = qobject_cast<QProgressDialog *>(w); d && d->objectName() == QStringLiteral("dlg_rapor_ilerleme"))
                    d->cancel();
        return TabloKaynagi::deger(satir, kolon);
    }

private:
    int m_vazgec;
};

} // namespace

class TestRaporPencereleri : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void init();
    void onizlemeGezinme();
    void onizlemeBul();
    void onizlemePdfVeSablonYukle();
    void onizlemeUyarilariBirKez();
    void seciciSec();
    void seciciKapatVeDuzenle();
    void seciciTurkceSira();
    void tasarimDuzenleKaydet();
    void tasarimFareIleTasi();
    void tasarimOrnekSorgu();
    void tasarimOrnekSorguYalnizOkur_data();
    void tasarimOrnekSorguYalnizOkur();
    void seciciTasarimIzni_data();
    void seciciTasarimIzni();
    void tasarimAyniKolondaGrup();
    void onizlemeIptal();
    void onizlemeTurkceArama_data();
    void onizlemeTurkceArama();
    void seciciProgramSablonlari_data();
    void seciciProgramSablonlari();
    void programSablonlariEksik();
    void onizlemeYaziciYokken_data();
    void onizlemeYaziciYokken();
    void tasarimUzarMetin();
};

void TestRaporPencereleri::initTestCase()
{
    // The chooser remembers folders: in a folder of this run, never in the user's own settings.
    static QTemporaryDir ayarKlasoru;
    QVERIFY(ayarKlasoru.isValid());
    QSettings::setPath(QSettings::IniFormat, QSettings::UserScope, ayarKlasoru.path());
    // The practice's own templates live under the data root: this run's.
    static QTemporaryDir kok;
    qputenv("VELMORIKA_KOK", kok.path().toUtf8());
}

void TestRaporPencereleri::init()
{
    QDir(KendiSablonKlasoru()).removeRecursively();
    QVERIFY(QDir(KendiSablonKlasoru()).exists());
    QSettings(QSettings::IniFormat, QSettings::UserScope, QStringLiteral("VELMORIKA"), QStringLiteral("raporlar")).clear();
    Oturum.username.clear();
}

void TestRaporPencereleri::onizlemeGezinme()
{
    BetikMesaj m;
    QTemporaryDir k;
    TabloKaynagi kaynak = satirlar(60);
    Rapor r;
    r.baglan(&kaynak);
    QVERIFY(r.yukle(dosyaYaz(k, QStringLiteral("s.frf"), SAYFALI)));
    r.baslikAyarla(QStringLiteral("s.frf"));
    RaporOnizleme w(r);
    w.show();
    QCOMPARE(w.objectName(), QStringLiteral("frm_onizleme"));
    QVERIFY(w.isModal());
    QCOMPARE(w.windowTitle(), QStringLiteral("s.frf"));
    // 297 - 20 - 10 = 267 mm: page 1 has 23 rows after the title, then 26, then 11.
    QCOMPARE(w.belge().sayfaSayisi(), 3);
    QCOMPARE(bul<QLabel>(&w, "lbl_sayfasayisi")->text(), QStringLiteral("/ 3"));
    QCOMPARE(w.gecerliSayfa(), 0);
    QTest::mouseClick(bul<QPushButton>(&w, "btn_sonraki"), Qt::LeftButton);
    QCOMPARE(w.gecerliSayfa(), 1);
    QCOMPARE(bul<QSpinBox>(&w, "spn_sayfa")->value(), 2);
    QTest::mouseClick(bul<QPushButton>(&w, "btn_son"), Qt::LeftButton);
    QCOMPARE(w.gecerliSayfa(), 2);
    QTest::mouseClick(bul<QPushButton>(&w, "btn_sonraki"), Qt::LeftButton);
    QCOMPARE(w.gecerliSayfa(), 2);
    QTest::mouseClick(bul<QPushButton>(&w, "btn_ilk"), Qt::LeftButton);
    QCOMPARE(w.gecerliSayfa(), 0);
    bul<QSpinBox>(&w, "spn_sayfa")->setValue(2);
    QCOMPARE(w.gecerliSayfa(), 1);
    // Zoom: the page picture grows with it.
    QLabel *sayfa = bul<QLabel>(&w, "lbl_sayfa");
    const int once = sayfa->width();
    auto *yakinlik = bul<QComboBox>(&w, "cmb_yakinlik");
    yakinlik->setCurrentIndex(yakinlik->findData(2.0));
    QCOMPARE(w.yakinlik(), 2.0);
    QVERIFY(qAbs(sayfa->width() - 2 * once) <= 2);
    QTest::mouseClick(bul<QPushButton>(&w, "btn_kapat"), Qt::LeftButton);
    QVERIFY(!w.isVisible());
    QVERIFY(m.mesajlar.isEmpty());
}

void TestRaporPencereleri::onizlemeBul()
{
    BetikMesaj m;
    QTemporaryDir k;
    TabloKaynagi kaynak = satirlar(60);
    Rapor r;
    r.baglan(&kaynak);
    QVERIFY(r.yukle(dosyaYaz(k, QStringLiteral("s.frf"), SAYFALI)));
    RaporOnizleme w(r);
    w.show();
    QCOMPARE(sariNokta(bul<QLabel>(&w, "lbl_sayfa")->pixmap()), 0);
    bul<QLineEdit>(&w, "edt_bul")->setText(QStringLiteral("satır 55"));
    QTest::mouseClick(bul<QPushButton>(&w, "btn_bul"), Qt::LeftButton);
    QCOMPARE(w.gecerliSayfa(), 2);
    QVERIFY(sariNokta(bul<QLabel>(&w, "lbl_sayfa")->pixmap()) > 20);
    // Again: the next page holding it (wraps round to the first).
    bul<QLineEdit>(&w, "edt_bul")->setText(QStringLiteral("Sayfa"));
    QTest::mouseClick(bul<QPushButton>(&w, "btn_bul"), Qt::LeftButton);
    QCOMPARE(w.gecerliSayfa(), 2);
    QTest::mouseClick(bul<QPushButton>(&w, "btn_bul"), Qt::LeftButton);
    QCOMPARE(w.gecerliSayfa(), 0);
    QTest::mouseClick(bul<QPushButton>(&w, "btn_bul"), Qt::LeftButton);
    QCOMPARE(w.gecerliSayfa(), 1);
    QVERIFY(m.mesajlar.isEmpty());
    bul<QLineEdit>(&w, "edt_bul")->setText(QStringLiteral("olmayan metin"));
    QTest::mouseClick(bul<QPushButton>(&w, "btn_bul"), Qt::LeftButton);
    QCOMPARE(m.mesajlar.size(), 1);
    QVERIFY(m.son().contains(QStringLiteral("bulunamadı")));
    QCOMPARE(w.gecerliSayfa(), 1);
    QCOMPARE(sariNokta(bul<QLabel>(&w, "lbl_sayfa")->pixmap()), 0);
}

void TestRaporPencereleri::onizlemePdfVeSablonYukle()
{
    BetikMesaj m;
    QTemporaryDir k;
    TabloKaynagi kaynak = satirlar(30);
    Rapor r;
    r.baglan(&kaynak);
    QVERIFY(r.yukle(dosyaYaz(k, QStringLiteral("s.frf"), SAYFALI)));
    RaporOnizleme w(r);
    w.show();
    // Save as PDF: the file dialog through Mesaj, ".pdf" added.
    m.dosyalar.enqueue(k.filePath(QStringLiteral("cikti")));
    QTest::mouseClick(bul<QPushButton>(&w, "btn_pdf"), Qt::LeftButton);
    const QString pdf = k.filePath(QStringLiteral("cikti.pdf"));
    QVERIFY(QFile::exists(pdf));
    // Saying where it went.
    QVERIFY2(m.son().contains(QDir::toNativeSeparators(pdf)), qPrintable(m.son()));
    const QString metin = PdfMetni(pdf);
    QVERIFY(metin.contains(QStringLiteral("Satır 1")));
    QVERIFY(metin.contains(QStringLiteral("Satır 30")));
    // Cancelled dialog: nothing happens.
    m.dosyalar.enqueue(QString());
    QTest::mouseClick(bul<QPushButton>(&w, "btn_pdf"), Qt::LeftButton);
    QVERIFY(m.hatalar.isEmpty());

    // Loading a template that is not there: error, the preview unchanged.
    const int sayfa = w.belge().sayfaSayisi();
    m.dosyalar.enqueue(k.filePath(QStringLiteral("yok.frf")));
    QTest::mouseClick(bul<QPushButton>(&w, "btn_yukle"), Qt::LeftButton);
    QCOMPARE(m.hatalar.size(), 1);
    QVERIFY(m.hatalar.first().contains(QStringLiteral("yok.frf")));
    QCOMPARE(w.belge().sayfaSayisi(), sayfa);
    // Another template over the same rows.
    m.dosyalar.enqueue(dosyaYaz(k, QStringLiteral("tek.frf"), QByteArray(SAYFALI).replace("[AD]", "* [AD] *")));
    QTest::mouseClick(bul<QPushButton>(&w, "btn_yukle"), Qt::LeftButton);
    QCOMPARE(m.hatalar.size(), 1);
    QCOMPARE(w.windowTitle(), QStringLiteral("tek.frf"));
    QVERIFY(w.belge().sayfalar[0].metinler(BantTuru::Detay).contains(QStringLiteral("* Satır 1 *")));
}

void TestRaporPencereleri::onizlemeUyarilariBirKez()
{
    BetikMesaj m;
    QTemporaryDir k;
    TabloKaynagi kaynak = satirlar(80);
    Rapor r;
    r.baglan(&kaynak);
    QVERIFY(r.yukle(dosyaYaz(k, QStringLiteral("e.frf"), QByteArray(SAYFALI).replace("[AD]", "[AD] [SOYAD]"))));
    RaporOnizleme w(r);
    w.show();
    QCOMPARE(m.mesajlar.size(), 1);
    QVERIFY(m.son().contains(QStringLiteral("[SOYAD]")));
    QVERIFY(w.belge().sayfalar[1].metinler(BantTuru::Detay).first().endsWith(QStringLiteral("[?SOYAD]")));
    QTest::mouseClick(bul<QPushButton>(&w, "btn_son"), Qt::LeftButton);
    QCOMPARE(m.mesajlar.size(), 1);
}

void TestRaporPencereleri::seciciSec()
{
    BetikMesaj m;
    const QString k = KendiSablonKlasoru();
    dosyaYaz(k, QStringLiteral("b.frf"), SAYFALI);
    dosyaYaz(k, QStringLiteral("a.frf"), SAYFALI);
    dosyaYaz(k, QStringLiteral("not.txt"), "x");
    Aktarim.rapor_sablonu.clear();
    {
        RaporSecici s;
        s.show();
        QCOMPARE(s.objectName(), QStringLiteral("frm_freeMainForm"));
        QCOMPARE(s.windowTitle(), QStringLiteral("Rapor   Sec - Düzenle - Oluştur"));
        QVERIFY(s.isModal());
        QCOMPARE(bul<QPushButton>(&s, "btn_sec")->text(), QStringLiteral(" S e c"));
        QCOMPARE(bul<QPushButton>(&s, "btn_duzenle")->text(), QStringLiteral("D ü z e n l e"));
        QCOMPARE(bul<QPushButton>(&s, "btn_kapat")->text(), QStringLiteral(" K a p a t"));
        QCOMPARE(s.klasor(), QDir(k).absolutePath());
        QCOMPARE(s.dosyalar(), (QStringList{"a.frf", "b.frf"}));
        auto *liste = bul<QListWidget>(&s, "lst_sablonlar");
        liste->setCurrentRow(1);
        QTest::mouseClick(bul<QPushButton>(&s, "btn_sec"), Qt::LeftButton);
        QCOMPARE(Aktarim.rapor_sablonu, QDir(k).absoluteFilePath(QStringLiteral("b.frf")));
        QCOMPARE(s.result(), int(QDialog::Accepted));
        QVERIFY(!s.isVisible());
    }
    {
        // Another folder through the tree: its templates are listed.
        QTemporaryDir bos;
        RaporSecici s;
        s.show();
        s.klasorAc(bos.path());
        QVERIFY(s.dosyalar().isEmpty());
        QTest::mouseClick(bul<QPushButton>(&s, "btn_sec"), Qt::LeftButton);
        QVERIFY(s.isVisible());
        QCOMPARE(Aktarim.rapor_sablonu, QDir(k).absoluteFilePath(QStringLiteral("b.frf")));
    }
}

// " K a p a t" keeps what was picked earlier; RaporSablonuSec tells the caller.
void TestRaporPencereleri::seciciKapatVeDuzenle()
{
    BetikMesaj m;
    const QString a = dosyaYaz(KendiSablonKlasoru(), QStringLiteral("a.frf"), SAYFALI);
    Aktarim.rapor_sablonu.clear();
    acilinca(QStringLiteral("frm_freeMainForm"),
             [](QWidget *w) { QTest::mouseClick(bul<QPushButton>(w, "btn_kapat"), Qt::LeftButton); });
    QVERIFY(!RaporSablonuSec());
    QVERIFY(Aktarim.rapor_sablonu.isEmpty());

    Aktarim.rapor_sablonu = QStringLiteral("/eski/secim.frf");
    acilinca(QStringLiteral("frm_freeMainForm"),
             [](QWidget *w) { QTest::mouseClick(bul<QPushButton>(w, "btn_kapat"), Qt::LeftButton); });
    QVERIFY(RaporSablonuSec());
    QCOMPARE(Aktarim.rapor_sablonu, QStringLiteral("/eski/secim.frf"));

    // "D ü z e n l e" opens the designer on the picked file; then " S e c".
    QString tasarimdaki;
    acilinca(QStringLiteral("frm_freeMainForm"), [&tasarimdaki](QWidget *w) {
        acilinca(QStringLiteral("frm_rapor_tasarim"), [&tasarimdaki, w](QWidget *t) {
            tasarimdaki = static_cast<RaporTasarim *>(t)->dosyaYolu();
            QTest::mouseClick(bul<QPushButton>(t, "btn_kapat"), Qt::LeftButton);
            QTimer::singleShot(0, w, [w] { QTest::mouseClick(bul<QPushButton>(w, "btn_sec"), Qt::LeftButton); });
        });
        QTest::mouseClick(bul<QPushButton>(w, "btn_duzenle"), Qt::LeftButton);
    });
    QVERIFY(RaporSablonuSec());
    QCOMPARE(tasarimdaki, a);
    QCOMPARE(Aktarim.rapor_sablonu, a);
    QVERIFY(m.sorular.isEmpty());
}

void TestRaporPencereleri::tasarimDuzenleKaydet()
{
    BetikMesaj m;
    QTemporaryDir k;
    QFile::copy(RaporSablonuBul(QStringLiteral("cari_gruplu.frf")), k.filePath(QStringLiteral("c.frf")));
    QFile::setPermissions(k.filePath(QStringLiteral("c.frf")), QFile::ReadOwner | QFile::WriteOwner);
    TabloKaynagi kaynak({QStringLiteral("CARIKOD"), QStringLiteral("CARIUNVAN"), QStringLiteral("ACIKLAMA"),
                         QStringLiteral("BORC"), QStringLiteral("ALACAK"), QStringLiteral("ISLEMTURU")},
                        {{QStringLiteral("H1"), QStringLiteral("ALİ"), QStringLiteral("muayene"), 10.0, 0.0, QStringLiteral("NAKIT")}});
    RaporTasarim t(nullptr, &kaynak);
    t.show();
    QCOMPARE(t.objectName(), QStringLiteral("frm_rapor_tasarim"));
    QVERIFY(t.ac(k.filePath(QStringLiteral("c.frf"))));
    // Every object of the template is on the scene where it prints.
    auto *sahne = bul<QGraphicsView>(&t, "gv_tasarim")->scene();
    int nesne = 0, tasinabilir = 0;
    for (const auto &b : t.sablon().bantlar)
        nesne += int(b.nesneler.size());
    for (QGraphicsItem *o : sahne->items())
        if (o->flags() & QGraphicsItem::ItemIsMovable)
            ++tasinabilir;
    QCOMPARE(tasinabilir, nesne);

    int detay = -1;
    for (int i = 0; i < int(t.sablon().bantlar.size()); ++i)
        if (t.sablon().bantlar[i].tur == BantTuru::Detay)
            detay = i;
    QVERIFY(detay >= 0);
    t.sec(detay, 4);
    auto *metin = bul<QPlainTextEdit>(&t, "edt_metin");
    QCOMPARE(metin->toPlainText(), QStringLiteral("[ACIKLAMA]"));
    metin->setPlainText(QStringLiteral("Açıklama: [ACIKLAMA]"));
    bul<QCheckBox>(&t, "chk_kalin")->setChecked(true);
    auto *hiza = bul<QComboBox>(&t, "cmb_hiza");
    hiza->setCurrentIndex(hiza->findText(QStringLiteral("Sağa")));
    bul<QDoubleSpinBox>(&t, "spn_genislik")->setValue(80);
    const RaporNesnesi &n = t.sablon().bantlar[detay].nesneler[4];
    QCOMPARE(n.metin, QStringLiteral("Açıklama: [ACIKLAMA]"));
    QVERIFY(n.kalin);
    QCOMPARE(int(n.hiza & Qt::AlignHorizontal_Mask), int(Qt::AlignRight));
    QCOMPARE(n.alan.width(), 80.0);
    // A field inserted from the list with a format.
    metin->moveCursor(QTextCursor::End);
    bul<QComboBox>(&t, "cmb_alan")->setCurrentText(QStringLiteral("BORC"));
    bul<QComboBox>(&t, "cmb_bicim")->setCurrentText(QStringLiteral("#,###.00"));
    QTest::mouseClick(bul<QPushButton>(&t, "btn_alanekle"), Qt::LeftButton);
    QCOMPARE(t.sablon().bantlar[detay].nesneler[4].metin, QStringLiteral("Açıklama: [ACIKLAMA][BORC:#,###.00]"));

    // Add and delete objects and bands.
    const size_t once = t.sablon().bantlar[detay].nesneler.size();
    t.sec(detay);
    QTest::mouseClick(bul<QPushButton>(&t, "btn_kutuekle"), Qt::LeftButton);
    QCOMPARE(t.sablon().bantlar[detay].nesneler.size(), once + 1);
    QCOMPARE(t.sablon().bantlar[detay].nesneler.back().tur, NesneTuru::Kutu);
    QCOMPARE(t.seciliNesne(), int(once));
    QTest::mouseClick(bul<QPushButton>(&t, "btn_sil"), Qt::LeftButton);
    QCOMPARE(t.sablon().bantlar[detay].nesneler.size(), once);
    QCOMPARE(t.bantEkle(BantTuru::Ozet), -1);   // there is one already
    QCOMPARE(m.mesajlar.size(), 1);
    const int grup = t.bantEkle(BantTuru::GrupBasligi, QStringLiteral("ISLEMTURU"));
    QVERIFY(grup >= 0);
    QStringList turler;
    for (const auto &b : t.sablon().bantlar)
        turler << BantTuruAdi(b.tur) + (b.kolon.isEmpty() ? QString() : QLatin1Char(':') + b.kolon);
    QCOMPARE(turler, (QStringList{"raporbasligi", "kolonbasligi", "grupbasligi:CARIKOD", "grupbasligi:ISLEMTURU",
                                  "detay", "grupsonu:CARIKOD", "ozet", "sayfaaltligi"}));
    t.sec(grup);
    QTest::mouseClick(bul<QPushButton>(&t, "btn_metinekle"), Qt::LeftButton);
    bul<QPlainTextEdit>(&t, "edt_metin")->setPlainText(QStringLiteral("Tür: [ISLEMTURU]"));

    // Page set-up.
    bul<QComboBox>(&t, "cmb_kagit")->setCurrentText(QStringLiteral("Letter"));
    bul<QComboBox>(&t, "cmb_yon")->setCurrentText(QStringLiteral("Yatay"));
    bul<QDoubleSpinBox>(&t, "spn_sol")->setValue(12.7);
    QCOMPARE(t.sablon().kagit, RaporSablonu::Kagit::Letter);
    QVERIFY(t.sablon().yatay);
    QCOMPARE(t.sablon().solBosluk, 12.7);

    // The preview over the sample rows shows the changes.
    const RaporBelgesi b = t.onizlemeBelgesi();
    QVERIFY(b.sayfalar[0].metinler(BantTuru::Detay).contains(QStringLiteral("Açıklama: muayene10,00")));
    QVERIFY(b.sayfalar[0].metinler(BantTuru::GrupBasligi).contains(QStringLiteral("Tür: NAKIT")));
    QCOMPARE(b.sayfalar[0].boyut, QSizeF(279.4, 215.9));

    // Save and read back.
    QVERIFY(t.degisti());
    QTest::mouseClick(bul<QPushButton>(&t, "btn_kaydet"), Qt::LeftButton);
    QVERIFY(!t.degisti());
    QString hata;
    auto okunan = RaporSablonu::oku(k.filePath(QStringLiteral("c.frf")), &hata);
    QVERIFY2(okunan, qPrintable(hata));
    QCOMPARE(QString::fromUtf8(okunan->xml()), QString::fromUtf8(t.sablon().xml()));

    // Closing with unsaved changes asks; "Hayır" closes without saving.
    t.nesneEkle(NesneTuru::Cizgi);
    m.cevaplar.enqueue(false);
    QTest::mouseClick(bul<QPushButton>(&t, "btn_kapat"), Qt::LeftButton);
    QCOMPARE(m.sorular.size(), 1);
    QVERIFY(!t.isVisible());
    QCOMPARE(QString::fromUtf8(RaporSablonu::oku(k.filePath(QStringLiteral("c.frf")), &hata)->xml()),
             QString::fromUtf8(okunan->xml()));
}

// Objects move and resize with the mouse, snapped to half millimetres.
void TestRaporPencereleri::tasarimFareIleTasi()
{
    BetikMesaj m;
    QTemporaryDir k;
    RaporTasarim t;
    t.resize(1200, 800);
    t.show();
    QVERIFY(QTest::qWaitForWindowExposed(&t));
    // The new template: title band with one text at (0, 2) 120 × 9 mm.
    QCOMPARE(t.sablon().bantlar[0].tur, BantTuru::RaporBasligi);
    auto *gorunum = bul<QGraphicsView>(&t, "gv_tasarim");
    QGraphicsItem *oge = nullptr;
    for (QGraphicsItem *o : gorunum->scene()->items())
        if (o->flags() & QGraphicsItem::ItemIsMovable)
            oge = o;
    QVERIFY(oge);
    const QPoint bas = gorunum->mapFromScene(oge->mapToScene(oge->boundingRect().center()));
    const QPoint son = bas + gorunum->mapFromScene(QPointF(40, 8)) - gorunum->mapFromScene(QPointF(0, 0));
    QTest::mousePress(gorunum->viewport(), Qt::LeftButton, {}, bas);
    QTest::mouseMove(gorunum->viewport(), bas + QPoint(5, 2));
    QTest::mouseMove(gorunum->viewport(), son);
    QTest::mouseRelease(gorunum->viewport(), Qt::LeftButton, {}, son);
    const RaporNesnesi &n = t.sablon().bantlar[0].nesneler[0];
    QCOMPARE(t.seciliBant(), 0);
    QCOMPARE(t.seciliNesne(), 0);
    QVERIFY2(qAbs(n.alan.x() - 10) <= 0.5 && qAbs(n.alan.y() - 4) <= 0.5,
             qPrintable(QStringLiteral("%1 %2").arg(n.alan.x()).arg(n.alan.y())));
    QCOMPARE(n.alan.x() * 2, qRound(n.alan.x() * 2) * 1.0);
    QCOMPARE(n.alan.size(), QSizeF(120, 9));
    QCOMPARE(bul<QDoubleSpinBox>(&t, "spn_x")->value(), n.alan.x());
    // The bottom-right corner of the selected object resizes it.
    const QPoint kose = gorunum->mapFromScene(oge->mapToScene(oge->boundingRect().bottomRight() - QPointF(2, 2)));
    const QPoint yeni = kose - (gorunum->mapFromScene(QPointF(80, 0)) - gorunum->mapFromScene(QPointF(0, 0)));
    QTest::mousePress(gorunum->viewport(), Qt::LeftButton, {}, kose);
    QTest::mouseMove(gorunum->viewport(), kose - QPoint(3, 0));
    QTest::mouseMove(gorunum->viewport(), yeni);
    QTest::mouseRelease(gorunum->viewport(), Qt::LeftButton, {}, yeni);
    const RaporNesnesi &b = t.sablon().bantlar[0].nesneler[0];
    QVERIFY2(qAbs(b.alan.width() - 100) <= 0.5, qPrintable(QString::number(b.alan.width())));
    QVERIFY(qAbs(b.alan.x() - n.alan.x()) < 0.01);
    QVERIFY(t.degisti());
    m.cevaplar.enqueue(false);
    QTest::mouseClick(bul<QPushButton>(&t, "btn_kapat"), Qt::LeftButton);
    QVERIFY(!t.isVisible());
}

// Opened from the chooser without data: sample rows from a query.
void TestRaporPencereleri::tasarimOrnekSorgu()
{
    TEST_VT(vt);
    BetikMesaj m;
    QVERIFY(Sorgu::calistir(QStringLiteral("insert into cari_hareket (kayitno, carikod, cariunvan, borc, alacak, sirketkodu) "
                                           "values (1, 'H9', 'DENEME', 5, 0, '2007')")));
    RaporTasarim t;
    QVERIFY(t.ac(RaporSablonuBul(QStringLiteral("liste.frf"))));
    bul<QLineEdit>(&t, "edt_sorgu")->setText(QStringLiteral("select carikod, cariunvan, borc from cari_hareket"));
    QTest::mouseClick(bul<QPushButton>(&t, "btn_sorgu"), Qt::LeftButton);
    const RaporBelgesi b = t.onizlemeBelgesi();
    QCOMPARE(b.sayfalar[0].metinler(BantTuru::Detay), (QStringList{"H9", "DENEME", "5,00"}));
    QVERIFY(!bul<QLabel>(&t, "lbl_canli")->pixmap().isNull());
    // A broken sample query: the client's message, no crash, empty sample.
    t.ornekSorguAyarla(QStringLiteral("select * from yok_tablo"));
    QVERIFY(t.onizlemeBelgesi().sayfalar[0].metinler(BantTuru::Detay).isEmpty());
    QCOMPARE(m.hatalar.size(), 1);
}

void TestRaporPencereleri::tasarimOrnekSorguYalnizOkur_data()
{
    QTest::addColumn<QString>("sql");
    QTest::addColumn<QStringList>("hazirlik"); // made in the database first
    QTest::addColumn<QString>("mesaj");       // what the refusal says
    const QString yalniz = QStringLiteral("Yalnız okuyan bir sorgu");
    const QString yanEtki = QStringLiteral("değiştirebilecek bir ifade içeriyor");
    QTest::newRow("delete") << "delete from hastalar" << QStringList() << yalniz;
    QTest::newRow("update") << "update hastalar set hastaadisoyadi = 'DEĞİŞTİ'" << QStringList() << yalniz;
    QTest::newRow("insert") << "insert into hastalar (kayitno, hastakodu, sirketkodu) values (99, 'H99', '2007')"
                            << QStringList() << yalniz;
    QTest::newRow("yorumdan sonra") << "/* örnek */ delete from hastalar" << QStringList() << yalniz;
    QTest::newRow("procedure") << "execute block as begin delete from hastalar; end" << QStringList() << yalniz;
    QTest::newRow("secilebilir yordam") << "select n from yazan" << QStringList{YazanYordamDdl} << yanEtki;
    QTest::newRow("gen_id") << "select gen_id(otokod_hastalar, 5) as n from rdb$database" << QStringList() << yanEtki;
}

// The designer's sample box reads: a statement that would change data is
// refused with a Turkish message and changes nothing (no row, no generator
// moved).
void TestRaporPencereleri::tasarimOrnekSorguYalnizOkur()
{
    QFETCH(QString, sql);
    QFETCH(QStringList, hazirlik);
    QFETCH(QString, mesaj);
    TEST_VT(vt);
    BetikMesaj m;
    QVERIFY(Sorgu::calistir(QStringLiteral("insert into hastalar (kayitno, hastakodu, hastaadisoyadi, sirketkodu) "
                                           "values (1, 'H1', 'ALİ ŞAHİN', '2007')")));
    QString h;
    QVERIFY2(HazirlikCalistir(hazirlik << QStringLiteral("set generator otokod_hastalar to 1"), &h), qPrintable(h));
    RaporTasarim t;
    QVERIFY(t.ac(RaporSablonuBul(QStringLiteral("liste.frf"))));
    bul<QLineEdit>(&t, "edt_sorgu")->setText(sql);
    QTest::mouseClick(bul<QPushButton>(&t, "btn_sorgu"), Qt::LeftButton);
    QCOMPARE(m.hatalar.size(), 1);
    QVERIFY2(m.hatalar.first().contains(mesaj), qPrintable(m.hatalar.first()));
    QVERIFY(t.onizlemeBelgesi().sayfalar[0].metinler(BantTuru::Detay).isEmpty());
    const auto sonuc = Sorgu::sec(QStringLiteral("select kayitno, hastaadisoyadi from hastalar"));
    QVERIFY(sonuc);
    QCOMPARE(sonuc->satirlar.size(), 1);
    QCOMPARE(sonuc->satirlar[0][1].toString(), QStringLiteral("ALİ ŞAHİN"));
    QCOMPARE(UretecDegeri(QStringLiteral("OTOKOD_HASTALAR")), 1);
    // A select still gives its rows.
    bul<QLineEdit>(&t, "edt_sorgu")->setText(QStringLiteral("select hastakodu, hastaadisoyadi from hastalar"));
    QTest::mouseClick(bul<QPushButton>(&t, "btn_sorgu"), Qt::LeftButton);
    QCOMPARE(t.onizlemeBelgesi().sayfalar[0].metinler(BantTuru::Detay), (QStringList{"H1", "ALİ ŞAHİN"}));
    QCOMPARE(m.hatalar.size(), 1);
}

void TestRaporPencereleri::seciciTasarimIzni_data()
{
    QTest::addColumn<bool>("izin");
    QTest::newRow("tasarim izni var") << true;
    QTest::newRow("tasarim izni yok") << false;
}

// Without the right to design, "D ü z e n l e" is disabled and the designer
// does not open from the chooser; picking a template still works.
// Templates are listed in Turkish alphabetical order, letter case aside.
void TestRaporPencereleri::seciciTurkceSira()
{
    QTemporaryDir k;
    for (const char *ad : {"Zarf.frf", "şube.frf", "senet.frf", "Çek.frf", "cari.frf", "ödeme.frf", "okul.frf",
                           "İade.frf", "ılık.frf"})
        dosyaYaz(k, QString::fromUtf8(ad), SAYFALI);
    RaporSecici s(nullptr, k.path(), true);
    QCOMPARE(s.dosyalar(), (QStringList{"cari.frf", "Çek.frf", "ılık.frf", "İade.frf", "okul.frf", "ödeme.frf",
                                        "senet.frf", "şube.frf", "Zarf.frf"}));
}

void TestRaporPencereleri::seciciTasarimIzni()
{
    QFETCH(bool, izin);
    BetikMesaj m;
    QTemporaryDir k;
    const QString a = dosyaYaz(k, QStringLiteral("a.frf"), SAYFALI);
    {
        RaporSecici s(nullptr, k.path(), izin);
        QCOMPARE(bul<QPushButton>(&s, "btn_duzenle")->isEnabled(), izin);
    }
    Aktarim.rapor_sablonu.clear();
    PencereGozcusu tasarim(QStringLiteral("frm_rapor_tasarim"),
                           [](QWidget *t) { QTest::mouseClick(bul<QPushButton>(t, "btn_kapat"), Qt::LeftButton); });
    bool dugmeAcikti = !izin;
    PencereGozcusu secici(QStringLiteral("frm_freeMainForm"), [&](QWidget *w) {
        static_cast<RaporSecici *>(w)->klasorAc(k.path());
        dugmeAcikti = bul<QPushButton>(w, "btn_duzenle")->isEnabled();
        QTest::mouseClick(bul<QPushButton>(w, "btn_duzenle"), Qt::LeftButton);
        QTimer::singleShot(150, w, [w] { QTest::mouseClick(bul<QPushButton>(w, "btn_sec"), Qt::LeftButton); });
    });
    QVERIFY(RaporSablonuSec(nullptr, izin));
    QCOMPARE(dugmeAcikti, izin);
    QCOMPARE(tasarim.acilis, izin ? 1 : 0);
    QCOMPARE(Aktarim.rapor_sablonu, a);
    QVERIFY(m.mesajlar.isEmpty());
}

// Two group bands on one column crashed the layout and with it the
// designer's live preview: the designer refuses them, naming the band.
void TestRaporPencereleri::tasarimAyniKolondaGrup()
{
    BetikMesaj m;
    QTemporaryDir k;
    TabloKaynagi kaynak({QStringLiteral("CARIKOD"), QStringLiteral("CARIUNVAN"), QStringLiteral("ISLEMTURU"),
                         QStringLiteral("BORC"), QStringLiteral("ALACAK")},
                        {{QStringLiteral("H1"), QStringLiteral("ALİ"), QStringLiteral("NAKIT"), 10.0, 0.0}});
    RaporTasarim t(nullptr, &kaynak);
    t.show();
    QVERIFY(t.ac(RaporSablonuBul(QStringLiteral("cari_gruplu.frf"))));
    const size_t bantSayisi = t.sablon().bantlar.size();
    QCOMPARE(t.bantEkle(BantTuru::GrupBasligi, QStringLiteral("carikod")), -1);
    QCOMPARE(m.mesajlar.size(), 1);
    QVERIFY2(m.son().contains(QStringLiteral("\"Grup Başlığı: carikod\"")), qPrintable(m.son()));
    QCOMPARE(t.bantEkle(BantTuru::GrupSonu, QStringLiteral("CARIKOD")), -1);
    QCOMPARE(m.mesajlar.size(), 2);
    QVERIFY2(m.son().contains(QStringLiteral("\"Grup Sonu: CARIKOD\"")), qPrintable(m.son()));
    QCOMPARE(t.sablon().bantlar.size(), bantSayisi);
    // A header on another column, then its column changed to the taken one.
    const qint64 onizlemeOnce = bul<QLabel>(&t, "lbl_canli")->pixmap().cacheKey();
    const int yeni = t.bantEkle(BantTuru::GrupBasligi, QStringLiteral("ISLEMTURU"));
    QVERIFY(yeni >= 0);
    t.sec(yeni);
    auto *kolon = bul<QLineEdit>(&t, "edt_bantkolon");
    kolon->setText(QStringLiteral("CARIKOD"));
    emit kolon->editingFinished();
    QCOMPARE(m.mesajlar.size(), 3);
    QCOMPARE(t.sablon().bantlar[yeni].kolon, QStringLiteral("ISLEMTURU"));
    QCOMPARE(kolon->text(), QStringLiteral("ISLEMTURU"));
    // The live preview lays the new template out: a picture made after the band came.
    QTRY_VERIFY(!bul<QLabel>(&t, "lbl_canli")->pixmap().isNull()
                && bul<QLabel>(&t, "lbl_canli")->pixmap().cacheKey() != onizlemeOnce);
    const RaporBelgesi b = t.onizlemeBelgesi();
    QCOMPARE(b.sayfalar[0].metinler(BantTuru::GrupBasligi), QStringList{"H1  ALİ"});
    // A file holding two such bands does not open.
    QFile kaynakDosya(RaporSablonuBul(QStringLiteral("cari_gruplu.frf")));
    QVERIFY(kaynakDosya.open(QIODevice::ReadOnly));
    QByteArray xml = kaynakDosya.readAll();
    xml.replace("<bant tur=\"detay\"", "<bant tur=\"grupbasligi\" kolon=\"carikod\" yukseklik=\"5\"/>\n  <bant tur=\"detay\"");
    const QString yol = dosyaYaz(k, QStringLiteral("iki.frf"), xml);
    m.varsayilanCevap = false;
    QVERIFY(!t.ac(yol));
    QCOMPARE(m.hatalar.size(), 1);
    QVERIFY2(m.hatalar.first().contains(QStringLiteral("\"Grup Başlığı: carikod\"")), qPrintable(m.hatalar.first()));
    QVERIFY(m.hatalar.first().contains(QDir::toNativeSeparators(yol)));
}

// A layout cancelled from its progress window: the preview says so and
// offers nothing to print or save.
void TestRaporPencereleri::onizlemeIptal()
{
    BetikMesaj m;
    QTemporaryDir k;
    VazgecenKaynak kaynak(20000, 4000);
    Rapor r;
    r.baglan(&kaynak);
    QVERIFY(r.yukle(dosyaYaz(k, QStringLiteral("s.frf"), SAYFALI)));
    RaporOnizleme w(r);
    w.show();
    QVERIFY(w.iptalEdildi());
    QVERIFY(w.belge().bosMu());
    QCOMPARE(bul<QLabel>(&w, "lbl_sayfa")->text(), QStringLiteral("İptal edildi"));
    QVERIFY(!bul<QPushButton>(&w, "btn_yazdir")->isEnabled());
    QVERIFY(!bul<QPushButton>(&w, "btn_pdf")->isEnabled());
    const QString pdf = k.filePath(QStringLiteral("iptal.pdf"));
    QVERIFY(!w.pdfKaydet(pdf));
    QVERIFY(!QFile::exists(pdf));
    m.dosyalar.enqueue(pdf);
    bul<QPushButton>(&w, "btn_pdf")->click();
    QCOMPARE(m.dosyalar.size(), 1);
    QVERIFY(!QFile::exists(pdf));
    // The print key opens no print dialog either.
    PencereGozcusu yazdir([](QWidget *d) { return qobject_cast<QPrintDialog *>(d) != nullptr; },
                          [](QWidget *d) { static_cast<QDialog *>(d)->reject(); });
    QTest::keyClick(&w, Qt::Key_P, Qt::ControlModifier);
    QCOMPARE(yazdir.acilis, 0);
    QVERIFY(m.mesajlar.isEmpty());
    // The same rows without cancelling: all pages.
    TabloKaynagi tum = satirlar(30);
    r.baglan(&tum);
    RaporOnizleme tam(r);
    QVERIFY(!tam.iptalEdildi());
    QCOMPARE(tam.belge().sayfaSayisi(), 2);
    QVERIFY(bul<QPushButton>(&tam, "btn_pdf")->isEnabled());
}

void TestRaporPencereleri::onizlemeTurkceArama_data()
{
    QTest::addColumn<QString>("yazili");
    QTest::addColumn<QString>("aranan");
    QTest::addColumn<bool>("bulunur");
    QTest::newRow("büyük İ") << "ALİ ŞAHİN" << "ali şahin" << true;
    QTest::newRow("küçükten büyüğe") << "ali şahin" << "ALİ ŞAHİN" << true;
    QTest::newRow("yabancı I") << "O'NEIL" << "o'neil" << true;
    QTest::newRow("Türkçe İ") << "O'NEİL" << "o'neil" << true;
    QTest::newRow("ı ile i bir") << "IŞIK" << "işik" << true;
    QTest::newRow("Ş ile S ayrı") << "ALİ ŞAHİN" << "ali sahin" << false;
    QTest::newRow("Ğ ile G ayrı") << "DOĞAN" << "dogan" << false;
}

// Finding in the preview folds Turkish case and takes I/İ/ı/i as one letter.
void TestRaporPencereleri::onizlemeTurkceArama()
{
    QFETCH(QString, yazili);
    QFETCH(QString, aranan);
    QFETCH(bool, bulunur);
    BetikMesaj m;
    QTemporaryDir k;
    QVector<QVariantList> s;
    for (int i = 1; i <= 60; ++i)
        s.append({i == 40 ? yazili : QStringLiteral("Satır %1").arg(i)});
    TabloKaynagi kaynak({QStringLiteral("AD")}, s);
    Rapor r;
    r.baglan(&kaynak);
    QVERIFY(r.yukle(dosyaYaz(k, QStringLiteral("s.frf"), SAYFALI)));
    RaporOnizleme w(r);
    w.show();
    bul<QLineEdit>(&w, "edt_bul")->setText(aranan);
    QTest::mouseClick(bul<QPushButton>(&w, "btn_bul"), Qt::LeftButton);
    QCOMPARE(w.gecerliSayfa(), bulunur ? 1 : 0);
    QCOMPARE(sariNokta(bul<QLabel>(&w, "lbl_sayfa")->pixmap()) > 20, bulunur);
    QCOMPARE(m.mesajlar.isEmpty(), bulunur);
}

void TestRaporPencereleri::seciciProgramSablonlari_data()
{
    QTest::addColumn<QString>("sonraki");
    QTest::addColumn<bool>("hatirlanir");
    QTest::newRow("ayni kullanici") << "AYSE" << true;
    QTest::newRow("baska kullanici") << "MEHMET" << false;
}

// A new practice's own folder holds no templates: the chooser opens on the
// templates that come with the program and offers both places; the folder
// a user last picked from is where the chooser opens next time, for that user.
void TestRaporPencereleri::seciciProgramSablonlari()
{
    QFETCH(QString, sonraki);
    QFETCH(bool, hatirlanir);
    BetikMesaj m;
    QTemporaryDir kendi;
    const QString x = dosyaYaz(kendi, QStringLiteral("x.frf"), SAYFALI);
    const QString bos = KendiSablonKlasoru();
    const QString program = QDir(QStringLiteral(VELMORIKA_SABLON_KLASORU)).absolutePath();
    Oturum.username = QStringLiteral("AYSE");
    {
        RaporSecici s;
        QCOMPARE(s.klasor(), program);
        QVERIFY(s.dosyalar().contains(QStringLiteral("liste.frf")));
        QVERIFY(s.dosyalar().contains(QStringLiteral("HASTAKARTI.frf")));
        auto *yerler = bul<QListWidget>(&s, "lst_yerler");
        QCOMPARE(yerler->count(), 2);
        QCOMPARE(yerler->item(0)->text(), QStringLiteral("Programla gelen şablonlar"));
        QCOMPARE(yerler->item(1)->text(), QStringLiteral("Kendi şablonlarımız"));
        s.show();
        QTest::mouseClick(yerler->viewport(), Qt::LeftButton, {}, yerler->visualItemRect(yerler->item(1)).center());
        QCOMPARE(s.klasor(), QDir(bos).absolutePath());
        QVERIFY(s.dosyalar().isEmpty());
        QTest::mouseClick(yerler->viewport(), Qt::LeftButton, {}, yerler->visualItemRect(yerler->item(0)).center());
        QCOMPARE(s.klasor(), program);
        s.klasorAc(kendi.path());
        QTest::mouseClick(bul<QPushButton>(&s, "btn_sec"), Qt::LeftButton);
        QCOMPARE(Aktarim.rapor_sablonu, x);
    }
    Oturum.username = sonraki;
    {
        RaporSecici s;
        QCOMPARE(s.klasor(), hatirlanir ? QDir(kendi.path()).absolutePath() : program);
    }
    QVERIFY(m.hatalar.isEmpty());
}

// An install without the templates it ships: a template by name and the
// chooser both say which folder is missing and where it was looked for,
// instead of an empty list or a bare "not found".
void TestRaporPencereleri::programSablonlariEksik()
{
    BetikMesaj m;
    QTemporaryDir k;
    const QByteArray onceki = qgetenv("VELMORIKA_SABLONLAR");
    const QString yok = k.filePath(QStringLiteral("sablonlar"));
    qputenv("VELMORIKA_SABLONLAR", yok.toUtf8());
    QCOMPARE(ProgramSablonKlasoru(), QString());
    Rapor r;
    QString hata;
    QVERIFY(!r.yukle(QStringLiteral("HASTAKARTI.frf"), &hata));
    QVERIFY2(hata.startsWith(QStringLiteral("Rapor şablonu bulunamadı: HASTAKARTI.frf")), qPrintable(hata));
    QVERIFY2(hata.contains(QStringLiteral("Programla gelen rapor şablonlarının klasörü bulunamadı"))
                 && hata.contains(yok) && hata.contains(KendiSablonKlasoru()),
             qPrintable(hata));
    {
        RaporSecici s;
        QCOMPARE(m.hatalar.size(), 1);
        QVERIFY2(m.hatalar.first().contains(yok), qPrintable(m.hatalar.first()));
        // The practice's own folder is still there to pick from.
        QCOMPARE(s.klasor(), QDir(KendiSablonKlasoru()).absolutePath());
    }
    qputenv("VELMORIKA_SABLONLAR", onceki);
    QVERIFY(!ProgramSablonKlasoru().isEmpty());
}

void TestRaporPencereleri::onizlemeYaziciYokken_data()
{
    QTest::addColumn<QString>("baslik");
    QTest::addColumn<QString>("dosya");
    QTest::newRow("şablonun tam yolu") << QDir::tempPath() + QStringLiteral("/sablonlar/s.frf") << "s.pdf";
    QTest::newRow("düz başlık") << "Hasta Listesi" << "Hasta Listesi.pdf";
}

// "Yazdır" on a computer with no printer: the dialog offers a PDF file in
// the user's documents folder (here the test's) under the report's name (not the title's folders
// once more), printing to it works, and the preview says where it went.
void TestRaporPencereleri::onizlemeYaziciYokken()
{
    QFETCH(QString, baslik);
    QFETCH(QString, dosya);
    if (!QPrinterInfo::availablePrinters().isEmpty())
        QSKIP("this computer has a printer; the case is about one without");
    BetikMesaj m;
    QTemporaryDir k;
    TabloAktar::klasorAyarla(k.path());
    TabloKaynagi kaynak = satirlar(30);
    Rapor r;
    r.baglan(&kaynak);
    QVERIFY(r.yukle(dosyaYaz(k, QStringLiteral("s.frf"), SAYFALI)));
    r.baslikAyarla(baslik);
    RaporOnizleme w(r);
    w.show();
    const QString beklenen = QDir(k.path()).filePath(dosya);
    QPrinter yazici;
    w.yaziciHazirla(yazici);
    QCOMPARE(yazici.outputFileName(), beklenen);
    QVERIFY(!yazici.docName().contains(QLatin1Char('/')));
    QString onerilen;
    PencereGozcusu dialog(QStringLiteral("dlg_yazdir"), [&](QWidget *d) {
        if (auto *dosyaAdi = d->findChild<QLineEdit *>(QStringLiteral("filename")))
            onerilen = dosyaAdi->text();
        // Printed only to the file expected; anything else is given up.
        if (onerilen == beklenen)
            static_cast<QDialog *>(d)->accept();
        else
            static_cast<QDialog *>(d)->reject();
    });
    QTest::mouseClick(bul<QPushButton>(&w, "btn_yazdir"), Qt::LeftButton);
    QCOMPARE(dialog.acilis, 1);
    QCOMPARE(onerilen, beklenen);
    QVERIFY(QFile::exists(beklenen));
    const QString metin = PdfMetni(beklenen);
    QVERIFY(metin.contains(QStringLiteral("Satır 1")));
    QVERIFY(metin.contains(QStringLiteral("Satır 30")));
    QCOMPARE(m.mesajlar.size(), 1);
    QVERIFY2(m.son().contains(QDir::toNativeSeparators(beklenen)), qPrintable(m.son()));
    // A second print does not offer to overwrite the first.
    w.yaziciHazirla(yazici);
    QVERIFY(yazici.outputFileName() != beklenen);
    TabloAktar::klasorAyarla(QString());
}

// The designer marks a text as growing ("Metinle uzasın"): the mark is saved,
// and the preview over a long sample row shows the box grown and what lay
// under it moved down.
void TestRaporPencereleri::tasarimUzarMetin()
{
    BetikMesaj m;
    QTemporaryDir k;
    const QString uzun = QStringLiteral("Uzun bir açıklama metni, birkaç satır tutsun diye yazıldı; ").repeated(8);
    TabloKaynagi kaynak({QStringLiteral("NOT")}, {{uzun}});
    RaporTasarim t(nullptr, &kaynak);
    t.show();
    t.sec(1);   // the new template's detail band
    QCOMPARE(t.sablon().bantlar[1].tur, BantTuru::Detay);
    QTest::mouseClick(bul<QPushButton>(&t, "btn_metinekle"), Qt::LeftButton);
    const int metin = t.seciliNesne();
    bul<QPlainTextEdit>(&t, "edt_metin")->setPlainText(QStringLiteral("[NOT]"));
    bul<QDoubleSpinBox>(&t, "spn_genislik")->setValue(100);
    bul<QCheckBox>(&t, "chk_kaydir")->setChecked(true);
    t.sec(1);
    QTest::mouseClick(bul<QPushButton>(&t, "btn_metinekle"), Qt::LeftButton);
    const int alti = t.seciliNesne();
    bul<QPlainTextEdit>(&t, "edt_metin")->setPlainText(QStringLiteral("ALTINDAKİ"));
    bul<QDoubleSpinBox>(&t, "spn_y")->setValue(6);
    auto kutular = [&] {
        const RaporBelgesi b = t.onizlemeBelgesi();
        QRectF a, c;
        for (const auto &o : b.sayfalar[0].ogeler) {
            if (o.metin == uzun)
                a = o.alan;
            if (o.metin == QStringLiteral("ALTINDAKİ"))
                c = o.alan;
        }
        return std::make_pair(a, c);
    };
    const auto [once, onceAlti] = kutular();
    QCOMPARE(once.height(), 5.0);
    t.sec(1, metin);
    auto *uzar = bul<QCheckBox>(&t, "chk_uzar");
    QVERIFY(uzar->isEnabled());
    QVERIFY(!uzar->isChecked());
    uzar->setChecked(true);
    QVERIFY(t.sablon().bantlar[1].nesneler[metin].uzar);
    const auto [sonra, sonraAlti] = kutular();
    QVERIFY2(sonra.height() > 12, qPrintable(QString::number(sonra.height())));
    QCOMPARE(sonraAlti.top() - onceAlti.top(), sonra.height() - once.height());
    QVERIFY(t.farkliKaydet(k.filePath(QStringLiteral("uzar.frf"))));
    QString hata;
    const auto okunan = RaporSablonu::oku(k.filePath(QStringLiteral("uzar.frf")), &hata);
    QVERIFY2(okunan, qPrintable(hata));
    QVERIFY(okunan->bantlar[1].nesneler[metin].uzar);
    QVERIFY(!okunan->bantlar[1].nesneler[alti].uzar);
}

QTEST_MAIN(TestRaporPencereleri)
#include "tst_raporpencereleri.moc"
