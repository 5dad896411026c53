// The key lock on real Wayland compositors. The program connects to a headless sway it starts first;
// run with --probe it is instead the client of a compositor that cannot hold shortcuts (cage), and
// reports what the classroom's services did there.
#include "HeadlessCompositor.h"
#include "SwaySession.h"
#include "platform/system/SystemServices.h"
#include "platform/system/WaylandSystemServices.h"

#include <QApplication>
#include <QDeadlineTimer>
#include <QProcess>
#include <QWidget>
#include <QWindow>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <gtest/gtest.h>
#include <memory>

namespace {
HeadlessCompositor* session = nullptr;

// Every binding the tests press: each touches the marker named after it.
const QStringList swayConfig(const HeadlessCompositor& sway) {
    QStringList config{"xwayland disable", "output HEADLESS-1 resolution 1280x800"};
    for (const auto& [keys, name] : {std::pair{"Mod1+Tab", "alt-tab"},
                                     {"Mod4+d", "super-d"},
                                     {"Mod1+F4", "alt-f4"},
                                     {"Mod1+F2", "alt-f2"},
                                     {"Ctrl+Mod1+t", "ctrl-alt-t"}})
        config << QStringLiteral("bindsym %1 exec touch %2").arg(keys, sway.marker(name));
    return config;
}

// The client's side under cage: the platform Qt chose by itself, then the lock engaged twice.
int probe(int argc, char* argv[]) {
    unsetenv("QT_QPA_PLATFORM");
    QApplication app(argc, argv);
    std::printf("platform %s\n", qPrintable(QGuiApplication::platformName()));
    QWidget window;
    window.showFullScreen();
    for (QDeadlineTimer deadline(5000); !window.windowHandle()->isExposed() && !deadline.hasExpired();)
        QCoreApplication::processEvents(QEventLoop::AllEvents, 50);
    std::unique_ptr<platform::sys::SystemServices> services = platform::sys::SystemServices::forThisDesktop();
    if (dynamic_cast<platform::sys::WaylandSystemServices*>(services.get()))
        std::printf("backend wayland\n");
    services->engageKeyLock(&window);
    services->releaseKeyLock();
    services->engageKeyLock(&window);
    for (QDeadlineTimer deadline(300); !deadline.hasExpired();)
        QCoreApplication::processEvents(QEventLoop::AllEvents, 50);
    std::printf("probe done, lock %s\n", services->keyLockEngaged() ? "engaged" : "released");
    std::fflush(stdout);
    return 0;
}
} // namespace

HeadlessCompositor* swaySession() {
    return session;
}

int main(int argc, char* argv[]) {
    if (argc > 1 && std::strcmp(argv[1], "--probe") == 0)
        return probe(argc, argv);
    ::testing::InitGoogleTest(&argc, argv);
    // Our own runtime folder: the compositor's belongs to its user.
    char runtimeDir[] = "/tmp/pipkin-wayland-XXXXXX";
    if (mkdtemp(runtimeDir))
        setenv("XDG_RUNTIME_DIR", runtimeDir, 1);
    std::unique_ptr<HeadlessCompositor> sway;
    if (HeadlessCompositor::installed("sway")) {
        sway = std::make_unique<HeadlessCompositor>();
        if (!sway->startSway(swayConfig(*sway))) {
            std::fprintf(stderr, "sway did not start:\n%s\n", qPrintable(sway->log()));
            return 1;
        }
        setenv("WAYLAND_DISPLAY", qPrintable(sway->waylandDisplay()), 1);
        setenv("SWAYSOCK", qPrintable(sway->swaySocket()), 1);
        setenv("QT_QPA_PLATFORM", "wayland", 1);
        unsetenv("DISPLAY");
        session = sway.get();
    } else {
        setenv("QT_QPA_PLATFORM", "offscreen", 1);
    }
    QApplication app(argc, argv);
    // A headless sway has no keyboard of its own and each wtype brings one only while it runs, too
    // briefly for a client to take it up: one that stays gives the seat a keyboard throughout.
    QProcess keyboard;
    if (session) {
        keyboard.start("wtype", {"-s", "3600000"});
        keyboard.waitForStarted(5000);
    }
    const int result = RUN_ALL_TESTS();
    keyboard.kill();
    keyboard.waitForFinished(2000);
    session = nullptr;
    return result;
}
