// The laboratory order screen driven through its controls: lines of a
// general and of an eye examination with the same number stay apart in
// lines, totals and postings; a deleted last line takes its postings along;
// a line of an examination deleted elsewhere is refused.
#include "app/ekranlar.h"
#include "app/oturum.h"
#include "db/sorgu.h"
#include "db/veriseti.h"
#include "destek/betikmesaj.h"
#include "destek/pencereyardim.h"
#include "destek/testvt.h"
#include "klinik/frm_muayene_lab.h"
#include "klinik/muayenesatirlari.h"

#include <QCheckBox>
#include <QDialog>
#include <QLineEdit>
#include <QPushButton>
#include <QTabWidget>
#include <QTableView>
#include <QTimer>
#include <QtTest>

namespace {

void temelVeri()
{
    QVERIFY(Sorgu::calistir("insert into laboratuvar (kayitno, tetkikkodu, tetkikadi, turu, ucreti, aralik, birimi) "
                            "values (1, 101, 'HEMOGRAM', 'HEMATOLOJİ', 30, '12-16', 'g/dL')"));
    QVERIFY(Sorgu::calistir("insert into laboratuvar (kayitno, tetkikkodu, tetkikadi, turu, ucreti, aralik, birimi) "
                            "values (2, 102, 'GLUKOZ', 'BİYOKİMYA', 80, '70-100', 'mg/dL')"));
    // The same number 5 in both examination tables.
    QVERIFY(Sorgu::calistir("insert into muayene (kayitno, hastakodu, hastaadisoyadi, doktorkodu, doktoradi, "
                            "muayenetarihi, muayeneucreti, doktorpayturu, doktorpayparam, laboratuvarvarmi, "
                            "mynteshis, sirketkodu) values (5, 'H1', 'AYŞE YILMAZ', 'D1', 'DR. ALİ VELİ', "
                            "'14.03.2026', 100, 'YÜZDE', 20, 'E', 'AKUT FARENJİT', ?)",
                            {Oturum.sirketkodu}));
    QVERIFY(Sorgu::calistir("insert into gozhastaliklari (kayitno, hastakodu, hastaadisoyadi, doktorkodu, doktoradi, "
                            "muayenetarihi, ucreti, doktorpayturu, doktorpayparam, tani, sirketkodu) "
                            "values (5, 'H2', 'MEHMET KAYA', 'D2', 'DR. ZEYNEP AK', '15.03.2026', 200, "
                            "'YÜZDE', 10, 'MİYOP', ?)",
                            {Oturum.sirketkodu}));
}

// Answers the next lookup with the row found by the text.
void sonrakiArama(const QString &metin)
{
    QTimer::singleShot(0, [metin] {
        auto *d = qobject_cast<QDialog *>(QApplication::activeModalWidget());
        if (!d)
            return;
        if (d->objectName() != QLatin1String("frm_labarama")) {
            d->reject();
            return;
        }
        d->findChild<QLineEdit *>(QStringLiteral("edt_ara"))->setText(metin);
        d->findChild<QPushButton *>(QStringLiteral("btn_evet"))->click();
    });
}

double toplam(const QString &sql) { return TekDeger(sql).toDouble(); }

} // namespace

class tst_muayene_lab : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase() { TestOrtami(); }

    void genelVeGoz()
    {
        TestVeritabani vt;
        QVERIFY(vt.hazir());
        temelVeri();
        BetikMesaj m;
        Tfrm_muayene_lab e;
        e.show();
        auto *sekmeler = e.findChild<QTabWidget *>(QStringLiteral("PageControl1"));
        QVERIFY(sekmeler);
        QCOMPARE(e.seciliMuayene(), 5);
        QCOMPARE(e.muayeneler()->metin("HASTAKODU"), QStringLiteral("H1"));

        sonrakiArama(QStringLiteral("HEMO"));
        e.findChild<QPushButton *>(QStringLiteral("btn_yeni"))->click();
        VeriSeti *lab = e.satirlar();
        QCOMPARE(lab->durum(), VeriSeti::Durum::Gozat);
        QCOMPARE(lab->kesinKayitSayisi(), 1);
        QCOMPARE(lab->metin("KAYNAK"), QStringLiteral("GENEL"));
        QCOMPARE(lab->metin("ISLEMTURU"), QStringLiteral("GENEL MUAYENE"));
        QCOMPARE(lab->sayi("DOKTORPAYTUTARI"), 6.0);
        QCOMPARE(toplam("select laboratuvarucreti from muayene where kayitno = 5"), 30.0);
        QCOMPARE(toplam("select toplamtutar from muayene where kayitno = 5"), 130.0);

        // Tab "GÖZ": the eye examination 5, none of the general one's lines.
        sekmeler->setCurrentIndex(1);
        QCOMPARE(e.kaynak(), CariIsleme::Kaynak::Goz);
        QCOMPARE(e.muayeneler()->metin("HASTAKODU"), QStringLiteral("H2"));
        QCOMPARE(lab->kesinKayitSayisi(), 0);
        sonrakiArama(QStringLiteral("GLU"));
        e.findChild<QPushButton *>(QStringLiteral("btn_yeni"))->click();
        QCOMPARE(lab->kesinKayitSayisi(), 1);
        QCOMPARE(lab->metin("KAYNAK"), QStringLiteral("GÖZ"));
        QCOMPARE(lab->metin("ISLEMTURU"), QStringLiteral("GÖZ MUAYENE"));
        QCOMPARE(lab->metin("TANI"), QStringLiteral("MİYOP"));
        QCOMPARE(lab->sayi("DOKTORPAYTUTARI"), 8.0); // 80 YÜZDE 10
        QCOMPARE(toplam("select laboratuvarucreti from gozhastaliklari where kayitno = 5"), 80.0);
        QCOMPARE(toplam("select toplamtutar from gozhastaliklari where kayitno = 5"), 280.0);
        QCOMPARE(toplam("select laboratuvarucreti from muayene where kayitno = 5"), 30.0);
        const CariIsleme::Aciklamalar goz = CariIsleme::satirAciklamalari(CariIsleme::Kaynak::Goz,
                                                                          CariIsleme::SatirTuru::Laboratuvar);
        const CariIsleme::Aciklamalar genel = CariIsleme::satirAciklamalari(CariIsleme::Kaynak::Genel,
                                                                            CariIsleme::SatirTuru::Laboratuvar);
        const QString borc = QStringLiteral("select sum(borc) from cari_hareket where evrakkayitno = 5 and aciklama = ?");
        const QString alacak =
            QStringLiteral("select sum(alacak) from cari_hareket where evrakkayitno = 5 and aciklama = ?");
        QCOMPARE(TekDeger(borc, {goz.ucret}).toDouble(), 80.0);
        QCOMPARE(TekDeger(alacak, {goz.pay}).toDouble(), 8.0);
        QCOMPARE(TekDeger(borc, {genel.ucret}).toDouble(), 30.0);
        QCOMPARE(TekDeger(alacak, {genel.pay}).toDouble(), 6.0);
        QCOMPARE(TekDeger("select carikod from cari_hareket where evrakkayitno = 5 and aciklama = ?", {goz.ucret})
                     .toString(),
                 QStringLiteral("H2")); // the eye examination's patient, not the general one's

        // The eye examination's last line deleted: its rows go, the general ones stay.
        m.cevaplar.enqueue(true);
        e.findChild<QPushButton *>(QStringLiteral("btn_sil"))->click();
        QCOMPARE(lab->kesinKayitSayisi(), 0);
        QCOMPARE(TekDeger("select count(*) from cari_hareket where evrakkayitno = 5 and aciklama in (?, ?)",
                       {goz.ucret, goz.pay})
                     .toInt(),
                 0);
        QCOMPARE(toplam("select laboratuvarucreti from gozhastaliklari where kayitno = 5"), 0.0);
        QCOMPARE(toplam("select toplamtutar from gozhastaliklari where kayitno = 5"), 200.0);
        QCOMPARE(TekDeger(borc, {genel.ucret}).toDouble(), 30.0);

        // Back on "GENEL" the general line is there again.
        sekmeler->setCurrentIndex(0);
        QCOMPARE(lab->kesinKayitSayisi(), 1);
        QCOMPARE(lab->metin("TETKIKADI"), QStringLiteral("HEMOGRAM"));
    }

    // "Seri Laboratuvar Gir": after each picked test a new line and the
    // lookup again, until it is cancelled; each time the lookup opens the
    // total of the lines saved so far is already posted.
    void seriGiris()
    {
        TestVeritabani vt;
        QVERIFY(vt.hazir());
        temelVeri();
        BetikMesaj m;
        Tfrm_muayene_lab e;
        e.show();
        e.findChild<QCheckBox *>(QStringLiteral("chk_seri"))->setChecked(true);
        QStringList secimler = {QStringLiteral("HEMO"), QStringLiteral("GLU"), QStringLiteral("HEMO")};
        QList<double> acilistaBorc;
        int acilis = 0;
        QTimer cevap;
        cevap.setInterval(0);
        QObject::connect(&cevap, &QTimer::timeout, [&] {
            auto *d = qobject_cast<QDialog *>(QApplication::activeModalWidget());
            if (!d || !d->isVisible() || d->property("cevaplandi").toBool())
                return;
            d->setProperty("cevaplandi", true);
            ++acilis;
            acilistaBorc << TekDeger("select coalesce(sum(borc), 0) from cari_hareket where evrakkayitno = 5").toDouble();
            if (secimler.isEmpty()) {
                d->reject();
                return;
            }
            d->findChild<QLineEdit *>(QStringLiteral("edt_ara"))->setText(secimler.takeFirst());
            d->findChild<QPushButton *>(QStringLiteral("btn_evet"))->click();
        });
        cevap.start();
        e.findChild<QPushButton *>(QStringLiteral("btn_yeni"))->click();
        for (int i = 0; i < 200 && acilis < 4; ++i)
            QCoreApplication::processEvents();
        cevap.stop();
        QCOMPARE(acilis, 4);
        QCOMPARE(acilistaBorc, (QList<double>{0, 30, 110, 140}));
        VeriSeti *lab = e.satirlar();
        QCOMPARE(lab->durum(), VeriSeti::Durum::Ekle); // the line of the cancelled lookup
        e.findChild<QPushButton *>(QStringLiteral("btn_iptal"))->click();
        QCOMPARE(lab->kesinKayitSayisi(), 3);
        QCOMPARE(toplam("select laboratuvarucreti from muayene where kayitno = 5"), 140.0);
        QCOMPARE(TekDeger("select sum(borc) from cari_hareket where evrakkayitno = 5 and evrakcinsi = 'LAB'").toDouble(),
                 140.0);
    }

    // Opened by its window name (main window, quick menu); an eye clinic's
    // menu brings page "TabSheet4" to the front and the eye list follows.
    void pencereAdiyla()
    {
        TestVeritabani vt;
        QVERIFY(vt.hazir());
        temelVeri();
        BetikMesaj m;
        std::unique_ptr<QDialog> d(EkranOlustur(QStringLiteral("frm_muayene_lab"), nullptr));
        auto *e = qobject_cast<Tfrm_muayene_lab *>(d.get());
        QVERIFY(e);
        QWidget *sayfa = e->findChild<QWidget *>(QStringLiteral("TabSheet4"));
        QVERIFY(sayfa);
        e->findChild<QTabWidget *>(QStringLiteral("PageControl1"))->setCurrentWidget(sayfa);
        QCOMPARE(e->kaynak(), CariIsleme::Kaynak::Goz);
        QCOMPARE(e->muayeneler()->metin("HASTAKODU"), QStringLiteral("H2"));
    }

    // The examination deleted by another workstation: a line entered for it
    // is refused with the message and nothing is posted.
    void silinmisMuayene()
    {
        TestVeritabani vt;
        QVERIFY(vt.hazir());
        temelVeri();
        BetikMesaj m;
        Tfrm_muayene_lab e;
        e.show();
        QCOMPARE(e.seciliMuayene(), 5);
        QVERIFY(Sorgu::calistir("delete from muayene where kayitno = 5"));
        sonrakiArama(QStringLiteral("HEMO"));
        e.findChild<QPushButton *>(QStringLiteral("btn_yeni"))->click();
        QVERIFY(m.mesajlar.contains(MuayeneSatirlari::MuayeneYokMesaji));
        QCOMPARE(TekDeger("select count(*) from muayene_lab").toInt(), 0);
        QCOMPARE(TekDeger("select count(*) from cari_hareket").toInt(), 0);
    }
};

QTEST_MAIN(tst_muayene_lab)
#include "tst_muayene_lab.moc"
