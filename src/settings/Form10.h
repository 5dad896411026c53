#pragma once
// The Password form: sets the parent's password and asks for it before protected actions.
#include "platform/CommandButton.h"
#include "platform/Form.h"

class Classroom;

class Form10 : public platform::Form {
public:
    explicit Form10(Classroom& room);
    void Form_Load();

    platform::CommandButton Command1;

private:
    void Command1_Click();
    Classroom& room;
};
