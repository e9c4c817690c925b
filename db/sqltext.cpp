#include "db/sqltext.h"

#include <QCollator>
#include <QLocale>

#include <algorithm>

static QString kenarlariKirp(const QString &s)
{
    // Trims blanks and control characters at both ends.
    int b = 0, e = s.size();
    while (b < e && s.at(b).unicode() <= 0x20)
        ++b;
    while (e > b && s.at(e - 1).unicode() <= 0x20)
        --e;
    return s.mid(b, e - b);
}

QString SqlQuote(const QString &metin)
{
    QString s = metin;
    s.replace(QLatin1Char('\''), QLatin1Char('`'));
    if (s.isEmpty())
        return QStringLiteral("Null");
    return QLatin1Char('\'') + kenarlariKirp(s) + QLatin1Char('\'');
}

QString SqlNumber(qint64 sayi) { return QString::number(sayi); }

QString TarihMetni(const QDate &tarih)
{
    return tarih.isValid() ? tarih.toString(TarihBicimi) : QString();
}

QString SqlTarih(const QDate &tarih) { return SqlQuote(TarihMetni(tarih)); }

bool BosTarihMaskesi(const QString &metin)
{
    for (QChar c : metin)
        if (c != QLatin1Char(' ') && c != QLatin1Char('.'))
            return false;
    return true;
}

QDate MetindenTarih(const QString &metin)
{
    const QString s = metin.trimmed();
    if (BosTarihMaskesi(s))
        return QDate();
    return QDate::fromString(s, TarihBicimi);
}

QString BenzerKacis(const QString &metin)
{
    QString k;
    k.reserve(metin.size() + 8);
    for (QChar c : metin) {
        if (c == QLatin1Char('%') || c == QLatin1Char('_') || c == QLatin1Char('!'))
            k += QLatin1Char('!');
        k += c;
    }
    return k;
}

QString SelectBasi(const QString &tablo) { return QStringLiteral("select * from ") + tablo + QStringLiteral(" where 1=1 "); }

QString SqlBenzer(const QString &metin, Benzerlik tur)
{
    QString s = metin;
    s.replace(QLatin1Char('\''), QLatin1Char('`'));
    const QString k = BenzerKacis(s);
    const QString on = tur == Benzerlik::Icerir ? QStringLiteral("%") : QString();
    return QLatin1Char('\'') + on + k + QStringLiteral("%' escape '!'");
}

QString TurkceBuyuk(const QString &metin)
{
    static const QLocale tr(QLocale::Turkish, QLocale::Turkey);
    return tr.toUpper(metin);
}

QStringList TurkceSirali(QStringList liste)
{
    QCollator c(QLocale(QLocale::Turkish, QLocale::Turkey));
    c.setCaseSensitivity(Qt::CaseInsensitive);
    // "a.txt" and "A.txt" in one fixed order, whatever order they came in
    std::sort(liste.begin(), liste.end(), [&c](const QString &a, const QString &b) {
        const int k = c.compare(a, b);
        return k != 0 ? k < 0 : a < b;
    });
    return liste;
}

namespace {
// The four letters that searches take for one: I, İ, ı, i.
bool iHarfi(QChar c)
{
    return c == QLatin1Char('I') || c == QLatin1Char('i') || c == QChar(0x0130) || c == QChar(0x0131);
}
} // namespace

QString IKatla(const QString &metin)
{
    QString k = metin;
    for (QChar &c : k)
        if (iHarfi(c))
            c = QLatin1Char('I');
    return k;
}

bool IHarfiVar(const QString &metin) { return std::any_of(metin.cbegin(), metin.cend(), iHarfi); }

QString SqlIKatla(const QString &ifade)
{
    // I itself needs no step; the literals are sent in the connection's UTF8
    // and compared in the column's WIN1254, which holds all four letters.
    return QStringLiteral("replace(replace(replace(%1, 'İ', 'I'), 'ı', 'I'), 'i', 'I')").arg(ifade);
}

QString SqlDizgi(const QString &metin)
{
    QString k = metin;
    k.remove(QChar(0));
    k.replace(QLatin1Char('\''), QStringLiteral("''"));
    return QLatin1Char('\'') + k + QLatin1Char('\'');
}

QString SqlKatliArama(const QString &ifade, const QString &metin, Benzerlik tur, bool katliIndeks)
{
    const bool katla = IHarfiVar(metin) || (katliIndeks && tur == Benzerlik::IleBaslar);
    const QString sol = katla ? SqlIKatla(ifade) : ifade;
    const QString m = katla ? IKatla(metin) : metin;
    // "starting with" is the prefix match an index serves.
    if (tur == Benzerlik::IleBaslar)
        return sol + QStringLiteral(" starting with ") + SqlDizgi(m);
    return sol + QStringLiteral(" like ") + SqlDizgi(QLatin1Char('%') + BenzerKacis(m) + QLatin1Char('%'))
           + QStringLiteral(" escape '!'");
}


QString SqlMetni::metin() const
{
    QString s = bas + filtre;
    if (!siralama.isEmpty())
        s += QStringLiteral("  ") + siralama;
    return s;
}
