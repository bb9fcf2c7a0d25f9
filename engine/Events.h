// What happens in a game, as the rules report it: one event for every change they make, to every
// observer the game has. The windows, the simulator and a game's log can follow a game from these
// alone, without comparing states.
#pragma once

#include <cstdint>

namespace tavorin {

// The fields each kind fills besides the player:
//   Rolled        amount: the dice's total; other: the first die's face
//   Moved         other: the square the token now stands on
//   PassedStart   the move went past the start square
//   DrewCard      other: the card's number; deed: 1 for the treasure deck, 2 for the fate deck
//   Bought        deed bought from the bank; amount: what it cost; houses: 1 with its first house
//   Built         deed; amount: the price; houses: the houses standing after, 5 for the tower
//   Redeemed      deed freed of its mortgage; amount: what it cost, without the fee of the holdings
//                 window (a Paid of its own)
//   TookOver      deed taken over from `other`; amount: what it cost
//   Collected     the bank paid `amount` on the player's own land with its tower
//   Paid          amount: what the player's cash changed by (negative: he paid); other: who received
//                 it, 0 the bank; what: for what; deed: the land of a rent or a mortgaged land's fee
//   TookBonus     amount: what the player's cash changed by; deed: the deed the house went to, or 0
//   Sold          deed sold back to the bank (houses 0), or one of its buildings (houses 1 a house, 5
//                 the tower); amount: what the bank paid for it, before any sale tax (a Paid of its own)
//   RaiseMoney    the player is short of `amount` (negative) and must sell or mortgage first
//   Rested        the player's next turn is lost
//   WentBankrupt  other: the creditor, 0 the bank; amount: the cash the creditor received
//   Won           other: 1 when the end rule cut the game short and the richest player won
//   TurnStarted   the turn has passed to the player
//   Mortgaged     deed pledged to the bank; amount: what the bank paid
//   SoldTo        deed (with its buildings) sold to player `other`; amount: the price the buyer paid,
//                 the seller's sale tax being a Paid of its own
enum class EventKind : std::uint8_t {
    Rolled,
    Moved,
    PassedStart,
    DrewCard,
    Bought,
    Built,
    Redeemed,
    TookOver,
    Collected,
    Paid,
    TookBonus,
    Sold,
    RaiseMoney,
    Rested,
    WentBankrupt,
    Won,
    TurnStarted,
    Mortgaged,
    SoldTo,
};

// What a payment was for.
enum class Charge : std::uint8_t { None, Rent, MortgageFee, Tax, Bail, Card, RedemptionFee, SaleTax };

struct GameEvent {
    EventKind kind = EventKind::Rolled;
    int player = 0; // who: 1..6
    int deed = 0;
    std::int32_t amount = 0;
    int other = 0;
    int houses = 0;
    Charge what = Charge::None;
};

class GameObserver {
public:
    virtual ~GameObserver() = default;
    virtual void gameEvent(const GameEvent& event) = 0;
};

} // namespace tavorin
