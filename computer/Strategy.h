// How a computer seat makes its choices. The turn itself (the dice, the pauses, the announcements,
// the rule operations) is the same for every seat; only the choices differ.
//
// The classic strategy is the computer the game always had: fixed thresholds against the game's own
// draws. The strong strategy weighs each choice by playing copies of the game forward with the
// classic strategy in every seat, from a generator of its own, so it never takes one of the game's
// draws: the dice and the cards of a seeded game are the same whoever sits where.
#pragma once

#include <array>
#include <cstdint>
#include <memory>
#include <string_view>
#include <vector>

#include "engine/Game.h"

namespace tavorin {

enum class LandChoice { Leave, Buy, BuyWithHouse };

class Strategy {
public:
    virtual ~Strategy() = default;
    // Free land under the current player (the deed in Number), its frame open. BuyWithHouse only on
    // single land.
    virtual LandChoice freeLand(Game& g) = 0;
    // His own single land without its tower, its frame open: one more house (or the tower)?
    virtual bool buildOne(Game& g) = 0;
};

// Today's computer; stateless, shared by every seat and thread.
Strategy& classicStrategy();

struct StrongSettings {
    int rollouts = 64; // copies played forward for each choice
    int horizon = 40;  // turns each copy plays
};

// Plans ahead. One per seat and game: it counts its decisions to seed its rollouts.
class StrongStrategy final : public Strategy {
public:
    explicit StrongStrategy(StrongSettings settings = {}) : settings_(settings) {}
    LandChoice freeLand(Game& g) override;
    bool buildOne(Game& g) override;

    // Each weighed decision's thinking time in milliseconds goes to `times`, for the simulator's
    // figures; nothing decides on it.
    void recordTimes(std::vector<float>* times) { times_ = times; }

private:
    template <typename Choice, typename Set>
    Choice best(const Game& g, Ctl frame, const std::vector<Choice>& choices, Set set);

    StrongSettings settings_;
    long decisions_ = 0;
    std::vector<float>* times_ = nullptr;
};

// Which strategy each seat plays; a seat left empty plays the classic one.
struct Seats {
    std::array<Strategy*, kMaxPlayers + 1> of{};
    Strategy& operator()(int player) const {
        Strategy* s = validPlayer(player) ? of[std::size_t(player)] : nullptr;
        return s ? *s : classicStrategy();
    }
};

enum class StrategyKind { Classic, Strong };
std::string_view strategyName(StrategyKind kind);
// "classic" or "strong"; false for anything else.
bool parseStrategy(std::string_view name, StrategyKind& kind);

// What a player is worth: cash, plus the price of his land and buildings, minus what is owed on his
// mortgages. A bankrupt player is worth nothing.
std::int64_t worth(const GameState& s, int player);

} // namespace tavorin
