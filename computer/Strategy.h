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
#include <utility>
#include <vector>

#include "engine/Game.h"

namespace tavorin {

enum class LandChoice { Leave, Buy, BuyWithHouse };

// The order in which a computer short of cash parts with its property.
enum class FundPlan {
    LastDeedFirst, // one piece at a time from the deed acquired last, its buildings first
    MortgageFirst, // bare land pledged to the bank (the latest first), then sold as above
    SmallestFirst, // the piece that fetches least first, wherever it stands
};

enum class MortgagedLandChoice { Pay, TakeOver };

class Strategy {
public:
    virtual ~Strategy() = default;
    // Free land under the current player (the deed in Number), its frame open. BuyWithHouse only on
    // single land.
    virtual LandChoice freeLand(Game& g) = 0;
    // His own single land without its tower, its frame open: one more house (or the tower)?
    virtual bool buildOne(Game& g) = 0;
    // A lap completed, the token placed and its square not yet looked at: 0 takes the cash, a deed
    // number a house on that land paid out of the bonus.
    virtual int lapBonus(Game& g) = 0;
    // The cash does not cover `amount` (negative) and deeds are left to part with.
    virtual FundPlan fundPlan(Game& g, std::int32_t amount) = 0;
    // Another player's mortgaged land: the bank's fee, or the land itself at its takeover price.
    virtual MortgagedLandChoice mortgagedLand(Game& g) = 0;
    // His own mortgaged land, its frame open: buy it back from the bank before anything else?
    virtual bool redeem(Game& g) = 0;

    // The thinking pause begins with `frame` open (the BonusFrame: the lap bonus is due): a strategy
    // may start weighing now, away from the caller's thread, on a copy of the position.
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

// The decisions a strategy is asked for, to tell its answers apart.
enum class Question { FreeLand, BuildOne, LapBonus, FundPlan, MortgagedLand, Redeem };

// Plans ahead. One per seat and game: it counts its decisions to seed its rollouts.
class StrongStrategy final : public Strategy {
public:
    explicit StrongStrategy(StrongSettings settings = {}) : settings_(settings) {}
    LandChoice freeLand(Game& g) override;
    bool buildOne(Game& g) override;
    int lapBonus(Game& g) override;
    FundPlan fundPlan(Game& g, std::int32_t amount) override;
    MortgagedLandChoice mortgagedLand(Game& g) override;
    bool redeem(Game& g) override;

    // Once `stop` is set, rollouts end early and those played so far decide.
    void stopOn(const std::atomic<bool>* stop) { stop_ = stop; }
    // Each weighed decision's thinking time in milliseconds goes to `times`, for the simulator's
    // figures; nothing decides on it.
    void recordTimes(std::vector<float>* times) { times_ = times; }

private:
    // The choice among `choices` (values of the question's answer) that leaves the player best off.
    int best(const Game& g, Question question, const std::vector<int>& choices);

    StrongSettings settings_;
    long decisions_ = 0;
    const std::atomic<bool>* stop_ = nullptr;
    std::vector<float>* times_ = nullptr;
};

// The strong strategy for a window's game: when the thinking pause begins, a thread of its own plays
// the coming decision on a copy of the position and notes every answer; the game then gets those
// answers in the same order, so the window never waits on a weighing. It chooses exactly as
// StrongStrategy would, unless it is hurried.
class BackgroundStrong final : public Strategy {
public:
    explicit BackgroundStrong(StrongSettings settings = {});
    // Stops the weighing (after the rollout under way) and waits for it: closing the game mid-thought
    // is safe.
    ~BackgroundStrong() override;

    void startThinking(const Game& position, Ctl frame) override;
    bool ready() const override;
    void hurry() override { stop_ = true; }
    LandChoice freeLand(Game& g) override;
    bool buildOne(Game& g) override;
    int lapBonus(Game& g) override;
    FundPlan fundPlan(Game& g, std::int32_t amount) override;
    MortgagedLandChoice mortgagedLand(Game& g) override;
    bool redeem(Game& g) override;

private:
    struct Copy;
    // The answer the thread noted for `question`, or, when it foresaw none, `here` weighed now.
    template <typename Here> int answer(Question question, Here here);
    void finish();

    StrongStrategy strong_;
    std::unique_ptr<Copy> copy_;
    std::vector<std::pair<Question, int>> answers_;
    std::size_t next_ = 0;
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
