#include "platform/media/Recorder.h"

#include "platform/media/AudioSystem.h"

#include <algorithm>
#include <cstring>

namespace platform::media {
namespace {

// A recorder left running would eat memory without end; two minutes is far beyond any message.
constexpr size_t kMaxSamples = size_t{AudioSystem::sampleRate} * AudioSystem::channels * 120;
constexpr size_t kReservedSamples = size_t{AudioSystem::sampleRate} * AudioSystem::channels * 8;

} // namespace

Recorder::~Recorder() {
    stop();
}

bool Recorder::start() {
    if (isRecording())
        return false;
    SDL_AudioSpec wanted{};
    wanted.freq = AudioSystem::sampleRate;
    wanted.format = AUDIO_S16SYS;
    wanted.channels = AudioSystem::channels;
    wanted.samples = static_cast<Uint16>(AudioSystem::frameSize());
    wanted.callback = &Recorder::onCapture;
    wanted.userdata = this;
    SDL_AudioSpec obtained{};
    samples_.clear();
    samples_.reserve(kReservedSamples);
    // No changes allowed: SDL converts from whatever the hardware gives, and the saved file has a known format.
    device_ = SDL_OpenAudioDevice(nullptr, 1, &wanted, &obtained, 0);
    if (device_ == 0)
        return false;
    SDL_PauseAudioDevice(device_, 0);
    AudioSystem::captureStarted();
    return true;
}

bool Recorder::stop() {
    if (!isRecording())
        return false;
    // Closing waits for the capture thread, so no callback runs after this.
    SDL_CloseAudioDevice(device_);
    device_ = 0;
    AudioSystem::captureStopped();
    return true;
}

int64_t Recorder::frames() const {
    if (device_ != 0)
        SDL_LockAudioDevice(device_);
    const auto count = static_cast<int64_t>(samples_.size() / AudioSystem::channels);
    if (device_ != 0)
        SDL_UnlockAudioDevice(device_);
    return count;
}

void SDLCALL Recorder::onCapture(void* recorder, Uint8* stream, int length) {
    auto& samples = static_cast<Recorder*>(recorder)->samples_;
    const size_t room = kMaxSamples - std::min(kMaxSamples, samples.size());
    const size_t count = std::min(room, static_cast<size_t>(length) / sizeof(int16_t));
    const size_t oldSize = samples.size();
    samples.resize(oldSize + count);
    std::memcpy(samples.data() + oldSize, stream, count * sizeof(int16_t));
}

} // namespace platform::media
