#include "app/parametre.h"

#include "db/sqltext.h"
#include "db/sorgu.h"

bool ParametreOku(const QString &formadi, QStringList &slotlar, const QString &baglanti)
{
    SqlMetni m;
    m.bas = SelectBasi(QStringLiteral("formparemetreleri"));
    m.ekle(QStringLiteral(" and formadi =") + SqlQuote(formadi));
    m.ekle(QStringLiteral(" and sirketkodu =") + SqlQuote(QStringLiteral("SISTEM")));
    m.siralama = QStringLiteral("order by formparemetreleri.kayitno");
    const auto s = Sorgu::sec(m.metin(), {}, baglanti);
    if (!s)
        return false;
    // Parameters are positions: row n fills slot n, extra rows are ignored,
    // slots without a row keep what they had.
    const int sutun = s->kolonSirasi(QStringLiteral("PARAMETREDEGERI"));
    const int n = std::min<qsizetype>(s->satirlar.size(), slotlar.size());
    for (int i = 0; i < n; ++i) {
        const QVariant v = sutun >= 0 ? s->satirlar.at(i).at(sutun) : QVariant();
        slotlar[i] = v.isNull() ? QString() : v.toString();
    }
    return true;
}
