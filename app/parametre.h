#pragma once
// Screen parameters: the FORMPAREMETRELERI rows of a screen under "SISTEM",
// by position (KAYITNO order). Slot n is index n-1.
#include <QString>
#include <QStringList>

// Reads the set of formadi into slotlar (size = slot count). Slots without a
// row keep their value; rows beyond the count are ignored. False on a
// database error (already shown).
bool ParametreOku(const QString &formadi, QStringList &slotlar, const QString &baglanti = QString());
