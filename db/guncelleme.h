#pragma once
// The schema upgrade list: fixed statements that bring a database made by an
// earlier release up to date. Each runs alone; every error is ignored.
#include <QString>
#include <QStringList>

namespace Guncelleme {

QStringList komutlar();
// Runs the list on the connection; returns how many statements succeeded.
int calistir(const QString &baglanti = QString());

} // namespace Guncelleme
