#include "app/exit_signals.h"

#include <QSocketNotifier>
#include <cerrno>
#include <csignal>
#include <cstdio>
#include <fcntl.h>
#include <unistd.h>

namespace vel {
namespace {

// A signal handler can reach nothing but globals; only the pipe is shared,
// written by the handler and read on the event loop.
int signalPipe[2] = {-1, -1};

void OnExitSignal(int sig) {
    const int saved = errno;
    const char c = static_cast<char>(sig);
    // A full pipe already holds a request: nothing is lost by dropping this one.
    [[maybe_unused]] const ssize_t n = write(signalPipe[1], &c, 1);
    errno = saved;
}

}  // namespace

void CatchExitSignals() {
    if (pipe2(signalPipe, O_CLOEXEC | O_NONBLOCK) != 0) {
        std::perror("velmara: signal pipe");
        return;  // the default actions stay: the program still ends, unsaved
    }
    struct sigaction sa {};
    sa.sa_handler = OnExitSignal;
    sigemptyset(&sa.sa_mask);
    sa.sa_flags = SA_RESTART | SA_RESETHAND;
    for (int sig : {SIGTERM, SIGINT, SIGHUP}) sigaction(sig, &sa, nullptr);
}

ExitSignalNotifier::ExitSignalNotifier(QObject* parent) : QObject(parent) {
    if (signalPipe[0] < 0) return;
    auto* notifier = new QSocketNotifier(signalPipe[0], QSocketNotifier::Read, this);
    connect(notifier, &QSocketNotifier::activated, this, [this] {
        char c = 0;
        while (read(signalPipe[0], &c, 1) == 1) emit exitRequested(c);
    });
}

}  // namespace vel
