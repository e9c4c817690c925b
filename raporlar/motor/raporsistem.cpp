// System values: [#SAYFA], [#TARIH], [#GRUPSATIRNO], the sums [#TOPLAM(ifade)] …
// and the login context ([#SIRKET], [#KULLANICI]).
#include "raporlar/motor/rapordizgi_ozel.h"

#include "app/oturum.h"

#include <QDateTime>

namespace RaporMotoruIc {

// ifade: the placeholder without its format, starting with '#'; icerik: all of it (for messages).
bool Dizgi::sistemParcaDerle(const QString &icerik, const QString &ifade, Parca *p)
{
    QString ad = ifade.mid(1).trimmed();
    QString arg;
    const int ac = ad.indexOf(QLatin1Char('('));
    if (ac >= 0) {
        if (!ad.endsWith(QLatin1Char(')')))
            return false;
        arg = ad.mid(ac + 1, ad.size() - ac - 2);
        ad = ad.left(ac).trimmed();
    }
    ad = ad.toUpper();
    static const QHash<QString, Sistem> adlar = {
        {QStringLiteral("SAYFA"), Sistem::Sayfa}, {QStringLiteral("SAYFASAYISI"), Sistem::SayfaSayisi},
        {QStringLiteral("TARIH"), Sistem::Tarih}, {QStringLiteral("SAAT"), Sistem::Saat},
        {QStringLiteral("BASLIK"), Sistem::Baslik}, {QStringLiteral("SATIRNO"), Sistem::SatirNo},
        {QStringLiteral("GRUPSATIRNO"), Sistem::GrupSatirNo},
        {QStringLiteral("KAYITSAYISI"), Sistem::KayitSayisi}, {QStringLiteral("ADET"), Sistem::Adet},
        {QStringLiteral("TOPLAM"), Sistem::Toplam}, {QStringLiteral("YURUYEN"), Sistem::Toplam},
        {QStringLiteral("SAYFATOPLAM"), Sistem::SayfaToplam},
        {QStringLiteral("GRUPTOPLAM"), Sistem::GrupToplam},
        {QStringLiteral("GENELTOPLAM"), Sistem::GenelToplam},
        {QStringLiteral("SIRKET"), Sistem::Sirket}, {QStringLiteral("SIRKETADRESI"), Sistem::SirketAdresi},
        {QStringLiteral("KULLANICI"), Sistem::Kullanici},
    };
    auto it = adlar.constFind(ad);
    if (it == adlar.constEnd())
        return false;
    p->tur = Parca::Sistemsel;
    p->sistem = *it;
    const bool toplamMi = *it == Sistem::Toplam || *it == Sistem::SayfaToplam
                       || *it == Sistem::GrupToplam || *it == Sistem::GenelToplam;
    if (toplamMi != (ac >= 0))
        return false;
    if (toplamMi && m_altta) {
        uyar(QStringLiteral("Alt detay bandında toplam kullanılamaz: [%1]").arg(icerik));
        p->tur = Parca::Duz;
        p->metin = QStringLiteral("[?") + ifade + QLatin1Char(']');
        return true;
    }
    if (toplamMi) {
        QStringList eksikler;
        auto e = IfadeOku(arg, k, &eksikler);
        if (!e)
            return false;
        if (!eksikler.isEmpty()) {
            eksikKolonlar(eksikler, p);
            return true;
        }
        Toplayici t;
        t.ifade = std::move(e);
        m_toplayicilar.push_back(std::move(t));
        p->yuva = int(m_toplayicilar.size()) - 1;
    }
    return true;
}

QString Dizgi::sistemDegeri(const Parca &p, const Baglam &c) const
{
    const int g = int(m_grupKolonlari.size());
    const int seviye = c.seviye >= 0 ? c.seviye : g - 1;
    auto sayi = [&](double v) { return RaporDegerMetni(QVariant(v), p.metin); };
    auto tam = [&](qint64 v) { return p.metin.isEmpty() ? QString::number(v) : RaporDegerMetni(QVariant(v), p.metin); };
    switch (p.sistem) {
    case Sistem::Sayfa: return tam(m_sayfaNo);
    case Sistem::SayfaSayisi: return SAYFA_SAYISI_YERI;
    case Sistem::Tarih: return RaporDegerMetni(QVariant(m_bugun), p.metin);
    case Sistem::Saat:
        return RaporDegerMetni(QVariant(QDateTime(m_bugun, m_saat)),
                               p.metin.isEmpty() ? QStringLiteral("hh:nn") : p.metin);
    case Sistem::Baslik: return m_baslik;
    case Sistem::SatirNo: return tam(d.adet);
    case Sistem::GrupSatirNo: return tam(seviye >= 0 ? d.grupAdet[seviye] : d.adet);
    case Sistem::KayitSayisi: return tam(n);
    case Sistem::Adet: return tam(d.adet);
    case Sistem::Toplam: return sayi(d.toplam[p.yuva]);
    case Sistem::SayfaToplam: return sayi(d.sayfa[p.yuva]);
    case Sistem::GrupToplam: return sayi(seviye >= 0 ? d.grup[p.yuva][seviye] : d.toplam[p.yuva]);
    case Sistem::GenelToplam: return sayi(m_toplayicilar[p.yuva].genel);
    case Sistem::Sirket: return Oturum.sirketunvani;
    case Sistem::SirketAdresi: return Oturum.sirketadresi;
    case Sistem::Kullanici: return Oturum.kullaniciadisoyadi.isEmpty() ? Oturum.username : Oturum.kullaniciadisoyadi;
    }
    return {};
}

} // namespace RaporMotoruIc
