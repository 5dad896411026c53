// Every board covers the whole screen and is centred, on any screen; the boards and their fonts
// scale together so they look the same on a small and a very large screen.
#include "ClassroomFixture.h"

#include "abc/Form1.h"
#include "creative/Form3.h"
#include "numbers/Form5.h"
#include "platform/Screen.h"
#include "shell/FitToScreen.h"
#include "shell/Form4.h"

namespace {

class FitToScreenTest : public ClassroomFixture, public ::testing::WithParamInterface<QSize> {
protected:
    void TearDown() override {
        platform::Screen::overridePixels(std::nullopt);
        ClassroomFixture::TearDown();
    }
};

TEST_P(FitToScreenTest, BoardCoversTheScreen) {
    const QSize screen = GetParam();
    platform::Screen::overridePixels(screen);
    Form1& abc = room().form1();
    fitToScreen(abc);
    EXPECT_EQ(abc.geometry(), QRect(QPoint(0, 0), screen));
    // The 9600 x 7200 design fits whichever side of the screen is the tighter one.
    const double scale = std::min(screen.width() / 9600.0, screen.height() / 7200.0);
    EXPECT_NEAR(abc.Picture1.widget()->width(), 645 * scale, 1);
    EXPECT_NEAR(abc.Text1.widget()->x(), 6780 * scale, 1);
    EXPECT_LE(abc.Text1.widget()->geometry().right(), screen.width());
    EXPECT_NEAR(abc.Label1.widget()->font().pixelSize(), 36 * 20 * scale, 1);
}

TEST_P(FitToScreenTest, TitleScreenPointerRefitsEveryBoard) {
    const QSize screen = GetParam();
    platform::Screen::overridePixels(screen);
    room().form5().setGeometry(40, 30, 200, 100);
    room().form3().setGeometry(10, 10, 300, 300);
    room().form4().mouseMoveAt(100, 100);
    EXPECT_EQ(room().form5().geometry(), QRect(QPoint(0, 0), screen));
    EXPECT_EQ(room().form3().geometry(), QRect(QPoint(0, 0), screen));
    EXPECT_NEAR(room().form3().Frame1.top(), 0.65 * room().form3().height(), 2);
}

INSTANTIATE_TEST_SUITE_P(Screens, FitToScreenTest,
                         ::testing::Values(QSize(800, 600), QSize(1024, 768), QSize(1280, 800), QSize(1920, 1080),
                                           QSize(3840, 2160)));

} // namespace
