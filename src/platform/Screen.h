#pragma once
// Twips to pixels: one scale per screen, chosen so a 9600 x 7200 twips design area fits the screen,
// so the boards look the same on 1024 x 768 and on 4K.
#include <QSize>
#include <QStringList>
#include <optional>

namespace platform {

class Screen {
public:
    static constexpr int designWidth = 9600;
    static constexpr int designHeight = 7200;

    static QSize pixels();
    // Tests try several screen sizes without several X servers.
    static void overridePixels(std::optional<QSize> size);
    static double pixelsPerTwip();
    static int toPixels(int twips);
    static int toTwips(int pixels);
    static int width();  // twips
    static int height(); // twips
    // Font sizes scale with the boards; a point is 20 twips.
    static int fontPixels(double points);
    // Changes whenever the scale may have changed, so containers know to lay out again.
    static int generation();
    // The real screen changed size (a new monitor, xrandr): the scale follows it.
    static void noteScreenChanged();
    static QStringList fonts();
};

} // namespace platform
