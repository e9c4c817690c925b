#pragma once
// Where the data layer's errors go. db/ shows no window: the data set, the
// binder and the query helpers hand their messages to this sink. The program
// points it at Mesaj (a message box), tests at a recorder; until set it
// writes to standard error.
#include <QString>
#include <functional>

class QWidget;

namespace VeriHatasi {

enum class Tur { Bilgi, Hata };

// tur: Bilgi for refused input (a message box), Hata for the general error
// display (the database client's text). ust: the window the message belongs to.
using Alici = std::function<void(Tur tur, const QString &metin, QWidget *ust)>;

// Replaces the sink; returns the previous one. An empty function restores
// the standard-error default.
Alici ayarla(Alici alici);

void bilgi(const QString &metin, QWidget *ust = nullptr);
void hata(const QString &metin, QWidget *ust = nullptr);

} // namespace VeriHatasi
