#pragma once
// Pictures from files (BMP, ICO, CUR) and the built-in SVG pictures compiled into the program.
#include <QCursor>
#include <QPixmap>
#include <QString>
#include <optional>

namespace platform {

// nullopt when the file is missing or not a picture; the caller keeps its old picture. Decoded once
// and reused until the file changes.
std::optional<QPixmap> loadPicture(const QString& path);
// A pointer file: its picture and the hot spot stored in the .cur header (ICO files: top left). A
// picture larger than every X server takes is scaled down to fit.
std::optional<QCursor> loadCursor(const QString& path);
// A built-in picture, ":/assets/<name>.svg" rendered at the given size.
QPixmap builtinPicture(const QString& name, QSize size);
// A built-in 32 x 32 pointer with its hot spot.
QCursor builtinCursor(const QString& name, QPoint hotSpot = {0, 0});

} // namespace platform
