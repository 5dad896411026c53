#include "platform/Form.h"

#include "platform/EventBridge.h"
#include "platform/Screen.h"
#include "platform/Stage.h"
#include "platform/UserInput.h"

#include <QApplication>
#include <QKeyEvent>
#include <QLayout>
#include <QVariant>
#include <algorithm>

namespace platform {
namespace {
const char* const formProperty = "pipkinForm";
} // namespace

Form::Form(const QString& caption, OleColor backColor)
    : QMainWindow(&Stage::acquire(), Qt::Widget), client_(new QWidget(this)),
      bridge_(new EventBridge(client_, *this, nullptr, true, false)), back_(backColor),
      layoutGeneration_(Screen::generation()) {
    // A main window always makes itself a window of its own: a board is a page of the classroom's.
    setWindowFlags(Qt::Widget);
    // Boards are created hidden: the window shows only the pages shown explicitly.
    QMainWindow::setVisible(false);
    setWindowTitle(caption);
    setCentralWidget(client_);
    client_->setProperty(formProperty, QVariant::fromValue(quintptr(this)));
    client_->setAutoFillBackground(true);
    client_->setFocusPolicy(Qt::ClickFocus);
    setBackColor(backColor);
    qApp->installEventFilter(this);
}

Form::~Form() {
    qApp->removeEventFilter(this);
    Deactivate.connect({}); // the board's own handlers are gone already
    // Out of the window before it may go with the last board, so the window never deletes a board.
    QMainWindow::setVisible(false);
    if (Stage* stage = Stage::instance())
        stage->pageHidden(*this);
    setParent(nullptr);
    Stage::release();
}

Form* Form::frontBoard() {
    const Stage* stage = Stage::instance();
    return stage ? stage->front() : nullptr;
}

void Form::setVisible(bool visible) {
    Stage& stage = *Stage::instance();
    if (visible) {
        QMainWindow::setVisible(true);
        stage.pageShown(*this);
    } else {
        QMainWindow::setVisible(false);
        stage.pageHidden(*this);
    }
}

Form* Form::fromClient(const QWidget* widget) {
    if (!widget)
        return nullptr;
    const QVariant v = widget->property(formProperty);
    return v.isValid() ? reinterpret_cast<Form*>(v.value<quintptr>()) : nullptr;
}

int Form::left() const { return Screen::toTwips(geometry().x()); }
int Form::top() const { return Screen::toTwips(geometry().y()); }
int Form::width() const { return Screen::toTwips(geometry().width()); }
int Form::height() const { return Screen::toTwips(geometry().height()); }
int Form::clientWidth() const { return Screen::toTwips(client_->width()); }
int Form::clientHeight() const { return Screen::toTwips(client_->height()); }

void Form::setLeft(int twips) {
    QRect g = geometry();
    g.moveLeft(Screen::toPixels(twips));
    setGeometry(g);
}

void Form::setTop(int twips) {
    QRect g = geometry();
    g.moveTop(Screen::toPixels(twips));
    setGeometry(g);
}

void Form::setWidth(int twips) {
    QRect g = geometry();
    g.setWidth(std::clamp(Screen::toPixels(twips), 1, Screen::pixels().width()));
    setGeometry(g);
    layOutClient();
}

void Form::setHeight(int twips) {
    QRect g = geometry();
    g.setHeight(std::clamp(Screen::toPixels(twips), 1, Screen::pixels().height()));
    setGeometry(g);
    layOutClient();
}

// A hidden window lays out its client area only when it is shown, yet boards load hidden and place
// their controls from the client size: lay it out at once. The layout may already have run for an
// earlier size (a board shown and hidden again), so it is invalidated first.
void Form::layOutClient() {
    if (isVisible())
        return; // a shown window gets its resize event and lays itself out
    if (QLayout* frame = layout()) {
        frame->invalidate();
        frame->activate();
    }
}

void Form::setEveryPressDraws(bool draws) { bridge_->setDoubleClickPresses(draws); }

void Form::setBackColor(OleColor color) {
    back_ = color;
    QPalette pal = client_->palette();
    pal.setColor(QPalette::Window, toQColor(color));
    client_->setPalette(pal);
}

void Form::setMousePointer(int pointer) {
    pointer_ = pointer;
    if (pointer == 99 && customCursor_.shape() == Qt::BitmapCursor)
        client_->setCursor(customCursor_);
    else
        client_->unsetCursor();
}

void Form::setMouseIcon(const QCursor& cursor) {
    customCursor_ = cursor;
    setMousePointer(pointer_);
}

void Form::unload() {
    Unload();
    hide();
}

bool Form::eventFilter(QObject* watched, QEvent* event) {
    if (redirecting_ || (event->type() != QEvent::KeyPress && event->type() != QEvent::KeyRelease))
        return false;
    auto* w = qobject_cast<QWidget*>(watched);
    if (!w || Stage::pageOf(w) != this || !w->isEnabled())
        return false;
    // A key reaches the board once: at the widget it was sent to, before that widget sees it.
    // Keys a control ignores travel on to its parents; those later stops are not new keys.
    QWidget* focus = focusedWidget();
    const bool firstStop = focus ? w == focus : w == client_ || w == this;
    if (!firstStop || (!keyPreview_ && w != client_ && w != this))
        return false;
    auto* key = static_cast<QKeyEvent*>(event);
    int code = keyCodeOf(key);
    const int shift = shiftStateOf(key->modifiers());
    if (event->type() == QEvent::KeyRelease) {
        KeyUp(code, shift);
        return code == 0;
    }
    KeyDown(code, shift);
    return code == 0 || redirectToNewFocus(w, *key);
}

// The board's key preview may move the focus (the ABCs board sends every key to its typing box): the
// key that moved it is then the first key of the widget that has the focus now, not lost on the one
// it left.
bool Form::redirectToNewFocus(const QWidget* from, const QKeyEvent& key) {
    QWidget* now = focusedWidget();
    if (!now || now == from || !now->isVisible() || !now->isEnabled())
        return false;
    // Moving on with Tab, and pressing with Space or Enter, belong to the control that had the focus.
    switch (key.key()) {
    case Qt::Key_Tab: case Qt::Key_Backtab: case Qt::Key_Space: case Qt::Key_Return: case Qt::Key_Enter:
        return false;
    default:
        break;
    }
    QKeyEvent copy(key.type(), key.key(), key.modifiers(), key.nativeScanCode(), key.nativeVirtualKey(),
                   key.nativeModifiers(), key.text(), key.isAutoRepeat(), key.count());
    redirecting_ = true;
    QApplication::sendEvent(now, &copy);
    redirecting_ = false;
    return true;
}

void Form::changeEvent(QEvent* event) {
    QMainWindow::changeEvent(event);
    if (event->type() == QEvent::WindowTitleChange)
        if (Stage* stage = Stage::instance())
            stage->pageCaptionChanged(*this);
}

void Form::resizeEvent(QResizeEvent* event) {
    QMainWindow::resizeEvent(event);
    if (layoutGeneration_ != Screen::generation()) {
        layoutGeneration_ = Screen::generation();
        relayoutChildren();
    }
    Resize();
}

void Form::clickAt(int x, int y) { input::click(client_, {Screen::toPixels(x), Screen::toPixels(y)}); }
void Form::dblClickAt(int x, int y) { input::doubleClick(client_, {Screen::toPixels(x), Screen::toPixels(y)}); }
void Form::mouseDownAt(int x, int y, int button) {
    input::press(client_, {Screen::toPixels(x), Screen::toPixels(y)}, button);
}
void Form::mouseMoveAt(int x, int y, int buttons) {
    input::move(client_, {Screen::toPixels(x), Screen::toPixels(y)}, buttons);
}
void Form::mouseUpAt(int x, int y, int button) {
    input::release(client_, {Screen::toPixels(x), Screen::toPixels(y)}, button);
}

QWidget* Form::keyTarget() {
    QWidget* focus = focusedWidget();
    return focus ? focus : client_;
}

void Form::typeKeys(const QString& text) {
    // Each key goes where the focus is at that moment: a key's handler may move the focus.
    for (const QChar ch : text)
        input::type(keyTarget(), QString(ch));
}

void Form::pressKey(int qtKey, const QString& text) { input::key(keyTarget(), qtKey, text); }

} // namespace platform
