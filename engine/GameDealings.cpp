// What the holdings windows and the computer's fund raising change: pledges, buildings and land sold to
// the bank. The windows check a deal before they apply it; these only carry it out and report it.
#include "engine/Game.h"

#include "engine/Holdings.h"
#include "engine/Tariff.h"

namespace tavorin {

std::int32_t Game::mortgageDeed(int player, int deed) {
    DeedRecord& d = s.deed(deed);
    d.Mortgaged = kTrue;
    listsChanged();
    const std::int32_t value = mortgageValue(d);
    report({.kind = EventKind::Mortgaged, .player = player, .deed = deed, .amount = value});
    return value;
}

void Game::redeemDeed(int player, int deed) {
    DeedRecord& d = s.deed(deed);
    d.Mortgaged = kFalse;
    listsChanged();
    report({.kind = EventKind::Redeemed, .player = player, .deed = deed, .amount = mortgageValue(d)});
}

void Game::sellBuildingsToBank(int deed, int houses, int towers) {
    DeedRecord& d = s.deed(deed);
    d.Houses = std::int16_t(houses);
    d.Towers = std::int16_t(towers);
    listsChanged();
}

void Game::sellLandToBank(int deed) {
    transferDeed(s, deed, 0);
    sellBuildingsToBank(deed, 0, 0);
}

void Game::sellPieceToBank(int player, int deed) {
    DeedRecord& D = s.deed(deed);
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
        D.Towers = 0;
    } else if (sale.piece == Piece::House) {
        --D.Houses;
    } else {
        transferDeed(s, deed, 0);
        // Land sold back to the bank comes back free of its pledge, as it does on a bankruptcy;
        // otherwise the next buyer would pay full price for land the bank still holds.
        D.Mortgaged = kFalse;
    }
    ChangeDeedOnMain();
}

} // namespace tavorin
