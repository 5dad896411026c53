#pragma once
// The ChalkBoard: free drawing with chalk colours and widths, one saved picture.
#include "platform/CommandButton.h"
#include "platform/Form.h"
#include "platform/Frame.h"
#include "platform/MediaDevice.h"
#include "platform/TextBox.h"

class Classroom;

class Form3 : public platform::Form {
public:
    explicit Form3(Classroom& room);
    void Form_Load();
    // The tool panel sits at 65 % of the board's height, whatever the screen.
    void placeFrame();

    platform::Frame Frame1;
    platform::CommandButton Command1;
    platform::CommandButton Clear;
    platform::TextBox CustomColor;
    platform::MediaDevice MMControl2{this};

    QString nowDir;

private:
    void Form_Unload();
    void Command1_Click();
    void CustomColor_Click();
    Classroom& room;
};
