#pragma once
// Opening screens by name: the main window's entries and HizliAc go through
// here. A screen whose code has not landed yet shows
// "Bu ekran henüz hazır değil".
#include <QString>
#include <functional>

class QDialog;
class QWidget;

// Makes a screen; the opener shows it and destroys it when it closes.
using EkranUretici = std::function<QDialog *(QWidget *ust)>;
// An operation without a window of its own (the daily reports).
using EylemIslemi = std::function<void(QWidget *ust)>;

// The program's registrations (screens, lookups, report services) are made
// by one function above this layer (app/program/ekranlistesi.cpp), which the
// program and the test support hand over here before anything opens. It runs
// once, on the first use of any registry.
void KayitIslemiAyarla(std::function<void()> kaydet);
void KayitlariHazirla();

// Registers (or with an empty function removes) the screen of a window name.
// Every screen of the program is registered in app/program/ekranlistesi.cpp,
// one line each. Returns the registration it replaced.
EkranUretici EkranKaydet(const QString &ekranAdi, EkranUretici uretici);
EylemIslemi EylemKaydet(const QString &ad, EylemIslemi islem);
// True when the program has the screen.
bool EkranVar(const QString &ekranAdi);

// Creates the screen named by its window name (frm_hastalar, frm_muayene …);
// null when the program has no such screen yet.
QDialog *EkranOlustur(const QString &ekranAdi, QWidget *ust);

// Creates and shows the screen modally, destroyed when it closes. maksimum:
// shown maximised; baslik: replaces the caption when not empty; hazirla runs
// on the new screen before it is shown. Returns false when the screen is not
// available (the user has been told).
bool EkranAc(const QString &ekranAdi, QWidget *ust, bool maksimum = false, const QString &baslik = QString(),
             const std::function<void(QDialog *)> &hazirla = {});

// Runs a registered operation; tells the user when it is not available yet.
bool EylemCalistir(const QString &ad, QWidget *ust);

// The window name HizliAc opens for a module name; empty when none.
QString HizliAcEkrani(const QString &moduladi);

// Quick-open by module name (the record screens' quick menus). baglanti: the
// connection of the rights lookup (the shared one when empty).
void HizliAc(const QString &ad, QWidget *ust, const QString &baglanti = QString());

// Ends the program at once: the main window and the login window close
// without the closing question, every open screen with them.
void ProgramiSonlandir();
// The last step of ProgramiSonlandir, leaving every event loop
// (QCoreApplication::exit); tests replace it. Returns the previous one.
std::function<void()> ProgramCikisiAyarla(std::function<void()> cikis);
