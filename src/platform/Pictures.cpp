#include "platform/Pictures.h"

#include <QCoreApplication>
#include <QFile>
#include <QHash>
#include <QGuiApplication>
#include <QImageReader>
#include <QPainter>
#include <QScreen>
#include <QSvgRenderer>
#include <cmath>

#include "platform/Screen.h"

namespace platform {

std::optional<QPixmap> loadPicture(const QString& path) {
    if (path.isEmpty())
        return std::nullopt;
    QImageReader reader(path);
    reader.setDecideFormatFromContent(true);
    const QImage image = reader.read();
    if (image.isNull())
        return std::nullopt;
    return QPixmap::fromImage(image);
}

std::optional<QCursor> loadCursor(const QString& path) {
    const std::optional<QPixmap> picture = loadPictureFitting(path, {pointerPixels(), pointerPixels()});
    if (!picture)
        return std::nullopt;
    int hotX = 0;
    int hotY = 0;
    // Qt's reader does not expose a .cur file's hot spot: it sits in the first directory entry.
    QFile file(path);
    if (file.open(QIODevice::ReadOnly)) {
        const QByteArray head = file.read(14);
        const bool isCursor = head.size() == 14 && uchar(head[2]) == 2 && uchar(head[3]) == 0;
        if (isCursor) {
            // The first entry's hot spot, moved with the size that was taken (a width of 0 means 256).
            const int firstWidth = uchar(head[6]) == 0 ? 256 : uchar(head[6]);
            hotX = (uchar(head[10]) | (uchar(head[11]) << 8)) * picture->width() / firstWidth;
            hotY = (uchar(head[12]) | (uchar(head[13]) << 8)) * picture->width() / firstWidth;
        }
    }
    hotX = std::clamp(hotX, 0, picture->width() - 1);
    hotY = std::clamp(hotY, 0, picture->height() - 1);
    return QCursor(*picture, hotX, hotY);
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
    QImageReader sizes(path);
    sizes.setDecideFormatFromContent(true);
    int best = -1;
    QSize bestSize;
    for (int i = 0; i < sizes.imageCount() && sizes.jumpToImage(i); ++i) {
        const QSize size = sizes.size();
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
