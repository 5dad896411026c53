// Every board is a page of one window that covers the screen: the board shown last is in front, the
// window carries its caption, and a board shown again shows exactly what its controls draw,
// including what changed while it was hidden.
#include "platform/Colors.h"
#include "platform/Form.h"
#include "platform/Label.h"
#include "platform/Screen.h"
#include "platform/Stage.h"

#include <QApplication>
#include <QCoreApplication>
#include <QElapsedTimer>
#include <QGuiApplication>
#include <QImage>
#include <QMouseEvent>
#include <QScreen>
#include <gtest/gtest.h>

using namespace platform;

namespace {

// What the window system shows of the classroom's window: on the offscreen platform, its backing store.
QImage shownOnScreen(QWidget& window) {
    QCoreApplication::processEvents();
    return QGuiApplication::primaryScreen()->grabWindow(window.winId()).toImage().convertToFormat(QImage::Format_RGB32);
}

// What a board's widgets draw when asked now.
QImage drawnByWidgets(Form& board) { return board.grab().toImage().convertToFormat(QImage::Format_RGB32); }

QImage part(const QImage& image, const QSize& size) { return image.copy(QRect(QPoint(0, 0), size)); }

void settle() {
    QElapsedTimer waited;
    waited.start();
    while (waited.elapsed() < 200)
        QCoreApplication::processEvents(QEventLoop::AllEvents, 10);
}

class StageTest : public ::testing::Test {
protected:
    void SetUp() override {
        for (Form* b : {&behind, &board})
            b->setGeometry(0, 0, 640, 480);
        behind.show();
        board.show();
        settle();
    }
    QWidget& window() { return *board.window(); }
    int deactivations = 0;
    Form behind{"the board behind", rgb(0, 0, 255)};
    Form board{"the board in front", rgb(0, 128, 255)};
    Label caption{&board, {600, 600, 4000, 900}, "Apple", colors::red};
};

TEST_F(StageTest, BoardsArePagesOfOneWindowThatCoversTheScreen) {
    EXPECT_EQ(board.window(), behind.window());
    EXPECT_TRUE(window().isWindow());
    EXPECT_FALSE(board.isWindow());
    EXPECT_TRUE(window().windowFlags().testFlag(Qt::FramelessWindowHint));
    EXPECT_TRUE(window().windowState().testFlag(Qt::WindowFullScreen));
    EXPECT_EQ(window().geometry(), QRect(QPoint(0, 0), Screen::pixels()));
    int shownWindows = 0;
    for (QWidget* w : QApplication::topLevelWidgets())
        shownWindows += w->isVisible() ? 1 : 0;
    EXPECT_EQ(shownWindows, 1);
}

TEST_F(StageTest, BoardShownLastIsInFrontAndNamesTheWindow) {
    EXPECT_EQ(Form::frontBoard(), &board);
    EXPECT_EQ(window().windowTitle(), "the board in front");
    board.setCaption("a new caption");
    EXPECT_EQ(window().windowTitle(), "a new caption");

    board.Deactivate.connect([this] { ++deactivations; });
    board.hide();
    EXPECT_EQ(Form::frontBoard(), &behind);
    EXPECT_EQ(window().windowTitle(), "the board behind");
    EXPECT_EQ(deactivations, 1);
    EXPECT_EQ(part(shownOnScreen(window()), {640, 480}), drawnByWidgets(behind));

    // Showing a board that already shows brings it forward again.
    board.show();
    behind.show();
    EXPECT_EQ(Form::frontBoard(), &behind);
    EXPECT_EQ(deactivations, 2);
}

TEST_F(StageTest, PressOnABoardBehindBringsItForward) {
    board.setGeometry(0, 0, 200, 200); // a small board, as the colour mixer is, over a full one
    settle();
    board.Deactivate.connect([this] { ++deactivations; });
    QWidget* target = behind.client();
    const QPoint inside(400, 300);
    QMouseEvent press(QEvent::MouseButtonPress, inside, target->mapToGlobal(inside), Qt::LeftButton, Qt::LeftButton,
                      Qt::NoModifier);
    QApplication::sendEvent(target, &press);
    EXPECT_EQ(Form::frontBoard(), &behind);
    EXPECT_EQ(deactivations, 1);
}

TEST_F(StageTest, ShowsTheSamePictureAfterBeingHidden) {
    const QImage before = part(shownOnScreen(window()), {640, 480});
    ASSERT_EQ(before, drawnByWidgets(board)); // the comparison below means something
    board.hide();
    settle();
    ASSERT_NE(part(shownOnScreen(window()), {640, 480}), before);
    board.show();
    settle();
    EXPECT_EQ(part(shownOnScreen(window()), {640, 480}), before);
}

TEST_F(StageTest, ShowsWhatChangedWhileHidden) {
    const QImage before = part(shownOnScreen(window()), {640, 480});
    board.hide();
    settle();
    caption.setCaption("Banana");
    board.setBackColor(rgb(255, 255, 0));
    board.show();
    settle();
    const QImage after = part(shownOnScreen(window()), {640, 480});
    EXPECT_NE(after, before);
    EXPECT_EQ(after, drawnByWidgets(board));
    EXPECT_EQ(after.pixelColor(2, 2), QColor(255, 255, 0));
}

TEST(StageLifetime, WindowGoesWithTheLastBoard) {
    {
        Form only{"the only board", rgb(0, 0, 0)};
        only.show();
        ASSERT_NE(Stage::instance(), nullptr);
        EXPECT_TRUE(Stage::instance()->isVisible());
    }
    EXPECT_EQ(Stage::instance(), nullptr);
}

} // namespace
