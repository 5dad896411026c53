#pragma once

#include <QString>

namespace platform::media {

// Sound files are named in mixed case ("a.WAV", "voice.wav"); every path component is matched without
// regard to case, and a backslash counts as a folder separator. Returns an empty string when nothing matches.
QString resolveExistingPath(const QString& path);

// Where a write to `path` should go: the existing file it names in any case, or else the name as given
// inside the case-insensitively found folder.
QString resolvePathForWriting(const QString& path);

} // namespace platform::media
