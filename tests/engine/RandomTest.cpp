// Skipping draws: the generator left by discard() is the one the same number of plain draws leaves,
// whether the skip goes through the precomputed jump, round it or through many jumps.
#include <gtest/gtest.h>

#include <array>
#include <cstdint>

#include "engine/Random.h"

namespace tavorin::test {
namespace {

// Eight draws over the whole 16-bit range: enough of the generator's output to tell two states apart.
std::array<std::int16_t, 8> nextDraws(SeededRandom& random) {
    std::array<std::int16_t, 8> draws{};
    for (auto& d : draws) d = random.rdm(-32768, 32767);
    return draws;
}

TEST(Random, DiscardLeavesTheStateOfThePlainDraws) {
    const std::uint64_t seeds[] = {0, 1, 7919, 123456789, 0x9E3779B97F4A7C15ull, ~std::uint64_t(0)};
    const int counts[] = {
        0,     // nothing skipped
        1,     // one plain step
        95,    // just short of a jump
        96,    // the dice a computer's turn drops: exactly one jump
        97,    // a jump and one step
        50,    // no jump at all
        192,   // two jumps
        1000,  // ten jumps and a remainder
        100003 // many jumps
    };
    for (const std::uint64_t seed : seeds)
        for (const int count : counts) {
            SeededRandom skipped(seed), drawn(seed);
            skipped.discard(count);
            for (int i = 0; i < count; ++i) drawn.rdm(1, 6);
            EXPECT_EQ(nextDraws(skipped), nextDraws(drawn)) << "seed " << seed << ", " << count << " skipped";
        }
}

} // namespace
} // namespace tavorin::test
