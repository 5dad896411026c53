#include "platform/Timer.h"

#include <QCoreApplication>
#include <QTimerEvent>

namespace platform {

Timer::Timer(Container* parent, int interval, bool enabled)
    : timer_(parent->client()), interval_(interval), enabled_(enabled) {
    QObject::connect(&timer_, &QTimer::timeout, &timer_, [this] { Tick(); });
    update();
}

void Timer::setInterval(int ms) {
    interval_ = ms;
    update();
}

void Timer::setEnabled(bool enabled) {
    enabled_ = enabled;
    update();
}

void Timer::update() {
    if (enabled_ && interval_ > 0)
        timer_.start(interval_);
    else
        timer_.stop();
}

void Timer::fireNow() {
    if (!timer_.isActive())
        return;
    QTimerEvent event(timer_.timerId());
    QCoreApplication::sendEvent(&timer_, &event);
}

} // namespace platform
