#pragma once
// The appointment book's conditions and one-off reads and writes, without
// widgets: the preset lists, the filter panel, the own-appointments limit,
// the slot check, the known-name rule, the suggested patient code and the
// patient made from an appointment.
//
// A date-time column may hold a time of day (rows written by other
// programs or imported), so "on day D" is always the range [D, D+1), never
// an equality, and an appointment time is compared by its hour and minute.
#include <QDate>
#include <QString>
#include <QStringList>
#include <QTime>
#include <QVariantMap>
#include <optional>

namespace RandevuSorgu {

inline const QString Bekliyor = QStringLiteral("HAYIR");
inline const QString Oldu = QStringLiteral("EVET");
inline const QString Iptal = QStringLiteral("İPTAL");

// The book's order: by day, the day's appointments by time, the key last
// (walked along RANDEVU_SK_TARIH_SAAT, or its descending twin from the end).
inline const QString Siralama =
    QStringLiteral(" ORDER BY randevu.RANDEVUTARIHI, randevu.RANDEVUSAATI, randevu.KAYITNO");

// A slot is taken only by a waiting appointment (a done or cancelled one
// leaves it free): the day plan and the slot warning both go by this.
bool SlotuTutar(const QString &muayeneOldumu);
// The same as a condition on RANDEVU, with the value it binds.
inline const QString SlotuTutanKosul = QStringLiteral(" and muayeneoldumu = ?");
inline QVariant SlotuTutanDeger() { return Bekliyor; }

// RANDEVUSAATI holds the time of day on the date 30.12.1899.
QDateTime SaatDegeri(const QTime &saat);

// " and KOLON >= 'D' and KOLON < 'D+1'" (column from the program, never typed).
QString GunKosulu(const QString &kolon, const QDate &gun);
// " and KOLON >= 'D'" / " and KOLON < 'D+1'" (the whole last day included).
QString BaslangicKosulu(const QString &kolon, const QDate &gun);
QString BitisKosulu(const QString &kolon, const QDate &gun);

// The preset list entries of the book, in their order.
QStringList OnAyarlar();
// The entry's own conditions (dates relative to bugun); empty for an unknown entry.
QString OnAyarKosulu(const QString &giris, const QDate &bugun);

// The filter panel's values. Dates invalid: not used.
struct Suzgec
{
    QDate randevu1, randevu2; // "Rand.Tarihi"
    QDate kayit1, kayit2;     // "Kayıt Tarihi"
    QString sonuc;            // "Sonuc": EVET / HAYIR / İPTAL or empty
    QString hasta;            // "Hasta": patient code
    QString doktor;           // "Doktor": doctor code
};
// The "Sonuc", "Hasta" and "Doktor" conditions (presets end with these).
QString SonucHastaDoktorKosulu(const Suzgec &s);
// "Listele": the two date ranges, then Sonuc, Hasta, Doktor.
QString ListeleKosulu(const Suzgec &s);
// "Günlük Randevu Listesi": today's waiting ones, the "Kayıt Tarihi" range, Hasta, Doktor.
QString GunlukListeKosulu(const Suzgec &s, const QDate &bugun);

// The own-appointments limit: parameter 1 "E" and OZELYETKI2 "H".
QString YetkiKosulu(const QString &parametre1, const QString &ozelyetki2, const QString &username);
// The doctor code the limit leaves (the user's own), empty without a limit.
QString YetkiDoktoru(const QString &parametre1, const QString &ozelyetki2, const QString &username);
// The same for the login context, read from the book's parameter 1 and the
// user's RANDEVU rights: for the windows besides the book (the reminders).
QString OturumYetkiDoktoru();

// Stored appointments of the company on that day and hh:nn, leaving out the
// appointment haric (its KAYITNO; 0 for none); doktor empty: any doctor.
// Only those that hold the slot count (SlotuTutar). nullopt on a database error (already shown).
std::optional<int> SaattekiRandevular(const QString &sirket, const QString &doktor, const QDate &gun,
                                      const QTime &saat, qint64 haric);

// The first patient of the company (by KAYITNO) with exactly that name.
std::optional<QVariantMap> AyniAdliHasta(const QString &ad, const QString &sirket, bool *hata = nullptr);

// The suggested code of a new patient: the company's patient count + 1.
std::optional<QString> OnerilenHastaKodu(const QString &sirket);

// Writes a new patient for an appointment and returns its code, which is its
// own KAYITNO (numbers some patient carries as a typed code are skipped).
// The caller holds the transaction the appointment is written
// in, so that both rows are written or neither.
struct YeniHasta
{
    QString ad, ceptel, doktorkodu, doktoradi, sirket;
};
// Runs inside the appointment's save: errors go to *hata, nothing is shown.
std::optional<QString> HastaEkle(const YeniHasta &h, QString *hata);

// An examination card for an appointment (KAYITNO, all columns of the row
// given); returns the new examination's KAYITNO.
std::optional<qint64> MuayeneKartiEkle(const QVariantMap &randevu, const QString &sirket);

} // namespace RandevuSorgu
