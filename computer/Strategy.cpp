#include "computer/Strategy.h"

#include <algorithm>
#include <array>
#include <chrono>
#include <memory>
#include <string>
#include <utility>
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

    // The classic computer always takes the cash, sells from its last deed down, pays the fee on
    // mortgaged land and never buys land back from the bank.
    int lapBonus(Game&) override { return 0; }
    FundPlan fundPlan(Game&, std::int32_t) override { return FundPlan::LastDeedFirst; }
    MortgagedLandChoice mortgagedLand(Game&) override { return MortgagedLandChoice::Pay; }
    bool redeem(Game&) override { return false; }
};

// A seat that gives one answer to one question, the first time it is asked during the landing
// weighed, and plays as the classic computer otherwise: the first move of a rollout.
class FirstChoice final : public Strategy {
public:
    Question question = Question::FreeLand;
    int value = 0;
    bool used = false;

    LandChoice freeLand(Game& g) override {
        return take(Question::FreeLand) ? LandChoice(value) : classicStrategy().freeLand(g);
    }
    bool buildOne(Game& g) override {
        return take(Question::BuildOne) ? value != 0 : classicStrategy().buildOne(g);
    }
    int lapBonus(Game& g) override {
        return take(Question::LapBonus) ? value : classicStrategy().lapBonus(g);
    }
    FundPlan fundPlan(Game& g, std::int32_t amount) override {
        return take(Question::FundPlan) ? FundPlan(value) : classicStrategy().fundPlan(g, amount);
    }
    MortgagedLandChoice mortgagedLand(Game& g) override {
        return take(Question::MortgagedLand) ? MortgagedLandChoice(value)
                                             : classicStrategy().mortgagedLand(g);
    }
    bool redeem(Game& g) override {
        return take(Question::Redeem) ? value != 0 : classicStrategy().redeem(g);
    }

private:
    bool take(Question q) {
        if (used || q != question) return false;
        used = true;
        return true;
    }
};

std::uint64_t mix(std::uint64_t h, std::uint64_t v) {
    h ^= v + 0x9E3779B97F4A7C15ull + (h << 6) + (h >> 2);
    return h;
}

// The rollouts' seed: the position itself and the number of the decision, never a draw of the game.
// Of the decks it takes only how far each is drawn, not the order of the cards left, which the
// rollouts must not know.
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
        h = mix(h, std::uint64_t(D.Owner) << 24 | std::uint64_t(D.Houses) << 16 |
                       std::uint64_t(D.Towers) << 8 | std::uint64_t(D.Mortgaged == kTrue));
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
    std::int16_t rdm(std::int16_t lo, std::int16_t hi) override { return stream(lo, hi).rdm(lo, hi); }
    // The dice a rollout's turn drops are skipped in one jump, as in a real game.
    void discard(int count, std::int16_t lo, std::int16_t hi) override { stream(lo, hi).discard(count); }

private:
    SeededRandom& stream(std::int16_t lo, std::int16_t hi) {
        if (lo == 1 && hi == 6) return dice_;
        if (lo == 1 && hi == 10) return places_;
        if (hi == 100) return chances_;
        return rest_;
    }
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

namespace {
// The frame the current player's decision stands on: the one square frame open.
Ctl openSquareFrame(const Game& g) {
    for (Ctl f : Game::kDecisionFrames)
        if (g.frameOpen(f)) return f;
    return Ctl::None;
}

// What a fund-raising plan leaves the player with: plans that end alike are one choice.
std::string fundOutcome(const Game& g, std::int32_t amount, FundPlan plan) {
    SeededRandom random(0);
    HeadlessView view;
    Game copy(g, random, view);
    com::raiseFunds(copy, amount, plan);
    const int P = copy.state().NV;
    std::string out = std::to_string(copy.state().player(P).Money);
    for (int d : heldDeeds(copy.state(), P)) {
        const DeedRecord& D = copy.state().deed(d);
        out += ' ';
        out += std::to_string(d * 100 + D.Houses * 10 + D.Towers * 5 + (D.Mortgaged == kTrue));
    }
    return out;
}
} // namespace

int StrongStrategy::best(const Game& g, Question question, const std::vector<int>& choices) {
    const long decision = decisions_++;
    if (choices.size() == 1) return choices.front();
    const auto started = std::chrono::steady_clock::now();
    const int P = g.state().NV;
    const Ctl frame = openSquareFrame(g);
    const std::uint64_t seed = positionSeed(g.state(), decision);
    std::vector<double> total(choices.size(), 0.0);
    for (int r = 0; r < settings_.rollouts; ++r) {
        if (r > 0 && stop_ && stop_->load(std::memory_order_relaxed)) break;
        // Every choice meets the same dice in its r-th rollout, so the difference between two choices
        // is the choice's and not the dice's.
        const std::uint64_t rolloutSeed = mix(seed, std::uint64_t(r));
        for (std::size_t c = 0; c < choices.size(); ++c) {
            RolloutRandom random(rolloutSeed);
            HeadlessView view;
            Game copy(g, random, view);
            copy.seatComputersEverywhere();
            // The copy holds the real order of the cards left to draw, which a person cannot know:
            // each rollout deals them anew from its own draws (never the dice's stream), every choice
            // of the rollout meeting the same deal.
            copy.hideUndrawnCards();
            FirstChoice first;
            first.question = question;
            first.value = choices[c];
            if (question == Question::LapBonus)
                ComputerTurn::playFromPlacing(copy, first);
            else
                ComputerTurn::finishDecision(copy, frame, first);
            first.used = true;
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

LandChoice StrongStrategy::freeLand(Game& g) {
    const DeedRecord& D = g.state().deed(g.currentDeed());
    const std::int64_t m = g.state().player(g.state().NV).Money;
    std::vector<int> choices;
    if (m >= D.Price) choices.push_back(int(LandChoice::Buy));
    if (D.single() && m >= std::int64_t(D.Price) + D.HousePrice)
        choices.push_back(int(LandChoice::BuyWithHouse));
    choices.push_back(int(LandChoice::Leave));
    return LandChoice(best(g, Question::FreeLand, choices));
}

bool StrongStrategy::buildOne(Game& g) {
    std::vector<int> choices;
    if (g.affords(buildingPrice(g.state().deed(g.currentDeed())))) choices.push_back(1);
    choices.push_back(0);
    return best(g, Question::BuildOne, choices) != 0;
}

int StrongStrategy::lapBonus(Game& g) {
    const int P = g.state().NV;
    std::vector<int> choices{0};
    for (int d : heldDeeds(g.state(), P)) {
        const DeedRecord& D = g.state().deed(d);
        // The land a house can go on: his own single land, free of the bank, with room for a house,
        // whose price the bonus and his cash cover.
        if (D.Owner == P && D.single() && D.Mortgaged != kTrue && D.Towers == 0 && D.Houses < 4 &&
            g.affords(std::int64_t(D.HousePrice) - kLapBonus))
            choices.push_back(d);
    }
    return best(g, Question::LapBonus, choices);
}

FundPlan StrongStrategy::fundPlan(Game& g, std::int32_t amount) {
    std::vector<int> choices;
    std::vector<std::string> outcomes;
    for (FundPlan plan : {FundPlan::LastDeedFirst, FundPlan::MortgageFirst, FundPlan::SmallestFirst}) {
        std::string outcome = fundOutcome(g, amount, plan);
        if (std::find(outcomes.begin(), outcomes.end(), outcome) != outcomes.end()) continue;
        outcomes.push_back(std::move(outcome));
        choices.push_back(int(plan));
    }
    return FundPlan(best(g, Question::FundPlan, choices));
}

MortgagedLandChoice StrongStrategy::mortgagedLand(Game& g) {
    std::vector<int> choices{int(MortgagedLandChoice::Pay)};
    if (g.affords(takeOverPrice(g.state().deed(g.currentDeed()))))
        choices.push_back(int(MortgagedLandChoice::TakeOver));
    return MortgagedLandChoice(best(g, Question::MortgagedLand, choices));
}

bool StrongStrategy::redeem(Game& g) {
    std::vector<int> choices{0};
    if (g.affords(mortgageValue(g.state().deed(g.currentDeed())))) choices.push_back(1);
    return best(g, Question::Redeem, choices) != 0;
}

// The copy the thread decides on: a position with a source of draws and a view of its own, so that
// nothing it does reaches the game or another seat's thread.
struct BackgroundStrong::Copy {
    SeededRandom random{0};
    HeadlessView view;
    Game game;
    explicit Copy(const Game& position) : game(position, random, view) {}
};

namespace {
// Passes each question to the strong strategy and notes the answer.
class Recorder final : public Strategy {
public:
    Recorder(StrongStrategy& strong, std::vector<std::pair<Question, int>>& answers)
        : strong_(strong), answers_(answers) {}
    LandChoice freeLand(Game& g) override {
        return LandChoice(note(Question::FreeLand, int(strong_.freeLand(g))));
    }
    bool buildOne(Game& g) override { return note(Question::BuildOne, strong_.buildOne(g)) != 0; }
    int lapBonus(Game& g) override { return note(Question::LapBonus, strong_.lapBonus(g)); }
    FundPlan fundPlan(Game& g, std::int32_t amount) override {
        return FundPlan(note(Question::FundPlan, int(strong_.fundPlan(g, amount))));
    }
    MortgagedLandChoice mortgagedLand(Game& g) override {
        return MortgagedLandChoice(note(Question::MortgagedLand, int(strong_.mortgagedLand(g))));
    }
    bool redeem(Game& g) override { return note(Question::Redeem, strong_.redeem(g)) != 0; }

private:
    int note(Question q, int value) {
        answers_.emplace_back(q, value);
        return value;
    }
    StrongStrategy& strong_;
    std::vector<std::pair<Question, int>>& answers_;
};
} // namespace

BackgroundStrong::BackgroundStrong(StrongSettings settings) : strong_(settings) { strong_.stopOn(&stop_); }

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
    answers_.clear();
    next_ = 0;
    copy_ = std::make_unique<Copy>(position);
    stop_ = false;
    done_ = false;
    worker_ = std::thread([this, frame] {
        Recorder recorder(strong_, answers_);
        if (frame == Ctl::BonusFrame)
            recorder.lapBonus(copy_->game);
        else
            com::decide(copy_->game, frame, recorder);
        done_ = true;
    });
}

bool BackgroundStrong::ready() const { return !worker_.joinable() || done_; }

template <typename Here> int BackgroundStrong::answer(Question question, Here here) {
    finish();
    copy_.reset();
    if (next_ < answers_.size() && answers_[next_].first == question) return answers_[next_++].second;
    // Asked what the thinking did not foresee: weigh here.
    answers_.clear();
    next_ = 0;
    return here();
}

LandChoice BackgroundStrong::freeLand(Game& g) {
    return LandChoice(answer(Question::FreeLand, [&] { return int(strong_.freeLand(g)); }));
}
bool BackgroundStrong::buildOne(Game& g) {
    return answer(Question::BuildOne, [&] { return int(strong_.buildOne(g)); }) != 0;
}
int BackgroundStrong::lapBonus(Game& g) {
    return answer(Question::LapBonus, [&] { return strong_.lapBonus(g); });
}
FundPlan BackgroundStrong::fundPlan(Game& g, std::int32_t amount) {
    return FundPlan(answer(Question::FundPlan, [&] { return int(strong_.fundPlan(g, amount)); }));
}
MortgagedLandChoice BackgroundStrong::mortgagedLand(Game& g) {
    return MortgagedLandChoice(
        answer(Question::MortgagedLand, [&] { return int(strong_.mortgagedLand(g)); }));
}
bool BackgroundStrong::redeem(Game& g) {
    return answer(Question::Redeem, [&] { return int(strong_.redeem(g)); }) != 0;
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
