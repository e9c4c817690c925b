#include "raporlar/motor/hizmetler.h"

#include "app/raporhizmeti.h"
#include "db/tablomodeli.h"
#include "db/veriseti.h"
#include "raporlar/motor/rapor.h"
#include "raporlar/motor/raporsecici.h"
#include "raporlar/motor/tabloaktar.h"

void RaporHizmetleriniKur()
{
    RaporHizmetleri &h = RaporHizmeti();
    h.sablonSec = [](QWidget *ust, bool tasarimIzni) { return RaporSablonuSec(ust, tasarimIzni); };
    h.onizle = [](VeriSeti *vs, const QString &sablon, QWidget *ust) {
        VeriSetiKaynagi kaynak(*vs);
        Rapor r;
        r.baglan(&kaynak);
        if (!r.yukle(sablon, ust))
            return;
        r.baslikAyarla(sablon);
        r.onizle(ust);
    };
    h.disaAktar = [](VeriSeti *vs, QWidget *ust) {
        TabloModeli hepsi(vs);
        TabloAktar::verisetinden(*vs, hepsi, {}, ust);
    };
}
