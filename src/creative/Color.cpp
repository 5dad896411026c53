#include "creative/Color.h"

#include "abc/Form1.h"
#include "creative/Form3.h"
#include "creative/MixerLayout.h"
#include "platform/Pictures.h"
#include "platform/Screen.h"
#include "shell/Classroom.h"
#include "shell/SoundBank.h"

#include <QApplication>

using namespace platform;

Color::Color(Classroom& room_)
    : Form("  Pipkin's Classroom  Custom Color", colors::buttonFace),
      Label4(this, {120, 180, 1935, 435}, "Click on Color below to keep.", std::nullopt, {}, Align::center),
      Picture1(this, {120, 840, 1935, 1995}),
      Label1(this, {2460, 120, 495, 315}, "Red", colors::red, {}, Align::center),
      Label2(this, {3360, 120, 495, 315}, "Green", colors::green, {}, Align::center),
      Label3(this, {4140, 120, 495, 315}, "Blue", colors::blue, {}, Align::center),
      VScroll1(this, {2460, 600, 435, 3375}, 0, 255), VScroll2(this, {3360, 600, 435, 3375}, 0, 255),
      VScroll3(this, {4140, 600, 435, 3375}, 0, 255), Text1(this, {2400, 4140, 555, 315}, TextBox::Lines::single, "00"),
      Text2(this, {3300, 4140, 555, 315}, TextBox::Lines::single, "00"),
      Text3(this, {4140, 4140, 555, 315}, TextBox::Lines::single, "00"), room(room_) {
    Label3.setForeColor(colors::white);
    Picture1.setMouseIcon(builtinCursor("creative-chalk-pointer"));
    Picture1.setMousePointer(pointerCustom);
    for (VScrollBar* bar : {&VScroll1, &VScroll2, &VScroll3}) {
        bar->setSmallChange(1);
        bar->setLargeChange(10);
    }
    resize(Screen::toPixels(5280), Screen::toPixels(4695));
    // Over the middle of the ChalkBoard, where the child is looking.
    const QSize size = QWidget::size();
    QWidget::move((Screen::pixels().width() - size.width()) / 2, (Screen::pixels().height() - size.height()) / 2);
    Picture1.setAccessibleName("Mixed Color");
    VScroll1.setAccessibleName("Red");
    VScroll2.setAccessibleName("Green");
    VScroll3.setAccessibleName("Blue");
    Text1.setAccessibleName("Red value");
    Text2.setAccessibleName("Green value");
    Text3.setAccessibleName("Blue value");
    connectHandlers();
}

void Color::connectHandlers() {
    Click.connect([this] { playHono(); });
    for (Control* c : std::initializer_list<Control*>{&Label1, &Label2, &Label3, &Label4, &Text1, &Text2, &Text3})
        c->Click.connect([this] { playHono(); });
    Picture1.Click.connect([this] { Picture1_Click(); });
    VScroll1.Change.connect([this] { VScroll1_Change(); });
    VScroll2.Change.connect([this] { VScroll2_Change(); });
    VScroll3.Change.connect([this] { VScroll3_Change(); });
    Deactivate.connect([this] { Form_Deactivate(); });
    Resize.connect([this] { Form_Resize(); });
}

void Color::Form_Load() {
    redValue = 190;
    VScroll1.setValue(190);
    greenValue = 190;
    VScroll2.setValue(190);
    blueValue = 190;
    VScroll3.setValue(190);
    Picture1.setBackColor(creative::mixedColour(redValue, greenValue, blueValue));
}

void Color::VScroll1_Change() {
    Text1.setText(QString::number(VScroll1.value()));
    redValue = int16_t(VScroll1.value());
    showMix();
}

void Color::VScroll2_Change() {
    Text2.setText(QString::number(VScroll2.value()));
    greenValue = int16_t(VScroll2.value());
    showMix();
}

void Color::VScroll3_Change() {
    Text3.setText(QString::number(VScroll3.value()));
    blueValue = int16_t(VScroll3.value());
    showMix();
}

void Color::showMix() {
    Picture1.setBackColor(creative::mixedColour(redValue, greenValue, blueValue));
}

void Color::Picture1_Click() {
    PlayFromStart(room.form3().MMControl2);
    keptColor = Picture1.backColor();
    room.form3().CustomColor.setBackColor(*keptColor);
    room.form3().colorc = *keptColor;
    hide();
    room.form3().show();
}

// Another board of the classroom came to the front: the mixer steps aside. Another program taking
// the front leaves it open.
void Color::Form_Deactivate() {
    const Form* front = frontBoard();
    if (front && front != this)
        hide();
}

void Color::showEvent(QShowEvent* event) {
    Form::showEvent(event);
    layOut();
}

void Color::Form_Resize() {
    layOut();
}

void Color::layOut() {
    const creative::MixerPlaces p =
        creative::mixerPlaces(Screen::toTwips(frameGeometry().height()), clientWidth(), clientHeight());
    Label4.move(p.label4);
    Picture1.move(p.picture1);
    VScroll1.move(p.vscroll1);
    VScroll2.move(p.vscroll2);
    VScroll3.move(p.vscroll3);
    Label1.move(p.label1);
    Label2.move(p.label2);
    Label3.move(p.label3);
    Text1.move(p.text1);
    Text2.move(p.text2);
    Text3.move(p.text3);
    fitNames();
}

// Judged three times by the red label, as the columns share one size.
void Color::fitNames() {
    struct Column {
        Label& name;
        TextBox& box;
        VScrollBar& bar;
        const char* caption;
    };
    const Column columns[] = {
        {Label1, Text1, VScroll1, "Red"}, {Label2, Text2, VScroll2, "Green"}, {Label3, Text3, VScroll3, "Blue"}};
    for (const Column& c : columns) {
        if (!creative::namesFit(Label1.rect())) {
            c.name.setCaption({});
            c.box.setVisible(false);
        } else {
            c.name.setCaption(c.caption);
            c.box.setVisible(true);
            c.box.setText(QString::number(c.bar.value()));
        }
    }
}

void Color::playHono() {
    PlayFromStart(room.form1().MMControl42);
}
