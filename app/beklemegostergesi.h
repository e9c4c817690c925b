#pragma once
// The windows' sign of a save that may wait on another user's lock: a busy
// cursor, and a line in the status bar of the window in front, put up and
// painted at once when the write starts (the waiting statement blocks the
// program's thread, nothing could be painted later) and taken down when it
// ends, the status bar's previous text back. Installed by the windowed
// program at start (Sorgu::beklemeGostergesiAyarla).
#include "db/sorgu.h"

#include <QString>

// "Kayıt yazılıyor… ... en çok 5 saniye beklenir."
QString BeklemeMetni();
Sorgu::BeklemeGostergesi PencereBeklemeGostergesi();
