#pragma once
// Colours travel as 0x00BBGGRR (red in the low byte); some boards write them as "&H" text in
// blue, green, red order ("&H0000FF" is red).
#include <QColor>
#include <QString>
#include <cstdint>
#include <optional>

namespace platform {

using OleColor = std::uint32_t;

constexpr OleColor rgb(int r, int g, int b) {
    return OleColor(r & 0xFF) | (OleColor(g & 0xFF) << 8) | (OleColor(b & 0xFF) << 16);
}
constexpr int redOf(OleColor c) { return int(c & 0xFF); }
constexpr int greenOf(OleColor c) { return int((c >> 8) & 0xFF); }
constexpr int blueOf(OleColor c) { return int((c >> 16) & 0xFF); }

QColor toQColor(OleColor c);
OleColor fromQColor(const QColor& c);
// "&H0000FF", "&HFF&", "&h8080FF" and plain decimal text; nullopt for anything else.
std::optional<OleColor> fromHexText(const QString& text);
QString toHexText(OleColor c);

namespace colors {
constexpr OleColor black = rgb(0, 0, 0);
constexpr OleColor white = rgb(255, 255, 255);
constexpr OleColor red = rgb(255, 0, 0);
constexpr OleColor green = rgb(0, 255, 0);
constexpr OleColor blue = rgb(0, 0, 255);
constexpr OleColor yellow = rgb(255, 255, 0);
constexpr OleColor cyan = rgb(0, 255, 255);
constexpr OleColor magenta = rgb(255, 0, 255);
constexpr OleColor lightRed = rgb(255, 128, 128);
constexpr OleColor paleRed = rgb(255, 192, 192);
constexpr OleColor buttonFace = rgb(192, 192, 192);
constexpr OleColor windowText = black;
} // namespace colors

} // namespace platform
