// The wealth chart's history beside a saved game: the text of a small history written out by hand,
// the files that must be refused, and the newest turns kept when a very long game outgrows the file.
#include <string>

#include <gtest/gtest.h>

#include "engine/WealthFile.h"
#include "tests/engine/FileSupport.h"

namespace tavorin::test {
namespace {

WealthPoint point(int turn, std::int64_t w1, std::int64_t w2, std::int64_t w3 = 0, bool out2 = false) {
    WealthPoint p{.turn = turn};
    p.worth[1] = w1;
    p.worth[2] = w2;
    p.worth[3] = w3;
    p.bankrupt[2] = out2;
    return p;
}

const std::vector<WealthPoint> kThreeTurns = {point(0, 15000, 15000), point(1, 14000, 16000),
                                              point(2, 18250, -300, 0, true)};
const char* const kThreeTurnsText = "tavorin wealth 1\n"
                                    "0 15000 15000 0 0 0 0 0 0 0 0 0 0\n"
                                    "1 14000 16000 0 0 0 0 0 0 0 0 0 0\n"
                                    "2 18250 -300 0 0 0 0 0 1 0 0 0 0\n";

TEST(WealthFileTest, AHistoryIsWrittenAsItsLinesAndReadBack) {
    EXPECT_EQ(wealthText(kThreeTurns), kThreeTurnsText);
    EXPECT_EQ(parseWealth(kThreeTurnsText, 2), kThreeTurns);
    // Line ends of another system read the same.
    std::string crlf;
    for (char c : std::string(kThreeTurnsText)) crlf += c == '\n' ? std::string("\r\n") : std::string(1, c);
    EXPECT_EQ(parseWealth(crlf, 2), kThreeTurns);
    // A history saved after a load that had none starts at a later turn.
    const std::vector<WealthPoint> later = {point(40, 100, 200), point(41, 150, 150)};
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
        {"a blank line", header + "0 1 1 0 0 0 0 0 0 0 0 0 0\n\n", 2},
    };
    for (const auto& c : cases) EXPECT_FALSE(parseWealth(c.text, c.players)) << c.what;
}

TEST(WealthFileTest, AGameTooLongForTheFileKeepsItsNewestTurns) {
    std::vector<WealthPoint> points;
    for (int t = 0; t < 400000; ++t) points.push_back(point(t, 1'000'000'000 + t, 2'000'000'000 - t));
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
    s.NumOfPlayer = 2;
    WealthHistory saved(s);
    saved.restore(kThreeTurns);
    ASSERT_TRUE(saveWealth(dir.path(), "เกม", saved));
    // The turn in play as the game stands: nobody has anything yet.
    const std::string text = wealthText({point(0, 15000, 15000), point(1, 14000, 16000), point(2, 0, 0)});
    const std::vector<std::uint8_t> file = readAll(dir / "เกม.wealth");
    EXPECT_EQ(std::string(file.begin(), file.end()), text);

    WealthHistory loaded(s);
    const std::vector<WealthPoint> before = loaded.upToNow();
    EXPECT_EQ(loadWealth(dir.path(), "อื่น", 2, loaded), WealthFileStatus::Missing);
    EXPECT_EQ(loaded.upToNow(), before);
    EXPECT_EQ(loadWealth(dir.path(), "เกม", 3, loaded), WealthFileStatus::Loaded);
    EXPECT_EQ(loaded.upToNow(), saved.upToNow());
    const std::uint8_t garbage[] = {'t', 'a', 'v', 0xff, '\n'};
    writeAll(dir / "เกม.wealth", garbage);
    WealthHistory damaged(s);
    EXPECT_EQ(loadWealth(dir.path(), "เกม", 2, damaged), WealthFileStatus::Damaged);
    EXPECT_EQ(damaged.upToNow(), before);
}

} // namespace
} // namespace tavorin::test
