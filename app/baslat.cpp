#include "app/komutsatiri.h"
#include "app/mesaj.h"

int ProgramiBaslat()
{
    Mesaj::hata(QStringLiteral("Bu ekran henüz hazır değil"));
    return 1;
}
