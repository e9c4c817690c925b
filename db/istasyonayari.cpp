#include "db/istasyonayari.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QSettings>

namespace {

const QFileDevice::Permissions SahibeOzel = QFileDevice::ReadOwner | QFileDevice::WriteOwner;
const QFileDevice::Permissions Baskalari = QFileDevice::ReadGroup | QFileDevice::WriteGroup | QFileDevice::ReadOther
                                           | QFileDevice::WriteOther;

QSettings ayarlar()
{
    return QSettings(QSettings::IniFormat, QSettings::UserScope, QStringLiteral("VELMORIKA"),
                     QStringLiteral("baglanti"));
}

} // namespace

namespace IstasyonAyari {

QString dosya() { return ayarlar().fileName(); }

bool oku(Degerler *d, QString *hata)
{
    *d = Degerler();
    const QString yol = dosya();
    const QFileInfo fi(yol);
    if (!fi.exists())
        return true;
    const QSettings s = ayarlar();
    d->verikoku = s.value(QStringLiteral("veri/kok")).toString().trimmed();
    if (QFile::permissions(yol) & Baskalari) {
        if (hata)
            *hata = QStringLiteral("İstasyon ayar dosyasını başkaları da okuyabiliyor: %1. İçindeki veritabanı "
                                   "şifresi gizli kalmaz; dosyayı yalnız sahibi okuyabilsin (chmod 600 %1), "
                                   "sonra programı yeniden açın.")
                        .arg(QDir::toNativeSeparators(yol));
        return false;
    }
    d->kullanici = s.value(QStringLiteral("veritabani/kullanici")).toString().trimmed();
    d->sifre = s.value(QStringLiteral("veritabani/sifre")).toString();
    return true;
}

bool yaz(const Degerler &d, QString *hata)
{
    const QString yol = dosya();
    QDir().mkpath(QFileInfo(yol).absolutePath());
    // Made private before anything is in it; QSettings keeps the permissions
    // of the file it rewrites.
    {
        QFile f(yol);
        if (!f.exists() && !f.open(QIODevice::WriteOnly, SahibeOzel)) {
            if (hata)
                *hata = QStringLiteral("İstasyon ayar dosyası yazılamadı: %1 (%2)")
                            .arg(QDir::toNativeSeparators(yol), f.errorString());
            return false;
        }
    }
    QFile::setPermissions(yol, SahibeOzel);
    QSettings s = ayarlar();
    s.setValue(QStringLiteral("veritabani/kullanici"), d.kullanici);
    s.setValue(QStringLiteral("veritabani/sifre"), d.sifre);
    if (d.verikoku.isEmpty())
        s.remove(QStringLiteral("veri/kok"));
    else
        s.setValue(QStringLiteral("veri/kok"), d.verikoku);
    s.sync();
    if (s.status() != QSettings::NoError || !QFile::setPermissions(yol, SahibeOzel)) {
        if (hata)
            *hata = QStringLiteral("İstasyon ayar dosyası yazılamadı: %1").arg(QDir::toNativeSeparators(yol));
        return false;
    }
    return true;
}

} // namespace IstasyonAyari
