// A template prepared for one data source: generated columns, bands compiled
// in print order, fonts and fixed pictures resolved once, not per row.
#include "raporlar/motor/rapordizgi_ozel.h"

#include <QDir>
#include <QFileInfo>
#include <QFontMetricsF>
#include <QImageReader>
#include <QTextLayout>
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

// Texts are painted 0.5 mm in from either side of their box (raporcizim.cpp).
const qreal IC_PAY = 1.0;

qreal Dizgi::metinYuksekligi(const QString &metin, const QFont &f, qreal genislik, bool kaydir) const
{
    const qreal pxMm = 1200 / 25.4;
    QFontMetricsF fm(f, &m_olcum);
    if (metin.isEmpty())
        return fm.height() / pxMm;
    const qreal en = std::max<qreal>(genislik - IC_PAY, 0.5) * pxMm;
    // Most cells are one short line: no need to lay them out.
    if (!metin.contains(QLatin1Char('\n')) && (!kaydir || fm.horizontalAdvance(metin) <= en))
        return fm.height() / pxMm + 0.6;
    const QRectF r = fm.boundingRect(QRectF(0, 0, en, 1e7), kaydir ? int(Qt::TextWordWrap) : 0, metin);
    return r.height() / pxMm + 0.6;
}

bool Dizgi::metniBol(const QString &metin, const QFont &f, qreal genislik, bool kaydir, qreal yukseklik,
                     QString *ilk, QString *kalan) const
{
    const qreal pxMm = 1200 / 25.4;
    QString t = metin;
    t.replace(QLatin1Char('\n'), QChar::LineSeparator);
    QTextLayout dizgi(t, f, &m_olcum);
    QTextOption secenek;
    secenek.setWrapMode(kaydir ? QTextOption::WordWrap : QTextOption::ManualWrap);
    dizgi.setTextOption(secenek);
    // Line by line as the painter sets them, a line's full spacing each:
    // what is said to fit does fit.
    const QFontMetricsF fm(f, &m_olcum);
    const qreal satir = fm.lineSpacing();
    const qreal sinir = (yukseklik - 0.6) * pxMm;
    const qreal en = std::max<qreal>(genislik - IC_PAY, 0.5) * pxMm;
    qreal y = 0;
    int sigan = 0, kesYeri = -1;
    dizgi.beginLayout();
    for (;;) {
        QTextLine l = dizgi.createLine();
        if (!l.isValid())
            break;
        l.setLineWidth(en);
        const qreal h = std::max(l.height(), satir);
        if (y + h > sinir) {
            kesYeri = l.textStart();
            break;
        }
        y += h;
        ++sigan;
    }
    dizgi.endLayout();
    if (kesYeri < 0) {
        *ilk = metin;
        kalan->clear();
        return true;
    }
    if (sigan == 0)
        return false;
    QString u = t.left(kesYeri), a = t.mid(kesYeri);
    while (!u.isEmpty() && (u.back() == QChar::LineSeparator || u.back().isSpace()))
        u.chop(1);
    while (!a.isEmpty() && a.front() == QChar::LineSeparator)
        a.remove(0, 1);
    *ilk = u.replace(QChar::LineSeparator, QLatin1Char('\n'));
    *kalan = a.replace(QChar::LineSeparator, QLatin1Char('\n'));
    return true;
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

namespace {

// Columns of this program's tables that hold money print as amounts even
// when every value happens to be whole; other whole numbers print plainly.
bool tutarKolonuMu(const QString &ad)
{
    static const char *const KOKLER[] = {"BORC", "ALACAK", "BAKIYE", "TUTAR", "UCRET", "FIYAT",
                                         "MAAS", "TOPLAM", "ODEME", "TAHSILAT"};
    const QString a = ad.toUpper();
    for (const char *k : KOKLER)
        if (a.contains(QLatin1String(k)))
            return true;
    return false;
}

bool sayiTuru(int t)
{
    switch (t) {
    case QMetaType::Double: case QMetaType::Float: case QMetaType::Int: case QMetaType::UInt:
    case QMetaType::LongLong: case QMetaType::ULongLong: case QMetaType::Short: case QMetaType::UShort:
    case QMetaType::Long: case QMetaType::ULong:
        return true;
    default:
        return false;
    }
}

} // namespace

// A list turned to landscape: what was anchored to the right margin (the
// date, page numbers, rules across the page) stays there.
void Dizgi::yatayaCevir()
{
    const qreal eski = s.yaziAlaniGenisligi();
    s.yatay = true;
    const qreal fark = s.yaziAlaniGenisligi() - eski;
    auto sagda = [&](qreal x) { return std::abs(x - eski) < 0.5; };
    for (auto &b : s.bantlar) {
        if (b.otomatik)
            continue;
        for (auto &o : b.nesneler) {
            if (o.tur == NesneTuru::Cizgi) {
                if (sagda(o.cizgi.x1()))
                    o.cizgi.setP1(QPointF(o.cizgi.x1() + fark, o.cizgi.y1()));
                if (sagda(o.cizgi.x2()))
                    o.cizgi.setP2(QPointF(o.cizgi.x2() + fark, o.cizgi.y2()));
                o.alan = QRectF(o.cizgi.p1(), o.cizgi.p2()).normalized();
            } else if (sagda(o.alan.right())) {
                if (o.alan.left() < 0.5)
                    o.alan.setRight(o.alan.right() + fark);
                else
                    o.alan.translate(fark, 0);
            }
        }
    }
}

// The generic list: one column per data-source column, widths by content.
// Too wide for the page, it is set a little smaller, then turned to
// landscape and set smaller still (down to 6 pt); then its widest columns
// are cut to a common limit, and columns that cannot be shown even so are
// left out and named in a warning.
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
    const int kolonSayisi = int(kolonlar.size());
    std::vector<qreal> dogal;
    std::vector<bool> sayisal, tutar;
    for (int c = 0; c < kolonSayisi; ++c) {
        bool sayi = false, bulundu = false, ondalikTip = false, kesirli = false;
        for (int r = 0; r < ornek; ++r) {
            const QVariant v = k->deger(r, c);
            if (v.isNull())
                continue;
            const int t = v.metaType().id();
            if (!bulundu) {
                bulundu = true;
                sayi = sayiTuru(t);
            }
            if (t == QMetaType::Double || t == QMetaType::Float) {
                ondalikTip = true;
                const double x = v.toDouble();
                kesirli = kesirli || x != std::floor(x);
            }
        }
        // Whole numbers (counts, codes, numbers of integer columns) plainly;
        // amounts always with two decimals.
        const bool para = sayi && ondalikTip && (kesirli || tutarKolonuMu(kolonlar.at(c)));
        const QString bicim = para ? QStringLiteral("#,###.00") : QString();
        qreal g = fmKalin.horizontalAdvance(k->kolonBasligi(c));
        for (int r = 0; r < ornek; ++r)
            g = std::max(g, fmDuz.horizontalAdvance(RaporDegerMetni(k->deger(r, c), bicim)));
        dogal.push_back(g / pxMm + 2.5);   // inner margins and a gap
        sayisal.push_back(sayi);
        tutar.push_back(para);
    }
    qreal alan = s.yaziAlaniGenisligi();
    qreal toplam = 0;
    for (qreal g : dogal)
        toplam += g;
    qreal boyut = s.boyut;
    auto boyutla = [&](qreal yeni) {
        for (qreal &g : dogal)
            g *= yeni / boyut;
        toplam *= yeni / boyut;
        boyut = yeni;
    };
    const qreal okunur = std::min<qreal>(s.boyut, 7), enKucuk = std::min<qreal>(s.boyut, 6);
    if (toplam > alan && toplam * okunur / boyut <= alan) {
        boyutla(boyut * alan / toplam);
    } else if (toplam > alan) {
        if (!s.yatay) {
            yatayaCevir();
            alan = s.yaziAlaniGenisligi();
        }
        if (toplam > alan)
            boyutla(std::max(enKucuk, boyut * alan / toplam));
    }
    int adet = kolonSayisi;
    std::vector<qreal> genislik = dogal;
    if (toplam > alan + 0.01) {
        // A cut column still shows some six characters a line (longer values
        // wrap in a stretching detail band); as many columns as fit so go on
        // the page, in their order.
        const qreal enDar = (fmDuz.averageCharWidth() * 6 / pxMm) * boyut / s.boyut + 2.5;
        qreal sigan = 0;
        adet = 0;
        for (int c = 0; c < kolonSayisi; ++c) {
            const qreal en = std::min(dogal[c], enDar);
            if (adet > 0 && sigan + en > alan + 0.01)
                break;
            sigan += en;
            ++adet;
        }
        std::vector<qreal> sirali(dogal.begin(), dogal.begin() + adet);
        std::sort(sirali.begin(), sirali.end());
        qreal sinir = sirali.back(), once = 0;
        for (size_t i = 0; i < sirali.size(); ++i) {
            const qreal aday = (alan - once) / qreal(sirali.size() - i);
            if (aday <= sirali[i]) {
                sinir = aday;
                break;
            }
            once += sirali[i];
        }
        toplam = 0;
        for (int c = 0; c < adet; ++c) {
            genislik[c] = std::min(dogal[c], sinir);
            toplam += genislik[c];
        }
    }
    if (toplam > 0 && toplam < alan) {
        // Spare room goes to the columns in proportion.
        for (int c = 0; c < adet; ++c)
            genislik[c] *= alan / toplam;
    }
    if (adet < kolonSayisi) {
        QStringList disarida;
        for (int c = adet; c < kolonSayisi; ++c)
            disarida << k->kolonBasligi(c);
        uyar(QStringLiteral("Sayfaya sığmayan %1 kolon basılmadı: %2").arg(disarida.size()).arg(disarida.join(QStringLiteral(", "))));
    }
    qreal x = 0;
    for (int c = 0; c < adet; ++c) {
        const qreal g = genislik[c];
        // Only a column cut below its natural width has values to wrap; the
        // others are not measured row by row.
        const bool kesik = g < dogal[c] - 0.01;
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
            o.kaydir = baslik->esnek && kesik;
            baslik->nesneler.push_back(o);
        }
        if (detay) {
            RaporNesnesi o;
            o.alan = QRectF(x, 0, g, detay->yukseklik);
            o.metin = QLatin1Char('[') + kolonlar.at(c) + (tutar[c] ? QStringLiteral(":#,###.00") : QString())
                      + QLatin1Char(']');
            o.boyut = boyut;
            o.kaydir = detay->esnek && kesik;
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
    // A second header on a column already grouped has no level of its own
    // (RaporSablonu::denetle refuses such a template; here it is only skipped).
    for (const auto &b : s.bantlar)
        if (b.tur == BantTuru::GrupBasligi
            && std::find(m_grupKolonlari.begin(), m_grupKolonlari.end(), b.kolon.toUpper()) == m_grupKolonlari.end())
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
            const QFontMetricsF fm(dn.yaziTipi, &m_olcum);
            const qreal pxMm = 1200 / 25.4;
            dn.satirYuksekligi = fm.height() / pxMm + 0.6;
            dn.enGenisHarf = std::max({fm.horizontalAdvance(QLatin1Char('W')), fm.horizontalAdvance(QLatin1Char('M')),
                                       fm.horizontalAdvance(QLatin1Char('@'))}) / pxMm;
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
