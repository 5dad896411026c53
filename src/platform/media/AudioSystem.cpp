#include "platform/media/AudioSystem.h"

#include "platform/media/MusicLimiter.h"

#include <QCoreApplication>
#include <QElapsedTimer>
#include <QObject>
#include <QTimer>

#include <SDL.h>
#include <SDL_mixer.h>

#include <algorithm>
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
// A child clicking away leaves well under two seconds between sounds, so the output stays warm through a
// run of clicks and only a real pause pays for reopening it; an idle board is silent two seconds later.
constexpr std::chrono::milliseconds kQuietDelay{2000};
// How often an open output looks for silence; it runs only while the audio thread wakes far more often.
constexpr std::chrono::milliseconds kLongestQuietCheck{250};

struct State {
    int users = 0;
    bool sdlUp = false;
    bool mixerOpen = false;  // audio came up at the first acquire
    bool outputOpen = false; // the mixer's device is open now; false again after a quiet spell
    int captures = 0;
    std::chrono::milliseconds quietDelay = kQuietDelay;
    QElapsedTimer sinceActive;
    std::unique_ptr<QObject> uiContext;
    std::unique_ptr<QTimer> quietCheck; // null without a Qt event loop: the output then stays open
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

MusicLimiter& musicLimiter() {
    static MusicLimiter limiter(AudioSystem::musicCeiling);
    return limiter;
}

void SDLCALL afterMix(void*, Uint8* stream, int length) {
    // The mixer's lock is held here, and SDL's locks are recursive: asking about the music is safe.
    if (Mix_PlayingMusic() != 0)
        musicLimiter().process(reinterpret_cast<int16_t*>(stream), size_t(length) / sizeof(int16_t));
    else
        musicLimiter().reset();
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

// Mix_CloseAudio frees the channels, drops the sound font and the MIDI player's opening, and leaves the
// post-mix hook pointing at whatever was set: all of it is set again here, on the first open and every reopen.
bool openMixer() {
    // No format changes allowed: the media files are written in exactly this format, so nothing resamples,
    // and chunks loaded before a reopen still match the device after it.
    if (Mix_OpenAudioDevice(AudioSystem::sampleRate, AUDIO_S16SYS, AudioSystem::channels, kBufferFrames, nullptr, 0) !=
        0)
        return false;
    Mix_AllocateChannels(kMixChannels);
    // For FluidSynth this is the synthesiser's own gain, so a dense tune is quieter before it clips.
    Mix_VolumeMusic(AudioSystem::soundVolume);
    chooseSoundFont();
    Mix_Init(MIX_INIT_MID);
    Mix_SetPostMix(afterMix, nullptr);
    return true;
}

bool somethingSounds(const State& s) {
    return s.captures > 0 || Mix_Playing(-1) > 0 || Mix_PlayingMusic() != 0;
}

std::chrono::milliseconds quietCheckInterval(const State& s) {
    return std::clamp(s.quietDelay / 4, std::chrono::milliseconds{1}, kLongestQuietCheck);
}

void noteActivity(State& s) {
    s.sinceActive.start();
    if (s.quietCheck && !s.quietCheck->isActive())
        s.quietCheck->start(quietCheckInterval(s));
}

// Closing the device also ends SDL's audio thread; a paused device would go on waking for every buffer.
// SDL lets the last buffers drain first, so this blocks the UI thread for a few tens of milliseconds:
// one more reason to wait for a real pause. Mix_Quit stays for the last release: loaded tunes keep their
// synthesizers through a quiet spell.
void closeOutput(State& s) {
    if (s.quietCheck)
        s.quietCheck->stop();
    if (!s.outputOpen)
        return;
    Mix_CloseAudio();
    s.outputOpen = false;
}

void checkForQuiet() {
    State& s = state();
    if (!s.outputOpen) {
        closeOutput(s);
        return;
    }
    if (somethingSounds(s))
        s.sinceActive.start();
    else if (s.sinceActive.hasExpired(s.quietDelay.count()))
        closeOutput(s);
}

void startQuietWatch(State& s) {
    // QTimer needs the event loop of the thread that opened the audio; without one nothing ever closes.
    if (!QCoreApplication::instance())
        return;
    s.quietCheck = std::make_unique<QTimer>();
    QObject::connect(s.quietCheck.get(), &QTimer::timeout, &checkForQuiet);
    noteActivity(s);
}

} // namespace

bool AudioSystem::acquire() {
    State& s = state();
    if (s.users++ > 0)
        return s.mixerOpen;
    SDL_SetMainReady();
    // Without a sound card SDL picks ALSA, initialises and then fails to open: both steps are checked,
    // and SDL_AUDIODRIVER is read afresh on every first acquire. The subsystem stays up through quiet
    // spells, so a reopen uses the same driver.
    s.sdlUp = SDL_InitSubSystem(SDL_INIT_AUDIO) == 0;
    s.mixerOpen = s.sdlUp && openMixer();
    s.outputOpen = s.mixerOpen;
    if (s.mixerOpen) {
        s.uiContext = std::make_unique<QObject>();
        uiContextPointer.store(s.uiContext.get());
        startQuietWatch(s);
    }
    return s.mixerOpen;
}

void AudioSystem::release() {
    State& s = state();
    if (s.users == 0 || --s.users > 0)
        return;
    s.quietCheck.reset();
    if (s.mixerOpen) {
        Mix_SetPostMix(nullptr, nullptr);
        Mix_HookMusicFinished(nullptr);
        if (s.outputOpen)
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
    s.outputOpen = false;
    s.captures = 0;
}

bool AudioSystem::available() {
    return state().mixerOpen;
}

bool AudioSystem::wakeOutput() {
    State& s = state();
    if (!s.mixerOpen)
        return false;
    if (!s.outputOpen)
        s.outputOpen = openMixer();
    if (!s.outputOpen)
        return false;
    noteActivity(s);
    return true;
}

bool AudioSystem::outputRunning() {
    return state().outputOpen;
}

void AudioSystem::captureStarted() {
    ++state().captures;
    wakeOutput();
}

void AudioSystem::captureStopped() {
    State& s = state();
    if (s.captures == 0)
        return;
    --s.captures;
    if (s.outputOpen)
        noteActivity(s);
}

void AudioSystem::setQuietDelay(std::chrono::milliseconds delay) {
    State& s = state();
    s.quietDelay = delay;
    if (s.quietCheck && s.quietCheck->isActive())
        s.quietCheck->start(quietCheckInterval(s));
}

std::chrono::milliseconds AudioSystem::quietDelay() {
    return state().quietDelay;
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
