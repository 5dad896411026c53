#pragma once

#include <QByteArray>
#include <QString>
#include <optional>

namespace platform::media {

// FluidSynth accepts any bytes at load and only fails once playing, which ends the "tune" at once and would
// report a successful end. So a tune is checked first: a Standard MIDI File (or one wrapped in RIFF RMID)
// whose header is sound and whose chunks all lie inside the file.
bool isWellFormedMidi(const QByteArray& bytes);
// The bytes of a well-formed tune file (a regular file, read with a deadline), or nullopt.
std::optional<QByteArray> readWellFormedMidi(const QString& path);

} // namespace platform::media
