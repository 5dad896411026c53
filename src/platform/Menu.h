#pragma once
// A menu: a top-level menu on a board's menu bar (which reports when it is being opened), or an
// item (which reports its click), or an item with items of its own. A caption of "-" is a separator.
#include "platform/Event.h"

#include <QAction>
#include <QMenu>
#include <QPointer>

namespace platform {

class Form;

class Menu {
public:
    Menu(Form* board, const QString& caption);
    Menu(Menu* parent, const QString& caption);
    Menu(const Menu&) = delete;
    Menu& operator=(const Menu&) = delete;
    ~Menu();

    // Captions are shown exactly as given: an "&" is a character, never a keyboard mnemonic.
    QString caption() const;
    void setCaption(const QString& caption);
    bool enabled() const { return action_->isEnabled(); }
    void setEnabled(bool enabled) { action_->setEnabled(enabled); }
    bool visible() const { return action_->isVisible(); }
    void setVisible(bool visible) { action_->setVisible(visible); }
    bool checked() const { return action_->isChecked(); }
    void setChecked(bool checked);

    // A child choosing the item: nothing happens when it (or a menu above it) is hidden or disabled.
    void click();
    // A child opening the menu: its Opened event runs before its items are shown.
    void open();
    bool reachable() const;

    Event<> Click;
    Event<> Opened;

private:
    QMenu* submenu();
    QPointer<QAction> action_;
    QPointer<QMenu> menu_;
    Menu* parent_ = nullptr;
};

} // namespace platform
