#pragma once
// The classroom's one window. Every board is a page of it: the window is made full screen once, when
// the first board shows, and stays so for the whole run; showing a board brings its page to the front.
// Moving between boards thus never waits on the window manager, never loses the keyboard focus to a
// focus-stealing rule, and never asks a desktop to make a new window full screen or to lock it again.
// The window's title is the caption of the board in front.
#include "platform/Event.h"

#include <QPointer>
#include <QWidget>

namespace platform {

class Form;

class Stage : public QWidget {
public:
    // The window lives while any board does: the first board creates it, the last one takes it along.
    static Stage& acquire();
    static void release();
    static Stage* instance();

    Form* front() const;
    // The board a widget belongs to; none for a widget of another window (a menu, a message box).
    static Form* pageOf(const QWidget* widget);

    void pageShown(Form& page);
    void pageHidden(Form& page);
    void pageCaptionChanged(const Form& page);

    // The screen changed size: the window follows it, and the classroom re-fits its boards.
    Event<> ScreenChanged;

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;
    void closeEvent(QCloseEvent* event) override;

private:
    Stage();
    void showCovering();
    void coverScreen();
    void followPrimaryScreen();
    void screenResized();
    void setFront(Form* page);
    void giveFocusTo(Form& page);
    Form* topmostShownPage() const;

    QPointer<Form> front_;
    QPointer<QScreen> screen_;
    int pages_ = 0;
};

} // namespace platform
