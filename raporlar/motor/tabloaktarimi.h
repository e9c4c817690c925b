#pragma once
// Importing the first sheet of a spreadsheet file (.xlsx, .ods, .xls, .csv)
// into a table: the one engine behind every import. Each import gives its
// own rules (the columns, their captions, the last row read, rows to skip,
// a check of its own per row, how a row is written); the engine does the rest
// the same way for all:
//
// 1. Reading and checking, with no transaction open (the progress window and
//    its cancel belong here): sheet column n goes to the n-th column; a row
//    whose first cell is empty is skipped; a cell is trimmed and put in
//    composed Unicode form; a letter WIN1254 cannot hold, a value its column's
//    type does not take, or a text longer than its column stops the reading at
//    that row with a message naming row, column and value (nothing is cut).
//    Filled rows beyond the last row read are counted, never dropped silently.
// 2. Writing the rows read, in groups of one transaction each (so that
//    thousands of rows do not wait for thousands of disk flushes). A row that
//    cannot be written stops the writing; the rows before it stay.
#include "db/sema.h"

#include <QString>
#include <QStringList>
#include <QVariantList>
#include <functional>
#include <vector>

class TabloOkuyucu;

namespace TabloAktarimi {

struct Kurallar
{
    QString tablo;          // "HASTALAR"
    QStringList kolonlar;   // sheet columns 1, 2, 3 ... in order
    QStringList basliklar;  // the columns in the user's words, same order; may be empty
    int sonSatir = 0;       // rows read: 1 .. sonSatir
    // Runs once the file is open, before any row is read (and before the
    // first progress call): a look at the file as a whole, a question.
    std::function<void(const TabloOkuyucu &okuyucu, int toplam)> okumadanOnce;
    // True for a row to be passed over (counted in atlanan), e.g. rows an
    // earlier, interrupted import has already written.
    std::function<bool(int satir)> atla;
    // The import's own check of a row read; a reason stops the reading there.
    std::function<QString(int satir, const QVariantList &degerler)> satirDenetimi;
};

struct Satir
{
    int no;               // row of the sheet, from 1
    QVariantList degerler; // the columns' values, converted to their types
};

struct Okuma
{
    enum class Durum { Tamam, DosyaHatasi, Durdu, Iptal };
    Durum durum = Durum::Tamam;
    std::vector<Satir> satirlar; // rows read and checked, before a stop or a cancel
    int sinirDisi = 0;           // filled rows beyond sonSatir
    int atlanan = 0;
    int satir = 0;               // the row the reading stopped at or was cancelled at
    int sutun = 0;               // and its column (0: the row as a whole)
    QString neden;               // why it stopped (a file error: the reader's text)
};

// ilerleme(satir, toplam) before each row is read; false cancels.
Okuma oku(const QString &dosya, const Kurallar &kurallar,
          const std::function<bool(int satir, int toplam)> &ilerleme = {});

struct Yazim
{
    int yazilan = 0;  // rows written and committed
    int satir = 0;    // the row that could not be written (0: none)
    QString neden;
    bool onayHatasi = false; // a group could not be committed: its rows are not in
};

// Writes the rows through yaz (which may give its reason), grup rows per
// transaction on the connection.
Yazim yaz(const std::vector<Satir> &satirlar, const std::function<bool(const Satir &, QString *neden)> &yaz,
          const QString &baglanti = QString(), int grup = 250);

// A cell as the engine reads it: trimmed, composed form, the lone combining
// dot above after i or j dropped.
QString duzgunMetin(const QString &metin);

} // namespace TabloAktarimi
