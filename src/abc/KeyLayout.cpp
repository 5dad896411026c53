#include "abc/KeyLayout.h"

namespace abc {

QString clickedLetterText(int index) {
    const QChar upper(QLatin1Char(static_cast<char>('A' + index)));
    return QString(upper) + ' ' + upper.toLower() + ' ';
}

QString clickedNumberText(int number) {
    return QString::number(number) + ' ';
}

} // namespace abc
