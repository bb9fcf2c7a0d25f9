// The simulator's many-game runs: the games and their order do not depend on the number of threads,
// and the win shares' intervals are the usual Wilson intervals.
#include <gtest/gtest.h>

#include <algorithm>
#include <sstream>

#include "computer/Simulation.h"

namespace tavorin::test {
namespace {

std::vector<SimGame> played(const SimOptions& o, long count, int jobs) {
    std::vector<SimGame> games;
    playSimGames(o, 300, count, jobs, [&](const SimGame& g) { games.push_back(g); });
    return games;
}

TEST(Simulation, ThreadsPlayTheSameGamesInSeedOrder) {
    SimOptions o;
    o.players = 4;
    o.maxTurns = 2000;
    const std::vector<SimGame> one = played(o, 300, 1);
    ASSERT_EQ(one.size(), 300u);
    for (int jobs : {2, 3, 8}) {
        const std::vector<SimGame> many = played(o, 300, jobs);
        ASSERT_EQ(many.size(), one.size()) << jobs << " threads";
        for (std::size_t i = 0; i < one.size(); ++i) {
            EXPECT_EQ(many[i].seed, 300 + i);
            EXPECT_EQ(many[i].winner, one[i].winner) << "seed " << one[i].seed << ", " << jobs << " threads";
            EXPECT_EQ(many[i].turns, one[i].turns) << "seed " << one[i].seed << ", " << jobs << " threads";
            EXPECT_EQ(many[i].bankrupts, one[i].bankrupts) << "seed " << one[i].seed;
        }
    }
}

TEST(Simulation, AGameFromItsSeedIsTheGameOfTheRun) {
    SimOptions o;
    o.players = 3;
    o.maxTurns = 2000;
    const std::vector<SimGame> run = played(o, 5, 2);
    for (const SimGame& g : run) {
        std::ostringstream trace;
        const SimGame alone = playSimGame(o, g.seed, &trace);
        EXPECT_EQ(alone.winner, g.winner);
        EXPECT_EQ(alone.turns, g.turns);
        EXPECT_FALSE(trace.str().empty());
    }
}

// The end rule cuts a game short and changes nothing before: the turns played under it are the
// first turns of the same game played without it, and every game has a winner.
TEST(Simulation, TheEndRuleCutsTheSameGameShort) {
    const auto turnLines = [](const std::string& trace) {
        std::vector<std::string> lines;
        std::istringstream in(trace);
        for (std::string line; std::getline(in, line);)
            if (line.starts_with("{\"turn\":")) lines.push_back(line);
        return lines;
    };
    SimOptions plain;
    plain.players = 4;
    plain.maxTurns = 3000;
    SimOptions cut = plain;
    cut.endLaps = 4;
    int shorter = 0;
    for (std::uint64_t seed = 1; seed <= 20; ++seed) {
        std::ostringstream a, b;
        const SimGame whole = playSimGame(plain, seed, &a);
        const SimGame ended = playSimGame(cut, seed, &b);
        EXPECT_NE(ended.winner, 0) << seed;
        EXPECT_LE(ended.turns, whole.turns) << seed;
        const std::vector<std::string> x = turnLines(a.str()), y = turnLines(b.str());
        ASSERT_LE(y.size(), x.size());
        EXPECT_TRUE(std::equal(y.begin(), y.end(), x.begin())) << seed;
        if (ended.turns < whole.turns) ++shorter;
    }
    EXPECT_GT(shorter, 0); // four laps of the leader come well before most games' end
}

TEST(Simulation, WinSharesCarryWilsonIntervals) {
    // Published Wilson score intervals at 95 %.
    struct Case {
        long wins, games;
        double low, high;
    } cases[] = {{50, 100, 0.4038, 0.5962},
                 {0, 10, 0.0, 0.2775},
                 {10, 10, 0.7225, 1.0},
                 {6000, 10000, 0.5904, 0.6096}};
    for (const Case& c : cases) {
        const Proportion p = wilson95(c.wins, c.games);
        EXPECT_NEAR(p.value, double(c.wins) / double(c.games), 1e-12);
        EXPECT_NEAR(p.low, c.low, 5e-5) << c.wins << '/' << c.games;
        EXPECT_NEAR(p.high, c.high, 5e-5) << c.wins << '/' << c.games;
    }
    const Proportion none = wilson95(0, 0);
    EXPECT_EQ(none.low, 0.0);
    EXPECT_EQ(none.high, 0.0);
}

} // namespace
} // namespace tavorin::test
