#pragma once

#include <QString>

#include <SDL_mixer.h>

#include <cstdint>
#include <memory>

namespace platform::media {

// One WAV file held in memory and played on a free mixer channel, so that different clips overlap.
// Keeps its own position: "rewind" moves it back to the start without cutting off the sound being heard.
class SoundClip {
public:
    SoundClip() = default;
    ~SoundClip();
    SoundClip(const SoundClip&) = delete;
    SoundClip& operator=(const SoundClip&) = delete;

    bool load(const QString& path);
    void unload();
    bool isLoaded() const { return chunk_ != nullptr; }

    // Plays from the current position; a clip still sounding starts again from the start; at the end nothing.
    bool play();
    bool rewind();
    bool stop();
    bool isPlaying() const;
    bool atStart() const;

private:
    struct ChunkDeleter {
        void operator()(Mix_Chunk* chunk) const { Mix_FreeChunk(chunk); }
    };
    using ChunkPtr = std::unique_ptr<Mix_Chunk, ChunkDeleter>;

    int64_t lengthFrames() const;
    int64_t currentFrame() const;
    bool reachedEnd() const;
    bool startAt(int64_t frame);
    void halt();

    ChunkPtr chunk_;
    // The part of chunk_ after a stop in the middle; it borrows chunk_'s samples, so it goes first.
    ChunkPtr tail_;
    int channel_ = -1;
    int64_t position_ = 0;
    // Set from a play until rewind/stop: the position then moves with the sound.
    bool followsPlayback_ = false;
    int64_t playStartFrame_ = 0;
    uint64_t playStartTicks_ = 0;
};

} // namespace platform::media
