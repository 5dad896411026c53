#pragma once
// Turns Qt's input events on one widget into the board events: click on release over the
// control, double-click, mouse down/move/up in twips, key down/up with key codes, focus, drag.
#include <QObject>
#include <QPoint>

class QKeyEvent;
class QMouseEvent;

namespace platform {

class Control;
struct InputEvents;

int keyCodeOf(const QKeyEvent* event);
int shiftStateOf(Qt::KeyboardModifiers modifiers);
int buttonOf(Qt::MouseButton button);
int buttonsOf(Qt::MouseButtons buttons);

class EventBridge : public QObject {
    Q_OBJECT
public:
    // control may be null (a board's own surface). clickOnRelease is off for widgets that report
    // their own clicks (buttons, check boxes).
    EventBridge(QWidget* widget, InputEvents& events, Control* control, bool clickOnRelease, bool handlesKeys = true);
    // The end of an automatic drag over a known target, shared by real releases and tests.
    void finishDrag(QWidget* target, QPoint globalPos);
    // Mouse events on a child that covers the control (a text area's viewport) are the control's
    // too: reported as if they happened on the control, then left to the child.
    void reportMouseFrom(QWidget* surface);
    // The second press of a double-click is a press too (a drawing surface starts a stroke with it).
    void setDoubleClickPresses(bool presses) { doubleClickPresses_ = presses; }

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    bool mouse(QMouseEvent* event, QPoint p);
    void startDrag();
    QWidget* widget_;
    QWidget* surface_ = nullptr;
    InputEvents& events_;
    Control* control_;
    bool clickOnRelease_;
    bool handlesKeys_;
    bool pressedInside_ = false;
    bool dragging_ = false;
    bool doubleClickPresses_ = false;
};

} // namespace platform
