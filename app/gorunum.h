#pragma once
// The program's look: logo, button glyphs and backgrounds, drawn in code so
// that no picture file has to travel with the program.
#include <QColor>
#include <QIcon>
#include <QPixmap>

class QPainter;
class QRect;

namespace Gorunum {

enum class Simge { Hasta, Muayene, Randevu, Laboratuvar, Islemler, Personel, Odeme, Kapat, Tamam, Iptal, Hesap };

inline const QColor Koyu{0x0f, 0x3d, 0x56};
inline const QColor Ana{0x17, 0x6b, 0x87};
inline const QColor Vurgu{0x2a, 0x9d, 0x8f};
inline const QColor Acik{0xee, 0xf4, 0xf7};

// Round emblem: a white cross over a pulse line.
QPixmap Logo(int boy);
// A glyph on a coloured rounded square (or alone when zeminli is false).
QIcon Ikon(Simge s, int boy = 48, bool zeminli = true);
// The soft background of the main window, with the product name.
void ArkaPlanCiz(QPainter &p, const QRect &r, bool resimli);
// The letter-spaced product name.
inline QString UrunAdi() { return QStringLiteral("V E L M O R I K A"); }

} // namespace Gorunum
