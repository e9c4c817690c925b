#include "app/ekranlar.h"
#include "app/mesaj.h"
#include "app/program/ekranlistesi.h"
#include "app/program/komutsatiri.h"
#include "app/program/sinyal.h"

#include <QApplication>

int main(int argc, char *argv[])
{
    SinyalleriYakala();
    QStringList argumanlar;
    for (int i = 1; i < argc; ++i)
        argumanlar << QString::fromLocal8Bit(argv[i]);
    const Komut komut = KomutSatiriniCoz(argumanlar);
    // Command-line runs open no window: they must work without a display.
    if (komut.penceresiz() && qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");

    QApplication uygulama(argc, argv);
    QApplication::setApplicationName(QStringLiteral("VELMORIKA"));
    TurkceAyarla();
    KayitIslemiAyarla(EkranlariKaydet);
    Mesaj::veriHatalariniBagla();
    const int sonuc = KomutuCalistir(komut);
    SinyalIzlemesiniBitir();
    return sonuc;
}
