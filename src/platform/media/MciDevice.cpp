#include "platform/media/MciDevice.h"

#include "platform/media/ResolvePath.h"
#include "platform/media/WavWriter.h"

#include <array>
#include <utility>

namespace platform::media {

MciDevice::MciDevice(QObject* parent) : QObject(parent), track_([this] { Q_EMIT done(1); }) {}

MciDevice::~MciDevice() {
    close();
}

void MciDevice::setDeviceType(const QString& type) {
    if (type.compare(deviceType_, Qt::CaseInsensitive) == 0)
        return;
    // What is open was loaded for the old type.
    close();
    deviceType_ = type;
}

bool MciDevice::command(const QString& name) {
    using Command = bool (MciDevice::*)();
    static constexpr std::array<std::pair<const char*, Command>, 8> commands{{
        {"open", &MciDevice::open},
        {"close", &MciDevice::close},
        {"play", &MciDevice::play},
        {"prev", &MciDevice::rewind},
        {"seek", &MciDevice::rewind},
        {"stop", &MciDevice::stop},
        {"record", &MciDevice::record},
        {"save", &MciDevice::save},
    }};
    const QString wanted = name.trimmed();
    for (const auto& [commandName, run] : commands) {
        if (wanted.compare(QLatin1String(commandName), Qt::CaseInsensitive) == 0)
            return (this->*run)();
    }
    return false;
}

bool MciDevice::isPlaying() const {
    return isSequencer() ? track_.isPlaying() : clip_.isPlaying();
}

bool MciDevice::atStart() const {
    return isSequencer() ? track_.atStart() : clip_.atStart();
}

bool MciDevice::isSequencer() const {
    return deviceType_.compare(QLatin1String("Sequencer"), Qt::CaseInsensitive) == 0;
}

bool MciDevice::isWaveAudio() const {
    return deviceType_.compare(QLatin1String("WaveAudio"), Qt::CaseInsensitive) == 0;
}

bool MciDevice::open() {
    close();
    // The music device is opened at start-up with no file: that opens nothing.
    const QString path = resolveExistingPath(fileName_);
    if (path.isEmpty())
        return false;
    const bool loaded = isSequencer() ? track_.load(path) : isWaveAudio() && clip_.load(path);
    if (loaded)
        openedFile_ = path;
    return loaded;
}

bool MciDevice::close() {
    const bool wasActive = isOpen() || recorder_.isRecording();
    recorder_.stop();
    clip_.unload();
    track_.unload();
    openedFile_.clear();
    return wasActive;
}

bool MciDevice::play() {
    if (recorder_.isRecording())
        return false;
    const bool started = isSequencer() ? track_.play() : clip_.play();
    if (started)
        ++playsStarted_;
    return started;
}

bool MciDevice::rewind() {
    return isSequencer() ? track_.rewind() : clip_.rewind();
}

bool MciDevice::stop() {
    if (recorder_.stop())
        return true;
    return isSequencer() ? track_.stop() : clip_.stop();
}

// The recorder's file does not exist before the first recording, so its device could never open; a
// WaveAudio device with a file name therefore records even while closed, and "save" opens it.
bool MciDevice::record() {
    if (!isWaveAudio() || fileName_.trimmed().isEmpty() || recorder_.isRecording())
        return false;
    clip_.stop();
    return recorder_.start();
}

bool MciDevice::save() {
    if (!isWaveAudio() || fileName_.trimmed().isEmpty())
        return false;
    recorder_.stop();
    if (recorder_.frames() == 0)
        return false;
    const QString target = resolvePathForWriting(fileName_);
    if (!writeWavReplacing(target, recorder_.samples(), AudioSystem::channels, AudioSystem::sampleRate))
        return false;
    // Reload so that "play" plays the new recording.
    clip_.unload();
    openedFile_ = clip_.load(target) ? target : QString();
    return true;
}

} // namespace platform::media
