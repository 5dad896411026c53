#pragma once
// Reading and replacing the files beside the program without trusting them: a FIFO, a device or a
// file on a hung network or USB disk must not hold the one event thread, and a link in the start
// folder must not carry a save to a file elsewhere. The toolkit's files and pictures and the sound
// devices all go through here.
#include <QByteArray>
#include <QString>

#include <functional>
#include <optional>

namespace platform {

// What identifies one version of a file: a file replaced or rewritten gets another stamp.
struct FileStamp {
    qint64 size = 0;
    qint64 modifiedNs = 0;
    quint64 inode = 0;
    bool operator==(const FileStamp&) const = default;
};

struct FileRead {
    enum class Status { ok, missing, notRegular, tooLarge, failed, tooSlow };
    Status status = Status::failed;
    QByteArray bytes;
    FileStamp stamp;
    bool ok() const { return status == Status::ok; }
};

// How long a read may keep the event thread waiting; a disk slower than this counts as failed.
constexpr int kFilePatienceMs = 4000;

// The whole of a regular file no larger than limit. Anything else (missing, a FIFO, a device, a
// folder, a file that grows past the limit while read, a disk that does not answer in time) is
// refused without blocking; a read that hangs is left to finish on its own thread.
FileRead readRegularFile(const QString& path, qint64 limit);
// The stamp of a regular file, with the same patience; nullopt for anything else.
std::optional<FileStamp> regularFileStamp(const QString& path);

// What stands at a path itself (a link is not followed), asked with the same patience.
struct PathEntry {
    enum class Kind { missing, regular, link, other, unknown };
    Kind kind = Kind::unknown;
    qint64 size = 0;
};
PathEntry lookAt(const QString& path);

// Replaces path through a temporary file in the same folder that write fills (given its descriptor)
// and that is renamed over path once complete. The rename replaces what stands at path, a link
// included: a save never writes through a link to a file elsewhere. A failed write (full disk,
// file size limit, read-only folder) leaves the old file whole and no temporary file behind.
bool replaceFile(const QString& path, const std::function<bool(int descriptor)>& write);
// write(2) until every byte is down; false on any error or short write.
bool writeAll(int descriptor, const QByteArray& bytes);

} // namespace platform
