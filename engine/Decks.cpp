#include "engine/Decks.h"

#include <algorithm>
#include <cassert>
#include <utility>

namespace tavorin {

namespace {
// Each number i goes to a random slot, or to the next free one upwards, wrapping from n to 1. The same
// draws must give the same order, so this probing is kept exactly as it is.
template <std::size_t N>
void probingShuffle(RandomSource& random, std::array<std::int16_t, 51>& scratch,
                    std::array<std::int16_t, N>& order, int n) {
    assert(n >= 1 && std::size_t(n) < N);
    for (int i = 1; i <= n; ++i) scratch[std::size_t(i)] = random.rdm(1, std::int16_t(n));
    for (int i = 1; i <= n; ++i) order[std::size_t(i)] = 0;
    for (int i = 1; i <= n; ++i) {
        std::int16_t& slot = scratch[std::size_t(i)];
        while (order[std::size_t(slot)] != 0) slot = std::int16_t(slot % n + 1);
        order[std::size_t(slot)] = std::int16_t(i);
    }
}
} // namespace

void shuffleDeck(GameState& s, RandomSource& random, Deck deck) {
    if (deck == Deck::Treasure)
        probingShuffle(random, s.ShuffleScratch, s.TreasureOrder, s.NumOfTreasure);
    else
        probingShuffle(random, s.ShuffleScratch, s.FateOrder, s.NumOfFate);
}

// A plain Fisher-Yates rather than the probing: only the game's own shuffles must repeat the draws
// of a seeded game, and the probing orders a whole deck, never the part of it still to be drawn.
// The computer playing a copy forward needs no more than an order it cannot know, every one alike.
void reshuffleUndrawn(GameState& s, RandomSource& random, Deck deck) {
    const bool treasure = deck == Deck::Treasure;
    auto& order = treasure ? s.TreasureOrder : s.FateOrder;
    const int next = treasure ? s.OrderNumberOfTreasure : s.OrderNumberOfFate;
    const int size = std::min(int(treasure ? s.NumOfTreasure : s.NumOfFate), kMaxCards);
    if (next < 1 || next > size) return;
    const auto undrawn = order.begin() + next;
    std::sort(undrawn, order.begin() + size + 1);
    for (int i = size - next; i > 0; --i) std::swap(undrawn[i], undrawn[random.rdm(0, std::int16_t(i))]);
}

void shuffleDeal(GameState& s, RandomSource& random) {
    probingShuffle(random, s.ShuffleScratch, s.DealOrder, s.NumOfDeed);
}

int drawCard(GameState& s, RandomSource& random, Deck deck) {
    const bool treasure = deck == Deck::Treasure;
    std::int16_t& next = treasure ? s.OrderNumberOfTreasure : s.OrderNumberOfFate;
    const int size = treasure ? s.NumOfTreasure : s.NumOfFate;
    // A used-up deck is reshuffled only when the next draw needs it. A position outside the deck
    // (possible only from a damaged saved game) is treated the same way rather than read out of range.
    if (next < 1 || next > size) {
        next = 1;
        shuffleDeck(s, random, deck);
    }
    const int card = treasure ? s.TreasureOrder[std::size_t(next)] : s.FateOrder[std::size_t(next)];
    ++next;
    return card;
}

const CardRecord* cardOf(const GameState& s, Deck deck, int number) {
    const bool treasure = deck == Deck::Treasure;
    const int size = treasure ? s.NumOfTreasure : s.NumOfFate;
    if (number < 1 || number > size || number > kMaxCards) return nullptr;
    return treasure ? &s.TreasureCards[std::size_t(number)] : &s.FateCards[std::size_t(number)];
}

} // namespace tavorin
