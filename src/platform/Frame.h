#pragma once
// A frame: a captioned panel that holds controls of its own.
#include "platform/Control.h"

#include <QGroupBox>

namespace platform {

class Frame : public Control, public Container {
public:
    Frame(Container* parent, const TwipsRect& rect, const QString& caption = {},
          std::optional<OleColor> back = std::nullopt, const FontSpec& font = {});
    QWidget* client() override { return widget(); }
    Form& form() override { return Control::form(); }
    QString caption() const { return box()->title(); }
    void setCaption(const QString& caption) { box()->setTitle(caption); }
    void relayout() override;

private:
    QGroupBox* box() const { return static_cast<QGroupBox*>(widget()); }
};

} // namespace platform
