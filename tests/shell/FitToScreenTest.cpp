// Every board covers the whole screen and is centred, on any screen; the boards and their fonts
// scale together so they look the same on a small and a very large screen.
#include "ClassroomFixture.h"

#include "abc/Form1.h"
#include "creative/Form3.h"
#include "numbers/Form5.h"
#include "platform/Screen.h"
#include "shell/FitToScreen.h"
#include "shell/Form4.h"
#include "creative/Form2.h"

#include <QCoreApplication>
#include <QGuiApplication>
#include <QScreen>
#include <qpa/qwindowsysteminterface.h>

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

// The real screen changes size while the classroom runs (another monitor, a new resolution): every
// board, shown or hidden, and everything on it follows at once, so nothing is left off the screen.
class ScreenChangeTest : public ClassroomFixture {};

TEST_F(ScreenChangeTest, EveryBoardAndItsControlsFollowANewScreenSize) {
    QScreen* screen = QGuiApplication::primaryScreen();
    const QRect original = screen->geometry();
    for (const QSize size : {QSize(1920, 1080), QSize(1280, 800)}) {
        SCOPED_TRACE(QString("%1x%2").arg(size.width()).arg(size.height()).toStdString());
        QWindowSystemInterface::handleScreenGeometryChange(screen, QRect({0, 0}, size), QRect({0, 0}, size));
        QCoreApplication::processEvents();
        for (platform::Form* board : std::initializer_list<platform::Form*>{&room().form1(), &room().form2()})
            EXPECT_EQ(board->geometry(), QRect(QPoint(0, 0), size)) << board->caption().toStdString();
        EXPECT_EQ(room().form1().window()->geometry(), QRect(QPoint(0, 0), size));
        // The Colors & Shapes board's way back to the ABCs board lies on the screen, at the new scale.
        room().form1().colorshapes.click();
        const QRect back = room().form2().Label1.widget()->geometry();
        EXPECT_LE(back.bottom(), size.height());
        EXPECT_NEAR(back.height(), platform::Screen::toPixels(room().form2().Label1.height()), 1);
        room().form2().Label1.click();
    }
    QWindowSystemInterface::handleScreenGeometryChange(screen, original, original);
    QCoreApplication::processEvents();
}
