#include "platform/Screen.h"

#include <QFontDatabase>
#include <QGuiApplication>
#include <QScreen>
#include <algorithm>
#include <cmath>

namespace platform {
namespace {
std::optional<QSize> overridden;
int scaleGeneration = 0;
} // namespace

QSize Screen::pixels() {
    if (overridden)
        return *overridden;
    const QScreen* screen = QGuiApplication::primaryScreen();
    return screen ? screen->geometry().size() : QSize(designWidth / 15, designHeight / 15);
}

void Screen::overridePixels(std::optional<QSize> size) {
    overridden = size;
    ++scaleGeneration;
}

double Screen::pixelsPerTwip() {
    const QSize px = pixels();
    return std::min(double(px.width()) / designWidth, double(px.height()) / designHeight);
}

int Screen::toPixels(int twips) { return int(std::lround(twips * pixelsPerTwip())); }

int Screen::toTwips(int pixels) { return int(std::lround(pixels / pixelsPerTwip())); }

int Screen::width() { return toTwips(pixels().width()); }

int Screen::height() { return toTwips(pixels().height()); }

int Screen::fontPixels(double points) { return std::max(1, int(std::lround(points * 20 * pixelsPerTwip()))); }

int Screen::generation() { return scaleGeneration; }

void Screen::noteScreenChanged() { ++scaleGeneration; }

QStringList Screen::fonts() { return QFontDatabase::families(); }

} // namespace platform
