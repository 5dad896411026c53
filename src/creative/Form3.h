#pragma once
// The ChalkBoard: free drawing with chalk colours and widths, three backgrounds, one saved picture.
#include "creative/ChalkTables.h"
#include "platform/Canvas.h"
#include "platform/CommandButton.h"
#include "platform/Form.h"
#include "platform/Frame.h"
#include "platform/Image.h"
#include "platform/Label.h"
#include "platform/MediaDevice.h"
#include "platform/Menu.h"
#include "platform/TextBox.h"

#include <cstdint>

class Classroom;

class Form3 : public platform::Form {
public:
    explicit Form3(Classroom& room);
    void Form_Load();
    // The tool panel takes the bottom of the board from 65 % of its height, whatever the screen.
    void placeFrame();

    // The persistent image: while it is on, strokes are kept and "Save Picture" writes them.
    bool autoRedraw() const { return canvas.autoRedraw(); }
    void setAutoRedraw(bool on) { canvas.setAutoRedraw(on); }

    // The drawing surface lies under every control of the board.
    platform::Canvas canvas{this};

    platform::Frame Frame1;
    platform::TextBox White;
    platform::TextBox black;
    platform::TextBox Red;
    platform::TextBox Blue;
    platform::TextBox Green;
    platform::TextBox Yellow;
    platform::TextBox Purple;
    platform::TextBox brown;
    platform::TextBox CustomColor;
    platform::Image Image1;
    platform::CommandButton Clear;
    platform::CommandButton CommandSavepic;
    platform::CommandButton CommandLoadpic;
    platform::Label small;
    platform::Label Meduim;
    platform::Label Large;
    platform::CommandButton Command1;
    platform::MediaDevice MMControl2;

    platform::Menu menbackground{this, "BackGround"};
    platform::Menu menbgblack{&menbackground, "Black"};
    platform::Menu menbgwhite{&menbackground, "White"};
    platform::Menu MenubgLtBlue{&menbackground, "Light Blue"};
    platform::Menu Curselect{this, "Pointer"};
    platform::Menu tedwhite{&Curselect, "Teddy Light"};
    platform::Menu tedblack{&Curselect, "Teddy Dark"};
    platform::Menu curpoint{&Curselect, "Arrow Pointer"};
    platform::Menu SaveMenu{this, "Turn Save On/Off"};
    platform::Menu SaveaoffMenu{&SaveMenu, "Allow Saving Off"};
    platform::Menu SaveOnMenu{&SaveMenu, "Allow Saving On"};

    platform::OleColor colorc = platform::colors::white;
    platform::OleColor colorbg = platform::colors::black;
    int32_t brush = 8;
    int16_t PaintNow = 0;
    platform::OleColor bg3b = 0;
    platform::OleColor bg3w = 0;
    QString nowDir;

private:
    void setUpLook();
    void connectHandlers();
    void connectMenus();
    void Form_Unload();
    void Form_MouseDown(int x, int y);
    void Form_MouseMove(int buttons, int x, int y);
    void Form_MouseUp();
    void White_Click();
    void black_Click();
    void Red_Click();
    void Blue_Click();
    void Green_Click();
    void Yellow_Click();
    void Purple_Click();
    void brown_Click();
    void small_Click();
    void Meduim_Click();
    void Large_Click();
    void menbgblack_Click();
    void menbgwhite_Click();
    void MenubgLtBlue_Click();
    void tedwhite_Click();
    void tedblack_Click();
    void curpoint_Click();
    void chooseChalk(platform::OleColor colour);
    void chooseWidth(creative::ChalkWidth width);
    void chooseBackground(creative::Background background);
    void takePen();
    void Curselect_Opened();
    void SaveOnMenu_Click();
    void SaveaoffMenu_Click();
    void Clear_Click();
    void CommandSavepic_Click();
    void CommandLoadpic_Click();
    void Command1_Click();
    void CustomColor_Click();
    void paintBackColor(platform::OleColor colour);
    void playDing();
    void playDip();
    void playHono();
    QPoint penAt_;
    Classroom& room;
};
