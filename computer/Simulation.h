// Whole all-computer games for the simulator and the benchmarks: one game from its seed, and many
// games spread over worker threads with their results handed back in seed order, so what is printed
// does not depend on how many threads played.
#pragma once

#include <cstdint>
#include <functional>
#include <iosfwd>
#include <vector>

#include "computer/Strategy.h"

namespace tavorin {

struct SimOptions {
    int players = 4;
    bool firstLapLock = false;
    int deal = 0;     // 0: no initial deal; 1..4 deeds to every player
    int maxTurns = 0; // 0: no cap
    int endLaps = 0;  // the end rule: the game ends once the leader has made this many laps; 0: none
    std::array<StrategyKind, kMaxPlayers + 1> seats{}; // [1..players]; classic unless said
    StrongSettings strong;
    bool timeDecisions = false; // fill SimGame::strongDecisionMs
};

struct SimGame {
    std::uint64_t seed = 0;
    int winner = 0; // 0 when the cap was reached first
    int turns = 0;
    std::vector<int> bankrupts;
    std::vector<float> strongDecisionMs; // with SimOptions::timeDecisions
};

// Plays one game from its seed. With `trace`, every draw, message and the state after every turn
// are written to it as lines of JSON.
SimGame playSimGame(const SimOptions& options, std::uint64_t seed, std::ostream* trace = nullptr);

// Plays the games of seeds firstSeed .. firstSeed + count - 1 on `jobs` threads (the calling thread
// waits) and calls `onGame` for each, on the calling thread, in seed order.
void playSimGames(const SimOptions& options, std::uint64_t firstSeed, long count, int jobs,
                  const std::function<void(const SimGame&)>& onGame);

// The Wilson score interval of a proportion at 95 % confidence; {0, 0} for no trials.
struct Proportion {
    double value = 0, low = 0, high = 0;
};
Proportion wilson95(long successes, long trials);

} // namespace tavorin
