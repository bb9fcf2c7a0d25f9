#include <gtest/gtest.h>

#include <vector>

#include "computer/ComSteps.h"
#include "computer/ComputerDecisions.h"
#include "computer/ComputerTurn.h"
#include "tests/computer/ComputerFixture.h"

namespace tavorin::test {
namespace {

class DecisionTest : public ComputerTest {
protected:
    void decide(Ctl frame) { com::decide(game, frame); }
};

TEST(ComputerDecisionTable, SingleLandSplitByGroupMoneyAndHoldings) {
    struct Case {
        int group;
        bool rich;
        int deeds;
        int A, B;
    } cases[] = {
        {1, false, 0, 20, 30}, {1, false, 5, 20, 50},  {2, true, 8, 10, 70},   {1, true, 10, 10, 90},
        {3, false, 4, 20, 90}, {4, false, 0, 20, 101}, {5, false, 0, 15, 101}, {6, true, 12, 5, 101},
        {7, false, 2, 20, 40}, {7, false, 3, 20, 50},  {8, true, 7, 10, 60},   {8, true, 9, 10, 70},
        {7, true, 10, 10, 80},
    };
    for (const Case& c : cases) {
        const SingleLandSplit s = singleLandSplit(c.group, c.rich, c.deeds);
        EXPECT_EQ(s.A, c.A) << "group " << c.group << " deeds " << c.deeds;
        EXPECT_EQ(s.B, c.B) << "group " << c.group << " deeds " << c.deeds;
    }
}

TEST(ComputerDecisionTable, PairGroupAndBuildThresholds) {
    EXPECT_EQ(pairLandThreshold(1, 0, false), 90);
    EXPECT_EQ(pairLandThreshold(1, 0, true), 95);
    EXPECT_EQ(pairLandThreshold(0, 1, false), 50);
    EXPECT_EQ(pairLandThreshold(0, 0, true), 70);
    EXPECT_EQ(groupLandThreshold(2, 1, false), 70);
    EXPECT_EQ(groupLandThreshold(3, 0, true), 100);
    EXPECT_EQ(groupLandThreshold(0, 4, false), 10);
    // house price 1000, tower 5000
    EXPECT_EQ(buildThreshold(999, 1, 1000, 5000), 0);
    EXPECT_EQ(buildThreshold(1000, 1, 1000, 5000), 80);
    EXPECT_EQ(buildThreshold(2999, 2, 1000, 5000), 85);
    EXPECT_EQ(buildThreshold(3000, 2, 1000, 5000), 95);
    EXPECT_EQ(buildThreshold(3000, 3, 1000, 5000), 90);
    EXPECT_EQ(buildThreshold(4999, 4, 1000, 5000), 0);
    EXPECT_EQ(buildThreshold(5000, 4, 1000, 5000), 50);
    EXPECT_EQ(buildThreshold(10000, 4, 1000, 5000), 75);
}

TEST_F(DecisionTest, OnlyTheLandAffordableUsesADrawFromZero) {
    for (auto [R, buys] : {std::pair{10, true}, std::pair{11, false}, std::pair{0, true}}) {
        SetUp();
        onDeed(1, 1000); // price 600, house 500: 1000 < 1100
        rnd.push({R});
        decide(Ctl::FreeLandFrame);
        EXPECT_EQ(rnd.log.back().lo, 0);
        EXPECT_EQ(rnd.log.back().hi, 100);
        EXPECT_EQ(s.deed(1).Owner, buys ? 1 : 0) << "R " << R;
        EXPECT_EQ(s.deed(1).Houses, 0);
    }
}

TEST_F(DecisionTest, LandWithAHouseBetweenTheTwoThresholds) {
    struct Case {
        int R;
        int owner, houses;
        std::int32_t money;
    } cases[] = {{19, 1, 0, 900}, {20, 1, 1, 400}, {29, 1, 1, 400}, {30, 0, 0, 1500}};
    for (const Case& c : cases) {
        SetUp();
        for (int d : {5, 6, 8, 10}) give(1, d); // four deeds
        onDeed(1, 1500);
        rnd.push({c.R});
        decide(Ctl::FreeLandFrame);
        EXPECT_EQ(s.deed(1).Owner, c.owner) << c.R;
        EXPECT_EQ(s.deed(1).Houses, c.houses) << c.R;
        EXPECT_EQ(s.player(1).Money, c.money) << c.R;
        EXPECT_FALSE(game.screen()[Ctl::CheckFreeLand].checked);
    }
}

TEST_F(DecisionTest, RichComputerAlwaysBuysInTheMiddleGroups) {
    onDeed(16, 7000); // price 2200, group 5
    rnd.push({4});
    decide(Ctl::FreeLandFrame);
    EXPECT_EQ(s.deed(16).Owner, 1);
    EXPECT_EQ(s.deed(16).Houses, 0);
    EXPECT_EQ(view.lastText(), "คอมฯ ตัดสินใจซื้อที่ดินผืนนี้");
    SetUp();
    onDeed(16, 7000);
    rnd.push({100});
    decide(Ctl::FreeLandFrame);
    EXPECT_EQ(s.deed(16).Houses, 1);
    EXPECT_EQ(view.lastText(), "คอมฯ ตัดสินใจซื้อที่ดินผืนนี้พร้อมบ้าน 1 หลัง");
}

TEST_F(DecisionTest, PairAndGroupLandUseWhatTheOthersOwn) {
    give(1, 9);
    onDeed(22, 2000);
    rnd.push({90});
    decide(Ctl::FreeLandFrame);
    EXPECT_EQ(s.deed(22).Owner, 1);

    SetUp();
    give(1, 3);
    give(1, 4);
    give(2, 19);
    onDeed(12, 3000);
    rnd.push({71});
    decide(Ctl::FreeLandFrame);
    EXPECT_EQ(s.deed(12).Owner, 0);
    EXPECT_FALSE(visible(Ctl::FreeLandFrame));
    EXPECT_EQ(s.Continue, 0);
}

TEST_F(DecisionTest, BuildsOneHouseOrTheTowerOnItsOwnLand) {
    give(1, 5);
    s.deed(5).Houses = 2;
    onDeed(5, 5 * 500);
    rnd.push({95});
    decide(Ctl::OwnSingleLandFrame);
    EXPECT_EQ(s.deed(5).Houses, 3);
    EXPECT_EQ(view.lastText(), "คอมฯ เลือกซื้อ บ้าน/ตึก เพิ่ม 1 หลัง");

    SetUp();
    give(1, 5);
    s.deed(5).Houses = 4;
    onDeed(5, 5000);
    rnd.push({75});
    decide(Ctl::OwnSingleLandFrame);
    EXPECT_EQ(s.deed(5).Towers, 1);
    EXPECT_EQ(s.deed(5).Houses, 4);
    EXPECT_EQ(s.player(1).Money, 2500);
}

TEST_F(DecisionTest, TowerPaysThePriceAndBuildsNothing) {
    give(1, 5);
    s.deed(5).Houses = 4;
    s.deed(5).Towers = 1;
    onDeed(5, 100);
    decide(Ctl::OwnSingleLandFrame);
    EXPECT_EQ(s.player(1).Money, 1100);
    EXPECT_TRUE(rnd.log.empty());
}

TEST_F(DecisionTest, SellsAHouseThenPaysTheRent) {
    give(2, 9);
    give(1, 29);
    s.deed(29).Houses = 2;
    onDeed(9, 300);
    // The rent frame of the pair deed: 850 to player 2.
    s.NV = 1;
    decide(Ctl::NotOwnNotSingleLandFrame);
    ASSERT_GE(view.messages.size(), 1u);
    EXPECT_EQ(view.messages[0].text, "คอมฯ ท่านนี้มีเงินไม่พอจ่ายจึงตัดสินใจขายบ้าน 1 หลังจากที่ดิน  \"29 เกาะสมุย\"\r\n"
                                     "ได้รับเงินจากการขายเป็นเงิน 1800\r\nจึงได้รับเงินรวมกับปัจจุบันเป็น 2100");
    EXPECT_EQ(s.deed(29).Houses, 1);
    EXPECT_EQ(s.player(1).Money, 2100 - 850);
    EXPECT_EQ(s.player(2).Money, 15000 + 850);
}

TEST_F(DecisionTest, TaxIsRecomputedAfterSellingTheTower) {
    give(1, 29);
    s.deed(29).Houses = 4;
    s.deed(29).Towers = 1;
    s.player(1).Money = 1500;
    s.TypeOfSend = 'b';
    s.ValueOfSend = '1';
    s.Continue = 1;
    decide(Ctl::TaxFrame);
    EXPECT_EQ(s.deed(29).Towers, 0);
    EXPECT_EQ(s.deed(29).Houses, 4);
    EXPECT_EQ(s.player(1).Money, 10500 - 2100);
}

TEST_F(DecisionTest, BankruptAfterSellingEverythingGivesTheBankNothing) {
    give(1, 5);
    s.deed(5).Mortgaged = kTrue;
    s.player(1).Money = 0;
    s.Continue = 1;
    decide(Ctl::TaxFrame);
    EXPECT_EQ(s.player(1).Bankrupt, kTrue);
    EXPECT_EQ(s.player(1).Money, 0);
    EXPECT_EQ(s.deed(5).Owner, 0);
    // Sold back to the bank, the land comes back free of its pledge.
    EXPECT_EQ(s.deed(5).Mortgaged, kFalse);
    EXPECT_EQ(view.lastText(), "คอมฯ ท่านนี้ไม่เหลือทรัพย์สินที่จะชำระหนี้อีกแล้ว ศาลจึงตัดสินให้ล้มละลายไปซะ");
    EXPECT_EQ(s.player(2).Money, 15000);
    EXPECT_TRUE(s.gameOver);
}

TEST_F(DecisionTest, LastDeedIsSoldFirst) {
    give(1, 20);
    give(1, 3);
    s.player(1).Money = 0;
    s.Continue = 1;
    s.TypeOfSend = 'b';
    s.ValueOfSend = '2';
    decide(Ctl::DishonestFrame); // 500 bail: deed 3 sells for 1800
    EXPECT_EQ(s.deed(3).Owner, 0);
    EXPECT_EQ(s.deed(20).Owner, 1);
    EXPECT_EQ(s.player(1).Money, 1300);
    EXPECT_EQ(s.player(1).Position, 10);
}

// A damaged saved game may list a deed the player does not hold, or no deed at all: the fund raising
// sells only what is really the player's and then stops.
TEST_F(DecisionTest, RaisingMoneySellsOnlyWhatThePlayerReallyHolds) {
    give(1, 20);
    give(2, 3);
    PlayerRecord& p = s.player(1);
    p.Deeds[2] = 3; // listed, but held by player 2
    p.Deeds[3] = 0;
    p.DeedCount = 3;
    p.Money = 0;
    s.Continue = 1;
    decide(Ctl::TaxFrame); // 2000: deed 20 sells for 2340
    EXPECT_EQ(s.deed(20).Owner, 0);
    EXPECT_EQ(s.deed(3).Owner, 2);
    EXPECT_EQ(p.Money, 340);
    EXPECT_EQ(p.Bankrupt, kFalse);
}

// The fund-raising plans over one estate: deed 1 (price 600, houses of 500) with two houses, then the
// bare deeds 5 (price 1000) and 3 (group land, price 2000), no cash. A sale fetches 90 %, a pledge
// 80 %, and land sold under a pledge repays the bank its 80 % first.
TEST_F(DecisionTest, EachFundPlanPartsWithTheEstateInItsOwnOrder) {
    struct Deed {
        int deed, owner, houses;
        bool mortgaged;
    };
    struct Case {
        FundPlan plan;
        std::int32_t amount;
        std::int32_t money;
        std::vector<Deed> after;
    } cases[] = {
        // deed 3 sold: 1800
        {FundPlan::LastDeedFirst, -1000, 1800, {{1, 1, 2, false}, {5, 1, 0, false}, {3, 0, 0, false}}},
        // deed 3 pledged: 1600
        {FundPlan::MortgageFirst, -1000, 1600, {{1, 1, 2, false}, {5, 1, 0, false}, {3, 1, 0, true}}},
        // two houses of deed 1 (450 each), then its land (540)
        {FundPlan::SmallestFirst, -1000, 1440, {{1, 0, 0, false}, {5, 1, 0, false}, {3, 1, 0, false}}},
        // pledges 3 and 5 (1600 + 800), the houses of 1 (2 x 450), pledges 1 (480), then sells the
        // pledged land from the last: 3 (1800 - 1600), 5 (900 - 800), 1 (540 - 480)
        {FundPlan::MortgageFirst, -5000, 4140, {{1, 0, 0, false}, {5, 0, 0, false}, {3, 0, 0, false}}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(testing::Message() << "plan " << int(c.plan) << " amount " << c.amount);
        SetUp();
        give(1, 1);
        s.deed(1).Houses = 2;
        give(1, 5);
        give(1, 3);
        s.player(1).Money = 0;
        com::raiseFunds(game, c.amount, c.plan);
        EXPECT_EQ(s.player(1).Money, c.money);
        for (const Deed& d : c.after) {
            EXPECT_EQ(s.deed(d.deed).Owner, d.owner) << "deed " << d.deed;
            EXPECT_EQ(s.deed(d.deed).Houses, d.houses) << "deed " << d.deed;
            EXPECT_EQ(s.deed(d.deed).Mortgaged == kTrue, d.mortgaged) << "deed " << d.deed;
        }
    }
}

// Answers each question as a test says and notes what it was asked.
class ScriptedStrategy final : public Strategy {
public:
    int bonus = 0;
    FundPlan plan = FundPlan::LastDeedFirst;
    MortgagedLandChoice onMortgaged = MortgagedLandChoice::Pay;
    bool redeemIt = false, build = false;
    std::vector<Question> asked;
    bool frameOpenAtBonus = false;

    LandChoice freeLand(Game&) override { return note(Question::FreeLand), LandChoice::Leave; }
    bool buildOne(Game&) override { return note(Question::BuildOne), build; }
    int lapBonus(Game& g) override {
        for (Ctl f : Game::kDecisionFrames) frameOpenAtBonus = frameOpenAtBonus || g.frameOpen(f);
        return note(Question::LapBonus), bonus;
    }
    FundPlan fundPlan(Game&, std::int32_t) override { return note(Question::FundPlan), plan; }
    MortgagedLandChoice mortgagedLand(Game&) override { return note(Question::MortgagedLand), onMortgaged; }
    bool redeem(Game&) override { return note(Question::Redeem), redeemIt; }

private:
    void note(Question q) { asked.push_back(q); }
};

TEST_F(DecisionTest, TakingOverMortgagedLandCostsItsPriceAndAFourFifthsMore) {
    struct Case {
        std::int32_t money;
        int owner;
        std::int32_t left;
    } cases[] = {
        {5000, 1, 5000 - 2700}, // 180 % of 1500, all to the bank
        {2000, 2, 2000 - 320},  // without the cash for the takeover the fee is paid instead
    };
    for (const Case& c : cases) {
        SetUp();
        give(2, 9);
        s.deed(9).Mortgaged = kTrue;
        onDeed(9, c.money, Player::Computer);
        ASSERT_TRUE(game.frameOpen(Ctl::NotOwnMortgageLandFrame));
        ScriptedStrategy st;
        st.onMortgaged = MortgagedLandChoice::TakeOver;
        com::decide(game, Ctl::NotOwnMortgageLandFrame, st);
        EXPECT_EQ(s.deed(9).Owner, c.owner) << c.money;
        EXPECT_EQ(s.deed(9).Mortgaged == kTrue, c.owner == 2) << c.money;
        EXPECT_EQ(s.player(1).Money, c.left) << c.money;
        EXPECT_EQ(s.player(2).Money, 15000) << c.money;
        EXPECT_FALSE(game.frameOpen(Ctl::NotOwnMortgageLandFrame));
    }
}

TEST_F(DecisionTest, OwnMortgagedLandBoughtBackThenBuiltOn) {
    give(1, 5);
    s.deed(5).Mortgaged = kTrue;
    onDeed(5, 3000, Player::Computer);
    ASSERT_TRUE(game.frameOpen(Ctl::OwnSingleLandFrame));
    ScriptedStrategy st;
    st.redeemIt = true;
    st.build = true;
    com::decide(game, Ctl::OwnSingleLandFrame, st);
    EXPECT_EQ((std::vector<Question>{Question::Redeem, Question::BuildOne}), st.asked);
    EXPECT_EQ(s.deed(5).Mortgaged, kFalse);
    EXPECT_EQ(s.deed(5).Houses, 1);
    EXPECT_EQ(s.player(1).Money, 3000 - 800 - 500); // 80 % of 1000 back to the bank, a house of 500
    EXPECT_FALSE(game.frameOpen(Ctl::OwnSingleLandFrame));
}

TEST_F(DecisionTest, TheLapBonusHouseIsChosenBeforeTheSquareOpens) {
    give(1, 1);
    s.deed(1).Houses = 1;
    s.player(1).Position = 38; // the unscripted dice show 1 and 1: the start square, a lap made
    s.player(1).Money = 100;
    ScriptedStrategy st;
    st.bonus = 1;
    ComputerTurn(game, st).play();
    ASSERT_FALSE(st.asked.empty());
    EXPECT_EQ(st.asked.front(), Question::LapBonus);
    EXPECT_FALSE(st.frameOpenAtBonus);
    EXPECT_EQ(s.deed(1).Houses, 2);
    EXPECT_EQ(s.player(1).Money, 100 + 2000 - 500);
    EXPECT_EQ(s.NV, 2);
    EXPECT_EQ(s.Continue, 0);
}

// A saved game whose card order holds 0 reports a card that is not one. The computer's turn then opens
// nothing and, as a person's would, takes back the decision it counted and hands the turn over,
// instead of stalling with no frame to answer.
TEST_F(ComputerTest, AnInconsistentSquareReportPassesTheTurnOn) {
    int treasure = 0;
    while (kSquareTable[std::size_t(treasure)].typeOfSend != 'a' ||
           kSquareTable[std::size_t(treasure)].valueOfSend != '1')
        ++treasure;
    ASSERT_GE(treasure, 2);
    s.player(1).Position = std::uint8_t(treasure - 2); // the unscripted dice show 1 and 1
    s.TreasureOrder.fill(0);
    s.OrderNumberOfTreasure = 1;
    const int before = view.computerTurns;
    ComputerTurn(game).play();
    EXPECT_EQ(s.player(1).Position, treasure);
    ASSERT_FALSE(view.messages.empty());
    EXPECT_EQ(view.messages.back().title, kAppTitle);
    EXPECT_EQ(view.messages.back().text, "Wrong Value");
    for (Ctl f : Game::kDecisionFrames) EXPECT_FALSE(game.screen()[f].visible) << int(f);
    EXPECT_EQ(s.Continue, 0);
    EXPECT_EQ(s.NV, 2);
    EXPECT_EQ(view.computerTurns, before + 1);
    EXPECT_EQ(s.FirstProcess, "N");
}

} // namespace
} // namespace tavorin::test
