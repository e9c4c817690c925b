// The receipt: the amount in Turkish words, the titles by their exact
// conditions.
#include "app/oturum.h"
#include "cari/dekont.h"
#include "cari/frm_cari_hareket.h"
#include "cari/frm_odeme.h"
#include "caritestdestek.h"
#include "db/veriseti.h"
#include "destek/pdfmetni.h"
#include "destek/betikmesaj.h"
#include "destek/testvt.h"
#include "raporlar/motor/rapor.h"

#include <QLineEdit>
#include <QProcess>
#include <QPushButton>
#include <QSettings>
#include <QtTest>

using namespace CariTest;

namespace {


// The account screen opened for one account, its last row current.
std::unique_ptr<Tfrm_cari_hareket> ekranAc(const QString &kod, const QString &unvan)
{
    Aktarim.cari_kod = kod;
    Aktarim.cari_unvan = unvan;
    auto e = std::make_unique<Tfrm_cari_hareket>();
    e->findChild<QLineEdit *>(QStringLiteral("edt_carihareketkodu"))->setText(kod);
    e->findChild<QLineEdit *>(QStringLiteral("Edit1"))->setText(unvan);
    e->selectAyarla(QStringLiteral("select * from cari_hareket where 1=1  and carikod =") + SqlQuote(kod)
                    + QStringLiteral(" and sirketkodu =") + SqlQuote(Oturum.sirketkodu)
                    + QStringLiteral("  order by cari_hareket.islemtarihi,cari_hareket.kayitno"));
    e->show();
    QCoreApplication::processEvents();
    return e;
}

} // namespace

class tst_dekont : public QObject
{
    Q_OBJECT
private slots:
    void tutarYazisi_data();
    void tutarYazisi();
    void borcVeAlacak_data();
    void borcVeAlacak();
    void aralikDisi_data();
    void aralikDisi();
    void basliklar_data();
    void basliklar();
    void initTestCase();
    void hesapEkranindanBasilir_data();
    void hesapEkranindanBasilir();
    void kaydedilmemisSatirBasilmaz();
    void odemeKaydedilinceBasilir();
    void raporYetkisiGerekir();
};

void tst_dekont::initTestCase()
{
    static QTemporaryDir kok;
    qputenv("VELMORIKA_KOK", kok.path().toUtf8());
    static QTemporaryDir ayarlar;
    QSettings::setPath(QSettings::IniFormat, QSettings::UserScope, ayarlar.path());
}

void tst_dekont::hesapEkranindanBasilir_data()
{
    QTest::addColumn<double>("borc");
    QTest::addColumn<double>("alacak");
    QTest::addColumn<QString>("islemTuru");
    QTest::addColumn<QString>("ozelKod1");
    QTest::addColumn<QString>("yazi");
    QTest::addColumn<QStringList>("basliklar");
    QTest::addColumn<QStringList>("olmayanlar");
    const QString borcD = QStringLiteral("BORC DEKONTU"), alacakD = QStringLiteral("ALACAK DEKONTU"),
                  senetD = QStringLiteral("SENET TAHSİL DEKONTU");
    QTest::newRow("debit 15") << 15.0 << 0.0 << QStringLiteral("NAKIT") << QStringLiteral("0")
                              << QStringLiteral("OnBes YTL") << QStringList{borcD} << QStringList{alacakD, senetD};
    QTest::newRow("credit 1234,50") << 0.0 << 1234.5 << QStringLiteral("NAKIT") << QStringLiteral("0")
                                    << QStringLiteral("BinIkiYüzOtuzDört YTL  Elli  Ykr") << QStringList{alacakD}
                                    << QStringList{borcD, senetD};
    QTest::newRow("note collected") << 0.0 << 100.0 << QStringLiteral("Senet") << QStringLiteral("TAHSİL")
                                    << QStringLiteral("Yüz YTL") << QStringList{senetD}
                                    << QStringList{borcD, alacakD};
    QTest::newRow("zero") << 0.0 << 0.0 << QStringLiteral("NAKIT") << QStringLiteral("0")
                          << QStringLiteral("Sifir YTL") << QStringList{} << QStringList{borcD, alacakD, senetD};
}

void tst_dekont::hesapEkranindanBasilir()
{
    QFETCH(double, borc);
    QFETCH(double, alacak);
    QFETCH(QString, islemTuru);
    QFETCH(QString, ozelKod1);
    QFETCH(QString, yazi);
    QFETCH(QStringList, basliklar);
    QFETCH(QStringList, olmayanlar);
    TEST_VT(vt);
    BetikMesaj m;
    Oturum.sirketunvani = QStringLiteral("ŞİFA POLİKLİNİĞİ");
    Oturum.sirketadresi = QStringLiteral("Atatürk Cad. 5 Ankara");
    Hareket h;
    h.kod = QStringLiteral("P1");
    h.unvan = QStringLiteral("ALİ VELİ");
    h.borc = borc;
    h.alacak = alacak;
    h.islemTuru = islemTuru;
    h.aciklama = QStringLiteral("Muayene ücreti");
    const qint64 no = hareketEkle(h);
    QVERIFY(no);
    QVERIFY(Sorgu::calistir(QStringLiteral("update CARI_HAREKET set OZELKOD1=? where KAYITNO=?"), {ozelKod1, no}));
    auto e = ekranAc(h.kod, h.unvan);
    QTemporaryDir d;
    const QString pdf = d.filePath(QStringLiteral("dekont.pdf"));
    bool yazildi = false;
    QStringList yaziNotu, baslikNotu, sirketNotu;
    const auto eski = Rapor::onizlemeYerine;
    Rapor::onizlemeYerine = [&](Rapor &r, QWidget *) {
        yaziNotu = r.notSatirlari(QStringLiteral("Mm_yaziylatutar"));
        baslikNotu = r.notSatirlari(QStringLiteral("Memo3"));
        sirketNotu = r.notSatirlari(QStringLiteral("Memo7"));
        yazildi = r.pdfYaz(pdf);
    };
    e->findChild<QPushButton *>(QStringLiteral("btn_dekont"))->click();
    Rapor::onizlemeYerine = eski;
    QVERIFY2(yazildi, qPrintable(m.mesajlar.join(u'|')));
    QCOMPARE(m.mesajlar, QStringList{});
    // The memo objects exactly, blanks included; the PDF (whose text
    // extraction folds runs of blanks) shows them.
    QCOMPARE(yaziNotu.last(), yazi);
    QCOMPARE(baslikNotu, basliklar);
    QCOMPARE(sirketNotu.last(), QStringLiteral("ŞİFA POLİKLİNİĞİ --  Atatürk Cad. 5 Ankara"));
    const QString metin = PdfAkisMetni(pdf);
    QVERIFY2(metin.contains(yazi.simplified()), qPrintable(metin));
    for (const QString &b : basliklar)
        QVERIFY2(metin.contains(b), qPrintable(b));
    for (const QString &b : olmayanlar)
        QVERIFY2(!metin.contains(b), qPrintable(b));
    QVERIFY(metin.contains(QStringLiteral("ŞİFA POLİKLİNİĞİ -- Atatürk Cad. 5 Ankara")));
    QVERIFY(metin.contains(QStringLiteral("ALİ VELİ")));
    QVERIFY(metin.contains(QStringLiteral("Muayene ücreti")));
    QVERIFY(metin.contains(QString::number(no)));
}

void tst_dekont::kaydedilmemisSatirBasilmaz()
{
    TEST_VT(vt);
    BetikMesaj m;
    Hareket h;
    h.kod = QStringLiteral("P1");
    h.unvan = QStringLiteral("ALİ VELİ");
    h.borc = 100;
    QVERIFY(hareketEkle(h));
    auto e = ekranAc(h.kod, h.unvan);
    VeriSeti *vs = e->veriSeti();
    QVERIFY(vs->duzenle());
    QVERIFY(vs->degerAyarla(QStringLiteral("BORC"), 250.0));
    bool basildi = false;
    const auto eski = Rapor::onizlemeYerine;
    Rapor::onizlemeYerine = [&](Rapor &, QWidget *) { basildi = true; };
    e->findChild<QPushButton *>(QStringLiteral("btn_dekont"))->click();
    Rapor::onizlemeYerine = eski;
    QVERIFY(!basildi);
    QCOMPARE(m.mesajlar, QStringList{Dekont::KaydedilmemisMesaji});
}

void tst_dekont::tutarYazisi_data()
{
    QTest::addColumn<double>("tutar");
    QTest::addColumn<QString>("yazi");
    QTest::newRow("1234,50") << 1234.50 << QStringLiteral("BinIkiYüzOtuzDört YTL  Elli  Ykr");
    QTest::newRow("2000000") << 2000000.0 << QStringLiteral("IkiMilyon YTL");
    QTest::newRow("1001") << 1001.0 << QStringLiteral("BinBir YTL");
    QTest::newRow("100") << 100.0 << QStringLiteral("Yüz YTL");
    QTest::newRow("105,05") << 105.05 << QStringLiteral("YüzBes YTL  Bes  Ykr");
    QTest::newRow("15") << 15.0 << QStringLiteral("OnBes YTL");
    QTest::newRow("250") << 250.0 << QStringLiteral("IkiYüzElli YTL");
    QTest::newRow("1000000") << 1000000.0 << QStringLiteral("BirMilyon YTL");
    QTest::newRow("1000") << 1000.0 << QStringLiteral("Bin YTL");
    QTest::newRow("11000") << 11000.0 << QStringLiteral("OnBirBin YTL");
    QTest::newRow("1001000") << 1001000.0 << QStringLiteral("BirMilyonBin YTL");
    QTest::newRow("12345678") << 12345678.0 << QStringLiteral("OnIkiMilyonÜcYüzKirkBesBinAltiYüzYetmisSekiz YTL");
    QTest::newRow("0,50") << 0.50 << QStringLiteral("Sifir YTL  Elli  Ykr");
    QTest::newRow("99,995 rounds once") << 99.995 << QStringLiteral("Yüz YTL");
    QTest::newRow("99,994") << 99.994 << QStringLiteral("DoksanDokuz YTL  DoksanDokuz  Ykr");
    QTest::newRow("0") << 0.0 << QStringLiteral("Sifir YTL");
    QTest::newRow("0,01") << 0.01 << QStringLiteral("Sifir YTL  Bir  Ykr");
    QTest::newRow("999,999 carries") << 999.999 << QStringLiteral("Bin YTL");
    QTest::newRow("1 katrilyon") << 1e15 << QStringLiteral("BirKatrilyon YTL");
    QTest::newRow("largest group") << 999999999999999872.0
                                   << QStringLiteral("DokuzYüzDoksanDokuzKatrilyonDokuzYüzDoksanDokuzTrilyon"
                                                     "DokuzYüzDoksanDokuzMilyarDokuzYüzDoksanDokuzMilyon"
                                                     "DokuzYüzDoksanDokuzBinSekizYüzYetmisIki YTL");
}

void tst_dekont::tutarYazisi()
{
    QFETCH(double, tutar);
    QFETCH(QString, yazi);
    const auto y = Dekont::TutarYazisi(tutar);
    QVERIFY(y.has_value());
    QCOMPARE(*y, yazi);
}

void tst_dekont::borcVeAlacak_data()
{
    QTest::addColumn<double>("borc");
    QTest::addColumn<double>("alacak");
    QTest::addColumn<QString>("yazi");
    QTest::newRow("debit") << 15.0 << 0.0 << QStringLiteral("OnBes YTL");
    QTest::newRow("credit") << 0.0 << 250.0 << QStringLiteral("IkiYüzElli YTL");
    QTest::newRow("both: the credit wins") << 15.0 << 250.0 << QStringLiteral("IkiYüzElli YTL");
    QTest::newRow("neither") << 0.0 << 0.0 << QStringLiteral("Sifir YTL");
    QTest::newRow("negative") << -5.0 << 0.0 << QStringLiteral("Sifir YTL");
}

void tst_dekont::borcVeAlacak()
{
    QFETCH(double, borc);
    QFETCH(double, alacak);
    QFETCH(QString, yazi);
    const auto y = Dekont::tutariyaziyadonustur(borc, alacak);
    QVERIFY(y.has_value());
    QCOMPARE(*y, yazi);
}

void tst_dekont::aralikDisi_data()
{
    QTest::addColumn<double>("borc");
    QTest::addColumn<double>("alacak");
    QTest::newRow("10^18 debit") << 1e18 << 0.0;
    QTest::newRow("10^18 credit") << 0.0 << 1e18;
    QTest::newRow("10^20") << 1e20 << 0.0;
    QTest::newRow("infinite") << std::numeric_limits<double>::infinity() << 0.0;
}

void tst_dekont::aralikDisi()
{
    QFETCH(double, borc);
    QFETCH(double, alacak);
    QVERIFY(!Dekont::tutariyaziyadonustur(borc, alacak).has_value());
}

void tst_dekont::basliklar_data()
{
    QTest::addColumn<double>("borc");
    QTest::addColumn<double>("alacak");
    QTest::addColumn<QString>("islemTuru");
    QTest::addColumn<QString>("ozelKod1");
    QTest::addColumn<QStringList>("basliklar");
    QTest::newRow("debit") << 15.0 << 0.0 << QStringLiteral("NAKIT") << QStringLiteral("0")
                           << QStringList{QStringLiteral("BORC DEKONTU")};
    QTest::newRow("credit") << 0.0 << 250.0 << QStringLiteral("NAKIT") << QString()
                            << QStringList{QStringLiteral("ALACAK DEKONTU")};
    QTest::newRow("note collected") << 0.0 << 100.0 << QStringLiteral("Senet") << QStringLiteral("TAHSİL")
                                    << QStringList{QStringLiteral("SENET TAHSİL DEKONTU")};
    QTest::newRow("SENET in capitals: none") << 0.0 << 100.0 << QStringLiteral("SENET") << QStringLiteral("TAHSİL")
                                             << QStringList{};
    QTest::newRow("Senet not collected: none") << 0.0 << 100.0 << QStringLiteral("Senet") << QStringLiteral("0")
                                               << QStringList{};
    QTest::newRow("debit and collected note")
        << 50.0 << 100.0 << QStringLiteral("Senet") << QStringLiteral("TAHSİL")
        << QStringList{QStringLiteral("BORC DEKONTU"), QStringLiteral("SENET TAHSİL DEKONTU")};
    QTest::newRow("debit and credit") << 50.0 << 100.0 << QStringLiteral("NAKIT") << QStringLiteral("0")
                                      << QStringList{QStringLiteral("BORC DEKONTU"), QStringLiteral("ALACAK DEKONTU")};
    QTest::newRow("zero") << 0.0 << 0.0 << QStringLiteral("NAKIT") << QString() << QStringList{};
}

void tst_dekont::basliklar()
{
    QFETCH(double, borc);
    QFETCH(double, alacak);
    QFETCH(QString, islemTuru);
    QFETCH(QString, ozelKod1);
    QFETCH(QStringList, basliklar);
    QCOMPARE(Dekont::Basliklar(borc, alacak, islemTuru, ozelKod1), basliklar);
}

void tst_dekont::odemeKaydedilinceBasilir()
{
    TEST_VT(vt);
    BetikMesaj m;
    Aktarim.cari_kod = QStringLiteral("P1");
    Aktarim.cari_unvan = QStringLiteral("ALİ VELİ");
    Tfrm_odeme f;
    f.show();
    QCoreApplication::processEvents();
    auto tikla = [&f](const char *ad) { f.findChild<QPushButton *>(QLatin1String(ad))->click(); };
    auto tutarYaz = [&f](const QString &metin) {
        auto *k = f.findChild<QLineEdit *>(QStringLiteral("edt_tutar"));
        k->setFocus();
        for (QChar c : metin) {
            QKeyEvent basildi(QEvent::KeyPress, Qt::Key_unknown, Qt::NoModifier, QString(c));
            QApplication::sendEvent(k, &basildi);
        }
    };
    tikla("btn_yeni");
    tutarYaz(QStringLiteral("105,05"));
    tikla("btn_kaydet");
    QVERIFY(f.sonKayitNo() > 0);

    QTemporaryDir d;
    const QString pdf = d.filePath(QStringLiteral("odeme.pdf"));
    int basim = 0;
    QStringList yaziNotu, baslikNotu;
    const auto eski = Rapor::onizlemeYerine;
    Rapor::onizlemeYerine = [&](Rapor &r, QWidget *) {
        ++basim;
        yaziNotu = r.notSatirlari(QStringLiteral("Mm_yaziylatutar"));
        baslikNotu = r.notSatirlari(QStringLiteral("Memo3"));
        QVERIFY(r.pdfYaz(pdf));
    };
    tikla("btn_dekont");
    QCOMPARE(basim, 1);
    QCOMPARE(yaziNotu.last(), QStringLiteral("YüzBes YTL  Bes  Ykr"));
    QCOMPARE(baslikNotu, QStringList{QStringLiteral("ALACAK DEKONTU")});
    const QString metin = PdfAkisMetni(pdf);
    QVERIFY2(metin.contains(QStringLiteral("YüzBes YTL Bes Ykr")), qPrintable(metin));
    QVERIFY(metin.contains(QStringLiteral("105,05")));

    // A payment still being entered is not printed: its figures are not stored.
    tikla("btn_yeni");
    tutarYaz(QStringLiteral("70"));
    f.dekont();
    Rapor::onizlemeYerine = eski;
    QCOMPARE(basim, 1);
    QCOMPARE(m.mesajlar, QStringList{Dekont::KaydedilmemisMesaji});
}

void tst_dekont::raporYetkisiGerekir()
{
    TEST_VT(vt);
    BetikMesaj m;
    Hareket h;
    h.kod = QStringLiteral("P1");
    h.unvan = QStringLiteral("ALİ VELİ");
    h.borc = 100;
    QVERIFY(hareketEkle(h));
    QVERIFY(yetkiYaz("RAPOR", QStringLiteral("H")));
    auto e = ekranAc(h.kod, h.unvan);
    bool basildi = false;
    const auto eski = Rapor::onizlemeYerine;
    Rapor::onizlemeYerine = [&](Rapor &, QWidget *) { basildi = true; };
    e->dekont();
    Rapor::onizlemeYerine = eski;
    QVERIFY(!basildi);
    QCOMPARE(m.mesajlar, QStringList{QStringLiteral("Bu İşlem İçin Yetkili Değilsiniz")});
}

QTEST_MAIN(tst_dekont)
#include "tst_dekont.moc"
