#pragma once
// A tune file may hold anything: hundreds of notes at once at full force, or garbage that FluidSynth
// plays as a burst. While a tune sounds, the mixed output is held to the loudness of a spoken letter,
// so no tune, however written, is louder than the speech.
#include <cstddef>
#include <cstdint>

namespace platform::media {

class MusicLimiter {
public:
    // ceiling: the largest sample a spoken letter can reach in the mix.
    explicit MusicLimiter(int ceiling) : ceiling_(ceiling) {}
    // Scales one mixed buffer in place so that no sample passes the ceiling. The gain falls at once
    // for a loud buffer and comes back slowly, so a loud passage is turned down, not chopped.
    void process(int16_t* samples, size_t count);
    // Lets the gain come back fully (no tune sounds any more).
    void reset() { gain_ = 1.0f; }
    float gain() const { return gain_; }

private:
    int ceiling_;
    float gain_ = 1.0f;
};

} // namespace platform::media
