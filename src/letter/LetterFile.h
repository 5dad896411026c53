#pragma once
// The letter on disk: one text file, written whole in UTF-8 with Windows line ends, read back as
// UTF-8 or, for a letter written by an older 8-bit program, as Windows-1252.
#include <QByteArray>
#include <QString>
#include <optional>

namespace letterfile {

// A letter is shown whole or not at all: a file bigger than this (a thousand times a child's letter
// of a few thousand characters) is refused as unreadable, and never saved over, so that a stray
// huge file can neither freeze the text box nor be cut short on disk.
constexpr qint64 readLimit = 4 * 1024 * 1024;

// The saved form of the text: its line breaks as CR LF, and one CR LF after it.
QByteArray encode(const QString& text);
// UTF-8 when the bytes are valid UTF-8, otherwise Windows-1252.
QString decode(const QByteArray& bytes);
// nullopt when the file is missing, unreadable, not a regular file or over the limit.
std::optional<QString> read(const QString& path);
// Whether a save may replace what stands at path: nothing, a link, or a letter read() would show.
bool mayReplace(const QString& path);
// Replaces the file through a temporary file, so a failed save leaves the old letter whole; false
// without writing when mayReplace() is false.
bool save(const QString& path, const QString& text);

} // namespace letterfile
