#pragma once
// What the record-screen framework needs of the report engine, without
// depending on it: the engine (raporlar/motor) fills these in when the
// program's registrations run (RaporHizmetleriniKur).
#include <QString>
#include <functional>

class QWidget;
class VeriSeti;

struct RaporHizmetleri
{
    // The template chooser; true when a template was chosen (Aktarim.rapor_sablonu).
    // tasarimIzni: the designer may be opened from it (the screen's report right).
    std::function<bool(QWidget *ust, bool tasarimIzni)> sablonSec;
    // The template over every row of a data set, in the preview window.
    std::function<void(VeriSeti *vs, const QString &sablon, QWidget *ust)> onizle;
    // Every column of a data set, as filtered and sorted now, to a spreadsheet.
    std::function<void(VeriSeti *vs, QWidget *ust)> disaAktar;
};

// The services in force (empty functions until the engine is registered).
RaporHizmetleri &RaporHizmeti();
