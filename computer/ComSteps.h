// The computer's steps on the square it stands on, each working on the current player NV and the
// deed in Number, as a person's buttons would, with its own decisions and fund raising.
#pragma once

#include <cstdint>

#include "computer/Strategy.h"
#include "engine/Game.h"

namespace tavorin::com {

// Runs the deciding step for the frame the square opened (after the thinking pause), with the seat's
// strategy making the choices.
void decide(Game& g, Ctl frame, Strategy& strategy = classicStrategy());

void ComBuyLand(Game& g);
void ComNotBuyLand(Game& g);
void applyLandChoice(Game& g, LandChoice choice);
void ComBuildOne(Game& g);
void ComCloseOwnSingleLand(Game& g);

// Sells one piece of the current player's last deed back to the bank for 90 % of its price.
void ComSellOneAsset(Game& g);
// Sells pieces while the cash cannot cover `amount` (negative for a payment) and a deed is left.
void raiseFunds(Game& g, std::int32_t amount);

enum class Payment { SingleLand, NotSingleLand, MortgageLand, Tax, Dishonest, Treasure, Fate };
// The seven ComPay steps: pay, or go bankrupt when nothing is left, then close the frame.
void ComPay(Game& g, Payment kind);
std::int32_t paymentAmount(Game& g, Payment kind);

} // namespace tavorin::com
