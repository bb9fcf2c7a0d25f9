// What the dealing windows change is told to the game's observers, one event per change, so the
// game's log reads every mortgage, redemption and sale with its amounts.
#include "engine/GameLog.h"
#include "tests/dealings/DealingsFixture.h"

namespace tavorin::test {
namespace {

class DealingEventsTest : public DealingsTest {
protected:
    GameLog log{s};

    void SetUp() override {
        DealingsTest::SetUp();
        game.addObserver(log);
    }
    void TearDown() override { game.removeObserver(log); }

    // The lines the log gained since the last call.
    std::vector<std::string> newLines() {
        std::vector<std::string> lines(log.lines().begin() + std::ptrdiff_t(seen_), log.lines().end());
        seen_ = log.lines().size();
        return lines;
    }
    template <class Window> void pick(Window& w, int deed, void (Window::*press)()) {
        for (std::size_t i = 0; i < w.DeedList1.size(); ++i)
            if (w.DeedList1[i].deed == deed) {
                w.select(int(i));
                (w.*press)();
                return;
            }
        ADD_FAILURE() << "deed " << deed << " is not offered";
    }

private:
    std::size_t seen_ = 0;
};

TEST_F(DealingEventsTest, MortgageAndRedemptionReportEachDeedAndTheFee) {
    own(1, 1); // price 600: 480 lent
    own(1, 5); // price 1000: 800 lent
    setMoney(1, 300);
    openSaleMenu(1);
    dealings.MortgageButton_Click();
    pick(dealings.mortgage, 1, &MortgageWindow::PressTransButtonInMortgage);
    pick(dealings.mortgage, 5, &MortgageWindow::PressTransButtonInMortgage);
    dealings.MortgageOKButton_Click();
    EXPECT_EQ(newLines(), (std::vector<std::string>{"ตาที่ 0 Player1: จำนอง 1 บางปะอิน กับธนาคาร ได้ 480 บาท",
                                                    "ตาที่ 0 Player1: จำนอง 5 กรุงเทพฯ กับธนาคาร ได้ 800 บาท"}));
    EXPECT_EQ(s.player(1).Money, 300 + 480 + 800);
    dealings.SellForm_Unload();
    dealings.PlayerForm_Unload();

    // 480 back and a fee of 20 % of it.
    dealings.PlayerButton_Click(1);
    dealings.RedeemButton_Click();
    pick(dealings.redeem, 1, &RedeemWindow::PressTransButtonInRedeem);
    dealings.RedeemOKButton_Click();
    EXPECT_EQ(newLines(), (std::vector<std::string>{"ตาที่ 0 Player1: ไถ่ถอนการจำนอง 1 บางปะอิน เป็นเงิน 480 บาท",
                                                    "ตาที่ 0 Player1: จ่ายค่าธรรมเนียมการไถ่ถอน 96 บาท ให้ธนาคาร"}));
    EXPECT_EQ(s.player(1).Money, 1580 - 480 - 96);
}

TEST_F(DealingEventsTest, ABankSaleReportsEveryBuildingTheLandAndTheTax) {
    own(1, 6, 4);     // houses of 500: two are sold
    own(1, 24, 4, 1); // tower 10000, houses 2000, land 3000: all sold
    setMoney(1, 0);
    openSaleMenu(1);
    dealings.SellBankButton_Click();
    BankSaleWindow& b = dealings.sellBank;
    for (int i = 0; i < 2; ++i) pick(b, 6, &BankSaleWindow::PressTransButtonInSellBank);
    for (int i = 0; i < 6; ++i) pick(b, 24, &BankSaleWindow::PressTransButtonInSellBank);
    dealings.SellBankOKButton_Click();
    const std::string p = "ตาที่ 0 Player1: ";
    EXPECT_EQ(newLines(), (std::vector<std::string>{
                              p + "ขายบ้าน 1 หลังบน 6 กาญจนบุรี คืนธนาคาร ได้ 500 บาท",
                              p + "ขายบ้าน 1 หลังบน 6 กาญจนบุรี คืนธนาคาร ได้ 500 บาท",
                              p + "ขายตึกบน 24 ดอยสุเทพ คืนธนาคาร ได้ 10000 บาท",
                              p + "ขายบ้าน 1 หลังบน 24 ดอยสุเทพ คืนธนาคาร ได้ 2000 บาท",
                              p + "ขายบ้าน 1 หลังบน 24 ดอยสุเทพ คืนธนาคาร ได้ 2000 บาท",
                              p + "ขายบ้าน 1 หลังบน 24 ดอยสุเทพ คืนธนาคาร ได้ 2000 บาท",
                              p + "ขายบ้าน 1 หลังบน 24 ดอยสุเทพ คืนธนาคาร ได้ 2000 บาท",
                              p + "ขายที่ดิน 24 ดอยสุเทพ คืนธนาคาร ได้ 3000 บาท",
                              p + "จ่ายภาษีการขาย 8800 บาท ให้ธนาคาร", // 40 % of 22000
                          }));
    EXPECT_EQ(s.player(1).Money, 22000 - 8800);
    EXPECT_EQ(s.deed(6).Houses, 2);
}

TEST_F(DealingEventsTest, ASaleToAnotherPlayerReportsThePriceAndTheSellersTax) {
    own(1, 5, 2);
    setMoney(1, 100);
    setMoney(2, 6000);
    openSaleMenu(1);
    dealings.BidButton_Click();
    dealings.bid.select(0);
    dealings.bid.choose(2);
    dealings.bid.BidAmount = "5000";
    dealings.BidOKButton_Click();
    dealings.ConfirmBidOKButton_Click();
    EXPECT_EQ(newLines(), (std::vector<std::string>{"ตาที่ 0 Player1: ขาย 5 กรุงเทพฯ ให้ Player2 ในราคา 5000 บาท",
                                                    "ตาที่ 0 Player1: จ่ายภาษีการขาย 2000 บาท ให้ธนาคาร"}));
    EXPECT_EQ(s.player(1).Money, 100 + 5000 - 2000);
    EXPECT_EQ(s.player(2).Money, 6000 - 5000);
}

} // namespace
} // namespace tavorin::test
