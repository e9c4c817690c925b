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

class QWidget;
class Rapor;
class SatirKaynagi;
#include <functional>

namespace Dekont {

// Loads the receipt (the row into kaynak, which must outlive r) of the stored movement (KAYITNO, login company) into r:
// row, amount in words, titles, company line. False when the row is not
// found, the amount cannot be spelled or the template is missing (the user
// has been told).
bool Hazirla(Rapor &r, SatirKaynagi &kaynak, qint64 kayitNo, QWidget *ust);

// The "Dekont" operation of the account screens: the receipt of the selected
// movement or of the payment just saved. A row with unsaved edits is
// refused, so the words and figures always come from the stored row.
void Yazdir(QWidget *ekran);
inline const QString KaydedilmemisMesaji =
    QStringLiteral("Kaydedilmemiş değişiklikler var. Dekont basmadan önce kaydı kaydedin.");
inline const QString SatirYokMesaji = QStringLiteral("Dekontu basılacak kayıt yok");

// Registers "Dekont" with the operation registry.
void EylemiKaydet();

} // namespace Dekont
