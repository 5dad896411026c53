#pragma once
// The Times Tables board: any table from 0 to 12 as thirteen rows, chosen by options or a keypad.
#include "platform/CheckBox.h"
#include "platform/CommandButton.h"
#include "platform/Form.h"
#include "platform/Image.h"
#include "platform/Label.h"
#include "platform/Line.h"
#include "platform/Menu.h"
#include "platform/OptionButton.h"

#include <array>

class Classroom;

class Form6 : public platform::Form {
public:
    explicit Form6(Classroom& room);
    void Form_Load();

    platform::Line Line1;
    std::array<platform::Label, 13> Labeltimes0; // row n of the table shown
    platform::Label LabelTT;
    std::array<platform::OptionButton, 13> Option1;   // the table to show
    std::array<platform::CommandButton, 10> Command1; // keypad, laid out like a telephone
    platform::CheckBox Check1;
    platform::Image Image1;
    platform::CommandButton CommandEnd;
    platform::CommandButton CommandDiv;
    platform::Menu Curmenu;
    platform::Menu TedCur;
    platform::Menu PointCur;

    QString nowDir;

private:
    void connectHandlers();
    void fillRows(int table);
    void resetToTableOne();
    void Option1_Click(int index);
    void Command1_Click(int index);
    void Check1_Click();
    void CommandDiv_Click();
    void CommandEnd_Click();
    void clickSound();
    void TedCur_Click();
    void PointCur_Click();
    Classroom& room;
};
