#include "platform/media/SoundClip.h"

#include "platform/media/AudioSystem.h"
#include "platform/media/SafeFiles.h"

#include <SDL.h>

#include <algorithm>

namespace platform::media {
namespace {

constexpr int kChunkVolume = AudioSystem::soundVolume;
// Several minutes of sound; the recorder's own file is at most two.
constexpr qint64 kLargestClip = 64 * 1024 * 1024;

} // namespace

SoundClip::~SoundClip() {
    unload();
}

bool SoundClip::load(const QString& path) {
    unload();
    // The mixer converts a file to the open device's format, so loading needs the output running.
    if (!AudioSystem::wakeOutput())
        return false;
    // Read here, not by the mixer from the path: only a regular file that the disk gives up in time.
    const FileRead file = readRegularFile(path, kLargestClip);
    if (!file.ok())
        return false;
    SDL_RWops* bytes = SDL_RWFromConstMem(file.bytes.constData(), static_cast<int>(file.bytes.size()));
    chunk_.reset(bytes ? Mix_LoadWAV_RW(bytes, 1) : nullptr);
    if (!chunk_)
        return false;
    Mix_VolumeChunk(chunk_.get(), kChunkVolume);
    return true;
}

void SoundClip::unload() {
    halt();
    tail_.reset();
    chunk_.reset();
    position_ = 0;
    followsPlayback_ = false;
}

bool SoundClip::play() {
    if (!chunk_)
        return false;
    if (isPlaying())
        return startAt(0);
    if (reachedEnd())
        return false;
    return startAt(position_);
}

bool SoundClip::rewind() {
    if (!chunk_)
        return false;
    position_ = 0;
    followsPlayback_ = false;
    return true;
}

bool SoundClip::stop() {
    if (!isPlaying())
        return false;
    position_ = currentFrame();
    followsPlayback_ = false;
    halt();
    return true;
}

bool SoundClip::isPlaying() const {
    // After a quiet spell the mixer's channels are gone (asking about one then would crash): nothing plays.
    if (channel_ < 0 || !chunk_ || !AudioSystem::outputRunning() || Mix_Playing(channel_) == 0)
        return false;
    // The channel may have finished and been taken by another device's clip.
    const Mix_Chunk* onChannel = Mix_GetChunk(channel_);
    return onChannel == chunk_.get() || (tail_ && onChannel == tail_.get());
}

bool SoundClip::atStart() const {
    return chunk_ && !followsPlayback_ && position_ == 0;
}

int64_t SoundClip::lengthFrames() const {
    return chunk_ ? chunk_->alen / AudioSystem::bytesPerFrame : 0;
}

int64_t SoundClip::currentFrame() const {
    if (!followsPlayback_)
        return position_;
    if (!isPlaying())
        return lengthFrames();
    // The mixer does not report a channel's position; the clock is close enough for resuming after a stop.
    const auto elapsedMs = static_cast<int64_t>(SDL_GetTicks64() - playStartTicks_);
    return std::min(lengthFrames(), playStartFrame_ + elapsedMs * AudioSystem::sampleRate / 1000);
}

bool SoundClip::reachedEnd() const {
    return currentFrame() >= lengthFrames();
}

bool SoundClip::startAt(int64_t frame) {
    if (!AudioSystem::wakeOutput())
        return false;
    halt();
    tail_.reset();
    Mix_Chunk* toPlay = chunk_.get();
    if (frame > 0) {
        const auto offset = static_cast<Uint32>(frame * AudioSystem::bytesPerFrame);
        tail_.reset(Mix_QuickLoad_RAW(chunk_->abuf + offset, chunk_->alen - offset));
        if (!tail_)
            return false;
        Mix_VolumeChunk(tail_.get(), kChunkVolume);
        toPlay = tail_.get();
    }
    channel_ = Mix_PlayChannel(-1, toPlay, 0);
    if (channel_ < 0)
        return false;
    followsPlayback_ = true;
    playStartFrame_ = frame;
    playStartTicks_ = SDL_GetTicks64();
    return true;
}

void SoundClip::halt() {
    if (isPlaying())
        Mix_HaltChannel(channel_);
    channel_ = -1;
}

} // namespace platform::media
