#pragma once
// Database connections. One shared connection serves every screen (the
// login window's), the main window opens a second one for its lookups.
// A bare path opens the file with the embedded engine, host:path goes
// through a Firebird server.
#include <QSqlDatabase>
#include <QString>

#include <functional>

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
// false and puts the client's message into hata; when the server could not
// be reached the connection counts as lost (koptuMu), so that a statement on
// it later tries to open it again.
bool ac(const QString &konum, const QString &ad = Paylasilan, QString *hata = nullptr);
// True when the last failed ac() was refused because another program holds
// the database file (the embedded engine gives a file to one process).
bool sonHataKullanimda();
void kapat(const QString &ad = Paylasilan);
QSqlDatabase vt(const QString &ad = Paylasilan);

// Opens the connection named ad again after the server dropped it (a
// restart, a network drop, the attachment ended): the same location and
// credentials, a remote host:path as well as a file. The dead attachment is
// let go first; a query made before belongs to it and must not be used
// again. False when the connection was never made (ac) or the server cannot
// be reached now: hata then gets the Turkish reason, the client's text goes
// to standard error, and the connection stays marked as lost (koptuMu) so
// that the next statement tries again.
bool yenidenAc(const QString &ad = Paylasilan, QString *hata = nullptr);
// True while a lost connection could not be opened again.
bool koptuMu(const QString &ad = Paylasilan);
// Called with the connection's name each time yenidenAc has opened it again:
// what lived on the old attachment (event subscriptions) is made again
// there. Returns a number for yenidenAcilincaCikar.
int yenidenAcilincaEkle(std::function<void(const QString &ad)> islev);
void yenidenAcilincaCikar(int no);

} // namespace Baglanti
