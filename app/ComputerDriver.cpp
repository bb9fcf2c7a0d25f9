#include "app/ComputerDriver.h"

#include <algorithm>

namespace tavorin::app {

ComputerDriver::ComputerDriver(Game& game, std::function<void()> afterStep, std::function<bool()> busy,
                               QObject* parent)
    : QObject(parent), game_(game), afterStep_(std::move(afterStep)), busy_(std::move(busy)) {
    pause_.setSingleShot(true);
    connect(&pause_, &QTimer::timeout, this, &ComputerDriver::step);
}

// The turn goes first: it may still ask its strategy, which stops its thread when it goes.
ComputerDriver::~ComputerDriver() { turn_.reset(); }

void ComputerDriver::setSeats(const SeatKinds& seats) {
    turn_.reset();
    pause_.stop();
    stepWaiting_ = false;
    kinds_ = seats;
    for (int k = 1; k <= kMaxPlayers; ++k) {
        auto& strategy = strategies_[std::size_t(k)];
        if (seats[std::size_t(k)] == StrategyKind::Strong)
            strategy = std::make_unique<BackgroundStrong>();
        else
            strategy.reset();
    }
}

void ComputerDriver::requestTurn() {
    pending_ = true;
    QTimer::singleShot(0, this, &ComputerDriver::startPending);
}

void ComputerDriver::resume() {
    if (stepWaiting_) {
        stepWaiting_ = false;
        QTimer::singleShot(0, this, &ComputerDriver::step);
    } else if (pending_ && !turn_) {
        QTimer::singleShot(0, this, &ComputerDriver::startPending);
    }
}

// A new turn is announced from inside the turn before it (the hand-over ends it), and that turn's
// message boxes may still be open: the new one starts only once the old one has returned.
void ComputerDriver::startPending() {
    if (!pending_ || turn_ || stepping_ || busy_()) return;
    pending_ = false;
    const int k = game_.state().NV;
    Strategy* seat = validPlayer(k) ? strategies_[std::size_t(k)].get() : nullptr;
    turn_ = std::make_unique<ComputerTurn>(game_, seat ? *seat : classicStrategy());
    step();
}

void ComputerDriver::step() {
    struct Depth {
        int& depth;
        explicit Depth(int& d, int& deepest) : depth(d) { deepest = std::max(deepest, ++depth); }
        ~Depth() { --depth; }
    } depth(stepDepth_, deepestStep_);
    if (!turn_ || stepping_) return;
    if (busy_()) {
        stepWaiting_ = true;
        return;
    }
    stepping_ = true;
    const std::optional<double> units = turn_->advance();
    stepping_ = false;
    afterStep_();
    if (units) {
        // The speed is read at every pause, so a change applies from the next one.
        pause_.start(fixedPause_ >= 0 ? fixedPause_ : pauseMilliseconds(*units, game_.state().Speed));
        return;
    }
    turn_.reset();
    ++turnsPlayed_;
    emit turnFinished();
    if (pending_) QTimer::singleShot(0, this, &ComputerDriver::startPending);
}

} // namespace tavorin::app
