// Page layout: bands placed one under another, a new page when the next band
// does not fit, group headers and footers where the group value changes,
// sub-rows under their row, the page count filled in at the end.
#include "raporlar/motor/rapordizgi_ozel.h"
#include "raporlar/motor/rapormotoru_ozel.h"

#include <QFontMetricsF>
#include <QTextLayout>

#include <algorithm>
#include <cmath>

namespace RaporMotoruIc {

namespace {

const qreal ESIK = 0.01;   // mm: closer than this counts as touching

// Whether a grown object a lies over hedef sideways; a zero-width rule counts when it touches.
bool yandanKesisir(const QRectF &a, const QRectF &hedef)
{
    if (hedef.width() < ESIK)
        return a.left() - ESIK <= hedef.left() && hedef.left() <= a.right() + ESIK;
    return a.left() < hedef.right() - ESIK && hedef.left() < a.right() - ESIK;
}

// A one-line text of Latin letters that fits its width even if every letter
// were the widest: most list cells, measured without laying them out.
bool kisaMi(const QString &metin, bool sigar)
{
    if (!sigar)
        return false;
    for (const QChar c : metin)
        if (c.unicode() >= 0x0250 || c == QLatin1Char('\n'))
            return false;
    return true;
}

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

BantDizimi Dizgi::bantDiz(const DBant &b, const std::vector<QString> &m) const
{
    BantDizimi z;
    z.yukseklik = b.b->yukseklik;
    z.yerler.reserve(b.nesneler.size());
    for (size_t i = 0; i < b.nesneler.size(); ++i) {
        const RaporNesnesi &o = *b.nesneler[i].n;
        Yer y;
        y.nesne = i;
        y.metin = m[i];
        y.alan = o.alan;
        y.cizgi = o.cizgi;
        y.uzar = o.tur == NesneTuru::Metin && (o.uzar || (b.b->esnek && o.kaydir));
        z.yerler.push_back(std::move(y));
    }
    uzat(b, z, b.b->yukseklik);
    return z;
}

// Texts that grow take the room their text needs; whatever lies under a
// grown text (overlapping it sideways) moves down by as much, chained down
// the band; a box stretches over what grew inside it, a rule's ends move
// with what lies above them, and the band grows to hold it all.
void Dizgi::uzat(const DBant &b, BantDizimi &z, qreal taban) const
{
    const size_t n = z.yerler.size();
    std::vector<qreal> buyume(n, 0);
    bool var = false;
    for (size_t i = 0; i < n; ++i) {
        const Yer &y = z.yerler[i];
        if (!y.uzar || y.metin.isEmpty())
            continue;
        const DNesne &dn = b.nesneler[y.nesne];
        const qreal gerek = kisaMi(y.metin, dn.enGenisHarf * y.metin.size() <= y.alan.width() - 1.0)
                                ? dn.satirYuksekligi
                                : metinYuksekligi(y.metin, dn.yaziTipi, y.alan.width(), dn.n->kaydir);
        if (gerek > y.alan.height() + ESIK) {
            buyume[i] = gerek - y.alan.height();
            var = true;
        }
    }
    if (!var)
        return;
    auto tur = [&](size_t i) { return b.nesneler[z.yerler[i].nesne].n->tur; };
    std::vector<size_t> sira;
    sira.reserve(n);
    for (size_t i = 0; i < n; ++i)
        if (tur(i) != NesneTuru::Cizgi)
            sira.push_back(i);
    // By bottom edge, a box after what ends where it ends: everything an
    // object's move depends on is known when its turn comes.
    std::stable_sort(sira.begin(), sira.end(), [&](size_t a, size_t c) {
        const qreal aa = z.yerler[a].alan.bottom(), ca = z.yerler[c].alan.bottom();
        if (std::abs(aa - ca) > ESIK)
            return aa < ca;
        return tur(a) != NesneTuru::Kutu && tur(c) == NesneTuru::Kutu;
    });
    std::vector<qreal> ust(n, 0), alt(n, 0);
    std::vector<bool> bitti(n, false);
    auto kayma = [&](qreal y, const QRectF &hedef, size_t haric) {
        qreal k = 0;
        for (size_t j : sira)
            if (bitti[j] && j != haric && z.yerler[j].alan.bottom() <= y + ESIK
                && yandanKesisir(z.yerler[j].alan, hedef))
                k = std::max(k, alt[j]);
        return k;
    };
    for (size_t i : sira) {
        const QRectF &a = z.yerler[i].alan;
        ust[i] = kayma(a.top(), a, i);
        alt[i] = ust[i] + buyume[i];
        if (tur(i) == NesneTuru::Kutu)
            alt[i] = std::max(alt[i], kayma(a.bottom(), a, i));
        bitti[i] = true;
    }
    // The band keeps the blank strip it had under its lowest object.
    qreal enAlt = 0, yeniAlt = 0;
    for (size_t i : sira) {
        enAlt = std::max(enAlt, z.yerler[i].alan.bottom());
        yeniAlt = std::max(yeniAlt, z.yerler[i].alan.bottom() + alt[i]);
    }
    std::vector<QLineF> cizgiler(n);
    for (size_t i = 0; i < n; ++i) {
        if (tur(i) != NesneTuru::Cizgi)
            continue;
        const QLineF &c = z.yerler[i].cizgi;
        auto uc = [&](const QPointF &p) {
            const QRectF yer(std::min(c.x1(), c.x2()), p.y(), std::abs(c.x2() - c.x1()), 0);
            return QPointF(p.x(), p.y() + kayma(p.y(), yer, n));
        };
        cizgiler[i] = QLineF(uc(c.p1()), uc(c.p2()));
        enAlt = std::max({enAlt, c.y1(), c.y2()});
        const bool tabanda = std::max(c.y1(), c.y2()) >= taban - ESIK;
        if (!tabanda)
            yeniAlt = std::max({yeniAlt, cizgiler[i].y1(), cizgiler[i].y2()});
    }
    const qreal bosluk = std::max<qreal>(0, taban - enAlt);
    const qreal h = std::max(taban, yeniAlt + bosluk);
    for (size_t i = 0; i < n; ++i) {
        Yer &y = z.yerler[i];
        if (tur(i) == NesneTuru::Cizgi) {
            QLineF c = cizgiler[i];
            // A rule reaching the band's foot (a column separator) reaches the grown foot.
            if (y.cizgi.y1() >= taban - ESIK)
                c.setP1(QPointF(c.x1(), h));
            if (y.cizgi.y2() >= taban - ESIK)
                c.setP2(QPointF(c.x2(), h));
            y.cizgi = c;
            y.alan = QRectF(c.p1(), c.p2()).normalized();
            continue;
        }
        const QRectF eski = y.alan;
        y.alan = QRectF(QPointF(eski.left(), eski.top() + ust[i]), QPointF(eski.right(), eski.bottom() + alt[i]));
        // In a stretching band the wrapped texts of its lowest row reach the
        // grown foot, so that framed cells of a row stay one height.
        if (b.b->esnek && tur(i) == NesneTuru::Metin && b.nesneler[y.nesne].n->kaydir) {
            bool altindaVar = false;
            for (size_t j : sira)
                if (j != i && z.yerler[j].alan.top() >= eski.bottom() - ESIK && yandanKesisir(eski, z.yerler[j].alan))
                    altindaVar = true;
            if (!altindaVar)
                y.alan.setBottom(std::max(y.alan.bottom(), h - std::max<qreal>(0, taban - eski.bottom())));
        }
    }
    z.yukseklik = h;
}

// Where a band too tall for the room left is cut: as low as the room allows,
// then up to the top of any picture the cut would cross and of any text not
// one line of which fits above it. Boxes and rules are cut anywhere, texts
// between their lines. False when nothing fits at all; on a page that holds
// nothing yet (zorla) something always goes on it, even if it runs over.
bool Dizgi::kes(const DBant &b, const BantDizimi &z, qreal oda, bool zorla, BantDizimi *ilk,
                BantDizimi *kalan) const
{
    auto tur = [&](const Yer &y) { return b.nesneler[y.nesne].n->tur; };
    auto bolunur = [&](const Yer &y, qreal kesim, QString *ust, QString *alt) {
        if (tur(y) == NesneTuru::Kutu || tur(y) == NesneTuru::Cizgi)
            return true;
        if (tur(y) == NesneTuru::Resim)
            return false;
        if (y.metin.isEmpty()) {
            ust->clear();
            alt->clear();
            return true;
        }
        const DNesne &dn = b.nesneler[y.nesne];
        return metniBol(y.metin, dn.yaziTipi, y.alan.width(), dn.n->kaydir, kesim - y.alan.top(), ust, alt);
    };
    auto kesiyor = [](const QRectF &a, qreal kesim) { return a.top() < kesim - ESIK && a.bottom() > kesim + ESIK; };
    qreal kesim = std::max<qreal>(oda, 0);
    for (bool degisti = true; degisti;) {
        degisti = false;
        for (const Yer &y : z.yerler) {
            QString u, a;
            if (tur(y) != NesneTuru::Cizgi && kesiyor(y.alan, kesim) && !bolunur(y, kesim, &u, &a)) {
                kesim = y.alan.top();
                degisti = true;
            }
        }
    }
    bool butunKoy = false;
    if (kesim <= ESIK) {
        if (!zorla)
            return false;
        kesim = std::max<qreal>(oda, 1);
        butunKoy = true;
    }
    ilk->yerler.clear();
    kalan->yerler.clear();
    ilk->yukseklik = kesim;
    kalan->yukseklik = std::max<qreal>(0, z.yukseklik - kesim);
    for (const Yer &y : z.yerler) {
        if (tur(y) == NesneTuru::Cizgi) {
            const QLineF &c = y.cizgi;
            const qreal lo = std::min(c.y1(), c.y2()), hi = std::max(c.y1(), c.y2());
            Yer u = y, a = y;
            if (hi <= kesim + ESIK) {
                ilk->yerler.push_back(u);
            } else if (lo >= kesim - ESIK) {
                a.cizgi.translate(0, -kesim);
                a.alan.translate(0, -kesim);
                kalan->yerler.push_back(a);
            } else {
                const qreal t = (kesim - c.y1()) / (c.y2() - c.y1());
                const QPointF p = c.pointAt(t);
                const QPointF ustUc = c.y1() < c.y2() ? c.p1() : c.p2();
                const QPointF altUc = c.y1() < c.y2() ? c.p2() : c.p1();
                u.cizgi = QLineF(ustUc, p);
                u.alan = QRectF(u.cizgi.p1(), u.cizgi.p2()).normalized();
                a.cizgi = QLineF(p, altUc).translated(0, -kesim);
                a.alan = QRectF(a.cizgi.p1(), a.cizgi.p2()).normalized();
                ilk->yerler.push_back(u);
                kalan->yerler.push_back(a);
            }
            continue;
        }
        if (y.alan.bottom() <= kesim + ESIK) {
            ilk->yerler.push_back(y);
            continue;
        }
        if (y.alan.top() >= kesim - ESIK) {
            Yer a = y;
            a.alan.translate(0, -kesim);
            kalan->yerler.push_back(a);
            continue;
        }
        QString ustMetin, altMetin;
        if (!bolunur(y, kesim, &ustMetin, &altMetin)) {
            // Only on an empty page: it goes here whole and runs over.
            Q_ASSERT(butunKoy);
            ilk->yerler.push_back(y);
            ilk->yukseklik = std::max(ilk->yukseklik, y.alan.bottom());
            continue;
        }
        Yer u = y, a = y;
        u.alan.setBottom(kesim);
        a.alan = QRectF(y.alan.left(), 0, y.alan.width(), y.alan.bottom() - kesim);
        if (tur(y) == NesneTuru::Metin) {
            u.metin = ustMetin;
            a.metin = altMetin;
        }
        ilk->yerler.push_back(u);
        if (tur(y) != NesneTuru::Metin || !altMetin.isEmpty())
            kalan->yerler.push_back(a);
    }
    // The rest of a cut text may want a little more room than it had.
    uzat(b, *kalan, kalan->yukseklik);
    return true;
}

void Dizgi::bolerekKoy(const DBant &b, BantDizimi z, const Baglam &c)
{
    // However the template is made, the pages come to an end.
    for (int tur = 0; tur < 10000; ++tur) {
        const qreal oda = m_sinir - m_y;
        if (z.yukseklik <= oda + 0.001)
            break;
        BantDizimi ilk, kalan;
        if (!kes(b, z, oda, !m_icerikVar, &ilk, &kalan)) {
            sayfaDegistir(c.satir);
            continue;
        }
        koy(b, ilk);
        m_icerikVar = true;
        if (kalan.yerler.empty())
            return;
        sayfaDegistir(c.satir);
        z = std::move(kalan);
    }
    koy(b, z);
}

// Room for bands on a page after the first, under the bands every page starts with.
qreal Dizgi::bosSayfaOdasi() const
{
    qreal y = s.ustBosluk;
    if (m_sayfaBasligi)
        y += m_sayfaBasligi->b->yukseklik;
    if (m_kolonBasligi)
        y += m_kolonBasligi->b->yukseklik;
    for (int l = 0; l < m_acikGrup && l < int(m_grupBasliklari.size()); ++l)
        if (m_grupBasliklari[l] && m_grupBasliklari[l]->b->tekrarla)
            y += m_grupBasliklari[l]->b->yukseklik;
    return s.sayfaBoyutu().height() - s.altBosluk - (m_sayfaAltligi ? m_sayfaAltligi->b->yukseklik : 0) - y;
}

void Dizgi::koy(const DBant &b, const BantDizimi &z)
{
    const qreal x0 = s.solBosluk, y0 = m_y;
    for (const Yer &y : z.yerler) {
        const DNesne &dn = b.nesneler[y.nesne];
        const RaporNesnesi &o = *dn.n;
        RaporOgesi ogesi;
        ogesi.tur = o.tur;
        ogesi.bant = b.b->tur;
        ogesi.ad = o.ad;
        ogesi.alan = y.alan.translated(x0, y0);
        ogesi.renk = o.renk;
        ogesi.dolgu = o.dolgu;
        ogesi.kalinlik = o.kalinlik;
        ogesi.kenar = o.kenar;
        switch (o.tur) {
        case NesneTuru::Metin:
            ogesi.metin = y.metin;
            ogesi.yaziTipi = dn.yaziTipi;
            ogesi.hiza = o.hiza;
            ogesi.kaydir = o.kaydir;
            ogesi.kirp = o.kirp;
            break;
        case NesneTuru::Cizgi:
            ogesi.cizgi = y.cizgi.translated(x0, y0);
            break;
        case NesneTuru::Kutu:
            break;
        case NesneTuru::Resim:
            ogesi.resim = dn.dosya.sabit ? dn.resim : const_cast<Dizgi *>(this)->resimYukle(y.metin);
            ogesi.oranKoru = o.oranKoru;
            break;
        }
        m_sayfa->ogeler.push_back(std::move(ogesi));
    }
    m_y += z.yukseklik;
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
    koy(*m_sayfaAltligi, bantDiz(*m_sayfaAltligi, metinler(*m_sayfaAltligi, c)));
}

void Dizgi::sayfaDegistir(int satir)
{
    // Among sub-rows the page's header and footer still speak of the main row.
    const VeriKaynagi *altK = k;
    const int altN = n;
    if (m_altta) {
        k = m_anaK;
        n = m_anaN;
    }
    sayfaBitir();
    yeniSayfa(m_altta ? m_sonSatir : satir);
    if (m_altta) {
        k = altK;
        n = altN;
    }
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
    BantDizimi z = bantDiz(*b, m);
    const qreal esik = 0.001;
    if (kirilabilir && m_icerikVar && m_y + z.yukseklik + ekYukseklik > m_sinir + esik) {
        // A band goes to the next page when it fits there; one taller than a
        // whole page starts here and runs on.
        const qreal bos = bosSayfaOdasi();
        const bool tasi = z.yukseklik + ekYukseklik <= bos + esik
                       || (m_y + z.yukseklik > m_sinir + esik && z.yukseklik <= bos + esik);
        if (tasi) {
            if (detaySatiri >= 0)
                d = once;
            sayfaDegistir(c.satir);
            if (detaySatiri >= 0)
                isle(detaySatiri);
            m = metinler(*b, c);
            z = bantDiz(*b, m);
        }
    }
    if (kirilabilir && m_y + z.yukseklik > m_sinir + esik)
        bolerekKoy(*b, std::move(z), c);
    else
        koy(*b, z);
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
    QString cakisma;
    if (!s.denetle(&cakisma))
        uyar(cakisma + QStringLiteral(" İkincisi basılmadı."));
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
            if (b)
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
    if (iptal) {
        // Part of a report must not pass for all of it.
        m_belge.sayfalar.clear();
        m_belge.iptal = true;
        return std::move(m_belge);
    }
    {
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
