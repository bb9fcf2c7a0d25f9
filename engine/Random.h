// The one source of chance. Every random choice of the game goes through rdm().
#pragma once

#include <cstdint>

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
    explicit SeededRandom(std::uint64_t seed) {
        // splitmix64 spreads any seed, 0 included, over the generator's whole state.
        for (auto& word : state_) {
            seed += 0x9E3779B97F4A7C15ull;
            std::uint64_t z = seed;
            z = (z ^ (z >> 30)) * 0xBF58476D1CE4E5B9ull;
            z = (z ^ (z >> 27)) * 0x94D049BB133111EBull;
            word = z ^ (z >> 31);
        }
    }
    std::int16_t rdm(std::int16_t lowerbound, std::int16_t upperbound) override {
        const float r = float(std::int32_t(next() >> 40)) * (1.0f / 16777216.0f); // 24 bits: exact in a float
        const float x = float(int(upperbound) - int(lowerbound) + 1) * r + float(lowerbound);
        int v = int(x);
        if (v > upperbound) v = upperbound; // guards the float product rounding up at r close to 1
        return std::int16_t(v);
    }
    // Draws `count` numbers and drops them, as `count` calls of rdm() would: the same state after.
    void discard(int count) {
        for (; count >= kJump; count -= kJump) jump();
        for (; count > 0; --count) next();
    }

    // The draws a computer's turn drops at once: the faces of 48 throws of two dice that the next
    // throw hides. Skipping them is one step of a precomputed jump, not 96 steps of the generator.
    static constexpr int kJump = 96;

private:
    // xoshiro256**: small, fast and statistically sound; the same seed gives the same games everywhere.
    static std::uint64_t rotl(std::uint64_t x, int k) { return (x << k) | (x >> (64 - k)); }
    std::uint64_t next() {
        const std::uint64_t result = rotl(state_[1] * 5, 7) * 9;
        const std::uint64_t t = state_[1] << 17;
        state_[2] ^= state_[0];
        state_[3] ^= state_[1];
        state_[1] ^= state_[2];
        state_[0] ^= state_[3];
        state_[2] ^= t;
        state_[3] = rotl(state_[3], 45);
        return result;
    }
    // kJump steps of next() at once (engine/RandomJump.cpp).
    void jump();
    std::uint64_t state_[4];
};

} // namespace tavorin
