// OpenDocument spreadsheets (.ods): the first table of content.xml, with
// repeated rows and columns spelled out.
#include "raporlar/motor/tablookuyucu_ozel.h"

#include <QPair>
#include <QRegularExpression>

#include <cmath>

using namespace TabloOkuma;

namespace {

// ODF durations "PT12H30M05S" → time of day.
QTime odfSure(const QString &s)
{
    static const QRegularExpression re(QStringLiteral("^-?P(?:\\d+D)?T(\\d+)H(\\d+)M(\\d+(?:\\.\\d+)?)S$"));
    const auto m = re.match(s);
    if (!m.hasMatch())
        return QTime();
    const int sa = m.captured(1).toInt() % 24;
    const double sn = m.captured(3).toDouble();
    return QTime(sa, m.captured(2).toInt() % 60, int(sn) % 60, int((sn - std::floor(sn)) * 1000));
}

// The paragraphs of an ODF cell: text:p joined by line breaks, text:s spaces,
// tabs and line breaks kept; notes (office:annotation) left out.
void odfParagraf(QXmlStreamReader &x, QString *s)
{
    const QString bitis = x.qualifiedName().toString();
    while (!x.atEnd()) {
        x.readNext();
        if (x.isCharacters()) {
            *s += x.text();
        } else if (x.isStartElement()) {
            const auto ad = x.name();
            if (ad == QLatin1String("s")) {
                const int n = qBound(1, attr(x, QLatin1StringView("c")).toInt(), 1000);
                *s += QString(n, QLatin1Char(' '));
                x.skipCurrentElement();
            } else if (ad == QLatin1String("tab")) {
                *s += QLatin1Char('\t');
                x.skipCurrentElement();
            } else if (ad == QLatin1String("line-break")) {
                *s += QLatin1Char('\n');
                x.skipCurrentElement();
            } else if (ad == QLatin1String("annotation") || ad == QLatin1String("note")) {
                x.skipCurrentElement();
            } else {
                odfParagraf(x, s);  // span, a, and the like
            }
        } else if (x.isEndElement()) {
            if (x.qualifiedName() == bitis)
                return;
        }
    }
}

// The value of the table-cell (or covered-table-cell) the reader is on, read
// to its end tag: the typed value, or for a text cell its paragraphs.
QVariant odsHucre(QXmlStreamReader &x)
{
    const QString tur = attr(x, QLatin1StringView("value-type"));
    const QString metinDegeri = attr(x, QLatin1StringView("string-value"));
    QVariant deger;
    if (tur == QLatin1String("float") || tur == QLatin1String("percentage") || tur == QLatin1String("currency")) {
        bool t = false;
        const double d = attr(x, QLatin1StringView("value")).toDouble(&t);
        if (t)
            deger = d;
    } else if (tur == QLatin1String("date")) {
        const QString s = attr(x, QLatin1StringView("date-value"));
        const QDateTime dt = QDateTime::fromString(s, Qt::ISODate);
        if (s.size() <= 10)
            deger = QDate::fromString(s, Qt::ISODate);
        else if (dt.isValid())
            deger = dt.time() == QTime(0, 0) ? QVariant(dt.date()) : QVariant(dt);
    } else if (tur == QLatin1String("time")) {
        const QTime t = odfSure(attr(x, QLatin1StringView("time-value")));
        if (t.isValid())
            deger = t;
    } else if (tur == QLatin1String("boolean")) {
        deger = attr(x, QLatin1StringView("boolean-value")) == QLatin1String("true");
    }
    // The cell's paragraphs (the text of string cells).
    QString metin;
    bool paragrafVar = false;
    while (!x.atEnd()) {
        x.readNext();
        if (x.isEndElement()
            && (x.name() == QLatin1String("table-cell") || x.name() == QLatin1String("covered-table-cell")))
            break;
        if (!x.isStartElement())
            continue;
        if (x.name() == QLatin1String("p")) {
            if (paragrafVar)
                metin += QLatin1Char('\n');
            paragrafVar = true;
            odfParagraf(x, &metin);
        } else {
            x.skipCurrentElement();
        }
    }
    if (!deger.isValid() && (tur == QLatin1String("string") || (tur.isEmpty() && paragrafVar))) {
        deger = !metin.isEmpty() ? metin : metinDegeri;
        if (deger.toString().isEmpty())
            deger = QVariant();
    }
    return deger;
}

// The filled cells of the table-row the reader is on, read to its end tag:
// (column, value), a repeated filled cell once per copy within the sheet's width.
QVector<QPair<int, QVariant>> odsSatir(QXmlStreamReader &x)
{
    QVector<QPair<int, QVariant>> hucreler;
    int sutun = 0;
    while (!x.atEnd()) {
        x.readNext();
        if (x.isEndElement() && x.name() == QLatin1String("table-row"))
            break;
        if (!x.isStartElement())
            continue;
        if (x.name() != QLatin1String("table-cell") && x.name() != QLatin1String("covered-table-cell")) {
            x.skipCurrentElement();
            continue;
        }
        const int tekrar = qMax(1, attr(x, QLatin1StringView("number-columns-repeated")).toInt());
        const QVariant deger = odsHucre(x);
        if (deger.isValid()) {
            for (int i = 0; i < tekrar && sutun + i < EnCokSutun; ++i)
                hucreler.append({sutun + i + 1, deger});
        }
        sutun += qMin(tekrar, EnCokSutun);
        if (sutun >= EnCokSutun)
            sutun = EnCokSutun;
    }
    return hucreler;
}

} // namespace

bool TabloOkumaIsi::ods(QString *hata)
{
    ZipPaket zip(m_yol);
    if (!zip.acik())
        return hataVer(hata, bozukMesaji(m_yol));
    QByteArray manifest;
    if (zip.oku(QStringLiteral("META-INF/manifest.xml"), &manifest) && manifest.contains("encryption-data"))
        return hataVer(hata, parolaMesaji(m_yol));
    const zip_int64_t icerik = zip.bul(QStringLiteral("content.xml"));
    if (icerik < 0)
        return hataVer(hata, bozukMesaji(m_yol, QStringLiteral("content.xml yok")));
    ZipGirdisi f(zip, icerik);
    if (!f.open(QIODevice::ReadOnly))
        return hataVer(hata, bozukMesaji(m_yol));
    QXmlStreamReader x(&f);
    int tabloDerinligi = 0;   // >0 while inside the first table
    bool bitti = false;
    int satir = 0;            // rows already passed
    bool tamam = true;
    while (!bitti && !x.atEnd()) {
        x.readNext();
        if (x.isEndElement() && tabloDerinligi > 0 && x.name() == QLatin1String("table")) {
            if (--tabloDerinligi == 0)
                bitti = true;
            continue;
        }
        if (!x.isStartElement())
            continue;
        if (x.name() == QLatin1String("table") && x.namespaceUri().contains(QLatin1String(":table:"))) {
            ++tabloDerinligi;
            continue;
        }
        if (tabloDerinligi != 1 || x.name() != QLatin1String("table-row"))
            continue;

        const int satirTekrar = qMax(1, attr(x, QLatin1StringView("number-rows-repeated")).toInt());
        // One row's cells, then repeated as often as the row says.
        const QVector<QPair<int, QVariant>> hucreler = odsSatir(x);
        if (hucreler.isEmpty()) {
            // Empty rows, often repeated up to the end of the sheet, only move the row counter.
            satir = int(qMin<qint64>(qint64(satir) + satirTekrar, EnCokSatir));
            continue;
        }
        for (int i = 0; i < satirTekrar && satir < EnCokSatir && tamam; ++i) {
            ++satir;
            for (const auto &h : hucreler)
                if (!koy(satir, h.first, h.second, hata)) {
                    tamam = false;
                    break;
                }
        }
        if (!tamam)
            break;
    }
    const bool xmlHatasi = x.hasError() && !bitti;
    const QString xmlMetni = x.errorString();
    f.close();
    if (!tamam)
        return false;
    // Once the first table is read, what follows it does not matter.
    if (xmlHatasi || (bitti ? false : f.hataVar()) || tabloDerinligi > 0)
        return hataVer(hata, bozukMesaji(m_yol, xmlHatasi ? xmlMetni : QString()));
    return true;
}
