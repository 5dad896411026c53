#include "ClassroomFixture.h"

#include "abc/Form1.h"
#include "creative/Color.h"
#include "creative/Form2.h"
#include "creative/Form3.h"
#include "platform/Screen.h"

#include <QApplication>
#include <QMouseEvent>
#include <QWindow>

using platform::OleColor;
using platform::rgb;
using platform::Screen;

namespace {

class CustomColorTest : public ClassroomFixture {
protected:
    void SetUp() override {
        ClassroomFixture::SetUp();
        room().form1().colorshapes.click();
        room().form2().Label4.click();
        chalk().SaveOnMenu.click();
        chalk().CustomColor.click();
    }
    Form3& chalk() { return room().form3(); }
    Color& mixer() { return room().color(); }
    QStringList levels() { return {mixer().Text1.text(), mixer().Text2.text(), mixer().Text3.text()}; }
    void resizeMixer(int widthTwips, int heightTwips) {
        mixer().resize(Screen::toPixels(widthTwips), Screen::toPixels(heightTwips));
    }
    bool namesShown() {
        const bool boxes = mixer().Text1.visible() && mixer().Text2.visible() && mixer().Text3.visible();
        const bool names = mixer().Label1.caption() == "Red" && mixer().Label2.caption() == "Green" &&
                           mixer().Label3.caption() == "Blue";
        EXPECT_EQ(boxes, names);
        return boxes && names;
    }
};

TEST_F(CustomColorTest, FirstOpeningMixesLightGreyAndMovingRedToZeroLeavesCyanish) {
    EXPECT_TRUE(mixer().isVisible());
    EXPECT_EQ(levels(), (QStringList{"190", "190", "190"}));
    EXPECT_EQ(mixer().Picture1.backColor(), rgb(190, 190, 190));
    mixer().VScroll1.dragThumbTo(0);
    EXPECT_EQ(mixer().Picture1.backColor(), rgb(0, 190, 190));
    EXPECT_EQ(levels(), (QStringList{"0", "190", "190"}));
}

TEST_F(CustomColorTest, KeepingTheMixMakesItTheChalkAndTheMakeColorBox) {
    mixer().VScroll3.dragThumbTo(40);
    const int dips = chalk().MMControl2.playsStarted();
    mixer().Picture1.click();
    const OleColor kept = rgb(190, 190, 40);
    EXPECT_EQ(chalk().MMControl2.playsStarted(), dips + 1);
    EXPECT_EQ(chalk().colorc, kept);
    EXPECT_EQ(chalk().CustomColor.backColor(), kept);
    EXPECT_FALSE(mixer().isVisible());
    EXPECT_TRUE(chalk().isVisible());
    // The next stroke is drawn in it.
    const QPoint spot(100, 100);
    chalk().mouseDownAt(Screen::toTwips(spot.x()), Screen::toTwips(spot.y()));
    chalk().mouseUpAt(Screen::toTwips(spot.x()), Screen::toTwips(spot.y()));
    EXPECT_EQ(platform::fromQColor(chalk().client()->grab().toImage().pixelColor(spot)), kept);
}

TEST_F(CustomColorTest, ATinyWindowHidesNamesAndBoxesAndEnlargingBringsThemBack) {
    ASSERT_TRUE(namesShown());
    mixer().VScroll2.dragThumbTo(77);
    resizeMixer(2400, 2000); // the red label gets 200 twips wide: too narrow for its name
    EXPECT_FALSE(namesShown());
    EXPECT_TRUE(mixer().Label1.caption().isEmpty());
    resizeMixer(6000, 3000); // wide enough, but the label is only about 170 twips high
    EXPECT_FALSE(namesShown());
    resizeMixer(6000, 5400);
    EXPECT_TRUE(namesShown());
    EXPECT_EQ(levels(), (QStringList{"190", "77", "190"}));
}

TEST_F(CustomColorTest, LayoutKeepsEachColourInOneColumnBesideThePreview) {
    for (const QSize twips : {QSize(5280, 4695), QSize(9000, 7000)}) {
        resizeMixer(twips.width(), twips.height());
        const platform::Control* columns[][3] = {{&mixer().Label1, &mixer().VScroll1, &mixer().Text1},
                                                 {&mixer().Label2, &mixer().VScroll2, &mixer().Text2},
                                                 {&mixer().Label3, &mixer().VScroll3, &mixer().Text3}};
        int left = mixer().Picture1.left() + mixer().Picture1.width() + 250;
        for (const auto& column : columns) {
            for (const platform::Control* c : column)
                EXPECT_EQ(c->left(), left);
            left += column[1]->width() + 250;
        }
        EXPECT_EQ(mixer().Picture1.left(), 180);
        EXPECT_LT(mixer().Picture1.top(), mixer().VScroll1.top() + mixer().VScroll1.height());
        EXPECT_LE(mixer().Text3.left() + mixer().Text3.width(), mixer().clientWidth());
    }
}

TEST_F(CustomColorTest, ReopeningShowsTheLevelsSetLastTime) {
    mixer().VScroll2.dragThumbTo(50);
    chalk().Command1.click();
    EXPECT_FALSE(mixer().isVisible());
    room().form2().Label4.click();
    chalk().CustomColor.click();
    EXPECT_TRUE(mixer().isVisible());
    EXPECT_EQ(levels(), (QStringList{"190", "50", "190"}));
    EXPECT_EQ(mixer().Picture1.backColor(), rgb(190, 50, 190));
}

TEST_F(CustomColorTest, APressOnTheChalkBoardAroundItHidesTheMixerAndKeepsNothing) {
    ASSERT_TRUE(mixer().isFront());
    const OleColor chalkBefore = chalk().colorc;
    // As the hardware mouse does it: the press goes to the classroom's window, and Qt finds the board.
    QWidget* window = chalk().window();
    const QPoint corner = chalk().client()->mapTo(window, QPoint(3, 3));
    ASSERT_FALSE(mixer().geometry().contains(corner)) << "the mixer covers the spot pressed";
    QMouseEvent press(QEvent::MouseButtonPress, corner, window->mapToGlobal(corner), Qt::LeftButton, Qt::LeftButton,
                      Qt::NoModifier);
    QMouseEvent release(QEvent::MouseButtonRelease, corner, window->mapToGlobal(corner), Qt::LeftButton,
                        Qt::NoButton, Qt::NoModifier);
    QApplication::sendEvent(window->windowHandle(), &press);
    QApplication::sendEvent(window->windowHandle(), &release);
    EXPECT_TRUE(chalk().isFront());
    EXPECT_FALSE(mixer().isVisible());
    EXPECT_EQ(chalk().colorc, chalkBefore);
    EXPECT_EQ(chalk().CustomColor.backColor(), rgb(192, 192, 192));
}

TEST_F(CustomColorTest, NamesBoxesAndBackgroundAnswerWithTheGeneralClick) {
    platform::MediaDevice& hono = room().form1().MMControl42;
    const int before = hono.playsStarted();
    for (platform::Control* c : std::initializer_list<platform::Control*>{
             &mixer().Label1, &mixer().Label2, &mixer().Label3, &mixer().Label4, &mixer().Text1})
        c->click();
    EXPECT_EQ(hono.playsStarted(), before + 5);
}

} // namespace
