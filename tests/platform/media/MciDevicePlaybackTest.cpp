#include "MediaFixtures.h"

#include "platform/media/MciDevice.h"

#include <algorithm>
#include <cstdlib>
#include <memory>

using platform::media::MciDevice;

namespace media_test {
namespace {

std::unique_ptr<MciDevice> openWav(const QString& path, double seconds) {
    EXPECT_TRUE(writeWav(path, sineSamples(seconds, 440, 16000)));
    auto device = std::make_unique<MciDevice>();
    device->setDeviceType(QStringLiteral("WaveAudio"));
    device->setFileName(path);
    EXPECT_TRUE(device->command(QStringLiteral("Open")));
    return device;
}

class MciDevicePlaybackTest : public AudioTest {};

TEST_F(MciDevicePlaybackTest, PrevAfterPlayKeepsTheSoundAndASecondPlayStartsItAgain) {
    auto device = openWav(path("b.WAV"), 2.0);
    ASSERT_TRUE(device->atStart());

    EXPECT_TRUE(device->command(QStringLiteral("play")));
    EXPECT_TRUE(device->command(QStringLiteral("prev")));
    EXPECT_TRUE(device->isPlaying()) << "prev cut off the sound";
    EXPECT_TRUE(device->atStart());
    EXPECT_EQ(device->playsStarted(), 1);

    // The same key clicked again while its sound still plays: heard from the start again.
    EXPECT_TRUE(device->command(QStringLiteral("play")));
    EXPECT_TRUE(device->command(QStringLiteral("prev")));
    EXPECT_TRUE(device->isPlaying());
    EXPECT_EQ(device->playsStarted(), 2);
}

TEST_F(MciDevicePlaybackTest, DifferentDevicesSoundAtTheSameTime) {
    auto first = openWav(path("a.WAV"), 2.0);
    auto second = openWav(path("hono.WAV"), 2.0);
    EXPECT_TRUE(first->command(QStringLiteral("play")));
    EXPECT_TRUE(second->command(QStringLiteral("play")));
    EXPECT_TRUE(first->isPlaying());
    EXPECT_TRUE(second->isPlaying());
}

TEST_F(MciDevicePlaybackTest, PlayAtTheEndDoesNothingUntilTheDeviceIsRewound) {
    auto device = openWav(path("dip.WAV"), 0.1);
    ASSERT_TRUE(device->command(QStringLiteral("play")));
    ASSERT_TRUE(waitUntil([&] { return !device->isPlaying(); }, 3000));
    EXPECT_FALSE(device->atStart());

    EXPECT_FALSE(device->command(QStringLiteral("play")));
    EXPECT_EQ(device->playsStarted(), 1);

    EXPECT_TRUE(device->command(QStringLiteral("seek")));
    EXPECT_TRUE(device->atStart());
    EXPECT_TRUE(device->command(QStringLiteral("play")));
    EXPECT_EQ(device->playsStarted(), 2);
}

TEST_F(MciDevicePlaybackTest, StopEndsTheSoundAtOnceAndPlayGoesOnFromThere) {
    auto device = openWav(path("ding.WAV"), 2.0);
    ASSERT_TRUE(device->command(QStringLiteral("play")));
    spinFor(100);
    EXPECT_TRUE(device->command(QStringLiteral("stop")));
    EXPECT_FALSE(device->isPlaying());
    EXPECT_FALSE(device->atStart());
    EXPECT_FALSE(device->command(QStringLiteral("stop")));

    EXPECT_TRUE(device->command(QStringLiteral("play")));
    EXPECT_TRUE(device->isPlaying());
}

TEST_F(MciDevicePlaybackTest, CloseSilencesAndANewFileReopens) {
    auto device = openWav(path("a.WAV"), 2.0);
    ASSERT_TRUE(writeWav(path("z.WAV"), sineSamples(0.2, 660, 8000)));
    ASSERT_TRUE(device->command(QStringLiteral("play")));
    EXPECT_TRUE(device->command(QStringLiteral("close")));
    EXPECT_FALSE(device->isPlaying());

    device->setFileName(path("Z.wav"));
    EXPECT_TRUE(device->command(QStringLiteral("open")));
    EXPECT_EQ(device->openedFile(), path("z.WAV"));
}

// The disk driver writes what was mixed to a file: proof that a play is really heard, and nothing else is.
class DiskOutputTest : public AudioTest, public testing::WithParamInterface<bool> {
protected:
    QByteArray driver() const override { return "disk"; }
};

TEST_P(DiskOutputTest, OnlyAPlayPutsSoundIntoTheOutput) {
    const bool play = GetParam();
    {
        auto device = openWav(path("a.WAV"), 0.3);
        if (play) {
            ASSERT_TRUE(device->command(QStringLiteral("play")));
        }
        spinFor(600);
    } // the last device gone closes the audio and flushes the file
    const std::vector<int16_t> mixed = readRawSamples(path("out.raw"));
    ASSERT_GT(mixed.size(), 44100u / 4) << "the disk driver wrote too little";
    const auto loudest = std::ranges::max(mixed, {}, [](int16_t s) { return std::abs(int{s}); });
    if (play) {
        EXPECT_GT(std::abs(int{loudest}), 2000);
    } else {
        EXPECT_EQ(loudest, 0);
    }
}

INSTANTIATE_TEST_SUITE_P(PlayOrNot, DiskOutputTest, testing::Bool(), [](const testing::TestParamInfo<bool>& caseInfo) {
    return caseInfo.param ? "Play" : "Silence";
});

} // namespace
} // namespace media_test
