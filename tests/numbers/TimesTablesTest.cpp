#include "ClassroomFixture.h"

#include "abc/Form1.h"
#include "numbers/Form6.h"
#include "numbers/Form7.h"
#include "numbers/form9.h"
#include "platform/Control.h"

#include <QWidget>

namespace {

QString row(int table, int n, int product) {
    return QString("%1 x %2 = %3").arg(table).arg(n).arg(product);
}

class TimesTablesTest : public ClassroomFixture {
protected:
    void SetUp() override {
        ClassroomFixture::SetUp();
        board().show();
    }
    Form6& board() { return room().form6(); }
    int selectedOption() {
        int chosen = -1;
        for (int i = 0; i <= 12; ++i)
            if (board().Option1[std::size_t(i)].value()) {
                EXPECT_EQ(chosen, -1) << "two options chosen";
                chosen = i;
            }
        return chosen;
    }
    void expectTable(int table) {
        for (int n = 0; n <= 12; ++n)
            EXPECT_EQ(board().Labeltimes0[std::size_t(n)].caption(), row(table, n, table * n)) << "row " << n;
    }
    void expectLongRowsShown(bool shown) {
        for (int i = 0; i <= 9; ++i) {
            EXPECT_TRUE(board().Labeltimes0[std::size_t(i)].visible());
            EXPECT_TRUE(board().Option1[std::size_t(i)].visible());
        }
        for (int i = 10; i <= 12; ++i) {
            EXPECT_EQ(board().Labeltimes0[std::size_t(i)].visible(), shown) << "row " << i;
            EXPECT_EQ(board().Option1[std::size_t(i)].visible(), shown) << "option " << i;
        }
    }
    int clickSounds() { return room().form1().MMControl42.playsStarted(); }
};

TEST_F(TimesTablesTest, StartsOnTheTableOfOneWithTheLongRowsHiddenButFilled) {
    EXPECT_EQ(board().caption(), " Pipkin's Classroom   Times Tables");
    EXPECT_EQ(selectedOption(), 1);
    EXPECT_EQ(board().Check1.value(), 0);
    EXPECT_EQ(board().Check1.caption(), "Also show  10  11  12");
    expectLongRowsShown(false);
    EXPECT_EQ(board().Labeltimes0[0].caption(), "1 x 0 = 0");
    EXPECT_EQ(board().Labeltimes0[9].caption(), "1 x 9 = 9");
    EXPECT_EQ(board().Labeltimes0[10].caption(), "1 x 10 = 10");
    EXPECT_EQ(board().Labeltimes0[12].caption(), "1 x 12 = 12");
    EXPECT_EQ(board().nowDir, startDir());
}

TEST_F(TimesTablesTest, KeypadZeroChoosesOptionZeroAndAllRowsEndInZero) {
    const int soundsBefore = clickSounds();
    board().Command1[0].click();
    EXPECT_EQ(selectedOption(), 0);
    for (int n = 0; n <= 12; ++n)
        EXPECT_EQ(board().Labeltimes0[std::size_t(n)].caption(), QString("0 x %1 = 0").arg(n));
    EXPECT_EQ(clickSounds(), soundsBefore) << "keypad clicks are silent";
}

TEST_F(TimesTablesTest, TickedBoxOffersTwelveAndItsLastRowIs144) {
    board().Check1.click();
    ASSERT_EQ(board().Check1.value(), 1);
    expectLongRowsShown(true);
    board().Option1[12].click();
    EXPECT_EQ(selectedOption(), 12);
    EXPECT_EQ(board().Labeltimes0[12].caption(), "12 x 12 = 144");
    EXPECT_EQ(board().Labeltimes0[7].caption(), "12 x 7 = 84");

    // Clearing the box drops table 12 with its hidden option and goes back to the table of one.
    board().Check1.click();
    expectLongRowsShown(false);
    EXPECT_EQ(selectedOption(), 1);
    expectTable(1);
}

TEST_F(TimesTablesTest, TickingTheBoxWhileTableFiveShowsGoesBackToTableOne) {
    board().Command1[5].click();
    ASSERT_EQ(selectedOption(), 5);
    ASSERT_EQ(board().Labeltimes0[3].caption(), "5 x 3 = 15");
    board().Check1.click();
    EXPECT_EQ(selectedOption(), 1);
    expectTable(1);
    expectLongRowsShown(true);
}

TEST_F(TimesTablesTest, ClickingTheChosenOptionAgainRefillsTheSameRows) {
    board().Option1[4].click();
    board().Option1[4].click();
    EXPECT_EQ(selectedOption(), 4);
    expectTable(4);
}

TEST_F(TimesTablesTest, TitleRowsTeddyAndBackgroundClickSoundButOptionsDoNot) {
    int expected = clickSounds();
    board().Option1[3].click();
    board().Check1.click();
    EXPECT_EQ(clickSounds(), expected);
    board().LabelTT.click();
    board().Labeltimes0[2].click();
    board().Image1.click();
    board().clickAt(200, 6600);
    expected += 4;
    EXPECT_EQ(clickSounds(), expected);
}

TEST_F(TimesTablesTest, GoToButtonsSwitchBoardsSilently) {
    const int sounds = clickSounds();
    board().CommandDiv.click();
    EXPECT_TRUE(room().form9().isVisible());
    EXPECT_FALSE(board().isVisible());
    board().show();
    board().CommandEnd.click();
    EXPECT_TRUE(room().form7().isVisible());
    EXPECT_FALSE(board().isVisible());
    EXPECT_EQ(clickSounds(), sounds);
}

TEST_F(TimesTablesTest, PointerMenuSwapsTheBoardsOwnPointerOnly) {
    ASSERT_EQ(board().mousePointer(), platform::pointerCustom);
    board().PointCur.click();
    EXPECT_EQ(board().mousePointer(), platform::pointerDefault);
    EXPECT_EQ(room().form7().mousePointer(), platform::pointerCustom);
    board().TedCur.click();
    EXPECT_EQ(board().mousePointer(), platform::pointerCustom);
}

// The number boards speak one font: the toolkit's plain sans-serif, scaled with the board.
TEST_F(TimesTablesTest, NumberBoardsUsePlainSansSerifEverywhere) {
    for (platform::Form* numberBoard :
         std::initializer_list<platform::Form*>{&board(), &room().form7(), &room().form9()}) {
        int controls = 0;
        for (QWidget* child : numberBoard->client()->findChildren<QWidget*>(Qt::FindDirectChildrenOnly)) {
            const platform::Control* control = platform::Control::fromWidget(child);
            if (!control)
                continue;
            ++controls;
            EXPECT_EQ(control->fontName(), "MS Sans Serif") << numberBoard->caption().toStdString();
            EXPECT_FALSE(control->fontBold() || control->fontItalic()) << numberBoard->caption().toStdString();
        }
        EXPECT_GT(controls, 20) << numberBoard->caption().toStdString();
    }
}

// Every table from 0 to 12, chosen as a child would: the keypad for 0..9, the options for 10..12.
class EveryTable : public TimesTablesTest, public testing::WithParamInterface<int> {};

TEST_P(EveryTable, ShowsThirteenRowsOfTheTable) {
    const int table = GetParam();
    board().Check1.click();
    if (table <= 9)
        board().Command1[std::size_t(table)].click();
    else
        board().Option1[std::size_t(table)].click();
    EXPECT_EQ(selectedOption(), table);
    expectTable(table);
}

INSTANTIATE_TEST_SUITE_P(ZeroToTwelve, EveryTable, testing::Range(0, 13));

} // namespace
