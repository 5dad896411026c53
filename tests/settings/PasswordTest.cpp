// The parent's password: setting it once, the view once it is set, and the four gates it guards,
// each with the right password, a wrong one and an empty entry.
#include "SettingsFixture.h"

#include "platform/MessageBox.h"

#include <QAccessible>
#include <QApplication>
#include <QKeyEvent>
#include <QLineEdit>
#include <QStyle>
#include <functional>

namespace {

using PasswordTest = SettingsFixture;

TEST_F(PasswordTest, MatchingEntryAndVerifySetThePasswordOnce) {
    abc().MenuExitpw.click();
    EXPECT_TRUE(pw().isVisible());
    EXPECT_FALSE(abc().isVisible());
    EXPECT_TRUE(pw().Text2.visible());
    EXPECT_TRUE(pw().Label2.visible());
    EXPECT_EQ(pw().Label1.caption(), "Enter Password up to 8  Letters");

    pw().Text1.type("Owl7");
    EXPECT_EQ(pw().Label2.caption(), "Verify Password");
    pw().Text2.type("Owl7");
    pw().Command2.click();

    EXPECT_EQ(abc().pwSet, -1);
    EXPECT_EQ(abc().pwText.text(), "Owl7");
    EXPECT_EQ(pw().Label2.caption(), "Password is Set");
    EXPECT_FALSE(pw().Text1.enabled());
    EXPECT_FALSE(pw().Text2.enabled());
    EXPECT_FALSE(pw().Command2.visible());
    EXPECT_TRUE(pw().isVisible()) << "the parent leaves with Go To ABCs";
    EXPECT_TRUE(abc().menuPassIsSet.visible());

    pw().Command1.click();
    EXPECT_FALSE(pw().isVisible());
    EXPECT_TRUE(abc().isVisible());
    EXPECT_EQ(pw().Label1.caption(), "Type in Password");
    EXPECT_FALSE(pw().Label2.visible());
    EXPECT_FALSE(pw().Text2.visible());
    EXPECT_TRUE(pw().Text1.enabled());
    EXPECT_TRUE(pw().Command2.visible());
    EXPECT_TRUE(pw().Text1.text().isEmpty());
}

TEST_F(PasswordTest, TheStoredPasswordIsNeverShownOnTheBoardNorReachedByTheChild) {
    setPassword("Secret");
    EXPECT_FALSE(abc().pwText.visible());
    EXPECT_FALSE(abc().pwText.widget()->isVisible());
    abc().pwText.type("x");
    abc().typeKeys("abc");
    EXPECT_EQ(abc().pwText.text().toStdString(), "Secret");
}

TEST_F(PasswordTest, EntryAndVerifyBoxesHideWhatIsTyped) {
    for (const platform::TextBox* box : {&pw().Text1, &pw().Text2}) {
        const auto* line = qobject_cast<const QLineEdit*>(box->widget());
        ASSERT_NE(line, nullptr);
        EXPECT_EQ(line->echoMode(), QLineEdit::Password);
    }
    const auto* mirror = qobject_cast<const QLineEdit*>(pw().Text3.widget());
    ASSERT_NE(mirror, nullptr);
    EXPECT_EQ(mirror->echoMode(), QLineEdit::Normal);
}

// Every text an assistive tool can read in a window: names, values and text contents.
QStringList accessibleTexts(QAccessibleInterface* node, int depth = 0) {
    QStringList texts;
    if (!node || depth > 20)
        return texts;
    texts << node->text(QAccessible::Name) << node->text(QAccessible::Value);
    if (QAccessibleTextInterface* text = node->textInterface())
        texts << text->text(0, text->characterCount());
    for (int i = 0; i < node->childCount(); ++i)
        texts << accessibleTexts(node->child(i), depth + 1);
    return texts;
}

// The mirror under the grey plate and the stored box on the ABCs board hold the password in clear:
// a screen reader read it from them, and Tab walked into the invisible mirror.
TEST_F(PasswordTest, ThePasswordIsNeverReadableThroughAccessibilityNorReachedByTab) {
    abc().MenuExitpw.click();
    pw().Text1.type("Owl7");
    pw().Text2.type("Owl7");
    for (const platform::TextBox* box : {&pw().Text1, &pw().Text2}) {
        const QWidget* line = box->widget();
        EXPECT_EQ(line->style()->styleHint(QStyle::SH_LineEdit_PasswordCharacter, nullptr, line), '*')
            << "one \"*\" for each character";
    }
    EXPECT_FALSE(accessibleTexts(QAccessible::queryAccessibleInterface(&pw())).join('|').contains("Owl7"));

    QWidget* focused = pw().Text1.widget();
    for (int i = 0; i < 10; ++i) {
        QKeyEvent tab(QEvent::KeyPress, Qt::Key_Tab, Qt::NoModifier);
        QApplication::sendEvent(focused, &tab);
        focused = pw().focusedWidget();
        ASSERT_NE(focused, nullptr);
        EXPECT_NE(focused, pw().Text3.widget()) << "Tab moved into the invisible mirror";
    }

    pw().Command2.click();
    ASSERT_EQ(abc().pwText.text(), "Owl7");
    pw().Command1.click();
    EXPECT_FALSE(accessibleTexts(QAccessible::queryAccessibleInterface(&abc())).join('|').contains("Owl7"));
}

TEST_F(PasswordTest, MismatchSaysSorryRetryAndEmptiesAllThreeBoxes) {
    abc().MenuExitpw.click();
    pw().Text1.type("apple");
    pw().Text2.type("apples");
    pw().Command2.click();
    EXPECT_EQ(pw().Label2.caption(), "Sorry Retry");
    EXPECT_TRUE(pw().Text1.hasFocus());
    for (const platform::TextBox* box : {&pw().Text1, &pw().Text2, &pw().Text3})
        EXPECT_TRUE(box->text().isEmpty());
    EXPECT_EQ(abc().pwSet, 0);
    EXPECT_TRUE(abc().pwText.text().isEmpty());
    EXPECT_FALSE(abc().menuPassIsSet.visible());
    EXPECT_TRUE(pw().Command2.visible()) << "the parent may try again";

    pw().Text1.type("pear");
    pw().Text2.type("pear");
    pw().Command2.click();
    EXPECT_EQ(abc().pwText.text(), "pear");
}

TEST_F(PasswordTest, EmptyPasswordCannotBeSet) {
    abc().MenuExitpw.click();
    pw().Text2.type("abc");
    pw().Command2.click();
    EXPECT_TRUE(pw().Text1.hasFocus()) << "Submit with nothing typed only moves the focus back";
    EXPECT_EQ(pw().Text2.text(), "abc");
    EXPECT_EQ(abc().pwSet, 0);
    EXPECT_TRUE(pw().isVisible());
    EXPECT_FALSE(abc().isVisible());
    EXPECT_EQ(pw().Label2.caption(), "Verify your Password");
    EXPECT_TRUE(pw().Command2.visible());
}

TEST_F(PasswordTest, OnceSetOnlyTheAlreadySetViewShows) {
    setPassword("kite");
    abc().MenuExitpw.click();
    EXPECT_TRUE(pw().isVisible());
    EXPECT_FALSE(abc().isVisible());
    EXPECT_EQ(pw().Label2.caption(), "A Password is Set");
    EXPECT_TRUE(pw().Label2.visible());
    EXPECT_FALSE(pw().Text1.visible());
    EXPECT_FALSE(pw().Label1.visible());
    EXPECT_FALSE(pw().Command2.visible());
    EXPECT_TRUE(pw().Command1.visible());
    pw().Text1.type("other");
    pw().Command2.click();
    EXPECT_EQ(abc().pwText.text(), "kite");

    pw().Command1.click();
    EXPECT_TRUE(abc().isVisible());
    EXPECT_FALSE(pw().isVisible());
    EXPECT_EQ(abc().pwText.text(), "kite");
    EXPECT_EQ(abc().pwSet, -1);
}

TEST_F(PasswordTest, EntryAndVerifyTakeAtMostEightCharacters) {
    abc().MenuExitpw.click();
    pw().Text1.type("abcdefghij");
    pw().Text2.type("abcdefghij");
    EXPECT_EQ(pw().Text1.text(), "abcdefgh");
    EXPECT_EQ(pw().Text2.text(), "abcdefgh");
    EXPECT_EQ(pw().Text3.text(), "abcdefgh");
    pw().Command2.click();
    EXPECT_EQ(abc().pwText.text(), "abcdefgh");
}

// Submit sees the entry as it was at its last key release: a change made some other way (a paste
// with the mouse) is not seen until a key is released in the box.
TEST_F(PasswordTest, MirrorFollowsTheEntryOnlyOnKeyRelease) {
    abc().MenuExitpw.click();
    pw().Text1.setText("moo");
    EXPECT_TRUE(pw().Text3.text().isEmpty());
    pw().Text2.type("moon");
    pw().Command2.click();
    EXPECT_EQ(abc().pwSet, 0) << "the entry was never released into the mirror";

    pw().Text1.type("n");
    EXPECT_EQ(pw().Text3.text(), "moon");
    pw().Command2.click();
    EXPECT_EQ(abc().pwText.text(), "moon");
}

TEST_F(PasswordTest, GatesCompareCaseSensitively) {
    setPassword("Teddy");
    requestPrinting();
    pw().Text1.type("teddy");
    pw().Command2.click();
    EXPECT_FALSE(letter().menuPrint.enabled());
    EXPECT_FALSE(letter().ImagePrint.visible());

    requestPrinting();
    pw().Text1.type("Teddy");
    pw().Command2.click();
    EXPECT_TRUE(letter().menuPrint.enabled());
    EXPECT_TRUE(letter().ImagePrint.visible());
}

// The reveal picture lives in the Letter Board's tool bar in help mode.
TEST_F(PasswordTest, RevealPictureShowsThePasswordInTheToolBarLabel) {
    abc().MenuOptionsOn.click();
    abc().insthelp.click();
    letter().CheckTools.click();
    ASSERT_TRUE(letter().ImagePw.visible());
    letter().LabelToolbar.setCaption("Print");
    letter().ImagePw.dblClick();
    EXPECT_TRUE(letter().LabelToolbar.caption().isEmpty()) << "no password: the label is emptied";

    letter().Command1.click();
    setPassword("Zebra9");
    abc().insthelp.click();
    letter().CheckTools.click();
    letter().ImagePw.dblClick();
    EXPECT_EQ(letter().LabelToolbar.caption(), "Zebra9");
}

// ---- The four gates, each as a parent meets it ----

struct Gate {
    const char* name;
    const char* prompt;
    std::function<void(SettingsFixture&)> request;
    std::function<bool(SettingsFixture&)> actionDone;
    bool returnsToLetterBoard;
};

class GateTest : public SettingsFixture, public testing::WithParamInterface<Gate> {
protected:
    void request() { GetParam().request(*this); }
    bool actionDone() { return GetParam().actionDone(*this); }
    void requestWithPassword(const QString& password) {
        setPassword(password);
        request();
        ASSERT_TRUE(pw().isVisible());
        ASSERT_FALSE(abc().isVisible());
        ASSERT_EQ(pw().Label1.caption(), GetParam().prompt);
        ASSERT_FALSE(pw().Text2.visible());
        ASSERT_TRUE(pw().Text1.enabled());
    }
    void expectFormClosedTo(bool letterBoard) {
        EXPECT_FALSE(pw().isVisible());
        EXPECT_EQ(letter().isVisible(), letterBoard);
        EXPECT_EQ(abc().isVisible(), !letterBoard);
    }
};

const Gate gates[] = {
    {"Print", Form10::printPrompt, [](SettingsFixture& f) { f.requestPrinting(); },
     [](SettingsFixture& f) { return f.letter().menuPrint.enabled() && f.letter().ImagePrint.visible(); }, false},
    {"Volume", Form10::volumePrompt, [](SettingsFixture& f) { f.requestVolume(); },
     [](SettingsFixture& f) { return f.abc().volume.visible() && f.abc().Label6.visible(); }, false},
    // Offscreen there is no desktop to start the mouse settings on: the launch happens but starts
    // nothing (MouseAppid stays 0); a passed gate shows in the submitted text being used up. An
    // empty entry leaves that text as empty as a pass does: the desktop tests tell those apart.
    {"Mouse", Form10::mousePrompt, [](SettingsFixture& f) { f.requestMouse(); },
     [](SettingsFixture& f) {
         return f.module().MouseAppid == 0 && f.abc().checkPwtext.isEmpty() && f.letter().isVisible() &&
                !f.pw().isVisible();
     },
     true},
    {"Exit", Form10::exitPrompt, [](SettingsFixture& f) { f.requestExit(); },
     [](SettingsFixture&) { return platform::Runtime::endRequested(); }, false},
};

void PrintTo(const Gate& gate, std::ostream* os) {
    *os << gate.name;
}

TEST_P(GateTest, RightPasswordPerformsTheAction) {
    ASSERT_NO_FATAL_FAILURE(requestWithPassword("Bear3"));
    EXPECT_FALSE(actionDone());
    pw().Text1.type("Bear3");
    pw().Command2.click();
    EXPECT_TRUE(actionDone());
    expectFormClosedTo(GetParam().returnsToLetterBoard);
    if (QString(GetParam().prompt) != Form10::exitPrompt) { // the goodbye closes the form instead
        EXPECT_TRUE(pw().Text1.text().isEmpty());
        EXPECT_TRUE(pw().Text3.text().isEmpty());
        EXPECT_TRUE(abc().checkPwtext.isEmpty());
    }
}

TEST_P(GateTest, WrongPasswordSilentlyReturns) {
    ASSERT_NO_FATAL_FAILURE(requestWithPassword("Bear3"));
    pw().Text1.type("Bear4");
    pw().Command2.click();
    EXPECT_FALSE(actionDone());
    expectFormClosedTo(GetParam().returnsToLetterBoard);
    EXPECT_TRUE(pw().Text1.text().isEmpty());
    EXPECT_TRUE(pw().Text3.text().isEmpty());
    EXPECT_EQ(abc().checkPwtext, "Bear4");
    EXPECT_TRUE(platform::MessageBox::captured().isEmpty());
    EXPECT_EQ(pw().Label1.caption(), GetParam().prompt) << "the prompt stays until the next gate or reset";
}

TEST_P(GateTest, EmptyEntryLeavesTheGate) {
    ASSERT_NO_FATAL_FAILURE(requestWithPassword("Bear3"));
    pw().Command2.click();
    if (!GetParam().returnsToLetterBoard) {
        EXPECT_FALSE(actionDone());
    }
    expectFormClosedTo(GetParam().returnsToLetterBoard);
    if (GetParam().returnsToLetterBoard) {
        EXPECT_EQ(pw().Label1.caption(), GetParam().prompt);
    } else {
        EXPECT_EQ(pw().Label1.caption(), "Type in Password") << "the other gates act as Go To ABCs";
        EXPECT_FALSE(pw().Label2.visible());
    }
}

TEST_P(GateTest, GoToAbcsLeavesTheGateWithoutTheAction) {
    ASSERT_NO_FATAL_FAILURE(requestWithPassword("Bear3"));
    pw().Text1.type("Bear3");
    pw().Command1.click();
    EXPECT_FALSE(actionDone());
    expectFormClosedTo(false);
    EXPECT_FALSE(letter().menuMouse.visible());
}

TEST_P(GateTest, WithoutAPasswordTheActionRunsAtOnce) {
    request();
    EXPECT_FALSE(pw().isVisible());
    EXPECT_TRUE(actionDone());
}

INSTANTIATE_TEST_SUITE_P(FourGates, GateTest, testing::ValuesIn(gates),
                         [](const testing::TestParamInfo<Gate>& param) { return std::string(param.param.name); });

} // namespace
