// An end to every game: a game that could run on for hours is cut short after a number of laps of
// the leading player, or after a time of play, and the richest player wins it. Off unless chosen.
#pragma once

#include <array>
#include <cstdint>

#include "engine/Board.h"

namespace tavorin {

enum class EndKind : std::uint8_t { None, Laps, Minutes };

struct EndRule {
    EndKind kind = EndKind::None;
    int limit = 0; // laps or minutes

    bool on() const { return kind != EndKind::None && limit >= 1 && limit <= kMaxEndLimit; }
    bool operator==(const EndRule&) const = default;

    static constexpr int kMaxEndLimit = 9999;
};

// What has counted toward the rule: the laps each player has finished, and the time played before
// the game was last started or loaded.
struct EndProgress {
    std::array<int, kMaxPlayers + 1> laps{}; // [1..6]
    std::int64_t playedMs = 0;

    bool operator==(const EndProgress&) const = default;
};

// The time of play as the program measures it; tests script it. Only differences of two readings
// count.
class PlayClock {
public:
    virtual ~PlayClock() = default;
    virtual std::int64_t milliseconds() = 0;
};

// The computer's steady clock.
PlayClock& steadyPlayClock();

} // namespace tavorin
