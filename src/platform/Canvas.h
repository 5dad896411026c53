#pragma once
// A board's drawing surface: it lies under the board's controls over the whole client area and
// shows the background colour, an optional background picture (top-left, its own size) and the
// strokes drawn on it. Strokes drawn while the persistent image is on are kept and survive hiding
// the board; strokes drawn while it is off live on the screen only and are lost when the board is
// shown again. Mouse input passes through to the board.
#include "platform/Colors.h"

#include <QImage>
#include <QPoint>
#include <QString>
#include <memory>

class QWidget;

namespace platform {

class Form;

class Canvas {
public:
    explicit Canvas(Form* board);
    Canvas(const Canvas&) = delete;
    Canvas& operator=(const Canvas&) = delete;
    ~Canvas();

    // A new background colour repaints the whole surface and erases every stroke; a picture stays.
    void setBackColor(OleColor color);
    OleColor backColor() const { return back_; }

    // The pen of the next strokes: width in pixels, plain copy mode, round ends.
    void setPen(int widthPixels, OleColor color);
    // One straight segment between two points of the board (twips); equal points leave a dot.
    void line(QPoint fromTwips, QPoint toTwips);
    // Erases every stroke (kept or not); the background colour and picture stay.
    void clearStrokes();

    void setPicture(const QImage& picture);
    void removePicture() { setPicture({}); }
    bool hasPicture() const { return !picture_.isNull(); }

    bool autoRedraw() const { return autoRedraw_; }
    void setAutoRedraw(bool on) { autoRedraw_ = on; }

    // The persistent image: background colour, background picture and the kept strokes, at the
    // size of the board's client area.
    QImage image() const;
    // What the surface shows right now (also the strokes that are not kept).
    QImage shown() const;
    // Writes the persistent image as BMP through a temporary file and a rename; false when
    // anything failed, and then an earlier file of that name is left as it was.
    bool saveBmp(const QString& path) const;

private:
    class Surface;
    void fitToClient();
    void forgetLooseStrokes();
    QImage compose(bool withLoose) const;
    QWidget* client_;
    std::unique_ptr<Surface> surface_;
    OleColor back_ = colors::black;
    QImage picture_;
    QImage kept_;  // strokes drawn while the persistent image was on (transparent elsewhere)
    QImage loose_; // strokes drawn while it was off
    int penWidth_ = 1;
    OleColor penColor_ = colors::white;
    bool autoRedraw_ = false;
};

} // namespace platform
