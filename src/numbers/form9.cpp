#include "numbers/form9.h"

#include "numbers/Form5.h"
#include "numbers/Form6.h"
#include "numbers/Form7.h"
#include "platform/Runtime.h"
#include "shell/Classroom.h"
#include "shell/Conventions.h"
#include "shell/FitToScreen.h"

using namespace platform;

form9::form9(Classroom& room_)
    : Form(" Pipkin's Classroom    Divide Board", colors::lightRed),
      Command1(this, {240, 5700, 2295, 495}, "Go To 123s", FontSpec{"MS Sans Serif", 13.5}),
      Command3(this, {2760, 5700, 2775, 495}, "Go To Times Tables", FontSpec{"MS Sans Serif", 13.5}),
      Commandmult(this, {5760, 5700, 1995, 495}, "Go To Miltiply", FontSpec{"MS Sans Serif", 13.5}),
      room(room_) {
    conventions::useTeddyPointer(*this);
    conventions::useCarPointer(Command1);
    Command1.Click.connect([this] { Command1_Click(); });
    conventions::useCarPointer(Command3);
    Command3.Click.connect([this] { Command3_Click(); });
    conventions::useCarPointer(Commandmult);
    Commandmult.Click.connect([this] { Commandmult_Click(); });
}

void form9::Form_Load() {
    nowDir = Runtime::currentDirectory();
    fitToScreen(*this);
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
