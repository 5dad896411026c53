#include "letter/ReadMe.h"

#include "abc/Form1.h"
#include "platform/Files.h"
#include "platform/Runtime.h"
#include "shell/Classroom.h"
#include "shell/Conventions.h"
#include "shell/FitToScreen.h"

using namespace platform;

ReadMe::ReadMe(Classroom& room_)
    : Form(" Pipkin's Classroom   Letter Board", colors::lightRed),
      Text1(this, {120, 1440, 9360, 4200}, TextBox::Lines::multi), Command1(this, {120, 5700, 2865, 795}, "Go To ABCs"),
      Combo1(this, {3540, 60, 2895, 315}, true), room(room_) {
    conventions::useCarPointer(Command1);
    Command1.Click.connect([this] { Command1_Click(); });
}

void ReadMe::Form_Load() {
    nowDir = Runtime::currentDirectory();
    fitToScreen(*this);
}

void ReadMe::openForWriting() {
    writeNow = 1;
    room.form1().writeNow = 1;
    Text1.setLocked(false);
    Text1.setText(KeepText);
    Text1.setMaxLength(3028);
    Text1.setFocus();
}

void ReadMe::openForHelp() {
    writeNow = 0;
    show();
    room.form1().hide();
    Text1.setLocked(true);
    Text1.setFontSize(8);
    Text1.setFontName("MS Sans Serif");
    Text1.setMaxLength(0);
    const std::optional<QByteArray> help = readWholeFile(filePath(nowDir, "help.txt"));
    Text1.setText(help ? QString::fromUtf8(*help) : QString("The file Help.txt not found"));
}

void ReadMe::Command1_Click() {
    if (writeNow == 1)
        KeepText = Text1.text();
    Text1.setText({});
    hide();
    room.form1().show();
    room.form1().Label1.setCaption("ABCs");
}
