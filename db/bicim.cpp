#include "db/bicim.h"

#include <algorithm>
#include <cmath>

QString SayiBicimle(double sayi, const QString &desen)
{
    // Prefix and suffix: whatever stands before the first and after the last
    // pattern character.
    auto desenKarakteri = [](QChar c) {
        return c == QLatin1Char('0') || c == QLatin1Char('#') || c == QLatin1Char(',') || c == QLatin1Char('.');
    };
    qsizetype bas = 0, son = desen.size();
    while (bas < son && !desenKarakteri(desen.at(bas)))
        ++bas;
    while (son > bas && !desenKarakteri(desen.at(son - 1)))
        --son;
    const QString on = desen.left(bas);
    const QString arka = desen.mid(son);
    const QString govde = desen.mid(bas, son - bas);

    const qsizetype nokta = govde.indexOf(QLatin1Char('.'));
    const QString tamKisim = nokta < 0 ? govde : govde.left(nokta);
    const QString kesirKisim = nokta < 0 ? QString() : govde.mid(nokta + 1);
    const bool grupla = tamKisim.contains(QLatin1Char(','));
    // At least one integer digit: zero is "0,00", a half "0,50".
    const int enAzTam = std::max(1, int(tamKisim.count(QLatin1Char('0'))));
    const int enAzKesir = int(kesirKisim.count(QLatin1Char('0')));
    const int enCokKesir = enAzKesir + int(kesirKisim.count(QLatin1Char('#')));

    if (!std::isfinite(sayi))
        return on + QString::number(sayi) + arka;
    QString s = QString::number(std::fabs(sayi), 'f', enCokKesir);
    QString tam = s, kesir;
    const qsizetype n = s.indexOf(QLatin1Char('.'));
    if (n >= 0) {
        tam = s.left(n);
        kesir = s.mid(n + 1);
    }
    bool sifir = true;
    for (QChar c : std::as_const(s))
        if (c >= QLatin1Char('1') && c <= QLatin1Char('9')) {
            sifir = false;
            break;
        }
    // '#' writes no insignificant zero.
    qsizetype ilk = 0;
    while (ilk < tam.size() && tam.at(ilk) == QLatin1Char('0'))
        ++ilk;
    tam = tam.mid(ilk);
    while (tam.size() < enAzTam)
        tam.prepend(QLatin1Char('0'));
    while (kesir.size() > enAzKesir && kesir.endsWith(QLatin1Char('0')))
        kesir.chop(1);
    if (grupla && tam.size() > 3) {
        QString g;
        g.reserve(tam.size() + tam.size() / 3);
        const qsizetype m = tam.size();
        for (qsizetype i = 0; i < m; ++i) {
            if (i > 0 && (m - i) % 3 == 0)
                g += QLatin1Char('.');
            g += tam.at(i);
        }
        tam = g;
    }
    QString sonuc = tam;
    if (!kesir.isEmpty())
        sonuc += QLatin1Char(',') + kesir;
    if (sayi < 0 && !sifir)
        sonuc.prepend(QLatin1Char('-'));
    return on + sonuc + arka;
}

QString TutarMetni(double sayi) { return SayiBicimle(sayi, QStringLiteral("#,###.00")); }
