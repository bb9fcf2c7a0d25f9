// The determinism signature: the traces of a few seeded all-computer games, hashed. Any change to
// the order of the draws, to a message or to an outcome changes a hash here. When a change is meant
// (a new generator, a rule decided differently), put the new hashes in with the reason in the commit
// message; otherwise a failure here means the games are no longer the games they were.
//
// The pinned values are FNV-1a (64 bit) of the files `tavorin-sim --trace` writes for the same games,
// computed outside the program, so the command line and this test agree on what a trace is.
#include <gtest/gtest.h>

#include <cstdint>
#include <cstdio>
#include <sstream>
#include <string>

#include "computer/Simulation.h"

namespace tavorin::test {
namespace {

std::uint64_t fnv1a(const std::string& bytes) {
    std::uint64_t h = 0xcbf29ce484222325ULL;
    for (const unsigned char c : bytes) {
        h ^= c;
        h *= 0x100000001b3ULL;
    }
    return h;
}

struct Signature {
    int players;
    bool firstLapLock;
    int deal;
    std::uint64_t seed;
    int turns;          // as the simulator prints them
    std::uint64_t hash; // of the whole trace
    std::size_t bytes;
};

// tavorin-sim --players P [--first-lap-lock] [--deal D] --seed S --max-turns 3000 --trace F
const Signature kSignatures[] = {
    {2, false, 0, 101, 182, 0x273d44e7d0f57711ULL, 707635},
    {3, true, 3, 404, 546, 0x958b9210ce23a633ULL, 2114123},
    {4, true, 0, 202, 458, 0x6eff84474c2a8190ULL, 1773408},
    {6, false, 2, 303, 689, 0xd21687462f87cc37ULL, 2672242},
};

TEST(Determinism, SeededGamesPlayExactlyAsPinned) {
    for (const Signature& g : kSignatures) {
        SimOptions o;
        o.players = g.players;
        o.firstLapLock = g.firstLapLock;
        o.deal = g.deal;
        o.maxTurns = 3000;
        std::ostringstream trace;
        const SimGame played = playSimGame(o, g.seed, &trace);
        char want[17], got[17];
        std::snprintf(want, sizeof want, "%016llx", static_cast<unsigned long long>(g.hash));
        std::snprintf(got, sizeof got, "%016llx", static_cast<unsigned long long>(fnv1a(trace.str())));
        SCOPED_TRACE(testing::Message() << g.players << " players, seed " << g.seed);
        EXPECT_EQ(played.turns, g.turns);
        EXPECT_EQ(trace.str().size(), g.bytes);
        EXPECT_STREQ(got, want);
    }
}

} // namespace
} // namespace tavorin::test
