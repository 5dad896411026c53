#include "settings/Form10.h"

#include "abc/Form1.h"
#include "letter/ReadMe.h"
#include "settings/Module1.h"
#include "shell/Classroom.h"
#include "shell/Conventions.h"
#include "shell/FitToScreen.h"

using namespace platform;

namespace {
const FontSpec formFont{"MS Sans Serif", 13.5};
const OleColor grey = rgb(128, 128, 128);
} // namespace

Form10::Form10(Classroom& room_)
    : Form(" Pipkin's Classroom  Password"), Shape1(this, {1740, 540, 5655, 4035}),
      Text1(this, {2880, 960, 3015, 555}),
      Label1(this, {2220, 1620, 4335, 555}, "Enter Password up to 8  Letters", std::nullopt, formFont, Align::center),
      Text2(this, {2880, 2280, 3015, 555}),
      Label2(this, {2700, 2940, 3435, 435}, "Verify your Password", std::nullopt, formFont, Align::center),
      Text3(this, {2220, 3840, 2655, 375}), Picture1(this, {1920, 3540, 3135, 915}, grey),
      Command2(this, {5880, 3600, 1335, 615}, "Submit", formFont),
      Command1(this, {1980, 4740, 2295, 795}, "Go To ABCs", formFont), room(room_) {
    Shape1.setBorderColor(grey);
    Shape1.setBorderWidth(2);
    for (TextBox* box : {&Text1, &Text2, &Text3})
        box->setFont(formFont);
    for (TextBox* box : {&Text1, &Text2}) {
        box->setPasswordChar('*');
        box->setMaxLength(8);
    }
    // The mirror lies under the grey plate and holds the typed password in clear.
    Text3.keepSecret();
    Text1.setAccessibleName("Password");
    Text2.setAccessibleName("Verify your Password");
    Text2.setVisible(false);
    Text1.setTabStop(true);
    conventions::useCarPointer(Command1);
    Text1.KeyUp.connect([this](int&, int) { Text1_KeyUp(); });
    Command2.Click.connect([this] { Command2_Click(); });
    Command1.Click.connect([this] { Command1_Click(); });
}

void Form10::Form_Load() { fitToScreen(*this); }

void Form10::showSetPassword() {
    Form1& abc = room.form1();
    if (abc.pwSet == -1) {
        Label2.setCaption("A Password is Set");
        Text1.setVisible(false);
        Label1.setVisible(false);
        Label2.setVisible(true);
        Command2.setVisible(false);
        show();
        abc.hide();
        return;
    }
    show();
    Text2.setVisible(true);
    Label2.setVisible(true);
    abc.hide();
}

void Form10::showGate(const QString& prompt) {
    Text1.setEnabled(true);
    Label1.setCaption(prompt);
    Text2.setVisible(false);
    show();
    room.form1().hide();
}

// Submit works with the entry as of its last key release, mirrored in the hidden box.
void Form10::Text1_KeyUp() {
    Text3.setText(Text1.text());
    Label2.setCaption("Verify Password");
}

void Form10::Command2_Click() {
    const QString mode = Label1.caption();
    if (mode == mousePrompt && Text3.text().isEmpty()) {
        Text1.setFocus();
        room.readMe().show();
        hide();
        return;
    }
    if (Text3.text().isEmpty() && room.form1().pwSet == -1) {
        Text1.setFocus();
        Command1_Click();
        return;
    }
    if (Text3.text().isEmpty()) {
        Text1.setFocus();
        return;
    }
    if (mode == exitPrompt || mode == printPrompt || mode == volumePrompt || mode == mousePrompt)
        submitGate(mode);
    else
        submitNewPassword();
}

void Form10::submitGate(const QString& prompt) {
    room.form1().checkPwtext = Text3.text();
    Module1& module = room.module1();
    if (prompt == exitPrompt)
        module.exitGate();
    else if (prompt == printPrompt)
        module.printGate();
    else if (prompt == volumePrompt)
        module.volumeGate();
    else
        module.mouseGate();
}

void Form10::submitNewPassword() {
    Form1& abc = room.form1();
    if (Text3.text() == Text2.text() && abc.pwSet == 0) {
        Label2.setCaption("Password is Set");
        Text1.setEnabled(false);
        Text2.setEnabled(false);
        Command2.setVisible(false);
        abc.pwSet = -1;
        abc.menuPassIsSet.setVisible(true);
        abc.pwText.setText(Text3.text());
    } else if (Text3.text() != Text2.text()) {
        Label2.setCaption("Sorry Retry");
        Text1.setText({});
        Text2.setText({});
        Text3.setText({});
        Text1.setFocus();
    }
}

void Form10::Command1_Click() {
    Text3.setText({});
    Text1.setText({});
    Text1.setEnabled(true);
    Text1.setVisible(true);
    Text2.setText({});
    Text2.setEnabled(true);
    Text2.setVisible(false);
    Label1.setCaption("Type in Password");
    Label1.setVisible(true);
    Label2.setCaption("Verify Password");
    Label2.setVisible(false);
    Command2.setVisible(true);
    Command1.setVisible(true);
    Text1.setFocus();
    ReadMe& letter = room.readMe();
    if (letter.isVisible()) {
        letter.menuMouse.setVisible(false);
        letter.hide();
    }
    hide();
    room.form1().show();
}
