#pragma once
// The account side of the ledger, apart from the windows: totals of the rows
// a list shows (one aggregate query), the balance side word, the special-code
// operator, amounts typed the Turkish way, the running balance and the
// administrator code of the erroneous-movement delete.
#include <QDate>
#include <QString>
#include <optional>

class QWidget;

namespace CariHesap {

// The rights module and the screen-parameter set of both account screens.
inline const QString Modul = QStringLiteral("CARI HAREKET");
inline const QString ParametreEkrani = QStringLiteral("CARI HAREKET");
inline constexpr int ParametreSayisi = 9;

// " and carikod ='..' and sirketkodu ='..'" for the login company.
QString HesapFiltresi(const QString &carikod);

// The filter part of a list statement: what stands between "where 1=1 " and
// its "order by" (empty when the text is not of that kind).
QString SelectFiltresi(const QString &select);

struct Toplamlar
{
    double borc = 0;
    double alacak = 0;
    double fark = 0;           // borc - alacak
    QString paraBirimi;        // of the rows summed
    QString borcMetni;         // "T.Borc": "#,###.00", "0" when nothing
    QString alacakMetni;       // "T.Alacak"
    QString bakiyeMetni;       // "Bakiye": the difference without its sign, "0" when zero
    QString taraf;             // "Borc", "Alacak" or "Sıfır"
};

// The side of a balance: "Borc" when the account owes, "Alacak" when it is
// owed, "Sıfır" when even (to the cent).
QString Taraf(double fark);
// A total as the totals panel shows it: "0" for nothing, else "#,###.00".
QString ToplamMetni(double tutar);

// Sums the rows of a list filter (SelectFiltresi of the list) in one
// currency (empty: "YTL"); vadesiGelmemisleriKatma leaves out rows due after
// bugun. nullopt on a database error (shown already).
std::optional<Toplamlar> ToplamlariHesapla(const QString &filtre, const QString &paraBirimi,
                                           bool vadesiGelmemisleriKatma, const QDate &bugun = QDate::currentDate());

// How many currencies the rows of a filter are in.
std::optional<int> ParaBirimiSayisi(const QString &filtre);

// A typed amount: "1.250,50", "250,5", "1250.5"; nullopt when empty or not a number.
std::optional<double> TutarOku(const QString &metin);

// The special-code operator (screen parameter 3) on OZELKOD1 and OZELKOD2.
struct OzelKodSonucu
{
    enum class Tur { Hesaplandi, Yok, BosKod, SayiDegil, SifiraBolme };
    Tur tur = Tur::Yok;
    double borc = 0;       // when Hesaplandi
    int hataliKod = 0;     // 1 or 2: the code that is not a number, or the zero divisor
};
// "TOPLA", "ÇARP", "BÖL", "ÇIKAR" compute BORC; anything else ("YOK",
// empty) computes nothing. An empty code computes nothing and says nothing.
OzelKodSonucu OzelKodIslemi(const QString &islem, const QString &kod1, const QString &kod2);
// The message for a code that cannot be computed with (empty when none).
QString OzelKodMesaji(const OzelKodSonucu &s, const QString &kod1Adi, const QString &kod2Adi);
// New rows start with both special codes "0" unless the operator is "YOK".
bool OzelKodlarSifirlaBaslar(const QString &islem);

// Running balance over the rows of a list statement, in its order: each
// row's BAKIYE := BORC - ALACAK + the previous row's BAKIYE. One transaction.
// Returns the rows written; nullopt on a database error (nothing written).
std::optional<int> BakiyeGuncelle(const QString &select);

// The administrator code: the fixed one until the practice sets its own,
// which is kept per company as an Argon2id hash (app/gizli.h) and never
// shown. A PBKDF2 hash of an earlier release is accepted and replaced by an
// Argon2id one at the first correct entry.
namespace YoneticiKodu {
inline const QString Varsayilan = QStringLiteral("QX580417");
// True when the text is the company's administrator code.
bool dogrula(const QString &kod);
// Stores a new code for the login company. False on a database error.
bool degistir(const QString &yeniKod);
// The stored form of a code (salt and hash), and the check against one.
QString ozet(const QString &kod);
bool ozetUyar(const QString &kod, const QString &ozet);
} // namespace YoneticiKodu

} // namespace CariHesap
