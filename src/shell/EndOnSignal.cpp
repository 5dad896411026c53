#include "shell/EndOnSignal.h"

#include <QSocketNotifier>
#include <csignal>
#include <sys/socket.h>
#include <unistd.h>

namespace {
int signalPipe[2] = {-1, -1};
// How long the event loop has to end the classroom tidily before the signal ends it anyway.
constexpr unsigned kGraceSeconds = 5;

// Only async-signal-safe work here: one byte down the pipe wakes the event loop. An event loop held
// up (a file that never finishes opening, a hung disk) never reads it, so the alarm's default
// action, ending the process, comes a few seconds later whatever the loop is doing.
void onSignal(int) {
    const char byte = 1;
    [[maybe_unused]] const auto written = ::write(signalPipe[1], &byte, 1);
    ::alarm(kGraceSeconds);
}
} // namespace

EndOnSignal::EndOnSignal(std::function<void()> atEnd) : atEnd_(std::move(atEnd)) {
    if (signalPipe[0] < 0 && ::socketpair(AF_UNIX, SOCK_STREAM, 0, signalPipe) != 0)
        return;
    notifier_ = new QSocketNotifier(signalPipe[0], QSocketNotifier::Read, this);
    connect(notifier_, &QSocketNotifier::activated, this, [this] {
        char byte = 0;
        [[maybe_unused]] const auto got = ::read(signalPipe[0], &byte, 1);
        if (atEnd_)
            atEnd_();
    });
    struct sigaction action {};
    action.sa_handler = onSignal;
    sigemptyset(&action.sa_mask);
    action.sa_flags = SA_RESTART;
    for (const int sig : {SIGTERM, SIGINT, SIGHUP})
        ::sigaction(sig, &action, nullptr);
    ::signal(SIGALRM, SIG_DFL);
}

EndOnSignal::~EndOnSignal() {
    for (const int sig : {SIGTERM, SIGINT, SIGHUP})
        ::signal(sig, SIG_DFL);
}
