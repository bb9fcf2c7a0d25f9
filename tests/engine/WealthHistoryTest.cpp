// The wealth chart's data: a point per turn with every player's worth as it stood when the next
// turn began, and a bankrupt player's line ending at the turn he went bankrupt. The worths are summed
// by hand from the deed table.
#include "engine/WealthHistory.h"
#include "tests/engine/RulesFixture.h"

namespace tavorin::test {
namespace {

class WealthHistoryTest : public RulesTest {
protected:
    WealthHistory history{s};
    void SetUp() override {
        startGame(3, true);
        clearBoard();
        game.addObserver(history);
    }
    static WealthPoint point(int turn, std::int64_t w1, std::int64_t w2, std::int64_t w3, bool out3 = false) {
        WealthPoint p{.turn = turn};
        p.worth[1] = w1;
        p.worth[2] = w2;
        p.worth[3] = w3;
        p.bankrupt[3] = out3;
        return p;
    }
};

TEST_F(WealthHistoryTest, APointAfterEveryTurnAndALineThatEndsAtBankruptcy) {
    // Player 2 holds deed 2 (square 3) with four houses and its tower: 600 + 4 x 500 + 2500, and
    // 5000 in cash; its rent is 4500. Player 3 has 1000 and nothing to sell.
    own(2, 2, 4, 1);
    setMoney(2, 5000);
    setMoney(3, 1000);
    EXPECT_EQ(history.upToNow(), std::vector<WealthPoint>{point(0, 15000, 10100, 1000)});

    roll(1, 2); // player 1: 0 -> 3, pays the rent
    drop();
    game.OKButtonInNotOwnSingleLand_Click();
    roll(3, 3); // player 2: 0 -> 6, leaves the free land
    drop();
    game.CancelButtonInFreeLand_Click();
    roll(1, 2); // player 3: 0 -> 3, cannot pay: bankrupt, his 1000 to player 2
    drop();
    game.OKButtonInNotOwnSingleLand_Click();
    ASSERT_EQ(s.player(3).Bankrupt, kTrue);
    ASSERT_EQ(s.NV, 1);
    roll(3, 3); // player 1: 3 -> 9, leaves the free land
    drop();
    game.CancelButtonInFreeLand_Click();
    // Between turns player 1 pays 300 in a window that reports nothing (a redemption's fee): it
    // counts for the turn just played.
    s.player(1).Money -= 300;

    const std::vector<WealthPoint> expected = {
        point(0, 15000, 10100, 1000),    point(1, 10500, 14600, 1000),    point(2, 10500, 14600, 1000),
        point(3, 10500, 15600, 0, true), point(4, 10200, 15600, 0, true),
    };
    EXPECT_EQ(history.upToNow(), expected);
    roll(1, 1); // player 2's turn begins: the points played are final
    std::vector<WealthPoint> after = history.upToNow();
    ASSERT_EQ(after.size(), 6u);
    after.pop_back();
    EXPECT_EQ(after, expected);

    history.clear();
    EXPECT_EQ(history.upToNow(), std::vector<WealthPoint>{point(0, 10200, 15600, 0, true)});
}

} // namespace
} // namespace tavorin::test
