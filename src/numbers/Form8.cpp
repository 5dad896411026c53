#include "numbers/Form8.h"

#include "numbers/Form5.h"
#include "platform/Runtime.h"
#include "shell/Classroom.h"
#include "shell/Conventions.h"
#include "shell/FitToScreen.h"

using namespace platform;

Form8::Form8(Classroom& room_)
    : Form(" Pipkin's Classroom    Problem Board", colors::lightRed),
      CommandEnd(this, {540, 5280, 2295, 555}, "Go To 123s", FontSpec{"MS Sans Serif", 13.5}),
      room(room_) {
    conventions::useTeddyPointer(*this);
    conventions::useCarPointer(CommandEnd);
    CommandEnd.Click.connect([this] { CommandEnd_Click(); });
}

void Form8::Form_Load() {
    nowDir = Runtime::currentDirectory();
    fitToScreen(*this);
}

void Form8::CommandEnd_Click() {
    room.form5().show();
    hide();
}
