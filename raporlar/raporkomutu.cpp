#include "app/komutsatiri.h"
#include "app/mesaj.h"

// Placeholder until the report engine lands.
int RaporKomutu(const QStringList &)
{
    Mesaj::hata(QStringLiteral("Bu ekran henüz hazır değil"));
    return 1;
}
