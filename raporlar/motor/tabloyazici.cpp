#include "raporlar/motor/tabloyazici.h"

#include "db/sorgu.h"
#include "db/sqltext.h"

#include <QAbstractItemModel>
#include <QDate>
#include <QDateTime>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QLocale>
#include <QTime>

#include <xlsxwriter.h>

#include <cmath>

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

struct Bicimler
{
    lxw_format *baslik = nullptr;
    lxw_format *tarih = nullptr;
    lxw_format *tarihSaat = nullptr;
    lxw_format *saat = nullptr;
};

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

lxw_error hucreYaz(lxw_worksheet *ws, lxw_row_t r, lxw_col_t c, const QVariant &v, const Bicimler &b)
{
    if (v.isNull())
        return LXW_NO_ERROR;
    switch (v.typeId()) {
    case QMetaType::Double:
    case QMetaType::Float: {
        const double d = v.toDouble();
        return std::isfinite(d) ? worksheet_write_number(ws, r, c, d, nullptr) : LXW_NO_ERROR;
    }
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
        return worksheet_write_number(ws, r, c, v.toDouble(), nullptr);
    case QMetaType::Bool:
        return worksheet_write_boolean(ws, r, c, v.toBool(), nullptr);
    case QMetaType::QString:
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
        return tarihYaz(ws, r, c, dt.date(), t, t == QTime(0, 0) ? b.tarih : b.tarihSaat);
    }
    case QMetaType::QTime: {
        const QTime t = v.toTime();
        return t.isValid() ? worksheet_write_number(ws, r, c, t.msecsSinceStartOfDay() / 86400000.0, b.saat)
                           : LXW_NO_ERROR;
    }
    case QMetaType::QByteArray:
        return LXW_NO_ERROR;   // binary (pictures): nothing a sheet can show
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
template <class BaslikF, class DegerF>
Sonuc yazGenel(const QString &yol, int satirSayisi, int kolonSayisi, BaslikF baslik, DegerF deger,
               QString *hata, const Ilerleme &ilerleme, const QString &sayfaAdi)
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

    // Titles, and column widths that fit them (set before any data in this mode).
    QStringList basliklar;
    for (int k = 0; k < kolonSayisi; ++k) {
        basliklar << baslik(k);
        const double genislik = qBound(10.0, basliklar.last().size() + 2.0, 50.0);
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
            e = hucreYaz(ws, lxw_row_t(s + 1), lxw_col_t(k), deger(s, k), b);
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
        [&](int s, int i) { return model.data(model.index(s, k.at(i)), Qt::EditRole); }, hata, ilerleme,
        sayfaAdi);
}

Sonuc yaz(const QString &yol, const Sorgu::Sonuc &sonuc, QString *hata, const Ilerleme &ilerleme,
          const QString &sayfaAdi)
{
    const int kolonSayisi = int(sonuc.kolonlar.size());
    return yazGenel(
        yol, int(sonuc.satirlar.size()), kolonSayisi, [&](int i) { return sonuc.kolonlar.at(i); },
        [&](int s, int i) {
            const QVariantList &satir = sonuc.satirlar.at(s);
            return i < satir.size() ? satir.at(i) : QVariant();
        },
        hata, ilerleme, sayfaAdi);
}

} // namespace TabloYazici
