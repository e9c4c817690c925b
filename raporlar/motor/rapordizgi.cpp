// Page layout: bands placed one under another, a new page when the next band
// does not fit, group headers and footers where the group value changes,
// sub-rows under their row, the page count filled in at the end.
#include "raporlar/motor/rapordizgi_ozel.h"
#include "raporlar/motor/rapormotoru_ozel.h"

#include <algorithm>

namespace RaporMotoruIc {

namespace {

QImage olcumCihazi()
{
    QImage i(1, 1, QImage::Format_Mono);
    const int dpm = qRound(1200 / 0.0254);
    i.setDotsPerMeterX(dpm);
    i.setDotsPerMeterY(dpm);
    return i;
}

} // namespace

Dizgi::Dizgi(const RaporSablonu &sablon, const VeriKaynagi *kaynak, const QString &baslik,
             const Rapor::AltKaynak &altKaynak)
    : s(sablon), k(kaynak), m_baslik(baslik), m_olcum(olcumCihazi()), m_altKaynak(altKaynak)
{
    n = k ? k->satirSayisi() : 0;
}

std::vector<QString> Dizgi::metinler(const DBant &b, const Baglam &c) const
{
    std::vector<QString> m;
    m.reserve(b.nesneler.size());
    for (const DNesne &o : b.nesneler)
        m.push_back(o.n->tur == NesneTuru::Metin ? degerlendir(o.metin, c)
                    : o.n->tur == NesneTuru::Resim ? degerlendir(o.dosya, c) : QString());
    return m;
}

qreal Dizgi::bantYuksekligi(const DBant &b, const std::vector<QString> &m) const
{
    qreal h = b.b->yukseklik;
    if (!b.b->esnek)
        return h;
    for (size_t i = 0; i < b.nesneler.size(); ++i) {
        const RaporNesnesi &o = *b.nesneler[i].n;
        if (o.tur == NesneTuru::Metin && o.kaydir && !m[i].isEmpty())
            h = std::max(h, o.alan.top() + metinYuksekligi(m[i], b.nesneler[i].yaziTipi, o.alan.width()));
    }
    return h;
}

void Dizgi::koy(const DBant &b, const std::vector<QString> &m, const Baglam &c, qreal h)
{
    Q_UNUSED(c);
    const qreal x0 = s.solBosluk, y0 = m_y;
    for (size_t i = 0; i < b.nesneler.size(); ++i) {
        const DNesne &dn = b.nesneler[i];
        const RaporNesnesi &o = *dn.n;
        RaporOgesi ogesi;
        ogesi.tur = o.tur;
        ogesi.bant = b.b->tur;
        ogesi.ad = o.ad;
        ogesi.alan = o.alan.translated(x0, y0);
        ogesi.renk = o.renk;
        ogesi.dolgu = o.dolgu;
        ogesi.kalinlik = o.kalinlik;
        ogesi.kenar = o.kenar;
        switch (o.tur) {
        case NesneTuru::Metin:
            ogesi.metin = m[i];
            ogesi.yaziTipi = dn.yaziTipi;
            ogesi.hiza = o.hiza;
            ogesi.kaydir = o.kaydir;
            ogesi.kirp = o.kirp;
            if (b.b->esnek && o.kaydir)
                ogesi.alan.setHeight(std::max(o.alan.height(), h - o.alan.top()));
            break;
        case NesneTuru::Cizgi:
            ogesi.cizgi = o.cizgi.translated(x0, y0);
            // A vertical rule spanning the band grows with it.
            if (b.b->esnek && qFuzzyCompare(o.cizgi.x1(), o.cizgi.x2())
                && std::max(o.cizgi.y1(), o.cizgi.y2()) >= b.b->yukseklik - 0.01) {
                if (ogesi.cizgi.y1() > ogesi.cizgi.y2())
                    ogesi.cizgi.setP1(QPointF(ogesi.cizgi.x1(), y0 + h));
                else
                    ogesi.cizgi.setP2(QPointF(ogesi.cizgi.x2(), y0 + h));
            }
            break;
        case NesneTuru::Kutu:
            break;
        case NesneTuru::Resim:
            ogesi.resim = dn.dosya.sabit ? dn.resim : const_cast<Dizgi *>(this)->resimYukle(m[i]);
            ogesi.oranKoru = o.oranKoru;
            break;
        }
        m_sayfa->ogeler.push_back(std::move(ogesi));
    }
    m_y += h;
}

void Dizgi::isle(int satir)
{
    ++d.adet;
    for (int &a : d.grupAdet)
        ++a;
    for (size_t t = 0; t < m_toplayicilar.size(); ++t) {
        const double v = m_toplayicilar[t].ifade->hesapla(k, satir);
        d.toplam[t] += v;
        d.sayfa[t] += v;
        for (double &g : d.grup[t])
            g += v;
    }
    m_sonSatir = satir;
}

void Dizgi::grupSifirla(int seviye)
{
    for (size_t l = size_t(seviye); l < d.grupAdet.size(); ++l) {
        d.grupAdet[l] = 0;
        for (auto &g : d.grup)
            g[l] = 0;
    }
}

void Dizgi::yeniSayfa(int satir)
{
    m_belge.sayfalar.emplace_back();
    m_sayfa = &m_belge.sayfalar.back();
    m_sayfa->boyut = s.sayfaBoyutu();
    ++m_sayfaNo;
    m_y = s.ustBosluk;
    m_sinir = m_sayfa->boyut.height() - s.altBosluk - (m_sayfaAltligi ? m_sayfaAltligi->b->yukseklik : 0);
    std::fill(d.sayfa.begin(), d.sayfa.end(), 0.0);
    m_icerikVar = false;
    const Baglam c{satir, -1};
    if (m_sayfaBasligi && (m_sayfaNo > 1 || m_sayfaBasligi->b->ilkSayfada))
        yerlestir(m_sayfaBasligi, c, -1, 0, false);
    if (m_sayfaNo == 1 && m_raporBasligi)
        yerlestir(m_raporBasligi, c, -1, 0, false);
    if (m_kolonBasligi)
        yerlestir(m_kolonBasligi, c, -1, 0, false);
    for (int l = 0; l < m_acikGrup && l < int(m_grupBasliklari.size()); ++l)
        if (m_grupBasliklari[l] && m_grupBasliklari[l]->b->tekrarla)
            yerlestir(m_grupBasliklari[l], Baglam{satir, l}, -1, 0, false);
}

void Dizgi::sayfaBitir()
{
    if (!m_sayfaAltligi || !m_sayfa)
        return;
    m_y = m_sayfa->boyut.height() - s.altBosluk - m_sayfaAltligi->b->yukseklik;
    const Baglam c{m_sonSatir, -1};
    const auto m = metinler(*m_sayfaAltligi, c);
    koy(*m_sayfaAltligi, m, c, m_sayfaAltligi->b->yukseklik);
}

void Dizgi::yerlestir(const DBant *b, const Baglam &c, int detaySatiri, qreal ekYukseklik, bool kirilabilir)
{
    if (!b)
        return;
    Durum once;
    if (detaySatiri >= 0) {
        once = d;
        isle(detaySatiri);
    }
    auto m = metinler(*b, c);
    qreal h = bantYuksekligi(*b, m);
    if (kirilabilir && m_icerikVar && m_y + h + ekYukseklik > m_sinir + 0.001) {
        if (detaySatiri >= 0)
            d = once;
        const VeriKaynagi *altK = k;
        const int altN = n;
        if (m_altta) {
            k = m_anaK;
            n = m_anaN;
        }
        sayfaBitir();
        yeniSayfa(m_altta ? m_sonSatir : c.satir);
        if (m_altta) {
            k = altK;
            n = altN;
        }
        if (detaySatiri >= 0)
            isle(detaySatiri);
        m = metinler(*b, c);
        h = bantYuksekligi(*b, m);
    }
    koy(*b, m, c, h);
    if (kirilabilir)
        m_icerikVar = true;
}

void Dizgi::altSatirlar(int satir)
{
    if (!m_altBant || !m_altKaynak)
        return;
    const std::shared_ptr<const VeriKaynagi> alt = m_altKaynak(satir);
    if (!alt || alt->satirSayisi() == 0)
        return;
    m_anaK = k;
    m_anaN = n;
    k = alt.get();
    n = alt->satirSayisi();
    m_altta = true;
    const DBant b = bantDerle(*m_altBant);
    for (int r = 0; r < n; ++r)
        yerlestir(&b, Baglam{r, -1});
    m_altta = false;
    k = m_anaK;
    n = m_anaN;
}

RaporBelgesi Dizgi::diz(const std::function<bool(int, int)> &ilerleme)
{
    m_belge.baslik = m_baslik;
    otomatikKolonlar();
    derle();
    const int g = int(m_grupKolonlari.size());
    yeniSayfa(n > 0 ? 0 : -1);
    std::vector<QString> onceki(g);
    const qreal detayH = m_detay ? m_detay->b->yukseklik : 0;
    bool iptal = false;
    for (int r = 0; r < n; ++r) {
        if (ilerleme && r % 250 == 0 && !ilerleme(r, n)) {
            iptal = true;
            break;
        }
        std::vector<QString> anahtar(g);
        int kirilma = g;
        for (int l = 0; l < g; ++l) {
            const DBant *b = m_grupBasliklari[l] ? m_grupBasliklari[l] : m_grupSonlari[l];
            anahtar[l] = degerlendir(b->anahtar, Baglam{r, l});
            if (kirilma == g && (r == 0 || anahtar[l] != onceki[l]))
                kirilma = l;
        }
        if (r > 0)
            for (int l = g - 1; l >= kirilma; --l) {
                m_acikGrup = l + 1;
                yerlestir(m_grupSonlari[l], Baglam{r - 1, l});
            }
        for (int l = kirilma; l < g; ++l) {
            m_acikGrup = l;
            grupSifirla(l);
            const DBant *b = m_grupBasliklari[l];
            if (!b)
                continue;
            if (b->b->yeniSayfa && r > 0 && m_icerikVar) {
                sayfaBitir();
                yeniSayfa(r);
            }
            // A group header never stays alone at the foot of a page.
            yerlestir(b, Baglam{r, l}, -1, detayH);
        }
        m_acikGrup = g;
        if (m_detay)
            yerlestir(m_detay, Baglam{r, -1}, r);
        else
            isle(r);
        altSatirlar(r);
        onceki = anahtar;
    }
    if (!iptal) {
        if (n > 0)
            for (int l = g - 1; l >= 0; --l) {
                m_acikGrup = l + 1;
                yerlestir(m_grupSonlari[l], Baglam{n - 1, l});
            }
        m_acikGrup = 0;
        yerlestir(m_ozet, Baglam{n > 0 ? n - 1 : -1, -1});
    }
    sayfaBitir();
    if (ilerleme)
        ilerleme(n, n);
    const QString sayfaSayisi = QString::number(m_belge.sayfalar.size());
    for (auto &sayfa : m_belge.sayfalar)
        for (auto &o : sayfa.ogeler)
            if (o.tur == NesneTuru::Metin && o.metin.contains(QChar(0xE000)))
                o.metin.replace(SAYFA_SAYISI_YERI, sayfaSayisi);
    return std::move(m_belge);
}

} // namespace RaporMotoruIc

RaporBelgesi RaporDiz(const RaporSablonu &sablon, const VeriKaynagi *kaynak,
                      const QHash<QString, QStringList> &notlar, const QString &baslik,
                      const std::function<bool(int, int)> &ilerleme, const Rapor::AltKaynak &altKaynak)
{
    RaporSablonu s = sablon;
    for (auto &b : s.bantlar)
        for (auto &o : b.nesneler)
            if (o.tur == NesneTuru::Metin && !o.ad.isEmpty()) {
                auto it = notlar.constFind(o.ad.toLower());
                if (it != notlar.constEnd())
                    o.metin = it->join(QLatin1Char('\n'));
            }
    RaporMotoruIc::Dizgi dz(s, kaynak, baslik, altKaynak);
    return dz.diz(ilerleme);
}
