#pragma once
// Posting of examination fees and doctors' shares into CARI_HAREKET: the
// examination's own fee and share (cariyeisleme), its laboratory lines and its
// procedure lines (lab_tutari_topla). No screen owns it: the general and eye
// examination, laboratory and procedure screens all call it after a save.
//
// Each routine reads the examination row again from the database (locked, so
// two workstations re-posting one examination take turns), writes only its
// total columns, removes the earlier rows of the same examination, source and
// kind and inserts the new ones, all in one transaction: either everything is
// done or nothing is (a failure leaves the earlier postings as they were).
//
// General and eye examinations number their rows independently, so both can
// carry the same number; every posting row therefore names its source in its
// description (the eye rows start with "GÖZ "), and order and procedure lines
// carry it in their KAYNAK column (null: a general examination's line, as
// every line stored before the column existed).
#include <QDate>
#include <QString>
#include <QStringList>
#include <QVariant>

#include <functional>

class QWidget;

namespace CariIsleme {

enum class Kaynak { Genel, Goz };
enum class SatirTuru { Laboratuvar, Islem };

// Share kinds, compared as exact texts.
inline const QString Yuzde = QStringLiteral("YÜZDE");
inline const QString BirimFiyat = QStringLiteral("BİRİM FİYAT");

// The KAYNAK value a new order or procedure line of the source gets.
QString kaynakDegeri(Kaynak k);
// The condition picking a source's lines (column of MUAYENE_LAB or YAPILANISLEMLER).
QString kaynakKosulu(Kaynak k);
// ISLEMTURU of a new line: "GENEL MUAYENE" or "GÖZ MUAYENE".
QString islemTuru(Kaynak k);
// The examination table of the source and its fee column.
QString muayeneTablosu(Kaynak k);
QString ucretKolonu(Kaynak k);

// The descriptions of the posting rows (ACIKLAMA), which also tell the
// removal which rows are the source's own.
struct Aciklamalar
{
    QString ucret;   // fee row on the patient's account
    QString pay;     // share row on the doctor's account
};
Aciklamalar muayeneAciklamalari(Kaynak k);
Aciklamalar satirAciklamalari(Kaynak k, SatirTuru tur);
// EVRAKCINSI of the fee row: "MYNE", "LAB" or "İŞLM"; share rows are "DR".
QString ucretCinsi(SatirTuru tur);
inline const QString MuayeneCinsi = QStringLiteral("MYNE");
inline const QString PayCinsi = QStringLiteral("DR");

// What a posting row says of its examination: the source's number, the
// patient and the doctor (their codes are the two accounts), the day.
struct Belge
{
    qint64 no = 0;
    QVariant hastaKodu, hastaAdi, doktorKodu, doktorAdi, tarih;
};
// The columns of a posting row after KAYITNO, in the order of
// hareketDegerleri. The routines insert exactly these; the sample-data
// generator writes its postings through the same two functions.
const QStringList &hareketKolonlari();
// One posting row's values: on the patient's account (hastaSatiri, a fee of
// kind cins) or on the doctor's (a share), written by kullanici of company
// sirket on the day gun. Texts are cut to their columns; an empty one is null.
QVariantList hareketDegerleri(const Belge &b, bool hastaSatiri, const QString &cins, const QString &aciklama,
                              double borc, double alacak, const QString &sirket, const QString &kullanici,
                              const QDate &gun);

// The share of one order or procedure line before it is saved: a percentage
// of the fee, a fixed amount, or (any other kind) the value it has.
double topla(const QString &payTuru, double payParam, double ucret, double mevcut);

// The examination's fee and share (each save of a general or eye
// examination runs it inside its own transaction, cariyeisleme_islemde; this
// one runs it in a transaction of its own and shows a failure after it). A fee above 0 posts the fee row and the share row (written
// even when the share is 0); a fee of 0 only removes the earlier ones. The
// examination's DOKTORPAYTUTARI and TOPLAMTUTAR are refreshed.
bool cariyeisleme(Kaynak kaynak, qint64 muayeneNo, QWidget *ust = nullptr);

// The totals of an examination's order lines (SatirTuru::Laboratuvar) or
// procedure lines (SatirTuru::Islem) and their postings, after a line is
// saved or deleted. Laboratory: LABORATUVARUCRETI, DOKTORPAYTUTARI (the
// examination's part plus the lines' shares) and TOPLAMTUTAR; both rows are
// written even when 0. Procedures: ISLEMTUTARI and TOPLAMTUTAR; a row only
// when its amount is above 0. An examination without lines of the kind has
// its earlier rows of the kind removed and a total of 0.
bool lab_tutari_topla(Kaynak kaynak, qint64 muayeneNo, SatirTuru tur = SatirTuru::Laboratuvar,
                      QWidget *ust = nullptr);

// The same steps inside a transaction the caller holds open (the save of
// the examination or line itself, a delete that goes with the re-posting);
// false when a step failed, with the reason in *mesaj (nothing is shown:
// no window may open inside the transaction), and the caller's transaction
// must then be rolled back.
bool cariyeisleme_islemde(Kaynak kaynak, qint64 muayeneNo, QString *mesaj);
bool lab_tutari_topla_islemde(Kaynak kaynak, qint64 muayeneNo, SatirTuru tur, QString *mesaj);

// Runs a change of several statements (is) in one transaction of its own;
// its reason, if it fails, is shown after the rollback as the general error
// display.
bool birlikte(QWidget *ust, const std::function<bool(QString *neden)> &is);

// Removes every posting of the examination (all kinds of its source), inside
// the caller's transaction: the examination is being deleted.
bool kayitlariSil(Kaynak kaynak, qint64 muayeneNo, QString *mesaj = nullptr);

// Statements the routines have sent to the database since the program
// started (tests and the benchmark count a routine's statements by it).
int komutSayisi();

} // namespace CariIsleme
