#pragma once
// "Veri Al": patient cards from the first sheet of a spreadsheet file
// (.xlsx, .ods, .xls, .csv). Rows 1 to 3000 are read; a row whose first cell
// is empty is skipped; cells 1–10 go to HASTAKODU, HASTAADISOYADI, CINSIYET,
// BABAADI, DOKTORKODU, DOKTORADI, DOGUMYERI, MEDENIDURUM, COCUKSAYISI,
// TCKIMLIKNO (an empty cell clears the column's default). Each row is
// appended to the given data set (its before-insert, new-row-defaults and
// before-post hooks apply) and posted on its own, so rows posted before a
// stop stay in the database.
//
// The import stops at the first row that cannot be stored: a text WIN1254
// cannot hold, a child count that is not a number, a code the company
// already has, a refused or failed post. The result's message names the row.
#include <QString>
#include <QStringList>
#include <functional>

class VeriSeti;

struct HastaAktarimSonucu
{
    enum class Durum { Tamam, DosyaHatasi, Durdu, Iptal };
    Durum durum = Durum::Tamam;
    int aktarilan = 0;     // patients posted
    int satir = 0;         // the row the import stopped at (0 when it did not)
    QString mesaj;         // the text to show the user
};

namespace HastaAktarim {

inline constexpr int SonSatir = 3000;
inline constexpr int SutunSayisi = 10;

// The patient columns of sheet columns 1 to 10.
const QStringList &kolonlar();

// ilerleme(satir, toplam) is called before each row; returning false cancels
// (rows already posted stay).
HastaAktarimSonucu aktar(const QString &dosya, VeriSeti &vs,
                         const std::function<bool(int satir, int toplam)> &ilerleme = {});

// The first character of the text that WIN1254 cannot hold; a null QChar when all fit.
QChar win1254Disi(const QString &metin);

} // namespace HastaAktarim
