#include "ClassroomFixture.h"

#include <QImage>

#include "abc/Form1.h"
#include "creative/Form2.h"
#include "numbers/Form5.h"
#include "numbers/Form6.h"
#include "numbers/Form7.h"
#include "numbers/form9.h"

#include <QApplication>

namespace {

class MultiplyBoardTest : public ClassroomFixture {
protected:
    void SetUp() override {
        ClassroomFixture::SetUp();
        board().show();
        board().activateWindow();
        processEventsFor(20);
    }
    Form7& board() { return room().form7(); }
    int dings() { return room().form2().MMControl1.playsStarted(); }
    int clicks() { return room().form1().MMControl42.playsStarted(); }
    QString enabledDigits() {
        QString keys;
        for (int i = 0; i <= 9; ++i)
            keys += board().Command1[std::size_t(i)].enabled() ? QChar('0' + i) : QChar('.');
        return keys;
    }
    // The column as the child sees it, lowest first: the caption of each shown label, "~" for hidden ones.
    QStringList additionColumn() {
        QStringList column;
        for (const platform::Label& addend : board().LabelShowAdd)
            column << (addend.visible() ? addend.caption() : QString("~"));
        return column;
    }
    static QStringList column(const QString& addend, int times) {
        QStringList c;
        for (int i = 0; i < 9; ++i)
            c << (i < times ? addend : QString("~"));
        return c;
    }
    void expectSumShown(const QString& total, const QString& sentence) {
        EXPECT_EQ(board().LabelTotal.caption(), total);
        EXPECT_TRUE(board().Label2.visible());
        EXPECT_EQ(board().Label2.caption(), "+");
        EXPECT_TRUE(board().Line2.visible());
        EXPECT_TRUE(board().LabelTotalShow.visible());
        EXPECT_EQ(board().LabelTotalShow.caption(), total);
        EXPECT_TRUE(board().LabelSameAs.visible());
        EXPECT_EQ(board().LabelSameAs.caption(), sentence);
    }
    void useKeyboard() {
        board().InputMenu.open();
        board().keyboardMenu.click();
    }
    QWidget* focused() { return board().focusedWidget(); }
};

struct MouseProduct {
    int first, second;
    const char* total;
    const char* sentence;
};

class MouseProducts : public MultiplyBoardTest, public testing::WithParamInterface<MouseProduct> {};

TEST_P(MouseProducts, ShowTheColumnTheSumAndTheSentence) {
    const MouseProduct p = GetParam();
    const int dingsBefore = dings();
    board().Command1[std::size_t(p.first)].click();
    EXPECT_EQ(board().LabelFirst.caption(), QString::number(p.first));
    EXPECT_EQ(enabledDigits(), "..........");
    EXPECT_TRUE(board().Command2.enabled());
    board().Command2.click();
    EXPECT_EQ(enabledDigits(), "0123456789");
    EXPECT_FALSE(board().Command2.enabled());
    board().Command1[std::size_t(p.second)].click();
    EXPECT_EQ(board().LabelSecond.caption(), QString::number(p.second));
    EXPECT_TRUE(board().Command3.enabled());
    board().Command3.click();
    EXPECT_EQ(additionColumn(), column(QString::number(p.first), p.second));
    expectSumShown(p.total, p.sentence);
    EXPECT_EQ(enabledDigits(), "..........");
    EXPECT_FALSE(board().Command3.enabled());
    EXPECT_EQ(dings(), dingsBefore) << "the mouse keys are silent";

    board().Clearbutton.click();
    EXPECT_EQ(additionColumn(), column("", 0));
    EXPECT_FALSE(board().LabelSameAs.visible());
    EXPECT_EQ(board().LabelTotal.caption(), "");
    EXPECT_EQ(enabledDigits(), "0123456789");
    EXPECT_EQ(dings(), dingsBefore + 1);
}

INSTANTIATE_TEST_SUITE_P(Examples, MouseProducts,
                         testing::Values(MouseProduct{3, 4, "12", "Is the same as  3  Added  4  Times"},
                                         MouseProduct{3, 0, "0", "Is the same as  3  Added  0  Times"},
                                         MouseProduct{9, 9, "81", "Is the same as  9  Added  9  Times"}));

TEST_F(MultiplyBoardTest, StartsInMouseInputWithTheSignsLocked) {
    EXPECT_EQ(board().caption(), " Pipkin's Classroom    Multiply Board");
    EXPECT_EQ(enabledDigits(), "0123456789");
    EXPECT_FALSE(board().Command2.enabled());
    EXPECT_FALSE(board().Command3.enabled());
    EXPECT_FALSE(board().Text1.visible());
    EXPECT_FALSE(board().LabelInst.visible());
    EXPECT_EQ(board().keyboardMode, 0);
    EXPECT_EQ(board().nowDir, startDir());
}

// What the child sees of a key that does nothing: the locked "x" is drawn greyed, unlike the same
// key once it can be pressed.
TEST_F(MultiplyBoardTest, ALockedKeyLooksLocked) {
    platform::CommandButton& times = board().Command2;
    ASSERT_FALSE(times.enabled());
    // The caption's own colour, pixel by pixel: the text of a usable key is drawn in it.
    const auto inTextColour = [&] {
        const QImage image = times.widget()->grab().toImage().convertToFormat(QImage::Format_RGB32);
        const QRgb text = platform::toQColor(times.foreColor()).rgb();
        int count = 0;
        for (int y = 0; y < image.height(); ++y)
            for (int x = 0; x < image.width(); ++x)
                count += image.pixel(x, y) == text ? 1 : 0;
        return count;
    };
    const int locked = inTextColour();
    times.setEnabled(true);
    const int usable = inTextColour();
    ASSERT_GT(usable, 20) << "the usable key shows its caption";
    EXPECT_LT(locked, usable / 4) << "the locked key's caption is drawn as the usable one's";
}

TEST_F(MultiplyBoardTest, KeyboardBoxesTakeOnlyDigits) {
    useKeyboard();
    EXPECT_TRUE(board().Text1.visible());
    EXPECT_FALSE(board().Command1[5].visible());
    EXPECT_EQ(focused(), board().Text1.widget());
    EXPECT_EQ(board().LabelInst.caption(), "Enter a Number");
    board().Text1.type("b");
    EXPECT_EQ(board().Text1.text(), "");
    EXPECT_EQ(board().LabelInst.caption(), "Enter a Number");
    board().Text1.type("7");
    EXPECT_EQ(board().Text1.text(), "7");
    EXPECT_EQ(board().LabelFirst.caption(), "7");
    EXPECT_EQ(board().LabelInst.caption(), "Press the Tab Key");
}

TEST_F(MultiplyBoardTest, KeyboardEqualsWithBothBoxesEmptyOnlyPrompts) {
    useKeyboard();
    board().Equalbutton.setFocus();
    const int dingsBefore = dings();
    board().Equalbutton.click();
    EXPECT_EQ(focused(), board().Text1.widget());
    EXPECT_EQ(board().LabelInst.caption(), "Enter a Number");
    EXPECT_FALSE(board().LabelSameAs.visible());
    EXPECT_EQ(board().LabelTotal.caption(), "");
    EXPECT_EQ(dings(), dingsBefore);
}

TEST_F(MultiplyBoardTest, KeyboardEqualsWithOnlyTheFirstBoxMultipliesByZero) {
    useKeyboard();
    board().Text1.type("6");
    board().Equalbutton.click();
    EXPECT_EQ(board().Text2.text(), "0");
    EXPECT_EQ(board().LabelSecond.caption(), "0");
    EXPECT_EQ(additionColumn(), column("", 0));
    expectSumShown("0", "Is the same as 6 Added 0 Times");
}

// The child's way through keyboard input: digit, Tab, space, digit, Tab, space.
TEST_F(MultiplyBoardTest, KeyboardProductFollowsThePromptsAndReadsWithSingleSpaces) {
    useKeyboard();
    const int dingsBefore = dings();
    board().typeKeys("3");
    board().pressKey(Qt::Key_Tab);
    EXPECT_EQ(focused(), board().multiButton.widget());
    board().pressKey(Qt::Key_Space, " ");
    EXPECT_EQ(focused(), board().Text2.widget());
    EXPECT_EQ(board().LabelInst.caption(), "Enter a Number");
    EXPECT_EQ(board().firstFactor, 3);
    board().typeKeys("4");
    EXPECT_EQ(board().LabelInst.caption(), "Press the Tab Key");
    board().pressKey(Qt::Key_Tab);
    EXPECT_EQ(focused(), board().Equalbutton.widget());
    board().pressKey(Qt::Key_Space, " ");
    EXPECT_EQ(additionColumn(), column("3", 4));
    expectSumShown("12", "Is the same as 3 Added 4 Times");
    EXPECT_EQ(focused(), board().Clearbutton.widget());
    EXPECT_EQ(dings(), dingsBefore + 2);

    // "Clear" by the space bar starts over in the first box.
    board().pressKey(Qt::Key_Space, " ");
    EXPECT_EQ(focused(), board().Text1.widget());
    EXPECT_EQ(board().LabelInst.caption(), "Enter a Number");
    EXPECT_EQ(board().Text1.text(), "");
    EXPECT_FALSE(board().LabelSameAs.visible());
    EXPECT_EQ(dings(), dingsBefore + 3);
}

TEST_F(MultiplyBoardTest, SecondBoxWaitsForTimes) {
    useKeyboard();
    board().Text2.setFocus();
    EXPECT_EQ(focused(), board().multiButton.widget());
    EXPECT_EQ(board().LabelInst.caption(), "Enter a Number");
    board().multiButton.click();
    board().Text1.setFocus();
    EXPECT_EQ(focused(), board().Text2.widget()) << "after x the first box passes the focus on";
}

TEST_F(MultiplyBoardTest, SwitchingToMouseKeepsDisabledDigitsDisabledUntilClear) {
    board().Command1[3].click();
    ASSERT_EQ(enabledDigits(), "..........");
    useKeyboard();
    board().InputMenu.open();
    board().mouseMenu.click();
    EXPECT_TRUE(board().Command1[3].visible());
    EXPECT_FALSE(board().Text1.visible());
    EXPECT_FALSE(board().LabelInst.visible());
    EXPECT_EQ(board().LabelFirst.caption(), "");
    EXPECT_EQ(enabledDigits(), "..........");
    EXPECT_TRUE(board().Command2.enabled());
    board().Clearbutton.click();
    EXPECT_EQ(enabledDigits(), "0123456789");
}

TEST_F(MultiplyBoardTest, LabelsTeddyAndBackgroundPlayTheClickSound) {
    const int before = clicks();
    board().Command1[2].click();
    board().Command2.click();
    board().Command1[2].click();
    board().Command3.click();
    EXPECT_EQ(clicks(), before);
    for (platform::Control* sounding :
         std::initializer_list<platform::Control*>{&board().LabelFirst, &board().LabelMulti, &board().LabelTotal,
                                                   &board().LabelShowAdd[1], &board().LabelSameAs, &board().Image1})
        sounding->click();
    board().clickAt(8800, 300);
    EXPECT_EQ(clicks(), before + 7);
}

} // namespace
