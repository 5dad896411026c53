#include "platform/KeyboardAccess.h"

#include "platform/Form.h"

#include <QApplication>
#include <QKeyEvent>
#include <QMenu>
#include <QMenuBar>

namespace platform {
namespace {

// Walking up the parents finds the board of a control, of its menus and of their popups alike.
Form* boardOf(QWidget* widget) {
    for (QWidget* w = widget; w; w = w->parentWidget())
        if (auto* board = dynamic_cast<Form*>(w))
            return board;
    return nullptr;
}

bool takesTabFocus(QWidget* w, Form* board) {
    return (w->focusPolicy() & Qt::TabFocus) && w->isEnabled() && w->isVisibleTo(board) && boardOf(w) == board;
}

// Qt's focus chain is the order the controls were built in, the design order of the board.
void moveFocus(QWidget* from, Form* board, bool forward) {
    QWidget* w = from;
    do {
        w = forward ? w->nextInFocusChain() : w->previousInFocusChain();
        if (takesTabFocus(w, board)) {
            w->setFocus(forward ? Qt::TabFocusReason : Qt::BacktabFocusReason);
            return;
        }
    } while (w && w != from);
}

// The first menu that has something to choose opens; the arrow keys then go from menu to menu.
void toggleMenuBar(Form* board) {
    if (QApplication::activePopupWidget()) {
        while (QWidget* popup = QApplication::activePopupWidget())
            popup->close();
        return;
    }
    auto* bar = qobject_cast<QMenuBar*>(board->menuWidget());
    if (!bar || !bar->isVisible())
        return;
    for (QAction* menu : bar->actions()) {
        if (menu->isVisible() && menu->isEnabled() && menu->menu() && !menu->menu()->isEmpty()) {
            bar->setActiveAction(menu);
            return;
        }
    }
}

bool typesACharacter(const QKeyEvent* key) {
    return !key->text().isEmpty() && key->text().at(0).isPrint() && !key->text().at(0).isSpace() &&
           !(key->modifiers() & (Qt::ControlModifier | Qt::AltModifier));
}

} // namespace

bool KeyboardAccess::eventFilter(QObject* watched, QEvent* event) {
    const QEvent::Type type = event->type();
    if (type == QEvent::MouseButtonPress)
        altAlone_ = false;
    if (type != QEvent::KeyPress && type != QEvent::KeyRelease)
        return false;
    auto* receiver = qobject_cast<QWidget*>(watched);
    auto* key = static_cast<QKeyEvent*>(event);
    if (!receiver)
        return false;
    if (type == QEvent::KeyPress)
        return keyPress(receiver, key);
    // A key travels on to the parents of a control that ignores it: only its first stop counts.
    if (key->key() == Qt::Key_Alt && altAlone_) {
        altAlone_ = false;
        if (Form* board = boardOf(receiver))
            toggleMenuBar(board);
    }
    return false;
}

bool KeyboardAccess::keyPress(QWidget* receiver, QKeyEvent* key) {
    if (key->key() == Qt::Key_Alt) {
        // Qt reports the Alt key's own press with or without its modifier: only other modifiers count.
        altAlone_ = altAlone_ || (key->modifiers() & ~Qt::AltModifier) == Qt::NoModifier;
        return false;
    }
    if (!key->isAutoRepeat())
        altAlone_ = false;
    Form* board = boardOf(receiver);
    if (!board)
        return false;
    const Qt::KeyboardModifiers mods = key->modifiers() & ~(Qt::ShiftModifier | Qt::KeypadModifier);
    if (key->key() == Qt::Key_F10 && mods == Qt::NoModifier) {
        toggleMenuBar(board);
        return true;
    }
    if (QApplication::activePopupWidget())
        return false; // an open menu keeps its own keys
    if ((key->key() == Qt::Key_Tab || key->key() == Qt::Key_Backtab) && mods == Qt::NoModifier) {
        const bool back = key->key() == Qt::Key_Backtab || (key->modifiers() & Qt::ShiftModifier);
        moveFocus(receiver, board, !back);
        return true;
    }
    // The board's key handler moved the focus while the key was on its way (the ABCs board keeps
    // every typed key for its typing box): the character goes where the focus now is. A key that
    // merely travels on to a parent of the focus is not moved.
    QWidget* focus = board->focusedWidget();
    if (typesACharacter(key) && focus && focus != receiver && !receiver->isAncestorOf(focus) &&
        boardOf(focus) == board) {
        QKeyEvent moved(QEvent::KeyPress, key->key(), key->modifiers(), key->text(), key->isAutoRepeat(), key->count());
        QApplication::sendEvent(focus, &moved);
        return true;
    }
    return false;
}

} // namespace platform
