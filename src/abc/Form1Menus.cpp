// The ABCs board's own menus: the pointer, the Help menu and the About box. The parent's settings
// menus are built with the board; their items answer once the settings are in place.
#include "abc/Form1.h"

#include "letter/ReadMe.h"
#include "platform/MessageBox.h"
#include "shell/Classroom.h"
#include "shell/Conventions.h"

void Form1::connectMenus() {
    curPoint.Click.connect([this] { curPoint_Click(); });
    curTeddy.Click.connect([this] { curTeddy_Click(); });
    insthelp.Click.connect([this] { insthelp_Click(); });
    aboutmenu.Click.connect([this] { aboutmenu_Click(); });
}

void Form1::curPoint_Click() {
    conventions::chooseArrowPointer(*this);
}

void Form1::curTeddy_Click() {
    conventions::choosePointerFile(*this, nowDir, "teddy.cur");
}

void Form1::insthelp_Click() {
    room.readMe().openForHelp();
}

void Form1::aboutmenu_Click() {
    platform::MessageBox::show(
        "Pipkin's Classroom version 1.4 - made for our little learners - (c) the Pipkin's Classroom makers, "
        "all rights reserved");
}
