#pragma once
// How the typing box judges one typed character: removed silently, spoken as a digit (a shifted
// digit key counts as its digit), or spoken as a letter in either case.
#include <QString>
#include <optional>

namespace abc::typing {

// Texts above "z", below "0" (but for the shifted digits "!#$%&*(") and the signs between the
// digits, the capitals and the small letters.
bool isRejected(const QString& text);
// 0 to 9 for "0" to "9" and for the shifted digits "!@#$%^&*(" (")" is rejected, so 0 is only "0").
std::optional<int> digitOf(const QString& text);
// 0 for "a" or "A" ... 25 for "z" or "Z".
std::optional<int> letterOf(const QString& text);
// "A a" for letter 0: unlike a click, typing leaves no blank at the end.
QString typedLetterText(int index);

} // namespace abc::typing
