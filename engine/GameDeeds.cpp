// The deed lists the main window and the bonus show.
#include "engine/Game.h"

#include "engine/Holdings.h"
#include "engine/HoldingsLine.h"

namespace tavorin {

void Game::addDeed(int player, int deed) { transferDeed(s, deed, player); }

// The main window's list is narrower than the holdings window's and marks owned deeds.
std::string Game::DeedListLine(int i) const {
    return HoldingsLine(i, s.deed(i), 15, NumberGap::ThreeColumns, true);
}

std::string Game::BonusLine(int i) const { return HoldingsLine(i, s.deed(i), 20); }

std::vector<std::string> Game::DeedListLines() const {
    std::vector<std::string> lines;
    lines.reserve(kDeeds);
    for (int i = 1; i <= kDeeds; ++i) lines.push_back(DeedListLine(i));
    return lines;
}

std::vector<std::string> Game::BonusListLines() const {
    std::vector<std::string> lines;
    if (!ui.bonusListFilled || !validPlayer(s.NV)) return lines;
    if (s.player(s.NV).DeedCount == 0) {
        lines.emplace_back(kNoDeedLeft);
        return lines;
    }
    for (int d : heldDeeds(s, s.NV)) lines.push_back(BonusLine(d));
    return lines;
}

void Game::ChangeDeedOnBonus() {
    ui.bonusListFilled = true;
    ui.bonusSelection = -1;
}

void Game::ChangeDeedOnMain() {
    ChangeDeedOnBonus();
    view_->deedsChanged();
}

} // namespace tavorin
