#include "numbers/Form6.h"

#include "numbers/Form7.h"
#include "numbers/form9.h"
#include "platform/Runtime.h"
#include "shell/Classroom.h"
#include "shell/Conventions.h"
#include "shell/FitToScreen.h"

using namespace platform;

Form6::Form6(Classroom& room_)
    : Form(" Pipkin's Classroom   Times Tables", colors::lightRed),
      CommandDiv(this, {6840, 5940, 1995, 435}, "Go To Divide", FontSpec{"MS Sans Serif", 13.5}),
      CommandEnd(this, {6840, 5280, 1995, 435}, "Go To Miltiply", FontSpec{"MS Sans Serif", 13.5}),
      room(room_) {
    conventions::useTeddyPointer(*this);
    conventions::useCarPointer(CommandDiv);
    CommandDiv.Click.connect([this] { CommandDiv_Click(); });
    conventions::useCarPointer(CommandEnd);
    CommandEnd.Click.connect([this] { CommandEnd_Click(); });
}

void Form6::Form_Load() {
    nowDir = Runtime::currentDirectory();
    fitToScreen(*this);
}

void Form6::CommandDiv_Click() {
    room.form9().show();
    hide();
}

void Form6::CommandEnd_Click() {
    room.form7().show();
    hide();
}
