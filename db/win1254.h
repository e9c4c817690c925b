#pragma once
// The characters the database's character set (WIN1254, Turkish Windows)
// can hold. A text with others cannot be stored: Firebird refuses to
// transliterate it, so it is caught before writing.
#include <QByteArray>
#include <QString>

namespace Win1254 {

// The character a byte of the code page stands for (U+FFFD for its seven
// unused places).
char16_t karakter(uchar bayt);
// Text in the code page (a file saved by a Turkish Windows program) read as Unicode.
QString coz(const QByteArray &metin);

bool tasiyabilir(char16_t c);
// The characters of metin WIN1254 has no place for, each once, in order;
// empty when the whole text fits.
QString disindakiler(const QString &metin);
// The Turkish message for a text with such characters (yabanci: what
// disindakiler gave); nothing is written or searched with such a text.
QString uyari(const QString &yabanci);

} // namespace Win1254
