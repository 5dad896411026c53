#pragma once
// Where the ABCs board's letter and number keys sit, their colours, and what a click on one shows.
#include "platform/Colors.h"
#include "platform/Geometry.h"

#include <QString>
#include <array>

namespace abc {

inline constexpr int keySide = 615;
inline constexpr int keyPitch = 840;

// The letters cycle through these colours from A on.
inline constexpr std::array<platform::OleColor, 5> letterColorCycle{platform::colors::green, platform::colors::yellow,
                                                                    platform::colors::cyan, platform::colors::red,
                                                                    platform::colors::magenta};

// The number keys 1 to 10 keep an order of their own.
inline constexpr std::array<platform::OleColor, 10> numberKeyColors{
    platform::colors::yellow, platform::colors::cyan,   platform::colors::red,  platform::colors::magenta,
    platform::colors::green,  platform::colors::yellow, platform::colors::cyan, platform::colors::red,
    platform::colors::yellow, platform::colors::green};

// index 0 is A; three rows of 9, 9 and 8 keys, the last row set in by half a key.
constexpr platform::TwipsRect letterKeyRect(int index) {
    if (index < 9)
        return {1080 + keyPitch * index, 1560, keySide, keySide};
    if (index < 18)
        return {1080 + keyPitch * (index - 9), 2400, keySide, keySide};
    return {1560 + keyPitch * (index - 18), 3240, keySide, keySide};
}

constexpr platform::OleColor letterKeyColor(int index) {
    return letterColorCycle[static_cast<size_t>(index % 5)];
}

// number 1 to 10, one row under the letters.
constexpr platform::TwipsRect numberKeyRect(int number) {
    return {720 + keyPitch * (number - 1), 4080, keySide, keySide};
}

constexpr platform::OleColor numberKeyColor(int number) {
    return numberKeyColors[static_cast<size_t>(number - 1)];
}

// What the big label shows after a click: "A a " for the letter key A, "7 " for the number key 7.
QString clickedLetterText(int index);
QString clickedNumberText(int number);

} // namespace abc
