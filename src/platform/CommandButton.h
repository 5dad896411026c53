#pragma once
#include "platform/Control.h"

#include <QPushButton>

namespace platform {

class CommandButton : public Control {
public:
    CommandButton(Container* parent, const TwipsRect& rect, const QString& caption, const FontSpec& font = {});
    QString caption() const { return button()->text(); }
    void setCaption(const QString& caption) { button()->setText(caption); }

private:
    QPushButton* button() const { return static_cast<QPushButton*>(widget()); }
};

} // namespace platform
