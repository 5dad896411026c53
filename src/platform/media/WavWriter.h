#pragma once

#include <QString>

#include <cstdint>
#include <span>

namespace platform::media {

// Writes interleaved 16-bit samples as a PCM WAV at `path`. The data goes to a temporary file in the same
// folder that is renamed over the old file only once it is complete, so a failed write (full disk, read-only
// folder) leaves the old file whole. Returns false on any failure.
bool writeWavReplacing(const QString& path, std::span<const int16_t> samples, int channels, int sampleRate);

} // namespace platform::media
