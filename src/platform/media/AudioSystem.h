#pragma once

#include <cstdint>
#include <functional>

class QObject;

namespace platform::media {

// Process-wide SDL audio: opened on first acquire, closed when the last user releases it.
// Every acquire() must be paired with one release(), whether or not playback came up.
class AudioSystem {
public:
    static constexpr int sampleRate = 44100;
    static constexpr int channels = 2;
    static constexpr int bytesPerFrame = channels * 2;

    static bool acquire();
    static void release();
    static bool available();
    static int frameSize();
    // Called on the audio thread after each mix with the mixed buffer (for the benchmark).
    static void setPostMixObserver(std::function<void(const uint8_t*, int)> observer);

    // A QObject living on the thread that opened the audio; callbacks from the audio thread post
    // their results to it. Null while audio is closed.
    static QObject* uiThreadContext();
};

} // namespace platform::media
