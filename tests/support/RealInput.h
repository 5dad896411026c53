#pragma once
// The mouse and the keyboard as the hardware delivers them: each event goes to the classroom's window
// with a timestamp, and Qt does the rest as for a real device (finds the widget under the pointer or
// with the focus, makes a double-click of two quick presses). Positions are in the given widget's
// pixels; `afterMs` is the time since the previous event.
#include <QPoint>
#include <QString>
#include <Qt>

class QWidget;

namespace realinput {

void press(QWidget* widget, QPoint at, int afterMs = 1000);
void move(QWidget* widget, QPoint at, Qt::MouseButtons held, int afterMs = 20);
void release(QWidget* widget, QPoint at, int afterMs = 50);
// A press and release at the widget's centre.
void click(QWidget* widget, int afterMs = 1000);
// A key press and release, sent where the keyboard focus is.
void key(QWidget* anyWidgetOfTheWindow, int qtKey, const QString& text = {}, int afterMs = 200);

} // namespace realinput
