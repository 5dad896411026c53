#pragma once
// A shape drawn on a board: rectangle, square, oval, circle, rounded rectangle or rounded square,
// filled or not, with a border.
#include "platform/Control.h"

namespace platform {

class Shape : public Control {
public:
    enum Kind : int { rectangle = 0, square = 1, oval = 2, circle = 3, roundedRectangle = 4, roundedSquare = 5 };
    enum FillStyle : int { solid = 0, transparent = 1 };

    Shape(Container* parent, const TwipsRect& rect, Kind kind = rectangle);
    int shape() const { return kind_; }
    void setShape(int kind);
    OleColor fillColor() const { return fill_; }
    void setFillColor(OleColor color);
    int fillStyle() const { return fillStyle_; }
    void setFillStyle(int style);
    OleColor borderColor() const { return border_; }
    void setBorderColor(OleColor color);
    void setBorderWidth(int pixels);

private:
    class Surface;
    int kind_;
    OleColor fill_ = colors::black;
    int fillStyle_ = transparent;
    OleColor border_ = colors::black;
    int borderWidth_ = 1;
};

} // namespace platform
