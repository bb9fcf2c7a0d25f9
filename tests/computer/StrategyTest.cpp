// The seats' strategies: the strong computer weighs its choices on copies of the game and leaves the
// game itself, its draws and its messages untouched.
#include <gtest/gtest.h>

#include "computer/ComSteps.h"
#include "computer/Headless.h"
#include "computer/SeatsFile.h"
#include "computer/Simulation.h"
#include "computer/Strategy.h"
#include "tests/computer/ComputerFixture.h"

namespace tavorin::test {
namespace {

class StrongTest : public ComputerTest {
protected:
    StrongSettings quick{12, 16};
};

TEST_F(StrongTest, WeighingAChoiceTakesNoDrawAndChangesNothing) {
    struct Case {
        const char* what;
        int deed;
        std::int32_t money;
        int houses; // -1: the deed is free
    } cases[] = {
        {"free single land, a house affordable", 1, 20000, -1},
        {"free group land", 3, 20000, -1},
        {"his own single land, room for a house", 5, 20000, 2},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        SetUp();
        if (c.houses >= 0) {
            give(1, c.deed);
            s.deed(c.deed).Houses = std::uint8_t(c.houses);
        }
        onDeed(c.deed, c.money);
        const std::string before = stateJson(s, 0, 1);
        const MainScreen screen = game.screen();
        rnd.strict = true; // any draw from the game's own source throws
        StrongStrategy strong(quick);
        std::vector<float> times;
        strong.recordTimes(&times);
        if (c.houses >= 0)
            strong.buildOne(game);
        else
            strong.freeLand(game);
        EXPECT_EQ(times.size(), 1u) << "the rollouts ran";
        EXPECT_TRUE(rnd.log.empty());
        EXPECT_TRUE(view.messages.empty());
        EXPECT_EQ(view.computerTurns, 0);
        EXPECT_EQ(stateJson(s, 0, 1), before);
        for (Ctl f : Game::kDecisionFrames) EXPECT_EQ(game.screen()[f].visible, screen[f].visible);
    }
}

TEST_F(StrongTest, TheSamePositionGetsTheSameChoice) {
    onDeed(1, 20000);
    StrongStrategy first(quick), second(quick);
    EXPECT_EQ(first.freeLand(game), second.freeLand(game));
}

TEST_F(StrongTest, OnlyWhatHeCanPayForIsWeighed) {
    struct Case {
        int deed;
        std::int32_t money;
        LandChoice want;
        std::size_t weighed;
    } cases[] = {
        {1, 599, LandChoice::Leave, 0},  // price 600: nothing to weigh
        {3, 1999, LandChoice::Leave, 0}, // group land, price 2000
    };
    for (const Case& c : cases) {
        SetUp();
        onDeed(c.deed, c.money);
        StrongStrategy strong(quick);
        std::vector<float> times;
        strong.recordTimes(&times);
        EXPECT_EQ(strong.freeLand(game), c.want) << "deed " << c.deed;
        EXPECT_EQ(times.size(), c.weighed);
    }
    SetUp();
    give(1, 5);
    s.deed(5).Houses = 1;
    onDeed(5, 499); // a house costs 500
    StrongStrategy strong(quick);
    EXPECT_FALSE(strong.buildOne(game));
}

TEST_F(StrongTest, WeighingAwayFromTheWindowChoosesAsAtHome) {
    for (const int money : {700, 1200, 20000}) {
        SetUp();
        onDeed(1, money);
        StrongStrategy here(quick);
        const LandChoice want = here.freeLand(game);
        BackgroundStrong away(quick);
        away.startThinking(game, Ctl::FreeLandFrame);
        EXPECT_EQ(away.freeLand(game), want) << money;
        EXPECT_TRUE(away.ready());
    }
}

TEST_F(StrongTest, AGameClosedOrHurriedMidThoughtStopsTheWeighing) {
    onDeed(1, 20000);
    {
        // Far more rollouts than could finish before the end of this scope.
        BackgroundStrong slow(StrongSettings{1000000, 40});
        slow.startThinking(game, Ctl::FreeLandFrame);
    } // the destructor stops the thread after its rollout under way
    BackgroundStrong hurried(StrongSettings{1000000, 40});
    hurried.startThinking(game, Ctl::FreeLandFrame);
    hurried.hurry();
    const LandChoice c = hurried.freeLand(game);
    EXPECT_TRUE(c == LandChoice::Buy || c == LandChoice::BuyWithHouse || c == LandChoice::Leave);
    EXPECT_TRUE(rnd.log.empty());
}

TEST(SeatsFile, ReadsWhatItWritesAndRefusesAnythingElse) {
    SeatKinds seats{};
    seats[2] = StrategyKind::Strong;
    seats[5] = StrategyKind::Strong;
    EXPECT_EQ(seatsText(seats), "1 classic\n2 strong\n3 classic\n4 classic\n5 strong\n6 classic\n");
    EXPECT_EQ(parseSeats(seatsText(seats)), seats);
    EXPECT_EQ(parseSeats("3 strong\r\n"), ([] {
                  SeatKinds s{};
                  s[3] = StrategyKind::Strong;
                  return s;
              }()));
    EXPECT_EQ(parseSeats(""), SeatKinds{});
    for (const char* bad : {"7 strong\n", "0 strong\n", "2 strong\n2 classic\n", "2 Strong\n", "2strong\n",
                            "2  strong\n", "x\n"})
        EXPECT_FALSE(parseSeats(bad).has_value()) << bad;
}

TEST(StrongSimulation, ThreadsPlayTheSameStrongGames) {
    SimOptions o;
    o.players = 3;
    o.maxTurns = 300;
    o.seats[1] = StrategyKind::Strong;
    o.strong = {4, 8};
    std::vector<SimGame> one, two;
    playSimGames(o, 50, 6, 1, [&](const SimGame& g) { one.push_back(g); });
    playSimGames(o, 50, 6, 2, [&](const SimGame& g) { two.push_back(g); });
    ASSERT_EQ(one.size(), two.size());
    for (std::size_t i = 0; i < one.size(); ++i) {
        EXPECT_EQ(one[i].winner, two[i].winner) << "seed " << one[i].seed;
        EXPECT_EQ(one[i].turns, two[i].turns) << "seed " << one[i].seed;
    }
}

} // namespace
} // namespace tavorin::test
