#pragma once
// Made-up data in realistic proportions for measuring the program on a large
// database (the --ornek-veri command).
#include <QString>
#include <functional>

// Writes hastaSayisi patients of company sirket with their doctors,
// examinations, ledger movements, appointments, procedures and laboratory
// lines (and the procedure and test catalogue entries the lines are picked
// from) on the open connection baglanti, all in one transaction: all or
// nothing. Each row holds what its screen writes: the postings are the rows
// CariIsleme posts for the examination, payments those of the payment
// screen, appointments carry their status and the patient's phone and sit
// on a slot of the day plan (the book's parameters); the rows are written
// by the database's first user (ELEMANLAR, the login a new database has). ilerleme gets (written, total) after each 2000 patients (written
// in the transaction, not yet committed). Index statistics are taken again
// over the rows written, which needs the right to alter the tables (the
// owner, SYSDBA): it is tried before any row, so a user without it (the
// program's own server user) is refused before anything is written. The
// key generators move past the rows written, with gen_id (the generator
// rights suffice), just before the commit. False with hata (the client's
// text) when anything fails: the transaction is rolled back and no row stays.
bool OrnekVeriUret(const QString &baglanti, qint64 hastaSayisi, const QString &sirket,
                   const std::function<void(qint64, qint64)> &ilerleme, QString *hata);
