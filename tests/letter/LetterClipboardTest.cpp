// Copy, cut and paste through the system clipboard, from the Edit menu and from the tool bar.
#include "LetterFixtures.h"

#include "platform/Clipboard.h"

class LetterClipboardTest : public WritingModeTest, public ::testing::WithParamInterface<bool> {
protected:
    bool fromToolBar() const { return GetParam(); }
    void SetUp() override {
        WritingModeTest::SetUp();
        if (fromToolBar())
            board().CheckTools.click();
    }
    void copy() { fromToolBar() ? board().ImageCopy.click() : board().menuCopy.click(); }
    void cut() { fromToolBar() ? board().ImageCut.click() : board().menuCut.click(); }
    void paste() { fromToolBar() ? board().ImagePaste.click() : board().menuPaste.click(); }
    void select(int start, int length) {
        board().Text1.setSelStart(start);
        board().Text1.setSelLength(length);
    }
};

TEST_P(LetterClipboardTest, CopyCutAndPasteMoveTheSelectionAndDing) {
    ReadMe& b = board();
    b.Text1.type("Hello Granny");
    select(6, 6);
    copy();
    EXPECT_EQ(platform::clipboard::text(), "Granny");
    EXPECT_EQ(b.Text1.text(), "Hello Granny");
    select(0, 6);
    cut();
    EXPECT_EQ(platform::clipboard::text(), "Hello ");
    EXPECT_EQ(b.Text1.text(), "Granny");
    select(6, 0);
    paste();
    EXPECT_EQ(b.Text1.text(), "GrannyHello ");
    EXPECT_EQ(dings(), 3);
}

TEST_P(LetterClipboardTest, CopyOrCutWithNothingSelectedLeavesEmptyText) {
    board().Text1.type("Hi");
    for (int round = 0; round < 2; ++round) {
        platform::clipboard::setText("something old");
        select(1, 0);
        round == 0 ? copy() : cut();
        EXPECT_EQ(platform::clipboard::text(), "") << round;
        EXPECT_EQ(board().Text1.text(), "Hi") << round;
    }
    EXPECT_EQ(dings(), 2);
}

TEST_P(LetterClipboardTest, PasteFillsTheLetterOnlyUpToItsLimit) {
    ReadMe& b = board();
    b.Text1.setText(QString(3020, 'a'));
    platform::clipboard::setText("0123456789");
    select(3020, 0);
    paste();
    EXPECT_EQ(b.Text1.text().size(), 3028);
    EXPECT_TRUE(b.Text1.text().endsWith("01234567"));
    EXPECT_EQ(dings(), 1);
}

INSTANTIATE_TEST_SUITE_P(MenuAndToolBar, LetterClipboardTest, ::testing::Values(false, true),
                         [](const ::testing::TestParamInfo<bool>& way) {
                             return std::string(way.param ? "ToolBar" : "EditMenu");
                         });

// Something a program before the classroom left on the clipboard.
class StaleClipboardTest : public WritingModeTest {
protected:
    void SetUp() override {
        platform::clipboard::setText("left by another program");
        WritingModeTest::SetUp();
    }
};

TEST_F(StaleClipboardTest, PasteBeforeAnyCopyInsertsNothing) {
    board().Text1.type("Hi");
    board().menuPaste.click();
    EXPECT_EQ(board().Text1.text(), "Hi");
    EXPECT_EQ(dings(), 1) << "the paste still dings";
}
