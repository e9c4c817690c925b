#pragma once
// The picture store: plain files under <root>/RESIMLER. A picture belongs to
// a record only through its name: kind + record number (+ "_" + slot) + ".jpg".
// Kinds: "MUAYENE", "GOZ", "HASTA".
#include <QImage>
#include <QSize>
#include <QString>

namespace ResimTuru {
inline const QString Muayene = QStringLiteral("MUAYENE");
inline const QString Goz = QStringLiteral("GOZ");
inline const QString Hasta = QStringLiteral("HASTA");
}

// A folder under the data root (VeriKoku: "RESIMLER", "MUAYENE" ...), ending with '/'.
QString VeriKlasoru(const QString &ad);
// Creates the missing folders and blank pictures (bos.jpg in RESIMLER,
// MUAYENE, GOZ; bos.bmp in MUAYENE, GOZ). Existing files are left alone.
// False with a Turkish message in hata when something could not be made.
bool ResimKlasorleriniHazirla(QString *hata = nullptr);

// kind + ad + ".jpg" (ad: "57_2" for a gallery slot, "57" for a patient photo).
QString ResimDosyaAdi(const QString &tur, const QString &ad);
// Full path of that file under RESIMLER.
QString ResimYolu(const QString &tur, const QString &ad);

// The file in klasor whose name equals ad ignoring case (the original file
// system ignored case, so "X.JPG" and "X.jpg" name the same picture); empty when none.
QString HarfDuyarsizBul(const QString &klasor, const QString &ad);

// Stores JPEG data as picture tur+ad. The data must be a complete, readable
// JPEG, else nothing is touched. The file is written beside the target and
// renamed over it, so a failure never leaves a half-written or broken picture
// in place of the old one. Other spellings of the same name (".JPG") are
// removed afterwards so that the new picture is the one shown.
// False with a Turkish message in hata on any failure.
bool ResimKaydet(const QString &tur, const QString &ad, const QByteArray &jpeg, QString *hata = nullptr);

// Gallery slot n (1..4) of record R of kind tur: the .bmp when it exists,
// else the .jpg in any case of the extension, else the blank bos.jpg; the
// blank also when R is empty.
QString GaleriResmiYolu(const QString &tur, const QString &R, int n);
// The .bmp name a gallery slot's double-click opens, whatever the slot shows.
QString GaleriBmpYolu(const QString &tur, const QString &R, int n);
// Patient photo: HASTA+R.bmp, else HASTA+R.jpg (the picture window writes
// .jpg), else the blank. Same rule for the patient's gallery slots.
QString HastaFotografiYolu(const QString &R);
QString HastaGaleriYolu(const QString &R, int n);

// Reads a picture file for a frame: JPEG through TurboJPEG (scaled decoding
// when sinir is given), other formats through Qt. Null image and a Turkish
// message in hata when the file cannot be read.
QImage ResimYukle(const QString &yol, const QSize &sinir = QSize(), QString *hata = nullptr);
