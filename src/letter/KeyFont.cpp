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

bool isKeyCaption(const QString& caption) {
    if (caption.size() == 1 && caption.at(0).isLetter())
        return true;
    bool number = false;
    const int n = caption.toInt(&number);
    return number && n >= 1 && n <= 10 && caption == QString::number(n);
}

// The keys are found by their captions: they are the only labels on the board that show a single
// letter or a number from 1 to 10.
void applyKeyFont(Form1& board, const QString& name) {
    dress(board.Label1, name);
    for (platform::Control* control : board.controls()) {
        auto* label = dynamic_cast<platform::Label*>(control);
        if (label && label != &board.Label1 && isKeyCaption(label->caption()))
            dress(*label, name);
    }
}
