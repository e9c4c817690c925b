// The reader's own part: holding the cells, choosing the format reader from
// the file's first bytes, and the texts cells read as. The formats themselves
// are in tablookuyucu_xlsx / _ods / _xls / _csv.cpp.
#include "raporlar/motor/tablookuyucu.h"
#include "raporlar/motor/tablookuyucu_ozel.h"

#include "db/sqltext.h"

#include <QFile>
#include <QFileInfo>

#include <cmath>

namespace TabloOkuma {

QString dosyaAdi(const QString &yol) { return QFileInfo(yol).fileName(); }

QString bozukMesaji(const QString &yol, const QString &ayrinti)
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

} // namespace TabloOkuma

using namespace TabloOkuma;

namespace {

// .ods and .xlsx are both zip packages: the package itself says which.
bool odfPaketi(const QString &yol, const QString &uzanti)
{
    bool odf = uzanti == QLatin1String("ods");
    ZipPaket zip(yol);
    if (!zip.acik())
        return odf;
    const zip_int64_t mime = zip.bul(QStringLiteral("mimetype"), true);
    if (mime >= 0) {
        ZipGirdisi m(zip, mime);
        if (m.open(QIODevice::ReadOnly))
            odf = m.read(200).startsWith("application/vnd.oasis.opendocument");
    } else if (zip.bul(QStringLiteral("[Content_Types].xml"), true) >= 0) {
        odf = false;
    }
    return odf;
}

} // namespace

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
        tamam = odfPaketi(yol, uzanti) ? is.ods(&h) : is.xlsx(&h);
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
        return v.toDate().toString(TarihBicimi);
    case QMetaType::QDateTime:
        return v.toDateTime().toString(TarihSaniyeBicimi);
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
