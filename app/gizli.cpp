#include "app/gizli.h"

#include <sodium.h>

namespace {

bool sodyumHazir()
{
    static const bool hazir = sodium_init() >= 0;
    return hazir;
}

// Interactive limits: an entry waits a fraction of a second, while a stolen
// table costs an attacker that much per guess and per secret.
constexpr unsigned long long IslemSiniri = crypto_pwhash_OPSLIMIT_INTERACTIVE;
constexpr size_t BellekSiniri = crypto_pwhash_MEMLIMIT_INTERACTIVE;

} // namespace

namespace Gizli {

QString ozetle(const QByteArray &acik)
{
    if (!sodyumHazir())
        return QString();
    char ozet[crypto_pwhash_STRBYTES];
    if (crypto_pwhash_str(ozet, acik.constData(), quint64(acik.size()), IslemSiniri, BellekSiniri) != 0)
        return QString();
    return QString::fromLatin1(ozet);
}

bool ozetMi(const QString &kayitli) { return kayitli.startsWith(QLatin1String(crypto_pwhash_STRPREFIX)); }

bool dogrula(const QString &ozet, const QByteArray &acik)
{
    if (!ozetMi(ozet) || !sodyumHazir() || ozet.size() >= int(crypto_pwhash_STRBYTES))
        return false;
    const QByteArray o = ozet.toLatin1();
    return crypto_pwhash_str_verify(o.constData(), acik.constData(), quint64(acik.size())) == 0;
}

bool yenilenmeli(const QString &ozet)
{
    return !ozetMi(ozet)
           || crypto_pwhash_str_needs_rehash(ozet.toLatin1().constData(), IslemSiniri, BellekSiniri) != 0;
}

bool esit(const QByteArray &a, const QByteArray &b)
{
    if (!sodyumHazir() || a.size() != b.size())
        return false;
    return a.isEmpty() || sodium_memcmp(a.constData(), b.constData(), size_t(a.size())) == 0;
}

} // namespace Gizli
