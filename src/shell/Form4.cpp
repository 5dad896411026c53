#include "shell/Form4.h"

#include "platform/Pictures.h"
#include "platform/Runtime.h"
#include "platform/Screen.h"
#include "shell/Classroom.h"

namespace {
constexpr int titleWidth = 500;
constexpr int titleHeight = 400;
} // namespace

Form4::Form4(Classroom& room_)
    : platform::Form("   ABCs by Tobble", platform::rgb(0, 0, 128)),
      Image1(this, {0, 0, 7500, 6000}, true, "Pipkin's Classroom title picture"), room(room_) {
    MouseMove.connect([this](int, int, int, int) { Form_MouseMove(); });
    Image1.MouseMove.connect([this](int, int, int, int) { Form_MouseMove(); });
}

void Form4::Form_Load() {
    nowDir = platform::Runtime::currentDirectory();
    // The title picture fills the screen's middle at its own proportions.
    using platform::Screen;
    const QSize screen = Screen::pixels();
    const int w = std::min(screen.width() * 3 / 5, screen.height() * 3 / 5 * titleWidth / titleHeight);
    const int h = w * titleHeight / titleWidth;
    setGeometry((screen.width() - w) / 2, (screen.height() - h) / 2, w, h);
    Image1.setBuiltinPicture("title");
    Image1.move({0, 0, Screen::toTwips(w), Screen::toTwips(h)});
}

void Form4::Form_MouseMove() { room.fitAllBoards(); }
