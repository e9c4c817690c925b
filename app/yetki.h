#pragma once
// Module rights: one KULLANICILAR row per user, module and company.
#include <QString>

class QWidget;

struct Yetkiler
{
    bool bulundu = false;   // a rights row was found
    QString KAYIT, YENIKAYIT, DEGISTIRME, SILME, FORMGIRISI, RAPOR, OZELYETKI1, OZELYETKI2;

    // Action tests compare with "E" exactly.
    static bool izin(const QString &bayrak) { return bayrak == QLatin1String("E"); }
};

// Reads the first rights row for (user code, module, company). nullopt-like:
// on a database error the general error display has spoken and ok is false.
Yetkiler YetkiOku(const QString &kullanici_kodu, const QString &moduladi, const QString &sirketkodu,
                  bool *ok = nullptr, const QString &baglanti = QString());

// The entry test for a module with the login context's user and company.
// Shows "Bu Ekrana Girmeye Yetkili Değilsiniz" when refused.
bool GirisIzni(const QString &moduladi, QWidget *ust = nullptr, const QString &baglanti = QString());

// Action test: true when the flag is "E"; otherwise shows
// "Bu İşlem İçin Yetkili Değilsiniz" and returns false.
bool IslemIzni(const QString &bayrak, QWidget *ust = nullptr);

// The rule that decides whether the reminder window opens after login.
bool UyariAcilsinMi(const QString &baglanti = QString());
