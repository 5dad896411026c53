// The parent's tools on a real X server with a real window manager: the volume button starts the
// desktop's mixer (or says it is missing), a second click replaces the first mixer, the mouse gate
// starts the mouse settings only for the right password, and the goodbye closes what was opened.
#include "DesktopStandIns.h"
#include "SettingsFixture.h"

#include "platform/MessageBox.h"
#include "platform/system/X11SystemServices.h"

#include <QFileInfo>
#include <QProcess>
#include <csignal>

namespace {

class ToolsTest : public SettingsFixture {
public:
    void SetUp() override {
        ASSERT_TRUE(tools_.ready());
        SettingsFixture::SetUp();
        ASSERT_NE(dynamic_cast<platform::sys::X11SystemServices*>(&room().system()), nullptr)
            << "these tests need the X11 backend (run them through with_desktop.sh)";
    }

protected:
    static bool running(long pid) { return pid > 0 && ::kill(pid_t(pid), 0) == 0; }

    // Shown on the screen, so the window manager has taken it in, as it has long before a parent's
    // second click.
    static bool hasWindow(long pid) {
        QProcess p;
        p.start("xdotool", {"search", "--onlyvisible", "--pid", QString::number(pid)});
        p.waitForFinished(5000);
        return !p.readAllStandardOutput().trimmed().isEmpty();
    }

    void remember(long pid) { tools_.remember(pid); }

    DesktopStandIns tools_;
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
