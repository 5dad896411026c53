#include "platform/PictureBox.h"

#include "platform/Pictures.h"

#include <QPainter>
#include <QWidget>

namespace platform {

class PictureBox::Panel : public QWidget {
public:
    Panel(PictureBox& box, QWidget* parent) : QWidget(parent), box_(box) {}

protected:
    void paintEvent(QPaintEvent*) override {
        QPainter p(this);
        if (!box_.picture_.isNull())
            p.drawPixmap(0, 0, box_.picture_);
        if (box_.border_) {
            p.setPen(Qt::black);
            p.drawRect(rect().adjusted(0, 0, -1, -1));
        }
    }

private:
    PictureBox& box_;
};

PictureBox::PictureBox(Container* parent, const TwipsRect& rect, std::optional<OleColor> back,
                       const QString& description)
    : Control(*parent, new Panel(*this, parent->client()), rect) {
    if (back)
        setBackColor(*back);
    widget()->setAccessibleName(description);
}

bool PictureBox::loadPicture(const QString& path) {
    const std::optional<QPixmap> loaded = platform::loadPicture(path);
    if (!loaded)
        return false;
    setPicture(*loaded);
    return true;
}

void PictureBox::setPicture(const QPixmap& picture) {
    picture_ = picture;
    widget()->update();
}

void PictureBox::setBorder(bool border) {
    border_ = border;
    widget()->update();
}

void PictureBox::relayout() {
    Control::relayout();
    relayoutChildren();
}

} // namespace platform
