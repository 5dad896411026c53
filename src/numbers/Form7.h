#pragma once
// The Multiply Board: a one-digit product keyed by mouse or keyboard and shown as repeated addition.
#include "platform/CommandButton.h"
#include "platform/Form.h"
#include "platform/Image.h"
#include "platform/Label.h"
#include "platform/Line.h"
#include "platform/Menu.h"
#include "platform/TextBox.h"

#include <array>
#include <cstdint>

class Classroom;

class Form7 : public platform::Form {
public:
    explicit Form7(Classroom& room);
    void Form_Load();

    std::array<platform::CommandButton, 10> Command1; // the digit keys
    platform::CommandButton Command2;                 // "x"
    platform::CommandButton Command3;                 // "="
    platform::CommandButton Clearbutton;
    platform::Label LabelFirst;
    platform::Label LabelMulti;
    platform::Label LabelSecond;
    platform::Line Line1;
    platform::Label LabelEqual;
    platform::Label LabelTotal;
    // Keyboard input: two one-character boxes and buttons over the "x" and "=" signs.
    platform::TextBox Text1;
    platform::TextBox Text2;
    platform::CommandButton multiButton;
    platform::CommandButton Equalbutton;
    platform::Label LabelInst;
    platform::Image Image1;
    // The repeated addition: the first factor once per unit of the second, index 0 lowest.
    std::array<platform::Label, 9> LabelShowAdd;
    platform::Label Label2; // "+"
    platform::Line Line2;
    platform::Label LabelTotalShow;
    platform::Label LabelSameAs;
    platform::CommandButton EndButton;
    platform::CommandButton ComTimesTabel;
    platform::CommandButton CmdtoDivide;
    platform::Menu Curmenu;
    platform::Menu tedCursor;
    platform::Menu PointCur;
    platform::Menu InputMenu;
    platform::Menu mouseMenu;
    platform::Menu keyboardMenu;

    QString nowDir;
    int16_t firstFactor = 0;
    int16_t secondFactor = 0;
    int16_t product = 0;
    int16_t enteringFirst = -1;
    int16_t enteringSecond = 0;
    int16_t keyboardMode = 0;
    int16_t digitCount = 0;
    int16_t timesPressed = 0;

private:
    void prepareControls();
    void connectHandlers();
    void connectKeyboardHandlers();
    void setDigitsEnabled(bool enabled);
    void setDigitsVisible(bool visible);
    void showAddition(bool shown);
    void clearAdditionColumn();
    void forgetProblem();
    void fillAdditionColumn();
    void Command1_Click(int index);
    void Command2_Click();
    void Command3_Click();
    void Text1_KeyUp();
    void Text2_KeyUp();
    void checkTypedDigit(platform::TextBox& box, bool entering, platform::Label& factor);
    void Text1_GotFocus();
    void Text2_GotFocus();
    void pressSpaceBarPrompt();
    void multiButton_Click();
    void Equalbutton_Click();
    void Clearbutton_Click();
    void keyboardMenu_Click();
    void mousemenu_Click();
    void clickSound();
    void dingSound();
    void CmdtoDivide_Click();
    void ComTimesTabel_Click();
    void EndButton_Click();
    void tedCursor_Click();
    void PointCur_Click();
    Classroom& room;
};
