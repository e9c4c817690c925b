// "velmorika --yeni-veritabani DOSYA.FDB|SUNUCU:YOL": a new, empty database,
// through a server when the location names one (the server then owns the file).
#include "app/program/komutsatiri.h"
#include "app/mesaj.h"
#include "db/baglanti.h"
#include "db/olustur.h"

#include <QDir>
#include <QFileInfo>
#include <QTextStream>

int YeniVeritabaniKomutu(const QStringList &argumanlar)
{
    const std::optional<Komut> k = FiilKomutu(argumanlar, Komut::Tur::YeniVeritabani);
    if (!k)
        return CikisKodu::Kullanim;
    const QString verilen = k->deger(QStringLiteral("--yeni-veritabani"));
    const QString yol = Baglanti::sunucuda(verilen) ? verilen.trimmed() : QFileInfo(verilen).absoluteFilePath();
    QString hata;
    if (!Olustur::veritabaniOlustur(yol, &hata)) {
        Mesaj::hata(hata);
        return CikisKodu::Veritabani;
    }
    QTextStream(stdout) << QStringLiteral("Yeni veritabanı oluşturuldu: ") << QDir::toNativeSeparators(yol) << Qt::endl;
    return CikisKodu::Tamam;
}
