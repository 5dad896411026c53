// A parent at the keyboard: Tab walks the board's controls, F10 or a lone Alt opens the menus, and
// the typing box still gets every typed key.
#include "AbcBoardFixture.h"

#include "letter/ReadMe.h"
#include "numbers/Form8.h"
#include "platform/UserInput.h"

#include <QApplication>
#include <QKeyEvent>
#include <QMenu>

namespace {

QWidget* focusOf(platform::Form& board) {
    return board.focusedWidget();
}

QString openMenu() {
    auto* menu = qobject_cast<QMenu*>(QApplication::activePopupWidget());
    return menu ? menu->title() : QString();
}

void closeMenus() {
    while (QWidget* popup = QApplication::activePopupWidget())
        popup->close();
}

void sendKey(QWidget* to, QEvent::Type type, int key, Qt::KeyboardModifiers mods) {
    QKeyEvent event(type, key, mods);
    QApplication::sendEvent(to, &event);
}

class KeyboardTest : public AbcBoardFixture {
protected:
    void SetUp() override {
        AbcBoardFixture::SetUp();
        board().activateWindow();
        waitFor([&] { return board().Text1.hasFocus(); }, 2000);
    }
    void TearDown() override {
        closeMenus();
        AbcBoardFixture::TearDown();
    }
};

// Tab used to come back to "Play 1 Time" for ever: the board's key handler sends the focus to the
// typing box first, and Qt then moved on from there.
// The stops Tab makes from the focus until it comes back there (at most 40).
QList<QWidget*> tabRound(platform::Form& board, int key) {
    QWidget* start = focusOf(board);
    QList<QWidget*> stops;
    for (int i = 0; i < 40 && (stops.isEmpty() || stops.back() != start); ++i) {
        board.pressKey(key);
        stops << focusOf(board);
    }
    return stops;
}

TEST_F(KeyboardTest, TabAndShiftTabGoRoundTheAbcBoardsControls) {
    ASSERT_TRUE(board().Text1.hasFocus());
    // At the start only the typing box and "Play 1 Time" take the focus; the recorder is hidden.
    const QList<QWidget*> round{board().Check2.widget(), board().Text1.widget()};
    EXPECT_EQ(tabRound(board(), Qt::Key_Tab), round);
    EXPECT_EQ(tabRound(board(), Qt::Key_Backtab), round);
    board().Check1.setVisible(true); // the parent allows the recorder
    // The recorder switch was built after "Play 1 Time", so it comes after it.
    const QList<QWidget*> withRecorder{board().Check2.widget(), board().Check1.widget(), board().Text1.widget()};
    EXPECT_EQ(tabRound(board(), Qt::Key_Tab), withRecorder);
}

// On a board with many controls Tab reaches each once, in the order they were built, and back.
TEST_F(KeyboardTest, TabWalksTheProblemBoardInItsDesignOrder) {
    platform::Form& problems = room().form8();
    board().hide();
    problems.show();
    problems.activateWindow();
    QList<QWidget*> designOrder;
    for (QWidget* w : problems.findChildren<QWidget*>())
        if ((w->focusPolicy() & Qt::TabFocus) && w->isVisibleTo(&problems) && w->isEnabled())
            designOrder << w;
    ASSERT_GE(designOrder.size(), 5);
    designOrder.first()->setFocus();
    ASSERT_TRUE(waitFor([&] { return focusOf(problems) == designOrder.first(); }, 2000));
    QList<QWidget*> expected = designOrder.mid(1);
    expected << designOrder.first();
    EXPECT_EQ(tabRound(problems, Qt::Key_Tab), expected);
}

TEST_F(KeyboardTest, ALetterTypedWhileTabHasTheFocusElsewhereStillLandsInTheTypingBox) {
    board().pressKey(Qt::Key_Tab);
    ASSERT_FALSE(board().Text1.hasFocus());
    board().typeKeys("b");
    EXPECT_EQ(board().Label1.caption(), "B b");
    EXPECT_EQ(board().MMControl2.playsStarted(), 1);
    EXPECT_TRUE(board().Text1.hasFocus());
}

TEST_F(KeyboardTest, F10OpensTheFirstMenuThatOffersSomethingAndClosesItAgain) {
    board().pressKey(Qt::Key_F10);
    // "   " is an empty spacer and "Volume" starts disabled.
    EXPECT_TRUE(waitFor([] { return openMenu() == "Reorder"; }, 2000)) << openMenu().toStdString();
    QApplication::activePopupWidget()->setFocus();
    platform::input::key(QApplication::activePopupWidget(), Qt::Key_F10, {});
    EXPECT_TRUE(waitFor([] { return openMenu().isEmpty(); }, 2000));
}

TEST_F(KeyboardTest, AltPressedAndReleasedAloneOpensTheMenusButNotAsPartOfAnotherKey) {
    QWidget* typing = board().Text1.widget();
    sendKey(typing, QEvent::KeyPress, Qt::Key_Alt, Qt::AltModifier);
    sendKey(typing, QEvent::KeyPress, Qt::Key_X, Qt::AltModifier);
    sendKey(typing, QEvent::KeyRelease, Qt::Key_X, Qt::AltModifier);
    sendKey(typing, QEvent::KeyRelease, Qt::Key_Alt, Qt::NoModifier);
    processEventsFor(100);
    EXPECT_EQ(openMenu(), "");

    sendKey(typing, QEvent::KeyPress, Qt::Key_Alt, Qt::AltModifier);
    sendKey(typing, QEvent::KeyRelease, Qt::Key_Alt, Qt::NoModifier);
    EXPECT_TRUE(waitFor([] { return openMenu() == "Reorder"; }, 2000)) << openMenu().toStdString();
}

// The Letter Board's text box kept Tab as a character; now it leaves the box as on every board.
TEST_F(KeyboardTest, TabLeavesTheLetterBoardsTextBox) {
    ReadMe& letter = room().readMe();
    board().hide();
    letter.show();
    letter.activateWindow();
    letter.Text1.setFocus();
    ASSERT_TRUE(waitFor([&] { return letter.Text1.hasFocus(); }, 2000));
    letter.pressKey(Qt::Key_Tab, "\t");
    EXPECT_FALSE(letter.Text1.hasFocus());
    EXPECT_FALSE(letter.Text1.text().contains('\t'));
}

} // namespace
