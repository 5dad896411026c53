#pragma once

#include <chrono>
#include <cstdint>
#include <functional>

class QObject;

namespace platform::media {

// Process-wide SDL audio: opened on first acquire, closed when the last user releases it.
// Every acquire() must be paired with one release(), whether or not playback came up.
//
// Between those, the mixer's output is closed after a quiet spell (nothing on any channel, no tune, no
// recording) and reopened by the next load or play: an open SDL output mixes a buffer every 12 ms even in
// silence, and pausing it does not stop that. Only the UI thread opens and closes it.
class AudioSystem {
public:
    static constexpr int sampleRate = 44100;
    static constexpr int channels = 2;
    static constexpr int bytesPerFrame = channels * 2;
    // The volume of every sound and of the tunes, of the mixer's 128: dozens of clips may sound at once
    // (a child hammering the keys), and full-scale ones would clip the mix.
    static constexpr int soundVolume = 128 * 3 / 8;
    // The loudest sample a tune may reach in the mix: three quarters of a full-scale sound's, so that
    // a tune stays under the spoken letters (recorded a little below full scale) however it is written.
    static constexpr int musicCeiling = 32767 * soundVolume / 128 * 3 / 4;

    static bool acquire();
    static void release();
    // Whether audio came up at the first acquire; stays true while the output rests after a quiet spell.
    static bool available();
    // Reopens the output if a quiet spell closed it, and counts as activity. Call before any load or play;
    // false when there is no audio or the output cannot be reopened (the sound is then simply not heard).
    static bool wakeOutput();
    // Whether the mixer's output (and its audio thread) is open right now.
    static bool outputRunning();
    // A recording keeps the output open: a recorder calls these around its capture.
    static void captureStarted();
    static void captureStopped();
    // How long everything must be silent before the output closes; tests shorten it.
    static void setQuietDelay(std::chrono::milliseconds delay);
    static std::chrono::milliseconds quietDelay();

    static int frameSize();
    // Called on the audio thread after each mix with the mixed buffer (for the benchmark).
    static void setPostMixObserver(std::function<void(const uint8_t*, int)> observer);

    // A QObject living on the thread that opened the audio; callbacks from the audio thread post
    // their results to it. Null while audio is released; it stays through quiet spells.
    static QObject* uiThreadContext();
};

} // namespace platform::media
