#include "computer/ComputerTurn.h"

#include <string>

#include "computer/ComSteps.h"
#include "computer/ComputerDecisions.h"
#include "engine/Money.h"
#include "engine/Text.h"

namespace tavorin {

namespace {
constexpr double kPrepare = 1.5, kRollStep = 0.025, kMove = 1.0, kPoint = 1.0, kPlace = 1.5;
constexpr double kThinkFirst = 0.5, kThinkStep = 0.03;
constexpr int kSteps = 50;
constexpr double kOver = -1.0;
// play() drops the faces of all but the last two steps of the dice in one go: the generator skips
// that many draws in one jump.
static_assert(2 * (kSteps - 2) == SeededRandom::kJump);

// The bar moves every fifth of the fifty steps and is full at the last: after steps first..last it
// stands at the last fifth among them, if any.
void showProgress(Game& g, int first, int last) {
    const int fifth = last - last % 5;
    if (fifth >= first) g.showComputerProgress(40 * fifth);
}
} // namespace

ComputerTurn::ComputerTurn(Game& game, Strategy& strategy) : g_(game), strategy_(strategy) {}

void ComputerTurn::finishDecision(Game& g, Ctl frame, Strategy& strategy) {
    com::decide(g, frame, strategy);
    g.computerAnswered(frame);
}

double ComputerTurn::step() {
    const GameState& s = g_.state();
    switch (stage_) {
    case Stage::Prepare:
        if (s.gameOver || s.NV < 1 || s.NV > kMaxPlayers || s.player(s.NV).IsComputer != kTrue) {
            stage_ = Stage::Done;
            return kOver;
        }
        player_ = s.NV;
        g_.startComputerTurn();
        stage_ = Stage::RollStart;
        return kPrepare;
    case Stage::RollStart:
        g_.showComputerStatus("คอมพิวเตอร์ทอยลูกเต๋า", true);
        step_ = 0;
        stage_ = Stage::Rolling;
        return kRollStep;
    case Stage::Rolling:
        roll(step_ + 1);
        if (step_ < kSteps) return kRollStep;
        g_.hideComputerStatus();
        g_.moveComputer(player_);
        stage_ = Stage::Moved;
        return kMove;
    case Stage::Moved:
        g_.showMoveOnBoard();
        stage_ = Stage::Pointing;
        return kPoint;
    case Stage::Pointing:
        g_.putComputerToken(player_);
        if (s.LoopFinish) strategy_.startThinking(g_, Ctl::BonusFrame);
        stage_ = Stage::Placed;
        return kPlace;
    case Stage::Placed:
        if (!s.tokenDue()) {
            stage_ = Stage::Done;
            return kOver;
        }
        if (s.LoopFinish) {
            // The bonus is chosen before the square is looked at, a card drawn or a frame opened.
            if (!strategy_.ready()) {
                if (s.Speed <= Game::speedOfOption(1)) strategy_.hurry();
                return kThinkStep;
            }
            bonus_ = strategy_.lapBonus(g_);
        }
        g_.reportComputerSquare(player_);
        return resolve();
    case Stage::Thinking:
        if (step_ < kSteps) {
            think(step_ + 1);
            return kThinkStep;
        }
        if (!strategy_.ready()) {
            // A strategy still weighing holds the bar full a little longer; at the fastest speed it
            // is told to decide with what it has.
            if (s.Speed <= Game::speedOfOption(1)) strategy_.hurry();
            return kThinkStep;
        }
        g_.clearComputerStatus();
        finishDecision(g_, frame_, strategy_);
        stage_ = Stage::Done;
        return kOver;
    case Stage::Done: return kOver;
    }
    return kOver;
}

void ComputerTurn::playFromPlacing(Game& g, Strategy& strategy) {
    ComputerTurn turn(g, strategy);
    turn.player_ = g.state().NV;
    turn.stage_ = Stage::Placed;
    turn.play();
}

void ComputerTurn::roll(int upTo) {
    if (upTo <= step_) return;
    // Every step shows two new faces, each hiding the last: only the last step's are ever seen.
    g_.discardDraws(2 * (upTo - step_ - 1), 1, 6);
    g_.Timer1_Timer();
    g_.Timer2_Timer();
    showProgress(g_, step_ + 1, upTo);
    step_ = upTo;
}

void ComputerTurn::think(int upTo) {
    if (upTo <= step_) return;
    showProgress(g_, step_, upTo - 1);
    step_ = upTo;
}

void ComputerTurn::play() {
    for (;;) {
        // All but the last step of the dice and of the thinking without returning in between; the last
        // one also ends its stage, and step() takes it.
        if (stage_ == Stage::Rolling)
            roll(kSteps - 1);
        else if (stage_ == Stage::Thinking)
            think(kSteps);
        if (step() < 0) return;
    }
}

// The computer's counterpart of a person's landing: the bonus first, then the square's frame shown
// with its buttons locked while the computer thinks.
double ComputerTurn::resolve() {
    Game& g = g_;
    g.beginLanding();
    if (g.state().LoopFinish) {
        g.armComputerBonus();
        com::takeBonus(g, bonus_);
    }
    frame_ = g.openSquareFrame(Player::Computer);
    if (frame_ == Ctl::None) {
        g.computerAnswered(Ctl::None);
        stage_ = Stage::Done;
        return kOver;
    }
    g.lockFrame(frame_);
    strategy_.startThinking(g, frame_);
    // ComThinking: the status line and an empty bar, then the pauses.
    g.showComputerStatus("คอมพิวเตอร์กำลังคิด...", true);
    step_ = 0;
    stage_ = Stage::Thinking;
    return kThinkFirst;
}

} // namespace tavorin
