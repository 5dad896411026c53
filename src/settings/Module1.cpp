#include "settings/Module1.h"

#include "abc/Form1.h"
#include "letter/ReadMe.h"
#include "platform/Runtime.h"
#include "platform/system/SystemServices.h"
#include "settings/Form10.h"
#include "shell/Classroom.h"

bool Module1::passwordMatches() const { return room.form1().pwText.text() == room.form1().checkPwtext; }

// What every gate does at its end, whether the password was right or not.
void Module1::closeForm() {
    Form10& form = room.form10();
    form.Text1.setText({});
    form.Text3.setText({});
    form.Text1.setFocus();
}

void Module1::printGate() {
    if (passwordMatches()) {
        room.readMe().menuPrint.setEnabled(true);
        room.readMe().ImagePrint.setVisible(true);
        room.form1().checkPwtext.clear();
    }
    closeForm();
    room.form1().show();
    room.form10().hide();
}

void Module1::volumeGate() {
    if (passwordMatches()) {
        room.form1().volume.setVisible(true);
        room.form1().Label6.setVisible(true);
        room.form1().checkPwtext.clear();
    }
    closeForm();
    room.form1().show();
    room.form10().hide();
}

void Module1::mouseGate() {
    room.readMe().show();
    if (passwordMatches()) {
        launchMouseControl();
        room.form1().checkPwtext.clear();
    }
    closeForm();
    room.form10().hide();
}

void Module1::exitGate() {
    Form1& abc = room.form1();
    if (passwordMatches()) {
        abc.Label1.setCaption("Good Bye");
        abc.show();
        abc.farewell(2);
        return;
    }
    Form10& form = room.form10();
    form.Text1.setText({});
    form.Text3.setText({});
    form.Text1.setFocus();
    abc.show();
    form.hide();
}

void Module1::launchMouseControl() {
    const platform::sys::Launch launch = room.system().runProgram("CONTROL.EXE Mouse");
    if (launch.taskId != 0)
        MouseAppid = launch.taskId;
}

void Module1::closeMouseWindow() {
    // The settings window may still be opening: give it a moment, then ask it to close by its title.
    platform::Runtime::doEvents();
    if (!room.system().activateWindowTitled("Mouse Properties"))
        return;
    room.system().closeActivatedWindow();
    platform::Runtime::doEvents();
    platform::Runtime::doEvents();
    MouseAppid = 0;
}
