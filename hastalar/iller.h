#pragma once
// The province and district lists of the patient card's combos.
#include <QString>
#include <QStringList>

// The 85 province entries, in the order the combos show them (also "Doğum Yeri").
const QStringList &IlListesi();

// District names, upper case, alphabetical; a province's central district is
// "<PROVINCE> MERKEZ", a name shared by two provinces is told apart as
// "NAME/PROVINCE". Read once from the data file ilceler.txt (a Qt resource
// ":/veri/ilceler.txt" when the program carries one, else the "veri" folder
// beside the executable, else the source tree's hastalar/veri). Empty when
// the file cannot be found.
const QStringList &IlceListesi();
// The file the list was read from (empty when none).
QString IlceDosyasi();
