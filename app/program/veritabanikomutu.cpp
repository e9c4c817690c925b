#include "app/program/komutsatiri.h"
#include "db/olustur.h"

#include <QDir>
#include <QFileInfo>
#include <QTextStream>

int YeniVeritabaniKomutu(const QStringList &a)
{
    QTextStream cikis(stdout);
    QTextStream hataCikisi(stderr);
    if (a.size() < 2 || a.at(1).trimmed().isEmpty()) {
        hataCikisi << QStringLiteral("Kullanım: velmorika --yeni-veritabani DOSYA.FDB") << Qt::endl;
        return 2;
    }
    if (a.size() > 2) {
        hataCikisi << QStringLiteral("Fazla argüman: yalnız veritabanı dosyasının yolu verilir.") << Qt::endl;
        return 2;
    }
    const QString yol = QFileInfo(a.at(1)).absoluteFilePath();
    QString hata;
    if (!Olustur::veritabaniOlustur(yol, &hata)) {
        hataCikisi << hata << Qt::endl;
        return 1;
    }
    cikis << QStringLiteral("Yeni veritabanı oluşturuldu: ") << QDir::toNativeSeparators(yol) << Qt::endl;
    return 0;
}
