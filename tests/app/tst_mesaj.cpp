// File dialogs start where the user last found that kind of file, else in
// the data root; an explicit folder is kept; a bare file name to save under
// goes into that start folder. No window opens while a write transaction is
// open: such a call is reported, its message waits for the end of the
// transaction, its question is answered No.
#include "destek/betikmesaj.h"

#include "app/mesaj.h"
#include "app/verikoku.h"
#include "db/hata.h"
#include "db/sorgu.h"
#include "destek/testvt.h"

#include <QDir>
#include <QSettings>
#include <QTemporaryDir>
#include <QtTest>

class TestMesaj : public QObject
{
    Q_OBJECT

private slots:
    void init();
    void dosyaKlasorleri();
    void islemdePencereAcilmaz();
    void ayrintiAyrilir_data();
    void ayrintiAyrilir();

private:
    QTemporaryDir m_kok;
};

void TestMesaj::init()
{
    qputenv("VELMORIKA_KOK", m_kok.path().toUtf8());
    QSettings(QSettings::IniFormat, QSettings::UserScope, QStringLiteral("VELMORIKA"), QStringLiteral("velmorika"))
        .clear();
}

void TestMesaj::dosyaKlasorleri()
{
    const QString excel = QStringLiteral("Excel (*.xlsx *.xls)");
    const QString resim = QStringLiteral("JPEG (*.jpg)");
    QTemporaryDir belgeler;
    QVERIFY(QDir().mkpath(belgeler.filePath(QStringLiteral("hastalar"))));
    const QString kok = VeriKoku();

    BetikMesaj m;
    // Nothing chosen yet: the data root.
    m.dosyalar << belgeler.filePath(QStringLiteral("hastalar/liste.xlsx"));
    QCOMPARE(Mesaj::dosyaAc(QStringLiteral("Veri Al"), QString(), excel), belgeler.filePath(QStringLiteral("hastalar/liste.xlsx")));
    // The same kind again: where the last one was found.
    Mesaj::dosyaAc(QStringLiteral("Veri Al"), QString(), excel);
    // Another kind: still the data root.
    Mesaj::dosyaAc(QStringLiteral("Resim Seç"), QString(), resim);
    // A cancelled dialog remembers nothing; an explicit folder is kept.
    Mesaj::dosyaAc(QStringLiteral("Resim Seç"), QStringLiteral("/tmp"), resim);
    // A file name to save under goes into the start folder of its kind.
    Mesaj::dosyaKaydet(QStringLiteral("Kaydet"), QStringLiteral("rapor.xlsx"), excel);
    QCOMPARE(m.dosyaKlasorleri,
             (QStringList{kok, belgeler.filePath(QStringLiteral("hastalar")), kok, QStringLiteral("/tmp"),
                          belgeler.filePath(QStringLiteral("hastalar/rapor.xlsx"))}));
}

QTEST_MAIN(TestMesaj)
#include "tst_mesaj.moc"

namespace {
QStringList ihlaller;
void ihlalKaydet(const QString &ne) { ihlaller << ne; }
} // namespace

void TestMesaj::islemdePencereAcilmaz()
{
    TEST_VT(vt);
    BetikMesaj m;
    m.varsayilanCevap = true;
    ihlaller.clear();
    const Mesaj::IslemIhlali onceki = Mesaj::islemIhlaliAyarla(&ihlalKaydet);
    {
        Islem islem;
        QVERIFY(islem.basladi());
        Mesaj::goster(QStringLiteral("bilgi"));
        VeriHatasi::hata(QStringLiteral("veritabanı hatası"));
        QVERIFY(!Mesaj::soru(QStringLiteral("silinsin mi?")));
        QVERIFY(!Mesaj::girdi(QStringLiteral("kod"), QStringLiteral("kod")).has_value());
        QVERIFY(Mesaj::dosyaKaydet(QStringLiteral("kaydet")).isEmpty());
        // Nothing reached the user while the transaction was open.
        QVERIFY2(m.mesajlar.isEmpty(), qPrintable(m.mesajlar.join('\n')));
        QVERIFY(m.sorular.isEmpty());
        QVERIFY(m.dosyaKlasorleri.isEmpty());
        // An Islem joined to it does not end it.
        {
            Islem ic;
            QVERIFY(ic.onayla());
        }
        QVERIFY(m.mesajlar.isEmpty());
        islem.geriAl();
    }
    Mesaj::islemIhlaliAyarla(onceki);
    // The four calls that would have opened a window were reported ...
    QCOMPARE(ihlaller.size(), 4);
    QVERIFY(ihlaller.at(0).contains(QStringLiteral("bilgi")));
    QVERIFY(ihlaller.at(1).contains(QStringLiteral("silinsin mi?")));
    // ... and the messages shown after the rollback, in order, errors as errors.
    QCOMPARE(m.mesajlar, (QStringList{QStringLiteral("bilgi"), QStringLiteral("veritabanı hatası")}));
    QCOMPARE(m.hatalar, QStringList{QStringLiteral("veritabanı hatası")});
    // Outside a transaction everything opens as before.
    QVERIFY(Mesaj::soru(QStringLiteral("silinsin mi?")));
    QCOMPARE(m.sorular.size(), 1);
}

// The database client's text (a line in parentheses) goes under "Ayrıntılar".
void TestMesaj::ayrintiAyrilir_data()
{
    QTest::addColumn<QString>("metin");
    QTest::addColumn<QString>("cumle");
    QTest::addColumn<QString>("ayrinti");
    QTest::newRow("yalnız cümle") << "Tarih Boş Olamaz" << "Tarih Boş Olamaz" << "";
    QTest::newRow("istemci metni") << "Bu kayıt zaten var.\n(violation of PRIMARY or UNIQUE KEY)"
                                   << "Bu kayıt zaten var." << "violation of PRIMARY or UNIQUE KEY";
    QTest::newRow("arada, not sonda")
        << "Muayene cari hesaba işlenemedi.\n(lock conflict)\n\nHiçbir değişiklik kaydedilmedi."
        << "Muayene cari hesaba işlenemedi.\n\nHiçbir değişiklik kaydedilmedi." << "lock conflict";
    QTest::newRow("parantezli cümle kalır") << "Tutar (TL) boş olamaz" << "Tutar (TL) boş olamaz" << "";
}

void TestMesaj::ayrintiAyrilir()
{
    QFETCH(QString, metin);
    QFETCH(QString, cumle);
    QFETCH(QString, ayrinti);
    const auto [c, a] = Mesaj::ayrintiAyir(metin);
    QCOMPARE(c, cumle);
    QCOMPARE(a, ayrinti);
}
