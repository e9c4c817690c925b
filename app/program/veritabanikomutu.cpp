// "velmorika --yeni-veritabani DOSYA.FDB": a new, empty database.
#include "app/program/komutsatiri.h"
#include "app/mesaj.h"
#include "db/olustur.h"

#include <QDir>
#include <QFileInfo>
#include <QTextStream>

int YeniVeritabaniKomutu(const QStringList &argumanlar)
{
    const std::optional<Komut> k = FiilKomutu(argumanlar, Komut::Tur::YeniVeritabani);
    if (!k)
        return CikisKodu::Kullanim;
    const QString yol = QFileInfo(k->deger(QStringLiteral("--yeni-veritabani"))).absoluteFilePath();
    QString hata;
    if (!Olustur::veritabaniOlustur(yol, &hata)) {
        Mesaj::hata(hata);
        return CikisKodu::Veritabani;
    }
    QTextStream(stdout) << QStringLiteral("Yeni veritabanı oluşturuldu: ") << QDir::toNativeSeparators(yol) << Qt::endl;
    return CikisKodu::Tamam;
}
