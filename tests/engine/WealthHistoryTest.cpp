// The wealth chart's data: a point per turn with every player's worth as it stood when the next
// turn began, and a bankrupt player's line ending at the turn he went bankrupt. The worths are summed
// by hand from the deed table.
#include "engine/WealthHistory.h"
#include "engine/WealthFile.h"
#include "tests/engine/FileSupport.h"
#include "tests/engine/RulesFixture.h"

namespace tavorin::test {
namespace {

WealthPoint point(int turn, std::int64_t w1, std::int64_t w2, std::int64_t w3, bool out3 = false) {
    WealthPoint p{.turn = turn};
    p.worth[1] = w1;
    p.worth[2] = w2;
    p.worth[3] = w3;
    p.bankrupt[3] = out3;
    return p;
}

class WealthHistoryTest : public RulesTest {
protected:
    WealthHistory history{s};
    void SetUp() override {
        startGame(3, true);
        clearBoard();
        game.addObserver(history);
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

// The wealth chart's history beside a saved game: the text of a small history written out by hand,
// the files that must be refused, and the newest turns kept when a very long game outgrows the file.
const std::vector<WealthPoint> kThreeTurns = {point(0, 15000, 15000, 5000), point(1, 14000, 16000, 5000),
                                              point(2, 18250, 16000, -300, true)};
const char* const kThreeTurnsText = "tavorin wealth 1\n"
                                    "0 15000 15000 5000 0 0 0 0 0 0 0 0 0\n"
                                    "1 14000 16000 5000 0 0 0 0 0 0 0 0 0\n"
                                    "2 18250 16000 -300 0 0 0 0 0 1 0 0 0\n";

TEST(WealthFileTest, AHistoryIsWrittenAsItsLinesAndReadBack) {
    EXPECT_EQ(wealthText(kThreeTurns), kThreeTurnsText);
    EXPECT_EQ(parseWealth(kThreeTurnsText, 3), kThreeTurns);
    // Line ends of another system read the same.
    std::string crlf;
    for (char c : std::string(kThreeTurnsText)) crlf += c == '\n' ? std::string("\r\n") : std::string(1, c);
    EXPECT_EQ(parseWealth(crlf, 3), kThreeTurns);
    // A history saved after a load that had none starts at a later turn.
    const std::vector<WealthPoint> later = {point(40, 100, 200, 0), point(41, 150, 150, 0)};
    EXPECT_EQ(parseWealth(wealthText(later), 2), later);
}

TEST(WealthFileTest, WhatIsNotSuchAFileIsRefused) {
    const std::string header = "tavorin wealth 1\n";
    const struct {
        const char* what;
        std::string text;
        int players;
    } cases[] = {
        {"empty", "", 2},
        {"no point", header, 2},
        {"another file", "tavorin wealth 2\n0 1 1 0 0 0 0 0 0 0 0 0 0\n", 2},
        {"cut short", header + "0 15000 15000 0 0 0 0 0 0 0 0 0 0", 2},
        {"a turn missed", header + "0 1 1 0 0 0 0 0 0 0 0 0 0\n2 1 1 0 0 0 0 0 0 0 0 0 0\n", 2},
        {"a turn repeated", header + "0 1 1 0 0 0 0 0 0 0 0 0 0\n0 1 1 0 0 0 0 0 0 0 0 0 0\n", 2},
        {"a negative turn", header + "-1 1 1 0 0 0 0 0 0 0 0 0 0\n", 2},
        {"a number short", header + "0 1 1 0 0 0 0 0 0 0 0 0\n", 2},
        {"a number more", header + "0 1 1 0 0 0 0 0 0 0 0 0 0 0\n", 2},
        {"two spaces", header + "0  1 1 0 0 0 0 0 0 0 0 0 0\n", 2},
        {"a word", header + "0 1 x 0 0 0 0 0 0 0 0 0 0\n", 2},
        {"a plus sign", header + "0 +1 1 0 0 0 0 0 0 0 0 0 0\n", 2},
        {"bankrupt twice over", header + "0 1 1 0 0 0 0 2 0 0 0 0 0\n", 2},
        {"a worth beyond reason", header + "0 9999999999999999 1 0 0 0 0 0 0 0 0 0 0\n", 2},
        {"a worth beyond 64 bits", header + "0 99999999999999999999 1 0 0 0 0 0 0 0 0 0 0\n", 2},
        {"a seat the game has not", header + "0 1 1 5 0 0 0 0 0 0 0 0 0\n", 2},
        {"a bankrupt seat the game has not", header + "0 1 1 0 0 0 0 0 0 1 0 0 0\n", 2},
        {"a game of no players", kThreeTurnsText, 0},
        {"a bankrupt seat beyond the game's", kThreeTurnsText, 2},
        {"a blank line", header + "0 1 1 0 0 0 0 0 0 0 0 0 0\n\n", 2},
    };
    for (const auto& c : cases) EXPECT_FALSE(parseWealth(c.text, c.players)) << c.what;
}

TEST(WealthFileTest, AGameTooLongForTheFileKeepsItsNewestTurns) {
    std::vector<WealthPoint> points;
    for (int t = 0; t < 400000; ++t) points.push_back(point(t, 1'000'000'000 + t, 2'000'000'000 - t, 0));
    const std::string text = wealthText(points);
    ASSERT_LE(text.size(), kMaxWealthFileBytes);
    const auto back = parseWealth(text, 2);
    ASSERT_TRUE(back);
    EXPECT_GT(back->front().turn, 0);
    EXPECT_EQ(back->back(), points.back());
    EXPECT_EQ(*back, std::vector<WealthPoint>(points.end() - std::ptrdiff_t(back->size()), points.end()));
}

TEST(WealthFileTest, TheFileBesideTheGameLoadsOrLeavesTheHistoryAsItWas) {
    TempDir dir;
    GameState s;
    s.NumOfPlayer = 3;
    WealthHistory saved(s);
    saved.restore(kThreeTurns);
    ASSERT_TRUE(saveWealth(dir.path(), "เกม", saved));
    // The turn in play as the game stands: nobody has anything yet.
    const std::string text =
        wealthText({point(0, 15000, 15000, 5000), point(1, 14000, 16000, 5000), point(2, 0, 0, 0)});
    const std::vector<std::uint8_t> file = readAll(dir / "เกม.wealth");
    EXPECT_EQ(std::string(file.begin(), file.end()), text);

    WealthHistory loaded(s);
    const std::vector<WealthPoint> before = loaded.upToNow();
    EXPECT_EQ(loadWealth(dir.path(), "อื่น", 3, loaded), WealthFileStatus::Missing);
    EXPECT_EQ(loaded.upToNow(), before);
    EXPECT_EQ(loadWealth(dir.path(), "เกม", 3, loaded), WealthFileStatus::Loaded);
    EXPECT_EQ(loaded.upToNow(), saved.upToNow());
    const std::uint8_t garbage[] = {'t', 'a', 'v', 0xff, '\n'};
    writeAll(dir / "เกม.wealth", garbage);
    WealthHistory damaged(s);
    EXPECT_EQ(loadWealth(dir.path(), "เกม", 3, damaged), WealthFileStatus::Damaged);
    EXPECT_EQ(damaged.upToNow(), before);
}

} // namespace
} // namespace tavorin::test
