#include "platform/media/WavWriter.h"

#include "platform/media/SafeFiles.h"

#include <sndfile.h>

namespace platform::media {
namespace {

bool writeWav(int descriptor, std::span<const int16_t> samples, int channels, int sampleRate) {
    SF_INFO info{};
    info.samplerate = sampleRate;
    info.channels = channels;
    info.format = SF_FORMAT_WAV | SF_FORMAT_PCM_16;
    SNDFILE* file = sf_open_fd(descriptor, SFM_WRITE, &info, SF_FALSE);
    if (!file)
        return false;
    const auto frames = static_cast<sf_count_t>(samples.size() / static_cast<size_t>(channels));
    const bool complete = sf_writef_short(file, samples.data(), frames) == frames;
    // sf_close writes the final header sizes, so its result counts too.
    const bool closed = sf_close(file) == 0;
    return complete && closed;
}

} // namespace

bool writeWavReplacing(const QString& path, std::span<const int16_t> samples, int channels, int sampleRate) {
    if (path.isEmpty() || channels <= 0)
        return false;
    return replaceFile(path, [&](int descriptor) { return writeWav(descriptor, samples, channels, sampleRate); });
}

} // namespace platform::media
