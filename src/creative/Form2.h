#pragma once
// The Colors & Shapes board: six colours, seven shapes, and a teddy to drag to its target.
#include "platform/Form.h"
#include "platform/Label.h"
#include "platform/MediaDevice.h"

class Classroom;

class Form2 : public platform::Form {
public:
    explicit Form2(Classroom& room);
    void Form_Load();

    platform::Label Label1;
    platform::Label Label4;
    platform::MediaDevice MMControl1{this};

    QString nowDir;

private:
    void Form_Unload();
    void Label1_Click();
    void Label4_Click();
    Classroom& room;
};
