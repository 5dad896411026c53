#pragma once
// The title screen: the title picture while the boards load; it stays behind them until the end.
#include "platform/Form.h"
#include "platform/Image.h"

class Classroom;

class Form4 : public platform::Form {
public:
    explicit Form4(Classroom& room);
    void Form_Load();
    QString nowDir;

    platform::Image Image1;

private:
    void Form_MouseMove();
    Classroom& room;
};
