#pragma once
// The Problem Board: random problems with four answers to choose from, and a score.
#include "numbers/ProblemMaker.h"
#include "numbers/ProblemRandom.h"
#include "platform/CheckBox.h"
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

class Form8 : public platform::Form {
public:
    explicit Form8(Classroom& room);
    void Form_Load();

    platform::CommandButton CommandAdd;
    platform::CommandButton CommandSubt;
    platform::CommandButton CommandMult;
    platform::CommandButton CommandDiv;
    platform::CheckBox CheckHadd;
    platform::Label LabelHadd;
    platform::CheckBox CheckHsub;
    platform::Label Label5;
    platform::CheckBox CheckMhard;
    platform::Label LabelMhard;
    platform::CheckBox CheckDhard;
    platform::Label LabelDhard;
    platform::CheckBox Check1;
    platform::Label LabelLess0;
    platform::Label Label1;
    platform::Label LabelFirst;
    platform::Label LabelOp;
    platform::Line Line1;
    platform::Shape Shape1;
    platform::Shape Shape2;
    platform::Label LabelSecond;
    platform::Label LabelEq;
    std::array<platform::Label, 4> LabelAnswer;
    platform::Label Label2;
    platform::Image Image1;
    platform::CommandButton CommandNew;
    platform::CheckBox CheckMulti;
    platform::Label Label3;
    platform::CheckBox CheckDiv;
    platform::Label Label4;
    platform::Label Label7;
    platform::Label LabelRightCnt;
    platform::CommandButton CommandGrade;
    platform::Image ImageA1;
    platform::Image ImageA2;
    platform::CommandButton CommandEnd;
    platform::Menu Curmenu;
    platform::Menu TedCur;
    platform::Menu PointCur;

    QString nowDir;
    std::int16_t problemKind = addKind;
    std::int16_t firstValue = 0;
    std::int16_t secondValue = 0;
    std::int16_t rightAnswer = 0;
    std::int16_t dividend = 0;
    std::int16_t wrongAnswer = 0;
    std::int16_t wrongRange = 0;
    std::array<std::int16_t, 4> usedWrongAnswers{-1, -1, -1, -1};
    std::array<std::int16_t, 4> usedWrongAnswers2{-1, -1, -1, -1};
    std::int16_t rightPlace = 0;
    std::int16_t hardAdd = 0;
    std::int16_t hardSubtract = 0;
    std::int16_t hardMultiply = 0;
    std::int16_t hardDivide = 0;
    std::int16_t answerClicks = 0;
    std::int16_t score = 0;

    // Reseeded from the clock at every problem; tests give it a seed source of their own.
    ProblemRandom random;

private:
    void arrangeControls();
    void connectHandlers();
    void connectKindHandlers();
    void playHono();
    void playDing();
    void showOperatorSign();
    void showOperatorBar();
    void makeAddProblem();
    void makeSubtractProblem();
    void makeSubtractMinusProblem();
    void makeMultiplyProblem();
    void makeDivideProblem();
    void makeProblem(int kind, std::int16_t harder);

    void CommandNew_Click();
    void LabelAnswer_Click(int index);
    void CommandAdd_Click();
    void CommandSubt_Click();
    void CommandMult_Click();
    void CommandDiv_Click();
    void Check1_Click();
    void CheckHadd_Click();
    void CheckHsub_Click();
    void CheckMhard_Click();
    void CheckDhard_Click();
    void CheckMulti_Click();
    void CheckDiv_Click();
    void CommandGrade_Click();
    void CommandEnd_Click();
    void TedCur_Click();
    void PointCur_Click();
    Classroom& room;
};
