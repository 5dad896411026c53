#include "numbers/ProblemRandom.h"

#include <chrono>
#include <cmath>

namespace {

std::uint64_t clockSeed() {
    return static_cast<std::uint64_t>(std::chrono::high_resolution_clock::now().time_since_epoch().count());
}

} // namespace

ProblemRandom::ProblemRandom() : seedSource_(clockSeed), engine_(clockSeed()) {}

void ProblemRandom::setSeedSource(SeedSource source) {
    seedSource_ = source ? std::move(source) : SeedSource(clockSeed);
    reseed();
}

void ProblemRandom::reseed() {
    engine_.seed(seedSource_());
}

double ProblemRandom::next() {
    // 53 random bits scaled by 2^-53 can never reach 1, unlike some library distributions.
    return static_cast<double>(engine_() >> 11) * 0x1.0p-53;
}

int ProblemRandom::draw(int n) {
    return roundHalfEven(n * next());
}

int ProblemRandom::drawDown(int base, int spread) {
    return roundHalfEven(base - spread * next());
}

int ProblemRandom::roundHalfEven(double value) {
    const double whole = std::floor(value);
    const double fraction = value - whole;
    int result = static_cast<int>(whole);
    if (fraction > 0.5 || (fraction == 0.5 && result % 2 != 0))
        ++result;
    return result;
}
