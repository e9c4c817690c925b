#pragma once
// Changes committed by other workstations. Every table has a trigger that
// posts an event named after the table (db/sema.h); a connection subscribed
// to it hears of every committed change, its own included. Lists that want
// to stay current listen here (VeriSeti::degisiklikleriIzle).
#include <QHash>
#include <QObject>
#include <QString>

class DegisiklikOlaylari : public QObject
{
    Q_OBJECT
public:
    static DegisiklikOlaylari &ornek();

    // Counted: the connection listens to the table's event while anyone
    // asked for it. False when the driver cannot subscribe.
    bool abone(const QString &baglanti, const QString &tablo);
    void birak(const QString &baglanti, const QString &tablo);
    // After a connection was opened again: its subscriptions made anew.
    void yenidenAbone(const QString &baglanti);
    // Every table the connection listens to counts as changed (changes
    // committed while the connection was gone were never heard of).
    void hepsiDegisti(const QString &baglanti);

signals:
    void degisti(const QString &baglanti, const QString &tablo);

private:
    bool surucuyeAbone(const QString &baglanti, const QString &tablo);
    QHash<QString, QHash<QString, int>> m_sayilar; // connection -> table -> listeners
};
