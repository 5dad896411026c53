#include "creative/Color.h"

#include "creative/Form3.h"
#include "platform/Screen.h"
#include "shell/Classroom.h"

using namespace platform;

Color::Color(Classroom& room_)
    : Form("  Pipkin's Classroom  Custom Color", colors::buttonFace), Picture1(this, {120, 840, 1935, 1995}),
      room(room_) {
    Picture1.Click.connect([this] { Picture1_Click(); });
}

void Color::Form_Load() { resize(Screen::toPixels(2295), Screen::toPixels(3300)); }

void Color::Picture1_Click() {
    hide();
    room.form3().show();
}
