#pragma once
// The report engine. A report is a template (*.frf, readable XML; see
// raporlar/README.md) bound to a data source. Printing takes four steps:
//
//   Rapor r;
//   r.baglan(&kaynak);                 // 1. data source
//   if (!r.yukle("liste.frf")) return; // 2. template (bare name or full path)
//   r.notSatirEkle("Memo3", "...");    // 3. lines of named memo objects
//   r.baslikAyarla("liste.frf");       // 4. title, then preview / print / export
//   r.onizle(this);  r.pdfYaz(yol);  r.pngYaz(yol);
//
// Layout produces a page model (RaporBelgesi: pages of placed items, sizes in
// millimetres) that the renderers paint onto any QPainter. Nothing here needs
// a window; only onizle() and yazdir() open one.
#include <QColor>
#include <QFont>
#include <QHash>
#include <QImage>
#include <QLineF>
#include <QRectF>
#include <QSizeF>
#include <QString>
#include <QStringList>
#include <QVariant>
#include <QVector>
#include <functional>
#include <memory>
#include <optional>
#include <vector>

class QPainter;
class QPrinter;
class QWidget;

// ---------------------------------------------------------------- data

// Rows and columns a report reads. Values are raw (a date stays a QDate or
// QDateTime, an amount a double): the template decides how they are shown.
class VeriKaynagi
{
public:
    virtual ~VeriKaynagi();
    virtual int satirSayisi() const = 0;
    virtual QStringList kolonlar() const = 0;           // column names
    virtual QVariant deger(int satir, int kolon) const = 0;
    // The heading a generated column shows; the column name unless the source knows better.
    virtual QString kolonBasligi(int kolon) const;
    int kolonSirasi(const QString &ad) const;            // case-insensitive, -1 when absent
    QVariant deger(int satir, const QString &kolon) const;
};

// One row, e.g. the record a receipt prints.
class SatirKaynagi : public VeriKaynagi
{
public:
    SatirKaynagi() = default;
    // Columns in the order given, or the map's (alphabetical) order.
    explicit SatirKaynagi(const QVariantMap &satir, const QStringList &sira = {});
    int satirSayisi() const override { return m_kolonlar.isEmpty() ? 0 : 1; }
    QStringList kolonlar() const override { return m_kolonlar; }
    QVariant deger(int satir, int kolon) const override;

private:
    QStringList m_kolonlar;
    QVariantList m_degerler;
};

// The rows of a scratch query (Sorgu::sec), e.g. a group query.
class TabloKaynagi : public VeriKaynagi
{
public:
    TabloKaynagi() = default;
    TabloKaynagi(const QStringList &kolonlar, const QVector<QVariantList> &satirlar);
    int satirSayisi() const override { return int(m_satirlar.size()); }
    QStringList kolonlar() const override { return m_kolonlar; }
    QVariant deger(int satir, int kolon) const override;
    // Headings for generated columns (liste.frf), by column name.
    void basliklariAyarla(const QHash<QString, QString> &basliklar) { m_basliklar = basliklar; }
    QString kolonBasligi(int kolon) const override;

private:
    QStringList m_kolonlar;
    QVector<QVariantList> m_satirlar;
    QHash<QString, QString> m_basliklar;
};

namespace Sorgu { struct Sonuc; }
// A query result; the rows are shared, not copied.
class SorguKaynagi : public TabloKaynagi
{
public:
    explicit SorguKaynagi(const Sorgu::Sonuc &sonuc);
};

// A data set's buffered rows (raporlar/raporveriseti.cpp).
class VeriSeti;
class VeriSetiKaynagi : public VeriKaynagi
{
public:
    explicit VeriSetiKaynagi(const VeriSeti &veriSeti);
    int satirSayisi() const override;
    QStringList kolonlar() const override;
    QVariant deger(int satir, int kolon) const override;
    // Headings for generated columns (the grid's titles), by column name.
    void basliklariAyarla(const QHash<QString, QString> &basliklar) { m_basliklar = basliklar; }
    QString kolonBasligi(int kolon) const override;

private:
    const VeriSeti &m_vs;
    mutable QStringList m_kolonlar;
    QHash<QString, QString> m_basliklar;
};

// ---------------------------------------------------------------- template

enum class BantTuru {
    RaporBasligi,   // "raporbasligi": first page only
    SayfaBasligi,   // "sayfabasligi": top of every page
    KolonBasligi,   // "kolonbasligi": under the page header, every page
    GrupBasligi,    // "grupbasligi": when the value of its column changes
    Detay,          // "detay": once per row
    AltDetay,       // "altdetay": once per sub-row of a row (Rapor::altKaynakAyarla)
    GrupSonu,       // "grupsonu": after the last row of its group
    Ozet,           // "ozet": once, after the last row
    SayfaAltligi    // "sayfaaltligi": bottom of every page
};
QString BantTuruAdi(BantTuru tur);                       // "detay"
std::optional<BantTuru> BantTuruOku(const QString &ad);
QString BantTuruBasligi(BantTuru tur);                    // "Detay" (designer)

enum class NesneTuru { Metin, Cizgi, Kutu, Resim };

// Frame sides of a text.
enum Kenar { KenarYok = 0, KenarSol = 1, KenarUst = 2, KenarSag = 4, KenarAlt = 8, KenarTam = 15 };

struct RaporNesnesi
{
    NesneTuru tur = NesneTuru::Metin;
    QString ad;                 // name of a memo object the program fills (optional)
    QRectF alan;                // mm, relative to the band's top-left corner
    // text
    QString metin;              // may hold placeholders; lines separated by \n
    QString yaziTipi;           // empty: the template's
    qreal boyut = 0;            // points; 0: the template's
    bool kalin = false;
    bool italik = false;
    bool altCizili = false;
    Qt::Alignment hiza = Qt::AlignLeft | Qt::AlignVCenter;
    bool kaydir = false;        // word wrap
    bool kirp = true;           // clip to the rectangle
    bool uzar = false;          // the box grows to hold all its text; objects under it move down
    int kenar = KenarYok;
    QColor renk = Qt::black;
    QColor dolgu;               // invalid: transparent
    // line, box, frames
    qreal kalinlik = 0.2;       // mm
    QLineF cizgi;               // mm, relative to the band (Cizgi)
    // picture
    QString dosya;              // path (relative: next to the template); may hold placeholders
    bool oranKoru = true;
};

struct RaporBandi
{
    BantTuru tur = BantTuru::Detay;
    qreal yukseklik = 6;        // mm
    bool esnek = false;         // grows with wrapped text (its kaydir texts grow like uzar ones)
    bool otomatik = false;      // column header / detail: one column per data-source column
    QString kolon;              // group bands: the column (or expression) whose change starts a group
    bool yeniSayfa = false;     // group header: start a new page (not before the first)
    bool tekrarla = false;      // group header: printed again at the top of a page the group runs on to
    bool ilkSayfada = true;     // page header: also on the first page
    std::vector<RaporNesnesi> nesneler;
};

struct RaporSablonu
{
    enum class Kagit { A4, Letter };
    Kagit kagit = Kagit::A4;
    bool yatay = false;
    qreal solBosluk = 15, ustBosluk = 12, sagBosluk = 15, altBosluk = 12; // mm
    QString yaziTipi = QStringLiteral("DejaVu Sans");
    qreal boyut = 9;
    QString ad;                  // free text describing the template
    QString dosyaYolu;           // where it was read from (pictures are found next to it)
    std::vector<RaporBandi> bantlar;

    QSizeF sayfaBoyutu() const;  // mm, after orientation
    qreal yaziAlaniGenisligi() const { return sayfaBoyutu().width() - solBosluk - sagBosluk; }
    RaporBandi *bant(BantTuru tur);
    const RaporBandi *bant(BantTuru tur) const;

    // Reads a template file. Broken XML, or a template the engine cannot lay
    // out (see denetle): nullopt and a message naming the file and the line.
    static std::optional<RaporSablonu> oku(const QString &yol, QString *hata);
    static std::optional<RaporSablonu> metindenOku(const QByteArray &xml, const QString &ad, QString *hata);
    QByteArray xml() const;
    bool yaz(const QString &yol, QString *hata) const;
    // False, with a Turkish message naming the band, when two group headers
    // (or two group footers) group the same column: their levels cannot nest.
    bool denetle(QString *hata = nullptr) const;
    // The same question for a band about to be added or changed (the designer):
    // the message, or empty when the band may stand beside the others.
    QString grupCakismasi(const RaporBandi &bant, int haric = -1) const;
};

// Where a template named by bare file name is: the practice's own folder,
// then the program's, then the working directory (where an earlier release
// kept them; read only). A path with a folder part is taken as it is. Empty
// when not found.
QString RaporSablonuBul(const QString &adVeyaYol);
// Folders searched, in order (for messages and the chooser).
QStringList RaporSablonKlasorleri();
// The practice's own templates: SABLONLAR under the data root (one folder for
// every workstation when the root is shared), made when missing.
QString KendiSablonKlasoru();
// The templates the program ships: VELMORIKA_SABLONLAR when set (the tests
// point it at the source tree), else "sablonlar" beside the program (a build
// tree), else <prefix>/share/velmorika/sablonlar. The places looked at, and
// the first that is there (empty when none is: the program is incomplete).
QStringList ProgramSablonAdaylari();
QString ProgramSablonKlasoru();
// "... bulunamadı" naming the places looked at, for a missing program folder.
QString ProgramSablonlariEksikMetni();

// ---------------------------------------------------------------- page model

struct RaporOgesi
{
    NesneTuru tur = NesneTuru::Metin;
    BantTuru bant = BantTuru::Detay;
    QString ad;                  // object name, when it had one
    QRectF alan;                 // mm on the page
    QString metin;               // final text
    QFont yaziTipi;              // point size as printed
    Qt::Alignment hiza = Qt::AlignLeft | Qt::AlignVCenter;
    bool kaydir = false;
    bool kirp = true;
    int kenar = KenarYok;
    QColor renk = Qt::black;
    QColor dolgu;
    qreal kalinlik = 0.2;
    QLineF cizgi;                // mm on the page
    QImage resim;
    bool oranKoru = true;
};

struct RaporSayfasi
{
    QSizeF boyut;                // mm
    std::vector<RaporOgesi> ogeler;
    // Texts of the page in print order (band by band, left to right).
    QStringList metinler() const;
    QStringList metinler(BantTuru bant) const;
};

struct RaporBelgesi
{
    QString baslik;
    std::vector<RaporSayfasi> sayfalar;
    QStringList uyarilar;
    bool iptal = false;          // the layout was cancelled: no pages, nothing to print or save
    int sayfaSayisi() const { return int(sayfalar.size()); }
    bool bosMu() const { return sayfalar.empty(); }
};

// Paints one page with the top-left of the paper at the painter's origin;
// olcek = device units per millimetre.
void RaporSayfasiCiz(QPainter &p, const RaporSayfasi &sayfa, qreal olcek,
                     const QString &vurgula = QString());
// The preview's search: Turkish case folding, and I, İ, ı and i taken as one
// letter ("ali şahin" finds "ALİ ŞAHİN", "o'neil" finds "O'NEIL" and "O'NEİL").
bool RaporMetniIcerir(const QString &metin, const QString &aranan);

// ---------------------------------------------------------------- engine

class Rapor
{
public:
    Rapor();
    ~Rapor();
    Rapor(const Rapor &) = delete;
    Rapor &operator=(const Rapor &) = delete;

    // 1. The data source (not owned; must outlive the layout). Null: no rows.
    void baglan(const VeriKaynagi *kaynak);
    const VeriKaynagi *kaynak() const;

    // 2. Loads a template by bare name or full path. Missing file or broken
    // XML: the general error display (Mesaj::hata), false, the report as it was.
    bool yukle(const QString &adVeyaYol, QWidget *ust = nullptr);
    // Same without a message: the text goes to hata.
    bool yukle(const QString &adVeyaYol, QString *hata);
    // A template held in memory (the designer's).
    void sablonAyarla(const RaporSablonu &sablon);
    const RaporSablonu &sablon() const;
    bool yukluMu() const;
    QString sablonYolu() const;

    // 3. Named memo objects: lines appended after the template's own text.
    bool notVarMi(const QString &ad) const;
    bool notSatirEkle(const QString &ad, const QString &satir);
    bool notTemizle(const QString &ad);
    bool notAyarla(const QString &ad, const QStringList &satirlar);
    QStringList notSatirlari(const QString &ad) const;

    // Sub-rows printed in the "altdetay" band under each row (an invoice's
    // lines under a movement). The function gives the sub-rows of a row of
    // the main source; null or empty: none.
    using AltKaynak = std::function<std::shared_ptr<const VeriKaynagi>(int satir)>;
    void altKaynakAyarla(const AltKaynak &kaynak);

    // 4. Title (window caption, [#BASLIK]).
    void baslikAyarla(const QString &baslik);
    QString baslik() const;

    // Lays the pages out. ilerleme(done rows, all rows) returning false cancels:
    // then the document has no pages and iptal set, never a part that could
    // pass for the whole. Warnings (columns the source lacks, pictures not
    // found, list columns left out) are collected, each once.
    RaporBelgesi olustur(const std::function<bool(int, int)> &ilerleme = {});
    QStringList uyarilar() const;

    // Output. Messages go through Mesaj; false on failure (a cancelled document is not written).
    bool pdfYaz(const QString &yol, QString *hata = nullptr);
    bool pngYaz(const QString &yol, int sayfa = 0, int dpi = 150, QString *hata = nullptr);
    static bool pdfYaz(const RaporBelgesi &belge, const QString &yol, QString *hata = nullptr,
                       const std::function<bool(int, int)> &ilerleme = {});
    static QImage sayfaResmi(const RaporBelgesi &belge, int sayfa, int dpi = 150);
    static bool yazdir(const RaporBelgesi &belge, QPrinter &yazici,
                       int ilk = 0, int son = -1);
    // The modal preview window (warnings shown once).
    void onizle(QWidget *ust = nullptr);
    // While set, onizle() hands the report to this instead of opening the
    // window: tests write the printout to a file and read it back.
    static std::function<void(Rapor &, QWidget *)> onizlemeYerine;

private:
    struct Ozel;
    std::unique_ptr<Ozel> d;
};

// Number and date formats of templates ("#,###.00" -> 1.234,50; "DD.MM.YYYY").
QString RaporDegerMetni(const QVariant &deger, const QString &bicim = QString());
