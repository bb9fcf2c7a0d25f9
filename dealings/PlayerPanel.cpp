#include "dealings/PlayerPanel.h"

#include "engine/HoldingsLine.h"
#include "engine/Text.h"

namespace tavorin {

namespace {
bool validPlayer(int k) { return k >= 1 && k <= kMaxPlayers; }
bool validDeed(int d) { return d >= 1 && d <= kDeeds; }
} // namespace

void fillPlayerForm(PlayerFormModel& form, const GameState& s, int player) {
    form.PDeedList.clear();
    if (!validPlayer(player)) return;
    const PlayerRecord& p = s.player(player);
    form.caption = "รายละเอียดของ " + p.Name;
    form.Pname = p.Name;
    form.Pmoney = numberText(p.Money);
    bool anyMortgaged = false;
    for (int k = 1; k <= p.DeedCount && k <= kDeeds; ++k) {
        const int d = p.Deeds[std::size_t(k)];
        if (!validDeed(d)) continue;
        form.PDeedList.push_back(HoldingsLine(d, s.deed(d), kHoldingsWidth));
        anyMortgaged = anyMortgaged || s.deed(d).Mortgaged == kTrue;
    }
    if (!form.PDeedList.empty()) {
        form.RedeemButton = anyMortgaged;
        form.SellButton = true;
    } else {
        form.PDeedList.emplace_back(kNoDeedsLeft);
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
    if (!validPlayer(player) || index < 0) return 0;
    const PlayerRecord& p = s.player(player);
    if (index >= p.DeedCount || index >= kDeeds) return 0;
    const int d = p.Deeds[std::size_t(index + 1)];
    return validDeed(d) ? d : 0;
}

} // namespace tavorin
