#pragma once
// A lookup's pick written into the current row of a data set: the doctor
// picked for a patient, an appointment, an examination or a procedure line.
#include <QList>
#include <QString>

class QWidget;
class VeriSeti;

struct AramaKolonu
{
    QString aramada; // the lookup's column
    QString satirda; // the data set's column it goes into
};

// Opens the lookup; on a pick the row is put into edit (a pending new row
// stays as it is) and each lookup column's value goes into its column.
// False when nothing was picked or the row cannot be edited.
bool AramadanSatira(const QString &arama, VeriSeti &vs, const QList<AramaKolonu> &kolonlar, QWidget *ust);
