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
// A built-in pointer with its hot spot given on the 32 x 32 drawing, at the size pointers have on this
// screen.
QCursor builtinCursor(const QString& name, QPoint hotSpot = {0, 0});

// Of a file holding several sizes (ICO, CUR), the smallest at least as large as wanted, else the largest.
std::optional<QPixmap> loadPictureFitting(const QString& path, QSize wanted);
// Pointers are 32 pixels at 96 dpi on a 1080-line screen and grow with the dpi and the screen.
int pointerPixels();

} // namespace platform
