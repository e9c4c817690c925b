// Data sources of reports and the number and date formats of templates.
#include "raporlar/motor/rapor.h"

#include "db/bicim.h"
#include "db/sorgu.h"
#include "db/sqltext.h"

#include <QDate>
#include <QDateTime>
#include <QLocale>
#include <QTime>
#include <cmath>

VeriKaynagi::~VeriKaynagi() = default;

QString VeriKaynagi::kolonBasligi(int kolon) const
{
    return kolonlar().value(kolon);
}

int VeriKaynagi::kolonSirasi(const QString &ad) const
{
    const QStringList k = kolonlar();
    for (int i = 0; i < k.size(); ++i)
        if (k.at(i).compare(ad, Qt::CaseInsensitive) == 0)
            return i;
    return -1;
}

QVariant VeriKaynagi::deger(int satir, const QString &kolon) const
{
    const int k = kolonSirasi(kolon);
    return k < 0 ? QVariant() : deger(satir, k);
}

SatirKaynagi::SatirKaynagi(const QVariantMap &satir, const QStringList &sira)
{
    if (sira.isEmpty()) {
        for (auto it = satir.cbegin(); it != satir.cend(); ++it) {
            m_kolonlar << it.key();
            m_degerler << it.value();
        }
    } else {
        for (const QString &k : sira) {
            m_kolonlar << k;
            m_degerler << satir.value(k);
        }
    }
}

QVariant SatirKaynagi::deger(int satir, int kolon) const
{
    if (satir != 0 || kolon < 0 || kolon >= m_degerler.size())
        return {};
    return m_degerler.at(kolon);
}

TabloKaynagi::TabloKaynagi(const QStringList &kolonlar, const QVector<QVariantList> &satirlar)
    : m_kolonlar(kolonlar), m_satirlar(satirlar)
{
}

QVariant TabloKaynagi::deger(int satir, int kolon) const
{
    if (satir < 0 || satir >= m_satirlar.size())
        return {};
    const QVariantList &s = m_satirlar.at(satir);
    return kolon >= 0 && kolon < s.size() ? s.at(kolon) : QVariant();
}

QString TabloKaynagi::kolonBasligi(int kolon) const
{
    const QString ad = m_kolonlar.value(kolon);
    return m_basliklar.value(ad, ad);
}

SorguKaynagi::SorguKaynagi(const Sorgu::Sonuc &sonuc)
    : TabloKaynagi(sonuc.kolonlar, sonuc.satirlar)
{
}

// ---------------------------------------------------------------- formats

namespace {

const QLocale &turkce()
{
    static const QLocale l(QLocale::Turkish, QLocale::Turkey);
    return l;
}

bool sayiDesenMi(const QString &b)
{
    return b.contains(QLatin1Char('#')) || b.contains(QLatin1Char('0'));
}

// Date pattern in the usual notation: D/DD day, M/MM month (minutes right
// after an hour), YY/YYYY year, H/HH hour, N/NN minutes, S/SS seconds;
// letters in any case, anything else is copied.
QString tarihBicimle(const QDateTime &dt, const QString &desen)
{
    QString out;
    bool saatSonrasi = false;
    int i = 0;
    auto iki = [](int n) { return QStringLiteral("%1").arg(n, 2, 10, QLatin1Char('0')); };
    while (i < desen.size()) {
        const QChar c = desen.at(i).toLower();
        int n = 1;
        while (i + n < desen.size() && desen.at(i + n).toLower() == c)
            ++n;
        switch (c.unicode()) {
        case 'd':
            if (n >= 4) out += turkce().dayName(dt.date().dayOfWeek(), QLocale::LongFormat);
            else if (n == 3) out += turkce().dayName(dt.date().dayOfWeek(), QLocale::ShortFormat);
            else out += n == 2 ? iki(dt.date().day()) : QString::number(dt.date().day());
            saatSonrasi = false;
            break;
        case 'm':
            if (saatSonrasi) {
                out += n >= 2 ? iki(dt.time().minute()) : QString::number(dt.time().minute());
            } else if (n >= 4) {
                out += turkce().monthName(dt.date().month(), QLocale::LongFormat);
            } else if (n == 3) {
                out += turkce().monthName(dt.date().month(), QLocale::ShortFormat);
            } else {
                out += n == 2 ? iki(dt.date().month()) : QString::number(dt.date().month());
            }
            saatSonrasi = false;
            break;
        case 'y':
            out += n <= 2 ? iki(dt.date().year() % 100) : QString::number(dt.date().year());
            saatSonrasi = false;
            break;
        case 'h':
            out += n >= 2 ? iki(dt.time().hour()) : QString::number(dt.time().hour());
            saatSonrasi = true;
            break;
        case 'n':
            out += n >= 2 ? iki(dt.time().minute()) : QString::number(dt.time().minute());
            saatSonrasi = false;
            break;
        case 's':
            out += n >= 2 ? iki(dt.time().second()) : QString::number(dt.time().second());
            saatSonrasi = false;
            break;
        default:
            out += desen.mid(i, n);
            break;
        }
        i += n;
    }
    return out;
}

QString sadeSayi(double v)
{
    if (std::isfinite(v) && v == std::floor(v) && std::fabs(v) < 1e15)
        return QString::number(qint64(v));
    QString s = QString::number(v, 'g', 15);
    return s.replace(QLatin1Char('.'), QLatin1Char(','));
}

} // namespace

QString RaporDegerMetni(const QVariant &deger, const QString &bicim)
{
    if (!deger.isValid() || deger.isNull())
        return {};
    const int tip = deger.metaType().id();
    const bool tarihMi = tip == QMetaType::QDate || tip == QMetaType::QDateTime || tip == QMetaType::QTime;
    if (tarihMi) {
        QDateTime dt;
        if (tip == QMetaType::QDate)
            dt = QDateTime(deger.toDate(), QTime(0, 0));
        else if (tip == QMetaType::QTime)
            dt = QDateTime(QDate(1899, 12, 30), deger.toTime());
        else
            dt = deger.toDateTime();
        if (bicim.isEmpty() || sayiDesenMi(bicim))
            return tarihBicimle(dt, tip == QMetaType::QTime ? QStringLiteral("hh:nn") : QStringLiteral("DD.MM.YYYY"));
        return tarihBicimle(dt, bicim);
    }
    const bool sayiMi = tip == QMetaType::Double || tip == QMetaType::Float || tip == QMetaType::Int
        || tip == QMetaType::LongLong || tip == QMetaType::UInt || tip == QMetaType::ULongLong
        || tip == QMetaType::Short || tip == QMetaType::Long;
    if (bicim.isEmpty()) {
        if (tip == QMetaType::Double || tip == QMetaType::Float)
            return sadeSayi(deger.toDouble());
        return deger.toString();
    }
    if (sayiDesenMi(bicim)) {
        if (sayiMi)
            return SayiBicimle(deger.toDouble(), bicim);
        bool ok = false;
        const double v = deger.toString().trimmed().replace(QLatin1Char(','), QLatin1Char('.')).toDouble(&ok);
        return ok ? SayiBicimle(v, bicim) : deger.toString();
    }
    // A date pattern on a text that reads as a date.
    if (tip == QMetaType::QString) {
        const QString t = deger.toString().trimmed();
        QDateTime dt = QDateTime::fromString(t, Qt::ISODate);
        if (!dt.isValid()) {
            const QDate d = QDate::fromString(t.left(10), TarihBicimi);
            if (d.isValid())
                dt = QDateTime(d, QTime(0, 0));
        }
        return dt.isValid() ? tarihBicimle(dt, bicim) : deger.toString();
    }
    if (sayiMi)
        return sadeSayi(deger.toDouble());
    return deger.toString();
}
