#include "ClassroomFixture.h"

#include "abc/Form1.h"
#include "numbers/Form5.h"
#include "numbers/Form6.h"
#include "numbers/Form7.h"
#include "numbers/LongDivision.h"
#include "numbers/form9.h"

#include <QStringList>

namespace {

const QString smallerNumberMessage = "A smaller number divided by a larger number has a answer smaller than one.";
const QString hidden = "~"; // a written digit place that is hidden (and empty)

class DivideBoardTest : public ClassroomFixture {
protected:
    void SetUp() override {
        ClassroomFixture::SetUp();
        board().show();
    }
    form9& board() { return room().form9(); }

    // Keys as the child presses them: digits, "/" for the division sign, "=" and "C" for "Clear".
    void press(const QString& keys) {
        for (const QChar key : keys) {
            if (key.isDigit())
                board().Command2[std::size_t(key.digitValue())].click();
            else if (key == '/')
                board().CommandBy.click();
            else if (key == '=')
                board().CommandDivide.click();
            else if (key == 'C')
                board().CommandClear.click();
        }
    }
    // "0123456789" with the enabled digit keys in their places and "." for disabled ones.
    QString enabledDigits() {
        QString keys;
        for (int i = 0; i <= 9; ++i)
            keys += board().Command2[std::size_t(i)].enabled() ? QChar('0' + i) : QChar('.');
        return keys;
    }
    static QString written(const platform::Label& label) { return label.visible() ? label.caption() : hidden; }
    static int value(const platform::Label& label) { return label.caption().toInt(); }
    // Two written places read as one number ("" and "8" read 8).
    static int value(const platform::Label& tens, const platform::Label& ones) {
        return (tens.caption() + ones.caption()).toInt();
    }
};

TEST_F(DivideBoardTest, StartsReadyForTheFirstDigit) {
    EXPECT_EQ(board().caption(), " Pipkin's Classroom    Divide Board");
    EXPECT_EQ(board().CommandBy.caption(), QString::fromUtf8("\u00F7"));
    EXPECT_EQ(board().CommandBy.caption(), QString(QChar(0xF7)));
    EXPECT_FALSE(board().CommandBy.enabled());
    EXPECT_FALSE(board().CommandDivide.enabled());
    EXPECT_EQ(enabledDigits(), ".123456789");
    EXPECT_EQ(board().entryStage, 1);
    EXPECT_EQ(board().nowDir, startDir());
    EXPECT_EQ(board().Label6.caption(), "R");
    EXPECT_EQ(board().Label14.caption(), "R");
    EXPECT_EQ(board().Label15.caption(), "=");
}

TEST_F(DivideBoardTest, EachStageOpensOnlyTheKeysThatMayFollow) {
    press("4");
    EXPECT_EQ(enabledDigits(), "0123456789");
    EXPECT_TRUE(board().CommandBy.enabled());
    EXPECT_EQ(board().entryStage, 2);
    press("2");
    EXPECT_EQ(enabledDigits(), "..........");
    press("/");
    EXPECT_EQ(enabledDigits(), ".123456789") << "a divisor of 0 cannot be keyed";
    EXPECT_EQ(board().Label16.caption(), "Dividing by 0 not allowed.");
    EXPECT_FALSE(board().CommandBy.enabled());
    EXPECT_FALSE(board().CommandDivide.enabled());
    press("5");
    EXPECT_EQ(enabledDigits(), "..........");
    EXPECT_TRUE(board().CommandDivide.enabled());
    EXPECT_EQ(board().entryStage, 4);
    press("=");
    EXPECT_FALSE(board().CommandDivide.enabled());
    EXPECT_EQ(board().Label16.caption(), "");
    EXPECT_EQ(board().quotientValue, 8);
    EXPECT_EQ(board().remainderValue, 2);
    EXPECT_EQ(board().productValue, 40);
    press("C");
    EXPECT_EQ(enabledDigits(), ".123456789") << "the 0 key keeps its state through Clear";
    EXPECT_EQ(board().dividendValue, 0);
    EXPECT_EQ(board().entryStage, 1);
}

// What the board shows after a sequence of keys: every written digit, the bottom row and the lines.
struct Worked {
    const char* keys;
    QStringList quotient;         // LabelE3, LabelE3S
    QString divisor;              // LabelE2
    QStringList dividend;         // LabelE1, LabelE1S
    QStringList work;             // Label7 .. Label13
    bool secondMinus, secondRule; // Line7, Line5
    QStringList bottom;           // Label1 .. Label4
    QString remainderTop;         // LabelE4
    QString sentence;             // Label5
    QString digits;               // enabled digit keys afterwards
};

void PrintTo(const Worked& w, std::ostream* os) {
    *os << w.keys;
}

class WorkedExample : public DivideBoardTest, public testing::WithParamInterface<Worked> {};

TEST_P(WorkedExample, WritesTheLongDivisionTheBottomRowAndTheSentence) {
    const Worked& w = GetParam();
    press(w.keys);
    form9& b = board();
    EXPECT_EQ(QStringList({written(b.LabelE3), written(b.LabelE3S)}), w.quotient);
    EXPECT_EQ(written(b.LabelE2), w.divisor);
    EXPECT_EQ(QStringList({written(b.LabelE1), written(b.LabelE1S)}), w.dividend);
    EXPECT_EQ(QStringList({written(b.Label7), written(b.Label8), written(b.Label9), written(b.Label10),
                           written(b.Label11), written(b.Label12), written(b.Label13)}),
              w.work);
    EXPECT_EQ(b.Line7.visible(), w.secondMinus);
    EXPECT_EQ(b.Line5.visible(), w.secondRule);
    EXPECT_EQ(QStringList({b.Label1.caption(), b.Label2.caption(), b.Label3.caption(), b.Label4.caption()}), w.bottom);
    EXPECT_EQ(b.LabelE4.caption(), w.remainderTop);
    EXPECT_EQ(b.Label5.caption(), w.sentence);
    EXPECT_EQ(enabledDigits(), w.digits);
    EXPECT_FALSE(b.CommandDivide.enabled());
}

const QString h = hidden;
// One row a case reads better than one field a line.
// clang-format off
INSTANTIATE_TEST_SUITE_P(
    EdgeCases, WorkedExample,
    testing::Values(
        // The quotient sits over the ones digit; one subtraction on the whole dividend.
        Worked{"13/4=", {"", "3"}, "4", {"1", "3"}, {"1", "2", h, "1", h, h, h}, false, false,
               {"13", "4", "3", "1"}, "1", "4  Goes into 13,    3  times with a remainder of  1  left over.",
               ".........."},
        // The rounded quotient 4 overshoots and is corrected to 3.
        Worked{"15/4=", {"", "3"}, "4", {"1", "5"}, {"1", "2", h, "3", h, h, h}, false, false,
               {"15", "4", "3", "3"}, "3", "4  Goes into 15,    3  times with a remainder of  3  left over.",
               ".........."},
        Worked{"7/2=", {"3", h}, "2", {"7", ""}, {"6", h, "1", h, h, h, h}, false, false, {"7", "2", "3", "1"}, "1",
               "2  Goes into 7,    3  times with a remainder of  1  left over.", ".........."},
        Worked{"75/3=", {"2", "5"}, "3", {"7", "5"}, {"6", "", "1", "5", "1", "5", "0"}, true, true,
               {"75", "3", "25", "0"}, "0", "3  Goes into 75,    25  times with a remainder of  0  left over.",
               ".........."},
        // The second product 8 has no tens digit; 11 - 8 is written with a borrow.
        Worked{"91/4=", {"2", "2"}, "4", {"9", "1"}, {"8", "", "1", "1", "", "8", "3"}, true, true,
               {"91", "4", "22", "3"}, "3", "4  Goes into 91,    22  times with a remainder of  3  left over.",
               ".........."},
        // A smaller number by a larger one clears the board and locks every digit until "Clear".
        Worked{"3/7", {"", ""}, "", {"", ""}, {"", "", "", "", "", "", ""}, true, true, {"", "", "", ""}, "",
               smallerNumberMessage, ".........."},
        // "Clear" in the middle of the dividend leaves the 0 key open: a leading 0 divides to 0 R 0.
        Worked{"5C0/3=", {"0", h}, "3", {"0", ""}, {"0", h, "0", h, h, h, h}, false, false, {"0", "3", "0", "0"},
               "0", "3  Goes into 0,    0  times with a remainder of  0  left over.", ".........."},
        // ... while a second digit after that leading 0 clears the board.
        Worked{"5C02", {"", ""}, "", {"", ""}, {"", "", "", "", "", "", ""}, true, true, {"", "", "", ""}, "", "",
               "0123456789"}));
// clang-format on

TEST_F(DivideBoardTest, AfterTheSmallerNumberMessageOnlyClearGoesOn) {
    press("3/7");
    press("5/2=");
    EXPECT_EQ(board().Label1.caption(), "");
    EXPECT_EQ(board().Label5.caption(), smallerNumberMessage);
    press("C5/2=");
    EXPECT_EQ(board().Label3.caption(), "2");
    EXPECT_EQ(board().Label4.caption(), "1");
}

// Every dividend 1..99 by every divisor 1..9: the right quotient and remainder, and written steps
// in which each difference is the digits above it minus the product.
TEST_F(DivideBoardTest, EveryDivisionIsWrittenConsistently) {
    form9& b = board();
    for (int dividend = 1; dividend <= 99; ++dividend) {
        for (int divisor = 1; divisor <= 9; ++divisor) {
            SCOPED_TRACE(QString("%1 / %2").arg(dividend).arg(divisor).toStdString());
            press("C" + QString::number(dividend) + "/" + QString::number(divisor) + "=");
            if (dividend < divisor) {
                ASSERT_EQ(b.Label5.caption(), smallerNumberMessage);
                continue;
            }
            const int q = dividend / divisor;
            const int r = dividend % divisor;
            ASSERT_EQ(b.Label3.caption(), QString::number(q));
            ASSERT_EQ(b.Label4.caption(), QString::number(r));
            ASSERT_EQ(b.LabelE4.caption(), QString::number(r));
            const QString topRow = (b.LabelE3.visible() ? b.LabelE3.caption() : QString()) +
                                   (b.LabelE3S.visible() ? b.LabelE3S.caption() : QString());
            ASSERT_EQ(topRow, QString::number(q));
            ASSERT_EQ(value(b.LabelE1, b.LabelE1S), dividend);
            if (dividend < 10) {
                ASSERT_EQ(value(b.Label7), q * divisor);
                ASSERT_EQ(value(b.LabelE1) - value(b.Label7), value(b.Label9));
                ASSERT_EQ(value(b.Label9), r);
            } else if (q < 10) {
                ASSERT_FALSE(b.Label9.visible());
                ASSERT_EQ(value(b.Label7, b.Label8), q * divisor);
                ASSERT_EQ(dividend - value(b.Label7, b.Label8), value(b.Label10));
                ASSERT_EQ(value(b.Label10), r);
            } else {
                ASSERT_TRUE(b.Label9.visible() && b.Label11.visible() && b.Line5.visible() && b.Line7.visible());
                ASSERT_EQ(value(b.Label7), value(b.LabelE3) * divisor);
                ASSERT_EQ(value(b.LabelE1) - value(b.Label7), value(b.Label9));
                ASSERT_EQ(b.Label10.caption(), b.LabelE1S.caption()) << "the ones digit is brought down";
                ASSERT_EQ(value(b.Label11, b.Label12), value(b.LabelE3S) * divisor);
                ASSERT_EQ(value(b.Label9, b.Label10) - value(b.Label11, b.Label12), value(b.Label13));
                ASSERT_EQ(value(b.Label13), r);
            }
        }
    }
}

TEST(LongDivisionTest, SinglePrecisionQuotientIsCorrectedToTheWholeQuotient) {
    struct Case {
        int dividend, divisor, quotient;
    };
    // 15 / 4 = 3.75 and 7 / 2 = 3.5 round up to 4; 5 / 2 = 2.5 rounds to even 2; 98 / 9 = 10.9 to 11.
    for (const Case c : {Case{15, 4, 3}, Case{7, 2, 3}, Case{5, 2, 2}, Case{98, 9, 10}, Case{99, 9, 11}, Case{0, 3, 0}})
        EXPECT_EQ(numbers::wholeQuotient(c.dividend, c.divisor), c.quotient) << c.dividend << " / " << c.divisor;
}

TEST_F(DivideBoardTest, NumbersAndTeddyClickButTheKeysAreSilent) {
    const int before = room().form1().MMControl42.playsStarted();
    press("8/2=C");
    EXPECT_EQ(room().form1().MMControl42.playsStarted(), before);
    for (platform::Control* sounding : std::initializer_list<platform::Control*>{
             &board().Label1, &board().Label5, &board().Label6, &board().Label14, &board().Label15, &board().Image1})
        sounding->click();
    board().clickAt(8800, 300);
    EXPECT_EQ(room().form1().MMControl42.playsStarted(), before + 7);
}

} // namespace
