#pragma once
// The receipt of one account movement: the amount in Turkish words and the
// receipt titles.
#include <QString>
#include <QStringList>
#include <optional>

namespace Dekont {

// The template the receipt prints with.
inline const QString Sablon = QStringLiteral("dekont1.frf");

// The words of a whole number given as decimal digits ("1234" →
// "BinIkiYüzOtuzDört"); "Sifir" for zero or no digits.
QString SayiYazisi(const QString &rakamlar);

// One amount in words: rounded once to cents, "... YTL" or
// "... YTL  ...  Ykr". nullopt when the amount is 10^18 or more, or
// negative, or not a number.
std::optional<QString> TutarYazisi(double tutar);

// The words of a movement: the debit, then the credit (the credit's words
// win when both are positive); "Sifir YTL" when neither is positive.
// nullopt when the amount to spell is out of range.
std::optional<QString> tutariyaziyadonustur(double borc, double alacak);

// The titles a receipt prints, in order; the comparisons are exact.
QStringList Basliklar(double borc, double alacak, const QString &islemTuru, const QString &ozelKod1);

// The message for an amount that cannot be spelled.
inline const QString AralikDisiMesaji = QStringLiteral("Tutar yazıya çevrilemeyecek kadar büyük");

} // namespace Dekont
