#pragma once
// Scratch queries and statements outside data sets. Every select is read
// with a forward-only query and finished at once. Errors go to the general
// error display (the data layer's error sink, db/hata.h) unless a hata text is given, which then takes
// the client's message and nothing is shown. A connection the server dropped
// is opened again (Baglanti::yenidenAc) and a read runs once more; a write is
// not repeated (the user is told to save again), and writes wait on another
// user's lock at most KilitSiniriMs.
#include "db/hata.h"

#include <QString>
#include <QVariant>
#include <QVector>
#include <functional>
#include <optional>

class QSqlError;
class QSqlField;
class QSqlQuery;

namespace Sorgu {

// How long a write may wait on a row another transaction holds. Firebird
// reads never wait (each transaction reads its own snapshot); inserts,
// updates and deletes wait while another transaction has changed the same row
// and not committed, and Qt's driver starts its transactions as "wait" with
// no time-out. So every write run here (calistir, and the data sets' writes
// that go through it, in an Islem too) is watched: when it has run this long
// the client cancels it (fb_cancel_operation), the engine undoes the
// statement, and the user reads that the record is being changed by another
// user (VeriHatasi::Sinif::KilitBekleme). The connection stays usable, and
// the driver's own transaction of the statement holds nothing (it commits
// it, empty, when the query goes). The client cannot tell a statement that
// waits from one that works: a write that runs this long on its own is cut
// as well, so long bulk writes hold a SinirsizBekleme.
inline constexpr int KilitSiniriMs = 5000;

// What the user sees while a write may wait on another user's lock. The
// waiting statement blocks the program's thread and nothing can be painted
// until it ends, so the sign goes up (basla: painted at once, no event loop
// run) when a watched write starts on the program's main thread, and comes
// down (bitir) when it ends. Counted: writes nested in one another, and the
// consecutive writes of one save (those of an Islem, which holds the sign
// from its first watched write until it ends), show it once. The data
// layer's messages take it down first (beklemeGostergesiniIndir), so that a
// message box never shows under a busy cursor. Writes under a
// SinirsizBekleme, reads and other threads never show it. The program
// installs the windows' sign (app/beklemegostergesi.h); none by default.
struct BeklemeGostergesi
{
    std::function<void()> basla;
    std::function<void()> bitir;
};
// Replaces the sign (the old one taken down first if it is up); returns it.
BeklemeGostergesi beklemeGostergesiAyarla(BeklemeGostergesi gosterge);
// Takes the sign down now if it is up (before a message or a question is
// shown); writes after this put it up again.
void beklemeGostergesiniIndir();

// While one lives, writes are not cut at the lock limit: long work that
// waits on nobody (the schema upgrade's index builds over a large table).
class SinirsizBekleme
{
public:
    SinirsizBekleme();
    ~SinirsizBekleme();
    SinirsizBekleme(const SinirsizBekleme &) = delete;
    SinirsizBekleme &operator=(const SinirsizBekleme &) = delete;
};

// After a statement on connection baglanti failed with error e (whatever ran
// it: these helpers, a data set's own reads). A lock wait, an update
// conflict or a lost connection inside an Islem leaves it unable to commit
// (it rolls back whole). A lost connection is opened again (inside an Islem:
// when the Islem ends, so that no later statement of it runs outside it).
// Returns true when the caller should run the statement once more: a read
// (okuma) on its first try (deneme 0) whose connection is open again; the
// caller must make a new QSqlQuery for it, the old one belongs to the dead
// attachment. Otherwise *mesaj gets the user's Turkish message.
bool hataSonrasi(const QString &baglanti, const QSqlError &e, bool okuma, int deneme, QString *mesaj);
// The kind of the last error hataSonrasi saw on this thread (for a caller
// that reacts to an update conflict by reading the row again).
VeriHatasi::Sinif sonHataSinifi();

// True for a statement that only reads (a select or with, without "with lock").
bool saltOkunurMu(const QString &sql);

// CHAR(n) results (literals, legacy columns, system tables) come padded with
// blanks that mean nothing: sabitUzunluk tells such a column, dolgusuz drops
// the padding.
bool sabitUzunluk(const QSqlField &alan);
QString dolgusuz(const QString &metin);

struct Sonuc
{
    QStringList kolonlar;               // upper case result column names
    QVector<QVariantList> satirlar;
    int kolonSirasi(const QString &ad) const; // case-insensitive, -1 when absent
    QVariant deger(int satir, const QString &kolon) const;
};

// Runs one statement with values bound in order to its '?' placeholders.
bool calistir(const QString &sql, const QVariantList &degerler = {}, const QString &baglanti = QString(),
              QString *hata = nullptr);
// Reads every row of a select.
std::optional<Sonuc> sec(const QString &sql, const QVariantList &degerler = {},
                         const QString &baglanti = QString(), QString *hata = nullptr);
// A statement a user typed, run for reading only (command line, report
// designer, report sources, the data control panel): refused unless it is a
// select, and before anything runs when it could have a side effect
// (yanEtkisi, yanEtkisiKatalogda: a generator's step is outside any
// transaction); then run in a transaction that is always rolled back.
std::optional<Sonuc> oku(const QString &sql, const QString &baglanti = QString(), QString *hata = nullptr);
// True when the text starts (after blanks and comments) with SELECT or WITH.
bool okumaMetniMi(const QString &sql);
// What in a statement typed for reading could change the database anyway,
// read from its words (literals, quoted names and comments are not words):
// GEN_ID(, NEXT VALUE FOR, EXECUTE, INSERT, UPDATE, DELETE, MERGE, WITH
// LOCK, RDB$SET_CONTEXT, a procedure as a source ("from yordam(1)"), a
// packaged routine's call, or a second statement after ";". Empty when none.
QString yanEtkisi(const QString &sql);
// The same from the database's catalogue: a stored procedure's name anywhere
// in the text, a stored or external function called, or a view or table
// named whose select or computed columns reach a procedure, a function or a
// generator. nullopt when the catalogue could not be read (*hata says why).
std::optional<QString> yanEtkisiKatalogda(const QString &sql, const QString &baglanti = QString(),
                                          QString *hata = nullptr);
// The rest of an executed select's rows, CHAR padding dropped; the query is
// left finished.
std::optional<Sonuc> satirlariOku(QSqlQuery &q, QString *hata = nullptr);
// The optimizer's plan of a statement ("PLAN (HASTALAR INDEX (HASTA_HASTAADI))"),
// from the prepared statement; nothing is executed.
std::optional<QString> plan(const QString &sql, const QString &baglanti = QString(), QString *hata = nullptr);
// The first column of the first row; an invalid QVariant when there is no row.
std::optional<QVariant> tekDeger(const QString &sql, const QVariantList &degerler = {},
                                 const QString &baglanti = QString(), QString *hata = nullptr);
// Next value of a generator (step 1); nullopt on error.
std::optional<qint64> uretec(const QString &ad, const QString &baglanti = QString(), QString *hata = nullptr);

} // namespace Sorgu

// A change made of several statements that must not be half done. While an
// Islem is alive, data sets and Sorgu on that connection run inside it and do
// not commit; onayla() commits once. Destroyed without onayla(): rolled back.
// An Islem made while another is open on the connection joins it: its
// onayla() commits nothing, and when it ends without onayla() the outer one
// can no longer commit (its onayla() rolls everything back and says so).
class Islem
{
public:
    explicit Islem(const QString &baglanti = QString());
    ~Islem();
    Islem(const Islem &) = delete;
    Islem &operator=(const Islem &) = delete;

    bool basladi() const { return m_basladi || m_katilimci; }
    // Why it could not begin (the connection is lost, the server refused).
    QString hataMetni() const { return m_hata; }
    bool onayla(QString *hata = nullptr);   // commit; errors to the general display unless hata given
    void geriAl();
    static bool acikMi(const QString &baglanti = QString());

private:
    QString m_baglanti;
    bool m_basladi = false;
    bool m_katilimci = false;
    bool m_bitti = false;
    bool m_pencereyiTutar = false; // no window while it is open (db/hata.h)
    QString m_hata;
};
