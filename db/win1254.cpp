#include "db/win1254.h"

namespace Win1254 {

bool tasiyabilir(char16_t c)
{
    if (c < 0x80)
        return true;
    if (c >= 0xA0 && c <= 0xFF) {
        // Latin-1 except the six places that hold the Turkish letters.
        switch (c) {
        case 0xD0: case 0xDD: case 0xDE: case 0xF0: case 0xFD: case 0xFE:
            return false;
        default:
            return true;
        }
    }
    switch (c) {
    // Ğ İ Ş ğ ı ş
    case 0x011E: case 0x0130: case 0x015E: case 0x011F: case 0x0131: case 0x015F:
    // 0x80-0x9F
    case 0x20AC: case 0x201A: case 0x0192: case 0x201E: case 0x2026: case 0x2020: case 0x2021:
    case 0x02C6: case 0x2030: case 0x0160: case 0x2039: case 0x0152: case 0x2018: case 0x2019:
    case 0x201C: case 0x201D: case 0x2022: case 0x2013: case 0x2014: case 0x02DC: case 0x2122:
    case 0x0161: case 0x203A: case 0x0153: case 0x0178:
        return true;
    default:
        return false;
    }
}

QString disindakiler(const QString &metin)
{
    QString sonuc;
    const qsizetype n = metin.size();
    for (qsizetype i = 0; i < n; ++i) {
        const char16_t c = metin.at(i).unicode();
        if (tasiyabilir(c))
            continue;
        // A character outside the basic plane is two code units: keep them together.
        QString harf(metin.at(i));
        if (QChar::isHighSurrogate(c) && i + 1 < n && QChar::isLowSurrogate(metin.at(i + 1).unicode()))
            harf += metin.at(++i);
        if (!sonuc.contains(harf))
            sonuc += harf;
    }
    return sonuc;
}

QString uyari(const QString &yabanci)
{
    return QStringLiteral("Metin, veritabanının karakter setinde (Türkçe Windows) olmayan harfler içeriyor: %1\n"
                          "Bu harfler ne kaydedilebilir ne aranabilir; lütfen Türkçe karşılıklarıyla yazın.")
        .arg(yabanci);
}

} // namespace Win1254
