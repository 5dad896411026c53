#include "platform/PictureCache.h"

#include <QBuffer>
#include <QCoreApplication>
#include <QImageReader>

namespace platform {
namespace {

constexpr qint64 kBytesPerPixel = 4;
// A 24-bit BMP of the largest picture allowed, with room for its header.
constexpr qint64 kLargestFile = PictureCache::largestPixels * kBytesPerPixel + 1024 * 1024;
// Every teddy, shape and the chalkboard picture at 4K fit with room to spare; past this the
// picture used longest ago is decoded again when next shown.
constexpr int kBudgetKilobytes = 256 * 1024;
constexpr int kHeadBytes = 14;

int kilobytes(const QPixmap& pixmap) {
    return int(std::max<qint64>(1, qint64(pixmap.width()) * pixmap.height() * kBytesPerPixel / 1024));
}

} // namespace

PictureCache& PictureCache::instance() {
    // Pixmaps belong to the application: they go when it does, not at the program's exit.
    static PictureCache* cache = [] {
        auto* made = new PictureCache;
        qAddPostRoutine([] { instance().entries_.clear(); });
        return made;
    }();
    return *cache;
}

PictureCache::PictureCache() : entries_(kBudgetKilobytes) {}

std::optional<PictureCache::Picture> PictureCache::load(const QString& path) {
    if (path.isEmpty())
        return std::nullopt;
    if (const Entry* found = entries_.object(path)) {
        if (regularFileStamp(path) == std::optional<FileStamp>(found->stamp))
            return found->picture;
    }
    FileStamp stamp;
    std::optional<Picture> picture = decode(path, stamp);
    if (!picture) {
        entries_.remove(path);
        return std::nullopt;
    }
    // Over the whole budget on its own, it is shown but not kept.
    entries_.insert(path, new Entry{stamp, *picture}, kilobytes(picture->pixmap));
    return picture;
}

std::optional<PictureCache::Picture> PictureCache::decode(const QString& path, FileStamp& stamp) {
    FileRead file = readRegularFile(path, kLargestFile);
    if (!file.ok())
        return std::nullopt;
    stamp = file.stamp;
    ++decodes_;
    QBuffer buffer(&file.bytes);
    buffer.open(QIODevice::ReadOnly);
    QImageReader reader(&buffer);
    reader.setDecideFormatFromContent(true);
    // The header says how large the picture will be: a damaged or hostile one is refused before a
    // single pixel is made.
    const QSize size = reader.size();
    if (size.isValid() && qint64(size.width()) * size.height() > largestPixels)
        return std::nullopt;
    reader.setAllocationLimit(int(largestPixels * kBytesPerPixel / (1024 * 1024)) + 1);
    const QImage image = reader.read();
    if (image.isNull() || qint64(image.width()) * image.height() > largestPixels)
        return std::nullopt;
    return Picture{QPixmap::fromImage(image), file.bytes.left(kHeadBytes)};
}

} // namespace platform
