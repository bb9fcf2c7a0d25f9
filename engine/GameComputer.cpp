// The computer's turn as the main window and the board show it: its status line and bar, its dice, its
// token put down and its frame locked while it thinks. What it decides goes through the rule operations.
#include "engine/Game.h"

#include <initializer_list>

#include "engine/Decks.h"

namespace tavorin {

namespace {
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

void Game::lockTurnButtons() {
    for (Ctl c : {Ctl::RunButton, Ctl::StopButton, Ctl::SaveButton}) ui[c].enabled = false;
}

void Game::showComputerStatus(std::string_view text, bool withBar) {
    setLabel(Ctl::LabelComThinking, text);
    ui[Ctl::LabelComThinking].visible = true;
    if (!withBar) return;
    ui[Ctl::BarComThinking].value = 0;
    ui[Ctl::BarComThinking].visible = true;
}

void Game::hideComputerStatus() {
    ui[Ctl::BarComThinking].visible = false;
    ui[Ctl::LabelComThinking].visible = false;
}

void Game::clearComputerStatus() {
    setLabel(Ctl::LabelComThinking, "");
    ui[Ctl::BarComThinking].value = 0;
    hideComputerStatus();
}

void Game::startComputerTurn() {
    showPointer(&BoardScreen::arrow2, false);
    lockTurnButtons();
    showComputerStatus("คอมพิวเตอร์กำลังเตรียม...", false);
}

void Game::moveComputer(int player) {
    showRollText();
    applyMove(player);
    s.setTokenDue(true);
}

void Game::showMoveOnBoard() {
    board.visible = true;
    SetArrowPictureOnMap();
    view_->showWindow(GameWindow::Board);
}

void Game::putComputerToken(int player) {
    showPointer(&BoardScreen::arrow1, false);
    const int r1 = rdm(1, 10);
    const int r2 = rdm(1, 10);
    placeTokenInSquare(player, s.player(player).Position, r1, r2);
    showPointer(&BoardScreen::arrow2, true);
}

void Game::reportComputerSquare(int player) {
    ui.visible = true;
    view_->showWindow(GameWindow::Main);
    ReportSquare(s.player(player).Position);
}

void Game::armComputerBonus() {
    ++s.Continue;
    armBonusLook();
    ui[Ctl::OKButtonInBonus].enabled = false;
    ui[Ctl::LabelBonus].enabled = false;
}

void Game::lockFrame(Ctl frame) {
    if (frame == Ctl::FreeLandFrame) ui[Ctl::CheckFreeLand].checked = false;
    for (Ctl c : lockedButtons(frame)) ui[c].enabled = false;
}

void Game::computerAnswered(Ctl frame) {
    for (Ctl c : lockedButtons(frame)) ui[c].enabled = true;
    s.setTokenDue(false);
}

void Game::seatComputersEverywhere() {
    for (int k = 1; k <= s.NumOfPlayer; ++k) s.player(k).IsComputer = kTrue;
}

void Game::hideUndrawnCards() {
    reshuffleUndrawn(s, *random_, Deck::Treasure);
    reshuffleUndrawn(s, *random_, Deck::Fate);
}

} // namespace tavorin
