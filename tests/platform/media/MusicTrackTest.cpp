// A tune lets its synthesiser (a whole soundfont in memory) go once it stops or ends, and still plays
// again whenever the child asks, even if its file has gone meanwhile.
#include "MediaFixtures.h"

#include "platform/media/AudioSystem.h"
#include "platform/media/MusicTrack.h"

#include <QElapsedTimer>
#include <QFile>

using platform::media::AudioSystem;
using platform::media::MusicTrack;

namespace media_test {
namespace {

enum class Ending { NaturalEnd, Stop };

class MusicTrackTest : public AudioTest, public testing::WithParamInterface<Ending> {
protected:
    void SetUp() override {
        AudioTest::SetUp();
        ASSERT_TRUE(AudioSystem::acquire());
        acquired_ = true;
        ASSERT_TRUE(writeBytes(path("music1.mid"), oneNoteMidi()));
        ASSERT_TRUE(track_.load(path("music1.mid")));
    }
    void TearDown() override {
        track_.unload();
        if (acquired_)
            AudioSystem::release();
        AudioTest::TearDown();
    }
    // Plays the tune and ends it the given way; returns whether it ended as expected.
    bool playAndEnd(Ending ending) {
        if (!track_.play() || !track_.isPlaying() || !track_.holdsSynth())
            return false;
        if (ending == Ending::Stop) {
            spinFor(300);
            return track_.stop();
        }
        const int before = naturalEnds_;
        return waitUntil([&] { return naturalEnds_ > before; }, 15000);
    }
    int naturalEnds_ = 0;
    MusicTrack track_{[this] { ++naturalEnds_; }};
    bool acquired_ = false;
};

TEST_P(MusicTrackTest, LetsItsSynthGoWhenItEndsAndStillPlaysAgain) {
    ASSERT_TRUE(playAndEnd(GetParam()));
    EXPECT_FALSE(track_.isPlaying());
    EXPECT_FALSE(track_.holdsSynth());
    EXPECT_TRUE(track_.isLoaded()) << "the device must stay open";

    // The file may be gone by the time the child asks again ("Keep Playing" rewinds, then plays).
    ASSERT_TRUE(QFile::remove(path("music1.mid")));
    ASSERT_TRUE(track_.rewind());
    EXPECT_TRUE(track_.atStart());
    ASSERT_TRUE(playAndEnd(GetParam())) << "the tune did not sound a second time";
    EXPECT_FALSE(track_.holdsSynth());
    if (GetParam() == Ending::NaturalEnd)
        EXPECT_EQ(naturalEnds_, 2);
    else
        EXPECT_EQ(naturalEnds_, 0) << "a stop reported an end";
}

// "Keep Playing" starts the tune again at its end: the end is the moment its last note has sounded,
// not FluidSynth's own report some seconds later, so no silence falls between two plays.
TEST_F(MusicTrackTest, EndsWhenItsLastNoteHasSounded) {
    QElapsedTimer sinceStart;
    ASSERT_TRUE(track_.play());
    sinceStart.start();
    ASSERT_TRUE(waitUntil([&] { return naturalEnds_ == 1; }, 15000));
    const qint64 ms = sinceStart.elapsed();
    EXPECT_GE(ms, 500) << "the end came before the tune's one note (half a second) was over";
    EXPECT_LT(ms, 1500) << "the end came long after the last note (FluidSynth alone takes over 3 s)";
    EXPECT_FALSE(track_.isPlaying());
    EXPECT_FALSE(track_.holdsSynth());
}

INSTANTIATE_TEST_SUITE_P(Endings, MusicTrackTest, testing::Values(Ending::NaturalEnd, Ending::Stop),
                         [](const testing::TestParamInfo<Ending>& ending) {
                             return ending.param == Ending::NaturalEnd ? "NaturalEnd" : "Stop";
                         });

} // namespace
} // namespace media_test
