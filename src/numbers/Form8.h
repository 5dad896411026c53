#pragma once
// The Problem Board: random problems with four answers to choose from, and a score.
#include "platform/Form.h"
#include "platform/CommandButton.h"

class Classroom;

class Form8 : public platform::Form {
public:
    explicit Form8(Classroom& room);
    void Form_Load();

    platform::CommandButton CommandEnd;

    QString nowDir;

private:
    void CommandEnd_Click();
    Classroom& room;
};
