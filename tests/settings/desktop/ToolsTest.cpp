// The parent's tools on a real X server with a real window manager: the volume button starts the
// desktop's mixer (or says it is missing), a second click replaces the first mixer, the mouse gate
// starts the mouse settings only for the right password, and the goodbye closes what was opened.
#include "SettingsFixture.h"

#include "platform/MessageBox.h"
#include "platform/system/X11SystemServices.h"

#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QFileInfo>
#include <QProcess>
#include <csignal>
#include <functional>

namespace {

class ToolsTest : public SettingsFixture {
public:
    void SetUp() override {
        // The desktop's tools are stand-ins under the real tools' names, found on PATH as usual.
        ASSERT_TRUE(tools_.isValid());
        ASSERT_TRUE(QFile::link(PIPKIN_DESKTOP_TOOL, QDir(tools_.path()).filePath("pavucontrol")));
        ASSERT_TRUE(QFile::link(PIPKIN_DESKTOP_TOOL, QDir(tools_.path()).filePath("gnome-control-center")));
        oldPath_ = qgetenv("PATH");
        qputenv("PATH", (tools_.path() + ":" + oldPath_).toLocal8Bit());
        SettingsFixture::SetUp();
        ASSERT_NE(dynamic_cast<platform::sys::X11SystemServices*>(&room().system()), nullptr)
            << "these tests need the X11 backend (run them through with_desktop.sh)";
    }

    void TearDown() override {
        for (const long pid : started_)
            ::kill(pid_t(pid), SIGTERM);
        SettingsFixture::TearDown();
        qputenv("PATH", oldPath_);
    }

protected:
    static bool waitFor(const std::function<bool()>& condition, int ms = 5000) {
        QElapsedTimer timer;
        timer.start();
        while (timer.elapsed() < ms) {
            if (condition())
                return true;
            processEventsFor(50);
        }
        return condition();
    }

    static bool running(long pid) { return pid > 0 && ::kill(pid_t(pid), 0) == 0; }

    // Shown on the screen, so the window manager has taken it in, as it has long before a parent's
    // second click.
    static bool hasWindow(long pid) {
        QProcess p;
        p.start("xdotool", {"search", "--onlyvisible", "--pid", QString::number(pid)});
        p.waitForFinished(5000);
        return !p.readAllStandardOutput().trimmed().isEmpty();
    }

    void remember(long pid) {
        if (pid > 0)
            started_ << pid;
    }

    QTemporaryDir tools_;
    QByteArray oldPath_;
    QList<long> started_;
};

bool showsTeddyBye(const platform::Image& picture) {
    return QFileInfo(picture.pictureFile()).fileName().compare("TEDBYE.ICO", Qt::CaseInsensitive) == 0;
}

TEST_F(ToolsTest, MissingMixerIsReportedOncePerClick) {
    const QTemporaryDir emptyPath;
    qputenv("PATH", emptyPath.path().toLocal8Bit());
    requestVolume();
    ASSERT_TRUE(abc().volume.visible());
    for (int click = 1; click <= 2; ++click) {
        abc().A.click();
        abc().volume.click();
        ASSERT_EQ(platform::MessageBox::captured().size(), click);
        EXPECT_EQ(platform::MessageBox::captured().back(),
                  "The file sndvol32.exe not found in your windows directory.");
        EXPECT_TRUE(showsTeddyBye(abc().Image1));
        EXPECT_TRUE(abc().volume.visible());
        EXPECT_EQ(abc().MyAppid, 0);
    }
}

TEST_F(ToolsTest, SecondClickOnTheVolumeButtonLeavesExactlyOneMixer) {
    requestVolume();
    abc().volume.click();
    const long first = abc().MyAppid;
    remember(first);
    ASSERT_TRUE(running(first));
    ASSERT_TRUE(waitFor([&] { return hasWindow(first); })) << "the first mixer never showed its window";

    abc().volume.click();
    const long second = abc().MyAppid;
    remember(second);
    EXPECT_NE(second, first);
    EXPECT_TRUE(waitFor([&] { return !running(first); })) << "the first mixer was not closed";
    EXPECT_TRUE(running(second));
    EXPECT_TRUE(platform::MessageBox::captured().isEmpty());
    EXPECT_TRUE(abc().volume.visible());
}

TEST_F(ToolsTest, MouseGateStartsTheMouseSettingsOnlyForTheRightPassword) {
    setPassword("Hen2");
    requestMouse();
    pw().Command2.click();
    EXPECT_EQ(module().MouseAppid, 0);
    EXPECT_TRUE(letter().isVisible());

    letter().MenuMouseControl.click();
    pw().Text1.type("hen2");
    pw().Command2.click();
    EXPECT_EQ(module().MouseAppid, 0);
    EXPECT_TRUE(letter().isVisible());

    letter().MenuMouseControl.click();
    pw().Text1.type("Hen2");
    pw().Command2.click();
    remember(module().MouseAppid);
    EXPECT_TRUE(running(module().MouseAppid));
    EXPECT_TRUE(letter().isVisible());
    EXPECT_FALSE(pw().isVisible());
}

TEST_F(ToolsTest, GoodbyeClosesTheMixerAndTheMouseSettings) {
    requestVolume();
    abc().volume.click();
    const long mixer = abc().MyAppid;
    remember(mixer);
    requestMouse();
    const long mouse = module().MouseAppid;
    remember(mouse);
    ASSERT_TRUE(waitFor([&] { return hasWindow(mixer) && hasWindow(mouse); })) << "the tools never showed";
    letter().Command1.click();
    ASSERT_TRUE(room().system().keyLockEngaged());

    requestExit();
    EXPECT_TRUE(platform::Runtime::endRequested());
    EXPECT_EQ(abc().MyAppid, 0);
    EXPECT_EQ(module().MouseAppid, 0);
    EXPECT_TRUE(waitFor([&] { return !running(mixer); })) << "the mixer outlived the classroom";
    EXPECT_TRUE(waitFor([&] { return !running(mouse); })) << "the mouse settings outlived the classroom";
    EXPECT_FALSE(room().system().keyLockEngaged());
}

TEST_F(ToolsTest, GoodbyeEndsWhenTheParentAlreadyClosedTheTools) {
    requestMouse();
    const long mouse = module().MouseAppid;
    remember(mouse);
    ASSERT_TRUE(waitFor([&] { return hasWindow(mouse); }));
    ::kill(pid_t(mouse), SIGTERM);
    ASSERT_TRUE(waitFor([&] { return !running(mouse); }));
    letter().Command1.click();

    requestExit();
    EXPECT_TRUE(platform::Runtime::endRequested());
    EXPECT_TRUE(abc().isVisible()) << "no classroom window was closed in the mouse settings' place";
}

} // namespace
