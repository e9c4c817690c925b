// Comma-separated text (.csv, .txt): UTF-8 or the Turkish Windows code page,
// separator guessed from the first line, quoted fields as spreadsheet programs write them.
#include "raporlar/motor/tablookuyucu_ozel.h"

#include <QStringDecoder>

using namespace TabloOkuma;

namespace {

// Windows-1254: Latin-1 with the Turkish letters in place of six Icelandic ones
// and the Windows punctuation in 0x80–0x9F.
QString cp1254Coz(const QByteArray &b)
{
    static const char16_t ust[32] = {
        0x20AC, 0xFFFD, 0x201A, 0x0192, 0x201E, 0x2026, 0x2020, 0x2021,
        0x02C6, 0x2030, 0x0160, 0x2039, 0x0152, 0xFFFD, 0xFFFD, 0xFFFD,
        0xFFFD, 0x2018, 0x2019, 0x201C, 0x201D, 0x2022, 0x2013, 0x2014,
        0x02DC, 0x2122, 0x0161, 0x203A, 0x0153, 0xFFFD, 0xFFFD, 0x0178};
    QString s;
    s.resize(b.size());
    QChar *d = s.data();
    for (int i = 0; i < b.size(); ++i) {
        const uchar c = uchar(b.at(i));
        char16_t u = c;
        if (c >= 0x80 && c < 0xA0)
            u = ust[c - 0x80];
        else if (c == 0xD0) u = 0x011E;  // Ğ
        else if (c == 0xDD) u = 0x0130;  // İ
        else if (c == 0xDE) u = 0x015E;  // Ş
        else if (c == 0xF0) u = 0x011F;  // ğ
        else if (c == 0xFD) u = 0x0131;  // ı
        else if (c == 0xFE) u = 0x015F;  // ş
        d[i] = QChar(u);
    }
    return s;
}

} // namespace

bool TabloOkumaIsi::csv(const QByteArray &ham, QString *hata)
{
    QByteArray veri = ham;
    if (veri.startsWith("\xEF\xBB\xBF"))
        veri.remove(0, 3);
    QString metin;
    {
        QStringDecoder utf8(QStringDecoder::Utf8, QStringDecoder::Flag::Stateless);
        metin = utf8.decode(veri);
        if (utf8.hasError())
            metin = cp1254Coz(veri);  // not UTF-8: the Turkish Windows code page
    }
    if (metin.contains(QChar(0))) {
        if (hata)
            *hata = bozukMesaji(m_yol);
        return false;
    }
    // Separator: the one the first line (outside quotes) uses most.
    QChar ayirici = QLatin1Char(',');
    {
        int virgul = 0, noktaliVirgul = 0, sekme = 0;
        bool tirnak = false;
        for (const QChar c : std::as_const(metin)) {
            if (c == QLatin1Char('"'))
                tirnak = !tirnak;
            else if (!tirnak && (c == QLatin1Char('\n') || c == QLatin1Char('\r')))
                break;
            else if (!tirnak && c == QLatin1Char(','))
                ++virgul;
            else if (!tirnak && c == QLatin1Char(';'))
                ++noktaliVirgul;
            else if (!tirnak && c == QLatin1Char('\t'))
                ++sekme;
        }
        if (noktaliVirgul > virgul && noktaliVirgul >= sekme)
            ayirici = QLatin1Char(';');
        else if (sekme > virgul && sekme > noktaliVirgul)
            ayirici = QLatin1Char('\t');
    }
    int satir = 1, sutun = 1;
    QString alan;
    bool tirnakli = false;     // inside a quoted field
    bool alanVar = false;
    const int n = metin.size();
    auto alanBitir = [&]() -> bool {
        if (!alan.isEmpty() && !koy(satir, sutun, alan, hata))
            return false;
        alan.clear();
        alanVar = false;
        return true;
    };
    for (int i = 0; i < n; ++i) {
        const QChar c = metin.at(i);
        if (tirnakli) {
            if (c == QLatin1Char('"')) {
                if (i + 1 < n && metin.at(i + 1) == QLatin1Char('"')) {
                    alan += QLatin1Char('"');
                    ++i;
                } else {
                    tirnakli = false;
                }
            } else {
                alan += c;
            }
            continue;
        }
        if (c == QLatin1Char('"') && !alanVar) {
            tirnakli = true;
            alanVar = true;
        } else if (c == ayirici) {
            if (!alanBitir())
                return false;
            ++sutun;
        } else if (c == QLatin1Char('\r') || c == QLatin1Char('\n')) {
            if (c == QLatin1Char('\r') && i + 1 < n && metin.at(i + 1) == QLatin1Char('\n'))
                ++i;
            if (!alanBitir())
                return false;
            ++satir;
            sutun = 1;
        } else {
            alan += c;
            alanVar = true;
        }
        if (satir > EnCokSatir || sutun > EnCokSutun) {
            if (hata)
                *hata = buyukMesaji(m_yol);
            return false;
        }
    }
    return alanBitir();
}
