// The Problem Board's random draws and problem making, without a window.
#include "numbers/ProblemMaker.h"
#include "numbers/ProblemRandom.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <map>
#include <set>

namespace {

ProblemRandom seededRandom(std::uint64_t first) {
    ProblemRandom random;
    random.setSeedSource([seed = first]() mutable { return seed++; });
    return random;
}

} // namespace

TEST(ProblemRandomTest, RoundsHalvesToTheEvenNeighbour) {
    const std::pair<double, int> cases[] = {{0.5, 0},   {1.5, 2},   {2.5, 2},   {2.49, 2}, {2.51, 3}, {-0.5, 0},
                                            {-1.5, -2}, {-2.5, -2}, {-2.6, -3}, {9.5, 10}, {0.0, 0}};
    for (const auto& [value, rounded] : cases)
        EXPECT_EQ(ProblemRandom::roundHalfEven(value), rounded) << value;
}

TEST(ProblemRandomTest, EndsOfADrawComeHalfAsOftenAsInnerValues) {
    ProblemRandom random = seededRandom(7);
    for (const int n : {3, 10}) {
        std::map<int, int> counts;
        const int draws = 240000;
        for (int i = 0; i < draws; ++i)
            ++counts[random.draw(n)];
        ASSERT_EQ(counts.begin()->first, 0);
        ASSERT_EQ(counts.rbegin()->first, n);
        ASSERT_EQ(int(counts.size()), n + 1) << "every value 0.." << n << " comes up";
        const double inner = double(draws) / n; // each inner value
        for (int v = 1; v < n; ++v)
            EXPECT_NEAR(counts[v], inner, inner * 0.03) << "n " << n << " value " << v;
        EXPECT_NEAR(counts[0], inner / 2, inner * 0.03) << "n " << n;
        EXPECT_NEAR(counts[n], inner / 2, inner * 0.03) << "n " << n;
    }
}

TEST(ProblemRandomTest, TheSameSeedGivesTheSameProblemBecauseEachProblemReseeds) {
    ProblemRandom random;
    random.setSeedSource([] { return std::uint64_t{42}; });
    ProblemMaker maker(random);
    const Problem first = maker.make(addKind, true);
    const Problem second = maker.make(addKind, true);
    EXPECT_EQ(first.firstValue, second.firstValue);
    EXPECT_EQ(first.secondValue, second.secondValue);
    EXPECT_EQ(first.answers, second.answers);
    EXPECT_EQ(first.rightPlace, second.rightPlace);
}

struct KindRule {
    const char* name;
    int kind;
    bool harder;
    int firstMax, secondMax; // operand ranges (division: quotient and divisor)
    int wrongMin, wrongMax;  // the wrong-answer range before any harder rejection
    std::int16_t usedStart;
};

class ProblemKindTest : public testing::TestWithParam<KindRule> {};

namespace {

int expectedRight(const KindRule& rule, const Problem& p) {
    switch (rule.kind) {
    case subtractKind:
    case subtractBelowZeroKind:
        return p.firstValue - p.secondValue;
    case multiplyKind:
        return p.firstValue * p.secondValue;
    case divideKind:
        return p.dividend / p.secondValue;
    default:
        return p.firstValue + p.secondValue;
    }
}

// The harder rules keep wrong answers near a big right answer.
bool inRejectedBand(const KindRule& rule, int right, int wrong) {
    if (!rule.harder || rule.kind == divideKind || rule.kind == subtractBelowZeroKind)
        return false;
    const bool addOrSubtract = rule.kind == addKind || rule.kind == subtractKind;
    return (addOrSubtract && right >= 80 && wrong < 70) || (right >= 50 && wrong < 40) || (right >= 30 && wrong < 20);
}

int harderWrongMax(const KindRule& rule, int right) {
    if (rule.kind == multiplyKind)
        return right >= 40 ? 92 : right >= 20 ? 50 : 30;
    return right >= 80 ? 110 : right >= 40 ? 80 : right >= 20 ? 50 : 30;
}

} // namespace

TEST_P(ProblemKindTest, ManyProblemsKeepEveryRule) {
    const KindRule rule = GetParam();
    ProblemRandom random = seededRandom(1000 + std::uint64_t(rule.kind) * 10 + rule.harder);
    ProblemMaker maker(random);
    std::set<int> places;
    for (int n = 0; n < 3000; ++n) {
        const Problem p = maker.make(rule.kind, rule.harder);
        ASSERT_GE(p.firstValue, 0);
        ASSERT_LE(p.firstValue, rule.firstMax);
        ASSERT_GE(p.secondValue, rule.kind == divideKind ? 1 : 0);
        ASSERT_LE(p.secondValue, rule.secondMax);
        if (rule.kind == subtractKind) {
            ASSERT_LE(p.secondValue, p.firstValue);
        }
        if (rule.kind == divideKind) {
            ASSERT_EQ(p.dividend, p.firstValue * p.secondValue);
        }
        ASSERT_EQ(p.rightAnswer, expectedRight(rule, p));
        ASSERT_EQ(p.answers[std::size_t(p.rightPlace)], p.rightAnswer);
        places.insert(p.rightPlace);
        ASSERT_EQ(std::set<int>(p.answers.begin(), p.answers.end()).size(), 4u) << "four different answers";
        ASSERT_EQ(p.usesSecondArray, rule.usedStart == -11 || rule.kind == multiplyKind || rule.kind == divideKind);
        ASSERT_EQ(ProblemMaker::usedStartValue(rule.kind), rule.usedStart);
        const int wrongMax = rule.wrongMax > 0 ? rule.wrongMax : harderWrongMax(rule, p.rightAnswer);
        for (std::size_t i = 0; i < 4; ++i) {
            const int candidate = p.used[i];
            ASSERT_NE(candidate, p.rightAnswer);
            ASSERT_NE(candidate, rule.usedStart) << "the start value is never offered";
            ASSERT_GE(candidate, rule.wrongMin);
            ASSERT_LE(candidate, wrongMax) << "right " << p.rightAnswer;
            ASSERT_FALSE(inRejectedBand(rule, p.rightAnswer, candidate)) << "right " << p.rightAnswer;
            if (int(i) != p.rightPlace) {
                ASSERT_EQ(p.answers[i], candidate);
            }
        }
    }
    EXPECT_EQ(places, (std::set<int>{0, 1, 2, 3}));
}

// wrongMax 0: the harder scale that depends on the right answer.
INSTANTIATE_TEST_SUITE_P(EveryKind, ProblemKindTest,
                         testing::Values(KindRule{"add", addKind, false, 10, 10, 0, 20, -1},
                                         KindRule{"harderAdd", addKind, true, 99, 10, 0, 0, -1},
                                         KindRule{"subtract", subtractKind, false, 10, 10, 0, 10, -1},
                                         KindRule{"harderSubtract", subtractKind, true, 110, 10, 0, 0, -1},
                                         KindRule{"belowZero", subtractBelowZeroKind, false, 10, 10, -10, 10, -11},
                                         KindRule{"harderBelowZero", subtractBelowZeroKind, true, 20, 20, -20, 20, -11},
                                         KindRule{"multiply", multiplyKind, false, 5, 5, 0, 25, -1},
                                         KindRule{"harderMultiply", multiplyKind, true, 10, 9, 0, 0, -1},
                                         KindRule{"divide", divideKind, false, 5, 5, 0, 5, -1},
                                         KindRule{"harderDivide", divideKind, true, 10, 9, 0, 10, -1}),
                         [](const testing::TestParamInfo<KindRule>& param) { return std::string(param.param.name); });

TEST(ProblemMakerTest, EdgeProblemsOfTheKinds) {
    ProblemRandom random = seededRandom(99);
    ProblemMaker maker(random);
    bool sawHarderAdd85 = false, sawPlainDivideByZeroQuotient = false, sawSubtractFromZero = false;
    for (int n = 0; n < 20000; ++n) {
        const Problem add = maker.make(addKind, true);
        if (add.rightAnswer == 85) {
            sawHarderAdd85 = true;
            for (std::size_t i = 0; i < 4; ++i) {
                if (int(i) != add.rightPlace) {
                    EXPECT_GE(add.answers[i], 70);
                    EXPECT_LE(add.answers[i], 110);
                }
            }
        }
        const Problem divide = maker.make(divideKind, false);
        if (divide.firstValue == 0) {
            sawPlainDivideByZeroQuotient = true;
            EXPECT_EQ(divide.dividend, 0);
            EXPECT_GE(divide.secondValue, 1);
            for (const int answer : divide.answers) {
                EXPECT_GE(answer, 0);
                EXPECT_LE(answer, 5);
            }
        }
        const Problem subtract = maker.make(subtractKind, false);
        if (subtract.firstValue == 0) {
            sawSubtractFromZero = true;
            EXPECT_EQ(subtract.secondValue, 0);
        }
    }
    EXPECT_TRUE(sawHarderAdd85);
    EXPECT_TRUE(sawPlainDivideByZeroQuotient);
    EXPECT_TRUE(sawSubtractFromZero);
}
