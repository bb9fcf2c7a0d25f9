// The holdings window, the sale menu and how the dealing windows lock one another.
#include <functional>

#include "tests/dealings/DealingsFixture.h"

namespace tavorin::test {
namespace {

using PlayerPanelTest = DealingsTest;

std::string spaces(int n) { return std::string(std::size_t(n), ' '); }

TEST_F(PlayerPanelTest, HoldingsWindowOfPersonsAndComputers) {
    struct Holding {
        int deed, houses, towers;
        bool mortgaged;
    };
    struct Case {
        const char* what;
        bool computer;
        std::vector<Holding> deeds;
        std::vector<std::string> lines;
        bool sell, redeem;
    };
    const std::string withHouses = "1  บางปะอิน" + spaces(31) + "บ้าน 2 ตึก 0";
    const std::vector<Case> cases = {
        {"person, one deed mortgaged",
         false,
         {{1, 2, 0, false}, {12, 0, 0, true}, {9, 0, 0, false}},
         {withHouses, "12 วัดสุทัศน์ (จ.)", "9  การไฟฟ้า"},
         true,
         true},
        {"person, nothing mortgaged", false, {{9, 0, 0, false}}, {"9  การไฟฟ้า"}, true, false},
        {"person without deeds", false, {}, {"ไม่มีโฉนดเหลือเลย"}, true, false},
        {"computer, one deed mortgaged", true, {{12, 0, 0, true}}, {"12 วัดสุทัศน์ (จ.)"}, false, true},
        {"computer without deeds", true, {}, {"ไม่มีโฉนดเหลือเลย"}, false, false},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        clearBoard();
        s.player(2).IsComputer = c.computer ? kTrue : kFalse;
        for (const Holding& h : c.deeds) own(2, h.deed, h.houses, h.towers, h.mortgaged);
        setMoney(2, 4321);
        dealings.PlayerButton_Click(2);
        EXPECT_EQ(s.playerID, 2);
        const PlayerFormModel& f = dealings.playerForm;
        EXPECT_TRUE(f.visible);
        EXPECT_EQ(f.caption, "รายละเอียดของ Player2");
        EXPECT_EQ(f.Pname, "Player2");
        EXPECT_EQ(f.Pmoney, "4321");
        EXPECT_EQ(textsOf(f.PDeedList), c.lines);
        EXPECT_EQ(f.SellButton, c.sell);
        EXPECT_EQ(f.RedeemButton, c.redeem);
    }
}

TEST_F(PlayerPanelTest, SaleMenuOffersTheThreeSalesOnlyWithDeeds) {
    setMoney(1, 777);
    openSaleMenu(1);
    EXPECT_EQ(dealings.sellForm.caption, "รายละเอียดการขายของ   Player1");
    EXPECT_EQ(dealings.sellForm.money, "777");
    EXPECT_FALSE(dealings.sellForm.SellBankButton);
    EXPECT_FALSE(dealings.sellForm.MortgageButton);
    EXPECT_FALSE(dealings.sellForm.BidButton);
    dealings.MortgageButton_Click(); // a disabled button does nothing
    EXPECT_FALSE(dealings.mortgage.visible);
    dealings.SellForm_Unload();

    own(1, 5);
    openSaleMenu(1);
    EXPECT_TRUE(dealings.sellForm.SellBankButton);
    EXPECT_TRUE(dealings.sellForm.MortgageButton);
    EXPECT_TRUE(dealings.sellForm.BidButton);
}

TEST_F(PlayerPanelTest, DoubleClickNamesTheDeedOfTheLine) {
    dealings.PlayerButton_Click(1);
    EXPECT_EQ(dealings.PDeedList_DblClick(0), 0) << "the no-deeds line opens nothing";
    own(1, 7);
    own(1, 3);
    dealings.PlayerButton_Click(1);
    EXPECT_EQ(dealings.PDeedList_DblClick(0), 7);
    EXPECT_EQ(dealings.PDeedList_DblClick(1), 3);
    EXPECT_EQ(dealings.PDeedList_DblClick(-1), 0);
    EXPECT_EQ(dealings.PDeedList_DblClick(2), 0);
}

TEST_F(PlayerPanelTest, EachDealingWindowLocksWhatOpenedItAndFreesItOnClosing) {
    own(1, 5);
    own(1, 6, 0, 0, true);
    struct Case {
        const char* what;
        std::function<void()> open;
        std::function<void()> close;
        Locks whileOpen, afterClosing;
    };
    Dealings& d = dealings;
    const std::vector<Case> cases = {
        {"sale menu",
         [&] { d.SellButton_Click(); },
         [&] { d.SellForm_Unload(); },
         {false, false, false, true},
         {true, true, true, true}},
        {"redemption",
         [&] { d.RedeemButton_Click(); },
         [&] { d.RedeemForm_Unload(); },
         {false, false, false, true},
         {true, true, true, true}},
        {"mortgage",
         [&] {
             d.SellButton_Click();
             d.MortgageButton_Click();
         },
         [&] { d.MortgageForm_Unload(); },
         {false, false, false, false},
         {false, false, false, true}},
        {"bank sale",
         [&] {
             d.SellButton_Click();
             d.SellBankButton_Click();
         },
         [&] { d.SellBankForm_Unload(); },
         {false, false, false, false},
         {false, false, false, true}},
        {"bid",
         [&] {
             d.SellButton_Click();
             d.BidButton_Click();
         },
         [&] { d.BidForm_Unload(); },
         {false, false, false, false},
         {false, false, false, true}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        d.PlayerButton_Click(1);
        c.open();
        EXPECT_EQ(locks(), c.whileOpen);
        d.PlayerButton_Click(2); // MAIN is locked: the click does not reach the game
        EXPECT_EQ(s.playerID, 1);
        c.close();
        EXPECT_EQ(locks(), c.afterClosing);
        if (d.sellForm.visible) d.SellForm_Unload();
        EXPECT_EQ(locks(), (Locks{true, true, true, true}));
    }
    EXPECT_EQ(s.deed(5).Mortgaged, kFalse) << "closing discards";
    EXPECT_EQ(s.deed(6).Mortgaged, kTrue);
}

TEST_F(PlayerPanelTest, SaleMenuKeepsHoldingsCurrentAndClosingItRefreshesMainWindow) {
    own(1, 5);
    setMoney(1, 100);
    openSaleMenu(1);
    dealings.MortgageButton_Click();
    dealings.mortgage.select(0);
    dealings.mortgage.PressTransButtonInMortgage();
    dealings.MortgageOKButton_Click();
    EXPECT_EQ(dealings.sellForm.money, "900") << "the sale menu shows the new cash at once";
    EXPECT_EQ(dealings.playerForm.Pmoney, "900") << "the holdings window behind it too";
    EXPECT_EQ(textsOf(dealings.playerForm.PDeedList), std::vector<std::string>{"5  กรุงเทพฯ (จ.)"});
    EXPECT_FALSE(dealings.playerForm.RedeemButton) << "its buttons wait until it is back in use";
    const int refreshes = view.deedRefreshes;
    dealings.SellForm_Unload();
    EXPECT_FALSE(dealings.sellForm.visible);
    EXPECT_EQ(dealings.playerForm.Pmoney, "900");
    EXPECT_EQ(textsOf(dealings.playerForm.PDeedList), std::vector<std::string>{"5  กรุงเทพฯ (จ.)"});
    EXPECT_TRUE(dealings.playerForm.RedeemButton);
    EXPECT_GT(view.deedRefreshes, refreshes);
}

} // namespace
} // namespace tavorin::test
