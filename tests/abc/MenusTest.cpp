#include "AbcBoardFixture.h"

#include "creative/Form2.h"
#include "letter/ReadMe.h"
#include "numbers/Form5.h"
#include "platform/MessageBox.h"
#include "platform/Pictures.h"

#include <QFile>

namespace {

QImage pointerImage(const QCursor& cursor) {
    return cursor.pixmap().toImage();
}

class NoTeddyCursorFixture : public AbcBoardFixture {
protected:
    bool wantsMediaFile(const QString& name) const override { return name.compare("teddy.cur", Qt::CaseInsensitive); }
};

} // namespace

TEST_F(AbcBoardFixture, TheMenuBarStartsAsTheParentLeftIt) {
    Form1& b = board();
    EXPECT_EQ(b.menblank.caption(), "   ");
    EXPECT_EQ(b.exitop.caption(), "  Exit Program on/off   ");
    EXPECT_EQ(b.menuPassIsSet.caption(), "               A Password Is Set");
    for (const platform::Menu* off : {&b.MemuVolume, &b.exitop, &b.Helpmenu})
        EXPECT_FALSE(off->enabled()) << off->caption().toStdString();
    for (const platform::Menu* on : {&b.menblank, &b.Menurecorder, &b.curChange, &b.Menufont, &b.MenuOption})
        EXPECT_TRUE(on->enabled()) << on->caption().toStdString();
    EXPECT_FALSE(b.menuPassIsSet.visible());
    for (const platform::Control* hidden : std::initializer_list<const platform::Control*>{
             &b.volume, &b.Label6, &b.Goodbye, &b.Check1, &b.Label5, &b.Label10, &b.Label3, &b.Label4, &b.MMControl27,
             &b.Startmusic})
        EXPECT_FALSE(hidden->visible());
    EXPECT_EQ(b.Goodbye.caption(), " Good Bye");
    EXPECT_EQ(b.Goodbye.mousePointer(), platform::pointerCustom);
}

TEST_F(AbcBoardFixture, PointerMenusChangeThisBoardOnly) {
    Form1& b = board();
    const QImage builtIn = pointerImage(b.pointerCursor());
    b.curPoint.click();
    EXPECT_EQ(b.mousePointer(), platform::pointerDefault);
    EXPECT_EQ(room().form2().mousePointer(), platform::pointerCustom);
    EXPECT_EQ(room().form5().mousePointer(), platform::pointerCustom);
    EXPECT_EQ(b.colorshapes.mousePointer(), platform::pointerCustom) << "the way to another board keeps the car";

    // A pointer file that differs from the built-in teddy shows which picture the board took.
    ASSERT_TRUE(QFile::remove(startFile("teddy.cur")));
    ASSERT_TRUE(QFile::copy(startFile("teddy2.cur"), startFile("teddy.cur")));
    const std::optional<QCursor> fromFile = platform::loadCursor(startFile("teddy.cur"));
    ASSERT_TRUE(fromFile);
    ASSERT_NE(pointerImage(*fromFile), builtIn);
    const QImage form2Pointer = pointerImage(room().form2().pointerCursor());
    b.curTeddy.click();
    EXPECT_EQ(b.mousePointer(), platform::pointerCustom);
    EXPECT_EQ(pointerImage(b.pointerCursor()), pointerImage(*fromFile));
    EXPECT_EQ(pointerImage(room().form2().pointerCursor()), form2Pointer);
}

TEST_F(NoTeddyCursorFixture, AMissingTeddyPointerFileKeepsThePointerItHad) {
    Form1& b = board();
    const QImage builtIn = pointerImage(b.pointerCursor());
    b.curPoint.click();
    b.curTeddy.click();
    EXPECT_EQ(b.mousePointer(), platform::pointerCustom);
    EXPECT_EQ(pointerImage(b.pointerCursor()), builtIn);
}

TEST_F(AbcBoardFixture, HelpMenuOffersInstructionsAndAboutOnceTheParentEnablesIt) {
    Form1& b = board();
    b.aboutmenu.click();
    EXPECT_TRUE(platform::MessageBox::captured().isEmpty()) << "the Help menu starts disabled";

    b.Helpmenu.setEnabled(true);
    b.aboutmenu.click();
    ASSERT_EQ(platform::MessageBox::captured().size(), 1);
    const QString about = platform::MessageBox::captured().front();
    EXPECT_TRUE(about.contains("1.4"));
    EXPECT_TRUE(about.contains("Pipkin's Classroom"));
    EXPECT_FALSE(about.contains('\n'));

    b.insthelp.click();
    EXPECT_TRUE(room().readMe().isVisible());
    EXPECT_FALSE(b.isVisible());
}
