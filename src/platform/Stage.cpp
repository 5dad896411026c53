#include "platform/Stage.h"

#include "platform/Form.h"
#include "platform/Screen.h"

#include <QApplication>
#include <QCloseEvent>
#include <QGuiApplication>
#include <QMouseEvent>
#include <QScreen>

namespace platform {
namespace {
Stage* theStage = nullptr;
} // namespace

Stage& Stage::acquire() {
    if (!theStage)
        theStage = new Stage;
    ++theStage->pages_;
    return *theStage;
}

void Stage::release() {
    if (theStage && --theStage->pages_ == 0) {
        delete theStage;
        theStage = nullptr;
    }
}

Stage* Stage::instance() { return theStage; }

// No frame: a window manager that declines full screen still shows no buttons a child could press.
Stage::Stage() : QWidget(nullptr, Qt::Window | Qt::FramelessWindowHint) {
    setAttribute(Qt::WA_NoSystemBackground, false);
    setAutoFillBackground(true);
    QPalette pal = palette();
    pal.setColor(QPalette::Window, Qt::black);
    setPalette(pal);
    setWindowTitle(QApplication::applicationName());
    qApp->installEventFilter(this);
    connect(qApp, &QGuiApplication::primaryScreenChanged, this, [this] { followPrimaryScreen(); });
    followPrimaryScreen();
}

Form* Stage::front() const { return front_; }

Form* Stage::pageOf(const QWidget* widget) {
    for (const QWidget* w = widget; w; w = w->parentWidget()) {
        if (w->isWindow())
            return nullptr;
        if (auto* page = dynamic_cast<Form*>(const_cast<QWidget*>(w)))
            return page;
    }
    return nullptr;
}

void Stage::followPrimaryScreen() {
    if (screen_)
        disconnect(screen_, nullptr, this, nullptr);
    screen_ = QGuiApplication::primaryScreen();
    if (screen_)
        connect(screen_, &QScreen::geometryChanged, this, [this] { screenResized(); });
}

void Stage::coverScreen() { setGeometry(QRect(QPoint(0, 0), Screen::pixels())); }

void Stage::showCovering() {
    if (isVisible())
        return;
    // Without a window manager the full-screen request goes unanswered: the geometry covers the
    // screen by itself. Under one, only the full-screen state covers panels, docks and top bars.
    coverScreen();
    showFullScreen();
}

void Stage::screenResized() {
    Screen::noteScreenChanged();
    // A window manager resizes a full-screen window with the screen; without one nobody does.
    if (isVisible())
        coverScreen();
    ScreenChanged();
}

void Stage::pageShown(Form& page) {
    showCovering();
    page.raise();
    setFront(&page);
}

void Stage::pageHidden(Form& page) {
    if (front_ == &page)
        setFront(topmostShownPage());
    if (!topmostShownPage())
        hide();
}

void Stage::pageCaptionChanged(const Form& page) {
    if (front_ == &page)
        setWindowTitle(page.caption());
}

Form* Stage::topmostShownPage() const {
    const QObjectList& pages = children();
    for (auto it = pages.rbegin(); it != pages.rend(); ++it)
        if (auto* page = dynamic_cast<Form*>(*it); page && !page->isHidden())
            return page;
    return nullptr;
}

void Stage::setFront(Form* page) {
    QPointer<Form> before = front_;
    front_ = page;
    if (page) {
        setWindowTitle(page->caption());
        giveFocusTo(*page);
    }
    // As a window that stops being the active one: its handler may hide it, which is then no change.
    if (before && before != page)
        before->Deactivate();
}

// The board in front has the keys: where its own focus was when it was last in front, or the board.
void Stage::giveFocusTo(Form& page) {
    QWidget* focus = page.focusedWidget();
    if (focus && focus != &page && page.isAncestorOf(focus) && focus->isVisibleTo(&page) && focus->isEnabled())
        focus->setFocus(Qt::OtherFocusReason);
    else
        page.client()->setFocus(Qt::OtherFocusReason);
}

bool Stage::eventFilter(QObject* watched, QEvent* event) {
    // A press on a board that is not in front (the ChalkBoard around the small mixer) brings it
    // forward before the press is handled, as clicking a window does.
    if (event->type() == QEvent::MouseButtonPress || event->type() == QEvent::MouseButtonDblClick) {
        if (auto* w = qobject_cast<QWidget*>(watched); w && w->window() == this) {
            Form* page = pageOf(w);
            if (page && page != front_ && !page->isHidden()) {
                page->raise();
                setFront(page);
            }
        }
    }
    return QWidget::eventFilter(watched, event);
}

// The window system's close request (a close button, Alt+F4) never removes the classroom: the child
// would be left without a way back. The program ends only through its own farewell.
void Stage::closeEvent(QCloseEvent* event) { event->ignore(); }

} // namespace platform
