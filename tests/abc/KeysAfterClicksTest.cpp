// The keyboard and mouse as the hardware delivers them on the ABCs board: whatever the child clicked
// last, the next key typed is spoken and shown, and no key opens the typing box's own edit menu.
#include "AbcBoardFixture.h"
#include "RealInput.h"

#include <QApplication>

namespace {

struct ClickedCase {
    const char* name;
    QWidget* (*target)(Form1&);
};

void PrintTo(const ClickedCase& c, std::ostream* os) { *os << c.name; }

class KeyAfterAClick : public AbcBoardFixture, public testing::WithParamInterface<ClickedCase> {};

TEST_P(KeyAfterAClick, IsSpokenAndShown) {
    realinput::click(GetParam().target(board()));
    const int plays = board().MMControl13.playsStarted();
    realinput::key(board().client(), Qt::Key_M, "m");
    EXPECT_EQ(board().Label1.caption(), "M m");
    EXPECT_EQ(board().MMControl13.playsStarted(), plays + 1) << "the m was not heard";
    EXPECT_TRUE(board().Text1.text().isEmpty());
    // And the key after it too.
    realinput::key(board().client(), Qt::Key_B, "b");
    EXPECT_EQ(board().Label1.caption(), "B b");
}

INSTANTIATE_TEST_SUITE_P(
    WhatWasClicked, KeyAfterAClick,
    testing::Values(ClickedCase{"TheLetterKeyK", [](Form1& b) { return b.K.widget(); }},
                    ClickedCase{"TheBigLabel", [](Form1& b) { return b.Label1.widget(); }},
                    ClickedCase{"TheTeddy", [](Form1& b) { return b.Image1.widget(); }},
                    ClickedCase{"StartMusic1", [](Form1& b) { return b.Label7.widget(); }},
                    ClickedCase{"TheBoardItself", [](Form1& b) { return b.client(); }}),
    [](const testing::TestParamInfo<ClickedCase>& param) { return std::string(param.param.name); });

TEST_F(AbcBoardFixture, ContextMenuKeyOpensNoMenuAndTheNextKeyIsTyped) {
    ASSERT_EQ(board().focusedWidget(), board().Text1.widget());
    realinput::key(board().client(), Qt::Key_Menu);
    EXPECT_EQ(QApplication::activePopupWidget(), nullptr) << "a menu opened and holds the keys";
    EXPECT_NE(board().focusedWidget(), board().Text1.widget()) << "the context-menu key sends the focus away";
    realinput::key(board().client(), Qt::Key_A, "a");
    EXPECT_EQ(board().Label1.caption(), "A a");
}

TEST_F(AbcBoardFixture, RightClickOnTheTypingBoxOpensNoMenu) {
    QWidget* box = board().Text1.widget();
    const QPoint centre = box->rect().center();
    QContextMenuEvent menu(QContextMenuEvent::Mouse, centre, box->mapToGlobal(centre));
    QApplication::sendEvent(box, &menu);
    EXPECT_EQ(QApplication::activePopupWidget(), nullptr);
}

} // namespace
