#pragma once
// The Colors & Shapes board: six colours, seven shapes, and a teddy to drag to its target.
#include "creative/ShapeChoices.h"
#include "platform/Form.h"
#include "platform/Image.h"
#include "platform/Label.h"
#include "platform/MediaDevice.h"
#include "platform/Menu.h"
#include "platform/Shape.h"

#include <cstdint>

class Classroom;

class Form2 : public platform::Form {
public:
    explicit Form2(Classroom& room);
    void Form_Load();

    platform::Label Label2;
    platform::Label Label3;
    platform::Shape Shape2;
    platform::Shape Shape3;
    platform::Label Red;
    platform::Label Green;
    platform::Label Blue;
    platform::Label Yellow;
    platform::Label White; // shows "Orange"
    platform::Label Purple;
    platform::Label Square;
    platform::Label Circle;
    platform::Label Rectangle;
    platform::Label Oval;
    platform::Label Triangle;
    platform::Label Diamond;
    platform::Label Star;
    platform::Shape Shape4;
    platform::Shape Shape5;
    platform::Shape Shape6;
    platform::Shape Shape7;
    platform::Label Label5;
    platform::Label Label6;
    platform::Label Label7;
    platform::Label Label8;
    platform::Image Image2;
    platform::Image Image3;
    platform::Image Image4;
    platform::Shape Shape1;
    platform::Image Image1;
    platform::Label Label4;
    platform::Label Label1;
    platform::Image Image5;
    platform::Image ImageDrop1;
    platform::Label Label9;
    platform::Image Imagedrop2;
    platform::MediaDevice MMControl1;

    platform::Menu curchange2{this, "Pointer"};
    platform::Menu curpoint2{&curchange2, "Arrow Pointer"};
    platform::Menu curteddy2{&curchange2, "Teddy Pointer"};

    QString cc = "yellow";
    int16_t tri = 0;
    int16_t dia = 0;
    int16_t str = 0;
    QString nowDir;

private:
    void setUpLook();
    void connectHandlers();
    void connectShapeHandlers();
    void Form_Unload();
    void Form_Click();
    void Label1_Click();
    void Label4_Click();
    void Red_Click();
    void Green_Click();
    void Blue_Click();
    void Yellow_Click();
    void White_Click();
    void Purple_Click();
    void Rectangle_Click();
    void Square_Click();
    void Oval_Click();
    void Circle_Click();
    void Label5_Click();
    void Label6_Click();
    void Label7_Click();
    void Label8_Click();
    void Triangle_Click();
    void Diamond_Click();
    void Star_Click();
    void Image2_Click();
    void Image3_Click();
    void Image4_Click();
    void ImageDrop1_DragDrop();
    void curpoint2_Click();
    void curteddy2_Click();
    void chooseColour(const creative::ColourButton& button);
    void chooseGeometricShape(int shapeCode);
    void choosePictureShape(creative::PictureShape shape);
    void playDing();
    void playHono();
    Classroom& room;
};
