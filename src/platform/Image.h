#pragma once
// A picture on a board: drawn at its own size from the top-left corner, or stretched to the control.
#include "platform/Control.h"

#include <QWidget>

namespace platform {

class Image : public Control {
public:
    Image(Container* parent, const TwipsRect& rect, bool stretch = false, const QString& description = {});

    // A failed load leaves the old picture; returns whether the new one was loaded.
    bool loadPicture(const QString& path);
    void setPicture(const QPixmap& picture);
    void clearPicture() { setPicture({}); }
    QPixmap picture() const { return picture_; }
    // The file the picture was last loaded from (empty for built-in and cleared pictures).
    QString pictureFile() const { return pictureFile_; }
    bool stretch() const { return stretch_; }
    void setStretch(bool stretch);
    void setDescription(const QString& description);

private:
    class Surface;
    QPixmap picture_;
    QString pictureFile_;
    bool stretch_;
};

} // namespace platform
