#include "platform/Label.h"

#include "platform/Screen.h"

namespace platform {

Label::Label(Container* parent, const TwipsRect& rect, const QString& caption, std::optional<OleColor> back,
             const FontSpec& font, Align align)
    : Control(*parent, new QLabel(parent->client()), rect) {
    label()->setTextFormat(Qt::PlainText);
    label()->setWordWrap(true);
    label()->setText(caption);
    if (back)
        setBackColor(*back);
    setFont(font);
    setAlignment(align);
}

void Label::setCaption(const QString& caption) {
    label()->setText(caption);
    if (autoSize_)
        grow();
}

void Label::setAutoSize(bool grow_) {
    autoSize_ = grow_;
    label()->setWordWrap(!grow_);
    if (grow_)
        grow();
}

void Label::setAlignment(Align align) {
    const Qt::Alignment h = align == Align::center ? Qt::AlignHCenter
                            : align == Align::right ? Qt::AlignRight
                                                    : Qt::AlignLeft;
    label()->setAlignment(h | Qt::AlignTop);
}

void Label::setBorder(bool border) { label()->setFrameStyle(border ? QFrame::Box | QFrame::Plain : QFrame::NoFrame); }

void Label::relayout() {
    Control::relayout();
    if (autoSize_)
        grow();
}

void Label::grow() {
    label()->adjustSize();
    takeSizeFromWidget();
}

} // namespace platform
