#pragma once
// A straight line drawn on a board between two points (twips of the board).
#include "platform/Control.h"

namespace platform {

class Line : public Control {
public:
    Line(Container* parent, int x1, int y1, int x2, int y2, OleColor color = colors::black, int width = 1);
    int x1() const { return x1_; }
    int y1() const { return y1_; }
    int x2() const { return x2_; }
    int y2() const { return y2_; }
    void setPoints(int x1, int y1, int x2, int y2);
    OleColor borderColor() const { return color_; }
    void setBorderColor(OleColor color);
    void setBorderWidth(int pixels);

private:
    class Surface;
    static TwipsRect bounds(int x1, int y1, int x2, int y2, int width);
    int x1_, y1_, x2_, y2_;
    OleColor color_;
    int width_;
};

} // namespace platform
