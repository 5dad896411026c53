#pragma once
#include <QString>

namespace platform {

// Left, top, width, height in twips of the board's design coordinates.
struct TwipsRect {
    int left = 0;
    int top = 0;
    int width = 0;
    int height = 0;
};

struct FontSpec {
    QString name = "MS Sans Serif";
    double size = 8.25;
    bool bold = false;
    bool italic = false;
};

// The two faces the boards' captions are written in, at a size in points.
inline FontSpec msSansSerif(double points) {
    return {"MS Sans Serif", points};
}
inline FontSpec arial(double points) {
    return {"Arial", points};
}

// Mouse pointers as the boards name them.
enum MousePointer : int { pointerDefault = 0, pointerCustom = 99 };

// Mouse buttons and shift state as the boards receive them.
enum MouseButton : int { buttonLeft = 1, buttonRight = 2, buttonMiddle = 4 };

} // namespace platform
