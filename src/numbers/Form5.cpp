#include "numbers/Form5.h"

#include "abc/Form1.h"
#include "creative/Form2.h"
#include "creative/Form3.h"
#include "numbers/Form6.h"
#include "numbers/Form7.h"
#include "numbers/Form8.h"
#include "platform/Runtime.h"
#include "shell/Classroom.h"
#include "shell/Conventions.h"
#include "shell/FitToScreen.h"

using namespace platform;

Form5::Form5(Classroom& room_)
    : Form(" Pipkin's Classroom    123s     Count to 20", colors::lightRed),
      LabelEnd(this, {180, 5760, 2025, 435}, "Go To ABCs", colors::red, FontSpec{"MS Sans Serif", 18, true}, Align::center),
      LabelmoreMath(this, {2400, 5760, 1575, 435}, "Multiply", rgb(128, 255, 128), FontSpec{"MS Sans Serif", 13.5, true}, Align::center),
      LabelProblems(this, {4200, 5760, 1695, 435}, "Problems Board", rgb(192, 192, 255), FontSpec{"MS Sans Serif", 9.75, true}, Align::center),
      room(room_) {
    conventions::useTeddyPointer(*this);
    conventions::useCarPointer(LabelEnd);
    LabelEnd.Click.connect([this] { LabelEnd_Click(); });
    conventions::useCarPointer(LabelmoreMath);
    LabelmoreMath.Click.connect([this] { LabelmoreMath_Click(); });
    conventions::useCarPointer(LabelProblems);
    LabelProblems.Click.connect([this] { LabelProblems_Click(); });
}

void Form5::Form_Load() {
    nowDir = Runtime::currentDirectory();
    fitToScreen(*this);
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
