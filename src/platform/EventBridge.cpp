#include "platform/EventBridge.h"

#include "platform/Control.h"
#include "platform/Form.h"
#include "platform/Screen.h"

#include <QApplication>
#include <QKeyEvent>
#include <QMouseEvent>

namespace platform {

int keyCodeOf(const QKeyEvent* event) {
    const int key = event->key();
    if ((key >= Qt::Key_A && key <= Qt::Key_Z) || (key >= Qt::Key_0 && key <= Qt::Key_9))
        return key;
    if (key >= Qt::Key_F1 && key <= Qt::Key_F24)
        return 112 + (key - Qt::Key_F1);
    switch (key) {
    case Qt::Key_Backspace: return 8;
    case Qt::Key_Tab: case Qt::Key_Backtab: return 9;
    case Qt::Key_Return: case Qt::Key_Enter: return 13;
    case Qt::Key_Shift: return 16;
    case Qt::Key_Control: return 17;
    case Qt::Key_Alt: return 18;
    case Qt::Key_Escape: return 27;
    case Qt::Key_Space: return 32;
    case Qt::Key_PageUp: return 33;
    case Qt::Key_PageDown: return 34;
    case Qt::Key_End: return 35;
    case Qt::Key_Home: return 36;
    case Qt::Key_Left: return 37;
    case Qt::Key_Up: return 38;
    case Qt::Key_Right: return 39;
    case Qt::Key_Down: return 40;
    case Qt::Key_Insert: return 45;
    case Qt::Key_Delete: return 46;
    case Qt::Key_Meta: case Qt::Key_Super_L: return 91;
    case Qt::Key_Super_R: return 92;
    case Qt::Key_Menu: return 93;
    default: return key & 0xFF;
    }
}

int shiftStateOf(Qt::KeyboardModifiers modifiers) {
    return (modifiers & Qt::ShiftModifier ? 1 : 0) | (modifiers & Qt::ControlModifier ? 2 : 0) |
           (modifiers & Qt::AltModifier ? 4 : 0);
}

int buttonOf(Qt::MouseButton button) {
    switch (button) {
    case Qt::LeftButton: return buttonLeft;
    case Qt::RightButton: return buttonRight;
    case Qt::MiddleButton: return buttonMiddle;
    default: return 0;
    }
}

int buttonsOf(Qt::MouseButtons buttons) {
    return (buttons & Qt::LeftButton ? buttonLeft : 0) | (buttons & Qt::RightButton ? buttonRight : 0) |
           (buttons & Qt::MiddleButton ? buttonMiddle : 0);
}

EventBridge::EventBridge(QWidget* widget, InputEvents& events, Control* control, bool clickOnRelease,
                         bool handlesKeys)
    : QObject(widget), widget_(widget), events_(events), control_(control), clickOnRelease_(clickOnRelease),
      handlesKeys_(handlesKeys) {
    widget->installEventFilter(this);
    widget->setMouseTracking(true);
}

void EventBridge::reportMouseFrom(QWidget* surface) {
    surface_ = surface;
    surface->installEventFilter(this);
    surface->setMouseTracking(true);
    // What the surface leaves unhandled would travel on to the control and be reported twice.
    surface->setAttribute(Qt::WA_NoMousePropagation);
}

namespace {
bool isMouse(const QEvent* event) {
    return event->type() == QEvent::MouseButtonPress || event->type() == QEvent::MouseButtonRelease ||
           event->type() == QEvent::MouseButtonDblClick || event->type() == QEvent::MouseMove;
}
} // namespace

bool EventBridge::eventFilter(QObject* watched, QEvent* event) {
    if (watched != widget_ && !(surface_ && watched == surface_ && isMouse(event)))
        return false;
    // A disabled control hears nothing; Qt only drops the event after the filters ran.
    const bool input = isMouse(event) || event->type() == QEvent::KeyPress || event->type() == QEvent::KeyRelease;
    if (input && !widget_->isEnabled())
        return false;
    switch (event->type()) {
    case QEvent::MouseButtonPress:
    case QEvent::MouseButtonRelease:
    case QEvent::MouseButtonDblClick:
    case QEvent::MouseMove: {
        auto* mouseEvent = static_cast<QMouseEvent*>(event);
        const QPoint p = mouseEvent->position().toPoint();
        return mouse(mouseEvent, watched == widget_ ? p : surface_->mapTo(widget_, p));
    }
    case QEvent::KeyPress:
    case QEvent::KeyRelease: {
        if (!handlesKeys_)
            return false;
        auto* key = static_cast<QKeyEvent*>(event);
        int code = keyCodeOf(key);
        const int shift = shiftStateOf(key->modifiers());
        if (event->type() == QEvent::KeyPress)
            events_.KeyDown(code, shift);
        else
            events_.KeyUp(code, shift);
        return code == 0;
    }
    case QEvent::FocusIn:
        events_.GotFocus();
        return false;
    default:
        return false;
    }
}

// p is the event's position on the control itself.
bool EventBridge::mouse(QMouseEvent* event, QPoint p) {
    const int x = Screen::toTwips(p.x());
    const int y = Screen::toTwips(p.y());
    const int shift = shiftStateOf(event->modifiers());
    switch (event->type()) {
    case QEvent::MouseButtonPress:
        if (control_ && control_->dragMode() == 1 && event->button() == Qt::LeftButton) {
            startDrag();
            return true;
        }
        pressedInside_ = true;
        events_.MouseDown(buttonOf(event->button()), shift, x, y);
        return false;
    case QEvent::MouseButtonRelease: {
        if (dragging_) {
            const QPoint global = event->globalPosition().toPoint();
            finishDrag(QApplication::widgetAt(global), global);
            return true;
        }
        const bool wasPressed = pressedInside_;
        pressedInside_ = false;
        events_.MouseUp(buttonOf(event->button()), shift, x, y);
        if (clickOnRelease_ && wasPressed && widget_->rect().contains(p) && event->button() == Qt::LeftButton)
            events_.Click();
        return false;
    }
    case QEvent::MouseButtonDblClick:
        if (dragging_)
            return true;
        // The release after a double-click ends it; it is not a second click.
        pressedInside_ = false;
        if (doubleClickPresses_)
            events_.MouseDown(buttonOf(event->button()), shift, x, y);
        if (clickOnRelease_)
            events_.DblClick();
        return false;
    default:
        if (!dragging_)
            events_.MouseMove(buttonsOf(event->buttons()), shift, x, y);
        return false;
    }
}

void EventBridge::startDrag() {
    dragging_ = true;
    widget_->grabMouse();
    const QPixmap icon = control_->dragIcon();
    QGuiApplication::setOverrideCursor(icon.isNull() ? QCursor(Qt::DragMoveCursor) : QCursor(icon, 0, 0));
}

void EventBridge::finishDrag(QWidget* target, QPoint globalPos) {
    if (!dragging_)
        return;
    dragging_ = false;
    widget_->releaseMouse();
    QGuiApplication::restoreOverrideCursor();
    for (QWidget* w = target; w; w = w->parentWidget()) {
        const QPoint local = w->mapFromGlobal(globalPos);
        const int x = Screen::toTwips(local.x());
        const int y = Screen::toTwips(local.y());
        if (Control* c = Control::fromWidget(w)) {
            c->DragDrop(control_, x, y);
            return;
        }
        if (Form* f = Form::fromClient(w)) {
            f->DragDrop(control_, x, y);
            return;
        }
    }
}

} // namespace platform
