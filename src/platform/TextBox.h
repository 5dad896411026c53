#pragma once
// A text box: one line, or many, with or without a vertical scroll bar. Its Change event runs for
// every change of the text, also for changes made by code and by its own handler. A click anywhere
// on a many-line box is its click, and it also places the caret.
#include "platform/Control.h"

class QLineEdit;
class QPlainTextEdit;

namespace platform {

class TextBox : public Control {
public:
    enum class Lines { single, multi, multiWithScrollBar };
    TextBox(Container* parent, const TwipsRect& rect, Lines lines = Lines::single, const QString& text = {});

    QString text() const;
    void setText(const QString& text);
    QString selText() const;
    void setSelText(const QString& text);
    int selStart() const;
    void setSelStart(int start);
    int selLength() const;
    void setSelLength(int length);

    // 0 means no limit; characters past the limit are refused.
    int maxLength() const { return maxLength_; }
    void setMaxLength(int length);
    bool locked() const { return locked_; }
    void setLocked(bool locked);
    // A one-line box shows ch for every character (no character: the text itself).
    void setPasswordChar(QChar ch);
    // For a box that holds a password and is never seen (a stored password, a hidden copy): its
    // text is kept out of the widget and away from screen readers, and it takes no focus.
    void keepSecret();
    bool secret() const { return secret_; }
    void setAlignment(Qt::Alignment align);

    // Types text into the box as the keyboard does (the box takes the focus first, like a child's click).
    void type(const QString& text);

    Event<> Change;

private:
    QLineEdit* line() const;
    QPlainTextEdit* multi() const;
    void multiChanged();
    Lines lines_;
    int maxLength_ = 0;
    bool locked_ = false;
    bool secret_ = false;
    QString secretText_;
    QString lastText_;
};

} // namespace platform
