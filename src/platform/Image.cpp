#include "platform/Image.h"

#include "platform/Pictures.h"

#include <QPainter>

namespace platform {

class Image::Surface : public QWidget {
public:
    Surface(Image& image, QWidget* parent) : QWidget(parent), image_(image) {}

protected:
    void paintEvent(QPaintEvent*) override {
        if (image_.picture_.isNull())
            return;
        QPainter p(this);
        if (image_.stretch_)
            p.drawPixmap(rect(), image_.picture_);
        else
            p.drawPixmap(0, 0, image_.picture_);
    }

private:
    Image& image_;
};

Image::Image(Container* parent, const TwipsRect& rect, bool stretch, const QString& description)
    : Control(*parent, new Surface(*this, parent->client()), rect), stretch_(stretch) {
    widget()->setAccessibleName(description);
}

bool Image::loadPicture(const QString& path) {
    const std::optional<QPixmap> loaded = platform::loadPicture(path);
    if (!loaded)
        return false;
    picture_ = *loaded;
    pictureFile_ = path;
    widget()->update();
    return true;
}

void Image::setPicture(const QPixmap& picture) {
    picture_ = picture;
    pictureFile_.clear();
    widget()->update();
}

void Image::setStretch(bool stretch) {
    stretch_ = stretch;
    widget()->update();
}

void Image::setDescription(const QString& description) { widget()->setAccessibleName(description); }

} // namespace platform
