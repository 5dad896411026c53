#pragma once
// The ABCs board: the letter and number keys, the typing box, music, the recorder and the parent's
// menus. Its load step builds the whole classroom.
#include "abc/KeyLayout.h"
#include "platform/CheckBox.h"
#include "platform/Form.h"
#include "platform/GraphicalCheckBox.h"
#include "platform/Image.h"
#include "platform/Label.h"
#include "platform/MediaDevice.h"
#include "platform/Menu.h"
#include "platform/PictureBox.h"
#include "platform/TextBox.h"
#include "platform/Timer.h"

#include <array>
#include <cstdint>

class Classroom;

class Form1 : public platform::Form {
    // Declared before the controls that use them in their design.
    inline static const platform::FontSpec keyFont{"Arial", 24};
    inline static const platform::FontSpec goToFont{"Arial", 14.25, true};
    inline static const platform::FontSpec bigFont{"Arial", 36};
    inline static const platform::FontSpec stripFont{"Arial", 15.75};
    inline static const platform::FontSpec smallBoldFont{"Arial", 9.75, true};

public:
    explicit Form1(Classroom& room);
    void Form_Load();

    // Light red panels the child may click around the typing box and at the left edge.
    platform::PictureBox Picture1{this, {6720, 5940, 645, 555}, platform::colors::lightRed};
    platform::PictureBox Picture2{this, {0, 5220, 900, 1215}, platform::colors::lightRed};

    // The letter keys A to Z and the number keys 1 to 10.
    platform::Label A{this, abc::letterKeyRect(0), "A", abc::letterKeyColor(0), keyFont, platform::Align::center};
    platform::Label B{this, abc::letterKeyRect(1), "B", abc::letterKeyColor(1), keyFont, platform::Align::center};
    platform::Label C{this, abc::letterKeyRect(2), "C", abc::letterKeyColor(2), keyFont, platform::Align::center};
    platform::Label D{this, abc::letterKeyRect(3), "D", abc::letterKeyColor(3), keyFont, platform::Align::center};
    platform::Label E{this, abc::letterKeyRect(4), "E", abc::letterKeyColor(4), keyFont, platform::Align::center};
    platform::Label F{this, abc::letterKeyRect(5), "F", abc::letterKeyColor(5), keyFont, platform::Align::center};
    platform::Label G{this, abc::letterKeyRect(6), "G", abc::letterKeyColor(6), keyFont, platform::Align::center};
    platform::Label H{this, abc::letterKeyRect(7), "H", abc::letterKeyColor(7), keyFont, platform::Align::center};
    platform::Label I{this, abc::letterKeyRect(8), "I", abc::letterKeyColor(8), keyFont, platform::Align::center};
    platform::Label J{this, abc::letterKeyRect(9), "J", abc::letterKeyColor(9), keyFont, platform::Align::center};
    platform::Label K{this, abc::letterKeyRect(10), "K", abc::letterKeyColor(10), keyFont, platform::Align::center};
    platform::Label L{this, abc::letterKeyRect(11), "L", abc::letterKeyColor(11), keyFont, platform::Align::center};
    platform::Label M{this, abc::letterKeyRect(12), "M", abc::letterKeyColor(12), keyFont, platform::Align::center};
    platform::Label N{this, abc::letterKeyRect(13), "N", abc::letterKeyColor(13), keyFont, platform::Align::center};
    platform::Label O{this, abc::letterKeyRect(14), "O", abc::letterKeyColor(14), keyFont, platform::Align::center};
    platform::Label P{this, abc::letterKeyRect(15), "P", abc::letterKeyColor(15), keyFont, platform::Align::center};
    platform::Label Q{this, abc::letterKeyRect(16), "Q", abc::letterKeyColor(16), keyFont, platform::Align::center};
    platform::Label R{this, abc::letterKeyRect(17), "R", abc::letterKeyColor(17), keyFont, platform::Align::center};
    platform::Label S{this, abc::letterKeyRect(18), "S", abc::letterKeyColor(18), keyFont, platform::Align::center};
    platform::Label T{this, abc::letterKeyRect(19), "T", abc::letterKeyColor(19), keyFont, platform::Align::center};
    platform::Label U{this, abc::letterKeyRect(20), "U", abc::letterKeyColor(20), keyFont, platform::Align::center};
    platform::Label V{this, abc::letterKeyRect(21), "V", abc::letterKeyColor(21), keyFont, platform::Align::center};
    platform::Label W{this, abc::letterKeyRect(22), "W", abc::letterKeyColor(22), keyFont, platform::Align::center};
    platform::Label X{this, abc::letterKeyRect(23), "X", abc::letterKeyColor(23), keyFont, platform::Align::center};
    platform::Label Y{this, abc::letterKeyRect(24), "Y", abc::letterKeyColor(24), keyFont, platform::Align::center};
    platform::Label Z{this, abc::letterKeyRect(25), "Z", abc::letterKeyColor(25), keyFont, platform::Align::center};
    platform::Label C1{this, abc::numberKeyRect(1), "1", abc::numberKeyColor(1), keyFont, platform::Align::center};
    platform::Label C2{this, abc::numberKeyRect(2), "2", abc::numberKeyColor(2), keyFont, platform::Align::center};
    platform::Label C3{this, abc::numberKeyRect(3), "3", abc::numberKeyColor(3), keyFont, platform::Align::center};
    platform::Label C4{this, abc::numberKeyRect(4), "4", abc::numberKeyColor(4), keyFont, platform::Align::center};
    platform::Label C5{this, abc::numberKeyRect(5), "5", abc::numberKeyColor(5), keyFont, platform::Align::center};
    platform::Label C6{this, abc::numberKeyRect(6), "6", abc::numberKeyColor(6), keyFont, platform::Align::center};
    platform::Label C7{this, abc::numberKeyRect(7), "7", abc::numberKeyColor(7), keyFont, platform::Align::center};
    platform::Label C8{this, abc::numberKeyRect(8), "8", abc::numberKeyColor(8), keyFont, platform::Align::center};
    platform::Label C9{this, abc::numberKeyRect(9), "9", abc::numberKeyColor(9), keyFont, platform::Align::center};
    platform::Label C10{this, abc::numberKeyRect(10), "10", abc::numberKeyColor(10), keyFont, platform::Align::center};

    // The ways to the other boards.
    platform::Label colorshapes{this,     {1080, 5160, 3135, 435}, "Colors and Shapes", platform::colors::yellow,
                                goToFont, platform::Align::center};
    platform::Label Label2{this,     {1080, 5760, 1095, 435}, "123s", platform::colors::green,
                           goToFont, platform::Align::center};
    platform::Label LabelWrite{this,     {2490, 5760, 1095, 435}, "Letter", platform::colors::cyan,
                               goToFont, platform::Align::center};

    // The big label grows with its text; the feedback teddy answers every click.
    platform::Label Label1{this, {4545, 4860, 1000, 855}, {}, std::nullopt, bigFont};
    // Stretched to its box, so the teddy grows with the letters above it.
    platform::Image Image1{this, {5265, 5730, 1020, 855}, true, "Teddy"};
    platform::TextBox Text1{this, {6780, 6000, 495, 375}};

    // The top strip: three tunes, a stop label and the loop switch ...
    platform::Label Label7{this,      {2745, 240, 1260, 825}, "Start Music 1", platform::colors::magenta,
                           stripFont, platform::Align::center};
    platform::Label Label8{this,      {4185, 240, 1260, 825}, "Start  Music 2", platform::colors::yellow,
                           stripFont, platform::Align::center};
    platform::Label Label9{this,      {5625, 240, 1260, 825}, "Start  Music 3", platform::colors::cyan,
                           stripFont, platform::Align::center};
    platform::Label Stopmusic{this,      {7065, 240, 1215, 825}, "  Stop   Music", platform::colors::red,
                              stripFont, platform::Align::center};
    platform::Label Startmusic{this,      {4680, 240, 1335, 975}, "  Start   Music", platform::colors::lightRed,
                               stripFont, platform::Align::center};
    platform::GraphicalCheckBox Check2{this, {8460, 240, 735, 795}, "Play 1 Time", platform::colors::lightRed};
    // ... or, in the same place, the recorder (MMControl27 below) with its captions.
    platform::Label Label4{this,      {4455, 810, 1935, 495}, "Play", platform::colors::lightRed,
                           stripFont, platform::Align::center};
    platform::Label Label3{this,      {6600, 780, 2295, 495}, "Record", platform::colors::lightRed,
                           stripFont, platform::Align::center};
    platform::CheckBox Check1{this, {270, 720, 255, 255}, {}, platform::colors::lightRed};
    // The parent's recorder mode and volume button, and the way out; all hidden at start.
    platform::Label Label5{this,
                           {600, 660, 1935, 615},
                           " Recorder - Play and                         Record",
                           std::nullopt,
                           smallBoldFont};
    platform::Label Label10{
        this, {600, 660, 1935, 615}, "Recorder - Play                             Only", std::nullopt, smallBoldFont};
    platform::Label volume{this, {315, 210, 255, 285}, {}, platform::colors::blue};
    platform::Label Label6{this, {765, 240, 1695, 255}, "Volume Control", std::nullopt, smallBoldFont};
    platform::Label Goodbye{
        this, {7560, 5760, 1650, 435}, " Good Bye", platform::colors::red, {"Arial", 14.25}, platform::Align::center};
    // The parent's password, held only in memory while the program runs; never shown.
    platform::TextBox pwText{this, {0, 0, 1500, 285}};

    // The recording clock: off until Record is pressed.
    platform::Timer Timer1{this, 0};

    // The sound bank: one device a sound (a..z, voice, bye, hi, c10, c1..c9, c0, music, hono).
    platform::MediaDevice MMControl1{this};
    platform::MediaDevice MMControl2{this};
    platform::MediaDevice MMControl3{this};
    platform::MediaDevice MMControl4{this};
    platform::MediaDevice MMControl5{this};
    platform::MediaDevice MMControl6{this};
    platform::MediaDevice MMControl7{this};
    platform::MediaDevice MMControl8{this};
    platform::MediaDevice MMControl9{this};
    platform::MediaDevice MMControl10{this};
    platform::MediaDevice MMControl11{this};
    platform::MediaDevice MMControl12{this};
    platform::MediaDevice MMControl13{this};
    platform::MediaDevice MMControl14{this};
    platform::MediaDevice MMControl15{this};
    platform::MediaDevice MMControl16{this};
    platform::MediaDevice MMControl17{this};
    platform::MediaDevice MMControl18{this};
    platform::MediaDevice MMControl19{this};
    platform::MediaDevice MMControl20{this};
    platform::MediaDevice MMControl21{this};
    platform::MediaDevice MMControl22{this};
    platform::MediaDevice MMControl23{this};
    platform::MediaDevice MMControl24{this};
    platform::MediaDevice MMControl25{this};
    platform::MediaDevice MMControl26{this};
    platform::MediaDevice MMControl27{this, {4200, 90, 4710, 735}};
    platform::MediaDevice MMControl28{this};
    platform::MediaDevice MMControl29{this};
    platform::MediaDevice MMControl30{this};
    platform::MediaDevice MMControl31{this};
    platform::MediaDevice MMControl32{this};
    platform::MediaDevice MMControl33{this};
    platform::MediaDevice MMControl34{this};
    platform::MediaDevice MMControl35{this};
    platform::MediaDevice MMControl36{this};
    platform::MediaDevice MMControl37{this};
    platform::MediaDevice MMControl38{this};
    platform::MediaDevice MMControl39{this};
    platform::MediaDevice MMControl40{this};
    platform::MediaDevice MMControl41{this};
    platform::MediaDevice MMControl42{this};

    // The menu bar, left to right.
    platform::Menu menblank{this, "   "};
    platform::Menu MemuVolume{this, "Volume"};
    platform::Menu Volumeon{&MemuVolume, "Allow Volume Control"};
    platform::Menu Volumeoff{&MemuVolume, "Disable Volume Control"};
    platform::Menu Menurecorder{this, "Reorder"};
    platform::Menu RecordPlay{&Menurecorder, "Allow Play Only"};
    platform::Menu menrecord{&Menurecorder, "Allow Play and Record"};
    platform::Menu mennorecord{&Menurecorder, "Disable recorder"};
    platform::Menu curChange{this, "Pointer"};
    platform::Menu curPoint{&curChange, "Arrow Pointer"};
    platform::Menu curTeddy{&curChange, "Teddy Pointer"};
    platform::Menu Menufont{this, "Font"};
    platform::Menu MenufontUpper{&Menufont, "Upper Case"};
    platform::Menu MenufontLower{&Menufont, "Lower Case"};
    platform::Menu exitop{this, "  Exit Program on/off   "};
    platform::Menu goodbyon{&exitop, "Goodbye On"};
    platform::Menu goodgyoff{&exitop, "Goodbye Off"};
    platform::Menu MenuOption{this, "Menus"};
    platform::Menu MenuOptionsOn{&MenuOption, "This Screen Menus On"};
    platform::Menu MenuOptionsOff{&MenuOption, "This Screen Menus Off"};
    platform::Menu AllMenusaon{&MenuOption, "Menus Defaults On"};
    platform::Menu AllMenuDisable{&MenuOption, "Menus All Off"};
    platform::Menu menuOptionSeparator1{&MenuOption, "-"};
    platform::Menu MenuPrinting{&MenuOption, "Allow Printing"};
    platform::Menu menuPrintOn{&MenuPrinting, "On"};
    platform::Menu menuPrintOff{&MenuPrinting, "Off"};
    platform::Menu menuChalksave{&MenuOption, "ChalkBoard Saving"};
    platform::Menu menuChalkOn{&menuChalksave, "On"};
    platform::Menu menuChalkOff{&menuChalksave, "Off"};
    platform::Menu menuOptionSeparator2{&MenuOption, "-"};
    platform::Menu MenuExitpw{&MenuOption, "Set Password Protection"};
    platform::Menu Helpmenu{this, "Help"};
    platform::Menu insthelp{&Helpmenu, "Instructions"};
    platform::Menu aboutmenu{&Helpmenu, "About"};
    platform::Menu menuPassIsSet{this, "               A Password Is Set"};

    // The keys and the devices in order, for the steps that treat them all alike.
    std::array<platform::Label*, 26> letterKeys() {
        return {&A, &B, &C, &D, &E, &F, &G, &H, &I, &J, &K, &L, &M, &N, &O, &P, &Q, &R, &S, &T, &U, &V, &W, &X, &Y, &Z};
    }
    std::array<platform::Label*, 10> numberKeys() { return {&C1, &C2, &C3, &C4, &C5, &C6, &C7, &C8, &C9, &C10}; }
    std::array<platform::MediaDevice*, 42> devices() {
        return {&MMControl1,  &MMControl2,  &MMControl3,  &MMControl4,  &MMControl5,  &MMControl6,  &MMControl7,
                &MMControl8,  &MMControl9,  &MMControl10, &MMControl11, &MMControl12, &MMControl13, &MMControl14,
                &MMControl15, &MMControl16, &MMControl17, &MMControl18, &MMControl19, &MMControl20, &MMControl21,
                &MMControl22, &MMControl23, &MMControl24, &MMControl25, &MMControl26, &MMControl27, &MMControl28,
                &MMControl29, &MMControl30, &MMControl31, &MMControl32, &MMControl33, &MMControl34, &MMControl35,
                &MMControl36, &MMControl37, &MMControl38, &MMControl39, &MMControl40, &MMControl41, &MMControl42};
    }

    QString nowDir;
    int16_t upperCase = -1;
    int16_t lowerCase = 0;
    int16_t pwSet = 0;
    int writeNow = 0;
    int16_t counter = 0; // seconds recorded so far
    QString checkPwtext; // the text submitted at the last gate
    long MyAppid = 0;    // the volume mixer the board started; 0 when none

    // Says goodbye and ends the program; the exit gate joins it after the big label is set.
    void farewell(int fromStep = 1);
    // The tools a parent opened go when the classroom goes, also when a signal ends it.
    void closeLaunchedTools();

private:
    void setDesignState();
    void connectHandlers();
    void connectLetterKeys();
    void connectNumberKeys();
    void connectAnsweringControls();
    void connectRecorderAndMusic();
    void connectMenus();
    void prepareDevices();
    void Form_Unload();

    // Ways to the other boards.
    void colorshapes_Click();
    void Label2_Click();
    void LabelWrite_Click();

    // Keys, the teddy and the clicks anywhere else.
    void A_Click() { letterKey_Click(0); }
    void B_Click() { letterKey_Click(1); }
    void C_Click() { letterKey_Click(2); }
    void D_Click() { letterKey_Click(3); }
    void E_Click() { letterKey_Click(4); }
    void F_Click() { letterKey_Click(5); }
    void G_Click() { letterKey_Click(6); }
    void H_Click() { letterKey_Click(7); }
    void I_Click() { letterKey_Click(8); }
    void J_Click() { letterKey_Click(9); }
    void K_Click() { letterKey_Click(10); }
    void L_Click() { letterKey_Click(11); }
    void M_Click() { letterKey_Click(12); }
    void N_Click() { letterKey_Click(13); }
    void O_Click() { letterKey_Click(14); }
    void P_Click() { letterKey_Click(15); }
    void Q_Click() { letterKey_Click(16); }
    void R_Click() { letterKey_Click(17); }
    void S_Click() { letterKey_Click(18); }
    void T_Click() { letterKey_Click(19); }
    void U_Click() { letterKey_Click(20); }
    void V_Click() { letterKey_Click(21); }
    void W_Click() { letterKey_Click(22); }
    void X_Click() { letterKey_Click(23); }
    void Y_Click() { letterKey_Click(24); }
    void Z_Click() { letterKey_Click(25); }
    void C1_Click() { numberKey_Click(1); }
    void C2_Click() { numberKey_Click(2); }
    void C3_Click() { numberKey_Click(3); }
    void C4_Click() { numberKey_Click(4); }
    void C5_Click() { numberKey_Click(5); }
    void C6_Click() { numberKey_Click(6); }
    void C7_Click() { numberKey_Click(7); }
    void C8_Click() { numberKey_Click(8); }
    void C9_Click() { numberKey_Click(9); }
    void C10_Click() { numberKey_Click(10); }
    void letterKey_Click(int index);
    void numberKey_Click(int number);
    void Image1_Click();
    void answerClickAnywhere();

    // Typing.
    void Form_KeyDown(int& keyCode, int shift);
    void Text1_Change();
    void emptyTypingBox();
    void MenufontUpper_Click();
    void MenufontLower_Click();

    // Recorder and music.
    void MMControl27_RecordClick(bool& cancel);
    void MMControl27_PlayClick(bool& cancel);
    void Timer1_Timer();
    void Check1_Click();
    void Check2_Click();
    void Label7_Click();
    void Label8_Click();
    void Label9_Click();
    void Startmusic_Click();
    void Stopmusic_Click();
    void MMControl41_Done(int notifyCode);
    void showRecorder(bool withRecordButton);
    void setMusicLabelsVisible(bool visible);

    // Pointer and Help menus.
    void curPoint_Click();
    void curTeddy_Click();
    void insthelp_Click();
    void aboutmenu_Click();

    // The parent's settings, the volume button and the way out.
    void connectSettings();
    void MemuVolume_Click();
    void Volumeon_Click();
    void Volumeoff_Click();
    void Menurecorder_Click();
    void RecordPlay_Click();
    void menrecord_Click();
    void mennorecord_Click();
    void menuPrintOn_Click();
    void menuPrintOff_Click();
    void menuChalkOn_Click();
    void menuChalkOff_Click();
    void MenuOptionsOn_Click();
    void MenuOptionsOff_Click();
    void AllMenuDisable_Click();
    void AllMenusaon_Click();
    void MenuExitpw_Click();
    void volume_Click();
    void exitop_Click();
    void goodbyon_Click();
    void goodgyoff_Click();
    void Goodbye_DblClick();
    void setScreenMenusEnabled(bool enabled);
    void closeVolumeMixer();
    void stopChalkBoardSaving();
    bool leaving_ = false;

    platform::MediaDevice& letterDevice(int index) { return *devices()[static_cast<size_t>(index)]; }
    platform::MediaDevice& digitDevice(int digit);

    QString musicFile; // the tune the start routine plays
    Classroom& room;
};
