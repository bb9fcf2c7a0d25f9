// Mortgage and redemption: the lists, the running totals, the refusals and the confirm buttons.
#include <type_traits>

#include "tests/dealings/DealingsFixture.h"

namespace tavorin::test {
namespace {

class MortgageTest : public DealingsTest {
protected:
    MortgageWindow& m = dealings.mortgage;
    RedeemWindow& r = dealings.redeem;

    void openMortgage(int k) {
        openSaleMenu(k);
        dealings.MortgageButton_Click();
        ASSERT_TRUE(m.visible);
    }
    void openRedeem(int k) {
        dealings.PlayerButton_Click(k);
        dealings.RedeemButton_Click();
        ASSERT_TRUE(r.visible);
    }
    // Moves the line naming deed d to the right-hand list (">>"); false when d is not listed.
    template <class Window> bool move(Window& w, int d) {
        for (std::size_t i = 0; i < w.DeedList1.size(); ++i) {
            if (w.DeedList1[i].deed != d) continue;
            w.select(int(i));
            if constexpr (std::is_same_v<Window, MortgageWindow>)
                w.PressTransButtonInMortgage();
            else
                w.PressTransButtonInRedeem();
            return true;
        }
        return false;
    }
};

TEST_F(MortgageTest, OffersBareDeedsMortgagedOrNotInHoldingOrder) {
    own(1, 6);
    own(1, 1, 1);           // a house: its buildings must go to the bank first
    own(1, 12, 0, 0, true); // already mortgaged: listed, but refused on ">>"
    own(1, 24, 4, 1);
    own(1, 9);
    setMoney(1, 250);
    openMortgage(1);
    EXPECT_EQ(m.caption, "Player1");
    EXPECT_EQ(textsIn(m.DeedList1), (std::vector<std::string>{"6 กาญจนบุรี", "12 วัดสุทัศน์ (จ.)", "9 การไฟฟ้า"}));
    EXPECT_TRUE(m.DeedList2.empty());
    EXPECT_EQ(m.totalsell, 0);
    EXPECT_EQ(m.money, 250);
    EXPECT_EQ(m.totalmoney, 250);
}

TEST_F(MortgageTest, TwoDeedsInOneVisitAddUpAndArePaidTogether) {
    own(1, 1); // 600
    own(1, 5); // 1000
    setMoney(1, 300);
    openMortgage(1);
    ASSERT_TRUE(move(m, 1));
    EXPECT_EQ(m.totalsell, 480);
    EXPECT_EQ(m.totalmoney, 780);
    EXPECT_EQ(m.selected, -1) << "the moved line takes the selection with it";
    ASSERT_TRUE(move(m, 5));
    EXPECT_EQ(m.totalsell, 1280);
    EXPECT_EQ(m.totalmoney, 1580);
    EXPECT_TRUE(m.DeedList1.empty());
    EXPECT_EQ(textsIn(m.DeedList2), (std::vector<std::string>{"1 บางปะอิน", "5 กรุงเทพฯ"}));
    EXPECT_EQ(s.deed(1).Mortgaged, kFalse) << "nothing changes before the confirm button";
    EXPECT_EQ(s.player(1).Money, 300);

    const int refreshes = view.deedRefreshes;
    dealings.MortgageOKButton_Click();
    EXPECT_EQ(s.player(1).Money, 1580);
    EXPECT_EQ(text(Ctl::LabelMoney1), "1580");
    EXPECT_EQ(s.deed(1).Mortgaged, kTrue);
    EXPECT_EQ(s.deed(5).Mortgaged, kTrue);
    EXPECT_EQ(deedsOf(1), (std::vector<int>{1, 5}));
    EXPECT_GT(view.deedRefreshes, refreshes);
    EXPECT_FALSE(m.visible);
    EXPECT_TRUE(dealings.sellForm.enabled);
    EXPECT_EQ(dealings.sellForm.money, "1580");
}

TEST_F(MortgageTest, AMortgagedLineIsRefusedAndEveryChoiceStays) {
    own(1, 1);
    own(1, 12, 0, 0, true);
    own(1, 5);
    openMortgage(1);
    ASSERT_TRUE(move(m, 1));
    const auto left = textsIn(m.DeedList1), right = textsIn(m.DeedList2);
    ASSERT_TRUE(move(m, 12));
    EXPECT_EQ(lastMessage().title, "Player1");
    EXPECT_EQ(lastMessage().text, "ที่ดินนี้ถูกจำนองอยู่แล้ว");
    EXPECT_EQ(textsIn(m.DeedList1), left);
    EXPECT_EQ(textsIn(m.DeedList2), right);
    EXPECT_EQ(m.totalsell, 480);
    EXPECT_EQ(m.totalmoney, 15480);
}

TEST_F(MortgageTest, NoSelectionDoesNothing) {
    own(1, 1);
    openMortgage(1);
    m.select(-1);
    m.PressTransButtonInMortgage();
    m.select(5); // beyond the list
    m.PressTransButtonInMortgage();
    EXPECT_EQ(m.DeedList1.size(), 1u);
    EXPECT_EQ(m.totalsell, 0);
    EXPECT_TRUE(view.messages.empty());
}

TEST_F(MortgageTest, RedeemingOneDeedChargesItsValueAndTheFee) {
    own(1, 6);
    own(1, 1, 0, 0, true);
    setMoney(1, 2000);
    openRedeem(1);
    EXPECT_EQ(r.caption, "รายละเอียดการไถ่จำนองของ Player1");
    EXPECT_EQ(textsIn(r.DeedList1), std::vector<std::string>{"1 บางปะอิน (จ.)"});
    EXPECT_EQ(r.Money, 2000);
    EXPECT_EQ(r.totalMoney, 2000);
    ASSERT_TRUE(move(r, 1));
    EXPECT_EQ(r.PaidMoney, 480);
    EXPECT_EQ(r.ChargeMoney, 96);
    EXPECT_EQ(r.TotalPaid, 576);
    EXPECT_EQ(r.totalMoney, 1424);
    EXPECT_EQ(textsIn(r.DeedList2), std::vector<std::string>{"1 บางปะอิน "})
        << "the mark goes, its space stays";
    EXPECT_TRUE(r.DeedList1.empty());

    dealings.RedeemOKButton_Click();
    EXPECT_EQ(s.player(1).Money, 1424);
    EXPECT_EQ(s.deed(1).Mortgaged, kFalse);
    EXPECT_FALSE(r.visible);
    EXPECT_EQ(locks(), (Locks{true, true, true, true}));
    EXPECT_EQ(dealings.playerForm.Pmoney, "1424");
    EXPECT_FALSE(dealings.playerForm.RedeemButton);
}

TEST_F(MortgageTest, RedemptionBeyondTheCashIsRefusedAndTheChoiceStays) {
    own(1, 5, 0, 0, true); // 1000: costs 960
    own(1, 1, 0, 0, true); // 600: with the first, (800 + 480) x 1.2 = 1536
    setMoney(1, 1000);
    openRedeem(1);
    ASSERT_TRUE(move(r, 5));
    EXPECT_EQ(r.TotalPaid, 960);
    ASSERT_TRUE(move(r, 1));
    EXPECT_EQ(lastMessage().title, "Player1");
    EXPECT_EQ(lastMessage().text, "เงินของท่านมีไม่พอชำระกรุณาเลือกใหม่");
    EXPECT_EQ(deedsIn(r.DeedList1), std::vector<int>{1});
    EXPECT_EQ(deedsIn(r.DeedList2), std::vector<int>{5});
    EXPECT_EQ(r.PaidMoney, 800);
    EXPECT_EQ(r.ChargeMoney, 160);
    EXPECT_EQ(r.TotalPaid, 960);
    EXPECT_EQ(r.totalMoney, 40);
    dealings.RedeemOKButton_Click();
    EXPECT_EQ(s.player(1).Money, 40);
    EXPECT_EQ(s.deed(5).Mortgaged, kFalse);
    EXPECT_EQ(s.deed(1).Mortgaged, kTrue);
}

TEST_F(MortgageTest, TheFeeCountsInTheCashTest) {
    struct Case {
        std::int32_t cash;
        bool accepted;
    };
    // Deed 7 (price 1200) lends 960 and costs 1152 to redeem.
    for (const Case& c : {Case{1152, true}, Case{1151, false}}) {
        SCOPED_TRACE(c.cash);
        clearBoard();
        view.messages.clear();
        own(1, 7, 0, 0, true);
        setMoney(1, c.cash);
        openRedeem(1);
        ASSERT_TRUE(move(r, 7));
        EXPECT_EQ(r.DeedList2.size(), c.accepted ? 1u : 0u);
        EXPECT_EQ(view.messages.empty(), c.accepted);
        EXPECT_EQ(r.TotalPaid, c.accepted ? 1152 : 0);
        dealings.RedeemForm_Unload();
    }
}

TEST_F(MortgageTest, ConfirmingAnEmptyChoiceChangesNothingButCloses) {
    own(1, 1);
    own(1, 5, 0, 0, true);
    setMoney(1, 5000);
    openMortgage(1);
    dealings.MortgageOKButton_Click();
    EXPECT_FALSE(m.visible);
    EXPECT_TRUE(dealings.sellForm.enabled);
    dealings.SellForm_Unload();
    openRedeem(1);
    dealings.RedeemOKButton_Click();
    EXPECT_FALSE(r.visible);
    EXPECT_EQ(locks(), (Locks{true, true, true, true}));
    EXPECT_EQ(s.player(1).Money, 5000);
    EXPECT_EQ(s.deed(1).Mortgaged, kFalse);
    EXPECT_EQ(s.deed(5).Mortgaged, kTrue);
}

TEST_F(MortgageTest, ClosingDiscardsAndReopeningStartsAfresh) {
    own(1, 1);
    own(1, 5, 0, 0, true);
    openMortgage(1);
    ASSERT_TRUE(move(m, 1));
    dealings.MortgageForm_Unload();
    dealings.MortgageButton_Click();
    EXPECT_EQ(deedsIn(m.DeedList1), (std::vector<int>{1, 5}));
    EXPECT_TRUE(m.DeedList2.empty());
    EXPECT_EQ(m.totalsell, 0);
    dealings.MortgageForm_Unload();
    dealings.SellForm_Unload();

    openRedeem(1);
    ASSERT_TRUE(move(r, 5));
    dealings.RedeemForm_Unload();
    EXPECT_EQ(s.deed(1).Mortgaged, kFalse);
    EXPECT_EQ(s.deed(5).Mortgaged, kTrue);
    EXPECT_EQ(s.player(1).Money, 15000);
}

// The choice is checked against the cash shown when the window opened; should the cash have
// dropped before the confirm button, the redemption must not take the player below zero.
TEST_F(MortgageTest, RedemptionIsRefusedWhenTheCashNoLongerCoversIt) {
    own(1, 1, 0, 0, true);
    setMoney(1, 1000);
    openRedeem(1);
    ASSERT_TRUE(move(r, 1));
    setMoney(1, 500);
    dealings.RedeemOKButton_Click();
    EXPECT_EQ(lastMessage().text, "เงินของท่านมีไม่พอชำระกรุณาเลือกใหม่");
    EXPECT_TRUE(r.visible);
    EXPECT_EQ(s.player(1).Money, 500);
    EXPECT_EQ(s.deed(1).Mortgaged, kTrue);
}

} // namespace
} // namespace tavorin::test
