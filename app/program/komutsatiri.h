#pragma once
// The command line. Options may come in any order; a run with a verb
// (--yeni-veritabani, --rapor, --ekstre, --excel, --ornek-veri, --yetkilendir,
// --giris-denetle) opens no window and never waits for input. Without a verb
// the desktop program starts (on --veritabani KONUM when given, else on the
// location app/yerler.h looks up).
//
// Exit codes, the same for every verb (the manual page kurulum/velmorika.1
// lists them too):
//   0  done (also --help, --surum)
//   2  usage: unknown option, missing value, options that do not go together
//   3  the report template cannot be read
//   4  the database: no location, cannot be opened or created, in use
//   5  the query: not a select, or the database refused it
//   6  the output file cannot be written
//   7  --giris-denetle: the login was refused or the main window did not open
#include <QMap>
#include <QStringList>
#include <optional>

namespace CikisKodu {
enum : int { Tamam = 0, Kullanim = 2, Sablon = 3, Veritabani = 4, Sorgu = 5, Cikti = 6, Giris = 7 };
}

struct Komut
{
    enum class Tur { Program, Yardim, Surum, YeniVeritabani, Rapor, Ekstre, Excel, OrnekVeri, Yetkilendir,
                     GirisDenetimi };
    Tur tur = Tur::Program;
    QMap<QString, QString> degerler; // option -> value ("--sorgu" -> "select …")
    QString hata;                    // usage error; empty when the line is sound

    bool var(const QString &secenek) const { return degerler.contains(secenek); }
    QString deger(const QString &secenek) const { return degerler.value(secenek); }
    // True for runs that must not show a window (a usage error included).
    bool penceresiz() const { return tur != Tur::Program || !hata.isEmpty(); }
};

// Reads the arguments (without the program name).
Komut KomutSatiriniCoz(const QStringList &argumanlar);
// The Turkish usage text.
QString KullanimMetni();
// Every option the command line knows (for the manual page's check).
QStringList KomutSatiriSecenekleri();
// "VELMORIKA <version>", the version of debian/changelog.
QString SurumMetni();
// Runs a parsed command line: the verb, the usage text, or the program.
int KomutuCalistir(const Komut &komut);

// For the verbs: the parsed line when it is sound and of verb tur; otherwise
// the usage error has been reported and nullopt comes back.
std::optional<Komut> FiilKomutu(const QStringList &argumanlar, Komut::Tur tur);
// Opens connection ad on --veritabani, else on the location looked up
// (Yerler::veritabaniYeri). False (the user told) when it cannot be opened.
bool KomutBaglantisiAc(const Komut &komut, const QString &ad);

// The verbs, each with the whole argument list (any order). Exit code.
int YeniVeritabaniKomutu(const QStringList &argumanlar);
int RaporKomutu(const QStringList &argumanlar);
int EkstreKomutu(const QStringList &argumanlar);
int ExcelKomutu(const QStringList &argumanlar);
int OrnekVeriKomutu(const QStringList &argumanlar);
int YetkilendirKomutu(const QStringList &argumanlar);
int GirisDenetimiKomutu(const QStringList &argumanlar);
// The desktop program: login window, then the main window. konum: the
// database location to use (empty: the one looked up; on a machine that has
// none yet the first-start dialog asks). Exit code.
int ProgramiBaslat(const QString &konum = QString());
// Turkish for Qt's own texts (qtbase_tr) and the Turkish locale for numbers
// and dates. False when the translations were not found.
bool TurkceAyarla();
