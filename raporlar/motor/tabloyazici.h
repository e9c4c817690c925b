#pragma once
// Writes rows to an .xlsx file (libxlsxwriter, constant-memory mode, so memory
// stays flat however long the list is): row 1 the column titles, then one row
// per record. Cell types are kept: numbers as numbers, dates as dates shown
// "dd.mm.yyyy" (with a time "dd.mm.yyyy hh:mm"), texts as texts, NULL and
// empty texts as empty cells.
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
