// The two decks, the probing shuffle, the draw order with its reshuffle on the sixteenth
// draw, the announcement, and a person's settlement of the card through the payment rule.
#include <algorithm>
#include <random>
#include <vector>

#include "engine/Decks.h"

#include "tests/engine/RulesFixture.h"

namespace tavorin::test {
namespace {

using CardsTest = RulesTest;

TEST_F(CardsTest, TheDecksHoldTheirFifteenCardsInPrintedOrder) {
    for (int c = 1; c <= 15; ++c) {
        const CardRecord& t = s.TreasureCards[std::size_t(c)];
        EXPECT_EQ(t.DeckName, "หีบสมบัติ");
        EXPECT_EQ(t.Text, rules::kTreasure[std::size_t(c - 1)].text);
        EXPECT_EQ(t.Amount, rules::kTreasure[std::size_t(c - 1)].amount);
        const CardRecord& f = s.FateCards[std::size_t(c)];
        EXPECT_EQ(f.DeckName, "ประตูดวง");
        EXPECT_EQ(f.Text, rules::kFate[std::size_t(c - 1)].text);
        EXPECT_EQ(f.Amount, rules::kFate[std::size_t(c - 1)].amount);
    }
    EXPECT_EQ(s.NumOfTreasure, 15);
    EXPECT_EQ(s.NumOfFate, 15);
    EXPECT_EQ(s.OrderNumberOfTreasure, 1);
    EXPECT_EQ(s.OrderNumberOfFate, 1);
}

// ------------------------------------------------------------------ the shuffle

struct ShuffleTarget {
    const char* name;
    void (Game::*shuffle)();
    std::array<std::int16_t, kMaxCards + 1> GameState::*cards; // null for the deed order
    int n;
};

const ShuffleTarget kShuffles[] = {
    {"ReOrderNumber1 (Treasure)", &Game::ReOrderNumber1, &GameState::TreasureOrder, 15},
    {"ReOrderNumber2 (Fate)", &Game::ReOrderNumber2, &GameState::FateOrder, 15},
    {"ReOrderNumber3 (deeds)", &Game::ReOrderNumber3, nullptr, 29},
};

TEST_F(CardsTest, ShuffleWithEqualDrawsProbesUpwardsAndWraps) {
    for (const ShuffleTarget& t : kShuffles) {
        SCOPED_TRACE(t.name);
        auto order = [&](int p) -> int {
            return t.cards ? (s.*t.cards)[std::size_t(p)] : s.DealOrder[std::size_t(p)];
        };
        rnd.log.clear();
        rnd.queue.assign(std::size_t(t.n), 1);
        (game.*t.shuffle)();
        ASSERT_EQ(rnd.log.size(), std::size_t(t.n));
        for (const auto& d : rnd.log) {
            EXPECT_EQ(d.lo, 1);
            EXPECT_EQ(d.hi, t.n);
        }
        for (int p = 1; p <= t.n; ++p) EXPECT_EQ(order(p), p);
        rnd.queue.assign(std::size_t(t.n), t.n);
        (game.*t.shuffle)();
        EXPECT_EQ(order(t.n), 1);
        for (int p = 1; p < t.n; ++p) EXPECT_EQ(order(p), p + 1);
    }
}

TEST_F(CardsTest, ShuffleProbesForAFreeSlotRatherThanShufflingUniformly) {
    // Worked by hand from the three steps of the shuffle.
    rnd.queue = {7, 7, 6, 15, 15, 8, 1, 1, 1, 1, 1, 1, 1, 1, 1};
    game.ReOrderNumber2();
    const int want[16] = {0, 5, 7, 8, 9, 10, 3, 1, 2, 6, 11, 12, 13, 14, 15, 4};
    for (int p = 1; p <= 15; ++p) EXPECT_EQ(s.FateOrder[std::size_t(p)], want[p]) << p;
    const int scratch[16] = {0, 7, 8, 6, 15, 1, 9, 2, 3, 4, 5, 10, 11, 12, 13, 14};
    for (int i = 1; i <= 15; ++i) EXPECT_EQ(s.ShuffleScratch[std::size_t(i)], scratch[i]) << i;
    EXPECT_EQ(s.FateOrder[0], 0);
    for (int p = 16; p <= kMaxCards; ++p) EXPECT_EQ(s.FateOrder[std::size_t(p)], 0);
}

// ------------------------------------------------------------------ the draw

TEST_F(CardsTest, DrawsFollowTheOrderAndReshuffleOnlyOnTheSixteenthDraw) {
    rnd.queue = {7, 7, 6, 15, 15, 8, 1, 1, 1, 1, 1, 1, 1, 1, 1};
    game.ReOrderNumber1();
    s.OrderNumberOfTreasure = 1;
    const auto fateOrder = s.FateOrder;
    rnd.log.clear();
    const int want[16] = {0, 5, 7, 8, 9, 10, 3, 1, 2, 6, 11, 12, 13, 14, 15, 4};
    const int squares[3] = {2, 17, 33};
    for (int p = 1; p <= 15; ++p) {
        SCOPED_TRACE(p);
        closeAll();
        landOn(squares[p % 3]);
        EXPECT_EQ(s.TypeOfSend, 'a');
        EXPECT_EQ(s.ValueOfSend, '1');
        EXPECT_EQ(s.Number, want[p]);
        EXPECT_EQ(text(Ctl::LabelTreasure), rules::kTreasure[std::size_t(want[p] - 1)].text);
        EXPECT_EQ(s.OrderNumberOfTreasure, p + 1);
    }
    EXPECT_TRUE(rnd.log.empty()) << "no reshuffle in advance";
    EXPECT_EQ(s.OrderNumberOfTreasure, 16);
    // The sixteenth draw: a new order from 15 draws, and the card at its position 1.
    rnd.queue.assign(15, 15);
    closeAll();
    landOn(33);
    EXPECT_EQ(rnd.log.size(), 15u);
    EXPECT_EQ(s.Number, 2);
    EXPECT_EQ(s.OrderNumberOfTreasure, 2);
    EXPECT_EQ(s.FateOrder, fateOrder) << "the Fate deck is untouched";
    EXPECT_EQ(s.OrderNumberOfFate, 1);
}

TEST_F(CardsTest, FateDrawsAreIndependentOfTreasureDraws) {
    s.OrderNumberOfFate = 16;
    s.OrderNumberOfTreasure = 4;
    rnd.queue.assign(15, 1);
    landOn(22);
    EXPECT_EQ(s.TypeOfSend, 'a');
    EXPECT_EQ(s.ValueOfSend, '2');
    EXPECT_EQ(s.Number, 1);
    EXPECT_EQ(s.OrderNumberOfFate, 2);
    EXPECT_EQ(s.OrderNumberOfTreasure, 4);
    EXPECT_EQ(text(Ctl::LabelFate), rules::kFate[0].text);
}

TEST_F(CardsTest, FifteenDrawsAfterAnyShuffleGiveEveryCardOnce) {
    std::mt19937 gen(20261210);
    std::uniform_int_distribution<int> draw(1, 15);
    for (bool treasure : {true, false}) {
        for (int round = 0; round < 40; ++round) {
            for (int i = 0; i < 15; ++i) rnd.queue.push_back(draw(gen));
            (treasure ? s.OrderNumberOfTreasure : s.OrderNumberOfFate) =
                16; // used up: the next draw reshuffles
            std::set<int> seen;
            for (int i = 0; i < 15; ++i) seen.insert(game.DrawCard(treasure));
            EXPECT_EQ(seen.size(), 15u);
            EXPECT_EQ(*seen.begin(), 1);
            EXPECT_EQ(*seen.rbegin(), 15);
            EXPECT_TRUE(rnd.queue.empty());
        }
    }
}

// ------------------------------------------------------------------ the undrawn cards reordered

// The computer's lookahead reorders what is left to draw: the same cards from the draw position on,
// the drawn slots and the position as they were, and the result the same whatever order the cards
// left were in.
TEST_F(CardsTest, TheUndrawnCardsAreReorderedAndNothingElse) {
    struct Case {
        const char* what;
        Deck deck;
        int next;                 // the draw position
        std::vector<int> undrawn; // the slots from `next` to 15 before
        std::vector<int> draws;   // answers to rdm(0, i), i from the last slot down
        std::vector<int> want;    // the slots from `next` to 15 after, worked by hand
    } cases[] = {
        // Ascending 2 9 15; i = 2 swaps with 0: 15 9 2; i = 1 swaps with itself.
        {"three left", Deck::Fate, 13, {15, 2, 9}, {0, 1}, {15, 9, 2}},
        {"the same three in another order", Deck::Fate, 13, {9, 15, 2}, {0, 1}, {15, 9, 2}},
        {"the same three, the other deck", Deck::Treasure, 13, {2, 15, 9}, {0, 1}, {15, 9, 2}},
        // Every i swapped with slot 0 turns the ascending deck one place to the left.
        {"a whole deck, fresh from its shuffle",
         Deck::Fate,
         1,
         {4, 9, 1, 15, 2, 8, 3, 7, 14, 5, 6, 13, 10, 12, 11},
         {0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0},
         {2, 3, 4, 5, 6, 7, 8, 9, 10, 11, 12, 13, 14, 15, 1}},
        {"one card left: nothing to draw for", Deck::Treasure, 15, {6}, {}, {6}},
        {"used up: the next draw shuffles it whole", Deck::Fate, 16, {}, {}, {}},
        {"a position outside the deck (a damaged save)", Deck::Treasure, 0, {}, {}, {}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        rnd.strict = false;
        SetUp();
        const bool treasure = c.deck == Deck::Treasure;
        auto& order = treasure ? s.TreasureOrder : s.FateOrder;
        auto& other = treasure ? s.FateOrder : s.TreasureOrder;
        // The drawn slots hold the other cards, highest first; the undrawn ones follow.
        std::vector<int> drawn;
        for (int card = 15; card >= 1; --card)
            if (std::find(c.undrawn.begin(), c.undrawn.end(), card) == c.undrawn.end()) drawn.push_back(card);
        const int first = c.next >= 1 && c.next <= 15 ? c.next : 16; // the first undrawn slot
        for (int p = 1; p <= 15; ++p)
            order[std::size_t(p)] =
                std::int16_t(p < first ? drawn[std::size_t(p - 1)] : c.undrawn[std::size_t(p - first)]);
        (treasure ? s.OrderNumberOfTreasure : s.OrderNumberOfFate) = std::int16_t(c.next);
        (treasure ? s.OrderNumberOfFate : s.OrderNumberOfTreasure) = 5;
        const auto before = order, otherBefore = other;
        rnd.log.clear();
        rnd.strict = true;
        rnd.queue.assign(c.draws.begin(), c.draws.end());

        reshuffleUndrawn(s, rnd, c.deck);

        ASSERT_EQ(rnd.log.size(), c.draws.size());
        for (std::size_t k = 0; k < rnd.log.size(); ++k) {
            EXPECT_EQ(rnd.log[k].lo, 0);
            EXPECT_EQ(rnd.log[k].hi, int(c.undrawn.size() - 1 - k));
        }
        for (int p = 1; p < first; ++p) EXPECT_EQ(order[std::size_t(p)], before[std::size_t(p)]) << p;
        for (int p = first; p <= 15; ++p)
            EXPECT_EQ(order[std::size_t(p)], c.want[std::size_t(p - first)]) << p;
        for (std::size_t p = 16; p < order.size(); ++p) EXPECT_EQ(order[p], 0);
        EXPECT_EQ(treasure ? s.OrderNumberOfTreasure : s.OrderNumberOfFate, c.next);
        EXPECT_EQ(other, otherBefore);
        EXPECT_EQ(treasure ? s.OrderNumberOfFate : s.OrderNumberOfTreasure, 5);
    }
}

// ------------------------------------------------------------------ settlement

TEST_F(CardsTest, EveryCardSettles) {
    // After startGame the unscripted draws left both decks in the order 1..15, so card c is drawn at
    // position c.
    for (bool treasure : {true, false}) {
        for (int c = 1; c <= 15; ++c) {
            const rules::Card& card = (treasure ? rules::kTreasure : rules::kFate)[std::size_t(c - 1)];
            SCOPED_TRACE(::testing::Message() << (treasure ? "Treasure " : "Fate ") << c);
            closeAll();
            s.NV = 1;
            setMoney(1, 3000);
            view.messages.clear();
            (treasure ? s.OrderNumberOfTreasure : s.OrderNumberOfFate) = std::int16_t(c);
            landOn(treasure ? 17 : 36);
            ASSERT_EQ(s.Number, c);
            ASSERT_EQ(view.messages.size(), 1u);
            EXPECT_EQ(view.messages[0].title, treasure ? "หีบสมบัติ" : "ประตูดวง");
            EXPECT_EQ(view.messages[0].text, treasure ? "พบหีบสมบัติ" : "เสี่ยงดวงกันหน่อย");
            const Ctl frame = treasure ? Ctl::TreasureFrame : Ctl::FateFrame;
            EXPECT_EQ(text(treasure ? Ctl::LabelTreasure : Ctl::LabelFate), card.text);
            EXPECT_EQ(game.screen().focus, treasure ? Ctl::OkButtonInTreasure : Ctl::OKButtonInFate);
            if (treasure)
                game.OkButtonInTreasure_Click();
            else
                game.OKButtonInFate_Click();
            EXPECT_EQ(s.player(1).Money, 3000 + card.amount);
            EXPECT_EQ(text(Ctl::LabelMoney1), std::to_string(3000 + card.amount));
            EXPECT_EQ(s.player(2).Money, 15000);
            EXPECT_FALSE(visible(frame));
            EXPECT_EQ(s.Continue, 0);
            EXPECT_EQ(s.NV, 2);
        }
    }
}

TEST_F(CardsTest, AGainSettlesEvenWithNoCash) {
    setMoney(1, 0);
    s.OrderNumberOfTreasure = 5; // +13000
    landOn(2);
    game.OkButtonInTreasure_Click();
    EXPECT_EQ(s.player(1).Money, 13000);
    EXPECT_TRUE(view.messages.size() == 1u) << "only the announcement";
}

TEST_F(CardsTest, ExactlyTheCardsAmountLeavesZero) {
    setMoney(1, 3000);
    s.OrderNumberOfFate = 15; // -3000
    landOn(7);
    game.OKButtonInFate_Click();
    EXPECT_EQ(s.player(1).Money, 0);
    EXPECT_EQ(s.player(1).Bankrupt, kFalse);
    EXPECT_EQ(s.NV, 2);
}

TEST_F(CardsTest, ShortOnAFateCardThenPaidAfterRaisingMoney) {
    own(1, 29);
    setMoney(1, 300);
    s.OrderNumberOfFate = 3; // -1450
    landOn(36);
    view.messages.clear();
    game.OKButtonInFate_Click();
    ASSERT_EQ(view.messages.size(), 1u);
    EXPECT_EQ(lastMessage().title, "Player1");
    EXPECT_EQ(lastMessage().text, kMustRaiseMoney);
    EXPECT_EQ(s.checkdiscount, kTrue);
    EXPECT_TRUE(visible(Ctl::FateFrame));
    EXPECT_EQ(s.Continue, 1);
    EXPECT_EQ(s.player(1).Money, 300);
    // Every further press while still short shows the same message again.
    game.OKButtonInFate_Click();
    ASSERT_EQ(view.messages.size(), 2u);
    EXPECT_EQ(lastMessage().text, kMustRaiseMoney);
    EXPECT_EQ(s.Continue, 1);
    mortgageForCash(1, 29); // 300 + 3200
    game.OKButtonInFate_Click();
    EXPECT_EQ(s.player(1).Money, 3500 - 1450);
    EXPECT_EQ(s.checkdiscount, kFalse);
    EXPECT_FALSE(visible(Ctl::FateFrame));
    EXPECT_EQ(s.NV, 2);
}

TEST_F(CardsTest, ANegativeCardWithNothingLeftToSellIsBankruptcyAndTheCashGoesToNobody) {
    startGame(3);
    own(1, 6, 0, 0, true);
    setMoney(1, 0);
    s.OrderNumberOfTreasure = 1; // -500
    landOn(2);
    game.OkButtonInTreasure_Click();
    EXPECT_EQ(lastMessage().title, "Player1");
    EXPECT_EQ(lastMessage().text, kBankrupt);
    EXPECT_EQ(s.player(1).Bankrupt, kTrue);
    EXPECT_EQ(s.deed(6).Owner, 0);
    EXPECT_EQ(s.deed(6).Mortgaged, kFalse);
    EXPECT_EQ(s.player(2).Money, 15000);
    EXPECT_EQ(s.player(3).Money, 15000);
    EXPECT_EQ(s.NP, 2);
    EXPECT_FALSE(visible(Ctl::TreasureFrame));
    EXPECT_EQ(s.NV, 2);
}

} // namespace
} // namespace tavorin::test
