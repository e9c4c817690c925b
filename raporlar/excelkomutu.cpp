#include "app/komutsatiri.h"
#include "app/mesaj.h"

// Placeholder until the spreadsheet export lands.
int ExcelKomutu(const QStringList &)
{
    Mesaj::hata(QStringLiteral("Bu ekran henüz hazır değil"));
    return 1;
}
