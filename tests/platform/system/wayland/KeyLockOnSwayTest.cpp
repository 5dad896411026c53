// The key lock as a Wayland client of a real sway: sway's own bindings (touching marker files) must
// not fire while the lock is engaged, and fire again once it is released; an inhibitor sway turns
// inactive is asked for again; dialogs and menus hold the keys too; tools are started and ended by
// their process; a compositor without the protocol gets one line on standard error and no crash.
#include "DesktopStandIns.h"
#include "HeadlessCompositor.h"
#include "SwaySession.h"
#include "platform/system/SystemServices.h"
#include "platform/system/WaylandSystemServices.h"

#include <QApplication>
#include <QDeadlineTimer>
#include <QFile>
#include <QKeyEvent>
#include <QMenu>
#include <QMessageBox>
#include <QProcess>
#include <QWidget>
#include <QWindow>
#include <functional>
#include <gtest/gtest.h>
#include <memory>

namespace {

using platform::sys::WaylandSystemServices;

bool waitFor(const std::function<bool()>& condition, int milliseconds = 5000) {
    for (QDeadlineTimer deadline(milliseconds); !deadline.hasExpired();) {
        if (condition())
            return true;
        QCoreApplication::processEvents(QEventLoop::AllEvents, 20);
    }
    return condition();
}

// The classroom's full-screen window, noting the keys it gets.
class Board : public QWidget {
public:
    QStringList keys;

protected:
    void keyPressEvent(QKeyEvent* event) override {
        keys << QKeySequence(int(event->modifiers() & ~Qt::KeypadModifier) | event->key()).toString();
    }
};

struct Key {
    const char* name;  // the marker sway's binding touches
    QStringList wtype; // the same keys for wtype
};

const std::vector<Key> escapeKeys = {
    {"alt-tab", {"-M", "alt", "-k", "Tab", "-m", "alt"}},
    {"super-d", {"-M", "logo", "-k", "d", "-m", "logo"}},
    {"alt-f4", {"-M", "alt", "-k", "F4", "-m", "alt"}},
    {"alt-f2", {"-M", "alt", "-k", "F2", "-m", "alt"}},
    {"ctrl-alt-t", {"-M", "ctrl", "-M", "alt", "-k", "t", "-m", "alt", "-m", "ctrl"}},
};

class SwayKeyLock : public testing::Test {
protected:
    void SetUp() override {
        if (!swaySession())
            GTEST_SKIP() << "sway is not installed (scripts/setup.sh installs it)";
        ASSERT_TRUE(HeadlessCompositor::installed("wtype")) << "wtype is needed to press keys on sway";
        board_ = std::make_unique<Board>();
        board_->showFullScreen();
        ASSERT_TRUE(waitFor([&] { return QGuiApplication::focusWindow() == board_->windowHandle(); }))
            << "sway never gave the full-screen window the keyboard";
        services_ = platform::sys::SystemServices::forThisDesktop();
        ASSERT_NE(wayland(), nullptr) << "the services on a Wayland compositor are the Wayland backend";
        ASSERT_TRUE(wayland()->compositorCanInhibit());
    }

    void TearDown() override {
        if (services_)
            services_->releaseKeyLock();
        if (swaySession())
            for (const Key& key : escapeKeys)
                QFile::remove(swaySession()->marker(key.name));
    }

    WaylandSystemServices* wayland() { return dynamic_cast<WaylandSystemServices*>(services_.get()); }

    void engage() {
        services_->engageKeyLock(board_.get());
        ASSERT_TRUE(waitFor([&] { return wayland()->inhibitorsActive() >= 1; })) << "sway never granted the inhibitor";
    }

    static void press(const QStringList& wtypeArguments) {
        QProcess wtype;
        wtype.start("wtype", wtypeArguments);
        ASSERT_TRUE(wtype.waitForFinished(5000)) << "wtype hung";
        ASSERT_EQ(wtype.exitCode(), 0) << wtype.readAllStandardError().toStdString();
    }

    static bool swayActed(const Key& key, int waitMs) {
        return waitFor([&] { return QFile::exists(swaySession()->marker(key.name)); }, waitMs);
    }

    static void swaymsg(const QString& command) {
        QProcess msg;
        msg.start("swaymsg", {command});
        ASSERT_TRUE(msg.waitForFinished(5000));
        ASSERT_EQ(msg.exitCode(), 0) << command.toStdString() << ": " << msg.readAll().toStdString();
    }

    std::unique_ptr<Board> board_;
    std::unique_ptr<platform::sys::SystemServices> services_;
};

TEST_F(SwayKeyLock, HoldsSwaysBindingsUntilReleased) {
    engage();
    for (const Key& key : escapeKeys) {
        press(key.wtype);
        EXPECT_FALSE(swayActed(key, 400)) << key.name << " reached sway while the lock was engaged";
    }
    EXPECT_TRUE(board_->keys.contains("Alt+Tab"))
        << "the classroom's window gets the keys it holds: " << board_->keys.join(' ').toStdString();
    press({"ab"});
    EXPECT_TRUE(waitFor([&] { return board_->keys.contains("A") && board_->keys.contains("B"); }));

    // Released, the same keys reach sway: the checks above can fail.
    services_->releaseKeyLock();
    EXPECT_EQ(wayland()->inhibitorsHeld(), 0);
    for (const Key& key : escapeKeys) {
        press(key.wtype);
        EXPECT_TRUE(swayActed(key, 3000)) << key.name << " never reached sway after the release";
    }
}

TEST_F(SwayKeyLock, InhibitorTurnedInactiveIsAskedForAgain) {
    engage();
    const Key& altTab = escapeKeys.front();
    // What GNOME's Super+Escape does: the compositor takes the inhibitor back.
    swaymsg("seat seat0 shortcuts_inhibitor deactivate");
    ASSERT_TRUE(waitFor([&] { return wayland()->inhibitorsRenewed() >= 1 && wayland()->inhibitorsActive() == 1; }))
        << "the inactive inhibitor was not asked for again";
    press(altTab.wtype);
    EXPECT_FALSE(swayActed(altTab, 400)) << "Alt+Tab reached sway after the lock came back";

    // A compositor that refuses from now on: the renewed inhibitor stays inactive and sway acts, so the
    // deactivation above did take the keys away until the lock asked again.
    swaymsg("seat seat0 shortcuts_inhibitor disable");
    ASSERT_TRUE(waitFor([&] { return wayland()->inhibitorsActive() == 0; }));
    press(altTab.wtype);
    EXPECT_TRUE(swayActed(altTab, 3000)) << "Alt+Tab never reached sway with the inhibitor refused";
    swaymsg("seat seat0 shortcuts_inhibitor enable");
}

TEST_F(SwayKeyLock, DialogsAndMenusHoldTheKeysToo) {
    engage();
    QMessageBox box(QMessageBox::Information, "A message box", "A message", QMessageBox::Ok, board_.get());
    box.show();
    EXPECT_TRUE(waitFor([&] { return wayland()->inhibitorsActive() == 2; })) << "the message box holds no inhibitor";
    // sway leaves the keys with the full-screen window when a dialog opens over it; the parent's click
    // would give them to the box, which is what the check is about.
    swaymsg("[title=\"^A message box$\"] focus");
    ASSERT_TRUE(waitFor([&] { return QGuiApplication::focusWindow() == box.windowHandle(); }));
    const Key& altTab = escapeKeys.front();
    press(altTab.wtype);
    EXPECT_FALSE(swayActed(altTab, 400)) << "Alt+Tab reached sway while the message box had the keys";
    box.hide();
    EXPECT_TRUE(waitFor([&] { return wayland()->inhibitorsHeld() == 1; })) << "the hidden box kept its inhibitor";
    // Shown again it is a new surface, which asks again.
    box.show();
    EXPECT_TRUE(waitFor([&] { return wayland()->inhibitorsActive() == 2; })) << "the box shown again holds none";
    box.hide();
    EXPECT_TRUE(waitFor([&] { return wayland()->inhibitorsHeld() == 1; }));

    // sway keeps the keys with the window under an open menu, so a key press there proves nothing; a
    // compositor that gives the menu's own surface the keys finds it holding an inhibitor too.
    QMenu menu;
    menu.addAction("Letter");
    menu.popup(board_->geometry().center());
    ASSERT_TRUE(waitFor([&] { return menu.windowHandle() && menu.windowHandle()->isExposed(); }));
    EXPECT_TRUE(waitFor([&] { return wayland()->inhibitorsActive() == 2; })) << "the open menu holds no inhibitor";
    menu.close();
    EXPECT_TRUE(waitFor([&] { return wayland()->inhibitorsHeld() == 1; }));
}

TEST_F(SwayKeyLock, ToolsAreStartedAndEndedByTheirOwnProcess) {
    DesktopStandIns tools;
    ASSERT_TRUE(tools.ready());
    engage();
    const platform::sys::Launch mixer = services_->runProgram("c:\\windows\\sndvol32.exe");
    ASSERT_GT(mixer.taskId, 0);
    tools.remember(mixer.taskId);
    EXPECT_TRUE(services_->activateTask(mixer.taskId));
    EXPECT_TRUE(services_->closeActivatedWindow());
    EXPECT_TRUE(waitFor([&] { return !services_->activateTask(mixer.taskId); })) << "the mixer never ended";

    const platform::sys::Launch mouse = services_->runProgram("CONTROL.EXE Mouse");
    ASSERT_GT(mouse.taskId, 0);
    tools.remember(mouse.taskId);
    EXPECT_FALSE(services_->activateWindowTitled("Volume Control")) << "no tool of ours carries that title";
    EXPECT_TRUE(services_->activateWindowTitled("Mouse Properties"));
    EXPECT_TRUE(services_->closeActivatedWindow());
    EXPECT_FALSE(services_->closeActivatedWindow()) << "one close request goes to one activated tool";
    EXPECT_TRUE(waitFor([&] { return !services_->activateWindowTitled("Mouse Properties"); }));

    // Never the classroom itself, never a process it did not start.
    EXPECT_FALSE(services_->activateTask(QCoreApplication::applicationPid()));
    EXPECT_FALSE(services_->activateTask(1));
    EXPECT_FALSE(services_->closeActivatedWindow());
    EXPECT_TRUE(services_->runProgram("notatool.exe").programMissing);
}

TEST(CompositorWithoutTheProtocol, RunsAndSaysSoOnce) {
    if (!swaySession())
        GTEST_SKIP() << "sway is not installed (scripts/setup.sh installs it)";
    ASSERT_TRUE(HeadlessCompositor::installed("cage")) << "cage is the compositor without keyboard-shortcuts-inhibit";
    HeadlessCompositor cage;
    const QString probe = cage.shareProgram(QCoreApplication::applicationFilePath());
    ASSERT_FALSE(probe.isEmpty());
    const QString output = cage.runInCage({probe, "--probe"}, 30000);
    // Left to itself in a Wayland session Qt chooses its Wayland platform, and the services follow.
    EXPECT_TRUE(output.contains("platform wayland\n")) << output.toStdString();
    EXPECT_TRUE(output.contains("backend wayland\n")) << output.toStdString();
    EXPECT_TRUE(output.contains("probe done, lock engaged")) << "the probe did not run to its end:\n"
                                                             << output.toStdString();
    EXPECT_EQ(output.count("Pipkin's Classroom: this desktop does not let the classroom hold its shortcut keys"), 1)
        << output.toStdString();
}

} // namespace
