// The sound bank: a click starts its sound at once, from the start every time, sounds of different
// devices overlap, and a sound really reaches the output.
#include "ClassroomFixture.h"

#include "abc/Form1.h"
#include "creative/Form2.h"
#include "shell/SoundBank.h"

#include <QByteArray>
#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <cstdlib>

TEST_F(ClassroomFixture, PlayFromStartTwicePlaysFromTheStartBothTimes) {
    platform::MediaDevice& b = room().form1().MMControl2;
    PlayFromStart(b);
    EXPECT_TRUE(b.isPlaying());
    EXPECT_TRUE(b.atStart()) << "ready to play from the start again while the sound goes on";
    PlayFromStart(b);
    EXPECT_EQ(b.playsStarted(), 2);
    EXPECT_TRUE(b.isPlaying());
}

TEST_F(ClassroomFixture, SoundsOfDifferentDevicesOverlap) {
    platform::MediaDevice& b = room().form1().MMControl2;
    platform::MediaDevice& ding = room().form2().MMControl1;
    PlayFromStart(b);
    PlayFromStart(ding);
    EXPECT_TRUE(b.isPlaying());
    EXPECT_TRUE(ding.isPlaying());
}

class HonoMissingFixture : public ClassroomFixture {
protected:
    bool wantsMediaFile(const QString& name) const override { return name != "hono.WAV"; }
};

TEST_F(HonoMissingFixture, OnlyTheClickSoundIsSilent) {
    EXPECT_FALSE(room().form1().MMControl42.isOpen());
    PlayFromStart(room().form1().MMControl42);
    EXPECT_EQ(room().form1().MMControl42.playsStarted(), 0);
    EXPECT_TRUE(room().form1().MMControl1.isOpen());
}

// SDL's disk driver writes what the mixer produced to a file: proof that a click made real sound.
class DiskAudioFixture : public ClassroomFixture {
protected:
    void SetUp() override {
        output_ = QDir::temp().filePath(QString("pipkin-disk-audio-%1.raw").arg(QCoreApplication::applicationPid()));
        QFile::remove(output_);
        setenv("SDL_AUDIODRIVER", "disk", 1);
        setenv("SDL_DISKAUDIOFILE", output_.toLocal8Bit().constData(), 1);
        ClassroomFixture::SetUp();
    }
    void TearDown() override {
        ClassroomFixture::TearDown();
        setenv("SDL_AUDIODRIVER", "dummy", 1);
        unsetenv("SDL_DISKAUDIOFILE");
        QFile::remove(output_);
    }
    // The loudest 16-bit sample in the output so far.
    int peak() const {
        QFile f(output_);
        if (!f.open(QIODevice::ReadOnly))
            return -1;
        const QByteArray raw = f.readAll();
        const auto* samples = reinterpret_cast<const qint16*>(raw.constData());
        int loudest = 0;
        for (qsizetype i = 0; i < raw.size() / 2; ++i)
            loudest = std::max(loudest, std::abs(int(samples[i])));
        return loudest;
    }
    QString output_;
};

TEST_F(DiskAudioFixture, PlayFromStartPutsSoundIntoTheOutput) {
    processEventsFor(150);
    EXPECT_EQ(peak(), 0) << "nothing plays before the click";
    PlayFromStart(room().form1().MMControl1);
    processEventsFor(500);
    EXPECT_GT(peak(), 1000);
}
