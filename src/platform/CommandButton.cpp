#include "platform/CommandButton.h"

namespace platform {

CommandButton::CommandButton(Container* parent, const TwipsRect& rect, const QString& caption, const FontSpec& font)
    : Control(*parent, new QPushButton(caption, parent->client()), rect) {
    setFont(font);
    QObject::connect(button(), &QPushButton::clicked, widget(), [this] { Click(); });
}

} // namespace platform
