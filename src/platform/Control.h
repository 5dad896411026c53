#pragma once
// The base of every control: position in twips, colours as 0x00BBGGRR, fonts scaled with the
// screen, pointers, focus, the events the boards answer, and driving it as a child would.
#include "platform/Colors.h"
#include "platform/Container.h"
#include "platform/Event.h"
#include "platform/Geometry.h"
#include "platform/InputEvents.h"

#include <QCursor>
#include <QPixmap>
#include <QPointer>
#include <memory>

namespace platform {

class EventBridge;

class Control : public InputEvents {
public:
    Control(const Control&) = delete;
    Control& operator=(const Control&) = delete;
    virtual ~Control();

    QWidget* widget() const { return widget_.get(); }
    Container& parent() const { return parent_; }
    Form& form() const { return parent_.form(); }
    static Control* fromWidget(const QWidget* widget);

    int left() const { return rect_.left; }
    int top() const { return rect_.top; }
    int width() const { return rect_.width; }
    int height() const { return rect_.height; }
    TwipsRect rect() const { return rect_; }
    void setLeft(int twips);
    void setTop(int twips);
    void setWidth(int twips);
    void setHeight(int twips);
    void move(int left, int top);
    void move(const TwipsRect& rect);
    virtual void relayout();

    // The control's own visible flag; a control on a hidden board keeps its flag.
    bool visible() const { return visible_; }
    void setVisible(bool visible);
    bool enabled() const { return widget_->isEnabled(); }
    void setEnabled(bool enabled) { widget_->setEnabled(enabled); }
    bool tabStop() const { return widget_->focusPolicy() != Qt::NoFocus; }
    void setTabStop(bool stop);

    OleColor backColor() const { return back_; }
    OleColor foreColor() const { return fore_; }
    void setBackColor(OleColor color);
    void setForeColor(OleColor color);

    FontSpec font() const { return font_; }
    void setFont(const FontSpec& font);
    QString fontName() const { return font_.name; }
    double fontSize() const { return font_.size; }
    bool fontBold() const { return font_.bold; }
    bool fontItalic() const { return font_.italic; }
    void setFontName(const QString& name);
    void setFontSize(double points);
    void setFontBold(bool bold);
    void setFontItalic(bool italic);

    int mousePointer() const { return pointer_; }
    void setMousePointer(int pointer);
    void setMouseIcon(const QCursor& cursor);
    QCursor cursor() const { return widget_->cursor(); }

    void setFocus();
    bool hasFocus() const;

    // What assistive technology calls the control when its caption does not say it (a colour box,
    // a picture, a text box); a label's caption is its name otherwise.
    QString accessibleName() const { return widget_->accessibleName(); }
    void setAccessibleName(const QString& name) { widget_->setAccessibleName(name); }
    // A control the child clicks rather than types into or ticks (a colour box drawn as a text box)
    // is a push button to assistive technology, pressed as the mouse clicks it.
    void setPressable(bool pressable);
    bool pressable() const;

    // Automatic drag: pressing on the control drags the drag picture until the button is released.
    void setDragMode(int mode) { dragMode_ = mode; }
    int dragMode() const { return dragMode_; }
    void setDragIcon(const QPixmap& icon) { dragIcon_ = icon; }
    QPixmap dragIcon() const { return dragIcon_; }

    // Driving the control as a child would, through real input events.
    virtual void click();
    void dblClick();
    void mouseDown(int x, int y, int button = buttonLeft);
    void mouseMove(int x, int y, int button = 0);
    void mouseUp(int x, int y, int button = buttonLeft);
    void keyDown(int qtKey, const QString& text = {});
    // Press on this control, release over the target; the target sees the drop.
    void dragTo(Control& target);

protected:
    Control(Container& parent, QWidget* widget, const TwipsRect& rect);
    // Stylesheet colours and fonts are re-applied whenever one of them changes.
    virtual void applyAppearance();
    QString colorStyle() const;
    QFont scaledFont() const;
    bool userCanReach() const;
    // For controls that size themselves to their content (labels that grow with their text).
    void takeSizeFromWidget();
    // For widgets whose mouse input lands on an inner child (a text area's viewport).
    void reportMouseFrom(QWidget* surface);

private:
    friend class EventBridge;
    Container& parent_;
    std::unique_ptr<QWidget> widget_;
    EventBridge* bridge_ = nullptr; // owned by the widget
    TwipsRect rect_;
    bool visible_ = true;
    OleColor back_ = colors::buttonFace;
    OleColor fore_ = colors::windowText;
    bool backSet_ = false;
    FontSpec font_;
    int pointer_ = pointerDefault;
    QCursor customCursor_;
    int dragMode_ = 0;
    QPixmap dragIcon_;
};

} // namespace platform
