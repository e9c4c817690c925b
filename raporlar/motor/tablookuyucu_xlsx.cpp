// Office Open XML workbooks (.xlsx): the first sheet in workbook order, with
// the shared strings and the cell styles that make numbers dates.
#include "raporlar/motor/tablookuyucu_ozel.h"

#include <QDir>
#include <QHash>

using namespace TabloOkuma;

namespace {

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

// The workbook part: the relationship id of the first <sheet> in workbook
// order, and the date system. false when the part is damaged or has no sheet.
bool kitapOku(const QByteArray &veri, QString *ilkSayfaId, bool *sistem1904)
{
    QXmlStreamReader x(veri);
    while (!x.atEnd()) {
        x.readNext();
        if (!x.isStartElement())
            continue;
        if (x.name() == QLatin1String("workbookPr")) {
            const QString d = attr(x, QLatin1StringView("date1904"));
            *sistem1904 = d == QLatin1String("1") || d == QLatin1String("true");
        } else if (x.name() == QLatin1String("sheet") && ilkSayfaId->isEmpty()) {
            for (const QXmlStreamAttribute &a : x.attributes())
                if (a.name() == QLatin1String("id") && !a.namespaceUri().isEmpty())
                    *ilkSayfaId = a.value().toString();
        }
    }
    return !x.hasError() && !ilkSayfaId->isEmpty();
}

// The shared strings part, streamed (it can be the larger half of a big
// workbook). No part: no strings. false when it is damaged, with the XML
// reader's complaint, if any, in ayrinti.
bool ortakMetinleriOku(const ZipPaket &zip, const QString &yol, QVector<QString> *ortak, QString *ayrinti)
{
    const zip_int64_t i = yol.isEmpty() ? -1 : zip.bul(yol);
    if (i < 0)
        return true;
    ZipGirdisi f(zip, i);
    if (!f.open(QIODevice::ReadOnly))
        return false;
    QXmlStreamReader x(&f);
    while (!x.atEnd()) {
        x.readNext();
        if (x.isStartElement() && x.name() == QLatin1String("si"))
            ortak->append(zenginMetin(x));
    }
    const bool xmlHatasi = x.hasError();
    f.close();
    if (xmlHatasi || f.hataVar()) {
        *ayrinti = x.errorString();
        return false;
    }
    return true;
}

// Styles: for each cell format (by index), what its number format shows (bicimTuru).
QVector<int> stilTurleri(const QByteArray &veri)
{
    QVector<int> stilTuru;
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
    return stilTuru;
}

// The value of the <c> element the reader is on, read to its end tag.
QVariant hucreDegeri(QXmlStreamReader &x, const QVector<QString> &ortak, const QVector<int> &stilTuru,
                     bool sistem1904)
{
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
    return deger;
}

} // namespace

bool TabloOkumaIsi::xlsxSayfa(QXmlStreamReader &x, const QVector<QString> &ortak, const QVector<int> &stilTuru,
                              bool sistem1904, QString *hata)
{
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
            const QVariant deger = hucreDegeri(x, ortak, stilTuru, sistem1904);
            if (deger.isValid() && satir > 0 && !koy(satir, sutun, deger, hata))
                return false;
        }
    }
    return true;
}

bool TabloOkumaIsi::xlsx(QString *hata)
{
    ZipPaket zip(m_yol);
    if (!zip.acik())
        return hataVer(hata, bozukMesaji(m_yol));
    QByteArray veri;
    // The workbook part, through the package relationships.
    QString kitap = QStringLiteral("xl/workbook.xml");
    if (zip.oku(QStringLiteral("_rels/.rels"), &veri)) {
        const QString k = turuOlan(iliskileriOku(veri, QString()), QLatin1StringView("/officeDocument"));
        if (!k.isEmpty())
            kitap = k;
    }
    if (!zip.oku(kitap, &veri))
        return hataVer(hata, bozukMesaji(m_yol, QStringLiteral("çalışma kitabı yok")));
    QString ilkSayfaId;
    bool sistem1904 = false;
    if (!kitapOku(veri, &ilkSayfaId, &sistem1904))
        return hataVer(hata, bozukMesaji(m_yol, QStringLiteral("sayfa bulunamadı")));
    QHash<QString, Iliski> iliskiler;
    if (zip.oku(relsYolu(kitap), &veri))
        iliskiler = iliskileriOku(veri, klasoru(kitap));
    const QString sayfaYolu = iliskiler.value(ilkSayfaId).hedef;
    if (sayfaYolu.isEmpty())
        return hataVer(hata, bozukMesaji(m_yol, QStringLiteral("sayfa bulunamadı")));

    QVector<QString> ortak;
    QString ayrinti;
    if (!ortakMetinleriOku(zip, turuOlan(iliskiler, QLatin1StringView("/sharedStrings")), &ortak, &ayrinti))
        return hataVer(hata, bozukMesaji(m_yol, ayrinti));

    QVector<int> stilTuru;
    const QString stilYol = turuOlan(iliskiler, QLatin1StringView("/styles"));
    if (!stilYol.isEmpty() && zip.oku(stilYol, &veri))
        stilTuru = stilTurleri(veri);

    // The sheet itself, read as a stream.
    const zip_int64_t sayfa = zip.bul(sayfaYolu);
    if (sayfa < 0)
        return hataVer(hata, bozukMesaji(m_yol, QStringLiteral("sayfa bulunamadı")));
    ZipGirdisi f(zip, sayfa);
    if (!f.open(QIODevice::ReadOnly))
        return hataVer(hata, bozukMesaji(m_yol));
    QXmlStreamReader x(&f);
    if (!xlsxSayfa(x, ortak, stilTuru, sistem1904, hata))
        return false;
    const bool xmlHatasi = x.hasError();
    const QString xmlMetni = x.errorString();
    f.close();
    if (xmlHatasi || f.hataVar())
        return hataVer(hata, bozukMesaji(m_yol, xmlHatasi ? xmlMetni : QString()));
    return true;
}
