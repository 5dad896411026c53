#pragma once
// The Letter Board: the child's letter, with fonts, colours, a tool bar, one letter file, printing
// and the clipboard; the same screen also reads the help text to the parent.
#include "letter/ToolPictures.h"
#include "platform/CheckBox.h"
#include "platform/ComboBox.h"
#include "platform/CommandButton.h"
#include "platform/Form.h"
#include "platform/Frame.h"
#include "platform/Image.h"
#include "platform/Label.h"
#include "platform/Menu.h"
#include "platform/OptionButton.h"
#include "platform/PictureBox.h"
#include "platform/TextBox.h"

#include <cstdint>

class Classroom;

class ReadMe : public platform::Form {
public:
    explicit ReadMe(Classroom& room);
    void Form_Load();
    // The set-up of the ABCs board's "Letter" (after it showed this board): writing mode with the
    // letter and font kept from last time.
    void openForWriting();
    // The Help menu's "Instructions": the same screen as a locked reader of the help text.
    void openForHelp();

    platform::TextBox Text1;
    platform::CommandButton Command1;
    platform::CommandButton ClearMe;
    platform::CommandButton SaveRM;
    platform::CommandButton OldRM;
    platform::Image Image1;
    platform::CheckBox CheckTools;
    platform::Frame Frame3;
    platform::CheckBox Check1;
    platform::CheckBox Check2;
    platform::Frame Frame2;
    platform::OptionButton Option4;
    platform::OptionButton Option5;
    platform::OptionButton Option6;
    platform::OptionButton Option7;
    platform::OptionButton Option8;
    platform::Label Label1;
    platform::Label Label2;
    platform::Label Label3;
    platform::Label Label4;
    platform::Label Label5;
    platform::Frame Frame1;
    platform::Label Label6;
    platform::OptionButton Option1;
    platform::OptionButton Option2;
    platform::OptionButton Option3;
    platform::OptionButton Option9;
    platform::PictureBox PictureTools;
    platform::Label LabelToolbar;
    platform::CommandButton CommandCloseTool;
    platform::ComboBox Combo1;
    platform::ComboBox Combo2;
    platform::Image ImageNew;
    platform::Image ImageOpen;
    platform::Image ImageSave;
    platform::Image ImagePrint;
    platform::Image ImageCopy;
    platform::Image ImageCut;
    platform::Image ImagePaste;
    platform::Image ImagePw;

    platform::Menu menuFile{this, "File"};
    platform::Menu menuNew{&menuFile, "New"};
    platform::Menu menuOpen{&menuFile, "Open"};
    platform::Menu menuSave{&menuFile, "Save"};
    platform::Menu menuPrint{&menuFile, "Print"};
    platform::Menu menuFileBar{&menuFile, "-"};
    platform::Menu menuExit{&menuFile, "Exit"};
    platform::Menu menuEdit{this, "Edit"};
    platform::Menu menuCopy{&menuEdit, "Copy"};
    platform::Menu menuCut{&menuEdit, "Cut"};
    platform::Menu menuPaste{&menuEdit, "Paste"};
    platform::Menu Fontmenu{this, "Font Size"};
    platform::Menu Font8{&Fontmenu, "8"};
    platform::Menu Font10{&Fontmenu, "10"};
    platform::Menu Font12{&Fontmenu, "12"};
    platform::Menu Font18{&Fontmenu, "18"};
    platform::Menu Font24{&Fontmenu, "24"};
    platform::Menu curHelpmenu{this, "Pointer"};
    platform::Menu curTeddy{&curHelpmenu, "Teddy Pointer"};
    platform::Menu curPoint{&curHelpmenu, "Arrow Pointer"};
    // The parent's way to the mouse settings; its gate belongs to the password form.
    platform::Menu menuMouse{this, "Mouse"};
    platform::Menu MenuMouseControl{&menuMouse, "Mouse Control"};

    int16_t writeNow = 0;
    QString KeepText;
    int16_t WriteFlag = 0;
    QString WriteFont;
    int16_t WriteSize = 0;
    QString nowDir;

private:
    void setUpDesign();
    void nameUnlabelledControls();
    void connectEditor();
    void connectCommands();
    void connectToolBar();
    void placeControls();
    void Command1_Click();
    void Text1_Click();
    void Check1_Click();
    void Check2_Click();
    void Combo1_Click();
    void Combo2_Click();
    void fontMenu_Click(int points);
    void textColors(platform::OleColor back, platform::OleColor fore);
    void boardColors(platform::OleColor color);
    void colorSet();
    void CheckTools_Click();
    void CommandCloseTool_Click();
    void toolPicture_MouseMove(const platform::Image& picture);
    void ImagePw_MouseMove();
    void ImagePw_DblClick();
    void MenuMouseControl_Click();
    void PictureTools_MouseMove();
    void PictureTools_Click();
    void Image1_Click();
    void Form_Click();

    // The commands, each reached from a menu item, a tool bar picture and (for the file) a button.
    void newLetter();
    void getLetter();
    void saveLetter();
    void printLetter();
    void copyText();
    void cutText();
    void pasteText();
    void ding();

    Classroom& room;
    platform::OleColor boardColor = 0;
    ToolPictures tools;
};
