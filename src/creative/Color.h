#pragma once
// The Custom Color mixer: a small window where the child mixes a chalk colour of their own.
#include "platform/Form.h"
#include "platform/PictureBox.h"

class Classroom;

class Color : public platform::Form {
public:
    explicit Color(Classroom& room);
    void Form_Load();

    platform::PictureBox Picture1;

private:
    void Picture1_Click();
    Classroom& room;
};
