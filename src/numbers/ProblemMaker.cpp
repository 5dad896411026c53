#include "numbers/ProblemMaker.h"

#include <algorithm>

Problem ProblemMaker::make(int kind, bool harder) {
    Problem problem;
    problem.usesSecondArray = kind == multiplyKind || kind == divideKind || kind == subtractBelowZeroKind;
    problem.used.fill(usedStartValue(kind));
    random_.reseed();
    drawOperands(problem, kind, harder);
    problem.rightPlace = static_cast<std::int16_t>(random_.draw(3));
    fillAnswers(problem, kind, harder);
    return problem;
}

void ProblemMaker::drawOperands(Problem& p, int kind, bool harder) {
    auto draw = [this](int n) { return static_cast<std::int16_t>(random_.draw(n)); };
    switch (kind) {
    case subtractKind:
        p.firstValue = draw(harder ? 110 : 10);
        do
            p.secondValue = draw(10);
        while (p.secondValue > p.firstValue);
        p.rightAnswer = static_cast<std::int16_t>(p.firstValue - p.secondValue);
        break;
    case subtractBelowZeroKind:
        p.firstValue = draw(harder ? 20 : 10);
        p.secondValue = draw(harder ? 20 : 10);
        p.rightAnswer = static_cast<std::int16_t>(p.firstValue - p.secondValue);
        break;
    case multiplyKind:
        p.firstValue = draw(harder ? 10 : 5);
        p.secondValue = draw(harder ? 9 : 5);
        p.rightAnswer = static_cast<std::int16_t>(p.firstValue * p.secondValue);
        break;
    case divideKind:
        p.firstValue = draw(harder ? 10 : 5);
        // A divisor of 0 would make a problem without an answer.
        do
            p.secondValue = draw(harder ? 9 : 5);
        while (p.secondValue == 0);
        p.dividend = static_cast<std::int16_t>(p.firstValue * p.secondValue);
        p.rightAnswer = p.firstValue;
        break;
    default:
        p.firstValue = draw(harder ? 99 : 10);
        p.secondValue = draw(10);
        p.rightAnswer = static_cast<std::int16_t>(p.firstValue + p.secondValue);
        break;
    }
    if (harder)
        p.wrongRange = static_cast<std::int16_t>(wrongRangeFor(kind, p.rightAnswer));
}

int ProblemMaker::wrongRangeFor(int kind, int right) {
    if (kind == addKind || kind == subtractKind)
        return right >= 80 ? 110 : right >= 40 ? 80 : right >= 20 ? 50 : 30;
    if (kind == multiplyKind)
        return right >= 40 ? 92 : right >= 20 ? 50 : 30;
    return 0;
}

bool ProblemMaker::tooFarBelow(int kind, bool harder, int right, int candidate) {
    if (!harder)
        return false;
    const bool nearRule = (right >= 50 && candidate < 40) || (right >= 30 && candidate < 20);
    if (kind == addKind || kind == subtractKind)
        return (right >= 80 && candidate < 70) || nearRule;
    if (kind == multiplyKind)
        return nearRule;
    return false;
}

std::int16_t ProblemMaker::usedStartValue(int kind) {
    return kind == subtractBelowZeroKind ? -11 : -1;
}

int ProblemMaker::drawCandidate(int kind, bool harder, int wrongRange) {
    switch (kind) {
    case subtractKind:
        return random_.draw(harder ? wrongRange : 10);
    case subtractBelowZeroKind:
        return harder ? random_.drawDown(20, 40) : random_.drawDown(10, 20);
    case multiplyKind:
        return random_.draw(harder ? wrongRange : 25);
    case divideKind:
        return random_.draw(harder ? 10 : 5);
    default:
        return random_.draw(harder ? wrongRange : 20);
    }
}

void ProblemMaker::fillAnswers(Problem& p, int kind, bool harder) {
    for (std::size_t place = 0; place < p.answers.size(); ++place) {
        int candidate = 0;
        do
            candidate = drawCandidate(kind, harder, p.wrongRange);
        while (tooFarBelow(kind, harder, p.rightAnswer, candidate) ||
               std::find(p.used.begin(), p.used.end(), candidate) != p.used.end() || candidate == p.rightAnswer);
        p.wrongAnswer = static_cast<std::int16_t>(candidate);
        p.used[place] = p.wrongAnswer;
        p.answers[place] = static_cast<int>(place) == p.rightPlace ? p.rightAnswer : p.wrongAnswer;
    }
}
