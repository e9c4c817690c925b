#pragma once
// Order lines (MUAYENE_LAB) as the clinical screens enter them: the values a
// new line of an examination starts with, a test picked from the catalogue,
// the share before the line is saved, and the purge of lines left blank.
#include "klinik/cariisleme.h"

#include <QVariantMap>

class VeriSeti;

namespace TetkikSatirlari {

// The columns a picked test fills (the multi-row transfer leaves the last two out).
QStringList tetkikKolonlari(bool aciklamaIle);

// New-line values from the examination's current row: patient, doctor,
// examination number and date, diagnosis, mobile, queue number, the company,
// today's date and time, the examination's kind (ISLEMTURU and KAYNAK) and
// its share settings.
void yeniSatirDegerleri(VeriSeti &lab, const VeriSeti &muayene, CariIsleme::Kaynak kaynak);

// Copies a test (columns by name) into the current line.
void tetkikKopyala(VeriSeti &lab, const QVariantMap &tetkik, bool aciklamaIle);

// The line's DOKTORPAYTUTARI before it is saved (CariIsleme::topla).
void payHesapla(VeriSeti &lab);

// Deletes the login company's fully blank lines: no test, no fee, no result,
// no remarks. Lines of other companies and lines holding anything stay.
bool bosSatirlariSil();

} // namespace TetkikSatirlari
