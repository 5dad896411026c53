#include "creative/Form2.h"

#include "abc/Form1.h"
#include "creative/Form3.h"
#include "platform/Files.h"
#include "platform/Pictures.h"
#include "platform/Runtime.h"
#include "shell/Classroom.h"
#include "shell/Conventions.h"
#include "shell/FitToScreen.h"
#include "shell/SoundBank.h"

#include <QPainter>

using namespace platform;
using creative::PictureShape;

namespace {
const FontSpec heading{"Arial", 14.25};
const FontSpec colourFont{"Arial", 18};
const OleColor lightCyan = rgb(128, 255, 255);
const OleColor orange = rgb(255, 128, 0);

// The design picture of the display: the built-in shape in the given colour on black.
QPixmap shapeOnBlack(const QString& asset, QSize size, OleColor colour) {
    QImage shape = builtinPicture(asset, size).toImage();
    {
        QPainter p(&shape);
        p.setCompositionMode(QPainter::CompositionMode_SourceIn);
        p.fillRect(shape.rect(), toQColor(colour));
    }
    QImage picture(size, QImage::Format_RGB32);
    picture.fill(Qt::black);
    QPainter p(&picture);
    p.drawImage(0, 0, shape);
    return QPixmap::fromImage(picture);
}

void outline(Shape& frame, OleColor colour) {
    frame.setFillStyle(Shape::transparent);
    frame.setBorderColor(colour);
    frame.setBorderWidth(2);
}

void cyanIcon(Shape& icon) {
    icon.setFillStyle(Shape::solid);
    icon.setFillColor(colors::cyan);
    icon.setBorderColor(colors::cyan);
}
} // namespace

Form2::Form2(Classroom& room_)
    : Form("   Pipkin's Cassroom     Colors & Shapes", colors::black),
      Label2(this, {4320, 150, 1635, 315}, "COLOR", colors::yellow, heading, Align::center),
      Label3(this, {6930, 150, 1635, 315}, "SHAPE", lightCyan, heading, Align::center),
      Shape2(this, {4185, 510, 1950, 4215}), Shape3(this, {6420, 510, 2805, 5055}),
      Red(this, {4500, 750, 1275, 435}, "Red", colors::red, colourFont, Align::center),
      Green(this, {4500, 1350, 1275, 435}, "Green", colors::green, colourFont, Align::center),
      Blue(this, {4500, 1950, 1275, 465}, "Blue", colors::blue, colourFont, Align::center),
      Yellow(this, {4500, 2580, 1275, 465}, "Yellow", colors::yellow, colourFont, Align::center),
      White(this, {4500, 3300, 1275, 465}, "Orange", orange, colourFont, Align::center),
      Purple(this, {4500, 3960, 1275, 465}, "Purple", colors::magenta, colourFont, Align::center),
      Square(this, {6660, 630, 1455, 375}, "Square", lightCyan, heading, Align::center),
      Circle(this, {6660, 1170, 1455, 375}, "Circle", lightCyan, heading, Align::center),
      Rectangle(this, {6705, 1860, 1410, 405}, "Rectangle", lightCyan, heading, Align::center),
      Oval(this, {6705, 2730, 1410, 405}, "Oval", lightCyan, heading, Align::center),
      Triangle(this, {6705, 3570, 1410, 405}, "Triangle", lightCyan, heading, Align::center),
      Diamond(this, {6750, 4350, 1365, 405}, "Diamond", colors::cyan, heading, Align::center),
      Star(this, {6750, 4980, 1365, 405}, "Star", colors::cyan, heading, Align::center),
      Shape4(this, {8415, 660, 330, 375}, Shape::square), Shape5(this, {8415, 1170, 330, 375}, Shape::circle),
      Shape6(this, {8460, 1770, 330, 585}, Shape::rectangle), Shape7(this, {8460, 2580, 330, 645}, Shape::oval),
      Label5(this, {8400, 660, 375, 375}), Label6(this, {8400, 1140, 375, 435}), Label7(this, {8460, 1740, 375, 675}),
      Label8(this, {8400, 2520, 495, 735}), Image2(this, {8460, 3540, 375, 495}, true, "Triangle"),
      Image3(this, {8460, 4260, 375, 495}, true, "Diamond"), Image4(this, {8415, 4950, 465, 495}, true, "Star"),
      Shape1(this, {1035, 360, 2310, 3975}, Shape::rectangle), Image1(this, {810, 900, 2760, 2745}, false, "Shape"),
      Label4(this, {270, 4740, 3105, 645}, "GoTo  Chalk Board", rgb(128, 255, 128), heading, Align::center),
      Label1(this, {270, 5580, 3120, 645}, "GoTo   ABCs", colors::lightRed, heading, Align::center),
      Image5(this, {3600, 4980, 1560, 1305}, true, "Teddy"), ImageDrop1(this, {5580, 5700, 735, 675}, true, "Target"),
      Label9(this, {6600, 5880, 1635, 435}, "<-- Drag and drop              Teddy to here", colors::lightRed, {},
             Align::left),
      Imagedrop2(this, {8400, 5700, 765, 720}, true, "Teddy to drag"), MMControl1(this, {180, 120, 420, 615}),
      room(room_) {
    setUpLook();
    connectHandlers();
    connectShapeHandlers();
}

void Form2::setUpLook() {
    setForeColor(colors::white);
    // Clear labels over the four drawn shape icons: they say the shape the icon shows.
    Label5.setAccessibleName("Square");
    Label6.setAccessibleName("Circle");
    Label7.setAccessibleName("Rectangle");
    Label8.setAccessibleName("Oval");
    outline(Shape2, colors::green);
    outline(Shape3, colors::red);
    for (Shape* icon : {&Shape4, &Shape5, &Shape6, &Shape7})
        cyanIcon(*icon);
    Image2.setBuiltinPicture("creative-triangle");
    Image3.setBuiltinPicture("creative-diamond");
    Image4.setBuiltinPicture("creative-star");
    Shape1.setFillStyle(Shape::solid);
    Shape1.setFillColor(colors::yellow);
    Shape1.setBorderColor(colors::black);
    Image1.setPicture(shapeOnBlack("creative-triangle", {184, 183}, colors::yellow));
    Image1.setVisible(false);
    Label4.setForeColor(rgb(64, 64, 64));
    Label1.setForeColor(colors::red);
    Image5.setBuiltinPicture("creative-teddy-stick");
    const QPixmap raisedArms = builtinPicture("creative-teddy-arms", {pointerPixels(), pointerPixels()});
    Imagedrop2.setBuiltinPicture("creative-teddy-arms");
    Imagedrop2.setDragMode(1);
    Imagedrop2.setDragIcon(raisedArms);
    Imagedrop2.setMouseIcon(conventions::wavingTeddyPointer());
    Imagedrop2.setMousePointer(pointerCustom);
    conventions::useCarPointer(Label1);
    conventions::useCarPointer(Label4);
    conventions::useCarPointer(ImageDrop1);
    // The target must show on the black board before the teddy is dropped on it.
    ImageDrop1.setOutline(toQColor(colors::yellow));
    conventions::useTeddyPointer(*this);
    MMControl1.setVisible(false);
}

void Form2::connectHandlers() {
    Unload.connect([this] { Form_Unload(); });
    Click.connect([this] { Form_Click(); });
    for (Control* decoration :
         std::initializer_list<Control*>{&Image1, &Image5, &ImageDrop1, &Label2, &Label3, &Label9})
        decoration->Click.connect([this] { playHono(); });
    Label1.Click.connect([this] { Label1_Click(); });
    Label4.Click.connect([this] { Label4_Click(); });
    Red.Click.connect([this] { Red_Click(); });
    Green.Click.connect([this] { Green_Click(); });
    Blue.Click.connect([this] { Blue_Click(); });
    Yellow.Click.connect([this] { Yellow_Click(); });
    White.Click.connect([this] { White_Click(); });
    Purple.Click.connect([this] { Purple_Click(); });
    ImageDrop1.DragDrop.connect([this](Control*, int, int) { ImageDrop1_DragDrop(); });
    curpoint2.Click.connect([this] { curpoint2_Click(); });
    curteddy2.Click.connect([this] { curteddy2_Click(); });
}

void Form2::connectShapeHandlers() {
    Rectangle.Click.connect([this] { Rectangle_Click(); });
    Square.Click.connect([this] { Square_Click(); });
    Oval.Click.connect([this] { Oval_Click(); });
    Circle.Click.connect([this] { Circle_Click(); });
    Label5.Click.connect([this] { Label5_Click(); });
    Label6.Click.connect([this] { Label6_Click(); });
    Label7.Click.connect([this] { Label7_Click(); });
    Label8.Click.connect([this] { Label8_Click(); });
    Triangle.Click.connect([this] { Triangle_Click(); });
    Diamond.Click.connect([this] { Diamond_Click(); });
    Star.Click.connect([this] { Star_Click(); });
    Image2.Click.connect([this] { Image2_Click(); });
    Image3.Click.connect([this] { Image3_Click(); });
    Image4.Click.connect([this] { Image4_Click(); });
}

void Form2::Form_Load() {
    nowDir = Runtime::currentDirectory();
    cc = "yellow";
    dia = 0;
    tri = 0;
    str = 0;
    fitToScreen(*this);
    OpenSoundDevice(MMControl1, "WaveAudio", filePath(nowDir, "ding.WAV"));
    MMControl1.command("Open");
}

void Form2::Form_Unload() {
    MMControl1.command("close");
}
void Form2::Form_Click() {
    playHono();
}

void Form2::Label1_Click() {
    room.form1().show();
    hide();
}

void Form2::Label4_Click() {
    room.form1().hide();
    hide();
    room.form3().show();
}

void Form2::Red_Click() {
    chooseColour(creative::redButton());
}
void Form2::Green_Click() {
    chooseColour(creative::greenButton());
}
void Form2::Blue_Click() {
    chooseColour(creative::blueButton());
}
void Form2::Yellow_Click() {
    chooseColour(creative::yellowButton());
}
void Form2::White_Click() {
    chooseColour(creative::orangeButton());
}
void Form2::Purple_Click() {
    chooseColour(creative::purpleButton());
}

void Form2::Rectangle_Click() {
    chooseGeometricShape(Shape::rectangle);
}
void Form2::Square_Click() {
    chooseGeometricShape(Shape::square);
}
void Form2::Oval_Click() {
    chooseGeometricShape(Shape::oval);
}
void Form2::Circle_Click() {
    chooseGeometricShape(Shape::circle);
}
void Form2::Label5_Click() {
    chooseGeometricShape(Shape::square);
}
void Form2::Label6_Click() {
    chooseGeometricShape(Shape::circle);
}
void Form2::Label7_Click() {
    chooseGeometricShape(Shape::rectangle);
}
void Form2::Label8_Click() {
    chooseGeometricShape(Shape::oval);
}

void Form2::Triangle_Click() {
    choosePictureShape(PictureShape::triangle);
}
void Form2::Diamond_Click() {
    choosePictureShape(PictureShape::diamond);
}
void Form2::Star_Click() {
    choosePictureShape(PictureShape::star);
}
void Form2::Image2_Click() {
    choosePictureShape(PictureShape::triangle);
}
void Form2::Image3_Click() {
    choosePictureShape(PictureShape::diamond);
}
void Form2::Image4_Click() {
    choosePictureShape(PictureShape::star);
}

void Form2::chooseColour(const creative::ColourButton& button) {
    // A picture shape on show takes this colour's picture; a failed load keeps the old picture.
    const auto showPicture = [&](PictureShape shape) {
        Image1.loadPicture(filePath(nowDir, creative::pictureFileName(shape, button.word)));
    };
    if (Image1.visible() && tri == 2)
        showPicture(PictureShape::triangle);
    if (Image1.visible() && dia == 2)
        showPicture(PictureShape::diamond);
    if (Image1.visible() && str == 2)
        showPicture(PictureShape::star);
    if (!Image1.visible()) {
        Shape1.setVisible(true);
        Image1.setVisible(false);
    }
    if (const std::optional<OleColor> fill = fromHexText(button.fillText))
        Shape1.setFillColor(*fill);
    cc = button.word;
    playDing();
}

void Form2::chooseGeometricShape(int shapeCode) {
    Shape1.setVisible(true);
    Image1.setVisible(false);
    Shape1.setShape(shapeCode);
    playDing();
}

void Form2::choosePictureShape(PictureShape shape) {
    Shape1.setVisible(false);
    Image1.setVisible(true);
    const creative::ShapeFlags flags = creative::flagsAfterChoosing(shape);
    tri = flags.tri;
    dia = flags.dia;
    str = flags.str;
    const QString file = creative::pictureFileName(shape, cc);
    if (!file.isEmpty())
        Image1.loadPicture(filePath(nowDir, file));
    playDing();
}

// The teddy jumps to the target, and after two seconds it is back at its place. The wait keeps
// handling events, so a second drop during it runs this whole sequence again inside the first.
void Form2::ImageDrop1_DragDrop() {
    ImageDrop1.copyPictureFrom(Imagedrop2);
    Imagedrop2.clearPicture();
    playDing();
    Runtime::waitProcessingEvents(2.0);
    ImageDrop1.clearPicture();
    Imagedrop2.loadPicture(filePath(nowDir, "tedbye.ico"));
}

void Form2::curpoint2_Click() {
    conventions::chooseArrowPointer(*this);
}
void Form2::curteddy2_Click() {
    conventions::choosePointerFile(*this, nowDir, "teddy2.cur");
}

void Form2::playDing() {
    PlayFromStart(MMControl1);
}

void Form2::playHono() {
    PlayFromStart(room.form1().MMControl42);
}
