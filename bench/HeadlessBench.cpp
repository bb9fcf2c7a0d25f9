// Headless throughput of the computer player: turns and games per second with 2, 4 and 6 computer
// players and a 1000-turn cap, on one thread; each figure is the median of several runs.
#include <algorithm>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <vector>

#include "computer/Headless.h"

using namespace tavorin;

namespace {

struct Run {
    double turnsPerSecond, gamesPerSecond;
};

Run measure(int players, int games, std::uint64_t firstSeed) {
    long turns = 0;
    const auto start = std::chrono::steady_clock::now();
    for (int i = 0; i < games; ++i) {
        SeededRandom random(firstSeed + std::uint64_t(i));
        HeadlessView view;
        Game game(random, view);
        NewGameSetup setup;
        setup.numPlayers = players;
        for (int k = 1; k <= players; ++k) setup.computer[std::size_t(k)] = true;
        game.NewGame(setup);
        turns += playComputerGame(game, view, 1000).turns;
    }
    const double seconds = std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count();
    return {double(turns) / seconds, double(games) / seconds};
}

double median(std::vector<double> v) {
    std::sort(v.begin(), v.end());
    return v[v.size() / 2];
}

} // namespace

int main() {
    // BENCH_RUNS, as for the measurements through windows; 5 unless set.
    const char* runs = std::getenv("BENCH_RUNS");
    const int kRuns = (runs && std::atoi(runs) > 0) ? std::atoi(runs) : 5;
    for (int players : {2, 4, 6}) {
        std::vector<double> turns, games;
        for (int r = 0; r < kRuns; ++r) {
            const Run run = measure(players, 400, 1000u * std::uint64_t(r + 1));
            turns.push_back(run.turnsPerSecond);
            games.push_back(run.gamesPerSecond);
        }
        std::printf("headless_turns_per_second_%dp %.0f\n", players, median(turns));
        std::printf("headless_games_per_second_%dp %.1f\n", players, median(games));
    }
    return 0;
}
