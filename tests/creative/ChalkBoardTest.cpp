#include "ClassroomFixture.h"
#include "RealInput.h"

#include "abc/Form1.h"
#include "creative/Form2.h"
#include "creative/Form3.h"
#include "platform/Pictures.h"
#include "platform/Screen.h"

#include "creative/Color.h"

#include <QApplication>
#include <QFile>
#include <QImageReader>
#include <QMouseEvent>
#include <QWindow>
#include <csignal>
#include <sys/resource.h>

using platform::OleColor;
using platform::rgb;
using platform::Screen;

namespace {

using platform::colors::black;
using platform::colors::green;
using platform::colors::red;
using platform::colors::white;

class ChalkBoardTest : public ClassroomFixture {
protected:
    void SetUp() override {
        ClassroomFixture::SetUp();
        room().form1().colorshapes.click();
        room().form2().Label4.click();
    }
    Form3& board() { return room().form3(); }

    // The child's hand, in screen pixels of the board.
    void press(QPoint p) { board().mouseDownAt(Screen::toTwips(p.x()), Screen::toTwips(p.y())); }
    void moveTo(QPoint p, int buttons = 1) {
        board().mouseMoveAt(Screen::toTwips(p.x()), Screen::toTwips(p.y()), buttons);
    }
    void release(QPoint p) { board().mouseUpAt(Screen::toTwips(p.x()), Screen::toTwips(p.y())); }
    void clickAt(QPoint p) {
        press(p);
        release(p);
    }
    void stroke(std::initializer_list<QPoint> points) {
        press(*points.begin());
        for (QPoint p : points)
            moveTo(p);
        release(*(points.end() - 1));
    }

    // A real mouse: the event goes to the board's window, and Qt finds the widget under the pointer
    // (or the widget that holds the pressed button) as it does for the hardware mouse.
    void windowMouse(QEvent::Type type, QPoint clientPixel, Qt::MouseButtons buttons) {
        QWindow* window = board().window()->windowHandle();
        ASSERT_NE(window, nullptr);
        const QPoint p = board().client()->mapTo(board().window(), clientPixel);
        const Qt::MouseButton button = type == QEvent::MouseMove ? Qt::NoButton : Qt::LeftButton;
        QMouseEvent event(type, p, window->mapToGlobal(p), button, buttons, Qt::NoModifier);
        QApplication::sendEvent(window, &event);
    }

    // What the child sees: the board's client area with everything on it.
    QImage seen() { return board().client()->grab().toImage(); }
    static OleColor at(const QImage& image, QPoint p) { return platform::fromQColor(image.pixelColor(p)); }
    static QRect boundsOf(const QImage& image, OleColor colour, QRect area) {
        QRect bounds;
        for (int y = area.top(); y <= area.bottom(); ++y)
            for (int x = area.left(); x <= area.right(); ++x)
                if (at(image, {x, y}) == colour)
                    bounds |= QRect(x, y, 1, 1);
        return bounds;
    }
    QString pointerFile() {
        const QImage shown = board().pointerCursor().pixmap().toImage();
        for (const char* file : {"teddy.cur", "teddy2.cur"})
            if (shown == platform::loadCursor(startFile(file))->pixmap().toImage())
                return file;
        return {};
    }
};

struct DotCase {
    const char* name;
    platform::TextBox Form3::*chalk;
    platform::Label Form3::*width;
    OleColor colour;
    int pixels;
};

void PrintTo(const DotCase& c, std::ostream* os) {
    *os << c.name;
}

class ADot : public ChalkBoardTest, public testing::WithParamInterface<DotCase> {};

TEST_P(ADot, AClickLeavesOneDotOfThePensWidthAndColour) {
    const DotCase& c = GetParam();
    (board().*c.width).click();
    (board().*c.chalk).click();
    const QPoint spot(120, 100);
    clickAt(spot);
    const QImage image = seen();
    EXPECT_EQ(at(image, spot), c.colour);
    const QRect dot = boundsOf(image, c.colour, QRect(spot, QSize()).adjusted(-30, -30, 30, 30));
    EXPECT_NEAR(dot.width(), c.pixels, 1);
    EXPECT_NEAR(dot.height(), c.pixels, 1);
    EXPECT_EQ(board().PaintNow, 0);
}

INSTANTIATE_TEST_SUITE_P(WidthsAndColours, ADot,
                         testing::Values(DotCase{"SmallRed", &Form3::Red, &Form3::small, red, 4},
                                         DotCase{"MediumWhite", &Form3::White, &Form3::Meduim, white, 8},
                                         DotCase{"LargeGreen", &Form3::Green, &Form3::Large, green, 15},
                                         // The brown chalk is darker than its box.
                                         DotCase{"LargeBrown", &Form3::brown, &Form3::Large, rgb(80, 40, 0), 15},
                                         DotCase{"SmallPurple", &Form3::Purple, &Form3::small, rgb(255, 0, 255), 4}),
                         [](const testing::TestParamInfo<DotCase>& param) { return std::string(param.param.name); });

TEST_F(ChalkBoardTest, ChalkAndWidthChoicesSoundAndMarkTheCurrentWidth) {
    board().Yellow.click();
    EXPECT_EQ(board().colorc, rgb(255, 255, 0));
    EXPECT_EQ(board().MMControl2.playsStarted(), 1);
    EXPECT_TRUE(board().Clear.hasFocus());
    board().small.click();
    EXPECT_EQ(board().brush, 4);
    EXPECT_EQ(board().small.backColor(), white);
    EXPECT_EQ(board().Meduim.backColor(), rgb(0, 255, 255));
    EXPECT_EQ(board().Large.backColor(), rgb(0, 255, 255));
    EXPECT_EQ(room().form2().MMControl1.playsStarted(), 1);
}

TEST_F(ChalkBoardTest, ADragLeavesAContinuousStrokeAlsoAcrossTheToolPanel) {
    board().Large.click();
    const int panelTop = board().Frame1.widget()->geometry().top();
    const QPoint a(40, 60), b(300, 60), underPanel(300, panelTop + 40), c(500, 100);
    stroke({a, {100, 60}, {200, 60}, b, underPanel, c});
    moveTo({600, 60}, 0); // no button: nothing more is drawn
    const QImage image = seen();
    for (int x = a.x(); x <= b.x(); ++x)
        ASSERT_EQ(at(image, {x, 60}), white) << "gap at x " << x;
    for (int y = 60; y < panelTop; ++y)
        ASSERT_EQ(at(image, {300, y}), white) << "gap at y " << y;
    // The segment back out from under the panel reaches the drawing area.
    EXPECT_EQ(at(image, c), white);
    EXPECT_EQ(at(image, {600, 60}), black);
    EXPECT_EQ(at(image, {40, 200}), black);
}

TEST_F(ChalkBoardTest, ARealDragKeepsDrawingOverThePanelAndOutsideTheWindow) {
    board().Large.click();
    const int panelTop = board().Frame1.widget()->geometry().top();
    windowMouse(QEvent::MouseButtonPress, {40, 60}, Qt::LeftButton);
    windowMouse(QEvent::MouseMove, {200, panelTop + 60}, Qt::LeftButton); // over the tool panel
    windowMouse(QEvent::MouseMove, {-50, 100}, Qt::LeftButton);           // outside the window
    windowMouse(QEvent::MouseMove, {300, 120}, Qt::LeftButton);           // back on the board
    windowMouse(QEvent::MouseButtonRelease, {300, 120}, Qt::NoButton);
    windowMouse(QEvent::MouseMove, {500, 150}, Qt::NoButton);
    const QImage image = seen();
    EXPECT_EQ(board().PaintNow, 0);
    EXPECT_EQ(at(image, {40, 60}), white);
    EXPECT_EQ(at(image, {2, 99}), white);    // the part of the segment from outside that lies on the board
    EXPECT_EQ(at(image, {150, 110}), white); // the segment that came back in
    EXPECT_EQ(at(image, {400, 135}), black);
}

TEST_F(ChalkBoardTest, TheMakeColorBoxOpensTheMixerWhenThePointerPressesOnIt) {
    board().SaveOnMenu.click();
    const QWidget* box = board().CustomColor.widget();
    const QPoint centre = box->mapTo(board().client(), box->rect().center());
    windowMouse(QEvent::MouseButtonPress, centre, Qt::LeftButton);
    windowMouse(QEvent::MouseButtonRelease, centre, Qt::NoButton);
    EXPECT_TRUE(room().color().isVisible());
}

// Whatever the child did just before, the next press starts a stroke and the drag draws it: the
// mouse as the hardware delivers it, with its timestamps, so two quick presses are a double-click.
struct BeforeTheStroke {
    const char* name;
    void (*act)(Form3&, QPoint strokeStart);
};

void PrintTo(const BeforeTheStroke& c, std::ostream* os) {
    *os << c.name;
}

class StrokeAfter : public ChalkBoardTest, public testing::WithParamInterface<BeforeTheStroke> {};

TEST_P(StrokeAfter, IsDrawnWholeAndEndsOnRelease) {
    board().Large.click();
    board().Yellow.click();
    GetParam().act(board(), {60, 80});
    QWidget* surface = board().client();
    realinput::press(surface, {60, 80}, 250);
    for (int x = 80; x <= 300; x += 20)
        realinput::move(surface, {x, 80}, Qt::LeftButton);
    realinput::release(surface, {300, 80});
    realinput::move(surface, {300, 200}, Qt::NoButton);
    const QImage image = seen();
    const OleColor yellow = rgb(255, 255, 0);
    for (int x = 60; x <= 300; ++x)
        ASSERT_EQ(at(image, {x, 80}), yellow) << "gap at x " << x;
    EXPECT_EQ(board().PaintNow, 0);
    EXPECT_NE(at(image, {300, 160}), yellow) << "the line followed the pointer after the release";
}

INSTANTIATE_TEST_SUITE_P(
    WhatCameJustBefore, StrokeAfter,
    testing::Values(BeforeTheStroke{"AClickOnAColourBox", [](Form3& b, QPoint) { realinput::click(b.Yellow.widget()); }},
                    BeforeTheStroke{"AClickOnAWidth", [](Form3& b, QPoint) { realinput::click(b.small.widget()); }},
                    BeforeTheStroke{"AClickOnTheBoard",
                                    [](Form3& b, QPoint start) {
                                        realinput::press(b.client(), start);
                                        realinput::release(b.client(), start);
                                    }},
                    // The stroke's own press is then the second press of a double-click.
                    BeforeTheStroke{"AClickOnTheSameSpot",
                                    [](Form3& b, QPoint start) {
                                        realinput::press(b.client(), start);
                                        realinput::release(b.client(), start);
                                        realinput::move(b.client(), start, Qt::NoButton, 5);
                                    }}),
    [](const testing::TestParamInfo<BeforeTheStroke>& param) { return std::string(param.param.name); });

TEST_F(ChalkBoardTest, AStrokeWhoseReleaseWasLostEndsAtTheNextMoveWithoutAButton) {
    board().Large.click();
    QWidget* surface = board().client();
    realinput::press(surface, {60, 80});
    realinput::move(surface, {200, 80}, Qt::LeftButton);
    // The release happened where the board never heard of it; the pointer moves on with no button.
    realinput::move(surface, {200, 300}, Qt::NoButton);
    realinput::move(surface, {400, 300}, Qt::NoButton);
    const QImage image = seen();
    EXPECT_EQ(at(image, {150, 80}), white);
    EXPECT_EQ(at(image, {300, 300}), black) << "a line followed the pointer with no button held";
    EXPECT_EQ(board().PaintNow, 0);
}

TEST_F(ChalkBoardTest, BlackChalkOnTheBlackBoardShowsNothing) {
    board().black.click();
    board().Large.click();
    stroke({{50, 50}, {250, 150}});
    const QImage image = seen();
    EXPECT_FALSE(boundsOf(image, black, {0, 0, 400, 250}).isNull());
    EXPECT_TRUE(boundsOf(image, white, {0, 0, 400, 250}).isNull());
    EXPECT_EQ(at(board().canvas.shown(), {150, 100}), black);
}

struct BackgroundCase {
    const char* name;
    platform::Menu Form3::*item;
    OleColor back;
    OleColor chalk;
    const char* pointer;
};

void PrintTo(const BackgroundCase& c, std::ostream* os) {
    *os << c.name;
}

class BackgroundChoice : public ChalkBoardTest, public testing::WithParamInterface<BackgroundCase> {};

TEST_P(BackgroundChoice, ErasesTheDrawingAndSwitchesChalkAndPointer) {
    const BackgroundCase& c = GetParam();
    board().Red.click();
    board().Large.click();
    stroke({{50, 80}, {250, 80}});
    ASSERT_EQ(at(seen(), {150, 80}), red);
    (board().*c.item).click();
    EXPECT_EQ(board().colorbg, c.back);
    EXPECT_EQ(board().backColor(), c.back);
    EXPECT_EQ(board().colorc, c.chalk);
    EXPECT_EQ(pointerFile(), c.pointer);
    EXPECT_TRUE(boundsOf(seen(), red, {0, 0, 400, 250}).isNull());
    EXPECT_EQ(at(seen(), {150, 80}), c.back);
    // The new chalk shows on the new board.
    clickAt({150, 80});
    EXPECT_EQ(at(seen(), {150, 80}), c.chalk);
}

INSTANTIATE_TEST_SUITE_P(
    Backgrounds, BackgroundChoice,
    testing::Values(BackgroundCase{"Black", &Form3::menbgblack, black, white, "teddy2.cur"},
                    BackgroundCase{"White", &Form3::menbgwhite, white, black, "teddy.cur"},
                    BackgroundCase{"LightBlue", &Form3::MenubgLtBlue, rgb(90, 192, 255), black, "teddy.cur"}),
    [](const testing::TestParamInfo<BackgroundCase>& param) { return std::string(param.param.name); });

TEST_F(ChalkBoardTest, PointerMenuOffersTheTeddyThatShowsOnTheBackground) {
    struct Step {
        platform::Menu Form3::*background;
        bool lightEnabled, darkEnabled;
    };
    // Light blue leaves both items as the white board left them.
    const Step steps[] = {{&Form3::menbgblack, true, false},
                          {&Form3::menbgwhite, false, true},
                          {&Form3::MenubgLtBlue, false, true},
                          {&Form3::menbgblack, true, false},
                          {&Form3::MenubgLtBlue, true, false}};
    for (const Step& s : steps) {
        (board().*s.background).click();
        board().Curselect.open();
        EXPECT_EQ(board().tedwhite.enabled(), s.lightEnabled);
        EXPECT_EQ(board().tedblack.enabled(), s.darkEnabled);
    }
    board().tedblack.click();
    EXPECT_EQ(board().mousePointer(), 99);
    EXPECT_EQ(pointerFile(), "teddy.cur");
    board().curpoint.click();
    EXPECT_EQ(board().mousePointer(), 0);
}

class ChalkBoardSavingTest : public ChalkBoardTest {
protected:
    void SetUp() override {
        ChalkBoardTest::SetUp();
        board().SaveOnMenu.click();
        board().Red.click();
        board().Large.click();
    }
    int dings() { return room().form2().MMControl1.playsStarted(); }
    QStringList savedFiles() { return QDir(startDir()).entryList({"cboard*"}, QDir::Files); }
};

TEST_F(ChalkBoardSavingTest, SavedDrawingReturnsAsTheBackgroundUnderNewStrokes) {
    EXPECT_TRUE(board().CommandSavepic.visible());
    EXPECT_TRUE(board().CommandLoadpic.visible());
    EXPECT_TRUE(board().CustomColor.visible());
    stroke({{50, 80}, {250, 80}});
    const int before = dings();
    board().CommandSavepic.click();
    EXPECT_EQ(dings(), before + 1);
    const QImage saved(startFile("cboard.bmp"), "BMP");
    ASSERT_FALSE(saved.isNull());
    EXPECT_EQ(saved.size(), board().client()->size());
    EXPECT_EQ(at(saved, {150, 80}), red);

    board().Clear.click();
    EXPECT_EQ(at(seen(), {150, 80}), black);
    board().CommandLoadpic.click();
    EXPECT_EQ(dings(), before + 3);
    EXPECT_EQ(at(seen(), {150, 80}), red);
    board().Green.click();
    stroke({{150, 40}, {150, 120}});
    const QImage image = seen();
    EXPECT_EQ(at(image, {150, 80}), green);
    EXPECT_EQ(at(image, {60, 80}), red);
    EXPECT_EQ(at(image, {150, 200}), black);
}

TEST_F(ChalkBoardSavingTest, GetWithoutAPictureFileClearsTheBoardSilently) {
    struct Case {
        const char* name;
        QByteArray content; // empty: no file at all
    };
    for (const Case& c : {Case{"never saved", {}}, Case{"not a picture", "BM this is no bitmap"}}) {
        SCOPED_TRACE(c.name);
        QFile::remove(startFile("cboard.bmp"));
        if (!c.content.isEmpty()) {
            QFile file(startFile("cboard.bmp"));
            ASSERT_TRUE(file.open(QIODevice::WriteOnly));
            file.write(c.content);
        }
        stroke({{50, 80}, {250, 80}});
        const int before = dings();
        board().CommandLoadpic.click();
        EXPECT_TRUE(boundsOf(seen(), red, {0, 0, 400, 250}).isNull());
        EXPECT_FALSE(board().canvas.hasPicture());
        EXPECT_EQ(dings(), before);
    }
}

TEST_F(ChalkBoardSavingTest, AFailedSaveLeavesTheEarlierPictureWholeAndNoPartialFile) {
    stroke({{50, 80}, {250, 80}});
    board().CommandSavepic.click();
    QFile first(startFile("cboard.bmp"));
    ASSERT_TRUE(first.open(QIODevice::ReadOnly));
    const QByteArray earlier = first.readAll();
    first.close();
    board().Green.click();
    stroke({{50, 150}, {250, 150}});
    const int before = dings();
    {
        // A disk that takes no more than a few bytes of a new file.
        rlimit old{};
        getrlimit(RLIMIT_FSIZE, &old);
        const auto oldHandler = std::signal(SIGXFSZ, SIG_IGN);
        rlimit tiny = old;
        tiny.rlim_cur = 512;
        setrlimit(RLIMIT_FSIZE, &tiny);
        board().CommandSavepic.click();
        setrlimit(RLIMIT_FSIZE, &old);
        std::signal(SIGXFSZ, oldHandler);
    }
    EXPECT_EQ(dings(), before);
    EXPECT_EQ(savedFiles(), QStringList{"cboard.bmp"});
    QFile after(startFile("cboard.bmp"));
    ASSERT_TRUE(after.open(QIODevice::ReadOnly));
    EXPECT_EQ(after.readAll(), earlier);
}

TEST_F(ChalkBoardTest, AllowSavingOnClearsADrawingMadeWhileSavingWasOff) {
    stroke({{50, 80}, {250, 80}});
    ASSERT_EQ(at(seen(), {150, 80}), white);
    board().SaveOnMenu.click();
    EXPECT_EQ(at(seen(), {150, 80}), black);
    EXPECT_TRUE(board().autoRedraw());
    board().SaveaoffMenu.click();
    EXPECT_FALSE(board().autoRedraw());
    EXPECT_FALSE(board().CommandSavepic.visible());
    EXPECT_FALSE(board().CommandLoadpic.visible());
    EXPECT_FALSE(board().CustomColor.visible());
}

TEST_F(ChalkBoardTest, OnlyKeptStrokesSurviveLeavingTheBoard) {
    struct Case {
        bool saving;
        OleColor afterReturn;
    };
    for (const Case& c : {Case{false, black}, Case{true, white}}) {
        SCOPED_TRACE(c.saving ? "saving on" : "saving off");
        (c.saving ? board().SaveOnMenu : board().SaveaoffMenu).click();
        stroke({{50, 80}, {250, 80}});
        ASSERT_EQ(at(seen(), {150, 80}), white);
        board().Command1.click();
        EXPECT_FALSE(board().isVisible());
        room().form2().Label4.click();
        EXPECT_EQ(at(seen(), {150, 80}), c.afterReturn);
        board().Clear.click();
    }
}

} // namespace
