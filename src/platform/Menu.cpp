#include "platform/Menu.h"

#include "platform/Form.h"

#include <QMenuBar>

namespace platform {
namespace {
QString shown(QString caption) {
    return caption.replace('&', QStringLiteral("&&"));
}
} // namespace

Menu::Menu(Form* board, const QString& caption) : menu_(new QMenu(shown(caption), board)) {
    action_ = board->menuBar()->addMenu(menu_);
    QObject::connect(menu_, &QMenu::aboutToShow, menu_, [this] { Opened(); });
}

Menu::Menu(Menu* parent, const QString& caption) : parent_(parent) {
    QMenu* host = parent->submenu();
    if (caption == "-") {
        action_ = host->addSeparator();
        return;
    }
    action_ = host->addAction(shown(caption));
    QObject::connect(action_, &QAction::triggered, action_, [this] { Click(); });
}

Menu::~Menu() {
    if (menu_ && !parent_)
        delete menu_;
    else if (action_ && parent_)
        delete action_;
}

QString Menu::caption() const {
    return QString(action_->text()).replace(QStringLiteral("&&"), QStringLiteral("&"));
}

void Menu::setCaption(const QString& caption) {
    action_->setText(shown(caption));
}

QMenu* Menu::submenu() {
    if (!menu_) {
        // An item that gains items of its own becomes a submenu.
        menu_ = new QMenu(action_->text(), qobject_cast<QWidget*>(action_->parent()));
        action_->setMenu(menu_);
        QObject::connect(menu_, &QMenu::aboutToShow, menu_, [this] { Opened(); });
    }
    return menu_;
}

void Menu::setChecked(bool checked) {
    action_->setCheckable(true);
    action_->setChecked(checked);
}

bool Menu::reachable() const {
    for (const Menu* m = this; m; m = m->parent_)
        if (!m->action_->isEnabled() || !m->action_->isVisible())
            return false;
    return true;
}

void Menu::click() {
    if (!reachable())
        return;
    if (menu_) {
        open();
        return;
    }
    action_->trigger();
}

void Menu::open() {
    if (!reachable() || !menu_)
        return;
    Q_EMIT menu_->aboutToShow();
}

} // namespace platform
