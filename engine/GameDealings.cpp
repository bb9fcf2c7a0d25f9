// What the holdings windows and the computer's fund raising change: pledges, buildings and land sold to
// the bank. The windows check a deal before they apply it; these only carry it out and report it.
#include "engine/Game.h"

#include "engine/Holdings.h"
#include "engine/Tariff.h"

namespace tavorin {

std::int32_t Game::mortgageDeed(int player, int deed) {
    setMortgaged(deed, true);
    const std::int32_t value = mortgageValue(s.deed(deed));
    report({.kind = EventKind::Mortgaged, .player = player, .deed = deed, .amount = value});
    return value;
}

void Game::redeemDeed(int player, int deed) {
    setMortgaged(deed, false);
    report(
        {.kind = EventKind::Redeemed, .player = player, .deed = deed, .amount = mortgageValue(s.deed(deed))});
}

void Game::sellBuildingsToBank(int deed, int houses, int towers) { setBuildings(deed, houses, towers); }

void Game::sellLandToBank(int deed) {
    moveDeed(deed, 0);
    setBuildings(deed, 0, 0);
}

void Game::sellPieceToBank(int player, int deed) {
    const DeedRecord& D = s.deed(deed);
    const PieceSale sale = pieceSale(D);
    PlayerMoneyChange(player, sale.value);
    report({.kind = EventKind::Sold,
            .player = player,
            .deed = deed,
            .amount = sale.value,
            .houses = sale.piece == Piece::Tower   ? 5
                      : sale.piece == Piece::House ? 1
                                                   : 0});
    if (sale.piece == Piece::Tower) {
        setBuildings(deed, D.Houses, 0);
    } else if (sale.piece == Piece::House) {
        setBuildings(deed, D.Houses - 1, D.Towers);
    } else {
        moveDeed(deed, 0);
        // Land sold back to the bank comes back free of its pledge, as it does on a bankruptcy;
        // otherwise the next buyer would pay full price for land the bank still holds.
        setMortgaged(deed, false);
    }
    ChangeDeedOnMain();
}

} // namespace tavorin
