#include "numbers/Form6.h"

#include "abc/Form1.h"
#include "numbers/ControlRow.h"
#include "numbers/Form7.h"
#include "numbers/TimesTable.h"
#include "numbers/form9.h"
#include "platform/Pictures.h"
#include "platform/Runtime.h"
#include "shell/Classroom.h"
#include "shell/Conventions.h"
#include "shell/FitToScreen.h"
#include "shell/SoundBank.h"

using namespace platform;

namespace {

// The keypad's places: 1 2 3 on top, 0 alone under 8.
constexpr std::array<TwipsRect, 10> keypadPlaces{{{7080, 3720, 555, 555},
                                                  {6240, 1200, 555, 555},
                                                  {7080, 1200, 555, 555},
                                                  {7920, 1200, 555, 555},
                                                  {6240, 2040, 555, 555},
                                                  {7080, 2040, 555, 555},
                                                  {7920, 2040, 555, 555},
                                                  {6240, 2880, 555, 555},
                                                  {7080, 2880, 555, 555},
                                                  {7920, 2880, 555, 555}}};

TwipsRect optionPlace(int index) {
    if (index < 10)
        return {4320, 960 + 420 * index, 555, 375};
    return {4980, 960 + 420 * (index - 10), 555, 375};
}

} // namespace

Form6::Form6(Classroom& room_)
    : Form(" Pipkin's Classroom   Times Tables", colors::lightRed), Line1(this, 360, 120, 360, 6420),
      Labeltimes0(numbers::makeControls<13>([this](int i) {
          return Label{this, {540, 180 + 480 * i, 3495, 435}, {}, colors::lightRed, msSansSerif(24), Align::left};
      })),
      LabelTT(this, {4200, 180, 4155, 555}, "Times Tables", std::nullopt, msSansSerif(24), Align::center),
      Option1(numbers::makeControls<13>([this](int i) {
          return OptionButton{this, optionPlace(i), QString::number(i), colors::paleRed, msSansSerif(9.75)};
      })),
      Command1(numbers::makeControls<10>([this](int i) {
          return CommandButton{this, keypadPlaces[std::size_t(i)], QString::number(i), msSansSerif(24)};
      })),
      Check1(this, {6420, 4380, 1875, 315}, "Also show  10  11  12", colors::paleRed, msSansSerif(8.25)),
      Image1(this, {5160, 5220, 1605, 1440}, true, "Waving teddy"),
      CommandEnd(this, {6840, 5280, 1995, 435}, "Go To Miltiply", msSansSerif(13.5)),
      CommandDiv(this, {6840, 5940, 1995, 435}, "Go To Divide", msSansSerif(13.5)), Curmenu(this, "Pointer"),
      TedCur(&Curmenu, "Teddy Pointer"), PointCur(&Curmenu, "Arrow Pointer"), room(room_) {
    for (int i = 10; i <= 12; ++i) {
        Labeltimes0[std::size_t(i)].setVisible(false);
        Option1[std::size_t(i)].setVisible(false);
    }
    Image1.setBuiltinPicture("waving-teddy-pointer");
    setMouseIcon(builtinCursor("numbers-tables-red-teddy-pointer"));
    setMousePointer(pointerCustom);
    conventions::useCarPointer(CommandEnd);
    conventions::useCarPointer(CommandDiv);
    connectHandlers();
}

void Form6::connectHandlers() {
    for (int i = 0; i <= 12; ++i) {
        Option1[std::size_t(i)].Click.connect([this, i] { Option1_Click(i); });
        Labeltimes0[std::size_t(i)].Click.connect([this] { clickSound(); });
    }
    for (int i = 0; i <= 9; ++i)
        Command1[std::size_t(i)].Click.connect([this, i] { Command1_Click(i); });
    Check1.Click.connect([this] { Check1_Click(); });
    CommandEnd.Click.connect([this] { CommandEnd_Click(); });
    CommandDiv.Click.connect([this] { CommandDiv_Click(); });
    Click.connect([this] { clickSound(); });
    Image1.Click.connect([this] { clickSound(); });
    LabelTT.Click.connect([this] { clickSound(); });
    TedCur.Click.connect([this] { TedCur_Click(); });
    PointCur.Click.connect([this] { PointCur_Click(); });
}

void Form6::Form_Load() {
    nowDir = Runtime::currentDirectory();
    fitToScreen(*this);
    resetToTableOne();
}

// Hidden rows are filled too, so ticking the box shows them already right.
void Form6::fillRows(int table) {
    for (int n = 0; n <= 12; ++n)
        Labeltimes0[std::size_t(n)].setCaption(numbers::timesTableRow(table, n));
}

// The rows are filled before option 1 is chosen: choosing the option that is already chosen may not
// count as a click.
void Form6::resetToTableOne() {
    fillRows(1);
    Option1[1].setValue(true);
}

void Form6::Option1_Click(int index) {
    fillRows(index);
}

void Form6::Command1_Click(int index) {
    Option1[std::size_t(index)].setValue(true);
    fillRows(index);
}

void Form6::Check1_Click() {
    const bool ticked = Check1.value() == 1;
    for (int i = 10; i <= 12; ++i)
        Option1[std::size_t(i)].setVisible(ticked);
    for (int i = 10; i <= 12; ++i)
        Labeltimes0[std::size_t(i)].setVisible(ticked);
    resetToTableOne();
}

void Form6::CommandDiv_Click() {
    room.form9().show();
    hide();
}

void Form6::CommandEnd_Click() {
    room.form7().show();
    hide();
}

void Form6::clickSound() {
    PlayFromStart(room.form1().MMControl42);
}

void Form6::TedCur_Click() {
    conventions::choosePointerFile(*this, nowDir, "teddy.cur");
}

void Form6::PointCur_Click() {
    conventions::chooseArrowPointer(*this);
}
