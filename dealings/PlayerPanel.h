// The holdings window and the sale menu as plain data: what they show for one player, computed from
// the game state, so that the windows only copy it onto their controls.
#pragma once

#include <string>
#include <string_view>
#include <vector>

#include "engine/DeedLine.h"
#include "engine/State.h"

namespace tavorin {

inline constexpr std::string_view kNoDeedsLeft = "ไม่มีโฉนดเหลือเลย";

// What every dealing window shares: open or not, taking input or locked by a window it opened.
struct WindowModel {
    bool visible = false;
    bool enabled = true;
    std::string caption;
};

// PLAYERFORM.
struct PlayerFormModel : WindowModel {
    std::string Pname;
    std::string Pmoney;
    std::vector<DeedLine> PDeedList; // HoldingsLine (width 40) per held deed, or the no-deeds line
    bool SellButton = false;
    bool RedeemButton = false;
};

// SELLFORM.
struct SellFormModel : WindowModel {
    std::string money;
    bool SellBankButton = false;
    bool MortgageButton = false;
    bool BidButton = false;
};

// Caption, labels, list and buttons of `player`'s holdings window; `visible` and `enabled` are left
// to the caller, which owns the locking.
void fillPlayerForm(PlayerFormModel& form, const GameState& s, int player);
void fillSellForm(SellFormModel& form, const GameState& s, int player);

// The rule of the player buttons: a person's holdings window always offers a sale (even without
// deeds, the sale menu then offering nothing), a computer's never does.
bool offersSale(const GameState& s, int player);

// The tax on a sale to the bank or to another player, in per cent: lower while the player raises
// money for a debt.
int saleTaxPercent(const GameState& s);

// The deed named by line `index` of a holdings-type list (PLAYERFORM and BID list the deeds in the
// order of `Deeds`); 0 for no selection or the no-deeds line.
int deedOnLine(const GameState& s, int player, int index);

} // namespace tavorin
