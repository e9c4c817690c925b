#pragma once
// Where the data layer's errors go. db/ shows no window: the data set, the
// binder and the query helpers hand their messages to this sink. The program
// points it at Mesaj (a message box), tests at a recorder; until set it
// writes to standard error.
#include <QString>
#include <functional>

class QSqlError;
class QObject;

namespace VeriHatasi {

enum class Tur { Bilgi, Hata };

// tur: Bilgi for refused input (a message box), Hata for the general error
// display (the database client's text). ust: the window the message belongs
// to (a QObject here: the data layer knows no widgets; the sink casts it).
using Alici = std::function<void(Tur tur, const QString &metin, QObject *ust)>;

// Replaces the sink; returns the previous one. An empty function restores
// the standard-error default.
Alici ayarla(Alici alici);

void bilgi(const QString &metin, QObject *ust = nullptr);
void hata(const QString &metin, QObject *ust = nullptr);

// No window may open while a write transaction (Islem) is open: it would
// keep the rows it locked locked on every workstation until someone presses
// OK. What is reported meanwhile is kept and handed to the sink once the
// last open transaction has ended (after its rollback or commit), in the
// order it came. Islem calls islemAcildi/islemKapandi.
void islemAcildi();
void islemKapandi();
// True while a write transaction is open on any connection of this thread.
bool islemAcik();

// A database error for the user: one Turkish sentence that says what
// happened and what to do, then the client's own text for the technician
// (not for a lost connection, a lock wait or an update conflict: those are
// Turkish only, their client text goes to standard error).
QString metin(const QSqlError &e);
// The same for a connection that could not be opened (konum: the database
// location tried).
QString baglantiMetni(const QSqlError &e, const QString &konum);
// The client's own text of an error (the database's, else the driver's).
QString istemciMetni(const QSqlError &e);
// True when the error says another program holds the database file.
bool kullanimdaMi(const QSqlError &e);

// The kinds of database error the program answers in its own way. Several
// workstations share one server, so a statement may meet another user's
// change or a server that went away; everything else is Diger.
enum class Sinif {
    Diger,
    // The server dropped the connection (restart, network, attachment ended
    // by the administrator). The connection must be opened again
    // (Baglanti::yenidenAc); a read may then run once more, a write must be
    // saved again by the user.
    BaglantiKoptu,
    // The statement waited on a row another transaction holds and the wait
    // was ended (the program's lock limit cancels it, see Sorgu::KilitSiniriMs;
    // also a no-wait or lock time-out transaction). Nothing was written; the
    // same change may succeed a moment later.
    KilitBekleme,
    // Update conflict: the row was changed and committed by another
    // transaction after this one began ("deadlock", "update conflicts with
    // concurrent update"). Nothing was written; the row must be read again
    // before it is changed.
    Cakisma,
    // A primary or unique key refused the row.
    Tekillik,
    // A foreign key refused the change.
    YabanciAnahtar,
};

// By the Firebird status code (isc_deadlock, isc_net_read_err, ...).
Sinif sinif(long iscKodu);
// By an error from Qt's Firebird driver. Qt 6's QIBASE driver does not pass
// the status code on: nativeErrorCode() holds the SQLCODE ("-913", "-902",
// shared by many codes), databaseText() the client's messages of the whole
// status vector joined by " - ". The kind is read from those messages, the
// texts the client's message file gives the codes above.
Sinif sinif(const QSqlError &e);
// The Turkish sentence for a kind (empty for Diger). For a lost connection:
// the general sentence; the statement helpers say more (re-opened or not,
// read or write).
QString sinifMetni(Sinif s);
// Sentences for a lost connection. yenidenKuruldu: opened again; yazma: a
// change was being saved (it was not: the user saves again).
QString baglantiKoptuMetni(bool yenidenKuruldu, bool yazma);
// Writes the client's own text of an error to standard error, for the
// technician (user messages of a lost connection, a lock wait or an update
// conflict carry none).
void teknisyeneYaz(const QSqlError &e);

} // namespace VeriHatasi
