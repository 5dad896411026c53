#include "platform/Control.h"

#include "platform/EventBridge.h"
#include "platform/Form.h"
#include "platform/Screen.h"
#include "platform/UserInput.h"

#include <QAbstractButton>
#include <QAccessible>
#include <QApplication>
#include <QCheckBox>
#include <QRadioButton>
#include <QVariant>
#include <algorithm>

namespace platform {
namespace {
const char* const controlProperty = "pipkinControl";

bool hasIndicator(const QWidget* widget) {
    return qobject_cast<const QCheckBox*>(widget) != nullptr || qobject_cast<const QRadioButton*>(widget) != nullptr;
}

} // namespace

void Container::forget(Control* control) { std::erase(children_, control); }

void Container::relayoutChildren() {
    for (Control* c : children_)
        c->relayout();
}

Control::Control(Container& parent, QWidget* widget, const TwipsRect& rect)
    : parent_(parent), widget_(widget), rect_(rect) {
    widget_->setProperty(controlProperty, QVariant::fromValue(quintptr(this)));
    // Buttons and check boxes report their own clicks, so that the keyboard can press them too.
    const bool reportsOwnClicks = qobject_cast<QAbstractButton*>(widget) != nullptr;
    bridge_ = new EventBridge(widget, *this, this, !reportsOwnClicks);
    // A click on a control belongs to the control alone, never also to the board behind it.
    widget_->setAttribute(Qt::WA_NoMousePropagation);
    parent_.adopt(this);
    relayout();
    applyAppearance();
    widget_->setVisible(true);
}

Control::~Control() {
    parent_.forget(this);
    widget_->setProperty(controlProperty, QVariant());
}

Control* Control::fromWidget(const QWidget* widget) {
    if (!widget)
        return nullptr;
    const QVariant v = widget->property(controlProperty);
    return v.isValid() ? reinterpret_cast<Control*>(v.value<quintptr>()) : nullptr;
}

void Control::setLeft(int twips) { move({twips, rect_.top, rect_.width, rect_.height}); }
void Control::setTop(int twips) { move({rect_.left, twips, rect_.width, rect_.height}); }
void Control::setWidth(int twips) { move({rect_.left, rect_.top, std::max(0, twips), rect_.height}); }
void Control::setHeight(int twips) { move({rect_.left, rect_.top, rect_.width, std::max(0, twips)}); }
void Control::move(int left, int top) { move({left, top, rect_.width, rect_.height}); }

void Control::move(const TwipsRect& rect) {
    rect_ = rect;
    relayout();
}

void Control::relayout() {
    widget_->setGeometry(Screen::toPixels(rect_.left), Screen::toPixels(rect_.top), Screen::toPixels(rect_.width),
                         Screen::toPixels(rect_.height));
    widget_->setFont(scaledFont());
}

void Control::takeSizeFromWidget() {
    rect_.width = Screen::toTwips(widget_->width());
    rect_.height = Screen::toTwips(widget_->height());
}

void Control::reportMouseFrom(QWidget* surface) { bridge_->reportMouseFrom(surface); }

void Control::setVisible(bool visible) {
    visible_ = visible;
    widget_->setVisible(visible);
}

// Leaving the tab order does not stop code from giving a control the focus.
void Control::setTabStop(bool stop) { widget_->setFocusPolicy(stop ? Qt::StrongFocus : Qt::ClickFocus); }

void Control::setBackColor(OleColor color) {
    back_ = color;
    backSet_ = true;
    applyAppearance();
}

void Control::setForeColor(OleColor color) {
    fore_ = color;
    applyAppearance();
}

void Control::setFont(const FontSpec& font) {
    font_ = font;
    widget_->setFont(scaledFont());
}

void Control::setFontName(const QString& name) {
    font_.name = name;
    widget_->setFont(scaledFont());
}

void Control::setFontSize(double points) {
    if (points <= 0)
        return;
    font_.size = points;
    widget_->setFont(scaledFont());
}

void Control::setFontBold(bool bold) {
    font_.bold = bold;
    widget_->setFont(scaledFont());
}

void Control::setFontItalic(bool italic) {
    font_.italic = italic;
    widget_->setFont(scaledFont());
}

QFont Control::scaledFont() const {
    QFont f(font_.name);
    f.setPixelSize(Screen::fontPixels(font_.size));
    f.setBold(font_.bold);
    f.setItalic(font_.italic);
    return f;
}

void Control::applyAppearance() {
    QPalette pal = widget_->palette();
    const QColor fore = toQColor(fore_);
    // The text colour is the control's while it can be used; a disabled control keeps the toolkit's
    // greyed text, so a child and a parent can see which keys do nothing.
    for (const QPalette::ColorGroup group : {QPalette::Active, QPalette::Inactive}) {
        pal.setColor(group, QPalette::WindowText, fore);
        pal.setColor(group, QPalette::ButtonText, fore);
        pal.setColor(group, QPalette::Text, fore);
    }
    if (backSet_) {
        const QColor back = toQColor(back_);
        pal.setColor(QPalette::Window, back);
        pal.setColor(QPalette::Button, back);
        pal.setColor(QPalette::Base, back);
        widget_->setAutoFillBackground(true);
    }
    if (hasIndicator(widget_.get())) {
        // The box itself stays white with a black tick, whatever colour the board paints around it.
        pal.setColor(QPalette::Base, Qt::white);
        pal.setColor(QPalette::Text, Qt::black);
    }
    widget_->setPalette(pal);
}

void Control::setMousePointer(int pointer) {
    pointer_ = pointer;
    if (pointer == pointerCustom && customCursor_.shape() == Qt::BitmapCursor)
        widget_->setCursor(customCursor_);
    else
        widget_->unsetCursor();
}

void Control::setMouseIcon(const QCursor& cursor) {
    customCursor_ = cursor;
    setMousePointer(pointer_);
}

namespace {
const char* const pressableProperty = "pipkinPressable";
} // namespace

// Qt may already have described the control (setting its text does); that description is let go, so
// the next question gets the new one.
void Control::setPressable(bool pressable) {
    widget_->setProperty(pressableProperty, pressable);
    if (QAccessibleInterface* described = QAccessible::queryAccessibleInterface(widget_.get()))
        QAccessible::deleteAccessibleInterface(QAccessible::uniqueId(described));
}

bool Control::pressable() const { return widget_->property(pressableProperty).toBool(); }

void Control::setFocus() { widget_->setFocus(Qt::OtherFocusReason); }

bool Control::hasFocus() const {
    const Form& f = parent_.form();
    return f.focusedWidget() == widget_.get();
}

bool Control::userCanReach() const { return visible_ && widget_->isVisibleTo(&parent_.form()) && widget_->isEnabled(); }

void Control::click() {
    if (userCanReach())
        input::click(widget_.get(), widget_->rect().center());
}

void Control::dblClick() {
    if (userCanReach())
        input::doubleClick(widget_.get(), widget_->rect().center());
}

void Control::mouseDown(int x, int y, int button) {
    input::press(widget_.get(), {Screen::toPixels(x), Screen::toPixels(y)}, button);
}

void Control::mouseMove(int x, int y, int button) {
    input::move(widget_.get(), {Screen::toPixels(x), Screen::toPixels(y)}, button);
}

void Control::mouseUp(int x, int y, int button) {
    input::release(widget_.get(), {Screen::toPixels(x), Screen::toPixels(y)}, button);
}

void Control::keyDown(int qtKey, const QString& text) { input::key(widget_.get(), qtKey, text); }

void Control::dragTo(Control& target) {
    if (!userCanReach())
        return;
    input::press(widget_.get(), widget_->rect().center(), buttonLeft);
    const QPoint global = target.widget()->mapToGlobal(target.widget()->rect().center());
    bridge_->finishDrag(target.widget(), global);
}

} // namespace platform
