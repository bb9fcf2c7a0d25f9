// PlayerMoneyChange, the payment rule ChargeCurrentPlayer with its three outcomes,
// GoBankrupt, SetFailPlayerButton and the end of the game; a player who goes bankrupt loses the lap
// bonus he had coming.
#include <climits>

#include "engine/Money.h"
#include "tests/engine/RulesFixture.h"

namespace tavorin::test {
namespace {

class MoneyTest : public RulesTest {
protected:
    void SetUp() override { startGame(3, true); }
    // A paying frame open for the current player, as a landing leaves it.
    void openPayingFrame(Ctl frame) {
        game.screenToSetUp()[frame].visible = true;
        s.Continue = 1;
    }
};

TEST_F(MoneyTest, PlayerMoneyChangeAddsAndShowsTheCash) {
    const struct {
        int player;
        std::int32_t start, change, result;
    } cases[] = {{1, 15000, 2000, 17000},
                 {2, 15000, -15000, 0},
                 {3, 0, 5753, 5753},
                 {6, 100, -50, 50},
                 {1, 50, -100, -50}, // the sign is the callers' business
                 // Sums beyond a 32-bit amount stop at its limits instead of wrapping round.
                 {4, INT32_MAX - 5, 2000, INT32_MAX},
                 {5, INT32_MIN + 5, -2000, INT32_MIN},
                 {2, INT32_MAX, INT32_MIN, -1}};
    for (const auto& c : cases) {
        s.player(c.player).Money = c.start;
        game.PlayerMoneyChange(c.player, c.change);
        EXPECT_EQ(s.player(c.player).Money, c.result);
        EXPECT_EQ(text(nth(Ctl::LabelMoney1, c.player)), std::to_string(c.result));
    }
}

TEST(RoundBaht, HalvesGoToTheEvenNeighbourAndSumsBeyondAnAmountStopAtItsLimit) {
    const struct {
        double amount;
        std::int32_t baht;
    } cases[] = {{12.5, 12},        {13.5, 14},         {-2.5, -2},
                 {2.6, 3},          {-2.6, -3},         {2147483647.4, INT32_MAX},
                 {1e12, INT32_MAX}, {-1e12, INT32_MIN}, {-2147483648.0, INT32_MIN}};
    for (const auto& c : cases) EXPECT_EQ(roundBaht(c.amount), c.baht) << c.amount;
    // 180 % of the largest sum, and a fifth of the most negative cash (-429496729.6).
    EXPECT_EQ(percentOf(INT64_MAX, 180), INT32_MAX);
    EXPECT_EQ(percentOf(INT32_MIN, 20), -429496730);
}

// ------------------------------------------------------------------ the three outcomes

TEST_F(MoneyTest, ChargeCurrentPlayerPaysOrAsksToRaiseMoneyOrDeclaresBankruptcy) {
    const struct {
        const char* what;
        std::int32_t money;
        std::vector<std::pair<int, bool>> deeds; // deed, mortgaged
        std::int32_t amount;
        int payee;
        ChargeOutcome outcome;
        std::int32_t moneyAfter, payeeAfter;
    } cases[] = {
        {"exactly enough, to a player", 1000, {}, -1000, 2, ChargeOutcome::Paid, 0, 16000},
        {"enough, to the bank", 1000, {{1, false}}, -400, 0, ChargeOutcome::Paid, 600, 15000},
        {"a gain", 0, {}, 500, 0, ChargeOutcome::Paid, 500, 15000},
        {"short with an unmortgaged deed",
         999,
         {{1, false}},
         -1000,
         2,
         ChargeOutcome::MustRaiseMoney,
         999,
         15000},
        {"short, one deed of two unmortgaged",
         999,
         {{1, true}, {9, false}},
         -1000,
         3,
         ChargeOutcome::MustRaiseMoney,
         999,
         15000},
        {"short, every deed mortgaged: cash to the owner",
         999,
         {{1, true}, {9, true}},
         -1000,
         2,
         ChargeOutcome::Bankrupt,
         0,
         15999},
        {"short, no deeds, to the bank", 999, {}, -1000, 0, ChargeOutcome::Bankrupt, 0, 15000},
        {"no cash at all", 0, {}, -1, 3, ChargeOutcome::Bankrupt, 0, 15000},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.what);
        startGame(3, true);
        for (auto [d, m] : c.deeds) own(1, d, 0, 0, m);
        setMoney(1, c.money);
        openPayingFrame(Ctl::TaxFrame);
        const int formsHidden = view.playerFormHidden;
        const ChargeOutcome got = game.ChargeCurrentPlayer(c.amount, c.payee, Ctl::TaxFrame);
        EXPECT_EQ(got, c.outcome);
        EXPECT_EQ(s.player(1).Money, c.moneyAfter);
        const int watched = c.payee != 0 ? c.payee : 2;
        EXPECT_EQ(s.player(watched).Money, c.payeeAfter);
        switch (c.outcome) {
        case ChargeOutcome::Paid:
            EXPECT_TRUE(view.messages.empty());
            EXPECT_FALSE(visible(Ctl::TaxFrame));
            EXPECT_EQ(s.checkdiscount, kFalse);
            for (int k = 1; k <= 6; ++k) EXPECT_TRUE(playerButton(k)) << k;
            EXPECT_EQ(s.Continue, 0);
            EXPECT_EQ(s.NV, 2);
            break;
        case ChargeOutcome::MustRaiseMoney:
            ASSERT_EQ(view.messages.size(), 1u);
            EXPECT_EQ(lastMessage().title, "Player1");
            EXPECT_EQ(lastMessage().text, kMustRaiseMoney);
            EXPECT_EQ(s.checkdiscount, kTrue);
            EXPECT_TRUE(playerButton(1));
            for (int k = 2; k <= 6; ++k) EXPECT_FALSE(playerButton(k)) << k;
            EXPECT_EQ(view.playerFormHidden, formsHidden + 1);
            EXPECT_TRUE(visible(Ctl::TaxFrame));
            EXPECT_EQ(s.Continue, 1);
            EXPECT_EQ(s.NV, 1);
            break;
        case ChargeOutcome::Bankrupt:
            ASSERT_EQ(view.messages.size(), 1u);
            EXPECT_EQ(lastMessage().title, "Player1");
            EXPECT_EQ(lastMessage().text, kBankrupt);
            EXPECT_EQ(s.player(1).Bankrupt, kTrue);
            EXPECT_FALSE(visible(Ctl::TaxFrame));
            EXPECT_EQ(s.checkdiscount, kFalse);
            EXPECT_FALSE(playerButton(1));
            for (int k = 2; k <= 6; ++k) EXPECT_TRUE(playerButton(k)) << k;
            EXPECT_EQ(s.Continue, 0);
            EXPECT_EQ(s.NV, 2);
            break;
        }
    }
}

TEST_F(MoneyTest, ShortOnRentThenPaidAfterMortgaging) {
    s.player(3).Bankrupt = kTrue;
    s.NP = 2;
    own(1, 1);
    own(2, 8, 1); // rent 500
    setMoney(1, 100);
    landOnDeed(8);
    game.OKButtonInNotOwnSingleLand_Click();
    EXPECT_EQ(lastMessage().text, kMustRaiseMoney);
    EXPECT_EQ(s.checkdiscount, kTrue);
    EXPECT_TRUE(playerButton(1));
    EXPECT_FALSE(playerButton(2));
    EXPECT_FALSE(playerButton(3));
    EXPECT_TRUE(visible(Ctl::NotOwnSingleLandFrame));
    mortgageForCash(1, 1); // deed 1 for 480
    ASSERT_EQ(s.player(1).Money, 580);
    game.OKButtonInNotOwnSingleLand_Click();
    EXPECT_EQ(s.player(1).Money, 80);
    EXPECT_EQ(s.player(2).Money, 15500);
    EXPECT_EQ(s.checkdiscount, kFalse);
    EXPECT_TRUE(playerButton(1));
    EXPECT_TRUE(playerButton(2));
    EXPECT_FALSE(playerButton(3)) << "but the bankrupt players'";
    EXPECT_FALSE(visible(Ctl::NotOwnSingleLandFrame));
    EXPECT_EQ(s.NV, 2);
}

TEST_F(MoneyTest, ShortOnRentWithTheOnlyDeedMortgagedIsBankruptcy) {
    own(1, 1, 0, 0, true);
    own(2, 8, 1);
    setMoney(1, 100);
    landOnDeed(8);
    game.OKButtonInNotOwnSingleLand_Click();
    EXPECT_EQ(lastMessage().text, kBankrupt);
    EXPECT_EQ(s.player(2).Money, 15100) << "the owner receives the remaining cash";
    EXPECT_EQ(s.deed(1).Owner, 0);
    EXPECT_EQ(s.deed(1).Mortgaged, kFalse);
    EXPECT_EQ(s.NP, 2);
    EXPECT_EQ(s.NV, 2);
    EXPECT_FALSE(s.gameOver);
}

// ------------------------------------------------------------------ GoBankrupt and the buttons

TEST_F(MoneyTest, GoBankruptReturnsTheDeedsAndTakesThePlayerOut) {
    own(1, 3, 0, 0, true);
    own(1, 9, 0, 0, true);
    own(1, 5, 0, 0, true);
    s.deed(5).Houses = 2; // left as they are
    s.player(1).Position = 17;
    s.tokenLeft[1] = 1234;
    s.tokenTop[1] = 2345;
    setMoney(1, 40);
    game.GoBankrupt();
    EXPECT_EQ(s.NP, 2);
    for (int d : {3, 9, 5}) {
        EXPECT_EQ(s.deed(d).Owner, 0) << d;
        EXPECT_EQ(s.deed(d).Mortgaged, kFalse) << d;
    }
    EXPECT_EQ(s.deed(5).Houses, 2);
    const PlayerRecord& p = s.player(1);
    for (int i = 1; i <= 29; ++i) EXPECT_EQ(p.Deeds[std::size_t(i)], 0) << i;
    EXPECT_EQ(p.Bankrupt, kTrue);
    EXPECT_EQ(p.Money, 0);
    EXPECT_EQ(p.DeedCount, 0);
    EXPECT_EQ(p.Position, 0);
    EXPECT_EQ(p.MayPlay, kFalse);
    EXPECT_FALSE(visible(Ctl::LabelName1));
    EXPECT_FALSE(playerButton(1));
    EXPECT_EQ(text(Ctl::LabelMoney1), "ล้มละลาย");
    EXPECT_EQ(s.tokenLeft[1], 1234) << "the token stays where it is";
    EXPECT_EQ(s.tokenTop[1], 2345);
    EXPECT_EQ(game.DeedListLine(9).text(), "9  การไฟฟ้า");
    // NV_Process never selects him again.
    for (int i = 0; i < 6; ++i) {
        game.NV_Process();
        EXPECT_NE(s.NV, 1);
    }
}

TEST_F(MoneyTest, SetFailPlayerButtonDisablesOnlyTheBankrupt) {
    for (int k = 1; k <= 6; ++k) game.screenToSetUp()[nth(Ctl::PlayerButton1, k)].enabled = (k != 4);
    s.player(2).Bankrupt = kTrue;
    s.player(5).Bankrupt = kTrue;
    game.SetFailPlayerButton();
    const bool want[7] = {false, true, false, true, false, false, true};
    for (int k = 1; k <= 6; ++k) EXPECT_EQ(playerButton(k), want[k]) << k;
}

// ------------------------------------------------------------------ the lap bonus and bankruptcy

TEST_F(MoneyTest, BankruptcyDisarmsAnArmedLapBonus) {
    // A deliberate choice: the bonus is not left for a player
    // who is out of the game, and the turn passes at once.
    const struct {
        const char* what;
        int square;
        int owned; // deed of player 2 that is rented, 0 for the bank's squares
        Ctl frame;
        void (Game::*press)();
        std::int32_t ownerGain;
    } cases[] = {
        {"rent", 6, 5, Ctl::NotOwnSingleLandFrame, &Game::OKButtonInNotOwnSingleLand_Click, 300},
        {"tax", 38, 0, Ctl::TaxFrame, &Game::OKButtonInTaxFrame_Click, 0},
        {"bail", 10, 0, Ctl::DishonestFrame, &Game::OKButtonInDishonestFrame_Click, 0},
        {"card", 2, 0, Ctl::TreasureFrame, &Game::OkButtonInTreasure_Click, 0},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.what);
        startGame(3, true);
        if (c.owned) own(2, c.owned, 4);
        setMoney(1, 300);
        s.OrderNumberOfTreasure = 15; // -2500
        landOn(c.square, true);
        ASSERT_EQ(s.Continue, 2);
        ASSERT_TRUE(game.bonusArmed());
        (game.*c.press)();
        EXPECT_EQ(s.player(1).Bankrupt, kTrue);
        EXPECT_FALSE(game.bonusArmed());
        for (Ctl ctl : {Ctl::BonusFrame, Ctl::OpgBonus1, Ctl::OpgBonus2, Ctl::CmbBonus, Ctl::OKButtonInBonus,
                        Ctl::LabelBonus})
            EXPECT_FALSE(enabled(ctl)) << controlName(ctl);
        EXPECT_TRUE(game.screen()[Ctl::OpgBonus1].checked);
        EXPECT_FALSE(game.screen()[Ctl::BonusFrame].highlight);
        EXPECT_TRUE(game.BonusListLines().empty())
            << "disarmed means CmbBonus emptied, as the disarmed frame has it";
        EXPECT_FALSE(visible(c.frame));
        EXPECT_EQ(s.Continue, 0);
        EXPECT_EQ(s.NV, 2) << "the turn passed without the bonus being answered";
        EXPECT_EQ(s.player(2).Money, 15000 + c.ownerGain);
        game.OKButtonInBonus_Click(); // nothing left to collect
        EXPECT_EQ(s.player(1).Money, 0);
        EXPECT_EQ(s.player(2).Money, 15000 + c.ownerGain);
        EXPECT_EQ(s.NV, 2);
    }
}

TEST_F(MoneyTest, ABonusTakenBeforeTheFrameCanCureAShortage) {
    own(1, 1);
    own(2, 5, 1); // rent 300
    setMoney(1, 100);
    landOn(6, true);
    game.OKButtonInNotOwnSingleLand_Click();
    ASSERT_EQ(s.checkdiscount, kTrue);
    EXPECT_TRUE(game.bonusArmed()) << "a shortage does not touch the bonus";
    game.OKButtonInBonus_Click();
    EXPECT_EQ(s.player(1).Money, 2100);
    EXPECT_EQ(s.Continue, 1);
    game.OKButtonInNotOwnSingleLand_Click();
    EXPECT_EQ(s.player(1).Money, 1800);
    EXPECT_EQ(s.checkdiscount, kFalse);
    EXPECT_EQ(s.NV, 2);
}

TEST_F(MoneyTest, ABonusAlreadyTakenIsKeptWhenTheFrameEndsInBankruptcy) {
    own(2, 5, 4); // rent 4000
    setMoney(1, 300);
    landOn(6, true);
    game.OKButtonInBonus_Click();
    ASSERT_EQ(s.player(1).Money, 2300);
    game.OKButtonInNotOwnSingleLand_Click();
    EXPECT_EQ(s.player(1).Bankrupt, kTrue);
    EXPECT_EQ(s.player(2).Money, 15000 + 2300);
    EXPECT_EQ(s.Continue, 0);
    EXPECT_EQ(s.NV, 2);
}

// ------------------------------------------------------------------ the end of the game

TEST_F(MoneyTest, TheLastBankruptcyEndsTheGame) {
    startGame(2, true);
    own(2, 29, 4, 1);
    setMoney(1, 1000);
    landOnDeed(29);
    game.OKButtonInNotOwnSingleLand_Click();
    EXPECT_EQ(s.NP, 1);
    EXPECT_TRUE(s.gameOver);
    EXPECT_EQ(view.winner, 2);
    EXPECT_EQ(s.NV, 2);
    EXPECT_EQ(s.player(2).Money, 16000);
    EXPECT_FALSE(enabled(Ctl::RunButton));
    EXPECT_FALSE(game.boardScreen().visible);
    EXPECT_FALSE(game.screen().visible);
}

TEST_F(MoneyTest, TheLastBankruptcyWithAnArmedBonusEndsTheGameAtOnce) {
    startGame(2, true);
    setMoney(1, 1000);
    landOn(38, true);
    game.OKButtonInTaxFrame_Click(); // 2000 due, 1000 in cash, no deeds
    EXPECT_TRUE(s.gameOver);
    EXPECT_EQ(view.winner, 2);
    EXPECT_EQ(s.Continue, 0);
    EXPECT_EQ(s.player(1).Money, 0);
}

} // namespace
} // namespace tavorin::test
