// What a real mouse reaches: a click on a many-line box's text area is the box's click, a click
// anywhere on a check box's rectangle ticks it, and a board that is still hidden already has the
// client area of the size it was given, so controls placed from that size are where they belong.
#include "platform/CheckBox.h"
#include "platform/Form.h"
#include "platform/GraphicalCheckBox.h"
#include "platform/Menu.h"
#include "platform/Screen.h"
#include "platform/TextBox.h"

#include <QAbstractScrollArea>
#include <QApplication>
#include <QMenuBar>
#include <QMouseEvent>
#include <QPlainTextEdit>
#include <QScrollBar>
#include <QTextBlock>
#include <QTextCursor>
#include <gtest/gtest.h>
#include <optional>

using namespace platform;

namespace {

// As Qt delivers a hardware mouse event: straight to the widget under the pointer.
void sendMouse(QWidget* target, QEvent::Type type, QPoint pos, Qt::MouseButton button = Qt::LeftButton) {
    const Qt::MouseButtons held = type == QEvent::MouseButtonRelease ? Qt::NoButton : Qt::MouseButtons(button);
    QMouseEvent event(type, QPointF(pos), QPointF(target->mapToGlobal(pos)), button, held, Qt::NoModifier);
    QApplication::sendEvent(target, &event);
}

struct Heard {
    int clicks = 0, dblClicks = 0, downs = 0, ups = 0;
    QPoint down; // twips on the control
    void listen(Control& control) {
        control.Click.connect([this] { ++clicks; });
        control.DblClick.connect([this] { ++dblClicks; });
        control.MouseDown.connect([this](int, int, int x, int y) {
            ++downs;
            down = {x, y};
        });
        control.MouseUp.connect([this](int, int, int, int) { ++ups; });
    }
};

class PointerReachTest : public ::testing::Test {
protected:
    void SetUp() override {
        board.setGeometry(0, 0, 800, 600);
        board.show();
    }
    Form board{"test board"};
};

class ManyLineBoxTest : public PointerReachTest, public ::testing::WithParamInterface<TextBox::Lines> {};

TEST_P(ManyLineBoxTest, APressAndReleaseOnTheTextAreaIsTheBoxsClickAndPlacesTheCaret) {
    TextBox box(&board, {0, 0, 4500, 3000}, GetParam(), "first line\nsecond line");
    Heard heard;
    heard.listen(box);
    auto* edit = static_cast<QPlainTextEdit*>(box.widget());
    QWidget* area = edit->viewport();
    const QRect secondLine = edit->cursorRect(QTextCursor(edit->document()->findBlockByNumber(1)));
    const QPoint onText(area->width() - 4, secondLine.center().y()); // beside the end of the second line
    sendMouse(area, QEvent::MouseButtonPress, onText);
    sendMouse(area, QEvent::MouseButtonRelease, onText);
    EXPECT_EQ(heard.clicks, 1);
    EXPECT_EQ(heard.downs, 1);
    EXPECT_EQ(heard.ups, 1);
    // Positions are the box's own, not its text area's (which sits inside the frame).
    const QPoint onBox = area->mapTo(box.widget(), onText);
    EXPECT_EQ(heard.down, QPoint(Screen::toTwips(onBox.x()), Screen::toTwips(onBox.y())));
    EXPECT_EQ(edit->textCursor().blockNumber(), 1) << "the caret goes where the child pressed";
    EXPECT_EQ(edit->textCursor().positionInBlock(), QString("second line").size());
}

TEST_P(ManyLineBoxTest, ADoubleClickIsReportedOnceAndOtherButtonsAreNoClick) {
    TextBox box(&board, {0, 0, 4500, 3000}, GetParam(), "word");
    box.setLocked(true);
    Heard heard;
    heard.listen(box);
    QWidget* area = static_cast<QAbstractScrollArea*>(box.widget())->viewport();
    const QPoint p = area->rect().center();
    for (QEvent::Type type : {QEvent::MouseButtonPress, QEvent::MouseButtonRelease, QEvent::MouseButtonDblClick,
                              QEvent::MouseButtonRelease})
        sendMouse(area, type, p);
    EXPECT_EQ(heard.clicks, 1);
    EXPECT_EQ(heard.dblClicks, 1);
    // A right press the text area does not take must still be heard once, not again from the box.
    sendMouse(area, QEvent::MouseButtonPress, p, Qt::RightButton);
    sendMouse(area, QEvent::MouseButtonRelease, p, Qt::RightButton);
    EXPECT_EQ(heard.downs, 2);
    EXPECT_EQ(heard.ups, 3);
    EXPECT_EQ(heard.clicks, 1);
}

TEST_P(ManyLineBoxTest, ADisabledBoxHearsNothingFromItsTextArea) {
    TextBox box(&board, {0, 0, 4500, 3000}, GetParam());
    box.setEnabled(false);
    Heard heard;
    heard.listen(box);
    QWidget* area = static_cast<QAbstractScrollArea*>(box.widget())->viewport();
    sendMouse(area, QEvent::MouseButtonPress, area->rect().center());
    sendMouse(area, QEvent::MouseButtonRelease, area->rect().center());
    EXPECT_EQ(heard.clicks + heard.downs + heard.ups, 0);
}

INSTANTIATE_TEST_SUITE_P(WithAndWithoutScrollBar, ManyLineBoxTest,
                         ::testing::Values(TextBox::Lines::multi, TextBox::Lines::multiWithScrollBar));

TEST_F(PointerReachTest, OnlyTheBoxAskedForShowsAScrollBar) {
    TextBox plain(&board, {0, 0, 555, 555}, TextBox::Lines::multi, "Make \r\nColor\r\n");
    TextBox scrolled(&board, {600, 0, 4500, 3000}, TextBox::Lines::multiWithScrollBar);
    EXPECT_FALSE(static_cast<QAbstractScrollArea*>(plain.widget())->verticalScrollBar()->isVisible());
    EXPECT_TRUE(static_cast<QAbstractScrollArea*>(scrolled.widget())->verticalScrollBar()->isVisible());
}

// Points on the control's rectangle, as fractions of its size: corners and the far side, well away
// from a short caption.
struct Spot {
    const char* name;
    double x, y;
};

class CheckBoxReachTest : public PointerReachTest, public ::testing::WithParamInterface<Spot> {
protected:
    // A press and release at the spot, sent as the hardware mouse's would be.
    static void clickAt(Control& control) {
        QWidget* w = control.widget();
        const QPoint p(int(GetParam().x * (w->width() - 1)), int(GetParam().y * (w->height() - 1)));
        sendMouse(w, QEvent::MouseButtonPress, p);
        sendMouse(w, QEvent::MouseButtonRelease, p);
    }
};

TEST_P(CheckBoxReachTest, ACheckBoxTogglesWhereverItsRectangleIsClicked) {
    CheckBox box(&board, {0, 0, 3000, 315}, "Bold");
    int clicks = 0;
    box.Click.connect([&] { ++clicks; });
    clickAt(box);
    EXPECT_EQ(box.value(), 1);
    clickAt(box);
    EXPECT_EQ(box.value(), 0);
    EXPECT_EQ(clicks, 2);
}

TEST_P(CheckBoxReachTest, APictureCheckBoxTogglesWhereverItsRectangleIsClicked) {
    GraphicalCheckBox box(&board, {0, 0, 1500, 795}, "Play");
    clickAt(box);
    EXPECT_EQ(box.value(), 1);
}

INSTANTIATE_TEST_SUITE_P(Spots, CheckBoxReachTest,
                         ::testing::Values(Spot{"farRightMiddle", 0.95, 0.5}, Spot{"topRight", 1, 0},
                                           Spot{"bottomRight", 1, 1}, Spot{"middle", 0.5, 0.5}, Spot{"topLeft", 0, 0}),
                         [](const ::testing::TestParamInfo<Spot>& spot) { return std::string(spot.param.name); });

TEST_F(PointerReachTest, ACheckBoxIgnoresAReleaseOutsideItsRectangle) {
    CheckBox box(&board, {0, 0, 3000, 315}, "Bold");
    QWidget* w = box.widget();
    sendMouse(w, QEvent::MouseButtonPress, {w->width() - 2, 2});
    sendMouse(w, QEvent::MouseButtonRelease, {w->width() + 20, 2}); // the child slid off before letting go
    EXPECT_EQ(box.value(), 0);
}

// A hidden board: its client area follows the size it is given before it is ever shown, and again
// after it was shown and hidden.
class HiddenBoardTest : public ::testing::TestWithParam<bool> {};

TEST_P(HiddenBoardTest, ClientAreaTakesTheBoardsSizeWhileHidden) {
    Form hidden("hidden board");
    std::optional<Menu> menu;
    if (GetParam())
        menu.emplace(&hidden, "File");
    const auto expectFits = [&](int widthTwips, int heightTwips) {
        const QRect client = hidden.client()->geometry();
        EXPECT_EQ(client.width(), hidden.geometry().width());
        EXPECT_EQ(client.bottom(), hidden.rect().bottom()) << "the client area reaches the board's foot";
        const int menuHeight = GetParam() ? hidden.menuBar()->geometry().bottom() + 1 : 0;
        EXPECT_EQ(client.top(), menuHeight);
        EXPECT_TRUE(!GetParam() || menuHeight > 1) << "the menu bar is laid out above the client area";
        EXPECT_NEAR(hidden.clientWidth(), widthTwips, Screen::toTwips(1) + 1);
        EXPECT_NEAR(hidden.clientHeight(), heightTwips - Screen::toTwips(menuHeight), Screen::toTwips(1) + 1);
    };
    ASSERT_FALSE(hidden.isVisible());
    hidden.setWidth(9000);
    hidden.setHeight(6000);
    expectFits(9000, 6000);
    hidden.show();
    hidden.hide();
    hidden.setWidth(4500);
    hidden.setHeight(3000);
    expectFits(4500, 3000);
}

INSTANTIATE_TEST_SUITE_P(WithAndWithoutMenuBar, HiddenBoardTest, ::testing::Bool());

} // namespace
