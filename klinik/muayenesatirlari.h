#pragma once
// What the laboratory order screen and the procedures screen have in common:
// an examination's lines (MUAYENE_LAB or YAPILANISLEMLER) of the general or
// the eye examination, re-totalled and re-posted after every saved or deleted
// line. A screen names its kind of line once (SatirAyari) and calls these.
#include "klinik/cariisleme.h"

#include <QString>

#include <functional>

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

// Inside a line's save (its transaction): the examination must still exist,
// then its totals and postings of the kind. False with the reason in *mesaj.
bool islemde(const SatirAyari &a, CariIsleme::Kaynak kaynak, qint64 muayeneNo, QString *mesaj);
// The same in a transaction of its own (the totals written again with no
// line pending); a failure is shown after it.
bool yenidenIsle(const SatirAyari &a, CariIsleme::Kaynak kaynak, qint64 muayeneNo, QWidget *ust = nullptr);
// Ties a screen's lines to their examination: every save of a line writes
// the totals and postings in the same transaction. muayeneNo gives the
// examination of the line being saved.
void kayittaIsle(VeriSeti &satirlar, const SatirAyari &a, std::function<CariIsleme::Kaynak()> kaynak,
                 std::function<qint64()> muayeneNo);

// Deletes an examination (the current row of `muayeneler`, of the source)
// with its order lines, procedure lines and postings in one transaction.
// On a failure nothing changes, the rows are read again and the reason is
// shown after the rollback.
bool muayeneSil(VeriSeti &muayeneler, CariIsleme::Kaynak kaynak, QWidget *ust = nullptr);

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
