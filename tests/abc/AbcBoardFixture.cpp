#include "AbcBoardFixture.h"

#include "platform/Pictures.h"

int AbcBoardFixture::allPlaysStarted() {
    int plays = 0;
    for (const platform::MediaDevice* device : board().devices())
        plays += device->playsStarted();
    return plays;
}

void AbcBoardFixture::resetTeddy() {
    board().Image1.setPicture(platform::builtinPicture("teddy", {32, 32}));
}
