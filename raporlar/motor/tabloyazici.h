#pragma once
// Writes rows to an .xlsx file (libxlsxwriter, constant-memory mode, so memory
// stays flat however long the list is): row 1 the column titles, then one row
// per record. Cell types are kept: numbers as numbers, dates as dates shown
// "dd.mm.yyyy" (with a time "dd.mm.yyyy hh:mm"), texts as texts, NULL and
// empty texts as empty cells.
//
// Amounts are numbers in the format "#,##0.00", which the spreadsheet
// program shows in its own locale (1.234,50 in Turkish); whole numbers have
// no format. Which columns are amounts is decided as the grid and the reports
// decide it: for a grid's model (TabloModeli) the columns it shows as
// amounts (fraction columns of the data set, or columns set to "#,###.00";
// a column with a pattern of its own gets that pattern); for any other
// model and a query's result, fractional values. Text blobs (notes) are
// written as their text; a binary blob stays an empty cell.
#include <QList>
#include <QString>
#include <functional>

class QAbstractItemModel;
namespace Sorgu { struct Sonuc; }

namespace TabloYazici {

enum class Sonuc { Tamam, Hata, Iptal };

// Called now and then with the records written so far and the total; return
// false to stop (the half-written file is then removed).
using Ilerleme = std::function<bool(int yazilan, int toplam)>;

// From a model: titles from headerData(Horizontal, DisplayRole), values from
// data(EditRole). kolonlar: the model columns to write, in order (empty: all).
// sayfaAdi: the worksheet's name (cut to what Excel allows; empty: "Sayfa1").
// On Hata the Turkish message is in hata and no file is left behind.
Sonuc yaz(const QString &yol, const QAbstractItemModel &model, const QList<int> &kolonlar = {},
          QString *hata = nullptr, const Ilerleme &ilerleme = {}, const QString &sayfaAdi = {});
// From a scratch query's result: titles are the result's column names.
Sonuc yaz(const QString &yol, const Sorgu::Sonuc &sonuc, QString *hata = nullptr,
          const Ilerleme &ilerleme = {}, const QString &sayfaAdi = {});

} // namespace TabloYazici
