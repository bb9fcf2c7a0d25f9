// A person who cannot pay raises money through the dealing windows at the reduced tax, then presses
// the frame's button again.
#include <functional>

#include "tests/dealings/DealingsFixture.h"

namespace tavorin::test {
namespace {

using ShortageTest = DealingsTest;

TEST_F(ShortageTest, RaisingMoneyThenPayingWithTheFramesButton) {
    struct Case {
        const char* what;
        std::function<void(Dealings&)> raise;
        std::int32_t cashAfterRaising, buyerCashBeforeRent;
    };
    const std::vector<Case> cases = {
        {"mortgage",
         [](Dealings& d) {
             d.MortgageButton_Click();
             d.mortgage.select(0);
             d.mortgage.PressTransButtonInMortgage();
             d.MortgageOKButton_Click();
         },
         100 + 480, 15000},
        {"bank sale at the reduced tax",
         [](Dealings& d) {
             d.SellBankButton_Click();
             EXPECT_EQ(d.sellBank.VATPercent, 10);
             d.sellBank.select(0);
             d.sellBank.PressTransButtonInSellBank();
             d.SellBankOKButton_Click();
         },
         100 + 540, 15000},
        {"bid at the reduced tax",
         [](Dealings& d) {
             d.BidButton_Click();
             d.bid.select(0);
             d.bid.choose(2);
             d.bid.BidAmount = "600";
             d.BidOKButton_Click();
             EXPECT_EQ(d.confirmBid.LabelVat, "10");
             d.ConfirmBidOKButton_Click();
         },
         100 + 540, 15000 - 600},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        startGame(2);
        clearBoard();
        own(1, 1);    // price 600
        own(2, 8, 1); // rent 500
        setMoney(1, 100);
        dealings.PlayerButton_Click(2); // a holdings window that the shortage closes
        landOnDeed(8);
        const int hidden = view.playerFormHidden;
        game.OKButtonInNotOwnSingleLand_Click();
        ASSERT_EQ(s.checkdiscount, kTrue);
        ASSERT_EQ(view.playerFormHidden, hidden + 1);
        dealings.hidePlayerForm(); // what the main view does when told
        EXPECT_FALSE(dealings.playerForm.visible);

        dealings.PlayerButton_Click(2); // only the debtor's own button works
        EXPECT_FALSE(dealings.playerForm.visible);
        openSaleMenu(1);
        c.raise(dealings);
        dealings.SellForm_Unload();
        EXPECT_EQ(s.player(1).Money, c.cashAfterRaising);
        EXPECT_EQ(s.player(2).Money, c.buyerCashBeforeRent);
        EXPECT_TRUE(visible(Ctl::NotOwnSingleLandFrame)) << "the debt is still open";

        game.OKButtonInNotOwnSingleLand_Click();
        EXPECT_EQ(s.player(1).Money, c.cashAfterRaising - 500);
        EXPECT_EQ(s.player(2).Money, c.buyerCashBeforeRent + 500);
        EXPECT_EQ(s.checkdiscount, kFalse);
        EXPECT_FALSE(visible(Ctl::NotOwnSingleLandFrame));
        EXPECT_TRUE(playerButton(1));
        EXPECT_TRUE(playerButton(2));
        EXPECT_EQ(s.NV, 2);
    }
}

} // namespace
} // namespace tavorin::test
