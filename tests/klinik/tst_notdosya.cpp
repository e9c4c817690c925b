// Notes and documents attached to a record: attachment keys, new-row values,
// delete, list all, closing, the file finder and "Dosyayı Ac", the list
// templates and the spreadsheet export.
#include "app/ekranlar.h"
#include "app/notdosya.h"
#include "app/oturum.h"
#include "destek/betikmesaj.h"
#include "db/sorgu.h"
#include "db/tablomodeli.h"
#include "db/veriseti.h"
#include "klinik/dosyagezgini.h"
#include "klinik/frm_dosyabul.h"
#include "klinik/frm_dosyayonetimi.h"
#include "klinik/frm_notlar2.h"
#include "raporlar/motor/rapor.h"
#include "raporlar/motor/tabloaktar.h"
#include "destek/testvt.h"

#include <QAction>
#include <QApplication>
#include <QComboBox>
#include <QDesktopServices>
#include <QDir>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QListWidget>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QTableView>
#include <QTemporaryDir>
#include <QTimer>
#include <QtTest>

namespace {

QAction *eylem(QWidget *w, const char *ad)
{
    auto *a = w->findChild<QAction *>(QLatin1String(ad));
    if (!a)
        qWarning("eylem yok: %s", ad);
    return a;
}

// Sets the hand-over values and select text as the record screens do, and shows the window.
template <class P>
void hazirla(P &p, const QString &sql)
{
    p.setProperty(SelectMetniOzelligi, sql);
    p.show();
}

void notlarAktarim(int no, const QString &tur, const QString &kod = QString(), const QString &ad = QString())
{
    Aktarim.not_evrakkayitno = no;
    Aktarim.not_evrakturu = tur;
    Aktarim.not_hastakodu = kod;
    Aktarim.not_hastaadi = ad;
}

// Adds a note through the window: New, type the first text, Save.
void notEkle(Tfrm_notlar2 &p, const QString &metin)
{
    eylem(&p, "Yeni1")->trigger();
    QTest::keyClicks(p.findChild<QPlainTextEdit *>("edt_aciklama1"), metin);
    eylem(&p, "Kaydet1")->trigger();
}

int satirSayisi(const QString &sql)
{
    auto s = Sorgu::sec(sql);
    return s ? int(s->satirlar.size()) : -1;
}

QStringList acilanlar;
bool sahteAcici(const QString &yol)
{
    acilanlar << yol;
    return true;
}

// Records what the desktop is asked to open.
class Acici : public QObject
{
    Q_OBJECT
public:
    QList<QUrl> acilanlar;
public slots:
    void ac(const QUrl &url) { acilanlar << url; }
};

} // namespace

class TstNotDosya : public QObject
{
    Q_OBJECT

private slots:
    void init() { Aktarim = AktarimKaydi(); }

    void notKaydinaBaglanir_data()
    {
        QTest::addColumn<int>("no");
        QTest::addColumn<QString>("tur");
        QTest::addColumn<QString>("kod");
        QTest::addColumn<QString>("ad");
        QTest::newRow("hasta") << 5 << "HASTA" << "H0005" << "AYŞE YILMAZ";
        QTest::newRow("islem") << 17 << "Y_İŞLEM" << "H0009" << "ŞÜKRÜ İNCE";
        QTest::newRow("cari hareket") << 3 << "C.Hareket" << "" << "";
    }
    void notKaydinaBaglanir()
    {
        QFETCH(int, no);
        QFETCH(QString, tur);
        QFETCH(QString, kod);
        QFETCH(QString, ad);
        TEST_VT(vt);
        BetikMesaj m;
        Oturum.kullaniciadisoyadi = QStringLiteral("ÇAĞLAR GÜNDOĞDU KEÇE");   // 20 characters
        notlarAktarim(no, tur, kod, ad);
        {
            Tfrm_notlar2 p;
            hazirla(p, NotlarSelectMetni(no, tur));
            QCOMPARE(p.windowTitle(), QStringLiteral("Acıklama-Notlar"));
            QCOMPARE(p.veriSeti()->kayitSayisi(), 0);
            eylem(&p, "Yeni1")->trigger();
            QCOMPARE(p.veriSeti()->durum(), VeriSeti::Durum::Ekle);
            QVERIFY(p.veriSeti()->anahtar() > 0);
            QCOMPARE(p.findChild<QLineEdit *>("edt_kullanici")->text(), QStringLiteral("ÇAĞLAR GÜNDOĞDU"));
            QCOMPARE(p.findChild<QLineEdit *>("edt_hastakodu")->text(), kod);
            QTest::keyClicks(p.findChild<QPlainTextEdit *>("edt_aciklama1"), "kontrole gelsin");
            auto *tarih2 = p.findChild<QLineEdit *>("edt_tarih2");
            tarih2->setFocus();
            QTest::keyClick(tarih2, Qt::Key_Home);
            QTest::keyClicks(tarih2, "10122026");
            QCOMPARE(tarih2->text(), QStringLiteral("10.12.2026"));
            eylem(&p, "Kaydet1")->trigger();
            QVERIFY2(m.hatalar.isEmpty(), qPrintable(m.hatalar.join('\n')));
            QCOMPARE(p.veriSeti()->durum(), VeriSeti::Durum::Gozat);
            QCOMPARE(Aktarim.not_evrakkayitno, no);
            QCOMPARE(p.model()->hucreMetni(0, p.model()->gorunenKolon("EVRAKKAYITNO")), QString::number(no));
            QCOMPARE(p.model()->headerData(4, Qt::Horizontal).toString(), QStringLiteral("E.K.No"));
            QVERIFY(!(p.model()->flags(p.model()->index(0, 4)) & Qt::ItemIsEditable));
            QVERIFY(p.model()->flags(p.model()->index(0, 0)) & Qt::ItemIsEditable);
            eylem(&p, "Kapat1")->trigger();
        }
        // Closing cleared the hand-over values.
        QCOMPARE(Aktarim.not_evrakkayitno, 0);
        QVERIFY(Aktarim.not_evrakturu.isEmpty() && Aktarim.not_hastakodu.isEmpty() && Aktarim.not_hastaadi.isEmpty());

        auto s = Sorgu::sec("select evrakkayitno, evrakturu, kullanici, hastakodu, hastaadi, aciklama1, tarih2, "
                            "sirketkodu, kayitno from aciklamalar");
        QVERIFY(s);
        QCOMPARE(s->satirlar.size(), 1);
        QCOMPARE(s->deger(0, "EVRAKKAYITNO").toInt(), no);
        QCOMPARE(s->deger(0, "EVRAKTURU").toString(), tur);
        QCOMPARE(s->deger(0, "KULLANICI").toString(), QStringLiteral("ÇAĞLAR GÜNDOĞDU"));
        QCOMPARE(s->deger(0, "ACIKLAMA1").toString(), QStringLiteral("kontrole gelsin"));
        QCOMPARE(s->deger(0, "TARIH2").toDateTime().date(), QDate(2026, 12, 10));
        // No company on notes; no patient on an account movement's note (NULL, not '').
        QVERIFY(s->deger(0, "SIRKETKODU").isNull());
        if (kod.isEmpty()) {
            QVERIFY(s->deger(0, "HASTAKODU").isNull());
            QVERIFY(s->deger(0, "HASTAADI").isNull());
        } else {
            QCOMPARE(s->deger(0, "HASTAKODU").toString(), kod);
            QCOMPARE(s->deger(0, "HASTAADI").toString(), ad);
        }
    }

    void notYalnizKendiKaydindaGorunur()
    {
        TEST_VT(vt);
        BetikMesaj m;
        notlarAktarim(5, "HASTA", "H5", "HASTA BES");
        {
            Tfrm_notlar2 p;
            hazirla(p, NotlarSelectMetni(5, "HASTA"));
            notEkle(p, "hastanin notu");
        }
        notlarAktarim(5, "MUAYENE", "H5", "HASTA BES");
        {
            Tfrm_notlar2 p;
            hazirla(p, NotlarSelectMetni(5, "MUAYENE"));
            QCOMPARE(p.veriSeti()->kayitSayisi(), 0);   // same number, other kind
            notEkle(p, "muayenenin notu");
        }
        struct Beklenen { int no; const char *tur; QStringList notlar; };
        const Beklenen beklenenler[] = {
            {5, "HASTA", {"hastanin notu"}},
            {5, "MUAYENE", {"muayenenin notu"}},
            {6, "HASTA", {}},
            {5, "GOZ", {}},
            {5, "O'HASTA\"%;", {}},   // odd characters in the kind list nothing, raise nothing
        };
        for (const Beklenen &b : beklenenler) {
            notlarAktarim(b.no, QString::fromUtf8(b.tur));
            Tfrm_notlar2 p;
            hazirla(p, NotlarSelectMetni(b.no, QString::fromUtf8(b.tur)));
            QStringList notlar;
            for (int i = 0; i < p.veriSeti()->kayitSayisi(); ++i)
                notlar << p.veriSeti()->satirDegeri(i, QStringLiteral("ACIKLAMA1")).toString();
            QCOMPARE(notlar, b.notlar);
            QCOMPARE(p.model()->rowCount(), int(b.notlar.size()));
        }
        QVERIFY2(m.hatalar.isEmpty(), qPrintable(m.hatalar.join('\n')));
    }

    void kayitEkranlarininAcisi()
    {
        // The record screens' entry (app/notdosya.h): the window by name, modal, with its select.
        TEST_VT(vt);
        BetikMesaj m;
        notlarAktarim(8, "RANDEVU");
        {
            Tfrm_notlar2 p;
            hazirla(p, NotlarSelectMetni(8, "RANDEVU"));
            notEkle(p, "randevu notu");
        }
        {
            // Opened by name with no select handed over: the hand-over values decide.
            notlarAktarim(8, "RANDEVU");
            std::unique_ptr<QDialog> d(EkranOlustur("frm_notlar2", nullptr));
            d->show();
            QCOMPARE(static_cast<Tfrm_notlar2 *>(d.get())->veriSeti()->kayitSayisi(), 1);
            d->reject();
        }
        QString ad;
        int satir = -1;
        QTimer::singleShot(0, [&] {
            QWidget *w = QApplication::activeModalWidget();
            QVERIFY(w);
            ad = w->objectName();
            if (auto *p = qobject_cast<Tfrm_notlar2 *>(w))
                satir = p->veriSeti()->kayitSayisi();
            QCOMPARE(Aktarim.not_hastakodu, QStringLiteral("H8"));
            eylem(w, "Kapat1")->trigger();
        });
        NotlariAc(nullptr, 8, "RANDEVU", "H8", "SEKIZ");
        QCOMPARE(ad, QStringLiteral("frm_notlar2"));
        QCOMPARE(satir, 1);
        QCOMPARE(Aktarim.not_evrakkayitno, 0);
        QVERIFY(Aktarim.not_hastakodu.isEmpty());

        QTimer::singleShot(0, [&] {
            QWidget *w = QApplication::activeModalWidget();
            QVERIFY(w);
            ad = w->objectName();
            QCOMPARE(Aktarim.dosya_evrakturu, QStringLiteral("GOZ"));
            eylem(w, "Kapat1")->trigger();
        });
        DosyalariAc(nullptr, 4, "GOZ");
        QCOMPARE(ad, QStringLiteral("frm_dosyayonetimi"));
        QVERIFY(Aktarim.dosya_evrakturu.isEmpty());
        QCOMPARE(Aktarim.dosya_evrakkayitno, 0);
        QVERIFY(m.mesajlar.isEmpty());

        for (const char *e : {"frm_notlar2", "frm_dosyayonetimi", "frm_dosyabul", "frm_resimgoster"}) {
            std::unique_ptr<QDialog> d(EkranOlustur(QLatin1String(e), nullptr));
            QVERIFY2(d, e);
            QCOMPARE(d->objectName(), QLatin1String(e));
        }
    }

    void menuler_data()
    {
        QTest::addColumn<bool>("notlar");
        QTest::newRow("frm_notlar2") << true;
        QTest::newRow("frm_dosyayonetimi") << false;
    }
    void menuler()
    {
        QFETCH(bool, notlar);
        std::unique_ptr<QDialog> p(notlar ? static_cast<QDialog *>(new Tfrm_notlar2)
                                          : static_cast<QDialog *>(new Tfrm_dosyayonetimi));
        const struct { const char *ad; const char *metin; QKeySequence kisayol; } beklenen[] = {
            {"Kaydet1", " Kaydet     ", QKeySequence(Qt::Key_F5)},
            {"Sil1", " Sil  ", QKeySequence(Qt::CTRL | Qt::Key_Delete)},
            {"Yeni1", "   Yeni   ", QKeySequence(Qt::Key_F2)},
            {"Iptal1", "   İptal   ", QKeySequence(Qt::Key_F3)},
            {"ExceleAktar1", "Excele Aktar", QKeySequence(Qt::CTRL | Qt::Key_E)},
            {"TumunuListele1", "Tümünü Listele", QKeySequence()},
            {"AciklamaNotListesi1", "Aciklama-Not Listesi", QKeySequence()},
            {"Kapat1", "Kapat", QKeySequence(Qt::CTRL | Qt::Key_K)},
        };
        for (const auto &b : beklenen) {
            QAction *a = eylem(p.get(), b.ad);
            QVERIFY2(a, b.ad);
            QCOMPARE(a->text(), QString::fromUtf8(b.metin));
            QCOMPARE(a->shortcut(), b.kisayol);
        }
        QCOMPARE(p->findChild<QMenu *>("Islemler1")->title(), QStringLiteral("İşlemler"));
        auto etiketler = p->findChildren<QLabel *>();
        QStringList metinler;
        for (QLabel *l : etiketler)
            metinler << l->text();
        const QStringList gerekli = notlar
            ? QStringList{"Acıklama 1", "Acıklama 2", "Tarih 1", "Tarih 2", "İlgili", "Hasta Adı"}
            : QStringList{"Kayıt No", "Acıklama 1", "Acıklama 2", "Konum", "Pc Adı", "Kayıt Tarihi", "Kullanıcı",
                          "Kayıt Kilidi "};
        for (const QString &g : gerekli)
            QVERIFY2(metinler.contains(g), qPrintable(g));
        if (!notlar) {
            QCOMPARE(p->findChild<QPushButton *>("btn_dosyayiac")->text(), QStringLiteral("Dosyayı Ac"));
            QCOMPARE(p->findChild<QPushButton *>("btn_dosyayibul")->text(), QStringLiteral("Dosyayı Bul"));
        } else {
            QVERIFY(p->findChild<QLineEdit *>("edt_kullanici")->isReadOnly());
        }
    }

    void kisayollar()
    {
        TEST_VT(vt);
        BetikMesaj m;
        notlarAktarim(5, "HASTA");
        Tfrm_notlar2 p;
        hazirla(p, NotlarSelectMetni(5, "HASTA"));
        QApplication::setActiveWindow(&p);
        QVERIFY(QTest::qWaitForWindowActive(&p));
        QTest::keyClick(&p, Qt::Key_F2);
        QCOMPARE(p.veriSeti()->durum(), VeriSeti::Durum::Ekle);
        QTest::keyClicks(p.findChild<QPlainTextEdit *>("edt_aciklama1"), "tus ile");
        QTest::keyClick(&p, Qt::Key_F5);
        QCOMPARE(p.veriSeti()->durum(), VeriSeti::Durum::Gozat);
        QCOMPARE(satirSayisi("select * from aciklamalar where aciklama1 = 'tus ile'"), 1);
        QTest::keyClick(&p, Qt::Key_K, Qt::ControlModifier);
        QVERIFY(!p.isVisible());
        QVERIFY(m.hatalar.isEmpty());
    }

    void silme()
    {
        TEST_VT(vt);
        BetikMesaj m;
        notlarAktarim(5, "HASTA");
        Tfrm_notlar2 p;
        hazirla(p, NotlarSelectMetni(5, "HASTA"));

        // Nothing shown: no question.
        eylem(&p, "Sil1")->trigger();
        QVERIFY(m.sorular.isEmpty());

        notEkle(p, "birinci");
        notEkle(p, "ikinci");
        QCOMPARE(satirSayisi("select * from aciklamalar"), 2);

        m.cevaplar.enqueue(false);
        eylem(&p, "Sil1")->trigger();
        QCOMPARE(m.sorular, QStringList({"Bu Kaydı Silmek İstiyormusunuz ? "}));
        QCOMPARE(satirSayisi("select * from aciklamalar"), 2);
        QVERIFY(m.mesajlar.isEmpty());

        const QString silinecek = p.veriSeti()->metin("ACIKLAMA1");
        m.cevaplar.enqueue(true);
        eylem(&p, "Sil1")->trigger();
        QCOMPARE(m.son(), QStringLiteral(" Kayıt  Silindi "));
        QCOMPARE(satirSayisi("select * from aciklamalar"), 1);
        QCOMPARE(satirSayisi("select * from aciklamalar where aciklama1 = '" + silinecek + "'"), 0);
        QCOMPARE(p.veriSeti()->kayitSayisi(), 1);

        // A new row not yet saved: deleting it only drops it.
        eylem(&p, "Yeni1")->trigger();
        m.cevaplar.enqueue(true);
        eylem(&p, "Sil1")->trigger();
        QCOMPARE(p.veriSeti()->durum(), VeriSeti::Durum::Gozat);
        QCOMPARE(p.veriSeti()->kayitSayisi(), 1);
        QCOMPARE(satirSayisi("select * from aciklamalar"), 1);
        QVERIFY(m.hatalar.isEmpty());
    }

    void iptalVeKapatmaBekleyeniAtar()
    {
        TEST_VT(vt);
        BetikMesaj m;
        notlarAktarim(5, "HASTA");
        {
            Tfrm_notlar2 p;
            hazirla(p, NotlarSelectMetni(5, "HASTA"));
            eylem(&p, "Yeni1")->trigger();
            QTest::keyClicks(p.findChild<QPlainTextEdit *>("edt_aciklama1"), "vazgecildi");
            eylem(&p, "Iptal1")->trigger();
            QCOMPARE(p.veriSeti()->kayitSayisi(), 0);
            eylem(&p, "Yeni1")->trigger();
            QTest::keyClicks(p.findChild<QPlainTextEdit *>("edt_aciklama1"), "kapatildi");
            eylem(&p, "Kapat1")->trigger();
            QVERIFY(!p.isVisible());
        }
        QCOMPARE(satirSayisi("select * from aciklamalar"), 0);
    }

    void tumunuListele()
    {
        TEST_VT(vt);
        BetikMesaj m;
        // Notes of two records, one of them from another company's screen (no company on notes).
        for (auto [no, tur] : {std::pair{1, "HASTA"}, std::pair{2, "MUAYENE"}}) {
            notlarAktarim(no, tur);
            Tfrm_notlar2 p;
            hazirla(p, NotlarSelectMetni(no, tur));
            notEkle(p, QStringLiteral("not %1").arg(no));
        }
        Oturum.sirketkodu = QStringLiteral("2008");
        notlarAktarim(1, "HASTA");
        Tfrm_notlar2 p;
        hazirla(p, NotlarSelectMetni(1, "HASTA"));
        QCOMPARE(p.veriSeti()->kayitSayisi(), 1);
        eylem(&p, "TumunuListele1")->trigger();
        QCOMPARE(p.veriSeti()->kayitSayisi(), 2);
        // New rows still belong to the record the window was opened for.
        notEkle(p, "sonradan");
        QCOMPARE(satirSayisi("select * from aciklamalar where evrakkayitno = 1 and evrakturu = 'HASTA'"), 2);
        QVERIFY(m.hatalar.isEmpty());
    }

    void dokumanKaydi()
    {
        TEST_VT(vt);
        BetikMesaj m;
        Oturum.kullaniciadisoyadi = QStringLiteral("ÇAĞLAR GÜNDOĞDU KEÇE");
        Aktarim.dosya_evrakkayitno = 57;
        Aktarim.dosya_evrakturu = QStringLiteral("MUAYENE");
        QTemporaryDir klasor;
        const QString belge = klasor.filePath("rapor.txt");
        {
            QFile f(belge);
            QVERIFY(f.open(QIODevice::WriteOnly));
            f.write("x");
        }
        {
            Tfrm_dosyayonetimi p;
            hazirla(p, DosyalarSelectMetni(57, "MUAYENE"));
            QCOMPARE(p.windowTitle(), QStringLiteral("Dosya-Evrak Yönetimi"));
            QCOMPARE(p.veriSeti()->kayitSayisi(), 0);

            // Finder on an empty list: starts a new document with the presets, does not post it.
            QVERIFY(p.konumAyarla(QDir::toNativeSeparators(belge)));
            QCOMPARE(p.veriSeti()->durum(), VeriSeti::Durum::Ekle);
            QCOMPARE(p.findChild<QLineEdit *>("edt_konum")->text(), QDir::toNativeSeparators(belge));
            QCOMPARE(p.findChild<QLineEdit *>("edt_kullanici")->text(), QStringLiteral("ÇAĞLAR GÜN"));
            QCOMPARE(satirSayisi("select * from dokumanlar"), 0);
            QTest::keyClicks(p.findChild<QLineEdit *>("edt_aciklama1"), "Tahlil sonucu");
            auto *kilit = p.findChild<QComboBox *>("cmb_kilit");
            QTest::keyClicks(kilit, "e");
            QCOMPARE(kilit->currentText(), QStringLiteral("E"));
            eylem(&p, "Kaydet1")->trigger();
            QVERIFY2(m.hatalar.isEmpty(), qPrintable(m.hatalar.join('\n')));

            // A path longer than the column is refused, the row is left as it was.
            const QString uzun = "/" + QString(160, QChar('a')) + ".doc";
            QVERIFY(!p.konumAyarla(uzun));
            QVERIFY(m.son().contains("150"));
            QCOMPARE(p.veriSeti()->durum(), VeriSeti::Durum::Gozat);
            QCOMPARE(p.veriSeti()->metin("KONUM"), QDir::toNativeSeparators(belge));

            // "Dosyayı Ac": the desktop's open on the Konum text; nothing for an empty box.
            Acici acici;
            QDesktopServices::setUrlHandler("file", &acici, "ac");
            QTest::mouseClick(p.findChild<QPushButton *>("btn_dosyayiac"), Qt::LeftButton);
            QCOMPARE(acici.acilanlar.size(), 1);
            QCOMPARE(acici.acilanlar.first().toLocalFile(), belge);
            eylem(&p, "Yeni1")->trigger();
            QTest::mouseClick(p.findChild<QPushButton *>("btn_dosyayiac"), Qt::LeftButton);
            QCOMPARE(acici.acilanlar.size(), 1);
            QDesktopServices::unsetUrlHandler("file");
            eylem(&p, "Iptal1")->trigger();
            QCOMPARE(Aktarim.dosya_evrakkayitno, 57);
            p.close();   // the close box
        }
        QCOMPARE(Aktarim.dosya_evrakkayitno, 0);
        QVERIFY(Aktarim.dosya_evrakturu.isEmpty());
        auto s = Sorgu::sec("select evrakkayitno, evrakturu, kullanici, konum, aciklama1, kilit, pcadi, "
                            "kayittarihi, sirketkodu from dokumanlar");
        QVERIFY(s);
        QCOMPARE(s->satirlar.size(), 1);
        QCOMPARE(s->deger(0, "EVRAKKAYITNO").toInt(), 57);
        QCOMPARE(s->deger(0, "EVRAKTURU").toString(), QStringLiteral("MUAYENE"));
        QCOMPARE(s->deger(0, "KULLANICI").toString(), QStringLiteral("ÇAĞLAR GÜN"));
        QCOMPARE(s->deger(0, "KONUM").toString(), QDir::toNativeSeparators(belge));
        QCOMPARE(s->deger(0, "ACIKLAMA1").toString(), QStringLiteral("Tahlil sonucu"));
        QCOMPARE(s->deger(0, "KILIT").toString(), QStringLiteral("E"));
        // Nothing filled on its own: no date, no computer name, no company.
        QVERIFY(s->deger(0, "PCADI").isNull());
        QVERIFY(s->deger(0, "KAYITTARIHI").isNull());
        QVERIFY(s->deger(0, "SIRKETKODU").isNull());
    }

    void dosyaBulucu()
    {
        QTemporaryDir klasor;
        for (const char *ad : {"a.doc", "b.txt", "c.TXT", "okubeni"}) {
            QFile f(klasor.filePath(QLatin1String(ad)));
            QVERIFY(f.open(QIODevice::WriteOnly));
        }
        Tfrm_dosyabul b;
        QStringList gelen;
        bool kabul = true;
        b.secildi = [&](const QString &yol) { gelen << yol; return kabul; };
        b.show();
        QCOMPARE(b.windowTitle(), QStringLiteral("Dosya Bul"));
        b.gezgin()->klasoreGit(klasor.path());
        auto *maske = b.findChild<QLineEdit *>("edt_maske");
        auto *dosyalar = b.findChild<QListWidget *>("lst_dosyalar");
        auto *tur = b.findChild<QComboBox *>("cmb_dosyaturu");
        auto *buton = b.findChild<QPushButton *>("btn_kaydet");
        QCOMPARE(buton->text(), QStringLiteral("S e ci l e n       D o s y a y ı      K a y d e t"));
        QCOMPARE(maske->text(), QStringLiteral("*.*"));
        QCOMPARE(tur->count(), 13);
        QCOMPARE(tur->itemText(0), QStringLiteral("Tüm Dosyalar  (*.*)"));
        QCOMPARE(dosyalar->count(), 4);

        // No file selected: nothing recorded, the finder stays open.
        QTest::mouseClick(buton, Qt::LeftButton);
        QVERIFY(gelen.isEmpty());
        QVERIFY(b.isVisible());

        tur->setCurrentIndex(tur->findText("Text"));
        QCOMPARE(maske->text(), QStringLiteral("*.txt"));
        QCOMPARE(dosyalar->count(), 2);   // the file system's case does not matter
        dosyalar->setCurrentRow(0);
        QCOMPARE(maske->text(), QStringLiteral("b.txt"));

        // The caller refuses: the finder stays open.
        kabul = false;
        QTest::mouseClick(buton, Qt::LeftButton);
        QCOMPARE(gelen.size(), 1);
        QVERIFY(b.isVisible());
        kabul = true;
        QTest::mouseClick(buton, Qt::LeftButton);
        QCOMPARE(gelen.size(), 2);
        QCOMPARE(gelen.last(), QDir::toNativeSeparators(klasor.filePath("b.txt")));
        QVERIFY(!b.isVisible());
        QCOMPARE(b.result(), int(QDialog::Accepted));
    }

    // Folders and files are listed in Turkish alphabetical order.
    void dosyaBulucuTurkceSira()
    {
        QTemporaryDir klasor;
        for (const char *ad : {"zarf", "ilaç", "ışık", "çanta", "cam"})
            QVERIFY(QDir(klasor.path()).mkdir(QString::fromUtf8(ad)));
        for (const char *ad : {"Zeytin.txt", "şeker.txt", "sut.txt", "Çay.txt", "cam.txt", "üzüm.txt", "un.txt"}) {
            QFile f(klasor.filePath(QString::fromUtf8(ad)));
            QVERIFY(f.open(QIODevice::WriteOnly));
        }
        Tfrm_dosyabul b;
        b.gezgin()->klasoreGit(klasor.path());
        auto ogeler = [&](const char *ad) {
            QStringList l;
            const auto *liste = b.findChild<QListWidget *>(QLatin1String(ad));
            for (int i = 0; i < liste->count(); ++i)
                l << liste->item(i)->text();
            return l;
        };
        QCOMPARE(ogeler("lst_klasorler"), (QStringList{"..", "cam", "çanta", "ışık", "ilaç", "zarf"}));
        QCOMPARE(ogeler("lst_dosyalar"),
                 (QStringList{"cam.txt", "Çay.txt", "sut.txt", "şeker.txt", "un.txt", "üzüm.txt", "Zeytin.txt"}));
    }

    void sablonlar_data()
    {
        QTest::addColumn<bool>("notlar");
        QTest::newRow("aciklamarapor1") << true;
        QTest::newRow("dokumanrapor1") << false;
    }
    void sablonlar()
    {
        QFETCH(bool, notlar);
        TEST_VT(vt);
        BetikMesaj m;
        std::unique_ptr<NotDosyaPenceresi> p;
        if (notlar) {
            notlarAktarim(5, "HASTA", "H5", "AYŞE YILMAZ");
            auto *n = new Tfrm_notlar2;
            p.reset(n);
            hazirla(*n, NotlarSelectMetni(5, "HASTA"));
            notEkle(*n, "Kontrol muayenesi");
        } else {
            Aktarim.dosya_evrakkayitno = 5;
            Aktarim.dosya_evrakturu = "HASTA";
            auto *d = new Tfrm_dosyayonetimi;
            p.reset(d);
            hazirla(*d, DosyalarSelectMetni(5, "HASTA"));
            eylem(d, "Yeni1")->trigger();
            QTest::keyClicks(d->findChild<QLineEdit *>("edt_aciklama1"), "Kontrol muayenesi");
            QTest::keyClicks(d->findChild<QLineEdit *>("edt_konum"), "/belgeler/tahlil.pdf");
            eylem(d, "Kaydet1")->trigger();
        }
        QVERIFY2(m.hatalar.isEmpty(), qPrintable(m.hatalar.join('\n')));
        VeriSetiKaynagi kaynak(*p->veriSeti());
        Rapor r;
        r.baglan(&kaynak);
        QString hata;
        const QString sablon = notlar ? "aciklamarapor1.frf" : "dokumanrapor1.frf";
        QVERIFY2(r.yukle(sablon, &hata), qPrintable(hata));
        const RaporBelgesi belge = r.olustur();
        QVERIFY2(r.uyarilar().isEmpty(), qPrintable(r.uyarilar().join('\n')));
        QCOMPARE(belge.sayfaSayisi(), 1);
        const QString metin = belge.sayfalar.front().metinler().join('\n');
        QVERIFY2(metin.contains("Kontrol muayenesi"), qPrintable(metin));
        QVERIFY2(metin.contains(notlar ? "AYŞE YILMAZ" : "/belgeler/tahlil.pdf"), qPrintable(metin));
        QTemporaryDir k;
        QVERIFY(r.pdfYaz(k.filePath("liste.pdf"), &hata));
        QVERIFY(QFileInfo(k.filePath("liste.pdf")).size() > 0);
    }

    void excelAktar()
    {
        TEST_VT(vt);
        BetikMesaj m;
        QTemporaryDir k;
        TabloAktar::klasorAyarla(k.path());
        auto eski = TabloAktar::aciciAyarla(&sahteAcici);
        Aktarim.not_evrakkayitno = 5;
        Aktarim.not_evrakturu = QStringLiteral("HASTA");
        {
            Tfrm_notlar2 p;
            p.setProperty(SelectMetniOzelligi, NotlarSelectMetni(5, QStringLiteral("HASTA")));
            p.show();
            p.findChild<QAction *>("Yeni1")->trigger();
            QTest::keyClicks(p.findChild<QPlainTextEdit *>("edt_aciklama1"), "aktarilacak not");
            p.findChild<QAction *>("Kaydet1")->trigger();
            p.findChild<QAction *>("ExceleAktar1")->trigger();
            p.findChild<QAction *>("Kapat1")->trigger();
        }
        TabloAktar::aciciAyarla(eski);
        TabloAktar::klasorAyarla(QString());
        QVERIFY2(m.hatalar.isEmpty(), qPrintable(m.hatalar.join('\n')));
        const QStringList dosyalar = QDir(k.path()).entryList({"*.xlsx"}, QDir::Files);
        QCOMPARE(dosyalar.size(), 1);
        QCOMPARE(acilanlar.size(), 1);
        QVERIFY(QFileInfo(k.filePath(dosyalar.first())).size() > 0);
    }
};

QTEST_MAIN(TstNotDosya)
#include "tst_notdosya.moc"
