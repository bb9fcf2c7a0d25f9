// Whole turns of persons, played through the engine alone: the hand-over, the dice, the drop of the
// token on its target, the frame's decision and the next player. Every random draw is scripted.
#include "tests/engine/RulesFixture.h"

namespace tavorin::test {
namespace {

class PlayTest : public RulesTest {
protected:
    void SetUp() override {}

    void begin(int players) {
        startGame(players, true);
        rnd.strict = true; // from here on every draw must be scripted
    }

    // One roll as a person makes it: the dice start (two timer intervals), each die ticks twice,
    // the dice stop on d1 and d2; then the token is picked up and dropped on its target.
    void rollAndDrop(int d1, int d2) {
        const int player = s.NV;
        ASSERT_TRUE(enabled(Ctl::RunButton));
        ASSERT_EQ(game.screen().focus, Ctl::RunButton);
        ASSERT_TRUE(openFrames().empty());
        rnd.push({61, 87});
        const auto intervals = game.RunButton_Click();
        ASSERT_EQ(intervals, (std::array<int, 2>{61, 87}));
        rnd.push({6, d1});
        game.Timer1_Timer();
        game.Timer1_Timer();
        rnd.push({5, d2});
        game.Timer2_Timer();
        game.Timer2_Timer();
        const int from = s.player(player).Position;
        game.StopButton_Click();
        ASSERT_EQ(text(Ctl::Text1), "ทอยได้ " + std::to_string(d1 + d2) + " แต้ม");
        ASSERT_EQ(s.player(player).Position, (from + d1 + d2) % 40);
        ASSERT_EQ(s.LoopFinish, from + d1 + d2 >= 40);
        ASSERT_TRUE(game.PressToken(player));
        ASSERT_TRUE(game.boardScreen().arrow2.visible);
        drop();
        ASSERT_TRUE(rnd.queue.empty());
        ASSERT_EQ(s.FirstProcess, "N");
    }
};

TEST_F(PlayTest, TurnsOfPersonsWithAShortageCuredByMortgaging) {
    begin(2);
    setMoney(2, 700); // player 2 comes to this stretch of the game with little cash

    // 1. Player 1: 0 -> 6, free single land (deed 5), bought with a house.
    ASSERT_EQ(s.NV, 1);
    rollAndDrop(3, 3);
    ASSERT_EQ(openFrames(), std::vector<Ctl>{Ctl::FreeLandFrame});
    EXPECT_EQ(text(Ctl::LabelFreeLand1), "กรุงเทพฯ");
    game.CheckFreeLand_Click(true);
    game.OKButtonInFreeLand_Click();
    EXPECT_EQ(s.player(1).Money, 13500);
    EXPECT_EQ(s.deed(5).Houses, 1);
    EXPECT_EQ(game.DeedListLine(5), "5  กรุงเทพฯ *      บ้าน 1 ตึก 0");

    // 2. Player 2: 0 -> 3, free land (deed 2), bought alone; 100 left.
    ASSERT_EQ(s.NV, 2);
    EXPECT_TRUE(game.screen()[Ctl::LabelName2].highlight);
    rollAndDrop(1, 2);
    game.OKButtonInFreeLand_Click();
    EXPECT_EQ(s.player(2).Money, 100);
    EXPECT_EQ(deedsOf(2), std::vector<int>{2});

    // 3. Player 1: 6 -> 17, a Treasure card (the order is 1..15 after the unscripted new game): -500.
    ASSERT_EQ(s.NV, 1);
    rollAndDrop(5, 6);
    ASSERT_EQ(openFrames(), std::vector<Ctl>{Ctl::TreasureFrame});
    EXPECT_EQ(lastMessage().text, "พบหีบสมบัติ");
    game.OkButtonInTreasure_Click();
    EXPECT_EQ(s.player(1).Money, 13000);

    // 4. Player 2: 3 -> 6, player 1's land with a house: rent 300 with 100 in cash.
    ASSERT_EQ(s.NV, 2);
    rollAndDrop(1, 2);
    ASSERT_EQ(openFrames(), std::vector<Ctl>{Ctl::NotOwnSingleLandFrame});
    EXPECT_EQ(text(Ctl::LabelNotOwnSingleLand5), "300");
    game.OKButtonInNotOwnSingleLand_Click();
    EXPECT_EQ(lastMessage().title, "Player2");
    EXPECT_EQ(lastMessage().text, kMustRaiseMoney);
    EXPECT_EQ(s.checkdiscount, kTrue);
    EXPECT_FALSE(playerButton(1));
    EXPECT_TRUE(playerButton(2));
    game.OKButtonInNotOwnSingleLand_Click(); // still short: asked again
    EXPECT_EQ(view.messages.size(), 3u);
    EXPECT_EQ(s.NV, 2);
    mortgageForCash(2, 2); // +480
    EXPECT_EQ(s.player(2).Money, 580);
    game.OKButtonInNotOwnSingleLand_Click();
    EXPECT_EQ(s.player(2).Money, 280);
    EXPECT_EQ(s.player(1).Money, 13300);
    EXPECT_EQ(s.checkdiscount, kFalse);
    EXPECT_TRUE(playerButton(1));
    EXPECT_TRUE(playerButton(2));

    // 5. Player 1: 17 -> 29, free land (deed 23), bought.
    ASSERT_EQ(s.NV, 1);
    rollAndDrop(6, 6);
    game.OKButtonInFreeLand_Click();
    EXPECT_EQ(s.player(1).Money, 10500);

    // 6. Player 2: 6 -> 18, free land he cannot afford; declined.
    ASSERT_EQ(s.NV, 2);
    rollAndDrop(6, 6);
    game.OKButtonInFreeLand_Click();
    EXPECT_EQ(lastMessage().text, kNotEnoughMoney);
    EXPECT_EQ(s.NV, 2);
    game.CancelButtonInFreeLand_Click();
    EXPECT_EQ(s.deed(14).Owner, 0);

    // 7. Player 1: 29 -> 40 = the start, a lap: the start frame and the bonus, taken as a house on deed 5.
    ASSERT_EQ(s.NV, 1);
    rollAndDrop(5, 6);
    ASSERT_EQ(openFrames(), std::vector<Ctl>{Ctl::StartFrame});
    EXPECT_EQ(s.Continue, 2);
    game.OKButtonInStart_Click();
    EXPECT_EQ(s.NV, 1);
    game.OpgBonus2_Click();
    EXPECT_EQ(game.BonusListLines(),
              (std::vector<std::string>{"5  กรุงเทพฯ           บ้าน 1 ตึก 0", "23 หัวลำโพง"}));
    selectBonusDeed(5);
    game.OKButtonInBonus_Click();
    EXPECT_EQ(s.deed(5).Houses, 2);
    EXPECT_EQ(s.player(1).Money, 12000);

    // 8. Player 2: 18 -> 20, relax: he loses his next turn.
    ASSERT_EQ(s.NV, 2);
    rollAndDrop(1, 1);
    game.OKButtonInRelaxFrame_Click();
    EXPECT_TRUE(game.screen()[Ctl::LabelName2].red);

    // 9. Player 1: 0 -> 6, his own land: one more house.
    ASSERT_EQ(s.NV, 1);
    rollAndDrop(3, 3);
    ASSERT_EQ(openFrames(), std::vector<Ctl>{Ctl::OwnSingleLandFrame});
    game.OKButtonInOwnSingleLand_Click();
    EXPECT_EQ(s.deed(5).Houses, 3);
    EXPECT_EQ(s.player(1).Money, 11500);

    // 10. Player 2 is passed over; player 1 again: 6 -> 10, bail, the token into square 10.
    ASSERT_EQ(s.NV, 1);
    EXPECT_FALSE(game.screen()[Ctl::LabelName2].red);
    rollAndDrop(2, 2);
    rnd.push({4, 7});
    game.OKButtonInDishonestFrame_Click();
    EXPECT_EQ(s.player(1).Money, 11000);
    EXPECT_EQ(s.tokenLeft[1], kSquareTable[10].box.left + 200);
    EXPECT_EQ(s.tokenTop[1], kSquareTable[10].box.top + 350);

    ASSERT_EQ(s.NV, 2);
    EXPECT_TRUE(enabled(Ctl::RunButton));
    EXPECT_EQ(s.Continue, 0);
    EXPECT_FALSE(s.gameOver);
}

TEST_F(PlayTest, TurnsOfPersonsEndingInBankruptcyAndTheEndOfTheGame) {
    begin(3);
    // A game in progress: player 1 holds three group deeds and a tower; players 2 and 3 are poor.
    for (int d : {3, 4, 12}) own(1, d);
    own(1, 25, 4, 1);
    s.player(1).Position = 20;
    own(2, 9, 0, 0, true);
    setMoney(2, 1000);
    s.player(2).Position = 33;
    setMoney(3, 500);
    s.player(3).Position = 14;

    // 1. Player 1: 20 -> 22, Fate card 1: -500.
    rollAndDrop(1, 1);
    ASSERT_EQ(openFrames(), std::vector<Ctl>{Ctl::FateFrame});
    game.OKButtonInFate_Click();
    EXPECT_EQ(s.player(1).Money, 14500);

    // 2. Player 2: 33 -> 45 = 5 past the start, player 1's group land (three pieces, 1500), and the
    //    bonus armed. His only deed is mortgaged: bankrupt. The bonus is disarmed and the turn passes.
    ASSERT_EQ(s.NV, 2);
    rollAndDrop(6, 6);
    ASSERT_EQ(openFrames(), std::vector<Ctl>{Ctl::NotOwnNotSingleLandFrame});
    EXPECT_EQ(text(Ctl::LabelNotOwnNotSingleLand8), "1500");
    EXPECT_EQ(s.Continue, 2);
    game.OKButtonInNotOwnNotSingleLand_Click();
    EXPECT_EQ(lastMessage().title, "Player2");
    EXPECT_EQ(lastMessage().text, kBankrupt);
    EXPECT_EQ(s.player(2).Bankrupt, kTrue);
    EXPECT_EQ(s.player(2).Money, 0);
    EXPECT_EQ(s.player(1).Money, 15500);
    EXPECT_EQ(s.deed(9).Owner, 0);
    EXPECT_EQ(s.NP, 2);
    EXPECT_FALSE(game.bonusArmed());
    EXPECT_EQ(text(Ctl::LabelMoney2), "ล้มละลาย");

    // 3. Player 3: 14 -> 20, relax.
    ASSERT_EQ(s.NV, 3);
    rollAndDrop(3, 3);
    game.OKButtonInRelaxFrame_Click();

    // 4. Player 1 (2 is bankrupt): 22 -> 25, free group land, bought.
    ASSERT_EQ(s.NV, 1);
    rollAndDrop(1, 2);
    game.OKButtonInFreeLand_Click();
    EXPECT_EQ(s.player(1).Money, 13500);

    // 5. Player 1 again (3 loses this turn): 25 -> 30, bail.
    ASSERT_EQ(s.NV, 1);
    rollAndDrop(2, 3);
    rnd.push({10, 10});
    game.OKButtonInDishonestFrame_Click();
    EXPECT_EQ(s.player(1).Money, 13000);
    EXPECT_EQ(s.player(1).Position, 10);

    // 6. Player 3: 20 -> 32, player 1's land with the tower: 12750 with 500 and no deeds. Bankrupt;
    //    one player is left and wins.
    ASSERT_EQ(s.NV, 3);
    rollAndDrop(6, 6);
    ASSERT_EQ(openFrames(), std::vector<Ctl>{Ctl::NotOwnSingleLandFrame});
    EXPECT_EQ(text(Ctl::LabelNotOwnSingleLand5), "12750");
    game.OKButtonInNotOwnSingleLand_Click();
    EXPECT_EQ(s.player(3).Bankrupt, kTrue);
    EXPECT_EQ(s.player(1).Money, 13500);
    EXPECT_EQ(s.NP, 1);
    EXPECT_TRUE(s.gameOver);
    EXPECT_EQ(view.winner, 1);
    EXPECT_EQ(s.NV, 1);
    EXPECT_FALSE(enabled(Ctl::RunButton));
    EXPECT_FALSE(game.screen().visible);
    EXPECT_FALSE(game.boardScreen().visible);
    // Nothing moves any more.
    EXPECT_EQ(game.RunButton_Click(), (std::array<int, 2>{0, 0}));
}

} // namespace
} // namespace tavorin::test
