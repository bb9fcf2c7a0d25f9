// The game's events: every change of cash and every change of hands is reported once. A ledger that
// only follows the events must agree with the game after every turn of whole computer games, and a
// person's scripted turn reports exactly its roll, its move, its purchase and the turn passing on.
#include <gtest/gtest.h>

#include <array>
#include <map>
#include <vector>

#include "computer/Headless.h"
#include "engine/Events.h"
#include "tests/engine/Fixture.h"

namespace tavorin::test {
namespace {

class Ledger final : public GameObserver {
public:
    std::array<std::int64_t, kMaxPlayers + 1> cash{};
    std::map<int, int> owner; // deed -> player, as the events tell it
    std::vector<GameEvent> events;
    int winner = 0;

    void gameEvent(const GameEvent& e) override {
        events.push_back(e);
        switch (e.kind) {
        case EventKind::Bought:
            cash[e.player] -= e.amount;
            owner[e.deed] = e.player;
            break;
        case EventKind::TookOver:
            cash[e.player] -= e.amount;
            owner[e.deed] = e.player;
            break;
        case EventKind::Built:
        case EventKind::Redeemed: cash[e.player] -= e.amount; break;
        case EventKind::Collected:
        case EventKind::TookBonus: cash[e.player] += e.amount; break;
        case EventKind::Sold:
            cash[e.player] += e.amount;
            if (e.houses == 0) owner.erase(e.deed);
            break;
        case EventKind::Paid:
            cash[e.player] += e.amount;
            if (e.other != 0) cash[e.other] -= e.amount;
            break;
        case EventKind::WentBankrupt:
            cash[e.player] = 0;
            if (e.other != 0) cash[e.other] += e.amount;
            std::erase_if(owner, [&](const auto& held) { return held.second == e.player; });
            break;
        case EventKind::Won: winner = e.player; break;
        default: break;
        }
    }
};

TEST(GameEvents, ALedgerOfTheEventsKeepsUpWithWholeComputerGames) {
    for (int players : {2, 4, 6}) {
        for (std::uint64_t seed : {3u, 41u}) {
            SCOPED_TRACE(::testing::Message() << players << " players, seed " << seed);
            SeededRandom random(seed);
            HeadlessView view;
            Game game(random, view);
            NewGameSetup setup;
            setup.numPlayers = players;
            for (int k = 1; k <= players; ++k) setup.computer[std::size_t(k)] = true;
            setup.initialDeeds = players == 4 ? 2 : 0;
            game.NewGame(setup);
            Ledger ledger;
            for (int k = 1; k <= players; ++k) ledger.cash[std::size_t(k)] = game.state().player(k).Money;
            for (int d = 1; d <= kDeeds; ++d)
                if (game.state().deed(d).Owner != 0) ledger.owner[d] = game.state().deed(d).Owner;
            game.addObserver(ledger);
            int mismatches = 0;
            const GameResult r = playComputerGame(game, view, 1500, [&](int turn, int) {
                for (int k = 1; k <= players; ++k)
                    if (ledger.cash[std::size_t(k)] != game.state().player(k).Money && mismatches++ < 3)
                        ADD_FAILURE()
                            << "turn " << turn << ", player " << k << ": the events say "
                            << ledger.cash[std::size_t(k)] << ", the game " << game.state().player(k).Money;
                for (int d = 1; d <= kDeeds; ++d) {
                    const auto held = ledger.owner.find(d);
                    const int told = held == ledger.owner.end() ? 0 : held->second;
                    if (told != game.state().deed(d).Owner && mismatches++ < 3)
                        ADD_FAILURE() << "turn " << turn << ", deed " << d << ": the events say " << told
                                      << ", the game " << game.state().deed(d).Owner;
                }
            });
            EXPECT_EQ(mismatches, 0);
            EXPECT_EQ(ledger.winner, r.winner);
            game.removeObserver(ledger);
        }
    }
}

class PersonEvents : public GameTest {};

TEST_F(PersonEvents, ARollAMoveAndAPurchaseAreReportedInOrder) {
    startGame(2);
    Ledger ledger;
    game.addObserver(ledger);
    roll(1, 2); // square 3 is the first deed's square on the way
    drop();
    const int d = game.currentDeed();
    ASSERT_NE(d, 0);
    ASSERT_TRUE(visible(Ctl::FreeLandFrame));
    const std::int32_t price = kDeedTable[std::size_t(d)].price;
    game.OKButtonInFreeLand_Click();
    // The purchase was the turn's last decision: the turn passes to player 2.
    ASSERT_EQ(ledger.events.size(), 4u);
    EXPECT_EQ(ledger.events[0].kind, EventKind::Rolled);
    EXPECT_EQ(ledger.events[0].amount, 3);
    EXPECT_EQ(ledger.events[0].other, 1);
    EXPECT_EQ(ledger.events[1].kind, EventKind::Moved);
    EXPECT_EQ(ledger.events[1].other, 3);
    EXPECT_EQ(ledger.events[2].kind, EventKind::Bought);
    EXPECT_EQ(ledger.events[2].player, 1);
    EXPECT_EQ(ledger.events[2].deed, d);
    EXPECT_EQ(ledger.events[2].amount, price);
    EXPECT_EQ(ledger.events[2].houses, 0);
    EXPECT_EQ(ledger.events[3].kind, EventKind::TurnStarted);
    EXPECT_EQ(ledger.events[3].player, 2);
    // Taken off, the observer hears nothing more.
    game.removeObserver(ledger);
    roll(1, 1);
    EXPECT_EQ(ledger.events.size(), 4u);
}

} // namespace
} // namespace tavorin::test
