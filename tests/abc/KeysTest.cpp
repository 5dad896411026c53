#include "AbcBoardFixture.h"

#include "platform/Colors.h"

using namespace platform::colors;
using platform::Label;
using platform::MediaDevice;

namespace {

struct KeyCase {
    Label Form1::*key;
    const char* caption;
    int left;
    int top;
    platform::OleColor back;
    MediaDevice Form1::*device;
    const char* bigLabel;
};

// The keys as the child sees them: where each sits, its colour, what it says and shows.
const KeyCase keyCases[] = {
    {&Form1::A, "A", 1080, 1560, green, &Form1::MMControl1, "A a "},
    {&Form1::B, "B", 1920, 1560, yellow, &Form1::MMControl2, "B b "},
    {&Form1::C, "C", 2760, 1560, cyan, &Form1::MMControl3, "C c "},
    {&Form1::D, "D", 3600, 1560, red, &Form1::MMControl4, "D d "},
    {&Form1::E, "E", 4440, 1560, magenta, &Form1::MMControl5, "E e "},
    {&Form1::F, "F", 5280, 1560, green, &Form1::MMControl6, "F f "},
    {&Form1::G, "G", 6120, 1560, yellow, &Form1::MMControl7, "G g "},
    {&Form1::H, "H", 6960, 1560, cyan, &Form1::MMControl8, "H h "},
    {&Form1::I, "I", 7800, 1560, red, &Form1::MMControl9, "I i "},
    {&Form1::J, "J", 1080, 2400, magenta, &Form1::MMControl10, "J j "},
    {&Form1::K, "K", 1920, 2400, green, &Form1::MMControl11, "K k "},
    {&Form1::L, "L", 2760, 2400, yellow, &Form1::MMControl12, "L l "},
    {&Form1::M, "M", 3600, 2400, cyan, &Form1::MMControl13, "M m "},
    {&Form1::N, "N", 4440, 2400, red, &Form1::MMControl14, "N n "},
    {&Form1::O, "O", 5280, 2400, magenta, &Form1::MMControl15, "O o "},
    {&Form1::P, "P", 6120, 2400, green, &Form1::MMControl16, "P p "},
    {&Form1::Q, "Q", 6960, 2400, yellow, &Form1::MMControl17, "Q q "},
    {&Form1::R, "R", 7800, 2400, cyan, &Form1::MMControl18, "R r "},
    {&Form1::S, "S", 1560, 3240, red, &Form1::MMControl19, "S s "},
    {&Form1::T, "T", 2400, 3240, magenta, &Form1::MMControl20, "T t "},
    {&Form1::U, "U", 3240, 3240, green, &Form1::MMControl21, "U u "},
    {&Form1::V, "V", 4080, 3240, yellow, &Form1::MMControl22, "V v "},
    {&Form1::W, "W", 4920, 3240, cyan, &Form1::MMControl23, "W w "},
    {&Form1::X, "X", 5760, 3240, red, &Form1::MMControl24, "X x "},
    {&Form1::Y, "Y", 6600, 3240, magenta, &Form1::MMControl25, "Y y "},
    {&Form1::Z, "Z", 7440, 3240, green, &Form1::MMControl26, "Z z "},
    {&Form1::C1, "1", 720, 4080, yellow, &Form1::MMControl31, "1 "},
    {&Form1::C2, "2", 1560, 4080, cyan, &Form1::MMControl32, "2 "},
    {&Form1::C3, "3", 2400, 4080, red, &Form1::MMControl33, "3 "},
    {&Form1::C4, "4", 3240, 4080, magenta, &Form1::MMControl34, "4 "},
    {&Form1::C5, "5", 4080, 4080, green, &Form1::MMControl35, "5 "},
    {&Form1::C6, "6", 4920, 4080, yellow, &Form1::MMControl36, "6 "},
    {&Form1::C7, "7", 5760, 4080, cyan, &Form1::MMControl37, "7 "},
    {&Form1::C8, "8", 6600, 4080, red, &Form1::MMControl38, "8 "},
    {&Form1::C9, "9", 7440, 4080, yellow, &Form1::MMControl39, "9 "},
    {&Form1::C10, "10", 8280, 4080, green, &Form1::MMControl30, "10 "},
};

} // namespace

TEST_F(AbcBoardFixture, EveryKeySitsInItsPlaceSpeaksAndShowsItsText) {
    for (const KeyCase& c : keyCases) {
        Label& key = board().*c.key;
        MediaDevice& device = board().*c.device;
        SCOPED_TRACE(c.caption);
        EXPECT_EQ(key.caption(), c.caption);
        EXPECT_EQ(key.left(), c.left);
        EXPECT_EQ(key.top(), c.top);
        EXPECT_EQ(key.width(), 615);
        EXPECT_EQ(key.height(), 615);
        EXPECT_EQ(key.backColor(), c.back);
        EXPECT_EQ(key.foreColor(), black);
        EXPECT_EQ(key.fontName(), "Arial");
        EXPECT_EQ(key.fontSize(), 24);

        resetTeddy();
        const int plays = device.playsStarted();
        const int allPlays = allPlaysStarted();
        key.click();
        EXPECT_TRUE(board().Image1.pictureFile().endsWith("TEDDY.ICO"));
        EXPECT_EQ(device.playsStarted(), plays + 1);
        EXPECT_EQ(allPlaysStarted(), allPlays + 1) << "another device played too";
        EXPECT_TRUE(device.atStart()) << "the next click would not start from the beginning";
        EXPECT_EQ(board().Label1.caption(), c.bigLabel);
    }
}

namespace {

using ControlOf = std::function<platform::Control&(Form1&)>;

struct AnswerCase {
    const char* name;
    ControlOf control; // empty for the board itself
    const char* teddy;
    MediaDevice Form1::*device;
    const char* bigLabel;
};

const AnswerCase answerCases[] = {
    {"the teddy", [](Form1& b) -> platform::Control& { return b.Image1; }, "TEDBYE.ICO", &Form1::MMControl29, "Hi "},
    {"the board", {}, "TEDHONO.ICO", &Form1::MMControl42, ""},
    {"Label1", [](Form1& b) -> platform::Control& { return b.Label1; }, "TEDHONO.ICO", &Form1::MMControl42, ""},
    {"Label3", [](Form1& b) -> platform::Control& { return b.Label3; }, "TEDHONO.ICO", &Form1::MMControl42, ""},
    {"Label4", [](Form1& b) -> platform::Control& { return b.Label4; }, "TEDHONO.ICO", &Form1::MMControl42, ""},
    {"Label5", [](Form1& b) -> platform::Control& { return b.Label5; }, "TEDHONO.ICO", &Form1::MMControl42, ""},
    {"Label6", [](Form1& b) -> platform::Control& { return b.Label6; }, "TEDHONO.ICO", &Form1::MMControl42, ""},
    {"Label10", [](Form1& b) -> platform::Control& { return b.Label10; }, "TEDHONO.ICO", &Form1::MMControl42, ""},
    {"Picture1", [](Form1& b) -> platform::Control& { return b.Picture1; }, "TEDHONO.ICO", &Form1::MMControl42, ""},
    {"Picture2", [](Form1& b) -> platform::Control& { return b.Picture2; }, "TEDHONO.ICO", &Form1::MMControl42, ""},
};

} // namespace

// Every click of a small child gets an answer: the teddy says hello, anything else clicks.
TEST_F(AbcBoardFixture, TheTeddyAndEveryPlainPlaceAnswerAClick) {
    for (const AnswerCase& c : answerCases) {
        SCOPED_TRACE(c.name);
        MediaDevice& device = board().*c.device;
        resetTeddy();
        board().Label1.setCaption("before");
        const int plays = device.playsStarted();
        const int allPlays = allPlaysStarted();
        if (c.control) {
            platform::Control& control = c.control(board());
            control.setVisible(true); // the recorder and volume captions are shown by the parent's settings
            control.click();
        } else {
            board().clickAt(300, 3000);
        }
        EXPECT_TRUE(board().Image1.pictureFile().endsWith(c.teddy)) << board().Image1.pictureFile().toStdString();
        EXPECT_EQ(device.playsStarted(), plays + 1);
        EXPECT_EQ(allPlaysStarted(), allPlays + 1) << "another device played too";
        EXPECT_EQ(board().Label1.caption(), c.bigLabel);
    }
}

TEST_F(AbcBoardFixture, TheBigLabelGrowsWithItsTextAndStartsWithAbcs) {
    Form1& b = board();
    EXPECT_EQ(b.Label1.caption(), "ABCs");
    EXPECT_EQ(b.Label1.left(), 4545);
    EXPECT_EQ(b.Label1.top(), 4860);
    EXPECT_EQ(b.Label1.fontSize(), 36);
    b.C1.click();
    const int narrow = b.Label1.width();
    b.W.click();
    EXPECT_GT(b.Label1.width(), narrow);
    EXPECT_EQ(b.Label1.left(), 4545);
}

TEST_F(AbcBoardFixture, AKeyClickedTwiceStartsFromTheBeginningAndTwoKeysMaySoundAtOnce) {
    Form1& b = board();
    b.K.click();
    b.K.click();
    EXPECT_EQ(b.MMControl11.playsStarted(), 2);
    EXPECT_TRUE(b.MMControl11.atStart());
    b.L.click();
    EXPECT_TRUE(b.MMControl11.isPlaying()) << "the first letter was cut off";
    EXPECT_TRUE(b.MMControl12.isPlaying());
    EXPECT_EQ(b.Label1.caption(), "L l ");
    b.Image1.click();
    EXPECT_EQ(b.Label1.caption(), "Hi ");
}

namespace {
class NoClickSoundFixture : public AbcBoardFixture {
protected:
    bool wantsMediaFile(const QString& name) const override { return name.compare("hono.WAV", Qt::CaseInsensitive); }
};
} // namespace

TEST_F(NoClickSoundFixture, WithoutTheClickSoundABoardClickStillAnswersSilently) {
    EXPECT_FALSE(board().MMControl42.isOpen());
    board().clickAt(300, 3000);
    EXPECT_TRUE(board().Image1.pictureFile().endsWith("TEDHONO.ICO"));
    EXPECT_EQ(board().Label1.caption(), "");
    EXPECT_EQ(board().MMControl42.playsStarted(), 0);
    board().H.click();
    EXPECT_EQ(board().MMControl8.playsStarted(), 1);
}

// The three steps stand alone: with no pictures and no sounds the label still answers.
TEST_F(EmptyClassroomFixture, KeysStillShowTheirTextWithoutPicturesOrSounds) {
    Form1& b = room().form1();
    const QPixmap builtIn = b.Image1.picture();
    b.Q.click();
    EXPECT_EQ(b.Label1.caption(), "Q q ");
    EXPECT_EQ(b.MMControl17.playsStarted(), 0);
    EXPECT_TRUE(b.Image1.pictureFile().isEmpty());
    EXPECT_FALSE(b.Image1.picture().isNull()) << "the built-in teddy stays";
    b.C10.click();
    EXPECT_EQ(b.Label1.caption(), "10 ");
}
