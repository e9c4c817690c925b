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

bool islemde(const SatirAyari &a, Kaynak kaynak, qint64 muayeneNo, QString *mesaj)
{
    if (!muayeneVarMi(kaynak, muayeneNo)) {
        *mesaj = MuayeneYokMesaji;
        return false;
    }
    return CariIsleme::lab_tutari_topla_islemde(kaynak, muayeneNo, a.tur, mesaj);
}

bool yenidenIsle(const SatirAyari &a, Kaynak kaynak, qint64 muayeneNo, QWidget *ust)
{
    if (!muayeneVarMi(kaynak, muayeneNo)) {
        Mesaj::goster(MuayeneYokMesaji, ust);
        return false;
    }
    return CariIsleme::lab_tutari_topla(kaynak, muayeneNo, a.tur, ust);
}

void kayittaIsle(VeriSeti &satirlar, const SatirAyari &a, std::function<Kaynak()> kaynak,
                 std::function<qint64()> muayeneNo)
{
    satirlar.islemdeSonra = [a, kaynak = std::move(kaynak), muayeneNo = std::move(muayeneNo)](QString *mesaj) {
        return islemde(a, kaynak(), muayeneNo(), mesaj);
    };
}

using CariIsleme::birlikte;

bool satirSil(VeriSeti &satirlar, const SatirAyari &a, Kaynak kaynak, qint64 muayeneNo, QWidget *ust)
{
    const bool tamam = birlikte(ust, [&](QString *mesaj) {
        return satirlar.sil()
               && (!muayeneVarMi(kaynak, muayeneNo)
                   || CariIsleme::lab_tutari_topla_islemde(kaynak, muayeneNo, a.tur, mesaj));
    });
    if (!tamam)
        satirlar.yenile();
    return tamam;
}

bool muayeneSil(VeriSeti &muayeneler, Kaynak kaynak, QWidget *ust)
{
    const qint64 no = muayeneler.anahtar();
    const QString kosul = QStringLiteral(" and sirketkodu = ? and ") + CariIsleme::kaynakKosulu(kaynak);
    // Postings left behind would charge the patient for an examination that
    // no longer exists: the lines, the postings and the row go together.
    const bool tamam = birlikte(ust, [&](QString *mesaj) {
        return Sorgu::calistir(QStringLiteral("delete from muayene_lab where muayeneno = ?") + kosul,
                               {QString::number(no), Oturum.sirketkodu}, QString(), mesaj)
               && Sorgu::calistir(QStringLiteral("delete from yapilanislemler where muayeneno = ?") + kosul,
                                  {double(no), Oturum.sirketkodu}, QString(), mesaj)
               && CariIsleme::kayitlariSil(kaynak, no, mesaj) && muayeneler.sil();
    });
    if (!tamam)
        muayeneler.yenile(); // the rows as they are stored
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
