#include "platform/Runtime.h"

#include <QApplication>
#include <QDir>
#include <QThread>
#include <QTime>

namespace platform {
namespace {
std::function<double()> clockOverride;
bool ended = false;
constexpr double secondsPerDay = 24 * 60 * 60;
} // namespace

QString Runtime::currentDirectory() { return QDir::currentPath(); }

double Runtime::secondsSinceMidnight() {
    if (clockOverride)
        return clockOverride();
    return QTime::currentTime().msecsSinceStartOfDay() / 1000.0;
}

void Runtime::setClock(std::function<double()> clock) { clockOverride = std::move(clock); }

void Runtime::doEvents() { QCoreApplication::processEvents(QEventLoop::AllEvents, 50); }

void Runtime::waitProcessingEvents(double seconds) {
    const double start = secondsSinceMidnight();
    for (;;) {
        double elapsed = secondsSinceMidnight() - start;
        if (elapsed < 0) // the clock passed midnight
            elapsed += secondsPerDay;
        if (elapsed >= seconds)
            return;
        doEvents();
        QThread::msleep(5);
    }
}

void Runtime::endProgram(int code) {
    ended = true;
    QCoreApplication::exit(code);
}

bool Runtime::endRequested() { return ended; }

void Runtime::resetEndRequested() { ended = false; }

} // namespace platform
