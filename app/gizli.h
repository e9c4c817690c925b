#pragma once
// Secrets kept as Argon2id hashes (libsodium's crypto_pwhash), each with its
// own random salt: "$argon2id$v=19$m=...,t=...,p=1$salt$hash". User
// passwords and the accounts' administrator code both go through here, each
// with its own rule for what text is compared.
#include <QByteArray>
#include <QString>

namespace Gizli {

// The stored form of a secret; empty on failure (out of memory).
QString ozetle(const QByteArray &acik);
// True when a stored value is such a hash.
bool ozetMi(const QString &kayitli);
// True when the secret matches the hash.
bool dogrula(const QString &ozet, const QByteArray &acik);
// True when the hash was made with weaker settings than today's and should
// be made again at the next correct entry.
bool yenilenmeli(const QString &ozet);
// Equality whose time does not tell how much of a wrong secret matched.
bool esit(const QByteArray &a, const QByteArray &b);

} // namespace Gizli
