#include "db/olustur.h"
#include "app/komutsatiri.h"

// Placeholder until the schema lands.
QStringList Olustur::semaKomutlari() { return {}; }
bool Olustur::veritabaniOlustur(const QString &, QString *hata)
{
    if (hata)
        *hata = QStringLiteral("henüz yok");
    return false;
}
int YeniVeritabaniKomutu(const QStringList &) { return 1; }
