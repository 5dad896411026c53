#pragma once
// The Password form: sets the parent's one password, and asks for it before leaving, printing,
// the volume control and the mouse settings. Its mode is the caption of Label1.
#include "platform/CommandButton.h"
#include "platform/Form.h"
#include "platform/Label.h"
#include "platform/PictureBox.h"
#include "platform/Shape.h"
#include "platform/TextBox.h"

class Classroom;

class Form10 : public platform::Form {
public:
    static constexpr const char* exitPrompt = "Type in Exit Pasword";
    static constexpr const char* printPrompt = "Type in Print Pasword";
    static constexpr const char* volumePrompt = "Type in Volume Pasword";
    static constexpr const char* mousePrompt = "Type in Mouse Pasword";

    explicit Form10(Classroom& room);
    void Form_Load();
    // "Set Password Protection": set mode, or the already-set view once a password exists.
    void showSetPassword();
    // A gate asks for the password with its prompt; the action waits for Submit.
    void showGate(const QString& prompt);

    platform::Shape Shape1;
    platform::TextBox Text1;
    platform::Label Label1;
    platform::TextBox Text2;
    platform::Label Label2;
    platform::TextBox Text3;
    platform::PictureBox Picture1;
    platform::CommandButton Command2;
    platform::CommandButton Command1;

private:
    void Text1_KeyUp();
    void Command2_Click();
    void Command1_Click();
    void submitGate(const QString& prompt);
    void submitNewPassword();
    Classroom& room;
};
