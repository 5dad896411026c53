#include "numbers/CountingPicture.h"

#include <algorithm>

CountingPicture CountingPicture::of(const QString& shownNumber) {
    const QString text = shownNumber.isEmpty() ? QStringLiteral("0") : shownNumber;
    const int value = text.toInt();
    CountingPicture picture;
    picture.onesDigit = text.right(1);
    picture.onesCount = picture.onesDigit.toInt();
    if (value == 10 || value == -10 || value == 20) {
        picture.tensDigit = value == 20 ? QStringLiteral("2") : QStringLiteral("1");
        picture.tensShown = true;
        picture.tenBars = value == 20 ? 2 : 1;
    } else if (value >= 11 && value <= 19) {
        picture.tensDigit = QStringLiteral("1");
        picture.tensShown = true;
        picture.tenBars = 1;
        picture.unitFaces = value - 10;
    } else {
        // -9..9: only unit faces; the tens digit is "0" and stays hidden.
        picture.tensDigit = QStringLiteral("0");
        picture.unitFaces = std::clamp(picture.onesCount, 0, 9);
    }
    return picture;
}
