#include "platform/Line.h"

#include "platform/Screen.h"

#include <QPainter>
#include <QWidget>

namespace platform {

class Line::Surface : public QWidget {
public:
    Surface(Line& line, QWidget* parent) : QWidget(parent), line_(line) {
        setAttribute(Qt::WA_TransparentForMouseEvents);
    }

protected:
    void paintEvent(QPaintEvent*) override {
        QPainter p(this);
        p.setPen(QPen(toQColor(line_.color_), line_.width_, Qt::SolidLine, Qt::FlatCap));
        const QPoint origin = pos();
        const QPoint a(Screen::toPixels(line_.x1_), Screen::toPixels(line_.y1_));
        const QPoint b(Screen::toPixels(line_.x2_), Screen::toPixels(line_.y2_));
        p.drawLine(a - origin, b - origin);
    }

private:
    Line& line_;
};

Line::Line(Container* parent, int x1, int y1, int x2, int y2, OleColor color, int width)
    : Control(*parent, new Surface(*this, parent->client()), bounds(x1, y1, x2, y2, width)), x1_(x1), y1_(y1),
      x2_(x2), y2_(y2), color_(color), width_(std::max(1, width)) {}

TwipsRect Line::bounds(int x1, int y1, int x2, int y2, int width) {
    // The widget reaches a little past the ends so a thick or single-pixel line is never clipped.
    const int pad = Screen::toTwips(width) + 30;
    return {std::min(x1, x2) - pad, std::min(y1, y2) - pad, std::abs(x2 - x1) + 2 * pad, std::abs(y2 - y1) + 2 * pad};
}

void Line::setPoints(int x1, int y1, int x2, int y2) {
    x1_ = x1;
    y1_ = y1;
    x2_ = x2;
    y2_ = y2;
    move(bounds(x1, y1, x2, y2, width_));
    widget()->update();
}

void Line::setBorderColor(OleColor color) {
    color_ = color;
    widget()->update();
}

void Line::setBorderWidth(int pixels) {
    width_ = std::max(1, pixels);
    move(bounds(x1_, y1_, x2_, y2_, width_));
    widget()->update();
}

} // namespace platform
