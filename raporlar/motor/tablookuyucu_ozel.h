#pragma once
// What the format readers of TabloOkuyucu share: limits, messages, number
// formats that show dates, and reading the zip packages of .xlsx and .ods.
// Used only by tablookuyucu*.cpp.
#include "raporlar/motor/tablookuyucu.h"

#include <QByteArray>
#include <QDateTime>
#include <QIODevice>
#include <QString>
#include <QXmlStreamReader>

#include <zip.h>

namespace TabloOkuma {

// The largest sheet a spreadsheet program writes, and what we are willing to hold.
constexpr int EnCokSatir = 1048576;
constexpr int EnCokSutun = 16384;
constexpr qint64 EnCokHucre = 10'000'000;

QString dosyaAdi(const QString &yol);
QString bozukMesaji(const QString &yol, const QString &ayrinti = QString());
QString parolaMesaji(const QString &yol);
QString buyukMesaji(const QString &yol);

// What a number format shows: 0 a plain number, 1 a date, 2 a date and time, 3 a time.
int bicimTuru(const QString &kod);
// The same for Excel's built-in formats, by id.
int yerlesikBicimTuru(int id);
// A serial day number shown with a format of kind tur: QDate, QDateTime,
// QTime, or the number itself for a plain number.
QVariant tarihDegeri(double seri, int tur, bool sistem1904);

// The value of an attribute by its local name; empty when absent.
inline QString attr(const QXmlStreamReader &x, QLatin1StringView ad)
{
    for (const QXmlStreamAttribute &a : x.attributes())
        if (a.name() == ad)
            return a.value().toString();
    return QString();
}

// A zip package opened for reading; closed with the object.
class ZipPaket
{
public:
    explicit ZipPaket(const QString &yol);
    ~ZipPaket();
    ZipPaket(const ZipPaket &) = delete;
    ZipPaket &operator=(const ZipPaket &) = delete;

    bool acik() const { return m_zip != nullptr; }
    // The entry's index, -1 when absent. Office tools differ in the case of
    // part names, so parts are found case-insensitively unless asked otherwise.
    zip_int64_t bul(const QString &ad, bool harfDuyarli = false) const;
    // The whole of a small entry; false when missing or damaged.
    bool oku(const QString &ad, QByteArray *veri) const;
    zip_t *zip() const { return m_zip; }

private:
    zip_t *m_zip = nullptr;
};

// One entry of a package as a read-only stream, for the parts that may be
// too large to hold whole (sheets, shared strings, content.xml).
class ZipGirdisi : public QIODevice
{
public:
    ZipGirdisi(const ZipPaket &paket, zip_int64_t indeks);
    ~ZipGirdisi() override;

    // Read-only; false when the entry cannot be read (damaged, encrypted).
    bool open(OpenMode kip) override;
    void close() override;
    bool isSequential() const override { return true; }
    bool atEnd() const override;
    // A read failed: damaged data or a wrong checksum at the end of the entry.
    bool hataVar() const { return m_hata; }

protected:
    qint64 readData(char *veri, qint64 enCok) override;
    qint64 writeData(const char *, qint64) override { return -1; }

private:
    zip_t *m_zip;
    zip_int64_t m_indeks;
    zip_file_t *m_dosya = nullptr;
    bool m_son = false;
    bool m_hata = false;
};

} // namespace TabloOkuma

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
            *hata = TabloOkuma::buyukMesaji(m_yol);
        return false;
    }
    bool hataVer(QString *hata, const QString &mesaj)
    {
        if (hata)
            *hata = mesaj;
        return false;
    }
    // The rows of an .xlsx sheet part, streamed into the reader.
    bool xlsxSayfa(QXmlStreamReader &x, const QVector<QString> &ortak, const QVector<int> &stilTuru,
                   bool sistem1904, QString *hata);

    TabloOkuyucu &m_t;
    QString m_yol;
};
