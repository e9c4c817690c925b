#pragma once
// Patient codes: the default code, the next code from a prefix, the code
// change that moves every row carrying the code, and the delete check.
// Usable without the patient screen; the screen wires them to its menus.
#include <QString>
#include <QStringList>
#include <QVector>
#include <optional>

class QWidget;

namespace HastaKodu {

// A new patient's code: its record number as decimal text.
QString varsayilan(qint64 kayitno);

// The number of patients of the company with exactly this code; nullopt on a
// database error (already shown).
std::optional<int> kodSayisi(const QString &kod, const QString &sirket);

// "Kullanılan Hasta Koduna Göre Bir Sonraki Kodu Ver": prefix + (number of
// the company's codes that contain the prefix + 1). The match is
// case-sensitive and finds the prefix anywhere in the code; the prefix is
// bound as a value, so any character in it is matched literally. Empty when
// the prefix is empty; nullopt on a database error.
std::optional<QString> soncarikodbul(const QString &onek, const QString &sirket);

// A column that holds a patient code, derived from the schema description:
// every HASTAKODU column, and the account-code columns (CARIKOD) except the
// firm register's own code.
struct KodKolonu
{
    QString tablo;
    QString kolon;
    int uzunluk = 0;
    bool sirketli = false;
};
const QVector<KodKolonu> &kodKolonlari();

// Changes the code of the patient with record number kayitno from eski to
// yeni in HASTALAR and in every other table that carries it, in one
// transaction: either every row moves or none does. Refusals are shown
// (Mesaj) with their reason and change nothing; returns true when done.
bool degistir(qint64 kayitno, const QString &eski, const QString &yeni, QWidget *ust = nullptr);

// What still refers to the patient's code (examinations, eye examinations,
// appointments, laboratory orders, procedures, account movements): empty
// text when the patient may be deleted, else the message that says what the
// patient still has. nullopt on a database error (already shown).
std::optional<QString> silmeEngeli(const QString &kod, const QString &sirket);

} // namespace HastaKodu
