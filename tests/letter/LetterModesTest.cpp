// The Letter Board's two modes: the child's letter and the parent's help reader.
#include "LetterFixtures.h"

#include "letter/FontList.h"
#include "platform/Label.h"

#include <QFile>
#include <QFontDatabase>
#include <QFontInfo>
#include <QImage>
#include <algorithm>

namespace {

QString resolvedFamily(const platform::Control& control) {
    return QFontInfo(control.widget()->font()).family();
}

// Whether the picture on screen has the hover outline (the middle of its left edge is dark; the
// pictures themselves keep clear of their edges).
bool outlined(const platform::Image& picture) {
    const QImage shot = picture.widget()->grab().toImage();
    if (shot.isNull())
        return false;
    const QRgb edge = shot.pixel(0, shot.height() / 2);
    return qGray(edge) < 64 && qAlpha(edge) > 0;
}

} // namespace

TEST_F(WritingModeTest, OpensEditableWithTheLetterButtonsAndTheFirstVisitFont) {
    ReadMe& b = board();
    EXPECT_TRUE(b.isVisible());
    EXPECT_FALSE(room().form1().isVisible());
    EXPECT_EQ(b.writeNow, 1);
    EXPECT_EQ(room().form1().writeNow, 1);
    EXPECT_EQ(b.WriteFlag, -1);
    EXPECT_FALSE(b.Text1.locked());
    EXPECT_EQ(b.Text1.maxLength(), 3028);
    EXPECT_TRUE(b.Text1.hasFocus());
    for (const platform::Control* shown : Controls{&b.Command1, &b.ClearMe, &b.SaveRM, &b.OldRM, &b.CheckTools})
        EXPECT_TRUE(shown->visible());
    EXPECT_FALSE(b.PictureTools.visible());
    EXPECT_FALSE(b.ImagePw.visible());
    EXPECT_FALSE(b.ImagePrint.visible());
    EXPECT_EQ(b.CheckTools.value(), 0);
    EXPECT_TRUE(b.menuNew.enabled() && b.menuOpen.enabled() && b.menuSave.enabled());
    EXPECT_FALSE(b.menuPrint.enabled());
    EXPECT_FALSE(b.menuMouse.visible());
    EXPECT_EQ(b.Text1.fontName(), "MS Sans Serif");
    EXPECT_EQ(b.Text1.fontSize(), 18);
    EXPECT_EQ(b.Combo1.text(), "MS Sans Serif");
    EXPECT_EQ(b.Combo2.text(), "18");
    EXPECT_EQ(resolvedFamily(b.Text1), "Liberation Sans");
}

TEST_F(WritingModeTest, TextScreenAndButtonsArePlacedFromTheBoardSizeWithTheirPointers) {
    ReadMe& b = board();
    const double w = b.clientWidth();
    const double h = b.clientHeight();
    EXPECT_NEAR(b.Text1.left(), 0.18 * w, 1);
    EXPECT_NEAR(b.Text1.top(), 0.185 * h, 1);
    EXPECT_NEAR(b.Text1.width(), 0.8 * w, 1);
    EXPECT_NEAR(b.Text1.height(), 0.62 * h, 1);
    EXPECT_NEAR(b.Command1.left(), 0.18 * w, 1);
    const platform::Control* before = &b.Command1;
    for (const platform::Control* button : Controls{&b.ClearMe, &b.SaveRM, &b.OldRM}) {
        EXPECT_NEAR(button->top(), 0.82 * h, 1);
        EXPECT_EQ(button->left(), before->left() + before->width() + 200);
        before = button;
    }
    EXPECT_EQ(b.mousePointer(), platform::pointerDefault) << "the board starts with the standard arrow";
    for (const platform::Control* own : Controls{&b.Command1, &b.ClearMe, &b.Image1}) {
        EXPECT_EQ(own->mousePointer(), platform::pointerCustom);
        EXPECT_EQ(own->cursor().shape(), Qt::BitmapCursor);
    }
}

// Each family once, without the toolkit's maker tags, in alphabetical order; and only fonts that
// write the alphabet: a symbol font would turn the ABCs keys into pictures.
TEST_F(WritingModeTest, FontListNamesEveryLetterFontOnceInAlphabeticalOrder) {
    const platform::ComboBox& list = board().Combo1;
    QStringList items;
    for (int i = 0; i < list.listCount(); ++i)
        items << list.list(i);
    ASSERT_FALSE(items.isEmpty());
    QStringList sorted = items;
    std::stable_sort(sorted.begin(), sorted.end(), [](const QString& a, const QString& b) {
        return QString::compare(a, b, Qt::CaseInsensitive) < 0;
    });
    EXPECT_EQ(items, sorted);
    EXPECT_EQ(items.removeDuplicates(), 0);
    for (const QString& name : items) {
        EXPECT_FALSE(name.contains('[')) << name.toStdString();
        EXPECT_TRUE(QFontDatabase::writingSystems(name).contains(QFontDatabase::Latin)) << name.toStdString();
        EXPECT_FALSE(QFontDatabase::writingSystems(name).contains(QFontDatabase::Symbol)) << name.toStdString();
    }
    EXPECT_TRUE(items.contains("Liberation Sans"));
    // Debian's symbol and dingbat fonts (fonts-urw-base35), where installed.
    for (const char* symbols : {"Standard Symbols PS", "D050000L"})
        EXPECT_FALSE(items.contains(symbols)) << symbols;
}

TEST_F(WritingModeTest, RefusesTheCharacterAfterThe3028th) {
    ReadMe& b = board();
    b.Text1.setText(QString(3026, 'a'));
    b.Text1.setSelStart(3026);
    b.Text1.type("xyz");
    EXPECT_EQ(b.Text1.text().size(), 3028);
    EXPECT_TRUE(b.Text1.text().endsWith("xy"));
}

TEST_F(WritingModeTest, LetterAndFontSurviveTripsToTheAbcBoardAndTheHelpText) {
    ReadMe& b = board();
    b.Text1.type("Dear Granny");
    b.Font24.click();
    EXPECT_EQ(b.Text1.fontSize(), 24);
    EXPECT_EQ(b.Combo2.text(), "24");
    b.Command1.click();
    EXPECT_TRUE(room().form1().isVisible());
    EXPECT_FALSE(b.isVisible());
    EXPECT_EQ(room().form1().Label1.caption(), "ABCs");
    EXPECT_EQ(room().form1().writeNow, 0);
    EXPECT_EQ(b.KeepText, "Dear Granny");
    EXPECT_EQ(b.WriteSize, 24);

    room().readMe().openForHelp();
    EXPECT_NE(b.Text1.text(), "Dear Granny");
    EXPECT_EQ(b.Text1.fontSize(), 8);
    b.Command1.click();
    EXPECT_TRUE(b.Text1.text().isEmpty()) << "leaving the help text empties the screen";
    EXPECT_EQ(b.KeepText, "Dear Granny");

    room().form1().LabelWrite.click();
    EXPECT_EQ(b.Text1.text(), "Dear Granny");
    EXPECT_EQ(b.Text1.fontName(), "MS Sans Serif");
    EXPECT_EQ(b.Text1.fontSize(), 24);
    EXPECT_EQ(b.Combo2.text(), "24");
    EXPECT_FALSE(b.Text1.locked());
}

TEST_F(WritingModeTest, ToolBarAndLetterButtonsNeverShowTogether) {
    ReadMe& b = board();
    b.CheckTools.click();
    EXPECT_TRUE(b.PictureTools.visible());
    for (const platform::Control* hidden : Controls{&b.ClearMe, &b.SaveRM, &b.OldRM})
        EXPECT_FALSE(hidden->visible());
    EXPECT_TRUE(b.ImageNew.visible() && b.ImagePaste.visible() && b.Combo1.visible());
    b.CommandCloseTool.click();
    EXPECT_EQ(b.CheckTools.value(), 0);
    EXPECT_FALSE(b.PictureTools.visible());
    for (const platform::Control* shown : Controls{&b.Command1, &b.ClearMe, &b.SaveRM, &b.OldRM})
        EXPECT_TRUE(shown->visible());
    EXPECT_TRUE(b.Text1.hasFocus());
}

TEST_F(WritingModeTest, ChoosingAFontUnticksBoldAndItalicAndDressesTheAbcKeys) {
    ReadMe& b = board();
    Form1& abc = room().form1();
    // The ABCs board's keys take the font; its other labels keep theirs.
    abc.Q.setFont({"Arial", 24, true, true});
    abc.C10.setFont({"Arial", 24, true});
    platform::Label& letterKey = abc.Q;
    platform::Label& numberKey = abc.C10;
    platform::Label& notAKey = abc.Goodbye;
    notAKey.setFont({"Arial", 14.25, true});
    b.Check1.click();
    b.Check2.click();
    EXPECT_TRUE(b.Text1.fontItalic() && b.Text1.fontBold());
    b.CheckTools.click();
    b.Combo1.choose("DejaVu Serif");
    EXPECT_EQ(b.Text1.fontName(), "DejaVu Serif");
    EXPECT_EQ(resolvedFamily(b.Text1), "DejaVu Serif");
    EXPECT_EQ(b.Check1.value(), 0);
    EXPECT_EQ(b.Check2.value(), 0);
    EXPECT_FALSE(b.Text1.fontItalic() || b.Text1.fontBold());
    for (const platform::Label* key : {&abc.Label1, &letterKey, &numberKey}) {
        EXPECT_EQ(key->fontName(), "DejaVu Serif") << key->caption().toStdString();
        EXPECT_FALSE(key->fontBold() || key->fontItalic()) << key->caption().toStdString();
    }
    EXPECT_EQ(notAKey.fontName(), "Arial");
    EXPECT_TRUE(notAKey.fontBold());
}

TEST_F(WritingModeTest, FontSizeListSetsTheTextSize) {
    ReadMe& b = board();
    b.CheckTools.click();
    b.Combo2.choose("46");
    EXPECT_EQ(b.Text1.fontSize(), 46);
    EXPECT_TRUE(b.Text1.hasFocus());
}

struct TextScheme {
    const char* label;
    platform::OptionButton ReadMe::*option;
    platform::OleColor back;
    platform::OleColor fore;
};

TEST_F(WritingModeTest, TextColourOptionsSetTheTextScreen) {
    const TextScheme schemes[] = {
        {"Blue - White", &ReadMe::Option5, platform::rgb(0, 0, 255), platform::colors::white},
        {"Green - Black", &ReadMe::Option6, platform::rgb(192, 255, 192), platform::colors::black},
        {"Red - White", &ReadMe::Option7, platform::rgb(255, 0, 0), platform::colors::white},
        {"Black - White", &ReadMe::Option8, platform::colors::black, platform::colors::white},
        {"Normal", &ReadMe::Option4, platform::colors::white, platform::colors::black},
    };
    for (const TextScheme& s : schemes) {
        (board().*s.option).click();
        EXPECT_EQ(board().Text1.backColor(), s.back) << s.label;
        EXPECT_EQ(board().Text1.foreColor(), s.fore) << s.label;
    }
}

TEST_F(WritingModeTest, BackgroundOptionsColourTheBoardFramesLabelsOptionsAndChecks) {
    ReadMe& b = board();
    const std::pair<platform::OptionButton*, platform::OleColor> choices[] = {
        {&b.Option9, platform::rgb(0, 192, 0)},
        {&b.Option2, platform::rgb(192, 192, 192)},
        {&b.Option3, platform::rgb(128, 128, 255)},
        {&b.Option1, platform::rgb(255, 128, 128)}};
    for (const auto& [option, colour] : choices) {
        option->click();
        EXPECT_EQ(b.backColor(), colour);
        for (const platform::Control* c : std::initializer_list<const platform::Control*>{
                 &b.Frame1, &b.Frame2, &b.Frame3, &b.Label1, &b.Label6, &b.Option4, &b.Option9, &b.Check1, &b.Check2,
                 &b.CheckTools})
            EXPECT_EQ(c->backColor(), colour);
        EXPECT_TRUE(b.Text1.hasFocus());
    }
}

TEST_F(WritingModeTest, PointerOverTheToolBarOutlinesOnePictureAndNamesIt) {
    ReadMe& b = board();
    b.CheckTools.click();
    const std::pair<platform::Image*, const char*> pictures[] = {{&b.ImageNew, "New"},   {&b.ImageOpen, "Open"},
                                                                 {&b.ImageSave, "Save"}, {&b.ImageCopy, "Copy"},
                                                                 {&b.ImageCut, "Cut"},   {&b.ImagePaste, "Paste"}};
    for (const auto& [picture, name] : pictures) {
        picture->mouseMove(60, 60);
        EXPECT_EQ(b.LabelToolbar.caption(), name);
        for (const auto& [other, otherName] : pictures)
            EXPECT_EQ(outlined(*other), other == picture) << name << " / " << otherName;
    }
    b.ImagePw.mouseMove(60, 60);
    EXPECT_EQ(b.LabelToolbar.caption(), "Paste") << "the password picture leaves the name";
    EXPECT_TRUE(outlined(b.ImagePw));
    EXPECT_FALSE(outlined(b.ImagePaste));
    b.PictureTools.mouseMove(3000, 200);
    EXPECT_EQ(b.LabelToolbar.caption(), "");
    for (const platform::Image* picture : {&b.ImageNew, &b.ImagePaste, &b.ImagePw})
        EXPECT_FALSE(outlined(*picture));
}

TEST_F(WritingModeTest, ClicksOnTheBoardAndTeddySoundHonoAndTheToolBarDing) {
    ReadMe& b = board();
    b.clickAt(9000, 600);
    EXPECT_EQ(honos(), 1);
    EXPECT_TRUE(b.Text1.hasFocus());
    b.Image1.click();
    EXPECT_EQ(honos(), 2);
    b.CheckTools.click();
    b.PictureTools.click();
    EXPECT_EQ(dings(), 1);
}

TEST_F(WritingModeTest, PointerMenuChangesOnlyThisBoard) {
    ReadMe& b = board();
    EXPECT_EQ(b.mousePointer(), platform::pointerDefault);
    b.curTeddy.click();
    EXPECT_EQ(b.mousePointer(), platform::pointerCustom);
    EXPECT_EQ(b.pointerCursor().shape(), Qt::BitmapCursor);
    b.curPoint.click();
    EXPECT_EQ(b.mousePointer(), platform::pointerDefault);
    EXPECT_EQ(room().form1().mousePointer(), platform::pointerCustom);
}

TEST_F(WritingModeTest, ExitMenuLeavesLikeGoToAbcs) {
    board().Text1.type("Hi");
    board().menuExit.click();
    EXPECT_TRUE(room().form1().isVisible());
    EXPECT_FALSE(board().isVisible());
    EXPECT_EQ(board().KeepText, "Hi");
    for (const platform::Control* hidden : Controls{&board().ClearMe, &board().SaveRM, &board().OldRM})
        EXPECT_FALSE(hidden->visible());
}

TEST_F(HelpModeTest, ShowsTheHelpTextLockedWithoutTheLetterTools) {
    ReadMe& b = board();
    QFile help(startFile("help.txt"));
    ASSERT_TRUE(help.open(QIODevice::ReadOnly));
    EXPECT_EQ(b.Text1.text(), QString::fromUtf8(help.readAll()));
    EXPECT_TRUE(b.isVisible());
    EXPECT_FALSE(room().form1().isVisible());
    EXPECT_EQ(b.writeNow, 0);
    EXPECT_TRUE(b.Text1.locked());
    EXPECT_EQ(b.Text1.maxLength(), 0);
    EXPECT_EQ(b.Text1.fontName(), "MS Sans Serif");
    EXPECT_EQ(b.Text1.fontSize(), 8);
    EXPECT_EQ(b.Combo2.text(), "8");
    EXPECT_EQ(resolvedFamily(b.Text1), "Liberation Sans");
    EXPECT_TRUE(b.ImagePw.visible());
    for (const platform::Control* hidden : std::initializer_list<const platform::Control*>{
             &b.ImageNew, &b.ImageOpen, &b.ImageSave, &b.ImageCopy, &b.ImageCut, &b.ImagePaste, &b.Combo1, &b.Combo2,
             &b.ClearMe, &b.SaveRM, &b.OldRM, &b.PictureTools})
        EXPECT_FALSE(hidden->visible());
    EXPECT_FALSE(b.menuNew.enabled() || b.menuOpen.enabled() || b.menuSave.enabled());
    EXPECT_EQ(b.CheckTools.value(), 0);
}

TEST_F(HelpModeTest, HasNoLimitAndIsNotEditable) {
    ReadMe& b = board();
    const QString before = b.Text1.text();
    b.Text1.type("x");
    EXPECT_EQ(b.Text1.text(), before);
    b.Text1.setText(QString(5000, 'h'));
    EXPECT_EQ(b.Text1.text().size(), 5000);
}

TEST_F(HelpModeTest, ClickInTheTextSendsTheFocusToGoToAbcs) {
    board().Text1.click();
    EXPECT_TRUE(board().Command1.hasFocus());
}

TEST_F(HelpModeTest, ToolBarNeverBringsTheLetterButtons) {
    ReadMe& b = board();
    b.CheckTools.click();
    EXPECT_TRUE(b.PictureTools.visible());
    EXPECT_TRUE(b.ImagePw.visible());
    b.CheckTools.click();
    EXPECT_FALSE(b.PictureTools.visible());
    EXPECT_TRUE(b.Command1.visible());
    for (const platform::Control* hidden : Controls{&b.ClearMe, &b.SaveRM, &b.OldRM})
        EXPECT_FALSE(hidden->visible());
}

TEST_F(HelpModeTest, WritingAfterHelpIsStillAFirstVisit) {
    board().Command1.click();
    EXPECT_FALSE(board().ImagePw.visible());
    room().form1().LabelWrite.click();
    EXPECT_FALSE(board().ImagePw.visible());
    EXPECT_TRUE(board().ImageNew.visible());
    EXPECT_TRUE(board().Text1.text().isEmpty());
    EXPECT_EQ(board().Text1.fontSize(), 18) << "the first writing visit, even after the help text";
}

TEST_F(EmptyClassroomFixture, InstructionsWithoutAHelpFileSayItIsMissing) {
    room().readMe().openForHelp();
    EXPECT_EQ(room().readMe().Text1.text(), "The file Help.txt not found");
    EXPECT_TRUE(room().readMe().Text1.locked());
    EXPECT_TRUE(room().readMe().isVisible());
}
