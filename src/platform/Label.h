#pragma once
#include "platform/Control.h"

#include <QLabel>
#include <optional>

namespace platform {

enum class Align { left, right, center };

class Label : public Control {
public:
    // Without a back colour the label is transparent over its board.
    Label(Container* parent, const TwipsRect& rect, const QString& caption = {},
          std::optional<OleColor> back = std::nullopt, const FontSpec& font = {}, Align align = Align::left);

    QString caption() const { return label()->text(); }
    void setCaption(const QString& caption);
    // A label that grows with its text keeps its top-left corner and takes the text's size.
    void setAutoSize(bool grow);
    bool autoSize() const { return autoSize_; }
    void setAlignment(Align align);
    void setBorder(bool border);
    void relayout() override;

private:
    QLabel* label() const { return static_cast<QLabel*>(widget()); }
    void grow();
    bool autoSize_ = false;
};

} // namespace platform
