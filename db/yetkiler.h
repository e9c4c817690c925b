#pragma once
// The program's database user on a server gets exactly what the screens do:
// SELECT, INSERT, UPDATE and DELETE on every table of the schema description
// and USAGE on every generator (the tables' key generators and the others),
// nothing else: no DDL, no user management. The owner (or SYSDBA) grants them;
// the schema upgrade list runs as the owner first, so the program user never
// needs to change the schema.
#include <QString>
#include <QStringList>

namespace Yetkiler {

// The user name as the grants write it (upper case) when it is a plain
// identifier (a letter, then letters, digits, _ or $; at most 31); empty otherwise.
QString kullaniciAdi(const QString &ad);
// The Turkish message for a name kullaniciAdi() does not accept.
QString gecersizAdMetni(const QString &ad);

// The statements, in order: every right of the user taken away, then the
// grants derived from the schema description.
QStringList komutlar(const QString &kullanici);

// Runs the upgrade list, then komutlar() in one transaction on connection
// baglanti. False with the client's text in hata when a grant is refused.
bool ver(const QString &kullanici, const QString &baglanti, QString *hata);

} // namespace Yetkiler
