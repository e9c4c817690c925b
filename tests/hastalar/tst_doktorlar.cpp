// Staff register: the light record screen, its validations and what it hands
// to the screens it opens.
#include "app/ekranlar.h"
#include "app/kayitekrani.h"
#include "app/oturum.h"
#include "db/sorgu.h"
#include "db/tablomodeli.h"
#include "db/veriseti.h"
#include "destek/betikmesaj.h"
#include "destek/testvt.h"
#include "hastalar/frm_doktorlar.h"

#include <QAction>
#include <QComboBox>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QTabWidget>
#include <QTableView>
#include <QTest>
#include <QTimer>
#include <QVBoxLayout>

namespace {

void doktorEkle(const QString &kod, const QString &ad, const QString &sirket = QStringLiteral("2007"))
{
    QVERIFY(Sorgu::calistir(QStringLiteral("insert into doktorlar (kayitno, doktorkodu, doktoradisoyadi, "
                                           "personelturu, calisiyormu, sirketkodu) values "
                                           "(gen_id(OTOKOD_DOKTORLAR, 1), ?, ?, 'DOKTOR', 'EVET', ?)"),
                            {kod, ad, sirket}));
}

int sayi(const QString &sql)
{
    const auto v = Sorgu::tekDeger(sql);
    return v ? v->toInt() : -1;
}

void yaz(QWidget *ekran, const char *ad, const QString &metin)
{
    QWidget *w = ekran->findChild<QWidget *>(QLatin1String(ad));
    QVERIFY2(w, ad);
    if (auto *c = qobject_cast<QComboBox *>(w))
        w = c->lineEdit();
    w->setFocus();
    for (QChar c : metin) // typed one key at a time, Turkish letters too
        QTest::sendKeyEvent(QTest::Click, w, Qt::Key_unknown, QString(c), Qt::NoModifier);
}

} // namespace

class tst_doktorlar : public QObject
{
    Q_OBJECT

    std::unique_ptr<Tfrm_doktorlar> ac()
    {
        std::unique_ptr<Tfrm_doktorlar> e(static_cast<Tfrm_doktorlar *>(EkranOlustur(QStringLiteral("frm_doktorlar"), nullptr)));
        e->show();
        if (!QTest::qWaitForWindowActive(e.get()))
            qWarning("pencere etkin olmadı");
        return e;
    }

private slots:
    void acilis();
    void yeniKayit();
    void dogrulamalar_data();
    void dogrulamalar();
    void hataliGirdiEtiketle_data();
    void hataliGirdiEtiketle();
    void izgaradaDuzenleme();
    void silme();
    void aktarimlar();
    void personelArama();
};

void tst_doktorlar::acilis()
{
    TEST_VT(vt);
    BetikMesaj m;
    // No rights are read on this screen: even without any rights row it works.
    QVERIFY(Sorgu::calistir(QStringLiteral("delete from kullanicilar")));
    doktorEkle(QStringLiteral("D1"), QStringLiteral("AYŞE"));
    doktorEkle(QStringLiteral("D2"), QStringLiteral("BURAK"));
    doktorEkle(QStringLiteral("D9"), QStringLiteral("BAŞKA"), QStringLiteral("2008"));
    auto e = ac();
    QCOMPARE(e->objectName(), QStringLiteral("frm_doktorlar"));
    QCOMPARE(e->windowTitle(), QStringLiteral("PERSONEL"));
    QCOMPARE(e->veriSeti()->kayitSayisi(), 2);
    QCOMPARE(e->veriSeti()->metin(QStringLiteral("DOKTORKODU")), QStringLiteral("D1")); // first row current
    QVERIFY(e->duzenlemeAlani()->isEnabled());
    QVERIFY(e->izgara()->isEnabled());
    QVERIFY(!e->findChild<QComboBox *>(QStringLiteral("cmb_hizlimenu")));
    QCOMPARE(e->findChild<QPushButton *>(QStringLiteral("btn_firmabul"))->toolTip(), QStringLiteral("Doktor Bul Ctrl+F"));
    QCOMPARE(e->findChild<QPushButton *>(QStringLiteral("btn_muayene"))->toolTip(),
             QStringLiteral("Muayeneleri Ctrl + M"));
    QCOMPARE(e->findChild<QAction *>(QStringLiteral("DoktorAra1"))->text(), QStringLiteral("Personel Ara"));
    QVERIFY(e->findChild<QAction *>(QStringLiteral("Deitir1"))->shortcut().isEmpty());
    // Change does nothing; the fields stay editable.
    e->findChild<QPushButton *>(QStringLiteral("btn_degistir"))->click();
    QVERIFY(e->duzenlemeAlani()->isEnabled());
    // Typing edits the row at once, Save writes it.
    yaz(e.get(), "edt_brans", QStringLiteral("KBB"));
    QCOMPARE(e->veriSeti()->durum(), VeriSeti::Durum::Duzenle);
    e->findChild<QPushButton *>(QStringLiteral("btn_kaydet"))->click();
    QCOMPARE(sayi(QStringLiteral("select count(*) from doktorlar where doktorkodu='D1' and brans='KBB'")), 1);
    QVERIFY(m.mesajlar.isEmpty());
}

void tst_doktorlar::yeniKayit()
{
    TEST_VT(vt);
    BetikMesaj m;
    doktorEkle(QStringLiteral("D1"), QStringLiteral("AYŞE"), QStringLiteral("2008"));
    auto e = ac();
    QTest::keyClick(e.get(), Qt::Key_F2);
    VeriSeti *vs = e->veriSeti();
    QCOMPARE(vs->durum(), VeriSeti::Durum::Ekle);
    QCOMPARE(vs->metin(QStringLiteral("SIRKETKODU")), QStringLiteral("2007"));
    for (const char *k : {"DOKTORPAYPARAM", "DOKTORPAYTUTARI", "LDOKTORPAYPARAM", "IDOKTORPAYPARAM", "MUAYENEUCRETI",
                          "MAASI"}) {
        QVERIFY2(!vs->deger(QLatin1String(k)).isNull(), k);
        QCOMPARE(vs->sayi(QLatin1String(k)), 0.0);
    }
    // The same code as another company's staff member is allowed.
    yaz(e.get(), "edt_doktorkodu", QStringLiteral("D1"));
    yaz(e.get(), "edt_doktoradi", QStringLiteral("zeynep"));
    yaz(e.get(), "cmb_gorevi", QStringLiteral("hemşire"));
    QTest::keyClick(e.get(), Qt::Key_F5);
    QVERIFY2(m.mesajlar.isEmpty(), qPrintable(m.mesajlar.join(QLatin1Char('|'))));
    QCOMPARE(vs->durum(), VeriSeti::Durum::Gozat);
    QCOMPARE(sayi(QStringLiteral("select count(*) from doktorlar where doktorkodu='D1' and sirketkodu='2007' "
                                 "and personelturu='HEMŞİRE' and doktoradisoyadi='zeynep' and maasi=0")),
             1);
}

void tst_doktorlar::dogrulamalar_data()
{
    QTest::addColumn<QString>("kod");
    QTest::addColumn<QString>("ad");
    QTest::addColumn<QString>("gorev");
    QTest::addColumn<QString>("mesaj");
    QTest::addColumn<QString>("odak");
    QTest::newRow("kod bos") << QString() << QStringLiteral("A") << QStringLiteral("EBE")
                             << QStringLiteral("Personel Kodu Boş Olamaz.Lütfen Bir Değer Giriniz")
                             << QStringLiteral("edt_doktorkodu");
    QTest::newRow("ad bos") << QStringLiteral("D5") << QString() << QStringLiteral("EBE")
                            << QStringLiteral("Personel Adı Boş Olamaz.Lütfen Bir Değer Giriniz")
                            << QStringLiteral("edt_doktoradi");
    QTest::newRow("gorev bos") << QStringLiteral("D5") << QStringLiteral("A") << QString()
                               << QStringLiteral("Görevi Boş Olamaz.Lütfen Bir Değer Giriniz")
                               << QStringLiteral("cmb_gorevi");
    QTest::newRow("ayni kod") << QStringLiteral("D1") << QStringLiteral("A") << QStringLiteral("EBE")
                              << QStringLiteral("Bu  Kod ile Kayıtlı Doktor Var. Lütfen Farklı Bir Doktor Kodu Kullanınız")
                              << QStringLiteral("edt_doktorkodu");
}

void tst_doktorlar::dogrulamalar()
{
    QFETCH(QString, kod);
    QFETCH(QString, ad);
    QFETCH(QString, gorev);
    QFETCH(QString, mesaj);
    QFETCH(QString, odak);
    TEST_VT(vt);
    BetikMesaj m;
    doktorEkle(QStringLiteral("D1"), QStringLiteral("AYŞE"));
    auto e = ac();
    e->findChild<QPushButton *>(QStringLiteral("btn_yeni"))->click();
    if (!kod.isEmpty())
        yaz(e.get(), "edt_doktorkodu", kod);
    if (!ad.isEmpty())
        yaz(e.get(), "edt_doktoradi", ad);
    if (!gorev.isEmpty())
        yaz(e.get(), "cmb_gorevi", gorev);
    e->findChild<QPushButton *>(QStringLiteral("btn_kaydet"))->click();
    QCOMPARE(m.mesajlar, QStringList{mesaj});
    QWidget *f = QApplication::focusWidget();
    if (f && qobject_cast<QComboBox *>(f->parentWidget()))
        f = f->parentWidget();
    QCOMPARE(f ? f->objectName() : QString(), odak);
    QCOMPARE(e->veriSeti()->durum(), VeriSeti::Durum::Ekle);
    QCOMPARE(sayi(QStringLiteral("select count(*) from doktorlar")), 1);
}

void tst_doktorlar::hataliGirdiEtiketle_data()
{
    QTest::addColumn<QString>("kutu");
    QTest::addColumn<QString>("metin");
    QTest::addColumn<QString>("etiket");
    QTest::addColumn<QString>("kolon");
    QTest::addColumn<int>("sekme"); // the tab of PageControl1 holding the box
    QTest::newRow("maas") << "edt_maasi" << "BİN" << "Maaşı" << "MAASI" << 1;
    QTest::newRow("muayene ucreti") << "edt_muayeneucreti" << "12a" << "Muayene Ücreti" << "MUAYENEUCRETI" << 1;
    QTest::newRow("dogum tarihi") << "edt_dogumtarihi" << "31021980" << "Doğum Tarihi" << "DOGUMTARIHI" << 0;
}

void tst_doktorlar::hataliGirdiEtiketle()
{
    // A bad value in a box on the tab that is not showing: one message
    // naming the box by its label, its tab comes forward with the focus in
    // it, nothing is written.
    QFETCH(QString, kutu);
    QFETCH(QString, metin);
    QFETCH(QString, etiket);
    QFETCH(QString, kolon);
    QFETCH(int, sekme);
    TEST_VT(vt);
    BetikMesaj m;
    doktorEkle(QStringLiteral("D1"), QStringLiteral("AYŞE"));
    auto e = ac();
    auto *sekmeler = e->findChild<QTabWidget *>(QStringLiteral("PageControl1"));
    QVERIFY(sekmeler);
    sekmeler->setCurrentIndex(sekme);
    auto *k = e->findChild<QLineEdit *>(kutu);
    k->setFocus();
    k->selectAll();
    QTest::keyClick(k, Qt::Key_Backspace);
    yaz(e.get(), kutu.toLatin1().constData(), metin);
    sekmeler->setCurrentIndex(1 - sekme);
    e->findChild<QWidget *>(QStringLiteral("DBGrid1"))->setFocus();
    e->findChild<QPushButton *>(QStringLiteral("btn_kaydet"))->click();
    QCOMPARE(m.mesajlar.size(), 1);
    QVERIFY2(m.son().startsWith(etiket + QStringLiteral(" alan")), qPrintable(m.son()));
    QVERIFY2(!m.son().contains(kolon), qPrintable(m.son()));
    QCOMPARE(sekmeler->currentIndex(), sekme);
    QCOMPARE(QApplication::focusWidget(), static_cast<QWidget *>(k));
    const auto yazilan = Sorgu::tekDeger(QStringLiteral("select %1 from doktorlar where doktorkodu = 'D1'").arg(kolon));
    QVERIFY(yazilan);
    QVERIFY(yazilan->isNull());
    QCOMPARE(sayi(QStringLiteral("select count(*) from doktorlar")), 1);
}

void tst_doktorlar::izgaradaDuzenleme()
{
    TEST_VT(vt);
    BetikMesaj m;
    doktorEkle(QStringLiteral("D1"), QStringLiteral("AYŞE"));
    doktorEkle(QStringLiteral("D2"), QStringLiteral("BURAK"));
    auto e = ac();
    TabloModeli *model = e->model();
    QCOMPARE(model->headerData(0, Qt::Horizontal).toString(), QStringLiteral("PERS. KODU"));
    const int brans = model->gorunenKolon(QStringLiteral("BRANS"));
    QVERIFY(model->flags(model->index(0, brans)) & Qt::ItemIsEditable);
    QVERIFY(model->setData(model->index(0, brans), QStringLiteral("GÖZ")));
    // Moving to another row posts the edit.
    e->izgara()->setCurrentIndex(model->index(1, 0));
    QCOMPARE(sayi(QStringLiteral("select count(*) from doktorlar where doktorkodu='D1' and brans='GÖZ'")), 1);
    // An edited row whose code now equals another's is not refused.
    QVERIFY(model->setData(model->index(1, 0), QStringLiteral("D1")));
    e->findChild<QPushButton *>(QStringLiteral("btn_kaydet"))->click();
    QCOMPARE(sayi(QStringLiteral("select count(*) from doktorlar where doktorkodu='D1'")), 2);
    QVERIFY(m.mesajlar.isEmpty());
}

void tst_doktorlar::silme()
{
    TEST_VT(vt);
    BetikMesaj m;
    doktorEkle(QStringLiteral("D1"), QStringLiteral("AYŞE"));
    doktorEkle(QStringLiteral("D2"), QStringLiteral("BURAK"));
    auto e = ac();
    m.cevaplar.enqueue(false);
    e->findChild<QPushButton *>(QStringLiteral("btn_sil"))->click();
    QCOMPARE(m.sorular, QStringList{QStringLiteral("Bu Personel Kaydını Silmek İstiyormusunuz ? ")});
    QCOMPARE(sayi(QStringLiteral("select count(*) from doktorlar")), 2);
    m.cevaplar.enqueue(true);
    e->findChild<QPushButton *>(QStringLiteral("btn_sil"))->click();
    QCOMPARE(sayi(QStringLiteral("select count(*) from doktorlar where doktorkodu='D1'")), 0);
    QCOMPARE(m.mesajlar, QStringList{QStringLiteral(" Kayıt  Silindi ")});
    QCOMPARE(e->veriSeti()->kayitSayisi(), 1);
    // A new row that is cancelled leaves nothing behind.
    e->findChild<QPushButton *>(QStringLiteral("btn_yeni"))->click();
    yaz(e.get(), "edt_doktorkodu", QStringLiteral("D7"));
    e->findChild<QPushButton *>(QStringLiteral("btn_iptal"))->click();
    QCOMPARE(sayi(QStringLiteral("select count(*) from doktorlar")), 1);
    QCOMPARE(e->veriSeti()->kayitSayisi(), 1);
}

void tst_doktorlar::aktarimlar()
{
    TEST_VT(vt);
    BetikMesaj m;
    doktorEkle(QStringLiteral("D1"), QStringLiteral("AYŞE"));
    QString acilan;
    QStringList kutular;
    KayitEkrani *cari = nullptr;
    auto sahte = [&](const QString &ad) {
        return [&, ad](QWidget *ust) -> QDialog * {
            auto *d = new QDialog(ust);
            auto *l = new QVBoxLayout(d);
            for (const char *k : {"Edit1", "edt_carihareketkodu"}) {
                auto *e = new QLineEdit(d);
                e->setObjectName(QLatin1String(k));
                l->addWidget(e);
            }
            for (const char *r : {"HASTA", "PERSONEL", "CARI"})
                l->addWidget(new QRadioButton(QString::fromUtf8(r), d));
            QTimer::singleShot(0, d, [&, d, ad] {
                acilan = ad;
                kutular.clear();
                for (const char *k : {"Edit1", "edt_carihareketkodu"})
                    kutular << d->findChild<QLineEdit *>(QLatin1String(k))->text();
                for (QRadioButton *r : d->findChildren<QRadioButton *>())
                    if (r->isChecked())
                        kutular << r->text();
                d->reject();
            });
            return d;
        };
    };
    const auto eskiM = EkranKaydet(QStringLiteral("frm_muayene"), sahte(QStringLiteral("frm_muayene")));
    const auto eskiC = EkranKaydet(QStringLiteral("frm_cari_hareket"), sahte(QStringLiteral("frm_cari_hareket")));
    const auto eskiO = EkranKaydet(QStringLiteral("frm_odeme"), sahte(QStringLiteral("frm_odeme")));
    Q_UNUSED(cari);
    auto e = ac();
    e->findChild<QPushButton *>(QStringLiteral("btn_muayene"))->click();
    QCOMPARE(acilan, QStringLiteral("frm_muayene"));
    QCOMPARE(Aktarim.muayene_doktorkodu, QStringLiteral("D1"));
    e->findChild<QPushButton *>(QStringLiteral("BitBtn6"))->click();
    QCOMPARE(acilan, QStringLiteral("frm_cari_hareket"));
    QCOMPARE(Aktarim.cari_kod, QStringLiteral("D1"));
    QCOMPARE(Aktarim.cari_unvan, QStringLiteral("AYŞE"));
    QCOMPARE(Aktarim.cari_doktoradi, QStringLiteral("AYŞE"));
    QCOMPARE(kutular, (QStringList{QStringLiteral("AYŞE"), QStringLiteral("D1")}));
    e->findChild<QAction *>(QStringLiteral("DEME1"))->trigger();
    QCOMPARE(acilan, QStringLiteral("frm_odeme"));
    QCOMPARE(Aktarim.cari_doktoradi, QString());
    QCOMPARE(kutular, (QStringList{QStringLiteral("AYŞE"), QString(), QStringLiteral("PERSONEL")}));
    EkranKaydet(QStringLiteral("frm_muayene"), eskiM);
    EkranKaydet(QStringLiteral("frm_cari_hareket"), eskiC);
    EkranKaydet(QStringLiteral("frm_odeme"), eskiO);
    QVERIFY(m.mesajlar.isEmpty());
}

void tst_doktorlar::personelArama()
{
    TEST_VT(vt);
    BetikMesaj m;
    doktorEkle(QStringLiteral("D1"), QStringLiteral("AYŞE"));
    doktorEkle(QStringLiteral("D2"), QStringLiteral("BURAK"));
    doktorEkle(QStringLiteral("D3"), QStringLiteral("CEM"));
    auto e = ac();
    QString baslik;
    QTimer::singleShot(0, [&] {
        auto *d = qobject_cast<QDialog *>(QApplication::activeModalWidget());
        if (!d)
            return;
        baslik = d->windowTitle();
        d->findChild<QLineEdit *>(QStringLiteral("edt_ara"))->setText(QStringLiteral("BUR"));
        d->accept();
    });
    QTest::keyClick(e.get(), Qt::Key_F, Qt::ControlModifier);
    QCOMPARE(baslik, QStringLiteral("PERSONEL ARAMA"));
    QCOMPARE(e->veriSeti()->metin(QStringLiteral("DOKTORKODU")), QStringLiteral("D2"));
    QCOMPARE(e->focusWidget(), static_cast<QWidget *>(e->izgara()));
}

QTEST_MAIN(tst_doktorlar)
#include "tst_doktorlar.moc"
