// The land frames: buying free land, building on one's own, redeeming it, taking over mortgaged land.
#include "engine/Game.h"

#include "engine/Holdings.h"
#include "engine/Tariff.h"

namespace tavorin {

namespace {
constexpr std::string_view kNotEnoughMoney = "เงินของท่านมีไม่พอชำระ";
} // namespace

bool Game::canPay(std::int64_t cost, std::string_view refusal) {
    if (affords(cost)) return true;
    message(s.player(s.NV).Name, refusal);
    return false;
}

bool Game::buyLand(bool withHouse) {
    const int d = currentDeed();
    if (d == 0) return false;
    const DeedRecord& D = s.deed(d);
    const std::int32_t cost = landPrice(D, withHouse);
    const bool affordable = canPay(cost, kNotEnoughMoney);
    ui[Ctl::CheckFreeLand].checked = false;
    if (!affordable || D.Owner != 0) {
        handOverIfDone();
        return false;
    }
    moveDeed(d, s.NV);
    if (withHouse) setBuildings(d, 1, D.Towers);
    PlayerMoneyChange(s.NV, -cost);
    report({.kind = EventKind::Bought, .player = s.NV, .deed = d, .amount = cost, .houses = D.Houses});
    ChangeDeedOnMain();
    settle(Ctl::FreeLandFrame);
    return true;
}

void Game::declineLand() {
    ui[Ctl::CheckFreeLand].checked = false;
    settle(Ctl::FreeLandFrame);
}

bool Game::buildOne() {
    const int d = currentDeed();
    if (d == 0) return false;
    const DeedRecord& D = s.deed(d);
    const std::int32_t cost = buildingPrice(D);
    if (!canPay(cost, kNotEnoughMoney)) return false;
    if (nextIsTower(D))
        setBuildings(d, D.Houses, 1);
    else
        setBuildings(d, D.Houses + 1, D.Towers);
    PlayerMoneyChange(s.NV, -cost);
    report({.kind = EventKind::Built,
            .player = s.NV,
            .deed = d,
            .amount = cost,
            .houses = D.Towers == 1 ? 5 : D.Houses});
    ChangeDeedOnMain();
    settle(Ctl::OwnSingleLandFrame);
    return true;
}

void Game::leaveOwnLand() {
    const int d = currentDeed();
    if (d != 0 && s.deed(d).Towers == 1) {
        PlayerMoneyChange(s.NV, s.deed(d).Price);
        report({.kind = EventKind::Collected, .player = s.NV, .deed = d, .amount = s.deed(d).Price});
    }
    settle(Ctl::OwnSingleLandFrame);
}

bool Game::redeemLand() {
    const int d = currentDeed();
    if (d == 0) return false;
    const std::int32_t cost = mortgageValue(s.deed(d));
    if (!canPay(cost, "ท่านมีเงินไม่เพียงพอที่จะชำระ")) return false;
    setMortgaged(d, false);
    PlayerMoneyChange(s.NV, -cost);
    report({.kind = EventKind::Redeemed, .player = s.NV, .deed = d, .amount = cost});
    ChangeDeedOnMain();
    return true;
}

bool Game::redeemOwnLand() {
    if (!redeemLand()) return false;
    settle(Ctl::OwnMortgageLandFrame);
    return true;
}

bool Game::takeOver() {
    const int d = currentDeed();
    if (d == 0) return false;
    const DeedRecord& D = s.deed(d);
    const std::int32_t cost = takeOverPrice(D);
    if (!canPay(cost, kNotEnoughMoney)) return false;
    const int previousOwner = D.Owner;
    moveDeed(d, s.NV);
    setMortgaged(d, false);
    PlayerMoneyChange(s.NV, -cost);
    report({.kind = EventKind::TookOver, .player = s.NV, .deed = d, .amount = cost, .other = previousOwner});
    // A takeover may follow a shortage on this frame's fee: it settles the frame like a payment does,
    // so the shortage state must end with it.
    s.checkdiscount = kFalse;
    enablePlayerButtons(true);
    SetFailPlayerButton();
    ChangeDeedOnMain();
    settle(Ctl::NotOwnMortgageLandFrame);
    return true;
}

void Game::CheckFreeLand_Click(bool checked) {
    if (frameOpen(Ctl::FreeLandFrame) && screen()[Ctl::CheckFreeLand].enabled)
        ui[Ctl::CheckFreeLand].checked = checked;
}

void Game::OKButtonInFreeLand_Click() {
    if (frameOpen(Ctl::FreeLandFrame) && screen()[Ctl::OKButtonInFreeLand].enabled)
        buyLand(screen()[Ctl::CheckFreeLand].checked);
}

void Game::CancelButtonInFreeLand_Click() {
    if (frameOpen(Ctl::FreeLandFrame) && screen()[Ctl::CancelButtonInFreeLand].enabled) declineLand();
}

void Game::OKButtonInOwnSingleLand_Click() {
    const int d = currentDeed();
    if (frameOpen(Ctl::OwnSingleLandFrame) && screen()[Ctl::OKButtonInOwnSingleLand].enabled &&
        screen()[Ctl::OKButtonInOwnSingleLand].visible && d != 0 && s.deed(d).Towers == 0)
        buildOne();
}

void Game::CancelButtonInOwnSingleLand_Click() {
    if (frameOpen(Ctl::OwnSingleLandFrame) && screen()[Ctl::CancelButtonInOwnSingleLand].enabled &&
        currentDeed() != 0)
        leaveOwnLand();
}

void Game::OKButtonInOwnNotSingleLand_Click() {
    if (frameOpen(Ctl::OwnNotSingleLandFrame) && screen()[Ctl::OKButtonInOwnNotSingleLand].enabled)
        settle(Ctl::OwnNotSingleLandFrame);
}

void Game::OKButtonInOwnMortgageLand_Click() {
    if (frameOpen(Ctl::OwnMortgageLandFrame) && screen()[Ctl::OKButtonInOwnMortgageLand].enabled)
        redeemOwnLand();
}

void Game::CancelButtonInOwnMortgageLand_Click() {
    if (frameOpen(Ctl::OwnMortgageLandFrame) && screen()[Ctl::CancelButtonInOwnMortgageLand].enabled)
        settle(Ctl::OwnMortgageLandFrame);
}

void Game::TakeOverButton_Click() {
    if (frameOpen(Ctl::NotOwnMortgageLandFrame) && screen()[Ctl::TakeOverButton].enabled) takeOver();
}

} // namespace tavorin
