#pragma once

#include <QByteArray>
#include <QString>
#include <QTemporaryDir>

#include <gtest/gtest.h>

#include <cstdint>
#include <functional>
#include <mutex>
#include <vector>

namespace media_test {

// Interleaved stereo 16-bit samples of a sine at the mixer's rate.
std::vector<int16_t> sineSamples(double seconds, double frequency, int16_t amplitude);
// Writes a 44.1 kHz stereo PCM WAV with libsndfile; returns false on failure.
bool writeWav(const QString& path, const std::vector<int16_t>& samples);
bool writeBytes(const QString& path, const QByteArray& bytes);
std::vector<int16_t> readWav(const QString& path, int* channels = nullptr, int* sampleRate = nullptr);
std::vector<int16_t> readRawSamples(const QString& path);
QByteArray readBytes(const QString& path);

// A RIFF/WAVE header whose format chunk is nonsense.
QByteArray corruptWav();
// One piano note of half a second, format 0.
QByteArray oneNoteMidi();
// One note of a second and a half: a tune still sounding a while after it started.
QByteArray oneLongNoteMidi();
// A MIDI header followed by a track chunk that claims far more bytes than the file holds.
QByteArray truncatedMidi();

// Everything the mixer hands to the device, seen through the post-mix observer.
class MixedOutput {
public:
    MixedOutput();
    ~MixedOutput();
    MixedOutput(const MixedOutput&) = delete;
    MixedOutput& operator=(const MixedOutput&) = delete;
    std::vector<int16_t> samples();
    // The largest sample magnitude so far.
    int loudest();

private:
    std::mutex mutex_;
    std::vector<int16_t> samples_;
};

// Runs the event loop until the condition holds or the time is up; returns the condition.
bool waitUntil(const std::function<bool()>& condition, int timeoutMs);
// Runs the event loop for a while.
void spinFor(int ms);

// Chooses the SDL driver for one test, in a fresh temporary folder, before any device starts SDL.
class AudioTest : public testing::Test {
protected:
    void SetUp() override;
    void TearDown() override;
    virtual QByteArray driver() const { return "dummy"; }
    QString path(const QString& name) const { return dir_.filePath(name); }
    QTemporaryDir dir_;
};

} // namespace media_test
