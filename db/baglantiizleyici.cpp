#include "db/baglantiizleyici.h"

#include "db/baglanti.h"
#include "db/hata.h"
#include "db/olaylar.h"
#include "db/sorgu.h"

#include <QAtomicInt>
#include <QPointer>
#include <QSqlDatabase>
#include <QSqlError>
#include <QSqlQuery>
#include <QThread>
#include <QTimer>

#include <utility>

namespace {

QAtomicInt sayac;

// Lives on the worker thread: its own connection, a question per tick.
class Yoklayici : public QObject
{
public:
    Yoklayici(const QString &kaynak, int aralikMs, QPointer<BaglantiIzleyici> izleyici)
        : m_kaynak(kaynak), m_aralik(aralikMs), m_izleyici(std::move(izleyici))
    {
    }

    ~Yoklayici() override
    {
        {
            QSqlDatabase db = QSqlDatabase::database(m_ad, false);
            if (db.isOpen())
                db.close();
        }
        if (!m_ad.isEmpty())
            QSqlDatabase::removeDatabase(m_ad);
    }

    void basla()
    {
        m_ad = QStringLiteral("velmorika_izleyici_%1").arg(sayac.fetchAndAddRelaxed(1));
        // Thread-safe: the same database, user and password as the watched one.
        QSqlDatabase::cloneDatabase(m_kaynak, m_ad);
        auto *t = new QTimer(this);
        t->setInterval(m_aralik);
        QObject::connect(t, &QTimer::timeout, this, [this] { yokla(); });
        t->start();
        yokla();
    }

private:
    void yokla()
    {
        QSqlDatabase db = QSqlDatabase::database(m_ad, false);
        bool cevap = false;
        if (db.isOpen()) {
            QSqlError e;
            {
                QSqlQuery q(db);
                q.setForwardOnly(true);
                cevap = q.exec(QStringLiteral("select 1 from rdb$database")) && q.next();
                e = q.lastError();
                q.finish();
            }
            // Only a lost server counts; any other answer is an answer.
            if (!cevap && VeriHatasi::sinif(e) != VeriHatasi::Sinif::BaglantiKoptu)
                cevap = true;
            if (!cevap)
                db.close();
        } else {
            cevap = db.open();
        }
        if (cevap == m_sonCevap)
            return;
        m_sonCevap = cevap;
        // Run on the window's thread; dropped when the watcher is gone.
        QPointer<BaglantiIzleyici> i = m_izleyici;
        if (i)
            QMetaObject::invokeMethod(
                i.data(),
                [i, cevap] {
                    if (i)
                        i->sunucuDurumu(cevap);
                },
                Qt::QueuedConnection);
    }

    QString m_kaynak;
    QString m_ad;
    int m_aralik;
    bool m_sonCevap = true;
    QPointer<BaglantiIzleyici> m_izleyici;
};

} // namespace

BaglantiIzleyici::BaglantiIzleyici(const QString &baglanti, int aralikMs, QObject *ust)
    : QObject(ust), m_baglanti(baglanti.isEmpty() ? Baglanti::Paylasilan : baglanti)
{
    QSqlDatabase db = Baglanti::vt(m_baglanti);
    if (!db.isValid() || !Baglanti::sunucuda(db.databaseName()))
        return;
    m_is = new QThread;
    m_is->setObjectName(QStringLiteral("BaglantiIzleyici"));
    auto *y = new Yoklayici(m_baglanti, aralikMs, QPointer<BaglantiIzleyici>(this));
    y->moveToThread(m_is);
    connect(m_is, &QThread::started, y, [y] { y->basla(); });
    connect(m_is, &QThread::finished, y, &QObject::deleteLater);
    m_is->start();
}

BaglantiIzleyici::~BaglantiIzleyici()
{
    if (!m_is)
        return;
    m_is->quit();
    m_is->wait();
    delete m_is;
}

void BaglantiIzleyici::sunucuDurumu(bool cevapVeriyor)
{
    if (!cevapVeriyor) {
        if (m_kopma.isValid())
            return;
        m_kopma = QDateTime::currentDateTime();
        emit koptu(m_kopma);
        return;
    }
    if (!m_kopma.isValid())
        return;
    yenidenBaglan();
}

void BaglantiIzleyici::yenidenBaglan()
{
    // A save in progress keeps its connection: once it has ended.
    if (Islem::acikMi(m_baglanti)) {
        if (!m_bekleyenDonus) {
            m_bekleyenDonus = true;
            QTimer::singleShot(200, this, [this] {
                m_bekleyenDonus = false;
                yenidenBaglan();
            });
        }
        return;
    }
    if (!m_kopma.isValid())
        return;
    QString hata;
    if (!Baglanti::yenidenAc(m_baglanti, &hata)) {
        // Answered the worker but not us yet: try again shortly.
        QTimer::singleShot(1000, this, [this] { yenidenBaglan(); });
        return;
    }
    // What was saved elsewhere meanwhile was never heard of.
    DegisiklikOlaylari::ornek().hepsiDegisti(m_baglanti);
    const QDateTime kopma = std::exchange(m_kopma, QDateTime());
    emit geriGeldi(kopma, QDateTime::currentDateTime());
}
