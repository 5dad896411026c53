#pragma once
// What assistive technology (AT-SPI on Linux) sees of a control the classroom draws itself: a label,
// a picture or a panel. One that answers a click is a push button whose press action clicks it, so
// a switch-access device or a screen reader can use it like a mouse; the others stay text or pictures.
#include <QAccessibleWidget>

namespace platform {

class Control;

class AccessibleControl : public QAccessibleWidget {
public:
    explicit AccessibleControl(QWidget* widget);

    QAccessible::Role role() const override;
    QString text(QAccessible::Text kind) const override;
    QStringList actionNames() const override;
    void doAction(const QString& name) override;
    QStringList keyBindingsForAction(const QString&) const override { return {}; }

private:
    bool answersClicks() const;
};

// Qt's own buttons, boxes and bars keep Qt's interfaces; the drawn controls get an AccessibleControl.
QAccessibleInterface* accessibleControlFactory(const QString& className, QObject* object);

} // namespace platform
