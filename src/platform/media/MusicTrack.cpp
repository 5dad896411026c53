#include "platform/media/MusicTrack.h"

#include "platform/media/AudioSystem.h"
#include "platform/media/MidiCheck.h"
#include "platform/media/MidiLength.h"

#include <QMetaObject>
#include <QObject>
#include <QTimer>

#include <SDL.h>

#include <algorithm>
#include <utility>

#ifdef __GLIBC__
#include <malloc.h>
#endif

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
    std::optional<QByteArray> tune = readWellFormedMidi(path);
    if (!tune || !AudioSystem::wakeOutput())
        return false;
    midi_ = std::move(*tune);
    lastNoteEnd_ = lastNoteEndSeconds(midi_);
    // Made here, so that a file FluidSynth refuses is refused at open; a play soon after uses it.
    if (!makeSynth()) {
        midi_.clear();
        return false;
    }
    return true;
}

void MusicTrack::unload() {
    halt();
    if (current == this)
        current = nullptr;
    releaseSynth();
    midi_.clear();
    positionSeconds_ = 0;
    followsPlayback_ = false;
    atEnd_ = false;
}

bool MusicTrack::play() {
    if (!isLoaded())
        return false;
    if (isPlaying())
        return startAt(0);
    if (reachedEnd())
        return false;
    return startAt(positionSeconds_);
}

bool MusicTrack::rewind() {
    if (!isLoaded())
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
    releaseSynth();
    return true;
}

bool MusicTrack::isPlaying() const {
    return current == this && generation_ != 0 && Mix_PlayingMusic() != 0;
}

bool MusicTrack::atStart() const {
    return isLoaded() && !followsPlayback_ && !atEnd_ && positionSeconds_ == 0;
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
    if (!music_ && !makeSynth())
        return false;
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
    endAfterLastNote(seconds);
    return true;
}

// The tune ends when its last note has sounded, a moment after it is let go: a tune played again and
// again then follows itself without a gap. Without a known length, FluidSynth's own late end stands.
void MusicTrack::endAfterLastNote(double fromSeconds) {
    QObject* context = AudioSystem::uiThreadContext();
    if (!lastNoteEnd_ || !context)
        return;
    const uint64_t play = generation_;
    const double left = std::max(0.0, *lastNoteEnd_ - fromSeconds) + lastNoteRingSeconds;
    QTimer::singleShot(int(left * 1000.0), context, [play] {
        if (current && current->generation_ == play) {
            current->halt();
            current->finishedNaturally();
        }
    });
}

bool MusicTrack::makeSynth() {
    if (!AudioSystem::available())
        return false;
    SDL_RWops* bytes = SDL_RWFromConstMem(midi_.constData(), static_cast<int>(midi_.size()));
    music_.reset(bytes ? Mix_LoadMUS_RW(bytes, 1) : nullptr);
    return music_ != nullptr;
}

// Only a tune that is not sounding lets its synthesiser go; freeing the music SDL_mixer is playing would halt it.
void MusicTrack::releaseSynth() {
    if (!music_ || (current == this && generation_ != 0))
        return;
    music_.reset();
#ifdef __GLIBC__
    // The soundfont is some 20,000 small blocks among the toolkit's own, so its freed pages sit in the
    // middle of the heap, where malloc never gives them back by itself: about 15 MB kept for good.
    malloc_trim(0);
#endif
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
    releaseSynth();
    if (followsPlayback_) {
        followsPlayback_ = false;
        atEnd_ = true;
    }
    if (onNaturalEnd_)
        onNaturalEnd_();
}

} // namespace platform::media
