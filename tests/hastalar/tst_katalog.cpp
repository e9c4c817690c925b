// The catalogue screens: navigator, new-row defaults, grid editing, delete,
// lookup, export.
#include "app/ekranlar.h"
#include "app/oturum.h"
#include "db/sorgu.h"
#include "db/tablomodeli.h"
#include "db/veriseti.h"
#include "destek/betikmesaj.h"
#include "destek/testvt.h"
#include "app/aramapenceresi.h"
#include "hastalar/katalog.h"
#include "raporlar/motor/tabloaktar.h"

#include <QAction>
#include <QComboBox>
#include <QDir>
#include <QLineEdit>
#include <QPushButton>
#include <QTableView>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>

namespace {

int sayi(const QString &sql)
{
    const auto v = Sorgu::tekDeger(sql);
    return v ? v->toInt() : -1;
}

std::unique_ptr<KatalogEkrani> ac(const QString &ad)
{
    std::unique_ptr<KatalogEkrani> e(qobject_cast<KatalogEkrani *>(EkranOlustur(ad, nullptr)));
    if (e) {
        e->show();
        // Focus-dependent steps check their own outcome; a window that does
        // not become active under the offscreen platform is no failure here.
        (void)QTest::qWaitForWindowActive(e.get());
    }
    return e;
}

void tikla(QWidget *e, const char *ad)
{
    auto *b = e->findChild<QPushButton *>(QLatin1String(ad));
    QVERIFY2(b, ad);
    b->click();
}

void yaz(QWidget *e, const char *ad, const QString &metin)
{
    QWidget *w = e->findChild<QWidget *>(QLatin1String(ad));
    QVERIFY2(w, ad);
    if (auto *c = qobject_cast<QComboBox *>(w))
        w = c->lineEdit();
    w->setFocus();
    for (QChar c : metin)
        QTest::sendKeyEvent(QTest::Click, w, Qt::Key_unknown, QString(c), Qt::NoModifier);
}

bool acici(const QString &) { return true; }

} // namespace

class tst_katalog : public QObject
{
    Q_OBJECT
private slots:
    void ekranlar_data();
    void ekranlar();
    void yeniSatirKodu_data();
    void yeniSatirKodu();
    void tanilarIzgara();
    void silmeVeArama();
    void dogrulamaYok();
    void hataliSayiEtiketle_data();
    void hataliSayiEtiketle();
    void exceleAktar();
};

void tst_katalog::ekranlar_data()
{
    QTest::addColumn<QString>("ad");
    QTest::addColumn<QString>("baslik");
    QTest::addColumn<bool>("kisayol");
    QTest::addColumn<bool>("excel");
    QTest::newRow("tanilar") << QStringLiteral("frm_tanilar") << QStringLiteral("TANILAR") << false << false;
    QTest::newRow("islemler") << QStringLiteral("frm_islemler") << QStringLiteral("İŞLEM LİSTESİ") << true << true;
    QTest::newRow("laboratuvarlar") << QStringLiteral("frm_laboratuvarlar")
                                    << QStringLiteral("TETKİK - RADYOLOJI ve YAPILAN İŞLEM LİSTESİ") << true << true;
    QTest::newRow("ek9") << QStringLiteral("frm_ek9") << QStringLiteral("EK 9 LİSTESİ") << true << true;
}

void tst_katalog::ekranlar()
{
    QFETCH(QString, ad);
    QFETCH(QString, baslik);
    QFETCH(bool, kisayol);
    QFETCH(bool, excel);
    TEST_VT(vt);
    BetikMesaj m;
    QVERIFY(EkranVar(ad));
    auto e = ac(ad);
    QVERIFY(e);
    QCOMPARE(e->windowTitle(), baslik);
    QVERIFY(e->veriSeti()->acikMi());
    QCOMPARE(e->findChild<QAction *>(QStringLiteral("Bul1"))->text(), QStringLiteral("Bul  "));
    QCOMPARE(e->findChild<QAction *>(QStringLiteral("Bul1"))->shortcut().isEmpty(), !kisayol);
    QCOMPARE(e->findChild<QAction *>(QStringLiteral("Kapat1"))->shortcut().isEmpty(), !kisayol);
    QCOMPARE(e->findChild<QAction *>(QStringLiteral("ExceleAktar1")) != nullptr, excel);
    for (const char *n : {"nav_ilk", "nav_onceki", "nav_sonraki", "nav_son", "nav_ekle", "nav_sil", "nav_duzenle",
                          "nav_kaydet", "nav_iptal", "nav_yenile"})
        QVERIFY2(e->findChild<QPushButton *>(QLatin1String(n)), n);
    QVERIFY(m.mesajlar.isEmpty());
}

void tst_katalog::yeniSatirKodu_data()
{
    QTest::addColumn<QString>("ad");
    QTest::addColumn<QString>("tablo");
    QTest::addColumn<QString>("kodKolonu");
    QTest::addColumn<QString>("adKutusu");
    QTest::newRow("islemler") << QStringLiteral("frm_islemler") << QStringLiteral("ISLEMLER")
                              << QStringLiteral("ISLEMKODU") << QStringLiteral("edt_yapilanislem");
    QTest::newRow("ek9") << QStringLiteral("frm_ek9") << QStringLiteral("EK9") << QStringLiteral("PAKETKODU")
                         << QStringLiteral("edt_islemadi");
}

void tst_katalog::yeniSatirKodu()
{
    QFETCH(QString, ad);
    QFETCH(QString, tablo);
    QFETCH(QString, kodKolonu);
    QFETCH(QString, adKutusu);
    TEST_VT(vt);
    BetikMesaj m;
    auto e = ac(ad);
    tikla(e.get(), "nav_ekle");
    VeriSeti *vs = e->veriSeti();
    QCOMPARE(vs->durum(), VeriSeti::Durum::Ekle);
    // The record number shows as code before anything is typed.
    QCOMPARE(vs->metin(kodKolonu), QString::number(vs->anahtar()));
    QCOMPARE(e->findChild<QLineEdit *>(QStringLiteral("edt_") + kodKolonu.toLower())->text(),
             QString::number(vs->anahtar()));
    QCOMPARE(vs->metin(QStringLiteral("SIRKETKODU")), QStringLiteral("2007"));
    QCOMPARE(QApplication::focusWidget()->objectName(), adKutusu);
    if (tablo == QLatin1String("ISLEMLER"))
        QCOMPARE(vs->metin(QStringLiteral("ISLEMTURU")), QStringLiteral("İŞLEMLER"));
    yaz(e.get(), qPrintable(adKutusu), QStringLiteral("Muayene"));
    tikla(e.get(), "nav_kaydet");
    QCOMPARE(sayi(QStringLiteral("select count(*) from %1 where %2 = '%3' and sirketkodu = '2007'")
                      .arg(tablo, kodKolonu)
                      .arg(vs->anahtar())),
             1);
    // A cancelled new row writes nothing.
    tikla(e.get(), "nav_ekle");
    yaz(e.get(), qPrintable(adKutusu), QStringLiteral("X"));
    tikla(e.get(), "nav_iptal");
    QCOMPARE(sayi(QStringLiteral("select count(*) from %1").arg(tablo)), 1);
    QVERIFY(m.mesajlar.isEmpty());
}

void tst_katalog::tanilarIzgara()
{
    TEST_VT(vt);
    BetikMesaj m;
    QVERIFY(Sorgu::calistir(QStringLiteral("insert into tanilar (kayitno, tani, tanituru) values "
                                           "(gen_id(AUTOINCTANILAR, 1), 'GRİP', 'A')")));
    QVERIFY(Sorgu::calistir(QStringLiteral("insert into tanilar (kayitno, tani, tanituru) values "
                                           "(gen_id(AUTOINCTANILAR, 1), 'NEZLE', 'B')")));
    auto e = ac(QStringLiteral("frm_tanilar"));
    QCOMPARE(e->veriSeti()->kayitSayisi(), 2);
    QCOMPARE(e->veriSeti()->metin(QStringLiteral("TANI")), QStringLiteral("GRİP")); // first row current
    TabloModeli *model = e->model();
    QCOMPARE(model->columnCount(), 3);
    QVERIFY(model->setData(model->index(0, 2), QStringLiteral("SOLUNUM")));
    tikla(e.get(), "nav_sonraki"); // moving posts
    QCOMPARE(sayi(QStringLiteral("select count(*) from tanilar where tanigrubu='SOLUNUM'")), 1);
    QCOMPARE(e->veriSeti()->metin(QStringLiteral("TANI")), QStringLiteral("NEZLE"));
    tikla(e.get(), "nav_ilk");
    QCOMPARE(e->veriSeti()->metin(QStringLiteral("TANI")), QStringLiteral("GRİP"));
    tikla(e.get(), "nav_son");
    QCOMPARE(e->veriSeti()->metin(QStringLiteral("TANI")), QStringLiteral("NEZLE"));
    tikla(e.get(), "nav_onceki");
    QCOMPARE(e->veriSeti()->metin(QStringLiteral("TANI")), QStringLiteral("GRİP"));
    // A new row through the grid.
    tikla(e.get(), "nav_ekle");
    const qint64 no = e->veriSeti()->anahtar();
    QVERIFY(model->setData(model->index(2, 0), QStringLiteral("ANJİN")));
    tikla(e.get(), "nav_kaydet");
    QCOMPARE(sayi(QStringLiteral("select count(*) from tanilar where tani='ANJİN' and kayitno=%1").arg(no)), 1);
    QVERIFY(m.mesajlar.isEmpty());
}

void tst_katalog::silmeVeArama()
{
    TEST_VT(vt);
    BetikMesaj m;
    for (const char *t : {"BAŞ AĞRISI", "BEL AĞRISI", "ÖKSÜRÜK"})
        QVERIFY(Sorgu::calistir(QStringLiteral("insert into tanilar (kayitno, tani) values (gen_id(AUTOINCTANILAR, 1), ?)"),
                                {QString::fromUtf8(t)}));
    auto e = ac(QStringLiteral("frm_tanilar"));
    // "Bul  " opens the diagnosis lookup and moves to the chosen row.
    QString baslik;
    QTimer::singleShot(0, [&] {
        auto *d = qobject_cast<QDialog *>(QApplication::activeModalWidget());
        if (!d)
            return;
        baslik = d->windowTitle();
        d->findChild<QLineEdit *>(QStringLiteral("edt_ara"))->setText(QStringLiteral("BEL"));
        d->accept();
    });
    e->findChild<QAction *>(QStringLiteral("Bul1"))->trigger();
    QCOMPARE(baslik, QStringLiteral("TANI ARAMA"));
    QCOMPARE(e->veriSeti()->metin(QStringLiteral("TANI")), QStringLiteral("BEL AĞRISI"));
    // Delete after the confirmation; the lookup no longer lists it.
    m.cevaplar.enqueue(false);
    tikla(e.get(), "nav_sil");
    QCOMPARE(sayi(QStringLiteral("select count(*) from tanilar")), 3);
    m.cevaplar.enqueue(true);
    tikla(e.get(), "nav_sil");
    QCOMPARE(m.sorular.size(), 2);
    QCOMPARE(sayi(QStringLiteral("select count(*) from tanilar")), 2);
    AramaPenceresi d(QStringLiteral("frm_taniarama"));
    QCOMPARE(d.veriSeti()->kayitSayisi(), 2);
    d.findChild<QLineEdit *>(QStringLiteral("edt_ara"))->setText(QStringLiteral("BEL"));
    QCOMPARE(d.veriSeti()->kayitSayisi(), 0);
}

void tst_katalog::dogrulamaYok()
{
    // No field is validated: an empty row of a test is stored.
    TEST_VT(vt);
    BetikMesaj m;
    auto e = ac(QStringLiteral("frm_laboratuvarlar"));
    tikla(e.get(), "nav_ekle");
    yaz(e.get(), "edt_turu", QStringLiteral("seroloji"));
    QCOMPARE(e->veriSeti()->metin(QStringLiteral("TURU")), QStringLiteral("SEROLOJİ"));
    tikla(e.get(), "nav_kaydet");
    QCOMPARE(sayi(QStringLiteral("select count(*) from laboratuvar where tetkikadi is null and turu='SEROLOJİ'")), 1);
    tikla(e.get(), "nav_ekle");
    tikla(e.get(), "nav_kaydet");
    QCOMPARE(sayi(QStringLiteral("select count(*) from laboratuvar")), 2);
    QVERIFY(m.mesajlar.isEmpty());
}

void tst_katalog::hataliSayiEtiketle_data()
{
    QTest::addColumn<QString>("ekran");
    QTest::addColumn<QString>("kutu");
    QTest::addColumn<QString>("etiket");
    QTest::addColumn<QString>("kolon");
    QTest::newRow("islem ucreti") << "frm_islemler" << "edt_ucreti" << "Ücreti" << "UCRETI";
    QTest::newRow("tetkik kodu") << "frm_laboratuvarlar" << "edt_tetkikkodu" << "Kodu" << "TETKIKKODU";
}

void tst_katalog::hataliSayiEtiketle()
{
    // Letters in a number box: the message names the box by its label on
    // the panel, the box keeps the focus, nothing is written.
    QFETCH(QString, ekran);
    QFETCH(QString, kutu);
    QFETCH(QString, etiket);
    QFETCH(QString, kolon);
    TEST_VT(vt);
    BetikMesaj m;
    auto e = ac(ekran);
    QVERIFY(e);
    tikla(e.get(), "nav_ekle");
    yaz(e.get(), kutu.toLatin1().constData(), QStringLiteral("ON İKİ"));
    e->findChild<QWidget *>(QStringLiteral("DBGrid1"))->setFocus();
    tikla(e.get(), "nav_kaydet");
    QCOMPARE(m.mesajlar.size(), 1);
    QVERIFY2(m.son().startsWith(etiket + QStringLiteral(" alanına")), qPrintable(m.son()));
    QVERIFY2(!m.son().contains(kolon), qPrintable(m.son()));
    QCOMPARE(QApplication::focusWidget()->objectName(), kutu);
    QCOMPARE(sayi(QStringLiteral("select count(*) from %1").arg(e->veriSeti()->tablo().ad)), 0);
}

void tst_katalog::exceleAktar()
{
    TEST_VT(vt);
    BetikMesaj m;
    QTemporaryDir klasor;
    TabloAktar::klasorAyarla(klasor.path());
    const TabloAktar::Acici eski = TabloAktar::aciciAyarla(&acici);
    QVERIFY(Sorgu::calistir(QStringLiteral("insert into ek9 (kayitno, paketkodu, islemadi, ucreti, sirketkodu) values "
                                           "(gen_id(OTOKOD_EK9, 1), 'P1', 'PAKET', 12.5, '2008')")));
    auto e = ac(QStringLiteral("frm_ek9"));
    QCOMPARE(e->veriSeti()->kayitSayisi(), 1); // every company's rows
    e->findChild<QAction *>(QStringLiteral("ExceleAktar1"))->trigger();
    const QStringList dosyalar = QDir(klasor.path()).entryList({QStringLiteral("*.xlsx")});
    QCOMPARE(dosyalar.size(), 1);
    QVERIFY(QFileInfo(QDir(klasor.path()).filePath(dosyalar.first())).size() > 0);
    TabloAktar::aciciAyarla(eski);
    TabloAktar::klasorAyarla(QString());
    QVERIFY(m.hatalar.isEmpty());
}

QTEST_MAIN(tst_katalog)
#include "tst_katalog.moc"
