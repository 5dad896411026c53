#include "creative/Form2.h"

#include "abc/Form1.h"
#include "creative/Form3.h"
#include "platform/Runtime.h"
#include "shell/Classroom.h"
#include "shell/Conventions.h"
#include "shell/FitToScreen.h"
#include "shell/SoundBank.h"

using namespace platform;

namespace {
const FontSpec goToFont{"MS Sans Serif", 14.25, true};
} // namespace

Form2::Form2(Classroom& room_)
    : Form("   Pipkin's Cassroom     Colors & Shapes", colors::black),
      Label1(this, {270, 5580, 3120, 645}, "GoTo   ABCs", colors::lightRed, goToFont, Align::center),
      Label4(this, {270, 4740, 3105, 645}, "GoTo  Chalk Board", rgb(128, 255, 128), goToFont, Align::center),
      room(room_) {
    Label1.setForeColor(colors::red);
    Label4.setForeColor(rgb(64, 64, 64));
    conventions::useCarPointer(Label1);
    conventions::useCarPointer(Label4);
    conventions::useTeddyPointer(*this);
    MMControl1.setVisible(false);
    Label1.Click.connect([this] { Label1_Click(); });
    Label4.Click.connect([this] { Label4_Click(); });
    Unload.connect([this] { Form_Unload(); });
}

void Form2::Form_Load() {
    nowDir = Runtime::currentDirectory();
    fitToScreen(*this);
    OpenSoundDevice(MMControl1, "WaveAudio", nowDir + "/ding.WAV");
    MMControl1.command("Open");
}

void Form2::Form_Unload() { MMControl1.command("close"); }

void Form2::Label1_Click() {
    room.form1().show();
    hide();
}

void Form2::Label4_Click() {
    room.form1().hide();
    hide();
    room.form3().show();
}
