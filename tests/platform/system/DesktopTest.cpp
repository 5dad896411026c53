// The desktop services on a real X server with a real window manager: the key lock keeps the window
// manager's shortcuts away while the classroom keeps its keys, tools are started and closed by their
// own windows only, and a classroom window is never the one closed.
#include "ClassroomFixture.h"
#include "DesktopStandIns.h"

#include "abc/Form1.h"
#include "letter/ReadMe.h"
#include "platform/system/X11SystemServices.h"

#include <QCoreApplication>
#include <QGuiApplication>
#include <QProcess>
#include <csignal>
#include <cstdlib>
#include <xcb/xcb.h>

namespace {

using platform::sys::X11SystemServices;

class DesktopFixture : public ClassroomFixture {
protected:
    void SetUp() override {
        ASSERT_TRUE(tools_.ready());
        ClassroomFixture::SetUp();
        ASSERT_NE(x11(), nullptr) << "these tests need the X11 backend (run them through with_desktop.sh)";
    }

    X11SystemServices* x11() { return dynamic_cast<X11SystemServices*>(&room().system()); }

    static QString xdotool(const QStringList& args) {
        QProcess p;
        p.start("xdotool", args);
        p.waitForFinished(5000);
        return QString::fromLocal8Bit(p.readAllStandardOutput()).trimmed();
    }

    static bool running(long pid) { return ::kill(pid_t(pid), 0) == 0; }

    // Another program's window, shown and made active by the window manager; its id.
    QString startStranger() {
        qint64 pid = 0;
        QProcess::startDetached(DesktopStandIns::program(), {"stranger"}, QString(), &pid);
        tools_.remember(pid);
        QString window;
        waitFor([&] {
            window = xdotool({"search", "--onlyvisible", "--pid", QString::number(pid)}).section('\n', 0, 0);
            return !window.isEmpty() && activeWindow() == window;
        });
        return window;
    }

    QString activeWindow() { return xdotool({"getactivewindow"}); }
    // Every board is a page of the classroom's one window.
    QString boardWindow() { return QString::number(room().form1().window()->winId()); }

    void makeBoardActive() {
        room().form1().window()->activateWindow();
        ASSERT_TRUE(waitFor([&] { return activeWindow() == boardWindow(); })) << "the ABCs board never became active";
        ASSERT_TRUE(waitFor([&] { return x11()->keyboardGrabbed(); }));
    }

    DesktopStandIns tools_;
};

TEST_F(DesktopFixture, KeyLockKeepsTaskSwitchingFromTheWindowManager) {
    ASSERT_FALSE(startStranger().isEmpty()) << "the other program never showed its window";
    makeBoardActive();
    for (const char* keys : {"alt+Tab", "alt+F4", "super+d", "alt+Escape"}) {
        xdotool({"key", keys});
        processEventsFor(400);
        EXPECT_EQ(activeWindow(), boardWindow()) << keys << " reached the window manager";
        EXPECT_TRUE(room().form1().isVisible()) << keys;
        EXPECT_FALSE(room().form1().isMinimized()) << keys;
    }
    // Without the lock the same keys do reach the window manager: the checks above can fail.
    room().system().releaseKeyLock();
    xdotool({"key", "alt+Tab"});
    EXPECT_TRUE(waitFor([&] { return activeWindow() != boardWindow(); }, 3000));
}

// The focus can fall to nowhere (a window that had it went away); the child's keys must still reach
// the board in front.
TEST_F(DesktopFixture, BoardInFrontTakesBackTheKeysFromNowhere) {
    makeBoardActive();
    ReadMe& letter = room().readMe();
    room().form1().LabelWrite.click();
    ASSERT_TRUE(waitFor([&] { return letter.isFront(); })) << "the Letter Board never came to the front";
    xcb_connection_t* connection = qGuiApp->nativeInterface<QNativeInterface::QX11Application>()->connection();
    xcb_set_input_focus(connection, XCB_INPUT_FOCUS_NONE, XCB_NONE, XCB_CURRENT_TIME);
    xcb_get_input_focus_reply_t* focus =
        xcb_get_input_focus_reply(connection, xcb_get_input_focus(connection), nullptr);
    ASSERT_NE(focus, nullptr);
    const xcb_window_t focused = focus->focus;
    std::free(focus);
    ASSERT_EQ(focused, xcb_window_t(XCB_NONE)) << "the focus never left the classroom";
    // Asked of the X server: Qt may go on calling the board active while the keys go nowhere.
    ASSERT_TRUE(waitFor([&] { return xdotool({"getwindowfocus"}) == QString::number(letter.window()->winId()); }))
        << "the board in front never took the keys back";
    const QString before = letter.Text1.text();
    xdotool({"type", "--delay", "50", "ab"});
    EXPECT_TRUE(waitFor([&] { return letter.Text1.text() == before + "ab"; })) << letter.Text1.text().toStdString();
}

// A tool the parent opened has the keys because the parent chose it: the classroom leaves them there.
TEST_F(DesktopFixture, AnotherProgramWithTheFocusKeepsIt) {
    const QString window = startStranger();
    ASSERT_FALSE(window.isEmpty()) << "the other program never showed its window";
    makeBoardActive();
    xdotool({"windowactivate", window});
    ASSERT_TRUE(waitFor([&] { return activeWindow() == window; }));
    processEventsFor(1000);
    EXPECT_EQ(activeWindow(), window) << "the classroom took the focus from another program";
}

TEST_F(DesktopFixture, VolumeMixerIsFoundStartedAndClosedByItsOwnWindow) {
    const platform::sys::Launch launch = room().system().runProgram("c:\\windows\\sndvol32.exe");
    ASSERT_FALSE(launch.programMissing);
    ASSERT_GT(launch.taskId, 0);
    tools_.remember(launch.taskId);
    ASSERT_TRUE(waitFor([&] { return room().system().activateTask(launch.taskId); }));
    EXPECT_TRUE(room().system().closeActivatedWindow());
    EXPECT_TRUE(waitFor([&] { return !running(launch.taskId); })) << "the mixer did not close";
    EXPECT_FALSE(room().system().activateTask(launch.taskId)) << "a task that has gone cannot be activated";
}

TEST_F(DesktopFixture, MouseSettingsAreClosedByTheirWindowTitle) {
    const platform::sys::Launch launch = room().system().runProgram("CONTROL.EXE Mouse");
    ASSERT_GT(launch.taskId, 0);
    tools_.remember(launch.taskId);
    ASSERT_TRUE(waitFor([&] { return room().system().activateWindowTitled("Mouse Properties"); }));
    EXPECT_TRUE(room().system().closeActivatedWindow());
    EXPECT_TRUE(waitFor([&] { return !running(launch.taskId); }));
}

TEST_F(DesktopFixture, CloseRequestNeverReachesAClassroomWindow) {
    EXPECT_FALSE(room().system().activateWindowTitled(" Pipkin's Classroom  "));
    EXPECT_FALSE(room().system().activateTask(QCoreApplication::applicationPid()));
    EXPECT_FALSE(room().system().closeActivatedWindow());
    // Nor does the window manager's own close request remove a board.
    makeBoardActive();
    room().system().releaseKeyLock();
    xdotool({"key", "alt+F4"});
    processEventsFor(500);
    EXPECT_TRUE(room().form1().isVisible());
}

TEST_F(DesktopFixture, MissingToolIsReportedAsMissing) {
    qputenv("PATH", "/nonexistent");
    const platform::sys::Launch launch = room().system().runProgram("c:\\windows\\sndvol32.exe");
    EXPECT_TRUE(launch.programMissing);
    EXPECT_EQ(launch.taskId, 0);
}

} // namespace
