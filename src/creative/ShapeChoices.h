#pragma once
// What the Colors & Shapes board's buttons mean: the colour words with their fill values, the
// geometric shape codes, the picture shapes with their flags and the shape picture files.
#include <QString>
#include <array>
#include <cstdint>

namespace creative {

struct ColourButton {
    QString word;     // the colour word kept in cc
    QString fillText; // the fill value as "&H" text in blue, green, red order
};

// Red, Green, Blue, Yellow, White (which shows "Orange"), Purple.
const ColourButton& redButton();
const ColourButton& greenButton();
const ColourButton& blueButton();
const ColourButton& yellowButton();
const ColourButton& orangeButton();
const ColourButton& purpleButton();

enum class PictureShape { triangle, diamond, star };

// The flags tri, dia and str a picture shape choice leaves: 2 for the chosen shape, 1 for the others.
struct ShapeFlags {
    int16_t tri = 0;
    int16_t dia = 0;
    int16_t str = 0;
};
ShapeFlags flagsAfterChoosing(PictureShape shape);

// The shape picture of that colour word, e.g. "trired.bmp"; empty for a word no button gives.
QString pictureFileName(PictureShape shape, const QString& colourWord);

} // namespace creative
