#pragma once
// Made-up data in realistic proportions for measuring the program on a large
// database (the --ornek-veri command).
#include <QString>
#include <functional>

// Writes hastaSayisi patients of company sirket with their examinations,
// ledger movements, appointments, procedures and laboratory lines on the
// open connection baglanti, in groups of one transaction each. ilerleme gets
// (written, total) after each group; returning false stops after that group.
// False with hata on a database error (the group being written is rolled back).
bool OrnekVeriUret(const QString &baglanti, qint64 hastaSayisi, const QString &sirket,
                   const std::function<bool(qint64, qint64)> &ilerleme, QString *hata);
