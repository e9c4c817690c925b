// "velmorika --yetkilendir KULLANICI [--veritabani KONUM]": brings the schema
// up to date as the owner and gives the program's database user its rights.
// Run by the server set-up script with the owner's credentials.
#include "app/mesaj.h"
#include "app/program/komutsatiri.h"
#include "db/baglanti.h"
#include "db/yetkiler.h"

#include <QTextStream>

int YetkilendirKomutu(const QStringList &argumanlar)
{
    const std::optional<Komut> k = FiilKomutu(argumanlar, Komut::Tur::Yetkilendir);
    if (!k)
        return CikisKodu::Kullanim;
    const QString verilen = k->deger(QStringLiteral("--yetkilendir"));
    const QString kullanici = Yetkiler::kullaniciAdi(verilen);
    if (kullanici.isEmpty()) {
        Mesaj::hata(Yetkiler::gecersizAdMetni(verilen) + QLatin1Char('\n') + KullanimMetni());
        return CikisKodu::Kullanim;
    }
    QString hata;
    if (!KomutBaglantisiAc(*k, Baglanti::Paylasilan))
        return CikisKodu::Veritabani;
    const bool tamam = Yetkiler::ver(kullanici, Baglanti::Paylasilan, &hata);
    Baglanti::kapat(Baglanti::Paylasilan);
    if (!tamam) {
        Mesaj::hata(hata);
        return CikisKodu::Veritabani;
    }
    QTextStream(stdout) << QStringLiteral("Yetkiler verildi: ") << kullanici << Qt::endl;
    return CikisKodu::Tamam;
}
