#pragma once
// What the source files of the patient screen share and nobody else needs:
// the makers of its edit controls and the item lists two tabs both offer.
#include <QString>
#include <QStringList>

class QComboBox;
class QLineEdit;
class QPlainTextEdit;

namespace HastaEkrani {

// "EVET" / "HAYIR".
extern const QStringList EvetHayir;
// The blood groups of "Kan Grubu" (first and second tab).
extern const QStringList KanGruplari;

// An editable combo that only takes its items' texts, nothing selected at first.
QComboBox *secim(const QString &ad, const QStringList &ogeler);
QLineEdit *kutu(const QString &ad);
// A memo Tab leaves; yukseklik is the height it asks for and its smallest,
// twice that its largest (taken when the edit area has room to give).
QPlainTextEdit *memo(const QString &ad, int yukseklik = 48);
// Memos the user may type at most 70 characters into.
void yetmisKarakter(QPlainTextEdit *m);

} // namespace HastaEkrani
