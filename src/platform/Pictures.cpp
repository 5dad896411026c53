#include "platform/Pictures.h"

#include "platform/PictureCache.h"

#include <QCoreApplication>
#include <QHash>
#include <QPainter>
#include <QSvgRenderer>
#include <algorithm>

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
// bytes, 24 of them the header, so the largest 32-bit picture that always fits is 255 x 255. A
// pointer is 32 x 32: anything larger is scaled down to fit, keeping its shape and hot spot.
constexpr int kLargestPointer = 255;

QPoint hotSpotOf(const QByteArray& head, QSize size) {
    // Qt's reader does not expose a .cur file's hot spot: it sits in the first directory entry.
    const bool isCursor = head.size() == 14 && uchar(head[2]) == 2 && uchar(head[3]) == 0;
    if (!isCursor)
        return {0, 0};
    const int x = uchar(head[10]) | (uchar(head[11]) << 8);
    const int y = uchar(head[12]) | (uchar(head[13]) << 8);
    return {std::clamp(x, 0, size.width() - 1), std::clamp(y, 0, size.height() - 1)};
}
} // namespace

std::optional<QCursor> loadCursor(const QString& path) {
    const std::optional<PictureCache::Picture> picture = PictureCache::instance().load(path);
    if (!picture)
        return std::nullopt;
    const QSize size = picture->pixmap.size();
    const QPoint hotSpot = hotSpotOf(picture->head, size);
    if (size.width() <= kLargestPointer && size.height() <= kLargestPointer)
        return QCursor(picture->pixmap, hotSpot.x(), hotSpot.y());
    const QPixmap scaled =
        picture->pixmap.scaled(kLargestPointer, kLargestPointer, Qt::KeepAspectRatio, Qt::SmoothTransformation);
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
    return QCursor(builtinPicture(name, {32, 32}), hotSpot.x(), hotSpot.y());
}

} // namespace platform
