#pragma once
// Runs without windows, chosen by the first argument of the command line.
#include <QStringList>

// "--yeni-veritabani PATH": creates a new database. Exit code.
int YeniVeritabaniKomutu(const QStringList &argumanlar);
// "--rapor SABLON.frf --sorgu SQL --pdf CIKTI.pdf [--veritabani KONUM]". Exit code.
int RaporKomutu(const QStringList &argumanlar);
// "--excel --sorgu SQL --xlsx CIKTI.xlsx [--veritabani KONUM]". Exit code.
int ExcelKomutu(const QStringList &argumanlar);
// The desktop program: login window, then the main window. Exit code.
int ProgramiBaslat();
// Turkish for Qt's own dialogs (qtbase_tr) and the Turkish locale for numbers
// and dates. False when the translations were not found.
bool TurkceAyarla();
