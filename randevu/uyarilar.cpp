#include "randevu/uyarilar.h"

#include "db/sqltext.h"
#include "randevu/randevusorgu.h"

namespace Uyarilar {

using RandevuSorgu::BitisKosulu;
using RandevuSorgu::GunKosulu;

QString Baslik(Tur t)
{
    switch (t) {
    case Tur::Randevu: return QStringLiteral("Günü Gelmiş Randevunuz Var");
    case Tur::Hasta1: return QStringLiteral("Günü Gelmiş  Hasta 1.Hatırlatmanız Var");
    case Tur::Hasta2: return QStringLiteral("Günü Gelmiş  Hasta 2.Hatırlatmanız Var");
    case Tur::SonrakiMuayene: return QStringLiteral("Günü Gelmiş Sonrakı Muayeneniz Var");
    case Tur::Not: return QStringLiteral("Günü Gelmiş Hatırlatma-Notunuz var");
    case Tur::Islem: return QStringLiteral("Günü Gelmiş Y.İşlem Hatırlatmanız var");
    }
    return QString();
}

QString Sablon(Tur t)
{
    switch (t) {
    case Tur::Randevu: return QStringLiteral("randevurapor1.frf");
    case Tur::Hasta1: return QStringLiteral("hastarapor4.frf");
    case Tur::Hasta2: return QStringLiteral("hastarapor5.frf");
    case Tur::SonrakiMuayene: return QStringLiteral("muayenerapor1.frf");
    case Tur::Not: return QStringLiteral("aciklamarapor1.frf");
    case Tur::Islem: return QStringLiteral("yapilanislemlerrapor4.frf");
    }
    return QString();
}

QString PanelAdi(Tur t) { return QStringLiteral("Panel%1").arg(int(t) + 1); }
QString DugmeAdi(Tur t) { return QStringLiteral("btn_ayrinti%1").arg(int(t) + 1); }

QString Tablo(Tur t)
{
    switch (t) {
    case Tur::Randevu: return QStringLiteral("RANDEVU");
    case Tur::Hasta1:
    case Tur::Hasta2: return QStringLiteral("HASTALAR");
    case Tur::SonrakiMuayene: return QStringLiteral("MUAYENE");
    case Tur::Not: return QStringLiteral("ACIKLAMALAR");
    case Tur::Islem: return QStringLiteral("YAPILANISLEMLER");
    }
    return QString();
}

QString DoktorKolonu(Tur t)
{
    switch (t) {
    case Tur::Randevu: return QStringLiteral("DOKTOR");
    case Tur::Hasta1:
    case Tur::Hasta2:
    case Tur::SonrakiMuayene:
    case Tur::Islem: return QStringLiteral("DOKTORKODU");
    case Tur::Not: return QString();
    }
    return QString();
}

QString Sql(Tur t, const QString &sirket, const QDate &bugun, bool doktorla)
{
    const QString dk = doktorla && !DoktorKolonu(t).isEmpty()
                           ? QStringLiteral(" and ") + DoktorKolonu(t) + QStringLiteral(" = ?")
                           : QString();
    const QString sirketK = QStringLiteral(" and sirketkodu =") + SqlQuote(sirket);
    const QString evet = SqlQuote(QStringLiteral("EVET"));
    switch (t) {
    case Tur::Islem:
        return QStringLiteral("select *  from yapilanislemler where 1=1 ") + sirketK
               + GunKosulu(QStringLiteral("hatirlatmatarihi"), bugun) + QStringLiteral(" and hatirlatmadurumu =")
               + evet + dk + QStringLiteral(" order by yapilanislemler.hatirlatmatarihi");
    case Tur::Hasta2:
        return QStringLiteral("select *  from hastalar where 1=1 ") + sirketK
               + GunKosulu(QStringLiteral("hatirlatmatarihi2"), bugun) + QStringLiteral(" and hatirlatmadurumu2 =")
               + evet + dk + QStringLiteral(" order by hastalar.hatirlatmatarihi2");
    case Tur::Hasta1:
        // The switch on or never set; both alternatives limited to the company and the day.
        return QStringLiteral("select *  from hastalar where 1=1 ") + sirketK
               + GunKosulu(QStringLiteral("hatirlatmatarihi"), bugun) + QStringLiteral(" and (hatuyari =") + evet
               + QStringLiteral(" or hatuyari is null)") + dk + QStringLiteral(" order by hastalar.hatirlatmatarihi");
    case Tur::Randevu:
        return QStringLiteral("select * from RANDEVU where 1=1 ") + sirketK
               + GunKosulu(QStringLiteral("randevutarihi"), bugun) + QStringLiteral(" and MUAYENEOLDUMU <>") + evet
               + dk + RandevuSorgu::Siralama;
    case Tur::SonrakiMuayene:
        // An examination holds "E" once done; an empty flag has not been done.
        return QStringLiteral("select * from muayene where 1=1 ") + sirketK
               + BitisKosulu(QStringLiteral("SONRAKIMUAYENETARIHI"), bugun)
               + QStringLiteral(" and (MUAYENEOLDUMU is null or MUAYENEOLDUMU <>") + SqlQuote(QStringLiteral("E"))
               + QStringLiteral(")") + dk + QStringLiteral(" order by muayene.SONRAKIMUAYENETARIHI ");
    case Tur::Not:
        return QStringLiteral("select * from aciklamalar where 1=1 ") + GunKosulu(QStringLiteral("TARIH2"), bugun)
               + QStringLiteral("  order by aciklamalar.kayitno");
    }
    return QString();
}

} // namespace Uyarilar
