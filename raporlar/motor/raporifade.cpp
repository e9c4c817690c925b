// Arithmetic over columns in placeholders and sums: [BORC-ALACAK],
// [#TOPLAM(MIKTAR*BIRIMFIYATI)].
#include "raporlar/motor/rapordizgi_ozel.h"

namespace RaporMotoruIc {

double Ifade::hesapla(const VeriKaynagi *k, int satir) const
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

namespace {

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

} // namespace

std::unique_ptr<Ifade> IfadeOku(const QString &metin, const VeriKaynagi *k, QStringList *eksikler)
{
    IfadeOkuyucu o(metin, k);
    auto e = o.oku();
    if (eksikler)
        *eksikler = o.eksikler;
    return e;
}

} // namespace RaporMotoruIc
