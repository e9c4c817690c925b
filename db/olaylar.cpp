#include "db/olaylar.h"

#include "db/baglanti.h"

#include <QSqlDriver>
#include <QVariant>

DegisiklikOlaylari &DegisiklikOlaylari::ornek()
{
    static DegisiklikOlaylari o;
    static const bool izleniyor = [] {
        // A connection opened again after it was lost has lost its subscriptions.
        Baglanti::yenidenAcilincaEkle([](const QString &ad) { o.yenidenAbone(ad); });
        return true;
    }();
    Q_UNUSED(izleniyor);
    return o;
}

bool DegisiklikOlaylari::surucuyeAbone(const QString &baglanti, const QString &tablo)
{
    QSqlDatabase db = Baglanti::vt(baglanti);
    QSqlDriver *s = db.isOpen() ? db.driver() : nullptr;
    if (!s || !s->hasFeature(QSqlDriver::EventNotifications))
        return false;
    if (s->subscribedToNotifications().contains(tablo))
        return true;
    if (!s->property("velmorika_olaylar").toBool()) {
        // One connection per driver: a reopened connection has a new driver.
        s->setProperty("velmorika_olaylar", true);
        connect(s, &QSqlDriver::notification, this,
                [this, baglanti](const QString &ad, QSqlDriver::NotificationSource, const QVariant &) {
                    emit degisti(baglanti, ad.toUpper());
                });
    }
    return s->subscribeToNotification(tablo);
}

namespace {
QString ad(const QString &baglanti) { return baglanti.isEmpty() ? Baglanti::Paylasilan : baglanti; }
} // namespace

bool DegisiklikOlaylari::abone(const QString &b0, const QString &tablo)
{
    const QString baglanti = ad(b0);
    const QString t = tablo.toUpper();
    int &n = m_sayilar[baglanti][t];
    ++n;
    return surucuyeAbone(baglanti, t);
}

void DegisiklikOlaylari::birak(const QString &b0, const QString &tablo)
{
    const QString baglanti = ad(b0);
    const QString t = tablo.toUpper();
    auto b = m_sayilar.find(baglanti);
    if (b == m_sayilar.end())
        return;
    auto it = b->find(t);
    if (it == b->end())
        return;
    if (--*it > 0)
        return;
    b->erase(it);
    QSqlDatabase db = Baglanti::vt(baglanti);
    if (db.isOpen() && db.driver() && db.driver()->subscribedToNotifications().contains(t))
        db.driver()->unsubscribeFromNotification(t);
}

void DegisiklikOlaylari::yenidenAbone(const QString &b0)
{
    const QString baglanti = ad(b0);
    const auto b = m_sayilar.constFind(baglanti);
    if (b == m_sayilar.constEnd())
        return;
    for (auto it = b->cbegin(); it != b->cend(); ++it)
        surucuyeAbone(baglanti, it.key());
}

void DegisiklikOlaylari::hepsiDegisti(const QString &b0)
{
    const QString baglanti = ad(b0);
    const auto b = m_sayilar.constFind(baglanti);
    if (b == m_sayilar.constEnd())
        return;
    const QStringList tablolar = b->keys();
    for (const QString &t : tablolar)
        emit degisti(baglanti, t);
}
