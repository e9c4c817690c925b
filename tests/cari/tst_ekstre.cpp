// Account statements: the page model of the three layouts (running balance,
// footer totals, count, side word, invoice lines) and the PDF of one account.
#include "app/oturum.h"
#include "cari/ekstre.h"
#include "cari/frm_cari_hareket.h"
#include "caritestdestek.h"
#include "db/sorgu.h"
#include "db/sqltext.h"
#include "destek/pdfmetni.h"
#include "destek/betikmesaj.h"
#include "destek/testvt.h"
#include "raporlar/motor/rapor.h"

#include <QAction>
#include <QLineEdit>
#include <QProcess>
#include <QSettings>
#include <QFontMetricsF>
#include <QImage>
#include <QtTest>

using namespace CariTest;
Q_DECLARE_METATYPE(Ekstre::Tur)

namespace {

// The texts of the objects of a name, page by page, in print order.
QStringList adliMetinler(const RaporBelgesi &b, const QString &ad, int sayfa = -1)
{
    QStringList m;
    for (int i = 0; i < b.sayfaSayisi(); ++i) {
        if (sayfa >= 0 && i != sayfa)
            continue;
        for (const RaporOgesi &o : b.sayfalar[size_t(i)].ogeler)
            if (o.ad == ad)
                m << o.metin;
    }
    return m;
}

QString hesapSelect(const QString &kod, const QString &siralama)
{
    return QStringLiteral("select * from cari_hareket where 1=1  and carikod =") + SqlQuote(kod)
           + QStringLiteral(" and sirketkodu =") + SqlQuote(Oturum.sirketkodu) + QStringLiteral("  order by ")
           + siralama;
}

qint64 satirEkle(double borc, double alacak, int gun, const QString &evrak = QString())
{
    Hareket h;
    h.kod = QStringLiteral("P1");
    h.unvan = QStringLiteral("ALİ VELİ");
    h.borc = borc;
    h.alacak = alacak;
    h.tarih = QDate(2026, 3, 1).addDays(gun);
    const qint64 no = hareketEkle(h);
    if (no && !evrak.isEmpty())
        Sorgu::calistir(QStringLiteral("update CARI_HAREKET set EVRAKNO = ? where KAYITNO = ?"), {evrak, no});
    return no;
}


} // namespace

class tst_ekstre : public QObject
{
    Q_OBJECT
private slots:
    void initTestCase();
    void yuruyenBakiye_data();
    void yuruyenBakiye();
    void tekSatir_data();
    void tekSatir();
    void bosListe_data();
    void bosListe();
    void faturaSatirlari();
    void acilisSatiri();
    void hesapPdf();
    void hesapEkranindan_data();
    void hesapEkranindan();
};

void tst_ekstre::hesapEkranindan_data()
{
    QTest::addColumn<QString>("eylem");
    QTest::addColumn<bool>("raporYetkisi");
    QTest::addColumn<int>("sayfaGenisligi"); // 0: no statement
    QTest::newRow("wide") << QStringLiteral("EkstreGenis1") << false << 279;
    QTest::newRow("narrow") << QStringLiteral("EkstreDar1") << false << 215;
    QTest::newRow("template") << QStringLiteral("RaporEkstre1") << true << 279;
    QTest::newRow("narrow template") << QStringLiteral("RaporEkstreDar1") << true << 215;
    QTest::newRow("template without right") << QStringLiteral("RaporEkstre1") << false << 0;
}

void tst_ekstre::hesapEkranindan()
{
    QFETCH(QString, eylem);
    QFETCH(bool, raporYetkisi);
    QFETCH(int, sayfaGenisligi);
    TEST_VT(vt);
    BetikMesaj m;
    QVERIFY(satirEkle(0, 40, 0));
    QVERIFY(satirEkle(100, 0, 1));
    QVERIFY(yetkiYaz("RAPOR", raporYetkisi ? QStringLiteral("E") : QStringLiteral("H")));
    Aktarim.cari_kod = QStringLiteral("P1");
    Aktarim.cari_unvan = QStringLiteral("ALİ VELİ");
    Tfrm_cari_hareket e;
    e.findChild<QLineEdit *>(QStringLiteral("edt_carihareketkodu"))->setText(QStringLiteral("P1"));
    e.findChild<QLineEdit *>(QStringLiteral("Edit1"))->setText(QStringLiteral("ALİ VELİ"));
    e.selectAyarla(hesapSelect(QStringLiteral("P1"), QStringLiteral("borc desc, kayitno")));
    e.show();
    QCoreApplication::processEvents();
    m.mesajlar.clear();
    RaporBelgesi b;
    const auto eski = Rapor::onizlemeYerine;
    Rapor::onizlemeYerine = [&b](Rapor &r, QWidget *) { b = r.olustur(); };
    e.findChild<QAction *>(eylem)->trigger();
    Rapor::onizlemeYerine = eski;
    if (!sayfaGenisligi) {
        QVERIFY(b.bosMu());
        QCOMPARE(m.mesajlar, QStringList{QStringLiteral("Bu İşlem İçin Yetkili Değilsiniz")});
        return;
    }
    QCOMPARE(int(b.sayfalar.front().boyut.width()), sayfaGenisligi);
    // The screen's order: 100 first, then -40.
    QCOMPARE(adliMetinler(b, QStringLiteral("Memo_bakiye")),
             (QStringList{QStringLiteral("100,00"), QStringLiteral("60,00")}));
    QCOMPARE(adliMetinler(b, QStringLiteral("Memo_tbakiye")), QStringList{QStringLiteral("60,00")});
    QCOMPARE(adliMetinler(b, QStringLiteral("Memo_taraf")), QStringList{QStringLiteral("Borc")});
}

void tst_ekstre::initTestCase()
{
    static QTemporaryDir kok;
    qputenv("VELMORIKA_KOK", kok.path().toUtf8());
    static QTemporaryDir ayarlar;
    QSettings::setPath(QSettings::IniFormat, QSettings::UserScope, ayarlar.path());
}

void tst_ekstre::yuruyenBakiye_data()
{
    QTest::addColumn<Ekstre::Tur>("tur");
    QTest::addColumn<QString>("siralama");
    const QStringList siralar{QStringLiteral("islemtarihi, kayitno"), QStringLiteral("borc, kayitno"),
                              QStringLiteral("borc desc, kayitno"), QStringLiteral("alacak desc, kayitno desc")};
    for (auto [tur, ad] : {std::pair{Ekstre::Tur::Genis, "wide"}, std::pair{Ekstre::Tur::Dar, "narrow"},
                           std::pair{Ekstre::Tur::Detayli, "detailed"}})
        for (const QString &s : siralar)
            QTest::addRow("%s, %s", ad, qPrintable(s)) << tur << s;
}

void tst_ekstre::yuruyenBakiye()
{
    QFETCH(Ekstre::Tur, tur);
    QFETCH(QString, siralama);
    TEST_VT(vt);
    BetikMesaj m;
    // 250 + 1000,50 + 75 - 300 - 1200 = -174,50: the account is owed.
    QVERIFY(satirEkle(250, 0, 0));
    QVERIFY(satirEkle(1000.5, 0, 1));
    QVERIFY(satirEkle(0, 300, 2));
    QVERIFY(satirEkle(75, 0, 3));
    QVERIFY(satirEkle(0, 1200, 4));
    Ekstre::Ekstre e;
    Ekstre::Girdiler g;
    g.select = hesapSelect(QStringLiteral("P1"), siralama);
    QVERIFY(e.hazirla(tur, g));
    const RaporBelgesi b = e.rapor().olustur();
    QCOMPARE(b.sayfaSayisi(), 1);
    const QStringList bakiyeler = adliMetinler(b, QStringLiteral("Memo_bakiye"));
    QCOMPARE(bakiyeler.size(), 5);
    // The running balance of the list's order ends where the footer does.
    QCOMPARE(bakiyeler.last(), QStringLiteral("-174,50"));
    QCOMPARE(adliMetinler(b, QStringLiteral("Memo_tbakiye")), QStringList{QStringLiteral("-174,50")});
    QCOMPARE(adliMetinler(b, QStringLiteral("Memo_tborc")), QStringList{QStringLiteral("1.325,50")});
    QCOMPARE(adliMetinler(b, QStringLiteral("Memo_talacak")), QStringList{QStringLiteral("1.500,00")});
    QCOMPARE(adliMetinler(b, QStringLiteral("Memo_adet")), QStringList{QStringLiteral("5")});
    QCOMPARE(adliMetinler(b, QStringLiteral("Memo_taraf")), QStringList{QStringLiteral("Alacak")});
    // Each line's balance is the one before plus its own debit less credit.
    const auto s = Sorgu::sec(g.select);
    QVERIFY(s);
    double yuruyen = 0;
    for (int i = 0; i < 5; ++i) {
        yuruyen += s->deger(i, QStringLiteral("BORC")).toDouble() - s->deger(i, QStringLiteral("ALACAK")).toDouble();
        QCOMPARE(bakiyeler.at(i), RaporDegerMetni(yuruyen, QStringLiteral("#,###.00")));
    }
    QCOMPARE(m.mesajlar, QStringList{});
}

void tst_ekstre::tekSatir_data()
{
    QTest::addColumn<Ekstre::Tur>("tur");
    QTest::addColumn<QString>("baslik");
    QTest::newRow("wide") << Ekstre::Tur::Genis << QStringLiteral("Cari  Hesap Ekstresı");
    QTest::newRow("narrow") << Ekstre::Tur::Dar << QStringLiteral("Cari  Hesap Ekstresı");
    QTest::newRow("detailed") << Ekstre::Tur::Detayli << QStringLiteral("Detaylı Cari  Hesap Ekstresı");
}

void tst_ekstre::tekSatir()
{
    QFETCH(Ekstre::Tur, tur);
    QFETCH(QString, baslik);
    TEST_VT(vt);
    BetikMesaj m;
    QVERIFY(satirEkle(100, 0, 0));
    Ekstre::Ekstre e;
    Ekstre::Girdiler g;
    g.select = hesapSelect(QStringLiteral("P1"), QStringLiteral("islemtarihi"));
    QVERIFY(e.hazirla(tur, g));
    const RaporBelgesi b = e.rapor().olustur();
    QCOMPARE(adliMetinler(b, QStringLiteral("Memo_bakiye")), QStringList{QStringLiteral("100,00")});
    QCOMPARE(adliMetinler(b, QStringLiteral("Memo_tbakiye")), QStringList{QStringLiteral("100,00")});
    QCOMPARE(adliMetinler(b, QStringLiteral("Memo_taraf")), QStringList{QStringLiteral("Borc")});
    QCOMPARE(adliMetinler(b, QStringLiteral("Memo_adet")), QStringList{QStringLiteral("1")});
    QCOMPARE(adliMetinler(b, QStringLiteral("Memo_baslik")), QStringList{baslik});
    QCOMPARE(adliMetinler(b, QStringLiteral("Memo_cariunvan")), QStringList{QStringLiteral("ALİ VELİ")});
    // Letter paper: landscape for the wide layouts, portrait for the narrow one.
    const QSizeF boyut = b.sayfalar.front().boyut;
    const QSizeF letter(215.9, 279.4);
    const QSizeF beklenen = tur == Ekstre::Tur::Dar ? letter : letter.transposed();
    QVERIFY2(qAbs(boyut.width() - beklenen.width()) < 0.5 && qAbs(boyut.height() - beklenen.height()) < 0.5,
             qPrintable(QStringLiteral("%1 x %2").arg(boyut.width()).arg(boyut.height())));
}

void tst_ekstre::bosListe_data() { tekSatir_data(); }

void tst_ekstre::bosListe()
{
    QFETCH(Ekstre::Tur, tur);
    QFETCH(QString, baslik);
    TEST_VT(vt);
    BetikMesaj m;
    QVERIFY(satirEkle(100, 0, 0)); // another account's row is not listed
    QVERIFY(Sorgu::calistir(QStringLiteral("update CARI_HAREKET set CARIKOD = 'P2'")));
    Ekstre::Ekstre e;
    Ekstre::Girdiler g;
    g.select = hesapSelect(QStringLiteral("P1"), QStringLiteral("islemtarihi"));
    QVERIFY(e.hazirla(tur, g));
    const RaporBelgesi b = e.rapor().olustur();
    QCOMPARE(b.sayfaSayisi(), 1);
    QCOMPARE(adliMetinler(b, QStringLiteral("Memo_baslik")), QStringList{baslik});
    QCOMPARE(adliMetinler(b, QStringLiteral("Memo_bakiye")), QStringList{});
    QCOMPARE(adliMetinler(b, QStringLiteral("Memo_adet")), QStringList{QStringLiteral("0")});
    QCOMPARE(adliMetinler(b, QStringLiteral("Memo_tbakiye")), QStringList{QStringLiteral("0,00")});
    QCOMPARE(adliMetinler(b, QStringLiteral("Memo_tborc")), QStringList{QStringLiteral("0,00")});
    QCOMPARE(adliMetinler(b, QStringLiteral("Memo_taraf")), QStringList{QStringLiteral("Sıfır")});
}

void tst_ekstre::faturaSatirlari()
{
    TEST_VT(vt);
    BetikMesaj m;
    const qint64 faturali = satirEkle(500, 0, 0, QStringLiteral("F-77"));
    QVERIFY(faturali);
    QVERIFY(satirEkle(0, 200, 1, QStringLiteral("F-78"))); // no invoice of that number
    int kayit = 0;
    auto fatura = [&kayit](const char *stok, double miktar, const QString &no, const QString &cari, int gun) {
        ++kayit;
        return Sorgu::calistir(
            QStringLiteral("insert into FATURAHAREKETI (KAYITNO, SIRKETKODU, FATURANO, FATURATARIHI, CARIKOD, "
                           "STOKKODU, STOKADI, MIKTAR, BIRIMFIYATI, TOPLAMTUTAR) values (?, ?, ?, ?, ?, ?, ?, ?, 100, ?)"),
            {kayit, Oturum.sirketkodu, no, QDateTime(QDate(2026, 3, 1).addDays(gun), QTime(0, 0)), cari,
             QString::fromLatin1(stok), QStringLiteral("Lens %1").arg(QLatin1String(stok)), miktar, miktar * 100});
    };
    QVERIFY(fatura("STK1", 2, QStringLiteral("F-77"), QStringLiteral("P1"), 0));
    QVERIFY(fatura("STK2", 3, QStringLiteral("F-77"), QStringLiteral("P1"), 0));
    QVERIFY(fatura("YOK1", 1, QStringLiteral("F-77"), QStringLiteral("P9"), 0)); // another account
    QVERIFY(fatura("YOK2", 1, QStringLiteral("F-77"), QStringLiteral("P1"), 5)); // another date
    Ekstre::Ekstre e;
    Ekstre::Girdiler g;
    g.select = hesapSelect(QStringLiteral("P1"), QStringLiteral("islemtarihi"));
    QVERIFY(e.hazirla(Ekstre::Tur::Detayli, g));
    const RaporBelgesi b = e.rapor().olustur();
    const QStringList metin = b.sayfalar.front().metinler();
    const int hareket1 = int(metin.indexOf(QStringLiteral("F-77")));
    const int hareket2 = int(metin.indexOf(QStringLiteral("F-78")));
    const int stk1 = int(metin.indexOf(QStringLiteral("STK1")));
    const int stk2 = int(metin.indexOf(QStringLiteral("STK2")));
    QVERIFY2(hareket1 >= 0 && hareket2 >= 0 && stk1 >= 0 && stk2 >= 0, qPrintable(metin.join(u'|')));
    QVERIFY(hareket1 < stk1 && stk1 < stk2 && stk2 < hareket2);
    QVERIFY(metin.contains(QStringLiteral("Lens STK1")));
    QVERIFY(metin.contains(QStringLiteral("300,00"))); // STK2's total
    QVERIFY(!metin.contains(QStringLiteral("YOK1")));
    QVERIFY(!metin.contains(QStringLiteral("YOK2")));
    // The wide statement prints no invoice lines.
    Ekstre::Ekstre w;
    QVERIFY(w.hazirla(Ekstre::Tur::Genis, g));
    QVERIFY(!w.rapor().olustur().sayfalar.front().metinler().contains(QStringLiteral("STK1")));
}

void tst_ekstre::acilisSatiri()
{
    TEST_VT(vt);
    BetikMesaj m;
    QVERIFY(satirEkle(100, 0, 0));
    Ekstre::Ekstre e;
    Ekstre::Girdiler g;
    g.select = hesapSelect(QStringLiteral("P1"), QStringLiteral("islemtarihi"));
    g.acilisSatiri = {QStringLiteral("0"),      QStringLiteral("01.03.2026"),
                      QStringLiteral("BAKIYE"), QStringLiteral("01.03.2026 Tarihinden Önceki Bakiye Bilgileri "),
                      QStringLiteral("40,00"),  QStringLiteral("10,00"),
                      QStringLiteral("30,00")};
    QVERIFY(e.hazirla(Ekstre::Tur::Dar, g));
    const RaporBelgesi b = e.rapor().olustur();
    for (int i = 0; i < 7; ++i)
        QCOMPARE(adliMetinler(b, QStringLiteral("Memo_acilis%1").arg(i + 1)), QStringList{g.acilisSatiri.at(i)});
    // Each text of the line fits its box on one line, and the boxes do not
    // overlap: the description does not run into the amounts. Measured in
    // points (72 per inch), the boxes' millimetres turned into the same.
    QImage olcu(1, 1, QImage::Format_RGB32);
    olcu.setDotsPerMeterX(qRound(72 / 0.0254));
    olcu.setDotsPerMeterY(qRound(72 / 0.0254));
    std::vector<QRectF> alanlar;
    for (const RaporOgesi &o : b.sayfalar.front().ogeler) {
        if (!o.ad.startsWith(QLatin1String("Memo_acilis")))
            continue;
        const qreal genislik = QFontMetricsF(o.yaziTipi, &olcu).horizontalAdvance(o.metin.trimmed()) * 25.4 / 72;
        QVERIFY2(genislik <= o.alan.width() - 1.0,
                 qPrintable(QStringLiteral("%1: %2 mm > %3 mm").arg(o.metin).arg(genislik).arg(o.alan.width())));
        for (const QRectF &a : alanlar)
            QVERIFY2(a.right() <= o.alan.left() + 0.01 || o.alan.right() <= a.left() + 0.01, qPrintable(o.ad));
        alanlar.push_back(o.alan);
    }
    QCOMPARE(alanlar.size(), size_t(7));
    // It is not part of the running balance.
    QCOMPARE(adliMetinler(b, QStringLiteral("Memo_bakiye")), QStringList{QStringLiteral("100,00")});
}

void tst_ekstre::hesapPdf()
{
    TEST_VT(vt);
    BetikMesaj m;
    QVERIFY(satirEkle(1234.5, 0, 0));
    QVERIFY(satirEkle(0, 234.5, 1));
    QTemporaryDir d;
    for (auto tur : {Ekstre::Tur::Genis, Ekstre::Tur::Dar, Ekstre::Tur::Detayli}) {
        const QString pdf = d.filePath(QStringLiteral("ekstre%1.pdf").arg(int(tur)));
        QString hata;
        QVERIFY2(Ekstre::HesapPdfYaz(tur, QStringLiteral("P1"), pdf, &hata), qPrintable(hata));
        const QString metin = PdfAkisMetni(pdf);
        QVERIFY2(metin.contains(QStringLiteral("Cari Hesap Ekstresı")), qPrintable(metin));
        QVERIFY(metin.contains(QStringLiteral("ALİ VELİ")));
        QVERIFY(metin.contains(QStringLiteral("1.234,50")));
        QVERIFY2(metin.contains(QStringLiteral("1.000,00")), qPrintable(metin));
        QVERIFY2(metin.contains(QStringLiteral("Borc")), qPrintable(metin));
    }
}

QTEST_MAIN(tst_ekstre)
#include "tst_ekstre.moc"
