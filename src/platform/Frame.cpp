#include "platform/Frame.h"

namespace platform {

Frame::Frame(Container* parent, const TwipsRect& rect, const QString& caption, std::optional<OleColor> back,
             const FontSpec& font)
    : Control(*parent, new QGroupBox(caption, parent->client()), rect) {
    if (back)
        setBackColor(*back);
    setFont(font);
}

void Frame::relayout() {
    Control::relayout();
    relayoutChildren();
}

} // namespace platform
