#pragma once
// The Divide Board: long division with remainder, written out step by step.
#include "platform/Form.h"
#include "platform/CommandButton.h"

class Classroom;

class form9 : public platform::Form {
public:
    explicit form9(Classroom& room);
    void Form_Load();

    platform::CommandButton Command1;
    platform::CommandButton Command3;
    platform::CommandButton Commandmult;

    QString nowDir;

private:
    void Command1_Click();
    void Command3_Click();
    void Commandmult_Click();
    Classroom& room;
};
