#pragma once
// The six kinds of reminder the reminder window shows, their captions,
// report templates and selects. "Today" is a range over the day, so that a
// date stored with a time of day is due as well.
#include <QDate>
#include <QString>
#include <QVector>

namespace Uyarilar {

enum class Tur { Randevu, Hasta1, Hasta2, SonrakiMuayene, Not, Islem };

// The lines of the window, top to bottom.
inline const QVector<Tur> &Sira()
{
    static const QVector<Tur> s{Tur::Randevu, Tur::Hasta1, Tur::Hasta2, Tur::SonrakiMuayene, Tur::Not, Tur::Islem};
    return s;
}
// The order the window evaluates them in when shown.
inline const QVector<Tur> &DegerlendirmeSirasi()
{
    static const QVector<Tur> s{Tur::Islem, Tur::Hasta2, Tur::Hasta1, Tur::Randevu, Tur::SonrakiMuayene, Tur::Not};
    return s;
}

QString Baslik(Tur t);        // "Günü Gelmiş Randevunuz Var" ...
QString Sablon(Tur t);        // "randevurapor1.frf" ...
QString PanelAdi(Tur t);      // objectName of the line's panel
QString DugmeAdi(Tur t);      // objectName of its "Ayrıntılar" button
QString Tablo(Tur t);         // the table the select reads

// The column naming a row's doctor; empty for the notes, which have none.
QString DoktorKolonu(Tur t);
// The select of a kind for the company and the day. doktorla: limited to one
// doctor's rows (the own-appointments limit), the code bound to the one "?"
// (a kind without a doctor column gets no condition and no "?").
QString Sql(Tur t, const QString &sirket, const QDate &bugun, bool doktorla = false);

} // namespace Uyarilar
