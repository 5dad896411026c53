#pragma once
// Makes the Problem Board's problems: the operands of each kind, the right answer, where it sits,
// and three different wrong answers drawn from the kind's range.
#include "numbers/ProblemRandom.h"

#include <array>
#include <cstdint>

enum ProblemKind : std::int16_t {
    addKind = 1,
    subtractKind = 2,
    multiplyKind = 3,
    subtractBelowZeroKind = 4,
    divideKind = 5
};

struct Problem {
    std::int16_t firstValue = 0;  // for division the quotient
    std::int16_t secondValue = 0; // for division the divisor
    std::int16_t dividend = 0;
    std::int16_t rightAnswer = 0;
    std::int16_t rightPlace = 0;
    std::int16_t wrongAnswer = 0; // the last candidate drawn
    std::int16_t wrongRange = 0;  // 0 when the kind's harder rule did not need it
    // The candidates drawn for the four places; the right place's candidate is never shown.
    std::array<std::int16_t, 4> used{};
    // Multiply, divide and below-zero problems keep their candidates in the second array.
    bool usesSecondArray = false;
    std::array<std::int16_t, 4> answers{};

    // What the first operand label shows.
    std::int16_t shownFirst(int kind) const { return kind == divideKind ? dividend : firstValue; }
};

class ProblemMaker {
public:
    explicit ProblemMaker(ProblemRandom& random) : random_(random) {}

    // Reseeds, draws the operands, the right place and the answers, in that order.
    Problem make(int kind, bool harder);

    // The scale of the harder wrong answers; 0 where the kind has none.
    static int wrongRangeFor(int kind, int rightAnswer);
    // Harder wrong answers far below a big right answer would be too easy to rule out.
    static bool tooFarBelow(int kind, bool harder, int rightAnswer, int candidate);
    // The start value of the kind's array of used candidates, outside (or, for harder below-zero
    // problems, inside) every candidate range.
    static std::int16_t usedStartValue(int kind);

private:
    void drawOperands(Problem& problem, int kind, bool harder);
    int drawCandidate(int kind, bool harder, int wrongRange);
    void fillAnswers(Problem& problem, int kind, bool harder);
    ProblemRandom& random_;
};
