#pragma once
// Picture files decoded once: a teddy answers every click, and decoding a large icon again each
// time made a child's fast clicks lag by seconds and the memory climb. A picture is reused until its
// file changes (another size, time or file), and a file that would decode to more than a screen's
// worth of pixels is refused before it is decoded.
#include "platform/media/SafeFiles.h"

#include <QByteArray>
#include <QCache>
#include <QPixmap>
#include <QString>
#include <optional>

namespace platform {

class PictureCache {
public:
    struct Picture {
        QPixmap pixmap;
        QByteArray head; // the file's first bytes, where a pointer file keeps its hot spot
    };
    // Enough for the chalkboard picture of an 8K screen (7680 x 4320), far more than any teddy.
    static constexpr qint64 largestPixels = 36'000'000;

    static PictureCache& instance();
    // nullopt when the file is missing, not a regular file, too slow, too large or not a picture.
    std::optional<Picture> load(const QString& path);
    // How many times a file was decoded (the cache missed) since the program started.
    int decodes() const { return decodes_; }

private:
    struct Entry {
        FileStamp stamp;
        Picture picture;
    };
    PictureCache();
    std::optional<Picture> decode(const QString& path, FileStamp& stamp);
    QCache<QString, Entry> entries_;
    int decodes_ = 0;
};

} // namespace platform
