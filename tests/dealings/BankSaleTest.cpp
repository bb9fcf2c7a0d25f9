// Selling land and buildings to the bank: item by item, the tax, "ยกเลิก" and "ขาย".
#include "tests/dealings/DealingsFixture.h"

namespace tavorin::test {
namespace {

class BankSaleTest : public DealingsTest {
protected:
    BankSaleWindow& b = dealings.sellBank;

    void openBankSale(int k) {
        openSaleMenu(k);
        dealings.SellBankButton_Click();
        ASSERT_TRUE(b.visible);
    }
    // One press of ">>" on the line of deed d.
    void press(int d) {
        for (std::size_t i = 0; i < b.DeedList1.size(); ++i) {
            if (b.DeedList1[i].deed != d) continue;
            b.select(int(i));
            b.PressTransButtonInSellBank();
            return;
        }
        ADD_FAILURE() << "deed " << d << " is not in DeedList1";
    }
    std::vector<std::string> leftTexts() const { return textsOf(b.DeedList1); }
    void expectNothingChosen() {
        EXPECT_TRUE(b.DeedList2.empty());
        EXPECT_TRUE(b.DeedList3.empty());
        EXPECT_EQ(b.moneyland, 0);
        EXPECT_EQ(b.moneybuild, 0);
        EXPECT_EQ(b.vat, 0);
        EXPECT_EQ(b.moneysell, 0);
        EXPECT_EQ(b.totalmoney, b.money);
    }
};

std::string spaces(int n) { return std::string(std::size_t(n), ' '); }

TEST_F(BankSaleTest, BareLandAtTheNormalAndTheShortageRate) {
    struct Case {
        std::int16_t checkdiscount;
        int rate, tax, paid;
    };
    for (const Case& c : {Case{kFalse, 40, 800, 1200}, Case{kTrue, 10, 200, 1800}}) {
        SCOPED_TRACE(c.rate);
        clearBoard();
        own(1, 5);
        own(1, 3); // group land of price 2000
        setMoney(1, 700);
        s.checkdiscount = c.checkdiscount;
        openBankSale(1);
        EXPECT_EQ(b.caption, "รายละเอียดการขายให้ธนาคารของ  Player1");
        EXPECT_EQ(b.VATPercent, c.rate);
        EXPECT_EQ(s.vat, c.rate);
        expectNothingChosen();
        press(3);
        EXPECT_EQ(b.moneyland, 2000);
        EXPECT_EQ(b.vat, c.tax);
        EXPECT_EQ(b.moneysell, c.paid);
        EXPECT_EQ(b.money, 700);
        EXPECT_EQ(b.totalmoney, 700 + c.paid);
        EXPECT_EQ(textsIn(b.DeedList2), std::vector<std::string>{"3  วัดอรุณฯ"});
        EXPECT_EQ(s.deed(3).Owner, 1) << "nothing changes before \"ขาย\"";

        dealings.SellBankOKButton_Click();
        EXPECT_EQ(s.player(1).Money, 700 + c.paid);
        EXPECT_EQ(s.deed(3).Owner, 0);
        EXPECT_EQ(deedsOf(1), std::vector<int>{5});
        EXPECT_EQ(s.player(1).Deeds[2], 0);
        EXPECT_FALSE(b.visible);
        EXPECT_TRUE(dealings.sellForm.enabled);
        EXPECT_EQ(dealings.sellForm.money, std::to_string(700 + c.paid));
        EXPECT_FALSE(dealings.mainEnabled) << "MAIN stays locked until the sale menu closes";
        dealings.SellForm_Unload();
        EXPECT_TRUE(dealings.mainEnabled);
    }
}

TEST_F(BankSaleTest, TowerFirstThenHousesOneByOneThenTheLand) {
    own(1, 24, 4, 1); // house 2000, tower 10000, land 3000
    openBankSale(1);
    const std::string head = "24 ดอยสุเทพ" + spaces(25);
    ASSERT_EQ(leftTexts(), std::vector<std::string>{head + "บ้าน 4 ตึก 1"});
    struct Step {
        std::string line, building;
        std::int64_t moneybuild;
    };
    const std::vector<Step> steps = {
        {head + "บ้าน 4 ตึก 0", "ตึก  10000 หนึ่งหลัง", 10000},
        {head + "บ้าน 3 ตึก 0", "บ้าน  2000 หนึ่งหลัง", 12000},
        {head + "บ้าน 2 ตึก 0", "บ้าน  2000 หนึ่งหลัง", 14000},
        {head + "บ้าน 1 ตึก 0", "บ้าน  2000 หนึ่งหลัง", 16000},
        {head, "บ้าน  2000 หนึ่งหลัง", 18000}, // the buildings part goes, its padding stays
    };
    for (std::size_t i = 0; i < steps.size(); ++i) {
        SCOPED_TRACE(i + 1);
        b.select(0);
        b.PressTransButtonInSellBank();
        EXPECT_EQ(leftTexts(), std::vector<std::string>{steps[i].line});
        EXPECT_EQ(b.DeedList3.size(), i + 1);
        EXPECT_EQ(b.DeedList3.back(), steps[i].building);
        EXPECT_EQ(b.moneybuild, steps[i].moneybuild);
        EXPECT_EQ(b.moneyland, 0);
        EXPECT_EQ(b.selected, -1);
        b.PressTransButtonInSellBank(); // without a new choice nothing more is sold
        EXPECT_EQ(b.moneybuild, steps[i].moneybuild);
    }
    b.select(0);
    b.PressTransButtonInSellBank();
    EXPECT_TRUE(b.DeedList1.empty());
    EXPECT_EQ(textsIn(b.DeedList2), std::vector<std::string>{head});
    EXPECT_EQ(b.moneyland, 3000);
    EXPECT_EQ(b.vat, 8400);
    EXPECT_EQ(b.moneysell, 12600);

    dealings.SellBankOKButton_Click();
    EXPECT_EQ(s.player(1).Money, 15000 + 12600);
    EXPECT_EQ(s.player(1).DeedCount, 0);
    EXPECT_EQ(s.deed(24).Owner, 0);
    EXPECT_EQ(s.deed(24).Houses, 0);
    EXPECT_EQ(s.deed(24).Towers, 0);
}

TEST_F(BankSaleTest, SellingTwoOfFourHousesLeavesTwo) {
    own(1, 6);
    own(1, 13, 4); // house 1000
    own(1, 9);
    openBankSale(1);
    press(13);
    press(13);
    EXPECT_EQ(b.DeedList1[1].text(), "13 เขาใหญ่" + spaces(26) + "บ้าน 2 ตึก 0");
    dealings.SellBankOKButton_Click();
    EXPECT_EQ(deedsOf(1), (std::vector<int>{6, 13, 9}));
    EXPECT_EQ(s.deed(13).Owner, 1);
    EXPECT_EQ(s.deed(13).Houses, 2);
    EXPECT_EQ(s.deed(13).Towers, 0);
    EXPECT_EQ(s.player(1).Money, 15000 + 1200);
}

TEST_F(BankSaleTest, LargeBuildingSalesAddUpBeyondSixteenBits) {
    for (int d : {24, 25, 26, 28, 29}) own(1, d, 4, 1);
    openBankSale(1);
    for (int d : {24, 25, 26, 28, 29}) press(d); // five towers of 10000
    press(29);                                   // and a house of 2000
    EXPECT_EQ(b.moneybuild, 52000);
    EXPECT_EQ(b.vat, 20800);
    EXPECT_EQ(b.moneysell, 31200);
    dealings.SellBankOKButton_Click();
    EXPECT_EQ(s.player(1).Money, 15000 + 31200);
    for (int d : {24, 25, 26, 28}) {
        EXPECT_EQ(s.deed(d).Houses, 4) << d;
        EXPECT_EQ(s.deed(d).Towers, 0) << d;
    }
    EXPECT_EQ(s.deed(29).Houses, 3);
}

TEST_F(BankSaleTest, ResetRestoresEveryLineAndZeroesTheSums) {
    own(1, 24, 4, 1);
    own(1, 3);
    own(1, 13, 2);
    setMoney(1, 50);
    openBankSale(1);
    const auto before = leftTexts();
    press(24);
    press(3);
    press(13);
    ASSERT_NE(leftTexts(), before);
    s.checkdiscount = kTrue; // the rate is taken afresh as well
    b.SellbankShow(1);
    EXPECT_EQ(leftTexts(), before);
    expectNothingChosen();
    EXPECT_EQ(b.VATPercent, 10);
    EXPECT_EQ(b.money, 50);
}

TEST_F(BankSaleTest, MortgagedLandIsRefusedAndNothingChanges) {
    own(1, 13, 2);
    own(1, 12, 0, 0, true);
    openBankSale(1);
    press(13);
    const auto lines = leftTexts();
    press(12);
    EXPECT_EQ(lastMessage().title, "Player1");
    EXPECT_EQ(lastMessage().text, "ที่ดินนี้ติดจำนองอยู่ท่านไม่สามารถขายได้");
    EXPECT_EQ(leftTexts(), lines);
    EXPECT_TRUE(b.DeedList2.empty());
    EXPECT_EQ(b.moneybuild, 1000);
    EXPECT_EQ(b.moneyland, 0);
    dealings.SellBankOKButton_Click();
    EXPECT_EQ(s.deed(12).Owner, 1);
    EXPECT_EQ(s.deed(12).Mortgaged, kTrue) << "a sale leaves the mortgage alone";
    EXPECT_EQ(s.deed(13).Houses, 1);
}

TEST_F(BankSaleTest, ClosingTheWindowSellsNothing) {
    own(1, 24, 4, 1);
    own(1, 3);
    openBankSale(1);
    press(24);
    press(3);
    dealings.SellBankForm_Unload();
    EXPECT_FALSE(b.visible);
    EXPECT_TRUE(dealings.sellForm.enabled);
    EXPECT_EQ(deedsOf(1), (std::vector<int>{24, 3}));
    EXPECT_EQ(s.deed(24).Towers, 1);
    EXPECT_EQ(s.player(1).Money, 15000);
}

// The sale touches only what the window sold: a deed of the player's that changed hands while the
// window was open stays with its new owner.
TEST_F(BankSaleTest, ADeedThatChangedHandsMeanwhileIsLeftToItsNewOwner) {
    own(1, 12, 0, 0, true);
    own(1, 3);
    openBankSale(1);
    press(3);
    give(2, 12); // off player 1's list as it changes hands
    dealings.SellBankOKButton_Click();
    EXPECT_EQ(s.deed(12).Owner, 2);
    EXPECT_EQ(deedsOf(1), std::vector<int>{});
    EXPECT_EQ(deedsOf(2), std::vector<int>{12});
    EXPECT_EQ(s.player(1).Money, 15000 + 1200);
}

// And a deed chosen for the sale that changed hands meanwhile is neither taken from its new owner nor
// paid for: only the other chosen land (group land 2000 at 40 % tax = 1200) reaches the player.
TEST_F(BankSaleTest, AChosenDeedThatChangedHandsMeanwhileIsNotPaidFor) {
    own(1, 12);
    own(1, 3);
    openBankSale(1);
    press(3);
    press(12);
    give(2, 12);
    dealings.SellBankOKButton_Click();
    EXPECT_EQ(s.deed(12).Owner, 2);
    EXPECT_EQ(s.deed(3).Owner, 0);
    EXPECT_EQ(s.player(1).Money, 15000 + 1200);
}

} // namespace
} // namespace tavorin::test
