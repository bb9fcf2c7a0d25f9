#include "computer/Strategy.h"

#include <array>
#include <chrono>
#include <memory>
#include <vector>

#include "computer/ComSteps.h"
#include "computer/ComputerDecisions.h"
#include "computer/ComputerTurn.h"
#include "computer/Headless.h"
#include "engine/Holdings.h"
#include "engine/Tariff.h"
#include "engine/Worth.h"

namespace tavorin {

namespace {

class ClassicStrategy final : public Strategy {
public:
    LandChoice freeLand(Game& g) override {
        const int P = g.state().NV;
        const int d = g.currentDeed();
        const std::int32_t m = g.state().player(P).Money;
        const int p = g.state().deed(d).Price;
        if (m < p) return LandChoice::Leave;
        switch (g.state().deed(d).type()) {
        case LandType::Single: {
            const int h = g.state().deed(d).HousePrice;
            const int group = singleGroupOf(d);
            if (m < 3 * p && m < p + h)
                return g.rdm(0, 100) <= singleLandAloneThreshold(group) ? LandChoice::Buy : LandChoice::Leave;
            const SingleLandSplit split = singleLandSplit(group, m >= 3 * p, g.state().player(P).DeedCount);
            const int R = g.rdm(1, 100);
            if (R < split.A) return LandChoice::Buy;
            if (R < split.B) return LandChoice::BuyWithHouse;
            return LandChoice::Leave;
        }
        case LandType::Pair: {
            const int k = ownedBy(g.state(), P, kPairDeeds);
            const int o = ownedByOthers(g.state(), P, kPairDeeds);
            return g.rdm(1, 100) <= pairLandThreshold(k, o, m >= 3 * p) ? LandChoice::Buy : LandChoice::Leave;
        }
        default: {
            const int k = ownedBy(g.state(), P, kGroupDeeds);
            const int o = ownedByOthers(g.state(), P, kGroupDeeds);
            return g.rdm(1, 100) <= groupLandThreshold(k, o, m >= 3 * p) ? LandChoice::Buy
                                                                         : LandChoice::Leave;
        }
        }
    }

    bool buildOne(Game& g) override {
        const DeedRecord& D = g.state().deed(g.currentDeed());
        const int threshold =
            buildThreshold(g.state().player(g.state().NV).Money, D.Houses, D.HousePrice, D.TowerPrice);
        return threshold != 0 && g.rdm(1, 100) <= threshold;
    }
};

// A seat that makes one given choice and then plays as the classic computer: the first move of a
// rollout.
class FirstChoice final : public Strategy {
public:
    LandChoice land = LandChoice::Leave;
    bool build = false;
    bool used = false;
    LandChoice freeLand(Game& g) override {
        if (used) return classicStrategy().freeLand(g);
        used = true;
        return land;
    }
    bool buildOne(Game& g) override {
        if (used) return classicStrategy().buildOne(g);
        used = true;
        return build;
    }
};

std::uint64_t mix(std::uint64_t h, std::uint64_t v) {
    h ^= v + 0x9E3779B97F4A7C15ull + (h << 6) + (h >> 2);
    return h;
}

// The rollouts' seed: the position itself and the number of the decision, never a draw of the game.
std::uint64_t positionSeed(const GameState& s, long decision) {
    std::uint64_t h = mix(0x5EEDull, std::uint64_t(decision));
    h = mix(h, std::uint64_t(s.NV));
    for (int k = 1; k <= kMaxPlayers; ++k) {
        const PlayerRecord& p = s.player(k);
        h = mix(h, std::uint64_t(std::uint32_t(p.Money)));
        h = mix(h, std::uint64_t(p.Position));
    }
    for (int d = 1; d <= kDeeds; ++d) {
        const DeedRecord& D = s.deed(d);
        h = mix(h, std::uint64_t(D.Owner) << 16 | std::uint64_t(D.Houses) << 8 | std::uint64_t(D.Towers));
    }
    h = mix(h, std::uint64_t(s.OrderNumberOfTreasure) << 8 | std::uint64_t(s.OrderNumberOfFate));
    return h;
}

// The rollouts' draws, one stream for each kind: the dice, the tokens' places in their square, the
// chances of the computer's choices, and the rest (the shuffles). Two copies that part after
// different choices still throw the same dice turn by turn, which is most of what sets two games
// apart, so the rollouts compare the choices and not their luck.
class RolloutRandom final : public RandomSource {
public:
    explicit RolloutRandom(std::uint64_t seed)
        : dice_(mix(seed, 1)), places_(mix(seed, 2)), chances_(mix(seed, 3)), rest_(mix(seed, 4)) {}
    std::int16_t rdm(std::int16_t lo, std::int16_t hi) override {
        if (lo == 1 && hi == 6) return dice_.rdm(lo, hi);
        if (lo == 1 && hi == 10) return places_.rdm(lo, hi);
        if (hi == 100) return chances_.rdm(lo, hi);
        return rest_.rdm(lo, hi);
    }

private:
    SeededRandom dice_, places_, chances_, rest_;
};

// The mover's worth against the others' mean: what the rollouts maximise.
double score(const GameState& s, int player) {
    double others = 0;
    int count = 0;
    for (int k = 1; k <= s.NumOfPlayer; ++k) {
        if (k == player) continue;
        others += double(worth(s, k));
        ++count;
    }
    return double(worth(s, player)) - (count ? others / count : 0.0);
}

} // namespace

Strategy& classicStrategy() {
    static ClassicStrategy classic;
    return classic;
}

template <typename Choice, typename Set>
Choice StrongStrategy::best(const Game& g, Ctl frame, const std::vector<Choice>& choices, Set set,
                            const std::atomic<bool>* stop) {
    const long decision = decisions_++;
    if (choices.size() == 1) return choices.front();
    const auto started = std::chrono::steady_clock::now();
    const int P = g.state().NV;
    const std::uint64_t seed = positionSeed(g.state(), decision);
    std::vector<double> total(choices.size(), 0.0);
    for (int r = 0; r < settings_.rollouts; ++r) {
        if (r > 0 && stop && stop->load(std::memory_order_relaxed)) break;
        // Every choice meets the same dice in its r-th rollout, so the difference between two choices
        // is the choice's and not the dice's.
        const std::uint64_t rolloutSeed = mix(seed, std::uint64_t(r));
        for (std::size_t c = 0; c < choices.size(); ++c) {
            RolloutRandom random(rolloutSeed);
            HeadlessView view;
            Game copy(g, random, view);
            copy.seatComputersEverywhere();
            FirstChoice first;
            set(first, choices[c]);
            ComputerTurn::finishDecision(copy, frame, first);
            Seats seats;
            seats.of[std::size_t(P)] = &first;
            playComputerGame(copy, view, settings_.horizon, {}, &seats);
            total[c] += score(copy.state(), P);
        }
    }
    std::size_t pick = 0;
    for (std::size_t c = 1; c < choices.size(); ++c)
        if (total[c] > total[pick]) pick = c;
    if (times_)
        times_->push_back(
            std::chrono::duration<float, std::milli>(std::chrono::steady_clock::now() - started).count());
    return choices[pick];
}

StrongDecision StrongStrategy::weigh(const Game& g, Ctl frame, const std::atomic<bool>* stop) {
    StrongDecision decision;
    const DeedRecord& D = g.state().deed(g.currentDeed());
    const std::int64_t m = g.state().player(g.state().NV).Money;
    if (frame == Ctl::FreeLandFrame) {
        std::vector<LandChoice> choices;
        if (m >= D.Price) choices.push_back(LandChoice::Buy);
        if (D.single() && m >= std::int64_t(D.Price) + D.HousePrice)
            choices.push_back(LandChoice::BuyWithHouse);
        choices.push_back(LandChoice::Leave);
        decision.land = best(
            g, frame, choices, [](FirstChoice& f, LandChoice c) { f.land = c; }, stop);
    } else if (frame == Ctl::OwnSingleLandFrame) {
        std::vector<bool> choices;
        if (m >= buildingPrice(D)) choices.push_back(true);
        choices.push_back(false);
        decision.build = best(
            g, frame, choices, [](FirstChoice& f, bool c) { f.build = c; }, stop);
    }
    return decision;
}

LandChoice StrongStrategy::freeLand(Game& g) { return weigh(g, Ctl::FreeLandFrame).land; }

bool StrongStrategy::buildOne(Game& g) { return weigh(g, Ctl::OwnSingleLandFrame).build; }

namespace {
// A copy's own draws and view: the position handed to the thread is only read.
struct Unused {
    SeededRandom random{0};
    HeadlessView view;
};
Unused& unused() {
    static Unused u;
    return u;
}

// The frames the strong strategy is asked about, as ComSteps::decide asks: free land that is a deed,
// his own single land still without its tower.
bool weighed(const Game& g, Ctl frame) {
    const int d = g.currentDeed();
    if (frame == Ctl::FreeLandFrame) return d != 0;
    return frame == Ctl::OwnSingleLandFrame && g.state().deed(d).Towers != 1;
}
} // namespace

BackgroundStrong::~BackgroundStrong() {
    stop_ = true;
    finish();
}

void BackgroundStrong::finish() {
    if (worker_.joinable()) worker_.join();
}

void BackgroundStrong::startThinking(const Game& position, Ctl frame) {
    stop_ = true;
    finish();
    frame_ = Ctl::None;
    if (!weighed(position, frame)) return;
    frame_ = frame;
    position_ = std::make_unique<Game>(position, unused().random, unused().view);
    stop_ = false;
    done_ = false;
    worker_ = std::thread([this] {
        result_ = strong_.weigh(*position_, frame_, &stop_);
        done_ = true;
    });
}

bool BackgroundStrong::ready() const { return !worker_.joinable() || done_; }

StrongDecision BackgroundStrong::decision(Game& g, Ctl frame) {
    if (frame_ != frame) {
        // Asked without the thinking having started for this frame: weigh here.
        finish();
        return strong_.weigh(g, frame);
    }
    finish();
    frame_ = Ctl::None;
    position_.reset();
    return result_;
}

std::string_view strategyName(StrategyKind kind) {
    return kind == StrategyKind::Strong ? "strong" : "classic";
}

bool parseStrategy(std::string_view name, StrategyKind& kind) {
    if (name == "classic")
        kind = StrategyKind::Classic;
    else if (name == "strong")
        kind = StrategyKind::Strong;
    else
        return false;
    return true;
}

} // namespace tavorin
