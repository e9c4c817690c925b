// The three daily reports, printed to PDF and read back: which of today's
// rows each one prints.
#include "../cari/caritestdestek.h"
#include "raporlar/gunlukraporlar.h"
#include "raporlar/motor/rapor.h"
#include "destek/pdfmetni.h"
#include "destek/testvt.h"

#include <QProcess>
#include <QTemporaryDir>
#include <QtTest>

using CariHareketRapor::Gunluk;

namespace {

void ekle(const QString &unvan, const QString &tur, const QString &cinsi, double borc, double alacak,
          const QDate &tarih, const QString &sirket = QString())
{
    CariTest::Hareket h;
    h.kod = unvan.left(3);
    h.unvan = unvan;
    h.islemTuru = tur;
    h.evrakCinsi = cinsi;
    h.borc = borc;
    h.alacak = alacak;
    h.tarih = h.vade = tarih;
    h.sirket = sirket;
    QVERIFY(CariTest::hareketEkle(h));
}
} // namespace

class tst_gunlukraporlar : public QObject
{
    Q_OBJECT
private slots:
    void secim_data();
    void secim();
};

void tst_gunlukraporlar::secim_data()
{
    QTest::addColumn<int>("tur");
    QTest::addColumn<QStringList>("var");
    QTest::addColumn<QStringList>("yok");
    QTest::newRow("faaliyet") << int(Gunluk::Faaliyet) << QStringList{"MUAYENELİ", "SAATLİ", "123,45"}
                              << QStringList{"BAŞKAŞİRKET", "DÜNKÜ", "ODEYEN", "HAKEDİŞLİ"};
    QTest::newRow("gelir gider") << int(Gunluk::GelirGider) << QStringList{"ODEYEN", "ELLE", "75,00"}
                                 << QStringList{"MUAYENELİ", "HAKEDİŞLİ", "BAŞKAŞİRKET", "DÜNKÜ"};
    QTest::newRow("doktor") << int(Gunluk::DoktorHakedis) << QStringList{"HAKEDİŞLİ", "40,00"}
                            << QStringList{"CİNSİYANLIŞ", "MUAYENELİ", "ODEYEN", "BAŞKAŞİRKET"};
}

void tst_gunlukraporlar::secim()
{
    QFETCH(int, tur);
    QFETCH(QStringList, var);
    QFETCH(QStringList, yok);
    TEST_VT(vt);
    const QDate bugun(2026, 6, 15);
    ekle(QStringLiteral("MUAYENELİ"), QStringLiteral("B.DEKONTU"), QStringLiteral("MYNE"), 100, 0, bugun);
    ekle(QStringLiteral("SAATLİ"), QStringLiteral("B.DEKONTU"), QStringLiteral("ISLM"), 23.45, 0, bugun);
    // Stored at 14:30 today, as the screens store it.
    QVERIFY(Sorgu::calistir(QStringLiteral("update cari_hareket set islemtarihi = ? where cariunvan = 'SAATLİ'"),
                            {QDateTime(bugun, QTime(14, 30))}));
    ekle(QStringLiteral("BAŞKAŞİRKET"), QStringLiteral("B.DEKONTU"), QStringLiteral("MYNE"), 9, 0, bugun,
         QStringLiteral("9999"));
    ekle(QStringLiteral("BAŞKAŞİRKET"), QStringLiteral("NAKIT"), QString(), 0, 9, bugun, QStringLiteral("9999"));
    ekle(QStringLiteral("BAŞKAŞİRKET"), QStringLiteral("DR.HAKEDİŞ"), QStringLiteral("DR"), 0, 9, bugun,
         QStringLiteral("9999"));
    ekle(QStringLiteral("DÜNKÜ"), QStringLiteral("B.DEKONTU"), QStringLiteral("MYNE"), 9, 0, bugun.addDays(-1));
    // A payment from the payment form (its movement type as the user picked it).
    ekle(QStringLiteral("ODEYEN"), QStringLiteral("NAKIT"), QString(), 0, 50, bugun);
    ekle(QStringLiteral("ELLE"), QStringLiteral("C.Hareket"), QString(), 0, 25, bugun);
    ekle(QStringLiteral("HAKEDİŞLİ"), QStringLiteral("DR.HAKEDİŞ"), QStringLiteral("DR"), 0, 40, bugun);
    ekle(QStringLiteral("CİNSİYANLIŞ"), QStringLiteral("DR.HAKEDİŞ"), QStringLiteral("MYNE"), 0, 70, bugun);

    QTemporaryDir d;
    const QString pdf = d.filePath(QStringLiteral("gunluk.pdf"));
    QString baslik;
    Rapor::onizlemeYerine = [&](Rapor &r, QWidget *) {
        baslik = r.baslik();
        QVERIFY(r.pdfYaz(pdf));
    };
    QVERIFY(GunlukRaporlar::Goster(Gunluk(tur), nullptr, bugun));
    QCOMPARE(baslik, CariHareketRapor::GunlukSablon(Gunluk(tur)));
    const QString metin = PdfAkisMetni(pdf);
    QVERIFY2(!metin.isEmpty(), "pdftotext");
    for (const QString &v : var)
        QVERIFY2(metin.contains(v), qPrintable(v + QStringLiteral(" yok: ") + metin));
    for (const QString &y : yok)
        QVERIFY2(!metin.contains(y), qPrintable(y + QStringLiteral(" var: ") + metin));
}

QTEST_MAIN(tst_gunlukraporlar)
#include "tst_gunlukraporlar.moc"
