#include "platform/CheckBox.h"

#include "platform/Screen.h"

namespace platform {

// Qt takes only the tick box and the caption's text as the button; the child aims at the whole box.
class CheckBox::Box : public QCheckBox {
public:
    using QCheckBox::QCheckBox;

protected:
    bool hitButton(const QPoint& pos) const override { return rect().contains(pos); }
};

CheckBox::CheckBox(Container* parent, const TwipsRect& rect, const QString& caption, std::optional<OleColor> back,
                   const FontSpec& font)
    : Control(*parent, new Box(caption, parent->client()), rect) {
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
