#pragma once
// Real Qt input events sent to a widget, so tests drive the boards exactly as a child's mouse and
// keyboard do (event filters, disabled widgets and key preview all take part).
#include <QPoint>
#include <QString>

class QWidget;

namespace platform::input {

void press(QWidget* widget, QPoint pos, int button);
void release(QWidget* widget, QPoint pos, int button);
void move(QWidget* widget, QPoint pos, int buttons);
void click(QWidget* widget, QPoint pos);
void doubleClick(QWidget* widget, QPoint pos);
// One key press and release; text is what the key types ("b", "!"), empty for keys that type nothing.
void key(QWidget* widget, int qtKey, const QString& text = {}, Qt::KeyboardModifiers modifiers = Qt::NoModifier);
// Types every character of text as its own key press and release.
void type(QWidget* widget, const QString& text);

} // namespace platform::input
