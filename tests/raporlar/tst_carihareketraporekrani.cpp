// The account movement report screen driven by its controls: listing with
// the previous balance, totals of an empty list, the balance-carrying report
// printed to PDF, the balance list with two conditions and its export, the
// list grid and the rounding repair.
#include "../cari/caritestdestek.h"
#include "cari/ekstre.h"
#include "destek/pdfmetni.h"
#include "destek/betikmesaj.h"
#include "destek/testvt.h"
#include "raporlar/frm_carihareketrapor.h"
#include "raporlar/gunlukraporlar.h"
#include "raporlar/motor/rapor.h"
#include "raporlar/motor/tabloaktar.h"
#include "raporlar/motor/tablookuyucu.h"

#include <QAction>
#include <QCheckBox>
#include <QDir>
#include <QComboBox>
#include <QLabel>
#include <QHeaderView>
#include <QLineEdit>
#include <QProcess>
#include <QPushButton>
#include <QTimer>
#include <QTableView>
#include <QTableWidget>
#include <QTemporaryDir>
#include <QtTest>

namespace {

void satir(const QString &kod, double borc, double alacak, const QDate &tarih, const QString &sirket = QString())
{
    CariTest::Hareket h;
    h.kod = kod;
    h.unvan = kod + QStringLiteral(" HESABI");
    h.borc = borc;
    h.alacak = alacak;
    h.tarih = h.vade = tarih;
    h.sirket = sirket;
    QVERIFY(CariTest::hareketEkle(h));
}

void yaz(QWidget &w, const char *ad, const QString &metin)
{
    auto *e = w.findChild<QLineEdit *>(QLatin1String(ad));
    QVERIFY(e);
    e->setText(metin);
}

QString kutu(QWidget &w, const char *ad)
{
    return w.findChild<QLineEdit *>(QLatin1String(ad))->text();
}

// The cells of a row of the group grid under CARIKOD, ADET and the three
// amounts (empty where the list has no such column).
QStringList ozelHucreler(const QTableWidget *t, int satir)
{
    QStringList s;
    for (const char *kolon : {"CARIKOD", "ADET", "TOPLAM_BORC", "TOPLAM_ALACAK", "BAKIYE"}) {
        QString h;
        for (int k = 0; k < t->columnCount(); ++k)
            if (t->horizontalHeaderItem(k)->text() == QLatin1String(kolon))
                h = t->item(satir, k)->text();
        s << h;
    }
    return s;
}

QAction *eylem(QWidget &w, const QString &metin)
{
    for (QAction *a : w.findChildren<QAction *>())
        if (a->text() == metin)
            return a;
    return nullptr;
}
} // namespace

class tst_carihareketraporekrani : public QObject
{
    Q_OBJECT
private slots:
    void oncekiBakiyeVeBakiyeliRapor_data();
    void oncekiBakiyeVeBakiyeliRapor();
    void bakiyeListesiVeKusurat();
    void gunSaatliSatirlar();
    void tutarFiltreleri_data();
    void tutarFiltreleri();
    void paraBirimiToplamlari();
    void enterAramaAcmaz_data();
    void enterAramaAcmaz();
};

// The tick "Ekstrede Önceki Bakiyeyi Göster" only adds the opening line of
// the statement; the balance-carrying report counts the balance before the
// first date either way.
void tst_carihareketraporekrani::oncekiBakiyeVeBakiyeliRapor_data()
{
    QTest::addColumn<bool>("isaretli");
    QTest::newRow("isaretli") << true;
    QTest::newRow("isaretsiz") << false;
}

void tst_carihareketraporekrani::oncekiBakiyeVeBakiyeliRapor()
{
    QFETCH(bool, isaretli);
    TEST_VT(vt);
    BetikMesaj m;
    satir(QStringLiteral("A"), 100, 0, QDate(2008, 2, 1));
    satir(QStringLiteral("A"), 0, 30, QDate(2008, 2, 15));
    satir(QStringLiteral("A"), 50, 0, QDate(2008, 3, 5));
    // The same code in another company stays out of every figure.
    satir(QStringLiteral("A"), 999, 0, QDate(2008, 2, 1), QStringLiteral("BASKA"));
    Tfrm_carihareketrapor w;
    yaz(w, "edt_carikodilk", QStringLiteral("A"));
    yaz(w, "edt_carikodson", QStringLiteral("A"));
    yaz(w, "edt_tarihilk", QStringLiteral("01.03.2008"));
    w.findChild<QCheckBox *>(QStringLiteral("chk_oncekibakiye"))->setChecked(isaretli);
    QVERIFY(w.listele());
    QCOMPARE(w.satirSayisi(), 1);
    QCOMPARE(kutu(w, "edt_tborc"), QStringLiteral("50,00"));
    QCOMPARE(kutu(w, "edt_talacak"), QStringLiteral("0"));
    QCOMPARE(kutu(w, "edt_bakiye"), QStringLiteral("50,00"));
    QCOMPARE(w.findChild<QLabel *>(QStringLiteral("lbl_taraf"))->text(), QStringLiteral("Borc"));
    const auto &o = Tfrm_carihareketrapor::onceki();
    QCOMPARE(o.borcMetni, QStringLiteral("100,00"));
    QCOMPARE(o.alacakMetni, QStringLiteral("30,00"));
    QCOMPARE(o.bakiyeMetni, QStringLiteral("70,00"));
    QCOMPARE(o.kumulatif.borc, 150.0);
    QCOMPARE(o.kumulatif.alacak, 30.0);

    QTemporaryDir d;
    const QString pdf = d.filePath(QStringLiteral("bakiyeli.pdf"));
    Rapor::onizlemeYerine = [&](Rapor &r, QWidget *) { QVERIFY(r.pdfYaz(pdf)); };
    w.bakiyeliRapor();
    const QString metin = PdfAkisMetni(pdf);
    for (const QString &v : {QStringLiteral("01.03.2008"), QStringLiteral("100,00"), QStringLiteral("70,00"),
                             QStringLiteral("150,00"), QStringLiteral("120,00"), QStringLiteral("05.03.2008")})
        QVERIFY2(metin.contains(v), qPrintable(v + QStringLiteral(" yok: ") + metin));
    QVERIFY(!metin.contains(QStringLiteral("15.02.2008")));

    // The narrow statement opens with the balance before the first date.
    const QString dar = d.filePath(QStringLiteral("dar.pdf"));
    Rapor::onizlemeYerine = [&](Rapor &r, QWidget *) { QVERIFY(r.pdfYaz(dar)); };
    QVERIFY(w.ekstre(EkstreIstegi::Tur::Dar));
    const QString darMetin = PdfAkisMetni(dar);
    QVERIFY2(darMetin.contains(QStringLiteral("05.03.2008")), qPrintable(darMetin));
    if (isaretli)
        QVERIFY2(darMetin.contains(QStringLiteral("BAKIYE")), qPrintable(darMetin));
    for (const QString &v : {QStringLiteral("01.03.2008 Tarihinden Önceki Bakiye Bilgileri"), QStringLiteral("70,00")})
        QVERIFY2(darMetin.contains(v) == isaretli, qPrintable(v + QStringLiteral(": ") + darMetin));

    // Without a first date nothing lies before the list: no opening line,
    // ticked or not.
    yaz(w, "edt_tarihilk", QString());
    QVERIFY(w.listele());
    const QString tumu = d.filePath(QStringLiteral("dar_tumu.pdf"));
    Rapor::onizlemeYerine = [&](Rapor &r, QWidget *) { QVERIFY(r.pdfYaz(tumu)); };
    QVERIFY(w.ekstre(EkstreIstegi::Tur::Dar));
    const QString tumuMetin = PdfAkisMetni(tumu);
    QVERIFY2(tumuMetin.contains(QStringLiteral("15.02.2008")), qPrintable(tumuMetin));
    QVERIFY2(!tumuMetin.contains(QStringLiteral("Tarihinden Önceki")), qPrintable(tumuMetin));

    // An empty list shows zero totals.
    yaz(w, "edt_carikodilk", QStringLiteral("Z"));
    yaz(w, "edt_carikodson", QStringLiteral("Z"));
    QVERIFY(w.listele());
    QCOMPARE(w.satirSayisi(), 0);
    QCOMPARE(kutu(w, "edt_tborc"), QStringLiteral("0"));
    QCOMPARE(kutu(w, "edt_bakiye"), QStringLiteral("0"));
    QCOMPARE(w.findChild<QLabel *>(QStringLiteral("lbl_taraf"))->text(), QStringLiteral("Sıfır"));
    QCOMPARE(Tfrm_carihareketrapor::onceki().once.borc, 0.0);
    m.temizle();
    w.bakiyeliRapor();
    QCOMPARE(m.son(), QStringLiteral(
                          "Bu Raporu Almak İçin İşlem Tarihinin İlkine Başlangıc Tarihini Girmeniz Gerekmekte"));
}

void tst_carihareketraporekrani::bakiyeListesiVeKusurat()
{
    TEST_VT(vt);
    BetikMesaj m;
    const QDate g(2008, 2, 1);
    satir(QStringLiteral("A"), 1500.004, 0, g);
    satir(QStringLiteral("B"), 100, 100, g);
    satir(QStringLiteral("C"), 10.006, 0, g);
    Tfrm_carihareketrapor w;
    QTemporaryDir d;
    const QString pdf = d.filePath(QStringLiteral("liste.pdf"));
    Rapor::onizlemeYerine = [&](Rapor &r, QWidget *) { QVERIFY(r.pdfYaz(pdf)); };
    yaz(w, "edt_bakiyetutar", QStringLiteral("1000"));
    w.findChild<QComboBox *>(QStringLiteral("cmb_bakiyesecim"))->setCurrentText(QStringLiteral("K"));
    w.findChild<QCheckBox *>(QStringLiteral("chk_sifirolmayan"))->setChecked(true);
    w.bakiyeListesi(CariHareketRapor::Liste::BorcAlacak);
    QVERIFY2(m.hatalar.isEmpty(), qPrintable(m.hatalar.join(QLatin1Char('\n'))));
    const auto *ozel = w.findChild<QTableWidget *>(QStringLiteral("grd_ozelrapor"));
    QCOMPARE(ozel->rowCount(), 1);
    // Amounts in the money format, the count as it is.
    QCOMPARE(ozelHucreler(ozel, 0), (QStringList{"C", "1", "10,01", "0,00", "10,01"}));
    // Every column shows its whole heading.
    for (int k = 0; k < ozel->columnCount(); ++k)
        QVERIFY2(ozel->columnWidth(k) >= ozel->horizontalHeader()->sectionSizeHint(k),
                 qPrintable(ozel->horizontalHeaderItem(k)->text()));
    const QString metin = PdfAkisMetni(pdf);
    QVERIFY2(metin.contains(QStringLiteral("C HESABI")) && !metin.contains(QStringLiteral("B HESABI"))
                 && !metin.contains(QStringLiteral("A HESABI")),
             qPrintable(metin));

    // The list just shown goes to a spreadsheet as it is.
    TabloAktar::klasorAyarla(d.path());
    const auto eskiAcici = TabloAktar::aciciAyarla([](const QString &) { return true; });
    QAction *aktar = eylem(w, QStringLiteral("Özel Raporu Excele Aktar"));
    QVERIFY(aktar);
    aktar->trigger();
    TabloAktar::aciciAyarla(eskiAcici);
    TabloAktar::klasorAyarla(QString());
    const QStringList dosyalar = QDir(d.path()).entryList({QStringLiteral("*.xlsx")});
    QCOMPARE(dosyalar.size(), 1);
    TabloOkuyucu t;
    QString hata;
    QVERIFY2(t.ac(QDir(d.path()).filePath(dosyalar.first()), &hata), qPrintable(hata));
    QCOMPARE(t.satirSayisi(), 2);
    QCOMPARE(QStringList({t.hucre(1, 1), t.hucre(1, 2), t.hucre(2, 1), t.hucre(2, 2)}),
             QStringList({QStringLiteral("CARIKOD"), QStringLiteral("ACIKLAMA"), QStringLiteral("C"),
                          QStringLiteral("C HESABI")}));
    // A sum over thousands, grouped the Turkish way; a third decimal rounds.
    satir(QStringLiteral("D"), 14349697.035, 0, g);
    yaz(w, "edt_bakiyetutar", QString());
    w.findChild<QCheckBox *>(QStringLiteral("chk_sifirolmayan"))->setChecked(false);
    w.bakiyeListesi(CariHareketRapor::Liste::ParaBirimi);
    QCOMPARE(ozel->rowCount(), 1);
    QCOMPARE(ozelHucreler(ozel, 0), (QStringList{"", "4", "14.351.307,05", "100,00", "14.351.207,05"}));
    QVERIFY(Sorgu::calistir(QStringLiteral("delete from cari_hareket where carikod = 'D'")));

    QVERIFY(w.listele());
    const auto *grid = w.findChild<QTableView *>(QStringLiteral("grd_liste"));
    QVERIFY(grid);
    QCOMPARE(grid->model()->headerData(0, Qt::Horizontal).toString(), QStringLiteral("Islem tarihi"));
    QCOMPARE(grid->model()->rowCount(), 3);
    QCOMPARE(w.findChild<QLabel *>(QStringLiteral("lbl_kayitsayisi"))->text(), QStringLiteral("Kayıt Sayısı :3"));
    // A sort entry orders the data set the grid reads.
    w.findChild<QComboBox *>(QStringLiteral("cmb_sira"))->setCurrentText(QStringLiteral("Borc"));
    QVERIFY(w.listele());
    QCOMPARE(grid->model()->rowCount(), 3);
    const int borc = 6; // "BORC" among the grid's columns
    QCOMPARE(grid->model()->headerData(borc, Qt::Horizontal).toString(), QStringLiteral("BORC"));
    QCOMPARE(grid->model()->index(0, borc).data().toString(), QStringLiteral("10,01"));
    QCOMPARE(grid->model()->index(2, borc).data().toString(), QStringLiteral("1.500,00"));
    m.temizle();
    w.kusuratlariDuzelt();
    QCOMPARE(m.son(), QStringLiteral("2 kayıttaki kuruş artıkları düzeltildi."));
    QCOMPARE(kutu(w, "edt_tborc"), QStringLiteral("1.610,01"));
}

void tst_carihareketraporekrani::gunSaatliSatirlar()
{
    TEST_VT(vt);
    BetikMesaj m;
    const QDate g(2026, 6, 15);
    satir(QStringLiteral("A"), 10, 0, g);
    satir(QStringLiteral("A"), 20, 0, g.addDays(1));
    QVERIFY(Sorgu::calistir(QStringLiteral("update cari_hareket set islemtarihi = ? where borc = 10"),
                            {QDateTime(g, QTime(14, 30))}));
    Tfrm_carihareketrapor w;
    yaz(w, "edt_tarihilk", g.toString(QStringLiteral("dd.MM.yyyy")));
    yaz(w, "edt_tarihson", g.toString(QStringLiteral("dd.MM.yyyy")));
    QVERIFY(w.listele());
    QCOMPARE(w.satirSayisi(), 1);
    QCOMPARE(kutu(w, "edt_tborc"), QStringLiteral("10,00"));
}

// Amounts typed the Turkish way filter as numbers; a text that is no number
// is refused with the box's caption before any query.
void tst_carihareketraporekrani::tutarFiltreleri_data()
{
    QTest::addColumn<QString>("kutu");
    QTest::addColumn<QString>("secim");
    QTest::addColumn<QString>("metin");
    QTest::addColumn<QString>("secenek");
    QTest::addColumn<QStringList>("kodlar");
    QTest::addColumn<QString>("hata");
    QTest::newRow("borc esit virgullu") << "edt_borc" << "cmb_borcsecim" << "12,5" << "E" << QStringList{"A"} << "";
    QTest::newRow("borc buyuk virgullu") << "edt_borc" << "cmb_borcsecim" << "12,5" << "B" << QStringList{"C"} << "";
    QTest::newRow("borc binlikli") << "edt_borc" << "cmb_borcsecim" << "1.250,50" << "E" << QStringList{"C"} << "";
    QTest::newRow("borc noktali") << "edt_borc" << "cmb_borcsecim" << "12.5" << "K" << QStringList{"B"} << "";
    QTest::newRow("alacak virgullu") << "edt_alacak" << "cmb_alacaksecim" << "2,75" << "E" << QStringList{"B"} << "";
    QTest::newRow("bakiye binlikli") << "edt_bakiyetutar" << "cmb_bakiyesecim" << "1.000,5" << "B"
                                     << QStringList{"C"} << "";
    QTest::newRow("bakiye virgullu") << "edt_bakiyetutar" << "cmb_bakiyesecim" << "7,25" << "E"
                                     << QStringList{"B"} << "";
    QTest::newRow("borc yazi") << "edt_borc" << "cmb_borcsecim" << "on iki" << "E" << QStringList{}
                               << "Borc alanına sayı yazılmalıdır; \"on iki\" bir sayı değil.";
    QTest::newRow("alacak yazi") << "edt_alacak" << "cmb_alacaksecim" << "1,2,3" << "E" << QStringList{}
                                 << "Alacak alanına sayı yazılmalıdır; \"1,2,3\" bir sayı değil.";
    QTest::newRow("bakiye yazi") << "edt_bakiyetutar" << "cmb_bakiyesecim" << "x" << "B" << QStringList{}
                                 << "Bakiye alanına sayı yazılmalıdır; \"x\" bir sayı değil.";
}

void tst_carihareketraporekrani::tutarFiltreleri()
{
    QFETCH(QString, kutu);
    QFETCH(QString, secim);
    QFETCH(QString, metin);
    QFETCH(QString, secenek);
    QFETCH(QStringList, kodlar);
    QFETCH(QString, hata);
    TEST_VT(vt);
    BetikMesaj m;
    const QDate g(2008, 2, 1);
    satir(QStringLiteral("A"), 12.5, 0, g);
    satir(QStringLiteral("B"), 10, 2.75, g);
    satir(QStringLiteral("C"), 1250.5, 0, g);
    Rapor::onizlemeYerine = [](Rapor &, QWidget *) {};
    Tfrm_carihareketrapor w;
    yaz(w, qPrintable(kutu), metin);
    w.findChild<QComboBox *>(secim)->setCurrentText(secenek);
    const bool bakiye = kutu == QLatin1String("edt_bakiyetutar");
    QStringList bulunan;
    if (bakiye) {
        w.bakiyeListesi(CariHareketRapor::Liste::BorcAlacak);
        const auto *t = w.findChild<QTableWidget *>(QStringLiteral("grd_ozelrapor"));
        for (int r = 0; r < t->rowCount(); ++r)
            bulunan << t->item(r, 0)->text();
    } else {
        QCOMPARE(w.listele(), hata.isEmpty());
        const auto *grid = w.findChild<QTableView *>(QStringLiteral("grd_liste"));
        for (int r = 0; r < grid->model()->rowCount(); ++r)
            bulunan << grid->model()->index(r, 3).data().toString();
    }
    bulunan.sort();
    QCOMPARE(bulunan, kodlar);
    QCOMPARE(m.mesajlar, hata.isEmpty() ? QStringList() : QStringList{hata});
    if (!hata.isEmpty())
        QVERIFY(w.listeSql().isEmpty()); // no list was asked of the database
}

// Totals of a list in two currencies: one labelled figure per currency.
void tst_carihareketraporekrani::paraBirimiToplamlari()
{
    TEST_VT(vt);
    BetikMesaj m;
    const QDate g(2008, 2, 1);
    for (const auto &[pb, borc, alacak] : {std::tuple{"YTL", 1000.0, 0.0}, std::tuple{"YTL", 234.5, 0.0},
                                           std::tuple{"USD", 20.0, 0.0}, std::tuple{"USD", 0.0, 30.0}}) {
        CariTest::Hareket h;
        h.kod = QStringLiteral("A");
        h.unvan = QStringLiteral("A HESABI");
        h.borc = borc;
        h.alacak = alacak;
        h.tarih = h.vade = g;
        h.paraBirimi = QLatin1String(pb);
        QVERIFY(CariTest::hareketEkle(h));
    }
    Tfrm_carihareketrapor w;
    QVERIFY(w.listele());
    QCOMPARE(kutu(w, "edt_tborc"), QStringLiteral("USD: 20,00  YTL: 1.234,50"));
    QCOMPARE(kutu(w, "edt_talacak"), QStringLiteral("USD: 30,00  YTL: 0"));
    QCOMPARE(kutu(w, "edt_bakiye"), QStringLiteral("USD: 10,00  YTL: 1.234,50"));
    QCOMPARE(w.findChild<QLabel *>(QStringLiteral("lbl_taraf"))->text(), QStringLiteral("USD: Alacak  YTL: Borc"));
    // One currency chosen: the plain figures again.
    w.findChild<QComboBox *>(QStringLiteral("cmb_parabirimi"))->setCurrentText(QStringLiteral("YTL"));
    QVERIFY(w.listele());
    QCOMPARE(kutu(w, "edt_tborc"), QStringLiteral("1.234,50"));
    QCOMPARE(kutu(w, "edt_bakiye"), QStringLiteral("1.234,50"));
    QCOMPARE(w.findChild<QLabel *>(QStringLiteral("lbl_taraf"))->text(), QStringLiteral("Borc"));
    QVERIFY(m.mesajlar.isEmpty());
}

// Enter in a filter box never opens a lookup: no button is a default one.
void tst_carihareketraporekrani::enterAramaAcmaz_data()
{
    QTest::addColumn<QString>("ad");
    QTest::newRow("siralama") << "cmb_sira";
    QTest::newRow("onceki bakiye kutusu") << "chk_oncekibakiye";
    QTest::newRow("islem turu") << "cmb_islemturu";
}

void tst_carihareketraporekrani::enterAramaAcmaz()
{
    QFETCH(QString, ad);
    TEST_VT(vt);
    BetikMesaj m;
    Tfrm_carihareketrapor w;
    w.show();
    QVERIFY(QTest::qWaitForWindowExposed(&w));
    int acilan = 0;
    QTimer zaman;
    zaman.setInterval(10);
    connect(&zaman, &QTimer::timeout, [&] {
        if (auto *d = qobject_cast<QDialog *>(QApplication::activeModalWidget()); d && d != &w) {
            ++acilan;
            d->reject();
        }
    });
    zaman.start();
    QWidget *k = w.findChild<QWidget *>(ad);
    QVERIFY(k);
    k->setFocus();
    for (const int tus : {Qt::Key_Return, Qt::Key_Enter})
        QTest::keyClick(k, Qt::Key(tus));
    QCOMPARE(acilan, 0);
    QVERIFY(w.isVisible());
    QCOMPARE(kutu(w, "edt_carikodilk"), QString());
    for (const QPushButton *b : w.findChildren<QPushButton *>())
        QVERIFY2(!b->isDefault() && !b->autoDefault(), qPrintable(b->objectName()));
}

QTEST_MAIN(tst_carihareketraporekrani)
#include "tst_carihareketraporekrani.moc"
