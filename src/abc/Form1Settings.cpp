// The parent's settings on the ABCs board's menu bar: menus on every board, printing, ChalkBoard
// saving, the volume button and the recorder mode. None is a variable of its own: each is the
// shown or enabled state of what obeys it, and every start begins from the design state.
#include "abc/Form1.h"

#include "creative/Form2.h"
#include "creative/Form3.h"
#include "letter/ReadMe.h"
#include "numbers/Form5.h"
#include "numbers/Form6.h"
#include "numbers/Form7.h"
#include "numbers/Form8.h"
#include "numbers/form9.h"
#include "platform/MessageBox.h"
#include "platform/system/SystemServices.h"
#include "settings/Form10.h"
#include "shell/Classroom.h"
#include "shell/Conventions.h"

void Form1::connectSettings() {
    MemuVolume.Opened.connect([this] { MemuVolume_Click(); });
    Volumeon.Click.connect([this] { Volumeon_Click(); });
    Volumeoff.Click.connect([this] { Volumeoff_Click(); });
    Menurecorder.Opened.connect([this] { Menurecorder_Click(); });
    RecordPlay.Click.connect([this] { RecordPlay_Click(); });
    menrecord.Click.connect([this] { menrecord_Click(); });
    mennorecord.Click.connect([this] { mennorecord_Click(); });
    menuPrintOn.Click.connect([this] { menuPrintOn_Click(); });
    menuPrintOff.Click.connect([this] { menuPrintOff_Click(); });
    menuChalkOn.Click.connect([this] { menuChalkOn_Click(); });
    menuChalkOff.Click.connect([this] { menuChalkOff_Click(); });
    MenuOptionsOn.Click.connect([this] { MenuOptionsOn_Click(); });
    MenuOptionsOff.Click.connect([this] { MenuOptionsOff_Click(); });
    AllMenuDisable.Click.connect([this] { AllMenuDisable_Click(); });
    AllMenusaon.Click.connect([this] { AllMenusaon_Click(); });
    MenuExitpw.Click.connect([this] { MenuExitpw_Click(); });
    volume.Click.connect([this] { volume_Click(); });
    exitop.Opened.connect([this] { exitop_Click(); });
    goodbyon.Click.connect([this] { goodbyon_Click(); });
    goodgyoff.Click.connect([this] { goodgyoff_Click(); });
    Goodbye.DblClick.connect([this] { Goodbye_DblClick(); });
}

// Whichever item would change nothing is greyed out.
void Form1::MemuVolume_Click() {
    if (volume.visible()) {
        Volumeon.setEnabled(false);
        Volumeoff.setEnabled(true);
    }
    if (!volume.visible()) {
        Volumeon.setEnabled(true);
        Volumeoff.setEnabled(false);
    }
}

void Form1::Volumeon_Click() {
    if (pwSet == 0) {
        volume.setVisible(true);
        Label6.setVisible(true);
        return;
    }
    room.form10().showGate(Form10::volumePrompt);
}

void Form1::Volumeoff_Click() {
    volume.setVisible(false);
    Label6.setVisible(false);
}

void Form1::Menurecorder_Click() {
    if (Label5.visible() && Check1.visible()) {
        menrecord.setEnabled(false);
        RecordPlay.setEnabled(true);
        mennorecord.setEnabled(true);
    }
    if (Label10.visible() && Check1.visible()) {
        menrecord.setEnabled(true);
        RecordPlay.setEnabled(false);
        mennorecord.setEnabled(true);
    }
    if (!Check1.visible()) {
        menrecord.setEnabled(true);
        RecordPlay.setEnabled(true);
        mennorecord.setEnabled(false);
    }
}

void Form1::RecordPlay_Click() {
    Check1.setVisible(true);
    Label5.setVisible(false);
    Label10.setVisible(true);
    MMControl27.setRecordVisible(false);
    Label3.setVisible(false);
}

void Form1::menrecord_Click() {
    Check1.setVisible(true);
    Label5.setVisible(true);
    Label10.setVisible(false);
    MMControl27.setRecordVisible(true);
    Label3.setVisible(true);
}

void Form1::mennorecord_Click() {
    Check1.setVisible(false);
    Label5.setVisible(false);
    Label10.setVisible(false);
    // Unticking runs the switch's own "off" handling; an unticked switch gets it all the same.
    if (Check1.value() != 0)
        Check1.setValue(0);
    else
        Check1_Click();
}

void Form1::menuPrintOn_Click() {
    if (pwSet == 0) {
        room.readMe().menuPrint.setEnabled(true);
        room.readMe().ImagePrint.setVisible(true);
        return;
    }
    room.form10().showGate(Form10::printPrompt);
}

void Form1::menuPrintOff_Click() {
    room.readMe().menuPrint.setEnabled(false);
    room.readMe().ImagePrint.setVisible(false);
}

void Form1::menuChalkOn_Click() { room.form3().SaveMenu.setEnabled(true); }

void Form1::menuChalkOff_Click() {
    room.form3().SaveMenu.setEnabled(false);
    stopChalkBoardSaving();
}

void Form1::stopChalkBoardSaving() {
    Form3& chalk = room.form3();
    chalk.setAutoRedraw(false);
    chalk.CommandSavepic.setVisible(false);
    chalk.CommandLoadpic.setVisible(false);
}

void Form1::setScreenMenusEnabled(bool enabled) {
    for (platform::Menu* menu : {&MemuVolume, &Menurecorder, &curChange, &exitop, &Helpmenu, &Menufont})
        menu->setEnabled(enabled);
}

void Form1::MenuOptionsOn_Click() { setScreenMenusEnabled(true); }

void Form1::MenuOptionsOff_Click() { setScreenMenusEnabled(false); }

void Form1::AllMenuDisable_Click() {
    setScreenMenusEnabled(false);
    room.form2().curchange2.setEnabled(false);
    Form3& chalk = room.form3();
    chalk.menbackground.setEnabled(false);
    chalk.SaveMenu.setEnabled(false);
    chalk.Curselect.setEnabled(false);
    stopChalkBoardSaving();
    ReadMe& letter = room.readMe();
    letter.menuMouse.setVisible(false);
    letter.menuPrint.setEnabled(false);
    letter.Fontmenu.setEnabled(false);
    letter.curHelpmenu.setEnabled(false);
    letter.ImagePrint.setVisible(false);
    letter.menuFile.setEnabled(false);
    letter.menuEdit.setEnabled(false);
    letter.CheckTools.setVisible(false);
    room.form5().curChange.setEnabled(false);
    room.form6().Curmenu.setEnabled(false);
    room.form7().Curmenu.setEnabled(false);
    room.form7().InputMenu.setEnabled(false);
    room.form8().Curmenu.setEnabled(false);
    room.form9().Curmenu.setEnabled(false);
}

void Form1::AllMenusaon_Click() {
    MemuVolume.setEnabled(false);
    exitop.setEnabled(false);
    Helpmenu.setEnabled(false);
    Menurecorder.setEnabled(true);
    curChange.setEnabled(true);
    Menufont.setEnabled(true);
    room.form2().curchange2.setEnabled(true);
    room.form3().menbackground.setEnabled(true);
    room.form3().Curselect.setEnabled(true);
    ReadMe& letter = room.readMe();
    letter.menuMouse.setVisible(true);
    letter.Fontmenu.setEnabled(true);
    letter.curHelpmenu.setEnabled(true);
    letter.menuFile.setEnabled(true);
    letter.menuEdit.setEnabled(true);
    letter.CheckTools.setVisible(true);
    letter.ImagePrint.setVisible(false);
    room.form5().curChange.setEnabled(true);
    room.form6().Curmenu.setEnabled(true);
    room.form7().Curmenu.setEnabled(true);
    room.form7().InputMenu.setEnabled(true);
    room.form8().Curmenu.setEnabled(true);
    room.form9().Curmenu.setEnabled(true);
    room.form3().SaveMenu.setEnabled(false);
    letter.menuPrint.setEnabled(false);
}

void Form1::MenuExitpw_Click() { room.form10().showSetPassword(); }

// A mixer opened before is closed first, by its own window; one still opening (a quick second
// click) has no window yet and is asked to end, so two mixers never stay open.
void Form1::closeVolumeMixer() {
    if (MyAppid == 0)
        return;
    if (room.system().activateTask(MyAppid))
        room.system().closeActivatedWindow();
    else
        platform::sys::SystemServices::endTask(MyAppid);
    MyAppid = 0;
}

void Form1::volume_Click() {
    Label1.setCaption({});
    if (MyAppid != 0) {
        volume.setVisible(false);
        closeVolumeMixer();
    }
    const platform::sys::Launch launch = room.system().runProgram("c:\\windows\\sndvol32.exe");
    if (launch.taskId != 0)
        MyAppid = launch.taskId;
    conventions::showTeddy(Image1, nowDir, "TEDBYE.ICO");
    if (launch.programMissing)
        platform::MessageBox::show("The file sndvol32.exe not found in your windows directory.");
    volume.setVisible(true);
}
