#pragma once
// Files beside the program: "nowDir" + name, matched without regard to case, as the media names
// are written in mixed case ("TEDBYE.ICO" finds "tedbye.ico").
#include <QByteArray>
#include <QString>
#include <optional>

namespace platform {

// The existing file whose name matches case-insensitively, or dir + "/" + name when none does
// (so that writing creates it under the name the program uses).
QString filePath(const QString& dir, const QString& name);
// The whole file when it is a regular file no larger than limit that the disk gives up in time.
std::optional<QByteArray> readWholeFile(const QString& path, qint64 limit = 64 * 1024 * 1024);
// Replaces the file through a temporary file and a rename, so a failed write leaves the old one whole;
// a link standing at path is replaced itself, never written through.
bool writeFileAtomically(const QString& path, const QByteArray& content);

} // namespace platform
