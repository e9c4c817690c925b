#include "cari/dekont.h"

#include <cmath>

namespace Dekont {

namespace {

const char16_t *const Birler[] = {u"", u"Bir", u"Iki", u"Üc", u"Dört", u"Bes", u"Alti", u"Yedi", u"Sekiz", u"Dokuz"};
const char16_t *const Onlar[] = {u"", u"On", u"Yirmi", u"Otuz", u"Kirk", u"Elli", u"Altmis", u"Yetmis", u"Seksen", u"Doksan"};
const char16_t *const Gruplar[] = {u"", u"Bin", u"Milyon", u"Milyar", u"Trilyon", u"Katrilyon"};
constexpr int EnCokBasamak = 18; // below 10^18: the group words end at "Katrilyon"

QString Yazi3(int k)
{
    QString s;
    const int y = k / 100, o = (k / 10) % 10, b = k % 10;
    if (y == 1)
        s += QStringLiteral("Yüz");
    else if (y > 1)
        s += QString::fromUtf16(Birler[y]) + QStringLiteral("Yüz");
    s += QString::fromUtf16(Onlar[o]);
    s += QString::fromUtf16(Birler[b]);
    return s;
}

// "123" + 1 → "124", "999" + 1 → "1000".
QString BirEkle(QString rakamlar)
{
    for (int i = rakamlar.size() - 1; i >= 0; --i) {
        if (rakamlar[i] != u'9') {
            rakamlar[i] = QChar(rakamlar[i].unicode() + 1);
            return rakamlar;
        }
        rakamlar[i] = u'0';
    }
    return QStringLiteral("1") + rakamlar;
}

} // namespace

QString SayiYazisi(const QString &rakamlar)
{
    QString d = rakamlar;
    while (d.startsWith(u'0'))
        d.remove(0, 1);
    if (d.isEmpty())
        return QStringLiteral("Sifir");
    if (d.size() < 4)
        return Yazi3(d.toInt());
    const int n = int(d.size());
    int ilk = n % 3 == 0 ? 3 : n % 3;
    int f = n % 3 != 0 ? n / 3 : n / 3 - 1;
    QString s;
    for (int p = 0, uz = ilk; p < n; p += uz, uz = 3, --f) {
        const int g = d.mid(p, uz).toInt();
        if (g == 1 && f == 1)
            s += Yazi3(0) + QString::fromUtf16(Gruplar[1]); // one thousand: "Bin" alone
        else if (g != 0)
            s += Yazi3(g) + QString::fromUtf16(Gruplar[f]);
    }
    return s;
}

std::optional<QString> TutarYazisi(double tutar)
{
    if (!std::isfinite(tutar) || tutar < 0 || tutar >= 1e18)
        return std::nullopt;
    // Amounts are kept to four decimals; take those digits as text and round
    // them once, half up, to cents, so 99,995 reads one hundred and no cents.
    const QString metin = QString::number(tutar, 'f', 4);
    const qsizetype nokta = metin.indexOf(u'.');
    QString tam = metin.left(nokta);
    const QString kesir = metin.mid(nokta + 1);
    int kurus = kesir.left(2).toInt();
    if (kesir.mid(2).toInt() >= 50)
        ++kurus;
    if (kurus == 100) {
        kurus = 0;
        tam = BirEkle(tam);
    }
    while (tam.size() > 1 && tam.startsWith(u'0'))
        tam.remove(0, 1);
    if (tam.size() > EnCokBasamak)
        return std::nullopt;
    if (kurus != 0)
        return SayiYazisi(tam) + QStringLiteral(" YTL  ") + SayiYazisi(QString::number(kurus))
               + QStringLiteral("  Ykr");
    return SayiYazisi(tam) + QStringLiteral(" YTL");
}

std::optional<QString> tutariyaziyadonustur(double borc, double alacak)
{
    QString sonuc = QStringLiteral("Sifir YTL");
    for (const double a : {borc, alacak}) {
        if (!(a > 0))
            continue;
        const auto y = TutarYazisi(a);
        if (!y)
            return std::nullopt;
        sonuc = *y;
    }
    return sonuc;
}

QStringList Basliklar(double borc, double alacak, const QString &islemTuru, const QString &ozelKod1)
{
    const bool senetTahsil = islemTuru == QStringLiteral("Senet") && ozelKod1 == QStringLiteral("TAHSİL");
    QStringList b;
    if (borc > 0)
        b << QStringLiteral("BORC DEKONTU");
    if (alacak > 0 && islemTuru != QStringLiteral("Senet") && ozelKod1 != QStringLiteral("TAHSİL"))
        b << QStringLiteral("ALACAK DEKONTU");
    if (senetTahsil)
        b << QStringLiteral("SENET TAHSİL DEKONTU");
    return b;
}

} // namespace Dekont
