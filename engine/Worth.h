// What a player is worth, and so who is richest: what a game cut short by the end rule is decided
// on, and what the strong computer's rollouts weigh.
#pragma once

#include <cstdint>

#include "engine/State.h"

namespace tavorin {

// Cash, plus the price of the player's land and buildings, minus what is owed on his mortgages. A
// bankrupt player, or a player number that is not one, is worth nothing.
std::int64_t worth(const GameState& s, int player);

// The player still in the game with the greatest worth; of two equally rich, the earlier seat.
// 0 when nobody is left.
int richestPlayer(const GameState& s);

} // namespace tavorin
