#include "platform/TextBox.h"

#include "platform/Form.h"
#include "platform/UserInput.h"

#include <QLineEdit>
#include <QPlainTextEdit>
#include <QProxyStyle>
#include <QTextCursor>
#include <QTextDocument>
#include <QScrollBar>
#include <algorithm>

namespace platform {
namespace {
// Qt's style draws a password box's characters as "●"; the boards ask for a character of their own.
class PasswordCharStyle : public QProxyStyle {
public:
    explicit PasswordCharStyle(QChar ch) : ch_(ch) {}
    int styleHint(StyleHint hint, const QStyleOption* option, const QWidget* widget,
                  QStyleHintReturn* returnData) const override {
        if (hint == SH_LineEdit_PasswordCharacter)
            return ch_.unicode();
        return QProxyStyle::styleHint(hint, option, widget, returnData);
    }

private:
    QChar ch_;
};

// The toolkit's own edit menu (Undo, Redo, Cut, ...) is not for a child: it opens on a right click
// or the context-menu key and then swallows every key until Escape.
QWidget* makeEditor(TextBox::Lines lines, QWidget* parent) {
    if (lines == TextBox::Lines::single) {
        auto* edit = new QLineEdit(parent);
        edit->setContextMenuPolicy(Qt::PreventContextMenu);
        return edit;
    }
    auto* edit = new QPlainTextEdit(parent);
    edit->setVerticalScrollBarPolicy(lines == TextBox::Lines::multi ? Qt::ScrollBarAlwaysOff : Qt::ScrollBarAlwaysOn);
    edit->setContextMenuPolicy(Qt::PreventContextMenu);
    edit->viewport()->setContextMenuPolicy(Qt::PreventContextMenu);
    edit->verticalScrollBar()->setAccessibleName(QStringLiteral("Scroll the text"));
    return edit;
}
} // namespace

TextBox::TextBox(Container* parent, const TwipsRect& rect, Lines lines, const QString& text)
    : Control(*parent, makeEditor(lines, parent->client()), rect), lines_(lines) {
    setBackColor(colors::white);
    if (auto* l = line()) {
        l->setText(text);
        QObject::connect(l, &QLineEdit::textChanged, widget(), [this] { Change(); });
    } else {
        multi()->setPlainText(text);
        lastText_ = text;
        reportMouseFrom(multi()->viewport());
        QObject::connect(multi(), &QPlainTextEdit::textChanged, widget(), [this] { multiChanged(); });
    }
}

QLineEdit* TextBox::line() const {
    return lines_ == Lines::single ? static_cast<QLineEdit*>(widget()) : nullptr;
}

QPlainTextEdit* TextBox::multi() const {
    return lines_ != Lines::single ? static_cast<QPlainTextEdit*>(widget()) : nullptr;
}

void TextBox::multiChanged() {
    const QString now = multi()->toPlainText();
    if (now == lastText_)
        return; // format-only changes are no change of the text
    if (maxLength_ > 0 && now.size() > maxLength_ && now.size() > lastText_.size()) {
        // Refuse what went past the limit, as a one-line box does, and keep the caret where it was.
        const int caret = std::min<int>(multi()->textCursor().position(), maxLength_);
        QSignalBlocker block(multi());
        multi()->setPlainText(lastText_);
        QTextCursor c = multi()->textCursor();
        c.setPosition(std::min<int>(caret, lastText_.size()));
        multi()->setTextCursor(c);
        return;
    }
    lastText_ = now;
    Change();
}

QString TextBox::text() const {
    if (secret_)
        return secretText_;
    return line() ? line()->text() : multi()->toPlainText();
}

void TextBox::setText(const QString& text) {
    if (secret_) {
        // Kept beside the widget, which stays empty: Qt tells assistive tools of every text change.
        const QString limited = maxLength_ > 0 ? text.left(maxLength_) : text;
        if (limited == secretText_)
            return;
        secretText_ = limited;
        Change();
        return;
    }
    const QString limited = maxLength_ > 0 && lines_ != Lines::single ? text.left(maxLength_) : text;
    if (auto* l = line())
        l->setText(limited);
    else if (limited != multi()->toPlainText())
        multi()->setPlainText(limited);
}

QString TextBox::selText() const {
    return line() ? line()->selectedText() : multi()->textCursor().selectedText().replace(QChar(0x2029), '\n');
}

void TextBox::setSelText(const QString& text) {
    if (auto* l = line()) {
        l->insert(text);
        return;
    }
    multi()->textCursor().insertText(text);
}

int TextBox::selStart() const {
    if (auto* l = line())
        return l->hasSelectedText() ? l->selectionStart() : l->cursorPosition();
    return multi()->textCursor().selectionStart();
}

void TextBox::setSelStart(int start) {
    start = std::clamp<int>(start, 0, text().size());
    if (auto* l = line()) {
        l->setCursorPosition(start);
        return;
    }
    QTextCursor c = multi()->textCursor();
    c.setPosition(start);
    multi()->setTextCursor(c);
}

int TextBox::selLength() const {
    if (auto* l = line())
        return l->selectedText().size();
    const QTextCursor c = multi()->textCursor();
    return c.selectionEnd() - c.selectionStart();
}

void TextBox::setSelLength(int length) {
    const int start = selStart();
    const int end = std::clamp<int>(start + length, start, text().size());
    if (auto* l = line()) {
        l->setSelection(start, end - start);
        return;
    }
    QTextCursor c = multi()->textCursor();
    c.setPosition(start);
    c.setPosition(end, QTextCursor::KeepAnchor);
    multi()->setTextCursor(c);
}

void TextBox::setMaxLength(int length) {
    maxLength_ = std::max(0, length);
    if (auto* l = line())
        l->setMaxLength(maxLength_ > 0 ? maxLength_ : 32767);
}

void TextBox::setLocked(bool locked) {
    locked_ = locked;
    if (auto* l = line())
        l->setReadOnly(locked);
    else
        multi()->setReadOnly(locked);
}

void TextBox::setPasswordChar(QChar ch) {
    auto* l = line();
    if (!l)
        return;
    l->setEchoMode(ch.isNull() ? QLineEdit::Normal : QLineEdit::Password);
    // A widget does not own its style: the box does, so it goes with the box.
    auto* style = ch.isNull() ? nullptr : new PasswordCharStyle(ch);
    if (style)
        style->setParent(l);
    QStyle* old = l->style();
    l->setStyle(style);
    if (dynamic_cast<PasswordCharStyle*>(old) && old->parent() == l)
        old->deleteLater();
}

void TextBox::keepSecret() {
    // The text moves out of the widget, so neither the accessibility tree nor Qt's text-change
    // notices to assistive tools ever carry it; taking no focus, Tab never lands in the box; and it
    // is left out of the accessibility tree, as Qt leaves out its own helper widgets by this name.
    secretText_ = text();
    if (auto* l = line())
        l->clear();
    else
        multi()->clear();
    widget()->setFocusPolicy(Qt::NoFocus);
    widget()->setObjectName(QStringLiteral("qt_rubberband"));
    secret_ = true;
}

void TextBox::setAlignment(Qt::Alignment align) {
    if (auto* l = line())
        l->setAlignment(align);
}

void TextBox::type(const QString& text) {
    if (!userCanReach())
        return;
    setFocus();
    for (const QChar ch : text) {
        // The focus may move away while a key is handled: later keys follow it, as a keyboard's do.
        QWidget* target = form().focusedWidget();
        input::type(target ? target : widget(), QString(ch));
    }
}

} // namespace platform
