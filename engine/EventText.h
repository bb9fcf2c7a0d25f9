// The game's events as the players read them: one Thai line each, for the game's log and for
// anything else that wants to tell a game as it went (the simulator's reports, a test).
#pragma once

#include <string>

#include "engine/Events.h"
#include "engine/State.h"

namespace tavorin {

// The sentence for `event` in the game as it stands right after it; empty for an event that says
// nothing a player needs to read (a payment of nothing).
std::string eventText(const GameEvent& event, const GameState& s);

// "ตาที่ <turn> <player's name>: <text>", the form of every line of the log.
std::string logLine(int turn, int player, const GameState& s, std::string_view text);

// The name of square 0..39 as the board shows it: the deed's number and name on land.
std::string squareName(const GameState& s, int square);

} // namespace tavorin
