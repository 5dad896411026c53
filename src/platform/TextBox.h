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
    void setPasswordChar(QChar ch);
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
    QString lastText_;
};

} // namespace platform
