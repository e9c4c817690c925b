#pragma once
// Internals shared by the engine's source files.
#include "raporlar/motor/rapor.h"

#include <QHash>
#include <QSet>

struct Rapor::Ozel
{
    const VeriKaynagi *kaynak = nullptr;
    std::optional<RaporSablonu> sablon;
    QString yol;
    QString baslik;
    QHash<QString, QStringList> notlar;   // memo objects by lower-case name
    QStringList uyarilar;
    Rapor::AltKaynak altKaynak;
};

// Page layout of a report: the engine proper (rapordizgi.cpp).
RaporBelgesi RaporDiz(const RaporSablonu &sablon, const VeriKaynagi *kaynak,
                      const QHash<QString, QStringList> &notlar, const QString &baslik,
                      const std::function<bool(int, int)> &ilerleme,
                      const Rapor::AltKaynak &altKaynak = {});
