#include "platform/Form.h"

#include "platform/EventBridge.h"
#include "platform/Screen.h"
#include "platform/UserInput.h"

#include <QApplication>
#include <QBackingStore>
#include <QCloseEvent>
#include <QHideEvent>
#include <QKeyEvent>
#include <QLayout>
#include <QVariant>
#include <algorithm>

namespace platform {
namespace {
const char* const formProperty = "pipkinForm";
} // namespace

Form::Form(const QString& caption, OleColor backColor)
    : QMainWindow(nullptr, Qt::Window | Qt::CustomizeWindowHint | Qt::WindowTitleHint), client_(new QWidget(this)),
      back_(backColor), layoutGeneration_(Screen::generation()) {
    setWindowTitle(caption);
    setCentralWidget(client_);
    client_->setProperty(formProperty, QVariant::fromValue(quintptr(this)));
    client_->setAutoFillBackground(true);
    client_->setFocusPolicy(Qt::ClickFocus);
    new EventBridge(client_, *this, nullptr, true, false);
    setBackColor(backColor);
    qApp->installEventFilter(this);
}

Form::~Form() { qApp->removeEventFilter(this); }

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
    if (event->type() != QEvent::KeyPress && event->type() != QEvent::KeyRelease)
        return false;
    auto* w = qobject_cast<QWidget*>(watched);
    if (!w || w->window() != this || !w->isEnabled())
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
    if (event->type() == QEvent::KeyPress)
        KeyDown(code, shift);
    else
        KeyUp(code, shift);
    return code == 0;
}

void Form::closeEvent(QCloseEvent* event) {
    // The window system's close request (a close button, Alt+F4) never removes a board: the child
    // would be left without a way back. The program ends only through its own farewell.
    event->ignore();
}

void Form::changeEvent(QEvent* event) {
    QMainWindow::changeEvent(event);
    if (event->type() == QEvent::ActivationChange && !isActiveWindow())
        Deactivate();
}

// Every shown board keeps a backing store the size of the screen (8 MB at 1920 x 1080, in X shared
// memory) until it is destroyed, and the classroom shows one board at a time: a hidden board gives
// its store up. Showing it again repaints it whole at full size, exactly as its first showing did.
// A board hidden by the window system (minimised: a spontaneous hide) is left as it was.
void Form::hideEvent(QHideEvent* event) {
    QMainWindow::hideEvent(event);
    if (event->spontaneous())
        return;
    if (QBackingStore* store = backingStore(); store && store->size() != QSize(1, 1))
        store->resize(QSize(1, 1));
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
