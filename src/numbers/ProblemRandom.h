#pragma once
// The Problem Board's random source: uniform numbers reseeded at every problem, and the rounded
// draws the problems are made of.
#include <cstdint>
#include <functional>
#include <random>

class ProblemRandom {
public:
    using SeedSource = std::function<std::uint64_t()>;

    // Seeds come from the high-resolution clock unless a test gives its own source.
    ProblemRandom();
    void setSeedSource(SeedSource source);

    void reseed();
    // Uniform in [0, 1).
    double next();
    // n x r rounded to the nearest integer, halves to the even neighbour: 0..n, with 0 and n
    // half as likely as each value between them.
    int draw(int n);
    // base - spread x r, rounded the same way (the below-zero answers).
    int drawDown(int base, int spread);

    static int roundHalfEven(double value);

private:
    SeedSource seedSource_;
    std::mt19937_64 engine_;
};
