#include "platform/media/SafeFiles.h"

#include <QFile>
#include <QFileInfo>

#include <cerrno>
#include <chrono>
#include <condition_variable>
#include <cstdio>
#include <fcntl.h>
#include <memory>
#include <mutex>
#include <sys/stat.h>
#include <thread>
#include <unistd.h>

namespace platform {
namespace {

constexpr qint64 kChunk = 64 * 1024;

// A read from a hung disk sleeps in the kernel, where no signal reaches it: the work runs on a
// thread of its own, and the event thread waits for it only so long.
template <typename Result, typename Work> std::optional<Result> withPatience(Work work) {
    struct Shared {
        std::mutex mutex;
        std::condition_variable done;
        std::optional<Result> result;
    };
    auto shared = std::make_shared<Shared>();
    std::thread([shared, work = std::move(work)]() mutable {
        Result result = work();
        const std::lock_guard lock(shared->mutex);
        shared->result = std::move(result);
        shared->done.notify_one();
    }).detach();
    std::unique_lock lock(shared->mutex);
    if (!shared->done.wait_for(lock, std::chrono::milliseconds(kFilePatienceMs),
                               [&] { return shared->result.has_value(); }))
        return std::nullopt;
    return std::move(shared->result);
}

FileStamp stampOf(const struct stat& info) {
    return {qint64(info.st_size), qint64(info.st_mtim.tv_sec) * 1000000000 + info.st_mtim.tv_nsec,
            quint64(info.st_ino)};
}

bool readToEnd(int descriptor, qint64 limit, QByteArray& bytes) {
    for (;;) {
        const qsizetype had = bytes.size();
        bytes.resize(had + kChunk);
        const ssize_t got = ::read(descriptor, bytes.data() + had, kChunk);
        if (got < 0 && errno == EINTR) {
            bytes.resize(had);
            continue;
        }
        bytes.resize(had + std::max<ssize_t>(got, 0));
        if (got <= 0)
            return got == 0;
        if (bytes.size() > limit)
            return false;
    }
}

FileRead readNow(const QByteArray& path, qint64 limit) {
    FileRead read;
    // Non-blocking, so that opening a FIFO with no writer returns at once and is refused below.
    const int descriptor = ::open(path.constData(), O_RDONLY | O_NONBLOCK | O_NOCTTY | O_CLOEXEC);
    if (descriptor < 0) {
        read.status = errno == ENOENT || errno == ENOTDIR ? FileRead::Status::missing : FileRead::Status::failed;
        return read;
    }
    struct stat info {};
    if (::fstat(descriptor, &info) != 0)
        read.status = FileRead::Status::failed;
    else if (!S_ISREG(info.st_mode))
        read.status = FileRead::Status::notRegular;
    else if (info.st_size > limit)
        read.status = FileRead::Status::tooLarge;
    else {
        read.stamp = stampOf(info);
        read.bytes.reserve(qsizetype(info.st_size) + 1);
        const bool whole = readToEnd(descriptor, limit, read.bytes);
        read.status = whole                       ? FileRead::Status::ok
                      : read.bytes.size() > limit ? FileRead::Status::tooLarge
                                                  : FileRead::Status::failed;
        if (!whole)
            read.bytes.clear();
    }
    ::close(descriptor);
    return read;
}

} // namespace

FileRead readRegularFile(const QString& path, qint64 limit) {
    if (path.isEmpty())
        return {FileRead::Status::missing, {}, {}};
    std::optional<FileRead> read =
        withPatience<FileRead>([name = QFile::encodeName(path), limit] { return readNow(name, limit); });
    return read ? std::move(*read) : FileRead{FileRead::Status::tooSlow, {}, {}};
}

std::optional<FileStamp> regularFileStamp(const QString& path) {
    if (path.isEmpty())
        return std::nullopt;
    return withPatience<std::optional<FileStamp>>([name = QFile::encodeName(path)]() -> std::optional<FileStamp> {
               struct stat info {};
               if (::stat(name.constData(), &info) != 0 || !S_ISREG(info.st_mode))
                   return std::nullopt;
               return stampOf(info);
           })
        .value_or(std::nullopt);
}

PathEntry lookAt(const QString& path) {
    if (path.isEmpty())
        return {PathEntry::Kind::missing, 0};
    return withPatience<PathEntry>([name = QFile::encodeName(path)]() -> PathEntry {
               struct stat info {};
               if (::lstat(name.constData(), &info) != 0)
                   return {errno == ENOENT ? PathEntry::Kind::missing : PathEntry::Kind::unknown, 0};
               if (S_ISLNK(info.st_mode))
                   return {PathEntry::Kind::link, 0};
               return {S_ISREG(info.st_mode) ? PathEntry::Kind::regular : PathEntry::Kind::other, qint64(info.st_size)};
           })
        .value_or(PathEntry{});
}

bool writeAll(int descriptor, const QByteArray& bytes) {
    qsizetype done = 0;
    while (done < bytes.size()) {
        // With SIGXFSZ ignored a file size limit shows here as EFBIG, like a full disk as ENOSPC.
        const ssize_t put = ::write(descriptor, bytes.constData() + done, size_t(bytes.size() - done));
        if (put < 0 && errno == EINTR)
            continue;
        if (put <= 0)
            return false;
        done += put;
    }
    return true;
}

bool replaceFile(const QString& path, const std::function<bool(int descriptor)>& write) {
    if (path.isEmpty())
        return false;
    const QFileInfo target(path);
    const QByteArray final = QFile::encodeName(target.absoluteFilePath());
    QByteArray temporary = QFile::encodeName(target.absolutePath() + "/." + target.fileName()) + ".XXXXXX";
    const int descriptor = ::mkostemp(temporary.data(), O_CLOEXEC);
    if (descriptor < 0)
        return false;
    // mkostemp makes the file private; the child's files are read by the family's other programs too.
    bool written = ::fchmod(descriptor, 0644) == 0 && write(descriptor) && ::fsync(descriptor) == 0;
    written = ::close(descriptor) == 0 && written;
    // rename(2) replaces the name in the folder in one step, a link as well as a file, and never
    // touches what a link pointed to.
    if (written && std::rename(temporary.constData(), final.constData()) == 0)
        return true;
    ::unlink(temporary.constData());
    return false;
}

} // namespace platform
