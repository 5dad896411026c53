#pragma once
// The 123s board: count to 20 in tens and ones, and first sums.
#include "platform/Form.h"
#include "platform/Label.h"

class Classroom;

class Form5 : public platform::Form {
public:
    explicit Form5(Classroom& room);
    void Form_Load();

    platform::Label LabelEnd;
    platform::Label LabelmoreMath;
    platform::Label LabelProblems;

    QString nowDir;

private:
    void LabelEnd_Click();
    void LabelmoreMath_Click();
    void LabelProblems_Click();
    Classroom& room;
};
