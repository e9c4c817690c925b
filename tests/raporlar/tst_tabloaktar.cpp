// Spreadsheet export: cell types in the written file, read back with the
// reader and checked in the package itself; the screens' entry points with
// their messages; the --excel command on a real database.
#include "app/oturum.h"
#include "app/program/komutsatiri.h"
#include "db/sorgu.h"
#include "db/tablomodeli.h"
#include "db/veriseti.h"
#include "raporlar/motor/tabloaktar.h"
#include "raporlar/motor/tablookuyucu.h"
#include "raporlar/motor/tabloyazici.h"
#include "destek/betikmesaj.h"
#include "destek/testvt.h"

#include <QApplication>
#include <QDir>
#include <QFile>
#include <QProgressDialog>
#include <QRegularExpression>
#include <QStandardItemModel>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>
#include <QXmlStreamReader>

#include <zip.h>

#include <unistd.h>

namespace {

QByteArray parca(const QString &paket, const QString &ad)
{
    int hata = 0;
    zip_t *zip = zip_open(QFile::encodeName(paket).constData(), ZIP_RDONLY, &hata);
    if (!zip)
        return QByteArray();
    QByteArray veri;
    if (zip_file_t *f = zip_fopen(zip, ad.toUtf8().constData(), 0)) {
        char tampon[65536];
        zip_int64_t n;
        while ((n = zip_fread(f, tampon, sizeof tampon)) > 0)
            veri.append(tampon, qsizetype(n));
        zip_fclose(f);
    }
    zip_discard(zip);
    return veri;
}

// The number format code of cell style s (index into cellXfs); Excel's
// built-in codes by their number, "General" for none.
QString stilBicimi(const QByteArray &stiller, int s)
{
    QHash<int, QString> bicimler{{0, QStringLiteral("General")}, {1, QStringLiteral("0")},
                                 {2, QStringLiteral("0.00")}, {3, QStringLiteral("#,##0")},
                                 {4, QStringLiteral("#,##0.00")}};
    QList<int> xf;
    QXmlStreamReader x(stiller);
    bool hucre = false;
    while (!x.atEnd()) {
        x.readNext();
        if (x.isStartElement() && x.name() == QLatin1String("numFmt"))
            bicimler.insert(x.attributes().value(QLatin1String("numFmtId")).toInt(),
                            x.attributes().value(QLatin1String("formatCode")).toString());
        else if (x.isStartElement() && x.name() == QLatin1String("cellXfs"))
            hucre = true;
        else if (x.isEndElement() && x.name() == QLatin1String("cellXfs"))
            hucre = false;
        else if (hucre && x.isStartElement() && x.name() == QLatin1String("xf"))
            xf << x.attributes().value(QLatin1String("numFmtId")).toInt();
    }
    return s >= 0 && s < xf.size() ? bicimler.value(xf.at(s)) : QString();
}

// One cell of the written sheet as the package holds it.
struct PaketHucresi
{
    bool var = false;
    QString tur;     // the t attribute: empty or "n" for a number, "s"/"inlineStr"/"str" for texts
    int stil = 0;    // the s attribute
    QString v;       // the <v> content
    QString metin;   // an inline text's content
};

// The cells of the first sheet by reference ("C2"), read from the XML itself:
// the reader turns numeric texts into numbers, the package does not.
QHash<QString, PaketHucresi> paketHucreleri(const QString &paket)
{
    QHash<QString, PaketHucresi> h;
    QXmlStreamReader x(parca(paket, QStringLiteral("xl/worksheets/sheet1.xml")));
    QString ref;
    while (!x.atEnd()) {
        x.readNext();
        if (!x.isStartElement())
            continue;
        if (x.name() == QLatin1String("c")) {
            ref = x.attributes().value(QLatin1String("r")).toString();
            PaketHucresi &c = h[ref];
            c.var = true;
            c.tur = x.attributes().value(QLatin1String("t")).toString();
            c.stil = x.attributes().value(QLatin1String("s")).toInt();
        } else if (x.name() == QLatin1String("v")) {
            h[ref].v = x.readElementText();
        } else if (x.name() == QLatin1String("t")) {
            h[ref].metin = x.readElementText();
        }
    }
    return h;
}

QStringList acilanlar;
bool kaydederekAc(const QString &yol)
{
    acilanlar << yol;
    return true;
}
bool acamaz(const QString &) { return false; }

// A model like a grid's: raw values in EditRole, titles in the header.
std::unique_ptr<QStandardItemModel> ornekModel(int satirSayisi = 3)
{
    auto m = std::make_unique<QStandardItemModel>(satirSayisi, 8);
    const QStringList basliklar{QStringLiteral("Kod"), QStringLiteral("GİZLİ"), QStringLiteral("Adı Soyadı"),
                                QStringLiteral("Tutar"), QStringLiteral("Adet"), QStringLiteral("Tarih"),
                                QStringLiteral("Boş"), QStringLiteral("Zaman")};
    m->setHorizontalHeaderLabels(basliklar);
    for (int r = 0; r < satirSayisi; ++r) {
        m->setData(m->index(r, 0), QStringLiteral("K%1").arg(r + 1));
        m->setData(m->index(r, 1), QStringLiteral("gizli"));
        if (r == 1)
            continue;   // the second row is NULL apart from its code
        m->setData(m->index(r, 2), QStringLiteral("ŞĞÜİÖÇ ığüşöç O'NEIL \"Z\" <&>"));
        m->setData(m->index(r, 3), 1234.56 + r);
        m->setData(m->index(r, 4), QVariant::fromValue<qint64>(7 + r));
        m->setData(m->index(r, 5), QDate(2008, 3, 5).addDays(r));
        m->setData(m->index(r, 7), QDateTime(QDate(2024, 1, 2), QTime(14, 30)));
    }
    return m;
}

const QList<int> GorunenKolonlar{0, 2, 3, 4, 5, 6, 7};

void hastaEkle(qint64 no, const QString &kod, const QString &ad, const QVariant &dogum, const QVariant &cocuk)
{
    QVERIFY(Sorgu::calistir(QStringLiteral("insert into hastalar (kayitno, hastakodu, hastaadisoyadi, "
                                           "dogumtarihi, cocuksayisi, sirketkodu) values (?, ?, ?, ?, ?, ?)"),
                            {no, kod, ad, dogum, cocuk, QStringLiteral("2007")}));
}

QStringList xlsxDosyalari(const QString &klasor)
{
    return QDir(klasor).entryList({QStringLiteral("*.xlsx")}, QDir::Files);
}

} // namespace

class TestTabloAktar : public QObject
{
    Q_OBJECT

private slots:
    void init();
    void gidisDonus();
    void sorguSonucundan();
    void ekrandanAcma();
    void acacakProgramYok();
    void kayitPenceresi();
    void yazilamayanKlasor();
    void uzunListeIptal();
    void verisetiAcikDegil();
    void verisetindenAktarim();
    void verisetiTumSatirlar();
    void komutSatiri();
    void sayiHucreleri_data();
    void sayiHucreleri();
    void metinBloblari_data();
    void metinBloblari();
    void ikiliBlobBos();
    void komutSatiriHatalari_data();
    void komutSatiriHatalari();

private:
    QTemporaryDir m_klasor;
};

void TestTabloAktar::init()
{
    acilanlar.clear();
    TabloAktar::aciciAyarla(kaydederekAc);
    TabloAktar::klasorAyarla(m_klasor.path());
    for (const QString &f : xlsxDosyalari(m_klasor.path()))
        QFile::remove(QDir(m_klasor.path()).filePath(f));
}

void TestTabloAktar::gidisDonus()
{
    const auto m = ornekModel();
    const QString yol = m_klasor.filePath(QStringLiteral("gidis.xlsx"));
    QString hata;
    QCOMPARE(TabloYazici::yaz(yol, *m, GorunenKolonlar, &hata, {}, QStringLiteral("HASTALAR")),
             TabloYazici::Sonuc::Tamam);

    TabloOkuyucu t;
    QVERIFY2(t.ac(yol, &hata), qPrintable(hata));
    QCOMPARE(t.satirSayisi(), 4);
    QCOMPARE(t.sutunSayisi(), 7);
    // Row 1: the visible titles in order; the hidden column is left out.
    QStringList basliklar;
    for (int c = 1; c <= 7; ++c)
        basliklar << t.hucre(1, c);
    QCOMPARE(basliklar, (QStringList{QStringLiteral("Kod"), QStringLiteral("Adı Soyadı"), QStringLiteral("Tutar"),
                                     QStringLiteral("Adet"), QStringLiteral("Tarih"), QStringLiteral("Boş"),
                                     QStringLiteral("Zaman")}));
    QCOMPARE(t.hucre(2, 1), QStringLiteral("K1"));
    QCOMPARE(t.hucre(2, 2), QStringLiteral("ŞĞÜİÖÇ ığüşöç O'NEIL \"Z\" <&>"));
    QCOMPARE(t.hucreDegeri(2, 3), QVariant(1234.56));
    QCOMPARE(t.hucreDegeri(2, 4), QVariant(7.0));
    QCOMPARE(t.hucre(2, 4), QStringLiteral("7"));
    QCOMPARE(t.hucreDegeri(2, 5), QVariant(QDate(2008, 3, 5)));
    QCOMPARE(t.hucre(2, 5), QStringLiteral("05.03.2008"));
    QVERIFY(!t.hucreDegeri(2, 6).isValid());
    QCOMPARE(t.hucre(2, 7), QStringLiteral("02.01.2024 14:30:00"));
    // The NULL row: only its code.
    QCOMPARE(t.hucre(3, 1), QStringLiteral("K2"));
    for (int c = 2; c <= 7; ++c)
        QVERIFY(!t.hucreDegeri(3, c).isValid());
    QCOMPARE(t.hucre(4, 5), QStringLiteral("07.03.2008"));

    // The package itself: the sheet is named, the date is a serial number in a
    // cell whose style shows it dd.mm.yyyy, the amount a number shown
    // "#,##0.00", the count a plain number, NULL no cell.
    const QByteArray kitap = parca(yol, QStringLiteral("xl/workbook.xml"));
    QVERIFY(kitap.contains("name=\"HASTALAR\""));
    const QString sayfa = QString::fromUtf8(parca(yol, QStringLiteral("xl/worksheets/sheet1.xml")));
    const auto tarih = QRegularExpression(QStringLiteral("<c r=\"E2\" s=\"(\\d+)\"><v>([^<]*)</v></c>")).match(sayfa);
    QVERIFY2(tarih.hasMatch(), qPrintable(sayfa.left(2000)));
    QCOMPARE(tarih.captured(2), QStringLiteral("39512"));
    QCOMPARE(stilBicimi(parca(yol, QStringLiteral("xl/styles.xml")), tarih.captured(1).toInt()),
             QStringLiteral("dd.mm.yyyy"));
    const auto tutar = QRegularExpression(QStringLiteral("<c r=\"C2\" s=\"(\\d+)\"><v>1234.56</v></c>")).match(sayfa);
    QVERIFY2(tutar.hasMatch(), qPrintable(sayfa.left(2000)));
    QCOMPARE(stilBicimi(parca(yol, QStringLiteral("xl/styles.xml")), tutar.captured(1).toInt()),
             QStringLiteral("#,##0.00"));
    QVERIFY(sayfa.contains(QStringLiteral("<c r=\"D2\"><v>7</v></c>")));
    QVERIFY(!sayfa.contains(QStringLiteral("r=\"F2\"")));
    QVERIFY(sayfa.contains(QStringLiteral("t=\"inlineStr\"")));   // constant-memory mode writes texts inline
}

void TestTabloAktar::sorguSonucundan()
{
    Sorgu::Sonuc s;
    s.kolonlar = QStringList{QStringLiteral("HASTAKODU"), QStringLiteral("TUTAR"), QStringLiteral("TARIH")};
    s.satirlar << QVariantList{QStringLiteral("H1"), 10.5, QDateTime(QDate(1980, 1, 31), QTime(0, 0))}
               << QVariantList{QStringLiteral("H2"), QVariant(), QVariant(QMetaType::fromType<QDateTime>())};
    const QString yol = m_klasor.filePath(QStringLiteral("sonuc.xlsx"));
    QString hata;
    QCOMPARE(TabloYazici::yaz(yol, s, &hata), TabloYazici::Sonuc::Tamam);
    TabloOkuyucu t;
    QVERIFY2(t.ac(yol, &hata), qPrintable(hata));
    QCOMPARE(t.hucre(1, 1), QStringLiteral("HASTAKODU"));
    QCOMPARE(t.hucre(2, 2), QStringLiteral("10.5"));
    QCOMPARE(t.hucreDegeri(2, 3), QVariant(QDate(1980, 1, 31)));
    QCOMPARE(t.hucre(3, 1), QStringLiteral("H2"));
    QVERIFY(t.hucre(3, 2).isEmpty());
    QVERIFY(t.hucre(3, 3).isEmpty());
    QCOMPARE(t.satirSayisi(), 3);
}

void TestTabloAktar::ekrandanAcma()
{
    BetikMesaj mesaj;
    const auto m = ornekModel();
    const QString yol = TabloAktar::modelden(*m, GorunenKolonlar, QStringLiteral("HASTALAR"));
    QVERIFY(!yol.isEmpty());
    QVERIFY(mesaj.mesajlar.isEmpty());
    QCOMPARE(acilanlar, QStringList{yol});
    QCOMPARE(QFileInfo(yol).absolutePath(), QFileInfo(m_klasor.path()).absoluteFilePath());
    QVERIFY2(QRegularExpression(QStringLiteral("^VELMORIKA_HASTALAR_\\d{8}_\\d{6}(_\\d+)?\\.xlsx$"))
                 .match(QFileInfo(yol).fileName()).hasMatch(),
             qPrintable(yol));
    // A second export in the same second gets a file of its own.
    const QString ikinci = TabloAktar::modelden(*m, {}, QStringLiteral("HASTALAR"));
    QVERIFY(!ikinci.isEmpty());
    QVERIFY(ikinci != yol);
    TabloOkuyucu t;
    QVERIFY(t.ac(ikinci));
    QCOMPARE(t.sutunSayisi(), 8);   // no list of columns: all of them
    QCOMPARE(t.hucre(1, 2), QStringLiteral("GİZLİ"));
}

// Without a folder set for the program the user names the file: the dialog
// starts in the documents folder, then where the last one went; a cancelled
// dialog writes nothing and says nothing; a chosen file may be written over.
void TestTabloAktar::kayitPenceresi()
{
    TabloAktar::klasorAyarla(QString());
    QTemporaryDir hedef;
    BetikMesaj mesaj;
    const auto m = ornekModel();
    const QString yol = QDir(hedef.path()).filePath(QStringLiteral("gunluk liste"));
    mesaj.dosyalar << yol;
    QCOMPARE(TabloAktar::modelden(*m, GorunenKolonlar, QStringLiteral("HASTALAR")), yol + QStringLiteral(".xlsx"));
    QCOMPARE(acilanlar, QStringList{yol + QStringLiteral(".xlsx")});
    QCOMPARE(mesaj.dosyaKlasorleri.size(), 1);
    QCOMPARE(QFileInfo(mesaj.dosyaKlasorleri.first()).absolutePath(), TabloAktar::klasor());
    QVERIFY(QFileInfo(mesaj.dosyaKlasorleri.first()).fileName().startsWith(QStringLiteral("VELMORIKA_HASTALAR_")));

    QVERIFY(TabloAktar::modelden(*m, GorunenKolonlar, QStringLiteral("HASTALAR")).isEmpty());
    QCOMPARE(QFileInfo(mesaj.dosyaKlasorleri.last()).absolutePath(), hedef.path());
    QCOMPARE(xlsxDosyalari(hedef.path()).size(), 1);
    QVERIFY(mesaj.mesajlar.isEmpty());

    mesaj.dosyalar << yol + QStringLiteral(".xlsx");
    const auto kisa = ornekModel(1);
    QCOMPARE(TabloAktar::modelden(*kisa, GorunenKolonlar, QStringLiteral("HASTALAR")), yol + QStringLiteral(".xlsx"));
    QCOMPARE(xlsxDosyalari(hedef.path()).size(), 1);
    QVERIFY(mesaj.mesajlar.isEmpty());
    TabloOkuyucu t;
    QString hata;
    QVERIFY2(t.ac(yol + QStringLiteral(".xlsx"), &hata), qPrintable(hata));
    QCOMPARE(t.satirSayisi(), 2); // the titles and the one row: written over
}

void TestTabloAktar::acacakProgramYok()
{
    BetikMesaj mesaj;
    TabloAktar::aciciAyarla(acamaz);
    const auto m = ornekModel();
    const QString yol = TabloAktar::modelden(*m, GorunenKolonlar, QStringLiteral("MUAYENE"));
    QVERIFY(QFile::exists(yol));
    QCOMPARE(mesaj.mesajlar.size(), 1);
    QVERIFY2(mesaj.son().contains(QDir::toNativeSeparators(yol)), qPrintable(mesaj.son()));
    QVERIFY(mesaj.hatalar.isEmpty());
}

void TestTabloAktar::yazilamayanKlasor()
{
    // As root, permissions do not stop writing: /proc does.
    QTemporaryDir kilitli;
    QString klasor = kilitli.path();
    QFile::setPermissions(klasor, QFile::ReadOwner | QFile::ExeOwner);
    if (::geteuid() == 0)
        klasor = QStringLiteral("/proc");
    TabloAktar::klasorAyarla(klasor);
    BetikMesaj mesaj;
    const auto m = ornekModel();
    QVERIFY(TabloAktar::modelden(*m, GorunenKolonlar, QStringLiteral("HASTALAR")).isEmpty());
    QCOMPARE(mesaj.hatalar.size(), 1);
    QVERIFY2(mesaj.hatalar.first().contains(QStringLiteral("yazma izni yok")), qPrintable(mesaj.hatalar.first()));
    QVERIFY(acilanlar.isEmpty());
    QVERIFY(xlsxDosyalari(kilitli.path()).isEmpty());
    QFile::setPermissions(kilitli.path(), QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
}

// A long list shows the progress window; cancelling it leaves no file.
void TestTabloAktar::uzunListeIptal()
{
    BetikMesaj mesaj;
    const auto m = ornekModel(TabloAktar::IlerlemeSiniri + 3000);
    bool pencereVardi = false;
    QTimer zamanlayici;
    QObject::connect(&zamanlayici, &QTimer::timeout, [&] {
        for (QWidget *w : QApplication::topLevelWidgets())
            if (auto *p = qobject_cast<QProgressDialog *>(w); p && p->isVisible()) {
                pencereVardi = true;
                p->cancel();
            }
    });
    zamanlayici.start(0);
    QVERIFY(TabloAktar::modelden(*m, GorunenKolonlar, QStringLiteral("HASTALAR")).isEmpty());
    zamanlayici.stop();
    QVERIFY(pencereVardi);
    QVERIFY(xlsxDosyalari(m_klasor.path()).isEmpty());
    QVERIFY(acilanlar.isEmpty());
    QCOMPARE(mesaj.mesajlar.size(), 1);
    QVERIFY2(mesaj.son().contains(QStringLiteral("iptal")), qPrintable(mesaj.son()));

    // Not cancelled, the same list is written whole.
    const QString yol = TabloAktar::modelden(*m, GorunenKolonlar, QStringLiteral("HASTALAR"));
    QVERIFY(!yol.isEmpty());
    TabloOkuyucu t;
    QVERIFY(t.ac(yol));
    QCOMPARE(t.satirSayisi(), TabloAktar::IlerlemeSiniri + 3000 + 1);
}

void TestTabloAktar::verisetiAcikDegil()
{
    TEST_VT(vt);
    BetikMesaj mesaj;
    VeriSeti vs(QStringLiteral("HASTALAR"));
    vs.selectMetniAyarla(QStringLiteral("select * from hastalar where 1=1 "));
    TabloModeli model(&vs);
    QVERIFY(TabloAktar::verisetinden(vs, model).isEmpty());
    QCOMPARE(mesaj.mesajlar, QStringList{TabloAktar::ListeYokMesaji});
    QVERIFY(xlsxDosyalari(m_klasor.path()).isEmpty());
    QVERIFY(acilanlar.isEmpty());
}

// The record screens' road: a data set, its grid model with titles, typed cells.
// A list longer than the rows read so far (the data set reads in windows):
// every row of the select goes to the sheet, in order.
void TestTabloAktar::verisetiTumSatirlar()
{
    TEST_VT(vt);
    {
        Islem islem;
        for (int i = 1; i <= 2345; ++i)
            QVERIFY(Sorgu::calistir(QStringLiteral("insert into hastalar (kayitno, hastakodu, hastaadisoyadi, sirketkodu) "
                                                   "values (?, ?, ?, '2007')"),
                                    {i, QStringLiteral("K%1").arg(i, 5, 10, QLatin1Char('0')), QStringLiteral("HASTA %1").arg(i)}));
        QVERIFY(islem.onayla());
    }
    BetikMesaj mesaj;
    VeriSeti vs(QStringLiteral("HASTALAR"));
    vs.selectMetniAyarla(QStringLiteral("select * from hastalar where 1=1 order by hastakodu desc"));
    QVERIFY(vs.ac());
    TabloModeli model(&vs);
    TabloKolonu k;
    k.kolon = QStringLiteral("HASTAKODU");
    k.baslik = QStringLiteral("Hasta Kodu");
    model.kolonlariAyarla({k});
    const QString yol = TabloAktar::verisetinden(vs, model);
    QVERIFY2(!yol.isEmpty(), qPrintable(mesaj.mesajlar.join(QLatin1Char('\n'))));
    TabloOkuyucu t;
    QVERIFY(t.ac(yol));
    QCOMPARE(t.satirSayisi(), 2346);
    QCOMPARE(t.hucre(2, 1), QStringLiteral("K02345"));
    QCOMPARE(t.hucre(1200, 1), QStringLiteral("K01147"));
    QCOMPARE(t.hucre(2346, 1), QStringLiteral("K00001"));
}

void TestTabloAktar::verisetindenAktarim()
{
    TEST_VT(vt);
    hastaEkle(1, QStringLiteral("H1"), QStringLiteral("ŞÜKRÜ ÇAĞLAR"), QDateTime(QDate(1975, 6, 15), QTime(0, 0)), 2);
    hastaEkle(2, QStringLiteral("H2"), QStringLiteral("IŞIL IŞIK"), QVariant(QMetaType::fromType<QDateTime>()),
              QVariant(QMetaType::fromType<double>()));
    BetikMesaj mesaj;
    VeriSeti vs(QStringLiteral("HASTALAR"));
    vs.selectMetniAyarla(QStringLiteral("select * from hastalar where 1=1 order by hastakodu"));
    QVERIFY(vs.ac());
    TabloModeli model(&vs);
    TabloKolonu k1, k2, k3, k4;
    k1.kolon = QStringLiteral("HASTAKODU");
    k1.baslik = QStringLiteral("Hasta Kodu");
    k2.kolon = QStringLiteral("HASTAADISOYADI");
    k2.baslik = QStringLiteral("Adı Soyadı");
    k3.kolon = QStringLiteral("DOGUMTARIHI");
    k3.baslik = QStringLiteral("Doğum Tarihi");
    k4.kolon = QStringLiteral("COCUKSAYISI");
    k4.baslik = QStringLiteral("Çocuk Sayısı");
    model.kolonlariAyarla({k1, k2, k3, k4});
    const QString yol = TabloAktar::verisetinden(vs, model);
    QVERIFY2(!yol.isEmpty(), qPrintable(mesaj.mesajlar.join(QLatin1Char('\n'))));
    QCOMPARE(QFileInfo(yol).fileName().left(19), QStringLiteral("VELMORIKA_HASTALAR_"));
    TabloOkuyucu t;
    QVERIFY(t.ac(yol));
    QCOMPARE(t.satirSayisi(), 3);
    QCOMPARE(t.sutunSayisi(), 4);
    QCOMPARE(t.hucre(1, 1), QStringLiteral("Hasta Kodu"));
    QCOMPARE(t.hucre(1, 4), QStringLiteral("Çocuk Sayısı"));
    QCOMPARE(t.hucre(2, 2), QStringLiteral("ŞÜKRÜ ÇAĞLAR"));
    QCOMPARE(t.hucreDegeri(2, 3), QVariant(QDate(1975, 6, 15)));
    QCOMPARE(t.hucreDegeri(2, 4), QVariant(2.0));
    QCOMPARE(t.hucre(3, 1), QStringLiteral("H2"));
    QVERIFY(!t.hucreDegeri(3, 3).isValid());
    QVERIFY(!t.hucreDegeri(3, 4).isValid());
}

void TestTabloAktar::komutSatiri()
{
    TEST_VT(vt);
    hastaEkle(1, QStringLiteral("H1"), QStringLiteral("ÜMRAN ÇİFTÇİ"), QDateTime(QDate(1990, 2, 28), QTime(0, 0)), 5);
    hastaEkle(2, QStringLiteral("H2"), QStringLiteral("O'NEIL"), QVariant(QMetaType::fromType<QDateTime>()), 0);
    BetikMesaj mesaj;
    const QString yol = m_klasor.filePath(QStringLiteral("komut.xlsx"));
    const int sonuc = ExcelKomutu({QStringLiteral("--excel"), QStringLiteral("--sorgu"),
                                   QStringLiteral("select hastakodu, hastaadisoyadi, dogumtarihi, cocuksayisi "
                                                  "from hastalar order by hastakodu"),
                                   QStringLiteral("--xlsx"), yol, QStringLiteral("--veritabani"), vt.yol()});
    QCOMPARE(sonuc, 0);
    QVERIFY2(mesaj.mesajlar.isEmpty(), qPrintable(mesaj.mesajlar.join(QLatin1Char('\n'))));
    TabloOkuyucu t;
    QString hata;
    QVERIFY2(t.ac(yol, &hata), qPrintable(hata));
    QCOMPARE(t.satirSayisi(), 3);
    QCOMPARE(t.hucre(1, 1), QStringLiteral("HASTAKODU"));
    QCOMPARE(t.hucre(1, 3), QStringLiteral("DOGUMTARIHI"));
    QCOMPARE(t.hucre(2, 2), QStringLiteral("ÜMRAN ÇİFTÇİ"));
    QCOMPARE(t.hucreDegeri(2, 3), QVariant(QDate(1990, 2, 28)));
    QCOMPARE(t.hucre(2, 4), QStringLiteral("5"));
    QCOMPARE(t.hucre(3, 2), QStringLiteral("O'NEIL"));
    QVERIFY(t.hucre(3, 3).isEmpty());
    // The shared connection of the running program is left as it was.
    QVERIFY(Sorgu::tekDeger(QStringLiteral("select count(*) from hastalar")).has_value());
}

// Numbers are number cells in the package (never texts that only read as
// numbers), amounts in the amount format, whole numbers without one; the
// columns the grid shows as amounts are the amounts. Each row: where the
// list comes from, and per cell its reference, <v> value and format code.
void TestTabloAktar::sayiHucreleri_data()
{
    QTest::addColumn<QString>("kaynak");
    QTest::addColumn<QStringList>("hucreler");
    QTest::addColumn<QList<double>>("degerler");
    QTest::addColumn<QStringList>("bicimler");

    const QString tutar = QStringLiteral("#,##0.00"), duz = QStringLiteral("General");
    QTest::newRow("model") << "model" << QStringList{"C2", "C4", "D2", "D4"} << QList<double>{1234.56, 1236.56, 7, 9}
                           << QStringList{tutar, tutar, duz, duz};
    QTest::newRow("sorgu sonucu") << "sorgu" << QStringList{"B2", "B3", "C2", "C3"}
                                  << QList<double>{1234567.5, -0.25, 42, 0} << QStringList{tutar, tutar, duz, duz};
    // KAYITNO an integer column, COCUKSAYISI a fraction column (the grid's
    // "2,00"), BOY a text column set to amounts, COCUKSAYISI again with the
    // grid pattern "#,##", KILO a fraction shown as it is.
    QTest::newRow("veri seti") << "veriseti" << QStringList{"A2", "B2", "C2", "D2", "E2", "B3", "C3"}
                               << QList<double>{1, 2, 1.75, 2, 1234.5, 3, 0.5}
                               << QStringList{duz, tutar, tutar, "#,##0", duz, tutar, tutar};
    QTest::newRow("komut satırı") << "komut" << QStringList{"A2", "B2", "A3", "B3"} << QList<double>{1, 2, 2, 3}
                                  << QStringList{duz, tutar, duz, tutar};
}

void TestTabloAktar::sayiHucreleri()
{
    QFETCH(QString, kaynak);
    QFETCH(QStringList, hucreler);
    QFETCH(QList<double>, degerler);
    QFETCH(QStringList, bicimler);
    TEST_VT(vt);
    BetikMesaj mesaj;
    const QString yol = m_klasor.filePath(kaynak + QStringLiteral(".xlsx"));
    QString hata;
    if (kaynak == QLatin1String("model")) {
        const auto m = ornekModel();
        QCOMPARE(TabloYazici::yaz(yol, *m, GorunenKolonlar, &hata), TabloYazici::Sonuc::Tamam);
    } else if (kaynak == QLatin1String("sorgu")) {
        Sorgu::Sonuc s;
        s.kolonlar = QStringList{QStringLiteral("HASTAKODU"), QStringLiteral("TUTAR"), QStringLiteral("ADET")};
        s.satirlar << QVariantList{QStringLiteral("H1"), 1234567.5, QVariant::fromValue<qint64>(42)}
                   << QVariantList{QStringLiteral("H2"), -0.25, 0};
        QCOMPARE(TabloYazici::yaz(yol, s, &hata), TabloYazici::Sonuc::Tamam);
    } else {
        QVERIFY(Sorgu::calistir(QStringLiteral("insert into hastalar (kayitno, hastakodu, hastaadisoyadi, "
                                               "cocuksayisi, boy, kilo, sirketkodu) values (1, 'H1', 'ALİ', 2, "
                                               "'1,75', '80', ?)"),
                                {Oturum.sirketkodu}));
        QVERIFY(Sorgu::calistir(QStringLiteral("insert into hastalar (kayitno, hastakodu, hastaadisoyadi, "
                                               "cocuksayisi, boy, sirketkodu) values (2, 'H2', 'AYŞE', 3, "
                                               "'0.5', ?)"),
                                {Oturum.sirketkodu}));
        if (kaynak == QLatin1String("komut")) {
            QCOMPARE(ExcelKomutu({QStringLiteral("--excel"), QStringLiteral("--sorgu"),
                                  QStringLiteral("select kayitno, cocuksayisi from hastalar order by kayitno"),
                                  QStringLiteral("--xlsx"), yol, QStringLiteral("--veritabani"), vt.yol()}),
                     0);
        } else {
            VeriSeti vs(QStringLiteral("HASTALAR"));
            vs.selectMetniAyarla(QStringLiteral("select hastalar.*, cocuksayisi * 617.25 as kilogram "
                                                "from hastalar where 1=1 order by kayitno"));
            QVERIFY(vs.ac());
            TabloModeli model(&vs);
            TabloKolonu no, cocuk, boy, desen, metin;
            no.kolon = QStringLiteral("KAYITNO");
            cocuk.kolon = QStringLiteral("COCUKSAYISI");
            boy.kolon = QStringLiteral("BOY");
            boy.bicim = GosterimBicimi::Tutar;
            desen.kolon = QStringLiteral("COCUKSAYISI");
            desen.bicim = GosterimBicimi::Desen;
            desen.desen = QStringLiteral("#,##");
            metin.kolon = QStringLiteral("KILOGRAM");
            metin.bicim = GosterimBicimi::Metin;
            model.kolonlariAyarla({no, cocuk, boy, desen, metin});
            // What the grid shows, for the record of what the sheet must agree with.
            QCOMPARE(model.hucreMetni(0, 1), QStringLiteral("2,00"));
            QCOMPARE(model.hucreMetni(0, 2), QStringLiteral("1,75"));
            QCOMPARE(model.hucreMetni(0, 3), QStringLiteral("2"));
            QCOMPARE(model.hucreMetni(0, 4), QStringLiteral("1234.5"));
            QCOMPARE(TabloYazici::yaz(yol, model, {}, &hata), TabloYazici::Sonuc::Tamam);
        }
    }
    QVERIFY2(hata.isEmpty(), qPrintable(hata));
    QVERIFY2(mesaj.mesajlar.isEmpty(), qPrintable(mesaj.mesajlar.join('\n')));

    const QHash<QString, PaketHucresi> paket = paketHucreleri(yol);
    const QByteArray stiller = parca(yol, QStringLiteral("xl/styles.xml"));
    for (int i = 0; i < hucreler.size(); ++i) {
        const QString &ref = hucreler.at(i);
        const PaketHucresi c = paket.value(ref);
        QVERIFY2(c.var, qPrintable(ref));
        QVERIFY2(c.tur.isEmpty() || c.tur == QLatin1String("n"), qPrintable(ref + QStringLiteral(": t=") + c.tur));
        bool sayi = false;
        const double v = c.v.toDouble(&sayi);
        QVERIFY2(sayi, qPrintable(ref + QStringLiteral(": <v>") + c.v));
        QCOMPARE(v, degerler.at(i));
        QCOMPARE(stilBicimi(stiller, c.stil), bicimler.at(i));
    }
    // The titles are texts all the same.
    QVERIFY(paket.value(QStringLiteral("A1")).tur == QLatin1String("inlineStr"));
}

// Notes (ACIKLAMALAR.ACIKLAMA2, a text blob) are exported as their text,
// whichever road the list takes.
void TestTabloAktar::metinBloblari_data()
{
    QTest::addColumn<QString>("kaynak");
    QTest::addColumn<QString>("baslik");   // the column's title in row 1
    QTest::newRow("notlar ekranının veri seti") << "veriseti" << "ACIKLAMA2";
    QTest::newRow("veri setine eklenen kolon") << "ekkolon" << "NOTU";
    QTest::newRow("sorgu sonucu") << "sorgu" << "ACIKLAMA2";
    QTest::newRow("takma adlı kolon") << "takmaad" << "NOTU";
    QTest::newRow("komut satırı") << "komut" << "ACIKLAMA2";
}

void TestTabloAktar::metinBloblari()
{
    QFETCH(QString, kaynak);
    QFETCH(QString, baslik);
    TEST_VT(vt);
    BetikMesaj mesaj;
    const QString not1 = QStringLiteral("Kontrol muayenesi.\nŞİKAYET: baş ağrısı, ığüşöç İĞÜŞÖÇ; O'NEIL \"Z\" <&> %1");
    const QString not2 = QString(3000, QLatin1Char('x')) + QStringLiteral(" son");
    QVERIFY(Sorgu::calistir(QStringLiteral("insert into aciklamalar (kayitno, sirketkodu, evrakkayitno, evrakturu, "
                                           "aciklama1, aciklama2) values (?, ?, 5, 'HASTA', ?, ?)"),
                            {1, Oturum.sirketkodu, QStringLiteral("birinci"), not1}));
    QVERIFY(Sorgu::calistir(QStringLiteral("insert into aciklamalar (kayitno, sirketkodu, evrakkayitno, evrakturu, "
                                           "aciklama1, aciklama2) values (?, ?, 5, 'HASTA', ?, ?)"),
                            {2, Oturum.sirketkodu, QStringLiteral("ikinci"), not2}));
    const QString yol = m_klasor.filePath(kaynak + QStringLiteral(".xlsx"));
    QString hata;
    const QString sql = kaynak == QLatin1String("takmaad") || kaynak == QLatin1String("ekkolon")
                            ? QStringLiteral("select aciklamalar.kayitno, aciklama1, aciklama2 as notu from aciklamalar "
                                             "where 1=1 order by kayitno")
                            : QStringLiteral("select * from aciklamalar where 1=1 order by kayitno");
    if (kaynak == QLatin1String("veriseti") || kaynak == QLatin1String("ekkolon")) {
        VeriSeti vs(QStringLiteral("ACIKLAMALAR"));
        vs.selectMetniAyarla(sql);
        QVERIFY(vs.ac());
        TabloModeli model(&vs);
        QVERIFY(!TabloAktar::verisetinden(vs, model).isEmpty());
        const QStringList dosyalar = xlsxDosyalari(m_klasor.path());
        QCOMPARE(dosyalar.size(), 1);
        QVERIFY(QFile::rename(m_klasor.filePath(dosyalar.first()), yol));
    } else if (kaynak == QLatin1String("komut")) {
        QCOMPARE(ExcelKomutu({QStringLiteral("--excel"), QStringLiteral("--sorgu"), sql, QStringLiteral("--xlsx"), yol,
                              QStringLiteral("--veritabani"), vt.yol()}),
                 0);
    } else {
        const auto sonuc = Sorgu::sec(sql);
        QVERIFY(sonuc.has_value());
        QCOMPARE(TabloYazici::yaz(yol, *sonuc, &hata), TabloYazici::Sonuc::Tamam);
    }
    QVERIFY2(mesaj.hatalar.isEmpty(), qPrintable(mesaj.hatalar.join('\n')));

    TabloOkuyucu t;
    QVERIFY2(t.ac(yol, &hata), qPrintable(hata));
    int kolon = 0;
    for (int c = 1; c <= t.sutunSayisi() && !kolon; ++c)
        if (t.hucre(1, c) == baslik)
            kolon = c;
    QVERIFY2(kolon > 0, qPrintable(baslik));
    QCOMPARE(t.hucre(2, kolon), not1);
    QCOMPARE(t.hucre(3, kolon), not2);
    // In the package: a text cell.
    const QString ref = QString(QChar(u'A' + kolon - 1)) + QStringLiteral("2");
    QCOMPARE(paketHucreleri(yol).value(ref).tur, QStringLiteral("inlineStr"));
}

// Bytes that are no text (a picture) leave the cell empty rather than fill
// it with noise; bytes that are UTF-8 text are written as text.
void TestTabloAktar::ikiliBlobBos()
{
    Sorgu::Sonuc s;
    s.kolonlar = QStringList{QStringLiteral("KOD"), QStringLiteral("RESIM"), QStringLiteral("YAZI")};
    const QByteArray png = QByteArray::fromHex("89504e470d0a1a0a0000000d4948445200000001000000010806000000");
    s.satirlar << QVariantList{QStringLiteral("K1"), png, QStringLiteral("ığüşöç İĞÜŞÖÇ").toUtf8()};
    const QString yol = m_klasor.filePath(QStringLiteral("blob.xlsx"));
    QString hata;
    QCOMPARE(TabloYazici::yaz(yol, s, &hata), TabloYazici::Sonuc::Tamam);
    TabloOkuyucu t;
    QVERIFY2(t.ac(yol, &hata), qPrintable(hata));
    QCOMPARE(t.hucre(2, 1), QStringLiteral("K1"));
    QVERIFY(!t.hucreDegeri(2, 2).isValid());
    QCOMPARE(t.hucre(2, 3), QStringLiteral("ığüşöç İĞÜŞÖÇ"));
    QVERIFY(!paketHucreleri(yol).value(QStringLiteral("B2")).var);
}

void TestTabloAktar::komutSatiriHatalari_data()
{
    QTest::addColumn<QStringList>("argumanlar");
    QTest::newRow("hatalı sorgu") << QStringList{QStringLiteral("--sorgu"), QStringLiteral("select * from yoktablo"),
                                                 QStringLiteral("--xlsx"), QStringLiteral("CIKTI")};
    QTest::newRow("xlsx yok") << QStringList{QStringLiteral("--sorgu"), QStringLiteral("select * from hastalar")};
    QTest::newRow("tanınmayan") << QStringList{QStringLiteral("--pdf"), QStringLiteral("x.pdf"),
                                               QStringLiteral("--xlsx"), QStringLiteral("CIKTI")};
    QTest::newRow("veritabanı yok") << QStringList{QStringLiteral("--sorgu"), QStringLiteral("select * from hastalar"),
                                                   QStringLiteral("--xlsx"), QStringLiteral("CIKTI"),
                                                   QStringLiteral("--veritabani"), QStringLiteral("/yok/yok.fdb")};
}

void TestTabloAktar::komutSatiriHatalari()
{
    QFETCH(QStringList, argumanlar);
    TEST_VT(vt);
    BetikMesaj mesaj;
    const QString yol = m_klasor.filePath(QStringLiteral("hatali.xlsx"));
    QStringList a{QStringLiteral("--excel")};
    for (const QString &s : std::as_const(argumanlar))
        a << (s == QLatin1String("CIKTI") ? yol : s);
    if (!a.contains(QStringLiteral("--veritabani")))
        a << QStringLiteral("--veritabani") << vt.yol();
    QVERIFY(ExcelKomutu(a) != 0);
    QCOMPARE(mesaj.hatalar.size(), 1);
    QVERIFY(!mesaj.hatalar.first().isEmpty());
    QVERIFY(!QFile::exists(yol));
}

QTEST_MAIN(TestTabloAktar)
#include "tst_tabloaktar.moc"
