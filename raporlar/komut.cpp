#include "app/komutsatiri.h"
#include "app/mesaj.h"

int RaporKomutu(const QStringList &)
{
    Mesaj::hata(QStringLiteral("Bu ekran henüz hazır değil"));
    return 1;
}

int ExcelKomutu(const QStringList &)
{
    Mesaj::hata(QStringLiteral("Bu ekran henüz hazır değil"));
    return 1;
}
