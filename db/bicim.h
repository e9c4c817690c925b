#pragma once
// How numbers are shown: one Turkish format for grids, reports and
// spreadsheets alike (1.234,50; zero 0,00).
#include <QString>

// Number formatting with a Delphi-style pattern: '0' a digit always written,
// '#' a digit written when significant, ',' in the integer part groups
// thousands, '.' the decimal point. Output in Turkish (1.234,50). At least
// one integer digit is written: "#,###.00" gives 0 as "0,00", 0.5 as "0,50".
QString SayiBicimle(double sayi, const QString &desen);
// Amounts: "#,###.00".
QString TutarMetni(double sayi);
