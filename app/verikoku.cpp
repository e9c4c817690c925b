#include "app/verikoku.h"

#include "db/istasyonayari.h"

#include <QDir>

QString VeriKoku()
{
    QString kok = qEnvironmentVariable("VELMORIKA_KOK");
    if (kok.isEmpty()) {
        // No secret: read even from a file others can read (the connection refuses that file).
        IstasyonAyari::Degerler d;
        IstasyonAyari::oku(&d, nullptr);
        kok = d.verikoku;
    }
    if (kok.isEmpty()) {
#ifdef Q_OS_WIN
        kok = QStringLiteral("C:/VELMORIKA");
#else
        kok = QDir::home().filePath(QStringLiteral("VELMORIKA"));
#endif
    }
    QDir d(kok);
    for (const char *alt : {"RESIMLER", "MUAYENE", "GOZ", "VIDEO"})
        d.mkpath(QLatin1String(alt));
    return d.absolutePath();
}

QString VeriKokuYolu(const QString &ad) { return QDir(VeriKoku()).filePath(ad); }
