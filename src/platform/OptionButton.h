#pragma once
// An option button: choosing one un-chooses the others on the same board, frame or picture box.
// Its Click runs when it becomes chosen, also when code chooses it.
#include "platform/Control.h"

#include <QRadioButton>

namespace platform {

class OptionButton : public Control {
public:
    OptionButton(Container* parent, const TwipsRect& rect, const QString& caption,
                 std::optional<OleColor> back = std::nullopt, const FontSpec& font = {});
    bool value() const { return button()->isChecked(); }
    void setValue(bool chosen);
    QString caption() const { return button()->text(); }
    void setCaption(const QString& caption) { button()->setText(caption); }

private:
    QRadioButton* button() const { return static_cast<QRadioButton*>(widget()); }
};

} // namespace platform
