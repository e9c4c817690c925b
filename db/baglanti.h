#pragma once
// Database connections. One shared connection serves every screen (the
// login window's), the main window opens a second one for its lookups.
// A bare path opens the file with the embedded engine, host:path goes
// through a Firebird server.
#include <QSqlDatabase>
#include <QString>

namespace Baglanti {

inline const QString Paylasilan = QStringLiteral("velmorika");
inline const QString Menu = QStringLiteral("velmorika_menu");

// The embedded engine's user: SYSDBA unless VELMORIKA_DB_USER / VELMORIKA_DB_PASSWORD say otherwise
// (the embedded engine checks no password).
QString kullanici();
QString sifre();

// True when konum goes through a server (host:path, host/port:path, inet://...).
bool sunucuda(const QString &konum);
// The user and password to open konum with. VELMORIKA_DB_USER /
// VELMORIKA_DB_PASSWORD win; on a server the rest comes from the workstation
// settings file (db/istasyonayari.h) and there is no default: false with a
// Turkish message saying which file to fill. A bare path takes kullanici() and sifre().
bool kimlik(const QString &konum, QString *kullanici, QString *sifre, QString *hata);

// Opens (or re-opens) the connection named ad to konum. On failure returns
// false and puts the client's message into hata.
bool ac(const QString &konum, const QString &ad = Paylasilan, QString *hata = nullptr);
// True when the last failed ac() was refused because another program holds
// the database file (the embedded engine gives a file to one process).
bool sonHataKullanimda();
void kapat(const QString &ad = Paylasilan);
QSqlDatabase vt(const QString &ad = Paylasilan);

// datayeri.txt beside the executable; its first line, line break removed.
QString datayeriDosyasi();
bool datayeriOku(QString *konum, QString *hata);

} // namespace Baglanti
