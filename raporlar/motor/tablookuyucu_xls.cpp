// Excel 97–2003 workbooks (.xls): through FreeXL, and for the sound workbooks
// FreeXL turns down, our own reader of the compound file and its BIFF8 records.
#include "raporlar/motor/tablookuyucu_ozel.h"

#include <QFile>
#include <QHash>

#include <freexl.h>

#include <cstring>
#include <memory>

using namespace TabloOkuma;

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
