#pragma once
// What the ChalkBoard's tools mean: the chalk widths with the marking of the current one, the
// backgrounds with the chalk and pointer they bring, and which teddy pointers fit a background.
#include "platform/Colors.h"

#include <QString>
#include <optional>

namespace creative {

enum class ChalkWidth { small, medium, large };

struct WidthChoice {
    int brush; // pixels
    platform::OleColor smallBack;
    platform::OleColor mediumBack;
    platform::OleColor largeBack;
};
// The chosen width's label turns white, the other two cyan.
WidthChoice widthChoice(ChalkWidth width);

enum class Background { black, white, lightBlue };

struct BackgroundChoice {
    QString backText; // the background colour as "&H" text, or empty where given as a colour
    platform::OleColor back;
    QString chalkText; // the chalk that stays visible on it, as "&H" text
    QString pointerFile;
};
BackgroundChoice backgroundChoice(Background background);

// Which teddy items of the "Pointer" menu the background allows; nullopt leaves an item as it was.
struct TeddyItems {
    std::optional<bool> lightEnabled;
    std::optional<bool> darkEnabled;
};
TeddyItems teddyItemsFor(platform::OleColor background);

} // namespace creative
