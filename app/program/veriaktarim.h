#pragma once
// The data control panel's imports, through the import engine
// (raporlar/motor/tabloaktarimi.h): the first sheet of a spreadsheet file
// (.xlsx, .ods, .xls, .csv) into one table, sheet column n into the n-th
// listed column, rows 1 to the target's limit; a row whose first cell is
// empty is skipped, wherever it is.
//
// Every row is read and checked first, with no transaction open; then the
// rows read are written and committed in groups, so that what an import
// wrote is in the database whatever happens to the program afterwards. A
// row that cannot be stored (a value that does not convert to its column's
// type, a text too long for its column or with a letter WIN1254 cannot hold)
// stops the import with a message naming the row, the column and the value;
// the rows before it are committed. A cancel (only possible while reading)
// writes nothing, so that the file can be imported again without doubling
// rows. Rows beyond the limit are counted and reported, never dropped silently.
#include <QString>
#include <QStringList>
#include <functional>

struct AktarimHedefi
{
    QString dugme;        // objectName of its button, "btn_hastaaktar"
    QString metin;        // caption of its button
    QString tablo;        // "HASTALAR"
    int sonSatir;         // rows read: 1 .. sonSatir
    QStringList kolonlar; // sheet columns 1, 2, 3 ... in order
    QString basariMesaji; // the message at the end
};

struct AktarimSonucu
{
    enum class Durum { Tamam, DosyaHatasi, Durdu, Iptal };
    Durum durum = Durum::Tamam;
    int aktarilan = 0;   // rows written and committed
    int sinirDisi = 0;   // filled rows beyond the limit, not read
    int satir = 0;       // the row the import stopped at
    int sutun = 0;       // and its column (0 when the row as a whole failed)
    QString mesaj;       // the text to show the user
};

namespace VeriAktarim {

// The seven imports, in the order of their buttons.
const QList<AktarimHedefi> &hedefler();
const AktarimHedefi *hedef(const QString &tablo);

// ilerleme(satir, toplam) before each row is read, never while a transaction
// is open; false cancels.
AktarimSonucu aktar(const AktarimHedefi &hedef, const QString &dosya,
                    const std::function<bool(int satir, int toplam)> &ilerleme = {});

} // namespace VeriAktarim
