#pragma once
// The account movement report apart from its window: the previous balance
// before a first date, the totals of a filter, the balance lists (grouped by
// account code, one row per currency), the HAVING text of the balance
// conditions, and the repair of amounts with more than two decimals.
#include "app/carikurallari.h"

#include <QDate>
#include <QString>
#include <QStringList>
#include <QVector>
#include <optional>

namespace CariHareketRapor {

// The ledger's own rules for cents, the balance side and the total text.
using CariKural::KurusaYuvarla;
using CariKural::Taraf;
using CariKural::ToplamMetni;

struct Toplam
{
    double borc = 0;
    double alacak = 0;
    double bakiye() const { return borc - alacak; }
};

// Sums of the rows of a filter (the text after "where 1=1 "), rounded to
// cents. nullopt on a database error (shown already).
std::optional<Toplam> Topla(const QString &filtre);
// The sums of a filter per currency, in the order of the currency codes
// (amounts of different currencies are never added together).
struct ParaToplami
{
    QString paraBirimi;
    Toplam toplam;
};
std::optional<QVector<ParaToplami>> ParaBirimiToplamlari(const QString &filtre);
// The text of one figure per currency, each labelled: "YTL: 1.234,50  USD: 20,00".
QString ParaBirimleriMetni(const QVector<ParaToplami> &toplamlar, double (*deger)(const Toplam &));
// The balance before the first date of a filter; all 0 when there is no
// first date (there is nothing before an open range).
std::optional<Toplam> OncekiBakiye(const QString &filtre, const QDate &ilkTarih);

// An amount typed in a filter box, read the Turkish way ("12,5",
// "1.250,50"; "12.5" too, where it cannot be grouping). False when the text
// is no number.
bool TutarOku(const QString &metin, double *tutar);
// An amount as an SQL number literal ("12.5").
QString SqlTutar(double tutar);

// The balance condition of the lists: secim "K" (less), "E" (equal), "B"
// (greater) on the amount (none: no condition), and sifirOlmayanlar leaves
// out the groups whose balance is zero. Both together join with AND in one
// HAVING; empty when neither is asked.
QString HavingMetni(std::optional<double> tutar, const QString &secim, bool sifirOlmayanlar);

enum class Liste {
    BorcAlacak, OzelKod2BorcAlacak, IslemCinsi, IslemTarihi, IslemTarihiVeCinsi,
    ParaBirimi, OzelKod1, OzelKod2
};
// The template of a list.
QString ListeSablonu(Liste liste);
// The statement of a list over a filter with a HAVING text. Amounts of
// different currencies are never summed together: PARABIRIMI is one of the
// grouping columns of every list. The account lists group by account code
// and show the title of the rows (the same code may carry two spellings).
QString ListeSql(Liste liste, const QString &filtre, const QString &having);
// How many currencies the rows of a filter are in (more than one: the lists
// show a row per currency, which the user is told).
std::optional<int> ParaBirimiSayisi(const QString &filtre);
inline const QString ParaBirimiUyarisi =
    QStringLiteral("Listede birden fazla para birimi var: tutarlar her para birimi için ayrı satırda toplanmıştır.");

// Cuts BORC and ALACAK of the rows of a list statement back to cents. Only
// those two columns are written, by KAYITNO, only where they change, in one
// transaction. The number of rows changed; nullopt on a database error
// (nothing written).
std::optional<int> KusuratlariDuzelt(const QString &select);

// The daily reports: today's rows of the login company, a whole day (rows
// carry a time of day).
enum class Gunluk { Faaliyet, GelirGider, DoktorHakedis };
QString GunlukSablon(Gunluk tur);
QString GunlukSql(Gunluk tur, const QDate &gun);

} // namespace CariHareketRapor
