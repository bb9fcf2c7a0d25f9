#include "dealings/PlayerPanel.h"

#include "engine/Holdings.h"
#include "engine/Text.h"

namespace tavorin {

void fillPlayerForm(PlayerFormModel& form, const GameState& s, int player) {
    form.PDeedList.clear();
    if (!validPlayer(player)) return;
    const PlayerRecord& p = s.player(player);
    form.caption = "รายละเอียดของ " + p.Name;
    form.Pname = p.Name;
    form.Pmoney = numberText(p.Money);
    bool anyMortgaged = false;
    for (int d : heldDeeds(s, player)) {
        form.PDeedList.push_back(HoldingsLine(d, s.deed(d), kHoldingsWidth));
        anyMortgaged = anyMortgaged || s.deed(d).Mortgaged == kTrue;
    }
    if (!form.PDeedList.empty()) {
        form.RedeemButton = anyMortgaged;
        form.SellButton = true;
    } else {
        form.PDeedList.push_back(plainLine(kNoDeedsLeft));
        form.RedeemButton = false;
        form.SellButton = false;
    }
}

void fillSellForm(SellFormModel& form, const GameState& s, int player) {
    if (!validPlayer(player)) return;
    const PlayerRecord& p = s.player(player);
    form.caption = "รายละเอียดการขายของ   " + p.Name;
    form.money = numberText(p.Money);
    const bool any = p.DeedCount > 0;
    form.SellBankButton = any;
    form.MortgageButton = any;
    form.BidButton = any;
}

bool offersSale(const GameState& s, int player) {
    return validPlayer(player) && s.player(player).IsComputer != kTrue;
}

int saleTaxPercent(const GameState& s) { return s.checkdiscount == kTrue ? 10 : 40; }

int deedOnLine(const GameState& s, int player, int index) {
    if (index < 0) return 0;
    for (int d : heldDeeds(s, player))
        if (index-- == 0) return d;
    return 0;
}

} // namespace tavorin
