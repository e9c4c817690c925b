#pragma once
// Building SQL texts: head + filter + company condition + order.
// User text never enters SQL raw: equality values go through SqlQuote,
// LIKE patterns through SqlBenzer (same apostrophe rule, single-quoted).
#include <QDate>
#include <QString>
#include <QStringList>

// Text to SQL literal: ' -> `, empty -> Null, otherwise trimmed and single-quoted.
QString SqlQuote(const QString &metin);
// Whole number as plain digits.
QString SqlNumber(qint64 sayi);
// A date as the literal 'DD.MM.YYYY'; an invalid date gives Null.
QString SqlTarih(const QDate &tarih);
// The program's date and date-time formats, for QDate/QDateTime toString and fromString.
inline const QString TarihBicimi = QStringLiteral("dd.MM.yyyy");
inline const QString TarihSaatBicimi = QStringLiteral("dd.MM.yyyy hh:mm");
inline const QString TarihSaniyeBicimi = QStringLiteral("dd.MM.yyyy hh:mm:ss");
// "DD.MM.YYYY" text of a date, empty for an invalid one.
QString TarihMetni(const QDate &tarih);
// Reads "DD.MM.YYYY" (also a box still showing the empty mask "  .  .    "); invalid when empty or impossible.
QDate MetindenTarih(const QString &metin);
// A text is an empty date mask when nothing but blanks and full stops remain.
bool BosTarihMaskesi(const QString &metin);

// The text of a LIKE pattern with %, _ and the escape character '!' taken
// literally (each preceded by '!'); use with " escape '!'".
QString BenzerKacis(const QString &metin);

enum class Benzerlik { IleBaslar, Icerir };
// A LIKE pattern literal for a search text: the text with the apostrophe rule of
// SqlQuote, % and _ taken literally (escaped with !), wrapped in single quotes,
// followed by " escape '!'". Use as: " and tani like " + SqlBenzer(metin, Benzerlik::Icerir)
QString SqlBenzer(const QString &metin, Benzerlik tur);

// Turkish upper-casing (i -> İ, ı -> I).
QString TurkceBuyuk(const QString &metin);
// The texts in Turkish alphabetical order (C < Ç, I < İ, S < Ş, ...),
// letter case aside, as the database orders names: for lists sorted in memory.
QStringList TurkceSirali(QStringList liste);

// Searches take I, İ, ı and i for one letter (an imported "O'NEIL" is found by a
// typed "o'neil", which Turkish upper-casing makes "O'NEİL"): the typed text and
// the column are both folded, every one of the four becoming I. Other letters
// stay as they are (Ş is not S).
// The text folded.
QString IKatla(const QString &metin);
// True when the text holds one of the four letters.
bool IHarfiVar(const QString &metin);
// The same folding in SQL, around a text expression (a column name). An index
// "computed by (SqlIKatla(COLUMN))" serves a search only when the search writes
// exactly this expression, so both are built here.
QString SqlIKatla(const QString &ifade);
// A single-quoted literal holding the text exactly: apostrophes doubled (not
// turned into ` as SqlQuote does), nothing trimmed, NUL characters dropped.
QString SqlDizgi(const QString &metin);
// The condition "ifade begins with / contains metin" with the I-letters folded;
// the text is matched literally (apostrophes, %, _ and ! are plain characters).
// katliIndeks: an index on SqlIKatla(ifade) exists; a prefix search then always
// compares the folded form, so that the index serves it. Otherwise the column
// is folded only when the text holds an I-letter: without one, the plain
// comparison finds the very same rows and keeps a plain index usable.
QString SqlKatliArama(const QString &ifade, const QString &metin, Benzerlik tur, bool katliIndeks = false);


// The head every list statement starts with: "select * from <tablo> where 1=1 ".
// tablo is a name from the schema description, never a user's text.
QString SelectBasi(const QString &tablo);

// head + filter + order with the blanks the program always writes.
struct SqlMetni
{
    QString bas;      // "select * from hastalar where 1=1 "
    QString filtre;   // appended conditions
    QString siralama; // "order by hastalar.kayitno"

    SqlMetni &ekle(const QString &parca) { filtre += parca; return *this; }
    QString metin() const;
};
