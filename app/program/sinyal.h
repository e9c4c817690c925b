#pragma once
// SIGTERM and SIGINT end the program in order: every window closes without
// questions (pending edits are discarded, nothing half-saved), the database
// connections close, and the exit code is 0. Should the event loop not get
// to it within 15 seconds (a lost display can leave it unable to run),
// the process ends with 128 + the signal's number; the operating system then
// releases the database file's locks.

// Installs the handlers; call once, after the QApplication exists.
void SinyalleriYakala();
// The program has finished in order: the watchdog stands down.
void SinyalIzlemesiniBitir();
