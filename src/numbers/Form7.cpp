#include "numbers/Form7.h"

#include "abc/Form1.h"
#include "creative/Form2.h"
#include "numbers/ControlRow.h"
#include "numbers/Form5.h"
#include "numbers/Form6.h"
#include "numbers/form9.h"
#include "platform/Pictures.h"
#include "platform/Runtime.h"
#include "shell/Classroom.h"
#include "shell/Conventions.h"
#include "shell/FitToScreen.h"
#include "shell/SoundBank.h"

#include <QWidget>

using namespace platform;

namespace {

TwipsRect digitKeyPlace(int digit) {
    if (digit == 0)
        return {4920, 2820, 555, 555};
    const int column = (digit - 1) % 3;
    const int row = (digit - 1) / 3;
    return {4080 + 840 * column, 480 + 780 * row, 555, 555};
}

const QString enterANumber = "Enter a Number";
const QString pressTheTabKey = "Press the Tab Key";
const QString pressTheSpaceBar = "Press the Space Bar";

} // namespace

Form7::Form7(Classroom& room_)
    : Form(" Pipkin's Classroom    Multiply Board", colors::lightRed),
      Command1(numbers::makeControls<10>([this](int i) {
          return CommandButton{this, digitKeyPlace(i), QString::number(i), msSansSerif(24)};
      })),
      Command2(this, {6780, 1260, 555, 555}, "x", msSansSerif(24)),
      Command3(this, {6780, 2040, 555, 555}, "=", msSansSerif(24)),
      Clearbutton(this, {6600, 2820, 975, 615}, "Clear", msSansSerif(13.5)),
      LabelFirst(this, {1380, 900, 675, 615}, {}, colors::lightRed, msSansSerif(24), Align::right),
      LabelMulti(this, {600, 1620, 615, 615}, "x", colors::lightRed, msSansSerif(24)),
      LabelSecond(this, {1380, 1620, 675, 615}, {}, colors::lightRed, msSansSerif(24), Align::right),
      Line1(this, 420, 2400, 3120, 2400, colors::black, 5),
      LabelEqual(this, {420, 2580, 615, 615}, "=", colors::lightRed, msSansSerif(24)),
      LabelTotal(this, {1260, 2580, 795, 615}, {}, colors::lightRed, msSansSerif(24), Align::right),
      Text1(this, {1320, 900, 735, 675}), Text2(this, {1320, 1620, 735, 675}),
      multiButton(this, {600, 1620, 615, 615}, "x", msSansSerif(24)),
      Equalbutton(this, {420, 2580, 615, 615}, "=", msSansSerif(24)),
      LabelInst(this, {3660, 1380, 3075, 435}, {}, colors::lightRed, msSansSerif(13.5)),
      Image1(this, {2760, 2820, 1155, 1095}, true, "Teddy"), LabelShowAdd(numbers::makeControls<9>([this](int i) {
          return Label{this, {8040, 4020 - 360 * i, 375, 315}, "0", std::nullopt, msSansSerif(13.5)};
      })),
      Label2(this, {7620, 4020, 375, 375}, "+", std::nullopt, msSansSerif(13.5)), Line2(this, 7620, 4440, 8520, 4440),
      LabelTotalShow(this, {7980, 4500, 495, 315}, "0", std::nullopt, msSansSerif(13.5)),
      LabelSameAs(this, {4020, 4020, 3435, 315}, {}, colors::lightRed, msSansSerif(9.75)),
      EndButton(this, {660, 5280, 2355, 495}, "Go To 123s", msSansSerif(13.5)),
      ComTimesTabel(this, {3420, 5280, 2235, 495}, "Times Tables", msSansSerif(13.5)),
      CmdtoDivide(this, {6060, 5280, 2235, 495}, "Go To Divide", msSansSerif(13.5)), Curmenu(this, "Pointer"),
      tedCursor(&Curmenu, "Teddy Pointer"), PointCur(&Curmenu, "Arrow Pointer"), InputMenu(this, "Type Input"),
      mouseMenu(&InputMenu, "Use Mouse"), keyboardMenu(&InputMenu, "Use Keyboard"), room(room_) {
    prepareControls();
    Text1.setAccessibleName("First number");
    Text2.setAccessibleName("Second number");
    connectHandlers();
    connectKeyboardHandlers();
}

void Form7::prepareControls() {
    Command2.setEnabled(false);
    Command3.setEnabled(false);
    Clearbutton.setMouseIcon(builtinCursor("numbers-tables-eraser-pointer"));
    Clearbutton.setMousePointer(pointerCustom);
    for (TextBox* box : {&Text1, &Text2}) {
        box->setFont(msSansSerif(24));
        box->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
        box->setMaxLength(1);
        box->setVisible(false);
    }
    for (Control* hidden : std::initializer_list<Control*>{&multiButton, &Equalbutton, &LabelInst, &Label2, &Line2,
                                                           &LabelTotalShow, &LabelSameAs})
        hidden->setVisible(false);
    for (Label& addend : LabelShowAdd)
        addend.setVisible(false);
    Image1.setBuiltinPicture("teddy");
    // The keyboard controls take the Tab key in the order the prompts lead the child through.
    QWidget::setTabOrder(Text1.widget(), multiButton.widget());
    QWidget::setTabOrder(multiButton.widget(), Text2.widget());
    QWidget::setTabOrder(Text2.widget(), Equalbutton.widget());
    QWidget::setTabOrder(Equalbutton.widget(), Clearbutton.widget());
    conventions::useTeddyPointer(*this);
    for (CommandButton* goTo : {&EndButton, &ComTimesTabel, &CmdtoDivide})
        conventions::useCarPointer(*goTo);
}

void Form7::connectHandlers() {
    for (int i = 0; i <= 9; ++i)
        Command1[std::size_t(i)].Click.connect([this, i] { Command1_Click(i); });
    Command2.Click.connect([this] { Command2_Click(); });
    Command3.Click.connect([this] { Command3_Click(); });
    Clearbutton.Click.connect([this] { Clearbutton_Click(); });
    Click.connect([this] { clickSound(); });
    for (InputEvents* sounding :
         std::initializer_list<InputEvents*>{&Image1, &Label2, &LabelFirst, &LabelInst, &LabelSameAs, &LabelSecond,
                                             &LabelTotal, &LabelTotalShow, &LabelEqual, &LabelMulti})
        sounding->Click.connect([this] { clickSound(); });
    for (Label& addend : LabelShowAdd)
        addend.Click.connect([this] { clickSound(); });
    CmdtoDivide.Click.connect([this] { CmdtoDivide_Click(); });
    ComTimesTabel.Click.connect([this] { ComTimesTabel_Click(); });
    EndButton.Click.connect([this] { EndButton_Click(); });
    tedCursor.Click.connect([this] { tedCursor_Click(); });
    PointCur.Click.connect([this] { PointCur_Click(); });
    keyboardMenu.Click.connect([this] { keyboardMenu_Click(); });
    mouseMenu.Click.connect([this] { mousemenu_Click(); });
}

void Form7::connectKeyboardHandlers() {
    Text1.KeyUp.connect([this](int&, int) { Text1_KeyUp(); });
    Text2.KeyUp.connect([this](int&, int) { Text2_KeyUp(); });
    Text1.GotFocus.connect([this] { Text1_GotFocus(); });
    Text2.GotFocus.connect([this] { Text2_GotFocus(); });
    multiButton.GotFocus.connect([this] { pressSpaceBarPrompt(); });
    Equalbutton.GotFocus.connect([this] { pressSpaceBarPrompt(); });
    Clearbutton.GotFocus.connect([this] { pressSpaceBarPrompt(); });
    multiButton.Click.connect([this] { multiButton_Click(); });
    Equalbutton.Click.connect([this] { Equalbutton_Click(); });
}

void Form7::Form_Load() {
    fitToScreen(*this);
    nowDir = Runtime::currentDirectory();
    enteringFirst = -1;
    enteringSecond = 0;
    keyboardMode = 0;
    digitCount = 0;
    timesPressed = 0;
    Command2.setEnabled(false);
    Command3.setEnabled(false);
}

void Form7::setDigitsEnabled(bool enabled) {
    for (CommandButton& digit : Command1)
        digit.setEnabled(enabled);
}

void Form7::setDigitsVisible(bool visible) {
    for (CommandButton& digit : Command1)
        digit.setVisible(visible);
}

void Form7::showAddition(bool shown) {
    for (Control* part : std::initializer_list<Control*>{&LabelSameAs, &Line2, &Label2, &LabelTotalShow})
        part->setVisible(shown);
}

void Form7::clearAdditionColumn() {
    for (Label& addend : LabelShowAdd) {
        addend.setVisible(false);
        addend.setCaption({});
    }
}

// All captions first, then all shown, so the column appears whole.
void Form7::fillAdditionColumn() {
    for (int i = 0; i < secondFactor; ++i)
        LabelShowAdd[std::size_t(i)].setCaption(QString::number(firstFactor));
    for (int i = 0; i < secondFactor; ++i)
        LabelShowAdd[std::size_t(i)].setVisible(true);
}

void Form7::Command1_Click(int index) {
    ++digitCount;
    if (digitCount >= 2) {
        clickSound();
        return;
    }
    if (enteringFirst && !keyboardMode) {
        LabelFirst.setCaption(LabelFirst.caption() + QString::number(index));
        Command2.setEnabled(true);
    }
    if (enteringSecond && !keyboardMode) {
        LabelSecond.setCaption(LabelSecond.caption() + QString::number(index));
        Command3.setEnabled(true);
    }
    setDigitsEnabled(false); // each factor is a single digit
}

void Form7::Command2_Click() {
    if (LabelFirst.caption().isEmpty())
        LabelFirst.setCaption("0");
    enteringFirst = 0;
    enteringSecond = -1;
    firstFactor = int16_t(LabelFirst.caption().toInt());
    digitCount = 0;
    Command2.setEnabled(false);
    setDigitsEnabled(true);
}

void Form7::Command3_Click() {
    secondFactor = int16_t(LabelSecond.caption().toInt());
    product = int16_t(firstFactor * secondFactor);
    LabelTotal.setCaption(QString::number(product));
    setDigitsEnabled(false);
    fillAdditionColumn();
    LabelTotalShow.setCaption(QString::number(product));
    LabelSameAs.setCaption("Is the same as  " + QString::number(firstFactor) + "  Added  " +
                           QString::number(secondFactor) + "  Times");
    showAddition(true);
    Command3.setEnabled(false);
}

void Form7::Text1_KeyUp() {
    checkTypedDigit(Text1, enteringFirst != 0, LabelFirst);
}

void Form7::Text2_KeyUp() {
    checkTypedDigit(Text2, enteringSecond != 0, LabelSecond);
}

// The box holds one character, so comparing its text with "0" and "9" tells a digit from anything else.
void Form7::checkTypedDigit(TextBox& box, bool entering, Label& factor) {
    LabelInst.setCaption(pressTheTabKey);
    if (box.text() < "0" || box.text() > "9") {
        box.setText({});
        LabelInst.setCaption(enterANumber);
    }
    if (entering && keyboardMode)
        factor.setCaption(box.text());
}

void Form7::Text1_GotFocus() {
    if (timesPressed)
        Text2.setFocus();
    LabelInst.setCaption(enterANumber);
}

// The second box waits for "x": until then the focus goes on to the "x" button.
void Form7::Text2_GotFocus() {
    if (!timesPressed)
        multiButton.setFocus();
    LabelInst.setCaption(enterANumber);
}

void Form7::pressSpaceBarPrompt() {
    LabelInst.setCaption(pressTheSpaceBar);
}

void Form7::multiButton_Click() {
    if (Text1.text().isEmpty()) {
        Text1.setText("0");
        LabelFirst.setCaption("0");
    }
    timesPressed = -1;
    enteringFirst = 0;
    enteringSecond = -1;
    firstFactor = int16_t(LabelFirst.caption().toInt());
    if (keyboardMode)
        Text2.setFocus();
    LabelInst.setCaption(enterANumber);
    dingSound();
}

void Form7::Equalbutton_Click() {
    if (Text1.text().isEmpty() && Text2.text().isEmpty()) {
        Text1.setFocus();
        LabelInst.setCaption(enterANumber);
        return;
    }
    if (Text2.text().isEmpty()) { // "=" without "x" multiplies by 0
        Text2.setText("0");
        LabelSecond.setCaption("0");
        firstFactor = int16_t(Text1.text().toInt());
    }
    for (Label& addend : LabelShowAdd)
        addend.setVisible(false);
    secondFactor = int16_t(LabelSecond.caption().toInt());
    product = int16_t(firstFactor * secondFactor);
    LabelTotal.setCaption(QString::number(product));
    fillAdditionColumn();
    LabelTotalShow.setCaption(QString::number(product));
    LabelSameAs.setCaption("Is the same as " + QString::number(firstFactor) + " Added " +
                           QString::number(secondFactor) + " Times");
    showAddition(true);
    if (keyboardMode)
        Clearbutton.setFocus();
    LabelInst.setCaption(pressTheTabKey);
    dingSound();
}

void Form7::Clearbutton_Click() {
    digitCount = firstFactor = secondFactor = product = 0;
    enteringFirst = -1;
    enteringSecond = 0;
    for (Label* emptied : {&LabelFirst, &LabelSecond, &LabelTotal})
        emptied->setCaption({});
    Text1.setText({});
    Text2.setText({});
    Command2.setEnabled(false);
    Command3.setEnabled(false);
    timesPressed = 0;
    clearAdditionColumn();
    LabelTotalShow.setCaption({});
    showAddition(false);
    if (keyboardMode) {
        Text1.setFocus();
        LabelInst.setCaption(enterANumber);
    }
    setDigitsEnabled(true);
    dingSound();
}

void Form7::keyboardMenu_Click() {
    keyboardMode = -1;
    for (Control* mouseOnly :
         std::initializer_list<Control*>{&LabelFirst, &LabelSecond, &LabelMulti, &Command2, &LabelEqual, &Command3})
        mouseOnly->setVisible(false);
    for (Control* keyboardOnly : std::initializer_list<Control*>{&Text1, &Text2, &multiButton, &Equalbutton})
        keyboardOnly->setVisible(true);
    setDigitsVisible(false);
    forgetProblem();
    LabelInst.setCaption(enterANumber);
    LabelInst.setVisible(true);
    Text1.setFocus();
}

// The mirror of "Use Keyboard", except that the keys keep whatever enabled state they had.
void Form7::mousemenu_Click() {
    keyboardMode = 0;
    LabelInst.setVisible(false);
    for (Control* mouseOnly :
         std::initializer_list<Control*>{&LabelFirst, &LabelSecond, &LabelMulti, &Command2, &Command3, &LabelEqual})
        mouseOnly->setVisible(true);
    setDigitsVisible(true);
    for (Control* keyboardOnly : std::initializer_list<Control*>{&Text1, &Text2, &multiButton, &Equalbutton})
        keyboardOnly->setVisible(false);
    forgetProblem();
}

// Switching between mouse and keyboard starts the problem afresh.
void Form7::forgetProblem() {
    timesPressed = 0;
    showAddition(false);
    enteringSecond = 0;
    enteringFirst = -1;
    digitCount = 0;
    firstFactor = secondFactor = product = 0;
    for (Label* emptied : {&LabelFirst, &LabelSecond, &LabelTotal})
        emptied->setCaption({});
    Text1.setText({});
    Text2.setText({});
    clearAdditionColumn();
}

void Form7::clickSound() {
    PlayFromStart(room.form1().MMControl42);
}

void Form7::dingSound() {
    PlayFromStart(room.form2().MMControl1);
}

void Form7::CmdtoDivide_Click() {
    room.form9().show();
    hide();
}

void Form7::ComTimesTabel_Click() {
    room.form6().show();
    hide();
}

void Form7::EndButton_Click() {
    room.form5().show();
    hide();
}

void Form7::tedCursor_Click() {
    conventions::choosePointerFile(*this, nowDir, "teddy.cur");
}

void Form7::PointCur_Click() {
    conventions::chooseArrowPointer(*this);
}
