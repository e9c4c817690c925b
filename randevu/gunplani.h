#pragma once
// The day plan of the appointment book: the working day's time slots for a
// date, each with the patient of the waiting appointment booked in it and a
// second detail (a RANDEVU column, DOKTORADI by default).
//
// Built in memory: one select per chosen date reads that day's waiting
// appointments, and the slots are filled from it; nothing is written.
// Slot times are whole minutes after the start (60 / slots-per-hour apart),
// an appointment belongs to the slot of its hour and minute, and of several
// waiting appointments in one slot the one booked first (lowest KAYITNO)
// shows.
#include <QDate>
#include <QString>
#include <QTime>
#include <QVariantList>
#include <QVector>

namespace GunPlani {

// The book's parameters 8 to 11.
struct Ayar
{
    QString baslangic;   // parameter 8, "hh:nn" or a plain hour ("9")
    QString bitis;       // parameter 9, the same ("24" or "24:00": midnight)
    QString saattekiSayi; // parameter 10, slots per hour
    QString kolon;       // parameter 11, RANDEVU column of the third column; empty: DOKTORADI
};

// The slot times: the first at the start, each 60 / slots-per-hour minutes
// (rounded to the minute) after the start, all before the end.
// Parameters that make no sense (not a time, not a whole number, no slot
// per hour, end not after start) give no slot and a Turkish message in hata.
QVector<QTime> Saatler(const Ayar &ayar, QString *hata);

// The column of the third column, checked against the RANDEVU table:
// empty parameter gives DOKTORADI; a name the table lacks gives an empty
// text and a message in hata.
QString Kolon(const Ayar &ayar, QString *hata);

struct Satir
{
    QTime saat;
    QString hastaAdi;   // empty: the slot is free
    QString aciklama;   // the chosen column of the appointment
    qint64 randevuNo = 0;
};

// One appointment as the plan reads it.
struct Randevu
{
    qint64 kayitno = 0;
    QTime saat;
    QString durum;      // MUAYENEOLDUMU
    QString hastaAdi;
    QString aciklama;
};

// Fills the slots from the appointments: only waiting ("HAYIR") ones fill
// a slot; of several in one slot the lowest KAYITNO wins.
QVector<Satir> Doldur(const QVector<QTime> &saatler, const QVector<Randevu> &randevular);

struct Sonuc
{
    QVector<Satir> satirlar;
    QString kolon;       // the third column's title
    QString hata;        // the message when the parameters make no sense (no rows then)
    int sorguSayisi = 0; // selects run to build it
    bool vtHatasi = false;
};

// The plan of a day for the company; doktor not empty: only that doctor's
// appointments ("Doktor" box of the filter panel); yetkiDoktoru not empty:
// only that one's as well (the own-appointments limit).
Sonuc Olustur(const Ayar &ayar, const QDate &gun, const QString &sirket, const QString &doktor,
              const QString &yetkiDoktoru = QString());

} // namespace GunPlani
