#include "creative/ChalkTables.h"

namespace creative {

using namespace platform;

WidthChoice widthChoice(ChalkWidth width) {
    switch (width) {
    case ChalkWidth::small:
        return {4, colors::white, colors::cyan, colors::cyan};
    case ChalkWidth::medium:
        return {8, colors::cyan, colors::white, colors::cyan};
    case ChalkWidth::large:
        return {15, colors::cyan, colors::cyan, colors::white};
    }
    return {8, colors::cyan, colors::white, colors::cyan};
}

BackgroundChoice backgroundChoice(Background background) {
    switch (background) {
    case Background::black:
        return {"&H000000", colors::black, "&HFFFFFF", "teddy2.cur"};
    case Background::white:
        return {"&HFFFFFF", colors::white, "&H000000", "teddy.cur"};
    case Background::lightBlue:
        return {{}, rgb(90, 192, 255), "&H000000", "teddy.cur"};
    }
    return {"&H000000", colors::black, "&HFFFFFF", "teddy2.cur"};
}

TeddyItems teddyItemsFor(OleColor background) {
    TeddyItems items;
    // The light teddy shows on the dark board and the dark teddy on the white one.
    if (background == *fromHexText("&H000000")) {
        items.darkEnabled = false;
        items.lightEnabled = true;
    }
    if (background == *fromHexText("&HFFFFFF")) {
        items.lightEnabled = false;
        items.darkEnabled = true;
    }
    return items;
}

} // namespace creative
