#pragma once
// The 123s board: count to 20 in tens and ones, and first sums.
#include "platform/CheckBox.h"
#include "platform/Form.h"
#include "platform/Image.h"
#include "platform/Label.h"
#include "platform/Line.h"
#include "platform/Menu.h"
#include "platform/Shape.h"
#include "platform/TextBox.h"

#include <array>
#include <cstdint>

class Classroom;

class Form5 : public platform::Form {
public:
    explicit Form5(Classroom& room);
    void Form_Load();

    std::array<platform::Label, 11> Label1;
    platform::Label LabeldoAdd;
    platform::Label LabeldoSubtract;
    platform::Label LabelDoSubtractMinus;
    platform::CheckBox Check1;
    platform::Label Label2;
    platform::Label Label1Add;
    platform::Label LabelPlus;
    platform::Label LabelMinus;
    platform::Label Label2Add;
    platform::Line Line1;
    platform::Label LabelEqule;
    platform::Label LabelTotal;
    platform::Label LabelClear;
    platform::Image ImageTeddy1;
    platform::Image ImageTeddy2;
    platform::Image ImageTeddy3;
    platform::Label LabelTens;
    platform::Label Labelones;
    platform::Line Line2;
    std::array<platform::Image, 10> Image1;
    platform::Image Image2;
    platform::Label TensLabel;
    platform::Label OnesLabel;
    platform::Shape Shape1;
    platform::Label LabelLessZero;
    platform::Label LabelEnd;
    platform::Label LabelmoreMath;
    platform::Label LabelProblems;
    platform::TextBox Text1;
    platform::TextBox Text2;
    platform::Menu curChange;
    platform::Menu curTeddy;
    platform::Menu curPoint;

    std::int16_t onesCount = 0;
    std::int16_t firstNumber = 0;
    std::int16_t secondNumber = 0;
    std::int16_t total = 0;
    std::int16_t entryStep = 0;
    QString nowDir;
    std::int16_t subtractMode = 0;
    std::int16_t addMode = -1;
    std::int16_t subtractMinusMode = 0;
    QString lastNumberText;

private:
    void arrangeControls();
    void connectHandlers();
    void allowset();
    void allownum();
    void setTops();
    void Clear();
    void reset();
    void showTeddyOnly();
    void playHono();
    void playDing();

    void Text1_Change();
    void Label1_Click(int index);
    void LabelPlus_Click();
    void LabelMinus_Click();
    void signClicked(platform::Label& sign);
    void LabelEqule_Click();
    void computeTotal();
    void LabeldoAdd_Click();
    void LabeldoSubtract_Click();
    void LabelDoSubtractMinus_Click();
    void Check1_Click();
    void LabelClear_Click();
    void LabelEnd_Click();
    void LabelmoreMath_Click();
    void LabelProblems_Click();
    void curTeddy_Click();
    void curPoint_Click();
    Classroom& room;
};
