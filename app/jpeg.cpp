#include "app/jpeg.h"

#include <turbojpeg.h>

#include <limits>
#include <memory>

namespace {

struct TjSil
{
    void operator()(void *h) const { if (h) tjDestroy(static_cast<tjhandle>(h)); }
};
using TjTutamak = std::unique_ptr<void, TjSil>;

// QImage::Format_RGB32 keeps 0xffRRGGBB per pixel in host byte order.
constexpr int qtPikselBicimi()
{
#if Q_BYTE_ORDER == Q_LITTLE_ENDIAN
    return TJPF_BGRX;
#else
    return TJPF_XRGB;
#endif
}

QString tjHatasi(tjhandle h)
{
    return QString::fromLocal8Bit(tjGetErrorStr2(h));
}

void hataYaz(QString *hata, const QString &metin)
{
    if (hata)
        *hata = metin;
}

// The picture fitted into sinir with its aspect kept; never larger than asil.
QSize sigdir(const QSize &asil, const QSize &sinir)
{
    if (!sinir.isValid() || sinir.isEmpty())
        return asil;
    if (asil.width() <= sinir.width() && asil.height() <= sinir.height())
        return asil;
    QSize s = asil.scaled(sinir, Qt::KeepAspectRatio);
    return s.expandedTo(QSize(1, 1));
}

QImage cozOlcekli(const QByteArray &veri, const QSize &sinir, QString *hata)
{
    if (veri.isEmpty()) {
        hataYaz(hata, QStringLiteral("Dosya boş"));
        return {};
    }
    TjTutamak h(tjInitDecompress());
    if (!h) {
        hataYaz(hata, QString::fromLocal8Bit(tjGetErrorStr2(nullptr)));
        return {};
    }
    auto *kaynak = reinterpret_cast<const unsigned char *>(veri.constData());
    const auto boy = static_cast<unsigned long>(veri.size());
    int w = 0, y = 0, altorn = 0, renk = 0;
    if (tjDecompressHeader3(h.get(), kaynak, boy, &w, &y, &altorn, &renk) != 0) {
        hataYaz(hata, tjHatasi(h.get()));
        return {};
    }
    const QSize hedef = sigdir(QSize(w, y), sinir);
    const QSize olcekli = Jpeg::olcekliBoyut(QSize(w, y), hedef);

    QImage resim(olcekli, QImage::Format_RGB32);
    if (resim.isNull()) {
        hataYaz(hata, QStringLiteral("Resim için bellek ayrılamadı"));
        return {};
    }
    // Warnings (a truncated file, corrupt data) count as failures: a picture
    // that decodes only partly is not accepted.
    if (tjDecompress2(h.get(), kaynak, boy, resim.bits(), olcekli.width(), int(resim.bytesPerLine()),
                      olcekli.height(), qtPikselBicimi(), TJFLAG_ACCURATEDCT) != 0) {
        hataYaz(hata, tjHatasi(h.get()));
        return {};
    }
    if (olcekli != hedef)
        resim = resim.scaled(hedef, Qt::IgnoreAspectRatio, Qt::SmoothTransformation);
    return resim;
}

} // namespace

namespace Jpeg {

bool imzaVar(const QByteArray &veri)
{
    return veri.size() >= 3 && uchar(veri[0]) == 0xFF && uchar(veri[1]) == 0xD8 && uchar(veri[2]) == 0xFF;
}

bool boyutOku(const QByteArray &veri, QSize *boyut, QString *hata)
{
    TjTutamak h(tjInitDecompress());
    if (!h) {
        hataYaz(hata, QString::fromLocal8Bit(tjGetErrorStr2(nullptr)));
        return false;
    }
    int w = 0, y = 0, altorn = 0, renk = 0;
    if (veri.isEmpty()
        || tjDecompressHeader3(h.get(), reinterpret_cast<const unsigned char *>(veri.constData()),
                               static_cast<unsigned long>(veri.size()), &w, &y, &altorn, &renk) != 0) {
        hataYaz(hata, veri.isEmpty() ? QStringLiteral("Dosya boş") : tjHatasi(h.get()));
        return false;
    }
    if (boyut)
        *boyut = QSize(w, y);
    return true;
}

QImage coz(const QByteArray &veri, QString *hata)
{
    return cozOlcekli(veri, QSize(), hata);
}

QImage kucukCoz(const QByteArray &veri, const QSize &sinir, QString *hata)
{
    return cozOlcekli(veri, sinir, hata);
}

QSize olcekliBoyut(const QSize &asil, const QSize &hedef)
{
    int adet = 0;
    tjscalingfactor *carpanlar = tjGetScalingFactors(&adet);
    QSize en = asil;
    qint64 enAlan = std::numeric_limits<qint64>::max();
    for (int i = 0; carpanlar && i < adet; ++i) {
        const tjscalingfactor c = carpanlar[i];
        if (c.num > c.denom)   // never enlarge
            continue;
        const int w = TJSCALED(asil.width(), c);
        const int y = TJSCALED(asil.height(), c);
        if (w < hedef.width() || y < hedef.height())
            continue;
        const qint64 alan = qint64(w) * y;
        if (alan < enAlan) {
            enAlan = alan;
            en = QSize(w, y);
        }
    }
    return en;
}

QByteArray kodla(const QImage &resim, int kalite, QString *hata)
{
    if (resim.isNull()) {
        hataYaz(hata, QStringLiteral("Boş resim kodlanamaz"));
        return {};
    }
    const QImage kaynak = resim.convertToFormat(QImage::Format_RGB32);
    TjTutamak h(tjInitCompress());
    if (!h) {
        hataYaz(hata, QString::fromLocal8Bit(tjGetErrorStr2(nullptr)));
        return {};
    }
    unsigned char *cikti = nullptr;
    unsigned long boy = 0;
    if (tjCompress2(h.get(), kaynak.constBits(), kaynak.width(), int(kaynak.bytesPerLine()), kaynak.height(),
                    qtPikselBicimi(), &cikti, &boy, TJSAMP_420, qBound(1, kalite, 100), TJFLAG_ACCURATEDCT)
        != 0) {
        hataYaz(hata, tjHatasi(h.get()));
        tjFree(cikti);
        return {};
    }
    QByteArray sonuc(reinterpret_cast<const char *>(cikti), qsizetype(boy));
    tjFree(cikti);
    return sonuc;
}

} // namespace Jpeg
