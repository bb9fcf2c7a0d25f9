#include "dealings/BankSale.h"

#include "engine/Holdings.h"
#include "engine/Money.h"
#include "engine/Text.h"

namespace tavorin {

namespace {

std::string oneBuilding(std::string_view kind, std::int64_t price) {
    std::string text(kind);
    text += "  ";
    appendNumber(text, price);
    text += " หนึ่งหลัง";
    return text;
}
} // namespace

void BankSaleWindow::SellbankShow(int p) {
    const GameState& s = game_->state();
    player = p;
    caption = "รายละเอียดการขายให้ธนาคารของ  " + (validPlayer(p) ? s.player(p).Name : std::string());
    money = validPlayer(p) ? s.player(p).Money : 0;
    DeedList1.clear();
    DeedList2.clear();
    DeedList3.clear();
    selected = -1;
    moneyland = moneybuild = 0;
    for (int d : heldDeeds(s, p)) DeedList1.push_back(HoldingsLine(d, s.deed(d), kBankSaleWidth));
    game_->fixSaleTax(saleTaxPercent(s));
    VATPercent = s.vat;
    recompute();
}

void BankSaleWindow::select(int index) {
    selected = (index >= 0 && index < int(DeedList1.size())) ? index : -1;
}

void BankSaleWindow::recompute() {
    const std::int64_t gross = moneybuild + moneyland;
    vat = percentOf(gross, VATPercent);
    moneysell = percentOf(gross, 100 - VATPercent);
    totalmoney = money + moneysell;
}

void BankSaleWindow::PressTransButtonInSellBank() {
    if (selected < 0 || selected >= int(DeedList1.size())) return;
    DeedLine& line = DeedList1[std::size_t(selected)];
    if (line.mortgaged()) {
        game_->message(game_->playerName(player), kMortgagedCannotSell);
        return;
    }
    const DeedRecord& D = game_->state().deed(line.deed);
    if (line.houses != 0 && line.towers == 1) {
        DeedList3.push_back(oneBuilding("ตึก", D.TowerPrice));
        moneybuild += D.TowerPrice;
        line.towers = 0;
    } else if (line.houses != 0) {
        DeedList3.push_back(oneBuilding("บ้าน", D.HousePrice));
        moneybuild += D.HousePrice;
        --line.houses;
        line.towers = 0;
    } else {
        DeedList2.push_back(line);
        moneyland += D.Price;
        DeedList1.erase(DeedList1.begin() + selected);
    }
    // The line is replaced where it stands, and the list loses its selection: every further item
    // needs a new choice.
    selected = -1;
    recompute();
}

namespace {
// Reports the buildings of `deed` that go from what stands to `houses` and `towers`, one event each;
// returns what the bank pays for them before the tax.
std::int64_t reportBuildingsSold(Game& game, int player, int deed, int houses, int towers) {
    const DeedRecord& D = game.state().deed(deed);
    std::int64_t gross = 0;
    for (int t = D.Towers; t > towers; --t) {
        game.report(
            {.kind = EventKind::Sold, .player = player, .deed = deed, .amount = D.TowerPrice, .houses = 5});
        gross += D.TowerPrice;
    }
    for (int h = D.Houses; h > houses; --h) {
        game.report(
            {.kind = EventKind::Sold, .player = player, .deed = deed, .amount = D.HousePrice, .houses = 1});
        gross += D.HousePrice;
    }
    return gross;
}
} // namespace

void BankSaleWindow::ChangeDeedOnPlayerFromSellBankForm() {
    const GameState& s = game_->state();
    // Only what this window sold is changed: a deed that has left the player meanwhile is left to
    // its new owner.
    auto held = [&](int d) { return validPlayer(player) && validDeed(d) && s.deed(d).Owner == player; };
    std::int64_t gross = 0;
    for (const DeedLine& line : DeedList1) {
        if (!held(line.deed)) continue;
        const int towers = line.houses != 0 ? line.towers : 0;
        gross += reportBuildingsSold(*game_, player, line.deed, line.houses, towers);
        game_->sellBuildingsToBank(line.deed, line.houses, towers);
    }
    for (const DeedLine& land : DeedList2) {
        if (!held(land.deed)) continue;
        gross += reportBuildingsSold(*game_, player, land.deed, 0, 0);
        game_->report({.kind = EventKind::Sold,
                       .player = player,
                       .deed = land.deed,
                       .amount = s.deed(land.deed).Price});
        gross += s.deed(land.deed).Price;
        game_->sellLandToBank(land.deed);
    }
    // The bank pays for what it received: a chosen deed that changed hands meanwhile is not paid
    // for twice.
    const std::int64_t paid = percentOf(gross, 100 - VATPercent);
    if (gross != paid)
        game_->report({.kind = EventKind::Paid,
                       .player = player,
                       .amount = std::int32_t(paid - gross),
                       .what = Charge::SaleTax});
    game_->PlayerMoneyChange(player, std::int32_t(paid));
    game_->ChangeDeedOnMain();
    visible = false;
}

} // namespace tavorin
