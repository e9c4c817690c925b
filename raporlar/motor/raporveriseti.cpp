// A data set as a report's data source. Kept in its own file so that code
// using only the other sources does not need the data set.
#include "raporlar/motor/rapor.h"

#include "db/veriseti.h"

VeriSetiKaynagi::VeriSetiKaynagi(const VeriSeti &veriSeti)
    : m_vs(veriSeti)
{
}

int VeriSetiKaynagi::satirSayisi() const
{
    // Every row of the select, not only the windows read so far.
    return m_vs.kesinKayitSayisi();
}

QStringList VeriSetiKaynagi::kolonlar() const
{
    // The select may change between reports; read the names afresh.
    m_kolonlar = m_vs.sonucKolonlari();
    return m_kolonlar;
}

QString VeriSetiKaynagi::kolonBasligi(int kolon) const
{
    if (m_kolonlar.isEmpty())
        kolonlar();
    const QString ad = m_kolonlar.value(kolon);
    return m_basliklar.value(ad, ad);
}

QVariant VeriSetiKaynagi::deger(int satir, int kolon) const
{
    if (m_kolonlar.isEmpty())
        kolonlar();
    if (kolon < 0 || kolon >= m_kolonlar.size())
        return {};
    return m_vs.satirDegeri(satir, m_kolonlar.at(kolon));
}
