// The toolkit behaviours the boards lean on: handlers that run when code sets a value, disabled
// labels that ignore clicks, key preview, colours in both notations, pictures and pointers from
// files, and files found without regard to case.
#include "platform/CheckBox.h"
#include "platform/Colors.h"
#include "platform/Files.h"
#include "platform/Form.h"
#include "platform/Label.h"
#include "platform/Menu.h"
#include "platform/OptionButton.h"
#include "platform/Pictures.h"
#include "platform/TextBox.h"
#include "platform/VScrollBar.h"

#include <QDir>
#include <QFile>
#include <QImage>
#include <QTemporaryDir>
#include <gtest/gtest.h>

using namespace platform;

namespace {

struct HexCase {
    const char* text;
    std::optional<OleColor> color;
};

class HexColorTest : public ::testing::TestWithParam<HexCase> {};

TEST_P(HexColorTest, ReadsColourText) { EXPECT_EQ(fromHexText(GetParam().text), GetParam().color); }

INSTANTIATE_TEST_SUITE_P(Texts, HexColorTest,
                         ::testing::Values(HexCase{"&H0000FF", rgb(255, 0, 0)}, HexCase{"&HFF0000", rgb(0, 0, 255)},
                                           HexCase{"&h8080FF&", rgb(255, 128, 128)}, HexCase{"&H000000", rgb(0, 0, 0)},
                                           HexCase{"255", rgb(255, 0, 0)}, HexCase{"&H", std::nullopt},
                                           HexCase{"&HXYZ", std::nullopt}, HexCase{"red", std::nullopt},
                                           HexCase{"-1", std::nullopt}));

TEST(Colors, TextRoundTrip) {
    EXPECT_EQ(toHexText(rgb(255, 0, 0)), "&H0000FF");
    EXPECT_EQ(fromHexText(toHexText(rgb(12, 34, 56))), rgb(12, 34, 56));
    EXPECT_EQ(toQColor(rgb(255, 128, 0)), QColor(255, 128, 0));
}

class ControlsTest : public ::testing::Test {
protected:
    void SetUp() override {
        board.setGeometry(0, 0, 800, 600); // boards are fitted to the screen and shown before a child clicks
        board.show();
    }
    Form board{"test board"};
};

TEST_F(ControlsTest, TextChangeRunsForCodeAndForItsOwnHandler) {
    TextBox box(&board, {0, 0, 500, 300});
    QStringList seen;
    box.Change.connect([&] {
        seen << box.text();
        if (!box.text().isEmpty())
            box.setText({}); // the handler empties the box, which runs it once more
    });
    box.setText("b");
    EXPECT_EQ(seen, QStringList({"b", ""}));
    EXPECT_TRUE(box.text().isEmpty());
}

TEST_F(ControlsTest, ManyLineBoxRefusesCharactersPastItsLimit) {
    TextBox box(&board, {0, 0, 3000, 3000}, TextBox::Lines::multi);
    box.setMaxLength(5);
    box.type("abcdefg");
    EXPECT_EQ(box.text(), "abcde");
    box.setMaxLength(0);
    box.type("fg");
    EXPECT_EQ(box.text(), "abcdefg");
}

TEST_F(ControlsTest, DisabledOrHiddenLabelIgnoresClicks) {
    Label label(&board, {0, 0, 600, 600}, "A");
    int clicks = 0;
    label.Click.connect([&] { ++clicks; });
    label.click();
    label.setEnabled(false);
    label.click();
    label.setEnabled(true);
    label.setVisible(false);
    label.click();
    EXPECT_EQ(clicks, 1);
}

TEST_F(ControlsTest, ClickOnAControlIsNotAlsoAClickOnTheBoard) {
    Label label(&board, {0, 0, 600, 600}, "A");
    int labelClicks = 0, boardClicks = 0;
    label.Click.connect([&] { ++labelClicks; });
    board.Click.connect([&] { ++boardClicks; });
    label.click();
    board.clickAt(3000, 3000);
    EXPECT_EQ(labelClicks, 1);
    EXPECT_EQ(boardClicks, 1);
}

TEST_F(ControlsTest, DoubleClickIsOneClickAndOneDoubleClick) {
    Label label(&board, {0, 0, 600, 600}, "Good Bye");
    int clicks = 0, doubles = 0;
    label.Click.connect([&] { ++clicks; });
    label.DblClick.connect([&] { ++doubles; });
    label.dblClick();
    EXPECT_EQ(clicks, 1);
    EXPECT_EQ(doubles, 1);
}

TEST_F(ControlsTest, ValuesSetByCodeRunTheirHandlers) {
    CheckBox check(&board, {0, 0, 1000, 300}, "Play 1 Time");
    OptionButton one(&board, {0, 400, 1000, 300}, "1");
    OptionButton two(&board, {0, 800, 1000, 300}, "2");
    VScrollBar bar(&board, {2000, 0, 255, 2000}, 0, 255);
    int checkClicks = 0, optionClicks = 0, barChanges = 0;
    check.Click.connect([&] { ++checkClicks; });
    two.Click.connect([&] { ++optionClicks; });
    bar.Change.connect([&] { ++barChanges; });
    check.setValue(1);
    two.setValue(true);
    bar.setValue(190);
    EXPECT_EQ(checkClicks, 1);
    EXPECT_EQ(optionClicks, 1);
    EXPECT_EQ(barChanges, 1);
    one.setValue(true);
    EXPECT_FALSE(two.value()) << "options on one board exclude each other";
    bar.dragThumbTo(10);
    EXPECT_EQ(bar.value(), 10);
    EXPECT_EQ(barChanges, 2) << "a dragged thumb changes the value once, when let go";
}

TEST_F(ControlsTest, KeyPreviewSeesKeysBeforeTheFocusedBox) {
    TextBox box(&board, {0, 0, 500, 300});
    QStringList order;
    board.setKeyPreview(true);
    board.KeyDown.connect([&](int& code, int) { order << QString("board %1").arg(code); });
    box.KeyDown.connect([&](int& code, int) { order << QString("box %1").arg(code); });
    box.type("b");
    EXPECT_EQ(order, QStringList({"board 66", "box 66"}));
    board.KeyDown.connect([](int& code, int) { code = 0; });
    box.type("c");
    EXPECT_EQ(box.text(), "b") << "a key the board swallows never reaches the box";
}

TEST_F(ControlsTest, LabelGrowsWithItsText) {
    Label label(&board, {100, 100, 200, 200}, {}, std::nullopt, {"Arial", 36});
    label.setAutoSize(true);
    label.setCaption("Good Bye");
    const int wide = label.width();
    label.setCaption("A");
    EXPECT_GT(wide, label.width());
    EXPECT_EQ(label.left(), 100);
}

TEST_F(ControlsTest, DisabledMenuItemsDoNothing) {
    Menu top(&board, "Help");
    Menu item(&top, "About");
    int chosen = 0, opened = 0;
    item.Click.connect([&] { ++chosen; });
    top.Opened.connect([&] { ++opened; });
    top.open();
    item.click();
    top.setEnabled(false);
    item.click();
    EXPECT_EQ(chosen, 1);
    EXPECT_EQ(opened, 1);
}

class FilesTest : public ::testing::Test {
protected:
    QTemporaryDir dir;
    QString path(const QString& name) const { return QDir(dir.path()).filePath(name); }
};

TEST_F(FilesTest, NamesMatchWithoutRegardToCase) {
    QFile f(path("tedbye.ico"));
    ASSERT_TRUE(f.open(QIODevice::WriteOnly));
    f.close();
    EXPECT_EQ(filePath(dir.path(), "TEDBYE.ICO"), path("tedbye.ico"));
    EXPECT_EQ(filePath(dir.path(), "write.txt"), path("write.txt")) << "a new file keeps the program's name";
}

TEST_F(FilesTest, FailedReplaceLeavesTheOldFileWhole) {
    ASSERT_TRUE(writeFileAtomically(path("write.txt"), "first letter"));
    ASSERT_TRUE(QDir(dir.path()).mkdir("write.txt.d"));
    EXPECT_FALSE(writeFileAtomically(path("write.txt.d"), "cannot replace a folder"));
    EXPECT_EQ(readWholeFile(path("write.txt")), QByteArray("first letter"));
    EXPECT_FALSE(readWholeFile(path("missing.txt")));
}

TEST_F(FilesTest, PointerFileKeepsItsHotSpotAndBadPicturesAreRefused) {
    QImage image(32, 32, QImage::Format_ARGB32);
    image.fill(Qt::red);
    ASSERT_TRUE(image.save(path("plain.ico"), "ICO"));
    QFile ico(path("plain.ico"));
    ASSERT_TRUE(ico.open(QIODevice::ReadOnly));
    QByteArray cur = ico.readAll();
    cur[2] = 2;                    // a cursor file
    cur[10] = 7, cur[11] = 0;      // hot spot x
    cur[12] = 9, cur[13] = 0;      // hot spot y
    QFile out(path("pointer.cur"));
    ASSERT_TRUE(out.open(QIODevice::WriteOnly));
    out.write(cur);
    out.close();
    const std::optional<QCursor> cursor = loadCursor(path("pointer.cur"));
    ASSERT_TRUE(cursor);
    EXPECT_EQ(cursor->hotSpot(), QPoint(7, 9));
    QFile junk(path("junk.bmp"));
    ASSERT_TRUE(junk.open(QIODevice::WriteOnly));
    junk.write("not a picture");
    junk.close();
    EXPECT_FALSE(loadPicture(path("junk.bmp")));
    EXPECT_FALSE(loadCursor(path("missing.cur")));
}

} // namespace
