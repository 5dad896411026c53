#pragma once
// A check box: value 0 unticked, 1 ticked. Its Click runs whenever the value changes, also when
// code sets it. A click anywhere on its rectangle toggles it, also beside a short caption.
#include "platform/Control.h"

#include <QCheckBox>

namespace platform {

class CheckBox : public Control {
public:
    CheckBox(Container* parent, const TwipsRect& rect, const QString& caption = {},
             std::optional<OleColor> back = std::nullopt, const FontSpec& font = {});
    int value() const { return box()->isChecked() ? 1 : 0; }
    void setValue(int value) { box()->setChecked(value != 0); }
    QString caption() const { return box()->text(); }
    void setCaption(const QString& caption) { box()->setText(caption); }
    void setPicture(const QPixmap& picture);

private:
    class Box;
    QCheckBox* box() const { return static_cast<QCheckBox*>(widget()); }
};

} // namespace platform
