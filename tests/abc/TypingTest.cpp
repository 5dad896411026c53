#include "AbcBoardFixture.h"

using platform::MediaDevice;

namespace {

struct TypedCase {
    const char* typed;
    MediaDevice Form1::*device; // null when the character is removed silently
    const char* bigLabel;       // null when the big label keeps what it showed
};

const TypedCase typedCases[] = {
    // Letters in both cases speak the letter and show both cases, with no blank at the end.
    {"a", &Form1::MMControl1, "A a"},
    {"A", &Form1::MMControl1, "A a"},
    {"m", &Form1::MMControl13, "M m"},
    {"Z", &Form1::MMControl26, "Z z"},
    // Digits and the shifted digit keys speak the digit alone.
    {"0", &Form1::MMControl40, "0"},
    {"1", &Form1::MMControl31, "1"},
    {"!", &Form1::MMControl31, "1"},
    {"2", &Form1::MMControl32, "2"},
    {"@", &Form1::MMControl32, "2"},
    {"#", &Form1::MMControl33, "3"},
    {"$", &Form1::MMControl34, "4"},
    {"%", &Form1::MMControl35, "5"},
    {"^", &Form1::MMControl36, "6"},
    {"&", &Form1::MMControl37, "7"},
    {"8", &Form1::MMControl38, "8"},
    {"*", &Form1::MMControl38, "8"},
    {"9", &Form1::MMControl39, "9"},
    {"(", &Form1::MMControl39, "9"},
    // Everything else goes away without a sound.
    {")", nullptr, nullptr},
    {" ", nullptr, nullptr},
    {"{", nullptr, nullptr},
    {"~", nullptr, nullptr},
    {":", nullptr, nullptr},
    {"[", nullptr, nullptr},
    {"\\", nullptr, nullptr},
    {"?", nullptr, nullptr},
    {"-", nullptr, nullptr},
    {"\xc3\xa9", nullptr, nullptr}, // e with an acute accent, above "z"
};

} // namespace

TEST_F(AbcBoardFixture, TypedCharactersAreSpokenShownAndClearedOrRemovedSilently) {
    for (const TypedCase& c : typedCases) {
        const QString typed = QString::fromUtf8(c.typed);
        SCOPED_TRACE(typed.toStdString());
        resetTeddy();
        board().Label1.setCaption("before");
        const int plays = c.device ? (board().*c.device).playsStarted() : 0;
        const int allPlays = allPlaysStarted();

        board().Text1.type(typed);

        EXPECT_TRUE(board().Image1.pictureFile().endsWith("TEDDY.ICO"));
        EXPECT_EQ(board().Label1.caption(), c.bigLabel ? c.bigLabel : "before");
        if (c.device) {
            EXPECT_EQ((board().*c.device).playsStarted(), plays + 1);
        }
        EXPECT_EQ(allPlaysStarted(), allPlays + (c.device ? 1 : 0));
        EXPECT_TRUE(board().Text1.text().isEmpty());
        EXPECT_TRUE(board().Text1.hasFocus());
    }
}

TEST_F(AbcBoardFixture, TheTypingBoxHasTheFocusFromTheStartAndKeysOnTheBoardLandInIt) {
    EXPECT_TRUE(board().Text1.hasFocus());
    board().typeKeys("Ka");
    EXPECT_EQ(board().Label1.caption(), "A a");
    EXPECT_EQ(board().MMControl11.playsStarted(), 1);
    EXPECT_EQ(board().MMControl1.playsStarted(), 1);
    EXPECT_TRUE(board().Text1.text().isEmpty());
}

TEST_F(AbcBoardFixture, TheContextMenuKeyTakesTheFocusAwayAndTheNextKeyBringsItBack) {
    board().pressKey(Qt::Key_Menu);
    EXPECT_FALSE(board().Text1.hasFocus());
    board().pressKey(Qt::Key_Shift);
    EXPECT_TRUE(board().Text1.hasFocus());
    board().typeKeys("c");
    EXPECT_EQ(board().Label1.caption(), "C c");
    EXPECT_EQ(board().MMControl3.playsStarted(), 1);
}

TEST_F(AbcBoardFixture, CaseMenusChangeOnlyTheKeyCaptions) {
    Form1& b = board();
    b.MenufontLower.click();
    EXPECT_EQ(b.lowerCase, -1);
    EXPECT_EQ(b.upperCase, 0);
    for (int i = 0; i < 26; ++i)
        EXPECT_EQ(b.letterKeys()[static_cast<size_t>(i)]->caption(), QString(QChar(u'a' + i)));
    EXPECT_EQ(b.Label1.caption(), "ABCs");
    EXPECT_EQ(b.C10.caption(), "10");

    b.A.click();
    EXPECT_EQ(b.Label1.caption(), "A a ");
    b.Text1.type("q");
    EXPECT_EQ(b.Label1.caption(), "Q q");

    b.MenufontUpper.click();
    EXPECT_EQ(b.lowerCase, 0);
    EXPECT_EQ(b.upperCase, -1);
    for (int i = 0; i < 26; ++i)
        EXPECT_EQ(b.letterKeys()[static_cast<size_t>(i)]->caption(), QString(QChar(u'A' + i)));
    EXPECT_EQ(b.Label1.caption(), "Q q");
}

// Whatever a keyboard types, nothing stays in the one-character box to block the next key.
TEST_F(AbcBoardFixture, EveryPrintableCharacterLeavesTheBoxEmptyAndOnlyLettersAndDigitsSound) {
    const QString sounding = QStringLiteral("0123456789!@#$%^&*(abcdefghijklmnopqrstuvwxyzABCDEFGHIJKLMNOPQRSTUVWXYZ");
    for (char16_t code = 0x20; code < 0x7F; ++code) {
        const QString typed(QChar{code});
        SCOPED_TRACE(typed.toStdString());
        const int allPlays = allPlaysStarted();
        board().Text1.type(typed);
        EXPECT_TRUE(board().Text1.text().isEmpty());
        EXPECT_EQ(allPlaysStarted(), allPlays + (sounding.contains(typed) ? 1 : 0));
    }
}
