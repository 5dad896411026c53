#pragma once
// The desktop may end the classroom (a logout, a shutdown, a parent's "kill"): it then leaves as
// cleanly as through its farewell, from the event loop rather than inside a signal handler.
#include <QObject>
#include <functional>

class QSocketNotifier;

class EndOnSignal : public QObject {
public:
    // Calls atEnd on the UI thread when SIGTERM, SIGINT or SIGHUP arrives.
    explicit EndOnSignal(std::function<void()> atEnd);
    ~EndOnSignal() override;

private:
    std::function<void()> atEnd_;
    QSocketNotifier* notifier_ = nullptr;
};
