// The picture store and the picture window: JPEG round trip through
// TurboJPEG, scaled decoding, store/replace, broken files refused with the
// old picture kept, the window driven through its controls.
#include "app/oturum.h"
#include "app/verikoku.h"
#include "destek/betikmesaj.h"
#include "klinik/frm_resimgoster.h"
#include "app/jpeg.h"
#include "app/resimdeposu.h"

#include <QCheckBox>
#include <QComboBox>
#include <QDir>
#include <QFile>
#include <QLineEdit>
#include <QListWidget>
#include <QPainter>
#include <QPushButton>
#include <QTemporaryDir>
#include <QtTest>

namespace {

// A picture with content that survives JPEG compression recognisably:
// left half red, right half blue, a white bar at the top.
QImage ornekResim(int w, int h)
{
    QImage r(w, h, QImage::Format_RGB32);
    QPainter p(&r);
    p.fillRect(0, 0, w / 2, h, QColor(200, 20, 20));
    p.fillRect(w / 2, 0, w - w / 2, h, QColor(20, 20, 200));
    p.fillRect(0, 0, w, h / 8, Qt::white);
    return r;
}

QByteArray dosyaOku(const QString &yol)
{
    QFile f(yol);
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
}

bool dosyaYaz(const QString &yol, const QByteArray &veri)
{
    QFile f(yol);
    return f.open(QIODevice::WriteOnly) && f.write(veri) == veri.size();
}

// Colour distance small enough for JPEG at quality 90.
bool yakin(QRgb a, QRgb b, int tolerans = 40)
{
    return qAbs(qRed(a) - qRed(b)) <= tolerans && qAbs(qGreen(a) - qGreen(b)) <= tolerans
           && qAbs(qBlue(a) - qBlue(b)) <= tolerans;
}

} // namespace

class TstResimGoster : public QObject
{
    Q_OBJECT

    QTemporaryDir *m_kok = nullptr;
    QTemporaryDir *m_kaynak = nullptr;
    QByteArray m_jpegA, m_jpegB;

private slots:
    void init()
    {
        m_kok = new QTemporaryDir;
        m_kaynak = new QTemporaryDir;
        QVERIFY(m_kok->isValid() && m_kaynak->isValid());
        qputenv("VELMORIKA_KOK", m_kok->path().toUtf8());
        Aktarim = AktarimKaydi();

        // A: written by TurboJPEG; B: by Qt's own JPEG writer, so both encoders are read back.
        m_jpegA = Jpeg::kodla(ornekResim(640, 480), 90);
        QVERIFY(!m_jpegA.isEmpty());
        QBuffer b(&m_jpegB);
        b.open(QIODevice::WriteOnly);
        QVERIFY(ornekResim(300, 200).save(&b, "JPG", 90));
        QVERIFY(dosyaYaz(m_kaynak->filePath("a.jpg"), m_jpegA));
        QVERIFY(dosyaYaz(m_kaynak->filePath("b.jpg"), m_jpegB));
        QVERIFY(dosyaYaz(m_kaynak->filePath("bozuk.jpg"), m_jpegA.left(m_jpegA.size() / 2)));
        QVERIFY(dosyaYaz(m_kaynak->filePath("metin.jpg"), "bu bir resim degil"));
        QVERIFY(ornekResim(40, 30).save(m_kaynak->filePath("c.bmp"), "BMP"));
    }
    void cleanup()
    {
        delete m_kok;
        delete m_kaynak;
        m_kok = m_kaynak = nullptr;
        qunsetenv("VELMORIKA_KOK");
        Aktarim = AktarimKaydi();
    }

    void jpegGidisDonus()
    {
        QSize boyut;
        QVERIFY(Jpeg::boyutOku(m_jpegA, &boyut));
        QCOMPARE(boyut, QSize(640, 480));
        const QImage a = Jpeg::coz(m_jpegA);
        QCOMPARE(a.size(), QSize(640, 480));
        QVERIFY(yakin(a.pixel(100, 300), qRgb(200, 20, 20)));
        QVERIFY(yakin(a.pixel(500, 300), qRgb(20, 20, 200)));
        QVERIFY(yakin(a.pixel(320, 10), qRgb(255, 255, 255)));

        const QImage b = Jpeg::coz(m_jpegB);
        QCOMPARE(b.size(), QSize(300, 200));
        QVERIFY(yakin(b.pixel(50, 150), qRgb(200, 20, 20)));
        QVERIFY(yakin(b.pixel(250, 150), qRgb(20, 20, 200)));
    }

    void olcekliCozme_data()
    {
        QTest::addColumn<QSize>("asil");
        QTest::addColumn<QSize>("sinir");
        QTest::addColumn<QSize>("cozulen");   // what the library decodes
        QTest::addColumn<QSize>("sonuc");     // what the caller gets
        QTest::newRow("sekizde bir") << QSize(1600, 1200) << QSize(200, 150) << QSize(200, 150) << QSize(200, 150);
        QTest::newRow("dortte bir, sonra kucult") << QSize(1600, 1200) << QSize(300, 300) << QSize(400, 300)
                                                  << QSize(300, 225);
        QTest::newRow("kucuk resim buyutulmez") << QSize(160, 120) << QSize(800, 600) << QSize(160, 120)
                                                << QSize(160, 120);
        QTest::newRow("dikey") << QSize(480, 960) << QSize(100, 100) << QSize(60, 120) << QSize(50, 100);
    }
    void olcekliCozme()
    {
        QFETCH(QSize, asil);
        QFETCH(QSize, sinir);
        QFETCH(QSize, cozulen);
        QFETCH(QSize, sonuc);
        const QSize hedef = asil.width() <= sinir.width() && asil.height() <= sinir.height()
                                ? asil
                                : asil.scaled(sinir, Qt::KeepAspectRatio);
        QCOMPARE(Jpeg::olcekliBoyut(asil, hedef), cozulen);
        const QByteArray veri = Jpeg::kodla(ornekResim(asil.width(), asil.height()), 85);
        QString hata;
        const QImage k = Jpeg::kucukCoz(veri, sinir, &hata);
        QVERIFY2(!k.isNull(), qPrintable(hata));
        QCOMPARE(k.size(), sonuc);
        // Content is still where it was: red at the lower left, blue at the lower right.
        QVERIFY(yakin(k.pixel(k.width() / 5, k.height() * 3 / 4), qRgb(200, 20, 20), 50));
        QVERIFY(yakin(k.pixel(k.width() * 4 / 5, k.height() * 3 / 4), qRgb(20, 20, 200), 50));
    }

    void bozukVeriCozulmez_data()
    {
        QTest::addColumn<QByteArray>("veri");
        QTest::newRow("yarim dosya") << m_jpegA.left(m_jpegA.size() / 2);
        QTest::newRow("yalniz imza") << QByteArray("\xFF\xD8\xFF", 3);
        QTest::newRow("metin") << QByteArray("bu bir resim degil");
        QTest::newRow("bos") << QByteArray();
    }
    void bozukVeriCozulmez()
    {
        QFETCH(QByteArray, veri);
        QString hata;
        QVERIFY(Jpeg::coz(veri, &hata).isNull());
        QVERIFY(!hata.isEmpty());
        QVERIFY(Jpeg::kucukCoz(veri, QSize(50, 50)).isNull());
    }

    void klasorlerVeBosResimler()
    {
        QString hata;
        QVERIFY2(ResimKlasorleriniHazirla(&hata), qPrintable(hata));
        for (const char *k : {"RESIMLER", "MUAYENE", "GOZ", "VIDEO"})
            QVERIFY(QDir(m_kok->filePath(QLatin1String(k))).exists());
        for (const char *d : {"RESIMLER/bos.jpg", "MUAYENE/bos.jpg", "GOZ/bos.jpg"})
            QVERIFY(!Jpeg::coz(dosyaOku(m_kok->filePath(QLatin1String(d)))).isNull());
        for (const char *d : {"MUAYENE/bos.bmp", "GOZ/bos.bmp"})
            QVERIFY(!QImage(m_kok->filePath(QLatin1String(d))).isNull());
        // An existing blank is the installation's and stays as it is.
        QVERIFY(dosyaYaz(m_kok->filePath("RESIMLER/bos.jpg"), m_jpegB));
        QVERIFY(ResimKlasorleriniHazirla(&hata));
        QCOMPARE(dosyaOku(m_kok->filePath("RESIMLER/bos.jpg")), m_jpegB);
    }

    void kaydetVeDegistir()
    {
        QString hata;
        QVERIFY2(ResimKaydet(ResimTuru::Muayene, "57_2", m_jpegA, &hata), qPrintable(hata));
        const QString yol = m_kok->filePath("RESIMLER/MUAYENE57_2.jpg");
        QCOMPARE(ResimYolu("MUAYENE", "57_2"), yol);
        QCOMPARE(dosyaOku(yol), m_jpegA);   // written as loaded, not re-encoded
        QCOMPARE(GaleriResmiYolu("MUAYENE", "57", 2), yol);

        // An old spelling of the same name is replaced too, so the new picture is the one found.
        QVERIFY(dosyaYaz(m_kok->filePath("RESIMLER/MUAYENE57_3.JPG"), m_jpegA));
        QCOMPARE(GaleriResmiYolu("MUAYENE", "57", 3), m_kok->filePath("RESIMLER/MUAYENE57_3.JPG"));
        QVERIFY(ResimKaydet("MUAYENE", "57_3", m_jpegB, &hata));
        QVERIFY(!QFile::exists(m_kok->filePath("RESIMLER/MUAYENE57_3.JPG")));
        QCOMPARE(dosyaOku(GaleriResmiYolu("MUAYENE", "57", 3)), m_jpegB);

        QVERIFY(ResimKaydet("MUAYENE", "57_2", m_jpegB, &hata));
        QCOMPARE(dosyaOku(yol), m_jpegB);
        const QImage k = ResimYukle(yol, QSize(100, 100), &hata);
        QCOMPARE(k.size(), QSize(100, 66));
    }

    void bozukResimEskisiniSilmez_data()
    {
        QTest::addColumn<QByteArray>("veri");
        QTest::addColumn<QString>("mesajParcasi");
        QTest::newRow("yarim jpeg") << m_jpegA.left(m_jpegA.size() / 2) << "bozuk";
        QTest::newRow("jpeg degil") << QByteArray("GIF89a....") << "JPEG resmi değil";
        QTest::newRow("bos") << QByteArray() << "JPEG resmi değil";
    }
    void bozukResimEskisiniSilmez()
    {
        QFETCH(QByteArray, veri);
        QFETCH(QString, mesajParcasi);
        QString hata;
        QVERIFY(ResimKaydet("GOZ", "9_1", m_jpegA, &hata));
        QVERIFY(!ResimKaydet("GOZ", "9_1", veri, &hata));
        QVERIFY2(hata.contains(mesajParcasi), qPrintable(hata));
        QCOMPARE(dosyaOku(m_kok->filePath("RESIMLER/GOZ9_1.jpg")), m_jpegA);
        // No temporary file left behind.
        QStringList adlar = QDir(m_kok->filePath("RESIMLER")).entryList(QDir::Files | QDir::Hidden);
        adlar.sort();
        QCOMPARE(adlar, QStringList({"GOZ9_1.jpg", "bos.jpg"}));
    }

    void galeriSirasi()
    {
        const QString r = m_kok->filePath("RESIMLER/");
        QVERIFY(ResimKlasorleriniHazirla());
        QCOMPARE(GaleriResmiYolu("GOZ", "", 1), r + "bos.jpg");
        QCOMPARE(GaleriResmiYolu("GOZ", "4", 1), r + "bos.jpg");
        QVERIFY(dosyaYaz(r + "GOZ4_1.JPG", m_jpegA));
        QCOMPARE(GaleriResmiYolu("GOZ", "4", 1), r + "GOZ4_1.JPG");
        QVERIFY(ornekResim(10, 10).save(r + "GOZ4_1.bmp", "BMP"));
        QCOMPARE(GaleriResmiYolu("GOZ", "4", 1), r + "GOZ4_1.bmp");
        QCOMPARE(GaleriBmpYolu("GOZ", "4", 2), r + "GOZ4_2.bmp");
        // Patient photo: .bmp, else the .jpg the picture window writes, else the blank.
        QCOMPARE(HastaFotografiYolu("12"), r + "bos.jpg");
        QVERIFY(ResimKaydet(ResimTuru::Hasta, "12", m_jpegA));
        QCOMPARE(HastaFotografiYolu("12"), r + "HASTA12.jpg");
        QCOMPARE(HastaGaleriYolu("12", 1), r + "bos.jpg");
    }

    void pencereResmiIliskilendirir()
    {
        BetikMesaj m;
        Aktarim.resim_turu = "MUAYENE";
        Aktarim.resim_adi = "57_2";
        Tfrm_resimgoster p;
        p.show();
        QCOMPARE(p.windowTitle(), QStringLiteral("Resim Göster"));
        p.klasoreGit(m_kaynak->path());
        auto *dosyalar = p.findChild<QListWidget *>("lst_dosyalar");
        auto *maske = p.findChild<QLineEdit *>("edt_maske");
        QVERIFY(dosyalar && maske);
        QCOMPARE(maske->text(), QStringLiteral("*.jpg"));
        QStringList adlar;
        for (int i = 0; i < dosyalar->count(); ++i)
            adlar << dosyalar->item(i)->text();
        QCOMPARE(adlar, QStringList({"a.jpg", "b.jpg", "bozuk.jpg", "metin.jpg"}));

        dosyalar->setCurrentRow(0);
        QCOMPARE(maske->text(), QStringLiteral("a.jpg"));
        QVERIFY(p.resimYuklu());
        auto *sigdir = p.findChild<QCheckBox *>("chk_sigdir");
        QCOMPARE(sigdir->text(), QStringLiteral("Sıgdır"));
        sigdir->setChecked(true);
        QVERIFY(p.resimYuklu());
        QVERIFY(m.mesajlar.isEmpty());

        auto *buton = p.findChild<QPushButton *>("btn_iliskilendir");
        QCOMPARE(buton->text(), QStringLiteral("Secilen Resmi Kayıt ile İlişkilendir"));
        QTest::mouseClick(buton, Qt::LeftButton);
        QCOMPARE(dosyaOku(m_kok->filePath("RESIMLER/MUAYENE57_2.jpg")), m_jpegA);
        QVERIFY(!p.isVisible());
        QCOMPARE(p.result(), int(QDialog::Accepted));
        QVERIFY(Aktarim.resim_turu.isEmpty() && Aktarim.resim_adi.isEmpty());
    }

    void pencereBozukDosyayiYuklemez_data()
    {
        QTest::addColumn<QString>("dosya");
        QTest::addColumn<QString>("mesajParcasi");
        QTest::newRow("yarim") << "bozuk.jpg" << "bozuk ya da eksik";
        QTest::newRow("metin") << "metin.jpg" << "JPEG resmi değil";
    }
    void pencereBozukDosyayiYuklemez()
    {
        QFETCH(QString, dosya);
        QFETCH(QString, mesajParcasi);
        QString hata;
        QVERIFY(ResimKaydet("MUAYENE", "57_1", m_jpegB, &hata));

        BetikMesaj m;
        Aktarim.resim_turu = "MUAYENE";
        Aktarim.resim_adi = "57_1";
        Tfrm_resimgoster p;
        p.show();
        p.klasoreGit(m_kaynak->path());
        auto *dosyalar = p.findChild<QListWidget *>("lst_dosyalar");
        // A good picture first, then the bad one: the good one must not stay loaded.
        dosyalar->setCurrentItem(dosyalar->findItems("a.jpg", Qt::MatchExactly).first());
        QVERIFY(p.resimYuklu());
        dosyalar->setCurrentItem(dosyalar->findItems(dosya, Qt::MatchExactly).first());
        QCOMPARE(m.mesajlar.size(), 1);
        QVERIFY2(m.son().contains(mesajParcasi), qPrintable(m.son()));
        QVERIFY(!p.resimYuklu());
        QVERIFY(p.yukluVeri().isEmpty());

        // Nothing loaded: the button writes nothing and closes the window.
        QTest::mouseClick(p.findChild<QPushButton *>("btn_iliskilendir"), Qt::LeftButton);
        QVERIFY(!p.isVisible());
        QCOMPARE(dosyaOku(m_kok->filePath("RESIMLER/MUAYENE57_1.jpg")), m_jpegB);
    }

    void bmpTuruHicbirSeyYapmaz()
    {
        BetikMesaj m;
        Aktarim.resim_turu = "GOZ";
        Aktarim.resim_adi = "3_1";
        Tfrm_resimgoster p;
        p.show();
        p.klasoreGit(m_kaynak->path());
        auto *tur = p.findChild<QComboBox *>("cmb_dosyaturu");
        QStringList turler;
        for (int i = 0; i < tur->count(); ++i)
            turler << tur->itemText(i);
        QCOMPARE(turler, QStringList({"JPG", "BMP", "GIF", "All files (*.*)"}));
        tur->setCurrentIndex(1);
        auto *dosyalar = p.findChild<QListWidget *>("lst_dosyalar");
        QCOMPARE(p.findChild<QLineEdit *>("edt_maske")->text(), QStringLiteral("*.bmp"));
        QCOMPARE(dosyalar->count(), 1);
        dosyalar->setCurrentRow(0);
        QVERIFY(!p.resimYuklu());
        QTest::mouseClick(p.findChild<QPushButton *>("btn_iliskilendir"), Qt::LeftButton);
        QVERIFY(p.isVisible());
        QCOMPARE(Aktarim.resim_adi, QStringLiteral("3_1"));
        QVERIFY(!QFile::exists(m_kok->filePath("RESIMLER/GOZ3_1.jpg")));

        // "All files" lists everything, a file with no extension too.
        QVERIFY(dosyaYaz(m_kaynak->filePath("OKUBENI"), "x"));
        tur->setCurrentIndex(3);
        QCOMPARE(dosyalar->count(), 6);
        p.reject();
        QVERIFY(Aktarim.resim_adi.isEmpty());
    }

    void maskeKutusuEnter()
    {
        Tfrm_resimgoster p;
        p.show();
        p.klasoreGit(m_kaynak->path());
        auto *maske = p.findChild<QLineEdit *>("edt_maske");
        maske->setText("b*");
        QTest::keyClick(maske, Qt::Key_Return);
        QVERIFY(p.isVisible());   // swallowed: the dialog does not take it
        auto *dosyalar = p.findChild<QListWidget *>("lst_dosyalar");
        QCOMPARE(dosyalar->count(), 2);
        QCOMPARE(dosyalar->item(0)->text(), QStringLiteral("b.jpg"));
        QCOMPARE(dosyalar->item(1)->text(), QStringLiteral("bozuk.jpg"));
    }

    void dosyaDiyalogundanSecim()
    {
        BetikMesaj m;
        Aktarim.resim_turu = "HASTA";
        Aktarim.resim_adi = "12";
        Tfrm_resimgoster p;
        p.show();
        m.dosyalar.enqueue(m_kaynak->filePath("b.jpg"));
        QTest::mouseClick(p.findChild<QPushButton *>("btn_dosyasec"), Qt::LeftButton);
        QCOMPARE(QDir(p.klasor()), QDir(m_kaynak->path()));
        QVERIFY(p.resimYuklu());
        QCOMPARE(p.yukluVeri(), m_jpegB);
        QTest::mouseClick(p.findChild<QPushButton *>("btn_iliskilendir"), Qt::LeftButton);
        QCOMPARE(dosyaOku(m_kok->filePath("RESIMLER/HASTA12.jpg")), m_jpegB);
    }

    void okunamayanDosya()
    {
        // A file gone since it was listed, or a folder given as a file: the error, nothing loaded.
        BetikMesaj m;
        QVERIFY(QDir().mkpath(m_kaynak->filePath("klasor.jpg")));
        Tfrm_resimgoster p;
        p.show();
        for (const char *ad : {"silinmis.jpg", "klasor.jpg"}) {
            m.temizle();
            m.dosyalar.enqueue(m_kaynak->filePath(QLatin1String(ad)));
            QTest::mouseClick(p.findChild<QPushButton *>("btn_dosyasec"), Qt::LeftButton);
            QCOMPARE(m.hatalar.size(), 1);
            QVERIFY2(m.hatalar.first().startsWith("Dosya okunamadı"), qPrintable(m.hatalar.first()));
            QVERIFY(!p.resimYuklu());
        }
    }

    void yazilamayanDosyaPencereyiAcikTutar()
    {
        BetikMesaj m;
        QVERIFY(ResimKlasorleriniHazirla());
        // A folder where the picture should go: the file cannot be written.
        QVERIFY(QDir().mkpath(m_kok->filePath("RESIMLER/MUAYENE8_4.jpg")));
        Aktarim.resim_turu = "MUAYENE";
        Aktarim.resim_adi = "8_4";
        Tfrm_resimgoster p;
        p.show();
        p.klasoreGit(m_kaynak->path());
        p.findChild<QListWidget *>("lst_dosyalar")->setCurrentRow(0);
        QVERIFY(p.resimYuklu());
        QTest::mouseClick(p.findChild<QPushButton *>("btn_iliskilendir"), Qt::LeftButton);
        QCOMPARE(m.hatalar.size(), 1);
        QVERIFY2(m.hatalar.first().contains("MUAYENE8_4.jpg"), qPrintable(m.hatalar.first()));
        QVERIFY(p.isVisible());
        QCOMPARE(Aktarim.resim_turu, QStringLiteral("MUAYENE"));
        QCOMPARE(Aktarim.resim_adi, QStringLiteral("8_4"));
    }
};

QTEST_MAIN(TstResimGoster)
#include "tst_resimgoster.moc"
