// The deed lists the main window and the bonus show.
#include "engine/Game.h"

#include "engine/Holdings.h"

namespace tavorin {

void Game::addDeed(int player, int deed) {
    transferDeed(s, deed, player);
    listsChanged();
}

// The main window's list is narrower than the holdings window's and marks owned deeds.
DeedLine Game::DeedListLine(int i) const {
    return HoldingsLine(i, s.deed(i), 15, NumberGap::ThreeColumns, true);
}

DeedLine Game::BonusLine(int i) const { return HoldingsLine(i, s.deed(i), 20); }

std::vector<DeedLine> Game::DeedListLines() const {
    std::vector<DeedLine> lines;
    lines.reserve(kDeeds);
    for (int i = 1; i <= kDeeds; ++i) lines.push_back(DeedListLine(i));
    return lines;
}

std::vector<DeedLine> Game::BonusListLines() const {
    std::vector<DeedLine> lines;
    if (!ui.bonusListFilled || !validPlayer(s.NV)) return lines;
    if (s.player(s.NV).DeedCount == 0) {
        lines.push_back(plainLine(kNoDeedLeft));
        return lines;
    }
    for (int d : heldDeeds(s, s.NV)) lines.push_back(BonusLine(d));
    return lines;
}

void Game::ChangeDeedOnBonus() {
    listsChanged();
    ui.bonusListFilled = true;
    ui.bonusSelection = -1;
}

void Game::ChangeDeedOnMain() {
    ChangeDeedOnBonus();
    view_->deedsChanged();
}

} // namespace tavorin
