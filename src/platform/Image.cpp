#include "platform/Image.h"

#include "platform/Pictures.h"
#include "platform/Screen.h"

#include <QPainter>
#include <algorithm>
#include <cmath>

namespace platform {

class Image::Surface : public QWidget {
public:
    Surface(Image& image, QWidget* parent) : QWidget(parent), image_(image) {}

protected:
    void paintEvent(QPaintEvent*) override {
        QPainter p(this);
        const QPixmap shown = image_.picture();
        p.setRenderHint(QPainter::SmoothPixmapTransform);
        if (!shown.isNull() && image_.stretch_)
            p.drawPixmap(rect(), shown);
        else if (!shown.isNull())
            p.drawPixmap(0, 0, shown);
        if (image_.outline_.isValid()) {
            const int width = std::max(2, std::min(this->width(), height()) / 24);
            p.setPen(QPen(image_.outline_, width, Qt::DashLine));
            p.drawRect(rect().adjusted(width / 2, width / 2, -(width + 1) / 2, -(width + 1) / 2));
        }
    }

private:
    Image& image_;
};

Image::Image(Container* parent, const TwipsRect& rect, bool stretch, const QString& description)
    : Control(*parent, new Surface(*this, parent->client()), rect), stretch_(stretch) {
    widget()->setAccessibleName(description);
}

bool Image::loadPicture(const QString& path) {
    const std::optional<QPixmap> loaded = platform::loadPictureFitting(path, shownSize());
    if (!loaded)
        return false;
    picture_ = *loaded;
    pictureFile_ = path;
    builtin_.clear();
    widget()->update();
    return true;
}

void Image::setPicture(const QPixmap& picture) {
    picture_ = picture;
    pictureFile_.clear();
    builtin_.clear();
    widget()->update();
}

void Image::setBuiltinPicture(const QString& name, QSize ownSize) {
    picture_ = {};
    pictureFile_.clear();
    builtin_ = name;
    builtinOwnSize_ = ownSize;
    widget()->update();
}

void Image::copyPictureFrom(const Image& other) {
    if (other.builtin_.isEmpty()) {
        setPicture(other.picture_);
        return;
    }
    setBuiltinPicture(other.builtin_, other.builtinOwnSize_);
}

QSize Image::shownSize() const {
    const double ratio = widget()->devicePixelRatioF();
    if (stretch_ || builtin_.isEmpty())
        return widget()->size() * ratio;
    // 15 twips are one pixel on the 640 x 480 board the drawings were made for.
    const double grow = Screen::pixelsPerTwip() * 15 * ratio;
    return {int(std::lround(builtinOwnSize_.width() * grow)), int(std::lround(builtinOwnSize_.height() * grow))};
}

QPixmap Image::picture() const {
    if (builtin_.isEmpty())
        return picture_;
    const QSize size = shownSize();
    if (size.isEmpty())
        return {};
    QPixmap shown = builtinPicture(builtin_, size);
    if (const double ratio = widget()->devicePixelRatioF(); ratio != 1.0)
        shown.setDevicePixelRatio(ratio);
    return shown;
}

void Image::setStretch(bool stretch) {
    stretch_ = stretch;
    widget()->update();
}

void Image::setDescription(const QString& description) { widget()->setAccessibleName(description); }

void Image::setOutline(const QColor& colour) {
    outline_ = colour;
    widget()->update();
}

} // namespace platform
