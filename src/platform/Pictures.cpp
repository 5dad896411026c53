#include "platform/Pictures.h"

#include "platform/PictureCache.h"

#include <QCoreApplication>
#include <QHash>
#include <QFile>
#include <QFileInfo>
#include <QGuiApplication>
#include <QImageReader>
#include <QPainter>
#include <QScreen>
#include <QSvgRenderer>
#include <algorithm>
#include <cmath>

#include "platform/Screen.h"

namespace platform {

std::optional<QPixmap> loadPicture(const QString& path) {
    std::optional<PictureCache::Picture> picture = PictureCache::instance().load(path);
    if (!picture)
        return std::nullopt;
    return std::move(picture->pixmap);
}

namespace {
// An X server takes a pointer's picture in one request, and a request too long for it breaks the
// connection: the program ends. Without the BIG-REQUESTS extension a request holds at most 262,140
// bytes, 24 of them the header, so the largest 32-bit picture that always fits is 255 x 255. Anything
// larger is scaled down to fit, keeping its shape and hot spot.
constexpr int kLargestPointer = 255;

// Qt's reader does not expose a .cur file's hot spot: it sits in the first directory entry, for the
// first entry's size; it moves with the size that was taken.
QPoint hotSpotOf(const QString& path, QSize taken) {
    if (!QFileInfo(path).isFile())
        return {0, 0};
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return {0, 0};
    const QByteArray head = file.read(14);
    const bool isCursor = head.size() == 14 && uchar(head[2]) == 2 && uchar(head[3]) == 0;
    if (!isCursor)
        return {0, 0};
    // The entry's width byte holds up to 255; 0 stands for 256 or more: the picture itself tells.
    int firstWidth = uchar(head[6]);
    if (firstWidth == 0) {
        QImageReader entries(path);
        entries.setDecideFormatFromContent(true);
        firstWidth = entries.imageCount() <= 1 ? taken.width() : 256;
    }
    const int x = (uchar(head[10]) | (uchar(head[11]) << 8)) * taken.width() / firstWidth;
    const int y = (uchar(head[12]) | (uchar(head[13]) << 8)) * taken.width() / firstWidth;
    return {std::clamp(x, 0, taken.width() - 1), std::clamp(y, 0, taken.height() - 1)};
}
} // namespace

std::optional<QCursor> loadCursor(const QString& path) {
    const std::optional<QPixmap> picture = loadPictureFitting(path, {pointerPixels(), pointerPixels()});
    if (!picture)
        return std::nullopt;
    const QSize size = picture->size();
    const QPoint hotSpot = hotSpotOf(path, size);
    if (size.width() <= kLargestPointer && size.height() <= kLargestPointer)
        return QCursor(*picture, hotSpot.x(), hotSpot.y());
    const QPixmap scaled = picture->scaled(kLargestPointer, kLargestPointer, Qt::KeepAspectRatio, Qt::SmoothTransformation);
    const double factor = double(scaled.width()) / size.width();
    return QCursor(scaled, std::min(int(hotSpot.x() * factor), scaled.width() - 1),
                   std::min(int(hotSpot.y() * factor), scaled.height() - 1));
}

namespace {
// Kept apart from Qt's pixmap cache, which is held small (see prepareApplication): the boards' own
// drawings are few and all in use, so none of them is ever dropped and drawn again.
QHash<QString, QPixmap>& renderedPictures() {
    // Pixmaps belong to the application: they go when it does, not at the program's exit.
    static QHash<QString, QPixmap> pictures = [] {
        qAddPostRoutine([] { renderedPictures().clear(); });
        return QHash<QString, QPixmap>();
    }();
    return pictures;
}
} // namespace

// The same pointers and pictures are drawn for many controls on many boards: each size of each
// drawing is rendered once.
QPixmap builtinPicture(const QString& name, QSize size) {
    const QString key = QString("%1:%2x%3").arg(name).arg(size.width()).arg(size.height());
    if (const auto found = renderedPictures().constFind(key); found != renderedPictures().cend())
        return *found;
    QSvgRenderer renderer(QString(":/assets/%1.svg").arg(name));
    QImage image(size, QImage::Format_ARGB32_Premultiplied);
    image.fill(Qt::transparent);
    if (renderer.isValid()) {
        QPainter painter(&image);
        renderer.render(&painter);
    }
    const QPixmap picture = QPixmap::fromImage(image);
    renderedPictures().insert(key, picture);
    return picture;
}

QCursor builtinCursor(const QString& name, QPoint hotSpot) {
    const int size = pointerPixels();
    return QCursor(builtinPicture(name, {size, size}), hotSpot.x() * size / 32, hotSpot.y() * size / 32);
}

std::optional<QPixmap> loadPictureFitting(const QString& path, QSize wanted) {
    // Only a regular file is read by size here (a FIFO would never finish); anything else takes the
    // guarded way of a whole picture, which refuses it.
    if (!QFileInfo(path).isFile())
        return loadPicture(path);
    QImageReader sizes(path);
    sizes.setDecideFormatFromContent(true);
    int best = -1;
    QSize bestSize;
    for (int i = 0; i < sizes.imageCount() && sizes.jumpToImage(i); ++i) {
        const QSize size = sizes.size();
        if (size.width() > 4096 || size.height() > 4096)
            continue; // no pointer or teddy needs it, and decoding it costs dearly
        const bool fits = size.width() >= wanted.width() && size.height() >= wanted.height();
        const bool bestFits = bestSize.width() >= wanted.width() && bestSize.height() >= wanted.height();
        const bool better = best < 0 || (fits && (!bestFits || size.width() < bestSize.width())) ||
                            (!fits && !bestFits && size.width() > bestSize.width());
        if (better) {
            best = i;
            bestSize = size;
        }
    }
    if (best <= 0)
        return loadPicture(path);
    QImageReader reader(path);
    reader.setDecideFormatFromContent(true);
    const QImage image = reader.jumpToImage(best) ? reader.read() : QImage();
    return image.isNull() ? loadPicture(path) : std::optional<QPixmap>(QPixmap::fromImage(image));
}

int pointerPixels() {
    const QScreen* screen = QGuiApplication::primaryScreen();
    const double dpi = screen ? screen->logicalDotsPerInch() : 96.0;
    const double grow = std::max({1.0, dpi / 96.0, Screen::pixels().height() / 1080.0});
    return int(std::lround(32 * grow / 8)) * 8;
}

} // namespace platform
