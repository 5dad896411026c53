#pragma once

#include <QByteArray>
#include <QString>

#include <SDL_mixer.h>

#include <atomic>
#include <cstdint>
#include <functional>
#include <memory>
#include <optional>

namespace platform::media {

// A MIDI tune on SDL_mixer's single music stream. Reports a natural end (not a halt) on the UI thread.
// Through FluidSynth every loaded tune is a whole synthesiser with the soundfont in memory (about
// 15 MB): the tune lets it go when it stops or ends, and makes it again from the file's bytes to play.
class MusicTrack {
public:
    explicit MusicTrack(std::function<void()> onNaturalEnd);
    ~MusicTrack();
    MusicTrack(const MusicTrack&) = delete;
    MusicTrack& operator=(const MusicTrack&) = delete;

    bool load(const QString& path);
    void unload();
    bool isLoaded() const { return !midi_.isEmpty(); }
    // Whether the tune's synthesiser is in memory: from open or play until the tune stops or ends.
    bool holdsSynth() const { return music_ != nullptr; }

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
    void endAfterLastNote(double fromSeconds);
    bool makeSynth();
    void releaseSynth();
    void halt();

    QByteArray midi_; // the file as it was opened: a replay needs neither the file nor a new check
    std::unique_ptr<Mix_Music, MusicDeleter> music_;
    std::function<void()> onNaturalEnd_;
    uint64_t generation_ = 0; // the play this track started, 0 when none is running
    double positionSeconds_ = 0;
    bool followsPlayback_ = false;
    bool atEnd_ = false;
    uint64_t playStartTicks_ = 0;
    std::optional<double> lastNoteEnd_; // seconds, from the file; none when it cannot be read
    // How long the last note is let ring after it is released.
    static constexpr double lastNoteRingSeconds = 0.3;

    // The play whose end should be reported; 0 while halting, so a halt reports nothing. Read on the audio thread.
    static std::atomic<uint64_t> reportableGeneration;
    static uint64_t lastGeneration;
    static MusicTrack* current; // UI thread only
};

} // namespace platform::media
