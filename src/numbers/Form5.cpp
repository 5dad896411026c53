#include "numbers/Form5.h"

#include "abc/Form1.h"
#include "creative/Form2.h"
#include "creative/Form3.h"
#include "numbers/CountingPicture.h"
#include "numbers/Form6.h"
#include "numbers/Form7.h"
#include "numbers/Form8.h"
#include "platform/Pictures.h"
#include "platform/Runtime.h"
#include "shell/Classroom.h"
#include "shell/Conventions.h"
#include "shell/FitToScreen.h"
#include "shell/SoundBank.h"

using namespace platform;

namespace {

constexpr OleColor lightGreen = rgb(128, 255, 128);
constexpr OleColor lavender = rgb(192, 192, 255);

const FontSpec formFont{};
std::array<Label, 11> numberKeys(Form5* board) {
    const FontSpec font = arial(18);
    return {{{board, {1440, 60, 495, 495}, "0", colors::paleRed, font, Align::center},
             {board, {2085, 60, 495, 495}, "1", colors::paleRed, font, Align::center},
             {board, {2715, 60, 495, 495}, "2", colors::paleRed, font, Align::center},
             {board, {3360, 60, 495, 495}, "3", colors::paleRed, font, Align::center},
             {board, {4005, 60, 495, 495}, "4", colors::paleRed, font, Align::center},
             {board, {4635, 60, 495, 495}, "5", colors::paleRed, font, Align::center},
             {board, {5280, 60, 495, 495}, "6", colors::paleRed, font, Align::center},
             {board, {5925, 60, 495, 495}, "7", colors::paleRed, font, Align::center},
             {board, {6555, 60, 495, 495}, "8", colors::paleRed, font, Align::center},
             {board, {7200, 60, 495, 495}, "9", colors::paleRed, font, Align::center},
             {board, {4620, 780, 495, 495}, "10", colors::paleRed, font, Align::center}}};
}

// The unit faces stand in the ONES column, index 0 lowest; index 9 is the first ten-bar.
std::array<Image, 10> countingPictures(Form5* board) {
    return {{{board, {7920, 5220, 360, 330}, true, "One"},
             {board, {7920, 4860, 360, 330}, true, "One"},
             {board, {7920, 4560, 360, 330}, true, "One"},
             {board, {7920, 4200, 360, 330}, true, "One"},
             {board, {7920, 3840, 360, 330}, true, "One"},
             {board, {7920, 3540, 360, 330}, true, "One"},
             {board, {7920, 3240, 360, 330}, true, "One"},
             {board, {7920, 2880, 360, 330}, true, "One"},
             {board, {7920, 2520, 360, 330}, true, "One"},
             {board, {6720, 2220, 390, 3360}, true, "Ten"}}};
}

} // namespace

Form5::Form5(Classroom& room_)
    : Form(" Pipkin's Classroom    123s     Count to 20", colors::lightRed), Label1(numberKeys(this)),
      LabeldoAdd(this, {120, 780, 915, 435}, "Do Add", colors::cyan, formFont, Align::center),
      LabeldoSubtract(this, {120, 1440, 975, 435}, " Do Subtract    ", colors::cyan, formFont, Align::center),
      LabelDoSubtractMinus(this, {120, 120, 975, 435}, "Do Subtract Allow minus", colors::cyan, formFont,
                           Align::center),
      Check1(this, {120, 2100, 195, 255}, {}, colors::lightRed),
      Label2(this, {360, 2160, 1635, 255}, "Allow Less Than Zero", colors::lightRed, formFont, Align::left),
      Label1Add(this, {3060, 1260, 555, 615}, {}, colors::white, arial(24), Align::center),
      LabelPlus(this, {2340, 2160, 435, 555}, "+", lightGreen, arial(24), Align::center),
      LabelMinus(this, {2340, 2160, 435, 555}, "-", lightGreen, arial(24), Align::center),
      Label2Add(this, {3060, 2160, 555, 615}, {}, colors::white, arial(24), Align::center),
      Line1(this, 2340, 3000, 3960, 3000, colors::black, 5),
      LabelEqule(this, {2340, 3240, 435, 495}, "=", lightGreen, arial(24), Align::center),
      LabelTotal(this, {2940, 3180, 675, 615}, {}, colors::white, arial(24), Align::center),
      LabelClear(this, {2220, 4080, 2655, 435}, "Clear Numbers", colors::yellow, arial(18), Align::center),
      ImageTeddy1(this, {5460, 780, 975, 840}, true, "Teddy"), ImageTeddy2(this, {1320, 2520, 855, 855}, true, "Teddy"),
      ImageTeddy3(this, {1320, 3600, 855, 855}, true, "Teddy"),
      LabelTens(this, {6360, 900, 855, 435}, "TENS", colors::lightRed, formFont, Align::center),
      Labelones(this, {7740, 900, 735, 375}, "ONES", colors::lightRed, formFont, Align::center),
      Line2(this, 7500, 1140, 7500, 6300), Image1(countingPictures(this)),
      Image2(this, {6180, 2220, 390, 3360}, true, "Ten"),
      TensLabel(this, {6600, 5760, 555, 495}, "0", colors::white, arial(18), Align::center),
      OnesLabel(this, {7860, 5760, 495, 495}, {}, colors::white, arial(18), Align::center),
      Shape1(this, {6300, 1800, 2535, 135}, Shape::rectangle),
      LabelLessZero(this, {6540, 1440, 2235, 315}, "Less  Than  0", std::nullopt, arial(13.5), Align::center),
      LabelEnd(this, {180, 5760, 2025, 435}, "Go To ABCs", colors::red, arial(18), Align::center),
      LabelmoreMath(this, {2400, 5760, 1575, 435}, "Multiply", lightGreen, arial(13.5), Align::center),
      LabelProblems(this, {4200, 5760, 1695, 435}, "Problems Board", lavender, arial(9.75), Align::center),
      Text1(this, {1320, 840, 495, 375}), Text2(this, {1320, 1440, 495, 375}, TextBox::Lines::single, "0"),
      curChange(this, "Pointer"), curTeddy(&curChange, "Teddy Pointer"), curPoint(&curChange, "Arrow Pointer"),
      room(room_) {
    arrangeControls();
    Check1.setAccessibleName("Allow Less Than Zero");
    Text1.setAccessibleName("First number");
    Text2.setAccessibleName("Second number");
    connectHandlers();
}

void Form5::arrangeControls() {
    ImageTeddy1.setBuiltinPicture("numbers-counting-teddy-wave");
    ImageTeddy2.setBuiltinPicture("numbers-counting-teddy-wave-other");
    ImageTeddy3.setBuiltinPicture("numbers-counting-teddy-wave-other");
    for (std::size_t i = 0; i < 9; ++i)
        Image1[i].setBuiltinPicture("numbers-counting-unit");
    Image1[9].setBuiltinPicture("numbers-counting-ten-bar");
    Image2.setBuiltinPicture("numbers-counting-ten-bar");
    Shape1.setFillStyle(Shape::solid);
    Shape1.setFillColor(colors::black);
    for (Control* hidden :
         std::initializer_list<Control*>{&LabelDoSubtractMinus, &Check1, &Label2, &LabelMinus, &ImageTeddy2,
                                         &ImageTeddy3, &Image2, &Shape1, &LabelLessZero, &Text1, &Text2})
        hidden->setVisible(false);
    for (Image& picture : Image1)
        picture.setVisible(false);
    LabelClear.setMouseIcon(builtinCursor("numbers-counting-eraser-pointer"));
    LabelClear.setMousePointer(pointerCustom);
    conventions::useTeddyPointer(*this);
    for (Control* goTo : std::initializer_list<Control*>{&LabelEnd, &LabelmoreMath, &LabelProblems})
        conventions::useCarPointer(*goTo);
}

void Form5::connectHandlers() {
    for (int i = 0; i < int(Label1.size()); ++i)
        Label1[std::size_t(i)].Click.connect([this, i] { Label1_Click(i); });
    Text1.Change.connect([this] { Text1_Change(); });
    LabelPlus.Click.connect([this] { LabelPlus_Click(); });
    LabelMinus.Click.connect([this] { LabelMinus_Click(); });
    LabelEqule.Click.connect([this] { LabelEqule_Click(); });
    LabeldoAdd.Click.connect([this] { LabeldoAdd_Click(); });
    LabeldoSubtract.Click.connect([this] { LabeldoSubtract_Click(); });
    LabelDoSubtractMinus.Click.connect([this] { LabelDoSubtractMinus_Click(); });
    Check1.Click.connect([this] { Check1_Click(); });
    LabelClear.Click.connect([this] { LabelClear_Click(); });
    LabelEnd.Click.connect([this] { LabelEnd_Click(); });
    LabelmoreMath.Click.connect([this] { LabelmoreMath_Click(); });
    LabelProblems.Click.connect([this] { LabelProblems_Click(); });
    curTeddy.Click.connect([this] { curTeddy_Click(); });
    curPoint.Click.connect([this] { curPoint_Click(); });
    // The board itself and its pictures and captions that do nothing else answer with the click sound.
    Click.connect([this] { playHono(); });
    for (InputEvents* quiet :
         std::initializer_list<InputEvents*>{&ImageTeddy1, &ImageTeddy2, &ImageTeddy3, &Label1Add, &Label2Add,
                                             &LabelTotal, &TensLabel, &OnesLabel, &LabelTens, &Labelones})
        quiet->Click.connect([this] { playHono(); });
}

void Form5::Form_Load() {
    nowDir = Runtime::currentDirectory();
    subtractMode = 0;
    addMode = -1;
    subtractMinusMode = 0;
    entryStep = 0;
    Text1.setText("0");
    fitToScreen(*this);
}

void Form5::playHono() {
    PlayFromStart(room.form1().MMControl42);
}

void Form5::playDing() {
    PlayFromStart(room.form2().MMControl1);
}

void Form5::Text1_Change() {
    TensLabel.setVisible(false);
    const CountingPicture shown = CountingPicture::of(Text1.text());
    onesCount = static_cast<std::int16_t>(shown.onesCount);
    OnesLabel.setCaption(shown.onesDigit);
    TensLabel.setCaption(shown.tensDigit);
    TensLabel.setVisible(shown.tensShown);
    for (int i = 0; i < 9; ++i)
        Image1[std::size_t(i)].setVisible(i < shown.unitFaces);
    Image1[9].setVisible(shown.tenBars >= 1);
    Image2.setVisible(shown.tenBars == 2);
}

void Form5::allowset() {
    for (Label& number : Label1) {
        number.setBackColor(colors::paleRed);
        number.setEnabled(true);
    }
}

void Form5::allownum() {
    const int last = lastNumberText.isEmpty() ? 0 : lastNumberText.toInt();
    for (int i = last + 1; i <= 10; ++i) {
        Label1[std::size_t(i)].setBackColor(colors::red);
        Label1[std::size_t(i)].setEnabled(false);
    }
}

void Form5::setTops() {
    for (const Image& picture : Image1) {
        if (picture.visible()) {
            Shape1.setTop(picture.top() - 400);
            LabelLessZero.setTop(Shape1.top() - 440);
        }
    }
}

void Form5::reset() {
    firstNumber = 0;
    secondNumber = 0;
    total = 0;
    Label2Add.setCaption({});
    LabelTotal.setCaption({});
    LabelPlus.setBackColor(lightGreen);
    LabelMinus.setBackColor(lightGreen);
    LabelLessZero.setVisible(false);
    Shape1.setVisible(false);
}

void Form5::Clear() {
    onesCount = 0;
    firstNumber = 0;
    secondNumber = 0;
    total = 0;
    entryStep = 0;
    Text1.setText("0");
    Text2.setText("0");
    Label1Add.setCaption({});
    Label2Add.setCaption({});
    LabelTotal.setCaption({});
    TensLabel.setVisible(false);
    LabelPlus.setBackColor(lightGreen);
    LabelMinus.setBackColor(lightGreen);
    LabelEqule.setBackColor(lightGreen);
    LabelLessZero.setVisible(false);
    Shape1.setVisible(false);
    if (subtractMode == -1)
        allowset();
}

void Form5::Label1_Click(int index) {
    Text1.setText(QString::number(index));
    lastNumberText = QString::number(index);
    if (entryStep == 0) {
        reset();
        Label1Add.setCaption(Text1.text());
        LabelEqule.setBackColor(lightGreen);
        ImageTeddy1.setVisible(false);
        ImageTeddy2.setVisible(true);
    }
    if (entryStep == 1) {
        Label2Add.setCaption(Text1.text());
        Text2.setText(Text1.text());
        ImageTeddy1.setVisible(false);
        ImageTeddy3.setVisible(true);
    }
}

void Form5::LabelPlus_Click() {
    signClicked(LabelPlus);
}

void Form5::LabelMinus_Click() {
    if (LabelMinus.backColor() == lightGreen && subtractMode == -1)
        allownum();
    signClicked(LabelMinus);
}

void Form5::signClicked(Label& sign) {
    if (sign.backColor() != colors::red)
        sign.setBackColor(colors::yellow);
    const bool firstEmpty = Label1Add.caption().isEmpty();
    const bool secondEmpty = Label2Add.caption().isEmpty();
    if (!firstEmpty && !secondEmpty) {
        playHono();
        return;
    }
    if (firstEmpty && !secondEmpty)
        return;
    playDing();
    entryStep = 1;
    Label1Add.setCaption(Text1.text());
    firstNumber = static_cast<std::int16_t>(Text1.text().toInt());
    ImageTeddy1.setVisible(true);
    ImageTeddy2.setVisible(false);
}

void Form5::LabelEqule_Click() {
    ImageTeddy1.setVisible(true);
    ImageTeddy3.setVisible(false);
    if (Label2Add.caption().isEmpty() && entryStep == 0) {
        firstNumber = static_cast<std::int16_t>(Text1.text().toInt());
        Text1.setText("0");
    }
    LabelEqule.setBackColor(colors::red);
    LabelPlus.setBackColor(colors::red);
    LabelMinus.setBackColor(colors::red);
    if (!Label1Add.caption().isEmpty() && !LabelTotal.caption().isEmpty()) {
        playHono();
        return;
    }
    if (Label1Add.caption().isEmpty() && !Label2Add.caption().isEmpty())
        return;
    entryStep = 0;
    Label2Add.setCaption(Text2.text());
    secondNumber = static_cast<std::int16_t>(Text2.text().toInt());
    computeTotal();
    LabelTotal.setCaption(QString::number(total));
    playDing();
    if (total < 0) {
        setTops();
        LabelLessZero.setVisible(true);
        Shape1.setVisible(true);
    }
    Text1.setText(QString::number(total));
    Text2.setText("0");
}

void Form5::computeTotal() {
    if (addMode == -1) {
        total = static_cast<std::int16_t>(firstNumber + secondNumber);
    } else if (subtractMinusMode == -1) {
        total = static_cast<std::int16_t>(firstNumber - secondNumber);
    } else if (subtractMode == -1) {
        total = static_cast<std::int16_t>(firstNumber - secondNumber);
        allowset();
    }
    Text1.setText(QString::number(total));
}

void Form5::showTeddyOnly() {
    ImageTeddy1.setVisible(true);
    ImageTeddy2.setVisible(false);
    ImageTeddy3.setVisible(false);
}

void Form5::LabeldoAdd_Click() {
    Check1.setVisible(false);
    Label2.setVisible(false);
    LabelMinus.setVisible(false);
    LabelPlus.setVisible(true);
    showTeddyOnly();
    Clear();
    subtractMode = 0;
    addMode = -1;
    subtractMinusMode = 0;
    playDing();
}

void Form5::LabeldoSubtract_Click() {
    Check1.setVisible(true);
    // Clearing a tick runs the box's own action at once: the subtract action then runs twice.
    Check1.setValue(0);
    Label2.setVisible(true);
    LabelMinus.setVisible(true);
    LabelPlus.setVisible(false);
    showTeddyOnly();
    Clear();
    subtractMode = -1;
    addMode = 0;
    subtractMinusMode = 0;
    playDing();
}

void Form5::LabelDoSubtractMinus_Click() {
    LabelMinus.setVisible(true);
    LabelPlus.setVisible(false);
    showTeddyOnly();
    // Clear runs before the flags change, so leaving subtract mode re-enables every number.
    Clear();
    subtractMode = 0;
    addMode = 0;
    subtractMinusMode = -1;
    playDing();
}

void Form5::Check1_Click() {
    if (Check1.value() == 1)
        LabelDoSubtractMinus_Click();
    else
        LabeldoSubtract_Click();
}

void Form5::LabelClear_Click() {
    showTeddyOnly();
    Clear();
}

void Form5::LabelEnd_Click() {
    room.form1().show();
    room.form2().hide();
    room.form3().hide();
    hide();
    room.form6().hide();
    room.form1().Label1.setCaption("ABCs");
}

void Form5::LabelmoreMath_Click() {
    room.form7().show();
    hide();
}

void Form5::LabelProblems_Click() {
    room.form8().show();
    hide();
}

void Form5::curTeddy_Click() {
    conventions::choosePointerFile(*this, nowDir, "teddy.cur");
}

void Form5::curPoint_Click() {
    conventions::chooseArrowPointer(*this);
}
