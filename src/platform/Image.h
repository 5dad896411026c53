#pragma once
// A picture on a board: drawn at its own size from the top-left corner, or stretched to the control.
// Built-in drawings are rendered afresh at the size they are shown, so they stay sharp on every screen.
#include "platform/Control.h"

#include <QWidget>

namespace platform {

class Image : public Control {
public:
    Image(Container* parent, const TwipsRect& rect, bool stretch = false, const QString& description = {});

    // A failed load leaves the old picture; returns whether the new one was loaded. Of a file holding
    // several sizes (ICO, CUR) the one that fits the control is taken.
    bool loadPicture(const QString& path);
    void setPicture(const QPixmap& picture);
    // A built-in drawing; ownSize is its size in pixels on a 640 x 480 board, grown with the board.
    void setBuiltinPicture(const QString& name, QSize ownSize = {32, 32});
    // The same picture as another image shows, built-in drawings staying drawings.
    void copyPictureFrom(const Image& other);
    void clearPicture() { setPicture({}); }
    // What is shown, at the size it is shown.
    QPixmap picture() const;
    // The built-in drawing shown, empty for pictures from files and cleared pictures.
    QString builtinName() const { return builtin_; }
    // The file the picture was last loaded from (empty for built-in and cleared pictures).
    QString pictureFile() const { return pictureFile_; }
    bool stretch() const { return stretch_; }
    void setStretch(bool stretch);
    void setDescription(const QString& description);
    // A frame drawn around the box whatever the picture, so an empty drop target can still be seen.
    void setOutline(const QColor& colour);

private:
    class Surface;
    // In device pixels.
    QSize shownSize() const;
    QPixmap picture_;
    QString pictureFile_;
    QString builtin_;
    QSize builtinOwnSize_;
    QColor outline_;
    bool stretch_;
};

} // namespace platform
