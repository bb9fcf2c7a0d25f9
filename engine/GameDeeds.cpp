// The deed lists the main window and the bonus show.
#include "engine/Game.h"

#include "engine/Holdings.h"

namespace tavorin {

void Game::addDeed(int player, int deed) { moveDeed(deed, player); }

// The deed lists may show any change of a deed, so they count every call; the board only a real change.
void Game::moveDeed(int deed, int to) {
    listsChanged();
    const int owner = validDeed(deed) ? s.deed(deed).Owner : 0;
    if (transferDeed(s, deed, to) && s.deed(deed).Owner != owner) groundChanged();
}

void Game::setBuildings(int deed, int houses, int towers) {
    listsChanged();
    DeedRecord& D = s.deed(deed);
    if (D.Houses == houses && D.Towers == towers) return;
    D.Houses = std::int16_t(houses);
    D.Towers = std::int16_t(towers);
    groundChanged();
}

void Game::setMortgaged(int deed, bool mortgaged) {
    listsChanged();
    const std::int16_t flag = mortgaged ? kTrue : kFalse;
    if (s.deed(deed).Mortgaged == flag) return;
    s.deed(deed).Mortgaged = flag;
    groundChanged();
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
