#pragma once
// The Multiply Board: a product shown as repeated addition.
#include "platform/Form.h"
#include "platform/CommandButton.h"

class Classroom;

class Form7 : public platform::Form {
public:
    explicit Form7(Classroom& room);
    void Form_Load();

    platform::CommandButton CmdtoDivide;
    platform::CommandButton ComTimesTabel;
    platform::CommandButton EndButton;

    QString nowDir;

private:
    void CmdtoDivide_Click();
    void ComTimesTabel_Click();
    void EndButton_Click();
    Classroom& room;
};
