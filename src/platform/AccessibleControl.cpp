#include "platform/AccessibleControl.h"

#include "platform/Control.h"

#include <QAbstractButton>
#include <QAbstractScrollArea>
#include <QAbstractSlider>
#include <QComboBox>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPointer>
#include <QTimer>

namespace platform {

AccessibleControl::AccessibleControl(QWidget* widget) : QAccessibleWidget(widget) {}

// Read on every query: a board connects its handlers after it has built its controls, and a blank
// label (an answer still to come) shows nothing to press until it has a text.
bool AccessibleControl::answersClicks() const {
    const Control* control = Control::fromWidget(widget());
    if (!control || !(control->Click || control->DblClick))
        return false;
    const auto* label = qobject_cast<const QLabel*>(widget());
    return !label || !label->text().isEmpty() || !widget()->accessibleName().isEmpty();
}

QAccessible::Role AccessibleControl::role() const {
    if (answersClicks())
        return QAccessible::PushButton;
    if (qobject_cast<const QLabel*>(widget()))
        return QAccessible::StaticText;
    return QAccessibleWidget::role();
}

QString AccessibleControl::text(QAccessible::Text kind) const {
    QString said = QAccessibleWidget::text(kind);
    if (kind == QAccessible::Name && said.isEmpty())
        if (const auto* label = qobject_cast<const QLabel*>(widget()))
            said = label->text();
    return said;
}

QStringList AccessibleControl::actionNames() const {
    QStringList names = QAccessibleWidget::actionNames();
    if (answersClicks())
        names.prepend(pressAction());
    return names;
}

// The press goes through the control's own click, as the mouse would, and after the request has been
// answered: a handler may wait (the goodbye waits two seconds) and the asking tool must not.
void AccessibleControl::doAction(const QString& name) {
    if (name != pressAction() || !answersClicks()) {
        QAccessibleWidget::doAction(name);
        return;
    }
    QTimer::singleShot(0, widget(), [target = QPointer<QWidget>(widget())] {
        Control* control = Control::fromWidget(target);
        if (!control)
            return;
        if (control->Click)
            control->click();
        else
            control->dblClick();
    });
}

QAccessibleInterface* accessibleControlFactory(const QString&, QObject* object) {
    auto* widget = qobject_cast<QWidget*>(object);
    const Control* control = Control::fromWidget(widget);
    if (!control)
        return nullptr;
    if (control->pressable())
        return new AccessibleControl(widget);
    const bool qtDescribesIt = qobject_cast<QAbstractButton*>(widget) || qobject_cast<QLineEdit*>(widget) ||
                               qobject_cast<QAbstractScrollArea*>(widget) || qobject_cast<QAbstractSlider*>(widget) ||
                               qobject_cast<QComboBox*>(widget) || qobject_cast<QGroupBox*>(widget);
    return qtDescribesIt ? nullptr : new AccessibleControl(widget);
}

} // namespace platform
