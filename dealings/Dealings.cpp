#include "dealings/Dealings.h"

namespace tavorin {

Dealings::Dealings(Game& game)
    : mortgage(game), redeem(game), sellBank(game), bid(game), confirmBid(game), game_(&game) {}

// ------------------------------------------------------------------ MAIN

void Dealings::PlayerButton_Click(int n) {
    if (n < 1 || n > kMaxPlayers || !mainEnabled || !game_->screen()[nth(Ctl::PlayerButton1, n)].enabled)
        return;
    game_->chooseHoldingsOf(n);
    PlayerFormShow();
    playerForm.SellButton = offersSale(game_->state(), n);
}

void Dealings::PlayerFormShow() {
    playerForm.visible = true;
    fillPlayerForm(playerForm, game_->state(), game_->state().playerID);
}

void Dealings::SellFormShow() {
    sellForm.visible = true;
    fillSellForm(sellForm, game_->state(), game_->state().playerID);
}

void Dealings::holdingsChanged() {
    if (!playerForm.visible) return;
    const bool sell = playerForm.SellButton, redeem = playerForm.RedeemButton;
    fillPlayerForm(playerForm, game_->state(), game_->state().playerID);
    playerForm.SellButton = sell;
    playerForm.RedeemButton = redeem;
}

// ------------------------------------------------------------------ PLAYERFORM

int Dealings::PDeedList_DblClick(int index) const {
    if (!live(playerForm)) return 0;
    return deedOnLine(game_->state(), game_->state().playerID, index);
}

void Dealings::SellButton_Click() {
    if (!live(playerForm) || !playerForm.SellButton) return;
    SellFormShow();
    mapEnabled = mainEnabled = playerForm.enabled = false;
}

void Dealings::RedeemButton_Click() {
    if (!live(playerForm) || !playerForm.RedeemButton) return;
    redeem.RedeemShow(game_->state().playerID);
    mapEnabled = mainEnabled = playerForm.enabled = false;
}

void Dealings::PlayerForm_Unload() {
    if (live(playerForm)) playerForm.visible = false;
}

// ------------------------------------------------------------------ SELLFORM

void Dealings::MortgageButton_Click() {
    if (!live(sellForm) || !sellForm.MortgageButton) return;
    mortgage.MortgageShow(game_->state().playerID);
    sellForm.enabled = false;
}

void Dealings::SellBankButton_Click() {
    if (!live(sellForm) || !sellForm.SellBankButton) return;
    sellBank.visible = true;
    sellBank.enabled = true;
    sellBank.SellbankShow(game_->state().playerID);
    mainEnabled = sellForm.enabled = false;
}

void Dealings::BidButton_Click() {
    if (!live(sellForm) || !sellForm.BidButton) return;
    bid.SetShowOpgPlayerInBid(game_->state().playerID);
    bid.BidShow(game_->state().playerID);
    bid.enabled = true;
    sellForm.enabled = false;
}

void Dealings::SellForm_Unload() {
    if (!live(sellForm)) return;
    playerForm.enabled = mainEnabled = mapEnabled = true;
    PlayerFormShow();
    game_->ChangeDeedOnMain();
    sellForm.visible = false;
}

// ------------------------------------------------------------------ MORTGAGE

void Dealings::MortgageOKButton_Click() {
    if (!live(mortgage)) return;
    mortgage.ChangeMortgagestatusOnPlayerFromMortgage();
    sellForm.enabled = true;
    SellFormShow();
    holdingsChanged();
}

void Dealings::MortgageForm_Unload() {
    if (!live(mortgage)) return;
    sellForm.enabled = true;
    mortgage.visible = false;
}

// ------------------------------------------------------------------ REDEEM

void Dealings::RedeemOKButton_Click() {
    if (!live(redeem) || !redeem.ChangeMortgagestatusOnPlayerFromRedeem()) return;
    playerForm.enabled = mainEnabled = mapEnabled = true;
    PlayerFormShow();
}

void Dealings::RedeemForm_Unload() {
    if (!live(redeem)) return;
    mainEnabled = mapEnabled = playerForm.enabled = true;
    redeem.visible = false;
}

// ------------------------------------------------------------------ SELLBANK

void Dealings::SellBankOKButton_Click() {
    if (!live(sellBank)) return;
    sellBank.ChangeDeedOnPlayerFromSellBankForm();
    sellForm.enabled = true;
    SellFormShow();
    holdingsChanged();
}

void Dealings::SellBankForm_Unload() {
    if (!live(sellBank)) return;
    sellForm.enabled = true;
    sellBank.visible = false;
}

// ------------------------------------------------------------------ BID

void Dealings::BidOKButton_Click() {
    if (live(bid)) bid.OKButtonClickInBid(confirmBid);
}

int Dealings::BidDeedList_DblClick(int index) const {
    if (!live(bid) || index < 0 || index >= int(bid.DeedList.size())) return 0;
    return bid.DeedList[std::size_t(index)].deed;
}

void Dealings::BidForm_Unload() {
    if (!live(bid)) return;
    sellForm.enabled = true;
    bid.visible = false;
}

// ------------------------------------------------------------------ CONFIRMBID

void Dealings::ConfirmBidOKButton_Click() {
    if (!live(confirmBid)) return;
    if (!confirmBid.ChangeDeedOnPlayerFromConfirmBid()) {
        // The deal no longer holds: back to the bid window for another try.
        ConfirmBidCancelButton_Click();
        return;
    }
    sellForm.enabled = true;
    SellFormShow();
    holdingsChanged();
    confirmBid.visible = false;
    bid.enabled = true;
    bid.visible = false;
}

void Dealings::ConfirmBidCancelButton_Click() {
    if (!live(confirmBid)) return;
    bid.enabled = true;
    confirmBid.visible = false;
}

void Dealings::ConfirmBidForm_Unload() { ConfirmBidCancelButton_Click(); }

} // namespace tavorin
