#include "MediaFixtures.h"

#include "platform/media/AudioSystem.h"
#include "platform/media/MciDevice.h"

#include <QCoreApplication>
#include <QThread>

#include <memory>

using platform::media::AudioSystem;
using platform::media::MciDevice;

namespace media_test {
namespace {

class MciDeviceMusicTest : public AudioTest {
protected:
    std::unique_ptr<MciDevice> openTune() {
        EXPECT_TRUE(writeBytes(path("music1.mid"), oneNoteMidi()));
        auto device = std::make_unique<MciDevice>();
        device->setDeviceType(QStringLiteral("Sequencer"));
        device->setFileName(path("music1.mid"));
        EXPECT_TRUE(device->command(QStringLiteral("open")));
        QObject::connect(device.get(), &MciDevice::done, [this](int code) {
            codes_.push_back(code);
            onUiThread_ = QThread::currentThread() == QCoreApplication::instance()->thread();
        });
        return device;
    }
    std::vector<int> codes_;
    bool onUiThread_ = false;
};

TEST_F(MciDeviceMusicTest, ATunePlayedToItsEndReportsDoneOnTheUiThreadAndCanStartAgain) {
    auto device = openTune();
    ASSERT_TRUE(device->command(QStringLiteral("play")));
    EXPECT_TRUE(device->isPlaying());

    // FluidSynth lets the last note ring out and then waits: the end comes about 3 s after the note.
    ASSERT_TRUE(waitUntil([&] { return !codes_.empty(); }, 15000));
    EXPECT_EQ(codes_, std::vector<int>{1});
    EXPECT_TRUE(onUiThread_);
    EXPECT_FALSE(device->isPlaying());
    EXPECT_FALSE(device->atStart());
    EXPECT_FALSE(device->command(QStringLiteral("play"))) << "played again from the end";

    // "Keep Playing": seek, prev, play on the end of the tune.
    EXPECT_TRUE(device->command(QStringLiteral("seek")));
    EXPECT_TRUE(device->command(QStringLiteral("prev")));
    EXPECT_TRUE(device->command(QStringLiteral("play")));
    EXPECT_TRUE(device->isPlaying());
    EXPECT_EQ(device->playsStarted(), 2);
}

enum class Ending { Stop, Close, Destroy };

class MusicEndingTest : public MciDeviceMusicTest, public testing::WithParamInterface<Ending> {};

TEST_P(MusicEndingTest, EndingATuneEarlyReportsNoSuccessfulEnd) {
    auto device = openTune();
    ASSERT_TRUE(device->command(QStringLiteral("play")));
    spinFor(300);
    switch (GetParam()) {
    case Ending::Stop:
        EXPECT_TRUE(device->command(QStringLiteral("stop")));
        EXPECT_FALSE(device->isPlaying());
        break;
    case Ending::Close:
        EXPECT_TRUE(device->command(QStringLiteral("close")));
        EXPECT_FALSE(device->isPlaying());
        break;
    case Ending::Destroy:
        device.reset();
        break;
    }
    // Past the moment the tune would have ended by itself.
    spinFor(4500);
    EXPECT_TRUE(codes_.empty());
}

std::string endingName(const testing::TestParamInfo<Ending>& ending) {
    switch (ending.param) {
    case Ending::Stop:
        return "Stop";
    case Ending::Close:
        return "Close";
    case Ending::Destroy:
        return "Destroy";
    }
    return "Unknown";
}

INSTANTIATE_TEST_SUITE_P(Endings, MusicEndingTest, testing::Values(Ending::Stop, Ending::Close, Ending::Destroy),
                         endingName);

// A driver that does not exist stands for a machine without sound: everything stays silent, nothing breaks.
class NoAudioTest : public AudioTest {
protected:
    QByteArray driver() const override { return "no-such-driver"; }
};

TEST_F(NoAudioTest, EveryDeviceStaysClosedAndEveryCommandIsSilent) {
    EXPECT_FALSE(AudioSystem::acquire());
    EXPECT_FALSE(AudioSystem::available());
    AudioSystem::release();

    ASSERT_TRUE(writeWav(path("a.WAV"), sineSamples(0.2, 440, 8000)));
    ASSERT_TRUE(writeBytes(path("music1.mid"), oneNoteMidi()));
    for (const auto& [type, file] :
         {std::pair{"WaveAudio", "a.WAV"}, std::pair{"Sequencer", "music1.mid"}, std::pair{"WaveAudio", "voice.wav"}}) {
        MciDevice device;
        device.setDeviceType(QString::fromLatin1(type));
        device.setFileName(path(QString::fromLatin1(file)));
        for (const char* command : {"Open", "play", "prev", "record", "stop", "save", "seek", "close"})
            EXPECT_FALSE(device.command(QString::fromLatin1(command))) << type << " " << file << " " << command;
        EXPECT_FALSE(device.isOpen());
        EXPECT_FALSE(device.isRecording());
        EXPECT_EQ(device.playsStarted(), 0);
    }
    EXPECT_FALSE(QFile::exists(path("voice.wav")));
}

} // namespace
} // namespace media_test
