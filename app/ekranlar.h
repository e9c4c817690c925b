#pragma once
// Opening screens by name: the main window's entries and HizliAc go through
// here. A screen whose code has not landed yet shows
// "Bu ekran henüz hazır değil".
#include <QString>

class QDialog;
class QWidget;

// Creates the screen named by its window name (frm_hastalar, frm_muayene …);
// null when the program has no such screen yet.
QDialog *EkranOlustur(const QString &ekranAdi, QWidget *ust);

// Creates and shows the screen modally, destroyed when it closes. maksimum:
// shown maximised; baslik: replaces the caption when not empty. Returns false
// when the screen is not available.
bool EkranAc(const QString &ekranAdi, QWidget *ust, bool maksimum = false, const QString &baslik = QString());

// Quick-open by module name (the record screens' quick menus).
void HizliAc(const QString &ad, QWidget *ust);
