#include "letter/ToolPictures.h"

#include "platform/Image.h"
#include "platform/Pictures.h"

#include <QPainter>

namespace {

// Two pixels, because the picture is stretched down to the tool bar and a one-pixel line could
// fall between the screen's pixels.
QPixmap withBorder(const QPixmap& plain) {
    QPixmap outlined = plain;
    QPainter p(&outlined);
    p.setPen(QPen(Qt::black, 2, Qt::SolidLine, Qt::SquareCap, Qt::MiterJoin));
    p.setBrush(Qt::NoBrush);
    p.drawRect(QRectF(plain.rect()).adjusted(1, 1, -1, -1));
    return outlined;
}

} // namespace

void ToolPictures::add(platform::Image& picture, const QString& asset, const QString& name) {
    const QSize size = asset == "letter-password" ? QSize(40, 34) : QSize(32, 30);
    const QPixmap plain = platform::builtinPicture(asset, size);
    entries_.push_back({&picture, plain, withBorder(plain), name});
    picture.setStretch(true);
    picture.setPicture(plain);
    picture.setDescription(name.isEmpty() ? QStringLiteral("Password") : name);
}

QString ToolPictures::outline(const platform::Image* only) {
    QString name;
    for (const Entry& e : entries_) {
        const bool on = e.image == only;
        e.image->setPicture(on ? e.outlined : e.plain);
        if (on)
            name = e.name;
    }
    return name;
}
