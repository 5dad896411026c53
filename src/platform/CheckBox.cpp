#include "platform/CheckBox.h"

#include "platform/Screen.h"

namespace platform {

CheckBox::CheckBox(Container* parent, const TwipsRect& rect, const QString& caption, std::optional<OleColor> back,
                   const FontSpec& font)
    : Control(*parent, new QCheckBox(caption, parent->client()), rect) {
    if (back)
        setBackColor(*back);
    setFont(font);
    QObject::connect(box(), &QCheckBox::toggled, widget(), [this] { Click(); });
}

void CheckBox::setPicture(const QPixmap& picture) {
    box()->setIcon(QIcon(picture));
    const int side = Screen::toPixels(std::min(width(), height())) / 2;
    box()->setIconSize(QSize(side, side));
}

} // namespace platform
