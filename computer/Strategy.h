// How a computer seat makes its choices. The turn itself (the dice, the pauses, the announcements,
// the rule operations) is the same for every seat; only the choices differ.
//
// The classic strategy is the computer the game always had: fixed thresholds against the game's own
// draws. The strong strategy weighs each choice by playing copies of the game forward with the
// classic strategy in every seat, from a generator of its own, so it never takes one of the game's
// draws: the dice and the cards of a seeded game are the same whoever sits where.
#pragma once

#include <array>
#include <atomic>
#include <cstdint>
#include <memory>
#include <string_view>
#include <thread>
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

    // The thinking pause begins with `frame` open: a strategy may start weighing now, away from the
    // caller's thread, on a copy of the position.
    virtual void startThinking(const Game& /*position*/, Ctl /*frame*/) {}
    // The choice can be asked for without waiting.
    virtual bool ready() const { return true; }
    // Weigh no further: what has been weighed so far decides.
    virtual void hurry() {}
};

// Today's computer; stateless, shared by every seat and thread.
Strategy& classicStrategy();

struct StrongSettings {
    int rollouts = 64; // copies played forward for each choice
    int horizon = 40;  // turns each copy plays
};

// What the strong strategy chose for a frame.
struct StrongDecision {
    LandChoice land = LandChoice::Leave;
    bool build = false;
};

// Plans ahead. One per seat and game: it counts its decisions to seed its rollouts.
class StrongStrategy final : public Strategy {
public:
    explicit StrongStrategy(StrongSettings settings = {}) : settings_(settings) {}
    LandChoice freeLand(Game& g) override;
    bool buildOne(Game& g) override;

    // The choice for `frame` (the free land's or his own single land's) in `position`, which is only
    // read. With `stop`, rollouts end early once it is set, and those played so far decide.
    StrongDecision weigh(const Game& position, Ctl frame, const std::atomic<bool>* stop = nullptr);

    // Each weighed decision's thinking time in milliseconds goes to `times`, for the simulator's
    // figures; nothing decides on it.
    void recordTimes(std::vector<float>* times) { times_ = times; }

private:
    template <typename Choice, typename Set>
    Choice best(const Game& g, Ctl frame, const std::vector<Choice>& choices, Set set,
                const std::atomic<bool>* stop);

    StrongSettings settings_;
    long decisions_ = 0;
    std::vector<float>* times_ = nullptr;
};

// The strong strategy for a window's game: the weighing runs on a thread of its own while the
// thinking pause goes on, so the window never waits on it. It weighs exactly what StrongStrategy
// would, and so chooses the same, unless it is hurried.
class BackgroundStrong final : public Strategy {
public:
    explicit BackgroundStrong(StrongSettings settings = {}) : strong_(settings) {}
    // Stops the weighing (after the rollout under way) and waits for it: closing the game mid-thought
    // is safe.
    ~BackgroundStrong() override;

    void startThinking(const Game& position, Ctl frame) override;
    bool ready() const override;
    void hurry() override { stop_ = true; }
    LandChoice freeLand(Game& g) override { return decision(g, Ctl::FreeLandFrame).land; }
    bool buildOne(Game& g) override { return decision(g, Ctl::OwnSingleLandFrame).build; }

private:
    StrongDecision decision(Game& g, Ctl frame);
    void finish();

    StrongStrategy strong_;
    std::unique_ptr<Game> position_;
    Ctl frame_ = Ctl::None;
    StrongDecision result_;
    std::atomic<bool> stop_{false}, done_{false};
    std::thread worker_;
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

} // namespace tavorin
