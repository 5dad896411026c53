#include "numbers/LongDivision.h"

#include <cmath>

namespace numbers {

int wholeQuotient(int dividend, int divisor) {
    const float exact = static_cast<float>(dividend) / static_cast<float>(divisor);
    int quotient = static_cast<int>(std::nearbyint(exact)); // the default rounding: nearest, halves to even
    if (divisor * quotient > dividend)
        --quotient;
    return quotient;
}

namespace {

QString text(int n) {
    return QString::number(n);
}
QString firstChar(int n) {
    return text(n).left(1);
}
QString lastChar(int n) {
    return text(n).right(1);
}

// The quotient has one digit but the dividend two: one subtraction on the whole dividend.
void oneStepOnTwoDigits(LongDivision& w) {
    w.quotientOnes.caption = text(w.quotient);
    for (WrittenDigit* hidden : {&w.secondProductTens, &w.secondProductOnes, &w.lastDifference, &w.firstDifference})
        hidden->shown = false;
    const int product = w.quotient * w.divisor;
    if (product > 9)
        w.firstProductTens.caption = firstChar(product);
    w.firstProductOnes.caption = lastChar(product);
    w.broughtDown.caption = text(w.dividend - product);
}

// Two quotient digits: divide the tens, bring the ones down, divide again.
void twoSteps(LongDivision& w) {
    const QString quotientText = text(w.quotient);
    w.quotientTens.caption = quotientText.left(1);
    w.quotientOnes.caption = quotientText.right(1);
    w.secondMinusShown = true;
    w.secondRuleShown = true;
    const int tens = w.dividend / 10;
    const int firstProduct = quotientText.left(1).toInt() * w.divisor;
    w.firstProductTens.caption = text(firstProduct);
    w.firstDifference.caption = text(tens - firstProduct);
    w.broughtDown.caption = lastChar(w.dividend);
    const int secondProduct = quotientText.right(1).toInt() * w.divisor;
    w.secondProductOnes.caption = lastChar(secondProduct);
    if (w.firstDifference.caption > "0")
        w.secondProductTens.caption = firstChar(secondProduct);
    if (secondProduct < 10)
        w.secondProductTens.caption.clear();
    const int above = w.broughtDown.caption.toInt();
    const int below = w.secondProductOnes.caption.toInt();
    // Both are single digits, so comparing their text compares the digits; a smaller top borrows ten.
    w.lastDifference.caption =
        text(w.broughtDown.caption < w.secondProductOnes.caption ? above + 10 - below : above - below);
}

void oneDigitDividend(LongDivision& w) {
    w.quotientTens.caption = text(w.quotient);
    for (WrittenDigit* hidden : {&w.quotientOnes, &w.firstProductOnes, &w.broughtDown, &w.secondProductTens,
                                 &w.secondProductOnes, &w.lastDifference})
        hidden->shown = false;
    const int product = w.quotient * w.divisor;
    w.firstProductTens.caption = text(product);
    w.firstDifference.caption = text(w.dividend - product);
}

} // namespace

LongDivision LongDivision::work(int dividend, int divisor) {
    LongDivision w;
    w.dividend = dividend;
    w.divisor = divisor;
    w.quotient = wholeQuotient(dividend, divisor);
    w.remainder = dividend - divisor * w.quotient;
    if (w.quotient > 9)
        twoSteps(w);
    else if (dividend > 9)
        oneStepOnTwoDigits(w);
    else
        oneDigitDividend(w);
    return w;
}

} // namespace numbers
