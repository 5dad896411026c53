#pragma once
// A one- or two-digit number divided by a digit, worked out the way the Divide Board writes it:
// the quotient digits above the dividend, then one or two subtraction steps below it.
#include <QString>

namespace numbers {

// The whole-number quotient as the board finds it: the single-precision quotient rounded to the
// nearest whole number (halves to even), lowered by one when that overshoots the dividend.
int wholeQuotient(int dividend, int divisor);

// One written digit place: its caption and whether it is shown.
struct WrittenDigit {
    QString caption;
    bool shown = true;
};

struct LongDivision {
    int dividend = 0;
    int divisor = 0;
    int quotient = 0;
    int remainder = 0;
    WrittenDigit quotientTens, quotientOnes;           // LabelE3, LabelE3S
    WrittenDigit firstProductTens, firstProductOnes;   // Label7, Label8
    WrittenDigit firstDifference, broughtDown;         // Label9, Label10
    WrittenDigit secondProductTens, secondProductOnes; // Label11, Label12
    WrittenDigit lastDifference;                       // Label13
    bool secondMinusShown = false;                     // Line7
    bool secondRuleShown = false;                      // Line5

    // dividend 0..99, divisor 1..9; the digit places start empty and shown, as "Clear" leaves them.
    static LongDivision work(int dividend, int divisor);
};

} // namespace numbers
