#pragma once
// Creating a new database: dialect 1, default character set WIN1254, every
// table, generator and index of the schema description, and the seed rows.
#include "db/sema.h"

#include <QString>
#include <QStringList>
#include <vector>

namespace Olustur {

// The DDL statements derived from the schema description, in order.
QStringList semaKomutlari();
// The same for any list of tables and extra generators (the key generators
// of the tables are included).
QStringList semaKomutlari(const std::vector<Tablo> &tablolar, const QStringList &digerUretecler);
// The insert statements of the seed rows (company, user, modules, rights,
// screen parameters), keys drawn from the generators.
QStringList baslangicKayitlari();

// Creates the database at yol with schema and seed rows: a file through the
// embedded engine, or host:path through a server (which then owns the file).
// Refuses a path that exists already. On failure: false and a Turkish message in hata.
bool veritabaniOlustur(const QString &yol, QString *hata);
// Creates a database at yol running ddl (committed), then dml (committed),
// all in SQL dialect 1. Refuses an existing path; leaves no file on failure.
bool veritabaniOlustur(const QString &yol, const QStringList &ddl, const QStringList &dml, QString *hata);

// Drops the database at yol (a file, or host:path through its server); no
// one may be attached to it.
bool veritabaniSil(const QString &yol, QString *hata);

// Switches forced writes (a sync after every page write) of the closed
// database file at yol on or off. New databases have them on; a throw-away
// copy (a test's) may switch them off: commits then cost a fraction.
bool zorunluYazma(const QString &yol, bool acik, QString *hata);

} // namespace Olustur
