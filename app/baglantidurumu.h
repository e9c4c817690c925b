#pragma once
// What the user sees of the connection watcher (db/baglantiizleyici.h):
// while the server is out of reach, every open window's status bar says so
// and since when (the lists are not current then); once the connection is
// back, how long it was gone.
#include <QDateTime>
#include <QObject>
#include <QString>

class BaglantiIzleyici;
class QTimer;

class BaglantiDurumu : public QObject
{
public:
    explicit BaglantiDurumu(BaglantiIzleyici *izleyici, QObject *ust = nullptr);

    static QString koptuMetni(const QDateTime &kopma, const QDateTime &simdi);
    static QString donduMetni(const QDateTime &kopma, const QDateTime &donus);
    // The last text shown (empty before anything happened).
    QString metin() const { return m_metin; }

private:
    void yaz(const QString &metin, int sureMs);

    QTimer *m_saat = nullptr;
    QDateTime m_kopma;
    QString m_metin;
};
