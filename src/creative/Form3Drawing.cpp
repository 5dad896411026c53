// The ChalkBoard's drawing, backgrounds, pointers and its one saved picture.
#include "creative/Form2.h"
#include "creative/Form3.h"
#include "platform/Files.h"
#include "platform/Pictures.h"
#include "shell/Conventions.h"
#include "shell/SoundBank.h"

using namespace platform;
using creative::Background;

// Every button draws; the press leaves a dot as wide as the pen.
void Form3::Form_MouseDown(int x, int y) {
    PaintNow = -1;
    takePen();
    penAt_ = {x, y};
    canvas.line(penAt_, {x, y});
}

void Form3::Form_MouseMove(int buttons, int x, int y) {
    // No button is held, yet a stroke is still going: its release never arrived (it happened where
    // the board could not see it). The stroke ended there; the pointer must not drag a line along.
    if (buttons == 0)
        PaintNow = 0;
    takePen();
    if (PaintNow != 0) {
        canvas.line(penAt_, {x, y});
        penAt_ = {x, y};
    }
}

void Form3::Form_MouseUp() {
    PaintNow = 0;
}

void Form3::takePen() {
    setForeColor(colorc);
    canvas.setPen(brush, colorc);
}

void Form3::menbgblack_Click() {
    chooseBackground(Background::black);
}
void Form3::menbgwhite_Click() {
    chooseBackground(Background::white);
}
void Form3::MenubgLtBlue_Click() {
    chooseBackground(Background::lightBlue);
}

// The chalk and the teddy pointer change with the background so that both stay visible on it.
void Form3::chooseBackground(Background background) {
    const creative::BackgroundChoice choice = creative::backgroundChoice(background);
    OleColor back = choice.back;
    if (background == Background::black) {
        bg3b = fromHexText(choice.backText).value_or(choice.back);
        back = bg3b;
    } else if (background == Background::white) {
        bg3w = fromHexText(choice.backText).value_or(choice.back);
        back = bg3w;
    }
    colorbg = back;
    paintBackColor(colorbg);
    colorc = fromHexText(choice.chalkText).value_or(colorc);
    // Only the picture changes: the board keeps whichever pointer kind it has.
    if (const std::optional<QCursor> pointer = loadCursor(filePath(nowDir, choice.pointerFile)))
        setMouseIcon(*pointer);
}

void Form3::Curselect_Opened() {
    const creative::TeddyItems items = creative::teddyItemsFor(colorbg);
    if (items.lightEnabled)
        tedwhite.setEnabled(*items.lightEnabled);
    if (items.darkEnabled)
        tedblack.setEnabled(*items.darkEnabled);
}

void Form3::tedwhite_Click() {
    conventions::choosePointerFile(*this, nowDir, "teddy2.cur");
}
void Form3::tedblack_Click() {
    conventions::choosePointerFile(*this, nowDir, "teddy.cur");
}
void Form3::curpoint_Click() {
    conventions::chooseArrowPointer(*this);
}

void Form3::SaveOnMenu_Click() {
    canvas.clearStrokes();
    canvas.removePicture();
    setAutoRedraw(true);
    CommandSavepic.setVisible(true);
    CommandLoadpic.setVisible(true);
    CustomColor.setVisible(true);
}

void Form3::SaveaoffMenu_Click() {
    setAutoRedraw(false);
    CommandSavepic.setVisible(false);
    CommandLoadpic.setVisible(false);
    CustomColor.setVisible(false);
}

void Form3::Clear_Click() {
    playDing();
    canvas.clearStrokes();
    canvas.removePicture();
}

// A failed write leaves the earlier picture whole and ends here, without a sound.
void Form3::CommandSavepic_Click() {
    if (!canvas.saveBmp(filePath(nowDir, "cboard.bmp")))
        return;
    playDing();
}

// Nothing saved yet, or not a picture: the child gets a clean board instead.
void Form3::CommandLoadpic_Click() {
    const std::optional<QPixmap> picture = loadPicture(filePath(nowDir, "cboard.bmp"));
    if (!picture) {
        canvas.clearStrokes();
        canvas.removePicture();
        return;
    }
    canvas.setPicture(picture->toImage());
    playDing();
}
