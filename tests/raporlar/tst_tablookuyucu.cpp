// Reading the first sheet of .xlsx, .ods, .xls and .csv files saved by a real
// spreadsheet program, and files made here for the traps those don't hold.
#include "raporlar/motor/tablookuyucu.h"
#include "destek/testvt.h"

#include <QFile>
#include <QTemporaryDir>
#include <QTest>

#include <zip.h>

namespace {

QString veri(const QString &ad) { return TestDosyasi(QStringLiteral("tablo/") + ad); }

// A zip package with the given parts, for hand-made workbooks.
bool paketYaz(const QString &yol, const QList<QPair<QString, QByteArray>> &parcalar)
{
    int hata = 0;
    zip_t *zip = zip_open(QFile::encodeName(yol).constData(), ZIP_CREATE | ZIP_TRUNCATE, &hata);
    if (!zip)
        return false;
    for (const auto &p : parcalar) {
        // The parts' bytes stay in parcalar until zip_close writes them.
        zip_source_t *kaynak = zip_source_buffer(zip, p.second.constData(), zip_uint64_t(p.second.size()), 0);
        if (!kaynak) {
            zip_discard(zip);
            return false;
        }
        if (zip_file_add(zip, p.first.toUtf8().constData(), kaynak, ZIP_FL_ENC_UTF_8) < 0) {
            zip_source_free(kaynak);
            zip_discard(zip);
            return false;
        }
    }
    if (zip_close(zip) != 0) {
        zip_discard(zip);
        return false;
    }
    return true;
}

// The long name of row 5 (54 characters).
const QString Uzun55 = QStringLiteral("ABDURRAHMAN MUHAMMED SAİT KARAHANLIOĞLU ÜÇÜNCÜOĞULLARI");

} // namespace

class TestTabloOkuyucu : public QObject
{
    Q_OBJECT

private slots:
    void hastalar_data();
    void hastalar();
    void bicimlerAyniMetni_data();
    void bicimlerAyniMetni();
    void tarihler_data();
    void tarihler();
    void ucBinBesYuzSatir_data();
    void ucBinBesYuzSatir();
    void ondaliklar_data();
    void ondaliklar();
    void icerik_data();
    void icerik();
    void bozukDosyalar_data();
    void bozukDosyalar();
    void parolali();
    void xlsxIlkSayfaVeTurler();
    void odsTekrarlar();
    void csvKurallari_data();
    void csvKurallari();
    void degerMetni_data();
    void degerMetni();
};

void TestTabloOkuyucu::hastalar_data()
{
    QTest::addColumn<QString>("dosya");
    QTest::addColumn<bool>("turlu");   // the file carries cell types
    QTest::newRow("xlsx") << QStringLiteral("hastalar.xlsx") << true;
    QTest::newRow("ods") << QStringLiteral("hastalar.ods") << true;
    QTest::newRow("xls") << QStringLiteral("hastalar.xls") << true;
    QTest::newRow("csv utf-8") << QStringLiteral("hastalar.csv") << false;
    QTest::newRow("csv cp1254 ;") << QStringLiteral("hastalar-noktalivirgul-cp1254.csv") << false;
}

void TestTabloOkuyucu::hastalar()
{
    QFETCH(QString, dosya);
    QFETCH(bool, turlu);
    TabloOkuyucu t;
    QString hata;
    QVERIFY2(t.ac(veri(dosya), &hata), qPrintable(hata));
    QCOMPARE(t.satirSayisi(), 11);
    QCOMPARE(t.sutunSayisi(), 10);

    struct Beklenen { int satir, sutun; QString metin; };
    const Beklenen beklenen[] = {
        {1, 1, QStringLiteral("H001")},
        {1, 2, QStringLiteral("ŞÜKRÜ ÇAĞLAR")},
        {1, 4, QStringLiteral("İSMAİL")},
        {1, 9, QStringLiteral("2")},
        {1, 10, QStringLiteral("12345678901")},
        {2, 2, QStringLiteral("GÜLŞEN ÖZTÜRK")},
        {2, 9, QStringLiteral("0")},
        {2, 10, QStringLiteral("10987654321")},      // a number cell, not "1.09877e+10"
        {3, 2, QStringLiteral("O'NEIL DENİZ")},
        {4, 1, QStringLiteral("1004")},             // a number cell, not "1004.0"
        {4, 2, QStringLiteral("IŞIL IŞIK")},
        {4, 7, QStringLiteral("ÇANAKKALE")},
        {4, 10, QString()},                         // missing
        {5, 2, Uzun55},
        {5, 4, QString()},
        {5, 9, QString()},
        {5, 10, QStringLiteral("34567890123")},
        {7, 2, QStringLiteral("ZEYNEP \"ZEY\" AK")},
        {7, 8, QStringLiteral("BOŞANMIŞ")},
        {8, 2, QStringLiteral("ÇİĞDEM ĞÜLER")},
        {8, 5, QString()},
        {8, 7, QStringLiteral("MUGLA")},
        {9, 9, QStringLiteral("2")},                // the child count 2.0
        {11, 2, QStringLiteral("ÜMRAN ÇİFTÇİ")},
        {11, 10, QStringLiteral("89012345678")},
        {12, 1, QString()},                         // past the end
    };
    for (const Beklenen &b : beklenen)
        QVERIFY2(t.hucre(b.satir, b.sutun) == b.metin,
                 qPrintable(QStringLiteral("(%1,%2) = '%3', beklenen '%4'")
                                .arg(b.satir).arg(b.sutun).arg(t.hucre(b.satir, b.sutun), b.metin)));
    QVERIFY(Uzun55.size() > 45);   // longer than the name column
    // Row 6 is empty, and the rows after it keep their numbers.
    for (int c = 1; c <= 10; ++c)
        QVERIFY(t.hucre(6, c).isEmpty());
    QCOMPARE(t.hucre(7, 1), QStringLiteral("H007"));
    // The second sheet is never read.
    for (int r = 1; r <= t.satirSayisi(); ++r)
        for (int c = 1; c <= t.sutunSayisi(); ++c)
            QVERIFY(!t.hucre(r, c).contains(QLatin1String("OKUNMAZ")));

    // Typed values where the file has types.
    if (turlu) {
        QCOMPARE(t.hucreDegeri(4, 1).typeId(), int(QMetaType::Double));
        QCOMPARE(t.hucreDegeri(4, 1).toDouble(), 1004.0);
        QCOMPARE(t.hucreDegeri(2, 10).toDouble(), 10987654321.0);
        QCOMPARE(t.hucreDegeri(1, 10).typeId(), int(QMetaType::QString));
    } else {
        QCOMPARE(t.hucreDegeri(4, 1).typeId(), int(QMetaType::QString));
    }
    QVERIFY(!t.hucreDegeri(4, 10).isValid());
}

void TestTabloOkuyucu::bicimlerAyniMetni_data()
{
    QTest::addColumn<QString>("kok");
    QTest::addColumn<QStringList>("uzantilar");
    const QStringList ucu{QStringLiteral("xlsx"), QStringLiteral("ods"), QStringLiteral("xls")};
    QTest::newRow("hastalar") << QStringLiteral("hastalar")
                              << (ucu + QStringList{QStringLiteral("csv")});
    QTest::newRow("49 sutun") << QStringLiteral("hastalar-49sutun") << ucu;
    QTest::newRow("muayene") << QStringLiteral("muayene-33sutun") << ucu;
    // These .xls files are turned down by FreeXL and read by our own reader.
    QTest::newRow("ek9") << QStringLiteral("ek9-7sutun") << ucu;
    QTest::newRow("laboratuvar") << QStringLiteral("laboratuvar-12sutun") << ucu;
    QTest::newRow("form parametreleri") << QStringLiteral("formparametreleri-5sutun") << ucu;
    QTest::newRow("modüller") << QStringLiteral("moduller-5sutun") << ucu;
    QTest::newRow("tanılar") << QStringLiteral("tanilar-3sutun") << ucu;
}

// Every cell reads the same whatever format the sheet was saved in.
void TestTabloOkuyucu::bicimlerAyniMetni()
{
    QFETCH(QString, kok);
    QFETCH(QStringList, uzantilar);
    TabloOkuyucu ana;
    QString hata;
    QVERIFY2(ana.ac(veri(kok + QStringLiteral(".xlsx")), &hata), qPrintable(hata));
    QVERIFY(ana.satirSayisi() > 0);
    for (const QString &u : uzantilar) {
        TabloOkuyucu t;
        QVERIFY2(t.ac(veri(kok + QLatin1Char('.') + u), &hata), qPrintable(hata));
        QCOMPARE(t.satirSayisi(), ana.satirSayisi());
        QCOMPARE(t.sutunSayisi(), ana.sutunSayisi());
        for (int r = 1; r <= ana.satirSayisi(); ++r)
            for (int c = 1; c <= ana.sutunSayisi(); ++c)
                QVERIFY2(t.hucre(r, c) == ana.hucre(r, c),
                         qPrintable(QStringLiteral("%1 (%2,%3): '%4' / xlsx '%5'")
                                        .arg(u).arg(r).arg(c).arg(t.hucre(r, c), ana.hucre(r, c))));
    }
}

void TestTabloOkuyucu::tarihler_data()
{
    QTest::addColumn<QString>("dosya");
    QTest::newRow("xlsx") << QStringLiteral("hastalar-49sutun.xlsx");
    QTest::newRow("ods") << QStringLiteral("hastalar-49sutun.ods");
    QTest::newRow("xls") << QStringLiteral("hastalar-49sutun.xls");
}

// DOGUMTARIHI (12), KAYITTARIHI (39), HATIRLATMATARIHI (42) are real date cells.
void TestTabloOkuyucu::tarihler()
{
    QFETCH(QString, dosya);
    TabloOkuyucu t;
    QString hata;
    QVERIFY2(t.ac(veri(dosya), &hata), qPrintable(hata));
    QCOMPARE(t.sutunSayisi(), 49);
    QCOMPARE(t.hucre(1, 12), QStringLiteral("15.06.1975"));
    QCOMPARE(t.hucreDegeri(1, 12), QVariant(QDate(1975, 6, 15)));
    QCOMPARE(t.hucre(1, 39), QStringLiteral("05.03.2008"));
    QCOMPARE(t.hucre(2, 12), QStringLiteral("01.12.1982"));
    QCOMPARE(t.hucre(2, 42), QStringLiteral("10.12.2026"));
    QCOMPARE(t.hucreDegeri(2, 42).typeId(), int(QMetaType::QDate));
    QVERIFY(t.hucre(1, 42).isEmpty());
    // Row 3 is empty, row 4 keeps its number.
    for (int c = 1; c <= 49; ++c)
        QVERIFY(t.hucre(3, c).isEmpty());
    QCOMPARE(t.hucre(4, 12), QStringLiteral("28.02.1990"));
}

void TestTabloOkuyucu::ucBinBesYuzSatir_data()
{
    QTest::addColumn<QString>("dosya");
    QTest::newRow("xlsx") << QStringLiteral("hastalar-3500.xlsx");
    QTest::newRow("ods") << QStringLiteral("hastalar-3500.ods");
    QTest::newRow("xls") << QStringLiteral("hastalar-3500.xls");
}

void TestTabloOkuyucu::ucBinBesYuzSatir()
{
    QFETCH(QString, dosya);
    TabloOkuyucu t;
    QString hata;
    QVERIFY2(t.ac(veri(dosya), &hata), qPrintable(hata));
    QCOMPARE(t.satirSayisi(), 3500);
    QCOMPARE(t.hucre(1, 1), QStringLiteral("B00001"));
    QCOMPARE(t.hucre(3000, 1), QStringLiteral("B03000"));
    QCOMPARE(t.hucre(3500, 1), QStringLiteral("B03500"));
    QVERIFY(t.hucre(3501, 1).isEmpty());
}

void TestTabloOkuyucu::ondaliklar_data()
{
    QTest::addColumn<QString>("dosya");
    QTest::newRow("xlsx") << QStringLiteral("muayene-33sutun.xlsx");
    QTest::newRow("ods") << QStringLiteral("muayene-33sutun.ods");
    QTest::newRow("xls") << QStringLiteral("muayene-33sutun.xls");
}

// Decimals read with '.' as stored: 38.4 not "38,4" nor "38.399999".
void TestTabloOkuyucu::ondaliklar()
{
    QFETCH(QString, dosya);
    TabloOkuyucu t;
    QString hata;
    QVERIFY2(t.ac(veri(dosya), &hata), qPrintable(hata));
    QStringList hepsi;
    for (int r = 1; r <= t.satirSayisi(); ++r)
        for (int c = 1; c <= t.sutunSayisi(); ++c)
            hepsi << t.hucre(r, c);
    QVERIFY2(hepsi.contains(QStringLiteral("38.4")), qPrintable(hepsi.join(QLatin1Char('|'))));
    QVERIFY(hepsi.contains(QStringLiteral("80.5")));
    QVERIFY(hepsi.contains(QStringLiteral("46.1")));
    QVERIFY(hepsi.contains(QStringLiteral("YÜZDE")));
    QVERIFY(hepsi.contains(QStringLiteral("BİRİM FİYAT")));
}

void TestTabloOkuyucu::icerik_data()
{
    QTest::addColumn<QString>("kok");
    QTest::addColumn<QStringList>("metinler");   // each must be one cell's whole text
    QTest::newRow("ek9") << QStringLiteral("ek9-7sutun") << QStringList{QStringLiteral("2450.75")};
    QTest::newRow("laboratuvar") << QStringLiteral("laboratuvar-12sutun")
                                 << QStringList{QStringLiteral("0,27-4,2")};
    QTest::newRow("modüller") << QStringLiteral("moduller-5sutun")
                              << QStringList{QStringLiteral("TETKİKLER"), QStringLiteral("VERİ KONTROL")};
}

// Texts the import screens rely on, from every format (the .xls of these go
// through our own Excel 97 reader).
void TestTabloOkuyucu::icerik()
{
    QFETCH(QString, kok);
    QFETCH(QStringList, metinler);
    for (const char *u : {"xlsx", "ods", "xls"}) {
        TabloOkuyucu t;
        QString hata;
        QVERIFY2(t.ac(veri(kok + QLatin1Char('.') + QLatin1String(u)), &hata), qPrintable(hata));
        QStringList hepsi;
        for (int r = 1; r <= t.satirSayisi(); ++r)
            for (int c = 1; c <= t.sutunSayisi(); ++c)
                hepsi << t.hucre(r, c);
        for (const QString &m : metinler)
            QVERIFY2(hepsi.contains(m), qPrintable(QLatin1String(u) + QLatin1String(": ") + m));
        if (kok.startsWith(QLatin1String("laboratuvar")))
            QVERIFY2(hepsi.join(QLatin1Char(' ')).contains(QChar(0x00B5)), u);   // µ in a unit
    }
}

void TestTabloOkuyucu::bozukDosyalar_data()
{
    QTest::addColumn<QString>("yol");
    QTest::addColumn<QString>("parca");   // part of the message
    QTest::newRow("kesik xlsx") << veri(QStringLiteral("bozuk-kesik.xlsx")) << QStringLiteral("bozuk");
    QTest::newRow("rastgele xls") << veri(QStringLiteral("bozuk-rastgele.xls")) << QStringLiteral("bozuk");
    QTest::newRow("metin xlsx") << veri(QStringLiteral("bozuk-metin.xlsx")) << QStringLiteral("bozuk");
    QTest::newRow("yok") << veri(QStringLiteral("olmayan-dosya.xlsx")) << QStringLiteral("açılamadı");
}

void TestTabloOkuyucu::bozukDosyalar()
{
    QFETCH(QString, yol);
    QFETCH(QString, parca);
    TabloOkuyucu t;
    // A good file first: a failed open must leave nothing of it behind.
    QVERIFY(t.ac(veri(QStringLiteral("hastalar.xlsx"))));
    QString hata;
    QVERIFY(!t.ac(yol, &hata));
    QVERIFY2(hata.contains(parca), qPrintable(hata));
    QCOMPARE(t.satirSayisi(), 0);
    QCOMPARE(t.sutunSayisi(), 0);
    QVERIFY(t.hucre(1, 1).isEmpty());
}

// A workbook saved with a password is wrapped in a compound file (.xlsx), or
// its parts are encrypted (.ods): both are refused with a message saying so.
void TestTabloOkuyucu::parolali()
{
    QTemporaryDir k;
    const QString xlsx = k.filePath(QStringLiteral("parolali.xlsx"));
    QFile kaynak(veri(QStringLiteral("hastalar.xls")));   // any compound file
    QVERIFY(kaynak.copy(xlsx));
    TabloOkuyucu t;
    QString hata;
    QVERIFY(!t.ac(xlsx, &hata));
    QVERIFY2(hata.contains(QStringLiteral("parola")), qPrintable(hata));

    // An Excel 97 workbook saved with a password carries a FILEPASS record
    // right after the first BOF: make one out of a plain workbook.
    QFile xlsKaynak(veri(QStringLiteral("hastalar.xls")));
    QVERIFY(xlsKaynak.open(QIODevice::ReadOnly));
    QByteArray xls = xlsKaynak.readAll();
    const qsizetype bof = xls.indexOf(QByteArray("\x09\x08\x10\x00\x00\x06", 6));
    QVERIFY(bof > 0);
    xls[bof + 20] = 0x2F;
    xls[bof + 21] = 0x00;
    const QString xlsYol = k.filePath(QStringLiteral("parolali.xls"));
    QFile xlsHedef(xlsYol);
    QVERIFY(xlsHedef.open(QIODevice::WriteOnly));
    xlsHedef.write(xls);
    xlsHedef.close();
    hata.clear();
    QVERIFY(!t.ac(xlsYol, &hata));
    QVERIFY2(hata.contains(QStringLiteral("parola")), qPrintable(hata));

    const QString ods = k.filePath(QStringLiteral("parolali.ods"));
    QVERIFY(paketYaz(ods, {
        {QStringLiteral("mimetype"), "application/vnd.oasis.opendocument.spreadsheet"},
        {QStringLiteral("META-INF/manifest.xml"),
         "<?xml version=\"1.0\"?><manifest:manifest xmlns:manifest=\"urn:oasis:names:tc:opendocument:xmlns:manifest:1.0\">"
         "<manifest:file-entry manifest:full-path=\"content.xml\" manifest:media-type=\"text/xml\">"
         "<manifest:encryption-data manifest:checksum-type=\"SHA1/1K\" manifest:checksum=\"AAAA\"/>"
         "</manifest:file-entry></manifest:manifest>"},
        {QStringLiteral("content.xml"), QByteArray("\x12\x9a\xff\x00garbage", 11)},
    }));
    hata.clear();
    QVERIFY(!t.ac(ods, &hata));
    QVERIFY2(hata.contains(QStringLiteral("parola")), qPrintable(hata));
}

// The first sheet by workbook order (not by part name), inline strings,
// booleans, formula texts, a custom date format, a date-time, the 1904 system,
// cells without references, rich text with phonetic runs.
void TestTabloOkuyucu::xlsxIlkSayfaVeTurler()
{
    QTemporaryDir k;
    const QString yol = k.filePath(QStringLiteral("elle.xlsx"));
    const QByteArray ns = "xmlns=\"http://schemas.openxmlformats.org/spreadsheetml/2006/main\" "
                          "xmlns:r=\"http://schemas.openxmlformats.org/officeDocument/2006/relationships\"";
    QVERIFY(paketYaz(yol, {
        {QStringLiteral("[Content_Types].xml"), "<?xml version=\"1.0\"?><Types/>"},
        {QStringLiteral("_rels/.rels"),
         "<Relationships xmlns=\"http://schemas.openxmlformats.org/package/2006/relationships\">"
         "<Relationship Id=\"rId1\" Type=\"http://schemas.openxmlformats.org/officeDocument/2006/relationships/officeDocument\" Target=\"kitap/calisma.xml\"/>"
         "</Relationships>"},
        {QStringLiteral("kitap/calisma.xml"),
         "<workbook " + ns + "><workbookPr date1904=\"1\"/><sheets>"
         "<sheet name=\"Birinci\" sheetId=\"7\" r:id=\"rId9\"/><sheet name=\"Diger\" sheetId=\"1\" r:id=\"rId8\"/>"
         "</sheets></workbook>"},
        {QStringLiteral("kitap/_rels/calisma.xml.rels"),
         "<Relationships xmlns=\"http://schemas.openxmlformats.org/package/2006/relationships\">"
         "<Relationship Id=\"rId8\" Type=\"http://schemas.openxmlformats.org/officeDocument/2006/relationships/worksheet\" Target=\"sayfalar/sheet1.xml\"/>"
         "<Relationship Id=\"rId9\" Type=\"http://schemas.openxmlformats.org/officeDocument/2006/relationships/worksheet\" Target=\"/kitap/sayfalar/sheet2.xml\"/>"
         "<Relationship Id=\"rId3\" Type=\"http://schemas.openxmlformats.org/officeDocument/2006/relationships/sharedStrings\" Target=\"ortak.xml\"/>"
         "<Relationship Id=\"rId4\" Type=\"http://schemas.openxmlformats.org/officeDocument/2006/relationships/styles\" Target=\"stil.xml\"/>"
         "</Relationships>"},
        {QStringLiteral("kitap/ortak.xml"),
         "<sst " + ns + "><si><t>YANLIŞ SAYFA</t></si>"
         "<si><r><t>ZEN</t></r><r><t xml:space=\"preserve\">GİN </t></r><rPh><t>okunuş</t></rPh></si></sst>"},
        {QStringLiteral("kitap/stil.xml"),
         "<styleSheet " + ns + "><numFmts count=\"2\"><numFmt numFmtId=\"164\" formatCode=\"[$-41F]dd\\.mm\\.yyyy\"/>"
         "<numFmt numFmtId=\"165\" formatCode=\"#,##0.00\\ &quot;TL&quot;\"/></numFmts>"
         "<cellStyleXfs count=\"1\"><xf numFmtId=\"14\"/></cellStyleXfs>"
         "<cellXfs count=\"5\"><xf numFmtId=\"0\"/><xf numFmtId=\"164\"/><xf numFmtId=\"165\"/>"
         "<xf numFmtId=\"22\"/><xf numFmtId=\"20\"/></cellXfs></styleSheet>"},
        {QStringLiteral("kitap/sayfalar/sheet1.xml"),
         "<worksheet " + ns + "><sheetData><row r=\"1\"><c r=\"A1\" t=\"s\"><v>0</v></c></row></sheetData></worksheet>"},
        {QStringLiteral("kitap/sayfalar/sheet2.xml"),
         "<worksheet " + ns + "><sheetData>"
         "<row r=\"1\"><c t=\"inlineStr\"><is><t>Satır içi ĞÜŞ</t></is></c><c t=\"s\"><v>1</v></c>"
         "<c t=\"b\"><v>1</v></c><c t=\"str\"><f>A1</f><v>formül</v></c><c t=\"e\"><v>#DIV/0!</v></c></row>"
         "<row r=\"3\"><c r=\"B3\" s=\"1\"><v>0</v></c><c r=\"C3\" s=\"2\"><v>2450.75</v></c>"
         "<c r=\"D3\" s=\"3\"><v>1.5</v></c><c r=\"E3\" s=\"4\"><v>0.75</v></c><c r=\"F3\"><v>-0.1</v></c>"
         "<c r=\"G3\" s=\"2\"/><c r=\"H3\" t=\"s\"/></row>"
         "</sheetData></worksheet>"},
    }));
    TabloOkuyucu t;
    QString hata;
    QVERIFY2(t.ac(yol, &hata), qPrintable(hata));
    QCOMPARE(t.hucre(1, 1), QStringLiteral("Satır içi ĞÜŞ"));
    QCOMPARE(t.hucre(1, 2), QStringLiteral("ZENGİN "));
    QCOMPARE(t.hucre(1, 3), QStringLiteral("DOĞRU"));
    QCOMPARE(t.hucreDegeri(1, 3), QVariant(true));
    QCOMPARE(t.hucre(1, 4), QStringLiteral("formül"));
    QCOMPARE(t.hucre(1, 5), QStringLiteral("#DIV/0!"));
    QVERIFY(t.hucre(2, 1).isEmpty());
    QCOMPARE(t.hucre(3, 2), QStringLiteral("01.01.1904"));   // day 0 of the 1904 system
    QCOMPARE(t.hucre(3, 3), QStringLiteral("2450.75"));      // a number with a currency format stays a number
    QCOMPARE(t.hucreDegeri(3, 3).typeId(), int(QMetaType::Double));
    QCOMPARE(t.hucre(3, 4), QStringLiteral("02.01.1904 12:00:00"));
    QCOMPARE(t.hucre(3, 5), QStringLiteral("18:00:00"));
    QCOMPARE(t.hucre(3, 6), QStringLiteral("-0.1"));
    QCOMPARE(t.satirSayisi(), 3);
    QCOMPARE(t.sutunSayisi(), 6);   // G3 and H3 hold no value
}

// Repeated rows and columns: empty ones only move the position, however many;
// filled ones are each a cell. Spaces (text:s), line breaks, notes left out.
void TestTabloOkuyucu::odsTekrarlar()
{
    QTemporaryDir k;
    const QString yol = k.filePath(QStringLiteral("tekrar.ods"));
    const QByteArray icerik =
        "<?xml version=\"1.0\"?><office:document-content "
        "xmlns:office=\"urn:oasis:names:tc:opendocument:xmlns:office:1.0\" "
        "xmlns:table=\"urn:oasis:names:tc:opendocument:xmlns:table:1.0\" "
        "xmlns:text=\"urn:oasis:names:tc:opendocument:xmlns:text:1.0\"><office:body><office:spreadsheet>"
        "<table:table table:name=\"Bir\">"
        "<table:table-row><table:table-cell table:number-columns-repeated=\"2\"/>"
        "<table:table-cell office:value-type=\"string\"><text:p>A<text:s text:c=\"3\"/>B</text:p><text:p>ikinci</text:p>"
        "<office:annotation><text:p>NOT</text:p></office:annotation></table:table-cell>"
        "<table:table-cell office:value-type=\"float\" office:value=\"7\" table:number-columns-repeated=\"3\"><text:p>7</text:p></table:table-cell>"
        "<table:table-cell table:number-columns-repeated=\"16370\"/></table:table-row>"
        "<table:table-row table:number-rows-repeated=\"4\"><table:table-cell table:number-columns-repeated=\"1024\"/></table:table-row>"
        "<table:table-row table:number-rows-repeated=\"2\"><table:table-cell office:value-type=\"boolean\" office:boolean-value=\"false\"/>"
        "<table:table-cell office:value-type=\"date\" office:date-value=\"2024-02-29T08:30:00\"/>"
        "<table:table-cell office:value-type=\"time\" office:time-value=\"PT13H05M09S\"/>"
        "<table:table-cell office:value-type=\"percentage\" office:value=\"0.25\"/></table:table-row>"
        "<table:table-row table:number-rows-repeated=\"1048000\"><table:table-cell table:number-columns-repeated=\"16384\"/></table:table-row>"
        "</table:table>"
        "<table:table table:name=\"Iki\"><table:table-row><table:table-cell office:value-type=\"string\"><text:p>OKUNMAZ</text:p></table:table-cell></table:table-row></table:table>"
        "</office:spreadsheet></office:body></office:document-content>";
    QVERIFY(paketYaz(yol, {{QStringLiteral("mimetype"), "application/vnd.oasis.opendocument.spreadsheet"},
                           {QStringLiteral("content.xml"), icerik}}));
    TabloOkuyucu t;
    QString hata;
    QVERIFY2(t.ac(yol, &hata), qPrintable(hata));
    QCOMPARE(t.satirSayisi(), 7);
    QCOMPARE(t.sutunSayisi(), 6);
    QVERIFY(t.hucre(1, 1).isEmpty());
    QCOMPARE(t.hucre(1, 3), QStringLiteral("A   B\nikinci"));
    for (int c = 4; c <= 6; ++c)
        QCOMPARE(t.hucre(1, c), QStringLiteral("7"));
    for (int r = 2; r <= 5; ++r)
        QVERIFY(t.hucre(r, 1).isEmpty());
    for (int r = 6; r <= 7; ++r) {
        QCOMPARE(t.hucre(r, 1), QStringLiteral("YANLIŞ"));
        QCOMPARE(t.hucre(r, 2), QStringLiteral("29.02.2024 08:30:00"));
        QCOMPARE(t.hucre(r, 3), QStringLiteral("13:05:09"));
        QCOMPARE(t.hucre(r, 4), QStringLiteral("0.25"));
    }
}

void TestTabloOkuyucu::csvKurallari_data()
{
    QTest::addColumn<QByteArray>("icerik");
    QTest::addColumn<int>("satirlar");
    QTest::addColumn<QStringList>("beklenen");   // "satır,sütun=metin"
    QTest::newRow("BOM, virgül") << QByteArray("\xEF\xBB\xBFKOD,AD\r\n1,\"ŞİŞLİ, İST\"\r\n") << 2
                                 << QStringList{QStringLiteral("1,1=KOD"), QStringLiteral("2,2=ŞİŞLİ, İST")};
    QTest::newRow("satır sonu ve tırnak") << QByteArray("a;\"iki\nsatır \"\"x\"\"\";c\n\n;son\n") << 3
                                          << QStringList{QStringLiteral("1,2=iki\nsatır \"x\""),
                                                         QStringLiteral("1,3=c"), QStringLiteral("2,1="),
                                                         QStringLiteral("3,2=son")};
    QTest::newRow("cp1254") << QByteArray("\xDE\xFD\xF0\xDD;\xD0\xFE\xE7\x80") << 1
                            << QStringList{QStringLiteral("1,1=Şığİ"), QStringLiteral("1,2=Ğşç€")};
    QTest::newRow("noktalı virgül tırnak içinde değil") << QByteArray("\"a;b;c\",d\n") << 1
                                                         << QStringList{QStringLiteral("1,1=a;b;c"),
                                                                        QStringLiteral("1,2=d")};
    QTest::newRow("boş") << QByteArray() << 0 << QStringList{QStringLiteral("1,1=")};
}

void TestTabloOkuyucu::csvKurallari()
{
    QFETCH(QByteArray, icerik);
    QFETCH(int, satirlar);
    QFETCH(QStringList, beklenen);
    QTemporaryDir k;
    const QString yol = k.filePath(QStringLiteral("deneme.csv"));
    QFile f(yol);
    QVERIFY(f.open(QIODevice::WriteOnly));
    f.write(icerik);
    f.close();
    TabloOkuyucu t;
    QString hata;
    QVERIFY2(t.ac(yol, &hata), qPrintable(hata));
    QCOMPARE(t.satirSayisi(), satirlar);
    for (const QString &b : beklenen) {
        const int esit = b.indexOf(QLatin1Char('='));
        const QStringList adres = b.left(esit).split(QLatin1Char(','));
        QCOMPARE(t.hucre(adres.at(0).toInt(), adres.at(1).toInt()), b.mid(esit + 1));
    }
}

void TestTabloOkuyucu::degerMetni_data()
{
    QTest::addColumn<QVariant>("deger");
    QTest::addColumn<QString>("metin");
    QTest::newRow("2.0") << QVariant(2.0) << QStringLiteral("2");
    QTest::newRow("38.4") << QVariant(38.4) << QStringLiteral("38.4");
    QTest::newRow("büyük tam") << QVariant(10987654321.0) << QStringLiteral("10987654321");
    QTest::newRow("eksi") << QVariant(-12.5) << QStringLiteral("-12.5");
    QTest::newRow("0.1+0.2") << QVariant(0.1 + 0.2) << QStringLiteral("0.3");
    QTest::newRow("eksi sıfır") << QVariant(-0.0) << QStringLiteral("0");
    QTest::newRow("tarih") << QVariant(QDate(2008, 3, 5)) << QStringLiteral("05.03.2008");
    QTest::newRow("boş") << QVariant() << QString();
}

void TestTabloOkuyucu::degerMetni()
{
    QFETCH(QVariant, deger);
    QFETCH(QString, metin);
    QCOMPARE(TabloOkuyucu::degerMetni(deger), metin);
}

QTEST_MAIN(TestTabloOkuyucu)
#include "tst_tablookuyucu.moc"
