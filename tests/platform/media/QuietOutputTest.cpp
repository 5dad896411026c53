#include "MediaFixtures.h"

#include "platform/media/AudioSystem.h"
#include "platform/media/MciDevice.h"

#include <algorithm>
#include <cstdlib>
#include <memory>
#include <mutex>

using platform::media::AudioSystem;
using platform::media::MciDevice;

namespace media_test {
namespace {

// Frames from the first sound to the last one, and the loudest sample.
struct Sounding {
    int64_t frames = 0;
    int loudest = 0;
};

Sounding sounding(const std::vector<int16_t>& samples) {
    const auto isSound = [](int16_t s) { return s != 0; };
    const auto first = std::ranges::find_if(samples, isSound);
    if (first == samples.end())
        return {};
    const auto last = std::ranges::find_if(samples.rbegin(), samples.rend(), isSound).base();
    const auto loudest = std::ranges::max(samples, {}, [](int16_t s) { return std::abs(int{s}); });
    return {(last - first + 1) / 2, std::abs(int{loudest})};
}

// The output closes after a short quiet spell here, so that no test waits seconds for it.
class QuietOutputTest : public AudioTest {
protected:
    void SetUp() override {
        AudioTest::SetUp();
        AudioSystem::setQuietDelay(std::chrono::milliseconds{60});
    }
    void TearDown() override {
        AudioSystem::setQuietDelay(usualDelay_);
        AudioTest::TearDown();
    }
    std::unique_ptr<MciDevice> openDevice(const char* type, const QString& file) {
        auto device = std::make_unique<MciDevice>();
        device->setDeviceType(QString::fromLatin1(type));
        device->setFileName(path(file));
        EXPECT_TRUE(device->command(QStringLiteral("open"))) << file.toStdString();
        return device;
    }
    std::unique_ptr<MciDevice> openSine(const QString& file, double seconds, int16_t amplitude = 16000) {
        EXPECT_TRUE(writeWav(path(file), sineSamples(seconds, 440, amplitude)));
        return openDevice("WaveAudio", file);
    }
    static bool restsSoon() {
        return waitUntil([] { return !AudioSystem::outputRunning(); }, 3000);
    }
    const std::chrono::milliseconds usualDelay_ = AudioSystem::quietDelay();
};

class QuietDiskOutputTest : public QuietOutputTest {
protected:
    QByteArray driver() const override { return "disk"; }
};

TEST_F(QuietDiskOutputTest, AClipPlayedAfterAQuietSpellIsHeardInFullOnTheSameDriver) {
    constexpr double seconds = 0.3;
    auto device = openSine("a.WAV", seconds);
    EXPECT_TRUE(AudioSystem::outputRunning());
    ASSERT_TRUE(restsSoon()) << "the output stayed open with nothing playing";

    // The driver is chosen once, when audio first comes up; a reopen keeps it.
    qputenv("SDL_AUDIODRIVER", "no-such-driver");
    MixedOutput mixed;
    ASSERT_TRUE(device->command(QStringLiteral("play")));
    EXPECT_TRUE(AudioSystem::outputRunning());
    EXPECT_TRUE(device->isPlaying());
    ASSERT_TRUE(waitUntil([&] { return !device->isPlaying(); }, 3000));
    EXPECT_TRUE(restsSoon());
    device.reset(); // the disk driver's file is complete once the audio is released

    // A reopen starts the disk driver's file afresh, so it holds just this clip: the whole of it, at the
    // clip volume (3/8 of the 16000 written).
    const int64_t clipFrames = static_cast<int64_t>(seconds * 44100);
    for (const auto& [where, samples] :
         {std::pair{"disk driver", readRawSamples(path("out.raw"))}, std::pair{"post-mix observer", mixed.samples()}}) {
        const Sounding heard = sounding(samples);
        EXPECT_NEAR(heard.frames, clipFrames, 2) << where;
        EXPECT_NEAR(heard.loudest, 6000, 10) << where;
    }
}

TEST_F(QuietDiskOutputTest, AReopenThatFailsLeavesTheClickSilentAndTheNextOneIsHeard) {
    auto clip = openSine("a.WAV", 0.5);
    ASSERT_TRUE(writeBytes(path("music1.mid"), oneNoteMidi()));
    auto tune = openDevice("Sequencer", QStringLiteral("music1.mid"));
    ASSERT_TRUE(restsSoon());

    // The disk driver cannot open its file in a folder that does not exist.
    qputenv("SDL_DISKAUDIOFILE", QFile::encodeName(path("gone/out.raw")));
    for (MciDevice* device : {clip.get(), tune.get()}) {
        EXPECT_FALSE(device->command(QStringLiteral("play"))) << device->deviceType().toStdString();
        EXPECT_FALSE(device->isPlaying());
        EXPECT_FALSE(device->command(QStringLiteral("stop")));
        EXPECT_EQ(device->playsStarted(), 0);
    }
    EXPECT_FALSE(AudioSystem::outputRunning());

    qputenv("SDL_DISKAUDIOFILE", QFile::encodeName(path("out.raw")));
    auto other = openSine("b.WAV", 0.5);
    for (MciDevice* device : {clip.get(), tune.get(), other.get()}) {
        EXPECT_TRUE(device->command(QStringLiteral("play"))) << device->fileName().toStdString();
    }
    // The sounds overlap, and the tune goes on beside them.
    EXPECT_TRUE(clip->isPlaying());
    EXPECT_TRUE(other->isPlaying());
    EXPECT_TRUE(tune->isPlaying());
}

class QuietMusicTest : public QuietOutputTest {};

TEST_F(QuietMusicTest, ATuneLoadedBeforeAQuietSpellPlaysAfterItToItsReportedEnd) {
    ASSERT_TRUE(writeBytes(path("music1.mid"), oneNoteMidi()));
    auto device = openDevice("Sequencer", QStringLiteral("music1.mid"));
    std::vector<int> codes;
    QObject::connect(device.get(), &MciDevice::done, [&codes](int code) { codes.push_back(code); });
    ASSERT_TRUE(restsSoon());

    MixedOutput mixed;
    ASSERT_TRUE(device->command(QStringLiteral("play")));
    EXPECT_TRUE(device->isPlaying());
    // FluidSynth rings out and waits after the note, about 3 s in all; the output must stay open meanwhile.
    ASSERT_TRUE(waitUntil([&] { return !codes.empty(); }, 15000));
    EXPECT_EQ(codes, std::vector<int>{1});
    EXPECT_GT(sounding(mixed.samples()).frames, 44100 / 4) << "the half-second note was not heard";
    ASSERT_TRUE(restsSoon());

    // A tune first loaded after a quiet spell (the MIDI player is opened afresh) loads and plays too.
    ASSERT_TRUE(writeBytes(path("music2.mid"), oneNoteMidi()));
    auto later = openDevice("Sequencer", QStringLiteral("music2.mid"));
    EXPECT_TRUE(later->command(QStringLiteral("play")));
    EXPECT_TRUE(later->isPlaying());
}

// Whatever is still going on keeps the output open, however long the quiet delay has passed; once stopped,
// it closes, and a play reopens it.
enum class Activity { LongClip, Tune, Recording };

class KeepsOutputOpenTest : public QuietOutputTest, public testing::WithParamInterface<Activity> {
protected:
    QByteArray driver() const override { return GetParam() == Activity::Recording ? "disk" : "dummy"; }
};

TEST_P(KeepsOutputOpenTest, ClosesOnlyOnceItEndsAndAPlayReopens) {
    std::unique_ptr<MciDevice> device;
    switch (GetParam()) {
    case Activity::LongClip:
        device = openSine("long.WAV", 1.5);
        ASSERT_TRUE(device->command(QStringLiteral("play")));
        break;
    case Activity::Tune:
        ASSERT_TRUE(writeBytes(path("music1.mid"), oneLongNoteMidi()));
        device = openDevice("Sequencer", QStringLiteral("music1.mid"));
        ASSERT_TRUE(device->command(QStringLiteral("play")));
        break;
    case Activity::Recording:
        ASSERT_TRUE(writeBytes(path("in.raw"), QByteArray(44100 * 4 * 3, '\0')));
        device = std::make_unique<MciDevice>();
        device->setFileName(path("voice.wav"));
        ASSERT_TRUE(device->command(QStringLiteral("record")));
        break;
    }
    spinFor(900);
    EXPECT_TRUE(device->isPlaying() || device->isRecording());
    EXPECT_TRUE(AudioSystem::outputRunning()) << "closed while still busy";

    device->command(QStringLiteral("stop"));
    ASSERT_TRUE(restsSoon());
    // A clip or tune stopped before the quiet spell goes on after it, on the reopened output.
    if (GetParam() != Activity::Recording) {
        EXPECT_TRUE(device->command(QStringLiteral("play")));
        EXPECT_TRUE(device->isPlaying());
        EXPECT_TRUE(AudioSystem::outputRunning());
    }
}

INSTANTIATE_TEST_SUITE_P(Activities, KeepsOutputOpenTest,
                         testing::Values(Activity::LongClip, Activity::Tune, Activity::Recording),
                         [](const testing::TestParamInfo<Activity>& caseInfo) {
                             switch (caseInfo.param) {
                             case Activity::LongClip:
                                 return "LongClip";
                             case Activity::Tune:
                                 return "Tune";
                             case Activity::Recording:
                                 return "Recording";
                             }
                             return "Unknown";
                         });

} // namespace
} // namespace media_test
