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
#include <pthread.h>
#include <unistd.h>

namespace {

std::atomic<bool> bitti{false};
std::atomic<bool> pencereli{false};
// Closing the database writes and syncs its header: on a busy disk that
// alone can take seconds, so the watchdog waits well beyond it.
constexpr auto BEKLEME = std::chrono::seconds(15);

void sonlandir()
{
    // No question may wait for an answer now: questions are answered No,
    // messages go to standard error.
    static KonsolMesaj sessiz;
    Mesaj::ayarla(&sessiz);
    ProgramiSonlandir();
    QCoreApplication::exit(0);
}

// The signals are blocked in every thread and taken here with sigwait: a
// signal delivered to one of the database engine's own threads interrupts
// its waits, after which closing the database never finishes.
void izle(sigset_t kume)
{
    int sinyal = 0;
    if (sigwait(&kume, &sinyal) != 0)
        return;
    QCoreApplication *uygulama = QCoreApplication::instance();
    // A command-line run has no event loop to end in order: it ends at once,
    // as it would without us.
    if (!pencereli || !uygulama)
        _exit(128 + sinyal);
    QMetaObject::invokeMethod(uygulama, [] { sonlandir(); }, Qt::QueuedConnection);
    const auto son = std::chrono::steady_clock::now() + BEKLEME;
    // A second signal while waiting ends the process at once.
    while (std::chrono::steady_clock::now() < son && !bitti) {
        timespec bekle{0, 50 * 1000 * 1000};
        if (sigtimedwait(&kume, nullptr, &bekle) > 0)
            _exit(128 + sinyal);
    }
    if (!bitti)
        _exit(128 + sinyal);
}

} // namespace

void SinyalleriYakala()
{
    static bool kuruldu = false;
    if (kuruldu)
        return;
    kuruldu = true;
    sigset_t kume;
    sigemptyset(&kume);
    sigaddset(&kume, SIGTERM);
    sigaddset(&kume, SIGINT);
    // Threads made from here on (Qt's, the database client's) inherit the mask.
    pthread_sigmask(SIG_BLOCK, &kume, nullptr);
    std::thread(izle, kume).detach();
}

void SinyalPencereliProgram() { pencereli = true; }

void SinyalIzlemesiniBitir() { bitti = true; }

#else
void SinyalleriYakala() {}
void SinyalPencereliProgram() {}
void SinyalIzlemesiniBitir() {}
#endif
