// Selling land and buildings back to the bank: one building per press, the tower before the houses,
// the land once it is bare; the bank pays list prices less the sale tax. The game changes on "ขาย".
#pragma once

#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

#include "dealings/PlayerPanel.h"
#include "engine/Game.h"

namespace tavorin {

inline constexpr std::string_view kMortgagedCannotSell = "ที่ดินนี้ติดจำนองอยู่ท่านไม่สามารถขายได้";

// SELLBANK. The members named after controls hold what those controls show: `vat` is the tax on
// the chosen items, `VATPercent` the rate.
class BankSaleWindow : public WindowModel {
public:
    explicit BankSaleWindow(Game& game) : game_(&game) {}

    int player = 0;
    // The held deeds as the sale has left them so far: a deed stripped of its buildings keeps the
    // padding that aligned them.
    std::vector<DeedLine> DeedList1;
    std::vector<DeedLine> DeedList2;    // land chosen for sale
    std::vector<std::string> DeedList3; // one line per building chosen
    int selected = -1;                  // line of DeedList1, -1 for none
    std::int64_t moneyland = 0;
    std::int64_t moneybuild = 0;
    int VATPercent = 40;
    std::int64_t vat = 0;
    std::int64_t moneysell = 0;
    std::int64_t money = 0; // the cash when the window was filled
    std::int64_t totalmoney = 0;

    // Opening and "ยกเลิก": every choice undone, the tax rate taken afresh.
    void SellbankShow(int player);
    void select(int index);
    // ">>" and a double-click on DeedList1: sells the next item of the selected line.
    void PressTransButtonInSellBank();
    // "ขาย": the player keeps what DeedList1 still shows, the sold land goes back to the bank bare,
    // and the bank pays `moneysell`. The window closes.
    void ChangeDeedOnPlayerFromSellBankForm();

private:
    void recompute();
    Game* game_;
};

} // namespace tavorin
