#pragma once
// Texts the record screen's pieces share (kayitekrani*.cpp).
#include <QString>

namespace KayitEkraniIc {
// The first line of the quick menu and of the sort combo.
inline const QString hizliMenuMetni = QStringLiteral("Hızlı Menu");
inline const QString siralamaMetni = QStringLiteral("İndexleme  Seç");
} // namespace KayitEkraniIc
