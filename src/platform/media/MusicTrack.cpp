#include "platform/media/MusicTrack.h"

#include "platform/media/AudioSystem.h"
#include "platform/media/MidiCheck.h"

#include <QFile>
#include <QMetaObject>
#include <QObject>

#include <SDL.h>

#include <utility>

namespace platform::media {

std::atomic<uint64_t> MusicTrack::reportableGeneration{0};
uint64_t MusicTrack::lastGeneration = 0;
MusicTrack* MusicTrack::current = nullptr;

MusicTrack::MusicTrack(std::function<void()> onNaturalEnd) : onNaturalEnd_(std::move(onNaturalEnd)) {}

MusicTrack::~MusicTrack() {
    unload();
}

bool MusicTrack::load(const QString& path) {
    unload();
    if (!isWellFormedMidiFile(path) || !AudioSystem::wakeOutput())
        return false;
    music_.reset(Mix_LoadMUS(QFile::encodeName(path).constData()));
    return music_ != nullptr;
}

void MusicTrack::unload() {
    halt();
    if (current == this)
        current = nullptr;
    music_.reset();
    positionSeconds_ = 0;
    followsPlayback_ = false;
    atEnd_ = false;
}

bool MusicTrack::play() {
    if (!music_)
        return false;
    if (isPlaying())
        return startAt(0);
    if (reachedEnd())
        return false;
    return startAt(positionSeconds_);
}

bool MusicTrack::rewind() {
    if (!music_)
        return false;
    positionSeconds_ = 0;
    followsPlayback_ = false;
    atEnd_ = false;
    return true;
}

bool MusicTrack::stop() {
    if (!isPlaying())
        return false;
    positionSeconds_ = currentSeconds();
    followsPlayback_ = false;
    halt();
    return true;
}

bool MusicTrack::isPlaying() const {
    return current == this && generation_ != 0 && Mix_PlayingMusic() != 0;
}

bool MusicTrack::atStart() const {
    return music_ && !followsPlayback_ && !atEnd_ && positionSeconds_ == 0;
}

double MusicTrack::currentSeconds() const {
    if (!followsPlayback_)
        return positionSeconds_;
    return static_cast<double>(SDL_GetTicks64() - playStartTicks_) / 1000.0;
}

// The end may be reached before its queued report arrives: a finished play counts as the end already.
bool MusicTrack::reachedEnd() const {
    return atEnd_ || (followsPlayback_ && !isPlaying());
}

bool MusicTrack::startAt(double seconds) {
    if (!AudioSystem::wakeOutput())
        return false;
    halt();
    Mix_HookMusicFinished(&MusicTrack::onMusicFinished);
    current = this;
    generation_ = ++lastGeneration;
    reportableGeneration.store(generation_);
    if (Mix_PlayMusic(music_.get(), 0) != 0) {
        reportableGeneration.store(0);
        generation_ = 0;
        return false;
    }
    // FluidSynth may not seek; the tune then plays from its start, which is the usual case anyway.
    if (seconds > 0)
        Mix_SetMusicPosition(seconds);
    followsPlayback_ = true;
    atEnd_ = false;
    playStartTicks_ = SDL_GetTicks64() - static_cast<uint64_t>(seconds * 1000.0);
    return true;
}

void MusicTrack::halt() {
    if (current != this || generation_ == 0)
        return;
    // Mix_HaltMusic calls the finished hook too (on this thread): clearing the generation first marks it a halt.
    reportableGeneration.store(0);
    generation_ = 0;
    Mix_HaltMusic();
}

void SDLCALL MusicTrack::onMusicFinished() {
    // Audio thread, with the mixer locked: only post, never touch a track that may be gone by now.
    const uint64_t finished = reportableGeneration.exchange(0);
    QObject* context = AudioSystem::uiThreadContext();
    if (finished == 0 || !context)
        return;
    QMetaObject::invokeMethod(
        context,
        [finished] {
            if (current && current->generation_ == finished)
                current->finishedNaturally();
        },
        Qt::QueuedConnection);
}

void MusicTrack::finishedNaturally() {
    generation_ = 0;
    if (followsPlayback_) {
        followsPlayback_ = false;
        atEnd_ = true;
    }
    if (onNaturalEnd_)
        onNaturalEnd_();
}

} // namespace platform::media
