// Page layout: template + data source -> pages of placed items.
#include "raporlar/motor/rapormotoru_ozel.h"

#include "app/mesaj.h"
#include "app/oturum.h"

#include <QDate>
#include <QDir>
#include <QFileInfo>
#include <QFontMetricsF>
#include <QImageReader>
#include <QTime>
#include <cmath>

namespace {

// Stands for the page count until the last page is known.
const QString SAYFA_SAYISI_YERI = QStringLiteral("\uE000#SS\uE001");

// ------------------------------------------------------------ expressions

struct Ifade
{
    enum Tur { Sayi, Kolon, Islem, Eksi } tur = Sayi;
    double sayi = 0;
    int kolon = -1;
    QChar op;
    std::unique_ptr<Ifade> sol, sag;

    double hesapla(const VeriKaynagi *k, int satir) const
    {
        switch (tur) {
        case Sayi:
            return sayi;
        case Kolon: {
            if (!k || kolon < 0 || satir < 0)
                return 0;
            const QVariant v = k->deger(satir, kolon);
            if (v.isNull())
                return 0;
            bool ok = false;
            double d = v.toDouble(&ok);
            if (!ok)
                d = v.toString().trimmed().replace(QLatin1Char(','), QLatin1Char('.')).toDouble(&ok);
            return ok ? d : 0;
        }
        case Eksi:
            return -sol->hesapla(k, satir);
        case Islem: {
            const double a = sol->hesapla(k, satir), b = sag->hesapla(k, satir);
            switch (op.unicode()) {
            case '+': return a + b;
            case '-': return a - b;
            case '*': return a * b;
            case '/': return b == 0 ? 0 : a / b;
            }
        }
        }
        return 0;
    }
};

// + - * / and parentheses over numbers and column names.
class IfadeOkuyucu
{
public:
    IfadeOkuyucu(const QString &s, const VeriKaynagi *k) : m_s(s), m_k(k) {}
    std::unique_ptr<Ifade> oku()
    {
        auto e = toplam();
        bosluk();
        if (!e || m_i != m_s.size())
            return nullptr;
        return e;
    }
    QStringList eksikler;   // column names the source lacks

private:
    void bosluk() { while (m_i < m_s.size() && m_s.at(m_i).isSpace()) ++m_i; }
    std::unique_ptr<Ifade> toplam()
    {
        auto sol = carpim();
        while (sol) {
            bosluk();
            if (m_i < m_s.size() && (m_s.at(m_i) == QLatin1Char('+') || m_s.at(m_i) == QLatin1Char('-'))) {
                auto e = std::make_unique<Ifade>();
                e->tur = Ifade::Islem;
                e->op = m_s.at(m_i++);
                e->sol = std::move(sol);
                e->sag = carpim();
                if (!e->sag)
                    return nullptr;
                sol = std::move(e);
            } else {
                break;
            }
        }
        return sol;
    }
    std::unique_ptr<Ifade> carpim()
    {
        auto sol = birim();
        while (sol) {
            bosluk();
            if (m_i < m_s.size() && (m_s.at(m_i) == QLatin1Char('*') || m_s.at(m_i) == QLatin1Char('/'))) {
                auto e = std::make_unique<Ifade>();
                e->tur = Ifade::Islem;
                e->op = m_s.at(m_i++);
                e->sol = std::move(sol);
                e->sag = birim();
                if (!e->sag)
                    return nullptr;
                sol = std::move(e);
            } else {
                break;
            }
        }
        return sol;
    }
    std::unique_ptr<Ifade> birim()
    {
        bosluk();
        if (m_i >= m_s.size())
            return nullptr;
        const QChar c = m_s.at(m_i);
        if (c == QLatin1Char('-')) {
            ++m_i;
            auto e = std::make_unique<Ifade>();
            e->tur = Ifade::Eksi;
            e->sol = birim();
            return e->sol ? std::move(e) : nullptr;
        }
        if (c == QLatin1Char('(')) {
            ++m_i;
            auto e = toplam();
            bosluk();
            if (!e || m_i >= m_s.size() || m_s.at(m_i) != QLatin1Char(')'))
                return nullptr;
            ++m_i;
            return e;
        }
        if (c.isDigit()) {
            const int bas = m_i;
            while (m_i < m_s.size() && (m_s.at(m_i).isDigit() || m_s.at(m_i) == QLatin1Char('.')
                                        || m_s.at(m_i) == QLatin1Char(',')))
                ++m_i;
            bool ok = false;
            auto e = std::make_unique<Ifade>();
            e->sayi = m_s.mid(bas, m_i - bas).replace(QLatin1Char(','), QLatin1Char('.')).toDouble(&ok);
            return ok ? std::move(e) : nullptr;
        }
        if (c.isLetter() || c == QLatin1Char('_')) {
            const int bas = m_i;
            while (m_i < m_s.size() && (m_s.at(m_i).isLetterOrNumber() || m_s.at(m_i) == QLatin1Char('_')
                                        || m_s.at(m_i) == QLatin1Char('$')))
                ++m_i;
            const QString ad = m_s.mid(bas, m_i - bas);
            auto e = std::make_unique<Ifade>();
            e->tur = Ifade::Kolon;
            e->kolon = m_k ? m_k->kolonSirasi(ad) : -1;
            if (e->kolon < 0)
                eksikler << ad;
            return e;
        }
        return nullptr;
    }

    QString m_s;
    const VeriKaynagi *m_k;
    int m_i = 0;
};

// ------------------------------------------------------------ compiled texts

enum class Sistem {
    Sayfa, SayfaSayisi, Tarih, Saat, Baslik, SatirNo, GrupSatirNo, KayitSayisi, Adet,
    Toplam, SayfaToplam, GrupToplam, GenelToplam, Sirket, SirketAdresi, Kullanici
};

struct Toplayici
{
    std::unique_ptr<Ifade> ifade;
    double genel = 0;
};

struct Parca
{
    enum Tur { Duz, Kolon, Hesap, Sistemsel } tur = Duz;
    QString metin;               // Duz: the text; otherwise the format
    int kolon = -1;
    std::shared_ptr<Ifade> ifade;
    Sistem sistem = Sistem::Sayfa;
    int yuva = -1;               // accumulator of a sum
};

struct DMetin
{
    std::vector<Parca> parcalar;
    bool sabit = true;
    QString sabitMetin;
};

struct DNesne
{
    const RaporNesnesi *n = nullptr;
    DMetin metin;
    DMetin dosya;
    QFont yaziTipi;
    QImage resim;                // fixed picture path: loaded once
};

struct DBant
{
    const RaporBandi *b = nullptr;
    std::vector<DNesne> nesneler;
    int seviye = -1;             // group bands
    DMetin anahtar;              // group header: the value whose change breaks
};

struct Baglam
{
    int satir = -1;
    int seviye = -1;
};

struct Durum
{
    int adet = 0;
    std::vector<int> grupAdet;
    std::vector<double> toplam, sayfa;
    std::vector<std::vector<double>> grup;   // [accumulator][level]
};

QImage olcumCihazi()
{
    QImage i(1, 1, QImage::Format_Mono);
    const int dpm = qRound(1200 / 0.0254);
    i.setDotsPerMeterX(dpm);
    i.setDotsPerMeterY(dpm);
    return i;
}

class Dizgi
{
public:
    Dizgi(const RaporSablonu &sablon, const VeriKaynagi *kaynak, const QString &baslik,
          const Rapor::AltKaynak &altKaynak)
        : s(sablon), k(kaynak), m_baslik(baslik), m_olcum(olcumCihazi()), m_altKaynak(altKaynak)
    {
        n = k ? k->satirSayisi() : 0;
    }

    RaporBelgesi diz(const std::function<bool(int, int)> &ilerleme);

private:
    void otomatikKolonlar();
    void derle();
    DBant bantDerle(const RaporBandi &b);
    void baglariKur();
    void altSatirlar(int satir);
    DMetin metinDerle(const QString &metin);
    bool parcaDerle(const QString &icerik, Parca *p);
    QString degerlendir(const DMetin &m, const Baglam &c) const;
    QString sistemDegeri(const Parca &p, const Baglam &c) const;
    void uyar(const QString &metin);
    QFont yaziTipi(const RaporNesnesi &n) const;
    qreal metinYuksekligi(const QString &metin, const QFont &f, qreal genislik) const;
    QImage resimYukle(const QString &yol);

    void isle(int satir);
    void grupSifirla(int seviye);
    void yeniSayfa(int satir);
    void sayfaBitir();
    void yerlestir(const DBant *b, const Baglam &c, int detaySatiri = -1, qreal ekYukseklik = 0,
                   bool kirilabilir = true);
    qreal bantYuksekligi(const DBant &b, const std::vector<QString> &metinler) const;
    std::vector<QString> metinler(const DBant &b, const Baglam &c) const;
    void koy(const DBant &b, const std::vector<QString> &metinler, const Baglam &c, qreal h);

    RaporSablonu s;
    const VeriKaynagi *k;
    QString m_baslik;
    int n = 0;
    QImage m_olcum;
    QDate m_bugun = QDate::currentDate();
    QTime m_saat = QTime::currentTime();

    std::vector<DBant> m_bantlar;    // compiled, same order as s.bantlar
    const DBant *m_raporBasligi = nullptr, *m_sayfaBasligi = nullptr, *m_kolonBasligi = nullptr,
                *m_detay = nullptr, *m_ozet = nullptr, *m_sayfaAltligi = nullptr;
    std::vector<const DBant *> m_grupBasliklari, m_grupSonlari;   // by level
    std::vector<QString> m_grupKolonlari;
    std::vector<Toplayici> m_toplayicilar;
    QHash<QString, QImage> m_resimler;

    Durum d;
    RaporBelgesi m_belge;
    RaporSayfasi *m_sayfa = nullptr;
    int m_sayfaNo = 0;
    qreal m_y = 0, m_sinir = 0;
    bool m_icerikVar = false;
    int m_sonSatir = -1;
    int m_acikGrup = 0;              // group levels open (their header printed, footer not yet)
    QSet<QString> m_uyarilanlar;
    // Sub-rows: while they print, k and n are the sub-source's.
    Rapor::AltKaynak m_altKaynak;
    const RaporBandi *m_altBant = nullptr;
    const VeriKaynagi *m_anaK = nullptr;
    int m_anaN = 0;
    bool m_altta = false;
};

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

bool Dizgi::parcaDerle(const QString &icerik, Parca *p)
{
    // A column whose name holds odd characters, as it is.
    if (k) {
        const int c = k->kolonSirasi(icerik.trimmed());
        if (c >= 0) {
            p->tur = Parca::Kolon;
            p->kolon = c;
            return true;
        }
    }
    QString ifade = icerik, bicim;
    // The format follows the first ':' outside parentheses.
    int derinlik = 0;
    for (int i = 0; i < icerik.size(); ++i) {
        const QChar ch = icerik.at(i);
        if (ch == QLatin1Char('(')) ++derinlik;
        else if (ch == QLatin1Char(')')) --derinlik;
        else if (ch == QLatin1Char(':') && derinlik == 0) {
            ifade = icerik.left(i);
            bicim = icerik.mid(i + 1);
            break;
        }
    }
    ifade = ifade.trimmed();
    p->metin = bicim;
    if (ifade.startsWith(QLatin1Char('#'))) {
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
            IfadeOkuyucu o(arg, k);
            auto e = o.oku();
            if (!e)
                return false;
            if (!o.eksikler.isEmpty()) {
                for (const QString &x : o.eksikler)
                    uyar(QStringLiteral("Rapor şablonunda geçen [%1] alanı veri kaynağında yok").arg(x));
                p->tur = Parca::Duz;
                p->metin = QStringLiteral("[?") + o.eksikler.first() + QLatin1Char(']');
                return true;
            }
            Toplayici t;
            t.ifade = std::move(e);
            m_toplayicilar.push_back(std::move(t));
            p->yuva = int(m_toplayicilar.size()) - 1;
        }
        return true;
    }
    if (k) {
        const int c = k->kolonSirasi(ifade);
        if (c >= 0) {
            p->tur = Parca::Kolon;
            p->kolon = c;
            return true;
        }
    }
    IfadeOkuyucu o(ifade, k);
    auto e = o.oku();
    if (!e)
        return false;
    if (!o.eksikler.isEmpty()) {
        for (const QString &x : o.eksikler)
            uyar(QStringLiteral("Rapor şablonunda geçen [%1] alanı veri kaynağında yok").arg(x));
        p->tur = Parca::Duz;
        p->metin = QStringLiteral("[?") + o.eksikler.first() + QLatin1Char(']');
        return true;
    }
    if (e->tur == Ifade::Kolon) {
        p->tur = Parca::Kolon;
        p->kolon = e->kolon;
        return true;
    }
    p->tur = Parca::Hesap;
    p->ifade = std::move(e);
    return true;
}

// "[[" is a literal '['.
DMetin Dizgi::metinDerle(const QString &metin)
{
    DMetin m;
    QString duz;
    int i = 0;
    auto duzEkle = [&] {
        if (!duz.isEmpty()) {
            Parca p;
            p.metin = duz;
            m.parcalar.push_back(p);
            duz.clear();
        }
    };
    while (i < metin.size()) {
        const QChar c = metin.at(i);
        if (c == QLatin1Char('[') && i + 1 < metin.size() && metin.at(i + 1) == QLatin1Char('[')) {
            duz += c;
            i += 2;
            continue;
        }
        if (c != QLatin1Char('[')) {
            duz += c;
            ++i;
            continue;
        }
        // The matching ']' (sums may nest parentheses, never brackets).
        const int son = metin.indexOf(QLatin1Char(']'), i + 1);
        if (son < 0) {
            duz += metin.mid(i);
            break;
        }
        const QString icerik = metin.mid(i + 1, son - i - 1);
        Parca p;
        if (parcaDerle(icerik, &p)) {
            if (p.tur == Parca::Duz) {
                duz += p.metin;
            } else {
                duzEkle();
                m.parcalar.push_back(p);
                m.sabit = false;
            }
        } else {
            const QString ad = icerik.section(QLatin1Char(':'), 0, 0).trimmed();
            uyar(ad.startsWith(QLatin1Char('#'))
                     ? QStringLiteral("Rapor şablonunda bilinmeyen sistem değeri: [%1]").arg(icerik)
                     : QStringLiteral("Rapor şablonunda geçen [%1] alanı veri kaynağında yok").arg(ad));
            duz += QStringLiteral("[?") + ad + QLatin1Char(']');
        }
        i = son + 1;
    }
    duzEkle();
    if (m.sabit)
        m.sabitMetin = m.parcalar.empty() ? QString() : m.parcalar.front().metin;
    return m;
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

QString Dizgi::degerlendir(const DMetin &m, const Baglam &c) const
{
    if (m.sabit)
        return m.sabitMetin;
    QString s;
    for (const Parca &p : m.parcalar) {
        switch (p.tur) {
        case Parca::Duz:
            s += p.metin;
            break;
        case Parca::Kolon:
            if (c.satir >= 0 && c.satir < n)
                s += RaporDegerMetni(k->deger(c.satir, p.kolon), p.metin);
            break;
        case Parca::Hesap:
            if (c.satir >= 0 && c.satir < n)
                s += RaporDegerMetni(QVariant(p.ifade->hesapla(k, c.satir)), p.metin);
            break;
        case Parca::Sistemsel:
            s += sistemDegeri(p, c);
            break;
        }
    }
    return s;
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

} // namespace

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
    Dizgi dz(s, kaynak, baslik, altKaynak);
    return dz.diz(ilerleme);
}

QStringList RaporSayfasi::metinler() const
{
    QStringList m;
    for (const auto &o : ogeler)
        if (o.tur == NesneTuru::Metin)
            m << o.metin;
    return m;
}

QStringList RaporSayfasi::metinler(BantTuru bant) const
{
    QStringList m;
    for (const auto &o : ogeler)
        if (o.tur == NesneTuru::Metin && o.bant == bant)
            m << o.metin;
    return m;
}

// ------------------------------------------------------------ Rapor

Rapor::Rapor() : d(std::make_unique<Ozel>()) {}
Rapor::~Rapor() = default;

void Rapor::baglan(const VeriKaynagi *kaynak) { d->kaynak = kaynak; }
const VeriKaynagi *Rapor::kaynak() const { return d->kaynak; }

bool Rapor::yukle(const QString &adVeyaYol, QString *hata)
{
    const QString yol = RaporSablonuBul(adVeyaYol);
    if (yol.isEmpty()) {
        if (hata)
            *hata = QStringLiteral("Rapor şablonu bulunamadı: %1").arg(QDir::toNativeSeparators(adVeyaYol));
        return false;
    }
    auto s = RaporSablonu::oku(yol, hata);
    if (!s)
        return false;
    sablonAyarla(*s);
    d->yol = yol;
    return true;
}

bool Rapor::yukle(const QString &adVeyaYol, QWidget *ust)
{
    QString hata;
    if (!yukle(adVeyaYol, &hata)) {
        Mesaj::hata(hata, ust);
        return false;
    }
    return true;
}

void Rapor::sablonAyarla(const RaporSablonu &sablon)
{
    d->sablon = sablon;
    d->yol = sablon.dosyaYolu;
    d->notlar.clear();
    for (const auto &b : sablon.bantlar)
        for (const auto &o : b.nesneler)
            if (o.tur == NesneTuru::Metin && !o.ad.isEmpty())
                d->notlar.insert(o.ad.toLower(), o.metin.isEmpty() ? QStringList() : o.metin.split(QLatin1Char('\n')));
}

const RaporSablonu &Rapor::sablon() const
{
    static const RaporSablonu bos;
    return d->sablon ? *d->sablon : bos;
}

bool Rapor::yukluMu() const { return d->sablon.has_value(); }
QString Rapor::sablonYolu() const { return d->yol; }

bool Rapor::notVarMi(const QString &ad) const { return d->notlar.contains(ad.toLower()); }

bool Rapor::notSatirEkle(const QString &ad, const QString &satir)
{
    auto it = d->notlar.find(ad.toLower());
    if (it == d->notlar.end())
        return false;
    it->append(satir);
    return true;
}

bool Rapor::notTemizle(const QString &ad) { return notAyarla(ad, {}); }

bool Rapor::notAyarla(const QString &ad, const QStringList &satirlar)
{
    auto it = d->notlar.find(ad.toLower());
    if (it == d->notlar.end())
        return false;
    *it = satirlar;
    return true;
}

QStringList Rapor::notSatirlari(const QString &ad) const { return d->notlar.value(ad.toLower()); }

void Rapor::baslikAyarla(const QString &baslik) { d->baslik = baslik; }
QString Rapor::baslik() const { return d->baslik; }

RaporBelgesi Rapor::olustur(const std::function<bool(int, int)> &ilerleme)
{
    RaporBelgesi b = RaporDiz(sablon(), d->kaynak, d->notlar, d->baslik, ilerleme, d->altKaynak);
    d->uyarilar = b.uyarilar;
    return b;
}

QStringList Rapor::uyarilar() const { return d->uyarilar; }

void Rapor::altKaynakAyarla(const AltKaynak &kaynak) { d->altKaynak = kaynak; }
