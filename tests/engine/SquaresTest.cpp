// The start, relax, first-lap and dishonest squares, and the lap bonus with its house
// option, its six refusals and the lines of CmbBonus.
#include "tests/engine/RulesFixture.h"

namespace tavorin::test {
namespace {

using SquaresTest = RulesTest;

// ------------------------------------------------------------------ start, relax, first lap

TEST_F(SquaresTest, TheStartSquarePaysNothingByItself) {
    landOn(0, false);
    game.OKButtonInStart_Click();
    EXPECT_EQ(s.player(1).Money, 15000);
    EXPECT_FALSE(visible(Ctl::StartFrame));
    EXPECT_EQ(s.NV, 2);
}

TEST_F(SquaresTest, ReachingTheStartPaysThroughTheBonusInEitherOrder) {
    for (bool bonusFirst : {false, true}) {
        SCOPED_TRACE(bonusFirst ? "bonus first" : "start frame first");
        s.NV = 1;
        setMoney(1, 15000);
        landOn(0, true);
        ASSERT_EQ(s.Continue, 2);
        if (bonusFirst) {
            game.OKButtonInBonus_Click();
            EXPECT_EQ(s.Continue, 1);
            EXPECT_EQ(s.NV, 1);
            game.OKButtonInStart_Click();
        } else {
            game.OKButtonInStart_Click();
            EXPECT_EQ(s.Continue, 1);
            EXPECT_EQ(s.NV, 1) << "the turn waits for the bonus";
            game.OKButtonInBonus_Click();
        }
        EXPECT_EQ(s.player(1).Money, 17000);
        EXPECT_EQ(s.Continue, 0);
        EXPECT_EQ(s.NV, 2);
    }
}

TEST_F(SquaresTest, RelaxCostsTheNextTurnOnly) {
    startGame(3);
    landOn(20);
    ASSERT_TRUE(visible(Ctl::RelaxFrame));
    game.OKButtonInRelaxFrame_Click();
    EXPECT_EQ(s.player(1).MayPlay, kFalse);
    EXPECT_EQ(s.player(1).Money, 15000);
    EXPECT_FALSE(visible(Ctl::RelaxFrame));
    EXPECT_EQ(s.NV, 2);
    EXPECT_TRUE(game.screen()[Ctl::LabelName1].red) << "shown in red until his turn is passed over";
    EXPECT_FALSE(game.screen()[Ctl::LabelName2].red);
    // Player 2 and 3 play; then player 1 is passed over once.
    std::vector<int> order;
    for (int i = 0; i < 5; ++i) {
        landOn(0);
        game.OKButtonInStart_Click();
        order.push_back(s.NV);
    }
    EXPECT_EQ(order, (std::vector<int>{3, 2, 3, 1, 2}));
    EXPECT_EQ(s.player(1).MayPlay, kTrue);
    EXPECT_FALSE(game.screen()[Ctl::LabelName1].red);
}

TEST_F(SquaresTest, RelaxWithTwoPlayersGivesTheOtherTwoTurnsInARow) {
    landOn(20);
    game.OKButtonInRelaxFrame_Click();
    ASSERT_EQ(s.NV, 2);
    landOn(0);
    game.OKButtonInStart_Click();
    EXPECT_EQ(s.NV, 2);
    landOn(0);
    game.OKButtonInStart_Click();
    EXPECT_EQ(s.NV, 1);
}

// ------------------------------------------------------------------ dishonest squares

TEST_F(SquaresTest, BailMovesTheTokenToSquareTenWhateverTheOutcome) {
    enum class Then { Paid, Short, Bankrupt };
    const struct {
        int square;
        std::int32_t money;
        int deed; // 0: none
        bool mortgaged;
        int r1, r2;
        Then then;
    } cases[] = {
        {10, 15000, 0, false, 1, 10, Then::Paid},  {30, 500, 0, false, 10, 1, Then::Paid},
        {30, 499, 1, false, 3, 7, Then::Short},    {10, 300, 2, false, 5, 5, Then::Short},
        {30, 300, 0, false, 2, 9, Then::Bankrupt}, {10, 0, 6, true, 4, 6, Then::Bankrupt},
    };
    const Rect& box = kSquareTable[10].box;
    for (const auto& c : cases) {
        SCOPED_TRACE(::testing::Message() << "square " << c.square << ", money " << c.money);
        startGame(3);
        if (c.deed) own(1, c.deed, 0, 0, c.mortgaged);
        setMoney(1, c.money);
        landOn(c.square);
        ASSERT_TRUE(visible(Ctl::DishonestFrame));
        EXPECT_EQ(game.screen().focus, Ctl::OKButtonInDishonestFrame);
        rnd.log.clear();
        rnd.push({c.r1, c.r2});
        game.OKButtonInDishonestFrame_Click();
        // Two draws, horizontal first, each 1..10.
        ASSERT_EQ(rnd.log.size(), 2u);
        for (const auto& d : rnd.log) {
            EXPECT_EQ(d.lo, 1);
            EXPECT_EQ(d.hi, 10);
        }
        EXPECT_EQ(s.player(1).Position, 10);
        EXPECT_EQ(s.tokenLeft[1], box.left + 50 * c.r1);
        EXPECT_EQ(s.tokenTop[1], box.top + 50 * c.r2);
        switch (c.then) {
        case Then::Paid:
            EXPECT_EQ(s.player(1).Money, c.money - 500);
            EXPECT_EQ(s.player(1).MayPlay, kTrue) << "no turn is lost";
            EXPECT_FALSE(visible(Ctl::DishonestFrame));
            EXPECT_EQ(s.NV, 2);
            break;
        case Then::Short:
            EXPECT_EQ(s.player(1).Money, c.money);
            EXPECT_EQ(lastMessage().text, kMustRaiseMoney);
            EXPECT_EQ(s.checkdiscount, kTrue);
            EXPECT_TRUE(visible(Ctl::DishonestFrame));
            EXPECT_EQ(s.Continue, 1);
            EXPECT_EQ(s.NV, 1);
            break;
        case Then::Bankrupt:
            EXPECT_EQ(lastMessage().text, kBankrupt);
            EXPECT_EQ(s.player(1).Bankrupt, kTrue);
            EXPECT_EQ(s.player(1).Money, 0);
            EXPECT_FALSE(visible(Ctl::DishonestFrame));
            EXPECT_EQ(s.NV, 2);
            break;
        }
        EXPECT_EQ(s.player(2).Money, 15000) << "bail goes to the bank";
    }
}

TEST_F(SquaresTest, PressingTheBailAgainAfterRaisingMoneyMovesTheTokenAgain) {
    own(1, 5);
    setMoney(1, 200);
    landOn(30);
    rnd.push({2, 3});
    game.OKButtonInDishonestFrame_Click();
    ASSERT_EQ(s.checkdiscount, kTrue);
    const Rect& box = kSquareTable[10].box;
    EXPECT_EQ(s.tokenLeft[1], box.left + 100);
    mortgageForCash(1, 5); // +800
    rnd.push({9, 8});
    game.OKButtonInDishonestFrame_Click();
    EXPECT_EQ(s.player(1).Money, 500);
    EXPECT_EQ(s.tokenLeft[1], box.left + 450);
    EXPECT_EQ(s.tokenTop[1], box.top + 400);
    EXPECT_EQ(s.player(1).Position, 10);
    EXPECT_EQ(s.checkdiscount, kFalse);
    EXPECT_EQ(s.NV, 2);
}

// ------------------------------------------------------------------ the lap bonus

TEST_F(SquaresTest, BonusOptionButtonsSwitchTheDeedList) {
    landOn(0, true);
    EXPECT_FALSE(enabled(Ctl::CmbBonus));
    game.OpgBonus2_Click();
    EXPECT_TRUE(enabled(Ctl::CmbBonus));
    EXPECT_TRUE(game.screen()[Ctl::OpgBonus2].checked);
    EXPECT_FALSE(game.screen()[Ctl::OpgBonus1].checked);
    EXPECT_EQ(textsOf(game.BonusListLines()), std::vector<std::string>{std::string(kNoDeedLeft)});
    game.OpgBonus1_Click();
    EXPECT_FALSE(enabled(Ctl::CmbBonus));
    EXPECT_TRUE(game.screen()[Ctl::OpgBonus1].checked);
    EXPECT_FALSE(game.screen()[Ctl::OpgBonus2].checked);
}

TEST_F(SquaresTest, CmbBonusLinesFollowTheDeedsListOrder) {
    own(1, 29, 4, 1);
    own(1, 3);
    own(1, 7, 0, 0, true);
    own(1, 15, 2);
    own(1, 1);
    own(2, 5, 3); // another player's deeds are not listed
    landOn(0, true);
    game.OpgBonus2_Click();
    const std::vector<std::string> want = {"29 เกาะสมุย          บ้าน 4 ตึก 1", "3  วัดอรุณฯ",
                                           "7  ข.ศรีนครินทร์ (จ.)", "15 ฟาร์มจระเข้       บ้าน 2 ตึก 0",
                                           "1  บางปะอิน"};
    EXPECT_EQ(textsOf(game.BonusListLines()), want);
}

TEST_F(SquaresTest, TheMoneyBonus) {
    landOn(5, true);
    game.OKButtonInBonus_Click();
    EXPECT_EQ(s.player(1).Money, 17000);
    EXPECT_EQ(text(Ctl::LabelMoney1), "17000");
    EXPECT_FALSE(game.bonusArmed());
    EXPECT_EQ(s.Continue, 1);
    EXPECT_EQ(s.NV, 1);
    // A second press does nothing: the frame is disarmed.
    game.OKButtonInBonus_Click();
    EXPECT_EQ(s.player(1).Money, 17000);
    EXPECT_EQ(s.Continue, 1);
}

TEST_F(SquaresTest, TheHouseBonus) {
    const struct {
        int deed, houses;
        std::int32_t paidOut;
    } cases[] = {{1, 2, 1500}, {1, 0, 1500}, {1, 3, 1500}, {29, 0, 0},
                 {24, 3, 0},   {8, 1, 1000}, {16, 2, 500}};
    for (const auto& c : cases) {
        SCOPED_TRACE(::testing::Message() << "deed " << c.deed << " with " << c.houses);
        clearBoard();
        s.NV = 1;
        setMoney(1, 100);
        own(1, 2); // another deed listed first
        own(1, c.deed, c.houses);
        const int refreshes = view.deedRefreshes;
        landOn(20, true);
        game.OpgBonus2_Click();
        selectBonusDeed(c.deed);
        game.OKButtonInBonus_Click();
        EXPECT_EQ(s.deed(c.deed).Houses, c.houses + 1);
        EXPECT_EQ(s.deed(c.deed).Towers, 0);
        EXPECT_EQ(s.deed(2).Houses, 0);
        EXPECT_EQ(s.player(1).Money, 100 + c.paidOut);
        EXPECT_GT(view.deedRefreshes, refreshes) << "ChangeDeedOnMain";
        EXPECT_FALSE(game.bonusArmed());
        EXPECT_TRUE(game.BonusListLines().empty());
        EXPECT_EQ(s.Continue, 1);
    }
}

TEST_F(SquaresTest, TheDeedNumberIsReadFromTheFirstTwoCharacters) {
    own(1, 1);
    own(1, 15);
    own(1, 10);
    landOn(0, true);
    game.OpgBonus2_Click();
    selectBonusDeed(15);
    game.OKButtonInBonus_Click();
    EXPECT_EQ(s.deed(15).Houses, 1);
    EXPECT_EQ(s.deed(1).Houses, 0);
    EXPECT_EQ(s.deed(10).Houses, 0);
}

TEST_F(SquaresTest, TheSixRefusalsOfTheHouseBonus) {
    const std::string player = "Player1";
    const std::string app(kAppTitle);
    const std::string notSingle = "โฉนดที่ดินที่ท่านเลือกมิได้เป็นประเภทที่ดินเดี่ยวจึงไม่สามารถทำการสั่งซื้อบ้านเพิ่มได้";
    const struct {
        const char* what;
        int deed, houses, towers;
        bool mortgaged;
        bool select;
        std::string title, text;
    } cases[] = {
        {"nothing selected", 1, 0, 0, false, false, player, "ยังไม่ได้เลือกโฉนด"},
        {"no deed left", 0, 0, 0, false, true, app, "เลือกไม่ได้"},
        {"group land", 12, 0, 0, false, true, player, notSingle},
        {"pair land", 22, 0, 0, false, true, player, notSingle},
        {"mortgaged group land: the land type comes first", 3, 0, 0, true, true, player, notSingle},
        {"mortgaged", 5, 0, 0, true, true, app, "ที่ดินนี้ติดจำนองอยู่"},
        {"mortgaged with a house standing", 5, 1, 0, true, true, app, "ที่ดินนี้ติดจำนองอยู่"},
        {"tower", 29, 4, 1, false, true, app, "มีสิ่งปลูกสร้างเต็มแล้ว"},
        {"four houses: never the tower", 7, 4, 0, false, true, app, "มีบ้านเต็มแล้วไม่สามารถสั่งซื้อตึกได้"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.what);
        clearBoard();
        s.NV = 1;
        setMoney(1, 1000);
        if (c.deed) own(1, c.deed, c.houses, c.towers, c.mortgaged);
        landOn(20, true);
        view.messages.clear();
        game.OpgBonus2_Click();
        if (c.select) game.CmbBonus_Select(0);
        game.OKButtonInBonus_Click();
        ASSERT_EQ(view.messages.size(), 1u);
        EXPECT_EQ(lastMessage().title, c.title);
        EXPECT_EQ(lastMessage().text, c.text);
        // Nothing changes; the frame stays armed with the house option.
        EXPECT_EQ(s.player(1).Money, 1000);
        if (c.deed) {
            EXPECT_EQ(s.deed(c.deed).Houses, c.houses);
            EXPECT_EQ(s.deed(c.deed).Towers, c.towers);
        }
        EXPECT_TRUE(game.bonusArmed());
        EXPECT_TRUE(enabled(Ctl::CmbBonus));
        EXPECT_TRUE(game.screen()[Ctl::OpgBonus2].checked);
        EXPECT_EQ(s.Continue, 2);
        EXPECT_EQ(s.NV, 1);
        // The money bonus is still there to take.
        game.OpgBonus1_Click();
        game.OKButtonInBonus_Click();
        EXPECT_EQ(s.player(1).Money, 3000);
        EXPECT_EQ(s.Continue, 1);
    }
}

TEST_F(SquaresTest, ABonusNeverAnsweredKeepsTheTurnOpen) {
    s.player(1).Position = 33;
    roll(3, 4);
    drop();
    game.OKButtonInStart_Click();
    EXPECT_EQ(s.Continue, 1);
    EXPECT_EQ(s.NV, 1);
    EXPECT_FALSE(enabled(Ctl::RunButton));
}

} // namespace
} // namespace tavorin::test
