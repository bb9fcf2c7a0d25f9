// Whole all-computer games, with the game's invariants checked after every action, and the board's
// revisions after every step.
#include <gtest/gtest.h>

#include <array>
#include <set>
#include <sstream>
#include <string>

#include "computer/ComputerTurn.h"
#include "computer/Headless.h"

namespace tavorin::test {
namespace {

std::string invariantBreak(const GameState& s) {
    std::ostringstream why;
    int playing = 0;
    std::set<int> seen;
    for (int k = 1; k <= s.NumOfPlayer; ++k) {
        const PlayerRecord& p = s.player(k);
        if (p.Money < 0) why << "player " << k << " has negative money " << p.Money << "; ";
        if (p.Bankrupt == kTrue && (p.Money != 0 || p.DeedCount != 0))
            why << "bankrupt player " << k << " holds something; ";
        if (p.Bankrupt != kTrue) ++playing;
        for (int i = 1; i <= kDeeds; ++i) {
            const int d = p.Deeds[std::size_t(i)];
            if (i <= p.DeedCount) {
                if (d < 1 || d > kDeeds || s.deed(d).Owner != k)
                    why << "player " << k << " slot " << i << " deed " << d << "; ";
                if (!seen.insert(d).second) why << "deed " << d << " listed twice; ";
            } else if (d != 0) {
                why << "player " << k << " stale slot " << i << "; ";
            }
        }
    }
    for (int d = 1; d <= kDeeds; ++d) {
        const DeedRecord& r = s.deed(d);
        if (r.Owner != 0 && !seen.count(d))
            why << "deed " << d << " owned by " << r.Owner << " but not listed; ";
        if (r.Houses < 0 || r.Houses > 4 || r.Towers < 0 || r.Towers > 1 || (r.Towers == 1 && r.Houses != 4))
            why << "deed " << d << " buildings " << r.Houses << '/' << r.Towers << "; ";
    }
    if (s.NP != playing) why << "NP " << int(s.NP) << " but " << playing << " playing; ";
    return why.str();
}

struct Config {
    int players;
    bool firstLapLock;
    int deal;
};

// A new game of computers in every seat of `c`.
void startComputerGame(Game& game, const Config& c) {
    NewGameSetup setup;
    setup.numPlayers = c.players;
    for (int k = 1; k <= c.players; ++k) setup.computer[std::size_t(k)] = true;
    setup.buyFirstLoop = !c.firstLapLock;
    setup.initialDeeds = c.deal;
    game.NewGame(setup);
}

TEST(ComputerSoak, ThousandsOfGamesKeepEveryInvariant) {
    const Config configs[] = {{2, false, 0}, {3, true, 0},  {4, false, 2},
                              {5, true, 4},  {6, false, 0}, {6, true, 4}};
    int games = 0;
    int capped = 0;
    for (const Config& c : configs) {
        for (std::uint64_t seed = 1; seed <= 400; ++seed) {
            SeededRandom random(seed * 7919 + std::uint64_t(c.players));
            HeadlessView view;
            Game game(random, view);
            std::string broken;
            view.onMessage = [&](std::string_view, std::string_view) {
                if (broken.empty()) broken = invariantBreak(game.state());
            };
            startComputerGame(game, c);
            const GameResult r = playComputerGame(game, view, 3000, [&](int, int) {
                if (broken.empty()) broken = invariantBreak(game.state());
                if (broken.empty() && game.state().Continue != 0)
                    broken = "Continue is not 0 as the turn passes";
            });
            ASSERT_EQ(broken, "") << "seed " << seed << " players " << c.players;
            ++games;
            if (r.winner == 0) {
                ++capped;
                continue;
            }
            EXPECT_EQ(game.state().NP, 1);
            EXPECT_EQ(int(r.bankrupts.size()), c.players - 1);
            EXPECT_EQ(game.state().player(r.winner).Bankrupt, kFalse);
        }
    }
    // Two fully built players can both grow richer for a long time (each visit of one's own towered
    // land pays its price, every lap pays 2000), so a few games outlive the cap; most must end.
    EXPECT_LT(capped, games / 5);
}

// What the board shows: the squares' ground (the deeds and the owners' names on them, the names and
// prices switch) and the pieces over it (the tokens and the two pointers).
struct Ground {
    bool namesShown = false;
    std::array<std::string, kMaxPlayers + 1> owners;
    std::array<std::string, kDeeds + 1> names;
    std::array<std::array<int, 5>, kDeeds + 1> deeds{}; // owner, houses, towers, mortgaged, price
    bool operator==(const Ground&) const = default;
};
struct Pieces {
    int players = 0;
    std::array<std::array<int, 4>, kMaxPlayers + 1> tokens{}; // left, top, own picture, bankrupt
    std::array<std::string, kMaxPlayers + 1> pictures;
    std::array<std::array<int, 3>, 2> pointers{}; // shown, left, top
    bool operator==(const Pieces&) const = default;
};

Ground ground(const GameState& s) {
    Ground g;
    g.namesShown = s.namesShown;
    for (int k = 1; k <= kMaxPlayers; ++k) g.owners[std::size_t(k)] = s.player(k).Name;
    for (int d = 1; d <= kDeeds; ++d) {
        const DeedRecord& D = s.deed(d);
        g.names[std::size_t(d)] = D.Name;
        g.deeds[std::size_t(d)] = {D.Owner, D.Houses, D.Towers, D.Mortgaged, D.Price};
    }
    return g;
}

Pieces pieces(const Game& game) {
    const GameState& s = game.state();
    Pieces p;
    p.players = s.NumOfPlayer;
    for (int k = 1; k <= kMaxPlayers; ++k) {
        const std::size_t i = std::size_t(k);
        p.tokens[i] = {s.tokenLeft[i], s.tokenTop[i], s.LP[i], s.player(k).Bankrupt};
        p.pictures[i] = s.LPName[i];
    }
    const BoardScreen& b = game.boardScreen();
    p.pointers[0] = {b.arrow1.visible, b.arrow1.left, b.arrow1.top};
    p.pointers[1] = {b.arrow2.visible, b.arrow2.left, b.arrow2.top};
    return p;
}

// The board repaints when the rules' revisions (BoardScreen) move instead of comparing everything it
// paints. Whole games are played step by step, as the main window runs them and refreshes the board
// after each step, and what the board paints is read straight from the game after every step: the
// revisions must move at exactly the steps where it changed, the ground's at exactly those where a
// deed or a name on the squares changed.
TEST(BoardRevision, MovesAtExactlyTheStepsThatChangeWhatTheBoardPaints) {
    const Config configs[] = {{2, false, 0}, {3, true, 0}, {4, false, 2}, {6, false, 4}};
    int groundSteps = 0, pieceSteps = 0, stillSteps = 0;
    for (const Config& c : configs) {
        for (std::uint64_t seed = 1; seed <= 3; ++seed) {
            SeededRandom random(seed * 104729 + std::uint64_t(c.players));
            HeadlessView view;
            Game game(random, view);
            startComputerGame(game, c);
            Ground shownGround = ground(game.state());
            Pieces shownPieces = pieces(game);
            BoardScreen seen = game.boardScreen();
            for (int turn = 1; turn <= 400 && !game.state().gameOver && view.computerPending; ++turn) {
                view.computerPending = false;
                ComputerTurn play(game);
                for (int step = 1;; ++step) {
                    const bool over = play.step() < 0;
                    Ground nowGround = ground(game.state());
                    Pieces nowPieces = pieces(game);
                    const bool groundChanged = !(nowGround == shownGround);
                    const bool changed = groundChanged || !(nowPieces == shownPieces);
                    const BoardScreen& b = game.boardScreen();
                    ASSERT_EQ(b.groundRevision != seen.groundRevision, groundChanged)
                        << "players " << c.players << " seed " << seed << " turn " << turn << " step "
                        << step;
                    ASSERT_EQ(b.revision != seen.revision, changed)
                        << "players " << c.players << " seed " << seed << " turn " << turn << " step "
                        << step;
                    (groundChanged ? groundSteps : changed ? pieceSteps : stillSteps) += 1;
                    if (changed) {
                        shownGround = std::move(nowGround);
                        shownPieces = std::move(nowPieces);
                    }
                    seen = b;
                    if (over) break;
                }
            }
        }
    }
    // Every kind of step came up: sales, purchases and bankruptcies, moves, and the many pauses.
    EXPECT_GT(groundSteps, 0);
    EXPECT_GT(pieceSteps, 0);
    EXPECT_GT(stillSteps, 0);
}

std::string traceOf(std::uint64_t seed) {
    std::string out;
    SeededRandom random(seed);
    HeadlessView view;
    view.onMessage = [&](std::string_view title, std::string_view text) {
        out += title;
        out += '|';
        out += text;
        out += '\n';
    };
    Game game(random, view);
    NewGameSetup setup;
    setup.numPlayers = 4;
    for (int k = 1; k <= 4; ++k) setup.computer[std::size_t(k)] = true;
    game.NewGame(setup);
    playComputerGame(game, view, 2000,
                     [&](int turn, int player) { out += stateJson(game.state(), turn, player) + '\n'; });
    return out;
}

TEST(ComputerSoak, SameSeedPlaysTheSameGame) {
    EXPECT_EQ(traceOf(42), traceOf(42));
    EXPECT_NE(traceOf(42), traceOf(43));
}

// The turn is a sequence of steps: it asks for exactly the pauses of the schedule, 8.25 units in all,
// and it never starts the next player's turn itself.
TEST(ComputerTurnSchedule, PausesAddUpAndTheNextTurnIsOnlyAnnounced) {
    SeededRandom random(5);
    HeadlessView view;
    Game game(random, view);
    NewGameSetup setup;
    setup.computer[1] = true;
    setup.computer[2] = true;
    game.NewGame(setup);
    ASSERT_TRUE(view.computerPending);
    view.computerPending = false;
    ComputerTurn turn(game);
    double total = 0;
    int pauses = 0;
    while (auto units = turn.advance()) {
        total += *units;
        ++pauses;
    }
    EXPECT_NEAR(total, 8.25, 1e-9);
    EXPECT_EQ(pauses, 1 + 50 + 1 + 1 + 1 + 1 + 50);
    EXPECT_EQ(game.state().NV, 2);
    EXPECT_TRUE(view.computerPending);
    EXPECT_FALSE(game.screen()[Ctl::LabelComThinking].visible);
    EXPECT_EQ(game.screen()[Ctl::LabelComThinking].text, "");
}

// The simulator plays each turn at once; the windows take it step by step. Both must play the same
// game: the same draws, the same state and the same screen after every turn.
TEST(ComputerTurnSchedule, PlayingAtOnceMatchesSteppingThrough) {
    for (std::uint64_t seed : {3u, 17u, 2024u}) {
        SeededRandom stepRandom(seed), playRandom(seed);
        HeadlessView stepView, playView;
        std::string stepMessages, playMessages;
        stepView.onMessage = [&](std::string_view, std::string_view text) { stepMessages += text; };
        playView.onMessage = [&](std::string_view, std::string_view text) { playMessages += text; };
        Game stepped(stepRandom, stepView), played(playRandom, playView);
        NewGameSetup setup;
        setup.numPlayers = 5;
        for (int k = 1; k <= 5; ++k) setup.computer[std::size_t(k)] = true;
        stepped.NewGame(setup);
        played.NewGame(setup);
        for (int turn = 1; turn <= 400 && !stepped.state().gameOver; ++turn) {
            ComputerTurn a(stepped);
            while (a.step() >= 0) {
            }
            ComputerTurn(played).play();
            ASSERT_EQ(stateJson(played.state(), turn, 0), stateJson(stepped.state(), turn, 0))
                << "seed " << seed;
            ASSERT_EQ(played.state().CubeValue1, stepped.state().CubeValue1);
            ASSERT_EQ(played.state().CubeValue2, stepped.state().CubeValue2);
            for (std::size_t c = 0; c < kControlCount; ++c) {
                const Control& x = stepped.screen().controls()[c];
                const Control& y = played.screen().controls()[c];
                ASSERT_TRUE(x.text == y.text && x.visible == y.visible && x.enabled == y.enabled &&
                            x.value == y.value && x.checked == y.checked)
                    << controlName(Ctl(c)) << " differs at turn " << turn << ", seed " << seed;
            }
            ASSERT_EQ(playMessages, stepMessages);
        }
        EXPECT_EQ(stepRandom.rdm(1, 1000), playRandom.rdm(1, 1000)); // as many draws taken
    }
}

// Without a window the rules write no texts on the screen and compose no message nobody reads; the
// game must not notice: the same draws, states and messages as with every text written.
TEST(ComputerTurnSchedule, TextsLeftUnwrittenChangeNothing) {
    for (std::uint64_t seed : {5u, 23u, 2027u}) {
        SeededRandom shownRandom(seed), quietRandom(seed);
        HeadlessView shownView, quietView;
        shownView.texts = true;
        std::string shownMessages;
        shownView.onMessage = [&](std::string_view, std::string_view text) { shownMessages += text; };
        Game shown(shownRandom, shownView), quiet(quietRandom, quietView);
        NewGameSetup setup;
        setup.numPlayers = 4;
        for (int k = 1; k <= 4; ++k) setup.computer[std::size_t(k)] = true;
        shown.NewGame(setup);
        quiet.NewGame(setup);
        for (int turn = 1; turn <= 600 && !shown.state().gameOver; ++turn) {
            ComputerTurn(shown).play();
            ComputerTurn(quiet).play();
            ASSERT_EQ(stateJson(quiet.state(), turn, 0), stateJson(shown.state(), turn, 0))
                << "seed " << seed;
        }
        EXPECT_EQ(quiet.state().gameOver, shown.state().gameOver);
        EXPECT_EQ(shownRandom.rdm(1, 1000), quietRandom.rdm(1, 1000)); // as many draws taken
        EXPECT_NE(shownMessages.find("คอมฯ"), std::string::npos);
        const std::string money = std::to_string(shown.state().player(1).Money);
        EXPECT_EQ(shown.screen()[Ctl::LabelMoney1].text,
                  shown.state().player(1).Bankrupt == kTrue ? "ล้มละลาย" : money);
        EXPECT_EQ(quiet.screen()[Ctl::Text1].text, "");
    }
}

TEST(ComputerTurnSchedule, LapBonusIsTakenBeforeTheSquare) {
    SeededRandom random(9);
    HeadlessView view;
    std::vector<std::string> texts;
    view.onMessage = [&](std::string_view, std::string_view text) { texts.emplace_back(text); };
    Game game(random, view);
    NewGameSetup setup;
    setup.computer[1] = true;
    setup.computer[2] = true;
    game.NewGame(setup);
    game.stateToSetUp().player(1).Position = 39; // any roll passes the start
    ComputerTurn turn(game);
    while (turn.advance()) {
    }
    ASSERT_FALSE(texts.empty());
    EXPECT_EQ(texts.front(), "คอมฯ เลือกที่จะรับโบนัสเป็นเงิน 2000");
    EXPECT_FALSE(game.screen()[Ctl::BonusFrame].enabled);
    EXPECT_EQ(game.state().Continue, 0);
}

} // namespace
} // namespace tavorin::test
