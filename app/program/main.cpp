#include "app/ekranlar.h"
#include "app/mesaj.h"
#include "app/program/ekranlistesi.h"
#include "app/program/komutsatiri.h"

#include <QApplication>
#include <cstring>

int main(int argc, char *argv[])
{
    // Command-line runs open no window: they must work without a display.
    const bool penceresiz = argc > 1 && std::strncmp(argv[1], "--", 2) == 0;
    if (penceresiz && qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");

    QApplication uygulama(argc, argv);
    QApplication::setApplicationName(QStringLiteral("VELMORIKA"));
    KayitIslemiAyarla(EkranlariKaydet);
    Mesaj::veriHatalariniBagla();
    const QStringList a = QApplication::arguments().mid(1);
    if (!a.isEmpty()) {
        if (a.first() == QLatin1String("--yeni-veritabani"))
            return YeniVeritabaniKomutu(a);
        if (a.first() == QLatin1String("--rapor"))
            return RaporKomutu(a);
        if (a.first() == QLatin1String("--excel"))
            return ExcelKomutu(a);
    }
    return ProgramiBaslat();
}
