#include "creative/Form3.h"

#include "abc/Form1.h"
#include "creative/Color.h"
#include "creative/Form2.h"
#include "platform/Runtime.h"
#include "shell/Classroom.h"
#include "shell/Conventions.h"
#include "shell/FitToScreen.h"
#include "shell/SoundBank.h"

using namespace platform;

Form3::Form3(Classroom& room_)
    : Form(" Pipkin's Classroom    ChalkBoard", colors::black), Frame1(this, {0, 4230, 10170, 2280}),
      Command1(&Frame1, {240, 1380, 2475, 375}, "GoTo Colors and Shapes", {"Arial", 8.25}),
      Clear(&Frame1, {7380, 480, 1290, 555}, "New Picture", {"Arial", 9.75}),
      CustomColor(&Frame1, {4920, 180, 555, 555}, TextBox::Lines::multi, "Make \r\nColor\r\n"), room(room_) {
    conventions::useCarPointer(Command1);
    conventions::useTeddyPointer(*this);
    CustomColor.setVisible(false);
    MMControl2.setVisible(false);
    Command1.Click.connect([this] { Command1_Click(); });
    CustomColor.Click.connect([this] { CustomColor_Click(); });
    Unload.connect([this] { Form_Unload(); });
}

void Form3::Form_Load() {
    nowDir = Runtime::currentDirectory();
    fitToScreen(*this);
    placeFrame();
    OpenSoundDevice(MMControl2, "WaveAudio", nowDir + "/dip.WAV");
    MMControl2.command("Open");
}

void Form3::placeFrame() { Frame1.setTop(int(0.65 * height())); }

void Form3::Form_Unload() { MMControl2.command("close"); }

void Form3::Command1_Click() {
    Clear.setFocus();
    room.form1().hide();
    room.form2().show();
    hide();
    room.color().hide();
}

void Form3::CustomColor_Click() { room.color().show(); }
