#pragma once
// What the laboratory order screen and the procedures screen have in common:
// an examination's lines (MUAYENE_LAB or YAPILANISLEMLER) of the general or
// the eye examination, re-totalled and re-posted after every saved or deleted
// line. A screen names its kind of line once (SatirAyari) and calls these.
#include "klinik/cariisleme.h"

#include <QString>

class QWidget;
class VeriSeti;

namespace MuayeneSatirlari {

struct SatirAyari
{
    CariIsleme::SatirTuru tur;
    QString tablo;  // MUAYENE_LAB or YAPILANISLEMLER
};
SatirAyari ayar(CariIsleme::SatirTuru tur);

// The text shown when a line's examination is gone.
inline const QString MuayeneYokMesaji =
    QStringLiteral("Bu satırın muayenesi silinmiş. Satır kaydedilemez, listeyi yenileyiniz.");

// Whether the source's examination row still exists (another workstation may
// have deleted it since the list was read).
bool muayeneVarMi(CariIsleme::Kaynak kaynak, qint64 muayeneNo);

// Before a line is saved: the examination must still exist (else the message
// and false).
bool kaydetmedenOnce(CariIsleme::Kaynak kaynak, qint64 muayeneNo, QWidget *ust = nullptr);

// After a line is saved: the examination's totals and postings of the kind.
// Runs in its own transaction, finished before the caller opens any dialog.
bool kaydedildi(const SatirAyari &a, CariIsleme::Kaynak kaynak, qint64 muayeneNo, QWidget *ust = nullptr);

// Deletes the current line of `satirlar` and re-posts the examination in one
// transaction (also when it was the last line: the earlier rows go). On a
// failure nothing changes and the lines are read again.
bool satirSil(VeriSeti &satirlar, const SatirAyari &a, CariIsleme::Kaynak kaynak, qint64 muayeneNo,
              QWidget *ust = nullptr);

// The procedures screen's purge: the login company's fully blank procedure
// lines (no procedure, no fee, no reminder, no remarks, no staff).
bool bosIslemSatirlariniSil();

// The select of one examination's lines of the login company, for the printed
// forms: "select * from <table> where 1=1 and hastakodu = … and muayeneno = …"
// with the examination's source condition; the caller adds its order.
QString formSelecti(const SatirAyari &a, const QString &hastaKodu, qint64 muayeneNo, CariIsleme::Kaynak kaynak);

} // namespace MuayeneSatirlari
