#pragma once
// A check box drawn as a button that stays pressed in while ticked, its picture above its caption
// (wrapped at blanks to the width): for narrow check boxes whose caption would not fit beside a tick box. Value 0
// unticked, 1 ticked; its Click runs whenever the value changes, also when code sets it.
#include "platform/Control.h"

#include <QPixmap>

class QToolButton;

namespace platform {

class GraphicalCheckBox : public Control {
public:
    GraphicalCheckBox(Container* parent, const TwipsRect& rect, const QString& caption = {},
                      std::optional<OleColor> back = std::nullopt, const FontSpec& font = {});
    int value() const;
    void setValue(int value);
    QString caption() const;
    void setCaption(const QString& caption);
    void setPicture(const QPixmap& picture);
    void relayout() override;

private:
    QToolButton* button() const;
    void layOutContent();
    QString caption_;
    QPixmap picture_;
};

} // namespace platform
