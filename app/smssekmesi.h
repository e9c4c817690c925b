#pragma once
// The "Sms Gönder" tab of the report screens. The tab and the messaging
// behind it belong to the appointments/SMS feature (randevu/); the report
// screens reach it through this registration point, since features never
// include each other. The program registers the maker in
// app/program/ekranlistesi.cpp.
#include <QString>
#include <QVector>
#include <functional>

class QWidget;

struct SmsAlici
{
    QString ad;       // "HASTA ADI SOYADI" of the row
    QString telefon;  // the phone text as stored
};

struct SmsSekmesiAyari
{
    // The report's list as it is now, in list order (read when the tab is
    // shown and when the user moves recipients).
    std::function<QVector<SmsAlici>()> liste;
    // The laboratory report takes its phone column unchanged.
    bool telefonOlduguGibi = false;
    // "Tamam" writes the settings file (not on the laboratory report).
    bool ayarlariKaydet = true;
    // The patient report asks the account status each time the tab is shown.
    bool gosterilinceDurumSor = false;
    // Empty: the operator's success message; otherwise this text.
    QString basariMesaji;
};

using SmsSekmesiUretici = std::function<QWidget *(const SmsSekmesiAyari &ayar, QWidget *ust)>;

// Registers the maker; returns the one it replaced.
SmsSekmesiUretici SmsSekmesiUreticisiKaydet(SmsSekmesiUretici uretici);
// Makes the tab; null when the program has no messaging registered.
QWidget *SmsSekmesiOlustur(const SmsSekmesiAyari &ayar, QWidget *ust);
