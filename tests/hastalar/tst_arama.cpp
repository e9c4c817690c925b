// The lookup dialogs: prefix and contains search, exact-match focus jump,
// confirm / cancel, hand-over inputs, the multi-row transfer, and search
// texts that must never reach the database as SQL.
#include "app/oturum.h"
#include "db/sorgu.h"
#include "db/veriseti.h"
#include "destek/betikmesaj.h"
#include "destek/testvt.h"
#include "app/aramapenceresi.h"
#include "db/sema.h"
#include "db/sqltext.h"

#include <QCheckBox>
#include <QComboBox>
#include <QLineEdit>
#include <QRegularExpression>
#include <QPushButton>
#include <QTableView>
#include <QTest>

namespace {

void hastaEkle(const QString &kod, const QString &ad, const QString &sirket = QStringLiteral("2007"),
               const QString &tarih = QStringLiteral("01.03.2024"))
{
    QVERIFY(Sorgu::calistir(QStringLiteral("insert into hastalar (kayitno, hastakodu, hastaadisoyadi, sirketkodu, "
                                           "kayittarihi) values (gen_id(OTOKOD_HASTALAR, 1), ?, ?, ?, ?)"),
                            {kod, ad, sirket, QDate::fromString(tarih, QStringLiteral("dd.MM.yyyy"))}));
}

QStringList adlar(AramaPenceresi &d, const QString &kolon = QStringLiteral("HASTAADISOYADI"))
{
    QStringList l;
    VeriSeti *vs = d.veriSeti();
    for (int i = 0; i < vs->kayitSayisi(); ++i)
        l << vs->satirDegeri(i, kolon).toString();
    return l;
}

void yaz(AramaPenceresi &d, const QString &metin)
{
    auto *e = d.findChild<QLineEdit *>(QStringLiteral("edt_ara"));
    e->setFocus();
    QTest::keyClicks(e, metin);
}

// Types text key by key, letters outside Latin-1 too, as a keyboard would.
void tusla(AramaPenceresi &d, const QString &metin)
{
    auto *e = d.findChild<QLineEdit *>(QStringLiteral("edt_ara"));
    e->setFocus();
    for (QChar c : metin)
        QTest::sendKeyEvent(QTest::Click, e, Qt::Key_unknown, QString(c), Qt::NoModifier);
}

// A row with one text column set (and the company, where the table has one).
bool satirEkle(const QString &tablo, const QString &kolon, const QString &deger)
{
    const Tablo *t = TabloBul(tablo);
    if (!t)
        return false;
    static int no = 1000;
    ++no;
    return Sorgu::calistir(QStringLiteral("insert into %1 (%2, %3%4) values (?, ?%5)")
                               .arg(t->ad, t->anahtar, kolon, t->sirketli ? QStringLiteral(", SIRKETKODU") : QString(),
                                    t->sirketli ? QStringLiteral(", '2007'") : QString()),
                           {no, deger});
}

// The stored names the folded searches of the patient lookup run over.
const QStringList KATLAMA_ADLARI = {"O'NEIL", "O'NEİL", "IŞIK", "İŞIK", "ISIK", "KILIÇ", "ALİ", "ALI",
                                    "100% SAĞLIK", "A_I", "AXI", "YILDIZ", "MEHMET"};

} // namespace

class tst_arama : public QObject
{
    Q_OBJECT
private slots:
    void tumPencerelerAcilir_data();
    void tumPencerelerAcilir();
    void basiVeIcinde();
    void tamEslesmeVeOnay();
    void iptal();
    void tehlikeliKarakterler_data();
    void tehlikeliKarakterler();
    void hastaGirdileri();
    void personelAcilisi();
    void tetkikAktarimi();
    void bosListeOnayi();
    void tarihVeSayiKolonlari();
    void muayeneNumarasiyla();
    void katlama_data();
    void katlama();
    void katliTamEslesme();
    void katlamaPencereler_data();
    void katlamaPencereler();
    void katliIndeksKullanilir_data();
    void katliIndeksKullanilir();
    void katlamaYardimcilari_data();
    void katlamaYardimcilari();
};

void tst_arama::tumPencerelerAcilir_data()
{
    QTest::addColumn<QString>("ad");
    for (const QString &a : AramaPencereleri())
        QTest::newRow(qPrintable(a)) << a;
    QVERIFY(AramaPencereleri().size() == 11);
}

void tst_arama::tumPencerelerAcilir()
{
    // Every dialog of the table opens and searches every one of its columns
    // (text, number and date columns alike) without a database error.
    QFETCH(QString, ad);
    TEST_VT(vt);
    BetikMesaj m;
    AramaPenceresi d(ad);
    QCOMPARE(d.objectName(), ad);
    QVERIFY(!d.windowTitle().isEmpty());
    QVERIFY(d.veriSeti()->acikMi());
    auto *kolon = d.findChild<QComboBox *>(QStringLiteral("cbx_aranacak"));
    QVERIFY(kolon->count() > 0);
    QCOMPARE(kolon->isEditable(), false);
    auto *ara = d.findChild<QLineEdit *>(QStringLiteral("edt_ara"));
    for (int i = 0; i < kolon->count(); ++i) {
        kolon->setCurrentIndex(i);
        ara->setText(QStringLiteral("1"));
        QVERIFY2(d.veriSeti()->acikMi(), qPrintable(kolon->itemText(i)));
        if (auto *c = d.findChild<QCheckBox *>(QStringLiteral("CheckBox2"))) {
            c->setChecked(true);
            c->setChecked(false);
        }
        ara->clear();
    }
    QVERIFY2(m.hatalar.isEmpty(), qPrintable(m.hatalar.join(QLatin1Char('\n'))));
}

void tst_arama::basiVeIcinde()
{
    TEST_VT(vt);
    BetikMesaj m;
    hastaEkle(QStringLiteral("1"), QStringLiteral("AHMET YILMAZ"));
    hastaEkle(QStringLiteral("2"), QStringLiteral("MEHMET AHMETOĞLU"));
    hastaEkle(QStringLiteral("3"), QStringLiteral("AHU KAYA"));
    hastaEkle(QStringLiteral("4"), QStringLiteral("AHMET BAŞKA"), QStringLiteral("2008"));
    AramaPenceresi d(QStringLiteral("frm_hastaarama"));
    d.show();
    QCOMPARE(adlar(d), (QStringList{QStringLiteral("AHMET YILMAZ"), QStringLiteral("AHU KAYA"),
                                    QStringLiteral("MEHMET AHMETOĞLU")}));
    auto *icinde = d.findChild<QCheckBox *>(QStringLiteral("CheckBox2"));
    QCOMPARE(icinde->text(), QStringLiteral("İçindeki Kelimeyi Ara"));
    QVERIFY(!icinde->isChecked());
    yaz(d, QStringLiteral("ah")); // typed letters become upper case
    QCOMPARE(d.findChild<QLineEdit *>(QStringLiteral("edt_ara"))->text(), QStringLiteral("AH"));
    QCOMPARE(adlar(d), (QStringList{QStringLiteral("AHMET YILMAZ"), QStringLiteral("AHU KAYA")}));
    icinde->setChecked(true);
    QCOMPARE(adlar(d), (QStringList{QStringLiteral("AHMET YILMAZ"), QStringLiteral("AHU KAYA"),
                                    QStringLiteral("MEHMET AHMETOĞLU")}));
    // Clearing the box keeps the last list.
    d.findChild<QLineEdit *>(QStringLiteral("edt_ara"))->clear();
    QCOMPARE(d.veriSeti()->kayitSayisi(), 3);
    // Another column.
    d.findChild<QComboBox *>(QStringLiteral("cbx_aranacak"))->setCurrentText(QStringLiteral("TCKIMLIKNO"));
    yaz(d, QStringLiteral("5"));
    QCOMPARE(d.veriSeti()->kayitSayisi(), 0);
    QVERIFY(m.mesajlar.isEmpty());
}

void tst_arama::tamEslesmeVeOnay()
{
    TEST_VT(vt);
    BetikMesaj m;
    hastaEkle(QStringLiteral("11"), QStringLiteral("ALİ"));
    hastaEkle(QStringLiteral("12"), QStringLiteral("ALİ VELİ"));
    AramaPenceresi d(QStringLiteral("frm_hastaarama"));
    d.show();
    QVERIFY(QTest::qWaitForWindowActive(&d));
    yaz(d, QStringLiteral("AL"));
    QCOMPARE(QApplication::focusWidget()->objectName(), QStringLiteral("edt_ara"));
    yaz(d, QStringLiteral("i"));
    // "ALİ" equals the first listed value: the focus jumps to the grid.
    QCOMPARE(QApplication::focusWidget()->objectName(), QStringLiteral("DBGrid5"));
    // The next key moves in the grid, Enter confirms.
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Down);
    QCOMPARE(d.veriSeti()->metin(QStringLiteral("HASTAKODU")), QStringLiteral("12"));
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Return);
    QCOMPARE(d.result(), int(QDialog::Accepted));
    const auto no = Sorgu::tekDeger(QStringLiteral("select kayitno from hastalar where hastakodu='12'"));
    QCOMPARE(d.sonuc(), no->toString());
    // The caller reads further columns of the confirmed row.
    QCOMPARE(d.metin(QStringLiteral("HASTAADISOYADI")), QStringLiteral("ALİ VELİ"));

    // A double-click confirms too.
    AramaPenceresi d2(QStringLiteral("frm_hastaarama"));
    d2.show();
    QVERIFY(QTest::qWaitForWindowExposed(&d2));
    auto *g = d2.findChild<QTableView *>(QStringLiteral("DBGrid5"));
    const QRect r = g->visualRect(g->model()->index(0, 1));
    QVERIFY(r.isValid());
    QTest::mouseClick(g->viewport(), Qt::LeftButton, {}, r.center());
    QTest::mouseDClick(g->viewport(), Qt::LeftButton, {}, r.center());
    QCOMPARE(d2.result(), int(QDialog::Accepted));
    QCOMPARE(d2.sonuc(), Sorgu::tekDeger(QStringLiteral("select kayitno from hastalar where hastakodu='11'"))
                             ->toString());
}

void tst_arama::iptal()
{
    TEST_VT(vt);
    BetikMesaj m;
    hastaEkle(QStringLiteral("1"), QStringLiteral("ALİ"));
    {
        AramaPenceresi d(QStringLiteral("frm_hastaarama"));
        d.show();
        QVERIFY(QTest::qWaitForWindowActive(&d));
        QTest::keyClick(d.findChild<QLineEdit *>(QStringLiteral("edt_ara")), Qt::Key_Escape);
        QCOMPARE(d.sonuc(), QStringLiteral("-1"));
        QCOMPARE(d.result(), int(QDialog::Rejected));
    }
    {
        AramaPenceresi d(QStringLiteral("frm_doktorarama"));
        d.show();
        d.findChild<QPushButton *>(QStringLiteral("btn_hayir"))->click();
        QCOMPARE(d.sonuc(), QStringLiteral("-1"));
    }
    {
        AramaPenceresi d(QStringLiteral("frm_hastaarama"));
        d.show();
        d.close(); // the close box
        QCOMPARE(d.sonuc(), QStringLiteral("-1"));
    }
}

void tst_arama::tehlikeliKarakterler_data()
{
    QTest::addColumn<QString>("metin");
    QTest::addColumn<bool>("icinde");
    QTest::addColumn<QStringList>("beklenen");
    const QStringList hic;
    QTest::newRow("cift tirnak") << QStringLiteral("\"") << true << hic;
    QTest::newRow("tek tirnak") << QStringLiteral("O'N") << false << QStringList{QStringLiteral("O'NEIL")};
    QTest::newRow("yalniz tirnak") << QStringLiteral("'") << true << QStringList{QStringLiteral("O'NEIL")};
    QTest::newRow("yuzde") << QStringLiteral("%") << true << QStringList{QStringLiteral("100% SAĞLIK")};
    QTest::newRow("yuzde basta") << QStringLiteral("%") << false << hic;
    QTest::newRow("alt cizgi") << QStringLiteral("A_I") << true << hic;
    QTest::newRow("noktali virgul") << QStringLiteral("; drop table hastalar") << true << hic;
    QTest::newRow("unlem") << QStringLiteral("!") << true << hic;
    QTest::newRow("ters bolu") << QStringLiteral("\\") << false << hic;
    QTest::newRow("win1254 disi") << QStringLiteral("Ж") << true << hic;
    QTest::newRow("yorum") << QStringLiteral("A' or '1'='1") << true << hic;
}

void tst_arama::tehlikeliKarakterler()
{
    QFETCH(QString, metin);
    QFETCH(bool, icinde);
    QFETCH(QStringList, beklenen);
    TEST_VT(vt);
    BetikMesaj m;
    hastaEkle(QStringLiteral("1"), QStringLiteral("O'NEIL"));
    hastaEkle(QStringLiteral("2"), QStringLiteral("100% SAĞLIK"));
    hastaEkle(QStringLiteral("3"), QStringLiteral("ALI"));
    AramaPenceresi d(QStringLiteral("frm_hastaarama"));
    d.findChild<QCheckBox *>(QStringLiteral("CheckBox2"))->setChecked(icinde);
    d.findChild<QLineEdit *>(QStringLiteral("edt_ara"))->setText(metin);
    QVERIFY2(m.hatalar.isEmpty(), qPrintable(m.hatalar.join(QLatin1Char('\n'))));
    QCOMPARE(adlar(d), beklenen);
    QCOMPARE(Sorgu::tekDeger(QStringLiteral("select count(*) from hastalar"))->toInt(), 3);
}

void tst_arama::hastaGirdileri()
{
    TEST_VT(vt);
    BetikMesaj m;
    hastaEkle(QStringLiteral("1"), QStringLiteral("ALİ"), QStringLiteral("2007"), QStringLiteral("01.03.2024"));
    hastaEkle(QStringLiteral("2"), QStringLiteral("ALİ"), QStringLiteral("2007"), QStringLiteral("02.03.2024"));
    hastaEkle(QStringLiteral("3"), QStringLiteral("ALİCAN"), QStringLiteral("2007"), QStringLiteral("01.03.2024"));
    {
        // The exact name applies to the opening list only.
        Aktarim.arama_hastaadi = QStringLiteral("ALİ");
        AramaPenceresi d(QStringLiteral("frm_hastaarama"));
        QCOMPARE(adlar(d), (QStringList{QStringLiteral("ALİ"), QStringLiteral("ALİ")}));
        d.findChild<QLineEdit *>(QStringLiteral("edt_ara"))->setText(QStringLiteral("AL"));
        QCOMPARE(d.veriSeti()->kayitSayisi(), 3);
        d.show();
        d.reject();
        QCOMPARE(Aktarim.arama_hastaadi, QString());
    }
    {
        // The registration date applies to the opening list and every search.
        Aktarim.arama_kayittarihi = QStringLiteral("01.03.2024");
        AramaPenceresi d(QStringLiteral("frm_hastaarama"));
        QCOMPARE(adlar(d, QStringLiteral("HASTAKODU")), (QStringList{QStringLiteral("1"), QStringLiteral("3")}));
        d.findChild<QLineEdit *>(QStringLiteral("edt_ara"))->setText(QStringLiteral("ALİ"));
        QCOMPARE(adlar(d, QStringLiteral("HASTAKODU")), (QStringList{QStringLiteral("1"), QStringLiteral("3")}));
        d.show();
        d.accept();
        QCOMPARE(Aktarim.arama_kayittarihi, QString());
    }
    QVERIFY(m.hatalar.isEmpty());
}

void tst_arama::personelAcilisi()
{
    TEST_VT(vt);
    BetikMesaj m;
    // Staff whose "working" field was never filled in are not former staff.
    for (auto [kod, ad, calisiyor] : {std::tuple{"D1", "AYŞE", "EVET"}, std::tuple{"D2", "AYHAN", "HAYIR"},
                                      std::tuple{"D3", "AYDIN", ""}})
        QVERIFY(Sorgu::calistir(QStringLiteral("insert into doktorlar (kayitno, doktorkodu, doktoradisoyadi, "
                                               "calisiyormu, sirketkodu) values (gen_id(OTOKOD_DOKTORLAR, 1), ?, ?, "
                                               "?, '2007')"),
                                {QString::fromUtf8(kod), QString::fromUtf8(ad),
                                 *calisiyor ? QVariant(QString::fromUtf8(calisiyor)) : QVariant(QMetaType::fromType<QString>())}));
    AramaPenceresi d(QStringLiteral("frm_doktorarama"));
    QCOMPARE(adlar(d, QStringLiteral("DOKTORADISOYADI")), (QStringList{QStringLiteral("AYDIN"), QStringLiteral("AYŞE")}));
    d.findChild<QLineEdit *>(QStringLiteral("edt_ara"))->setText(QStringLiteral("AY"));
    QCOMPARE(adlar(d, QStringLiteral("DOKTORADISOYADI")),
             (QStringList{QStringLiteral("AYDIN"), QStringLiteral("AYHAN"), QStringLiteral("AYŞE")}));
    QCOMPARE(d.findChild<QTableView *>(QStringLiteral("DBGrid5"))->model()->headerData(1, Qt::Horizontal).toString(),
             QStringLiteral("PERSONEL ADI"));
}

void tst_arama::tetkikAktarimi()
{
    TEST_VT(vt);
    BetikMesaj m;
    struct T { int kod; const char *ad; const char *tur; double ucret; };
    for (const T &t : {T{101, "GLUKOZ", "BİYOKİMYA", 10}, T{102, "HEMOGRAM", "HEMATOLOJİ", 20},
                       T{103, "ÜRE", "BİYOKİMYA", 30}})
        QVERIFY(Sorgu::calistir(QStringLiteral("insert into laboratuvar (kayitno, tetkikkodu, tetkikadi, turu, ucreti, "
                                               "kod1) values (gen_id(OTOKOD_LABORATUVAR, 1), ?, ?, ?, ?, 7)"),
                                {t.kod, QString::fromUtf8(t.ad), QString::fromUtf8(t.tur), t.ucret}));
    QList<QVariantMap> aktarilan;
    const LabAktarimHedefi eski = LabAktarimHedefiKaydet(QStringLiteral("muayene"), [&](const QVariantMap &r) {
        aktarilan << r;
        return true;
    });
    Aktarim.lab_turu = QStringLiteral("BİYOKİMYA");
    Aktarim.lab_cagiran = QStringLiteral("muayene");
    AramaPenceresi d(QStringLiteral("frm_labarama"));
    d.show();
    QCOMPARE(adlar(d, QStringLiteral("TETKIKADI")), (QStringList{QStringLiteral("GLUKOZ"), QStringLiteral("ÜRE")}));
    d.findChild<QLineEdit *>(QStringLiteral("edt_ara"))->setText(QStringLiteral("H"));
    QCOMPARE(d.veriSeti()->kayitSayisi(), 0); // the group restriction holds in searches too
    d.findChild<QLineEdit *>(QStringLiteral("edt_ara"))->setText(QString());
    d.findChild<QComboBox *>(QStringLiteral("cbx_aranacak"))->setCurrentText(QStringLiteral("UCRETI"));
    d.findChild<QLineEdit *>(QStringLiteral("edt_ara"))->setText(QStringLiteral("%"));
    QCOMPARE(d.veriSeti()->kayitSayisi(), 0); // a number column searched by its text form
    // Re-open the list: choose both rows, the second one first.
    AramaPenceresi d2(QStringLiteral("frm_labarama"));
    Aktarim.lab_cagiran = QStringLiteral("muayene");
    d2.show();
    auto *g = d2.findChild<QTableView *>(QStringLiteral("DBGrid5"));
    QCOMPARE(g->selectionMode(), QAbstractItemView::ExtendedSelection);
    g->selectionModel()->clearSelection();
    QCOMPARE(g->model()->rowCount(), 2); // the group restriction is still handed over
    g->selectionModel()->select(g->model()->index(1, 0), QItemSelectionModel::Select | QItemSelectionModel::Rows);
    g->selectionModel()->select(g->model()->index(0, 0), QItemSelectionModel::Select | QItemSelectionModel::Rows);
    auto *aktar = d2.findChild<QPushButton *>(QStringLiteral("btn_aktar"));
    QCOMPARE(aktar->text(), QStringLiteral("Secilenleri Aktar"));
    aktar->click();
    QCOMPARE(aktarilan.size(), 2);
    QCOMPARE(aktarilan[0].value(QStringLiteral("TETKIKADI")).toString(), QStringLiteral("ÜRE"));
    QCOMPARE(aktarilan[1].value(QStringLiteral("TETKIKADI")).toString(), QStringLiteral("GLUKOZ"));
    QCOMPARE(aktarilan[1].value(QStringLiteral("UCRETI")).toDouble(), 10.0);
    QCOMPARE(aktarilan[1].value(QStringLiteral("KOD1")).toDouble(), 7.0);
    QCOMPARE(Aktarim.lab_cagiran, QString());
    QVERIFY(d2.isVisible()); // the dialog stays open
    // Without a caller nothing is transferred.
    aktar->click();
    QCOMPARE(aktarilan.size(), 2);
    d2.reject();
    d.reject();
    QCOMPARE(Aktarim.lab_turu, QString());
    LabAktarimHedefiKaydet(QStringLiteral("muayene"), eski);
    QVERIFY(m.hatalar.isEmpty());
}

void tst_arama::bosListeOnayi()
{
    TEST_VT(vt);
    BetikMesaj m;
    AramaPenceresi d(QStringLiteral("frm_taniarama"));
    d.show();
    QVERIFY(d.veriSeti()->bosMu());
    d.accept();
    QCOMPARE(d.sonuc(), QStringLiteral("-1"));
}

void tst_arama::tarihVeSayiKolonlari()
{
    // Dates are searched in the form the user reads them, numbers by their digits.
    TEST_VT(vt);
    BetikMesaj m;
    QVERIFY(Sorgu::calistir(QStringLiteral("insert into randevu (kayitno, hastaadisoyadi, randevutarihi, sirketkodu) "
                                           "values (gen_id(OTOKOD_RANDEVU, 1), 'ALİ', ?, '2007')"),
                            {QDateTime(QDate(2024, 3, 5), QTime(0, 0))}));
    QVERIFY(Sorgu::calistir(QStringLiteral("insert into randevu (kayitno, hastaadisoyadi, randevutarihi, sirketkodu) "
                                           "values (gen_id(OTOKOD_RANDEVU, 1), 'VELİ', ?, '2007')"),
                            {QDateTime(QDate(2024, 11, 5), QTime(0, 0))}));
    AramaPenceresi d(QStringLiteral("frm_randevuarama"));
    QCOMPARE(d.findChild<QComboBox *>(QStringLiteral("cbx_aranacak"))->currentText(), QStringLiteral("hastaadisoyadi"));
    d.findChild<QComboBox *>(QStringLiteral("cbx_aranacak"))->setCurrentText(QStringLiteral("randevutarihi"));
    d.findChild<QLineEdit *>(QStringLiteral("edt_ara"))->setText(QStringLiteral("05.03"));
    QCOMPARE(adlar(d), QStringList{QStringLiteral("ALİ")});
    d.findChild<QLineEdit *>(QStringLiteral("edt_ara"))->setText(QStringLiteral("05.11.2024"));
    QCOMPARE(adlar(d), QStringList{QStringLiteral("VELİ")});
    d.findChild<QComboBox *>(QStringLiteral("cbx_aranacak"))->setCurrentText(QStringLiteral("kayitno"));
    const QString no = Sorgu::tekDeger(QStringLiteral("select kayitno from randevu where hastaadisoyadi='ALİ'"))
                           ->toString();
    d.findChild<QLineEdit *>(QStringLiteral("edt_ara"))->setText(no);
    QVERIFY(adlar(d).contains(QStringLiteral("ALİ")));
    QVERIFY(m.hatalar.isEmpty());
}

// The examination lookup finds an examination by its number, also as the
// ledger writes it ("M-82"): exactly that one, not 8 or 820.
void tst_arama::muayeneNumarasiyla()
{
    TEST_VT(vt);
    BetikMesaj m;
    for (int no : {8, 82, 820})
        QVERIFY(Sorgu::calistir(QStringLiteral("insert into muayene (kayitno, hastaadisoyadi, sirketkodu) values (?, ?, "
                                               "'2007')"),
                                {no, QStringLiteral("HASTA %1").arg(no)}));
    AramaPenceresi d(QStringLiteral("frm_muayenearama"));
    auto *kolon = d.findChild<QComboBox *>(QStringLiteral("cbx_aranacak"));
    QVERIFY(kolon->findText(QStringLiteral("KAYITNO")) >= 0);
    kolon->setCurrentText(QStringLiteral("KAYITNO"));
    auto *ara = d.findChild<QLineEdit *>(QStringLiteral("edt_ara"));
    const struct { const char *metin; const char *bulunan; } durumlar[] = {
        {"M-82", "HASTA 82"}, {"m-820", "HASTA 820"}, {"8", "HASTA 8"}, {"M-", nullptr}, {"M-8x", nullptr}};
    for (const auto &x : durumlar) {
        ara->setText(QString::fromUtf8(x.metin));
        QCOMPARE(d.veriSeti()->kesinKayitSayisi(), x.bulunan ? 1 : 0);
        if (x.bulunan)
            QCOMPARE(d.veriSeti()->metin(QStringLiteral("HASTAADISOYADI")), QString::fromUtf8(x.bulunan));
    }
    QVERIFY2(m.mesajlar.isEmpty(), qPrintable(m.mesajlar.join('\n')));
}

void tst_arama::katlama_data()
{
    // Typed key by key into the patient lookup, which upper-cases as typed
    // (i -> İ, ı -> I): I, İ, ı and i still find one another; other letters
    // keep their own (ISIK is not IŞIK).
    QTest::addColumn<QString>("yazilan");
    QTest::addColumn<bool>("icinde");
    QTest::addColumn<QString>("kutuda");
    QTest::addColumn<QStringList>("beklenen");
    const QStringList oneil{"O'NEIL", "O'NEİL"}, isik{"IŞIK", "İŞIK"};
    QTest::newRow("o'neil") << "o'neil" << false << "O'NEİL" << oneil;
    QTest::newRow("O'NEIL") << "O'NEIL" << false << "O'NEIL" << oneil;
    QTest::newRow("o'neıl") << "o'neıl" << false << "O'NEIL" << oneil;
    QTest::newRow("neil icinde") << "neil" << true << "NEİL" << oneil;
    QTest::newRow("o' basi, I yok") << "o'" << false << "O'" << oneil;
    QTest::newRow("'n icinde, I yok") << "'n" << true << "'N" << oneil;
    QTest::newRow("işık") << "işık" << false << "İŞIK" << isik;
    QTest::newRow("ışık icinde") << "ışık" << true << "IŞIK" << isik;
    QTest::newRow("ISIK yalniz ISIK") << "ISIK" << false << "ISIK" << QStringList{"ISIK"};
    QTest::newRow("isik yalniz ISIK") << "isik" << false << "İSİK" << QStringList{"ISIK"};
    QTest::newRow("ali") << "ali" << false << "ALİ" << QStringList{"ALI", "ALİ"};
    QTest::newRow("kılıç") << "kılıç" << false << "KILIÇ" << QStringList{"KILIÇ"};
    QTest::newRow("yıl icinde") << "yıl" << true << "YIL" << QStringList{"YILDIZ"};
    QTest::newRow("alt cizgi harfi harfine") << "a_i" << true << "A_İ" << QStringList{"A_I"};
    QTest::newRow("yuzde harfi harfine") << "% sağlık" << true << "% SAĞLIK" << QStringList{"100% SAĞLIK"};
    QTest::newRow("yuzde basta") << "%i" << false << "%İ" << QStringList();
    QTest::newRow("tirnak ve I") << "'neİ" << true << "'NEİ" << oneil;
    QTest::newRow("kacis isareti") << "!i" << true << "!İ" << QStringList();
    QTest::newRow("I yok, I'siz ad") << "meh" << false << "MEH" << QStringList{"MEHMET"};
}

void tst_arama::katlama()
{
    QFETCH(QString, yazilan);
    QFETCH(bool, icinde);
    QFETCH(QString, kutuda);
    QFETCH(QStringList, beklenen);
    TEST_VT(vt);
    BetikMesaj m;
    int kod = 0;
    for (const QString &ad : KATLAMA_ADLARI)
        hastaEkle(QString::number(++kod), ad);
    AramaPenceresi d(QStringLiteral("frm_hastaarama"));
    d.findChild<QCheckBox *>(QStringLiteral("CheckBox2"))->setChecked(icinde);
    d.show();
    tusla(d, yazilan);
    QCOMPARE(d.findChild<QLineEdit *>(QStringLiteral("edt_ara"))->text(), kutuda);
    QVERIFY2(m.hatalar.isEmpty(), qPrintable(m.hatalar.join(QLatin1Char('\n'))));
    QCOMPARE(adlar(d), beklenen);
}

void tst_arama::katliTamEslesme()
{
    // The typed "o'neil" (O'NEİL in the box) is the listed O'NEIL: the focus
    // jumps to the grid as for an exact match.
    TEST_VT(vt);
    BetikMesaj m;
    hastaEkle(QStringLiteral("1"), QStringLiteral("O'NEIL"));
    hastaEkle(QStringLiteral("2"), QStringLiteral("O'NEILL"));
    AramaPenceresi d(QStringLiteral("frm_hastaarama"));
    d.show();
    QVERIFY(QTest::qWaitForWindowActive(&d));
    tusla(d, QStringLiteral("o'nei"));
    QCOMPARE(QApplication::focusWidget()->objectName(), QStringLiteral("edt_ara"));
    tusla(d, QStringLiteral("l"));
    QCOMPARE(d.findChild<QLineEdit *>(QStringLiteral("edt_ara"))->text(), QStringLiteral("O'NEİL"));
    QCOMPARE(QApplication::focusWidget()->objectName(), QStringLiteral("DBGrid5"));
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Return);
    QCOMPARE(d.result(), int(QDialog::Accepted));
    QCOMPARE(d.metin(QStringLiteral("HASTAKODU")), QStringLiteral("1"));
}

void tst_arama::katlamaPencereler_data()
{
    // Other lookups, with and without a folded index on the column, with and
    // without upper-casing; the text is set as a whole.
    QTest::addColumn<QString>("pencere");
    QTest::addColumn<QString>("tablo");
    QTest::addColumn<QString>("kolon");
    QTest::addColumn<QString>("metin");
    QTest::addColumn<bool>("icinde");
    QTest::addColumn<QStringList>("beklenen");
    const QStringList ismail{"ISMAIL", "ISMAİL", "İSMAİL"};
    QTest::newRow("personel, katli indeks yok") << "frm_doktorarama" << "DOKTORLAR" << "DOKTORADISOYADI" << "İSMAİL"
                                                << false << ismail;
    QTest::newRow("personel icinde") << "frm_doktorarama" << "DOKTORLAR" << "DOKTORADISOYADI" << "SMAıL" << true
                                     << ismail;
    QTest::newRow("randevu, kucuk harfli kolon adi") << "frm_randevuarama" << "RANDEVU" << "hastaadisoyadi"
                                                     << "ısmaİl" << false << QStringList{"ismail"};
    QTest::newRow("randevu") << "frm_randevuarama" << "RANDEVU" << "hastaadisoyadi" << "ISMAİL" << false << ismail;
    QTest::newRow("muayene") << "frm_muayenearama" << "MUAYENE" << "HASTAADISOYADI" << "İSMAIL" << false << ismail;
    QTest::newRow("goz") << "frm_gozmuayenearama" << "GOZHASTALIKLARI" << "HASTAADISOYADI" << "ismaıl" << false
                         << QStringList{"ismail"};
    QTest::newRow("goz icinde") << "frm_gozmuayenearama" << "GOZHASTALIKLARI" << "HASTAADISOYADI" << "MAİL" << true
                                << ismail;
    QTest::newRow("laboratuvar kaydi") << "frm_muayene_labarama" << "MUAYENE_LAB" << "HASTAADISOYADI" << "İSM"
                                       << false << QStringList{"ISMAIL", "ISMAL", "ISMAİL", "İSMAİL", "İSMET"};
    QTest::newRow("tani") << "frm_taniarama" << "TANILAR" << "TANI" << "ISMAİL" << false << ismail;
    QTest::newRow("cari unvan") << "frm_carihareket_ara" << "CARI_HAREKET" << "cariunvan" << "İSMAİL" << false
                                << ismail;
    QTest::newRow("islem, I yok") << "frm_islemarama" << "ISLEMLER" << "YAPILANISLEM" << "SMA" << true
                                  << QStringList{"ISMAIL", "ISMAL", "ISMAİL", "İSMAİL"};
}

void tst_arama::katlamaPencereler()
{
    QFETCH(QString, pencere);
    QFETCH(QString, tablo);
    QFETCH(QString, kolon);
    QFETCH(QString, metin);
    QFETCH(bool, icinde);
    QFETCH(QStringList, beklenen);
    TEST_VT(vt);
    BetikMesaj m;
    // Lower-case letters match only lower-case ones: the folding is about the I alone.
    for (const char *ad : {"ISMAIL", "İSMAİL", "ISMAİL", "ismail", "ISMAL", "İSMET"})
        QVERIFY(satirEkle(tablo, kolon.toUpper(), QString::fromUtf8(ad)));
    AramaPenceresi d(pencere);
    d.findChild<QComboBox *>(QStringLiteral("cbx_aranacak"))->setCurrentText(kolon);
    QCOMPARE(d.findChild<QComboBox *>(QStringLiteral("cbx_aranacak"))->currentText(), kolon);
    if (auto *c = d.findChild<QCheckBox *>(QStringLiteral("CheckBox2")))
        c->setChecked(icinde);
    else
        QVERIFY(!icinde);
    d.findChild<QLineEdit *>(QStringLiteral("edt_ara"))->setText(metin);
    QVERIFY2(m.hatalar.isEmpty(), qPrintable(m.hatalar.join(QLatin1Char('\n'))));
    QStringList bulunan = adlar(d, kolon.toUpper());
    bulunan.sort();
    QCOMPARE(bulunan, beklenen);
}

void tst_arama::katliIndeksKullanilir_data()
{
    // The optimizer's plan of the statement a search runs: a search that
    // begins with the text stays on an index, folded or not.
    QTest::addColumn<QString>("pencere");
    QTest::addColumn<QString>("kolon");
    QTest::addColumn<QString>("metin");
    QTest::addColumn<bool>("icinde");
    QTest::addColumn<QString>("indeks"); // empty: no folded index can serve it
    QTest::newRow("hasta, I ile") << "frm_hastaarama" << "HASTAADISOYADI" << "O'NEİL" << false << "HASTA_ADI_KATLI";
    QTest::newRow("hasta, I'siz") << "frm_hastaarama" << "HASTAADISOYADI" << "MEH" << false << "HASTA_ADI_KATLI";
    QTest::newRow("hasta, icinde") << "frm_hastaarama" << "HASTAADISOYADI" << "NEİL" << true << "";
    QTest::newRow("hasta, tc kimlik") << "frm_hastaarama" << "TCKIMLIKNO" << "123" << false << "HASTA_TCKIMLIKNO";
    QTest::newRow("randevu") << "frm_randevuarama" << "hastaadisoyadi" << "ALİ" << false << "RANDEVU_ADI_KATLI";
    QTest::newRow("randevu, hasta kodu") << "frm_randevuarama" << "hastakodu" << "12" << false << "RANDEVU_HASTAKODU";
    QTest::newRow("muayene") << "frm_muayenearama" << "HASTAADISOYADI" << "ALİ" << false << "MUAYENE_ADI_KATLI";
    QTest::newRow("goz") << "frm_gozmuayenearama" << "HASTAADISOYADI" << "ALİ" << false << "GOZ_ADI_KATLI";
    QTest::newRow("laboratuvar kaydi") << "frm_muayene_labarama" << "HASTAADISOYADI" << "ALİ" << false
                                       << "MLAB_ADI_KATLI";
    QTest::newRow("tani") << "frm_taniarama" << "TANI" << "DİYABET" << false << "TANI_TANI_KATLI";
    QTest::newRow("cari unvan") << "frm_carihareket_ara" << "cariunvan" << "İLAÇ" << false << "CARI_UNVAN_KATLI";
}

void tst_arama::katliIndeksKullanilir()
{
    QFETCH(QString, pencere);
    QFETCH(QString, kolon);
    QFETCH(QString, metin);
    QFETCH(bool, icinde);
    QFETCH(QString, indeks);
    TEST_VT(vt);
    BetikMesaj m;
    AramaPenceresi d(pencere);
    d.findChild<QComboBox *>(QStringLiteral("cbx_aranacak"))->setCurrentText(kolon);
    if (auto *c = d.findChild<QCheckBox *>(QStringLiteral("CheckBox2")))
        c->setChecked(icinde);
    const QString sql = d.aramaMetni(metin);
    QVERIFY(!sql.isEmpty());
    QString h;
    const auto plan = Sorgu::plan(sql, {}, &h);
    QVERIFY2(plan, qPrintable(h));
    if (indeks.isEmpty())
        QVERIFY2(!plan->contains(QLatin1String("_KATLI")), qPrintable(*plan)); // a contains search reads every row
    else
        QVERIFY2(plan->contains(QRegularExpression(QStringLiteral("INDEX \\([^)]*\\b%1\\b").arg(indeks))),
                 qPrintable(*plan + QStringLiteral("\n") + sql));
}

void tst_arama::katlamaYardimcilari_data()
{
    QTest::addColumn<QString>("metin");
    QTest::addColumn<QString>("katli");
    QTest::addColumn<bool>("iHarfi");
    QTest::newRow("dort harf") << "Iİıi" << "IIII" << true;
    QTest::newRow("yalniz I") << "I" << "I" << true;
    QTest::newRow("ad") << "O'NEİL" << "O'NEIL" << true;
    QTest::newRow("baska Turkce harfler") << "ŞşĞğÜüÖöÇç" << "ŞşĞğÜüÖöÇç" << false;
    QTest::newRow("bos") << "" << "" << false;
    QTest::newRow("isaretler") << "%_!'\"" << "%_!'\"" << false;
}

void tst_arama::katlamaYardimcilari()
{
    // The C++ folding of the typed text and the SQL folding of the column agree.
    QFETCH(QString, metin);
    QFETCH(QString, katli);
    QFETCH(bool, iHarfi);
    QCOMPARE(IKatla(metin), katli);
    QCOMPARE(IHarfiVar(metin), iHarfi);
    TEST_VT(vt);
    QString h;
    const auto s = Sorgu::tekDeger(QStringLiteral("select ") + SqlIKatla(SqlDizgi(metin)) + QStringLiteral(" from rdb$database"),
                                   {}, {}, &h);
    QVERIFY2(s, qPrintable(h));
    QCOMPARE(s->toString(), katli);
}

QTEST_MAIN(tst_arama)
#include "tst_arama.moc"
