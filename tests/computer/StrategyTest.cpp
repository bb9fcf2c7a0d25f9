// The seats' strategies: the strong computer weighs its choices on copies of the game and leaves the
// game itself, its draws and its messages untouched.
#include <gtest/gtest.h>

#include <algorithm>
#include <array>
#include <functional>
#include <string>

#include "computer/ComSteps.h"
#include "computer/Headless.h"
#include "computer/SeatsFile.h"
#include "computer/Simulation.h"
#include "computer/Strategy.h"
#include "tests/computer/ComputerFixture.h"

namespace tavorin::test {
namespace {

class StrongTest : public ComputerTest {
public:
    using ComputerTest::give;
    using ComputerTest::onDeed;
    using ComputerTest::s;
    StrongSettings quick{12, 16};
};

TEST_F(StrongTest, WeighingAChoiceTakesNoDrawAndChangesNothing) {
    struct Case {
        const char* what;
        std::function<void(StrongTest&)> position;
        std::function<void(Strategy&, Game&)> ask;
    } cases[] = {
        {"free single land, a house affordable", [](StrongTest& t) { t.onDeed(1, 20000); },
         [](Strategy& st, Game& g) { st.freeLand(g); }},
        {"free group land", [](StrongTest& t) { t.onDeed(3, 20000); },
         [](Strategy& st, Game& g) { st.freeLand(g); }},
        {"his own single land, room for a house",
         [](StrongTest& t) {
             t.give(1, 5);
             t.s.deed(5).Houses = 2;
             t.onDeed(5, 20000);
         },
         [](Strategy& st, Game& g) { st.buildOne(g); }},
        {"a lap completed, single land to build on",
         [](StrongTest& t) {
             t.give(1, 1);
             t.give(1, 5);
             t.s.player(1).Money = 3000;
             t.s.player(1).Position = 4;
             t.s.LoopFinish = true;
             t.s.FirstProcess = "Y";
         },
         [](Strategy& st, Game& g) { st.lapBonus(g); }},
        {"short of cash with land to sell or pledge",
         [](StrongTest& t) {
             t.give(1, 5);
             t.give(1, 3);
             t.give(2, 29);
             t.s.deed(29).Houses = 1; // a rent of 2000
             t.onDeed(29, 100, Player::Computer);
         },
         [](Strategy& st, Game& g) { st.fundPlan(g, -2000); }},
        {"another player's mortgaged land",
         [](StrongTest& t) {
             t.give(2, 3);
             t.s.deed(3).Mortgaged = kTrue;
             t.onDeed(3, 20000, Player::Computer);
         },
         [](Strategy& st, Game& g) { st.mortgagedLand(g); }},
        {"his own mortgaged land",
         [](StrongTest& t) {
             t.give(1, 4);
             t.s.deed(4).Mortgaged = kTrue;
             t.onDeed(4, 20000, Player::Computer);
         },
         [](Strategy& st, Game& g) { st.redeem(g); }},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        SetUp();
        c.position(*this);
        const std::string before = stateJson(s, 0, 1);
        const MainScreen screen = game.screen();
        rnd.strict = true; // any draw from the game's own source throws
        StrongStrategy strong(quick);
        std::vector<float> times;
        strong.recordTimes(&times);
        c.ask(strong, game);
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

TEST_F(StrongTest, TheOrderOfTheCardsLeftToDrawDoesNotSwayHim) {
    // Four cards left in each deck; what a person has seen drawn is the same in both, only the order
    // of what is left differs: the next card is a windfall (13000, or a 4000 refund) in one and a
    // fine (2500, or 3000) in the other. With little cash left after buying, the next card would
    // decide whether the land is worth it, if he could see it.
    struct Order {
        std::array<int, 4> treasure, fate;
    };
    const Order windfallNext{{5, 13, 15, 11}, {9, 14, 15, 8}};
    const Order fineNext{{15, 11, 13, 5}, {15, 8, 9, 14}};
    struct Case {
        int deed;
        std::int32_t money;
    } cases[] = {{5, 1000}, {24, 3750}, {29, 4250}, {29, 4500}};
    auto deal = [](std::array<std::int16_t, kMaxCards + 1>& order, const std::array<int, 4>& left) {
        int slot = 1;
        for (int card = 1; card <= 15; ++card)
            if (std::find(left.begin(), left.end(), card) == left.end())
                order[std::size_t(slot++)] = std::int16_t(card);
        for (int card : left) order[std::size_t(slot++)] = std::int16_t(card);
    };
    for (const Case& c : cases) {
        SCOPED_TRACE("deed " + std::to_string(c.deed) + ", money " + std::to_string(c.money));
        LandChoice choice[2];
        for (int k = 0; k < 2; ++k) {
            const Order& o = k == 0 ? windfallNext : fineNext;
            rnd.strict = false;
            SetUp();
            onDeed(c.deed, c.money);
            deal(s.TreasureOrder, o.treasure);
            deal(s.FateOrder, o.fate);
            s.OrderNumberOfTreasure = 12;
            s.OrderNumberOfFate = 12;
            const auto treasure = s.TreasureOrder, fate = s.FateOrder;
            rnd.strict = true;
            StrongStrategy strong(quick);
            choice[k] = strong.freeLand(game);
            EXPECT_EQ(s.TreasureOrder, treasure);
            EXPECT_EQ(s.FateOrder, fate);
            EXPECT_EQ(s.OrderNumberOfTreasure, 12);
            EXPECT_EQ(s.OrderNumberOfFate, 12);
            EXPECT_TRUE(rnd.log.empty());
        }
        EXPECT_EQ(choice[0], choice[1]);
    }
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

// The thread plays the whole deciding step on its copy; the game then gets the same answers.
TEST_F(StrongTest, TheThreadAnswersEveryQuestionOfTheStepAsAtHome) {
    struct Case {
        const char* what;
        Ctl frame;
        std::function<void(StrongTest&)> position;
    } cases[] = {
        {"short of cash", Ctl::NotOwnSingleLandFrame,
         [](StrongTest& t) {
             t.give(1, 5);
             t.give(1, 3);
             t.give(2, 29);
             t.s.deed(29).Houses = 1;
             t.onDeed(29, 100, Player::Computer);
         }},
        {"his own mortgaged single land", Ctl::OwnSingleLandFrame,
         [](StrongTest& t) {
             t.give(1, 5);
             t.s.deed(5).Mortgaged = kTrue;
             t.onDeed(5, 3000, Player::Computer);
         }},
        {"a lap completed", Ctl::BonusFrame,
         [](StrongTest& t) {
             t.give(1, 1);
             t.s.player(1).Money = 3000;
             t.s.player(1).Position = 4;
             t.s.LoopFinish = true;
             t.s.FirstProcess = "Y";
         }},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        auto play = [&](Strategy& st) {
            SetUp();
            c.position(*this);
            st.startThinking(game, c.frame);
            if (c.frame == Ctl::BonusFrame)
                com::takeBonus(game, st.lapBonus(game));
            else
                com::decide(game, c.frame, st);
            return stateJson(s, 0, 1);
        };
        StrongStrategy here(quick);
        const std::string want = play(here);
        BackgroundStrong away(quick);
        EXPECT_EQ(play(away), want);
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
