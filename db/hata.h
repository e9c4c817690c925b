#pragma once
// Where the data layer's errors go. db/ shows no window: the data set, the
// binder and the query helpers hand their messages to this sink. The program
// points it at Mesaj (a message box), tests at a recorder; until set it
// writes to standard error.
#include <QString>
#include <functional>

class QSqlError;
class QWidget;

namespace VeriHatasi {

enum class Tur { Bilgi, Hata };

// tur: Bilgi for refused input (a message box), Hata for the general error
// display (the database client's text). ust: the window the message belongs to.
using Alici = std::function<void(Tur tur, const QString &metin, QWidget *ust)>;

// Replaces the sink; returns the previous one. An empty function restores
// the standard-error default.
Alici ayarla(Alici alici);

void bilgi(const QString &metin, QWidget *ust = nullptr);
void hata(const QString &metin, QWidget *ust = nullptr);

// A database error for the user: one Turkish sentence that says what
// happened and what to do, then the client's own text for the technician.
QString metin(const QSqlError &e);
// The same for a connection that could not be opened (konum: the database
// location tried).
QString baglantiMetni(const QSqlError &e, const QString &konum);
// The client's own text of an error (the database's, else the driver's).
QString istemciMetni(const QSqlError &e);
// True when the error says another program holds the database file.
bool kullanimdaMi(const QSqlError &e);

} // namespace VeriHatasi
