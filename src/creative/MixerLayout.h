#pragma once
// The Custom Color window's proportional layout: every control's place from the window's size,
// and whether the colour names and level boxes still fit.
#include "platform/Colors.h"
#include "platform/Geometry.h"

namespace creative {

struct MixerPlaces {
    platform::TwipsRect label4, picture1;
    platform::TwipsRect vscroll1, vscroll2, vscroll3;
    platform::TwipsRect label1, label2, label3;
    platform::TwipsRect text1, text2, text3;
};

// outerHeight is the window's height with its frame; innerWidth and innerHeight its client area.
MixerPlaces mixerPlaces(int outerHeight, int innerWidth, int innerHeight);

// The names and boxes need a red label at least 355 twips wide and 200 high.
bool namesFit(const platform::TwipsRect& label1);

// The preview colour of three levels (0 to 255 each).
platform::OleColor mixedColour(int red, int green, int blue);

} // namespace creative
