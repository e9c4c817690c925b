#pragma once
// The data root: pictures, examination files, videos and the backup script
// live under it. VELMORIKA_KOK when set, else the workstation settings file's
// [veri] kok (a folder shared by every workstation), else C:\VELMORIKA\ on
// Windows and ~/VELMORIKA elsewhere.
#include <QString>

// The root folder, created with RESIMLER, MUAYENE, GOZ and VIDEO when missing.
QString VeriKoku();
// A path under the root.
QString VeriKokuYolu(const QString &ad);
