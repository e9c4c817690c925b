#include "raporlar/motor/tabloyazici.h"

#include "db/sema.h"
#include "db/sorgu.h"
#include "db/sqltext.h"
#include "db/tablomodeli.h"
#include "db/veriseti.h"

#include <QAbstractItemModel>
#include <QDate>
#include <QDateTime>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QLocale>
#include <QStringDecoder>
#include <QTime>

#include <xlsxwriter.h>

#include <cmath>
#include <vector>

namespace TabloYazici {

namespace {

// Excel's limits: a sheet has 1,048,576 rows and 16,384 columns, a cell 32,767 characters.
constexpr int EnCokSatir = LXW_ROW_MAX;
constexpr int EnCokSutun = LXW_COL_MAX;
constexpr int EnCokKarakter = 32767;

QString gecerliSayfaAdi(const QString &ad)
{
    QString s;
    for (const QChar c : ad)
        if (!QStringLiteral("[]:*?/\\").contains(c) && c.unicode() >= 0x20)
            s += c;
    s = s.trimmed();
    if (s.startsWith(QLatin1Char('\'')))
        s.remove(0, 1);
    s.truncate(31);
    while (s.endsWith(QLatin1Char('\'')))
        s.chop(1);
    return s.isEmpty() ? QStringLiteral("Sayfa1") : s;
}

// The number format of amounts: the file stores it with ',' grouping and
// '.' decimals, and the spreadsheet program shows it in the reader's own
// locale (1.234,50 in Turkish), as the grids and the reports write amounts.
constexpr char TutarBicimi[] = "#,##0.00";

// What the sheet does with one column's values, decided before the first row.
struct KolonTanimi
{
    enum class Sayi {
        DegereGore, // by the value: fractions are amounts, whole numbers plain
        Tutar,      // every number, and a text that reads as one, is an amount
        Duz,        // numbers without a format
        Desen       // the column's own pattern (desen)
    };
    enum class Blob { Bilinmiyor, Metin };
    Sayi sayi = Sayi::DegereGore;
    QByteArray desen;
    // A blob's bytes: a text blob column (BLOB SUB_TYPE 1) gives its text
    // as UTF-8; without a description the bytes themselves must tell.
    Blob blob = Blob::Bilinmiyor;
    lxw_format *bicim = nullptr;   // for Tutar and Desen
};

struct Bicimler
{
    lxw_format *baslik = nullptr;
    lxw_format *tarih = nullptr;
    lxw_format *tarihSaat = nullptr;
    lxw_format *saat = nullptr;
    lxw_format *tutar = nullptr;
};

// A Delphi-style pattern of the grids ("#,##", "#,###.00") as an Excel
// number format. SayiBicimle writes at least one integer digit, so Excel
// must too ("#,##0"); text around the pattern stays, quoted.
QByteArray excelDeseni(const QString &desen)
{
    auto desenKarakteri = [](QChar c) {
        return c == QLatin1Char('0') || c == QLatin1Char('#') || c == QLatin1Char(',') || c == QLatin1Char('.');
    };
    qsizetype bas = 0, son = desen.size();
    while (bas < son && !desenKarakteri(desen.at(bas)))
        ++bas;
    while (son > bas && !desenKarakteri(desen.at(son - 1)))
        --son;
    QString govde = desen.mid(bas, son - bas);
    if (govde.isEmpty())
        return TutarBicimi;
    qsizetype nokta = govde.indexOf(QLatin1Char('.'));
    if (nokta < 0)
        nokta = govde.size();
    const QString tam = govde.left(nokta);
    if (!tam.contains(QLatin1Char('0')))
        govde.replace(0, nokta, tam.contains(QLatin1Char(',')) ? QStringLiteral("#,##0") : QStringLiteral("0"));
    auto tirnakla = [](QString t) {
        t.remove(QLatin1Char('"'));
        return t.isEmpty() ? t : QLatin1Char('"') + t + QLatin1Char('"');
    };
    return (tirnakla(desen.left(bas)) + govde + tirnakla(desen.mid(son))).toUtf8();
}

// True when the bytes are a text: valid UTF-8 with no control character but
// tabs and line breaks (a picture or any other binary never is).
bool metinBaytlariMi(const QByteArray &b)
{
    for (const char c : b) {
        const auto u = static_cast<unsigned char>(c);
        if (u < 0x20 && u != '\t' && u != '\n' && u != '\r')
            return false;
    }
    QStringDecoder utf8(QStringDecoder::Utf8, QStringDecoder::Flag::Stateless);
    const QString s = utf8(b);
    return !utf8.hasError();
}

// A result column named like a text blob column of the description holds text.
KolonTanimi::Blob adinBlobu(const QString &kolon)
{
    for (const Tablo &t : Tablolar())
        if (const Kolon *k = t.kolon(kolon); k && k->tur == KolonTuru::UzunMetin)
            return KolonTanimi::Blob::Metin;
    return KolonTanimi::Blob::Bilinmiyor;
}

lxw_error metinYaz(lxw_worksheet *ws, lxw_row_t r, lxw_col_t c, const QString &s, lxw_format *f = nullptr)
{
    if (s.isEmpty())
        return LXW_NO_ERROR;
    const QByteArray u = (s.size() > EnCokKarakter ? s.left(EnCokKarakter) : s).toUtf8();
    return worksheet_write_string(ws, r, c, u.constData(), f);
}

lxw_error tarihYaz(lxw_worksheet *ws, lxw_row_t r, lxw_col_t c, const QDate &d, const QTime &t, lxw_format *f)
{
    // Excel has no dates before 1900: such a date goes in as its text.
    if (d.year() < 1900 || d.year() > 9999)
        return metinYaz(ws, r, c, d.toString(TarihBicimi));
    lxw_datetime dt{d.year(), d.month(), d.day(), t.hour(), t.minute(), t.second() + t.msec() / 1000.0};
    return worksheet_write_datetime(ws, r, c, &dt, f);
}

lxw_error sayiYaz(lxw_worksheet *ws, lxw_row_t r, lxw_col_t c, double d, bool kesirli, const KolonTanimi &k,
                  const Bicimler &b)
{
    if (!std::isfinite(d))
        return LXW_NO_ERROR;
    lxw_format *f = nullptr;
    switch (k.sayi) {
    case KolonTanimi::Sayi::DegereGore:
        f = kesirli ? b.tutar : nullptr;
        break;
    case KolonTanimi::Sayi::Tutar:
    case KolonTanimi::Sayi::Desen:
        f = k.bicim;
        break;
    case KolonTanimi::Sayi::Duz:
        break;
    }
    return worksheet_write_number(ws, r, c, d, f);
}

lxw_error hucreYaz(lxw_worksheet *ws, lxw_row_t r, lxw_col_t c, const QVariant &v, const KolonTanimi &k,
                   const Bicimler &b)
{
    if (v.isNull())
        return LXW_NO_ERROR;
    switch (v.typeId()) {
    case QMetaType::Double:
    case QMetaType::Float:
        return sayiYaz(ws, r, c, v.toDouble(), true, k, b);
    case QMetaType::Int:
    case QMetaType::UInt:
    case QMetaType::Long:
    case QMetaType::ULong:
    case QMetaType::LongLong:
    case QMetaType::ULongLong:
    case QMetaType::Short:
    case QMetaType::UShort:
    case QMetaType::SChar:
    case QMetaType::UChar:
        return sayiYaz(ws, r, c, v.toDouble(), false, k, b);
    case QMetaType::Bool:
        return worksheet_write_boolean(ws, r, c, v.toBool(), nullptr);
    case QMetaType::QString:
        // An amount column over a text column: the grid shows the number the text reads as.
        if (k.sayi == KolonTanimi::Sayi::Tutar || k.sayi == KolonTanimi::Sayi::Desen) {
            QVariant sayi;
            if (VeriSeti::degerCevir(KolonTuru::Ondalik, v, &sayi) && !sayi.isNull())
                return sayiYaz(ws, r, c, sayi.toDouble(), true, k, b);
        }
        return metinYaz(ws, r, c, v.toString());
    case QMetaType::QDate: {
        const QDate d = v.toDate();
        return d.isValid() ? tarihYaz(ws, r, c, d, QTime(0, 0), b.tarih) : LXW_NO_ERROR;
    }
    case QMetaType::QDateTime: {
        const QDateTime dt = v.toDateTime();
        if (!dt.isValid())
            return LXW_NO_ERROR;
        const QTime t = dt.time();
        // A time of day is stored on the zero date 30.12.1899 (appointment
        // times): it goes in as the time, not as a date without it.
        if (dt.date() == QDate(1899, 12, 30))
            return worksheet_write_number(ws, r, c, t.msecsSinceStartOfDay() / 86400000.0, b.saat);
        return tarihYaz(ws, r, c, dt.date(), t, t == QTime(0, 0) ? b.tarih : b.tarihSaat);
    }
    case QMetaType::QTime: {
        const QTime t = v.toTime();
        return t.isValid() ? worksheet_write_number(ws, r, c, t.msecsSinceStartOfDay() / 86400000.0, b.saat)
                           : LXW_NO_ERROR;
    }
    case QMetaType::QByteArray: {
        // Text blobs (notes) come from the driver as their UTF-8 bytes; a
        // true binary (a picture) is nothing a sheet can show.
        const QByteArray bayt = v.toByteArray();
        if (k.blob == KolonTanimi::Blob::Metin || metinBaytlariMi(bayt))
            return metinYaz(ws, r, c, QString::fromUtf8(bayt));
        return LXW_NO_ERROR;
    }
    default:
        return metinYaz(ws, r, c, v.toString());
    }
}

QString hataMetni(lxw_error e, const QString &yol)
{
    if (e == LXW_ERROR_CREATING_XLSX_FILE || e == LXW_ERROR_CREATING_TMPFILE)
        return QStringLiteral("Excel dosyası yazılamadı: ") + QDir::toNativeSeparators(yol)
               + QStringLiteral(" (klasöre yazılamıyor ya da disk dolu)");
    return QStringLiteral("Excel dosyası yazılamadı: ") + QDir::toNativeSeparators(yol) + QStringLiteral(" (")
           + QString::fromUtf8(lxw_strerror(e)) + QStringLiteral(")");
}

// Titles come from baslik(i), values from deger(row, i); both 0-based.
// tanimlar: one per column.
template <class BaslikF, class DegerF>
Sonuc yazGenel(const QString &yol, int satirSayisi, int kolonSayisi, BaslikF baslik, DegerF deger,
               std::vector<KolonTanimi> tanimlar, QString *hata, const Ilerleme &ilerleme, const QString &sayfaAdi)
{
    auto hataVer = [&](const QString &m) {
        if (hata)
            *hata = m;
        return Sonuc::Hata;
    };
    if (satirSayisi + 1 > EnCokSatir)
        return hataVer(QStringLiteral("Liste Excel'in bir sayfasına sığmıyor: %1 kayıt var, bir sayfa en çok %2 "
                                      "kayıt alır.")
                           .arg(QLocale(QLocale::Turkish).toString(satirSayisi),
                                QLocale(QLocale::Turkish).toString(EnCokSatir - 1)));
    if (kolonSayisi > EnCokSutun)
        return hataVer(QStringLiteral("Listede Excel'in bir sayfasına sığmayacak kadar çok kolon var (%1).")
                           .arg(kolonSayisi));

    // Work files of the constant-memory mode go to the same temporary folder as ours.
    const QByteArray geciciKlasor = QFile::encodeName(QDir::tempPath());
    lxw_workbook_options secenek{};
    secenek.constant_memory = LXW_TRUE;
    secenek.tmpdir = const_cast<char *>(geciciKlasor.constData());
    secenek.use_zip64 = LXW_TRUE;
    const QByteArray dosya = QFile::encodeName(yol);
    lxw_workbook *wb = workbook_new_opt(dosya.constData(), &secenek);
    if (!wb)
        return hataVer(hataMetni(LXW_ERROR_MEMORY_MALLOC_FAILED, yol));
    const QByteArray sayfa = gecerliSayfaAdi(sayfaAdi).toUtf8();
    lxw_worksheet *ws = workbook_add_worksheet(wb, sayfa.constData());
    if (!ws)
        ws = workbook_add_worksheet(wb, nullptr);
    Bicimler b;
    b.baslik = workbook_add_format(wb);
    format_set_bold(b.baslik);
    b.tarih = workbook_add_format(wb);
    format_set_num_format(b.tarih, "dd.mm.yyyy");
    b.tarihSaat = workbook_add_format(wb);
    format_set_num_format(b.tarihSaat, "dd.mm.yyyy hh:mm");
    b.saat = workbook_add_format(wb);
    format_set_num_format(b.saat, "hh:mm");
    b.tutar = workbook_add_format(wb);
    format_set_num_format(b.tutar, TutarBicimi);
    QHash<QByteArray, lxw_format *> desenler;
    for (KolonTanimi &t : tanimlar) {
        if (t.sayi == KolonTanimi::Sayi::Tutar) {
            t.bicim = b.tutar;
        } else if (t.sayi == KolonTanimi::Sayi::Desen) {
            lxw_format *&f = desenler[t.desen];
            if (!f) {
                f = workbook_add_format(wb);
                format_set_num_format(f, t.desen.constData());
            }
            t.bicim = f;
        }
    }

    // Titles, and column widths that fit them (set before any data in this
    // mode); amounts and date-times get room enough not to show as "####".
    constexpr int Ornek = 100;
    QStringList basliklar;
    for (int k = 0; k < kolonSayisi; ++k) {
        basliklar << baslik(k);
        double enAz = 10.0;
        const KolonTanimi &t = tanimlar[size_t(k)];
        if (t.sayi == KolonTanimi::Sayi::Tutar || t.sayi == KolonTanimi::Sayi::Desen)
            enAz = 14.0;
        for (int s = 0; s < qMin(satirSayisi, Ornek) && enAz < 16.0; ++s) {
            const int tur = deger(s, k).typeId();
            if ((tur == QMetaType::Double || tur == QMetaType::Float) && t.sayi == KolonTanimi::Sayi::DegereGore)
                enAz = 14.0;
            else if (tur == QMetaType::QDateTime)
                enAz = 16.0;
        }
        const double genislik = qBound(enAz, basliklar.last().size() + 2.0, 50.0);
        worksheet_set_column(ws, lxw_col_t(k), lxw_col_t(k), genislik, nullptr);
    }
    lxw_error e = LXW_NO_ERROR;
    for (int k = 0; k < kolonSayisi && e == LXW_NO_ERROR; ++k)
        e = metinYaz(ws, 0, lxw_col_t(k), basliklar.at(k), b.baslik);

    bool durdu = false;
    for (int s = 0; s < satirSayisi && e == LXW_NO_ERROR; ++s) {
        if (ilerleme && (s & 255) == 0 && !ilerleme(s, satirSayisi)) {
            durdu = true;
            break;
        }
        for (int k = 0; k < kolonSayisi && e == LXW_NO_ERROR; ++k)
            e = hucreYaz(ws, lxw_row_t(s + 1), lxw_col_t(k), deger(s, k), tanimlar[size_t(k)], b);
    }
    // The file itself is only created by workbook_close: a stopped or failed
    // export leaves nothing on disk (and never touches a file already there).
    if (durdu) {
        lxw_workbook_free(wb);
        if (hata)
            hata->clear();
        return Sonuc::Iptal;
    }
    if (e != LXW_NO_ERROR) {
        lxw_workbook_free(wb);
        return hataVer(hataMetni(e, yol));
    }
    e = workbook_close(wb);
    if (e != LXW_NO_ERROR) {
        // A half-written package is of no use to anyone.
        if (e != LXW_ERROR_CREATING_XLSX_FILE)
            QFile::remove(yol);
        return hataVer(hataMetni(e, yol));
    }
    if (ilerleme)
        ilerleme(satirSayisi, satirSayisi);
    return Sonuc::Tamam;
}

// The grid's own view of its columns: amounts are the columns it shows as
// amounts ("#,###.00": a fraction column of the data set, or one set so),
// whole-number columns plain, a column with its own pattern in that pattern.
std::vector<KolonTanimi> modelTanimlari(const QAbstractItemModel &model, const QList<int> &kolonlar)
{
    std::vector<KolonTanimi> t(size_t(kolonlar.size()));
    const auto *tm = qobject_cast<const TabloModeli *>(&model);
    const VeriSeti *vs = tm ? tm->veriSeti() : nullptr;
    if (!vs)
        return t;
    const QList<TabloKolonu> gorunen = tm->kolonlar();
    for (int i = 0; i < kolonlar.size(); ++i) {
        const int m = kolonlar.at(i);
        if (m < 0 || m >= gorunen.size())
            continue;
        const TabloKolonu &g = gorunen.at(m);
        KolonTanimi &k = t[size_t(i)];
        const int sira = vs->kolonSirasi(g.kolon);
        const KolonTuru tur = sira >= 0 ? vs->kolonTuru(sira) : KolonTuru::Metin;
        const Kolon *tk = sira >= 0 ? vs->tabloKolonu(sira) : nullptr;
        switch (g.bicim) {
        case GosterimBicimi::Otomatik:
            k.sayi = tk && tk->tamSayiDegerli       ? KolonTanimi::Sayi::Duz
                     : tur == KolonTuru::Ondalik   ? KolonTanimi::Sayi::Tutar
                     : tur == KolonTuru::Tamsayi ? KolonTanimi::Sayi::Duz
                                                 : KolonTanimi::Sayi::DegereGore;
            break;
        case GosterimBicimi::Tutar:
            k.sayi = KolonTanimi::Sayi::Tutar;
            break;
        case GosterimBicimi::Desen:
            k.sayi = KolonTanimi::Sayi::Desen;
            k.desen = excelDeseni(g.desen);
            break;
        case GosterimBicimi::Metin:
            k.sayi = KolonTanimi::Sayi::Duz;
            break;
        default:
            break;
        }
        if (sira >= 0 && vs->tabloKolonu(sira) && (tur == KolonTuru::UzunMetin || tur == KolonTuru::Metin))
            k.blob = KolonTanimi::Blob::Metin;
        else
            k.blob = adinBlobu(g.kolon);
    }
    return t;
}

} // namespace

Sonuc yaz(const QString &yol, const QAbstractItemModel &model, const QList<int> &kolonlar, QString *hata,
          const Ilerleme &ilerleme, const QString &sayfaAdi)
{
    QList<int> k = kolonlar;
    if (k.isEmpty())
        for (int i = 0; i < model.columnCount(); ++i)
            k << i;
    for (int i : std::as_const(k))
        if (i < 0 || i >= model.columnCount()) {
            if (hata)
                *hata = QStringLiteral("Excel'e aktarılacak kolon listede yok: %1").arg(i + 1);
            return Sonuc::Hata;
        }
    return yazGenel(
        yol, model.rowCount(), int(k.size()),
        [&](int i) { return model.headerData(k.at(i), Qt::Horizontal, Qt::DisplayRole).toString(); },
        [&](int s, int i) { return model.data(model.index(s, k.at(i)), Qt::EditRole); }, modelTanimlari(model, k),
        hata, ilerleme, sayfaAdi);
}

Sonuc yaz(const QString &yol, const Sorgu::Sonuc &sonuc, QString *hata, const Ilerleme &ilerleme,
          const QString &sayfaAdi)
{
    const int kolonSayisi = int(sonuc.kolonlar.size());
    std::vector<KolonTanimi> tanimlar(static_cast<size_t>(kolonSayisi));
    for (int i = 0; i < kolonSayisi; ++i)
        tanimlar[size_t(i)].blob = adinBlobu(sonuc.kolonlar.at(i));
    return yazGenel(
        yol, int(sonuc.satirlar.size()), kolonSayisi, [&](int i) { return sonuc.kolonlar.at(i); },
        [&](int s, int i) {
            const QVariantList &satir = sonuc.satirlar.at(s);
            return i < satir.size() ? satir.at(i) : QVariant();
        },
        std::move(tanimlar), hata, ilerleme, sayfaAdi);
}

} // namespace TabloYazici
