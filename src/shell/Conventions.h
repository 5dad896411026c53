#pragma once
// Habits every board shares: the teddy feedback picture, the built-in pointers, the pointer menus.
#include <QCursor>
#include <QString>

namespace platform {
class Control;
class Form;
class Image;
} // namespace platform

namespace conventions {

// "TEDDY.ICO" and friends from the board's start directory; a missing file leaves the old picture.
bool showTeddy(platform::Image& teddy, const QString& nowDir, const QString& file);

QCursor teddyPointer();
QCursor carPointer();
QCursor wavingTeddyPointer();

// The car pointer shows over every control that leads to another board.
void useCarPointer(platform::Control& goTo);
// Boards that start with the built-in teddy pointer.
void useTeddyPointer(platform::Form& board);

// The pointer menus: the standard arrow, or the pointer file of the board's menu item (a missing
// file keeps the pointer picture the board had).
void chooseArrowPointer(platform::Form& board);
void choosePointerFile(platform::Form& board, const QString& nowDir, const QString& file);

} // namespace conventions
