#pragma once
// "Excele Aktar" of the screens: writes the list to an .xlsx file the user
// names in a save dialog (or to a new file in the folder set for the program),
// with a cancellable progress window on long lists, and opens it with the
// desktop's spreadsheet program. Every message and dialog goes through Mesaj.
#include <QList>
#include <QString>

class QAbstractItemModel;
class QWidget;
class VeriSeti;
namespace Sorgu { struct Sonuc; }

namespace TabloAktar {

// Said when an export is asked for before a list was taken.
inline const QString ListeYokMesaji = QStringLiteral("Aktarılacak bir liste yok; önce Listele ile listeyi alın.");

// Each returns the path of the file written, or an empty text when nothing
// was written (error or cancelled work: the message has been shown; a
// cancelled save dialog says nothing).

// A grid's model: titles from headerData, raw values from data(EditRole);
// kolonlar: the visible model columns in order (empty: all). ad names the
// file and the sheet (usually the table name).
QString modelden(const QAbstractItemModel &model, const QList<int> &kolonlar, const QString &ad,
                 QWidget *ust = nullptr);
// A scratch query's result (the data control panel's free query).
QString sonuctan(const Sorgu::Sonuc &sonuc, const QString &ad, QWidget *ust = nullptr);
// A record screen's data set and its grid's model: a data set that is not
// open gives "Dataset is not active" and writes nothing.
QString verisetinden(const VeriSeti &veriSeti, const QAbstractItemModel &model,
                     const QList<int> &kolonlar = {}, QWidget *ust = nullptr);

// Lists longer than this show the progress window.
inline constexpr int IlerlemeSiniri = 2000;

// A folder set here takes every export under a new name without a dialog
// (the command line, the tests). klasor(): that folder, else the user's
// documents folder (where the first save dialog starts), else the temporary
// folder.
QString klasor();
void klasorAyarla(const QString &klasor);   // empty: back to asking
// A new file name in klasor(): VELMORIKA_<ad>_<yyyyMMdd_hhmmss>.xlsx.
QString yeniDosyaYolu(const QString &ad);

// Opens a written file; true when a program took it. Tests put their own in
// place so that nothing is launched. nullptr puts back the desktop's
// (QDesktopServices::openUrl). Returns the previous one.
using Acici = bool (*)(const QString &yol);
Acici aciciAyarla(Acici yeni);

} // namespace TabloAktar
