#pragma once
// A parent's keyboard on every board: Tab and Shift+Tab walk the board's controls in the order they
// were built, F10 or Alt pressed and released alone opens the board's menu bar (and closes an open
// menu), and a typed character follows the focus when the board's own key handler moved it.
// One filter for the whole application, installed before the boards so their key handling runs first.
#include <QObject>

class QKeyEvent;
class QWidget;

namespace platform {

class KeyboardAccess : public QObject {
public:
    explicit KeyboardAccess(QObject* parent) : QObject(parent) {}

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    bool keyPress(QWidget* receiver, QKeyEvent* key);
    bool altAlone_ = false;
};

} // namespace platform
