#include "numbers/Form8.h"

#include "abc/Form1.h"
#include "creative/Form2.h"
#include "numbers/Form5.h"
#include "platform/Pictures.h"
#include "platform/Runtime.h"
#include "shell/Classroom.h"
#include "shell/Conventions.h"
#include "shell/FitToScreen.h"
#include "shell/SoundBank.h"

using namespace platform;

namespace {

std::array<Label, 4> answerLabels(Form8* board) {
    const FontSpec font = arial(24);
    return {{{board, {5100, 1560, 1035, 555}, {}, colors::white, font, Align::center},
             {board, {5100, 2280, 1035, 555}, {}, colors::white, font, Align::center},
             {board, {5100, 3000, 1035, 555}, {}, colors::white, font, Align::center},
             {board, {5100, 3720, 1035, 555}, {}, colors::white, font, Align::center}}};
}

} // namespace

Form8::Form8(Classroom& room_)
    : Form(" Pipkin's Classroom    Problem Board", colors::lightRed),
      CommandAdd(this, {600, 600, 1395, 495}, "Add Problem"),
      CommandSubt(this, {2280, 600, 1395, 495}, "Subtract Problem"),
      CommandMult(this, {3960, 600, 1455, 495}, "Multiply Problem"),
      CommandDiv(this, {5700, 600, 1395, 495}, "Divide problem"),
      CheckHadd(this, {720, 240, 195, 195}, {}, colors::lightRed),
      LabelHadd(this, {1080, 180, 555, 255}, "Harder", colors::lightRed),
      CheckHsub(this, {2400, 240, 195, 195}, {}, colors::lightRed),
      Label5(this, {2760, 180, 555, 255}, "Harder", colors::lightRed),
      CheckMhard(this, {4080, 180, 195, 255}, {}, colors::lightRed),
      LabelMhard(this, {4440, 180, 555, 255}, "Harder", colors::lightRed),
      CheckDhard(this, {5760, 240, 195, 195}, {}, colors::lightRed),
      LabelDhard(this, {6120, 180, 555, 255}, "Harder", colors::lightRed),
      Check1(this, {2400, 1260, 195, 315}, {}, colors::lightRed),
      LabelLess0(this, {2760, 1200, 915, 435}, "Allow Less Than Zero", colors::lightRed),
      Label1(this, {600, 1920, 3795, 435}, {}, std::nullopt, arial(13.5), Align::center),
      LabelFirst(this, {540, 2520, 1035, 735}, {}, colors::paleRed, arial(24), Align::center),
      LabelOp(this, {1860, 2580, 615, 675}, {}, colors::lightRed, arial(24), Align::center),
      Line1(this, 1980, 2880, 2340, 2880, colors::black, 3), Shape1(this, {2100, 2640, 135, 135}, Shape::circle),
      Shape2(this, {2100, 3000, 135, 135}, Shape::circle),
      LabelSecond(this, {2820, 2520, 1095, 735}, {}, colors::paleRed, arial(24), Align::center),
      LabelEq(this, {4260, 2640, 435, 495}, "=", colors::lightRed, arial(24), Align::center),
      LabelAnswer(answerLabels(this)),
      Label2(this, {6840, 2700, 495, 615}, "?", colors::lightRed, arial(24), Align::center),
      Image1(this, {6300, 3480, 1635, 1515}, true, "Teddy"),
      CommandNew(this, {2340, 3720, 2295, 615}, "New Problem", arial(13.5)),
      CheckMulti(this, {180, 3720, 195, 315}, {}, colors::lightRed),
      Label3(this, {420, 3780, 1215, 255}, "Allow Multiply", colors::lightRed),
      CheckDiv(this, {180, 4080, 195, 315}, {}, colors::lightRed),
      Label4(this, {420, 4140, 1215, 255}, "Allow Divide", colors::lightRed),
      Label7(this, {7800, 3780, 1095, 375}, "Score", colors::lightRed, arial(13.5), Align::center),
      LabelRightCnt(this, {8100, 4260, 555, 435}, "0", colors::lightRed, arial(13.5), Align::center),
      CommandGrade(this, {7740, 5160, 1275, 315}, "New Score"), ImageA1(this, {7740, 240, 1185, 1680}, true, "A+"),
      ImageA2(this, {7740, 2040, 1185, 1680}, true, "A+"),
      CommandEnd(this, {540, 5280, 2295, 555}, "Go To 123s", arial(13.5)), Curmenu(this, "Pointer"),
      TedCur(&Curmenu, "Teddy Pointer"), PointCur(&Curmenu, "Arrow Pointer"), room(room_) {
    arrangeControls();
    // The check boxes have no captions of their own: the labels beside them say what they do.
    const std::pair<platform::CheckBox*, const char*> named[] = {
        {&CheckHadd, "Harder Add Problem"},      {&CheckHsub, "Harder Subtract Problem"},
        {&CheckMhard, "Harder Multiply Problem"}, {&CheckDhard, "Harder Divide Problem"},
        {&Check1, "Allow Less Than Zero"},        {&CheckMulti, "Allow Multiply"},
        {&CheckDiv, "Allow Divide"}};
    for (const auto& [box, name] : named)
        box->setAccessibleName(name);
    connectHandlers();
    connectKindHandlers();
}

void Form8::arrangeControls() {
    Image1.setBuiltinPicture("teddy");
    ImageA1.setBuiltinPicture("numbers-problem-rosette");
    ImageA2.setBuiltinPicture("numbers-problem-rosette");
    for (Shape* dot : {&Shape1, &Shape2}) {
        dot->setFillStyle(Shape::solid);
        dot->setFillColor(colors::black);
    }
    for (Control* hidden :
         std::initializer_list<Control*>{&CommandMult, &CommandDiv, &CheckMhard, &LabelMhard, &CheckDhard, &LabelDhard,
                                         &Check1, &LabelLess0, &Line1, &Shape1, &Shape2, &ImageA1, &ImageA2})
        hidden->setVisible(false);
    CommandNew.setMouseIcon(builtinCursor("numbers-counting-eraser-pointer"));
    CommandNew.setMousePointer(pointerCustom);
    conventions::useTeddyPointer(*this);
    conventions::useCarPointer(CommandEnd);
}

void Form8::connectHandlers() {
    for (int i = 0; i < int(LabelAnswer.size()); ++i)
        LabelAnswer[std::size_t(i)].Click.connect([this, i] { LabelAnswer_Click(i); });
    CommandNew.Click.connect([this] { CommandNew_Click(); });
    CommandGrade.Click.connect([this] { CommandGrade_Click(); });
    CommandEnd.Click.connect([this] { CommandEnd_Click(); });
    TedCur.Click.connect([this] { TedCur_Click(); });
    PointCur.Click.connect([this] { PointCur_Click(); });
    for (Label* quiet : {&LabelFirst, &LabelOp, &LabelSecond, &LabelEq})
        quiet->Click.connect([this] { playHono(); });
}

void Form8::connectKindHandlers() {
    CommandAdd.Click.connect([this] { CommandAdd_Click(); });
    CommandSubt.Click.connect([this] { CommandSubt_Click(); });
    CommandMult.Click.connect([this] { CommandMult_Click(); });
    CommandDiv.Click.connect([this] { CommandDiv_Click(); });
    Check1.Click.connect([this] { Check1_Click(); });
    CheckHadd.Click.connect([this] { CheckHadd_Click(); });
    CheckHsub.Click.connect([this] { CheckHsub_Click(); });
    CheckMhard.Click.connect([this] { CheckMhard_Click(); });
    CheckDhard.Click.connect([this] { CheckDhard_Click(); });
    CheckMulti.Click.connect([this] { CheckMulti_Click(); });
    CheckDiv.Click.connect([this] { CheckDiv_Click(); });
}

void Form8::Form_Load() {
    fitToScreen(*this);
    nowDir = Runtime::currentDirectory();
    hardDivide = 0;
    hardMultiply = 0;
    hardAdd = 0;
    hardSubtract = 0;
    answerClicks = 0;
    score = 0;
    problemKind = addKind;
    LabelOp.setCaption("+");
    CommandNew_Click();
}

void Form8::playHono() {
    PlayFromStart(room.form1().MMControl42);
}

void Form8::playDing() {
    PlayFromStart(room.form2().MMControl1);
}

void Form8::showOperatorSign() {
    Line1.setVisible(false);
    Shape1.setVisible(false);
    Shape2.setVisible(false);
    LabelOp.setVisible(true);
}

void Form8::showOperatorBar() {
    Line1.setVisible(true);
    Shape1.setVisible(false);
    Shape2.setVisible(false);
    LabelOp.setVisible(false);
}

void Form8::CommandNew_Click() {
    for (Label& answer : LabelAnswer)
        answer.setBackColor(colors::white);
    answerClicks = 0;
    Label2.setVisible(true);
    Label1.setCaption("What is the correct answer?");
    Label1.setBackColor(colors::white);
    conventions::showTeddy(Image1, nowDir, "TEDDY.ICO");
    switch (problemKind) {
    case addKind:
        LabelOp.setCaption("+");
        showOperatorSign();
        makeAddProblem();
        break;
    case subtractKind:
        LabelOp.setCaption("-");
        showOperatorBar();
        makeSubtractProblem();
        break;
    case multiplyKind:
        LabelOp.setCaption("x");
        showOperatorSign();
        makeMultiplyProblem();
        break;
    case subtractBelowZeroKind:
        LabelOp.setCaption("-");
        showOperatorBar();
        makeSubtractMinusProblem();
        break;
    case divideKind:
        LabelOp.setCaption("/");
        showOperatorBar();
        Shape1.setVisible(true);
        Shape2.setVisible(true);
        makeDivideProblem();
        break;
    default:
        break;
    }
}

void Form8::makeAddProblem() {
    makeProblem(addKind, hardAdd);
}
void Form8::makeSubtractProblem() {
    makeProblem(subtractKind, hardSubtract);
}
void Form8::makeSubtractMinusProblem() {
    makeProblem(subtractBelowZeroKind, hardSubtract);
}
void Form8::makeMultiplyProblem() {
    makeProblem(multiplyKind, hardMultiply);
}
void Form8::makeDivideProblem() {
    makeProblem(divideKind, hardDivide);
}

void Form8::makeProblem(int kind, std::int16_t harder) {
    for (Label& answer : LabelAnswer)
        answer.setCaption({});
    const Problem problem = ProblemMaker(random).make(kind, harder == 1);
    firstValue = problem.firstValue;
    secondValue = problem.secondValue;
    if (kind == divideKind)
        dividend = problem.dividend;
    LabelFirst.setCaption(QString::number(problem.shownFirst(kind)));
    LabelSecond.setCaption(QString::number(secondValue));
    rightAnswer = problem.rightAnswer;
    if (problem.wrongRange != 0)
        wrongRange = problem.wrongRange;
    rightPlace = problem.rightPlace;
    wrongAnswer = problem.wrongAnswer;
    (problem.usesSecondArray ? usedWrongAnswers2 : usedWrongAnswers) = problem.used;
    for (std::size_t i = 0; i < LabelAnswer.size(); ++i)
        LabelAnswer[i].setCaption(QString::number(problem.answers[i]));
}

void Form8::LabelAnswer_Click(int index) {
    Label& answer = LabelAnswer[std::size_t(index)];
    if (answer.caption().toInt() == rightAnswer) {
        answer.setBackColor(colors::green);
        conventions::showTeddy(Image1, nowDir, "TEDBYE.ICO");
        playDing();
        Label2.setVisible(false);
        Label1.setCaption("You are right");
        Label1.setBackColor(colors::green);
        ++answerClicks;
        if (answerClicks == 1) {
            ++score;
            LabelRightCnt.setCaption(QString::number(score));
        }
    } else {
        answer.setBackColor(colors::red);
        conventions::showTeddy(Image1, nowDir, "TEDHONO.ICO");
        playHono();
        ++answerClicks;
    }
    if (score == 25)
        ImageA1.setVisible(true);
    if (score == 50)
        ImageA2.setVisible(true);
}

void Form8::CommandAdd_Click() {
    Check1.setVisible(false);
    // Clearing a ticked box runs its action at once: a subtraction is made, then replaced below.
    Check1.setValue(0);
    LabelLess0.setVisible(false);
    problemKind = addKind;
    CommandNew_Click();
}

void Form8::CommandSubt_Click() {
    problemKind = subtractKind;
    Check1.setVisible(true);
    LabelLess0.setVisible(true);
    if (Check1.value() == 1)
        problemKind = subtractBelowZeroKind;
    CommandNew_Click();
}

void Form8::CommandMult_Click() {
    Check1.setVisible(false);
    Check1.setValue(0);
    LabelLess0.setVisible(false);
    problemKind = multiplyKind;
    CommandNew_Click();
}

void Form8::CommandDiv_Click() {
    Check1.setVisible(false);
    Check1.setValue(0);
    LabelLess0.setVisible(false);
    problemKind = divideKind;
    CommandNew_Click();
}

void Form8::Check1_Click() {
    problemKind = Check1.value() == 1 ? subtractBelowZeroKind : subtractKind;
    CommandNew_Click();
}

void Form8::CheckHadd_Click() {
    hardAdd = static_cast<std::int16_t>(CheckHadd.value());
    if (problemKind == addKind)
        CommandNew_Click();
}

void Form8::CheckHsub_Click() {
    hardSubtract = static_cast<std::int16_t>(CheckHsub.value());
    if (problemKind == subtractKind || problemKind == subtractBelowZeroKind)
        CommandNew_Click();
}

void Form8::CheckMhard_Click() {
    hardMultiply = static_cast<std::int16_t>(CheckMhard.value());
    if (problemKind == multiplyKind)
        CommandNew_Click();
}

void Form8::CheckDhard_Click() {
    hardDivide = static_cast<std::int16_t>(CheckDhard.value());
    if (problemKind == divideKind)
        CommandNew_Click();
}

void Form8::CheckMulti_Click() {
    CommandMult.setVisible(CheckMulti.value() == 1);
    CheckMhard.setVisible(CommandMult.visible());
    LabelMhard.setVisible(CommandMult.visible());
    if (problemKind == multiplyKind) {
        problemKind = addKind;
        CommandNew_Click();
    }
}

void Form8::CheckDiv_Click() {
    CommandDiv.setVisible(CheckDiv.value() == 1);
    CheckDhard.setVisible(CommandDiv.visible());
    LabelDhard.setVisible(CommandDiv.visible());
    if (problemKind == divideKind) {
        problemKind = addKind;
        CommandNew_Click();
    }
}

void Form8::CommandGrade_Click() {
    score = 0;
    ImageA1.setVisible(false);
    ImageA2.setVisible(false);
    LabelRightCnt.setCaption("0");
}

void Form8::CommandEnd_Click() {
    room.form5().show();
    hide();
}

void Form8::TedCur_Click() {
    conventions::choosePointerFile(*this, nowDir, "teddy.cur");
}

void Form8::PointCur_Click() {
    conventions::chooseArrowPointer(*this);
}
