#include "platform/GraphicalCheckBox.h"

#include "platform/Screen.h"

#include <QToolButton>
#include <algorithm>

namespace platform {
namespace {
QToolButton* makeButton(QWidget* parent) {
    auto* button = new QToolButton(parent);
    button->setCheckable(true);
    button->setToolButtonStyle(Qt::ToolButtonTextUnderIcon);
    button->setAutoRaise(false);
    return button;
}
// Words go on a line while they fit; a single word wider than the room keeps a line of its own.
QString wrapped(const QString& text, const QFontMetrics& metrics, int room) {
    QStringList lines;
    for (const QString& word : text.split(' ', Qt::SkipEmptyParts)) {
        if (!lines.isEmpty() && metrics.horizontalAdvance(lines.back() + ' ' + word) <= room)
            lines.back() += ' ' + word;
        else
            lines << word;
    }
    return lines.join('\n');
}
} // namespace

GraphicalCheckBox::GraphicalCheckBox(Container* parent, const TwipsRect& rect, const QString& caption,
                                     std::optional<OleColor> back, const FontSpec& font)
    : Control(*parent, makeButton(parent->client()), rect), caption_(caption) {
    if (back)
        setBackColor(*back);
    setFont(font);
    layOutContent();
    QObject::connect(button(), &QToolButton::toggled, widget(), [this] { Click(); });
}

QToolButton* GraphicalCheckBox::button() const {
    return static_cast<QToolButton*>(widget());
}

int GraphicalCheckBox::value() const {
    return button()->isChecked() ? 1 : 0;
}

void GraphicalCheckBox::setValue(int value) {
    button()->setChecked(value != 0);
}

QString GraphicalCheckBox::caption() const {
    return caption_;
}

void GraphicalCheckBox::setCaption(const QString& caption) {
    caption_ = caption;
    layOutContent();
}

void GraphicalCheckBox::setPicture(const QPixmap& picture) {
    picture_ = picture;
    button()->setIcon(QIcon(picture));
    layOutContent();
}

void GraphicalCheckBox::relayout() {
    Control::relayout();
    layOutContent();
}

// The caption wraps to the width; the picture takes what its lines leave of the height.
void GraphicalCheckBox::layOutContent() {
    const QFontMetrics metrics(widget()->font());
    const int room = Screen::toPixels(width()) - 6;
    const QString shown = wrapped(caption_, metrics, room);
    button()->setText(shown);
    const int lines = static_cast<int>(shown.count('\n')) + 1;
    const int side = std::min(room, Screen::toPixels(height()) - lines * metrics.lineSpacing() - 8);
    button()->setIconSize(QSize(std::max(side, 8), std::max(side, 8)));
}

} // namespace platform
