#include "db/hata.h"

#include <cstdio>

namespace VeriHatasi {
namespace {
Alici &alici()
{
    static Alici a;
    return a;
}

void gonder(Tur tur, const QString &metin, QWidget *ust)
{
    if (alici()) {
        alici()(tur, metin, ust);
        return;
    }
    std::fprintf(stderr, "%s\n", metin.toLocal8Bit().constData());
}
} // namespace

Alici ayarla(Alici yeni)
{
    Alici eski = std::move(alici());
    alici() = std::move(yeni);
    return eski;
}

void bilgi(const QString &metin, QWidget *ust) { gonder(Tur::Bilgi, metin, ust); }
void hata(const QString &metin, QWidget *ust) { gonder(Tur::Hata, metin, ust); }

} // namespace VeriHatasi
