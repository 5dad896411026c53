#include "shell/FitToScreen.h"

#include "platform/Form.h"
#include "platform/Screen.h"

void fitToScreen(platform::Form& board) {
    using platform::Screen;
    board.setWidth(100 * Screen::width());
    board.setHeight(100 * Screen::height());
    board.setLeft((Screen::width() - board.width()) / 2);
    board.setTop((Screen::height() - board.height()) / 2);
}
