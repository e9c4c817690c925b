#pragma once
// JPEG pictures through libjpeg-turbo (TurboJPEG): header reading, full and
// scaled decoding (thumbnails decode at a reduced DCT scale, which is far
// cheaper than decoding everything and shrinking afterwards), encoding.
#include <QByteArray>
#include <QImage>
#include <QSize>
#include <QString>

namespace Jpeg {

// The data starts with the JPEG start-of-image marker.
bool imzaVar(const QByteArray &veri);

// Width and height from the header; false (with the library's text in hata)
// when the data is not a readable JPEG.
bool boyutOku(const QByteArray &veri, QSize *boyut, QString *hata = nullptr);

// Decodes the whole picture. A null image and hata when the data is not a
// complete, readable JPEG (a truncated file counts as unreadable).
QImage coz(const QByteArray &veri, QString *hata = nullptr);

// Decodes for a frame of size sinir: the picture comes back no larger than
// needed to fill sinir with its aspect ratio kept (never enlarged); the
// library's scaling factors do most of the shrinking.
QImage kucukCoz(const QByteArray &veri, const QSize &sinir, QString *hata = nullptr);

// Encodes an image as JPEG (quality 1..100, 4:2:0). Empty on failure.
QByteArray kodla(const QImage &resim, int kalite = 90, QString *hata = nullptr);

// The scaled size the library would produce for the smallest of its
// factors that still covers hedef (for tests and callers sizing frames).
QSize olcekliBoyut(const QSize &asil, const QSize &hedef);

} // namespace Jpeg
