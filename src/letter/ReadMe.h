#pragma once
// The Letter Board: the child's letter, with fonts and colours; it also reads the help text.
#include "platform/ComboBox.h"
#include "platform/CommandButton.h"
#include "platform/Form.h"
#include "platform/TextBox.h"

#include <cstdint>

class Classroom;

class ReadMe : public platform::Form {
public:
    explicit ReadMe(Classroom& room);
    void Form_Load();
    // The set-up of the ABCs board's "Letter": writing mode with the letter kept from last time.
    void openForWriting();
    // The Help menu's "Instructions": the same screen as a locked reader of the help text.
    void openForHelp();

    platform::TextBox Text1;
    platform::CommandButton Command1;
    platform::ComboBox Combo1;

    int16_t writeNow = 0;
    QString KeepText;
    int16_t WriteFlag = 0;
    QString WriteFont;
    int16_t WriteSize = 0;
    QString nowDir;

private:
    void Command1_Click();
    Classroom& room;
};
