// A hidden board gives up its screen-sized backing store; shown again, the child must see exactly
// what the board's controls draw, including what changed while it was hidden.
#include "platform/Colors.h"
#include "platform/Form.h"
#include "platform/Label.h"

#include <QBackingStore>
#include <QCoreApplication>
#include <QElapsedTimer>
#include <QGuiApplication>
#include <QImage>
#include <QScreen>
#include <gtest/gtest.h>

using namespace platform;

namespace {

// What the window system shows of the board: on the offscreen platform, its backing store.
QImage shownOnScreen(Form& board) {
    return QGuiApplication::primaryScreen()->grabWindow(board.winId()).toImage().convertToFormat(QImage::Format_RGB32);
}

// What the board's widgets draw when asked now.
QImage drawnByWidgets(Form& board) {
    return board.grab().toImage().convertToFormat(QImage::Format_RGB32);
}

bool storeFits(Form& board) {
    return board.backingStore() && board.backingStore()->size() == board.size();
}

void settle(Form& board, bool shown) {
    QElapsedTimer waited;
    waited.start();
    while (waited.elapsed() < 2000 && (shown ? !storeFits(board) : board.isVisible()))
        QCoreApplication::processEvents(QEventLoop::AllEvents, 10);
    QCoreApplication::processEvents();
}

class HiddenBoardTest : public ::testing::Test {
protected:
    void SetUp() override {
        board.setGeometry(0, 0, 640, 480);
        board.show();
        settle(board, true);
    }
    Form board{"test board", rgb(0, 128, 255)};
    Label caption{&board, {600, 600, 4000, 900}, "Apple", colors::red};
};

TEST_F(HiddenBoardTest, ShowsTheSamePictureAfterBeingHidden) {
    const QImage before = shownOnScreen(board);
    ASSERT_FALSE(before.isNull());
    ASSERT_EQ(before, drawnByWidgets(board)); // the comparison below means something

    board.hide();
    settle(board, false);
    const QSize hiddenStore = board.backingStore()->size();
    EXPECT_LT(hiddenStore.width() * hiddenStore.height(), 640 * 480 / 100) << "the hidden board kept its store";

    board.show();
    settle(board, true);
    EXPECT_EQ(board.backingStore()->size(), board.size());
    EXPECT_EQ(shownOnScreen(board), before);
}

TEST_F(HiddenBoardTest, ShowsWhatChangedWhileHidden) {
    const QImage before = shownOnScreen(board);
    board.hide();
    settle(board, false);
    caption.setCaption("Banana");
    board.setBackColor(rgb(255, 255, 0));

    board.show();
    settle(board, true);
    const QImage after = shownOnScreen(board);
    EXPECT_NE(after, before);
    EXPECT_EQ(after, drawnByWidgets(board));
    EXPECT_EQ(after.pixelColor(2, 2), QColor(255, 255, 0));
}

} // namespace
