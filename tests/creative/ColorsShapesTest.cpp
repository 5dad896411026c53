#include "ClassroomFixture.h"

#include "abc/Form1.h"
#include "creative/Form2.h"
#include "platform/Pictures.h"
#include "platform/Runtime.h"

#include <QFileInfo>
#include <QTimer>
#include <cmath>
#include <vector>

using platform::OleColor;
using platform::rgb;

namespace {

using Pick = platform::Control& (*)(Form2&);
template <auto member> platform::Control& pick(Form2& board) {
    return board.*member;
}

class ColorsShapesTest : public ClassroomFixture {
protected:
    void SetUp() override {
        ClassroomFixture::SetUp();
        room().form1().colorshapes.click();
    }
    void TearDown() override {
        platform::Runtime::setClock({});
        ClassroomFixture::TearDown();
    }
    Form2& board() { return room().form2(); }
    std::string shownFile() { return QFileInfo(board().Image1.pictureFile()).fileName().toLower().toStdString(); }
};

struct ShapeCase {
    const char* name;
    std::vector<Pick> clicks;
    bool pictureShown;
    std::string pictureFile; // the display's picture, shown or not ("" for the design picture)
    int shapeCode;           // with the geometric display shown
    OleColor fill;
    QString cc;
};

void PrintTo(const ShapeCase& c, std::ostream* os) {
    *os << c.name;
}

class ColourAndShapeChoice : public ColorsShapesTest, public testing::WithParamInterface<ShapeCase> {};

TEST_P(ColourAndShapeChoice, ShowsTheLastShapeInTheLastColourWithADingForEveryChoice) {
    const ShapeCase& c = GetParam();
    for (Pick click : c.clicks)
        click(board()).click();
    EXPECT_EQ(board().Image1.visible(), c.pictureShown);
    EXPECT_EQ(board().Shape1.visible(), !c.pictureShown);
    EXPECT_EQ(shownFile(), c.pictureFile);
    if (!c.pictureShown) {
        EXPECT_EQ(board().Shape1.shape(), c.shapeCode);
    }
    EXPECT_EQ(board().Shape1.fillColor(), c.fill);
    EXPECT_EQ(board().cc, c.cc);
    EXPECT_EQ(board().MMControl1.playsStarted(), int(c.clicks.size()));
}

const OleColor yellow = rgb(255, 255, 0);
const OleColor orange = rgb(255, 128, 0);

INSTANTIATE_TEST_SUITE_P(
    Choices, ColourAndShapeChoice,
    testing::Values(
        ShapeCase{"TriangleAfterLoad", {pick<&Form2::Triangle>}, true, "triyel.bmp", 0, yellow, "yellow"},
        ShapeCase{"TriangleThenRed",
                  {pick<&Form2::Triangle>, pick<&Form2::Red>},
                  true,
                  "trired.bmp",
                  0,
                  rgb(255, 0, 0),
                  "red"},
        ShapeCase{"TriangleRedCircle",
                  {pick<&Form2::Triangle>, pick<&Form2::Red>, pick<&Form2::Circle>},
                  false,
                  "trired.bmp",
                  3,
                  rgb(255, 0, 0),
                  "red"},
        // The diamond's flag is still 2, but a colour never brings a picture shape back.
        ShapeCase{"ColourDuringGeometricShape",
                  {pick<&Form2::Diamond>, pick<&Form2::Square>, pick<&Form2::White>},
                  false,
                  "diayel.bmp",
                  1,
                  orange,
                  "orange"},
        ShapeCase{"OrangeIsTheWhiteControl",
                  {pick<&Form2::Star>, pick<&Form2::White>},
                  true,
                  "strorg.bmp",
                  0,
                  orange,
                  "orange"},
        ShapeCase{"BlueDiamondThenGreen",
                  {pick<&Form2::Blue>, pick<&Form2::Diamond>, pick<&Form2::Green>},
                  true,
                  "diagreen.bmp",
                  0,
                  rgb(0, 255, 0),
                  "green"},
        ShapeCase{"PurpleOval", {pick<&Form2::Purple>, pick<&Form2::Oval>}, false, {}, 2, rgb(255, 0, 255), "purple"},
        ShapeCase{
            "SquareThenRectangle", {pick<&Form2::Square>, pick<&Form2::Rectangle>}, false, {}, 0, yellow, "yellow"},
        ShapeCase{"TriangleIcon", {pick<&Form2::Image2>}, true, "triyel.bmp", 0, yellow, "yellow"},
        ShapeCase{"DiamondIcon", {pick<&Form2::Image3>}, true, "diayel.bmp", 0, yellow, "yellow"},
        ShapeCase{"StarIconThenPurple",
                  {pick<&Form2::Image4>, pick<&Form2::Purple>},
                  true,
                  "strpurp.bmp",
                  0,
                  rgb(255, 0, 255),
                  "purple"},
        ShapeCase{"SquareHotSpot", {pick<&Form2::Label5>}, false, {}, 1, yellow, "yellow"},
        ShapeCase{"CircleHotSpot", {pick<&Form2::Label6>}, false, {}, 3, yellow, "yellow"},
        ShapeCase{"RectangleHotSpot", {pick<&Form2::Label5>, pick<&Form2::Label7>}, false, {}, 0, yellow, "yellow"},
        ShapeCase{"OvalHotSpot", {pick<&Form2::Label8>}, false, {}, 2, yellow, "yellow"}),
    [](const testing::TestParamInfo<ShapeCase>& param) { return std::string(param.param.name); });

class MissingRedPicturesTest : public ColorsShapesTest {
protected:
    bool wantsMediaFile(const QString& name) const override { return !name.endsWith("red.bmp", Qt::CaseInsensitive); }
};

TEST_F(MissingRedPicturesTest, AMissingShapePictureLeavesTheOldOneAndTheBoardGoesOn) {
    board().Triangle.click();
    board().Red.click();
    EXPECT_EQ(shownFile(), "triyel.bmp");
    EXPECT_EQ(board().cc, "red");
    board().Star.click();
    EXPECT_EQ(shownFile(), "triyel.bmp");
    EXPECT_EQ(board().str, 2);
    EXPECT_EQ(board().MMControl1.playsStarted(), 3);
}

TEST_F(ColorsShapesTest, DecorationsAnswerWithTheGeneralClickAndGoToLabelsAreSilent) {
    platform::MediaDevice& hono = room().form1().MMControl42;
    for (platform::Control* c : std::initializer_list<platform::Control*>{
             &board().Image5, &board().ImageDrop1, &board().Label2, &board().Label3, &board().Label9})
        c->click();
    board().clickAt(100, 100);
    EXPECT_EQ(hono.playsStarted(), 6);
    board().Label4.click();
    EXPECT_FALSE(board().isVisible());
    EXPECT_EQ(hono.playsStarted() + board().MMControl1.playsStarted(), 6);
}

TEST_F(ColorsShapesTest, TeddyPointerItemLoadsTheLightTeddy) {
    board().curpoint2.click();
    EXPECT_EQ(board().mousePointer(), 0);
    board().curteddy2.click();
    EXPECT_EQ(board().mousePointer(), 99);
    const std::optional<QCursor> light = platform::loadCursor(startFile("teddy2.cur"));
    ASSERT_TRUE(light);
    EXPECT_EQ(board().pointerCursor().pixmap().toImage(), light->pixmap().toImage());
}

// The teddy drop waits by the program's clock; these clocks move a quarter second a reading, and
// note the last reading at which the teddy was still in the target box.
struct DropClock {
    double start;
};

class TeddyDrop : public ColorsShapesTest, public testing::WithParamInterface<DropClock> {};

TEST_P(TeddyDrop, TeddyJumpsToTheTargetAndIsBackAfterTwoSeconds) {
    double now = GetParam().start;
    double lastInTarget = now;
    platform::Runtime::setClock([&] {
        now = std::fmod(now + 0.25, 86400.0);
        if (!board().ImageDrop1.picture().isNull())
            lastInTarget = now;
        return now;
    });
    // The same drawing, drawn at the target's own size.
    const QString teddy = board().Imagedrop2.builtinName();
    ASSERT_FALSE(teddy.isEmpty());
    bool seenDuringWait = false;
    QTimer::singleShot(0, [&] {
        seenDuringWait = board().ImageDrop1.builtinName() == teddy && board().Imagedrop2.picture().isNull() &&
                         board().MMControl1.playsStarted() == 1;
    });
    board().Imagedrop2.dragTo(board().ImageDrop1);
    EXPECT_TRUE(seenDuringWait);
    double waited = lastInTarget - GetParam().start;
    if (waited < 0)
        waited += 86400.0;
    EXPECT_GE(waited, 2.0);
    EXPECT_LT(waited, 3.0);
    EXPECT_TRUE(board().ImageDrop1.picture().isNull());
    EXPECT_EQ(QFileInfo(board().Imagedrop2.pictureFile()).fileName().toLower(), "tedbye.ico");
    EXPECT_FALSE(board().Imagedrop2.picture().isNull());
}

INSTANTIATE_TEST_SUITE_P(Clocks, TeddyDrop, testing::Values(DropClock{36000.0}, DropClock{86399.5}),
                         [](const testing::TestParamInfo<DropClock>& param) {
                             return param.param.start > 86000 ? std::string("JustBeforeMidnight")
                                                              : std::string("Morning");
                         });

TEST_F(ColorsShapesTest, ASecondDropDuringTheWaitRunsTheWholeDropAgainInsideTheFirst) {
    double now = 1000.0;
    platform::Runtime::setClock([&] { return now += 0.25; });
    bool innerSawEmptyTarget = false;
    bool innerFinished = false;
    QTimer::singleShot(0, [&] {
        QTimer::singleShot(0, [&] { innerSawEmptyTarget = board().ImageDrop1.picture().isNull(); });
        board().Imagedrop2.dragTo(board().ImageDrop1);
        innerFinished = board().ImageDrop1.picture().isNull() && !board().Imagedrop2.picture().isNull();
    });
    board().Imagedrop2.dragTo(board().ImageDrop1);
    EXPECT_TRUE(innerSawEmptyTarget); // the teddy copied by the second drop was the empty start place
    EXPECT_TRUE(innerFinished);
    EXPECT_TRUE(board().ImageDrop1.picture().isNull());
    EXPECT_EQ(QFileInfo(board().Imagedrop2.pictureFile()).fileName().toLower(), "tedbye.ico");
    EXPECT_EQ(board().MMControl1.playsStarted(), 2);
}

TEST_F(ColorsShapesTest, ReleasingTheTeddyAnywhereButTheTargetChangesNothing) {
    const QImage teddy = board().Imagedrop2.picture().toImage();
    for (platform::Control* elsewhere :
         std::initializer_list<platform::Control*>{&board().Label9, &board().Image5, &board().Red})
        board().Imagedrop2.dragTo(*elsewhere);
    EXPECT_EQ(board().Imagedrop2.picture().toImage(), teddy);
    EXPECT_TRUE(board().ImageDrop1.picture().isNull());
    EXPECT_EQ(board().MMControl1.playsStarted(), 0);
    EXPECT_EQ(board().cc, "yellow");
}

} // namespace

namespace {

// The empty drop target on the black board: something other than black must mark where it is.
TEST_F(ColorsShapesTest, EmptyDropTargetIsOutlinedOnTheBlackBoard) {
    ASSERT_TRUE(board().ImageDrop1.picture().isNull());
    QWidget* drop = board().ImageDrop1.widget();
    const QImage target = drop->parentWidget()->grab(drop->geometry()).toImage();
    int marked = 0;
    for (int y = 0; y < target.height(); ++y)
        for (int x = 0; x < target.width(); ++x)
            marked += qGray(target.pixel(x, y)) > 128;
    EXPECT_GT(marked, target.width() + target.height()) << "at least a frame's worth of light pixels";
}

} // namespace
