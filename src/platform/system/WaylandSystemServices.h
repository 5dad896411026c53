#pragma once
// The Wayland desktop: while the key lock is engaged every window of the classroom that shows (a board,
// a dialog, a message box, a menu: each is a surface of its own on Wayland) asks the compositor to keep
// its shortcuts away, through keyboard-shortcuts-inhibit. The compositor decides: GNOME asks the user
// once, sway grants it, a compositor without the protocol cannot be asked, and the classroom says so
// once on standard error. Tools run as processes whose id is the task id; a Wayland client can neither
// raise nor close another client's window, so "activate" means "the tool we started still runs" and
// closing it asks its process to end.
#include "platform/system/LaunchedTools.h"
#include "platform/system/SystemServices.h"
#include "platform/system/WaylandInhibitors.h"

#include <QObject>
#include <QTimer>

class QWindow;
struct wl_display;
struct wl_surface;

namespace platform::sys {

class WaylandSystemServices : public QObject, public SystemServices {
public:
    explicit WaylandSystemServices(wl_display* display);
    ~WaylandSystemServices() override;

    void engageKeyLock(QWidget* window) override;
    void releaseKeyLock() override;
    bool keyLockEngaged() const override { return engaged_; }
    Launch runProgram(const QString& commandLine) override;
    bool activateTask(long taskId) override;
    bool activateWindowTitled(const QString& title) override;
    bool closeActivatedWindow() override;

    // What the compositor was asked and granted (tests).
    bool compositorCanInhibit() const { return inhibitors_.available(); }
    int inhibitorsHeld() const { return inhibitors_.held(); }
    int inhibitorsActive() const { return inhibitors_.active(); }
    int inhibitorsRenewed() const { return inhibitors_.renewed(); }

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void holdShownWindows();
    void follow(QWindow* window, QEvent* event);
    static wl_surface* surfaceOf(QWindow* window);

    WaylandInhibitors inhibitors_;
    bool engaged_ = false;
    bool toldNoLock_ = false;
    QTimer dispatch_;
    LaunchedTools tools_;
    long activated_ = 0;
};

} // namespace platform::sys
