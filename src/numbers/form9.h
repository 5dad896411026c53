#pragma once
// The Divide Board: long division with remainder, written out step by step.
#include "platform/CommandButton.h"
#include "platform/Form.h"
#include "platform/Image.h"
#include "platform/Label.h"
#include "platform/Line.h"
#include "platform/Menu.h"
#include "platform/Shape.h"

#include <array>
#include <cstdint>

class Classroom;

namespace numbers {
struct LongDivision;
}

class form9 : public platform::Form {
public:
    explicit form9(Classroom& room);
    void Form_Load();

    std::array<platform::CommandButton, 10> Command2; // the digit keys
    platform::CommandButton CommandBy;
    platform::CommandButton CommandDivide;
    platform::CommandButton CommandClear;
    // The long division: quotient on top, divisor left of the bracket, dividend under it, the work below.
    platform::Label LabelE3, LabelE3S;
    platform::Label Label6, LabelE4;
    platform::Label LabelE2;
    platform::Line Line2, Line3, Line1;
    platform::Label LabelE1, LabelE1S;
    platform::Label Label7, Label8;
    platform::Line Line6, Line4;
    platform::Label Label9, Label10;
    platform::Label Label11, Label12;
    platform::Line Line7, Line5;
    platform::Label Label13;
    platform::Label Label16;
    platform::Label Label5;
    // The bottom row: dividend, division sign, divisor, "=", quotient, "R", remainder.
    platform::Label Label1, Label2, Label3, Label4;
    platform::Shape Shape1;
    platform::Line Line8;
    platform::Shape Shape2;
    platform::Label Label15;
    platform::Label Label14;
    platform::Image Image1;
    platform::CommandButton Command1;
    platform::CommandButton Command3;
    platform::CommandButton Commandmult;
    platform::Menu Curmenu;
    platform::Menu tedCursor;
    platform::Menu PointCur;

    QString nowDir;
    int16_t dividendValue = 0;
    int16_t divisorValue = 0;
    int16_t quotientValue = 0;
    int16_t remainderValue = 0;
    int16_t productValue = 0;
    int16_t lastDigit = 0;
    int16_t entryStage = 1; // 1 first dividend digit, 2 second dividend digit, 3 divisor, 4 ready for "="
    int16_t firstDigit = 0;

private:
    void connectHandlers();
    void setDigitsEnabled(int from, bool enabled);
    void Command2_Click(int index);
    void keyDividendDigit(int digit);
    void CommandBy_Click();
    void CommandDivide_Click();
    void showWork(const numbers::LongDivision& work);
    void CommandClear_Click();
    void clickSound();
    void Command1_Click();
    void Command3_Click();
    void Commandmult_Click();
    void tedCursor_Click();
    void PointCur_Click();
    Classroom& room;
};
