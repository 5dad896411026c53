// A tune file may hold anything. However dense or garbled, a tune never sounds louder than the
// loudest a spoken letter can be (a full-scale recording at the classroom's sound volume).
#include "MediaFixtures.h"

#include "platform/media/MciDevice.h"

#include <QRandomGenerator>

#include <memory>

using platform::media::MciDevice;

namespace media_test {
namespace {

QByteArray midiFile(QByteArray events) {
    events += QByteArray("\x00\xff\x2f\x00", 4);
    QByteArray file("MThd\x00\x00\x00\x06\x00\x00\x00\x01\x00\x60", 14);
    file += "MTrk";
    for (int shift = 24; shift >= 0; shift -= 8)
        file += char((events.size() >> shift) & 0xFF);
    return file + events;
}

// Sixteen instruments, forty notes each, all at full force at once, held two seconds.
QByteArray wallOfNotes() {
    const QByteArray now(1, '\0'); // no time since the event before
    QByteArray events;
    for (int channel = 0; channel < 16; ++channel) {
        events += now + char(0xC0 | channel) + char(channel * 7);
        events += now + char(0xB0 | channel) + char(7) + char(127);
    }
    for (int channel = 0; channel < 16; ++channel)
        for (int note = 40; note < 80; ++note)
            events += now + char(0x90 | channel) + char(note) + char(127);
    events += QByteArray("\x83\x60\x80\x3c\x00", 5);
    return midiFile(events);
}

// A sound header and track around random bytes.
QByteArray garbage() {
    QByteArray noise(6000, '\0');
    QRandomGenerator random(19);
    for (char& c : noise)
        c = char(random.bounded(256));
    return midiFile(noise);
}

struct Tune {
    const char* what;
    QByteArray (*make)();
    bool sounds; // garbage may as well be refused or silent
};

class LoudTuneTest : public AudioTest, public testing::WithParamInterface<Tune> {
protected:
    std::unique_ptr<MciDevice> open(const char* type, const QString& file) {
        auto device = std::make_unique<MciDevice>();
        device->setDeviceType(QString::fromLatin1(type));
        device->setFileName(path(file));
        EXPECT_TRUE(device->command(QStringLiteral("open"))) << file.toStdString();
        return device;
    }
};

TEST_P(LoudTuneTest, IsNeverLouderThanTheSpeech) {
    ASSERT_TRUE(writeWav(path("a.WAV"), sineSamples(0.3, 440, 32767)));
    auto letter = open("WaveAudio", QStringLiteral("a.WAV"));
    int speech = 0;
    {
        MixedOutput mixed;
        ASSERT_TRUE(letter->command(QStringLiteral("play")));
        ASSERT_TRUE(waitUntil([&] { return !letter->isPlaying(); }, 3000));
        spinFor(100);
        speech = mixed.loudest();
    }
    ASSERT_GT(speech, 8000) << "the letter was not heard";

    ASSERT_TRUE(writeBytes(path("music1.mid"), GetParam().make()));
    MciDevice tune;
    tune.setDeviceType(QStringLiteral("Sequencer"));
    tune.setFileName(path("music1.mid"));
    const bool opened = tune.command(QStringLiteral("open"));
    ASSERT_TRUE(opened || !GetParam().sounds);
    MixedOutput mixed;
    ASSERT_EQ(tune.command(QStringLiteral("play")), opened);
    spinFor(2500);
    tune.command(QStringLiteral("stop"));
    EXPECT_LE(mixed.loudest(), speech) << GetParam().what;
    if (GetParam().sounds) {
        EXPECT_GT(mixed.loudest(), speech / 4) << "the tune was not heard";
    }
}

INSTANTIATE_TEST_SUITE_P(Tunes, LoudTuneTest,
                         testing::Values(Tune{"a wall of notes", &wallOfNotes, true},
                                         Tune{"garbage", &garbage, false}));

} // namespace
} // namespace media_test
