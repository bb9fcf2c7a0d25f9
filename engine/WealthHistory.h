// Each player's worth after every turn, for the wealth chart. It follows the game's events: a roll
// begins a turn, and the point of a turn holds the worths as they stand when the next one begins (so
// a sale or a mortgage between turns, which reports nothing, counts for the turn before it). A saved
// game keeps it in a file of its own (engine/WealthFile.h); without one, a loaded game's history
// begins at the load.
#pragma once

#include <array>
#include <cstdint>
#include <utility>
#include <vector>

#include "engine/Events.h"
#include "engine/State.h"

namespace tavorin {

struct WealthPoint {
    int turn = 0; // turns played since the game was started (or loaded, without its history)
    std::array<std::int64_t, kMaxPlayers + 1> worth{};
    std::array<bool, kMaxPlayers + 1> bankrupt{};
    bool operator==(const WealthPoint&) const = default;
};

class WealthHistory final : public GameObserver {
public:
    explicit WealthHistory(const GameState& state) : s_(state) {}
    void gameEvent(const GameEvent& event) override;
    // Starts again with nothing: a new game.
    void clear();
    // Takes up a saved game's history: `points` as they were saved, the last one the turn in play.
    void restore(std::vector<WealthPoint> points) { points_ = std::move(points); }
    // The points so far, the last brought up to the state as it stands; before any event, the one
    // point of turn 0.
    std::vector<WealthPoint> upToNow() const;

private:
    void refresh(WealthPoint& point) const;

    const GameState& s_;
    std::vector<WealthPoint> points_;
};

} // namespace tavorin
