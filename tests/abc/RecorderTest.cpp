#include "AbcBoardFixture.h"

#include <QFile>
#include <QFileInfo>
#include <QTemporaryDir>

#include <cmath>
#include <cstdlib>
#include <numbers>
#include <vector>

namespace {

// 0.1 s of a 440 Hz tone, interleaved 16-bit stereo at 44.1 kHz, the channels different so a swap shows.
std::vector<int16_t> spokenInput() {
    std::vector<int16_t> samples;
    for (int i = 0; i < 4410; ++i) {
        const auto value = static_cast<int16_t>(9000 * std::sin(2 * std::numbers::pi * 440 * i / 44100));
        samples.push_back(value);
        samples.push_back(static_cast<int16_t>(-value / 2));
    }
    return samples;
}

// The classroom started on a chosen SDL audio driver: "disk" captures from a file and writes what it
// plays to another, a driver that does not exist stands for a machine without sound.
class AudioDriverFixture : public AbcBoardFixture {
protected:
    virtual const char* driver() const = 0;
    void SetUp() override {
        ASSERT_TRUE(audioDir_.isValid());
        ASSERT_TRUE(media_test::writeBytes(audioDir_.filePath("in.raw"),
                                           QByteArray(reinterpret_cast<const char*>(input_.data()),
                                                      static_cast<qsizetype>(input_.size() * sizeof(int16_t)))));
        // The audio system reads these when its first device opens, so they go before the classroom.
        setenv("SDL_AUDIODRIVER", driver(), 1);
        setenv("SDL_DISKAUDIOFILE", QFile::encodeName(audioDir_.filePath("out.raw")).constData(), 1);
        setenv("SDL_DISKAUDIOFILEIN", QFile::encodeName(audioDir_.filePath("in.raw")).constData(), 1);
        AbcBoardFixture::SetUp();
    }
    void TearDown() override {
        AbcBoardFixture::TearDown();
        setenv("SDL_AUDIODRIVER", "dummy", 1);
        unsetenv("SDL_DISKAUDIOFILE");
        unsetenv("SDL_DISKAUDIOFILEIN");
    }
    // The parent's "Allow Play and Record", then the child ticks the recorder switch.
    void showRecorderWithRecordButton() {
        board().Label5.setVisible(true);
        board().Check1.setVisible(true);
        board().Check1.click();
    }
    // Record, then the clock's first five ticks: the child sees "Talk" and counts to 5.
    void recordAndCountToFive() {
        board().MMControl27.pressRecord();
        EXPECT_EQ(board().Label1.caption(), "Talk");
        EXPECT_TRUE(board().Image1.pictureFile().endsWith("TEDBYE.ICO"));
        EXPECT_TRUE(board().Timer1.running());
        EXPECT_EQ(board().Timer1.interval(), 1000);
        for (int second = 1; second <= 5; ++second) {
            board().Timer1.fireNow();
            EXPECT_EQ(board().Label1.caption(), QString::number(second));
            EXPECT_EQ(board().counter, second);
            EXPECT_TRUE(board().Text1.hasFocus());
        }
    }

    QTemporaryDir audioDir_;
    std::vector<int16_t> input_ = spokenInput();
};

class DiskAudioTest : public AudioDriverFixture {
protected:
    const char* driver() const override { return "disk"; }
};

class NoSoundMachineTest : public AudioDriverFixture {
protected:
    const char* driver() const override { return "no-such-sound-card"; }
};

} // namespace

TEST_F(DiskAudioTest, RecordingCountsToFiveThenSavesWhatTheMicrophoneHeard) {
    const QString voice = startFile("voice.wav");
    ASSERT_FALSE(QFileInfo::exists(voice));
    showRecorderWithRecordButton();
    recordAndCountToFive();
    EXPECT_TRUE(board().MMControl27.isRecording());
    const auto wanted = static_cast<qint64>(input_.size() / 2 + 2205);
    ASSERT_TRUE(waitFor([&] { return board().MMControl27.device().recordedFrames() >= wanted; }, 5000));

    board().Timer1.fireNow();

    EXPECT_EQ(board().Label1.caption(), "Stop");
    EXPECT_EQ(board().counter, 0);
    EXPECT_FALSE(board().Timer1.running());
    EXPECT_FALSE(board().MMControl27.isRecording());
    EXPECT_TRUE(board().Text1.hasFocus());
    int channels = 0;
    const std::vector<int16_t> saved = media_test::readWav(voice, &channels);
    EXPECT_EQ(channels, 2);
    ASSERT_GE(saved.size(), input_.size());
    for (size_t i = 0; i < saved.size(); ++i) {
        const int16_t expected = i < input_.size() ? input_[i] : 0;
        ASSERT_EQ(saved[i], expected) << "sample " << i;
    }

    board().MMControl27.pressPlay();
    EXPECT_EQ(board().Label1.caption(), "Message");
    EXPECT_TRUE(board().Image1.pictureFile().endsWith("TEDBYE.ICO"));
    EXPECT_GE(board().MMControl27.playsStarted(), 1);
    EXPECT_TRUE(board().MMControl27.isPlaying());
    EXPECT_TRUE(board().Text1.hasFocus());
}

TEST_F(DiskAudioTest, PressingRecordAgainDoesNotRestartTheCount) {
    showRecorderWithRecordButton();
    board().MMControl27.pressRecord();
    board().Timer1.fireNow();
    board().Timer1.fireNow();
    board().MMControl27.pressRecord();
    EXPECT_EQ(board().Label1.caption(), "Talk");
    board().Timer1.fireNow();
    EXPECT_EQ(board().Label1.caption(), "3");
}

TEST_F(AbcBoardFixture, PlayingBeforeAnythingWasRecordedIsSilentAndHarmless) {
    ASSERT_FALSE(QFileInfo::exists(startFile("voice.wav")));
    board().Label10.setVisible(true); // the parent's "Allow Play Only"
    board().Check1.setVisible(true);
    board().Check1.click();
    ASSERT_TRUE(board().MMControl27.visible());
    EXPECT_FALSE(board().MMControl27.recordVisible());
    board().MMControl27.pressPlay();
    EXPECT_EQ(board().Label1.caption(), "Message");
    EXPECT_TRUE(board().Image1.pictureFile().endsWith("TEDBYE.ICO"));
    EXPECT_EQ(board().MMControl27.playsStarted(), 0);
    EXPECT_FALSE(QFileInfo::exists(startFile("voice.wav")));
    EXPECT_TRUE(board().Text1.hasFocus());
}

TEST_F(NoSoundMachineTest, EveryCaptionAndTeddyStillShowsWithoutSoundOrMicrophone) {
    board().B.click();
    EXPECT_EQ(board().Label1.caption(), "B b ");
    EXPECT_TRUE(board().Image1.pictureFile().endsWith("TEDDY.ICO"));
    EXPECT_EQ(board().MMControl2.playsStarted(), 0);
    board().Image1.click();
    EXPECT_EQ(board().Label1.caption(), "Hi ");
    EXPECT_TRUE(board().Image1.pictureFile().endsWith("TEDBYE.ICO"));
    board().Text1.type("7");
    EXPECT_EQ(board().Label1.caption(), "7");
    EXPECT_TRUE(board().Image1.pictureFile().endsWith("TEDDY.ICO"));

    board().Label7.click();
    EXPECT_EQ(board().Label1.caption(), "Music");
    EXPECT_TRUE(board().Image1.pictureFile().endsWith("TEDBYE.ICO"));
    board().Stopmusic.click();
    EXPECT_EQ(board().Label1.caption(), "Stop");
    EXPECT_TRUE(board().Image1.pictureFile().endsWith("TEDDY.ICO"));

    showRecorderWithRecordButton();
    recordAndCountToFive();
    board().Timer1.fireNow();
    EXPECT_EQ(board().Label1.caption(), "Stop");
    EXPECT_FALSE(board().Timer1.running());
    EXPECT_FALSE(QFileInfo::exists(startFile("voice.wav")));
}
