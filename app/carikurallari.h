#pragma once
// Rules of the ledger's amounts shared by the account screens and the
// reports over the ledger: amounts are kept to cents, and a balance's side
// is judged after rounding to cents (a residue of 1e-13 is no debit).
#include <QString>

namespace CariKural {

// An amount cut back to cents, the nearer one (10,006 -> 10,01; 10,004 -> 10,00).
double KurusaYuvarla(double tutar);
// "Borc" when the account owes, "Alacak" when it is owed, "Sıfır" when even (to the cent).
QString Taraf(double fark);
// A total as the totals boxes show it: "0" for nothing, else "#,###.00".
QString ToplamMetni(double tutar);

} // namespace CariKural
