#pragma once
// The X11 desktop: an active keyboard grab keeps the window manager's shortcuts (Alt+Tab, Alt+F4,
// Super) from the desktop, tools run as processes whose id is the task id, and a close request goes
// to exactly the tool window that was activated. While the lock is engaged the classroom also keeps
// the input focus: a board it shows gets the keys even when the window manager declines to focus it.
#include "platform/system/SystemServices.h"

#include <QObject>
#include <QPointer>
#include <QTimer>
#include <vector>
#include <xcb/xcb.h>

namespace platform::sys {

class X11SystemServices : public QObject, public SystemServices {
public:
    X11SystemServices(xcb_connection_t* connection, xcb_window_t root);
    ~X11SystemServices() override;

    void engageKeyLock(QWidget* window) override;
    void releaseKeyLock() override;
    bool keyLockEngaged() const override { return engaged_; }
    Launch runProgram(const QString& commandLine) override;
    bool activateTask(long taskId) override;
    bool activateWindowTitled(const QString& title) override;
    bool closeActivatedWindow() override;

    // Whether the keyboard is grabbed right now (tests).
    bool keyboardGrabbed() const { return grabbed_; }

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void grab();
    void keepFocus();
    QWidget* frontWindow();
    bool focusIsElsewhere(xcb_window_t front);
    bool anotherProgramHasFocus();
    QWidget* grabWindow() const;
    xcb_atom_t atom(const char* name);
    std::vector<xcb_window_t> clientWindows();
    std::vector<xcb_window_t> windowList(xcb_window_t window, xcb_atom_t property);
    long windowPid(xcb_window_t window);
    QString windowTitle(xcb_window_t window);
    bool exists(xcb_window_t window);
    bool isOurs(xcb_window_t window);
    bool activate(xcb_window_t window);
    bool supportsDelete(xcb_window_t window);
    void sync();

    xcb_connection_t* connection_;
    xcb_window_t root_;
    QPointer<QWidget> lockWindow_;
    bool engaged_ = false;
    bool grabbed_ = false;
    QTimer regrab_;
    // Our windows in the order they were shown; the last one still showing is in front.
    std::vector<QPointer<QWidget>> shown_;
    xcb_window_t activated_ = 0;
};

} // namespace platform::sys
