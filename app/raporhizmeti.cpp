#include "app/raporhizmeti.h"

#include "app/ekranlar.h"

RaporHizmetleri &RaporHizmeti()
{
    static RaporHizmetleri h;
    KayitlariHazirla();
    return h;
}
