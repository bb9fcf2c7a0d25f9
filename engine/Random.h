// The one source of chance. Every random choice of the game goes through rdm().
#pragma once

#include <cstdint>
#include <random>

namespace tavorin {

class RandomSource {
public:
    virtual ~RandomSource() = default;
    // A whole number drawn uniformly from lowerbound..upperbound, both included.
    virtual std::int16_t rdm(std::int16_t lowerbound, std::int16_t upperbound) = 0;
};

// The program's generator: the integer part of (upper - lower + 1) * r + lower with r in [0, 1),
// computed in single precision. Seeded once, from the clock in the program or from a number in the
// simulator, so the same seed plays the same game.
class SeededRandom final : public RandomSource {
public:
    explicit SeededRandom(std::uint64_t seed) : gen_(seed) {}
    std::int16_t rdm(std::int16_t lowerbound, std::int16_t upperbound) override {
        const float r = float(gen_() >> 40) * (1.0f / 16777216.0f); // 24 random bits: exact in a float
        const float x = float(int(upperbound) - int(lowerbound) + 1) * r + float(lowerbound);
        int v = int(x);
        if (v > upperbound) v = upperbound; // guards the float product rounding up at r close to 1
        return std::int16_t(v);
    }

private:
    std::mt19937_64 gen_;
};

} // namespace tavorin
