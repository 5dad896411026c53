#include "platform/Shape.h"

#include <QPainter>
#include <QWidget>

namespace platform {

class Shape::Surface : public QWidget {
public:
    Surface(Shape& shape, QWidget* parent) : QWidget(parent), shape_(shape) {
        setAttribute(Qt::WA_TransparentForMouseEvents); // shapes are drawings, not controls to click
    }

protected:
    void paintEvent(QPaintEvent*) override {
        QPainter p(this);
        p.setRenderHint(QPainter::Antialiasing);
        const int w = shape_.borderWidth_;
        QRectF r = QRectF(rect()).adjusted(w / 2.0, w / 2.0, -w / 2.0, -w / 2.0);
        const int kind = shape_.kind_;
        if (kind == square || kind == circle || kind == roundedSquare) {
            const qreal side = std::min(r.width(), r.height());
            r = QRectF(r.center().x() - side / 2, r.center().y() - side / 2, side, side);
        }
        p.setPen(QPen(toQColor(shape_.border_), w));
        p.setBrush(shape_.fillStyle_ == solid ? QBrush(toQColor(shape_.fill_)) : Qt::NoBrush);
        if (kind == oval || kind == circle)
            p.drawEllipse(r);
        else if (kind == roundedRectangle || kind == roundedSquare)
            p.drawRoundedRect(r, r.width() / 8, r.height() / 8);
        else
            p.drawRect(r);
    }

private:
    Shape& shape_;
};

Shape::Shape(Container* parent, const TwipsRect& rect, Kind kind)
    : Control(*parent, new Surface(*this, parent->client()), rect), kind_(kind) {}

void Shape::setShape(int kind) {
    kind_ = std::clamp(kind, 0, 5);
    widget()->update();
}

void Shape::setFillColor(OleColor color) {
    fill_ = color;
    widget()->update();
}

void Shape::setFillStyle(int style) {
    fillStyle_ = style;
    widget()->update();
}

void Shape::setBorderColor(OleColor color) {
    border_ = color;
    widget()->update();
}

void Shape::setBorderWidth(int pixels) {
    borderWidth_ = std::max(1, pixels);
    widget()->update();
}

} // namespace platform
