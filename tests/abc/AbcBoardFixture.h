#pragma once
// The ABCs board in a fresh classroom, with the helpers its tests share.
#include "ClassroomFixture.h"

#include "abc/Form1.h"

#include <QByteArray>
#include <QString>
#include <functional>

class AbcBoardFixture : public ClassroomFixture {
protected:
    Form1& board() { return room().form1(); }
    // How many sounds the board's 42 devices have started so far.
    int allPlaysStarted();
    // Forgets the teddy's file, so the next picture shown is the one a step loaded.
    void resetTeddy();
    // Runs the event loop until the condition holds or the time is up; returns the condition.
    static bool waitUntil(const std::function<bool()>& condition, int timeoutMs);
    static bool writeFile(const QString& path, const QByteArray& bytes);
    // A format 0 MIDI file with one piano note of half a second: a short tune that ends by itself.
    static QByteArray oneNoteTune();
};
