#pragma once
// Opening the notes and documents of a record. Both set the hand-over
// values (Aktarim.not_* / Aktarim.dosya_*) and open the window by name
// (frm_notlar2 / frm_dosyayonetimi) with its select text handed over as
// the dynamic property "selectMetni" of the window, set before it is shown:
//   "select * from aciklamalar where 1=1  and Evrakkayitno='12' and Evrakturu='HASTA' "
//   "select * from dokumanlar where 1=1  and Evrakkayitno='12' and Evrakturu='HASTA' "
// The window reads the property in its show step.
#include <QString>

class QWidget;

inline constexpr const char *SelectMetniOzelligi = "selectMetni";

QString NotlarSelectMetni(int kayitno, const QString &evrakturu);
QString DosyalarSelectMetni(int kayitno, const QString &evrakturu);

void NotlariAc(QWidget *ust, int kayitno, const QString &evrakturu, const QString &hastakodu,
               const QString &hastaadi);
void DosyalariAc(QWidget *ust, int kayitno, const QString &evrakturu);
