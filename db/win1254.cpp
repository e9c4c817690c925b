#include "db/win1254.h"

#include <array>

namespace Win1254 {

namespace {

constexpr char16_t Bos = 0xFFFD;

// Windows-1254 is Latin-1 with the Windows punctuation in 0x80-0x9F and the
// six Turkish letters in place of six Icelandic ones.
constexpr std::array<char16_t, 256> tabloYap()
{
    std::array<char16_t, 256> t{};
    for (int i = 0; i < 256; ++i)
        t[size_t(i)] = char16_t(i);
    constexpr char16_t ust[32] = {0x20AC, Bos,    0x201A, 0x0192, 0x201E, 0x2026, 0x2020, 0x2021,
                                  0x02C6, 0x2030, 0x0160, 0x2039, 0x0152, Bos,    Bos,    Bos,
                                  Bos,    0x2018, 0x2019, 0x201C, 0x201D, 0x2022, 0x2013, 0x2014,
                                  0x02DC, 0x2122, 0x0161, 0x203A, 0x0153, Bos,    Bos,    0x0178};
    for (int i = 0; i < 32; ++i)
        t[size_t(0x80 + i)] = ust[i];
    t[0xD0] = 0x011E; // Ğ
    t[0xDD] = 0x0130; // İ
    t[0xDE] = 0x015E; // Ş
    t[0xF0] = 0x011F; // ğ
    t[0xFD] = 0x0131; // ı
    t[0xFE] = 0x015F; // ş
    return t;
}

constexpr std::array<char16_t, 256> Tablo = tabloYap();

} // namespace

char16_t karakter(uchar bayt) { return Tablo[bayt]; }

QString coz(const QByteArray &metin)
{
    QString s;
    s.resize(metin.size());
    QChar *d = s.data();
    for (qsizetype i = 0; i < metin.size(); ++i)
        d[i] = QChar(Tablo[uchar(metin.at(i))]);
    return s;
}

bool tasiyabilir(char16_t c)
{
    if (c < 0x80)
        return true;
    if (c == Bos)
        return false;
    for (char16_t t : Tablo)
        if (t == c)
            return true;
    return false;
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
