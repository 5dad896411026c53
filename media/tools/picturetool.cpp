// Renders the classroom's pictures from our SVG drawings into the files the boards read at run time
// (ICO feedback teddies, CUR pointers, BMP shapes), and checks that Qt reads every one of them back.
//
//   picturetool ico  <in.svg> <out.ico> <size,size,...>
//   picturetool cur  <in.svg> <out.cur> <size,size,...> <hotX> <hotY>   (hot spot on the 32 x 32 picture)
//   picturetool bmp  <in.svg> <out.bmp> <width> <height> [#rrggbb]
//   picturetool png  <in-picture> <out.png> [scale] [#background]   (for looking at a result)
//   picturetool --verify <file>...
//
// A bmp drawing may paint its shape in the key colour #00ffff; the optional colour replaces it, so one
// drawing gives the same shape in every colour.
#include <QBuffer>
#include <QByteArray>
#include <QFile>
#include <QGuiApplication>
#include <QImage>
#include <QImageReader>
#include <QImageWriter>
#include <QList>
#include <QPainter>
#include <QSaveFile>
#include <QStringList>
#include <QSvgRenderer>
#include <QtEndian>

#include <algorithm>
#include <cstdio>
#include <optional>

namespace {

const QByteArray keyColour = "#00ffff";

void complain(const QString& message) {
    std::fprintf(stderr, "picturetool: %s\n", qPrintable(message));
}

std::optional<int> toSize(const QString& text, int low, int high) {
    bool ok = false;
    const int value = text.toInt(&ok);
    if (!ok || value < low || value > high) {
        return std::nullopt;
    }
    return value;
}

std::optional<QByteArray> readAll(const QString& path) {
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly)) {
        complain(QStringLiteral("cannot read %1: %2").arg(path, file.errorString()));
        return std::nullopt;
    }
    return file.readAll();
}

// Renders an SVG drawing (optionally with the key colour replaced) onto a background.
std::optional<QImage> render(const QString& svgPath, QSize size, const QByteArray& colour, QColor background) {
    std::optional<QByteArray> svg = readAll(svgPath);
    if (!svg) {
        return std::nullopt;
    }
    if (!colour.isEmpty()) {
        svg->replace(keyColour, colour);
        svg->replace(keyColour.toUpper(), colour);
    }
    QSvgRenderer renderer(*svg);
    if (!renderer.isValid()) {
        complain(QStringLiteral("not a valid SVG drawing: %1").arg(svgPath));
        return std::nullopt;
    }
    QImage image(size, QImage::Format_ARGB32_Premultiplied);
    image.fill(background);
    QPainter painter(&image);
    painter.setRenderHint(QPainter::Antialiasing);
    renderer.render(&painter, QRectF(QPointF(0, 0), QSizeF(size)));
    painter.end();
    return image;
}

bool writeFile(const QString& path, const QByteArray& bytes) {
    // A half-written picture must never be left where the program would load it.
    QSaveFile file(path);
    if (!file.open(QIODevice::WriteOnly) || file.write(bytes) != bytes.size() || !file.commit()) {
        complain(QStringLiteral("cannot write %1: %2").arg(path, file.errorString()));
        return false;
    }
    return true;
}

std::optional<QByteArray> encode(const QImage& image, const char* format) {
    QByteArray bytes;
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::WriteOnly);
    QImageWriter writer(&buffer, format);
    if (!writer.write(image)) {
        complain(QStringLiteral("cannot encode %1: %2").arg(QString::fromLatin1(format), writer.errorString()));
        return std::nullopt;
    }
    return bytes;
}

void putLe16(QByteArray& bytes, int offset, int value) {
    qToLittleEndian<quint16>(static_cast<quint16>(value), bytes.data() + offset);
}

void putLe32(QByteArray& bytes, int offset, qsizetype value) {
    qToLittleEndian<quint32>(static_cast<quint32>(value), bytes.data() + offset);
}

// An ICO/CUR holding one 32-bit BMP picture of each size. Qt writes one-picture ICO files but never CUR
// and never several sizes, so each size is written by Qt's ico writer and its payload moved into one
// container; a CUR differs only in its type field and in carrying the hot spot where an ICO keeps
// planes and bit depth. The hot spot is given on the 32 x 32 picture and moves with each size.
std::optional<QByteArray> iconContainer(const QList<QImage>& images, int type, QPoint hotSpot) {
    constexpr int entrySize = 16;
    const int headerSize = 6 + entrySize * int(images.size());
    QByteArray bytes(headerSize, '\0');
    putLe16(bytes, 2, type);
    putLe16(bytes, 4, int(images.size()));
    for (int i = 0; i < images.size(); ++i) {
        const std::optional<QByteArray> ico = encode(images[i].convertToFormat(QImage::Format_ARGB32), "ico");
        if (!ico || ico->size() <= 6 + entrySize || qFromLittleEndian<quint32>(ico->constData() + 18) != 6 + entrySize) {
            complain(QStringLiteral("unexpected icon layout from the ico writer"));
            return std::nullopt;
        }
        const int entry = 6 + entrySize * i;
        bytes.replace(entry, entrySize, ico->mid(6, entrySize));
        if (type == 2) {
            putLe16(bytes, entry + 4, hotSpot.x() * images[i].width() / 32);
            putLe16(bytes, entry + 6, hotSpot.y() * images[i].height() / 32);
        }
        putLe32(bytes, entry + 8, ico->size() - 6 - entrySize);
        putLe32(bytes, entry + 12, bytes.size());
        bytes += ico->mid(6 + entrySize);
    }
    return bytes;
}

bool verifyOne(const QString& path) {
    QImageReader reader(path);
    const int count = std::max(1, reader.imageCount());
    for (int i = 0; i < count; ++i) {
        const QImage image = i == 0 || reader.jumpToImage(i) ? reader.read() : QImage();
        if (image.isNull()) {
            complain(QStringLiteral("Qt cannot read picture %1 of %2: %3").arg(i).arg(path, reader.errorString()));
            return false;
        }
        std::printf("%s: %s %dx%d\n", qPrintable(path), QImageReader::imageFormat(path).constData(), image.width(),
                    image.height());
    }
    return true;
}

int verify(const QStringList& paths) {
    bool allRead = !paths.isEmpty();
    for (const QString& path : paths) {
        allRead = verifyOne(path) && allRead;
    }
    return allRead ? 0 : 1;
}

// "16,32,256": the sizes an icon file carries, smallest first.
std::optional<QList<int>> toSizes(const QString& text) {
    QList<int> sizes;
    for (const QString& part : text.split(QLatin1Char(','))) {
        const std::optional<int> size = toSize(part, 16, 256);
        if (!size || (!sizes.isEmpty() && *size <= sizes.last())) {
            return std::nullopt;
        }
        sizes.append(*size);
    }
    return sizes;
}

int makeIcon(const QStringList& args, int type) {
    const std::optional<QList<int>> sizes = toSizes(args.value(3));
    const std::optional<int> hotX = type == 2 ? toSize(args.value(4), 0, 31) : 0;
    const std::optional<int> hotY = type == 2 ? toSize(args.value(5), 0, 31) : 0;
    if (!sizes || !hotX || !hotY) {
        complain(QStringLiteral("bad sizes or hot spot"));
        return 2;
    }
    QList<QImage> images;
    for (int size : *sizes) {
        const std::optional<QImage> image = render(args.value(1), QSize(size, size), {}, Qt::transparent);
        if (!image) {
            return 1;
        }
        images.append(*image);
    }
    const std::optional<QByteArray> bytes = iconContainer(images, type, QPoint(*hotX, *hotY));
    return bytes && writeFile(args.value(2), *bytes) ? 0 : 1;
}

int makeBmp(const QStringList& args) {
    const std::optional<int> width = toSize(args.value(3), 1, 4096);
    const std::optional<int> height = toSize(args.value(4), 1, 4096);
    const QByteArray colour = args.value(5).toLatin1();
    if (!width || !height || (!colour.isEmpty() && !QColor::isValidColorName(args.value(5)))) {
        complain(QStringLiteral("bad size or colour"));
        return 2;
    }
    const std::optional<QImage> image = render(args.value(1), QSize(*width, *height), colour, Qt::black);
    if (!image) {
        return 1;
    }
    const std::optional<QByteArray> bytes = encode(image->convertToFormat(QImage::Format_RGB32), "bmp");
    return bytes && writeFile(args.value(2), *bytes) ? 0 : 1;
}

int makePng(const QStringList& args) {
    QImageReader reader(args.value(1));
    QImage image = reader.read();
    if (image.isNull()) {
        complain(QStringLiteral("cannot read %1: %2").arg(args.value(1), reader.errorString()));
        return 1;
    }
    const int scale = toSize(args.value(3, QStringLiteral("1")), 1, 32).value_or(1);
    image = image.scaled(image.size() * scale, Qt::KeepAspectRatio, Qt::FastTransformation);
    if (args.size() > 4) {
        // A light pointer is only seen against the dark board it is made for.
        QImage backed(image.size(), QImage::Format_RGB32);
        backed.fill(QColor(args.value(4)));
        QPainter painter(&backed);
        painter.drawImage(0, 0, image);
        painter.end();
        image = backed;
    }
    const std::optional<QByteArray> bytes = encode(image, "png");
    return bytes && writeFile(args.value(2), *bytes) ? 0 : 1;
}

// An application icon: the drawing rendered at one of the desktop's icon sizes.
int makeIconPng(const QStringList& args) {
    const std::optional<int> size = toSize(args.value(3), 8, 1024);
    if (!size) {
        complain(QStringLiteral("icon needs a size"));
        return 1;
    }
    const std::optional<QImage> image = render(args.value(1), QSize(*size, *size), {}, Qt::transparent);
    if (!image)
        return 1;
    const std::optional<QByteArray> bytes = encode(*image, "png");
    return bytes && writeFile(args.value(2), *bytes) ? 0 : 1;
}

int usage() {
    complain(QStringLiteral("usage: picturetool ico|cur|bmp|png|icon <in> <out> ...  or  picturetool --verify <file>..."));
    return 2;
}

} // namespace

int main(int argc, char** argv) {
    // The tool runs inside builds on machines without a display.
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) {
        qputenv("QT_QPA_PLATFORM", "offscreen");
    }
    QGuiApplication app(argc, argv);
    const QStringList args = app.arguments().mid(1);
    const QString mode = args.value(0);
    if (mode == QLatin1String("--verify")) {
        return verify(args.mid(1));
    }
    if (args.size() < 3) {
        return usage();
    }
    if (mode == QLatin1String("ico")) {
        return makeIcon(args, 1);
    }
    if (mode == QLatin1String("cur")) {
        return makeIcon(args, 2);
    }
    if (mode == QLatin1String("bmp")) {
        return makeBmp(args);
    }
    if (mode == QLatin1String("png")) {
        return makePng(args);
    }
    if (mode == QLatin1String("icon")) {
        return makeIconPng(args);
    }
    return usage();
}
