#pragma once
// A picture box: a coloured panel that may show a picture and holds controls of its own.
#include "platform/Control.h"

namespace platform {

class PictureBox : public Control, public Container {
public:
    PictureBox(Container* parent, const TwipsRect& rect, std::optional<OleColor> back = std::nullopt,
               const QString& description = {});
    QWidget* client() override { return widget(); }
    Form& form() override { return Control::form(); }

    bool loadPicture(const QString& path);
    void setPicture(const QPixmap& picture);
    QPixmap picture() const { return picture_; }
    void setBorder(bool border);
    void relayout() override;

private:
    class Panel;
    QPixmap picture_;
    bool border_ = false;
};

} // namespace platform
