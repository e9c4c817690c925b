// The procedures screen driven through its controls: procedures entered one
// after another reach the examination's total and accounts, the eye tab's
// lines belong to the eye examination, and opening the screen purges only
// fully blank lines of the login company.
#include "app/ekranlar.h"
#include "app/oturum.h"
#include "db/sorgu.h"
#include "db/veriseti.h"
#include "destek/pdfmetni.h"
#include "destek/betikmesaj.h"
#include "destek/pencereyardim.h"
#include "destek/testvt.h"
#include "klinik/frm_muayene_lab.h"
#include "klinik/frm_yapilanislemler.h"
#include "raporlar/motor/rapor.h"

#include <QCheckBox>
#include <QDialog>
#include <QLineEdit>
#include <QProcess>
#include <QPushButton>
#include <QTemporaryDir>
#include <QTabWidget>
#include <QTimer>
#include <QtTest>

namespace {

void temelVeri()
{
    QVERIFY(Sorgu::calistir("insert into islemler (kayitno, islemkodu, yapilanislem, islemturu, ucreti, sirketkodu) "
                            "values (1, 'P1', 'PANSUMAN', 'KÜÇÜK CERRAHİ', 70, ?)", {Oturum.sirketkodu}));
    QVERIFY(Sorgu::calistir("insert into islemler (kayitno, islemkodu, yapilanislem, islemturu, ucreti, sirketkodu) "
                            "values (2, 'P2', 'ENJEKSİYON', 'UYGULAMA', 30, ?)", {Oturum.sirketkodu}));
    QVERIFY(Sorgu::calistir("insert into muayene (kayitno, hastakodu, hastaadisoyadi, doktorkodu, doktoradi, "
                            "muayenetarihi, muayeneucreti, laboratuvarucreti, doktorpayturu, doktorpayparam, "
                            "sirketkodu) values (5, 'H1', 'AYŞE YILMAZ', 'D1', 'DR. ALİ VELİ', '14.03.2026', 100, 40, "
                            "'BİRİM FİYAT', 5, ?)",
                            {Oturum.sirketkodu}));
    QVERIFY(Sorgu::calistir("insert into gozhastaliklari (kayitno, hastakodu, hastaadisoyadi, doktorkodu, doktoradi, "
                            "muayenetarihi, ucreti, laboratuvarucreti, doktorpayturu, doktorpayparam, sirketkodu) "
                            "values (5, 'H2', 'MEHMET KAYA', 'D2', 'DR. ZEYNEP AK', '15.03.2026', 200, 0, 'YÜZDE', 10, ?)",
                            {Oturum.sirketkodu}));
}

} // namespace

class tst_yapilanislemler : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase() { TestOrtami(); }

    // "Seri İşlem Gir": two procedures, then the lookup cancelled.
    void seriIslemler()
    {
        TestVeritabani vt;
        QVERIFY(vt.hazir());
        temelVeri();
        BetikMesaj m;
        std::unique_ptr<QDialog> d(EkranOlustur(QStringLiteral("frm_yapilanislemler"), nullptr));
        auto *e = qobject_cast<Tfrm_yapilanislemler *>(d.get());
        QVERIFY(e);
        e->show();
        QCOMPARE(e->seciliMuayene(), 5);
        e->findChild<QCheckBox *>(QStringLiteral("chk_seri"))->setChecked(true);
        QStringList secimler = {QStringLiteral("PANS"), QStringLiteral("ENJ")};
        int acilis = 0;
        QTimer cevap;
        cevap.setInterval(0);
        QObject::connect(&cevap, &QTimer::timeout, [&] {
            auto *p = qobject_cast<QDialog *>(QApplication::activeModalWidget());
            if (!p || !p->isVisible() || p->property("cevaplandi").toBool())
                return;
            p->setProperty("cevaplandi", true);
            ++acilis;
            if (p->objectName() != QLatin1String("frm_islemarama") || secimler.isEmpty()) {
                p->reject();
                return;
            }
            p->findChild<QLineEdit *>(QStringLiteral("edt_ara"))->setText(secimler.takeFirst());
            p->findChild<QPushButton *>(QStringLiteral("btn_evet"))->click();
        });
        cevap.start();
        e->findChild<QPushButton *>(QStringLiteral("btn_yeni"))->click();
        for (int i = 0; i < 200 && acilis < 3; ++i)
            QCoreApplication::processEvents();
        cevap.stop();
        QCOMPARE(acilis, 3);
        e->findChild<QPushButton *>(QStringLiteral("btn_iptal"))->click();
        VeriSeti *s = e->satirlar();
        QCOMPARE(s->kesinKayitSayisi(), 2);
        QCOMPARE(TekDeger("select islemturu from yapilanislemler where islemkodu = 'P1'").toString(),
                 QStringLiteral("KÜÇÜK CERRAHİ"));
        QCOMPARE(TekDeger("select doktorpaytutari from yapilanislemler where islemkodu = 'P1'").toDouble(), 5.0);
        QCOMPARE(TekDeger("select islemtutari from muayene where kayitno = 5").toDouble(), 100.0);
        QCOMPARE(TekDeger("select toplamtutar from muayene where kayitno = 5").toDouble(), 240.0); // 100 + 40 + 100
        QCOMPARE(TekDeger("select sum(borc) from cari_hareket where evrakkayitno = 5 and evrakcinsi = ?",
                       {CariIsleme::ucretCinsi(CariIsleme::SatirTuru::Islem)})
                     .toDouble(),
                 100.0);
        QCOMPARE(TekDeger("select sum(alacak) from cari_hareket where evrakkayitno = 5 and aciklama = ?",
                       {CariIsleme::satirAciklamalari(CariIsleme::Kaynak::Genel, CariIsleme::SatirTuru::Islem).pay})
                     .toDouble(),
                 10.0);
        QCOMPARE(TekDeger("select islemtutari from gozhastaliklari where kayitno = 5").toDouble(), 0.0);
    }

    // On "GÖZ" a new line without serial entry waits for the user; the
    // procedure picked then belongs to the eye examination.
    void gozSekmesi()
    {
        TestVeritabani vt;
        QVERIFY(vt.hazir());
        temelVeri();
        BetikMesaj m;
        Tfrm_yapilanislemler e;
        e.show();
        e.findChild<QTabWidget *>(QStringLiteral("PageControl1"))->setCurrentIndex(1);
        QCOMPARE(e.muayeneler()->metin("HASTAKODU"), QStringLiteral("H2"));
        e.findChild<QPushButton *>(QStringLiteral("btn_yeni"))->click();
        VeriSeti *s = e.satirlar();
        QCOMPARE(s->durum(), VeriSeti::Durum::Ekle);
        QCOMPARE(s->metin("BRANS"), QStringLiteral("GÖZ"));
        QTimer::singleShot(0, [] {
            auto *p = qobject_cast<QDialog *>(QApplication::activeModalWidget());
            QVERIFY(p && p->objectName() == QLatin1String("frm_islemarama"));
            p->findChild<QLineEdit *>(QStringLiteral("edt_ara"))->setText(QStringLiteral("PANS"));
            p->findChild<QPushButton *>(QStringLiteral("btn_evet"))->click();
        });
        e.findChild<QPushButton *>(QStringLiteral("BTN_islemarama"))->click();
        QCOMPARE(s->durum(), VeriSeti::Durum::Gozat);
        QCOMPARE(s->metin("KAYNAK"), QStringLiteral("GÖZ"));
        QCOMPARE(TekDeger("select islemtutari from gozhastaliklari where kayitno = 5").toDouble(), 70.0);
        QCOMPARE(TekDeger("select toplamtutar from gozhastaliklari where kayitno = 5").toDouble(), 270.0);
        QCOMPARE(TekDeger("select coalesce(islemtutari, 0) from muayene where kayitno = 5").toDouble(), 0.0);
        QCOMPARE(TekDeger("select sum(alacak) from cari_hareket where evrakkayitno = 5 and aciklama = ?",
                       {CariIsleme::satirAciklamalari(CariIsleme::Kaynak::Goz, CariIsleme::SatirTuru::Islem).pay})
                     .toDouble(),
                 7.0);
    }

    // The forms of both screens print the eye examination's own lines on
    // tab "GÖZ" (the general examination 5 has lines of its own).
    void formlar_data()
    {
        QTest::addColumn<QString>("ekran");
        QTest::addColumn<QStringList>("var");
        QTest::addColumn<QStringList>("yok");
        QTest::newRow("işlem formu") << "frm_yapilanislemler"
                                     << QStringList{"YAPILAN İŞLEMLER FORMU", "MEHMET KAYA", "KÜÇÜK CERRAHİ",
                                                    "PANSUMAN", "HEMŞİRE ELİF", "70,00"}
                                     << QStringList{"ENJEKSİYON", "AYŞE YILMAZ"};
        QTest::newRow("laboratuvar formu") << "frm_muayene_lab"
                                           << QStringList{"LABORATUVAR İSTEK VE SONUÇ FORMU", "MEHMET KAYA",
                                                          "GLUKOZ", "92", "BİYOKİMYA"}
                                           << QStringList{"HEMOGRAM", "AYŞE YILMAZ"};
    }
    void formlar()
    {
        QFETCH(QString, ekran);
        QFETCH(QStringList, var);
        QFETCH(QStringList, yok);
        TestVeritabani vt;
        QVERIFY(vt.hazir());
        temelVeri();
        QVERIFY(Sorgu::calistir("update muayene set laboratuvarvarmi = 'E' where kayitno = 5"));
        QVERIFY(Sorgu::calistir("insert into yapilanislemler (kayitno, hastakodu, hastaadisoyadi, sirketkodu, "
                                "muayeneno, yapilanislem, islemturu, ucreti, islemiyapanadi, islemtarihi, kaynak) "
                                "values (1, 'H2', 'MEHMET KAYA', ?, 5, 'PANSUMAN', 'KÜÇÜK CERRAHİ', 70, "
                                "'HEMŞİRE ELİF', '15.03.2026', 'GÖZ')",
                                {Oturum.sirketkodu}));
        QVERIFY(Sorgu::calistir("insert into yapilanislemler (kayitno, hastakodu, hastaadisoyadi, sirketkodu, "
                                "muayeneno, yapilanislem, islemturu, ucreti) values (2, 'H1', 'AYŞE YILMAZ', ?, 5, "
                                "'ENJEKSİYON', 'UYGULAMA', 30)",
                                {Oturum.sirketkodu}));
        QVERIFY(Sorgu::calistir("insert into muayene_lab (kayitno, hastakodu, hastaadisoyadi, sirketkodu, muayeneno, "
                                "tetkikkodu, tetkikadi, turu, durum, ucreti, kaynak) values (1, 'H2', 'MEHMET KAYA', "
                                "?, '5', 102, 'GLUKOZ', 'BİYOKİMYA', '92', 20, 'GÖZ')",
                                {Oturum.sirketkodu}));
        QVERIFY(Sorgu::calistir("insert into muayene_lab (kayitno, hastakodu, hastaadisoyadi, sirketkodu, muayeneno, "
                                "tetkikkodu, tetkikadi, turu, ucreti) values (2, 'H1', 'AYŞE YILMAZ', ?, '5', 101, "
                                "'HEMOGRAM', 'HEMATOLOJİ', 30)",
                                {Oturum.sirketkodu}));
        QTemporaryDir klasor;
        const QString yol = klasor.filePath(QStringLiteral("form.pdf"));
        auto eski = Rapor::onizlemeYerine;
        Rapor::onizlemeYerine = [&](Rapor &r, QWidget *) {
            QString h;
            QVERIFY2(r.pdfYaz(yol, &h), qPrintable(h));
        };
        BetikMesaj m;
        {
            std::unique_ptr<QDialog> d(EkranOlustur(ekran, nullptr));
            QVERIFY(d);
            d->findChild<QTabWidget *>(QStringLiteral("PageControl1"))->setCurrentIndex(1);
            d->findChild<QPushButton *>(QStringLiteral("BitBtn7"))->click();
        }
        Rapor::onizlemeYerine = eski;
        const QString metin = PdfMetni(yol);
        for (const QString &t : var)
            QVERIFY2(metin.contains(t), qPrintable(t + QStringLiteral(" yok:\n") + metin));
        for (const QString &t : yok)
            QVERIFY2(!metin.contains(t), qPrintable(t));
    }

    // Opening the screen: a reminder, a fee or another company's line stays.
    void bosSatirTemizligi()
    {
        TestVeritabani vt;
        QVERIFY(vt.hazir());
        const QString ekle = QStringLiteral("insert into yapilanislemler (kayitno, sirketkodu, %1) "
                                            "values (gen_id(OTOKOD_YAPILANISLEMLER, 1), ?, ?)");
        QVERIFY(Sorgu::calistir(ekle.arg(QStringLiteral("hastakodu")), {Oturum.sirketkodu, QStringLiteral("H1")}));
        QVERIFY(Sorgu::calistir(ekle.arg(QStringLiteral("ucreti")), {Oturum.sirketkodu, 25.0}));
        QVERIFY(Sorgu::calistir(ekle.arg(QStringLiteral("hatirlatmanotu")), {Oturum.sirketkodu, QStringLiteral("ARA")}));
        QVERIFY(Sorgu::calistir(ekle.arg(QStringLiteral("hastakodu")), {QStringLiteral("BASKA"), QStringLiteral("H2")}));
        BetikMesaj m;
        Tfrm_yapilanislemler e;
        QCOMPARE(TekDeger("select count(*) from yapilanislemler").toInt(), 3);
        QCOMPARE(TekDeger("select count(*) from yapilanislemler where hastakodu = 'H1'").toInt(), 0);
    }
};

QTEST_MAIN(tst_yapilanislemler)
#include "tst_yapilanislemler.moc"
