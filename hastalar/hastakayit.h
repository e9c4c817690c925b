#pragma once
// Rules of a patient card that hold with or without the patient screen.
#include <QString>
#include <QStringList>

class VeriSeti;

// The columns parameters 1 to 13 of the "HASTALAR" set put into a new patient.
const QStringList &HastaParametreKolonlari();

// New-row defaults of a patient (KAYITNO already set by the generator):
// KAYITTARIHI today, SIRKETKODU, KAYITDURUMU "AKTİF", HASTAKODU the record
// number, the non-empty parameters 1–13, HATUYARI and HATIRLATMADURUMU2 "HAYIR".
void HastaYeniSatirDegerleri(VeriSeti &vs, const QStringList &parametreler);
