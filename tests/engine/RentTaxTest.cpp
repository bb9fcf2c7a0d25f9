// Rent on single, pair and group land, the bank's fee on mortgaged land, taking mortgaged
// land over, and the tax; each amount as shown and as charged, and who receives it.
#include "tests/engine/RulesFixture.h"

namespace tavorin::test {
namespace {

using RentTaxTest = RulesTest;

// After a successful payment: frame closed, shortage state over, turn passed (nothing else open).
void expectSettled(const Game& g, Ctl frame) {
    EXPECT_FALSE(g.screen()[frame].visible);
    EXPECT_EQ(g.state().Continue, 0);
    EXPECT_EQ(g.state().checkdiscount, kFalse);
    EXPECT_EQ(g.state().NV, 2);
}

// ------------------------------------------------------------------ single land

TEST_F(RentTaxTest, SingleLandRentForEveryDeedHouseCountAndTower) {
    int checked = 0;
    for (const rules::Deed& d : rules::kDeeds) {
        if (d.landType != 1) continue;
        for (int level = 0; level <= 5; ++level) { // 0..4 houses, 5 the tower (on 4 houses)
            SCOPED_TRACE(::testing::Message() << "deed " << d.number << " level " << level);
            clearBoard();
            s.NV = 1;
            own(2, d.number, level == 5 ? 4 : level, level == 5 ? 1 : 0);
            setMoney(1, 30000);
            setMoney(2, 1000);
            landOnDeed(d.number);
            const int rent = d.rent[std::size_t(level)];
            EXPECT_EQ(text(Ctl::LabelNotOwnSingleLand5), std::to_string(rent));
            game.OKButtonInNotOwnSingleLand_Click();
            EXPECT_EQ(s.player(1).Money, 30000 - rent);
            EXPECT_EQ(s.player(2).Money, 1000 + rent);
            EXPECT_EQ(text(Ctl::LabelMoney1), std::to_string(30000 - rent));
            EXPECT_EQ(text(Ctl::LabelMoney2), std::to_string(1000 + rent));
            expectSettled(game, Ctl::NotOwnSingleLandFrame);
            ++checked;
        }
    }
    EXPECT_EQ(checked, 22 * 6);
}

TEST_F(RentTaxTest, Deed29RentWithFourHousesAndWithTheTower) {
    own(2, 29, 4);
    setMoney(1, 17000);
    landOnDeed(29);
    game.OKButtonInNotOwnSingleLand_Click();
    EXPECT_EQ(s.player(1).Money, 0);
    s.NV = 1;
    s.deed(29).Towers = 1;
    setMoney(1, 20000);
    landOnDeed(29);
    game.OKButtonInNotOwnSingleLand_Click();
    EXPECT_EQ(s.player(1).Money, 0);
    EXPECT_EQ(s.player(2).Money, 15000 + 17000 + 20000);
}

TEST_F(RentTaxTest, RentIsRecomputedWhenTheButtonIsPressed) {
    own(2, 5, 1);
    landOnDeed(5);
    EXPECT_EQ(text(Ctl::LabelNotOwnSingleLand5), "300");
    s.deed(5).Houses = 2; // changed while the frame is open
    game.OKButtonInNotOwnSingleLand_Click();
    EXPECT_EQ(s.player(1).Money, 15000 - 900);
}

// ------------------------------------------------------------------ pair and group land

TEST_F(RentTaxTest, PairAndGroupRentCountTheOwnersPiecesMortgagedOrNot) {
    struct Case {
        int deed;
        std::vector<std::pair<int, bool>> holdings; // deed, mortgaged
        std::int32_t rent;
    };
    const Case cases[] = {
        {9, {{9, false}}, 850},
        {22, {{22, false}}, 850},
        {9, {{9, false}, {22, false}}, 2250},
        {22, {{9, false}, {22, false}}, 2250},
        {22, {{9, true}, {22, false}}, 2250},
        {9, {{9, false}, {3, false}, {4, false}}, 850}, // group pieces do not count for pair land
        {3, {{3, false}}, 500},
        {12, {{3, true}, {12, false}}, 1000},
        {4, {{3, false}, {4, false}, {12, false}}, 1500},
        {19, {{3, false}, {4, true}, {12, false}, {19, false}}, 2000},
        {27, {{3, false}, {4, false}, {12, false}, {19, false}, {27, false}}, 2500},
        {3, {{3, false}, {9, false}, {22, false}, {1, false}}, 500}, // pair and single pieces do not count
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(::testing::Message() << "deed " << c.deed << ", " << c.holdings.size() << " held");
        clearBoard();
        s.NV = 1;
        for (auto [d, m] : c.holdings) own(2, d, 0, 0, m);
        setMoney(1, 5000);
        setMoney(2, 0);
        landOnDeed(c.deed);
        EXPECT_EQ(text(Ctl::LabelNotOwnNotSingleLand8), std::to_string(c.rent));
        game.OKButtonInNotOwnNotSingleLand_Click();
        EXPECT_EQ(s.player(1).Money, 5000 - c.rent);
        EXPECT_EQ(s.player(2).Money, c.rent);
        expectSettled(game, Ctl::NotOwnNotSingleLandFrame);
    }
}

TEST_F(RentTaxTest, PairAndGroupRentIsRecountedWhenTheButtonIsPressed) {
    own(2, 3);
    own(2, 4);
    landOnDeed(4);
    EXPECT_EQ(text(Ctl::LabelNotOwnNotSingleLand8), "1000");
    s.CheckMultiLand = 0; // a stale count must not matter
    own(2, 12);           // the owner gains a piece while the frame is open
    game.OKButtonInNotOwnNotSingleLand_Click();
    EXPECT_EQ(s.player(1).Money, 15000 - 1500);
    EXPECT_EQ(s.CheckMultiLand, 3);
}

// ------------------------------------------------------------------ mortgaged land of another player

TEST_F(RentTaxTest, TheBanksFeeOnMortgagedLand) {
    for (const rules::Deed& d : rules::kDeeds) {
        SCOPED_TRACE(d.number);
        const std::int32_t fee = d.landType == 1 ? d.rent[0] : d.landType == 2 ? 320 : 280;
        clearBoard();
        s.NV = 1;
        own(2, d.number, 0, 0, true);
        setMoney(1, 1000);
        setMoney(2, 0);
        landOnDeed(d.number);
        EXPECT_EQ(text(Ctl::LabelNotOwnMortgageLand4), std::to_string(fee));
        EXPECT_EQ(text(Ctl::LabelNotOwnMortgageLand5), std::to_string(d.price * 9 / 5));
        game.OKButtonInNotOwnMortgageLand_Click();
        EXPECT_EQ(s.player(1).Money, 1000 - fee);
        EXPECT_EQ(s.player(2).Money, 0) << "the fee goes to the bank";
        EXPECT_EQ(s.deed(d.number).Owner, 2);
        EXPECT_EQ(s.deed(d.number).Mortgaged, kTrue);
        expectSettled(game, Ctl::NotOwnMortgageLandFrame);
    }
}

TEST_F(RentTaxTest, TakingOverMortgagedLand) {
    const std::pair<int, std::int32_t> cases[] = {{22, 2700}, {1, 1080}, {3, 3600}, {29, 7200}, {9, 2700}};
    for (auto [d, cost] : cases) {
        SCOPED_TRACE(d);
        clearBoard();
        s.NV = 1;
        own(1, 14);
        own(2, 5);
        own(2, d, 0, 0, true);
        own(2, 7);
        setMoney(1, cost);
        setMoney(2, 100);
        const int refreshes = view.deedRefreshes;
        landOnDeed(d);
        EXPECT_EQ(text(Ctl::LabelNotOwnMortgageLand5), std::to_string(cost));
        game.TakeOverButton_Click();
        EXPECT_EQ(s.deed(d).Owner, 1);
        EXPECT_EQ(s.deed(d).Mortgaged, kFalse);
        EXPECT_EQ(deedsOf(1), (std::vector<int>{14, d}));
        EXPECT_EQ(deedsOf(2), (std::vector<int>{5, 7})) << "the other deeds keep their order";
        EXPECT_EQ(s.player(2).Deeds[3], 0);
        EXPECT_EQ(s.player(1).Money, 0);
        EXPECT_EQ(s.player(2).Money, 100) << "the former owner gets nothing more";
        EXPECT_GT(view.deedRefreshes, refreshes);
        EXPECT_TRUE(game.DeedListLine(d).text().ends_with(" *"));
        expectSettled(game, Ctl::NotOwnMortgageLandFrame);
    }
}

TEST_F(RentTaxTest, ATakeoverThatCannotBeAffordedLeavesThePaymentOpen) {
    own(2, 22, 0, 0, true);
    setMoney(1, 2699);
    landOnDeed(22);
    game.TakeOverButton_Click();
    ASSERT_EQ(view.messages.size(), 1u);
    EXPECT_EQ(lastMessage().title, "Player1");
    EXPECT_EQ(lastMessage().text, kNotEnoughMoney);
    EXPECT_EQ(s.deed(22).Owner, 2);
    EXPECT_EQ(s.deed(22).Mortgaged, kTrue);
    EXPECT_EQ(s.player(1).Money, 2699);
    EXPECT_TRUE(visible(Ctl::NotOwnMortgageLandFrame));
    EXPECT_EQ(s.Continue, 1);
    EXPECT_EQ(s.checkdiscount, kFalse) << "a refused takeover is not a shortage";
    game.OKButtonInNotOwnMortgageLand_Click(); // the fee can still be paid
    EXPECT_EQ(s.player(1).Money, 2699 - 320);
    expectSettled(game, Ctl::NotOwnMortgageLandFrame);
}

TEST_F(RentTaxTest, ATakeoverAfterAShortageEndsTheShortage) {
    startGame(3);
    own(1, 29);
    own(2, 1, 0, 0, true);
    s.player(3).Bankrupt = kTrue; // a bankrupt player's button must stay disabled
    s.NP = 2;
    game.SetFailPlayerButton();
    setMoney(1, 50);
    landOnDeed(1);
    game.OKButtonInNotOwnMortgageLand_Click(); // fee 100, only 50 in cash
    ASSERT_EQ(s.checkdiscount, kTrue);
    ASSERT_TRUE(playerButton(1));
    ASSERT_FALSE(playerButton(2));
    mortgageForCash(1, 29); // +3200
    game.TakeOverButton_Click();
    EXPECT_EQ(s.deed(1).Owner, 1);
    EXPECT_EQ(s.player(1).Money, 3250 - 1080);
    EXPECT_EQ(s.checkdiscount, kFalse);
    EXPECT_TRUE(playerButton(1));
    EXPECT_TRUE(playerButton(2));
    EXPECT_FALSE(playerButton(3));
    EXPECT_FALSE(visible(Ctl::NotOwnMortgageLandFrame));
    EXPECT_EQ(s.Continue, 0);
    EXPECT_EQ(s.NV, 2);
}

// ------------------------------------------------------------------ tax

TEST_F(RentTaxTest, TaxOnCash) {
    enum class Then { Paid, Short, Bankrupt };
    const struct {
        std::int32_t money;
        bool holdsDeed;
        std::int32_t due;
        Then then;
    } cases[] = {
        {10000, false, 2000, Then::Paid}, {10001, false, 2000, Then::Paid},
        {10004, false, 2001, Then::Paid}, {15000, false, 3000, Then::Paid},
        {12345, false, 2469, Then::Paid}, {50000, false, 10000, Then::Paid},
        {2000, false, 2000, Then::Paid},  {5000, false, 2000, Then::Paid},
        {1999, true, 2000, Then::Short},  {1500, false, 2000, Then::Bankrupt},
        {0, false, 2000, Then::Bankrupt},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.money);
        startGame(3);
        if (c.holdsDeed) own(1, 29);
        setMoney(1, c.money);
        const std::int32_t other = s.player(2).Money;
        landOn(38);
        ASSERT_TRUE(visible(Ctl::TaxFrame));
        game.OKButtonInTaxFrame_Click();
        EXPECT_EQ(s.player(2).Money, other) << "tax goes to the bank";
        switch (c.then) {
        case Then::Paid:
            EXPECT_EQ(s.player(1).Money, c.money - c.due);
            EXPECT_FALSE(visible(Ctl::TaxFrame));
            EXPECT_EQ(s.NV, 2);
            break;
        case Then::Short:
            EXPECT_EQ(s.player(1).Money, c.money);
            EXPECT_EQ(lastMessage().text, kMustRaiseMoney);
            EXPECT_TRUE(visible(Ctl::TaxFrame));
            EXPECT_EQ(s.NV, 1);
            break;
        case Then::Bankrupt:
            EXPECT_EQ(lastMessage().text, kBankrupt);
            EXPECT_EQ(s.player(1).Bankrupt, kTrue);
            EXPECT_EQ(s.player(1).Money, 0);
            EXPECT_EQ(s.NP, 2);
            EXPECT_FALSE(visible(Ctl::TaxFrame));
            EXPECT_EQ(s.NV, 2);
            break;
        }
    }
}

TEST_F(RentTaxTest, TaxIsAssessedAgainOnTheCashRaised) {
    for (int d : {29, 28, 26, 24}) own(1, d);
    setMoney(1, 1500);
    landOn(38);
    game.OKButtonInTaxFrame_Click();
    ASSERT_EQ(s.checkdiscount, kTrue);
    for (int d : {29, 28, 26, 24}) mortgageForCash(1, d); // 3200 + 2800 + 2560 + 2400
    ASSERT_EQ(s.player(1).Money, 12460);
    game.OKButtonInTaxFrame_Click();
    EXPECT_EQ(s.player(1).Money, 12460 - 2492) << "a fifth of the new cash, no longer 2000";
    EXPECT_EQ(s.checkdiscount, kFalse);
    EXPECT_EQ(s.NV, 2);
}

} // namespace
} // namespace tavorin::test
