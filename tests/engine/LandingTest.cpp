// Which frame a square opens, what it shows, where the focus goes, the lap-bonus arming and
// the counter `Continue`.
#include "tests/engine/RulesFixture.h"

namespace tavorin::test {
namespace {

using LandingTest = RulesTest;

// ------------------------------------------------------------------ every square

struct SquareFrame {
    Ctl frame, focus;
    std::string_view title, text; // the message box shown before the frame, if any
};

SquareFrame expectedFor(const rules::Square& sq) {
    switch (sq.type) {
    case 'a':
        return sq.value == '1'
                   ? SquareFrame{Ctl::TreasureFrame, Ctl::OkButtonInTreasure, "หีบสมบัติ", "พบหีบสมบัติ"}
                   : SquareFrame{Ctl::FateFrame, Ctl::OKButtonInFate, "ประตูดวง", "เสี่ยงดวงกันหน่อย"};
    case 'b':
        if (sq.value == '1') return {Ctl::TaxFrame, Ctl::OKButtonInTaxFrame, {}, {}};
        if (sq.value == '2') return {Ctl::DishonestFrame, Ctl::OKButtonInDishonestFrame, {}, {}};
        return {Ctl::RelaxFrame, Ctl::OKButtonInRelaxFrame, {}, {}};
    case 'c': return {Ctl::FreeLandFrame, Ctl::OKButtonInFreeLand, {}, {}};
    default: return {Ctl::StartFrame, Ctl::OKButtonInStart, {}, {}};
    }
}

TEST_F(LandingTest, EverySquareReportsItselfAndOpensItsFrame) {
    for (int sq = 0; sq < kSquares; ++sq) {
        SCOPED_TRACE("square " + std::to_string(sq));
        const rules::Square& want = rules::kSquares[std::size_t(sq)];
        const SquareFrame frame = expectedFor(want);
        closeAll();
        view.messages.clear();
        const std::int32_t before = s.player(1).Money;
        landOn(sq);
        EXPECT_EQ(s.TypeOfSend, want.type);
        EXPECT_EQ(s.ValueOfSend, want.value);
        if (want.type == 'c') {
            EXPECT_EQ(s.Number, want.deed);
        } else if (want.type != 'a') {
            EXPECT_EQ(s.Number, 1);
        }
        EXPECT_EQ(openFrames(), std::vector<Ctl>{frame.frame});
        EXPECT_EQ(game.screen().focus, frame.focus);
        EXPECT_EQ(s.Continue, 1);
        EXPECT_EQ(s.FirstProcess, "N");
        EXPECT_EQ(s.player(1).Money, before) << "landing takes no money by itself";
        if (frame.title.empty()) {
            EXPECT_TRUE(view.messages.empty());
        } else {
            ASSERT_EQ(view.messages.size(), 1u);
            EXPECT_EQ(view.messages[0].title, frame.title);
            EXPECT_EQ(view.messages[0].text, frame.text);
            int card = 0;
            card = s.Number;
            const auto& deck = want.value == '1' ? rules::kTreasure : rules::kFate;
            EXPECT_EQ(text(want.value == '1' ? Ctl::LabelTreasure : Ctl::LabelFate),
                      deck[std::size_t(card - 1)].text);
        }
        EXPECT_FALSE(game.bonusArmed());
    }
}

TEST_F(LandingTest, PuttingTheTokenStopsThePointersAndHidesTheTarget) {
    roll(1, 2);
    game.PressToken(1);
    ASSERT_TRUE(game.boardScreen().arrow2.visible);
    ASSERT_TRUE(game.boardScreen().timersRunning);
    drop();
    EXPECT_FALSE(game.boardScreen().timersRunning);
    EXPECT_FALSE(game.boardScreen().arrow2.visible);
}

// ------------------------------------------------------------------ the land dispatch

struct Holding {
    int owner, deed, houses = 0, towers = 0;
    bool mortgaged = false;
};

struct LandCase {
    const char* what;
    int deed;
    std::vector<Holding> holdings;
    Ctl frame, focus;
    std::vector<std::pair<Ctl, std::string>> labels = {};
    std::vector<Ctl> shown = {}, hidden = {};
    std::vector<std::pair<Ctl, bool>> enabledStates = {};
    int pairs = -1, groups = -1; // CheckPairLand and CheckMultiLand when checked
};

const std::vector<LandCase>& landCases() {
    using C = Ctl;
    // clang-format off
    static const std::vector<LandCase> cases = {
        {"free single land", 1, {}, C::FreeLandFrame, C::OKButtonInFreeLand,
         {{C::LabelFreeLand1, "บางปะอิน"}, {C::LabelFreeLand2, "ที่ดินเดี่ยว"}}, {}, {}, {{C::CheckFreeLand, true}}},
        {"free pair land", 9, {}, C::FreeLandFrame, C::OKButtonInFreeLand,
         {{C::LabelFreeLand1, "การไฟฟ้า"}, {C::LabelFreeLand2, "ที่ดินคู่"}}, {}, {}, {{C::CheckFreeLand, false}}},
        {"free group land", 12, {}, C::FreeLandFrame, C::OKButtonInFreeLand,
         {{C::LabelFreeLand1, "วัดสุทัศน์"}, {C::LabelFreeLand2, "ที่ดินรวม"}}, {}, {}, {{C::CheckFreeLand, false}}},
        {"own mortgaged single land", 29, {{1, 29, 0, 0, true}}, C::OwnMortgageLandFrame, C::OKButtonInOwnMortgageLand,
         {{C::LabelOwnMortgageLand1, "เกาะสมุย"}, {C::LabelOwnMortgageLand2, "ที่ดินเดี่ยว"},
          {C::LabelOwnMortgageLand3, "Player1"}, {C::LabelOwnMortgageLand5, "3200"}}},
        {"own mortgaged group land", 27, {{1, 27, 0, 0, true}}, C::OwnMortgageLandFrame, C::OKButtonInOwnMortgageLand,
         {{C::LabelOwnMortgageLand1, "วัดพระแก้ว"}, {C::LabelOwnMortgageLand2, "ที่ดินรวม"},
          {C::LabelOwnMortgageLand3, "Player1"}, {C::LabelOwnMortgageLand5, "1600"}}},
        {"other's mortgaged single land", 5, {{2, 5, 0, 0, true}}, C::NotOwnMortgageLandFrame,
         C::OKButtonInNotOwnMortgageLand,
         {{C::LabelNotOwnMortgageLand1, "กรุงเทพฯ"}, {C::LabelNotOwnMortgageLand2, "ที่ดินเดี่ยว"},
          {C::LabelNotOwnMortgageLand3, "Player2"}, {C::LabelNotOwnMortgageLand4, "100"},
          {C::LabelNotOwnMortgageLand5, "1800"}}},
        {"other's mortgaged single land, fee 400", 28, {{2, 28, 0, 0, true}}, C::NotOwnMortgageLandFrame,
         C::OKButtonInNotOwnMortgageLand,
         {{C::LabelNotOwnMortgageLand1, "ภูเก็ต"}, {C::LabelNotOwnMortgageLand4, "400"},
          {C::LabelNotOwnMortgageLand5, "6300"}}},
        {"other's mortgaged pair land", 22, {{2, 22, 0, 0, true}, {2, 9}}, C::NotOwnMortgageLandFrame,
         C::OKButtonInNotOwnMortgageLand,
         {{C::LabelNotOwnMortgageLand1, "การประปา"}, {C::LabelNotOwnMortgageLand2, "ที่ดินคู่"},
          {C::LabelNotOwnMortgageLand3, "Player2"}, {C::LabelNotOwnMortgageLand4, "320"},
          {C::LabelNotOwnMortgageLand5, "2700"}}},
        {"other's mortgaged group land", 3, {{2, 3, 0, 0, true}}, C::NotOwnMortgageLandFrame,
         C::OKButtonInNotOwnMortgageLand,
         {{C::LabelNotOwnMortgageLand1, "วัดอรุณฯ"}, {C::LabelNotOwnMortgageLand2, "ที่ดินรวม"},
          {C::LabelNotOwnMortgageLand3, "Player2"}, {C::LabelNotOwnMortgageLand4, "280"},
          {C::LabelNotOwnMortgageLand5, "3600"}}},
        {"own single land, room to build", 1, {{1, 1, 2}}, C::OwnSingleLandFrame, C::OKButtonInOwnSingleLand,
         {{C::LabelOwnSingleLand1, "บางปะอิน"}, {C::LabelOwnSingleLand2, "Player1"}, {C::LabelOwnSingleLand3, "2"},
          {C::LabelOwnSingleLand4, "0"}, {C::CancelButtonInOwnSingleLand, "ไม่ซื้อ"}},
         {C::LabelOwnSingleLand5, C::OKButtonInOwnSingleLand},
         {C::LabelOwnSingleLand6, C::RentAmt}},
        {"own single land with a tower", 29, {{1, 29, 4, 1}}, C::OwnSingleLandFrame, C::CancelButtonInOwnSingleLand,
         {{C::LabelOwnSingleLand1, "เกาะสมุย"}, {C::LabelOwnSingleLand2, "Player1"}, {C::LabelOwnSingleLand3, "4"},
          {C::LabelOwnSingleLand4, "1"}, {C::RentAmt, "4000"}, {C::CancelButtonInOwnSingleLand, "ตกลง"}},
         {C::LabelOwnSingleLand6, C::RentAmt},
         {C::LabelOwnSingleLand5, C::OKButtonInOwnSingleLand}},
        {"own single land with four houses: the tower is next", 7, {{1, 7, 4}}, C::OwnSingleLandFrame,
         C::OKButtonInOwnSingleLand,
         {{C::LabelOwnSingleLand1, "ข.ศรีนครินทร์"}, {C::LabelOwnSingleLand3, "4"}, {C::LabelOwnSingleLand4, "0"},
          {C::CancelButtonInOwnSingleLand, "ไม่ซื้อ"}},
         {C::LabelOwnSingleLand5, C::OKButtonInOwnSingleLand},
         {C::LabelOwnSingleLand6, C::RentAmt}},
        {"own pair land", 9, {{1, 9}}, C::OwnNotSingleLandFrame, C::OKButtonInOwnNotSingleLand,
         {{C::LabelOwnNotSingleLand1, "การไฟฟ้า"}, {C::LabelOwnNotSingleLand2, "ที่ดินคู่"},
          {C::LabelOwnNotSingleLand3, "Player1"}}},
        {"own group land", 19, {{1, 19}}, C::OwnNotSingleLandFrame, C::OKButtonInOwnNotSingleLand,
         {{C::LabelOwnNotSingleLand1, "วัดเบญจมบพิตร"}, {C::LabelOwnNotSingleLand2, "ที่ดินรวม"},
          {C::LabelOwnNotSingleLand3, "Player1"}}},
        {"other's single land, no houses", 2, {{2, 2}}, C::NotOwnSingleLandFrame, C::OKButtonInNotOwnSingleLand,
         {{C::LabelNotOwnSingleLand1, "อยุธยา"}, {C::LabelNotOwnSingleLand2, "Player2"},
          {C::LabelNotOwnSingleLand3, "0"}, {C::LabelNotOwnSingleLand4, "0"}, {C::LabelNotOwnSingleLand5, "100"}}},
        {"other's single land, three houses", 13, {{2, 13, 3}}, C::NotOwnSingleLandFrame,
         C::OKButtonInNotOwnSingleLand,
         {{C::LabelNotOwnSingleLand1, "เขาใหญ่"}, {C::LabelNotOwnSingleLand2, "Player2"},
          {C::LabelNotOwnSingleLand3, "3"}, {C::LabelNotOwnSingleLand4, "0"}, {C::LabelNotOwnSingleLand5, "5500"}}},
        {"other's single land with a tower", 29, {{2, 29, 4, 1}}, C::NotOwnSingleLandFrame,
         C::OKButtonInNotOwnSingleLand,
         {{C::LabelNotOwnSingleLand1, "เกาะสมุย"}, {C::LabelNotOwnSingleLand3, "4"},
          {C::LabelNotOwnSingleLand4, "1"}, {C::LabelNotOwnSingleLand5, "20000"}}},
        {"other's pair land, one piece", 9, {{2, 9}}, C::NotOwnNotSingleLandFrame, C::OKButtonInNotOwnNotSingleLand,
         {{C::LabelNotOwnNotSingleLand1, "การไฟฟ้า"}, {C::LabelNotOwnNotSingleLand2, "ที่ดินคู่"},
          {C::LabelNotOwnNotSingleLand3, "Player2"}, {C::LabelNotOwnNotSingleLand8, "850"}},
         {C::LabelNotOwnNotSingleLand4},
         {C::LabelNotOwnNotSingleLand5, C::LabelNotOwnNotSingleLand6, C::LabelNotOwnNotSingleLand7},
         {},
         1,
         0},
        {"other's pair land, both pieces", 22, {{2, 9, 0, 0, true}, {2, 22}}, C::NotOwnNotSingleLandFrame,
         C::OKButtonInNotOwnNotSingleLand,
         {{C::LabelNotOwnNotSingleLand1, "การประปา"}, {C::LabelNotOwnNotSingleLand2, "ที่ดินคู่"},
          {C::LabelNotOwnNotSingleLand8, "2250"}},
         {C::LabelNotOwnNotSingleLand5},
         {C::LabelNotOwnNotSingleLand4, C::LabelNotOwnNotSingleLand6, C::LabelNotOwnNotSingleLand7},
         {},
         2,
         0},
        {"other's group land, three pieces", 4, {{2, 3}, {2, 4}, {2, 12, 0, 0, true}}, C::NotOwnNotSingleLandFrame,
         C::OKButtonInNotOwnNotSingleLand,
         {{C::LabelNotOwnNotSingleLand1, "วัดโพธิ์"}, {C::LabelNotOwnNotSingleLand2, "ที่ดินรวม"},
          {C::LabelNotOwnNotSingleLand3, "Player2"}, {C::LabelNotOwnNotSingleLand7, "3 แห่ง"},
          {C::LabelNotOwnNotSingleLand8, "1500"}},
         {C::LabelNotOwnNotSingleLand6, C::LabelNotOwnNotSingleLand7},
         {C::LabelNotOwnNotSingleLand4, C::LabelNotOwnNotSingleLand5},
         {},
         0,
         3},
        {"other's group land, one piece among pair pieces", 12, {{2, 9}, {2, 12}, {2, 22}}, C::NotOwnNotSingleLandFrame,
         C::OKButtonInNotOwnNotSingleLand,
         {{C::LabelNotOwnNotSingleLand7, "1 แห่ง"}, {C::LabelNotOwnNotSingleLand8, "500"}},
         {C::LabelNotOwnNotSingleLand6, C::LabelNotOwnNotSingleLand7},
         {C::LabelNotOwnNotSingleLand4, C::LabelNotOwnNotSingleLand5},
         {},
         2,
         1},
        {"other's group land, all five", 27, {{2, 3}, {2, 4}, {2, 12}, {2, 19}, {2, 27}}, C::NotOwnNotSingleLandFrame,
         C::OKButtonInNotOwnNotSingleLand,
         {{C::LabelNotOwnNotSingleLand1, "วัดพระแก้ว"}, {C::LabelNotOwnNotSingleLand7, "5 แห่ง"},
          {C::LabelNotOwnNotSingleLand8, "2500"}},
         {C::LabelNotOwnNotSingleLand6, C::LabelNotOwnNotSingleLand7},
         {C::LabelNotOwnNotSingleLand4, C::LabelNotOwnNotSingleLand5},
         {},
         0,
         5},
    };
    // clang-format on
    return cases;
}

// The cases run one after another in one game, forwards and then backwards, so every case must set
// every label it shows or hides rather than rely on the one before.
TEST_F(LandingTest, LandDispatchOpensTheFirstMatchingCase) {
    std::vector<const LandCase*> order;
    for (const LandCase& c : landCases()) order.push_back(&c);
    for (auto it = landCases().rbegin(); it != landCases().rend(); ++it) order.push_back(&*it);
    for (const LandCase* c : order) {
        SCOPED_TRACE(c->what);
        clearBoard();
        for (const Holding& h : c->holdings) own(h.owner, h.deed, h.houses, h.towers, h.mortgaged);
        const std::int32_t m1 = s.player(1).Money, m2 = s.player(2).Money;
        landOnDeed(c->deed);
        EXPECT_EQ(openFrames(), std::vector<Ctl>{c->frame});
        EXPECT_EQ(game.screen().focus, c->focus);
        EXPECT_EQ(s.Continue, 1);
        EXPECT_EQ(s.Number, c->deed);
        for (const auto& [ctl, want] : c->labels) EXPECT_EQ(text(ctl), want) << controlName(ctl);
        for (Ctl ctl : c->shown) EXPECT_TRUE(visible(ctl)) << controlName(ctl);
        for (Ctl ctl : c->hidden) EXPECT_FALSE(visible(ctl)) << controlName(ctl);
        for (const auto& [ctl, want] : c->enabledStates) EXPECT_EQ(enabled(ctl), want) << controlName(ctl);
        if (c->pairs >= 0) {
            EXPECT_EQ(s.CheckPairLand, c->pairs);
        }
        if (c->groups >= 0) {
            EXPECT_EQ(s.CheckMultiLand, c->groups);
        }
        EXPECT_EQ(s.player(1).Money, m1);
        EXPECT_EQ(s.player(2).Money, m2);
    }
}

TEST_F(LandingTest, MortgageComesBeforeOwnershipSoNoRentOrBuildingFrameOpens) {
    // A mortgaged single deed with houses is not possible through the windows, but the order of the
    // cases alone must decide: a mortgaged deed opens a mortgage frame.
    own(2, 13, 0, 0, true);
    landOnDeed(13);
    EXPECT_EQ(openFrames(), std::vector<Ctl>{Ctl::NotOwnMortgageLandFrame});
    clearBoard();
    own(1, 9, 0, 0, true);
    landOnDeed(9);
    EXPECT_EQ(openFrames(), std::vector<Ctl>{Ctl::OwnMortgageLandFrame});
}

// ------------------------------------------------------------------ the first lap

TEST_F(LandingTest, FirstLapShowsOnlyTheNoticeOnEveryKindOfLand) {
    startGame(2, false);
    const std::vector<std::vector<Holding>> holdings = {
        {}, {{2, 29, 4, 1}}, {{2, 9}, {2, 22}}, {{2, 5, 0, 0, true}}, {{1, 1}}, {{1, 2, 0, 0, true}}};
    const int deeds[] = {6, 29, 22, 5, 1, 2};
    for (std::size_t i = 0; i < holdings.size(); ++i) {
        SCOPED_TRACE(deeds[i]);
        clearBoard();
        for (const Holding& h : holdings[i]) own(h.owner, h.deed, h.houses, h.towers, h.mortgaged);
        ASSERT_EQ(s.FirstLapLock[1], kTrue);
        landOnDeed(deeds[i]);
        EXPECT_EQ(openFrames(), std::vector<Ctl>{Ctl::FirstFrame});
        EXPECT_EQ(game.screen().focus, Ctl::OKButtonInFirst);
        EXPECT_EQ(s.Continue, 1);
    }
    // Closing the notice pays nothing and passes the turn.
    const std::int32_t m1 = s.player(1).Money, m2 = s.player(2).Money;
    game.OKButtonInFirst_Click();
    EXPECT_TRUE(openFrames().empty());
    EXPECT_EQ(s.Continue, 0);
    EXPECT_EQ(s.NV, 2);
    EXPECT_EQ(s.player(1).Money, m1);
    EXPECT_EQ(s.player(2).Money, m2);
}

TEST_F(LandingTest, FirstLapDoesNotStopCardsTaxOrTheOtherSquares) {
    startGame(2, false);
    const std::pair<int, Ctl> squares[] = {{2, Ctl::TreasureFrame},
                                           {7, Ctl::FateFrame},
                                           {10, Ctl::DishonestFrame},
                                           {20, Ctl::RelaxFrame},
                                           {38, Ctl::TaxFrame}};
    for (auto [sq, frame] : squares) {
        closeAll();
        landOn(sq);
        EXPECT_EQ(openFrames(), std::vector<Ctl>{frame}) << sq;
    }
}

// ------------------------------------------------------------------ the lap bonus

void expectArmed(const Game& g) {
    EXPECT_TRUE(g.bonusArmed());
    for (Ctl c : {Ctl::BonusFrame, Ctl::OpgBonus1, Ctl::OpgBonus2, Ctl::OKButtonInBonus, Ctl::LabelBonus})
        EXPECT_TRUE(g.screen()[c].enabled) << controlName(c);
    for (Ctl c : {Ctl::BonusFrame, Ctl::OpgBonus1, Ctl::OpgBonus2})
        EXPECT_TRUE(g.screen()[c].highlight) << controlName(c);
    EXPECT_FALSE(g.screen()[Ctl::CmbBonus].enabled);
    EXPECT_TRUE(g.screen()[Ctl::OpgBonus1].checked);
    EXPECT_FALSE(g.screen()[Ctl::OpgBonus2].checked);
    EXPECT_TRUE(g.screen()[Ctl::BonusFrame].visible) << "the bonus frame is always visible";
}

void expectDisarmed(const Game& g) {
    EXPECT_FALSE(g.bonusArmed());
    for (Ctl c : {Ctl::BonusFrame, Ctl::OpgBonus1, Ctl::OpgBonus2, Ctl::CmbBonus, Ctl::OKButtonInBonus,
                  Ctl::LabelBonus})
        EXPECT_FALSE(g.screen()[c].enabled) << controlName(c);
    for (Ctl c : {Ctl::BonusFrame, Ctl::OpgBonus1, Ctl::OpgBonus2})
        EXPECT_FALSE(g.screen()[c].highlight) << controlName(c);
    EXPECT_TRUE(g.screen()[Ctl::OpgBonus1].checked);
    EXPECT_FALSE(g.screen()[Ctl::OpgBonus2].checked);
    EXPECT_TRUE(g.BonusListLines().empty()) << "CmbBonus is emptied";
    EXPECT_TRUE(g.screen()[Ctl::BonusFrame].visible);
}

TEST_F(LandingTest, ALapArmsTheBonusWhateverTheSquare) {
    for (int sq = 0; sq < kSquares; ++sq) {
        SCOPED_TRACE(sq);
        closeAll();
        landOn(sq, true);
        EXPECT_EQ(s.Continue, 2);
        EXPECT_EQ(openFrames().size(), 1u);
        expectArmed(game);
        // The next move without a lap disarms it again.
        closeAll();
        game.OpgBonus2_Click();
        landOn(sq, false);
        EXPECT_EQ(s.Continue, 1);
        expectDisarmed(game);
    }
}

TEST_F(LandingTest, PassingTheStartOntoFreeLandInTheFirstLap) {
    startGame(2, false);
    s.player(1).Position = 36;
    roll(2, 3); // 41: square 1, deed 1, free
    EXPECT_EQ(s.FirstLapLock[1], kFalse);
    drop();
    EXPECT_EQ(openFrames(), std::vector<Ctl>{Ctl::FreeLandFrame});
    EXPECT_EQ(s.Continue, 2);
    expectArmed(game);
}

TEST_F(LandingTest, StoppingExactlyOnTheStartOpensTheStartFrameAndArmsTheBonus) {
    s.player(1).Position = 33;
    roll(3, 4);
    ASSERT_EQ(s.player(1).Position, 0);
    drop();
    EXPECT_EQ(openFrames(), std::vector<Ctl>{Ctl::StartFrame});
    EXPECT_EQ(game.screen().focus, Ctl::OKButtonInStart);
    EXPECT_EQ(s.Continue, 2);
    expectArmed(game);
}

TEST_F(LandingTest, NoLapLeavesTheBonusDisarmed) {
    roll(1, 1);
    drop();
    EXPECT_EQ(s.Continue, 1);
    expectDisarmed(game);
}

// ------------------------------------------------------------------ closed frames

TEST_F(LandingTest, TheButtonsOfAClosedFrameDoNothing) {
    // A second click, or a click on a frame that is not open, must not pay or close anything twice.
    own(2, 5, 4, 1);
    own(2, 9);
    own(2, 3, 0, 0, true);
    own(1, 29, 4, 1);
    own(1, 28, 0, 0, true);
    s.OrderNumberOfTreasure = 1;
    s.OrderNumberOfFate = 1;
    landOn(20, true); // an open decision (relax) and the bonus keep the turn with player 1
    ASSERT_EQ(s.Continue, 2);
    game.screenToSetUp()[Ctl::RelaxFrame].visible =
        false; // closed without its handler: no frame open but the bonus
    void (Game::*const handlers[])() = {&Game::OKButtonInFreeLand_Click,
                                        &Game::CancelButtonInFreeLand_Click,
                                        &Game::OKButtonInOwnSingleLand_Click,
                                        &Game::CancelButtonInOwnSingleLand_Click,
                                        &Game::OKButtonInOwnNotSingleLand_Click,
                                        &Game::OKButtonInOwnMortgageLand_Click,
                                        &Game::CancelButtonInOwnMortgageLand_Click,
                                        &Game::OKButtonInNotOwnSingleLand_Click,
                                        &Game::OKButtonInNotOwnNotSingleLand_Click,
                                        &Game::OKButtonInNotOwnMortgageLand_Click,
                                        &Game::TakeOverButton_Click,
                                        &Game::OKButtonInTaxFrame_Click,
                                        &Game::OkButtonInTreasure_Click,
                                        &Game::OKButtonInFate_Click,
                                        &Game::OKButtonInStart_Click,
                                        &Game::OKButtonInRelaxFrame_Click,
                                        &Game::OKButtonInFirst_Click,
                                        &Game::OKButtonInDishonestFrame_Click};
    for (int d : {1, 5, 9, 3, 29, 28}) {
        s.Number = d;
        for (auto h : handlers) (game.*h)();
    }
    EXPECT_EQ(s.player(1).Money, 15000);
    EXPECT_EQ(s.player(2).Money, 15000);
    EXPECT_EQ(s.player(1).MayPlay, kTrue);
    EXPECT_EQ(s.Continue, 2);
    EXPECT_EQ(s.NV, 1);
    EXPECT_EQ(s.deed(3).Owner, 2);
    EXPECT_EQ(s.deed(28).Mortgaged, kTrue);
    EXPECT_EQ(s.deed(1).Owner, 0);
    EXPECT_TRUE(view.messages.empty());
}

// ------------------------------------------------------------------ "Wrong Value"

TEST_F(LandingTest, WrongValueOpensNothingAndTakesBackItsDecision) {
    struct Report {
        char type, value;
        int number;
    };
    // The deed or card number must name one: no deed 0 or 30, no card past the 15 of a deck.
    const Report reports[] = {{'x', '1', 1},  {'\0', '1', 1}, {'A', '1', 1},  {'a', '3', 1}, {'a', '0', 1},
                              {'b', '4', 1},  {'b', '0', 1},  {'b', '\0', 1}, {'c', '1', 0}, {'c', '1', 30},
                              {'c', '1', -1}, {'a', '1', 0},  {'a', '2', 16}};
    for (const auto& [type, value, number] : reports) {
        SCOPED_TRACE(std::string(1, type) + "/" + std::string(1, value) + "/" + std::to_string(number));
        startGame(2);
        s.TypeOfSend = type;
        s.ValueOfSend = value;
        s.Number = number;
        s.LoopFinish = true; // step 4 is skipped: no bonus either
        game.ProcessAfterPut();
        ASSERT_EQ(view.messages.size(), 1u);
        EXPECT_EQ(view.messages[0].title, kAppTitle);
        EXPECT_EQ(view.messages[0].text, "Wrong Value");
        EXPECT_TRUE(openFrames().empty());
        EXPECT_FALSE(game.bonusArmed());
        // On purpose: the Continue raised for the missing frame is taken back and the turn
        // passes instead of stalling with nothing to answer.
        EXPECT_EQ(s.Continue, 0);
        EXPECT_EQ(s.NV, 2);
        EXPECT_TRUE(enabled(Ctl::RunButton));
    }
}

TEST_F(LandingTest, WrongValueWhileAnotherDecisionIsOpenDoesNotPassTheTurn) {
    // Only the decision it counted is taken back; one still open keeps the turn.
    s.Continue = 1;
    s.TypeOfSend = 'z';
    game.ProcessAfterPut();
    EXPECT_EQ(s.Continue, 1);
    EXPECT_EQ(s.NV, 1);
}

} // namespace
} // namespace tavorin::test
