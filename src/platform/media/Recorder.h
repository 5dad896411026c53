#pragma once

#include <SDL.h>

#include <cstdint>
#include <vector>

namespace platform::media {

// Captures the default sound input with SDL2 in the mixer's own format (44.1 kHz, 16-bit, stereo), so a
// recording plays back without conversion.
class Recorder {
public:
    Recorder() = default;
    ~Recorder();
    Recorder(const Recorder&) = delete;
    Recorder& operator=(const Recorder&) = delete;

    // Starts a new recording, dropping the previous one. False when no capture device opens.
    bool start();
    bool stop();
    bool isRecording() const { return device_ != 0; }
    int64_t frames() const;
    // Interleaved samples of the last recording; only meaningful once stopped.
    const std::vector<int16_t>& samples() const { return samples_; }

private:
    static void SDLCALL onCapture(void* recorder, Uint8* stream, int length);

    SDL_AudioDeviceID device_ = 0;
    std::vector<int16_t> samples_; // filled on the capture thread while recording
};

} // namespace platform::media
