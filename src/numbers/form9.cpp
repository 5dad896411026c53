#include "numbers/form9.h"

#include "abc/Form1.h"
#include "numbers/ControlRow.h"
#include "numbers/Form5.h"
#include "numbers/Form6.h"
#include "numbers/Form7.h"
#include "numbers/LongDivision.h"
#include "platform/Pictures.h"
#include "platform/Runtime.h"
#include "shell/Classroom.h"
#include "shell/Conventions.h"
#include "shell/FitToScreen.h"
#include "shell/SoundBank.h"

using namespace platform;

namespace {

TwipsRect digitKeyPlace(int digit) {
    if (digit == 0)
        return {5460, 2700, 495, 555};
    const int column = (digit - 1) % 3;
    const int row = (digit - 1) / 3;
    return {4740 + 720 * column, 540 + 720 * row, 495, 555};
}

// A written digit of the long division: light red, 13.5 pt.
Label digitLabel(Container* board, const TwipsRect& place, Align align = Align::left) {
    return Label{board, place, {}, colors::lightRed, msSansSerif(13.5), align};
}

void fillAsDot(Shape& dot) {
    dot.setFillStyle(Shape::solid);
    dot.setFillColor(colors::black);
}

void write(Label& label, const numbers::WrittenDigit& digit) {
    label.setCaption(digit.caption);
    label.setVisible(digit.shown);
}

const QString divisionSign = QString::fromUtf8("\u00F7");
const QString smallerNumberMessage = "A smaller number divided by a larger number has a answer smaller than one.";

} // namespace

form9::form9(Classroom& room_)
    : Form(" Pipkin's Classroom    Divide Board", colors::lightRed), Command2(numbers::makeControls<10>([this](int i) {
          return CommandButton{this, digitKeyPlace(i), QString::number(i), msSansSerif(24)};
      })),
      CommandBy(this, {7260, 1320, 975, 495}, {}, msSansSerif(24)),
      CommandDivide(this, {7260, 2100, 975, 495}, "=", msSansSerif(24)),
      CommandClear(this, {7260, 2880, 975, 495}, "Clear", msSansSerif(13.5)),
      LabelE3(digitLabel(this, {1560, 480, 375, 375})), LabelE3S(digitLabel(this, {2040, 480, 375, 375})),
      Label6(this, {2760, 300, 315, 315}, "R", colors::lightRed, msSansSerif(13.5), Align::right),
      LabelE4(digitLabel(this, {3300, 300, 315, 315})), LabelE2(digitLabel(this, {540, 960, 735, 315})),
      Line2(this, 1380, 900, 1380, 1500, colors::black, 3), Line3(this, 1380, 900, 2640, 900, colors::black, 3),
      Line1(this, 480, 1500, 1380, 1500, colors::black, 3), LabelE1(digitLabel(this, {1560, 960, 375, 375})),
      LabelE1S(digitLabel(this, {2040, 960, 375, 375})), Label7(digitLabel(this, {1560, 1380, 375, 435})),
      Label8(digitLabel(this, {2040, 1380, 375, 435})), Line6(this, 1260, 1620, 1440, 1620, colors::black, 2),
      Line4(this, 1260, 1920, 2880, 1920), Label9(digitLabel(this, {1560, 1980, 375, 435})),
      Label10(digitLabel(this, {2040, 1980, 375, 435})), Label11(digitLabel(this, {1560, 2460, 375, 435})),
      Label12(digitLabel(this, {2040, 2460, 375, 435})), Line7(this, 1260, 2640, 1440, 2640, colors::black, 2),
      Line5(this, 1200, 3000, 2940, 3000), Label13(digitLabel(this, {2040, 3060, 375, 375})),
      Label16(this, {3720, 2880, 1575, 555}, {}, colors::lightRed, msSansSerif(9.75)),
      Label5(this, {540, 3840, 6015, 555}, {}, colors::lightRed, msSansSerif(9.75), Align::left),
      Label1(this, {480, 4680, 855, 495}, {}, std::nullopt, msSansSerif(24)),
      Label2(this, {2400, 4680, 615, 495}, {}, std::nullopt, msSansSerif(24)),
      Label3(this, {4560, 4680, 855, 495}, {}, std::nullopt, msSansSerif(24)),
      Label4(this, {6300, 4680, 615, 495}, {}, std::nullopt, msSansSerif(24)),
      Shape1(this, {1740, 4680, 135, 135}, Shape::circle), Line8(this, 1620, 4920, 1980, 4920, colors::black, 3),
      Shape2(this, {1740, 5040, 135, 135}, Shape::circle),
      Label15(this, {3540, 4680, 675, 555}, "=", colors::lightRed, msSansSerif(24)),
      Label14(this, {5700, 4740, 315, 315}, "R", colors::lightRed, msSansSerif(13.5), Align::right),
      Image1(this, {6960, 3540, 1515, 1395}, true, "Teddy"),
      Command1(this, {240, 5700, 2295, 495}, "Go To 123s", msSansSerif(13.5)),
      Command3(this, {2760, 5700, 2775, 495}, "Go To Times Tables", msSansSerif(13.5)),
      Commandmult(this, {5760, 5700, 1995, 495}, "Go To Miltiply", msSansSerif(13.5)), Curmenu(this, "Pointer"),
      tedCursor(&Curmenu, "Teddy Pointer"), PointCur(&Curmenu, "Arrow Pointer"), room(room_) {
    Command2[0].setEnabled(false);
    CommandBy.setEnabled(false);
    CommandDivide.setEnabled(false);
    CommandClear.setMouseIcon(builtinCursor("numbers-tables-eraser-pointer"));
    CommandClear.setMousePointer(pointerCustom);
    fillAsDot(Shape1);
    fillAsDot(Shape2);
    Image1.setBuiltinPicture("teddy");
    conventions::useTeddyPointer(*this);
    for (CommandButton* goTo : {&Command1, &Command3, &Commandmult})
        conventions::useCarPointer(*goTo);
    connectHandlers();
}

void form9::connectHandlers() {
    for (int i = 0; i <= 9; ++i)
        Command2[std::size_t(i)].Click.connect([this, i] { Command2_Click(i); });
    CommandBy.Click.connect([this] { CommandBy_Click(); });
    CommandDivide.Click.connect([this] { CommandDivide_Click(); });
    CommandClear.Click.connect([this] { CommandClear_Click(); });
    Click.connect([this] { clickSound(); });
    for (InputEvents* sounding : std::initializer_list<InputEvents*>{&Image1, &Label1, &Label2, &Label3, &Label4,
                                                                     &Label5, &Label6, &Label14, &Label15, &Label16})
        sounding->Click.connect([this] { clickSound(); });
    Command1.Click.connect([this] { Command1_Click(); });
    Command3.Click.connect([this] { Command3_Click(); });
    Commandmult.Click.connect([this] { Commandmult_Click(); });
    tedCursor.Click.connect([this] { tedCursor_Click(); });
    PointCur.Click.connect([this] { PointCur_Click(); });
}

void form9::Form_Load() {
    fitToScreen(*this);
    // Set here rather than in the design so the sign survives any source-file encoding.
    CommandBy.setCaption(divisionSign);
    nowDir = Runtime::currentDirectory();
    Command2[0].setEnabled(false);
    entryStage = 1;
    CommandDivide.setEnabled(false);
    CommandBy.setEnabled(false);
}

void form9::setDigitsEnabled(int from, bool enabled) {
    for (int i = from; i <= 9; ++i)
        Command2[std::size_t(i)].setEnabled(enabled);
}

void form9::Command2_Click(int index) {
    lastDigit = int16_t(index);
    if (entryStage == 1) {
        CommandBy.setEnabled(true);
        Command2[0].setEnabled(true);
    }
    if (entryStage == 3) {
        Label2.setCaption(QString::number(index));
        LabelE2.setCaption(QString::number(index));
        divisorValue = int16_t(index);
        CommandDivide.setEnabled(true);
        entryStage = 4;
    }
    if (dividendValue != 0 && dividendValue < divisorValue) {
        CommandClear_Click();
        Label5.setCaption(smallerNumberMessage);
        CommandDivide.setEnabled(false);
        setDigitsEnabled(0, false); // only "Clear" goes on from here
        return;
    }
    if (entryStage == 1 || entryStage == 2)
        keyDividendDigit(index);
    if (entryStage == 4)
        setDigitsEnabled(0, false);
}

void form9::keyDividendDigit(int digit) {
    if (entryStage == 2) {
        if (dividendValue == 0) { // a leading 0 cannot start a two-digit number
            CommandClear_Click();
            return;
        }
        Label1.setCaption(QString::number(firstDigit) + QString::number(digit));
        dividendValue = int16_t(Label1.caption().toInt());
        setDigitsEnabled(0, false);
    }
    // Tested after stage 2 so that a first digit does not run on into the second-digit step.
    if (entryStage == 1) {
        Label1.setCaption(QString::number(digit));
        dividendValue = int16_t(digit);
        entryStage = 2;
        firstDigit = int16_t(digit);
    }
    if (dividendValue < 10) {
        LabelE1.setCaption(QString::number(firstDigit));
        LabelE1S.setCaption({});
    } else {
        LabelE1.setCaption(Label1.caption().left(1));
        LabelE1S.setCaption(Label1.caption().right(1));
    }
}

void form9::CommandBy_Click() {
    entryStage = 3;
    Command2[0].setEnabled(false);
    setDigitsEnabled(1, true);
    Label16.setCaption("Dividing by 0 not allowed.");
    CommandBy.setEnabled(false);
}

void form9::CommandDivide_Click() {
    const int dividend = dividendValue;
    const int divisor = divisorValue;
    if (divisor == 0) {
        CommandClear_Click();
        CommandDivide.setEnabled(false);
        return;
    }
    const numbers::LongDivision work = numbers::LongDivision::work(dividend, divisor);
    quotientValue = int16_t(work.quotient);
    productValue = int16_t(divisor * work.quotient);
    remainderValue = int16_t(work.remainder);
    Label3.setCaption(QString::number(work.quotient));
    Label16.setCaption({});
    showWork(work);
    Label5.setCaption(QString::number(divisor) + "  Goes into " + QString::number(dividend) + ",    " +
                      QString::number(work.quotient) + "  times with a remainder of  " +
                      QString::number(work.remainder) + "  left over.");
    CommandDivide.setEnabled(false);
}

void form9::showWork(const numbers::LongDivision& work) {
    write(LabelE3, work.quotientTens);
    write(LabelE3S, work.quotientOnes);
    Label4.setCaption(QString::number(work.remainder));
    LabelE4.setCaption(QString::number(work.remainder));
    write(Label7, work.firstProductTens);
    write(Label8, work.firstProductOnes);
    write(Label9, work.firstDifference);
    write(Label10, work.broughtDown);
    write(Label11, work.secondProductTens);
    write(Label12, work.secondProductOnes);
    write(Label13, work.lastDifference);
    Line7.setVisible(work.secondMinusShown);
    Line5.setVisible(work.secondRuleShown);
}

void form9::CommandClear_Click() {
    dividendValue = divisorValue = quotientValue = remainderValue = productValue = lastDigit = firstDigit = 0;
    for (Label* written :
         {&Label1, &LabelE1, &LabelE1S, &Label2, &LabelE2, &Label3, &LabelE3, &LabelE3S, &Label4, &LabelE4, &Label5,
          &Label7, &Label8, &Label9, &Label10, &Label11, &Label12, &Label13, &Label16})
        written->setCaption({});
    CommandDivide.setEnabled(false);
    CommandBy.setEnabled(false);
    for (Label* shown :
         {&Label5, &Label6, &Label7, &Label8, &Label9, &Label10, &Label11, &Label12, &Label13, &LabelE3, &LabelE3S})
        shown->setVisible(true);
    entryStage = 1;
    setDigitsEnabled(1, true); // the digit 0 keeps its state
}

void form9::clickSound() {
    PlayFromStart(room.form1().MMControl42);
}

void form9::Command1_Click() {
    room.form5().show();
    hide();
}

void form9::Command3_Click() {
    room.form6().show();
    hide();
}

void form9::Commandmult_Click() {
    room.form7().show();
    hide();
}

void form9::tedCursor_Click() {
    conventions::choosePointerFile(*this, nowDir, "teddy.cur");
}

void form9::PointCur_Click() {
    conventions::chooseArrowPointer(*this);
}
