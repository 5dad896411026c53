#include "platform/UserInput.h"

#include <QApplication>
#include <QKeyEvent>
#include <QMouseEvent>
#include <QPointer>
#include <QWidget>

namespace platform::input {
namespace {

Qt::MouseButton qtButton(int button) {
    switch (button) {
    case 2: return Qt::RightButton;
    case 4: return Qt::MiddleButton;
    default: return Qt::LeftButton;
    }
}

Qt::MouseButtons qtButtons(int buttons) {
    Qt::MouseButtons b;
    if (buttons & 1)
        b |= Qt::LeftButton;
    if (buttons & 2)
        b |= Qt::RightButton;
    if (buttons & 4)
        b |= Qt::MiddleButton;
    return b;
}

void sendMouse(QWidget* widget, QEvent::Type type, QPoint pos, Qt::MouseButton button, Qt::MouseButtons buttons) {
    QPointer<QWidget> guard(widget);
    const QPointF local(pos);
    const QPointF global(widget->mapToGlobal(pos));
    QMouseEvent event(type, local, global, button, buttons, Qt::NoModifier);
    QApplication::sendEvent(widget, &event);
}

} // namespace

void press(QWidget* widget, QPoint pos, int button) {
    sendMouse(widget, QEvent::MouseButtonPress, pos, qtButton(button), qtButton(button));
}

void release(QWidget* widget, QPoint pos, int button) {
    sendMouse(widget, QEvent::MouseButtonRelease, pos, qtButton(button), Qt::NoButton);
}

void move(QWidget* widget, QPoint pos, int buttons) {
    sendMouse(widget, QEvent::MouseMove, pos, Qt::NoButton, qtButtons(buttons));
}

void click(QWidget* widget, QPoint pos) {
    QPointer<QWidget> guard(widget);
    press(widget, pos, 1);
    if (guard) // a handler may have hidden or replaced what was clicked
        release(widget, pos, 1);
}

void doubleClick(QWidget* widget, QPoint pos) {
    QPointer<QWidget> guard(widget);
    click(widget, pos);
    if (guard)
        sendMouse(widget, QEvent::MouseButtonDblClick, pos, Qt::LeftButton, Qt::LeftButton);
    if (guard)
        release(widget, pos, 1);
}

void key(QWidget* widget, int qtKey, const QString& text, Qt::KeyboardModifiers modifiers) {
    QPointer<QWidget> guard(widget);
    QKeyEvent down(QEvent::KeyPress, qtKey, modifiers, text);
    QApplication::sendEvent(widget, &down);
    if (!guard)
        return;
    QKeyEvent up(QEvent::KeyRelease, qtKey, modifiers, text);
    QApplication::sendEvent(widget, &up);
}

void type(QWidget* widget, const QString& text) {
    for (const QChar ch : text) {
        int qtKey = ch.toUpper().unicode();
        Qt::KeyboardModifiers mods = Qt::NoModifier;
        if (ch.isLetter() && ch.isUpper())
            mods = Qt::ShiftModifier;
        if (ch == ' ')
            qtKey = Qt::Key_Space;
        key(widget, qtKey, QString(ch), mods);
    }
}

} // namespace platform::input
