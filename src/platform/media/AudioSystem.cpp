#include "platform/media/AudioSystem.h"

#include <QObject>

#include <SDL.h>
#include <SDL_mixer.h>

#include <atomic>
#include <filesystem>
#include <memory>
#include <mutex>

namespace platform::media {
namespace {

constexpr int kBufferFrames = 512;
// More channels than the classroom has devices: with too few, a burst of clicks silently drops sounds.
constexpr int kMixChannels = 64;
constexpr const char* kSoundFonts[] = {"/usr/share/sounds/sf2/TimGM6mb.sf2", "/usr/share/sounds/sf2/default-GM.sf2"};

struct State {
    int users = 0;
    bool sdlUp = false;
    bool mixerOpen = false;
    std::unique_ptr<QObject> uiContext;
};

State& state() {
    static State instance;
    return instance;
}

std::atomic<QObject*> uiContextPointer{nullptr};

std::mutex& observerMutex() {
    static std::mutex mutex;
    return mutex;
}

std::function<void(const uint8_t*, int)>& observer() {
    static std::function<void(const uint8_t*, int)> instance;
    return instance;
}

void SDLCALL afterMix(void*, Uint8* stream, int length) {
    std::lock_guard lock(observerMutex());
    if (observer())
        observer()(stream, length);
}

// SDL_SOUNDFONTS is ignored unless forced, and closing the mixer forgets the choice: set it on every open.
void chooseSoundFont() {
    for (const char* path : kSoundFonts) {
        std::error_code error;
        if (std::filesystem::exists(path, error)) {
            Mix_SetSoundFonts(path);
            return;
        }
    }
}

bool openMixer() {
    // No format changes allowed: the media files are written in exactly this format, so nothing resamples.
    if (Mix_OpenAudioDevice(AudioSystem::sampleRate, AUDIO_S16SYS, AudioSystem::channels, kBufferFrames, nullptr, 0) !=
        0)
        return false;
    Mix_AllocateChannels(kMixChannels);
    chooseSoundFont();
    Mix_Init(MIX_INIT_MID);
    Mix_SetPostMix(afterMix, nullptr);
    return true;
}

} // namespace

bool AudioSystem::acquire() {
    State& s = state();
    if (s.users++ > 0)
        return s.mixerOpen;
    SDL_SetMainReady();
    // Without a sound card SDL picks ALSA, initialises and then fails to open: both steps are checked,
    // and SDL_AUDIODRIVER is read afresh on every first acquire.
    s.sdlUp = SDL_InitSubSystem(SDL_INIT_AUDIO) == 0;
    s.mixerOpen = s.sdlUp && openMixer();
    if (s.mixerOpen) {
        s.uiContext = std::make_unique<QObject>();
        uiContextPointer.store(s.uiContext.get());
    }
    return s.mixerOpen;
}

void AudioSystem::release() {
    State& s = state();
    if (s.users == 0 || --s.users > 0)
        return;
    if (s.mixerOpen) {
        Mix_SetPostMix(nullptr, nullptr);
        Mix_HookMusicFinished(nullptr);
        Mix_CloseAudio();
        Mix_Quit();
    }
    // The audio thread has stopped, so nothing can post to the context any more; pending posts die with it.
    uiContextPointer.store(nullptr);
    s.uiContext.reset();
    if (s.sdlUp)
        SDL_QuitSubSystem(SDL_INIT_AUDIO);
    s.sdlUp = false;
    s.mixerOpen = false;
}

bool AudioSystem::available() {
    return state().mixerOpen;
}

int AudioSystem::frameSize() {
    return kBufferFrames;
}

void AudioSystem::setPostMixObserver(std::function<void(const uint8_t*, int)> newObserver) {
    std::lock_guard lock(observerMutex());
    observer() = std::move(newObserver);
}

QObject* AudioSystem::uiThreadContext() {
    return uiContextPointer.load();
}

} // namespace platform::media
