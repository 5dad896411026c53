#include "settings/Form10.h"

#include "abc/Form1.h"
#include "shell/Classroom.h"
#include "shell/Conventions.h"
#include "shell/FitToScreen.h"

using namespace platform;

Form10::Form10(Classroom& room_)
    : Form(" Pipkin's Classroom  Password", colors::lightRed),
      Command1(this, {1980, 4740, 2295, 795}, "Go To ABCs", {"MS Sans Serif", 13.5}), room(room_) {
    conventions::useCarPointer(Command1);
    Command1.Click.connect([this] { Command1_Click(); });
}

void Form10::Form_Load() { fitToScreen(*this); }

void Form10::Command1_Click() {
    room.form1().show();
    hide();
}
