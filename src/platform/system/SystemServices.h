#pragma once
// What the classroom asks of the desktop: the key lock that keeps the child inside, and starting,
// finding and closing the tools a parent opens. The desktop's own backend carries them out; where
// there is none the services do nothing and report failure.
#include <QString>
#include <memory>

class QWidget;

namespace platform::sys {

class SystemServices {
public:
    virtual ~SystemServices() = default;
    static std::unique_ptr<SystemServices> forThisDesktop();

    // Keeps the window manager's task-switching keys away from the desktop while engaged.
    virtual void engageKeyLock(QWidget* window) = 0;
    virtual void releaseKeyLock() = 0;
    virtual bool keyLockEngaged() const = 0;
    // Starts a program by command line; the task id, or 0 when it could not start.
    virtual long runProgram(const QString& commandLine) = 0;
    // Brings the task's (or the titled) window to the front; false when there is none.
    virtual bool activateTask(long taskId) = 0;
    virtual bool activateWindowTitled(const QString& title) = 0;
    // Asks the window last activated to close (the Alt+F4 of the desktop), never a classroom window.
    virtual bool closeActivatedWindow() = 0;
};

// The backend for desktops the classroom cannot steer: nothing is locked, nothing is started.
class NullSystemServices : public SystemServices {
public:
    void engageKeyLock(QWidget*) override {}
    void releaseKeyLock() override {}
    bool keyLockEngaged() const override { return false; }
    long runProgram(const QString&) override { return 0; }
    bool activateTask(long) override { return false; }
    bool activateWindowTitled(const QString&) override { return false; }
    bool closeActivatedWindow() override { return false; }
};

} // namespace platform::sys
