#include "platform/Pictures.h"

#include <QCoreApplication>
#include <QFile>
#include <QHash>
#include <QImageReader>
#include <QPainter>
#include <QSvgRenderer>

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
    const std::optional<QPixmap> picture = loadPicture(path);
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
            hotX = uchar(head[10]) | (uchar(head[11]) << 8);
            hotY = uchar(head[12]) | (uchar(head[13]) << 8);
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
    return QCursor(builtinPicture(name, {32, 32}), hotSpot.x(), hotSpot.y());
}

} // namespace platform
