#pragma once
// "Veri Al": patient cards from the first sheet of a spreadsheet file
// (.xlsx, .ods, .xls, .csv), through the import engine
// (raporlar/motor/tabloaktarimi.h) with the patient card's own rules. Rows 1 to 3000 are read; a row whose first cell
// is empty is skipped; cells 1–10 go to HASTAKODU, HASTAADISOYADI, CINSIYET,
// BABAADI, DOKTORKODU, DOKTORADI, DOGUMYERI, MEDENIDURUM, COCUKSAYISI,
// TCKIMLIKNO (an empty cell clears the column's default).
//
// Two steps. Every row is first read and checked with no transaction open
// (the progress window and its cancel run only here); then the rows read
// before a stop or a cancel are appended to the given data set (its
// before-insert, new-row-defaults and before-post hooks apply) and posted,
// in groups of one transaction each, with no progress call. A failure in a
// group keeps the groups before it, and the message says how many were saved.
//
// The import stops at the first row that cannot be stored: a text WIN1254
// cannot hold, a text longer than its column, a value its column's type does
// not take (a child count that is not a number), a code the company already has or an earlier row of the file
// carries, a refused or failed post. The result's message names the row.
//
// An import cut short (cancelled, killed, power cut) leaves its first rows
// in the database. When the file's first rows carry codes the company
// already has, the user is asked (Mesaj::soru) whether to skip those rows
// and go on from the first new one; "Hayır" keeps the stop on the first
// existing code.
#include <QString>
#include <QStringList>
#include <functional>

class QWidget;
class VeriSeti;

struct HastaAktarimSonucu
{
    enum class Durum { Tamam, DosyaHatasi, Durdu, Iptal };
    Durum durum = Durum::Tamam;
    int aktarilan = 0;     // patients posted
    int atlanan = 0;       // rows of an earlier import skipped at the user's word
    int sinirDisi = 0;     // rows with a code below the last row read (SonSatir)
    int satir = 0;         // the row the import stopped at (0 when it did not)
    QString mesaj;         // the text to show the user
};

namespace HastaAktarim {

inline constexpr int SonSatir = 3000;
inline constexpr int SutunSayisi = 10;

// The patient columns of sheet columns 1 to 10.
const QStringList &kolonlar();
// What those columns hold, in the user's words ("Adı Soyadı"), same order.
const QStringList &kolonBasliklari();

// ilerleme(satir, toplam) is called before each row is read, never while a
// transaction is open; returning false cancels (the rows read before it are
// still written). It is first called after the question about skipping, so
// a progress window made on that first call never hides it.
// ust: the window the question belongs to.
HastaAktarimSonucu aktar(const QString &dosya, VeriSeti &vs,
                         const std::function<bool(int satir, int toplam)> &ilerleme = {},
                         QWidget *ust = nullptr);

} // namespace HastaAktarim
