#pragma once
// Creating a new database: dialect 1, default character set WIN1254, every
// table, generator and index of the schema description, and the seed rows.
#include <QString>
#include <QStringList>

namespace Olustur {

// The DDL statements derived from the schema description, in order.
QStringList semaKomutlari();
// Creates the database file at yol with schema and seed rows. Refuses a path
// that exists already. On failure: false and a Turkish message in hata.
bool veritabaniOlustur(const QString &yol, QString *hata);

} // namespace Olustur
