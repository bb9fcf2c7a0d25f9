// Selling one deed, with its buildings, to another person at a typed price: the bid window checks
// the choice, the confirmation window shows the deal with the tax withheld from the seller, and
// "ตกลง" moves the deed and the money.
#pragma once

#include <array>
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "dealings/PlayerPanel.h"
#include "engine/Game.h"

namespace tavorin {

inline constexpr std::string_view kNoDeedChosen = "โฉนดที่จะนำประมูลยังไม่ถูกเลือก, กรุณาเลือกก่อน";
inline constexpr std::string_view kNoBuyerChosen = "ผู้เสนอราคายังไม่ถูกเลือก, กรุณาเลือกก่อน";
inline constexpr std::string_view kBadBidAmount = "รูปแบบในช่องเสนอราคาไม่ถูกต้อง";
inline constexpr std::string_view kMortgagedCannotBid = "โฉนดนี้ติดจำนองอยู่ไม่สามารถนำมาประมูลขายได้";
std::string buyerCannotPayText(std::string_view buyerName);

// The price typed into BidAmount, in whole baht: decimal digits 0-9, maybe grouped in threes by
// commas, with an optional fraction (rounded to the nearest baht, a half to the even neighbour), an
// optional leading "+" and spaces around it allowed. No minus sign or exponent; nothing below zero
// or beyond what a signed 32-bit amount holds.
std::optional<std::int32_t> parseBidAmount(std::string_view text);

// The seller's share of a price once the sale tax of `vatPercent` is withheld.
std::int32_t bidNetAmount(std::int32_t amount, int vatPercent);

struct OptionButton {
    std::string caption;
    bool visible = true;
    bool enabled = true;
    bool selected = false;
};

// CONFIRMBID, and the deal it shows.
class ConfirmBidWindow : public WindowModel {
public:
    explicit ConfirmBidWindow(Game& game) : game_(&game) {}

    std::string LabelPlayerBid;
    std::string LabelDeedName;
    std::string LabelNumOfHouse;
    std::string LabelNumOfTower;
    std::string LabelMoneyBid; // the price as typed
    std::string LabelVat;
    std::string LabelAmountNet;

    int seller = 0;
    int buyer = 0;
    int slot = 0; // the deed's slot in the seller's Deeds
    int deed = 0;
    std::int32_t amount = 0;
    std::int32_t net = 0;

    // "ตกลง": the deed with its buildings goes to the buyer, who pays the price; the seller receives
    // the net amount. False, with nothing changed, when the deal no longer holds.
    bool ChangeDeedOnPlayerFromConfirmBid();

private:
    Game* game_;
};

// BID.
class BidWindow : public WindowModel {
public:
    explicit BidWindow(Game& game) : game_(&game) {}

    int player = 0;                 // the seller
    std::vector<DeedLine> DeedList; // in the order of the seller's Deeds
    int selected = -1;
    std::array<OptionButton, kMaxPlayers + 1> OpgPlayer{}; // 1..6
    std::string BidAmount;

    // Who may be chosen as the buyer: nobody sells to himself, to a bankrupt player or to the
    // computer; only the players of this game are shown.
    void SetShowOpgPlayerInBid(int seller);
    void BidShow(int seller);
    void select(int index);
    // OpgPlayerN_Click: the option buttons are exclusive; a disabled or hidden one takes no click.
    void choose(int buyer);
    // "ขาย": the five checks in order; on success `confirm` is filled and shown and this window is
    // disabled. A refusal shows its message and leaves every choice as it was.
    bool OKButtonClickInBid(ConfirmBidWindow& confirm);

private:
    Game* game_;
};

} // namespace tavorin
