// Kept apart from tabloaktar.cpp so that only the screens that export a data
// set bring the data set in.
#include "raporlar/motor/tabloaktar.h"

#include "app/mesaj.h"
#include "db/veriseti.h"

namespace TabloAktar {

QString verisetinden(const VeriSeti &veriSeti, const QAbstractItemModel &model, const QList<int> &kolonlar,
                     QWidget *ust)
{
    if (!veriSeti.acikMi()) {
        Mesaj::goster(ListeYokMesaji, ust);
        return QString();
    }
    // The list reads its rows in windows: every row of the select goes out,
    // not only those read so far (the model learns the count with it).
    veriSeti.kesinKayitSayisi();
    return modelden(model, kolonlar, veriSeti.tablo().ad, ust);
}

} // namespace TabloAktar
