#include "app/resimdeposu.h"
#include "app/jpeg.h"
#include "app/verikoku.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QImage>
#include <QSaveFile>

namespace {

const QSize BosResimBoyutu(320, 240);

bool dosyaYaz(const QString &yol, const QByteArray &veri, QString *hata)
{
    QSaveFile f(yol);
    if (!f.open(QIODevice::WriteOnly) || f.write(veri) != veri.size() || !f.commit()) {
        if (hata)
            *hata = QStringLiteral("Dosya yazılamadı: %1 (%2)").arg(QDir::toNativeSeparators(yol), f.errorString());
        return false;
    }
    return true;
}

QString yerel(const QString &yol) { return QDir::toNativeSeparators(yol); }

// First existing of: exact name, then any spelling of it.
QString varOlan(const QString &klasor, const QString &ad)
{
    if (QFile::exists(klasor + ad))
        return klasor + ad;
    return HarfDuyarsizBul(klasor, ad);
}

// The blank picture, made first when it is missing.
QString bosResim()
{
    ResimKlasorleriniHazirla(nullptr);
    return VeriKlasoru(QStringLiteral("RESIMLER")) + QStringLiteral("bos.jpg");
}

} // namespace

QString VeriKlasoru(const QString &ad)
{
    return VeriKokuYolu(ad) + QLatin1Char('/');
}

bool ResimKlasorleriniHazirla(QString *hata)
{
    for (const char *ad : {"RESIMLER", "MUAYENE", "GOZ", "VIDEO"}) {
        const QString yol = VeriKlasoru(QLatin1String(ad));
        if (!QDir().mkpath(yol)) {
            if (hata)
                *hata = QStringLiteral("Klasör oluşturulamadı: %1").arg(QDir::toNativeSeparators(yol));
            return false;
        }
    }

    QImage bos(BosResimBoyutu, QImage::Format_RGB32);
    bos.fill(Qt::white);
    QByteArray jpeg;
    for (const char *ad : {"RESIMLER", "MUAYENE", "GOZ"}) {
        const QString yol = VeriKlasoru(QLatin1String(ad)) + QStringLiteral("bos.jpg");
        if (QFile::exists(yol))
            continue;
        if (jpeg.isEmpty()) {
            QString h;
            jpeg = Jpeg::kodla(bos, 90, &h);
            if (jpeg.isEmpty()) {
                if (hata)
                    *hata = QStringLiteral("Boş resim oluşturulamadı: %1").arg(h);
                return false;
            }
        }
        if (!dosyaYaz(yol, jpeg, hata))
            return false;
    }
    for (const char *ad : {"MUAYENE", "GOZ"}) {
        const QString yol = VeriKlasoru(QLatin1String(ad)) + QStringLiteral("bos.bmp");
        if (QFile::exists(yol))
            continue;
        QSaveFile f(yol);
        if (!f.open(QIODevice::WriteOnly) || !bos.save(&f, "BMP") || !f.commit()) {
            if (hata)
                *hata = QStringLiteral("Dosya yazılamadı: %1 (%2)").arg(QDir::toNativeSeparators(yol), f.errorString());
            return false;
        }
    }
    return true;
}

QString ResimDosyaAdi(const QString &tur, const QString &ad)
{
    return tur + ad + QStringLiteral(".jpg");
}

QString ResimYolu(const QString &tur, const QString &ad)
{
    return VeriKlasoru(QStringLiteral("RESIMLER")) + ResimDosyaAdi(tur, ad);
}

QString HarfDuyarsizBul(const QString &klasor, const QString &ad)
{
    const QDir d(klasor);
    const QStringList adlar = d.entryList(QDir::Files | QDir::Hidden);
    for (const QString &a : adlar)
        if (a.compare(ad, Qt::CaseInsensitive) == 0)
            return d.filePath(a);
    return {};
}

bool ResimKaydet(const QString &tur, const QString &ad, const QByteArray &jpeg, QString *hata)
{
    auto hataVer = [hata](const QString &m) {
        if (hata)
            *hata = m;
        return false;
    };
    if (tur.isEmpty() || ad.isEmpty() || tur.contains(QLatin1Char('/')) || tur.contains(QLatin1Char('\\'))
        || ad.contains(QLatin1Char('/')) || ad.contains(QLatin1Char('\\')) || ad.contains(QLatin1String("..")))
        return hataVer(QStringLiteral("Geçersiz resim adı: %1").arg(tur + ad));

    QString neden;
    if (!Jpeg::imzaVar(jpeg))
        return hataVer(QStringLiteral("Seçilen dosya bir JPEG resmi değil."));
    if (Jpeg::coz(jpeg, &neden).isNull())
        return hataVer(QStringLiteral("Seçilen JPEG resmi bozuk ya da eksik, kaydedilmedi. (%1)").arg(neden));

    if (!ResimKlasorleriniHazirla(&neden))
        return hataVer(neden);

    const QString klasor = VeriKlasoru(QStringLiteral("RESIMLER"));
    const QString hedef = klasor + ResimDosyaAdi(tur, ad);
    QSaveFile f(hedef);
    if (!f.open(QIODevice::WriteOnly))
        return hataVer(QStringLiteral("Resim dosyası yazılamadı: %1 (%2)").arg(yerel(hedef), f.errorString()));
    if (f.write(jpeg) != jpeg.size()) {
        const QString m = f.errorString();
        f.cancelWriting();
        return hataVer(QStringLiteral("Resim dosyası yazılamadı: %1 (%2)").arg(yerel(hedef), m));
    }
    if (!f.commit())
        return hataVer(QStringLiteral("Resim dosyası yazılamadı: %1 (%2)").arg(yerel(hedef), f.errorString()));

    // The same picture under another spelling would otherwise still be found first.
    const QString adi = ResimDosyaAdi(tur, ad);
    const QStringList adlar = QDir(klasor).entryList(QDir::Files | QDir::Hidden);
    for (const QString &a : adlar)
        if (a != adi && a.compare(adi, Qt::CaseInsensitive) == 0)
            QFile::remove(klasor + a);
    return true;
}

QString GaleriBmpYolu(const QString &tur, const QString &R, int n)
{
    return VeriKlasoru(QStringLiteral("RESIMLER")) + tur + R + QLatin1Char('_') + QString::number(n)
           + QStringLiteral(".bmp");
}

QString GaleriResmiYolu(const QString &tur, const QString &R, int n)
{
    if (R.trimmed().isEmpty())
        return bosResim();
    const QString klasor = VeriKlasoru(QStringLiteral("RESIMLER"));
    const QString temel = tur + R + QLatin1Char('_') + QString::number(n);
    QString yol = varOlan(klasor, temel + QStringLiteral(".bmp"));
    if (yol.isEmpty())
        yol = varOlan(klasor, temel + QStringLiteral(".JPG"));
    return yol.isEmpty() ? bosResim() : yol;
}

QString HastaFotografiYolu(const QString &R)
{
    if (R.trimmed().isEmpty())
        return bosResim();
    const QString klasor = VeriKlasoru(QStringLiteral("RESIMLER"));
    const QString temel = ResimTuru::Hasta + R;
    QString yol = varOlan(klasor, temel + QStringLiteral(".bmp"));
    if (yol.isEmpty())
        yol = varOlan(klasor, temel + QStringLiteral(".jpg"));
    return yol.isEmpty() ? bosResim() : yol;
}

QString HastaGaleriYolu(const QString &R, int n)
{
    return GaleriResmiYolu(ResimTuru::Hasta, R, n);
}

QImage ResimYukle(const QString &yol, const QSize &sinir, QString *hata)
{
    QFile f(yol);
    if (!f.open(QIODevice::ReadOnly)) {
        if (hata)
            *hata = QStringLiteral("Resim dosyası okunamadı: %1 (%2)").arg(yerel(yol), f.errorString());
        return {};
    }
    const QByteArray veri = f.readAll();
    QImage resim;
    QString neden;
    if (Jpeg::imzaVar(veri)) {
        resim = sinir.isValid() ? Jpeg::kucukCoz(veri, sinir, &neden) : Jpeg::coz(veri, &neden);
    } else {
        resim.loadFromData(veri);
        if (!resim.isNull() && sinir.isValid()
            && (resim.width() > sinir.width() || resim.height() > sinir.height()))
            resim = resim.scaled(sinir, Qt::KeepAspectRatio, Qt::SmoothTransformation);
        if (resim.isNull())
            neden = QStringLiteral("tanınmayan resim biçimi");
    }
    if (resim.isNull() && hata)
        *hata = QStringLiteral("Resim dosyası okunamadı: %1 (%2)").arg(yerel(yol), neden);
    return resim;
}
