#pragma once
// SIGTERM and SIGINT end the program in order: every window closes without
// questions (pending edits are discarded, nothing half-saved), the database
// connections close, and the exit code is 0. Should the event loop not get
// to it within 15 seconds (a lost display can leave it unable to run), the
// process ends with 128 + the signal's number; the operating system then
// releases the database file's locks. A command-line run ends at once with
// 128 + the signal's number.

// Blocks the two signals and starts the thread that takes them; call first
// thing in main, before any other thread exists.
void SinyalleriYakala();
// The desktop program's event loop runs: a signal now ends it in order.
void SinyalPencereliProgram();
// The program has finished in order: the watchdog stands down.
void SinyalIzlemesiniBitir();
