#pragma once
// Reading a data set's rows in windows (db/veriseti.cpp): the parts of its
// select text, its order with the key as the last tie-breaker, the keyset
// conditions that continue a window from a row's order values, and the row
// count on a worker thread with a connection of its own.
//
// The program writes every list statement as head + filter + order
// (db/sqltext.h). A statement that is not of that simple kind (grouping,
// DISTINCT, UNION, a FIRST/ROWS of its own, an order by column number, a
// table that cannot be found in its FROM) is read in one go as before.
#include "db/sema.h"

#include <QList>
#include <QString>
#include <QStringList>
#include <QVariant>

#include <functional>
#include <memory>

class QObject;

namespace Pencere {

// One item of the order: an expression, its direction and where its NULLs
// go. Firebird puts NULLs first in an ascending and last in a descending
// order unless NULLS FIRST/LAST says otherwise.
struct SiraOgesi
{
    QString ifade;        // as written: "hastalar.hastaadisoyadi"
    bool artan = true;
    bool bosBasta = true;
    QString kolon;        // upper-case table column when the item is a plain column of the table
};

struct Secim
{
    bool pencereli = false; // false: read in one go
    QString bas;            // "select <list> "
    QString liste;          // the select list
    QString kaynak;         // "from ... " up to the filter
    QString filtre;         // the where condition without "where"; empty when none
    QString nitelik;        // the table's name or alias in the statement
    QString anahtarIfadesi; // "<nitelik>.KAYITNO"
    QList<SiraOgesi> sira;  // always holds the key (appended last when the text lacks it)
    // Table columns the filter fixes to one value ("sirketkodu = '2007'",
    // joined by AND at the top, no OR): an index led by them still walks
    // the order for the rest.
    QStringList esitler;
    bool tekTablo = false;  // no join: a row is found by its key alone
};

// Splits a select at its top-level FROM, WHERE and last ORDER BY.
Secim coz(const QString &sql, const Tablo &tablo);

// " order by ..." in the given direction (ileri false: every item reversed,
// NULLs included).
QString siralama(const Secim &s, bool ileri);

// An index of a table as the database has it.
struct DbIndeks
{
    QStringList kolonlar; // upper case, in segment order
    bool azalan = false;
};

// The table's indexes from the database's system tables (remembered per
// database and table; unut() forgets them, after indexes were made). When
// they cannot be read: those of the schema description.
QList<DbIndeks> indeksler(const QString &baglanti, const Tablo &t);
void unut();

// Whether the engine can walk the order along one of the indexes (one
// whose leading columns are the order's, all in its direction), so that a
// window costs its own rows and no sort of the whole result.
bool indeksle(const Secim &s, const QList<DbIndeks> &indeksler, bool ileri);

// Rows after the row whose order values are r (one per item of s.sira), in
// the order of the given direction; dahil: that row too. The '?' values are
// appended to degerler in the order they appear.
QString sonrasi(const Secim &s, bool ileri, const QVariantList &r, QVariantList *degerler, bool dahil = false);

// " where (<filter>) and <k1> and ..." (empty when there is nothing).
QString kosul(const Secim &s, const QStringList &ekler = {});

// "select count(*) from ..." over the same rows, with further conditions.
QString sayimMetni(const Secim &s, const QStringList &ekler = {});

// The order values of the row with key k: "select <e1>, ..., <en> from ...".
QString degerMetni(const Secim &s);

// A row count running on a worker thread with its own connection (a clone
// of the data set's, opened in the thread and closed when the count ends);
// no query stays open between jobs.
class Sayim;
using SayimPtr = std::shared_ptr<Sayim>;

// Starts counting with sql on a clone of connection baglanti. When the count
// ends, bitince runs in alici's thread (through its event loop) unless the
// count was let go (birak) or alici is gone by then.
SayimPtr sayimBaslat(const QString &baglanti, const QString &sql, QObject *alici,
                     std::function<void(qint64)> bitince);
// No notification after this; a count not started yet is dropped.
void birak(const SayimPtr &s);
// The result of a started count (waits for it). False when the count had
// not started (it then never will) or failed.
bool bekle(const SayimPtr &s, qint64 *sonuc);
// Waits until every count of the process has ended (tests, program end).
void hepsiniBekle();

} // namespace Pencere
