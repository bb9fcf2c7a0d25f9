// Buying free land, building houses and the tower, the owner's payment on a full single
// land, redeeming one's own mortgaged land on its square, and the deed list of ChangeDeedOnMain.
#include "tests/engine/RulesFixture.h"

namespace tavorin::test {
namespace {

using BuyBuildTest = RulesTest;

// ------------------------------------------------------------------ buying free land

struct BuyCase {
    int deed;
    bool withHouse;
    std::int32_t money;
    bool bought;
    std::int32_t moneyAfter;
    int housesAfter;
};

TEST_F(BuyBuildTest, BuyingFreeLandAloneOrWithAHouse) {
    const BuyCase cases[] = {
        {2, true, 1100, true, 0, 1},                                         // 600 + 500 with exactly enough
        {2, true, 1099, false, 1099, 0},                                     // one baht short
        {2, false, 600, true, 0, 0},                                         // the land alone
        {2, false, 599, false, 599, 0},    {29, true, 15000, true, 9000, 1}, // 4000 + 2000
        {16, true, 3700, true, 0, 1},                                        // 2200 + 1500
        {9, false, 1500, true, 0, 0},                                        // pair land
        {9, true, 1500, true, 0, 0},       // the box is disabled on pair land: no house, no house price
        {12, true, 15000, true, 13000, 0}, // group land
        {22, false, 1499, false, 1499, 0},
    };
    for (const BuyCase& c : cases) {
        SCOPED_TRACE(::testing::Message()
                     << "deed " << c.deed << (c.withHouse ? " with a house" : "") << ", money " << c.money);
        clearBoard();
        s.NV = 1;
        setMoney(1, c.money);
        view.messages.clear();
        const int refreshes = view.deedRefreshes;
        landOnDeed(c.deed);
        game.CheckFreeLand_Click(c.withHouse);
        game.OKButtonInFreeLand_Click();
        EXPECT_FALSE(game.screen()[Ctl::CheckFreeLand].checked) << "unticked in both cases";
        EXPECT_EQ(s.player(1).Money, c.moneyAfter);
        EXPECT_EQ(text(Ctl::LabelMoney1), std::to_string(c.moneyAfter));
        EXPECT_EQ(s.deed(c.deed).Houses, c.housesAfter);
        if (c.bought) {
            EXPECT_TRUE(view.messages.empty());
            EXPECT_EQ(s.deed(c.deed).Owner, 1);
            EXPECT_EQ(deedsOf(1), std::vector<int>{c.deed});
            EXPECT_FALSE(visible(Ctl::FreeLandFrame));
            EXPECT_EQ(s.Continue, 0);
            EXPECT_EQ(s.NV, 2) << "the turn passes";
            EXPECT_GT(view.deedRefreshes, refreshes) << "ChangeDeedOnMain";
        } else {
            ASSERT_EQ(view.messages.size(), 1u);
            EXPECT_EQ(lastMessage().title, "Player1");
            EXPECT_EQ(lastMessage().text, kNotEnoughMoney);
            EXPECT_EQ(s.deed(c.deed).Owner, 0);
            EXPECT_EQ(s.player(1).DeedCount, 0);
            EXPECT_TRUE(visible(Ctl::FreeLandFrame)) << "the frame stays open";
            EXPECT_EQ(s.Continue, 1);
            EXPECT_EQ(s.NV, 1);
        }
    }
}

TEST_F(BuyBuildTest, ARefusedPurchaseCanBeRetriedWithoutTheHouseOrDeclined) {
    setMoney(1, 1000);
    landOnDeed(2);
    game.CheckFreeLand_Click(true);
    game.OKButtonInFreeLand_Click();
    ASSERT_TRUE(visible(Ctl::FreeLandFrame));
    game.OKButtonInFreeLand_Click(); // the box is no longer ticked: the land alone, 600
    EXPECT_EQ(s.deed(2).Owner, 1);
    EXPECT_EQ(s.deed(2).Houses, 0);
    EXPECT_EQ(s.player(1).Money, 400);
}

TEST_F(BuyBuildTest, DeclinedLandStaysFree) {
    landOnDeed(5, true); // with the lap bonus open, the turn stays
    game.CheckFreeLand_Click(true);
    game.CancelButtonInFreeLand_Click();
    EXPECT_EQ(s.deed(5).Owner, 0);
    EXPECT_FALSE(game.screen()[Ctl::CheckFreeLand].checked);
    EXPECT_FALSE(visible(Ctl::FreeLandFrame));
    EXPECT_EQ(s.player(1).Money, 15000);
    EXPECT_EQ(s.Continue, 1);
    EXPECT_EQ(s.NV, 1);
    game.OKButtonInBonus_Click();
    EXPECT_EQ(s.NV, 2);
    // Nobody else is offered it: the next player is simply waiting to roll.
    EXPECT_TRUE(openFrames().empty());
    EXPECT_TRUE(enabled(Ctl::RunButton));
}

TEST_F(BuyBuildTest, DeedsArePackedInTheOrderAcquired) {
    for (int d : {14, 3, 9, 1}) {
        s.NV = 1;
        landOnDeed(d);
        game.OKButtonInFreeLand_Click();
    }
    EXPECT_EQ(deedsOf(1), (std::vector<int>{14, 3, 9, 1}));
    EXPECT_EQ(s.player(1).Deeds[5], 0);
    EXPECT_EQ(s.player(1).Money, 15000 - 1800 - 2000 - 1500 - 600);
}

// ------------------------------------------------------------------ building

struct BuildCase {
    int deed, houses;
    std::int32_t money;
    bool built;
    int housesAfter, towersAfter;
    std::int32_t moneyAfter;
};

TEST_F(BuyBuildTest, OneHouseOrTheTowerPerVisit) {
    const BuildCase cases[] = {
        {1, 0, 15000, true, 1, 0, 14500}, {1, 3, 500, true, 4, 0, 0},       {1, 4, 2500, true, 4, 1, 0},
        {1, 4, 2499, false, 4, 0, 2499},  {29, 0, 2000, true, 1, 0, 0},     {29, 4, 10000, true, 4, 1, 0},
        {29, 4, 9999, false, 4, 0, 9999}, {16, 2, 1499, false, 2, 0, 1499}, {16, 2, 1500, true, 3, 0, 0},
        {8, 4, 15000, true, 4, 1, 10000}, {24, 1, 2000, true, 2, 0, 0},
    };
    for (const BuildCase& c : cases) {
        SCOPED_TRACE(::testing::Message()
                     << "deed " << c.deed << " with " << c.houses << " houses, money " << c.money);
        clearBoard();
        s.NV = 1;
        own(1, c.deed, c.houses);
        setMoney(1, c.money);
        view.messages.clear();
        landOnDeed(c.deed);
        ASSERT_TRUE(visible(Ctl::OKButtonInOwnSingleLand));
        game.OKButtonInOwnSingleLand_Click();
        EXPECT_EQ(s.deed(c.deed).Houses, c.housesAfter);
        EXPECT_EQ(s.deed(c.deed).Towers, c.towersAfter);
        EXPECT_EQ(s.player(1).Money, c.moneyAfter);
        if (c.built) {
            EXPECT_TRUE(view.messages.empty());
            EXPECT_FALSE(visible(Ctl::OwnSingleLandFrame));
            EXPECT_EQ(s.Continue, 0);
            EXPECT_EQ(s.NV, 2);
            // A second press after the frame has closed builds nothing more.
            s.NV = 1;
            game.OKButtonInOwnSingleLand_Click();
            EXPECT_EQ(s.deed(c.deed).Houses, c.housesAfter);
            EXPECT_EQ(s.player(1).Money, c.moneyAfter);
        } else {
            ASSERT_EQ(view.messages.size(), 1u);
            EXPECT_EQ(lastMessage().title, "Player1");
            EXPECT_EQ(lastMessage().text, kNotEnoughMoney);
            EXPECT_TRUE(visible(Ctl::OwnSingleLandFrame));
            EXPECT_EQ(s.Continue, 1);
            EXPECT_EQ(s.NV, 1);
        }
    }
}

TEST_F(BuyBuildTest, DecliningToBuildPaysNothing) {
    own(1, 5, 2);
    landOnDeed(5);
    game.CancelButtonInOwnSingleLand_Click();
    EXPECT_EQ(s.player(1).Money, 15000);
    EXPECT_EQ(s.deed(5).Houses, 2);
    EXPECT_FALSE(visible(Ctl::OwnSingleLandFrame));
    EXPECT_EQ(s.NV, 2);
}

TEST_F(BuyBuildTest, TheTowerOwnerIsPaidThePriceOfHisLand) {
    const std::pair<int, std::int32_t> cases[] = {{1, 600}, {7, 1200}, {23, 2800}, {29, 4000}};
    for (auto [d, price] : cases) {
        SCOPED_TRACE(d);
        clearBoard();
        s.NV = 1;
        own(1, d, 4, 1);
        setMoney(1, 100);
        landOnDeed(d);
        EXPECT_EQ(text(Ctl::RentAmt), std::to_string(price));
        game.OKButtonInOwnSingleLand_Click(); // hidden: nothing to buy
        EXPECT_EQ(s.player(1).Money, 100);
        EXPECT_TRUE(visible(Ctl::OwnSingleLandFrame));
        game.CancelButtonInOwnSingleLand_Click();
        EXPECT_EQ(s.player(1).Money, 100 + price);
        EXPECT_EQ(text(Ctl::LabelMoney1), std::to_string(100 + price));
        EXPECT_FALSE(visible(Ctl::OwnSingleLandFrame));
        EXPECT_EQ(s.NV, 2);
    }
}

TEST_F(BuyBuildTest, BuildingTheTowerThenVisitingAgain) {
    own(1, 29, 4);
    landOnDeed(29);
    game.OKButtonInOwnSingleLand_Click();
    ASSERT_EQ(s.deed(29).Towers, 1);
    EXPECT_EQ(s.player(1).Money, 5000);
    s.NV = 1;
    landOnDeed(29);
    EXPECT_FALSE(visible(Ctl::OKButtonInOwnSingleLand));
    EXPECT_EQ(text(Ctl::CancelButtonInOwnSingleLand), "ตกลง");
    game.CancelButtonInOwnSingleLand_Click();
    EXPECT_EQ(s.player(1).Money, 9000);
}

TEST_F(BuyBuildTest, OwnPairOrGroupLandOnlyThanksThePlayer) {
    for (int d : {9, 22, 3, 27}) {
        clearBoard();
        s.NV = 1;
        own(1, d);
        landOnDeed(d);
        game.OKButtonInOwnNotSingleLand_Click();
        EXPECT_FALSE(visible(Ctl::OwnNotSingleLandFrame)) << d;
        EXPECT_EQ(s.player(1).Money, 15000) << d;
        EXPECT_EQ(s.NV, 2) << d;
    }
}

// ------------------------------------------------------------------ redeeming on the square

TEST_F(BuyBuildTest, RedeemingOnTheSquareCostsEightyPercent) {
    const struct {
        int deed;
        std::int32_t money;
        bool redeemed;
        std::int32_t moneyAfter;
    } cases[] = {{29, 15000, true, 11800}, {29, 3200, true, 0},    {29, 3199, false, 3199}, {1, 480, true, 0},
                 {3, 1600, true, 0},       {9, 1199, false, 1199}, {9, 1200, true, 0}};
    for (const auto& c : cases) {
        SCOPED_TRACE(::testing::Message() << "deed " << c.deed << ", money " << c.money);
        clearBoard();
        s.NV = 1;
        own(1, c.deed, 0, 0, true);
        setMoney(1, c.money);
        view.messages.clear();
        landOnDeed(c.deed);
        game.OKButtonInOwnMortgageLand_Click();
        EXPECT_EQ(s.player(1).Money, c.moneyAfter);
        if (c.redeemed) {
            EXPECT_EQ(s.deed(c.deed).Mortgaged, kFalse);
            EXPECT_EQ(s.deed(c.deed).Owner, 1);
            EXPECT_FALSE(visible(Ctl::OwnMortgageLandFrame));
            EXPECT_EQ(s.NV, 2);
            EXPECT_TRUE(game.DeedListLine(c.deed).text().ends_with(" *")) << game.DeedListLine(c.deed).text();
        } else {
            ASSERT_EQ(view.messages.size(), 1u);
            EXPECT_EQ(lastMessage().title, "Player1");
            EXPECT_EQ(lastMessage().text, "ท่านมีเงินไม่เพียงพอที่จะชำระ");
            EXPECT_EQ(s.deed(c.deed).Mortgaged, kTrue);
            EXPECT_TRUE(visible(Ctl::OwnMortgageLandFrame));
            EXPECT_EQ(s.NV, 1);
        }
    }
}

TEST_F(BuyBuildTest, NotReadyToRedeemKeepsTheMortgage) {
    own(1, 29, 0, 0, true);
    landOnDeed(29);
    game.CancelButtonInOwnMortgageLand_Click();
    EXPECT_EQ(s.deed(29).Mortgaged, kTrue);
    EXPECT_EQ(s.player(1).Money, 15000);
    EXPECT_FALSE(visible(Ctl::OwnMortgageLandFrame));
    EXPECT_EQ(s.NV, 2);
}

// ------------------------------------------------------------------ the deed list

TEST_F(BuyBuildTest, DeedListLines) {
    struct LineCase {
        int deed, owner, houses, towers;
        bool mortgaged;
        std::string line;
    };
    const LineCase cases[] = {
        {5, 0, 0, 0, false, "5  กรุงเทพฯ"},
        {5, 1, 0, 0, false, "5  กรุงเทพฯ *"},
        {5, 1, 0, 0, true, "5  กรุงเทพฯ (จ.)"},
        {5, 2, 2, 0, false, "5  กรุงเทพฯ *      บ้าน 2 ตึก 0"},
        {29, 1, 4, 1, false, "29 เกาะสมุย *     บ้าน 4 ตึก 1"},
        {7, 1, 1, 0, false, "7  ข.ศรีนครินทร์ * บ้าน 1 ตึก 0"},
        {15, 2, 3, 0, false, "15 ฟาร์มจระเข้ *  บ้าน 3 ตึก 0"},
        {26, 1, 4, 0, false, "26 ชะอำ *         บ้าน 4 ตึก 0"},
        {12, 0, 0, 0, false, "12 วัดสุทัศน์"},
        {19, 1, 0, 0, true, "19 วัดเบญจมบพิตร (จ.)"},
        {10, 0, 2, 0, false, "10 นครปฐม       บ้าน 2 ตึก 0"}, // buildings left on land back with the bank
    };
    for (const LineCase& c : cases) {
        SCOPED_TRACE(c.line);
        clearBoard();
        if (c.owner != 0) give(c.owner, c.deed);
        s.deed(c.deed).Houses = std::int16_t(c.houses);
        s.deed(c.deed).Towers = std::int16_t(c.towers);
        s.deed(c.deed).Mortgaged = c.mortgaged ? kTrue : kFalse;
        EXPECT_EQ(game.DeedListLine(c.deed).text(), c.line);
        EXPECT_EQ(game.DeedListLines()[std::size_t(c.deed - 1)].text(), c.line);
    }
}

TEST_F(BuyBuildTest, DeedListHasOneLinePerDeedInDeedOrder) {
    const auto lines = game.DeedListLines();
    ASSERT_EQ(lines.size(), 29u);
    for (int d = 1; d <= 29; ++d) {
        std::string want = std::to_string(d);
        want.append(std::size_t(3 - int(want.size())), ' ');
        want += rules::deed(d).name;
        EXPECT_EQ(lines[std::size_t(d - 1)].text(), want);
    }
}

TEST_F(BuyBuildTest, EveryChangeOfTheDeedTableRefreshesItsViews) {
    int refreshes = view.deedRefreshes;
    landOnDeed(1);
    game.OKButtonInFreeLand_Click();
    EXPECT_EQ(view.deedRefreshes, refreshes + 1) << "buying";
    s.NV = 1;
    refreshes = view.deedRefreshes;
    landOnDeed(1);
    game.OKButtonInOwnSingleLand_Click();
    EXPECT_EQ(view.deedRefreshes, refreshes + 1) << "building";
    s.NV = 1;
    own(1, 2, 0, 0, true);
    refreshes = view.deedRefreshes;
    landOnDeed(2);
    game.OKButtonInOwnMortgageLand_Click();
    EXPECT_EQ(view.deedRefreshes, refreshes + 1) << "redeeming";
}

TEST_F(BuyBuildTest, BuyingRefreshesTheBonusListAndTheNewDeedCanTakeTheHouseBonus) {
    landOnDeed(1, true);
    game.OpgBonus2_Click();
    EXPECT_EQ(textsOf(game.BonusListLines()), std::vector<std::string>{std::string(kNoDeedLeft)});
    game.CmbBonus_Select(0);
    game.OKButtonInFreeLand_Click();
    EXPECT_EQ(textsOf(game.BonusListLines()), std::vector<std::string>{"1  บางปะอิน"});
    EXPECT_EQ(game.screen().bonusSelection, -1) << "the refreshed list has nothing selected";
    game.CmbBonus_Select(0);
    game.OKButtonInBonus_Click();
    EXPECT_EQ(s.deed(1).Houses, 1);
    EXPECT_EQ(s.player(1).Money, 15000 - 600 + 1500);
    EXPECT_EQ(s.NV, 2);
}

} // namespace
} // namespace tavorin::test
