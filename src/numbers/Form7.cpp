#include "numbers/Form7.h"

#include "numbers/Form5.h"
#include "numbers/Form6.h"
#include "numbers/form9.h"
#include "platform/Runtime.h"
#include "shell/Classroom.h"
#include "shell/Conventions.h"
#include "shell/FitToScreen.h"

using namespace platform;

Form7::Form7(Classroom& room_)
    : Form(" Pipkin's Classroom    Multiply Board", colors::lightRed),
      CmdtoDivide(this, {6060, 5280, 2235, 495}, "Go To Divide", FontSpec{"MS Sans Serif", 13.5}),
      ComTimesTabel(this, {3420, 5280, 2235, 495}, "Times Tables", FontSpec{"MS Sans Serif", 13.5}),
      EndButton(this, {660, 5280, 2355, 495}, "Go To 123s", FontSpec{"MS Sans Serif", 13.5}),
      room(room_) {
    conventions::useTeddyPointer(*this);
    conventions::useCarPointer(CmdtoDivide);
    CmdtoDivide.Click.connect([this] { CmdtoDivide_Click(); });
    conventions::useCarPointer(ComTimesTabel);
    ComTimesTabel.Click.connect([this] { ComTimesTabel_Click(); });
    conventions::useCarPointer(EndButton);
    EndButton.Click.connect([this] { EndButton_Click(); });
}

void Form7::Form_Load() {
    nowDir = Runtime::currentDirectory();
    fitToScreen(*this);
}

void Form7::CmdtoDivide_Click() {
    room.form9().show();
    hide();
}

void Form7::ComTimesTabel_Click() {
    room.form6().show();
    hide();
}

void Form7::EndButton_Click() {
    room.form5().show();
    hide();
}
