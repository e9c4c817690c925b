// Comma-separated text (.csv, .txt): UTF-8 or the Turkish Windows code page,
// separator guessed from the first line, quoted fields as spreadsheet programs write them.
#include "raporlar/motor/tablookuyucu_ozel.h"

#include "db/win1254.h"

#include <QStringDecoder>

using namespace TabloOkuma;

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
            metin = Win1254::coz(veri);  // not UTF-8: the Turkish Windows code page
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
