#pragma once

#include <QString>

#include <SDL_mixer.h>

#include <atomic>
#include <cstdint>
#include <functional>
#include <memory>

namespace platform::media {

// A MIDI tune on SDL_mixer's single music stream. Reports a natural end (not a halt) on the UI thread.
class MusicTrack {
public:
    explicit MusicTrack(std::function<void()> onNaturalEnd);
    ~MusicTrack();
    MusicTrack(const MusicTrack&) = delete;
    MusicTrack& operator=(const MusicTrack&) = delete;

    bool load(const QString& path);
    void unload();
    bool isLoaded() const { return music_ != nullptr; }

    // Plays from the current position; a tune still sounding starts again from the start; at the end nothing.
    bool play();
    bool rewind();
    bool stop();
    bool isPlaying() const;
    bool atStart() const;

private:
    struct MusicDeleter {
        void operator()(Mix_Music* music) const { Mix_FreeMusic(music); }
    };

    static void SDLCALL onMusicFinished();
    void finishedNaturally();
    double currentSeconds() const;
    bool reachedEnd() const;
    bool startAt(double seconds);
    void halt();

    std::unique_ptr<Mix_Music, MusicDeleter> music_;
    std::function<void()> onNaturalEnd_;
    uint64_t generation_ = 0; // the play this track started, 0 when none is running
    double positionSeconds_ = 0;
    bool followsPlayback_ = false;
    bool atEnd_ = false;
    uint64_t playStartTicks_ = 0;

    // The play whose end should be reported; 0 while halting, so a halt reports nothing. Read on the audio thread.
    static std::atomic<uint64_t> reportableGeneration;
    static uint64_t lastGeneration;
    static MusicTrack* current; // UI thread only
};

} // namespace platform::media
