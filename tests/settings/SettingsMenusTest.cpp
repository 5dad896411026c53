// The parent's menus on the ABCs board: which menus the child may use on every board, printing,
// ChalkBoard saving, the volume button and the recorder mode.
#include "SettingsFixture.h"

#include "creative/Form2.h"
#include "creative/Form3.h"
#include "numbers/Form5.h"
#include "numbers/Form6.h"
#include "numbers/Form7.h"
#include "numbers/Form8.h"
#include "numbers/form9.h"

#include <functional>
#include <optional>
#include <vector>

namespace {

using SettingsMenusTest = SettingsFixture;

TEST_F(SettingsMenusTest, EveryMenuOfTheAbcsBoardStartsAsDesigned) {
    struct Start {
        const platform::Menu* menu;
        const char* caption;
        bool enabled;
        bool visible;
    };
    Form1& b = abc();
    const Start starts[] = {
        {&b.menblank, "   ", true, true},
        {&b.MemuVolume, "Volume", false, true},
        {&b.Volumeon, "Allow Volume Control", true, true},
        {&b.Volumeoff, "Disable Volume Control", true, true},
        {&b.Menurecorder, "Reorder", true, true},
        {&b.RecordPlay, "Allow Play Only", true, true},
        {&b.menrecord, "Allow Play and Record", true, true},
        {&b.mennorecord, "Disable recorder", true, true},
        {&b.curChange, "Pointer", true, true},
        {&b.Menufont, "Font", true, true},
        {&b.exitop, "  Exit Program on/off   ", false, true},
        {&b.goodbyon, "Goodbye On", true, true},
        {&b.goodgyoff, "Goodbye Off", true, true},
        {&b.MenuOption, "Menus", true, true},
        {&b.MenuOptionsOn, "This Screen Menus On", true, true},
        {&b.MenuOptionsOff, "This Screen Menus Off", true, true},
        {&b.AllMenusaon, "Menus Defaults On", true, true},
        {&b.AllMenuDisable, "Menus All Off", true, true},
        {&b.MenuPrinting, "Allow Printing", true, true},
        {&b.menuPrintOn, "On", true, true},
        {&b.menuPrintOff, "Off", true, true},
        {&b.menuChalksave, "ChalkBoard Saving", true, true},
        {&b.menuChalkOn, "On", true, true},
        {&b.menuChalkOff, "Off", true, true},
        {&b.MenuExitpw, "Set Password Protection", true, true},
        {&b.Helpmenu, "Help", false, true},
    };
    for (const Start& s : starts) {
        SCOPED_TRACE(s.caption);
        EXPECT_EQ(s.menu->caption(), s.caption);
        EXPECT_EQ(s.menu->enabled(), s.enabled);
        EXPECT_EQ(s.menu->visible(), s.visible);
    }
    EXPECT_EQ(b.menuPassIsSet.caption(), "               A Password Is Set");
    EXPECT_FALSE(b.menuPassIsSet.visible());
    // What the settings hold at start: printing off, volume button off, recorder off, saving on.
    EXPECT_FALSE(letter().menuPrint.enabled());
    EXPECT_FALSE(letter().ImagePrint.visible());
    EXPECT_FALSE(letter().menuMouse.visible());
    EXPECT_TRUE(room().form3().SaveMenu.enabled());
    for (const platform::Control* off :
         std::initializer_list<const platform::Control*>{&b.volume, &b.Label6, &b.Check1, &b.Label5, &b.Label10})
        EXPECT_FALSE(off->visible());
}

TEST_F(SettingsMenusTest, ThisScreenMenusOnAndOffSwitchTheSixMenusOfThisBoardOnly) {
    Form1& b = abc();
    const platform::Menu* six[] = {&b.MemuVolume, &b.Menurecorder, &b.curChange, &b.exitop, &b.Helpmenu, &b.Menufont};
    b.MenuOptionsOn.click();
    for (const platform::Menu* m : six)
        EXPECT_TRUE(m->enabled()) << m->caption().toStdString();
    b.MenuOptionsOff.click();
    for (const platform::Menu* m : six)
        EXPECT_FALSE(m->enabled()) << m->caption().toStdString();
    EXPECT_TRUE(b.MenuOption.enabled());
    EXPECT_TRUE(room().form2().curchange2.enabled()) << "other boards keep their menus";
    b.MenuOptionsOn.click();
    EXPECT_TRUE(b.Helpmenu.enabled()) << "the Menus menu stays usable to switch them back on";
}

// One row a control or menu of any board that "Menus All Off" and "Menus Defaults On" set.
struct Obeyed {
    const char* what;
    std::function<bool(Classroom&)> state; // enabled for a menu, shown for a control
    bool afterAllOff;
    std::optional<bool> afterDefaultsOn; // none: "Menus Defaults On" leaves it as it was
};

const Obeyed obeyed[] = {
    {"ABCs Volume", [](Classroom& r) { return r.form1().MemuVolume.enabled(); }, false, false},
    {"ABCs Reorder", [](Classroom& r) { return r.form1().Menurecorder.enabled(); }, false, true},
    {"ABCs Pointer", [](Classroom& r) { return r.form1().curChange.enabled(); }, false, true},
    {"ABCs Exit Program", [](Classroom& r) { return r.form1().exitop.enabled(); }, false, false},
    {"ABCs Help", [](Classroom& r) { return r.form1().Helpmenu.enabled(); }, false, false},
    {"ABCs Font", [](Classroom& r) { return r.form1().Menufont.enabled(); }, false, true},
    {"ABCs Menus", [](Classroom& r) { return r.form1().MenuOption.enabled(); }, true, true},
    {"Colors Pointer", [](Classroom& r) { return r.form2().curchange2.enabled(); }, false, true},
    {"Chalk BackGround", [](Classroom& r) { return r.form3().menbackground.enabled(); }, false, true},
    {"Chalk Turn Save On/Off", [](Classroom& r) { return r.form3().SaveMenu.enabled(); }, false, false},
    {"Chalk Pointer", [](Classroom& r) { return r.form3().Curselect.enabled(); }, false, true},
    {"Chalk keeps drawing", [](Classroom& r) { return r.form3().autoRedraw(); }, false, std::nullopt},
    {"Chalk Save Picture", [](Classroom& r) { return r.form3().CommandSavepic.visible(); }, false, std::nullopt},
    {"Chalk Get Picture", [](Classroom& r) { return r.form3().CommandLoadpic.visible(); }, false, std::nullopt},
    {"Letter Mouse shown", [](Classroom& r) { return r.readMe().menuMouse.visible(); }, false, true},
    {"Letter Print", [](Classroom& r) { return r.readMe().menuPrint.enabled(); }, false, false},
    {"Letter Font Size", [](Classroom& r) { return r.readMe().Fontmenu.enabled(); }, false, true},
    {"Letter Pointer", [](Classroom& r) { return r.readMe().curHelpmenu.enabled(); }, false, true},
    {"Letter print button", [](Classroom& r) { return r.readMe().ImagePrint.visible(); }, false, false},
    {"Letter File", [](Classroom& r) { return r.readMe().menuFile.enabled(); }, false, true},
    {"Letter Edit", [](Classroom& r) { return r.readMe().menuEdit.enabled(); }, false, true},
    {"Letter Show Tool Bar", [](Classroom& r) { return r.readMe().CheckTools.visible(); }, false, true},
    {"123s Pointer", [](Classroom& r) { return r.form5().curChange.enabled(); }, false, true},
    {"Times Tables Pointer", [](Classroom& r) { return r.form6().Curmenu.enabled(); }, false, true},
    {"Multiply Pointer", [](Classroom& r) { return r.form7().Curmenu.enabled(); }, false, true},
    {"Multiply Type Input", [](Classroom& r) { return r.form7().InputMenu.enabled(); }, false, true},
    {"Problem Pointer", [](Classroom& r) { return r.form8().Curmenu.enabled(); }, false, true},
    {"Divide Pointer", [](Classroom& r) { return r.form9().Curmenu.enabled(); }, false, true},
};

TEST_F(SettingsMenusTest, MenusAllOffAndDefaultsOnSetEveryBoard) {
    // Everything the two items touch is first put the other way, so each row can fail.
    abc().MenuOptionsOn.click();
    requestPrinting();
    room().form3().SaveOnMenu.click();
    ASSERT_TRUE(room().form3().CommandSavepic.visible());
    ASSERT_TRUE(letter().ImagePrint.visible());

    abc().AllMenuDisable.click();
    for (const Obeyed& row : obeyed)
        EXPECT_EQ(row.state(room()), row.afterAllOff) << "after Menus All Off: " << row.what;

    // The parent can still reach the settings, and defaults withdraw printing and saving again.
    requestPrinting();
    abc().menuChalkOn.click();
    room().form3().SaveOnMenu.click();
    ASSERT_TRUE(letter().menuPrint.enabled());
    std::vector<bool> before;
    for (const Obeyed& row : obeyed)
        before.push_back(row.state(room()));
    abc().AllMenusaon.click();
    for (size_t i = 0; i < std::size(obeyed); ++i)
        EXPECT_EQ(obeyed[i].state(room()), obeyed[i].afterDefaultsOn.value_or(before[i]))
            << "after Menus Defaults On: " << obeyed[i].what;
}

TEST_F(SettingsMenusTest, OpeningVolumeGreysTheItemThatWouldChangeNothing) {
    Form1& b = abc();
    b.MenuOptionsOn.click();
    b.MemuVolume.open();
    EXPECT_TRUE(b.Volumeon.enabled());
    EXPECT_FALSE(b.Volumeoff.enabled());
    b.Volumeon.click();
    ASSERT_TRUE(b.volume.visible());
    b.MemuVolume.open();
    EXPECT_FALSE(b.Volumeon.enabled());
    EXPECT_TRUE(b.Volumeoff.enabled());
    b.Volumeoff.click();
    EXPECT_FALSE(b.volume.visible());
    EXPECT_FALSE(b.Label6.visible());
    b.MemuVolume.open();
    EXPECT_TRUE(b.Volumeon.enabled());
    EXPECT_FALSE(b.Volumeoff.enabled());
}

// Each step chooses a recorder mode, then opens "Reorder": exactly the current mode's item is grey.
TEST_F(SettingsMenusTest, EachRecorderModeSetsItsControlsAndGreysItsOwnItem) {
    struct Mode {
        const char* name;
        platform::Menu* choose; // nullptr: as the board starts
        bool check1, label5, label10, recordButton, label3;
        bool playOnlyItem, playAndRecordItem, disableItem;
    };
    Form1& b = abc();
    const Mode modes[] = {
        {"at start", nullptr, false, false, false, false, false, true, true, false},
        {"play only", &b.RecordPlay, true, false, true, false, false, false, true, true},
        {"play and record", &b.menrecord, true, true, false, true, true, true, false, true},
        {"disabled", &b.mennorecord, false, false, false, true, false, true, true, false},
        {"play and record again", &b.menrecord, true, true, false, true, true, true, false, true},
        {"play only again", &b.RecordPlay, true, false, true, false, false, false, true, true},
    };
    for (const Mode& m : modes) {
        SCOPED_TRACE(m.name);
        if (m.choose)
            m.choose->click();
        EXPECT_EQ(b.Check1.visible(), m.check1);
        EXPECT_EQ(b.Label5.visible(), m.label5);
        EXPECT_EQ(b.Label10.visible(), m.label10);
        if (m.choose) { // "as left" at start
            EXPECT_EQ(b.MMControl27.recordVisible(), m.recordButton);
        }
        EXPECT_EQ(b.Label3.visible(), m.label3);
        EXPECT_FALSE(b.MMControl27.visible()) << "neither item shows the recorder itself";
        b.Menurecorder.open();
        EXPECT_EQ(b.RecordPlay.enabled(), m.playOnlyItem);
        EXPECT_EQ(b.menrecord.enabled(), m.playAndRecordItem);
        EXPECT_EQ(b.mennorecord.enabled(), m.disableItem);
    }
}

TEST_F(SettingsMenusTest, DisableRecorderWhileItShowsBringsBackTheMusic) {
    Form1& b = abc();
    b.menrecord.click();
    b.Check1.click();
    ASSERT_EQ(b.Check1.value(), 1);
    ASSERT_TRUE(b.MMControl27.visible());
    ASSERT_FALSE(b.Label7.visible());

    b.mennorecord.click();
    EXPECT_EQ(b.Check1.value(), 0);
    EXPECT_FALSE(b.Check1.visible());
    EXPECT_FALSE(b.Label5.visible());
    EXPECT_FALSE(b.MMControl27.visible());
    EXPECT_FALSE(b.Label3.visible());
    EXPECT_FALSE(b.Label4.visible());
    for (const platform::Label* music : {&b.Label7, &b.Label8, &b.Label9})
        EXPECT_TRUE(music->visible()) << music->caption().toStdString();
}

TEST_F(SettingsMenusTest, OffItemsNeverAskForThePassword) {
    setPassword("owl");
    requestPrinting();
    pw().Text1.type("owl");
    pw().Command2.click();
    requestVolume();
    pw().Text1.type("owl");
    pw().Command2.click();
    abc().goodbyon.click();
    ASSERT_TRUE(letter().ImagePrint.visible());
    ASSERT_TRUE(abc().volume.visible());

    for (platform::Menu* off : {&abc().menuPrintOff, &abc().Volumeoff, &abc().menuChalkOff, &abc().mennorecord,
                                &abc().RecordPlay, &abc().goodgyoff, &abc().MenuOptionsOff}) {
        off->click();
        EXPECT_FALSE(pw().isVisible()) << off->caption().toStdString();
        EXPECT_TRUE(abc().isVisible()) << off->caption().toStdString();
    }
    EXPECT_FALSE(letter().menuPrint.enabled());
    EXPECT_FALSE(letter().ImagePrint.visible());
    EXPECT_FALSE(abc().volume.visible());
    EXPECT_FALSE(abc().Label6.visible());
    EXPECT_FALSE(abc().Goodbye.visible());
}

TEST_F(SettingsMenusTest, ChalkBoardSavingOffStopsSavingAndOnOnlyGivesTheMenuBack) {
    Form3& chalk = room().form3();
    chalk.SaveOnMenu.click();
    ASSERT_TRUE(chalk.autoRedraw());
    abc().menuChalkOff.click();
    EXPECT_FALSE(chalk.SaveMenu.enabled());
    EXPECT_FALSE(chalk.autoRedraw());
    EXPECT_FALSE(chalk.CommandSavepic.visible());
    EXPECT_FALSE(chalk.CommandLoadpic.visible());

    abc().menuChalkOn.click();
    EXPECT_TRUE(chalk.SaveMenu.enabled());
    EXPECT_FALSE(chalk.autoRedraw()) << "saving comes back only through the ChalkBoard's own menu";
    EXPECT_FALSE(chalk.CommandSavepic.visible());
    chalk.SaveOnMenu.click();
    EXPECT_TRUE(chalk.CommandSavepic.visible());
}

} // namespace
