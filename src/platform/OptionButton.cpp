#include "platform/OptionButton.h"

namespace platform {

OptionButton::OptionButton(Container* parent, const TwipsRect& rect, const QString& caption,
                           std::optional<OleColor> back, const FontSpec& font)
    : Control(*parent, new QRadioButton(caption, parent->client()), rect) {
    if (back)
        setBackColor(*back);
    setFont(font);
    QObject::connect(button(), &QRadioButton::toggled, widget(), [this](bool on) {
        if (on)
            Click();
    });
}

void OptionButton::setValue(bool chosen) {
    if (chosen && button()->isChecked()) {
        Click(); // choosing the chosen option still answers, as a click on it does
        return;
    }
    button()->setChecked(chosen);
}

} // namespace platform
