#pragma once
// The fonts the Letter Board offers: each family once, by the name a parent knows, and only fonts
// that can write a letter (a symbol font chosen there would turn the ABCs keys into pictures).
#include <QStringList>

namespace letter {

// In alphabetical order.
QStringList fontList();
// "C059 [urw]" -> "C059": the maker tag the toolkit adds when two makers share a family name.
QString familyWithoutMaker(const QString& family);

} // namespace letter
