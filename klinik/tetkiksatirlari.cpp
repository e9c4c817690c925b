#include "klinik/tetkiksatirlari.h"

#include "app/oturum.h"
#include "db/sorgu.h"
#include "db/veriseti.h"

#include <QDate>
#include <QDateTime>

namespace TetkikSatirlari {

QStringList tetkikKolonlari(bool aciklamaIle)
{
    QStringList k = {QStringLiteral("TETKIKKODU"), QStringLiteral("TETKIKADI"), QStringLiteral("ARALIK"),
                     QStringLiteral("TURU"),       QStringLiteral("BIRIMI"),    QStringLiteral("UCRETI"),
                     QStringLiteral("KOD1"),       QStringLiteral("KOD2"),      QStringLiteral("KOD3")};
    if (aciklamaIle)
        k << QStringLiteral("ACIKLAMA") << QStringLiteral("LABORATUVARADI");
    return k;
}

void yeniSatirDegerleri(VeriSeti &lab, const VeriSeti &m, CariIsleme::Kaynak kaynak)
{
    for (const char *k : {"HASTAKODU", "HASTAADISOYADI", "MUAYENETARIHI", "DOKTORKODU", "DOKTORADI",
                          "DOKTORPAYTURU", "DOKTORPAYPARAM"})
        lab.degerAyarla(QLatin1String(k), m.deger(QLatin1String(k)));
    lab.degerAyarla(QStringLiteral("SIRKETKODU"), Oturum.sirketkodu);
    lab.degerAyarla(QStringLiteral("MUAYENENO"), QString::number(m.anahtar()));
    const bool goz = kaynak == CariIsleme::Kaynak::Goz;
    lab.degerAyarla(QStringLiteral("TANI"), m.deger(goz ? QStringLiteral("TANI") : QStringLiteral("MYNTESHIS")));
    if (!goz) {
        lab.degerAyarla(QStringLiteral("CEPNO"), m.deger(QStringLiteral("HASTACEPTEL")));
        lab.degerAyarla(QStringLiteral("SIRANO"), m.metin(QStringLiteral("SIRANO")));
    }
    lab.degerAyarla(QStringLiteral("DOKTORPAYTUTARI"), 0.0);
    lab.degerAyarla(QStringLiteral("ISLEMTURU"), CariIsleme::islemTuru(kaynak));
    lab.degerAyarla(QStringLiteral("KAYNAK"), CariIsleme::kaynakDegeri(kaynak));
    const QDateTime simdi = QDateTime::currentDateTime();
    lab.degerAyarla(QStringLiteral("LABORATUVARTARIHI"), QDateTime(simdi.date(), QTime(0, 0)));
    lab.degerAyarla(QStringLiteral("LABORATUVARSAATI"), simdi);
}

void tetkikKopyala(VeriSeti &lab, const QVariantMap &tetkik, bool aciklamaIle)
{
    for (const QString &k : tetkikKolonlari(aciklamaIle))
        lab.degerAyarla(k, tetkik.value(k));
}

void payHesapla(VeriSeti &lab)
{
    const double pay = CariIsleme::topla(lab.metin(QStringLiteral("DOKTORPAYTURU")),
                                         lab.sayi(QStringLiteral("DOKTORPAYPARAM")), lab.sayi(QStringLiteral("UCRETI")),
                                         lab.sayi(QStringLiteral("DOKTORPAYTUTARI")));
    if (lab.deger(QStringLiteral("DOKTORPAYTUTARI")).isNull() || lab.sayi(QStringLiteral("DOKTORPAYTUTARI")) != pay)
        lab.degerAyarla(QStringLiteral("DOKTORPAYTUTARI"), pay);
}

bool bosSatirlariSil()
{
    return Sorgu::calistir(QStringLiteral("delete from muayene_lab where tetkikadi is null and tetkikkodu is null "
                                          "and sirketkodu = ? and coalesce(ucreti, 0) = 0 and durum is null "
                                          "and aciklama is null and ozelkod1 is null"),
                           {Oturum.sirketkodu});
}

} // namespace TetkikSatirlari
