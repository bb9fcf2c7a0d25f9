// Selling a deed to another person: who may buy, the typed price, the refusals in their order, the
// confirmation and the transfer.
#include <optional>

#include "tests/dealings/DealingsFixture.h"

namespace tavorin::test {
namespace {

class BidTest : public DealingsTest {
protected:
    BidWindow& b = dealings.bid;
    ConfirmBidWindow& c = dealings.confirmBid;

    void openBid(int k) {
        openSaleMenu(k);
        dealings.BidButton_Click();
        ASSERT_TRUE(b.visible);
    }
    // Chooses the line, the buyer and the price and presses "ขาย".
    void offer(int line, int buyer, std::string amount) {
        b.select(line);
        if (buyer != 0) b.choose(buyer);
        b.BidAmount = std::move(amount);
        dealings.BidOKButton_Click();
    }
    int chosenBuyer() const {
        for (int n = 1; n <= kMaxPlayers; ++n)
            if (b.OpgPlayer[std::size_t(n)].selected) return n;
        return 0;
    }
};

std::string spaces(int n) { return std::string(std::size_t(n), ' '); }

TEST(BidAmountTest, WholeBahtFromTheTypedText) {
    struct Case {
        std::string text;
        std::optional<std::int32_t> amount;
    };
    const std::vector<Case> cases = {
        {"", std::nullopt},
        {"   ", std::nullopt},
        {"abc", std::nullopt},
        {"12a", std::nullopt},
        {"๑๒", std::nullopt},
        {"-5", std::nullopt},
        {"+5", 5},
        {" +5 ", 5},
        {"+", std::nullopt},
        {"++5", std::nullopt},
        {"+-5", std::nullopt},
        {"+ 5", std::nullopt},
        {"5+", std::nullopt},
        {"-1,000", std::nullopt},
        {"1,000", 1000},
        {"12,345,678", 12345678},
        {"+1,000.5", 1000},
        {"999,999", 999999},
        {"2,147,483,647", 2147483647},
        {"2,147,483,648", std::nullopt},
        {",000", std::nullopt},
        {"1,", std::nullopt},
        {"1,00", std::nullopt},
        {"1,0000", std::nullopt},
        {"1000,000", std::nullopt},
        {"1,,000", std::nullopt},
        {"1,000,00", std::nullopt},
        {"0.1,5", std::nullopt},
        {"1 000", std::nullopt},
        {"1e3", std::nullopt},
        {".", std::nullopt},
        {"1.2.3", std::nullopt},
        {"0", 0},
        {"5000", 5000},
        {" 5000 ", 5000},
        {"007", 7},
        {"12.5", 12},
        {"13.5", 14},
        {"12.5000001", 13},
        {"0.5", 0},
        {"5.", 5},
        {"2147483647", 2147483647},
        {"2147483647.4", 2147483647},
        {"2147483647.5", std::nullopt},
        {"2147483648", std::nullopt},
        {"99999999999999999999", std::nullopt},
        {std::string(1000, '9'), std::nullopt},
        {"1" + std::string(999, '0'), std::nullopt},
        {std::string(999, '0') + "8", 8},
    };
    for (const Case& k : cases) {
        SCOPED_TRACE(k.text.size() > 40 ? k.text.substr(0, 40) + "..." : k.text);
        EXPECT_EQ(parseBidAmount(k.text), k.amount);
    }
}

TEST_F(BidTest, OnlyOtherPersonsStillInTheGameCanBuy) {
    startGame(4);
    clearBoard();
    s.player(3).IsComputer = kTrue;
    s.player(4).Bankrupt = kTrue;
    own(1, 5);
    openBid(1);
    struct Expect {
        bool visible, enabled;
    };
    const std::array<Expect, 7> expected = {
        {{}, {true, false}, {true, true}, {true, false}, {true, false}, {false, true}, {false, true}}};
    int last = 0;
    for (int n = 1; n <= 6; ++n) {
        SCOPED_TRACE(n);
        EXPECT_EQ(b.OpgPlayer[std::size_t(n)].caption, "Player" + std::to_string(n));
        EXPECT_EQ(b.OpgPlayer[std::size_t(n)].visible, expected[std::size_t(n)].visible);
        if (expected[std::size_t(n)].visible) {
            EXPECT_EQ(b.OpgPlayer[std::size_t(n)].enabled, expected[std::size_t(n)].enabled);
        }
        b.choose(n);
        if (expected[std::size_t(n)].visible && expected[std::size_t(n)].enabled) last = n;
        EXPECT_EQ(chosenBuyer(), last) << "a locked or hidden option takes no click";
    }
}

TEST_F(BidTest, WindowListsTheSellersDeedsWithItsOwnSpacing) {
    own(1, 5, 2);
    own(1, 12, 0, 0, true);
    openBid(1);
    EXPECT_EQ(b.caption, "รายละเอียดการเสนอราคาประมูลที่ดินของ Player1");
    EXPECT_EQ(textsIn(b.DeedList),
              (std::vector<std::string>{"5 กรุงเทพฯ" + spaces(31) + "บ้าน 2 ตึก 0", "12  วัดสุทัศน์ (จ.)"}));
    EXPECT_EQ(dealings.BidDeedList_DblClick(1), 12);
    EXPECT_EQ(b.BidAmount, "");
    EXPECT_EQ(chosenBuyer(), 0);
}

TEST_F(BidTest, RefusalsComeInOrderAndLeaveEveryChoiceInPlace) {
    own(1, 5, 2);
    own(1, 12, 0, 0, true);
    setMoney(2, 4000);
    openBid(1);
    struct Case {
        int line, buyer;
        std::string amount, message;
    };
    const std::vector<Case> cases = {
        {-1, 0, "abc", "โฉนดที่จะนำประมูลยังไม่ถูกเลือก, กรุณาเลือกก่อน"},
        {0, 0, "abc", "ผู้เสนอราคายังไม่ถูกเลือก, กรุณาเลือกก่อน"},
        {0, 2, "abc", "รูปแบบในช่องเสนอราคาไม่ถูกต้อง"},
        {1, 2, "-5", "รูปแบบในช่องเสนอราคาไม่ถูกต้อง"},
        {1, 2, "2147483648", "รูปแบบในช่องเสนอราคาไม่ถูกต้อง"},
        {1, 2, "4001", "เงินของ Player2 มีไม่พอกับที่เสนอกรุณาเสนอราคาใหม่"},
        {1, 2, "4000", "โฉนดนี้ติดจำนองอยู่ไม่สามารถนำมาประมูลขายได้"},
    };
    for (const Case& k : cases) {
        SCOPED_TRACE(k.message + " / " + k.amount);
        offer(k.line, k.buyer, k.amount);
        ASSERT_FALSE(view.messages.empty());
        EXPECT_EQ(lastMessage().title, "Player1");
        EXPECT_EQ(lastMessage().text, k.message);
        EXPECT_EQ(b.selected, k.line);
        EXPECT_EQ(chosenBuyer(), k.buyer);
        EXPECT_EQ(b.BidAmount, k.amount);
        EXPECT_TRUE(b.visible);
        EXPECT_TRUE(b.enabled);
        EXPECT_FALSE(c.visible);
        EXPECT_EQ(deedsOf(1), (std::vector<int>{5, 12}));
        EXPECT_EQ(s.player(1).Money, 15000);
        EXPECT_EQ(s.player(2).Money, 4000);
        view.messages.clear();
    }
}

TEST_F(BidTest, ABuyerWithExactlyThePriceMayBuy) {
    own(1, 5);
    setMoney(2, 4000);
    openBid(1);
    offer(0, 2, "4000");
    EXPECT_TRUE(view.messages.empty());
    ASSERT_TRUE(c.visible);
    EXPECT_FALSE(b.enabled);
    dealings.ConfirmBidOKButton_Click();
    EXPECT_EQ(s.player(2).Money, 0);
    EXPECT_EQ(s.deed(5).Owner, 2);
}

TEST_F(BidTest, TheDealAsConfirmedAndAsDone) {
    struct Case {
        std::int16_t checkdiscount;
        std::string amount, vat, net;
    };
    const std::vector<Case> cases = {
        {kFalse, "5000", "40", "3000"},
        {kTrue, "5000", "10", "4500"},
        {kFalse, "1001", "40", "601"},
        {kFalse, "0", "40", "0"},
    };
    for (const Case& k : cases) {
        SCOPED_TRACE(k.amount + " at " + k.vat);
        clearBoard();
        own(1, 5, 2); // two houses go with it
        setMoney(1, 100);
        setMoney(2, 6000);
        s.checkdiscount = k.checkdiscount;
        openBid(1);
        offer(0, 2, k.amount);
        ASSERT_TRUE(c.visible);
        EXPECT_EQ(s.playerbid, 2);
        EXPECT_EQ(s.vat, std::stoi(k.vat));
        EXPECT_EQ(c.caption, "ยืนยันการตกลงการซื้อของ Player2");
        EXPECT_EQ(c.LabelPlayerBid, "Player2");
        EXPECT_EQ(c.LabelDeedName, "กรุงเทพฯ");
        EXPECT_EQ(c.LabelNumOfHouse, "2");
        EXPECT_EQ(c.LabelNumOfTower, "0");
        EXPECT_EQ(c.LabelMoneyBid, k.amount);
        EXPECT_EQ(c.LabelVat, k.vat);
        EXPECT_EQ(c.LabelAmountNet, k.net);

        dealings.ConfirmBidOKButton_Click();
        const int price = std::stoi(k.amount), net = std::stoi(k.net);
        EXPECT_EQ(s.player(1).Money, 100 + net);
        EXPECT_EQ(s.player(2).Money, 6000 - price);
        EXPECT_EQ(text(Ctl::LabelMoney2), std::to_string(6000 - price));
        EXPECT_EQ(s.deed(5).Owner, 2);
        EXPECT_EQ(s.deed(5).Houses, 2);
        EXPECT_EQ(s.deed(5).Towers, 0);
        EXPECT_EQ(deedsOf(1), std::vector<int>{});
        EXPECT_EQ(deedsOf(2), std::vector<int>{5});
        EXPECT_FALSE(c.visible);
        EXPECT_FALSE(b.visible);
        EXPECT_TRUE(b.enabled);
        EXPECT_TRUE(dealings.sellForm.enabled);
        EXPECT_EQ(dealings.sellForm.money, std::to_string(100 + net));
        EXPECT_FALSE(dealings.sellForm.BidButton) << "the seller has nothing left to sell";
        dealings.SellForm_Unload();
    }
}

TEST_F(BidTest, TheSellersOtherDeedsKeepTheirOrderAndTheBuyersNewOneComesLast) {
    own(1, 5);
    own(1, 6, 0, 0, true);
    own(1, 7);
    own(2, 9);
    openBid(1);
    offer(0, 2, "100");
    dealings.ConfirmBidOKButton_Click();
    EXPECT_EQ(deedsOf(1), (std::vector<int>{6, 7}));
    EXPECT_EQ(s.player(1).Deeds[3], 0);
    EXPECT_EQ(deedsOf(2), (std::vector<int>{9, 5}));
}

TEST_F(BidTest, DecliningReturnsToTheBidWindowWithTheChoiceKept) {
    own(1, 5);
    own(1, 7);
    openBid(1);
    offer(1, 2, "900");
    ASSERT_TRUE(c.visible);
    dealings.ConfirmBidCancelButton_Click();
    EXPECT_FALSE(c.visible);
    EXPECT_TRUE(b.visible);
    EXPECT_TRUE(b.enabled);
    EXPECT_EQ(b.selected, 1);
    EXPECT_EQ(chosenBuyer(), 2);
    EXPECT_EQ(b.BidAmount, "900");
    EXPECT_EQ(s.deed(7).Owner, 1);
    dealings.BidOKButton_Click();
    dealings.ConfirmBidOKButton_Click();
    EXPECT_EQ(s.deed(7).Owner, 2);
    EXPECT_EQ(s.player(1).Money, 15000 + 540);
}

TEST_F(BidTest, ClosingTheBidWindowSellsNothing) {
    own(1, 5);
    openBid(1);
    offer(0, 2, "900");
    dealings.ConfirmBidForm_Unload();
    dealings.BidForm_Unload();
    EXPECT_FALSE(b.visible);
    EXPECT_TRUE(dealings.sellForm.enabled);
    EXPECT_EQ(s.deed(5).Owner, 1);
    EXPECT_EQ(s.player(2).Money, 15000);
}

// "ตกลง" applies the deal only as it was checked: a buyer who can no longer pay does not go below
// zero, and the seller is back at the bid window.
TEST_F(BidTest, ADealThatNoLongerHoldsIsNotDone) {
    own(1, 5);
    openBid(1);
    offer(0, 2, "900");
    setMoney(2, 899);
    dealings.ConfirmBidOKButton_Click();
    EXPECT_EQ(s.deed(5).Owner, 1);
    EXPECT_EQ(s.player(2).Money, 899);
    EXPECT_EQ(s.player(1).Money, 15000);
    EXPECT_FALSE(c.visible);
    EXPECT_TRUE(b.visible);
    EXPECT_TRUE(b.enabled);
}

} // namespace
} // namespace tavorin::test
