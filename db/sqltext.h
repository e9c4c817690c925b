#pragma once
// Building SQL texts: head + filter + company condition + order.
// User text never enters SQL raw: equality values go through SqlQuote,
// LIKE patterns through SqlBenzer (same apostrophe rule, single-quoted).
#include <QDate>
#include <QString>

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
