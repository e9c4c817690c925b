// The report screens' templates printed to PDF over a listed report and read
// back as text: title, the row's values, and the totals a reader expects.
#include "app/ekranlar.h"
#include "app/oturum.h"
#include "db/sorgu.h"
#include "db/veriseti.h"
#include "destek/pdfmetni.h"
#include "destek/betikmesaj.h"
#include "destek/testvt.h"
#include "raporlar/motor/rapor.h"
#include "raporlar/raporekrani.h"

#include <QComboBox>
#include <QProcess>
#include <QTemporaryDir>
#include <QtTest>
#include <memory>

namespace {


// Two rows per table, fees 1.250,50 and 749,50 (total 2.000,00).
void veri()
{
    const QString s = Oturum.sirketkodu;
    const QStringList sql = {
        "insert into hastalar (kayitno, hastakodu, hastaadisoyadi, cinsiyet, ceptel, adres, tani1, sirketkodu) "
        "values (?, ?, ?, 'KADIN', '5321112233', 'ATATÜRK CAD. 5', 'HİPERTANSİYON', ?)",
        "insert into muayene (kayitno, hastakodu, hastaadisoyadi, doktoradi, muayeneucreti, toplamtutar, "
        "mynteshis, sirketkodu) values (?, ?, ?, 'DR. ALİ', ?, ?, 'HİPERTANSİYON', ?)",
        "insert into muayene_lab (kayitno, hastakodu, hastaadisoyadi, tetkikadi, ucreti, sirketkodu) "
        "values (?, ?, ?, 'HEMOGRAM', ?, ?)",
        "insert into yapilanislemler (kayitno, hastakodu, hastaadisoyadi, doktoradi, yapilanislem, islemturu, "
        "ucreti, sirketkodu) values (?, ?, ?, 'DR. ALİ', 'PANSUMAN', 'UYGULAMA', ?, ?)",
        "insert into gozhastaliklari (kayitno, hastakodu, hastaadisoyadi, doktoradi, tani, ucreti, sirketkodu) "
        "values (?, ?, ?, 'DR. ALİ', 'MİYOP', ?, ?)",
        "insert into randevu (kayitno, hastakodu, hastaadisoyadi, doktoradi, doktor, randevutarihi, randevusaati, "
        "konu, muayeneoldumu, hastaceptel, sirketkodu) values (?, ?, ?, 'DR. ALİ', 'D1', '10.03.2026', "
        "'10.03.2026 14:30', 'KONTROL', 'EVET', '5321112233', ?)",
    };
    for (const QString &q : sql) {
        const int n = q.count(QLatin1Char('?'));
        for (int i = 0; i < 2; ++i) {
            QVariantList d = {i + 1, QStringLiteral("K%1").arg(i + 1), i ? QStringLiteral("ŞÜKRÜ GÜNEŞ")
                                                                          : QStringLiteral("AYŞE IŞIK")};
            const double ucret = i ? 749.5 : 1250.5;
            while (d.size() < n - 1)
                d << ucret;
            d << s;
            QVERIFY2(Sorgu::calistir(q, d), qPrintable(q));
        }
    }
}

} // namespace

class tst_raporsablonlari : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase() { TestOrtami(); }

    void sablonlar_data()
    {
        QTest::addColumn<QString>("ekranAdi");
        QTest::addColumn<QString>("sablon");
        QTest::addColumn<QStringList>("metinler");
        const QStringList kisiler = {"AYŞE IŞIK", "ŞÜKRÜ GÜNEŞ"};
        const QStringList toplam = kisiler + QStringList{"2.000,00", "Genel Toplam: 2 kayıt"};
        QTest::newRow("hasta 1") << "frm_hastarapor" << "hastarapor1.frf" << (kisiler + QStringList{"Hasta Listesi", "5321112233", "Genel Toplam: 2 kayıt"});
        QTest::newRow("hasta 2") << "frm_hastarapor" << "hastarapor2.frf" << (kisiler + QStringList{"Hasta Adres Listesi", "ATATÜRK CAD. 5"});
        QTest::newRow("hasta 3") << "frm_hastarapor" << "hastarapor3.frf" << (kisiler + QStringList{"Hasta Sağlık Bilgileri", "HİPERTANSİYON"});
        QTest::newRow("muayene 1") << "frm_muayenerapor" << "muayenerapor1.frf" << (toplam + QStringList{"Muayene Listesi", "1.250,50"});
        QTest::newRow("muayene 2") << "frm_muayenerapor" << "muayenerapor2.frf" << (toplam + QStringList{"DR. ALİ", "Grup Toplamı (2 kayıt)"});
        QTest::newRow("muayene 3") << "frm_muayenerapor" << "muayenerapor3.frf" << (kisiler + QStringList{"Muayene Bulguları", "HİPERTANSİYON"});
        QTest::newRow("lab 1") << "frm_muhlabrapor" << "muayenelabrapor1.frf" << (toplam + QStringList{"HEMOGRAM"});
        QTest::newRow("lab 2") << "frm_muhlabrapor" << "muayenelabrapor2.frf" << (toplam + QStringList{"Grup Toplamı (1 kayıt)"});
        QTest::newRow("lab 3") << "frm_muhlabrapor" << "muayenelabrapor3.frf" << (kisiler + QStringList{"Tetkik Sonuçları", "HEMOGRAM"});
        QTest::newRow("islem 1") << "frm_yislemlerrapor" << "yapilanislemlerrapor1.frf" << (toplam + QStringList{"PANSUMAN"});
        QTest::newRow("islem 2") << "frm_yislemlerrapor" << "yapilanislemlerrapor2.frf" << (toplam + QStringList{"DR. ALİ"});
        QTest::newRow("islem 3") << "frm_yislemlerrapor" << "yapilanislemlerrapor3.frf" << (toplam + QStringList{"UYGULAMA"});
        QTest::newRow("goz 1") << "frm_gozmuayeneraporu" << "gozrapor1.frf" << (toplam + QStringList{"MİYOP"});
        QTest::newRow("goz 2") << "frm_gozmuayeneraporu" << "gozrapor2.frf" << (toplam + QStringList{"DR. ALİ"});
        QTest::newRow("randevu 1") << "frm_randevurapor" << "randevurapor1.frf" << (kisiler + QStringList{"DR. ALİ"});
        QTest::newRow("randevu 2") << "frm_randevurapor" << "randevurapor2.frf" << (kisiler + QStringList{"DR. ALİ"});
        QTest::newRow("randevu 3") << "frm_randevurapor" << "randevurapor3.frf" << kisiler;
        QTest::newRow("gunluk randevu") << "frm_randevurapor" << "randevulistesi1.frf" << (kisiler + QStringList{"14:30", "KONTROL"});
        QTest::newRow("kisa randevu") << "frm_randevurapor" << "randevulistesi2.frf" << (kisiler + QStringList{"10.03.2026"});
        QTest::newRow("goz 3") << "frm_gozmuayeneraporu" << "gozrapor3.frf" << (kisiler + QStringList{"Göz Muayene Bulguları"});
    }

    void sablonlar()
    {
        QFETCH(QString, ekranAdi);
        QFETCH(QString, sablon);
        QFETCH(QStringList, metinler);
        TEST_VT(vt);
        veri();
        BetikMesaj m;
        std::unique_ptr<RaporEkrani> e(qobject_cast<RaporEkrani *>(EkranOlustur(ekranAdi, nullptr)));
        QVERIFY(e);
        bool ekte = false;
        for (const auto &ek : e->tanim().ekSablonlar)
            ekte = ekte || ek.second == sablon;
        QVERIFY(e->tanim().sablonlar.contains(sablon) || ekte);
        QVERIFY(e->listele());
        VeriSetiKaynagi kaynak(*e->liste());
        Rapor r;
        r.baglan(&kaynak);
        QVERIFY(r.yukle(sablon));
        QTemporaryDir d;
        const QString pdf = d.filePath(QStringLiteral("r.pdf"));
        QVERIFY(r.pdfYaz(pdf));
        QVERIFY2(r.uyarilar().isEmpty(), qPrintable(r.uyarilar().join(QLatin1Char('\n'))));
        const QString metin = PdfMetni(pdf);
        for (const QString &beklenen : metinler)
            QVERIFY2(metin.contains(beklenen), qPrintable(beklenen + QStringLiteral("\n---\n") + metin));
    }

    // The group templates: each value with its count, the grand total.
    void grupSablonlari_data()
    {
        QTest::addColumn<QString>("ekranAdi");
        QTest::addColumn<QString>("kolon");
        QTest::addColumn<QStringList>("metinler");
        QTest::newRow("hasta") << "frm_hastarapor" << "CINSIYET" << QStringList{"Hasta Grup Raporu", "KADIN", "Toplam (1 grup)"};
        QTest::newRow("muayene") << "frm_muayenerapor" << "hastakodu" << QStringList{"Muayene Grup Raporu", "K1", "K2", "Toplam (2 grup)"};
        QTest::newRow("lab") << "frm_muhlabrapor" << "hastakodu" << QStringList{"Grup Raporu", "K1", "K2"};
        QTest::newRow("islem") << "frm_yislemlerrapor" << "doktoradi" << QStringList{"Grup Raporu", "DR. ALİ"};
        QTest::newRow("randevu") << "frm_randevurapor" << "doktoradi" << QStringList{"Randevu Grup Raporu", "DR. ALİ", "Toplam (1 grup)"};
        QTest::newRow("goz") << "frm_gozmuayeneraporu" << "DOKTORADI" << QStringList{"Göz Muayeneleri Grup Raporu", "DR. ALİ", "2.000,00"};
    }

    void grupSablonlari()
    {
        QFETCH(QString, ekranAdi);
        QFETCH(QString, kolon);
        QFETCH(QStringList, metinler);
        TEST_VT(vt);
        veri();
        BetikMesaj m;
        std::unique_ptr<RaporEkrani> e(qobject_cast<RaporEkrani *>(EkranOlustur(ekranAdi, nullptr)));
        auto *c = e->findChild<QComboBox *>(QStringLiteral("cmbSiralama"));
        c->setCurrentIndex(c->findText(kolon));
        QVERIFY(e->grupRaporuHazirla());
        VeriSetiKaynagi kaynak(*e->grup());
        Rapor r;
        r.baglan(&kaynak);
        QVERIFY(r.yukle(e->tanim().grupSablonu));
        QTemporaryDir d;
        const QString pdf = d.filePath(QStringLiteral("g.pdf"));
        QVERIFY(r.pdfYaz(pdf));
        QVERIFY2(r.uyarilar().isEmpty(), qPrintable(r.uyarilar().join(QLatin1Char('\n'))));
        const QString metin = PdfMetni(pdf);
        for (const QString &beklenen : metinler)
            QVERIFY2(metin.contains(beklenen), qPrintable(beklenen + QStringLiteral("\n---\n") + metin));
    }
};

QTEST_MAIN(tst_raporsablonlari)
#include "tst_raporsablonlari.moc"
