#include "letter/ReadMe.h"

#include "abc/Form1.h"
#include "creative/Form2.h"
#include "letter/KeyFont.h"
#include "letter/LetterFile.h"
#include "platform/Clipboard.h"
#include "platform/Files.h"
#include "platform/MessageBox.h"
#include "platform/Pictures.h"
#include "platform/Printer.h"
#include "platform/Runtime.h"
#include "settings/Form10.h"
#include "settings/Module1.h"
#include "shell/Classroom.h"
#include "shell/Conventions.h"
#include "shell/FitToScreen.h"
#include "shell/SoundBank.h"

#include <algorithm>
#include <cmath>

using namespace platform;

namespace {
const OleColor lightRed = colors::lightRed;
const OleColor grey = rgb(192, 192, 192);
const OleColor toolLabelGrey = rgb(224, 224, 224);
const FontSpec goToFont{"MS Sans Serif", 13.5, true};
const FontSpec newButtonFont{"MS Sans Serif", 9.75, true};
TwipsRect tool(int left) {
    return {left, 120, 240, 225};
}
} // namespace

ReadMe::ReadMe(Classroom& room_)
    : Form(" Pipkin's Classroom   Letter Board", lightRed),
      Text1(this, {1740, 1320, 7680, 4440}, TextBox::Lines::multiWithScrollBar),
      Command1(this, {1740, 5880, 2865, 795}, "Go To ABCs", goToFont),
      ClearMe(this, {4805, 5880, 1395, 795}, "New", newButtonFont), SaveRM(this, {6400, 5880, 855, 795}, "Save Letter"),
      OldRM(this, {7455, 5880, 855, 795}, "Get Letter"), Image1(this, {60, 4560, 1440, 1500}, true),
      CheckTools(this, {1800, 840, 1515, 315}, "Show Tool Bar", lightRed),
      Frame3(this, {60, 660, 1575, 975}, "Font Type", lightRed),
      Check1(&Frame3, {180, 240, 1215, 255}, "Italic", lightRed),
      Check2(&Frame3, {180, 600, 1215, 255}, "Bold", lightRed),
      Frame2(this, {60, 1800, 1575, 2535}, "Text Screen", lightRed),
      Option4(&Frame2, {120, 360, 255, 255}, {}, lightRed), Option5(&Frame2, {120, 780, 255, 255}, {}, lightRed),
      Option6(&Frame2, {120, 1200, 255, 255}, {}, lightRed), Option7(&Frame2, {120, 1620, 255, 255}, {}, lightRed),
      Option8(&Frame2, {120, 2040, 255, 255}, {}, lightRed), Label1(&Frame2, {420, 360, 1095, 255}, "Normal", lightRed),
      Label2(&Frame2, {420, 780, 1095, 255}, "Blue - White", lightRed),
      Label3(&Frame2, {420, 1200, 1095, 255}, "Green - Black", lightRed),
      Label4(&Frame2, {420, 1620, 1095, 255}, "Red - White", lightRed),
      Label5(&Frame2, {420, 2040, 1095, 255}, "Black - White", lightRed),
      Frame1(this, {3540, 420, 4095, 855}, {}, lightRed),
      Label6(&Frame1, {120, 120, 3855, 255}, "   Red         Gray         Blue     Green", lightRed),
      Option1(&Frame1, {300, 480, 255, 255}, {}, lightRed), Option2(&Frame1, {1080, 480, 255, 255}, {}, lightRed),
      Option3(&Frame1, {1860, 480, 255, 255}, {}, lightRed), Option9(&Frame1, {2520, 480, 255, 255}, {}, lightRed),
      PictureTools(this, {0, 0, 9495, 495}, grey, "Tool Bar"),
      LabelToolbar(&PictureTools, {7320, 60, 1095, 315}, {}, toolLabelGrey, {}, Align::center),
      CommandCloseTool(&PictureTools, {8520, 60, 795, 315}, "Close"),
      Combo1(&PictureTools, {1920, 60, 2235, 315}, true), Combo2(&PictureTools, {4200, 60, 855, 315}),
      ImageNew(&PictureTools, tool(120)), ImageOpen(&PictureTools, tool(600)), ImageSave(&PictureTools, tool(1080)),
      ImagePrint(&PictureTools, tool(1560)), ImageCopy(&PictureTools, tool(5280)), ImageCut(&PictureTools, tool(5760)),
      ImagePaste(&PictureTools, tool(6240)), ImagePw(&PictureTools, {6720, 60, 375, 315}), room(room_) {
    setUpDesign();
    nameUnlabelledControls();
    connectEditor();
    connectCommands();
    connectToolBar();
}

// The colour choices carry no captions: the labels beside (or above) them say which colours they give.
void ReadMe::nameUnlabelledControls() {
    Text1.setAccessibleName("Letter");
    Combo1.setAccessibleName("Font");
    Combo2.setAccessibleName("Font Size");
    const std::pair<platform::OptionButton*, const char*> named[] = {
        {&Option4, "Text Screen Normal"},      {&Option5, "Text Screen Blue - White"},
        {&Option6, "Text Screen Green - Black"}, {&Option7, "Text Screen Red - White"},
        {&Option8, "Text Screen Black - White"}, {&Option1, "Screen Red"},
        {&Option2, "Screen Gray"},             {&Option3, "Screen Blue"},
        {&Option9, "Screen Green"}};
    for (const auto& [option, name] : named)
        option->setAccessibleName(name);
}

void ReadMe::setUpDesign() {
    conventions::useCarPointer(Command1);
    ClearMe.setMouseIcon(builtinCursor("letter-eraser-pointer"));
    ClearMe.setMousePointer(pointerCustom);
    Image1.setBuiltinPicture("teddy");
    Image1.setDescription("Teddy");
    Image1.setMouseIcon(conventions::wavingTeddyPointer());
    Image1.setMousePointer(pointerCustom);
    for (Control* hidden :
         std::initializer_list<Control*>{&ClearMe, &SaveRM, &OldRM, &PictureTools, &ImagePrint, &ImagePw})
        hidden->setVisible(false);
    for (const char* size :
         {"8", "10", "12", "14", "16", "18", "20", "24", "28", "32", "36", "40", "46", "52", "64", "72"})
        Combo2.addItem(size);
    tools.add(ImageNew, "letter-new", "New");
    tools.add(ImageOpen, "letter-open", "Open");
    tools.add(ImageSave, "letter-save", "Save");
    tools.add(ImagePrint, "letter-print", "Print");
    tools.add(ImageCopy, "letter-copy", "Copy");
    tools.add(ImageCut, "letter-cut", "Cut");
    tools.add(ImagePaste, "letter-paste", "Paste");
    tools.add(ImagePw, "letter-password", {});
    Option4.setValue(true);
    Option1.setValue(true);
    menuPrint.setEnabled(false);
    menuMouse.setVisible(false);
}

void ReadMe::connectEditor() {
    Command1.Click.connect([this] { Command1_Click(); });
    menuExit.Click.connect([this] { Command1_Click(); });
    Text1.Click.connect([this] { Text1_Click(); });
    Check1.Click.connect([this] { Check1_Click(); });
    Check2.Click.connect([this] { Check2_Click(); });
    Combo1.Click.connect([this] { Combo1_Click(); });
    Combo2.Click.connect([this] { Combo2_Click(); });
    const std::pair<Menu*, int> sizes[] = {{&Font8, 8}, {&Font10, 10}, {&Font12, 12}, {&Font18, 18}, {&Font24, 24}};
    for (const auto& [item, points] : sizes)
        item->Click.connect([this, points = points] { fontMenu_Click(points); });
    Option4.Click.connect([this] { textColors(colors::white, colors::black); });
    Option5.Click.connect([this] { textColors(rgb(0, 0, 255), colors::white); });
    Option6.Click.connect([this] { textColors(rgb(192, 255, 192), colors::black); });
    Option7.Click.connect([this] { textColors(rgb(255, 0, 0), colors::white); });
    Option8.Click.connect([this] { textColors(colors::black, colors::white); });
    Option1.Click.connect([this] { boardColors(rgb(255, 128, 128)); });
    Option2.Click.connect([this] { boardColors(rgb(192, 192, 192)); });
    Option3.Click.connect([this] { boardColors(rgb(128, 128, 255)); });
    Option9.Click.connect([this] { boardColors(rgb(0, 192, 0)); });
    curTeddy.Click.connect([this] { conventions::choosePointerFile(*this, nowDir, "teddy.cur"); });
    curPoint.Click.connect([this] { conventions::chooseArrowPointer(*this); });
    Image1.Click.connect([this] { Image1_Click(); });
    Click.connect([this] { Form_Click(); });
}

void ReadMe::connectCommands() {
    for (Event<>* e : {&ClearMe.Click, &ImageNew.Click, &menuNew.Click})
        e->connect([this] { newLetter(); });
    for (Event<>* e : {&OldRM.Click, &ImageOpen.Click, &menuOpen.Click})
        e->connect([this] { getLetter(); });
    for (Event<>* e : {&SaveRM.Click, &ImageSave.Click, &menuSave.Click})
        e->connect([this] { saveLetter(); });
    for (Event<>* e : {&ImagePrint.Click, &menuPrint.Click})
        e->connect([this] { printLetter(); });
    for (Event<>* e : {&ImageCopy.Click, &menuCopy.Click})
        e->connect([this] { copyText(); });
    for (Event<>* e : {&ImageCut.Click, &menuCut.Click})
        e->connect([this] { cutText(); });
    for (Event<>* e : {&ImagePaste.Click, &menuPaste.Click})
        e->connect([this] { pasteText(); });
}

void ReadMe::connectToolBar() {
    CheckTools.Click.connect([this] { CheckTools_Click(); });
    CommandCloseTool.Click.connect([this] { CommandCloseTool_Click(); });
    for (Image* picture : {&ImageNew, &ImageOpen, &ImageSave, &ImagePrint, &ImageCopy, &ImageCut, &ImagePaste})
        picture->MouseMove.connect([this, picture](int, int, int, int) { toolPicture_MouseMove(*picture); });
    ImagePw.MouseMove.connect([this](int, int, int, int) { ImagePw_MouseMove(); });
    ImagePw.DblClick.connect([this] { ImagePw_DblClick(); });
    MenuMouseControl.Click.connect([this] { MenuMouseControl_Click(); });
    PictureTools.MouseMove.connect([this](int, int, int, int) { PictureTools_MouseMove(); });
    PictureTools.Click.connect([this] { PictureTools_Click(); });
}

void ReadMe::Form_Load() {
    writeNow = 0;
    nowDir = Runtime::currentDirectory();
    clipboard::clear();
    fitToScreen(*this);
    placeControls();
    WriteFlag = 0;
}

void ReadMe::placeControls() {
    const double w = clientWidth();
    const double h = clientHeight();
    Text1.move({int(std::lround(0.18 * w)), int(std::lround(0.185 * h)), int(std::lround(0.8 * w)),
                int(std::lround(0.62 * h))});
    const int top = int(std::lround(0.82 * h));
    Command1.move(int(std::lround(0.18 * w)), top);
    const CommandButton* before = &Command1;
    for (CommandButton* next : {&ClearMe, &SaveRM, &OldRM}) {
        next->move(before->left() + before->width() + 200, top);
        before = next;
    }
}

void ReadMe::openForWriting() {
    writeNow = 1;
    room.form1().writeNow = 1;
    Text1.setLocked(false);
    Text1.setText(KeepText);
    menuMouse.setVisible(false);
    for (Control* button : std::initializer_list<Control*>{&Command1, &ClearMe, &SaveRM, &OldRM})
        button->setVisible(true);
    if (WriteFlag == 0) {
        Text1.setFontSize(18);
        Text1.setFontName("MS Sans Serif");
    } else {
        Text1.setFontName(WriteFont);
        Text1.setFontSize(WriteSize);
    }
    WriteFlag = -1;
    for (Menu* item : {&menuNew, &menuOpen, &menuSave})
        item->setEnabled(true);
    ImagePw.setVisible(false);
    for (Image* picture : {&ImageNew, &ImageOpen, &ImageSave, &ImageCopy, &ImageCut, &ImagePaste})
        picture->setVisible(true);
    Combo1.setVisible(true);
    Combo2.setVisible(true);
    CheckTools.setValue(0);
    PictureTools.setVisible(false);
    Combo1.setText(Text1.fontName());
    Combo2.setText(QString::number(std::lround(Text1.fontSize())));
    Text1.setTabStop(true);
    Text1.setMaxLength(3028);
    Text1.setFocus();
}

void ReadMe::openForHelp() {
    writeNow = 0;
    show();
    room.form1().hide();
    ImagePw.setVisible(true);
    for (Image* picture : {&ImageNew, &ImageOpen, &ImageSave, &ImageCopy, &ImageCut, &ImagePaste})
        picture->setVisible(false);
    CheckTools.setValue(0);
    Combo1.setVisible(false);
    Combo2.setVisible(false);
    for (Menu* item : {&menuNew, &menuOpen, &menuSave})
        item->setEnabled(false);
    Text1.setLocked(true);
    Text1.setFontSize(8);
    Text1.setFontName("MS Sans Serif");
    Combo1.setText(Text1.fontName());
    Combo2.setText(QString::number(std::lround(Text1.fontSize())));
    Check1.setValue(0);
    Text1.setFontItalic(false);
    Check2.setValue(0);
    Text1.setFontBold(false);
    Text1.setMaxLength(0);
    const std::optional<QString> help = letterfile::read(filePath(nowDir, "help.txt"));
    Text1.setText(help ? *help : QString("The file Help.txt not found"));
}

void ReadMe::Command1_Click() {
    if (writeNow == 0)
        Text1.setText({});
    if (writeNow == 1) {
        KeepText = Text1.text();
        WriteFont = Text1.fontName();
        WriteSize = int16_t(std::lround(Text1.fontSize()));
    }
    menuMouse.setVisible(false);
    hide();
    room.form1().show();
    ImagePw.setVisible(false);
    room.form1().writeNow = 0;
    for (Control* button : std::initializer_list<Control*>{&ClearMe, &SaveRM, &OldRM})
        button->setVisible(false);
    Text1.setMaxLength(0);
    LabelToolbar.setCaption({});
    room.form1().Label1.setCaption("ABCs");
}

void ReadMe::Text1_Click() {
    if (writeNow == 0)
        Command1.setFocus();
}

void ReadMe::Check1_Click() {
    Text1.setFontItalic(Check1.value() == 1);
    Text1.setFocus();
}

void ReadMe::Check2_Click() {
    Text1.setFontBold(Check2.value() == 1);
    Text1.setFocus();
}

void ReadMe::Combo1_Click() {
    const QString name = Combo1.text();
    Text1.setFontName(name);
    Text1.setFocus();
    Check1.setValue(0);
    Text1.setFontItalic(false);
    Check2.setValue(0);
    Text1.setFontBold(false);
    applyKeyFont(room.form1(), name);
}

void ReadMe::Combo2_Click() {
    Text1.setFontSize(Combo2.text().toDouble());
    Text1.setFocus();
}

void ReadMe::fontMenu_Click(int points) {
    Text1.setFontSize(points);
    Combo2.setText(QString::number(points));
}

void ReadMe::textColors(OleColor back, OleColor fore) {
    Text1.setBackColor(back);
    Text1.setForeColor(fore);
    Text1.setFocus();
}

void ReadMe::boardColors(OleColor color) {
    boardColor = color;
    colorSet();
    Text1.setFocus();
}

void ReadMe::colorSet() {
    setBackColor(boardColor);
    for (Control* c :
         std::initializer_list<Control*>{&Frame1,  &Frame2,  &Frame3,  &Label1,  &Label2,  &Label3,  &Label4,
                                         &Label5,  &Label6,  &Option1, &Option2, &Option3, &Option4, &Option5,
                                         &Option6, &Option7, &Option8, &Option9, &Check1,  &Check2,  &CheckTools})
        c->setBackColor(boardColor);
}

void ReadMe::CheckTools_Click() {
    const bool ticked = CheckTools.value() == 1;
    if (!ticked)
        PictureTools.setVisible(false);
    if (!ticked && writeNow == 1)
        for (Control* button : std::initializer_list<Control*>{&ClearMe, &OldRM, &SaveRM})
            button->setVisible(true);
    if (!ticked)
        Command1.setVisible(true);
    if (ticked) {
        PictureTools.setVisible(true);
        for (Control* button : std::initializer_list<Control*>{&ClearMe, &OldRM, &SaveRM})
            button->setVisible(false);
    }
    Text1.setFocus();
}

void ReadMe::CommandCloseTool_Click() {
    CheckTools.setValue(0);
    PictureTools.setVisible(false);
    Text1.setFocus();
}

void ReadMe::toolPicture_MouseMove(const Image& picture) {
    LabelToolbar.setCaption(tools.outline(&picture));
}

void ReadMe::ImagePw_MouseMove() {
    tools.outline(&ImagePw);
}

void ReadMe::PictureTools_MouseMove() {
    tools.outline(nullptr);
    LabelToolbar.setCaption({});
}

void ReadMe::PictureTools_Click() {
    ding();
}

void ReadMe::Image1_Click() {
    PlayFromStart(room.form1().MMControl42);
    Text1.setFocus();
}

void ReadMe::Form_Click() {
    PlayFromStart(room.form1().MMControl42);
    Text1.setFocus();
}

void ReadMe::newLetter() {
    Text1.setText({});
    Text1.setFocus();
}

void ReadMe::getLetter() {
    Text1.setText({});
    const std::optional<QString> letter = letterfile::read(filePath(nowDir, "write.txt"));
    if (!letter) {
        Text1.setText("The old file can not be found.");
        MessageBox::show("The file  'write.text'  could not be found");
        Text1.setFocus();
        return;
    }
    // The limit is for typing: a longer letter from the file is shown whole.
    const int limit = Text1.maxLength();
    Text1.setMaxLength(0);
    Text1.setText(*letter);
    Text1.setMaxLength(limit);
    Text1.setFocus();
}

void ReadMe::saveLetter() {
    if (!letterfile::save(filePath(nowDir, "write.txt"), Text1.text())) {
        MessageBox::show("There was a error during saving.");
        Text1.setFocus();
        return;
    }
    ding();
    Text1.setFocus();
}

void ReadMe::printLetter() {
    Printer printer;
    // The page starts with an empty line; a failed step skips the rest.
    if (printer.printLine("\r") && printer.printLine(Text1.text()))
        printer.endDoc();
}

void ReadMe::copyText() {
    clipboard::clear();
    clipboard::setText(Text1.selText());
    ding();
}

void ReadMe::cutText() {
    clipboard::clear();
    clipboard::setText(Text1.selText());
    Text1.setSelText({});
    ding();
}

// In writing mode a paste brings in only as much as the letter still has room for.
void ReadMe::pasteText() {
    QString pasted = clipboard::text();
    if (Text1.maxLength() > 0) {
        const qsizetype space = Text1.maxLength() - (Text1.text().size() - Text1.selLength());
        pasted.truncate(std::max<qsizetype>(0, space));
    }
    Text1.setSelText(pasted);
    ding();
}

void ReadMe::ding() {
    PlayFromStart(room.form2().MMControl1);
}

// The parent's reminder: the password shows on the tool bar of the help reader.
void ReadMe::ImagePw_DblClick() { LabelToolbar.setCaption(room.form1().pwText.text()); }

void ReadMe::MenuMouseControl_Click() {
    if (room.form1().pwSet == 0) {
        room.module1().launchMouseControl();
        return;
    }
    room.form10().showGate(Form10::mousePrompt);
}
