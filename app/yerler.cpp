#include "app/yerler.h"

#include "app/mesaj.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QSettings>

namespace {

QString &sistemKlasoru()
{
    static QString k = QStringLiteral("/etc/velmorika");
    return k;
}

QString programinYaninda(const QString &ad)
{
    if (!QCoreApplication::instance())
        return {};
    return QDir(QCoreApplication::applicationDirPath()).filePath(ad);
}

} // namespace

namespace Yerler {

QString ayarKlasoru()
{
    // The folder QSettings keeps the user's settings in (baglanti.ini and the
    // remembered folders are there already); tests point it at a folder of their own.
    const QSettings s(QSettings::IniFormat, QSettings::UserScope, QStringLiteral("VELMORIKA"),
                      QStringLiteral("baglanti"));
    const QString klasor = QFileInfo(s.fileName()).absolutePath();
    if (!QFileInfo(klasor).isDir() && QDir().mkpath(klasor))
        QFile::setPermissions(klasor, QFileDevice::ReadOwner | QFileDevice::WriteOwner | QFileDevice::ExeOwner);
    return klasor;
}

QString sistemAyarKlasoru() { return sistemKlasoru(); }
void sistemAyarKlasoruAyarla(const QString &klasor) { sistemKlasoru() = klasor; }

QStringList datayeriDosyalari()
{
    const QString ad = QStringLiteral("datayeri.txt");
    QStringList d{QDir(ayarKlasoru()).filePath(ad), QDir(sistemAyarKlasoru()).filePath(ad)};
    const QString yaninda = programinYaninda(ad);
    if (!yaninda.isEmpty())
        d << yaninda;
    return d;
}

bool veritabaniYeri(QString *konum, QString *hata, bool *hicYok)
{
    if (hicYok)
        *hicYok = false;
    const QString ortam = qEnvironmentVariable("VELMORIKA_VERITABANI").trimmed();
    if (!ortam.isEmpty()) {
        *konum = ortam;
        return true;
    }
    const QStringList dosyalar = datayeriDosyalari();
    for (const QString &yol : dosyalar) {
        if (!QFileInfo::exists(yol))
            continue;
        QFile f(yol);
        if (!f.open(QIODevice::ReadOnly | QIODevice::Text)) {
            if (hata)
                *hata = QStringLiteral("Veritabanı yeri dosyası okunamadı: %1\n(%2)")
                            .arg(QDir::toNativeSeparators(yol), f.errorString());
            return false;
        }
        QString s = QString::fromUtf8(f.readAll());
        const int satirSonu = int(s.indexOf(QLatin1Char('\n')));
        if (satirSonu >= 0)
            s.truncate(satirSonu);
        if (s.endsWith(QLatin1Char('\r')))
            s.chop(1);
        if (s.trimmed().isEmpty()) {
            if (hata)
                *hata = QStringLiteral("Veritabanı yeri dosyası boş: %1. İlk satırına veritabanının yerini yazın "
                                       "(örneğin /home/klinik/VELMORIKA/VELMORIKA.FDB ya da sunucu:/yol/VELMORIKA.FDB).")
                            .arg(QDir::toNativeSeparators(yol));
            return false;
        }
        *konum = s;
        return true;
    }
    if (hicYok)
        *hicYok = true;
    if (hata) {
        QStringList yerler;
        for (const QString &d : dosyalar)
            yerler << QDir::toNativeSeparators(d);
        *hata = QStringLiteral("Veritabanı yeri dosyası okunamadı: veritabanının yeri tanımlı değil. İlk satırında "
                               "veritabanının yeri yazan bir datayeri.txt şu yerlerden birine konur (bu sırayla "
                               "aranır): %1; ya da --veritabani KONUM ile ya da VELMORIKA_VERITABANI ile verilir.")
                    .arg(yerler.join(QStringLiteral(", ")));
    }
    return false;
}

bool datayeriYaz(const QString &konum, QString *hata)
{
    const QString yol = QDir(ayarKlasoru()).filePath(QStringLiteral("datayeri.txt"));
    QFile f(yol);
    if (!f.open(QIODevice::WriteOnly | QIODevice::Truncate | QIODevice::Text)
        || f.write(konum.trimmed().toUtf8() + '\n') < 0 || !f.flush()) {
        if (hata)
            *hata = QStringLiteral("Veritabanı yeri dosyası yazılamadı: %1 (%2)")
                        .arg(QDir::toNativeSeparators(yol), f.errorString());
        return false;
    }
    return true;
}

QStringList paylasilanAdaylar(const QString &ad)
{
    QStringList a;
    const QString yaninda = programinYaninda(ad);
    if (!yaninda.isEmpty()) {
        a << yaninda;
        // Installed: <prefix>/bin/velmorika and <prefix>/share/velmorika.
        a << QDir::cleanPath(QCoreApplication::applicationDirPath() + QStringLiteral("/../share/velmorika/") + ad);
    }
    return a;
}

QString paylasilanYol(const QString &ad)
{
    for (const QString &a : paylasilanAdaylar(ad))
        if (QFileInfo::exists(a))
            return a;
    return {};
}

QString eksikPaylasilanMetni(const QString &ne, const QStringList &adaylar)
{
    QStringList yerler;
    for (const QString &a : adaylar)
        yerler << QDir::toNativeSeparators(a);
    return QStringLiteral("%1 bulunamadı. Programla gelen dosyalar eksik (aranan yerler: %2). Programı yeniden "
                          "kurun (sudo apt install --reinstall velmorika).")
        .arg(ne, yerler.join(QStringLiteral(", ")));
}

bool eskiYerdenTasi(const QString &ne, const QString &eski, const QString &yeni)
{
    if (QFileInfo(eski).absoluteFilePath() == QFileInfo(yeni).absoluteFilePath() || !QFileInfo(eski).isFile()
        || QFileInfo::exists(yeni))
        return false;
    QDir().mkpath(QFileInfo(yeni).absolutePath());
    // rename keeps the permissions; across file systems a copy does as well.
    bool tasindi = QFile::rename(eski, yeni);
    if (!tasindi && QFile::copy(eski, yeni)) {
        QFile::setPermissions(yeni, QFile::permissions(eski));
        tasindi = QFile::remove(eski);
        if (!tasindi)
            QFile::remove(yeni);
    }
    if (!tasindi) {
        Mesaj::hata(QStringLiteral("%1 eski yerinden (%2) yeni yerine (%3) taşınamadı; şimdilik eski yerindeki "
                                   "kullanılıyor. Dosyayı elle taşıyın.")
                        .arg(ne, QDir::toNativeSeparators(QFileInfo(eski).absoluteFilePath()),
                             QDir::toNativeSeparators(yeni)));
        return false;
    }
    Mesaj::goster(QStringLiteral("%1 eski yerinden (%2) yeni yerine taşındı: %3")
                      .arg(ne, QDir::toNativeSeparators(QFileInfo(eski).absoluteFilePath()),
                           QDir::toNativeSeparators(yeni)));
    return true;
}

} // namespace Yerler
