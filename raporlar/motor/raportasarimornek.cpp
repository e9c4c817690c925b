// The designer's sample rows (the bound source's first rows, or a sample
// query's) and what is made of them: the live first page beside the
// canvas, the preview window.
#include "raporlar/motor/raportasarim_ozel.h"

#include "app/mesaj.h"
#include "db/sorgu.h"

#include <QFileInfo>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QScrollArea>
#include <QTimer>
#include <QVBoxLayout>

using namespace RaporTasarimIc;

void RaporTasarim::ornekBolmesiKur(QWidget *sag, QVBoxLayout *sagL)
{
    auto *ornek = new QHBoxLayout;
    m_edtSorgu = new QLineEdit(sag);
    m_edtSorgu->setObjectName(QStringLiteral("edt_sorgu"));
    m_edtSorgu->setPlaceholderText(QStringLiteral("Örnek veri: select * from ..."));
    m_edtSorgu->setEnabled(m_kaynak == nullptr);
    auto *btnSorgu = dugme(sag, "btn_sorgu", QStringLiteral("Çalıştır"));
    btnSorgu->setEnabled(m_kaynak == nullptr);
    ornek->addWidget(m_edtSorgu, 1);
    ornek->addWidget(btnSorgu);
    sagL->addLayout(ornek);
    auto *canliAlan = new QScrollArea(sag);
    m_canli = new QLabel;
    m_canli->setObjectName(QStringLiteral("lbl_canli"));
    canliAlan->setWidget(m_canli);
    canliAlan->setMinimumHeight(260);
    sagL->addWidget(canliAlan, 1);

    m_canliZaman = new QTimer(this);
    m_canliZaman->setSingleShot(true);
    m_canliZaman->setInterval(400);
    connect(m_canliZaman, &QTimer::timeout, this, &RaporTasarim::canliYenile);

    connect(btnSorgu, &QPushButton::clicked, this, [this] {
        ornekSorguAyarla(m_edtSorgu->text());
        canliYenile();
    });
}

void RaporTasarim::ornekSorguAyarla(const QString &sql)
{
    m_ornekSql = sql.trimmed();
    m_edtSorgu->setText(m_ornekSql);
    m_ornek.reset();
}

void RaporTasarim::ornekKaynakHazirla()
{
    if (m_ornek)
        return;
    const int enCok = 60;
    if (m_kaynak) {
        QVector<QVariantList> satirlar;
        const int n = std::min(m_kaynak->satirSayisi(), enCok);
        const int k = int(m_kaynak->kolonlar().size());
        for (int r = 0; r < n; ++r) {
            QVariantList s;
            for (int c = 0; c < k; ++c)
                s << m_kaynak->deger(r, c);
            satirlar << s;
        }
        m_ornek = std::make_unique<TabloKaynagi>(m_kaynak->kolonlar(), satirlar);
        return;
    }
    if (m_ornekSql.isEmpty()) {
        m_ornek = std::make_unique<TabloKaynagi>();
        return;
    }
    // A typed statement is only read: a select, in a transaction that is
    // rolled back, so a "delete" typed here changes nothing. It is judged as
    // typed, before it is wrapped to take only the first rows (the sample is
    // for the look, not the totals).
    QString hata;
    std::optional<Sorgu::Sonuc> sonuc;
    if (Sorgu::okumaMetniMi(m_ornekSql))
        sonuc = Sorgu::oku(QStringLiteral("select first %1 * from (%2)").arg(enCok).arg(m_ornekSql), QString(), &hata);
    if (!sonuc)
        sonuc = Sorgu::oku(m_ornekSql, QString(), &hata);
    if (!sonuc) {
        Mesaj::hata(hata, this);
        m_ornek = std::make_unique<TabloKaynagi>();
        return;
    }
    if (sonuc->satirlar.size() > enCok)
        sonuc->satirlar.resize(enCok);
    m_ornek = std::make_unique<TabloKaynagi>(sonuc->kolonlar, sonuc->satirlar);
}

// The template as it stands over the sample rows, titled by its file name.
void RaporTasarim::ornekRaporKur(Rapor &r)
{
    ornekKaynakHazirla();
    r.sablonAyarla(m_sablon);
    r.baglan(m_ornek.get());
    r.baslikAyarla(m_yol.isEmpty() ? QStringLiteral("yeni.frf") : QFileInfo(m_yol).fileName());
}

RaporBelgesi RaporTasarim::onizlemeBelgesi()
{
    Rapor r;
    ornekRaporKur(r);
    return r.olustur();
}

void RaporTasarim::canliYenile()
{
    Rapor r;
    ornekRaporKur(r);
    const RaporBelgesi b = r.olustur();
    const QImage resim = Rapor::sayfaResmi(b, 0, 50);
    m_canli->setPixmap(QPixmap::fromImage(resim));
    m_canli->resize(resim.size());
    m_canli->setToolTip(b.uyarilar.join(QLatin1Char('\n')));
}

void RaporTasarim::onizle()
{
    Rapor r;
    ornekRaporKur(r);
    r.onizle(this);
}
