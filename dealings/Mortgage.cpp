#include "dealings/Mortgage.h"

#include "engine/Holdings.h"
#include "engine/Text.h"

namespace tavorin {

namespace {

// The held deeds of `player` in the order of `Deeds` that pass `keep`.
template <class Keep> std::vector<DeedLine> heldLines(const GameState& s, int player, Keep keep) {
    std::vector<DeedLine> lines;
    for (int d : heldDeeds(s, player))
        if (keep(s.deed(d))) lines.push_back(mortgageLine(s, d));
    return lines;
}

bool heldBy(const GameState& s, int player, int deed) {
    return validPlayer(player) && validDeed(deed) && s.deed(deed).Owner == player;
}
} // namespace

DeedLine mortgageLine(const GameState& s, int deed) {
    const DeedRecord& D = s.deed(deed);
    return {.deed = deed,
            .name = D.Name,
            .mark = D.Mortgaged == kTrue ? DeedMark::Mortgaged : DeedMark::None,
            .gap = NumberGap::OneSpace};
}

// ------------------------------------------------------------------ MORTGAGE

void MortgageWindow::MortgageShow(int p) {
    const GameState& s = game_->state();
    player = p;
    visible = true;
    caption = validPlayer(p) ? s.player(p).Name : std::string();
    DeedList2.clear();
    selected = -1;
    money = validPlayer(p) ? s.player(p).Money : 0;
    totalmoney = money;
    totalsell = 0;
    DeedList1 = heldLines(s, p, [](const DeedRecord& d) { return d.Houses == 0; });
}

void MortgageWindow::select(int index) {
    selected = (index >= 0 && index < int(DeedList1.size())) ? index : -1;
}

void MortgageWindow::PressTransButtonInMortgage() {
    if (selected < 0 || selected >= int(DeedList1.size())) return;
    const DeedLine& line = DeedList1[std::size_t(selected)];
    if (line.mortgaged()) {
        game_->message(game_->playerName(player), kAlreadyMortgaged);
        return;
    }
    totalsell += mortgageValue(game_->state().deed(line.deed));
    totalmoney = money + totalsell;
    DeedList2.push_back(line);
    DeedList1.erase(DeedList1.begin() + selected);
    selected = -1;
}

void MortgageWindow::ChangeMortgagestatusOnPlayerFromMortgage() {
    const GameState& s = game_->state();
    // Pays for what is actually pledged: a deed that has meanwhile left the player, or been pledged
    // or built on, is skipped rather than paid for.
    std::int64_t paid = 0;
    for (const DeedLine& line : DeedList2) {
        if (!heldBy(s, player, line.deed)) continue;
        const DeedRecord& d = s.deed(line.deed);
        if (d.Mortgaged == kTrue || d.Houses != 0) continue;
        paid += game_->mortgageDeed(player, line.deed);
    }
    game_->PlayerMoneyChange(player, std::int32_t(paid));
    game_->ChangeDeedOnMain();
    visible = false;
}

// ------------------------------------------------------------------ REDEEM

void RedeemWindow::RedeemShow(int p) {
    const GameState& s = game_->state();
    player = p;
    visible = true;
    caption = "รายละเอียดการไถ่จำนองของ " + (validPlayer(p) ? s.player(p).Name : std::string());
    Money = validPlayer(p) ? s.player(p).Money : 0;
    totalMoney = Money;
    PaidMoney = ChargeMoney = TotalPaid = 0;
    DeedList2.clear();
    selected = -1;
    DeedList1 = heldLines(s, p, [](const DeedRecord& d) { return d.Mortgaged == kTrue; });
}

void RedeemWindow::select(int index) {
    selected = (index >= 0 && index < int(DeedList1.size())) ? index : -1;
}

void RedeemWindow::PressTransButtonInRedeem() {
    if (selected < 0 || selected >= int(DeedList1.size())) return;
    const DeedLine& line = DeedList1[std::size_t(selected)];
    // The test is against the cash shown, so all chosen deeds together, fee included, stay payable.
    const std::int64_t paid = PaidMoney + mortgageValue(game_->state().deed(line.deed));
    if (Money - (paid + redemptionFee(paid)) < 0) {
        game_->message(game_->playerName(player), kCannotAffordRedeem);
        return;
    }
    DeedLine moved = line;
    if (moved.mortgaged()) moved.mark = DeedMark::Redeeming;
    DeedList2.push_back(std::move(moved));
    PaidMoney = paid;
    ChargeMoney = redemptionFee(PaidMoney);
    TotalPaid = PaidMoney + ChargeMoney;
    totalMoney = Money - TotalPaid;
    DeedList1.erase(DeedList1.begin() + selected);
    selected = -1;
}

bool RedeemWindow::ChangeMortgagestatusOnPlayerFromRedeem() {
    const GameState& s = game_->state();
    std::int64_t values = 0;
    for (const DeedLine& line : DeedList2)
        if (heldBy(s, player, line.deed) && s.deed(line.deed).Mortgaged == kTrue)
            values += mortgageValue(s.deed(line.deed));
    const std::int64_t cost = values + redemptionFee(values);
    // The choice was checked against the cash when the window opened; cash never goes below zero.
    if (validPlayer(player) && s.player(player).Money < cost) {
        game_->message(game_->playerName(player), kCannotAffordRedeem);
        return false;
    }
    for (const DeedLine& line : DeedList2) {
        if (!heldBy(s, player, line.deed) || s.deed(line.deed).Mortgaged != kTrue) continue;
        game_->redeemDeed(player, line.deed);
    }
    if (cost != values)
        game_->report({.kind = EventKind::Paid,
                       .player = player,
                       .amount = -std::int32_t(cost - values),
                       .what = Charge::RedemptionFee});
    game_->PlayerMoneyChange(player, -std::int32_t(cost));
    game_->ChangeDeedOnMain();
    visible = false;
    return true;
}

} // namespace tavorin
