#include "klinik/muayenesatirlari.h"

#include "app/mesaj.h"
#include "app/oturum.h"
#include "db/sorgu.h"
#include "db/sqltext.h"
#include "db/veriseti.h"

namespace MuayeneSatirlari {

using CariIsleme::Kaynak;
using CariIsleme::SatirTuru;

SatirAyari ayar(SatirTuru tur)
{
    return {tur, tur == SatirTuru::Laboratuvar ? QStringLiteral("MUAYENE_LAB") : QStringLiteral("YAPILANISLEMLER")};
}

bool muayeneVarMi(Kaynak kaynak, qint64 muayeneNo)
{
    if (muayeneNo <= 0)
        return false;
    const auto v = Sorgu::tekDeger(
        QStringLiteral("select count(*) from %1 where kayitno = ?").arg(CariIsleme::muayeneTablosu(kaynak)),
        {muayeneNo});
    return v && v->toInt() > 0;
}

bool kaydetmedenOnce(Kaynak kaynak, qint64 muayeneNo, QWidget *ust)
{
    if (!muayeneVarMi(kaynak, muayeneNo)) {
        Mesaj::goster(MuayeneYokMesaji, ust);
        return false;
    }
    return true;
}

bool kaydedildi(const SatirAyari &a, Kaynak kaynak, qint64 muayeneNo, QWidget *ust)
{
    if (!muayeneVarMi(kaynak, muayeneNo)) {
        Mesaj::goster(MuayeneYokMesaji, ust);
        return false;
    }
    return CariIsleme::lab_tutari_topla(kaynak, muayeneNo, a.tur, ust);
}

bool satirSil(VeriSeti &satirlar, const SatirAyari &a, Kaynak kaynak, qint64 muayeneNo, QWidget *ust)
{
    bool tamam = false;
    {
        Islem islem;
        tamam = islem.basladi() && satirlar.sil()
                && (!muayeneVarMi(kaynak, muayeneNo)
                    || CariIsleme::lab_tutari_topla_islemde(kaynak, muayeneNo, a.tur, ust))
                && islem.onayla();
    }
    if (!tamam)
        satirlar.yenile();
    return tamam;
}

bool bosIslemSatirlariniSil()
{
    return Sorgu::calistir(QStringLiteral("delete from yapilanislemler where sirketkodu = ? and yapilanislem is null "
                                          "and islemkodu is null and coalesce(ucreti, 0) = 0 "
                                          "and hatirlatmatarihi is null and hatirlatmanotu is null "
                                          "and dusunceler1 is null and dusunceler2 is null "
                                          "and islemiyapankodu is null"),
                           {Oturum.sirketkodu});
}

QString formSelecti(const SatirAyari &a, const QString &hastaKodu, qint64 muayeneNo, CariIsleme::Kaynak kaynak)
{
    return QStringLiteral("select * from ") + a.tablo + QStringLiteral(" where 1=1 ") + QStringLiteral(" and hastakodu =")
           + SqlQuote(hastaKodu) + QStringLiteral(" and sirketkodu =") + SqlQuote(Oturum.sirketkodu)
           + QStringLiteral(" and muayeneno =") + SqlQuote(QString::number(muayeneNo)) + QStringLiteral(" and ")
           + CariIsleme::kaynakKosulu(kaynak);
}

} // namespace MuayeneSatirlari
