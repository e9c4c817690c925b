#pragma once
// The workstation settings file: the program's database user and password
// for a server, and the data root (pictures, examination files) when it is a
// shared folder. ~/.config/VELMORIKA/baglanti.ini (the per-user settings
// folder of QSettings), readable by its owner only:
//
//   [veritabani]
//   kullanici=VELMORIKA
//   sifre=...
//   [veri]
//   kok=/mnt/velmorika
//
// The server set-up script prints exactly this text.
#include <QString>

namespace IstasyonAyari {

struct Degerler
{
    QString kullanici;
    QString sifre;
    QString verikoku;
};

// The file's path (whether or not it exists).
QString dosya();
// Reads the file; a missing file gives empty values and true. False with a
// Turkish message in hata when the file can be read by others than its owner:
// then the user and password are left empty (the password would be no
// secret); the data root, no secret, is read all the same.
bool oku(Degerler *d, QString *hata);
// Writes the file readable and writable by its owner only.
bool yaz(const Degerler &d, QString *hata);

} // namespace IstasyonAyari
