#include "computer/ComputerTurn.h"

#include <array>
#include <initializer_list>
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

// The bar moves every fifth of the fifty steps and is full at the last: after steps first..last it
// stands at the last fifth among them, if any.
void showProgress(MainScreen& ui, int first, int last) {
    const int fifth = last - last % 5;
    if (fifth >= first) ui[Ctl::BarComThinking].value = 40 * fifth;
}

struct ButtonSet {
    std::array<Ctl, 4> items{};
    std::size_t count = 0;
    ButtonSet() = default;
    ButtonSet(std::initializer_list<Ctl> list) {
        for (Ctl c : list) items[count++] = c;
    }
    const Ctl* begin() const { return items.data(); }
    const Ctl* end() const { return items.data() + count; }
};

// The buttons each frame has disabled while the computer decides.
ButtonSet lockedButtons(Ctl frame) {
    switch (frame) {
    case Ctl::TreasureFrame: return {Ctl::OkButtonInTreasure};
    case Ctl::FateFrame: return {Ctl::OKButtonInFate};
    case Ctl::TaxFrame: return {Ctl::OKButtonInTaxFrame};
    case Ctl::DishonestFrame: return {Ctl::OKButtonInDishonestFrame};
    case Ctl::RelaxFrame: return {Ctl::OKButtonInRelaxFrame};
    case Ctl::StartFrame: return {Ctl::OKButtonInStart};
    case Ctl::FirstFrame: return {Ctl::OKButtonInFirst};
    case Ctl::FreeLandFrame:
        return {Ctl::CheckFreeLand, Ctl::ViewDeed7, Ctl::OKButtonInFreeLand, Ctl::CancelButtonInFreeLand};
    case Ctl::NotOwnMortgageLandFrame: return {Ctl::OKButtonInNotOwnMortgageLand, Ctl::TakeOverButton};
    case Ctl::OwnSingleLandFrame: return {Ctl::OKButtonInOwnSingleLand, Ctl::CancelButtonInOwnSingleLand};
    case Ctl::OwnNotSingleLandFrame: return {Ctl::OKButtonInOwnNotSingleLand};
    case Ctl::NotOwnSingleLandFrame: return {Ctl::OKButtonInNotOwnSingleLand};
    case Ctl::NotOwnNotSingleLandFrame: return {Ctl::OKButtonInNotOwnNotSingleLand};
    default: return {};
    }
}
} // namespace

ComputerTurn::ComputerTurn(Game& game, Strategy& strategy) : g_(game), strategy_(strategy) {}

void ComputerTurn::finishDecision(Game& g, Ctl frame, Strategy& strategy) {
    com::decide(g, frame, strategy);
    for (Ctl c : lockedButtons(frame)) g.ui[c].enabled = true;
    g.s.FirstProcess = "N";
}

double ComputerTurn::step() {
    MainScreen& ui = g_.ui;
    GameState& s = g_.s;
    switch (stage_) {
    case Stage::Prepare:
        if (s.gameOver || s.NV < 1 || s.NV > kMaxPlayers || s.player(s.NV).IsComputer != kTrue) {
            stage_ = Stage::Done;
            return kOver;
        }
        player_ = s.NV;
        g_.board.arrow2.visible = false;
        ui[Ctl::RunButton].enabled = false;
        ui[Ctl::StopButton].enabled = false;
        ui[Ctl::SaveButton].enabled = false;
        g_.setLabel(Ctl::LabelComThinking, "คอมพิวเตอร์กำลังเตรียม...");
        ui[Ctl::LabelComThinking].visible = true;
        stage_ = Stage::RollStart;
        return kPrepare;
    case Stage::RollStart:
        ui[Ctl::BarComThinking].value = 0;
        ui[Ctl::BarComThinking].visible = true;
        g_.setLabel(Ctl::LabelComThinking, "คอมพิวเตอร์ทอยลูกเต๋า");
        step_ = 0;
        stage_ = Stage::Rolling;
        return kRollStep;
    case Stage::Rolling:
        roll(step_ + 1);
        if (step_ < kSteps) return kRollStep;
        ui[Ctl::BarComThinking].visible = false;
        ui[Ctl::LabelComThinking].visible = false;
        g_.showRollText();
        g_.applyMove(player_);
        s.FirstProcess = "Y";
        stage_ = Stage::Moved;
        return kMove;
    case Stage::Moved:
        g_.board.visible = true;
        g_.SetArrowPictureOnMap();
        g_.view().showWindow(GameWindow::Board);
        stage_ = Stage::Pointing;
        return kPoint;
    case Stage::Pointing:
        g_.board.arrow1.visible = false;
        r1_ = g_.rdm(1, 10);
        r2_ = g_.rdm(1, 10);
        g_.placeTokenInSquare(player_, s.player(player_).Position, r1_, r2_);
        g_.board.arrow2.visible = true;
        if (s.LoopFinish == "True") strategy_.startThinking(g_, Ctl::BonusFrame);
        stage_ = Stage::Placed;
        return kPlace;
    case Stage::Placed:
        if (s.FirstProcess != "Y") {
            stage_ = Stage::Done;
            return kOver;
        }
        if (s.LoopFinish == "True") {
            // The bonus is chosen before the square is looked at, a card drawn or a frame opened.
            if (!strategy_.ready()) {
                if (s.Speed <= Game::speedOfOption(1)) strategy_.hurry();
                return kThinkStep;
            }
            bonus_ = strategy_.lapBonus(g_);
        }
        ui.visible = true;
        g_.view().showWindow(GameWindow::Main);
        g_.ReportSquare(s.player(player_).Position);
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
        g_.setLabel(Ctl::LabelComThinking, "");
        ui[Ctl::LabelComThinking].visible = false;
        ui[Ctl::BarComThinking].value = 0;
        ui[Ctl::BarComThinking].visible = false;
        finishDecision(g_, frame_, strategy_);
        stage_ = Stage::Done;
        return kOver;
    case Stage::Done: return kOver;
    }
    return kOver;
}

void ComputerTurn::playFromPlacing(Game& g, Strategy& strategy) {
    ComputerTurn turn(g, strategy);
    turn.player_ = g.s.NV;
    turn.stage_ = Stage::Placed;
    turn.play();
}

void ComputerTurn::roll(int upTo) {
    if (upTo <= step_) return;
    // Every step shows two new faces, each hiding the last: only the last step's are ever seen.
    g_.discardDraws(2 * (upTo - step_ - 1), 1, 6);
    g_.s.CubeValue1 = std::uint8_t(g_.rdm(1, 6));
    g_.s.CubeValue2 = std::uint8_t(g_.rdm(1, 6));
    showProgress(g_.ui, step_ + 1, upTo);
    step_ = upTo;
}

void ComputerTurn::think(int upTo) {
    if (upTo <= step_) return;
    showProgress(g_.ui, step_, upTo - 1);
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
    GameState& s = g.s;
    MainScreen& ui = g.ui;
    g.board.timersRunning = false;
    g.board.arrow2.visible = false;
    ++s.Continue;
    if (s.LoopFinish == "True") {
        ++s.Continue;
        g.armBonusLook();
        ui[Ctl::OKButtonInBonus].enabled = false;
        ui[Ctl::LabelBonus].enabled = false;
        com::takeBonus(g, bonus_);
    }
    frame_ = g.openSquareFrame(Player::Computer);
    if (frame_ == Ctl::None) {
        s.FirstProcess = "N";
        stage_ = Stage::Done;
        return kOver;
    }
    if (frame_ == Ctl::FreeLandFrame) ui[Ctl::CheckFreeLand].checked = false;
    for (Ctl c : lockedButtons(frame_)) ui[c].enabled = false;
    strategy_.startThinking(g, frame_);
    // ComThinking: the status line and an empty bar, then the pauses.
    g.setLabel(Ctl::LabelComThinking, "คอมพิวเตอร์กำลังคิด...");
    ui[Ctl::LabelComThinking].visible = true;
    ui[Ctl::BarComThinking].value = 0;
    ui[Ctl::BarComThinking].visible = true;
    step_ = 0;
    stage_ = Stage::Thinking;
    return kThinkFirst;
}

} // namespace tavorin
