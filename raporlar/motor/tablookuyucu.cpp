#include "raporlar/motor/tablookuyucu.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QHash>
#include <QRegularExpression>
#include <QStringDecoder>
#include <QXmlStreamReader>

#include <quazip/quazip.h>
#include <quazip/quazipfile.h>

#include <freexl.h>

#include <cmath>
#include <cstring>
#include <memory>

namespace {

// The largest sheet a spreadsheet program writes, and what we are willing to hold.
constexpr int EnCokSatir = 1048576;
constexpr int EnCokSutun = 16384;
constexpr qint64 EnCokHucre = 10'000'000;

QString dosyaAdi(const QString &yol) { return QFileInfo(yol).fileName(); }

QString bozukMesaji(const QString &yol, const QString &ayrinti = QString())
{
    QString m = QStringLiteral("Dosya okunamadı; bozuk ya da bu türde bir tablo dosyası değil: ") + dosyaAdi(yol);
    if (!ayrinti.isEmpty())
        m += QStringLiteral(" (") + ayrinti + QStringLiteral(")");
    return m;
}

QString parolaMesaji(const QString &yol)
{
    return QStringLiteral("Dosya parola ile korunuyor, okunamadı: ") + dosyaAdi(yol)
           + QStringLiteral(". Parolasız bir kopyasını kaydedip onu seçin.");
}

QString buyukMesaji(const QString &yol)
{
    return QStringLiteral("Dosyadaki sayfa okunamayacak kadar büyük: ") + dosyaAdi(yol);
}

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

// "B12" → column 2, row 12. false when it is not a cell reference.
bool hucreAdresi(QStringView ref, int *satir, int *sutun)
{
    int i = 0, c = 0, r = 0;
    while (i < ref.size() && ref.at(i).isLetter()) {
        const int harf = ref.at(i).toUpper().unicode() - 'A' + 1;
        if (harf < 1 || harf > 26)
            return false;
        c = c * 26 + harf;
        if (c > EnCokSutun)
            return false;
        ++i;
    }
    if (i == 0 || i == ref.size())
        return false;
    for (; i < ref.size(); ++i) {
        if (!ref.at(i).isDigit())
            return false;
        r = r * 10 + ref.at(i).digitValue();
        if (r > EnCokSatir)
            return false;
    }
    *satir = r;
    *sutun = c;
    return r > 0;
}

QString attr(const QXmlStreamReader &x, QLatin1StringView ad)
{
    for (const QXmlStreamAttribute &a : x.attributes())
        if (a.name() == ad)
            return a.value().toString();
    return QString();
}

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

// Reads one format into a TabloOkuyucu.
class TabloOkumaIsi
{
public:
    TabloOkumaIsi(TabloOkuyucu &t, const QString &yol) : m_t(t), m_yol(yol) {}

    bool xlsx(QString *hata);
    bool ods(QString *hata);
    bool xls(QString *hata);
    // Our own Excel 97 reader, for the workbooks FreeXL refuses.
    bool xlsBiff8(QString *hata);
    bool csv(const QByteArray &veri, QString *hata);

private:
    bool koy(int satir, int sutun, const QVariant &v, QString *hata)
    {
        if (m_t.hucreKoy(satir, sutun, v))
            return true;
        if (hata)
            *hata = buyukMesaji(m_yol);
        return false;
    }
    // The whole of a small zip entry; false when missing or damaged.
    bool girdiOku(QuaZip &zip, const QString &ad, QByteArray *veri);

    TabloOkuyucu &m_t;
    QString m_yol;
};

bool TabloOkumaIsi::girdiOku(QuaZip &zip, const QString &ad, QByteArray *veri)
{
    if (!zip.setCurrentFile(ad, QuaZip::csInsensitive))
        return false;
    QuaZipFile f(&zip);
    if (!f.open(QIODevice::ReadOnly))
        return false;
    *veri = f.readAll();
    f.close();
    return f.getZipError() == UNZ_OK;
}

namespace {

// Relationship targets of a .rels part: id → (type, path from the package root).
struct Iliski { QString tur; QString hedef; };

QHash<QString, Iliski> iliskileriOku(const QByteArray &veri, const QString &klasor)
{
    QHash<QString, Iliski> h;
    QXmlStreamReader x(veri);
    while (!x.atEnd()) {
        x.readNext();
        if (x.isStartElement() && x.name() == QLatin1String("Relationship")) {
            QString hedef = attr(x, QLatin1StringView("Target"));
            if (attr(x, QLatin1StringView("TargetMode")) == QLatin1String("External"))
                continue;
            if (hedef.startsWith(QLatin1Char('/')))
                hedef = hedef.mid(1);
            else
                hedef = QDir::cleanPath(klasor.isEmpty() ? hedef : klasor + QLatin1Char('/') + hedef);
            h.insert(attr(x, QLatin1StringView("Id")), {attr(x, QLatin1StringView("Type")), hedef});
        }
        if (x.hasError())
            break;
    }
    return h;
}

QString turuOlan(const QHash<QString, Iliski> &h, QLatin1StringView sonek)
{
    for (auto it = h.cbegin(); it != h.cend(); ++it)
        if (it->tur.endsWith(sonek))
            return it->hedef;
    return QString();
}

QString klasoru(const QString &yol)
{
    const int i = yol.lastIndexOf(QLatin1Char('/'));
    return i < 0 ? QString() : yol.left(i);
}

QString relsYolu(const QString &parca)
{
    const int i = parca.lastIndexOf(QLatin1Char('/'));
    return (i < 0 ? QString() : parca.left(i + 1)) + QStringLiteral("_rels/") + parca.mid(i + 1)
           + QStringLiteral(".rels");
}

// Text of an <si> or <is>: every <t> except phonetic runs.
QString zenginMetin(QXmlStreamReader &x)
{
    QString s;
    int rph = 0;
    const QString bitis = x.name().toString();
    while (!x.atEnd()) {
        x.readNext();
        if (x.isStartElement()) {
            if (x.name() == QLatin1String("rPh"))
                ++rph;
            else if (x.name() == QLatin1String("t") && rph == 0)
                s += x.readElementText(QXmlStreamReader::IncludeChildElements);
        } else if (x.isEndElement()) {
            if (x.name() == QLatin1String("rPh"))
                --rph;
            else if (x.name() == bitis)
                break;
        }
    }
    return s;
}

} // namespace

bool TabloOkumaIsi::xlsx(QString *hata)
{
    QuaZip zip(m_yol);
    if (!zip.open(QuaZip::mdUnzip)) {
        if (hata)
            *hata = bozukMesaji(m_yol);
        return false;
    }
    QByteArray veri;
    // The workbook part, through the package relationships.
    QString kitap = QStringLiteral("xl/workbook.xml");
    if (girdiOku(zip, QStringLiteral("_rels/.rels"), &veri)) {
        const QString k = turuOlan(iliskileriOku(veri, QString()), QLatin1StringView("/officeDocument"));
        if (!k.isEmpty())
            kitap = k;
    }
    if (!girdiOku(zip, kitap, &veri)) {
        if (hata)
            *hata = bozukMesaji(m_yol, QStringLiteral("çalışma kitabı yok"));
        return false;
    }
    // The first <sheet> in workbook order, and the date system.
    QString ilkSayfaId;
    bool sistem1904 = false;
    {
        QXmlStreamReader x(veri);
        while (!x.atEnd()) {
            x.readNext();
            if (!x.isStartElement())
                continue;
            if (x.name() == QLatin1String("workbookPr")) {
                const QString d = attr(x, QLatin1StringView("date1904"));
                sistem1904 = d == QLatin1String("1") || d == QLatin1String("true");
            } else if (x.name() == QLatin1String("sheet") && ilkSayfaId.isEmpty()) {
                for (const QXmlStreamAttribute &a : x.attributes())
                    if (a.name() == QLatin1String("id") && !a.namespaceUri().isEmpty())
                        ilkSayfaId = a.value().toString();
            }
        }
        if (x.hasError() || ilkSayfaId.isEmpty()) {
            if (hata)
                *hata = bozukMesaji(m_yol, QStringLiteral("sayfa bulunamadı"));
            return false;
        }
    }
    QHash<QString, Iliski> iliskiler;
    if (girdiOku(zip, relsYolu(kitap), &veri))
        iliskiler = iliskileriOku(veri, klasoru(kitap));
    const QString sayfaYolu = iliskiler.value(ilkSayfaId).hedef;
    if (sayfaYolu.isEmpty()) {
        if (hata)
            *hata = bozukMesaji(m_yol, QStringLiteral("sayfa bulunamadı"));
        return false;
    }

    // Shared strings.
    QVector<QString> ortak;
    const QString ortakYol = turuOlan(iliskiler, QLatin1StringView("/sharedStrings"));
    if (!ortakYol.isEmpty() && zip.setCurrentFile(ortakYol, QuaZip::csInsensitive)) {
        QuaZipFile f(&zip);
        if (!f.open(QIODevice::ReadOnly)) {
            if (hata)
                *hata = bozukMesaji(m_yol);
            return false;
        }
        QXmlStreamReader x(&f);
        while (!x.atEnd()) {
            x.readNext();
            if (x.isStartElement() && x.name() == QLatin1String("si"))
                ortak.append(zenginMetin(x));
        }
        const bool xmlHatasi = x.hasError();
        f.close();
        if (xmlHatasi || f.getZipError() != UNZ_OK) {
            if (hata)
                *hata = bozukMesaji(m_yol, x.errorString());
            return false;
        }
    }

    // Styles: which cell formats show dates or times.
    QVector<int> stilTuru;
    const QString stilYol = turuOlan(iliskiler, QLatin1StringView("/styles"));
    if (!stilYol.isEmpty() && girdiOku(zip, stilYol, &veri)) {
        QHash<int, int> ozelBicim;
        QXmlStreamReader x(veri);
        bool hucreBicimleri = false;
        while (!x.atEnd()) {
            x.readNext();
            if (x.isStartElement()) {
                if (x.name() == QLatin1String("numFmt"))
                    ozelBicim.insert(attr(x, QLatin1StringView("numFmtId")).toInt(),
                                     bicimTuru(attr(x, QLatin1StringView("formatCode"))));
                else if (x.name() == QLatin1String("cellXfs"))
                    hucreBicimleri = true;
                else if (hucreBicimleri && x.name() == QLatin1String("xf")) {
                    const int id = attr(x, QLatin1StringView("numFmtId")).toInt();
                    stilTuru.append(ozelBicim.contains(id) ? ozelBicim.value(id) : yerlesikBicimTuru(id));
                }
            } else if (x.isEndElement() && x.name() == QLatin1String("cellXfs")) {
                hucreBicimleri = false;
            }
        }
    }

    // The sheet itself, read as a stream.
    if (!zip.setCurrentFile(sayfaYolu, QuaZip::csInsensitive)) {
        if (hata)
            *hata = bozukMesaji(m_yol, QStringLiteral("sayfa bulunamadı"));
        return false;
    }
    QuaZipFile f(&zip);
    if (!f.open(QIODevice::ReadOnly)) {
        if (hata)
            *hata = bozukMesaji(m_yol);
        return false;
    }
    QXmlStreamReader x(&f);
    int satir = 0, sutun = 0;
    bool veriIcinde = false;   // inside <sheetData>
    while (!x.atEnd()) {
        x.readNext();
        if (x.isEndElement() && x.name() == QLatin1String("sheetData"))
            veriIcinde = false;
        if (!x.isStartElement())
            continue;
        if (x.name() == QLatin1String("sheetData")) {
            veriIcinde = true;
        } else if (!veriIcinde) {
            continue;
        } else if (x.name() == QLatin1String("row")) {
            const QString r = attr(x, QLatin1StringView("r"));
            bool tamam = false;
            const int n = r.toInt(&tamam);
            satir = tamam && n > 0 ? n : satir + 1;
            sutun = 0;
        } else if (x.name() == QLatin1String("c")) {
            const QString ref = attr(x, QLatin1StringView("r"));
            int rs = 0, rc = 0;
            if (!ref.isEmpty() && hucreAdresi(ref, &rs, &rc)) {
                satir = rs;
                sutun = rc;
            } else {
                ++sutun;
            }
            const QString t = attr(x, QLatin1StringView("t"));
            const int s = attr(x, QLatin1StringView("s")).toInt();
            QString v;
            QString satirIci;
            bool satirIciVar = false;
            while (!x.atEnd()) {
                x.readNext();
                if (x.isStartElement()) {
                    if (x.name() == QLatin1String("v"))
                        v = x.readElementText();
                    else if (x.name() == QLatin1String("is")) {
                        satirIci = zenginMetin(x);
                        satirIciVar = true;
                    } else
                        x.skipCurrentElement();
                } else if (x.isEndElement() && x.name() == QLatin1String("c")) {
                    break;
                }
            }
            QVariant deger;
            if (t == QLatin1String("s")) {
                bool tamam = false;
                const int i = v.toInt(&tamam);
                if (tamam && i >= 0 && i < ortak.size())
                    deger = ortak.at(i);
            } else if (t == QLatin1String("inlineStr")) {
                if (satirIciVar)
                    deger = satirIci;
            } else if (t == QLatin1String("str") || t == QLatin1String("e")) {
                deger = v;
            } else if (t == QLatin1String("b")) {
                if (!v.isEmpty())
                    deger = v.trimmed() != QLatin1String("0");
            } else if (t == QLatin1String("d")) {
                const QDateTime dt = QDateTime::fromString(v, Qt::ISODate);
                if (dt.isValid())
                    deger = dt.time() == QTime(0, 0) ? QVariant(dt.date()) : QVariant(dt);
                else
                    deger = v;
            } else if (!v.isEmpty()) {
                bool tamam = false;
                const double d = v.toDouble(&tamam);
                if (tamam) {
                    const int tur = s >= 0 && s < stilTuru.size() ? stilTuru.at(s) : 0;
                    deger = tur ? tarihDegeri(d, tur, sistem1904) : QVariant(d);
                } else {
                    deger = v;
                }
            }
            if (deger.isValid() && satir > 0 && !koy(satir, sutun, deger, hata)) {
                f.close();
                return false;
            }
        }
    }
    const bool xmlHatasi = x.hasError();
    const QString xmlMetni = x.errorString();
    f.close();
    if (xmlHatasi || f.getZipError() != UNZ_OK) {
        if (hata)
            *hata = bozukMesaji(m_yol, xmlHatasi ? xmlMetni : QString());
        return false;
    }
    return true;
}

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

} // namespace

bool TabloOkumaIsi::ods(QString *hata)
{
    QuaZip zip(m_yol);
    if (!zip.open(QuaZip::mdUnzip)) {
        if (hata)
            *hata = bozukMesaji(m_yol);
        return false;
    }
    QByteArray manifest;
    if (girdiOku(zip, QStringLiteral("META-INF/manifest.xml"), &manifest)
        && manifest.contains("encryption-data")) {
        if (hata)
            *hata = parolaMesaji(m_yol);
        return false;
    }
    if (!zip.setCurrentFile(QStringLiteral("content.xml"), QuaZip::csInsensitive)) {
        if (hata)
            *hata = bozukMesaji(m_yol, QStringLiteral("content.xml yok"));
        return false;
    }
    QuaZipFile f(&zip);
    if (!f.open(QIODevice::ReadOnly)) {
        if (hata)
            *hata = bozukMesaji(m_yol);
        return false;
    }
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
            const QString tur = attr(x, QLatin1StringView("value-type"));
            const QString metinDegeri = attr(x, QLatin1StringView("string-value"));
            QVariant deger;
            if (tur == QLatin1String("float") || tur == QLatin1String("percentage")
                || tur == QLatin1String("currency")) {
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
                if (x.isEndElement() && (x.name() == QLatin1String("table-cell")
                                         || x.name() == QLatin1String("covered-table-cell")))
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
            if (deger.isValid()) {
                // A filled cell repeated: hold each copy, within the sheet's width.
                for (int i = 0; i < tekrar && sutun + i < EnCokSutun; ++i)
                    hucreler.append({sutun + i + 1, deger});
            }
            sutun += qMin(tekrar, EnCokSutun);
            if (sutun >= EnCokSutun)
                sutun = EnCokSutun;
        }
        if (hucreler.isEmpty()) {
            // Empty rows, often repeated up to the end of the sheet, only move the row counter.
            satir = int(qMin<qint64>(qint64(satir) + satirTekrar, EnCokSatir));
            continue;
        }
        for (int i = 0; i < satirTekrar && satir < EnCokSatir && tamam; ++i) {
            ++satir;
            for (const auto &h : std::as_const(hucreler))
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
    if (xmlHatasi || (bitti ? false : f.getZipError() != UNZ_OK) || tabloDerinligi > 0) {
        if (hata)
            *hata = bozukMesaji(m_yol, xmlHatasi ? xmlMetni : QString());
        return false;
    }
    return true;
}

bool TabloOkumaIsi::xls(QString *hata)
{
    const void *h = nullptr;
    const QByteArray yerel = QFile::encodeName(m_yol);
    int r = freexl_open(yerel.constData(), &h);
    if (r != FREEXL_OK || !h) {
        // FreeXL turns down some sound workbooks (it may even say "OK" and
        // give no handle): those are read by our own reader.
        if (h)
            freexl_close(h);
        return xlsBiff8(hata);
    }
    std::unique_ptr<const void, void (*)(const void *)> kapat(h, [](const void *p) { freexl_close(p); });
    unsigned int parola = 0;
    if (freexl_get_info(h, FREEXL_BIFF_PASSWORD, &parola) == FREEXL_OK && parola == FREEXL_BIFF_OBFUSCATED) {
        if (hata)
            *hata = parolaMesaji(m_yol);
        return false;
    }
    unsigned int sayfaSayisi = 0;
    if (freexl_get_info(h, FREEXL_BIFF_SHEET_COUNT, &sayfaSayisi) != FREEXL_OK || sayfaSayisi == 0
        || freexl_select_active_worksheet(h, 0) != FREEXL_OK) {
        if (hata)
            *hata = bozukMesaji(m_yol, QStringLiteral("sayfa bulunamadı"));
        return false;
    }
    unsigned int satirlar = 0;
    unsigned short sutunlar = 0;
    if (freexl_worksheet_dimensions(h, &satirlar, &sutunlar) != FREEXL_OK) {
        if (hata)
            *hata = bozukMesaji(m_yol);
        return false;
    }
    for (unsigned int i = 0; i < satirlar; ++i) {
        for (unsigned short j = 0; j < sutunlar; ++j) {
            FreeXL_CellValue c;
            if (freexl_get_cell_value(h, i, j, &c) != FREEXL_OK) {
                if (hata)
                    *hata = bozukMesaji(m_yol);
                return false;
            }
            QVariant deger;
            switch (c.type) {
            case FREEXL_CELL_INT: deger = double(c.value.int_value); break;
            case FREEXL_CELL_DOUBLE: deger = c.value.double_value; break;
            case FREEXL_CELL_TEXT:
            case FREEXL_CELL_SST_TEXT: {
                const QString s = QString::fromUtf8(c.value.text_value);
                if (!s.isEmpty())
                    deger = s;
                break;
            }
            case FREEXL_CELL_DATE:
                deger = QDate::fromString(QString::fromLatin1(c.value.text_value), Qt::ISODate);
                break;
            case FREEXL_CELL_DATETIME: {
                const QDateTime dt = QDateTime::fromString(QString::fromLatin1(c.value.text_value),
                                                           QStringLiteral("yyyy-MM-dd HH:mm:ss"));
                deger = dt.time() == QTime(0, 0) ? QVariant(dt.date()) : QVariant(dt);
                break;
            }
            case FREEXL_CELL_TIME:
                deger = QTime::fromString(QString::fromLatin1(c.value.text_value), QStringLiteral("HH:mm:ss"));
                break;
            default:
                break;
            }
            if (deger.isValid() && !koy(int(i) + 1, int(j) + 1, deger, hata))
                return false;
        }
    }
    return true;
}

namespace {

quint8 b8(const QByteArray &b, qsizetype i)
{
    return i >= 0 && i < b.size() ? quint8(b.at(i)) : 0;
}

quint16 u16(const QByteArray &b, qsizetype i)
{
    return i + 2 <= b.size() ? quint16(uchar(b[i]) | (uchar(b[i + 1]) << 8)) : 0;
}

quint32 u32(const QByteArray &b, qsizetype i)
{
    return i + 4 <= b.size() ? quint32(u16(b, i)) | (quint32(u16(b, i + 2)) << 16) : 0;
}

double f64(const QByteArray &b, qsizetype i)
{
    quint64 v = quint64(u32(b, i)) | (quint64(u32(b, i + 4)) << 32);
    double d;
    std::memcpy(&d, &v, sizeof d);
    return d;
}

double rkSayi(quint32 rk)
{
    double d;
    if (rk & 0x02) {
        d = double(qint32(rk) >> 2);
    } else {
        const quint64 v = quint64(rk & 0xFFFFFFFCu) << 32;
        std::memcpy(&d, &v, sizeof d);
    }
    return (rk & 0x01) ? d / 100.0 : d;
}

// The streams of a compound file (the container of an Excel 97 workbook).
class BilesikDosya
{
public:
    explicit BilesikDosya(const QByteArray &v) : m_v(v) {}

    bool ac()
    {
        if (m_v.size() < 512 || !m_v.startsWith("\xD0\xCF\x11\xE0\xA1\xB1\x1A\xE1"))
            return false;
        const int kaydirma = u16(m_v, 30), mini = u16(m_v, 32);
        if (kaydirma < 9 || kaydirma > 12 || mini < 2 || mini >= kaydirma)
            return false;
        m_kesim = 1 << kaydirma;
        m_miniKesim = 1 << mini;
        m_sinir = u32(m_v, 56);
        m_kesimSayisi = quint32((m_v.size() + m_kesim - 1) / m_kesim);
        // The FAT sectors: 109 in the header, the rest in the DIFAT chain.
        QVector<quint32> fatKesimleri;
        for (int i = 0; i < 109; ++i)
            fatKesimleri << u32(m_v, 76 + 4 * i);
        quint32 difat = u32(m_v, 68);
        for (quint32 n = 0; difat < m_kesimSayisi && n < m_kesimSayisi; ++n) {
            const qsizetype o = konum(difat);
            const int adet = m_kesim / 4 - 1;
            for (int i = 0; i < adet; ++i)
                fatKesimleri << u32(m_v, o + 4 * i);
            difat = u32(m_v, o + 4 * adet);
        }
        const quint32 fatSayisi = u32(m_v, 44);
        for (quint32 i = 0; i < fatSayisi && i < quint32(fatKesimleri.size()); ++i) {
            const quint32 k = fatKesimleri.at(i);
            if (k >= m_kesimSayisi)
                return false;
            const qsizetype o = konum(k);
            for (int j = 0; j < m_kesim / 4; ++j)
                m_fat << u32(m_v, o + 4 * j);
        }
        bool tamam = false;
        m_dizin = zincir(m_fat, u32(m_v, 48), -1, &tamam, false);
        if (!tamam || m_dizin.size() < 128)
            return false;
        const QByteArray miniFat = zincir(m_fat, u32(m_v, 60), -1, &tamam, false);
        for (qsizetype i = 0; tamam && i + 4 <= miniFat.size(); i += 4)
            m_miniFat << u32(miniFat, i);
        m_miniAkis = zincir(m_fat, u32(m_dizin, 116), u32(m_dizin, 120), &tamam, false);
        return true;
    }

    // A stream by name (case-insensitive); false when absent or damaged.
    bool akis(const QString &ad, QByteArray *veri)
    {
        for (qsizetype o = 0; o + 128 <= m_dizin.size(); o += 128) {
            const int uzunluk = qMin<int>(u16(m_dizin, o + 64), 64);
            if (uzunluk < 2 || m_dizin.at(o + 66) != 2)
                continue;
            const QString n = QString::fromUtf16(reinterpret_cast<const char16_t *>(m_dizin.constData() + o),
                                                 uzunluk / 2 - 1);
            if (n.compare(ad, Qt::CaseInsensitive) != 0)
                continue;
            const quint32 bas = u32(m_dizin, o + 116), boy = u32(m_dizin, o + 120);
            bool tamam = false;
            *veri = boy < m_sinir ? zincir(m_miniFat, bas, boy, &tamam, true) : zincir(m_fat, bas, boy, &tamam, false);
            return tamam;
        }
        return false;
    }

private:
    qsizetype konum(quint32 kesim) const { return (qsizetype(kesim) + 1) * m_kesim; }

    QByteArray zincir(const QVector<quint32> &fat, quint32 bas, qint64 boy, bool *tamam, bool mini) const
    {
        QByteArray s;
        const int k = mini ? m_miniKesim : m_kesim;
        quint32 n = bas;
        int adim = 0;
        *tamam = false;
        while (n != 0xFFFFFFFEu) {
            if (n >= quint32(fat.size()) || ++adim > fat.size())
                return s;
            const qsizetype o = mini ? qsizetype(n) * k : konum(n);
            const QByteArray &kaynak = mini ? m_miniAkis : m_v;
            if (o + k > kaynak.size()) {
                // The last sector of a file may be short.
                if (o >= kaynak.size())
                    return s;
                s += kaynak.mid(o);
            } else {
                s += QByteArray::fromRawData(kaynak.constData() + o, k);
            }
            if (boy >= 0 && s.size() >= boy)
                break;
            n = fat.at(n);
        }
        if (boy >= 0) {
            if (s.size() < boy)
                return s;
            s.truncate(boy);
        }
        *tamam = true;
        return s;
    }

    const QByteArray &m_v;
    int m_kesim = 512, m_miniKesim = 64;
    quint32 m_sinir = 4096, m_kesimSayisi = 0;
    QVector<quint32> m_fat, m_miniFat;
    QByteArray m_dizin, m_miniAkis;
};

// Reads texts over the shared string table's record and its CONTINUE records;
// a text cut by a record boundary goes on with a new options byte.
class ParcaliOkuyucu
{
public:
    explicit ParcaliOkuyucu(const QVector<QByteArray> &p) : m_p(p) {}
    bool bitti() const { return m_i >= m_p.size(); }
    quint8 u8()
    {
        ilerle();
        if (bitti())
            return 0;
        return quint8(m_p.at(m_i).at(m_o++));
    }
    quint16 u16d() { const quint16 a = u8(); return quint16(a | (u8() << 8)); }
    quint32 u32d() { const quint32 a = u16d(); return a | (quint32(u16d()) << 16); }
    void atla(qint64 n)
    {
        while (n > 0 && !bitti()) {
            ilerle();
            if (bitti())
                return;
            const qint64 kalan = m_p.at(m_i).size() - m_o;
            const qint64 a = qMin(n, kalan);
            m_o += a;
            n -= a;
        }
    }
    QString metin(int cch, bool genis)
    {
        QString s;
        s.reserve(cch);
        while (s.size() < cch && !bitti()) {
            if (m_o >= m_p.at(m_i).size()) {
                ++m_i;
                m_o = 0;
                if (bitti())
                    break;
                genis = quint8(m_p.at(m_i).at(m_o++)) & 0x01;
                continue;
            }
            if (genis) {
                if (m_o + 2 > m_p.at(m_i).size()) {
                    m_o = m_p.at(m_i).size();
                    continue;
                }
                s += QChar(u16(m_p.at(m_i), m_o));
                m_o += 2;
            } else {
                s += QChar(uchar(m_p.at(m_i).at(m_o++)));
            }
        }
        return s;
    }

private:
    void ilerle()
    {
        while (!bitti() && m_o >= m_p.at(m_i).size()) {
            ++m_i;
            m_o = 0;
        }
    }
    const QVector<QByteArray> &m_p;
    qsizetype m_i = 0, m_o = 0;
};

// XLUnicodeString inside one record: cch (8 or 16 bits), options, characters.
QString kayitMetni(const QByteArray &b, qsizetype o, bool uzunlukIkiBayt)
{
    const int cch = uzunlukIkiBayt ? u16(b, o) : quint8(b8(b, o));
    o += uzunlukIkiBayt ? 2 : 1;
    const quint8 secenek = quint8(b8(b, o++));
    if (secenek & 0x08)
        o += 2;   // rich text runs follow the characters
    if (secenek & 0x04)
        o += 4;
    QString s;
    for (int i = 0; i < cch; ++i) {
        if (secenek & 0x01) {
            if (o + 2 > b.size())
                break;
            s += QChar(u16(b, o));
            o += 2;
        } else {
            if (o >= b.size())
                break;
            s += QChar(uchar(b.at(o++)));
        }
    }
    return s;
}

} // namespace

bool TabloOkumaIsi::xlsBiff8(QString *hata)
{
    QFile f(m_yol);
    if (!f.open(QIODevice::ReadOnly) || f.size() > 256LL * 1024 * 1024) {
        if (hata)
            *hata = bozukMesaji(m_yol);
        return false;
    }
    const QByteArray tum = f.readAll();
    BilesikDosya cf(tum);
    QByteArray w;
    if (!cf.ac() || !cf.akis(QStringLiteral("Workbook"), &w)) {
        if (hata)
            *hata = bozukMesaji(m_yol);
        return false;
    }
    auto bozuk = [&](const QString &ayrinti = QString()) {
        if (hata)
            *hata = bozukMesaji(m_yol, ayrinti);
        return false;
    };
    // Workbook globals: formats, cell styles, date system, sheets, shared strings.
    if (u16(w, 0) != 0x0809 || u16(w, 4) != 0x0600)
        return bozuk(QStringLiteral("Excel 97 biçiminde değil"));
    QHash<int, int> bicimler;   // format id → kind (bicimTuru)
    QVector<int> xfBicim;       // XF index → format id
    bool sistem1904 = false;
    qint64 ilkSayfa = -1;
    QVector<QByteArray> sstParcalari;
    bool sstIcinde = false;
    qsizetype o = 0;
    while (o + 4 <= w.size()) {
        const quint16 tur = u16(w, o), boy = u16(w, o + 2);
        const QByteArray k = QByteArray::fromRawData(w.constData() + o + 4, qMin<qsizetype>(boy, w.size() - o - 4));
        o += 4 + boy;
        if (tur != 0x003C)
            sstIcinde = false;
        switch (tur) {
        case 0x002F:   // FILEPASS
            if (hata)
                *hata = parolaMesaji(m_yol);
            return false;
        case 0x0022:
            sistem1904 = u16(k, 0) == 1;
            break;
        case 0x041E:
            bicimler.insert(u16(k, 0), bicimTuru(kayitMetni(k, 2, true)));
            break;
        case 0x00E0:
            xfBicim << u16(k, 2);
            break;
        case 0x0085:
            if (ilkSayfa < 0 && quint8(b8(k, 5)) == 0)
                ilkSayfa = u32(k, 0);
            break;
        case 0x00FC:
            sstParcalari << QByteArray(k);
            sstIcinde = true;
            break;
        case 0x003C:
            if (sstIcinde)
                sstParcalari << QByteArray(k);
            break;
        default:
            break;
        }
        if (tur == 0x000A)
            break;
    }
    if (ilkSayfa < 0 || ilkSayfa >= w.size())
        return bozuk(QStringLiteral("sayfa bulunamadı"));

    QVector<QString> sst;
    if (!sstParcalari.isEmpty()) {
        ParcaliOkuyucu p(sstParcalari);
        p.u32d();
        const quint32 tekil = p.u32d();
        for (quint32 i = 0; i < tekil && !p.bitti(); ++i) {
            const int cch = p.u16d();
            const quint8 secenek = p.u8();
            const int runlar = (secenek & 0x08) ? p.u16d() : 0;
            const quint32 ek = (secenek & 0x04) ? p.u32d() : 0;
            sst << p.metin(cch, secenek & 0x01);
            p.atla(qint64(runlar) * 4);
            p.atla(ek);
        }
    }

    auto sayi = [&](int xf, double d) -> QVariant {
        const int id = xf >= 0 && xf < xfBicim.size() ? xfBicim.at(xf) : 0;
        const int t = bicimler.contains(id) ? bicimler.value(id) : yerlesikBicimTuru(id);
        return t ? tarihDegeri(d, t, sistem1904) : QVariant(d);
    };

    // The first worksheet's cells.
    o = ilkSayfa;
    if (u16(w, o) != 0x0809)
        return bozuk();
    int formulSatir = -1, formulSutun = -1;   // a formula whose text result follows
    while (o + 4 <= w.size()) {
        const quint16 tur = u16(w, o), boy = u16(w, o + 2);
        const QByteArray k = QByteArray::fromRawData(w.constData() + o + 4, qMin<qsizetype>(boy, w.size() - o - 4));
        o += 4 + boy;
        if (tur == 0x000A)
            return true;
        const int r = u16(k, 0) + 1, c = u16(k, 2) + 1, xf = u16(k, 4);
        QVariant v;
        switch (tur) {
        case 0x00FD: {   // LABELSST
            const quint32 i = u32(k, 6);
            if (i < quint32(sst.size()))
                v = sst.at(i);
            break;
        }
        case 0x0204:   // LABEL
            v = kayitMetni(k, 6, true);
            break;
        case 0x0203:   // NUMBER
            v = sayi(xf, f64(k, 6));
            break;
        case 0x027E:   // RK
            v = sayi(xf, rkSayi(u32(k, 6)));
            break;
        case 0x00BD: { // MULRK
            const int son = u16(k, k.size() - 2) + 1;
            for (int s = c, i = 4; s <= son && i + 6 <= k.size() - 2; ++s, i += 6)
                if (!koy(r, s, sayi(u16(k, i), rkSayi(u32(k, i + 2))), hata))
                    return false;
            break;
        }
        case 0x0205:   // BOOLERR
            if (b8(k, 7) == 0)
                v = b8(k, 6) != 0;
            break;
        case 0x0006:   // FORMULA: its cached result
            if (u16(k, 12) == 0xFFFF) {
                const quint8 rt = quint8(b8(k, 6));
                if (rt == 0) {
                    formulSatir = r;
                    formulSutun = c;
                } else if (rt == 1) {
                    v = b8(k, 8) != 0;
                }
            } else {
                v = sayi(xf, f64(k, 6));
            }
            break;
        case 0x0207:   // STRING: the text result of the formula before it
            if (formulSatir > 0 && !koy(formulSatir, formulSutun, kayitMetni(k, 0, true), hata))
                return false;
            formulSatir = -1;
            break;
        default:
            break;
        }
        if (v.isValid() && tur != 0x0207 && !koy(r, c, v, hata))
            return false;
    }
    return bozuk();
}

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

// ---------------------------------------------------------------------------

bool TabloOkuyucu::hucreKoy(int satir, int sutun, const QVariant &deger)
{
    if (satir < 1 || sutun < 1 || satir > EnCokSatir || sutun > EnCokSutun)
        return true;   // outside any sheet: not a cell
    if (!deger.isValid() || (deger.typeId() == QMetaType::QString && deger.toString().isEmpty()))
        return true;   // an empty text is an empty cell, in every format
    if (++m_hucreSayisi > EnCokHucre)
        return false;
    if (m_satirlar.size() < satir)
        m_satirlar.resize(satir);
    QVector<QVariant> &s = m_satirlar[satir - 1];
    if (s.size() < sutun)
        s.resize(sutun);
    s[sutun - 1] = deger;
    m_satirSayisi = qMax(m_satirSayisi, satir);
    m_sutunSayisi = qMax(m_sutunSayisi, sutun);
    return true;
}

void TabloOkuyucu::kapat()
{
    m_satirlar.clear();
    m_satirSayisi = m_sutunSayisi = 0;
    m_hucreSayisi = 0;
}

bool TabloOkuyucu::ac(const QString &yol, QString *hata)
{
    kapat();
    QFile f(yol);
    if (!f.open(QIODevice::ReadOnly)) {
        if (hata)
            *hata = QStringLiteral("Dosya açılamadı: ") + yol + QStringLiteral(" (") + f.errorString()
                    + QStringLiteral(")");
        return false;
    }
    const QByteArray bas = f.peek(8);
    const QString uzanti = QFileInfo(yol).suffix().toLower();
    TabloOkumaIsi is(*this, yol);
    bool tamam = false;
    QString h;
    if (bas.startsWith("PK\x03\x04")) {
        f.close();
        // .ods and .xlsx are both zip packages: the package itself says which.
        QuaZip zip(yol);
        bool odf = uzanti == QLatin1String("ods");
        if (zip.open(QuaZip::mdUnzip)) {
            if (zip.setCurrentFile(QStringLiteral("mimetype"))) {
                QuaZipFile m(&zip);
                if (m.open(QIODevice::ReadOnly))
                    odf = m.read(200).startsWith("application/vnd.oasis.opendocument");
            } else if (zip.setCurrentFile(QStringLiteral("[Content_Types].xml"))) {
                odf = false;
            }
            zip.close();
        }
        tamam = odf ? is.ods(&h) : is.xlsx(&h);
    } else if (bas.startsWith("\xD0\xCF\x11\xE0\xA1\xB1\x1A\xE1")) {
        f.close();
        // A compound file: an Excel 97 workbook, or an .xlsx / .ods saved with a
        // password (those are wrapped in one).
        if (uzanti == QLatin1String("xlsx") || uzanti == QLatin1String("ods") || uzanti == QLatin1String("xlsm")) {
            h = parolaMesaji(yol);
            tamam = false;
        } else {
            tamam = is.xls(&h);
        }
    } else if (uzanti == QLatin1String("csv") || uzanti == QLatin1String("txt")) {
        if (f.size() > 512LL * 1024 * 1024) {
            h = buyukMesaji(yol);
        } else {
            const QByteArray veri = f.readAll();
            f.close();
            tamam = is.csv(veri, &h);
        }
    } else if (uzanti == QLatin1String("xlsx") || uzanti == QLatin1String("ods") || uzanti == QLatin1String("xls")) {
        h = bozukMesaji(yol);
    } else {
        h = QStringLiteral("Bu dosya türü okunamıyor: ") + dosyaAdi(yol)
            + QStringLiteral(". Okunabilen türler: .xlsx, .ods, .xls, .csv");
    }
    if (!tamam) {
        kapat();
        if (hata)
            *hata = h;
        return false;
    }
    return true;
}

QVariant TabloOkuyucu::hucreDegeri(int satir, int sutun) const
{
    if (satir < 1 || sutun < 1 || satir > m_satirlar.size())
        return QVariant();
    const QVector<QVariant> &s = m_satirlar.at(satir - 1);
    return sutun <= s.size() ? s.at(sutun - 1) : QVariant();
}

QString TabloOkuyucu::hucre(int satir, int sutun) const { return degerMetni(hucreDegeri(satir, sutun)); }

QString TabloOkuyucu::degerMetni(const QVariant &v)
{
    switch (v.typeId()) {
    case QMetaType::UnknownType:
        return QString();
    case QMetaType::Double:
    case QMetaType::Float: {
        const double d = v.toDouble();
        if (!std::isfinite(d))
            return QString();
        if (d == std::floor(d) && std::fabs(d) < 1e15)
            return QString::number(qint64(d));
        return QString::number(d, 'g', 15);
    }
    case QMetaType::Int:
    case QMetaType::LongLong:
    case QMetaType::UInt:
    case QMetaType::ULongLong:
        return QString::number(v.toLongLong());
    case QMetaType::QDate:
        return v.toDate().toString(QStringLiteral("dd.MM.yyyy"));
    case QMetaType::QDateTime:
        return v.toDateTime().toString(QStringLiteral("dd.MM.yyyy HH:mm:ss"));
    case QMetaType::QTime:
        return v.toTime().toString(QStringLiteral("HH:mm:ss"));
    case QMetaType::Bool:
        return v.toBool() ? QStringLiteral("DOĞRU") : QStringLiteral("YANLIŞ");
    default:
        return v.toString();
    }
}

QString TabloOkuyucu::dosyaFiltresi()
{
    return QStringLiteral("Tablo Dosyaları (*.xlsx *.xls *.ods *.csv);;Excel Dosyaları (*.xlsx *.xls);;"
                          "Tüm Dosyalar (*)");
}
