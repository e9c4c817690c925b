// The zip packages of .xlsx and .ods, read with libzip.
#include "raporlar/motor/tablookuyucu_ozel.h"

#include <QFile>

namespace TabloOkuma {

ZipPaket::ZipPaket(const QString &yol)
{
    int hata = 0;
    m_zip = zip_open(QFile::encodeName(yol).constData(), ZIP_RDONLY, &hata);
}

ZipPaket::~ZipPaket()
{
    if (m_zip)
        zip_discard(m_zip);   // opened read-only: nothing to write back
}

zip_int64_t ZipPaket::bul(const QString &ad, bool harfDuyarli) const
{
    if (!m_zip)
        return -1;
    return zip_name_locate(m_zip, ad.toUtf8().constData(), harfDuyarli ? 0 : ZIP_FL_NOCASE);
}

bool ZipPaket::oku(const QString &ad, QByteArray *veri) const
{
    const zip_int64_t i = bul(ad);
    if (i < 0)
        return false;
    ZipGirdisi f(*this, i);
    if (!f.open(QIODevice::ReadOnly))
        return false;
    *veri = f.readAll();
    f.close();
    return !f.hataVar();
}

ZipGirdisi::ZipGirdisi(const ZipPaket &paket, zip_int64_t indeks) : m_zip(paket.zip()), m_indeks(indeks) {}

ZipGirdisi::~ZipGirdisi() { close(); }

bool ZipGirdisi::open(OpenMode kip)
{
    if (isOpen() || (kip & WriteOnly) || !m_zip || m_indeks < 0)
        return false;
    m_dosya = zip_fopen_index(m_zip, zip_uint64_t(m_indeks), 0);
    if (!m_dosya)
        return false;
    m_son = m_hata = false;
    // libzip reads in blocks itself; a second buffer here would only copy.
    return QIODevice::open(ReadOnly | Unbuffered);
}

void ZipGirdisi::close()
{
    if (m_dosya) {
        zip_fclose(m_dosya);
        m_dosya = nullptr;
    }
    if (isOpen())
        QIODevice::close();
}

// QXmlStreamReader, cut short, keeps asking for more as long as the device is
// not at its end: a failed read has to count as the end, or a damaged part
// would be read forever.
bool ZipGirdisi::atEnd() const { return !isOpen() || m_son || m_hata; }

qint64 ZipGirdisi::readData(char *veri, qint64 enCok)
{
    if (!m_dosya || m_hata)
        return -1;
    if (m_son || enCok <= 0)
        return 0;
    // A damaged stream, or a checksum that does not match once the whole
    // entry has been read, comes back as -1.
    const zip_int64_t n = zip_fread(m_dosya, veri, zip_uint64_t(enCok));
    if (n < 0) {
        m_hata = true;
        return -1;
    }
    if (n == 0)
        m_son = true;
    return n;
}

} // namespace TabloOkuma
