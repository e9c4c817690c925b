// A template prepared for one data source: generated columns, bands compiled
// in print order, fonts and fixed pictures resolved once, not per row.
#include "raporlar/motor/rapordizgi_ozel.h"

#include <QDir>
#include <QFileInfo>
#include <QFontMetricsF>
#include <QImageReader>
#include <algorithm>
#include <cmath>

namespace RaporMotoruIc {

void Dizgi::uyar(const QString &metin)
{
    if (!m_uyarilanlar.contains(metin)) {
        m_uyarilanlar.insert(metin);
        m_belge.uyarilar << metin;
    }
}

QFont Dizgi::yaziTipi(const RaporNesnesi &o) const
{
    QFont f(o.yaziTipi.isEmpty() ? s.yaziTipi : o.yaziTipi);
    f.setPointSizeF(o.boyut > 0 ? o.boyut : s.boyut);
    f.setBold(o.kalin);
    f.setItalic(o.italik);
    f.setUnderline(o.altCizili);
    return f;
}

qreal Dizgi::metinYuksekligi(const QString &metin, const QFont &f, qreal genislik) const
{
    const qreal pxMm = 1200 / 25.4;
    QFontMetricsF fm(f, &m_olcum);
    if (metin.isEmpty())
        return fm.height() / pxMm;
    const QRectF r = fm.boundingRect(QRectF(0, 0, genislik * pxMm, 1e7), Qt::TextWordWrap, metin);
    return r.height() / pxMm + 0.6;
}

QImage Dizgi::resimYukle(const QString &yol)
{
    if (yol.trimmed().isEmpty())
        return {};
    auto it = m_resimler.constFind(yol);
    if (it != m_resimler.constEnd())
        return *it;
    QString tam = yol;
    if (QFileInfo(yol).isRelative() && !s.dosyaYolu.isEmpty())
        tam = QFileInfo(s.dosyaYolu).dir().filePath(yol);
    QImageReader r(tam);
    r.setAutoTransform(true);
    QImage i = r.read();
    if (i.isNull())
        uyar(QStringLiteral("Resim okunamadı: %1").arg(QDir::toNativeSeparators(tam)));
    m_resimler.insert(yol, i);
    return i;
}

// The generic list: one column per data-source column, widths by content.
void Dizgi::otomatikKolonlar()
{
    RaporBandi *baslik = nullptr, *detay = nullptr;
    for (auto &b : s.bantlar) {
        if (!b.otomatik)
            continue;
        if (b.tur == BantTuru::KolonBasligi)
            baslik = &b;
        else if (b.tur == BantTuru::Detay)
            detay = &b;
    }
    if ((!baslik && !detay) || !k)
        return;
    const QStringList kolonlar = k->kolonlar();
    if (kolonlar.isEmpty())
        return;
    // Natural width of every column: its heading (bold) and its widest value
    // among the first rows, measured in the template's font.
    const int ornek = std::min(n, 300);
    const qreal pxMm = 1200 / 25.4;
    QFont duz(s.yaziTipi);
    duz.setPointSizeF(s.boyut);
    QFont kalin = duz;
    kalin.setBold(true);
    const QFontMetricsF fmDuz(duz, &m_olcum), fmKalin(kalin, &m_olcum);
    std::vector<qreal> dogal;
    std::vector<bool> sayisal, ondalik;
    for (int c = 0; c < kolonlar.size(); ++c) {
        bool sayi = false, kesirli = false, bulundu = false;
        for (int r = 0; r < ornek && !kesirli; ++r) {
            const QVariant v = k->deger(r, c);
            if (v.isNull())
                continue;
            const int t = v.metaType().id();
            if (!bulundu) {
                bulundu = true;
                sayi = t == QMetaType::Double || t == QMetaType::Int || t == QMetaType::LongLong
                    || t == QMetaType::Float;
            }
            kesirli = t == QMetaType::Double || t == QMetaType::Float;
        }
        const QString bicim = kesirli ? QStringLiteral("#,###.00") : QString();
        qreal g = fmKalin.horizontalAdvance(k->kolonBasligi(c));
        for (int r = 0; r < ornek; ++r)
            g = std::max(g, fmDuz.horizontalAdvance(RaporDegerMetni(k->deger(r, c), bicim)));
        dogal.push_back(g / pxMm + 2.5);   // inner margins and a gap
        sayisal.push_back(sayi);
        ondalik.push_back(kesirli);
    }
    const qreal alan = s.yaziAlaniGenisligi();
    qreal toplam = 0;
    for (qreal g : dogal)
        toplam += g;
    // Too wide: a smaller font first (down to 6 pt), then the widest columns
    // are cut to a common limit so that short ones stay whole.
    qreal boyut = s.boyut;
    if (toplam > alan) {
        const qreal oran = std::max<qreal>(6.0 / s.boyut, alan / toplam);
        boyut = s.boyut * std::min<qreal>(1, oran);
        for (qreal &g : dogal)
            g *= boyut / s.boyut;
        toplam *= boyut / s.boyut;
    }
    std::vector<qreal> genislik = dogal;
    if (toplam > alan) {
        std::vector<qreal> sirali = dogal;
        std::sort(sirali.begin(), sirali.end());
        qreal sinir = sirali.back(), once = 0;
        for (size_t i = 0; i < sirali.size(); ++i) {
            const qreal kalan = alan - once;
            const qreal aday = kalan / qreal(sirali.size() - i);
            if (aday <= sirali[i]) {
                sinir = aday;
                break;
            }
            once += sirali[i];
        }
        for (qreal &g : genislik)
            g = std::min(g, sinir);
    } else {
        // Spare room goes to the columns in proportion.
        for (qreal &g : genislik)
            g *= alan / toplam;
    }
    qreal x = 0;
    for (int c = 0; c < kolonlar.size(); ++c) {
        const qreal g = genislik[c];
        const Qt::Alignment hiza = (sayisal[c] ? Qt::AlignRight : Qt::AlignLeft) | Qt::AlignVCenter;
        if (baslik) {
            RaporNesnesi o;
            o.alan = QRectF(x, 0, g, baslik->yukseklik);
            o.metin = k->kolonBasligi(c);
            o.metin.replace(QLatin1Char('['), QStringLiteral("[["));
            o.kalin = true;
            o.boyut = boyut;
            o.kenar = KenarAlt;
            o.hiza = hiza;
            baslik->nesneler.push_back(o);
        }
        if (detay) {
            RaporNesnesi o;
            o.alan = QRectF(x, 0, g, detay->yukseklik);
            o.metin = QLatin1Char('[') + kolonlar.at(c) + (ondalik[c] ? QStringLiteral(":#,###.00") : QString())
                      + QLatin1Char(']');
            o.boyut = boyut;
            o.kaydir = detay->esnek;
            o.hiza = hiza;
            detay->nesneler.push_back(o);
        }
        x += g;
    }
}

void Dizgi::derle()
{
    // Group levels: the columns of the group headers in order, then any
    // footer whose column has no header.
    for (const auto &b : s.bantlar)
        if (b.tur == BantTuru::GrupBasligi)
            m_grupKolonlari.push_back(b.kolon.toUpper());
    for (const auto &b : s.bantlar)
        if (b.tur == BantTuru::GrupSonu
            && std::find(m_grupKolonlari.begin(), m_grupKolonlari.end(), b.kolon.toUpper()) == m_grupKolonlari.end())
            m_grupKolonlari.push_back(b.kolon.toUpper());
    m_grupBasliklari.assign(m_grupKolonlari.size(), nullptr);
    m_grupSonlari.assign(m_grupKolonlari.size(), nullptr);

    m_bantlar.reserve(s.bantlar.size());
    for (const auto &b : s.bantlar) {
        if (b.tur == BantTuru::AltDetay) {
            // Compiled against each row's sub-source when it prints.
            if (!m_altBant)
                m_altBant = &b;
            continue;
        }
        DBant db = bantDerle(b);
        if (b.tur == BantTuru::GrupBasligi || b.tur == BantTuru::GrupSonu) {
            const auto it = std::find(m_grupKolonlari.begin(), m_grupKolonlari.end(), b.kolon.toUpper());
            db.seviye = int(it - m_grupKolonlari.begin());
            db.anahtar = metinDerle(QLatin1Char('[') + b.kolon + QLatin1Char(']'));
        }
        m_bantlar.push_back(std::move(db));
    }
    baglariKur();
}

DBant Dizgi::bantDerle(const RaporBandi &b)
{
    DBant db;
    db.b = &b;
    // Print order within a band: top to bottom, left to right.
    std::vector<const RaporNesnesi *> sirali;
    for (const auto &o : b.nesneler)
        sirali.push_back(&o);
    std::stable_sort(sirali.begin(), sirali.end(), [](const RaporNesnesi *a, const RaporNesnesi *c) {
        if (std::abs(a->alan.top() - c->alan.top()) > 0.5)
            return a->alan.top() < c->alan.top();
        return a->alan.left() < c->alan.left();
    });
    for (const RaporNesnesi *o : sirali) {
        DNesne dn;
        dn.n = o;
        if (o->tur == NesneTuru::Metin) {
            dn.metin = metinDerle(o->metin);
            dn.yaziTipi = yaziTipi(*o);
        } else if (o->tur == NesneTuru::Resim) {
            dn.dosya = metinDerle(o->dosya);
            if (dn.dosya.sabit)
                dn.resim = resimYukle(dn.dosya.sabitMetin);
        }
        db.nesneler.push_back(std::move(dn));
    }
    return db;
}

void Dizgi::baglariKur()
{
    for (const auto &db : m_bantlar) {
        switch (db.b->tur) {
        case BantTuru::RaporBasligi: if (!m_raporBasligi) m_raporBasligi = &db; break;
        case BantTuru::SayfaBasligi: if (!m_sayfaBasligi) m_sayfaBasligi = &db; break;
        case BantTuru::KolonBasligi: if (!m_kolonBasligi) m_kolonBasligi = &db; break;
        case BantTuru::Detay: if (!m_detay) m_detay = &db; break;
        case BantTuru::Ozet: if (!m_ozet) m_ozet = &db; break;
        case BantTuru::SayfaAltligi: if (!m_sayfaAltligi) m_sayfaAltligi = &db; break;
        case BantTuru::GrupBasligi: if (!m_grupBasliklari[db.seviye]) m_grupBasliklari[db.seviye] = &db; break;
        case BantTuru::GrupSonu: if (!m_grupSonlari[db.seviye]) m_grupSonlari[db.seviye] = &db; break;
        case BantTuru::AltDetay: break;
        }
    }
    const size_t g = m_grupKolonlari.size();
    d.grupAdet.assign(g, 0);
    d.toplam.assign(m_toplayicilar.size(), 0);
    d.sayfa.assign(m_toplayicilar.size(), 0);
    d.grup.assign(m_toplayicilar.size(), std::vector<double>(g, 0));
    for (auto &t : m_toplayicilar)
        for (int r = 0; r < n; ++r)
            t.genel += t.ifade->hesapla(k, r);
}

} // namespace RaporMotoruIc
