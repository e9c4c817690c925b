#pragma once
// Watches the server behind a connection while the program sits idle, so
// that a workstation notices a server restart or a network drop by itself
// and not only when the user next saves.
//
// A worker thread keeps a small connection of its own to the same database
// and asks the server a trivial question every few seconds; the window's
// thread never waits on the network for it. When the server stops answering
// koptu() is emitted; when it answers again the watched connection is opened
// again on the window's thread (unless a change is being saved on it: then a
// moment later), its event subscriptions are made anew (Baglanti::yenidenAc),
// every list that follows changes is told to read its rows again, and
// geriGeldi() says how long the connection was gone.
//
// A file opened with the embedded engine has no server to lose: nothing is
// watched then.
#include <QDateTime>
#include <QObject>
#include <QString>

class QThread;

class BaglantiIzleyici : public QObject
{
    Q_OBJECT
public:
    // baglanti: the connection to watch (empty: the shared one), already open.
    explicit BaglantiIzleyici(const QString &baglanti = QString(), int aralikMs = VarsayilanAralikMs,
                              QObject *ust = nullptr);
    ~BaglantiIzleyici() override;

    static constexpr int VarsayilanAralikMs = 3000;

    bool izliyorMu() const { return m_is != nullptr; }
    bool cevrimdisiMi() const { return m_kopma.isValid(); }
    QDateTime kopmaZamani() const { return m_kopma; }

signals:
    void koptu(const QDateTime &zaman);
    // The connection is open again and the lists were told to read their rows.
    void geriGeldi(const QDateTime &kopma, const QDateTime &donus);

public:
    // The worker's finding, on this object's thread.
    void sunucuDurumu(bool cevapVeriyor);

private:
    void yenidenBaglan();

    QString m_baglanti;
    QThread *m_is = nullptr;
    QDateTime m_kopma;
    bool m_bekleyenDonus = false;
};
