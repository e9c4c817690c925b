#pragma once
// Where the program's files live, so that an installed copy reads nothing
// from a source tree and writes nothing to the working directory:
//
//   per-user settings   ~/.config/VELMORIKA (XDG_CONFIG_HOME; the folder of
//                       QSettings' user scope): datayeri.txt, baglanti.ini,
//                       SMSINFO.DAT
//   the workstation     /etc/velmorika/datayeri.txt, one setting for every user
//   shipped files       beside the program (a build tree, a portable copy),
//                       else <program>/../share/velmorika (/usr/share/velmorika)
//   the practice's own  under the data root (app/verikoku.h)
//   outputs             the user's documents folder (TabloAktar::klasor)
#include <QString>
#include <QStringList>

namespace Yerler {

// The per-user settings folder, made (owner only) when missing.
QString ayarKlasoru();
// The workstation's settings folder (/etc/velmorika). Tests point it elsewhere.
QString sistemAyarKlasoru();
void sistemAyarKlasoruAyarla(const QString &klasor);

// The datayeri.txt files, in the order they are looked at: the user's, the
// workstation's, the one beside the program.
QStringList datayeriDosyalari();
// The database location: VELMORIKA_VERITABANI when set, else the first line
// of the first datayeri.txt that exists (--veritabani, handled by the
// caller, comes before all). False with a Turkish message when there is
// none, or the first one found cannot be read or is empty; *hicYok tells
// the first case apart (the first-start dialog offers a database then).
bool veritabaniYeri(QString *konum, QString *hata, bool *hicYok = nullptr);
// Writes the user's datayeri.txt (the first-start dialog).
bool datayeriYaz(const QString &konum, QString *hata);

// A file or folder the program ships (e.g. "sablonlar"): the places looked
// at, in order, and the first that exists (empty when none).
QStringList paylasilanAdaylar(const QString &ad);
QString paylasilanYol(const QString &ad);
// "<what> bulunamadı ..." naming the places looked at and how to mend it.
QString eksikPaylasilanMetni(const QString &ne, const QStringList &adaylar);

// Moves a file from where an earlier release kept it to its new place, once:
// only when the old one exists and the new one does not. Says so through
// Mesaj (what moved, from where, to where). The permissions go along.
// True when the file was moved; false (and the old one stays in use) when
// there was nothing to move or the move failed (said too).
bool eskiYerdenTasi(const QString &ne, const QString &eski, const QString &yeni);

} // namespace Yerler
