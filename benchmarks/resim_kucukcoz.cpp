// Thumbnails for the picture galleries: decoding a camera-size JPEG at a
// reduced DCT scale against decoding it whole and shrinking the image.
// Prints both times and their ratio.
#include "app/jpeg.h"

#include <QElapsedTimer>
#include <QGuiApplication>
#include <QImage>
#include <QPainter>
#include <cstdio>

int main(int argc, char **argv)
{
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QGuiApplication app(argc, argv);

    QImage kaynak(4000, 3000, QImage::Format_RGB32);
    QPainter p(&kaynak);
    for (int i = 0; i < 40; ++i)
        p.fillRect(i * 100, 0, 100, 3000, QColor::fromHsv(i * 9, 200, 220));
    p.end();
    const QByteArray jpeg = Jpeg::kodla(kaynak, 90);
    const QSize sinir(160, 120);
    const int tekrar = 10;

    QElapsedTimer t;
    t.start();
    for (int i = 0; i < tekrar; ++i)
        if (Jpeg::kucukCoz(jpeg, sinir).size() != sinir)
            return 1;
    const double olcekli = double(t.nsecsElapsed()) / tekrar / 1e6;

    t.restart();
    for (int i = 0; i < tekrar; ++i)
        if (Jpeg::coz(jpeg).scaled(sinir, Qt::KeepAspectRatio, Qt::SmoothTransformation).size() != sinir)
            return 1;
    const double tam = double(t.nsecsElapsed()) / tekrar / 1e6;

    std::printf("4000x3000 JPEG (%lld bytes) -> 160x120\n", static_cast<long long>(jpeg.size()));
    std::printf("scaled decode: %.1f ms, full decode + shrink: %.1f ms, ratio %.2f\n", olcekli, tam,
                olcekli / tam);
    return 0;
}
