// Number formats that show dates and times, and spreadsheet serial day
// numbers, shared by the .xlsx and .xls readers.
#include "raporlar/motor/tablookuyucu_ozel.h"

#include <cmath>

namespace TabloOkuma {

namespace {

// Spreadsheet serial day number to date/time (1900 system: day 1 is 1 January
// 1900 and day 60 the non-existent 29 February 1900; 1904 system: day 0 is 1 January 1904).
QDateTime seriTarih(double seri, bool sistem1904)
{
    QDate taban;
    if (sistem1904)
        taban = QDate(1904, 1, 1);
    else if (seri < 61)
        taban = QDate(1899, 12, 31);
    else
        taban = QDate(1899, 12, 30);
    double gun = std::floor(seri);
    qint64 ms = qRound64((seri - gun) * 86400000.0);
    if (ms >= 86400000) {
        gun += 1;
        ms -= 86400000;
    }
    return QDateTime(taban.addDays(qint64(gun)), QTime::fromMSecsSinceStartOfDay(int(ms)));
}

} // namespace

// What a number format shows: 0 a plain number, 1 a date, 2 a date and time, 3 a time.
int bicimTuru(const QString &kod)
{
    bool tarih = false, saat = false, dakikaAy = false;
    bool tirnak = false;
    for (int i = 0; i < kod.size(); ++i) {
        const QChar c = kod.at(i);
        if (tirnak) {
            if (c == QLatin1Char('"'))
                tirnak = false;
            continue;
        }
        if (c == QLatin1Char('"')) {
            tirnak = true;
        } else if (c == QLatin1Char('\\') || c == QLatin1Char('_') || c == QLatin1Char('*')) {
            ++i;  // the next character is shown as is
        } else if (c == QLatin1Char('[')) {
            const int son = kod.indexOf(QLatin1Char(']'), i);
            if (son < 0)
                break;
            const QString ic = kod.mid(i + 1, son - i - 1).toLower();
            // Elapsed times [h], [mm], [ss]; colours and conditions are not parts of a date.
            if (!ic.isEmpty() && (ic.at(0) == QLatin1Char('h') || ic.at(0) == QLatin1Char('m')
                                  || ic.at(0) == QLatin1Char('s'))
                && ic.count(ic.at(0)) == ic.size())
                saat = true;
            i = son;
        } else {
            switch (c.toLower().unicode()) {
            case 'd': case 'y':
                tarih = true;
                break;
            case 'h': case 's':
                saat = true;
                break;
            case 'm':
                dakikaAy = true;
                break;
            default:
                break;
            }
        }
    }
    if (kod.compare(QLatin1String("General"), Qt::CaseInsensitive) == 0)
        return 0;
    if (dakikaAy && !saat)
        tarih = true;
    if (tarih && saat)
        return 2;
    if (tarih)
        return 1;
    if (saat)
        return 3;
    return 0;
}

int yerlesikBicimTuru(int id)
{
    if ((id >= 14 && id <= 17) || (id >= 27 && id <= 31) || (id >= 34 && id <= 36) || (id >= 50 && id <= 58))
        return 1;
    if (id == 22)
        return 2;
    if ((id >= 18 && id <= 21) || (id >= 32 && id <= 33) || (id >= 45 && id <= 47))
        return 3;
    return 0;
}

QVariant tarihDegeri(double seri, int tur, bool sistem1904)
{
    const QDateTime dt = seriTarih(seri, sistem1904);
    switch (tur) {
    case 1: return dt.date();
    case 2: return dt;
    case 3: return dt.time();
    default: return seri;
    }
}

} // namespace TabloOkuma
