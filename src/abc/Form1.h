#pragma once
// The ABCs board: the letter and number keys, the typing box, music, the recorder and the parent's
// menus. Its load step builds the whole classroom.
#include "platform/Form.h"
#include "platform/Image.h"
#include "platform/Label.h"
#include "platform/MediaDevice.h"
#include "platform/PictureBox.h"
#include "platform/TextBox.h"

#include <array>
#include <cstdint>

class Classroom;

class Form1 : public platform::Form {
public:
    explicit Form1(Classroom& room);
    void Form_Load();

    platform::Label colorshapes;
    platform::Label Label2;
    platform::Label LabelWrite;
    platform::Label Label1;
    platform::Label Label3;
    platform::Label Label4;
    platform::Image Image1;
    platform::PictureBox Picture1;
    platform::TextBox Text1;

    // The sound bank: one device a sound (a..z, voice, bye, hi, c10, c1..c9, c0, music, hono).
    platform::MediaDevice MMControl1{this};
    platform::MediaDevice MMControl2{this};
    platform::MediaDevice MMControl3{this};
    platform::MediaDevice MMControl4{this};
    platform::MediaDevice MMControl5{this};
    platform::MediaDevice MMControl6{this};
    platform::MediaDevice MMControl7{this};
    platform::MediaDevice MMControl8{this};
    platform::MediaDevice MMControl9{this};
    platform::MediaDevice MMControl10{this};
    platform::MediaDevice MMControl11{this};
    platform::MediaDevice MMControl12{this};
    platform::MediaDevice MMControl13{this};
    platform::MediaDevice MMControl14{this};
    platform::MediaDevice MMControl15{this};
    platform::MediaDevice MMControl16{this};
    platform::MediaDevice MMControl17{this};
    platform::MediaDevice MMControl18{this};
    platform::MediaDevice MMControl19{this};
    platform::MediaDevice MMControl20{this};
    platform::MediaDevice MMControl21{this};
    platform::MediaDevice MMControl22{this};
    platform::MediaDevice MMControl23{this};
    platform::MediaDevice MMControl24{this};
    platform::MediaDevice MMControl25{this};
    platform::MediaDevice MMControl26{this};
    platform::MediaDevice MMControl27{this};
    platform::MediaDevice MMControl28{this};
    platform::MediaDevice MMControl29{this};
    platform::MediaDevice MMControl30{this};
    platform::MediaDevice MMControl31{this};
    platform::MediaDevice MMControl32{this};
    platform::MediaDevice MMControl33{this};
    platform::MediaDevice MMControl34{this};
    platform::MediaDevice MMControl35{this};
    platform::MediaDevice MMControl36{this};
    platform::MediaDevice MMControl37{this};
    platform::MediaDevice MMControl38{this};
    platform::MediaDevice MMControl39{this};
    platform::MediaDevice MMControl40{this};
    platform::MediaDevice MMControl41{this};
    platform::MediaDevice MMControl42{this};

    // The 42 devices in number order, for the steps that treat them all alike.
    std::array<platform::MediaDevice*, 42> devices() { return {&MMControl1, &MMControl2, &MMControl3, &MMControl4, &MMControl5, &MMControl6, &MMControl7, &MMControl8, &MMControl9, &MMControl10, &MMControl11, &MMControl12, &MMControl13, &MMControl14, &MMControl15, &MMControl16, &MMControl17, &MMControl18, &MMControl19, &MMControl20, &MMControl21, &MMControl22, &MMControl23, &MMControl24, &MMControl25, &MMControl26, &MMControl27, &MMControl28, &MMControl29, &MMControl30, &MMControl31, &MMControl32, &MMControl33, &MMControl34, &MMControl35, &MMControl36, &MMControl37, &MMControl38, &MMControl39, &MMControl40, &MMControl41, &MMControl42}; }

    QString nowDir;
    int16_t upperCase = -1;
    int16_t lowerCase = 0;
    int16_t pwSet = 0;
    QString musicFile;
    int writeNow = 0;

private:
    void connectHandlers();
    void prepareDevices();
    void Form_Unload();
    void colorshapes_Click();
    void Label2_Click();
    void LabelWrite_Click();
    Classroom& room;
};
