#include "platform/Canvas.h"

#include "platform/Files.h"
#include "platform/Form.h"
#include "platform/Screen.h"

#include <QBuffer>
#include <QEvent>
#include <QPaintEvent>
#include <QPainter>
#include <QWidget>
#include <algorithm>

namespace platform {

class Canvas::Surface : public QWidget {
public:
    Surface(Canvas& canvas, QWidget* client) : QWidget(client), canvas_(canvas) {
        // The board itself answers the mouse: a drag keeps reaching it over its controls and
        // outside the window, because Qt delivers a press's moves to the widget that was pressed.
        setAttribute(Qt::WA_TransparentForMouseEvents);
        setAttribute(Qt::WA_OpaquePaintEvent);
        client->installEventFilter(this);
    }

protected:
    void paintEvent(QPaintEvent* event) override {
        QPainter p(this);
        const QRect r = event->rect();
        p.fillRect(r, toQColor(canvas_.back_));
        if (!canvas_.picture_.isNull())
            p.drawImage(0, 0, canvas_.picture_);
        p.drawImage(r, canvas_.kept_, r);
        p.drawImage(r, canvas_.loose_, r);
    }

    void showEvent(QShowEvent* event) override {
        QWidget::showEvent(event);
        // Nothing kept the screen-only strokes while the board was away.
        canvas_.forgetLooseStrokes();
    }

    bool eventFilter(QObject* watched, QEvent* event) override {
        if (watched == parent() && event->type() == QEvent::Resize)
            canvas_.fitToClient();
        return false;
    }

private:
    Canvas& canvas_;
};

namespace {

QImage transparentImage(QSize size) {
    QImage image(size.expandedTo({1, 1}), QImage::Format_ARGB32_Premultiplied);
    image.fill(Qt::transparent);
    return image;
}

// A larger client area keeps what was drawn; the new room is empty.
QImage resized(const QImage& old, QSize size) {
    QImage image = transparentImage(size);
    QPainter p(&image);
    p.drawImage(0, 0, old);
    return image;
}

} // namespace

Canvas::Canvas(Form* board)
    : client_(board->client()), surface_(std::make_unique<Surface>(*this, board->client())),
      kept_(transparentImage(board->client()->size())), loose_(transparentImage(board->client()->size())) {
    surface_->lower();
    fitToClient();
    surface_->show();
}

Canvas::~Canvas() = default;

void Canvas::fitToClient() {
    const QSize size = client_->size();
    surface_->setGeometry(QRect(QPoint(0, 0), size));
    if (kept_.size() != size.expandedTo({1, 1})) {
        kept_ = resized(kept_, size);
        loose_ = resized(loose_, size);
    }
}

void Canvas::setBackColor(OleColor color) {
    back_ = color;
    clearStrokes();
}

void Canvas::setPen(int widthPixels, OleColor color) {
    penWidth_ = std::max(1, widthPixels);
    penColor_ = color;
}

void Canvas::line(QPoint fromTwips, QPoint toTwips) {
    const QPoint from(Screen::toPixels(fromTwips.x()), Screen::toPixels(fromTwips.y()));
    const QPoint to(Screen::toPixels(toTwips.x()), Screen::toPixels(toTwips.y()));
    QImage& layer = autoRedraw_ ? kept_ : loose_;
    {
        QPainter p(&layer);
        p.setCompositionMode(QPainter::CompositionMode_Source);
        p.setPen(QPen(toQColor(penColor_), penWidth_, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
        if (from == to)
            p.drawPoint(from);
        else
            p.drawLine(from, to);
    }
    const int margin = penWidth_ / 2 + 2;
    surface_->update(QRect(from, to).normalized().adjusted(-margin, -margin, margin, margin));
}

void Canvas::clearStrokes() {
    kept_.fill(Qt::transparent);
    loose_.fill(Qt::transparent);
    surface_->update();
}

void Canvas::forgetLooseStrokes() {
    loose_.fill(Qt::transparent);
    surface_->update();
}

void Canvas::setPicture(const QImage& picture) {
    picture_ = picture;
    surface_->update();
}

QImage Canvas::compose(bool withLoose) const {
    QImage image(client_->size().expandedTo({1, 1}), QImage::Format_RGB32);
    image.fill(toQColor(back_));
    QPainter p(&image);
    if (!picture_.isNull())
        p.drawImage(0, 0, picture_);
    p.drawImage(0, 0, kept_);
    if (withLoose)
        p.drawImage(0, 0, loose_);
    return image;
}

QImage Canvas::image() const {
    return compose(false);
}
QImage Canvas::shown() const {
    return compose(true);
}

bool Canvas::saveBmp(const QString& path) const {
    QByteArray bytes;
    QBuffer buffer(&bytes);
    if (!buffer.open(QIODevice::WriteOnly) || !image().save(&buffer, "BMP"))
        return false;
    return writeFileAtomically(path, bytes);
}

} // namespace platform
