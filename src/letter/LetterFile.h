#pragma once
// The letter on disk: one text file, written whole in UTF-8 with Windows line ends, read back as
// UTF-8 or, for a letter written by an older 8-bit program, as Windows-1252.
#include <QByteArray>
#include <QString>
#include <optional>

namespace letterfile {

// A file bigger than this is read only up to here, so a stray huge or binary file cannot freeze
// the text box; a child's letter is a few thousand characters.
constexpr qint64 readLimit = 256 * 1024;

// The saved form of the text: its line breaks as CR LF, and one CR LF after it.
QByteArray encode(const QString& text);
// UTF-8 when the bytes are valid UTF-8, otherwise Windows-1252.
QString decode(const QByteArray& bytes);
// nullopt when the file is missing or unreadable.
std::optional<QString> read(const QString& path);
// Replaces the file through a temporary file, so a failed save leaves the old letter whole.
bool save(const QString& path, const QString& text);

} // namespace letterfile
