#pragma once
// The Custom Color mixer: a small window where the child mixes a chalk colour of their own.
#include "platform/Form.h"
#include "platform/Label.h"
#include "platform/PictureBox.h"
#include "platform/TextBox.h"
#include "platform/VScrollBar.h"

#include <cstdint>
#include <optional>

class Classroom;

class Color : public platform::Form {
public:
    explicit Color(Classroom& room);
    void Form_Load();

    platform::Label Label4;
    platform::PictureBox Picture1;
    platform::Label Label1;
    platform::Label Label2;
    platform::Label Label3;
    platform::VScrollBar VScroll1;
    platform::VScrollBar VScroll2;
    platform::VScrollBar VScroll3;
    platform::TextBox Text1;
    platform::TextBox Text2;
    platform::TextBox Text3;

protected:
    void showEvent(QShowEvent* event) override;

private:
    void connectHandlers();
    void Form_Deactivate();
    void Form_Resize();
    void Picture1_Click();
    void VScroll1_Change();
    void VScroll2_Change();
    void VScroll3_Change();
    void showMix();
    void layOut();
    void fitNames();
    void playHono();
    int16_t redValue = 0;
    int16_t greenValue = 0;
    int16_t blueValue = 0;
    std::optional<platform::OleColor> keptColor;
    Classroom& room;
};
