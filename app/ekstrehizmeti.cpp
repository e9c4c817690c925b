#include "app/ekstrehizmeti.h"

#include "app/ekranlar.h"

EkstreYazici &EkstreHizmeti()
{
    static EkstreYazici yazici;
    KayitlariHazirla();
    return yazici;
}
