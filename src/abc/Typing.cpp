#include "abc/Typing.h"

namespace abc::typing {
namespace {
// The shifted digit keys of the keyboard, "!" for 1 ... "(" for 9.
const QString shiftedDigits = QStringLiteral("!@#$%^&*(");
const QString signsBetween = QStringLiteral("[\\]_`:;<=>?");
} // namespace

bool isRejected(const QString& text) {
    // Code-by-code comparison, as the characters' order decides.
    if (QString::compare(text, QStringLiteral("z"), Qt::CaseSensitive) > 0)
        return true;
    if (QString::compare(text, QStringLiteral("0"), Qt::CaseSensitive) < 0)
        return !(text.size() == 1 && shiftedDigits.contains(text[0]));
    return text.size() == 1 && signsBetween.contains(text[0]);
}

std::optional<int> digitOf(const QString& text) {
    if (text.size() != 1)
        return std::nullopt;
    const QChar ch = text[0];
    if (ch >= QLatin1Char('0') && ch <= QLatin1Char('9'))
        return ch.unicode() - '0';
    const qsizetype shifted = shiftedDigits.indexOf(ch);
    if (shifted >= 0)
        return static_cast<int>(shifted) + 1;
    return std::nullopt;
}

std::optional<int> letterOf(const QString& text) {
    if (text.size() != 1)
        return std::nullopt;
    const char16_t ch = text[0].unicode();
    if (ch >= u'a' && ch <= u'z')
        return ch - u'a';
    if (ch >= u'A' && ch <= u'Z')
        return ch - u'A';
    return std::nullopt;
}

QString typedLetterText(int index) {
    const QChar upper(QLatin1Char(static_cast<char>('A' + index)));
    return QString(upper) + ' ' + upper.toLower();
}

} // namespace abc::typing
