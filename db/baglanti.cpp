#include "db/baglanti.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QSqlError>

namespace Baglanti {

QString kullanici()
{
    const QString s = qEnvironmentVariable("VELMORIKA_DB_USER");
    return s.isEmpty() ? QStringLiteral("SYSDBA") : s;
}

QString sifre()
{
    const QString s = qEnvironmentVariable("VELMORIKA_DB_PASSWORD");
    return s.isEmpty() ? QStringLiteral("plinthova") : s;
}

bool ac(const QString &konum, const QString &ad, QString *hata)
{
    if (QSqlDatabase::contains(ad))
        kapat(ad);
    QSqlDatabase db = QSqlDatabase::addDatabase(QStringLiteral("QIBASE"), ad);
    if (!db.isValid()) {
        if (hata)
            *hata = QStringLiteral("Firebird veritabanı sürücüsü (QIBASE) yüklenemedi.");
        return false;
    }
    db.setDatabaseName(konum);
    db.setUserName(kullanici());
    db.setPassword(sifre());
    if (!db.open()) {
        if (hata) {
            const QSqlError e = db.lastError();
            *hata = e.text().trimmed().isEmpty() ? QStringLiteral("Veritabanına bağlanılamadı: ") + konum
                                                 : e.text();
        }
        return false;
    }
    return true;
}

void kapat(const QString &ad)
{
    {
        QSqlDatabase db = QSqlDatabase::database(ad, false);
        if (db.isOpen())
            db.close();
    }
    QSqlDatabase::removeDatabase(ad);
}

QSqlDatabase vt(const QString &ad) { return QSqlDatabase::database(ad, false); }

QString datayeriDosyasi()
{
    return QDir(QCoreApplication::applicationDirPath()).filePath(QStringLiteral("datayeri.txt"));
}

bool datayeriOku(QString *konum, QString *hata)
{
    QFile f(datayeriDosyasi());
    if (!f.open(QIODevice::ReadOnly | QIODevice::Text)) {
        if (hata)
            *hata = QStringLiteral("Veritabanı yeri dosyası okunamadı: ") + f.fileName() + QStringLiteral(" (")
                    + f.errorString() + QStringLiteral(")");
        return false;
    }
    QString s = QString::fromUtf8(f.readAll());
    const int satirSonu = s.indexOf(QLatin1Char('\n'));
    if (satirSonu >= 0)
        s.truncate(satirSonu);
    if (s.endsWith(QLatin1Char('\r')))
        s.chop(1);
    *konum = s;
    return true;
}

} // namespace Baglanti
