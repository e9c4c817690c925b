#pragma once
// The province and district lists of the patient card's combos.
#include <QString>
#include <QStringList>

// The 85 province entries, in the order the combos show them (also "Doğum Yeri").
const QStringList &IlListesi();

// District names, upper case, alphabetical; a province's central district is
// "<PROVINCE> MERKEZ", a name shared by two provinces is told apart as
// "NAME/PROVINCE". Read once from hastalar/veri/ilceler.txt, which the
// program carries as the Qt resource ":/veri/ilceler.txt". Should it be
// missing the list is empty and the user is told so.
const QStringList &IlceListesi();
// The file the list was read from (empty when none).
QString IlceDosyasi();
