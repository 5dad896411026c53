#pragma once
// A timer: it fires every interval milliseconds while enabled; an interval of 0 never fires.
#include "platform/Container.h"
#include "platform/Event.h"

#include <QTimer>

namespace platform {

class Timer {
public:
    explicit Timer(Container* parent, int interval = 0, bool enabled = true);
    int interval() const { return interval_; }
    void setInterval(int ms);
    bool enabled() const { return enabled_; }
    void setEnabled(bool enabled);
    bool running() const { return timer_.isActive(); }
    // Delivers one real timer event now, as if the interval had passed (tests do not sleep).
    void fireNow();

    Event<> Tick;

private:
    void update();
    QTimer timer_;
    int interval_;
    bool enabled_;
};

} // namespace platform
