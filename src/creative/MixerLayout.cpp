#include "creative/MixerLayout.h"

#include <cmath>

namespace creative {
namespace {
constexpr int columnGap = 250;

int twips(double value) {
    return int(std::lround(value));
}

// The next colour column starts 250 twips right of the control before it.
int rightOf(const platform::TwipsRect& r) {
    return r.left + r.width + columnGap;
}
} // namespace

MixerPlaces mixerPlaces(int outerHeight, int innerWidth, int innerHeight) {
    const double h = outerHeight;
    const double w = innerWidth;
    const double s = innerHeight;
    const int columnWidth = twips(w / 12);
    MixerPlaces p;
    p.label4 = {180, twips(0.05 * h), twips(w / 3.5), twips(s / 3)};
    p.picture1 = {180, twips(0.25 * h), twips(w / 3.5), twips(s / 3)};
    p.vscroll1 = {rightOf(p.picture1), twips(0.15 * h), columnWidth, twips(s / 1.8)};
    p.vscroll2 = {rightOf(p.vscroll1), twips(0.15 * h), columnWidth, twips(s / 1.8)};
    p.vscroll3 = {rightOf(p.vscroll2), twips(0.15 * h), columnWidth, twips(s / 1.8)};
    p.label1 = {rightOf(p.picture1), twips(0.05 * h), columnWidth, twips(s / 18)};
    p.label2 = {rightOf(p.vscroll1), twips(0.05 * h), columnWidth, twips(s / 18)};
    p.label3 = {rightOf(p.vscroll2), twips(0.05 * h), columnWidth, twips(s / 18)};
    p.text1 = {rightOf(p.picture1), twips(0.68 * h), columnWidth, twips(s / 15)};
    p.text2 = {rightOf(p.vscroll1), twips(0.68 * h), columnWidth, twips(s / 15)};
    p.text3 = {rightOf(p.vscroll2), twips(0.68 * h), columnWidth, twips(s / 15)};
    return p;
}

bool namesFit(const platform::TwipsRect& label1) {
    return !(label1.height < 200 || label1.width < 355);
}

platform::OleColor mixedColour(int red, int green, int blue) {
    return platform::OleColor(red + 256 * green + 65536 * blue);
}

} // namespace creative
