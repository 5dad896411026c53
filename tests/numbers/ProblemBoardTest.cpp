// The Problem Board driven as a child does: choosing kinds and "Harder", answering, the score and
// its rosettes. The random source is seeded so every run sees the same problems.
#include "ClassroomFixture.h"

#include "abc/Form1.h"
#include "creative/Form2.h"
#include "numbers/Form5.h"
#include "numbers/Form8.h"

#include <map>
#include <set>
#include <string>
#include <vector>

namespace {

constexpr platform::OleColor white = platform::colors::white;

} // namespace

class ProblemBoard : public ClassroomFixture {
protected:
    void SetUp() override {
        ClassroomFixture::SetUp();
        room().form1().Label2.click(); // "123s"
        room().form5().LabelProblems.click();
        ASSERT_TRUE(board().isVisible());
        board().random.setSeedSource([seed = std::uint64_t{2024}]() mutable { return seed++; });
    }
    Form8& board() { return room().form8(); }
    // The kind and option controls by what the child reads on them.
    void click(const std::string& control) {
        Form8& b = board();
        const std::map<std::string, platform::Control*> controls = {
            {"Add Problem", &b.CommandAdd},       {"Subtract Problem", &b.CommandSubt},
            {"Multiply Problem", &b.CommandMult}, {"Divide problem", &b.CommandDiv},
            {"Allow Less Than Zero", &b.Check1},  {"Allow Multiply", &b.CheckMulti},
            {"Allow Divide", &b.CheckDiv},        {"Harder add", &b.CheckHadd},
            {"Harder subtract", &b.CheckHsub},    {"Harder multiply", &b.CheckMhard},
            {"Harder divide", &b.CheckDhard}};
        controls.at(control)->click();
    }
    int honoPlays() { return room().form1().MMControl42.playsStarted(); }
    int dingPlays() { return room().form2().MMControl1.playsStarted(); }
    platform::Label& rightLabel() { return board().LabelAnswer[std::size_t(board().rightPlace)]; }
    platform::Label& wrongLabel() { return board().LabelAnswer[std::size_t((board().rightPlace + 1) % 4)]; }
    QString teddyFile() { return QFileInfo(board().Image1.pictureFile()).fileName().toUpper(); }
    // What the captions say the answer is.
    int answerFromCaptions() {
        const int first = board().LabelFirst.caption().toInt();
        const int second = board().LabelSecond.caption().toInt();
        switch (board().problemKind) {
        case subtractKind:
        case subtractBelowZeroKind:
            return first - second;
        case multiplyKind:
            return first * second;
        case divideKind:
            EXPECT_EQ(first % second, 0) << "division problems come out even";
            return first / second;
        default:
            return first + second;
        }
    }
};

TEST_F(ProblemBoard, AnAdditionProblemWaitsAfterLoad) {
    Form8& b = board();
    EXPECT_EQ(b.problemKind, addKind);
    EXPECT_EQ(b.LabelOp.caption(), "+");
    EXPECT_EQ(b.Label1.caption(), "What is the correct answer?");
    EXPECT_EQ(answerFromCaptions(), b.rightAnswer);
    EXPECT_EQ(rightLabel().caption().toInt(), b.rightAnswer);
    EXPECT_EQ(teddyFile(), "TEDDY.ICO");
    EXPECT_EQ(b.LabelRightCnt.caption(), "0");
    EXPECT_FALSE(b.CommandMult.visible());
    EXPECT_FALSE(b.CommandDiv.visible());
}

struct KindSetup {
    const char* name;
    std::vector<std::string> clicks;
    int kind;
    std::int16_t Form8::*harder;
    const char* op;
    bool opShown, barShown, dotsShown;
    int firstMax, secondMin, secondMax, wrongMin, wrongMax;
};

void PrintTo(const KindSetup& setup, std::ostream* os) {
    *os << setup.name;
}

class ProblemKindBoardTest : public ProblemBoard, public testing::WithParamInterface<KindSetup> {};

TEST_P(ProblemKindBoardTest, ManyProblemsOfTheChosenKind) {
    const KindSetup k = GetParam();
    Form8& b = board();
    for (const std::string& control : k.clicks)
        click(control);
    ASSERT_EQ(b.problemKind, k.kind);
    ASSERT_EQ(b.*k.harder, k.name[0] == 'h' ? 1 : 0);
    EXPECT_EQ(b.LabelOp.caption(), k.op);
    EXPECT_EQ(b.LabelOp.visible(), k.opShown);
    EXPECT_EQ(b.Line1.visible(), k.barShown);
    EXPECT_EQ(b.Shape1.visible(), k.dotsShown);
    EXPECT_EQ(b.Shape2.visible(), k.dotsShown);
    int largestFirst = 0;
    for (int n = 0; n < 300; ++n) {
        b.CommandNew.click();
        ASSERT_EQ(answerFromCaptions(), b.rightAnswer);
        ASSERT_EQ(rightLabel().caption().toInt(), b.rightAnswer);
        std::set<int> shown;
        for (const platform::Label& answer : b.LabelAnswer) {
            const int value = answer.caption().toInt();
            shown.insert(value);
            if (value != b.rightAnswer) {
                ASSERT_GE(value, k.wrongMin);
                ASSERT_LE(value, k.wrongMax);
            }
        }
        ASSERT_EQ(shown.size(), 4u);
        const int first = b.LabelFirst.caption().toInt();
        const int second = b.LabelSecond.caption().toInt();
        ASSERT_LE(first, k.firstMax);
        ASSERT_GE(second, k.secondMin);
        ASSERT_LE(second, k.secondMax);
        largestFirst = std::max(largestFirst, first);
    }
    // Problems reach up to the kind's range (harder ones far beyond the plain range).
    EXPECT_GE(largestFirst, k.firstMax * 3 / 4);
}

// clang-format off
// name, what the child clicks, kind, harder flag, operator: sign, bar, dots;
// largest first operand shown, second operand range, wrong-answer range
INSTANTIATE_TEST_SUITE_P(
    EveryKind, ProblemKindBoardTest,
    testing::Values(
        KindSetup{"add", {"Add Problem"},
                  addKind, &Form8::hardAdd, "+", true, false, false, 10, 0, 10, 0, 20},
        KindSetup{"harderAdd", {"Harder add"},
                  addKind, &Form8::hardAdd, "+", true, false, false, 99, 0, 10, 0, 110},
        KindSetup{"subtract", {"Subtract Problem"},
                  subtractKind, &Form8::hardSubtract, "-", false, true, false, 10, 0, 10, 0, 10},
        KindSetup{"harderSubtract", {"Subtract Problem", "Harder subtract"},
                  subtractKind, &Form8::hardSubtract, "-", false, true, false, 110, 0, 10, 0, 110},
        KindSetup{"belowZero", {"Subtract Problem", "Allow Less Than Zero"},
                  subtractBelowZeroKind, &Form8::hardSubtract, "-", false, true, false, 10, 0, 10, -10, 10},
        KindSetup{"harderBelowZero", {"Subtract Problem", "Allow Less Than Zero", "Harder subtract"},
                  subtractBelowZeroKind, &Form8::hardSubtract, "-", false, true, false, 20, 0, 20, -20, 20},
        KindSetup{"multiply", {"Allow Multiply", "Multiply Problem"},
                  multiplyKind, &Form8::hardMultiply, "x", true, false, false, 5, 0, 5, 0, 25},
        KindSetup{"harderMultiply", {"Allow Multiply", "Multiply Problem", "Harder multiply"},
                  multiplyKind, &Form8::hardMultiply, "x", true, false, false, 10, 0, 9, 0, 92},
        KindSetup{"divide", {"Allow Divide", "Divide problem"},
                  divideKind, &Form8::hardDivide, "/", false, true, true, 25, 1, 5, 0, 5},
        KindSetup{"harderDivide", {"Allow Divide", "Divide problem", "Harder divide"},
                  divideKind, &Form8::hardDivide, "/", false, true, true, 90, 1, 9, 0, 10}),
    [](const testing::TestParamInfo<KindSetup>& param) { return std::string(param.param.name); });
// clang-format on

TEST_F(ProblemBoard, OnlyTheFirstClickOnTheRightAnswerScores) {
    Form8& b = board();
    const int dings = dingPlays();
    rightLabel().click();
    EXPECT_EQ(b.score, 1);
    EXPECT_EQ(b.LabelRightCnt.caption(), "1");
    EXPECT_EQ(rightLabel().backColor(), platform::colors::green);
    EXPECT_EQ(b.Label1.caption(), "You are right");
    EXPECT_EQ(b.Label1.backColor(), platform::colors::green);
    EXPECT_FALSE(b.Label2.visible());
    EXPECT_EQ(teddyFile(), "TEDBYE.ICO");
    EXPECT_EQ(dingPlays(), dings + 1);
    rightLabel().click();
    EXPECT_EQ(b.score, 1) << "clicking the right answer again scores once";

    b.CommandNew.click();
    for (const platform::Label& answer : b.LabelAnswer)
        EXPECT_EQ(answer.backColor(), white);
    EXPECT_TRUE(b.Label2.visible());
    EXPECT_EQ(b.Label1.backColor(), white);
    EXPECT_EQ(teddyFile(), "TEDDY.ICO");
    const int honos = honoPlays();
    wrongLabel().click();
    EXPECT_EQ(wrongLabel().backColor(), platform::colors::red);
    EXPECT_EQ(teddyFile(), "TEDHONO.ICO");
    EXPECT_EQ(honoPlays(), honos + 1);
    EXPECT_EQ(b.Label1.caption(), "What is the correct answer?");
    rightLabel().click();
    EXPECT_EQ(b.Label1.caption(), "You are right");
    EXPECT_EQ(b.score, 1) << "a wrong click first: no score";
    EXPECT_EQ(b.LabelRightCnt.caption(), "1");
}

TEST_F(ProblemBoard, RosettesAtTwentyFiveAndFiftyAndNewScore) {
    Form8& b = board();
    for (int n = 1; n <= 50; ++n) {
        b.CommandNew.click();
        rightLabel().click();
        ASSERT_EQ(b.score, n);
        ASSERT_EQ(b.ImageA1.visible(), n >= 25) << n;
        ASSERT_EQ(b.ImageA2.visible(), n >= 50) << n;
    }
    EXPECT_EQ(b.LabelRightCnt.caption(), "50");
    b.CommandGrade.click();
    EXPECT_EQ(b.score, 0);
    EXPECT_EQ(b.LabelRightCnt.caption(), "0");
    EXPECT_FALSE(b.ImageA1.visible());
    EXPECT_FALSE(b.ImageA2.visible());
}

TEST_F(ProblemBoard, UntickingAllowDivideDuringADivisionGoesBackToAdding) {
    Form8& b = board();
    b.CheckDiv.click();
    EXPECT_TRUE(b.CommandDiv.visible());
    EXPECT_TRUE(b.CheckDhard.visible());
    EXPECT_TRUE(b.LabelDhard.visible());
    b.CommandDiv.click();
    ASSERT_EQ(b.problemKind, divideKind);
    b.CheckDiv.click();
    EXPECT_EQ(b.problemKind, addKind);
    EXPECT_FALSE(b.CommandDiv.visible());
    EXPECT_FALSE(b.CheckDhard.visible());
    EXPECT_FALSE(b.LabelDhard.visible());
    EXPECT_EQ(b.LabelOp.caption(), "+");
    EXPECT_TRUE(b.LabelOp.visible());
    EXPECT_FALSE(b.Shape1.visible());
    EXPECT_EQ(answerFromCaptions(), b.rightAnswer);
}

TEST_F(ProblemBoard, OptionsMakeANewProblemOnlyForTheirKind) {
    Form8& b = board();
    wrongLabel().click();
    b.CheckHsub.click(); // not the kind shown: the problem stays
    EXPECT_EQ(b.hardSubtract, 1);
    EXPECT_EQ(wrongLabel().backColor(), platform::colors::red);
    b.CheckMulti.click();
    EXPECT_TRUE(b.CommandMult.visible());
    EXPECT_EQ(wrongLabel().backColor(), platform::colors::red);
    b.CheckHadd.click();
    EXPECT_EQ(b.hardAdd, 1);
    EXPECT_EQ(wrongLabel().backColor(), white) << "a new addition problem";

    b.CommandSubt.click();
    EXPECT_TRUE(b.Check1.visible());
    EXPECT_TRUE(b.LabelLess0.visible());
    b.Check1.click();
    EXPECT_EQ(b.problemKind, subtractBelowZeroKind);
    b.CommandAdd.click();
    EXPECT_EQ(b.Check1.value(), 0);
    EXPECT_FALSE(b.Check1.visible());
    EXPECT_FALSE(b.LabelLess0.visible());
    EXPECT_EQ(b.problemKind, addKind);
    EXPECT_EQ(answerFromCaptions(), b.rightAnswer);
}

TEST_F(ProblemBoard, ClickSoundsPointerMenuAndGoTo) {
    Form8& b = board();
    int honos = honoPlays();
    for (platform::Label* quiet : {&b.LabelFirst, &b.LabelOp, &b.LabelSecond, &b.LabelEq}) {
        quiet->click();
        EXPECT_EQ(honoPlays(), ++honos);
    }
    b.PointCur.click();
    EXPECT_EQ(b.mousePointer(), platform::pointerDefault);
    b.TedCur.click();
    EXPECT_EQ(b.mousePointer(), platform::pointerCustom);
    EXPECT_EQ(b.CommandNew.mousePointer(), platform::pointerCustom);
    const QImage rosette = b.ImageA1.picture().toImage();
    ASSERT_FALSE(rosette.isNull());
    EXPECT_GT(qAlpha(rosette.pixel(rosette.width() / 2, rosette.height() / 3)), 0);
    b.CommandEnd.click();
    EXPECT_TRUE(room().form5().isVisible());
    EXPECT_FALSE(b.isVisible());
}

// Without the teddy pictures the board still answers; the teddy keeps the picture it had.
class ProblemBoardWithoutTeddies : public ProblemBoard {
protected:
    bool wantsMediaFile(const QString& name) const override { return !name.endsWith(".ico", Qt::CaseInsensitive); }
};

TEST_F(ProblemBoardWithoutTeddies, AnswersStillScore) {
    Form8& b = board();
    const QImage before = b.Image1.picture().toImage();
    rightLabel().click();
    EXPECT_EQ(b.score, 1);
    EXPECT_EQ(b.Label1.caption(), "You are right");
    EXPECT_TRUE(b.Image1.pictureFile().isEmpty());
    EXPECT_EQ(b.Image1.picture().toImage(), before);
}
