#include "creative/ShapeChoices.h"

namespace creative {
namespace {

struct ColourFiles {
    const char* word;
    const char* triangle;
    const char* diamond;
    const char* star;
};

// Tested in this order; the first word equal to the current colour names the file.
constexpr std::array<ColourFiles, 6> shapeFiles{{
    {"red", "trired.bmp", "diared.bmp", "strred.bmp"},
    {"green", "trigreen.bmp", "diagreen.bmp", "strgreen.bmp"},
    {"blue", "triblue.bmp", "diablue.bmp", "strblue.bmp"},
    {"yellow", "triyel.bmp", "diayel.bmp", "stryel.bmp"},
    {"orange", "triorg.bmp", "diaorg.bmp", "strorg.bmp"},
    {"purple", "tripurp.bmp", "diapurp.bmp", "strpurp.bmp"},
}};

} // namespace

const ColourButton& redButton() {
    static const ColourButton b{"red", "&H0000FF"};
    return b;
}
const ColourButton& greenButton() {
    static const ColourButton b{"green", "&H00FF00"};
    return b;
}
const ColourButton& blueButton() {
    static const ColourButton b{"blue", "&HFF0000"};
    return b;
}
const ColourButton& yellowButton() {
    static const ColourButton b{"yellow", "&H00FFFF"};
    return b;
}
const ColourButton& orangeButton() {
    static const ColourButton b{"orange", "&H0080FF"};
    return b;
}
const ColourButton& purpleButton() {
    static const ColourButton b{"purple", "&HFF00FF"};
    return b;
}

ShapeFlags flagsAfterChoosing(PictureShape shape) {
    switch (shape) {
    case PictureShape::triangle:
        return {2, 1, 1};
    case PictureShape::diamond:
        return {1, 2, 1};
    case PictureShape::star:
        return {1, 1, 2};
    }
    return {};
}

QString pictureFileName(PictureShape shape, const QString& colourWord) {
    for (const ColourFiles& row : shapeFiles) {
        if (colourWord != QLatin1String(row.word))
            continue;
        switch (shape) {
        case PictureShape::triangle:
            return row.triangle;
        case PictureShape::diamond:
            return row.diamond;
        case PictureShape::star:
            return row.star;
        }
    }
    return {};
}

} // namespace creative
