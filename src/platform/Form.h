#pragma once
// A board: a page of the classroom's one full-screen window (Stage) with a caption, a coloured client
// area that holds the controls, an optional menu bar, and the board events. Showing a board brings it
// to the front of the window; its caption is then the window's title. Positions and sizes in twips.
#include "platform/Colors.h"
#include "platform/Container.h"
#include "platform/InputEvents.h"

#include <QCursor>
#include <QKeyEvent>
#include <QMainWindow>

namespace platform {

class EventBridge;

class Form : public QMainWindow, public Container, public InputEvents {
public:
    explicit Form(const QString& caption, OleColor backColor = colors::buttonFace);
    ~Form() override;

    QWidget* client() override { return client_; }
    Form& form() override { return *this; }
    static Form* fromClient(const QWidget* widget);

    QString caption() const { return windowTitle(); }
    void setCaption(const QString& caption) { setWindowTitle(caption); }

    int left() const;
    int top() const;
    int width() const;
    int height() const;
    // A size larger than the screen is cut to the screen, the largest a board may be.
    void setLeft(int twips);
    void setTop(int twips);
    void setWidth(int twips);
    void setHeight(int twips);
    int clientWidth() const;  // twips
    int clientHeight() const; // twips

    OleColor backColor() const { return back_; }
    void setBackColor(OleColor color);
    OleColor foreColor() const { return fore_; }
    void setForeColor(OleColor color) { fore_ = color; }

    int mousePointer() const { return pointer_; }
    void setMousePointer(int pointer);
    void setMouseIcon(const QCursor& cursor);
    QCursor pointerCursor() const { return client_->cursor(); }

    // The board draws with the mouse: every press starts a stroke, also the second of a double-click.
    void setEveryPressDraws(bool draws);

    bool keyPreview() const { return keyPreview_; }
    void setKeyPreview(bool preview) { keyPreview_ = preview; }

    // The widget that has the keyboard focus in this board (also while the board is not active).
    QWidget* focusedWidget() const { return QMainWindow::focusWidget(); }

    // The board in front of the classroom's window, the one the child is on; none while none shows.
    static Form* frontBoard();
    bool isFront() const { return frontBoard() == this; }
    void setVisible(bool visible) override;

    // Runs the board's unload event and hides it; the board object lives on.
    void unload();
    Event<> Unload;
    // Another board of the classroom came to the front of this one.
    Event<> Deactivate;
    Event<> Resize;

    // Driving the board itself as a child would (positions in twips of the client area).
    void clickAt(int x, int y);
    void dblClickAt(int x, int y);
    void mouseDownAt(int x, int y, int button = 1);
    void mouseMoveAt(int x, int y, int buttons = 0);
    void mouseUpAt(int x, int y, int button = 1);
    // Keys go where the keyboard focus is, or to the board when nothing in it has the focus.
    void typeKeys(const QString& text);
    void pressKey(int qtKey, const QString& text = {});

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;
    void changeEvent(QEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;

private:
    QWidget* keyTarget();
    bool redirectToNewFocus(const QWidget* from, const QKeyEvent& key);
    void layOutClient();
    QWidget* client_;
    EventBridge* bridge_;
    OleColor back_;
    OleColor fore_ = colors::windowText;
    int pointer_ = 0;
    QCursor customCursor_;
    bool keyPreview_ = false;
    bool redirecting_ = false;
    int layoutGeneration_;
};

} // namespace platform
