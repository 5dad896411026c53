#pragma once
// The ABCs board in a fresh classroom, with the helpers its tests share.
#include "ClassroomFixture.h"

#include "MediaFixtures.h"
#include "abc/Form1.h"

class AbcBoardFixture : public ClassroomFixture {
protected:
    Form1& board() { return room().form1(); }
    // How many sounds the board's 42 devices have started so far.
    int allPlaysStarted();
    // Forgets the teddy's file, so the next picture shown is the one a step loaded.
    void resetTeddy();
};
