#pragma once
// The command line. Options may come in any order; a run with a verb
// (--yeni-veritabani, --rapor, --ekstre, --excel, --ornek-veri, --yetkilendir) opens no window and never waits for
// input. Without a verb the desktop program starts (on --veritabani KONUM
// when given, else on datayeri.txt).
//
// Exit codes, the same for every verb:
//   0  done (also --help)
//   2  usage: unknown option, missing value, options that do not go together
//   3  the report template cannot be read
//   4  the database: no location, cannot be opened or created, in use
//   5  the query: not a select, or the database refused it
//   6  the output file cannot be written
#include <QMap>
#include <QStringList>
#include <optional>

namespace CikisKodu {
enum : int { Tamam = 0, Kullanim = 2, Sablon = 3, Veritabani = 4, Sorgu = 5, Cikti = 6 };
}

struct Komut
{
    enum class Tur { Program, Yardim, YeniVeritabani, Rapor, Ekstre, Excel, OrnekVeri, Yetkilendir };
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
// Runs a parsed command line: the verb, the usage text, or the program.
int KomutuCalistir(const Komut &komut);

// For the verbs: the parsed line when it is sound and of verb tur; otherwise
// the usage error has been reported and nullopt comes back.
std::optional<Komut> FiilKomutu(const QStringList &argumanlar, Komut::Tur tur);
// Opens connection ad on --veritabani, else on datayeri.txt. False (the user
// told) when it cannot be opened.
bool KomutBaglantisiAc(const Komut &komut, const QString &ad);

// The verbs, each with the whole argument list (any order). Exit code.
int YeniVeritabaniKomutu(const QStringList &argumanlar);
int RaporKomutu(const QStringList &argumanlar);
int EkstreKomutu(const QStringList &argumanlar);
int ExcelKomutu(const QStringList &argumanlar);
int OrnekVeriKomutu(const QStringList &argumanlar);
int YetkilendirKomutu(const QStringList &argumanlar);
// The desktop program: login window, then the main window. konum: the
// database location instead of datayeri.txt (empty: datayeri.txt). Exit code.
int ProgramiBaslat(const QString &konum = QString());
// Turkish for Qt's own texts (qtbase_tr) and the Turkish locale for numbers
// and dates. False when the translations were not found.
bool TurkceAyarla();
