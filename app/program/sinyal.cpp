#include "app/program/sinyal.h"

#include "app/ekranlar.h"
#include "app/mesaj.h"

#include <QCoreApplication>
#include <QMetaObject>

#include <atomic>
#include <chrono>
#include <thread>

#ifdef Q_OS_UNIX
#include <csignal>
#include <fcntl.h>
#include <unistd.h>

namespace {

int boru[2] = {-1, -1};
std::atomic<bool> bitti{false};
// Closing the database writes and syncs its header: on a busy disk that
// alone can take seconds, so the watchdog waits well beyond it.
constexpr auto BEKLEME = std::chrono::seconds(15);

// Only what is safe in a signal handler: one byte into the pipe. A second
// signal while the first is being handled ends the process at once.
void yakalayici(int sinyal)
{
    static volatile std::sig_atomic_t geldi = 0;
    if (geldi)
        _exit(128 + sinyal);
    geldi = 1;
    const char s = char(sinyal);
    [[maybe_unused]] const auto n = ::write(boru[1], &s, 1);
}

void sonlandir()
{
    // No question may wait for an answer now: questions are answered No,
    // messages go to standard error.
    static KonsolMesaj sessiz;
    Mesaj::ayarla(&sessiz);
    ProgramiSonlandir();
    QCoreApplication::exit(0);
}

void izle()
{
    char s = 0;
    while (::read(boru[0], &s, 1) != 1) {
    }
    if (QCoreApplication *uygulama = QCoreApplication::instance())
        QMetaObject::invokeMethod(uygulama, [] { sonlandir(); }, Qt::QueuedConnection);
    const auto son = std::chrono::steady_clock::now() + BEKLEME;
    while (std::chrono::steady_clock::now() < son) {
        if (bitti)
            return;
        std::this_thread::sleep_for(std::chrono::milliseconds(50));
    }
    if (!bitti)
        _exit(128 + int(s));
}

} // namespace

void SinyalleriYakala()
{
    if (boru[0] >= 0 || ::pipe(boru) != 0)
        return;
    ::fcntl(boru[1], F_SETFD, FD_CLOEXEC);
    ::fcntl(boru[0], F_SETFD, FD_CLOEXEC);
    std::thread(izle).detach();
    struct sigaction sa = {};
    sa.sa_handler = yakalayici;
    sigemptyset(&sa.sa_mask);
    sa.sa_flags = SA_RESTART;
    sigaction(SIGTERM, &sa, nullptr);
    sigaction(SIGINT, &sa, nullptr);
}

void SinyalIzlemesiniBitir() { bitti = true; }

#else
void SinyalleriYakala() {}
void SinyalIzlemesiniBitir() {}
#endif
