#include "creative/Form3.h"

#include "abc/Form1.h"
#include "creative/Color.h"
#include "creative/Form2.h"
#include "platform/Files.h"
#include "platform/Pictures.h"
#include "platform/Runtime.h"
#include "shell/Classroom.h"
#include "shell/Conventions.h"
#include "shell/FitToScreen.h"
#include "shell/SoundBank.h"

#include <cmath>

using namespace platform;
using creative::Background;
using creative::ChalkWidth;

namespace {
constexpr OleColor brownBox = rgb(128, 64, 0);
constexpr OleColor brownChalk = rgb(80, 40, 0);
constexpr OleColor panelGrey = rgb(128, 128, 128);
constexpr OleColor lightGrey = rgb(192, 192, 192);

void useBuiltinPointer(Control& control, const QString& asset) {
    control.setMouseIcon(builtinCursor(asset));
    control.setMousePointer(pointerCustom);
}
} // namespace

Form3::Form3(Classroom& room_)
    : Form(" Pipkin's Classroom    ChalkBoard", colors::black), Frame1(this, {0, 4200, 10125, 3285}, {}, panelGrey),
      White(&Frame1, {120, 180, 555, 555}, TextBox::Lines::single, "White"),
      black(&Frame1, {720, 180, 555, 555}, TextBox::Lines::single, "Black"),
      Red(&Frame1, {1320, 180, 555, 555}, TextBox::Lines::single, "Red"),
      Blue(&Frame1, {1920, 180, 555, 555}, TextBox::Lines::single, "Blue"),
      Green(&Frame1, {2520, 180, 555, 555}, TextBox::Lines::single, "Green"),
      Yellow(&Frame1, {3120, 180, 555, 555}, TextBox::Lines::single, "Yellow"),
      Purple(&Frame1, {3720, 180, 555, 555}, TextBox::Lines::single, "Purple"),
      brown(&Frame1, {4320, 180, 555, 555}, TextBox::Lines::single, "Brown"),
      CustomColor(&Frame1, {4920, 180, 555, 555}, TextBox::Lines::multi, "Make \r\nColor\r\n"),
      Image1(&Frame1, {5520, 360, 1320, 1305}, true, "Teddy"),
      Clear(&Frame1, {7380, 480, 1290, 555}, "New Picture", {"Arial", 9.75}),
      CommandSavepic(&Frame1, {6840, 1200, 1155, 495}, "Save Picture"),
      CommandLoadpic(&Frame1, {8100, 1200, 1155, 495}, "Get Picture"),
      small(&Frame1, {180, 840, 870, 315}, "Small Line", colors::cyan, {"Arial", 8.25}, Align::center),
      Meduim(&Frame1, {1215, 840, 1440, 375}, "Medium Line", colors::white, {"Arial", 12}, Align::center),
      Large(&Frame1, {2820, 840, 1785, 435}, "Large Line", colors::cyan, {"Arial", 18}, Align::center),
      Command1(&Frame1, {240, 1380, 2475, 375}, "GoTo Colors and Shapes", {"Arial", 8.25}),
      MMControl2(this, {540, 180, 960, 495}), room(room_) {
    setUpLook();
    connectHandlers();
    connectMenus();
}

void Form3::setUpLook() {
    setForeColor(colors::white);
    const std::pair<TextBox*, OleColor> boxes[] = {
        {&White, colors::white}, {&black, colors::black},   {&Red, colors::red},        {&Blue, colors::blue},
        {&Green, colors::green}, {&Yellow, colors::yellow}, {&Purple, colors::magenta}, {&brown, brownBox}};
    for (const auto& [box, colour] : boxes) {
        box->setBackColor(colour);
        box->setPressable(true);
        box->setAccessibleName(box->text());
        useBuiltinPointer(*box, "creative-chalk-pointer");
    }
    black.setForeColor(colors::white);
    CustomColor.setPressable(true);
    CustomColor.setAccessibleName("Make Color");
    CustomColor.setBackColor(lightGrey);
    CustomColor.setForeColor(colors::black);
    CustomColor.setVisible(false);
    Image1.setBuiltinPicture("waving-teddy-pointer");
    Clear.setBackColor(lightGrey);
    useBuiltinPointer(Clear, "creative-pencil-pointer");
    CommandSavepic.setVisible(false);
    CommandLoadpic.setVisible(false);
    for (Label* sample : {&small, &Meduim, &Large})
        useBuiltinPointer(*sample, "creative-line-pointer");
    conventions::useCarPointer(Command1);
    conventions::useTeddyPointer(*this);
    MMControl2.setVisible(false);
}

void Form3::connectHandlers() {
    setEveryPressDraws(true);
    Unload.connect([this] { Form_Unload(); });
    MouseDown.connect([this](int, int, int x, int y) { Form_MouseDown(x, y); });
    MouseMove.connect([this](int buttons, int, int x, int y) { Form_MouseMove(buttons, x, y); });
    MouseUp.connect([this](int, int, int, int) { Form_MouseUp(); });
    White.Click.connect([this] { White_Click(); });
    black.Click.connect([this] { black_Click(); });
    Red.Click.connect([this] { Red_Click(); });
    Blue.Click.connect([this] { Blue_Click(); });
    Green.Click.connect([this] { Green_Click(); });
    Yellow.Click.connect([this] { Yellow_Click(); });
    Purple.Click.connect([this] { Purple_Click(); });
    brown.Click.connect([this] { brown_Click(); });
    small.Click.connect([this] { small_Click(); });
    Meduim.Click.connect([this] { Meduim_Click(); });
    Large.Click.connect([this] { Large_Click(); });
    Clear.Click.connect([this] { Clear_Click(); });
    CommandSavepic.Click.connect([this] { CommandSavepic_Click(); });
    CommandLoadpic.Click.connect([this] { CommandLoadpic_Click(); });
    Command1.Click.connect([this] { Command1_Click(); });
    CustomColor.Click.connect([this] { CustomColor_Click(); });
    Frame1.Click.connect([this] { playHono(); });
    Image1.Click.connect([this] { playHono(); });
}

void Form3::connectMenus() {
    menbgblack.Click.connect([this] { menbgblack_Click(); });
    menbgwhite.Click.connect([this] { menbgwhite_Click(); });
    MenubgLtBlue.Click.connect([this] { MenubgLtBlue_Click(); });
    Curselect.Opened.connect([this] { Curselect_Opened(); });
    tedwhite.Click.connect([this] { tedwhite_Click(); });
    tedblack.Click.connect([this] { tedblack_Click(); });
    curpoint.Click.connect([this] { curpoint_Click(); });
    SaveOnMenu.Click.connect([this] { SaveOnMenu_Click(); });
    SaveaoffMenu.Click.connect([this] { SaveaoffMenu_Click(); });
}

void Form3::Form_Load() {
    nowDir = Runtime::currentDirectory();
    fitToScreen(*this);
    placeFrame();
    brush = 8;
    colorc = fromHexText("&HFFFFFF").value_or(colors::white);
    setForeColor(colorc);
    colorbg = fromHexText("&H000000").value_or(colors::black);
    paintBackColor(colorbg);
    OpenSoundDevice(MMControl2, "WaveAudio", filePath(nowDir, "dip.WAV"));
    MMControl2.command("Open");
}

void Form3::placeFrame() {
    const int top = int(std::lround(0.65 * height()));
    Frame1.setTop(top);
    Frame1.setWidth(clientWidth());
    Frame1.setHeight(clientHeight() - top);
}

void Form3::Form_Unload() {
    MMControl2.command("close");
}

void Form3::White_Click() {
    chooseChalk(colors::white);
}
void Form3::black_Click() {
    chooseChalk(colors::black);
}
void Form3::Red_Click() {
    chooseChalk(colors::red);
}
void Form3::Blue_Click() {
    chooseChalk(colors::blue);
}
void Form3::Green_Click() {
    chooseChalk(colors::green);
}
void Form3::Yellow_Click() {
    chooseChalk(colors::yellow);
}
void Form3::Purple_Click() {
    chooseChalk(colors::magenta);
}
void Form3::brown_Click() {
    chooseChalk(brownChalk);
}

void Form3::chooseChalk(OleColor colour) {
    colorc = colour;
    playDip();
    Clear.setFocus();
}

void Form3::small_Click() {
    chooseWidth(ChalkWidth::small);
}
void Form3::Meduim_Click() {
    chooseWidth(ChalkWidth::medium);
}
void Form3::Large_Click() {
    chooseWidth(ChalkWidth::large);
}

void Form3::chooseWidth(ChalkWidth width) {
    const creative::WidthChoice choice = creative::widthChoice(width);
    brush = choice.brush;
    small.setBackColor(choice.smallBack);
    Meduim.setBackColor(choice.mediumBack);
    Large.setBackColor(choice.largeBack);
    playDing();
}

void Form3::Command1_Click() {
    Clear.setFocus();
    room.form1().hide();
    room.form2().show();
    hide();
    room.color().hide();
}

void Form3::CustomColor_Click() {
    Color& mixer = room.color();
    mixer.setWindowState(mixer.windowState() & ~Qt::WindowMinimized);
    mixer.show();
    mixer.raise();
    mixer.activateWindow();
}

void Form3::paintBackColor(OleColor colour) {
    setBackColor(colour);
    canvas.setBackColor(colour);
}

void Form3::playDing() {
    PlayFromStart(room.form2().MMControl1);
}
void Form3::playDip() {
    PlayFromStart(MMControl2);
}
void Form3::playHono() {
    PlayFromStart(room.form1().MMControl42);
}
