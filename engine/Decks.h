// The two card decks and the deal of the first deeds: shuffled by the same probing, drawn in order,
// reshuffled when a draw finds the deck used up.
#pragma once

#include <cstdint>

#include "engine/Random.h"
#include "engine/State.h"

namespace tavorin {

enum class Deck : std::uint8_t { Treasure = 1, Fate = 2 };

// A new order for the deck (TreasureOrder or FateOrder), drawing one slot per card.
void shuffleDeck(GameState& s, RandomSource& random, Deck deck);
// The cards of the deck not drawn since its last shuffle (its slots from the draw position on) put in
// a new order by `random`, starting from their ascending order: the order that comes out depends on
// which cards are left and on `random`, never on the order they were in. The drawn slots and the draw
// position stay. A used-up deck is left as it is: its next draw shuffles it whole.
void reshuffleUndrawn(GameState& s, RandomSource& random, Deck deck);
// A new order of all deeds in DealOrder, from which the first deeds are dealt.
void shuffleDeal(GameState& s, RandomSource& random);

// The number of the next card of the deck, which is then passed; a used-up deck is reshuffled first.
// A card order holding a number outside the deck (a damaged saved game) is returned as it is: the
// landing refuses it.
int drawCard(GameState& s, RandomSource& random, Deck deck);

// Card `number` of the deck, or nullptr when the deck has no such card.
const CardRecord* cardOf(const GameState& s, Deck deck, int number);

} // namespace tavorin
