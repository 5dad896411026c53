#pragma once
// What the classroom asks of the desktop: the key lock that keeps the child inside, and starting,
// finding and closing the tools a parent opens. The desktop's own backend carries them out (X11 or a
// Wayland compositor); elsewhere the services do nothing and report failure.
#include <QString>
#include <memory>

class QWidget;

namespace platform::sys {

struct Launch {
    long taskId = 0;             // the process id; 0 when nothing started
    bool programMissing = false; // no tool for the command exists on this desktop
};

class SystemServices {
public:
    virtual ~SystemServices() = default;
    static std::unique_ptr<SystemServices> forThisDesktop();

    // Keeps the window manager's task-switching keys away from the desktop while engaged; the
    // classroom's own windows still get every key.
    virtual void engageKeyLock(QWidget* window) = 0;
    virtual void releaseKeyLock() = 0;
    virtual bool keyLockEngaged() const = 0;
    // Starts the desktop's tool for one of the classroom's command lines ("c:\windows\sndvol32.exe",
    // "CONTROL.EXE Mouse").
    virtual Launch runProgram(const QString& commandLine) = 0;
    // Brings the task's (or the titled) window to the front; false when there is none.
    virtual bool activateTask(long taskId) = 0;
    virtual bool activateWindowTitled(const QString& title) = 0;
    // Asks the window last activated to close (the desktop's Alt+F4), and only that window: never
    // one of the classroom's own. False when there is none.
    virtual bool closeActivatedWindow() = 0;
    // Asks a tool the classroom started to end, for when its window cannot be reached (it is still
    // opening). Only a task id that runProgram returned; false when there is no such process.
    static bool endTask(long taskId);
};

// The backend for desktops the classroom cannot steer: nothing is locked, nothing is started.
class NullSystemServices : public SystemServices {
public:
    void engageKeyLock(QWidget*) override {}
    void releaseKeyLock() override {}
    bool keyLockEngaged() const override { return false; }
    Launch runProgram(const QString&) override { return {}; }
    bool activateTask(long) override { return false; }
    bool activateWindowTitled(const QString&) override { return false; }
    bool closeActivatedWindow() override { return false; }
};

} // namespace platform::sys
