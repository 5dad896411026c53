// The start directory's sounds as the child hears them: played through the real mixer one by one on
// SDL's disk driver, so the chunk volume and the synthesizer's gain count as much as the files do.
#include "MediaFixtures.h"

#include "platform/media/MciDevice.h"

#include <QDir>

#include <cmath>
#include <map>

using platform::media::MciDevice;

namespace media_test {
namespace {

// Level in dBFS of the mixed output while something sounds: 20 ms windows more than 40 dB below full
// scale (the silence before and after the sound) do not count.
double soundingLevel(const std::vector<int16_t>& mixed) {
    constexpr size_t window = 44100 / 50 * 2;
    double sum = 0;
    size_t count = 0;
    for (size_t start = 0; start + window <= mixed.size(); start += window) {
        double energy = 0;
        for (size_t i = start; i < start + window; ++i)
            energy += double(mixed[i]) * mixed[i];
        if (energy / window > std::pow(32768.0 * 0.01, 2)) {
            sum += energy;
            count += window;
        }
    }
    return count == 0 ? -120.0 : 10 * std::log10(sum / count / (32768.0 * 32768.0));
}

class StartLevelsTest : public AudioTest {
protected:
    QByteArray driver() const override { return "disk"; }

    double levelOf(const QString& file, int listenMs) {
        const QString type = file.endsWith(".mid") ? QStringLiteral("Sequencer") : QStringLiteral("WaveAudio");
        {
            MciDevice device;
            device.setDeviceType(type);
            device.setFileName(QDir(PIPKIN_START_DIR).filePath(file));
            EXPECT_TRUE(device.command(QStringLiteral("Open"))) << file.toStdString();
            EXPECT_TRUE(device.command(QStringLiteral("play"))) << file.toStdString();
            spinFor(listenMs);
        } // the device gone closes the audio and flushes the output file
        return soundingLevel(readRawSamples(path("out.raw")));
    }
};

// A tune that drowns the letters, or a click that startles, makes the child turn the sound off: the
// spoken words and the effects sit within a few decibels of one another, the tunes a little under them.
TEST_F(StartLevelsTest, SpeechEffectsAndTunesAreAboutEquallyLoud) {
    double speech = 0;
    const QStringList words{"a.WAV", "m.WAV", "c5.WAV", "c8.WAV", "hi.WAV"};
    for (const QString& word : words)
        speech += levelOf(word, 900) / words.size();
    std::map<std::string, double> others;
    for (const char* file : {"dip.WAV", "ding.WAV", "music1.mid", "music2.mid", "music3.mid"})
        others[file] = levelOf(file, QString(file).endsWith(".mid") ? 4000 : 1200);
    for (const auto& [file, level] : others) {
        const std::string note = file + " at " + std::to_string(level) + " dBFS, the speech at " + std::to_string(speech);
        if (QString::fromStdString(file).endsWith(".mid")) {
            // A tune is background music: held under the speech, but still clearly heard.
            EXPECT_LE(level, speech + 1.0) << note;
            EXPECT_GE(level, speech - 10.0) << note;
        } else {
            EXPECT_NEAR(level, speech, 3.0) << note;
        }
    }
}

} // namespace
} // namespace media_test
