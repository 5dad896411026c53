#include "letter/KeyFont.h"

#include "abc/Form1.h"
#include "platform/Label.h"

namespace {

void dress(platform::Control& label, const QString& name) {
    label.setFontName(name);
    label.setFontItalic(false);
    label.setFontBold(false);
}

} // namespace

void applyKeyFont(Form1& board, const QString& name) {
    dress(board.Label1, name);
    for (platform::Label* key : board.letterKeys())
        dress(*key, name);
    for (platform::Label* key : board.numberKeys())
        dress(*key, name);
}
