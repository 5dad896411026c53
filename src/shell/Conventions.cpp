#include "shell/Conventions.h"

#include "platform/Control.h"
#include "platform/Files.h"
#include "platform/Form.h"
#include "platform/Image.h"
#include "platform/Pictures.h"

namespace conventions {

bool showTeddy(platform::Image& teddy, const QString& nowDir, const QString& file) {
    return teddy.loadPicture(platform::filePath(nowDir, file));
}

QCursor teddyPointer() { return platform::builtinCursor("teddy-pointer"); }
QCursor carPointer() { return platform::builtinCursor("car-pointer", {3, 3}); }
QCursor wavingTeddyPointer() { return platform::builtinCursor("waving-teddy-pointer"); }

void useCarPointer(platform::Control& goTo) {
    goTo.setMouseIcon(carPointer());
    goTo.setMousePointer(platform::pointerCustom);
}

void useTeddyPointer(platform::Form& board) {
    board.setMouseIcon(teddyPointer());
    board.setMousePointer(platform::pointerCustom);
}

void chooseArrowPointer(platform::Form& board) { board.setMousePointer(platform::pointerDefault); }

void choosePointerFile(platform::Form& board, const QString& nowDir, const QString& file) {
    board.setMousePointer(platform::pointerCustom);
    if (const std::optional<QCursor> cursor = platform::loadCursor(platform::filePath(nowDir, file)))
        board.setMouseIcon(*cursor);
}

} // namespace conventions
