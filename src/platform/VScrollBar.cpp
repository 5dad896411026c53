#include "platform/VScrollBar.h"

namespace platform {

VScrollBar::VScrollBar(Container* parent, const TwipsRect& rect, int min, int max)
    : Control(*parent, new QScrollBar(Qt::Vertical, parent->client()), rect) {
    bar()->setRange(min, max);
    QObject::connect(bar(), &QScrollBar::valueChanged, widget(), [this] {
        if (bar()->isSliderDown())
            Scroll();
        else
            Change();
    });
    QObject::connect(bar(), &QScrollBar::sliderReleased, widget(), [this] { Change(); });
}

void VScrollBar::setRange(int min, int max) { bar()->setRange(min, max); }

void VScrollBar::dragThumbTo(int value) {
    if (!userCanReach())
        return;
    bar()->setSliderDown(true);
    bar()->setSliderPosition(value);
    bar()->setSliderDown(false);
}

} // namespace platform
