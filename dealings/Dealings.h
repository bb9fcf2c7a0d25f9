// The dealing windows together: the holdings window, the sale menu and the windows they open, which
// of them are shown, and which are locked. The dealing windows are modeless; each one locks the
// window that opened it (and the sale menu also the main window and the board) and unlocks it again
// when it closes. The windows forward their events here and copy the models onto their controls.
#pragma once

#include "dealings/BankSale.h"
#include "dealings/Bid.h"
#include "dealings/Mortgage.h"
#include "dealings/PlayerPanel.h"
#include "engine/Game.h"

namespace tavorin {

class Dealings {
public:
    explicit Dealings(Game& game);

    // The main window and the board, as far as the dealings lock them.
    bool mainEnabled = true;
    bool mapEnabled = true;

    PlayerFormModel playerForm;  // PLAYERFORM
    SellFormModel sellForm;      // SELLFORM
    MortgageWindow mortgage;     // MORTGAGE
    RedeemWindow redeem;         // REDEEM
    BankSaleWindow sellBank;     // SELLBANK
    BidWindow bid;               // BID
    ConfirmBidWindow confirmBid; // CONFIRMBID

    // --- MAIN ---
    // PlayerButton1_Click..PlayerButton6_Click; ignored while the button or MAIN is disabled.
    void PlayerButton_Click(int n);
    void PlayerFormShow();
    void SellFormShow();
    // A shortage begins: any open holdings window closes (the main view's hidePlayerForm).
    void hidePlayerForm() { playerForm.visible = false; }

    // --- PLAYERFORM ---
    // The deed whose card a double-click on line `index` opens; 0 opens nothing.
    int PDeedList_DblClick(int index) const;
    void SellButton_Click();
    void RedeemButton_Click();
    void PlayerForm_Unload();

    // --- SELLFORM ---
    void MortgageButton_Click();
    void SellBankButton_Click();
    void BidButton_Click();
    void SellForm_Unload();

    // --- MORTGAGE (">>", the selection and the double-click go to `mortgage` directly) ---
    void MortgageOKButton_Click();
    void MortgageForm_Unload();

    // --- REDEEM ---
    void RedeemOKButton_Click();
    void RedeemForm_Unload();

    // --- SELLBANK ("ยกเลิก" is sellBank.SellbankShow) ---
    void SellBankOKButton_Click();
    void SellBankForm_Unload();

    // --- BID ---
    void BidOKButton_Click();
    int BidDeedList_DblClick(int index) const;
    void BidForm_Unload();

    // --- CONFIRMBID ---
    void ConfirmBidOKButton_Click();
    void ConfirmBidCancelButton_Click();
    void ConfirmBidForm_Unload();

private:
    static bool live(const WindowModel& w) { return w.visible && w.enabled; }
    // A sale made from the sale menu changed the seller's cash and deeds: the holdings window
    // behind it shows them at once, with its buttons left as they are until it is back in use.
    void holdingsChanged();
    Game* game_;
};

} // namespace tavorin
