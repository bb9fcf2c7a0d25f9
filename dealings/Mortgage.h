// The mortgage and redemption windows: deeds move from the left list to the right one with running
// totals, and nothing in the game changes until the confirm button applies them all at once.
#pragma once

#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

#include "dealings/PlayerPanel.h"
#include "engine/Game.h"
#include "engine/Tariff.h"

namespace tavorin {

inline constexpr std::string_view kAlreadyMortgaged = "ที่ดินนี้ถูกจำนองอยู่แล้ว";
inline constexpr std::string_view kCannotAffordRedeem = "เงินของท่านมีไม่พอชำระกรุณาเลือกใหม่";

// A deed line of these windows: the number, one space, the name, and " (จ.)" while mortgaged.
DeedLine mortgageLine(const GameState& s, int deed);

// MORTGAGE.
class MortgageWindow : public WindowModel {
public:
    explicit MortgageWindow(Game& game) : game_(&game) {}

    int player = 0;
    std::vector<DeedLine> DeedList1; // held deeds without houses, mortgaged or not
    std::vector<DeedLine> DeedList2; // chosen for mortgage
    int selected = -1;               // line of DeedList1, -1 for none
    std::int64_t totalsell = 0;
    std::int64_t money = 0; // the cash when the window was filled
    std::int64_t totalmoney = 0;

    void MortgageShow(int player);
    void select(int index);
    // ">>" and a double-click on DeedList1.
    void PressTransButtonInMortgage();
    // "จำนอง": every chosen deed is mortgaged and its value paid; the window closes.
    void ChangeMortgagestatusOnPlayerFromMortgage();

private:
    Game* game_;
};

// REDEEM.
class RedeemWindow : public WindowModel {
public:
    explicit RedeemWindow(Game& game) : game_(&game) {}

    int player = 0;
    std::vector<DeedLine> DeedList1; // mortgaged deeds
    std::vector<DeedLine> DeedList2; // chosen for redemption
    int selected = -1;
    std::int64_t PaidMoney = 0;
    std::int64_t ChargeMoney = 0;
    std::int64_t TotalPaid = 0;
    std::int64_t Money = 0; // the cash when the window was filled
    std::int64_t totalMoney = 0;

    void RedeemShow(int player);
    void select(int index);
    void PressTransButtonInRedeem();
    // "ไถ่คืน": every chosen deed is freed and the cost with its fee taken. False (with the shortage
    // message, the window left open) when the cash no longer covers it.
    bool ChangeMortgagestatusOnPlayerFromRedeem();

private:
    Game* game_;
};

} // namespace tavorin
