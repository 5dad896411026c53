// The 123s board driven as a child does: numbers, signs and "=", the three modes, and what the
// child sees (digits, unit faces, ten-bars, the zero line) and hears.
#include "ClassroomFixture.h"

#include "abc/Form1.h"
#include "creative/Form2.h"
#include "numbers/Form5.h"
#include "numbers/Form7.h"
#include "numbers/Form8.h"

#include <QImage>
#include <string>
#include <vector>

using platform::rgb;

namespace {

constexpr platform::OleColor pink = rgb(255, 192, 192);
constexpr platform::OleColor lightGreen = rgb(128, 255, 128);

} // namespace

class CountingBoard : public ClassroomFixture {
protected:
    void SetUp() override {
        ClassroomFixture::SetUp();
        room().form1().Label2.click(); // "123s"
        ASSERT_TRUE(board().isVisible());
    }
    Form5& board() { return room().form5(); }
    int honoPlays() { return room().form1().MMControl42.playsStarted(); }
    int dingPlays() { return room().form2().MMControl1.playsStarted(); }

    void press(const std::string& key) {
        Form5& b = board();
        if (key == "+")
            b.LabelPlus.click();
        else if (key == "-")
            b.LabelMinus.click();
        else if (key == "=")
            b.LabelEqule.click();
        else if (key == "add")
            b.LabeldoAdd.click();
        else if (key == "subtract")
            b.LabeldoSubtract.click();
        else if (key == "negatives")
            b.Check1.click();
        else if (key == "clear")
            b.LabelClear.click();
        else
            b.Label1[std::size_t(std::stoi(key))].click();
    }
    void pressAll(const std::vector<std::string>& keys) {
        for (const std::string& key : keys)
            press(key);
    }
    int unitFacesShown() {
        int shown = 0;
        for (std::size_t i = 0; i < 9; ++i) {
            if (board().Image1[i].visible()) {
                EXPECT_EQ(shown, int(i)) << "unit faces fill the ONES column from the bottom";
                ++shown;
            }
        }
        return shown;
    }
};

struct CountingScenario {
    const char* name;
    std::vector<std::string> keys;
    const char* first;
    const char* second;
    const char* total;
    const char* tens;
    bool tensShown;
    const char* ones;
    int unitFaces;
    bool firstBar, secondBar;
    bool zeroLine;
    int barTop, captionTop; // where the zero line and its caption stand (moved only by a result below zero)
};

void PrintTo(const CountingScenario& scenario, std::ostream* os) {
    *os << scenario.name;
}

class CountingScenarioTest : public CountingBoard, public testing::WithParamInterface<CountingScenario> {};

TEST_P(CountingScenarioTest, ShowsTheNumberAsTensAndOnes) {
    const CountingScenario s = GetParam();
    pressAll(s.keys);
    Form5& b = board();
    EXPECT_EQ(b.Label1Add.caption(), s.first);
    EXPECT_EQ(b.Label2Add.caption(), s.second);
    EXPECT_EQ(b.LabelTotal.caption(), s.total);
    EXPECT_EQ(b.TensLabel.visible(), s.tensShown);
    if (s.tensShown) {
        EXPECT_EQ(b.TensLabel.caption(), s.tens);
    }
    EXPECT_EQ(b.OnesLabel.caption(), s.ones);
    EXPECT_EQ(unitFacesShown(), s.unitFaces);
    EXPECT_EQ(b.onesCount, std::stoi(s.ones));
    EXPECT_EQ(b.Image1[9].visible(), s.firstBar);
    EXPECT_EQ(b.Image2.visible(), s.secondBar);
    EXPECT_EQ(b.Shape1.visible(), s.zeroLine);
    EXPECT_EQ(b.LabelLessZero.visible(), s.zeroLine);
    EXPECT_EQ(b.Shape1.top(), s.barTop);
    EXPECT_EQ(b.LabelLessZero.top(), s.captionTop);
}

// clang-format off
// name, keys; first, second, total; tens, shown; ones, unit faces; ten-bars; zero line, bar top, caption top
INSTANTIATE_TEST_SUITE_P(
    Sums, CountingScenarioTest,
    testing::Values(
        CountingScenario{"AtLoad", {},
                         "", "", "", "0", false, "0", 0, false, false, false, 1800, 1440},
        CountingScenario{"Ten", {"10"},
                         "10", "", "", "1", true, "0", 0, true, false, false, 1800, 1440},
        CountingScenario{"Seven", {"7"},
                         "7", "", "", "0", false, "7", 7, false, false, false, 1800, 1440},
        CountingScenario{"SixPlusSeven", {"6", "+", "7", "="},
                         "6", "7", "13", "1", true, "3", 3, true, false, false, 1800, 1440},
        CountingScenario{"TenPlusTen", {"10", "+", "10", "="},
                         "10", "10", "20", "2", true, "0", 0, true, true, false, 1800, 1440},
        CountingScenario{"TenAfterTwenty", {"10", "+", "10", "=", "10"},
                         "10", "", "", "1", true, "0", 0, true, false, false, 1800, 1440},
        CountingScenario{"ZeroMinusTen", {"subtract", "negatives", "0", "-", "10", "="},
                         "0", "10", "-10", "1", true, "0", 0, true, false, true, 1820, 1380},
        CountingScenario{"TwoMinusFive", {"subtract", "negatives", "2", "-", "5", "="},
                         "2", "5", "-3", "0", false, "3", 3, false, false, true, 4160, 3720},
        CountingScenario{"EqualsRightAfterLoad", {"="},
                         "", "0", "0", "0", false, "0", 0, false, false, false, 1800, 1440},
        CountingScenario{"FirstNumberOnly", {"8", "="},
                         "8", "0", "8", "0", false, "8", 8, false, false, false, 1800, 1440},
        CountingScenario{"SignWithoutNumber", {"+", "4", "="},
                         "0", "4", "4", "0", false, "4", 4, false, false, false, 1800, 1440},
        CountingScenario{"SecondReplaced", {"3", "+", "9", "5", "="},
                         "3", "5", "8", "0", false, "8", 8, false, false, false, 1800, 1440},
        CountingScenario{"NewSumAfterBelowZero", {"subtract", "negatives", "1", "-", "4", "=", "2"},
                         "2", "", "", "0", false, "2", 2, false, false, false, 4160, 3720}),
    [](const testing::TestParamInfo<CountingScenario>& param) { return std::string(param.param.name); });
// clang-format on

TEST_F(CountingBoard, SubtractModeDisablesNumbersAboveTheFirstUntilEquals) {
    pressAll({"subtract", "4", "-"});
    Form5& b = board();
    for (std::size_t i = 0; i <= 10; ++i) {
        EXPECT_EQ(b.Label1[i].enabled(), i <= 4) << i;
        EXPECT_EQ(b.Label1[i].backColor(), i <= 4 ? pink : platform::colors::red) << i;
    }
    press("7"); // refused: a disabled number ignores the click
    EXPECT_EQ(b.Label2Add.caption(), "");
    pressAll({"3", "="});
    EXPECT_EQ(b.LabelTotal.caption(), "1");
    for (std::size_t i = 0; i <= 10; ++i) {
        EXPECT_TRUE(b.Label1[i].enabled()) << i;
        EXPECT_EQ(b.Label1[i].backColor(), pink) << i;
    }
}

TEST_F(CountingBoard, SubtractModeUsesTheLastClickedNumberEvenWhenStale) {
    Form5& b = board();
    pressAll({"subtract", "-"}); // nothing clicked yet: counts as 0
    for (std::size_t i = 0; i <= 10; ++i)
        EXPECT_EQ(b.Label1[i].enabled(), i == 0) << i;
    pressAll({"=", "7", "-", "2", "=", "clear", "-"});
    for (std::size_t i = 0; i <= 10; ++i)
        EXPECT_EQ(b.Label1[i].enabled(), i <= 2) << i;
    pressAll({"2", "="});
    EXPECT_EQ(b.LabelTotal.caption(), "-2");
    EXPECT_TRUE(b.Shape1.visible());
    EXPECT_TRUE(b.LabelLessZero.visible());
}

TEST_F(CountingBoard, AnsweredSumOnlyAnswersWithTheClickSound) {
    pressAll({"6", "+", "7"});
    const int dings = dingPlays();
    press("=");
    EXPECT_EQ(dingPlays(), dings + 1);
    const int honos = honoPlays();
    press("=");
    EXPECT_EQ(honoPlays(), honos + 1);
    press("+");
    EXPECT_EQ(honoPlays(), honos + 2);
    EXPECT_EQ(dingPlays(), dings + 1);
    EXPECT_EQ(board().LabelTotal.caption(), "13");
    EXPECT_EQ(board().LabelPlus.backColor(), platform::colors::red) << "a red sign stays red";
}

TEST_F(CountingBoard, SecondEqualsAfterLoadIsSilent) {
    press("=");
    const int dings = dingPlays();
    const int honos = honoPlays();
    EXPECT_EQ(dings, 1);
    press("=");
    EXPECT_EQ(dingPlays(), dings);
    EXPECT_EQ(honoPlays(), honos);
    EXPECT_EQ(board().Label1Add.caption(), "");
    EXPECT_EQ(board().LabelTotal.caption(), "0");
}

TEST_F(CountingBoard, TeddiesPromptTheNextStep) {
    Form5& b = board();
    auto teddies = [&b] {
        return std::vector<bool>{b.ImageTeddy1.visible(), b.ImageTeddy2.visible(), b.ImageTeddy3.visible()};
    };
    EXPECT_EQ(teddies(), (std::vector<bool>{true, false, false}));
    press("5");
    EXPECT_EQ(teddies(), (std::vector<bool>{false, true, false})) << "waiting for the sign";
    press("+");
    EXPECT_EQ(teddies(), (std::vector<bool>{true, false, false}));
    press("2");
    EXPECT_EQ(teddies(), (std::vector<bool>{false, false, true})) << "waiting for equals";
    press("=");
    EXPECT_EQ(teddies(), (std::vector<bool>{true, false, false}));
    EXPECT_EQ(b.LabelEqule.backColor(), platform::colors::red);
    press("1");
    EXPECT_EQ(b.LabelEqule.backColor(), lightGreen) << "a new sum";
    EXPECT_EQ(b.LabelPlus.backColor(), lightGreen);
}

TEST_F(CountingBoard, ModesSwitchSignsAndClearTheSum) {
    Form5& b = board();
    pressAll({"3", "+", "4", "="});
    int dings = dingPlays();
    press("subtract");
    EXPECT_EQ(dingPlays(), dings + 1);
    EXPECT_TRUE(b.LabelMinus.visible());
    EXPECT_FALSE(b.LabelPlus.visible());
    EXPECT_TRUE(b.Check1.visible());
    EXPECT_TRUE(b.Label2.visible());
    EXPECT_EQ(b.LabelTotal.caption(), "");
    EXPECT_EQ(b.Label1Add.caption(), "");
    EXPECT_EQ(b.OnesLabel.caption(), "0");
    EXPECT_EQ(std::vector<int>({b.subtractMode, b.addMode, b.subtractMinusMode}), std::vector<int>({-1, 0, 0}));
    press("negatives");
    EXPECT_EQ(std::vector<int>({b.subtractMode, b.addMode, b.subtractMinusMode}), std::vector<int>({0, 0, -1}));
    // Back to plain subtracting from a ticked box: the box's own action runs as well.
    dings = dingPlays();
    press("subtract");
    EXPECT_EQ(b.Check1.value(), 0);
    EXPECT_EQ(dingPlays(), dings + 2);
    EXPECT_EQ(std::vector<int>({b.subtractMode, b.addMode, b.subtractMinusMode}), std::vector<int>({-1, 0, 0}));
    pressAll({"5", "-"});
    press("add");
    EXPECT_TRUE(b.LabelPlus.visible());
    EXPECT_FALSE(b.LabelMinus.visible());
    EXPECT_FALSE(b.Check1.visible());
    EXPECT_EQ(std::vector<int>({b.subtractMode, b.addMode, b.subtractMinusMode}), std::vector<int>({0, -1, 0}));
    for (std::size_t i = 0; i <= 10; ++i)
        EXPECT_TRUE(b.Label1[i].enabled()) << "leaving subtract mode re-enables " << i;
}

TEST_F(CountingBoard, ClickSoundsAndGoToControls) {
    Form5& b = board();
    press("10"); // shows the tens digit and the teddy waiting for the sign
    int honos = honoPlays();
    for (platform::Control* quiet :
         std::initializer_list<platform::Control*>{&b.ImageTeddy2, &b.Label1Add, &b.Label2Add, &b.LabelTotal,
                                                   &b.TensLabel, &b.OnesLabel, &b.LabelTens, &b.Labelones}) {
        quiet->click();
        EXPECT_EQ(honoPlays(), ++honos);
    }
    b.clickAt(9000, 6300);
    EXPECT_EQ(honoPlays(), ++honos) << "the board itself";

    b.LabelProblems.click();
    EXPECT_TRUE(room().form8().isVisible());
    EXPECT_FALSE(b.isVisible());
    room().form8().CommandEnd.click();
    b.LabelmoreMath.click();
    EXPECT_TRUE(room().form7().isVisible());
    room().form7().EndButton.click(); // "Go To 123s"
    ASSERT_TRUE(b.isVisible());
    room().form1().Label1.setCaption("Numbers");
    b.LabelEnd.click();
    EXPECT_TRUE(room().form1().isVisible());
    EXPECT_FALSE(b.isVisible());
    EXPECT_EQ(room().form1().Label1.caption(), "ABCs");
}

TEST_F(CountingBoard, PointerMenuAndBuiltInPictures) {
    Form5& b = board();
    b.curPoint.click();
    EXPECT_EQ(b.mousePointer(), platform::pointerDefault);
    EXPECT_EQ(room().form8().mousePointer(), platform::pointerCustom) << "only this board changes";
    b.curTeddy.click();
    EXPECT_EQ(b.mousePointer(), platform::pointerCustom);
    EXPECT_EQ(b.LabelClear.mousePointer(), platform::pointerCustom);
    EXPECT_EQ(b.LabelEnd.mousePointer(), platform::pointerCustom);
    for (const platform::Image* picture :
         {&b.ImageTeddy1, &b.ImageTeddy2, &b.ImageTeddy3, &b.Image1[0], &b.Image1[9], &b.Image2}) {
        const QImage image = picture->picture().toImage();
        ASSERT_FALSE(image.isNull());
        // A picture that failed to render stays fully transparent.
        EXPECT_GT(qAlpha(image.pixel(image.width() / 2, image.height() / 2)), 0);
    }
}

// With no sound files at all the board still counts; only the sounds are missing.
class CountingBoardWithoutMedia : public CountingBoard {
protected:
    bool wantsMediaFile(const QString&) const override { return false; }
};

TEST_F(CountingBoardWithoutMedia, SumsStillWorkInSilence) {
    pressAll({"subtract", "negatives", "6", "-", "9", "=", "="});
    EXPECT_EQ(board().LabelTotal.caption(), "-3");
    EXPECT_TRUE(board().Shape1.visible());
    EXPECT_FALSE(room().form1().MMControl42.isOpen());
    EXPECT_FALSE(room().form2().MMControl1.isOpen());
    EXPECT_EQ(honoPlays() + dingPlays(), 0);
}
