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

// Sells one piece of the current player's last deed back to the bank for 90 % of its price.
void ComSellOneAsset(Game& g);
// Sells pieces while the cash cannot cover `amount` (negative for a payment) and a deed is left.
void raiseFunds(Game& g, std::int32_t amount);

} // namespace tavorin::com
