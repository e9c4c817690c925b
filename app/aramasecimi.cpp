#include "app/aramasecimi.h"

#include "app/aramapenceresi.h"
#include "db/veriseti.h"

#include <QVariantList>

bool AramadanSatira(const QString &arama, VeriSeti &vs, const QList<AramaKolonu> &kolonlar, QWidget *ust)
{
    QVariantList degerler;
    {
        // The lookup is closed before the row is touched.
        AramaPenceresi d(arama, ust);
        if (d.calistir() == QLatin1String("-1"))
            return false;
        for (const AramaKolonu &k : kolonlar)
            degerler << d.deger(k.aramada);
    }
    if (vs.durum() != VeriSeti::Durum::Ekle && !vs.duzenleniyorMu() && (vs.bosMu() || !vs.duzenle()))
        return false;
    for (int i = 0; i < kolonlar.size(); ++i)
        vs.degerAyarla(kolonlar.at(i).satirda, degerler.at(i));
    return true;
}
