#include "app/baglantidurumu.h"

#include "db/baglantiizleyici.h"

#include <QApplication>
#include <QStatusBar>
#include <QTimer>
#include <QWidget>

namespace {
QString sure(qint64 saniye)
{
    if (saniye < 60)
        return QStringLiteral("%1 saniye").arg(saniye);
    if (saniye < 3600)
        return QStringLiteral("%1 dakika %2 saniye").arg(saniye / 60).arg(saniye % 60);
    return QStringLiteral("%1 saat %2 dakika").arg(saniye / 3600).arg((saniye % 3600) / 60);
}
} // namespace

QString BaglantiDurumu::koptuMetni(const QDateTime &kopma, const QDateTime &simdi)
{
    return QStringLiteral("Sunucuyla bağlantı yok (%1'den beri, %2). Yeniden bağlanılmaya çalışılıyor; listeler bu "
                          "sırada güncel değil.")
        .arg(kopma.toString(QStringLiteral("HH:mm:ss")), sure(kopma.secsTo(simdi)));
}

QString BaglantiDurumu::donduMetni(const QDateTime &kopma, const QDateTime &donus)
{
    return QStringLiteral("Sunucu bağlantısı %1 kesik kaldı (%2 - %3); bağlantı yeniden kuruldu, listeler yenilendi.")
        .arg(sure(kopma.secsTo(donus)), kopma.toString(QStringLiteral("HH:mm:ss")),
             donus.toString(QStringLiteral("HH:mm:ss")));
}

BaglantiDurumu::BaglantiDurumu(BaglantiIzleyici *izleyici, QObject *ust) : QObject(ust)
{
    // While it lasts the line is written again each second: the time grows,
    // and windows opened meanwhile show it too.
    m_saat = new QTimer(this);
    m_saat->setInterval(1000);
    connect(m_saat, &QTimer::timeout, this,
            [this] { yaz(koptuMetni(m_kopma, QDateTime::currentDateTime()), 0); });
    connect(izleyici, &BaglantiIzleyici::koptu, this, [this](const QDateTime &kopma) {
        m_kopma = kopma;
        yaz(koptuMetni(kopma, QDateTime::currentDateTime()), 0);
        m_saat->start();
    });
    connect(izleyici, &BaglantiIzleyici::geriGeldi, this, [this](const QDateTime &kopma, const QDateTime &donus) {
        m_saat->stop();
        m_kopma = QDateTime();
        yaz(donduMetni(kopma, donus), 5 * 60 * 1000);
    });
}

void BaglantiDurumu::yaz(const QString &metin, int sureMs)
{
    m_metin = metin;
    const QList<QWidget *> pencereler = QApplication::topLevelWidgets();
    for (QWidget *w : pencereler) {
        if (!w->isVisible())
            continue;
        if (auto *s = w->findChild<QStatusBar *>())
            s->showMessage(metin, sureMs);
    }
}
