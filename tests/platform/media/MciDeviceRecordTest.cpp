#include "MediaFixtures.h"

#include "platform/media/MciDevice.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>

#include <sys/resource.h>
#include <sys/stat.h>

using platform::media::MciDevice;

namespace media_test {
namespace {

// The disk driver's capture reads SDL_DISKAUDIOFILEIN raw in the format the recorder opens (44.1 kHz, 16-bit
// stereo), so the saved recording can be compared with it sample for sample.
class MciDeviceRecordTest : public AudioTest {
protected:
    QByteArray driver() const override { return "disk"; }
    void SetUp() override {
        AudioTest::SetUp();
        qputenv("SDL_DISKAUDIOFILE", "/dev/null");
        for (size_t i = 0; i < input_.size(); i += 2)
            input_[i + 1] = static_cast<int16_t>(-input_[i] / 2); // the channels differ, so a swap shows
        ASSERT_TRUE(writeBytes(path("in.raw"), QByteArray(reinterpret_cast<const char*>(input_.data()),
                                                          static_cast<qsizetype>(input_.size() * 2))));
    }

    // Records a little more than the input holds; the disk driver pads the rest with silence.
    void recordAll(MciDevice& device) {
        ASSERT_TRUE(device.command(QStringLiteral("prev")) || !device.isOpen());
        ASSERT_TRUE(device.command(QStringLiteral("record")));
        EXPECT_TRUE(device.isRecording());
        const auto wanted = static_cast<qint64>(input_.size() / 2 + 4410);
        ASSERT_TRUE(waitUntil([&] { return device.recordedFrames() >= wanted; }, 5000));
        EXPECT_TRUE(device.command(QStringLiteral("stop")));
        EXPECT_FALSE(device.isRecording());
    }

    std::vector<int16_t> input_ = sineSamples(0.3, 300, 12000);
};

TEST_F(MciDeviceRecordTest, RecordingIntoAFileNotYetThereIsSavedExactlyAndPlaysBack) {
    MciDevice device;
    device.setDeviceType(QStringLiteral("WaveAudio"));
    device.setFileName(dir_.path() + QStringLiteral("\\voice.wav"));
    EXPECT_FALSE(device.command(QStringLiteral("Open"))); // no recording yet
    recordAll(device);

    ASSERT_TRUE(device.command(QStringLiteral("save")));
    EXPECT_TRUE(device.isOpen());
    EXPECT_EQ(device.openedFile(), path("voice.wav"));
    int channels = 0;
    int rate = 0;
    const std::vector<int16_t> saved = readWav(path("voice.wav"), &channels, &rate);
    EXPECT_EQ(channels, 2);
    EXPECT_EQ(rate, 44100);
    ASSERT_EQ(static_cast<qint64>(saved.size()), device.recordedFrames() * 2);
    ASSERT_GE(saved.size(), input_.size());
    for (size_t i = 0; i < saved.size(); ++i) {
        const int16_t expected = i < input_.size() ? input_[i] : 0;
        ASSERT_EQ(saved[i], expected) << "sample " << i;
    }
    EXPECT_EQ(QDir(dir_.path()).entryList(QDir::Files | QDir::Hidden).size(), 2) << "a temporary file was left";

    EXPECT_TRUE(device.command(QStringLiteral("prev")));
    EXPECT_TRUE(device.command(QStringLiteral("play")));
    EXPECT_TRUE(device.isPlaying());
}

// The same rule as the letter and the picture: the recording replaces the name in the start folder
// and never writes through a link to a file elsewhere.
TEST_F(MciDeviceRecordTest, SavingOverALinkReplacesTheLinkAndLeavesItsTarget) {
    ASSERT_TRUE(writeBytes(path("elsewhere.wav"), "kept"));
    ASSERT_TRUE(QFile::link(path("elsewhere.wav"), path("voice.wav")));
    MciDevice device;
    device.setDeviceType(QStringLiteral("WaveAudio"));
    device.setFileName(path("voice.wav"));
    recordAll(device);
    ASSERT_TRUE(device.command(QStringLiteral("save")));
    EXPECT_EQ(readBytes(path("elsewhere.wav")), "kept");
    EXPECT_FALSE(QFileInfo(path("voice.wav")).isSymLink());
    EXPECT_FALSE(readWav(path("voice.wav")).empty());
}

enum class Failure { ReadOnlyFolder, FileSizeLimit };

class FailedSaveTest : public MciDeviceRecordTest, public testing::WithParamInterface<Failure> {
protected:
    // Returns false (and the test skips) when the failure cannot be arranged, e.g. root ignores permissions.
    bool arrange(Failure failure) {
        if (failure == Failure::ReadOnlyFolder) {
            chmod(QFile::encodeName(dir_.path()).constData(), 0555);
            QFile probe(path("probe"));
            const bool writable = probe.open(QIODevice::WriteOnly);
            probe.remove();
            return !writable;
        }
        getrlimit(RLIMIT_FSIZE, &oldLimit_);
        rlimit small = oldLimit_;
        small.rlim_cur = 4096;
        return setrlimit(RLIMIT_FSIZE, &small) == 0;
    }
    void restore(Failure failure) {
        if (failure == Failure::ReadOnlyFolder)
            chmod(QFile::encodeName(dir_.path()).constData(), 0700);
        else
            setrlimit(RLIMIT_FSIZE, &oldLimit_);
    }
    rlimit oldLimit_{};
};

TEST_P(FailedSaveTest, LeavesTheOldRecordingWholeAndReportsNoEffect) {
    ASSERT_TRUE(writeWav(path("voice.wav"), sineSamples(0.1, 500, 9000)));
    const QByteArray before = readBytes(path("voice.wav"));
    const QStringList filesBefore = QDir(dir_.path()).entryList(QDir::Files | QDir::Hidden);
    MciDevice device;
    device.setFileName(path("voice.wav"));
    ASSERT_TRUE(device.command(QStringLiteral("open")));
    recordAll(device);

    const bool arranged = arrange(GetParam());
    const bool saved = arranged && device.command(QStringLiteral("save"));
    restore(GetParam());
    if (!arranged)
        GTEST_SKIP() << "this failure cannot be arranged here (running as root?)";

    EXPECT_FALSE(saved);
    EXPECT_EQ(readBytes(path("voice.wav")), before);
    EXPECT_EQ(QDir(dir_.path()).entryList(QDir::Files | QDir::Hidden), filesBefore) << "a temporary file was left";
    EXPECT_TRUE(device.isOpen());
    EXPECT_TRUE(device.command(QStringLiteral("play")));
}

INSTANTIATE_TEST_SUITE_P(Failures, FailedSaveTest, testing::Values(Failure::ReadOnlyFolder, Failure::FileSizeLimit),
                         [](const testing::TestParamInfo<Failure>& caseInfo) {
                             return caseInfo.param == Failure::ReadOnlyFolder ? "ReadOnlyFolder" : "DiskFull";
                         });

} // namespace
} // namespace media_test
