#pragma once

#include <QByteArray>
#include <optional>

namespace platform::media {

// When a Standard MIDI File's last note ends, in seconds from its start, following its tempo
// changes; none for bytes that are not a sound MIDI file. FluidSynth itself reports the end only
// seconds later (it lets the voices ring out, then waits), which left a gap before a tune played
// again.
std::optional<double> lastNoteEndSeconds(const QByteArray& midi);

} // namespace platform::media
