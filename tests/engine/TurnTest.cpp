#include "tests/engine/Fixture.h"

namespace tavorin::test {
namespace {

using TurnTest = GameTest;

TEST_F(TurnTest, NewGameGivesTheFirstTurnToPlayerOne) {
    startGame(2);
    EXPECT_EQ(s.NV, 1);
    EXPECT_EQ(s.NP, 2);
    EXPECT_EQ(s.Speed, 100000);
    EXPECT_EQ(s.player(1).Money, 15000);
    EXPECT_EQ(s.player(1).Name, "Player1");
    EXPECT_TRUE(enabled(Ctl::RunButton));
    EXPECT_FALSE(enabled(Ctl::StopButton));
    EXPECT_TRUE(enabled(Ctl::SaveButton));
    EXPECT_EQ(game.screen().focus, Ctl::RunButton);
    EXPECT_TRUE(game.screen()[Ctl::LabelName1].highlight);
    EXPECT_FALSE(game.screen()[Ctl::LabelName2].highlight);
    EXPECT_FALSE(visible(Ctl::LabelName3));
}

TEST_F(TurnTest, RollMovesAndWrapsPastTheStart) {
    startGame(2, false);
    s.player(1).Position = 35;
    rnd.push({55, 66}); // timer intervals
    auto intervals = game.RunButton_Click();
    EXPECT_EQ(intervals[0], 55);
    EXPECT_EQ(intervals[1], 66);
    EXPECT_FALSE(enabled(Ctl::RunButton));
    EXPECT_FALSE(enabled(Ctl::SaveButton));
    EXPECT_TRUE(enabled(Ctl::StopButton));
    rnd.push({3});
    game.Timer1_Timer();
    rnd.push({4});
    game.Timer2_Timer();
    game.StopButton_Click();
    EXPECT_EQ(text(Ctl::Text1), "ทอยได้ 7 แต้ม");
    EXPECT_EQ(s.player(1).Position, 2);
    EXPECT_TRUE(s.LoopFinish);
    EXPECT_EQ(s.FirstLapLock[1], 0);
    EXPECT_EQ(s.FirstProcess, "Y");
    EXPECT_EQ(game.screen().focus, Ctl::Command2);
    EXPECT_TRUE(game.boardScreen().arrow1.visible);
    EXPECT_FALSE(game.boardScreen().arrow2.visible);
    EXPECT_EQ(game.boardScreen().arrow2.left, 7800 - 350);
}

TEST_F(TurnTest, RollEndingOnFortyLandsOnStart) {
    startGame(2);
    s.player(1).Position = 30;
    roll(5, 5);
    EXPECT_EQ(s.player(1).Position, 0);
    EXPECT_TRUE(s.LoopFinish);
}

TEST_F(TurnTest, HandOverSkipsBankruptAndLostTurns) {
    startGame(4);
    s.player(2).Bankrupt = kTrue;
    s.player(3).MayPlay = kFalse;
    s.NP = 3;
    s.NV = 1;
    game.NV_Process();
    EXPECT_EQ(s.NV, 4);
    EXPECT_EQ(s.player(3).MayPlay, kTrue);
    game.NV_Process();
    EXPECT_EQ(s.NV, 1);
}

TEST_F(TurnTest, LastPlayerLeftWins) {
    startGame(2);
    s.player(2).Bankrupt = kTrue;
    s.NP = 1;
    game.NV_Process();
    EXPECT_TRUE(s.gameOver);
    EXPECT_EQ(view.winner, 1);
    EXPECT_FALSE(enabled(Ctl::RunButton));
}

TEST_F(TurnTest, DropOnlyOnTheTargetSquareReportsOnce) {
    startGame(2);
    roll(1, 2); // to square 3, deed 2
    EXPECT_EQ(game.DropToken(1, 4, 10, 10, 0, 0), Drop::Refused);
    EXPECT_EQ(s.Continue, 0);
    EXPECT_EQ(game.DropToken(1, 3, 300, 200, 100, 100), Drop::Reported);
    EXPECT_EQ(s.tokenLeft[1], 6960 + 200);
    EXPECT_EQ(s.tokenTop[1], 6360 + 100);
    EXPECT_TRUE(visible(Ctl::FreeLandFrame));
    EXPECT_EQ(s.Continue, 1);
    EXPECT_EQ(s.FirstProcess, "N");
    // Set down again on its square, the token moves but the square is not reported a second time.
    EXPECT_EQ(game.DropToken(1, 3, 10, 10, 0, 0), Drop::Placed);
    EXPECT_EQ(s.tokenLeft[1], 6960 + 10);
    EXPECT_EQ(s.Continue, 1);
}

TEST_F(TurnTest, ComputerTokensCannotBePickedUp) {
    NewGameSetup setup;
    setup.computer[2] = true;
    game.NewGame(setup);
    EXPECT_FALSE(game.PressToken(2));
    EXPECT_TRUE(game.PressToken(1));
    EXPECT_FALSE(game.boardScreen().arrow1.visible);
    EXPECT_FALSE(game.boardScreen().arrow2.visible); // the dice have not been rolled yet
}

TEST_F(TurnTest, ShuffleProbesToTheNextFreeSlot) {
    startGame(2);
    rnd.queue.assign(15, 1);
    game.ReOrderNumber1();
    for (int p = 1; p <= 15; ++p) EXPECT_EQ(s.TreasureOrder[std::size_t(p)], p);
    rnd.queue.assign(15, 15);
    game.ReOrderNumber1();
    EXPECT_EQ(s.TreasureOrder[15], 1);
    for (int p = 1; p <= 14; ++p) EXPECT_EQ(s.TreasureOrder[std::size_t(p)], p + 1);
}

TEST_F(TurnTest, InitialDealTakesTurnsFromTheShuffledDeeds) {
    NewGameSetup setup;
    setup.initialDeeds = 4;
    game.NewGame(setup);
    for (int j = 1; j <= 4; ++j) {
        EXPECT_EQ(s.player(1).Deeds[std::size_t(j)], s.DealOrder[std::size_t(1 + (j - 1) * 2)]);
        EXPECT_EQ(s.player(2).Deeds[std::size_t(j)], s.DealOrder[std::size_t(2 + (j - 1) * 2)]);
    }
    std::set<int> all;
    for (int k = 1; k <= 2; ++k)
        for (int j = 1; j <= 4; ++j) all.insert(s.player(k).Deeds[std::size_t(j)]);
    EXPECT_EQ(all.size(), 8u);
}

} // namespace
} // namespace tavorin::test
