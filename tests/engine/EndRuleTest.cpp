// A player's worth, and the end rule: the leading player's laps or the minutes of play end the game at
// a hand-over, and the richest player still in it wins. Worths below are summed by hand from the
// deed table.
#include "engine/EndFile.h"
#include "engine/Worth.h"
#include "tests/engine/FileSupport.h"
#include "tests/engine/RulesFixture.h"

namespace tavorin::test {
namespace {

struct ScriptedClock final : PlayClock {
    std::int64_t now = 0;
    std::int64_t milliseconds() override { return now; }
};

struct EventLog final : GameObserver {
    std::vector<GameEvent> events;
    void gameEvent(const GameEvent& e) override { events.push_back(e); }
};

constexpr std::int64_t kMinute = 60 * 1000;

class EndRuleTest : public RulesTest {
protected:
    ScriptedClock clock;
    EventLog log;

    void SetUp() override {}

    void begin(EndRule rule, bool withClock = true) {
        s = GameState{}; // the program plays each game on a game of its own
        clock.now = 1000;
        if (withClock) game.setPlayClock(&clock);
        NewGameSetup setup;
        setup.numPlayers = 3;
        setup.endRule = rule;
        game.NewGame(setup);
        clearBoard();
        game.addObserver(log);
        view.messages.clear();
    }

    // The current player goes from square 38 past the start onto deed 1, which is free: he leaves
    // it, takes the lap's 2000 in cash, and the turn is handed over.
    void lapTurn() {
        ASSERT_EQ(s.deed(1).Owner, 0);
        s.player(s.NV).Position = 38;
        roll(1, 2);
        drop();
        ASSERT_TRUE(visible(Ctl::FreeLandFrame));
        ASSERT_TRUE(bonusArmed());
        game.CancelButtonInFreeLand_Click();
        game.OpgBonus1_Click();
        game.OKButtonInBonus_Click();
    }
    bool bonusArmed() const { return game.screen()[Ctl::BonusFrame].enabled; }
};

TEST_F(EndRuleTest, WorthCountsCashLandBuildingsAndWhatIsOwed) {
    startGame(3);
    s.player(1).Money = 1000;
    own(1, 1, 4, 1);       // price 600, four houses of 500, the tower 2500
    own(1, 3, 0, 0, true); // group land 2000, mortgaged for 80 %: 1600 owed
    s.player(2).Money = 300;
    s.player(3).Money = 5000;
    own(3, 5);
    s.player(3).Bankrupt = kTrue;
    EXPECT_EQ(worth(s, 1), 1000 + 600 + 4 * 500 + 2500 + 2000 - 1600);
    EXPECT_EQ(worth(s, 2), 300);
    EXPECT_EQ(worth(s, 3), 0);
    EXPECT_EQ(worth(s, 0), 0);
    EXPECT_EQ(worth(s, 7), 0);
}

TEST_F(EndRuleTest, TheGameEndsAtTheLimitAndNotBefore) {
    const EndProgress none{};
    EndProgress oneLapOfPlayer1{}, oneLapOfPlayer3{}, halfAnHour{};
    oneLapOfPlayer1.laps[1] = 1;
    oneLapOfPlayer3.laps[3] = 1;
    halfAnHour.playedMs = 30 * kMinute;
    struct Case {
        const char* what;
        EndRule rule;
        EndProgress before;  // what a loaded game had counted
        std::int64_t played; // on the clock during the turn
        bool clock;
        bool ends;
    } cases[] = {
        {"no rule", {}, none, 600 * kMinute, true, false},
        {"one lap", {EndKind::Laps, 1}, none, 0, true, true},
        {"two laps, one made", {EndKind::Laps, 2}, none, 0, true, false},
        {"two laps, the second made", {EndKind::Laps, 2}, oneLapOfPlayer1, 0, true, true},
        {"the leader's laps, not their sum", {EndKind::Laps, 2}, oneLapOfPlayer3, 0, true, false},
        {"a millisecond short of the hour", {EndKind::Minutes, 60}, none, 60 * kMinute - 1, true, false},
        {"the hour", {EndKind::Minutes, 60}, none, 60 * kMinute, true, true},
        {"the second half-hour of a loaded game",
         {EndKind::Minutes, 60},
         halfAnHour,
         30 * kMinute,
         true,
         true},
        {"minutes without a clock", {EndKind::Minutes, 60}, none, 600 * kMinute, false, false},
        {"a limit of none", {EndKind::Laps, 0}, none, 0, true, false},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        game.setPlayClock(nullptr);
        begin(c.rule, c.clock);
        if (c.before != none) game.resumeEndRule(c.rule, c.before);
        s.player(1).Money = 1000;
        s.player(2).Money = 2000;
        s.player(3).Money = 5000;
        clock.now += c.played;
        lapTurn();
        EXPECT_EQ(s.gameOver, c.ends);
        EXPECT_EQ(view.winner, c.ends ? 3 : 0); // 3000, 2000, 5000: nobody holds land
        if (!c.ends) {
            EXPECT_EQ(s.NV, 2);
            EXPECT_TRUE(enabled(Ctl::RunButton));
        }
        view.winner = 0;
        game.removeObserver(log);
        log.events.clear();
    }
}

TEST_F(EndRuleTest, TheRichestWinsAndATieGoesToTheEarlierSeat) {
    struct Holding {
        int player, deed, houses, towers;
        bool mortgaged;
    };
    struct Case {
        const char* what;
        std::array<std::int32_t, 4> money; // before the lap; player 1 then takes 2000
        std::vector<Holding> deeds;
        std::array<std::int64_t, 4> worths;
        int winner;
    } cases[] = {
        {"buildings count",
         {0, 5000, 3000, 9000},
         {{2, 5, 2, 0, false}, {2, 8, 4, 1, false}, {3, 3, 0, 0, true}},
         // 7000; 3000 + 1000 + 2 x 500 + 1400 + 4 x 1000 + 5000; 9000 + 2000 - 1600
         {0, 7000, 15400, 9400},
         2},
        {"what is owed counts against",
         {0, 5000, 8000, 6000},
         {{2, 5, 0, 0, true}, {3, 3, 0, 0, false}, {3, 4, 0, 0, true}},
         // 8000 + 1000 - 800; 6000 + 2000 + 2000 - 1600
         {0, 7000, 8200, 8400},
         3},
        {"a tie", {0, 3000, 6000, 7000}, {{2, 5, 0, 0, false}}, {0, 5000, 7000, 7000}, 2},
        {"the player on the move ties the richest", {0, 5000, 7000, 1000}, {}, {0, 7000, 7000, 1000}, 1},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        begin({EndKind::Laps, 1});
        for (int k = 1; k <= 3; ++k) s.player(k).Money = c.money[std::size_t(k)];
        for (const Holding& h : c.deeds) own(h.player, h.deed, h.houses, h.towers, h.mortgaged);
        lapTurn();
        ASSERT_TRUE(s.gameOver);
        for (int k = 1; k <= 3; ++k) EXPECT_EQ(worth(s, k), c.worths[std::size_t(k)]) << k;
        EXPECT_EQ(view.winner, c.winner);
        ASSERT_FALSE(log.events.empty());
        const GameEvent& won = log.events.back();
        EXPECT_EQ(won.kind, EventKind::Won);
        EXPECT_EQ(won.player, c.winner);
        EXPECT_EQ(won.other, 1);
        std::string text = "ผู้นำเดินครบ 1 รอบแล้ว เกมจบลงที่นี่ ผู้ที่มีทรัพย์สินสุทธิมากที่สุดเป็นผู้ชนะ";
        for (int k = 1; k <= 3; ++k)
            text +=
                "\nPlayer" + std::to_string(k) + " : " + std::to_string(c.worths[std::size_t(k)]) + " บาท";
        EXPECT_EQ(view.lastText(), text);
        EXPECT_FALSE(enabled(Ctl::RunButton));
        EXPECT_FALSE(enabled(Ctl::SaveButton));
        EXPECT_FALSE(game.screen().visible);
        EXPECT_FALSE(game.boardScreen().visible);
        view.winner = 0;
        game.removeObserver(log);
        log.events.clear();
    }
}

TEST_F(EndRuleTest, ABankruptPlayerNeitherWinsNorLeadsTheLaps) {
    EndProgress progress{};
    progress.laps[2] = 5; // player 2 went round the most before he went bankrupt
    begin({EndKind::Laps, 2});
    game.resumeEndRule({EndKind::Laps, 2}, progress);
    s.player(2).Bankrupt = kTrue;
    s.player(2).Money = 0;
    s.NP = 2;
    s.player(1).Money = 1000;
    s.player(3).Money = 2000;
    lapTurn(); // player 1's first lap: nobody still playing has two
    EXPECT_FALSE(s.gameOver);
    EXPECT_EQ(s.NV, 3);
    s.player(1).Money = 9000; // 11000 after his second lap, against player 3's 4000
    lapTurn();                // player 3's first
    ASSERT_FALSE(s.gameOver);
    ASSERT_EQ(s.NV, 1);
    lapTurn(); // player 1's second
    EXPECT_TRUE(s.gameOver);
    EXPECT_EQ(view.winner, 1);
}

TEST(EndFile, ReadsWhatItWritesAndRefusesAnythingElse) {
    SavedEnd end{{EndKind::Laps, 30}, {}};
    end.progress.laps = {0, 3, 12, 0, 7, 0, 1};
    end.progress.playedMs = 754321;
    EXPECT_EQ(endRuleText(end), "laps 30\ndone 3 12 0 7 0 1\nplayed 754321\n");
    EXPECT_EQ(parseEndRule(endRuleText(end)), end);
    const SavedEnd minutes{{EndKind::Minutes, 90}, {}};
    EXPECT_EQ(endRuleText(minutes), "minutes 90\ndone 0 0 0 0 0 0\nplayed 0\n");
    EXPECT_EQ(parseEndRule("minutes 90\r\ndone 0 0 0 0 0 0\r\nplayed 0\r\n"), minutes);
    EXPECT_EQ(parseEndRule("minutes 90\ndone 0 0 0 0 0 0\nplayed 0"), minutes);
    for (const char* bad :
         {"", "laps 0\ndone 0 0 0 0 0 0\nplayed 0\n", "laps 10000\ndone 0 0 0 0 0 0\nplayed 0\n",
          "laps -3\ndone 0 0 0 0 0 0\nplayed 0\n", "hours 3\ndone 0 0 0 0 0 0\nplayed 0\n",
          "laps 3\ndone 0 0 0 0 0\nplayed 0\n", "laps 3\ndone 0 0 0 0 0 0 0\nplayed 0\n",
          "laps 3\ndone 0 0 0 0 0 0\n", "laps 3\nplayed 0\ndone 0 0 0 0 0 0\n",
          "laps 3\ndone 0 0 0 0 0 0\nplayed 99999999999999999999\n",
          "laps 3\ndone 0 0 0 0 0 0\nplayed 0\nlaps 4\n", "laps 3 \ndone 0 0 0 0 0 0\nplayed 0\n",
          "laps  3\ndone 0 0 0 0 0 0\nplayed 0\n", "laps3\ndone 0 0 0 0 0 0\nplayed 0\n",
          "laps 3\ndone 0 0 x 0 0 0\nplayed 0\n", "laps 3\ndone 0 0 +1 0 0 0\nplayed 0\n"})
        EXPECT_EQ(parseEndRule(bad), std::nullopt) << bad;
}

TEST(EndFile, SavedBesideTheGameAndGoneWhenTheRuleIsOff) {
    TempDir dir;
    const SavedEnd end{{EndKind::Minutes, 45}, {{0, 1, 2, 0, 0, 0, 0}, 60000}};
    ASSERT_TRUE(saveEndRule(dir.path(), "เกม", end));
    EXPECT_EQ(dir.names(), std::vector<std::string>{"เกม.end"});
    EXPECT_EQ(loadEndRule(dir.path(), "เกม"), end);
    EXPECT_EQ(loadEndRule(dir.path(), "other"), SavedEnd{});
    const std::string damaged = "minutes 45\ndone 0 1 2\n";
    writeAll(dir / "เกม.end",
             std::span(reinterpret_cast<const std::uint8_t*>(damaged.data()), damaged.size()));
    EXPECT_EQ(loadEndRule(dir.path(), "เกม"), SavedEnd{});
    ASSERT_TRUE(saveEndRule(dir.path(), "เกม", SavedEnd{}));
    EXPECT_TRUE(dir.names().empty());
    ASSERT_TRUE(saveEndRule(dir.path(), "เกม", SavedEnd{})); // nothing to remove
    FailingWriter failing(3);
    EXPECT_FALSE(saveEndRule(dir.path(), "เกม", end, failing));
    EXPECT_TRUE(dir.names().empty());
}

} // namespace
} // namespace tavorin::test
