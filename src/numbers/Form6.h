#pragma once
// The Times Tables board: any table from 0 to 12 as thirteen rows.
#include "platform/Form.h"
#include "platform/CommandButton.h"

class Classroom;

class Form6 : public platform::Form {
public:
    explicit Form6(Classroom& room);
    void Form_Load();

    platform::CommandButton CommandDiv;
    platform::CommandButton CommandEnd;

    QString nowDir;

private:
    void CommandDiv_Click();
    void CommandEnd_Click();
    Classroom& room;
};
