#include "MediaFixtures.h"

#include "platform/media/AudioSystem.h"

#include <QCoreApplication>
#include <QDeadlineTimer>
#include <QFile>
#include <QThread>

#include <sndfile.h>

#include <algorithm>
#include <cmath>
#include <cstdlib>
#include <cstring>
#include <numbers>

namespace media_test {

std::vector<int16_t> sineSamples(double seconds, double frequency, int16_t amplitude) {
    const int frames = static_cast<int>(seconds * 44100);
    std::vector<int16_t> samples;
    samples.reserve(static_cast<size_t>(frames) * 2);
    for (int i = 0; i < frames; ++i) {
        const auto value = static_cast<int16_t>(amplitude * std::sin(2 * std::numbers::pi * frequency * i / 44100));
        samples.push_back(value);
        samples.push_back(value);
    }
    return samples;
}

bool writeWav(const QString& path, const std::vector<int16_t>& samples) {
    SF_INFO info{};
    info.samplerate = 44100;
    info.channels = 2;
    info.format = SF_FORMAT_WAV | SF_FORMAT_PCM_16;
    SNDFILE* file = sf_open(QFile::encodeName(path).constData(), SFM_WRITE, &info);
    if (!file)
        return false;
    const auto frames = static_cast<sf_count_t>(samples.size() / 2);
    const bool complete = sf_writef_short(file, samples.data(), frames) == frames;
    return sf_close(file) == 0 && complete;
}

bool writeBytes(const QString& path, const QByteArray& bytes) {
    QFile file(path);
    return file.open(QIODevice::WriteOnly) && file.write(bytes) == bytes.size();
}

std::vector<int16_t> readWav(const QString& path, int* channels, int* sampleRate) {
    SF_INFO info{};
    SNDFILE* file = sf_open(QFile::encodeName(path).constData(), SFM_READ, &info);
    if (!file)
        return {};
    std::vector<int16_t> samples(static_cast<size_t>(info.frames * info.channels));
    const sf_count_t read = sf_readf_short(file, samples.data(), info.frames);
    sf_close(file);
    samples.resize(static_cast<size_t>(read * info.channels));
    if (channels)
        *channels = info.channels;
    if (sampleRate)
        *sampleRate = info.samplerate;
    return samples;
}

QByteArray readBytes(const QString& path) {
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

std::vector<int16_t> readRawSamples(const QString& path) {
    const QByteArray bytes = readBytes(path);
    std::vector<int16_t> samples(static_cast<size_t>(bytes.size()) / sizeof(int16_t));
    std::memcpy(samples.data(), bytes.constData(), samples.size() * sizeof(int16_t));
    return samples;
}

QByteArray corruptWav() {
    QByteArray bytes("RIFF\x24\x00\x00\x00WAVEfmt \x10\x00\x00\x00", 20);
    bytes.append(QByteArray(16, '\x7f'));
    bytes.append("data\xff\xff\xff\x7f", 8);
    return bytes;
}

QByteArray oneNoteMidi() {
    const unsigned char bytes[] = {
        'M',  'T',  'h',  'd',  0, 0, 0, 6,  0, 0, 0, 1, 0, 96, // format 0, one track, 96 ticks a beat
        'M',  'T',  'r',  'k',  0, 0, 0, 15,                    // the track: 15 bytes
        0x00, 0xC0, 0x00,                                       // piano
        0x00, 0x90, 0x3C, 0x64,                                 // middle C on
        0x60, 0x80, 0x3C, 0x40,                                 // off a beat (half a second) later
        0x00, 0xFF, 0x2F, 0x00,                                 // end of track
    };
    return QByteArray(reinterpret_cast<const char*>(bytes), sizeof bytes);
}

QByteArray oneLongNoteMidi() {
    const unsigned char bytes[] = {
        'M',  'T',  'h',  'd',  0, 0, 0, 6,  0, 0, 0, 1, 0, 96, // format 0, one track, 96 ticks a beat
        'M',  'T',  'r',  'k',  0, 0, 0, 16,                    // the track: 16 bytes
        0x00, 0xC0, 0x00,                                       // piano
        0x00, 0x90, 0x3C, 0x64,                                 // middle C on
        0x82, 0x20, 0x80, 0x3C, 0x40,                           // off three beats (1.5 s) later
        0x00, 0xFF, 0x2F, 0x00,                                 // end of track
    };
    return QByteArray(reinterpret_cast<const char*>(bytes), sizeof bytes);
}

QByteArray truncatedMidi() {
    QByteArray bytes = oneNoteMidi().left(22);
    bytes[18] = '\x7f'; // the track claims about 2 GB
    return bytes;
}

bool waitUntil(const std::function<bool()>& condition, int timeoutMs) {
    QDeadlineTimer deadline(timeoutMs);
    while (!condition()) {
        if (deadline.hasExpired())
            return false;
        QCoreApplication::processEvents(QEventLoop::AllEvents, 10);
        QThread::msleep(5);
    }
    return true;
}

void spinFor(int ms) {
    waitUntil([] { return false; }, ms);
}

void AudioTest::SetUp() {
    ASSERT_TRUE(dir_.isValid());
    // A device left over from an earlier test would keep the old driver running.
    ASSERT_FALSE(platform::media::AudioSystem::available());
    qputenv("SDL_AUDIODRIVER", driver());
    qputenv("SDL_DISKAUDIOFILE", QFile::encodeName(path("out.raw")));
    qputenv("SDL_DISKAUDIOFILEIN", QFile::encodeName(path("in.raw")));
}

void AudioTest::TearDown() {
    qputenv("SDL_AUDIODRIVER", "dummy");
}

MixedOutput::MixedOutput() {
    platform::media::AudioSystem::setPostMixObserver([this](const uint8_t* buffer, int length) {
        const auto* samples = reinterpret_cast<const int16_t*>(buffer);
        std::lock_guard lock(mutex_);
        samples_.insert(samples_.end(), samples, samples + length / 2);
    });
}

MixedOutput::~MixedOutput() {
    platform::media::AudioSystem::setPostMixObserver({});
}

std::vector<int16_t> MixedOutput::samples() {
    std::lock_guard lock(mutex_);
    return samples_;
}

int MixedOutput::loudest() {
    std::lock_guard lock(mutex_);
    int loudest = 0;
    for (const int16_t s : samples_)
        loudest = std::max(loudest, std::abs(int{s}));
    return loudest;
}

} // namespace media_test
