// The way out: the "Good Bye" label a parent shows, the farewell and its two-second wait, the exit
// password, and the volume button the farewell tidies up after.
#include "SettingsFixture.h"

#include "creative/Form2.h"
#include "creative/Form3.h"
#include "numbers/Form5.h"
#include "numbers/Form6.h"
#include "numbers/Form7.h"
#include "numbers/Form8.h"
#include "numbers/form9.h"
#include "platform/MessageBox.h"
#include "shell/Form4.h"

#include <QFileInfo>
#include <QTimer>
#include <algorithm>

namespace {

using GoodbyeTest = SettingsFixture;

bool showsFile(const platform::Image& picture, const QString& name) {
    return QFileInfo(picture.pictureFile()).fileName().compare(name, Qt::CaseInsensitive) == 0;
}

TEST_F(GoodbyeTest, ExitMenuGreysTheItemThatWouldChangeNothing) {
    Form1& b = abc();
    b.goodbyon.click();
    EXPECT_FALSE(b.Goodbye.visible()) << "the exit menu starts disabled";

    b.MenuOptionsOn.click();
    b.exitop.open();
    EXPECT_TRUE(b.goodbyon.enabled());
    EXPECT_FALSE(b.goodgyoff.enabled());
    b.goodbyon.click();
    EXPECT_TRUE(b.Goodbye.visible());
    b.exitop.open();
    EXPECT_FALSE(b.goodbyon.enabled());
    EXPECT_TRUE(b.goodgyoff.enabled());
    b.goodgyoff.click();
    EXPECT_FALSE(b.Goodbye.visible());
    b.exitop.open();
    EXPECT_TRUE(b.goodbyon.enabled());
    EXPECT_FALSE(b.goodgyoff.enabled());
}

TEST_F(GoodbyeTest, SingleClickOnGoodbyeDoesNothing) {
    abc().MenuOptionsOn.click();
    abc().goodbyon.click();
    abc().Goodbye.click();
    EXPECT_FALSE(platform::Runtime::endRequested());
    EXPECT_NE(abc().Label1.caption(), "Good Bye");
}

TEST_F(GoodbyeTest, WithoutAPasswordTheDoubleClickSaysGoodbyeAndEndsAfterTwoSeconds) {
    ASSERT_TRUE(room().form2().MMControl1.isOpen());
    ASSERT_TRUE(room().form3().MMControl2.isOpen());
    const int byePlays = abc().MMControl28.playsStarted();
    room().form5().show(); // a board that is showing is closed as well as the hidden ones

    requestExit();

    EXPECT_TRUE(platform::Runtime::endRequested());
    EXPECT_EQ(abc().Label1.caption(), "Good Bye");
    EXPECT_TRUE(showsFile(abc().Image1, "TEDBYE.ICO")) << abc().Image1.pictureFile().toStdString();
    EXPECT_EQ(abc().MMControl28.playsStarted(), byePlays + 1);
    EXPECT_EQ(QFileInfo(abc().MMControl28.fileName()).fileName(), "bye.WAV");
    EXPECT_TRUE(abc().isVisible()) << "the ABCs board stays to the end";
    for (const QWidget* board : std::initializer_list<const QWidget*>{
             &room().form2(), &room().form3(), &room().form4(), &room().form5(), &room().form6(), &room().form7(),
             &room().form8(), &room().form9(), &room().readMe(), &room().form10()})
        EXPECT_FALSE(board->isVisible()) << board->windowTitle().toStdString();
    EXPECT_FALSE(room().form2().MMControl1.isOpen()) << "the Colors & Shapes board closed its sound";
    EXPECT_FALSE(room().form3().MMControl2.isOpen()) << "the ChalkBoard closed its sound";

    // The end came only once two seconds had passed on the clock, never before.
    ASSERT_FALSE(clockReads_.empty());
    const double start = clockReads_.front().seconds;
    const auto ended =
        std::find_if(clockReads_.begin(), clockReads_.end(), [](const ClockRead& r) { return r.endRequested; });
    EXPECT_EQ(ended, clockReads_.end()) << "the program was asked to end while the wait still read the clock";
    EXPECT_GE(clockReads_.back().seconds - start, 2.0);
    EXPECT_LT(clockReads_.back().seconds - start, 2.5) << "the wait went on past two seconds";
}

TEST_F(GoodbyeTest, DuringTheWaitClicksAreAnsweredButNoSecondGoodbyeStarts) {
    abc().MenuOptionsOn.click();
    abc().goodbyon.click();
    const int byePlays = abc().MMControl28.playsStarted();
    const int aPlays = abc().MMControl1.playsStarted();
    size_t readsAtClick = 0;
    QTimer::singleShot(0, [&] {
        readsAtClick = clockReads_.size();
        abc().A.click();
        abc().Goodbye.dblClick();
    });
    abc().Goodbye.dblClick();

    EXPECT_GE(readsAtClick, 1u) << "the clicks came before the wait began";
    EXPECT_EQ(abc().MMControl1.playsStarted(), aPlays + 1) << "the letter key was answered";
    EXPECT_EQ(abc().MMControl28.playsStarted(), byePlays + 1) << "one goodbye, heard once";
    EXPECT_TRUE(platform::Runtime::endRequested());
    EXPECT_LT(clockReads_.size(), 100u);
}

TEST_F(GoodbyeTest, TheWaitEndsOnTimeWhenItSpansMidnight) {
    useSteppingClock(86399.0, 0.25);
    requestExit();
    EXPECT_TRUE(platform::Runtime::endRequested());
    ASSERT_FALSE(clockReads_.empty());
    EXPECT_LT(clockReads_.size(), 100u) << "the wait did not notice the day's end";
    EXPECT_LT(clockReads_.back().seconds, 3.0) << "the clock passed midnight during the wait";
    const double elapsed = clockReads_.back().seconds + 86400 - clockReads_.front().seconds;
    EXPECT_GE(elapsed, 2.0);
    EXPECT_LT(elapsed, 2.5);
}

TEST_F(GoodbyeTest, MissingGoodbyeFilesStillEndTheProgram) {
    ASSERT_TRUE(QFile::remove(startFile("bye.WAV")));
    ASSERT_TRUE(QFile::remove(startFile("TEDBYE.ICO")));
    requestExit();
    EXPECT_TRUE(platform::Runtime::endRequested());
    EXPECT_EQ(abc().Label1.caption(), "Good Bye");
}

TEST_F(GoodbyeTest, WrongExitPasswordReturnsToTheBoardAsItWas) {
    setPassword("Fox");
    abc().MenuOptionsOn.click();
    abc().goodbyon.click();
    abc().C5.click();
    const QString bigLabel = abc().Label1.caption();
    const int byePlays = abc().MMControl28.playsStarted();

    abc().Goodbye.dblClick();
    ASSERT_TRUE(pw().isVisible());
    EXPECT_FALSE(abc().isVisible());
    EXPECT_EQ(pw().Label1.caption(), "Type in Exit Pasword");
    EXPECT_FALSE(pw().Text2.visible());
    pw().Text1.type("fox");
    pw().Command2.click();

    EXPECT_FALSE(platform::Runtime::endRequested());
    EXPECT_TRUE(abc().isVisible());
    EXPECT_FALSE(pw().isVisible());
    EXPECT_TRUE(abc().Goodbye.visible());
    EXPECT_EQ(abc().Label1.caption(), bigLabel);
    EXPECT_EQ(abc().MMControl28.playsStarted(), byePlays);
    EXPECT_TRUE(room().form2().MMControl1.isOpen()) << "no board was closed";
    EXPECT_TRUE(platform::MessageBox::captured().isEmpty());

    abc().Goodbye.dblClick();
    pw().Text1.type("Fox");
    pw().Command2.click();
    EXPECT_TRUE(platform::Runtime::endRequested());
    EXPECT_EQ(abc().Label1.caption(), "Good Bye");
    EXPECT_TRUE(abc().isVisible());
    EXPECT_EQ(abc().MMControl28.playsStarted(), byePlays + 1);
}

// Offscreen there is no desktop to start a mixer on: the backend starts nothing and reports nothing
// missing, so the click answers with the teddy and keeps the button, and no message appears.
TEST_F(GoodbyeTest, VolumeButtonWithoutADesktopChangesTheTeddyAndStays) {
    requestVolume();
    ASSERT_TRUE(abc().volume.visible());
    abc().A.click();
    ASSERT_FALSE(abc().Label1.caption().isEmpty());
    ASSERT_FALSE(showsFile(abc().Image1, "TEDBYE.ICO"));
    for (int click = 1; click <= 2; ++click) {
        abc().volume.click();
        EXPECT_TRUE(abc().Label1.caption().isEmpty());
        EXPECT_TRUE(showsFile(abc().Image1, "TEDBYE.ICO"));
        EXPECT_TRUE(abc().volume.visible());
        EXPECT_EQ(abc().MyAppid, 0);
    }
    EXPECT_TRUE(platform::MessageBox::captured().isEmpty());
}

} // namespace
