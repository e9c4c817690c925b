#include "raporlar/gunlukraporlar.h"

#include "app/ekranlar.h"
#include "db/sorgu.h"
#include "raporlar/motor/rapor.h"

namespace GunlukRaporlar {


bool Goster(CariHareketRapor::Gunluk tur, QWidget *ust, const QDate &gun)
{
    const auto s = Sorgu::sec(CariHareketRapor::GunlukSql(tur, gun));
    if (!s)
        return false;
    SorguKaynagi kaynak(*s);
    Rapor r;
    r.baglan(&kaynak);
    const QString sablon = CariHareketRapor::GunlukSablon(tur);
    if (!r.yukle(sablon, ust))
        return false;
    r.baslikAyarla(sablon);
    r.onizle(ust);
    return true;
}

void EylemleriKaydet()
{
    using CariHareketRapor::Gunluk;
    EylemKaydet(QStringLiteral("gunlukfaaliyetraporu"), [](QWidget *ust) { Goster(Gunluk::Faaliyet, ust); });
    EylemKaydet(QStringLiteral("gunlukgelirgiderraporu"), [](QWidget *ust) { Goster(Gunluk::GelirGider, ust); });
    EylemKaydet(QStringLiteral("gunlukdoktorhakedisraporu"),
                [](QWidget *ust) { Goster(Gunluk::DoktorHakedis, ust); });
}

} // namespace GunlukRaporlar
