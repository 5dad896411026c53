#include "platform/media/MusicLimiter.h"

#include <algorithm>
#include <cstdlib>

namespace platform::media {
namespace {
// Back to full gain in about a second of 512-frame buffers.
constexpr float kRecovery = 1.08f;
} // namespace

void MusicLimiter::process(int16_t* samples, size_t count) {
    int loudest = 0;
    for (size_t i = 0; i < count; ++i)
        loudest = std::max(loudest, std::abs(int{samples[i]}));
    const float allowed = loudest > ceiling_ ? float(ceiling_) / float(loudest) : 1.0f;
    gain_ = std::min({1.0f, gain_ * kRecovery, allowed});
    if (gain_ >= 1.0f)
        return;
    for (size_t i = 0; i < count; ++i)
        samples[i] = static_cast<int16_t>(float(samples[i]) * gain_);
}

} // namespace platform::media
