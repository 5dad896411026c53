// When a tune's last note ends, read from the file itself: tempo changes, running status, several
// tracks, a RIFF wrapper, and bytes that are no tune.
#include "MediaFixtures.h"

#include "platform/media/MidiLength.h"

#include <gtest/gtest.h>

using platform::media::lastNoteEndSeconds;

namespace {

QByteArray bytes(std::initializer_list<int> values) {
    QByteArray out;
    for (const int v : values)
        out.append(char(v));
    return out;
}

QByteArray header(int tracks, int division) {
    return bytes({'M', 'T', 'h', 'd', 0, 0, 0, 6, 0, 1, 0, tracks, (division >> 8) & 0xFF, division & 0xFF});
}

QByteArray track(const QByteArray& events) {
    const int n = int(events.size());
    return bytes({'M', 'T', 'r', 'k', (n >> 24) & 0xFF, (n >> 16) & 0xFF, (n >> 8) & 0xFF, n & 0xFF}) + events;
}

const QByteArray endOfTrack = bytes({0x00, 0xFF, 0x2F, 0x00});

struct LengthCase {
    const char* name;
    QByteArray midi;
    double seconds;
};

void PrintTo(const LengthCase& c, std::ostream* os) { *os << c.name; }

class MidiLength : public testing::TestWithParam<LengthCase> {};

TEST_P(MidiLength, IsTheEndOfTheLastNote) {
    const std::optional<double> seconds = lastNoteEndSeconds(GetParam().midi);
    ASSERT_TRUE(seconds.has_value());
    EXPECT_NEAR(*seconds, GetParam().seconds, 1e-6);
}

INSTANTIATE_TEST_SUITE_P(
    Tunes, MidiLength,
    testing::Values(
        // One beat at the default 120 beats a minute.
        LengthCase{"OneNote", media_test::oneNoteMidi(), 0.5},
        // 60 beats a minute from the start: the same beat lasts a second.
        LengthCase{"SlowerTempo",
                   header(1, 96) + track(bytes({0x00, 0xFF, 0x51, 0x03, 0x0F, 0x42, 0x40, 0x00, 0x90, 60, 100, 0x60,
                                                0x80, 60, 64}) +
                                         endOfTrack),
                   1.0},
        // Running status, and a note-on of velocity 0 as the note-off; a controller after the last note.
        LengthCase{"RunningStatus",
                   header(1, 96) + track(bytes({0x00, 0x90, 60, 100, 0x30, 62, 100, 0x30, 60, 0, 0x30, 62, 0, 0x60,
                                                0xB0, 7, 100}) +
                                         endOfTrack),
                   0.75},
        // A tempo track and a note track; the tempo halves after the first beat.
        LengthCase{"TempoTrackAndTwoBeats",
                   header(2, 96) + track(bytes({0x60, 0xFF, 0x51, 0x03, 0x0F, 0x42, 0x40}) + endOfTrack) +
                       track(bytes({0x00, 0x90, 60, 100, 0x81, 0x40, 0x80, 60, 64}) + endOfTrack),
                   1.5},
        LengthCase{"InARiffWrapper",
                   QByteArray("RIFF\x20\x00\x00\x00RMIDdata\x16\x00\x00\x00", 20) + media_test::oneNoteMidi(), 0.5}),
    [](const testing::TestParamInfo<LengthCase>& param) { return std::string(param.param.name); });

TEST(MidiLengthOfBadBytes, IsNone) {
    EXPECT_FALSE(lastNoteEndSeconds({}).has_value());
    EXPECT_FALSE(lastNoteEndSeconds("not a tune at all").has_value());
    EXPECT_FALSE(lastNoteEndSeconds(media_test::truncatedMidi()).has_value());
    // A track that ends in the middle of an event.
    EXPECT_FALSE(lastNoteEndSeconds(header(1, 96) + track(bytes({0x00, 0x90, 60}))).has_value());
}

} // namespace
