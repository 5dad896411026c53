#include "RealInput.h"

#include <QCoreApplication>
#include <QWidget>
#include <QWindow>
#include <QtTest/qtestkeyboard.h>
#include <QtTest/qtestmouse.h>

namespace realinput {
namespace {
// One clock for every event, as a device's timestamps are: Qt tells a double-click by them.
ulong clock = 1'000'000;
Qt::MouseButtons buttonsHeld;

void mouse(QWidget* widget, QPoint at, QEvent::Type type, Qt::MouseButton button, int afterMs) {
    clock += ulong(afterMs);
    QWidget* top = widget->window();
    const QPoint local = widget->mapTo(top, at);
    qt_handleMouseEvent(top->windowHandle(), local, top->mapToGlobal(local), buttonsHeld, button, type,
                        Qt::NoModifier, int(clock));
    QCoreApplication::processEvents();
}
} // namespace

void press(QWidget* widget, QPoint at, int afterMs) {
    buttonsHeld |= Qt::LeftButton;
    mouse(widget, at, QEvent::MouseButtonPress, Qt::LeftButton, afterMs);
}

void move(QWidget* widget, QPoint at, Qt::MouseButtons held, int afterMs) {
    buttonsHeld = held;
    mouse(widget, at, QEvent::MouseMove, Qt::NoButton, afterMs);
}

void release(QWidget* widget, QPoint at, int afterMs) {
    buttonsHeld &= ~Qt::LeftButton;
    mouse(widget, at, QEvent::MouseButtonRelease, Qt::LeftButton, afterMs);
}

void click(QWidget* widget, int afterMs) {
    const QPoint centre = widget->rect().center();
    press(widget, centre, afterMs);
    release(widget, centre, 50);
}

void key(QWidget* anyWidgetOfTheWindow, int qtKey, const QString& text, int afterMs) {
    clock += ulong(afterMs);
    QWindow* window = anyWidgetOfTheWindow->window()->windowHandle();
    qt_handleKeyEvent(window, QEvent::KeyPress, qtKey, Qt::NoModifier, text);
    qt_handleKeyEvent(window, QEvent::KeyRelease, qtKey, Qt::NoModifier, text);
    QCoreApplication::processEvents();
}

} // namespace realinput
