// The computer on the square it stands on: its decisions, its announcements and its fund raising.
// What each decision does is the same rule operation of Game that a person's button runs.
#pragma once

#include <cstdint>

#include "computer/Strategy.h"
#include "engine/Game.h"

namespace tavorin::com {

// Runs the deciding step for the frame the square opened (after the thinking pause), with the seat's
// strategy making the choices.
void decide(Game& g, Ctl frame, Strategy& strategy = classicStrategy());

void applyLandChoice(Game& g, LandChoice choice);

// The lap bonus, as the computer takes it: a house on `deed` (0: the cash).
void takeBonus(Game& g, int deed);

// One step of fund raising: a piece of `deed` sold, or the deed pledged to the bank.
struct FundStep {
    enum Kind { Sell, Mortgage } kind = Sell;
    int deed = 0; // 0: nothing left to part with
};
// The current player's next step under `plan`.
FundStep nextFundStep(const GameState& s, FundPlan plan);

// Sells one piece of the current player's `deed` (his last one by default) back to the bank for 90 %
// of its price; land under a mortgage first pays the bank back what it lent.
void ComSellOneAsset(Game& g, int deed = 0);
// Pledges the current player's bare `deed` to the bank for its mortgage value.
void ComMortgageOne(Game& g, int deed);
// Parts with property under `plan` while the cash cannot cover `amount` (negative for a payment) and
// a deed is left.
void raiseFunds(Game& g, std::int32_t amount, FundPlan plan = FundPlan::LastDeedFirst);

} // namespace tavorin::com
