// Placeholders in texts: [KOLON], [KOLON:BİÇİM], [BORC-ALACAK:#,###.00],
// "[[" for a literal '['. A text is compiled once per band into plain parts,
// columns, expressions and system values, then evaluated for each row.
#include "raporlar/motor/rapordizgi_ozel.h"

namespace RaporMotoruIc {

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
    if (ifade.startsWith(QLatin1Char('#')))
        return sistemParcaDerle(icerik, ifade, p);
    if (k) {
        const int c = k->kolonSirasi(ifade);
        if (c >= 0) {
            p->tur = Parca::Kolon;
            p->kolon = c;
            return true;
        }
    }
    QStringList eksikler;
    auto e = IfadeOku(ifade, k, &eksikler);
    if (!e)
        return false;
    if (!eksikler.isEmpty()) {
        eksikKolonlar(eksikler, p);
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

// Columns the source lacks are reported once each; the text shows the first as [?KOLON].
void Dizgi::eksikKolonlar(const QStringList &eksikler, Parca *p)
{
    for (const QString &x : eksikler)
        uyar(QStringLiteral("Rapor şablonunda geçen [%1] alanı veri kaynağında yok").arg(x));
    p->tur = Parca::Duz;
    p->metin = QStringLiteral("[?") + eksikler.first() + QLatin1Char(']');
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

} // namespace RaporMotoruIc
