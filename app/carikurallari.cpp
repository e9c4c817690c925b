#include "app/carikurallari.h"

#include "db/bicim.h"

#include <cmath>

namespace CariKural {

double KurusaYuvarla(double tutar)
{
    // Through the decimal text: 10.005 is stored as 10.00499.., which a
    // plain round(x * 100) would take down.
    const double r = std::round(QString::number(tutar * 100.0, 'f', 6).toDouble()) / 100.0;
    return r == 0 ? 0.0 : r; // no "-0"
}

QString Taraf(double fark)
{
    const double f = KurusaYuvarla(fark);
    if (f == 0)
        return QStringLiteral("Sıfır");
    return f > 0 ? QStringLiteral("Borc") : QStringLiteral("Alacak");
}

QString ToplamMetni(double tutar)
{
    const double t = KurusaYuvarla(tutar);
    return t == 0 ? QStringLiteral("0") : TutarMetni(t);
}

} // namespace CariKural
