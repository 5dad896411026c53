// What a screen reader or a switch-access device finds on every board: each control a child or
// parent can operate has the role of what it does, a name, and an action that works like a click.
#include "ClassroomFixture.h"

#include "abc/Form1.h"
#include "creative/Color.h"
#include "creative/Form2.h"
#include "creative/Form3.h"
#include "letter/ReadMe.h"
#include "numbers/Form5.h"
#include "numbers/Form6.h"
#include "numbers/Form7.h"
#include "numbers/Form8.h"
#include "numbers/form9.h"
#include "platform/Control.h"
#include "settings/Form10.h"

#include <QAbstractButton>
#include <QAbstractScrollArea>
#include <QAccessible>
#include <QCheckBox>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QRadioButton>
#include <QScrollBar>
#include <QStringList>

using platform::Control;

namespace {

std::vector<std::pair<QString, platform::Form*>> everyBoard(Classroom& r) {
    return {{"ABCs", &r.form1()},         {"Colors & Shapes", &r.form2()}, {"ChalkBoard", &r.form3()},
            {"Custom Color", &r.color()}, {"Letter Board", &r.readMe()},   {"123s", &r.form5()},
            {"Times Tables", &r.form6()}, {"Multiply", &r.form7()},        {"Problems", &r.form8()},
            {"Divide", &r.form9()},       {"Password", &r.form10()}};
}

// What a control does, read from the widget and the handlers the board connected to it.
QAccessible::Role expectedRole(const QWidget* w) {
    if (qobject_cast<const QCheckBox*>(w))
        return QAccessible::CheckBox;
    if (qobject_cast<const QRadioButton*>(w))
        return QAccessible::RadioButton;
    if (const auto* b = qobject_cast<const QAbstractButton*>(w))
        return b->isCheckable() ? QAccessible::CheckBox : QAccessible::PushButton;
    const Control* c = Control::fromWidget(w);
    if (c->pressable())
        return QAccessible::PushButton;
    if (qobject_cast<const QLineEdit*>(w) ||
        (qobject_cast<const QAbstractScrollArea*>(w) && !w->inherits("QAbstractItemView")))
        return QAccessible::EditableText;
    if (qobject_cast<const QScrollBar*>(w))
        return QAccessible::ScrollBar;
    if (qobject_cast<const QComboBox*>(w))
        return QAccessible::ComboBox;
    if (w->inherits("QGroupBox"))
        return QAccessible::NoRole; // a click on a frame is a click on the panel behind its controls
    // A blank label (an answer still to come) has nothing to say or press until it shows a text.
    if (const auto* label = qobject_cast<const QLabel*>(w);
        label && label->text().isEmpty() && label->accessibleName().isEmpty())
        return QAccessible::NoRole;
    return c->Click || c->DblClick ? QAccessible::PushButton : QAccessible::NoRole;
}

bool roleMatches(QAccessible::Role expected, QAccessibleInterface* a) {
    // Qt calls a checkable push button a button that is checkable; AT-SPI then says "toggle button".
    if (expected == QAccessible::CheckBox && a->role() == QAccessible::PushButton)
        return a->state().checkable;
    return a->role() == expected;
}

QString problemsOf(QWidget* w, QAccessible::Role expected) {
    QAccessibleInterface* a = QAccessible::queryAccessibleInterface(w);
    if (!a)
        return "no accessible interface";
    QStringList wrong;
    if (!roleMatches(expected, a))
        wrong << QString("role %1 instead of %2").arg(a->role()).arg(expected);
    if (a->text(QAccessible::Name).simplified().isEmpty())
        wrong << "no name";
    QAccessibleActionInterface* act = a->actionInterface();
    const QStringList actions = act ? act->actionNames() : QStringList();
    const bool pressable = actions.contains(QAccessibleActionInterface::pressAction()) ||
                           actions.contains(QAccessibleActionInterface::toggleAction());
    const bool needsPress = expected == QAccessible::PushButton || expected == QAccessible::CheckBox ||
                            expected == QAccessible::RadioButton;
    if (needsPress && !pressable && w->isEnabled()) // Qt offers no action on a greyed-out button
        wrong << "no press or toggle action";
    if (expected == QAccessible::ScrollBar && !a->valueInterface())
        wrong << "no value";
    return wrong.join(", ");
}

class AccessibilityTest : public ClassroomFixture {};

TEST_F(AccessibilityTest, EveryOperableControlHasItsRoleANameAndAnAction) {
    // The ABCs board keeps the parent's password in a box no one ever sees, and the password
    // form mirrors what is typed into one under a cover: neither is a control anyone operates.
    const std::vector<const Control*> neverShown{&room().form1().pwText, &room().form10().Text3};
    QStringList faults;
    int operable = 0;
    for (auto& [board, form] : everyBoard(room())) {
        for (QWidget* w : form->findChildren<QWidget*>()) {
            const Control* c = Control::fromWidget(w);
            if (!c || std::find(neverShown.begin(), neverShown.end(), c) != neverShown.end())
                continue;
            const QAccessible::Role expected = expectedRole(w);
            QAccessibleInterface* a = QAccessible::queryAccessibleInterface(w);
            if (expected == QAccessible::NoRole) {
                if (a && a->role() == QAccessible::PushButton)
                    faults << board + ": \"" + a->text(QAccessible::Name) + "\" answers no click yet is a button";
                continue;
            }
            ++operable;
            const QString wrong = problemsOf(w, expected);
            if (!wrong.isEmpty())
                faults << board + ": \"" + (a ? a->text(QAccessible::Name) : QString()) + "\" " +
                              w->metaObject()->className() + ": " + wrong;
        }
    }
    EXPECT_GT(operable, 200);
    EXPECT_TRUE(faults.isEmpty()) << faults.size() << " faults:\n" << faults.join("\n").toStdString();
}

// The Letter Board's five text-screen choices each say which colours they give.
TEST_F(AccessibilityTest, ControlsOfOneKindAreToldApart) {
    for (auto& [board, form] : everyBoard(room())) {
        QStringList names;
        for (QWidget* w : form->findChildren<QWidget*>()) {
            if (!qobject_cast<QRadioButton*>(w) && !qobject_cast<QCheckBox*>(w))
                continue;
            const QString name = QAccessible::queryAccessibleInterface(w)->text(QAccessible::Name).simplified();
            EXPECT_FALSE(names.contains(name)) << board.toStdString() << ": two choices named " << name.toStdString();
            names << name;
        }
    }
}

const QString press = QAccessibleActionInterface::pressAction();

void pressThroughAccessibility(Control& control) {
    QAccessibleInterface* a = QAccessible::queryAccessibleInterface(control.widget());
    ASSERT_TRUE(a && a->actionInterface());
    a->actionInterface()->doAction(press);
}

TEST_F(AccessibilityTest, PressingALetterKeyIsAClickOnIt) {
    Form1& abc = room().form1();
    abc.show();
    const int before = abc.MMControl13.playsStarted();
    pressThroughAccessibility(abc.M);
    EXPECT_TRUE(waitFor([&] { return abc.Label1.caption() == "M m "; }, 2000)) << abc.Label1.caption().toStdString();
    EXPECT_EQ(abc.MMControl13.playsStarted(), before + 1);
}

// A press goes the way of a click: a disabled or hidden control ignores it as it ignores the mouse.
TEST_F(AccessibilityTest, PressingAControlTheChildCannotReachDoesNothing) {
    Form1& abc = room().form1();
    abc.show();
    abc.M.setEnabled(false);
    pressThroughAccessibility(abc.M);
    pressThroughAccessibility(abc.Goodbye); // hidden at start: pressing it must not say goodbye
    processEventsFor(300);
    EXPECT_NE(abc.Label1.caption(), "M m ");
    EXPECT_NE(abc.Label1.caption(), "Good Bye");
}

} // namespace
