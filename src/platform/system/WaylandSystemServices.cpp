#include "platform/system/WaylandSystemServices.h"

#include "platform/system/DesktopTools.h"

#include <QAbstractEventDispatcher>
#include <QGuiApplication>
#include <QPlatformSurfaceEvent>
#include <QProcess>
#include <QWindow>
#include <cstdio>
#include <qpa/qplatformnativeinterface.h>

namespace platform::sys {
namespace {
// Events for our queue are read off the socket by Qt, which then wakes the event loop; this timer only
// catches what arrives while the loop has no other reason to wake.
constexpr int dispatchMs = 250;

// The one window the classroom looks for by its title is the mouse settings', which it started itself.
QString commandForTitle(const QString& title) {
    return title == QLatin1String("Mouse Properties") ? QStringLiteral("CONTROL.EXE Mouse") : QString();
}

bool isShownTopLevel(const QWindow* window) {
    return window && window->isTopLevel() && window->isVisible() && window->isExposed() && window->handle();
}
} // namespace

WaylandSystemServices::WaylandSystemServices(wl_display* display) : inhibitors_(display) {
    dispatch_.setInterval(dispatchMs);
    connect(&dispatch_, &QTimer::timeout, this, [this] { inhibitors_.dispatch(); });
    if (auto* loop = QAbstractEventDispatcher::instance())
        connect(loop, &QAbstractEventDispatcher::awake, this, [this] {
            if (engaged_)
                inhibitors_.dispatch();
        });
    qApp->installEventFilter(this);
}

WaylandSystemServices::~WaylandSystemServices() {
    releaseKeyLock();
}

void WaylandSystemServices::engageKeyLock(QWidget*) {
    engaged_ = true;
    if (!inhibitors_.available()) {
        if (!toldNoLock_)
            std::fputs("Pipkin's Classroom: this desktop does not let the classroom hold its shortcut keys; "
                       "the child can use them to leave the classroom.\n",
                       stderr);
        toldNoLock_ = true;
        return;
    }
    holdShownWindows();
    dispatch_.start();
}

void WaylandSystemServices::releaseKeyLock() {
    dispatch_.stop();
    inhibitors_.dropAll();
    engaged_ = false;
}

wl_surface* WaylandSystemServices::surfaceOf(QWindow* window) {
    QPlatformNativeInterface* native = QGuiApplication::platformNativeInterface();
    if (!native || !window->handle())
        return nullptr;
    return static_cast<wl_surface*>(native->nativeResourceForWindow("surface", window));
}

void WaylandSystemServices::holdShownWindows() {
    // Every window that shows, whichever the lock was engaged for: the key lock keeps working however
    // many windows the classroom shows.
    for (QWindow* window : QGuiApplication::topLevelWindows())
        if (isShownTopLevel(window))
            inhibitors_.hold(window, surfaceOf(window));
}

bool WaylandSystemServices::eventFilter(QObject* watched, QEvent* event) {
    if (engaged_ && watched->isWindowType())
        follow(static_cast<QWindow*>(watched), event);
    return QObject::eventFilter(watched, event);
}

void WaylandSystemServices::follow(QWindow* window, QEvent* event) {
    switch (event->type()) {
    case QEvent::Expose:
        // A window has its surface once it is exposed; Qt may give it a new one after hiding it.
        if (isShownTopLevel(window))
            inhibitors_.hold(window, surfaceOf(window));
        else
            inhibitors_.drop(window);
        break;
    case QEvent::Hide:
        inhibitors_.drop(window);
        break;
    case QEvent::PlatformSurface:
        // The inhibitor goes before the surface it names.
        if (static_cast<QPlatformSurfaceEvent*>(event)->surfaceEventType() ==
            QPlatformSurfaceEvent::SurfaceAboutToBeDestroyed)
            inhibitors_.drop(window);
        break;
    default:
        break;
    }
}

Launch WaylandSystemServices::runProgram(const QString& commandLine) {
    const Launch launch = startTool(commandLine);
    if (launch.taskId > 0)
        tools_.add(launch.taskId, commandLine);
    return launch;
}

bool WaylandSystemServices::activateTask(long taskId) {
    // The compositor gives a tool's window the keys when it opens; raising it again is the compositor's
    // to do. What is left is knowing that the task is a tool of ours that still runs.
    if (!tools_.running(taskId))
        return false;
    activated_ = taskId;
    return true;
}

bool WaylandSystemServices::activateWindowTitled(const QString& title) {
    const QString command = commandForTitle(title);
    const long pid = command.isEmpty() ? 0 : tools_.latestRunning(command);
    if (pid == 0)
        return false;
    activated_ = pid;
    return true;
}

bool WaylandSystemServices::closeActivatedWindow() {
    const long pid = activated_;
    activated_ = 0;
    // Only a tool the classroom started and that still runs: never the classroom, never a stranger.
    return pid != 0 && tools_.askToEnd(pid);
}

} // namespace platform::sys
