#include "engine/Game.h"

#include <cassert>
#include <limits>

#include "engine/Decks.h"
#include "engine/Holdings.h"
#include "engine/HoldingsLine.h"
#include "engine/Money.h"
#include "engine/Tariff.h"
#include "engine/Text.h"

namespace tavorin {

namespace {
Charge chargeOf(Ctl frame) {
    switch (frame) {
    case Ctl::NotOwnSingleLandFrame:
    case Ctl::NotOwnNotSingleLandFrame: return Charge::Rent;
    case Ctl::NotOwnMortgageLandFrame: return Charge::MortgageFee;
    case Ctl::TaxFrame: return Charge::Tax;
    case Ctl::DishonestFrame: return Charge::Bail;
    case Ctl::TreasureFrame:
    case Ctl::FateFrame: return Charge::Card;
    default: return Charge::None;
    }
}

constexpr std::string_view kNotEnoughMoney = "เงินของท่านมีไม่พอชำระ";
constexpr std::string_view kMustRaiseMoney =
    "เงินของท่านมีไม่พอชำระ กรุณาขายสินทรัพย์ของท่านเพื่อนำเงินมาชำระให้เรียบร้อยก่อน "
    "และในการขายสินทรัพย์ของท่านครั้งนี้จะถูกหักภาษีลดลงจากเดิมเพื่อประโยชน์ของท่าน";
constexpr std::string_view kBankruptByCourt = "ท่านไม่เหลือทรัพย์สินที่จะชำระหนี้อีกแล้ว ศาลจึงตัดสินให้ท่านล้มละลาย";
constexpr std::string_view kComputerBankrupt = "คอมฯ ท่านนี้ไม่เหลือทรัพย์สินที่จะชำระหนี้อีกแล้ว ศาลจึงตัดสินให้ล้มละลายไปซะ";
constexpr std::string_view kNoDeedLeft = "ไม่มีโฉนดเหลือเลย";
} // namespace

Game::Game(SeededRandom& random, MainView& view) : Game(static_cast<RandomSource&>(random), view) {
    seeded_ = &random;
}

Game::Game(RandomSource& random, MainView& view) : random_(&random), seeded_(nullptr), view_(&view) {
    // The main window's controls as a new window shows them, before any game.
    for (int k = 1; k <= kMaxPlayers; ++k) ui[nth(Ctl::labelcom1, k)].visible = false;
    ui[Ctl::LabelComThinking].visible = false;
    ui[Ctl::BarComThinking].visible = false;
    ui[Ctl::OpgSpeed3].checked = true;
    ui[Ctl::LabelOwnSingleLand6].visible = false;
    ui[Ctl::RentAmt].visible = false;
    ResetFrames();
}

void Game::setLabel(Ctl c, std::int64_t number) {
    std::string& t = ui[c].text;
    t.clear();
    appendNumber(t, number);
}

// ---------------------------------------------------------------- new game

void Game::ResetFrames() {
    for (Ctl c : {Ctl::BonusFrame, Ctl::OpgBonus1, Ctl::OpgBonus2, Ctl::CmbBonus, Ctl::OKButtonInBonus,
                  Ctl::LabelBonus})
        ui[c].enabled = false;
    for (Ctl f : kDecisionFrames) ui[f].visible = false;
}

void Game::DefineInitialValue() {
    for (int k = 1; k <= kMaxPlayers; ++k) {
        PlayerRecord& p = s.player(k);
        p.Money = kStartMoney;
        p.DeedCount = 0;
        p.Position = 0;
        p.Deeds.fill(0);
        p.MayPlay = kTrue;
        p.Bankrupt = kFalse;
        p.IsComputer = kFalse;
    }
    for (int d = 1; d <= kDeeds; ++d) {
        const DeedData& t = kDeedTable[std::size_t(d)];
        DeedRecord& r = s.deed(d);
        r.Name.assign(t.name);
        r.LandType = std::uint8_t(t.landType);
        r.LandTypeName.assign(landTypeName(t.landType));
        r.Price = t.price;
        r.HousePrice = t.housePrice;
        r.TowerPrice = t.towerPrice;
        r.Rent = t.rent;
        r.Owner = 0;
        r.Houses = 0;
        r.Towers = 0;
        r.Mortgaged = kFalse;
    }
    for (int c = 1; c <= kCardsPerDeck; ++c) {
        s.TreasureCards[std::size_t(c)] = {std::string(kTreasureDeckName),
                                           std::string(kTreasureCards[std::size_t(c)].text),
                                           kTreasureCards[std::size_t(c)].amount};
        s.FateCards[std::size_t(c)] = {std::string(kFateDeckName),
                                       std::string(kFateCards[std::size_t(c)].text),
                                       kFateCards[std::size_t(c)].amount};
    }
    for (int i = 1; i <= kMaxCards; ++i) {
        s.TreasureOrder[std::size_t(i)] = 0;
        s.FateOrder[std::size_t(i)] = 0;
    }
}

void Game::DefinePlayer(const NewGameSetup& setup) {
    for (int k = 1; k <= kMaxPlayers; ++k) {
        PlayerRecord& p = s.player(k);
        p.Name = setup.names[std::size_t(k)];
        ui[nth(Ctl::LabelName1, k)].text = p.Name;
        ui[nth(Ctl::PlayerButton1, k)].text = p.Name;
        setLabel(nth(Ctl::LabelMoney1, k), p.Money);
    }
    for (int k = 1; k <= s.NumOfPlayer; ++k) {
        if (setup.computer[std::size_t(k)]) {
            s.player(k).IsComputer = kTrue;
            ui[nth(Ctl::labelcom1, k)].visible = true;
        }
    }
    for (int k = 1; k <= kMaxPlayers; ++k)
        if (s.player(k).IsComputer == kTrue) s.Pcom[std::size_t(k)] = kTrue;
    for (int k = 1; k <= kMaxPlayers; ++k)
        s.FirstLapLock[std::size_t(k)] = setup.buyFirstLoop ? kFalse : kTrue;
}

void Game::ReOrderNumber1() { shuffleDeck(s, *random_, Deck::Treasure); }
void Game::ReOrderNumber2() { shuffleDeck(s, *random_, Deck::Fate); }
void Game::ReOrderNumber3() { shuffleDeal(s, *random_); }

void Game::DefineINIdeed() {
    assert(s.NumOfINIdeed * s.NumOfPlayer <= s.NumOfDeed);
    ReOrderNumber3();
    for (int i = 1; i <= s.NumOfPlayer; ++i)
        for (int j = 1; j <= s.NumOfINIdeed; ++j)
            transferDeed(s, s.DealOrder[std::size_t(i + (j - 1) * s.NumOfPlayer)], i);
}

void Game::NewGame(const NewGameSetup& setup) {
    const int n = setup.numPlayers;
    if (n < 2 || n > kMaxPlayers || setup.initialDeeds < 0 || setup.initialDeeds > 4) return;
    board.visible = true;
    ui.visible = true;
    DefineInitialValue();
    for (int k = 1; k <= kMaxPlayers; ++k) {
        s.LP[std::size_t(k)] = kFalse;
        s.LPName[std::size_t(k)].clear();
    }
    for (int k = 1; k <= kMaxPlayers; ++k) {
        const bool on = k <= n;
        ui[nth(Ctl::LabelName1, k)].visible = on;
        ui[nth(Ctl::PlayerButton1, k)].visible = on;
        ui[nth(Ctl::LabelMoney1, k)].visible = on;
        s.tokenLeft[std::size_t(k)] = std::int16_t(kTokenHome[std::size_t(k)][0]);
        s.tokenTop[std::size_t(k)] = std::int16_t(kTokenHome[std::size_t(k)][1]);
    }
    for (int k = 1; k <= n; ++k) {
        s.tokenToolTip[std::size_t(k)] = setup.names[std::size_t(k)];
        if (!setup.picturePaths[std::size_t(k)].empty()) {
            s.LPName[std::size_t(k)] = setup.picturePaths[std::size_t(k)];
            s.LP[std::size_t(k)] = kTrue;
        }
    }
    s.NumOfPlayer = std::int16_t(n);
    DefinePlayer(setup);
    s.NP = std::uint8_t(n);
    s.NumOfDeed = kDeeds;
    s.NumOfTreasure = kCardsPerDeck;
    s.NumOfFate = kCardsPerDeck;
    s.Continue = 0;
    s.FirstProcess = "N";
    s.checkdiscount = kFalse;
    ui[Ctl::RunButton].enabled = false;
    ui[Ctl::StopButton].enabled = false;
    s.OrderNumberOfTreasure = 1;
    s.OrderNumberOfFate = 1;
    ReOrderNumber1();
    ReOrderNumber2();
    OpgSpeed_Click(3);
    if (setup.initialDeeds > 0) {
        s.NumOfINIdeed = std::uint8_t(setup.initialDeeds);
        DefineINIdeed();
    }
    s.NV = 1;
    ChangeDeedOnMain();
    s.NV = 0;
    NV_Process();
}

// ---------------------------------------------------------------- turn cycle

std::array<int, 2> Game::RunButton_Click() {
    if (!ui[Ctl::RunButton].enabled || s.gameOver) return {0, 0};
    const int i1 = rdm(40, 100);
    const int i2 = rdm(40, 100);
    ui[Ctl::SaveButton].enabled = false;
    ui[Ctl::RunButton].enabled = false;
    ui[Ctl::StopButton].enabled = true;
    ui.focus = Ctl::StopButton;
    return {i1, i2};
}

void Game::Timer1_Timer() { s.CubeValue1 = std::uint8_t(rdm(1, 6)); }
void Game::Timer2_Timer() { s.CubeValue2 = std::uint8_t(rdm(1, 6)); }

void Game::showRollText() {
    std::string& t = ui[Ctl::Text1].text;
    t.assign("ทอยได้ ");
    appendNumber(t, s.CubeValue1 + s.CubeValue2);
    t.append(" แต้ม");
}

void Game::applyMove(int player) {
    PlayerRecord& p = s.player(player);
    int pos = p.Position + s.CubeValue1 + s.CubeValue2;
    if (pos >= kSquares) {
        pos -= kSquares;
        s.LoopFinish = "True";
        s.FirstLapLock[std::size_t(player)] = kFalse;
    } else {
        s.LoopFinish = "False";
    }
    p.Position = std::uint8_t(pos);
    report({.kind = EventKind::Rolled,
            .player = player,
            .amount = s.CubeValue1 + s.CubeValue2,
            .other = s.CubeValue1});
    if (s.LoopFinish == "True") report({.kind = EventKind::PassedStart, .player = player});
    report({.kind = EventKind::Moved, .player = player, .other = pos});
}

void Game::StopButton_Click() {
    if (!ui[Ctl::StopButton].enabled || !validPlayer(s.NV)) return;
    showRollText();
    ui[Ctl::RunButton].enabled = false;
    ui[Ctl::StopButton].enabled = false;
    ui.focus = Ctl::Command2;
    applyMove(s.NV);
    s.FirstProcess = "Y";
    SetArrowPictureOnMap();
    // The move is made on the board, which may lie behind MAIN.
    board.visible = true;
    view_->showWindow(GameWindow::Board);
}

void Game::SetArrowPictureOnMap() {
    const int p = s.NV;
    board.arrow1 = {true, s.tokenLeft[std::size_t(p)] - 500, s.tokenTop[std::size_t(p)] - 500};
    const Rect& box = kSquareTable[s.player(p).Position].box;
    // The target pointer is placed now but shown only when the person picks up the token.
    board.arrow2 = {false, box.left - 350, box.top - 350};
    board.timersRunning = true;
}

void Game::showNameColours() {
    for (int k = 1; k <= kMaxPlayers; ++k) {
        Control& c = ui[nth(Ctl::LabelName1, k)];
        c.highlight = (k == s.NV);
        c.red = s.player(k).MayPlay == kFalse;
    }
}

void Game::NV_Process() {
    if (s.NumOfPlayer < 1 || s.NumOfPlayer > kMaxPlayers) return;
    // Every seat is visited at most twice: a lost turn is passed over once, a bankrupt seat always.
    bool taken = false;
    for (int guard = 0; guard < 2 * kMaxPlayers + 1 && !taken; ++guard) {
        s.NV = std::uint8_t(s.NV % s.NumOfPlayer + 1);
        PlayerRecord& p = s.player(s.NV);
        taken = p.Bankrupt != kTrue && p.MayPlay != kFalse;
        p.MayPlay = kTrue;
    }
    if (!taken) return;
    if (s.NP == 1) {
        s.gameOver = true;
        ui[Ctl::RunButton].enabled = false;
        ui[Ctl::StopButton].enabled = false;
        ui[Ctl::SaveButton].enabled = false;
        board.visible = false;
        ui.visible = false;
        report({.kind = EventKind::Won, .player = s.NV});
        view_->gameWon(s.NV);
        return;
    }
    showNameColours();
    board.arrow2.visible = false;
    ui[Ctl::SaveButton].enabled = true;
    ui[Ctl::RunButton].enabled = true;
    ui[Ctl::StopButton].enabled = false;
    ui.focus = Ctl::RunButton;
    if (s.player(s.NV).IsComputer == kTrue) view_->computerTurnReady();
}

void Game::nv_process_for_load() {
    showNameColours();
    board.arrow2.visible = false;
    ui[Ctl::SaveButton].enabled = true;
    ui[Ctl::RunButton].enabled = true;
    ui[Ctl::StopButton].enabled = false;
}

std::int32_t Game::speedOfOption(int index) {
    static constexpr std::int32_t speeds[] = {0, 1000, 10000, 100000, 150000, 200000};
    return (index >= 1 && index <= 5) ? speeds[index] : 0;
}

void Game::OpgSpeed_Click(int index) {
    if (index < 1 || index > 5) return;
    s.Speed = speedOfOption(index);
    for (int i = 1; i <= 5; ++i) ui[nth(Ctl::OpgSpeed1, i)].checked = (i == index);
}

// ---------------------------------------------------------------- the token on the board

bool Game::PressToken(int k) {
    if (!validPlayer(k) || s.Pcom[std::size_t(k)] != 0) return false;
    if (k == s.NV) {
        board.arrow1.visible = false;
        if (!ui[Ctl::RunButton].enabled && !ui[Ctl::StopButton].enabled) board.arrow2.visible = true;
    }
    return true;
}

bool Game::DropToken(int k, int square, int x, int y, int pox, int poy) {
    if (!validPlayer(k) || square < 0 || square >= kSquares || s.Pcom[std::size_t(k)] != 0) return false;
    if (s.player(k).Position != square) return false;
    const Rect& box = kSquareTable[std::size_t(square)].box;
    s.tokenLeft[std::size_t(k)] = std::int16_t(box.left + x - pox);
    s.tokenTop[std::size_t(k)] = std::int16_t(box.top + y - poy);
    if (k == s.NV && s.FirstProcess == "Y" && !s.gameOver) {
        ui.visible = true;
        ReportSquare(square);
        ProcessAfterPut();
        s.FirstProcess = "N";
    }
    return true;
}

// ---------------------------------------------------------------- landing

int Game::DrawCard(bool treasure) {
    s.TypeOfSend = "a";
    s.ValueOfSend = treasure ? "1" : "2";
    const int card = drawCard(s, *random_, treasure ? Deck::Treasure : Deck::Fate);
    report({.kind = EventKind::DrewCard, .player = s.NV, .deed = treasure ? 1 : 2, .other = card});
    s.Number.clear();
    appendNumber(s.Number, card);
    return card;
}

void Game::ReportSquare(int square) {
    if (square < 0 || square >= kSquares) return;
    const SquareData& sq = kSquareTable[std::size_t(square)];
    if (sq.typeOfSend == 'a') {
        DrawCard(sq.valueOfSend == '1');
        return;
    }
    s.TypeOfSend.assign(1, sq.typeOfSend);
    s.ValueOfSend.assign(1, sq.valueOfSend);
    if (sq.typeOfSend == 'c') {
        s.Number.clear();
        appendNumber(s.Number, sq.deed);
    } else {
        s.Number = "1";
    }
}

int Game::currentDeed() const {
    int d = 0;
    if (!parseDigits(s.Number, d) || !validDeed(d)) return 0;
    return d;
}

Ctl Game::openFrame(Ctl frame, Ctl focus) {
    ui[frame].visible = true;
    ui.focus = focus;
    return frame;
}

void Game::armBonusLook() {
    for (Ctl c : {Ctl::BonusFrame, Ctl::OpgBonus1, Ctl::OpgBonus2}) ui[c].highlight = true;
    for (Ctl c : {Ctl::BonusFrame, Ctl::OpgBonus1, Ctl::OpgBonus2, Ctl::OKButtonInBonus, Ctl::LabelBonus})
        ui[c].enabled = true;
    ui[Ctl::OpgBonus1].checked = true;
    ui[Ctl::OpgBonus2].checked = false;
    ui[Ctl::CmbBonus].enabled = false;
}

void Game::disarmBonus() {
    ui.bonusListFilled = false;
    ui.bonusSelection = -1;
    ui[Ctl::OpgBonus1].checked = true;
    ui[Ctl::OpgBonus2].checked = false;
    for (Ctl c : {Ctl::BonusFrame, Ctl::OpgBonus1, Ctl::OpgBonus2}) ui[c].highlight = false;
    for (Ctl c : {Ctl::BonusFrame, Ctl::OpgBonus1, Ctl::OpgBonus2, Ctl::CmbBonus, Ctl::OKButtonInBonus,
                  Ctl::LabelBonus})
        ui[c].enabled = false;
}

std::int32_t Game::singleRent(int deed) const { return tavorin::singleRent(s.deed(deed)); }

void Game::countOwnerPieces(int owner) {
    const LandPieces n = landPieces(s, owner);
    s.CheckPairLand = std::uint8_t(n.pair);
    s.CheckMultiLand = std::uint8_t(n.group);
}

std::int32_t Game::notSingleRent(int deed) {
    countOwnerPieces(s.deed(deed).Owner);
    return pairGroupRent(s.deed(deed), {s.CheckPairLand, s.CheckMultiLand});
}

std::int32_t Game::mortgageFee(int deed) const { return tavorin::mortgageFee(s.deed(deed)); }

std::int32_t Game::taxDue(int player) const { return tavorin::taxDue(s.player(player).Money); }

Ctl Game::fillLandFrame(int d, Player who) {
    const DeedRecord& D = s.deed(d);
    const int P = s.NV;
    const bool mine = D.Owner == P;
    const bool mortgaged = D.Mortgaged == kTrue && !(mine && who == Player::Computer);
    const std::string& ownerName = validPlayer(D.Owner) ? s.player(D.Owner).Name : s.player(P).Name;
    if (D.Owner == 0) {
        setLabel(Ctl::LabelFreeLand1, D.Name);
        setLabel(Ctl::LabelFreeLand2, D.LandTypeName);
        ui[Ctl::CheckFreeLand].enabled = D.single();
        return openFrame(Ctl::FreeLandFrame, Ctl::OKButtonInFreeLand);
    } else if (mine && mortgaged) {
        setLabel(Ctl::LabelOwnMortgageLand1, D.Name);
        setLabel(Ctl::LabelOwnMortgageLand2, D.LandTypeName);
        setLabel(Ctl::LabelOwnMortgageLand3, s.player(P).Name);
        setLabel(Ctl::LabelOwnMortgageLand5, mortgageValue(D));
        return openFrame(Ctl::OwnMortgageLandFrame, Ctl::OKButtonInOwnMortgageLand);
    } else if (mortgaged) {
        setLabel(Ctl::LabelNotOwnMortgageLand1, D.Name);
        setLabel(Ctl::LabelNotOwnMortgageLand2, D.LandTypeName);
        setLabel(Ctl::LabelNotOwnMortgageLand3, ownerName);
        setLabel(Ctl::LabelNotOwnMortgageLand4, mortgageFee(d));
        setLabel(Ctl::LabelNotOwnMortgageLand5, takeOverPrice(D));
        return openFrame(Ctl::NotOwnMortgageLandFrame, Ctl::OKButtonInNotOwnMortgageLand);
    } else if (mine && D.single()) {
        setLabel(Ctl::LabelOwnSingleLand1, D.Name);
        setLabel(Ctl::LabelOwnSingleLand2, s.player(P).Name);
        setLabel(Ctl::LabelOwnSingleLand3, D.Houses);
        setLabel(Ctl::LabelOwnSingleLand4, D.Towers);
        const bool tower = D.Towers == 1;
        ui[Ctl::LabelOwnSingleLand5].visible = !tower;
        ui[Ctl::LabelOwnSingleLand6].visible = tower;
        ui[Ctl::OKButtonInOwnSingleLand].visible = !tower;
        ui[Ctl::RentAmt].visible = tower;
        if (tower) setLabel(Ctl::RentAmt, D.Price);
        setLabel(Ctl::CancelButtonInOwnSingleLand, tower ? "ตกลง" : "ไม่ซื้อ");
        return openFrame(Ctl::OwnSingleLandFrame,
                         tower ? Ctl::CancelButtonInOwnSingleLand : Ctl::OKButtonInOwnSingleLand);
    } else if (mine) {
        setLabel(Ctl::LabelOwnNotSingleLand1, D.Name);
        setLabel(Ctl::LabelOwnNotSingleLand2, D.LandTypeName);
        setLabel(Ctl::LabelOwnNotSingleLand3, s.player(P).Name);
        return openFrame(Ctl::OwnNotSingleLandFrame, Ctl::OKButtonInOwnNotSingleLand);
    } else if (D.single()) {
        setLabel(Ctl::LabelNotOwnSingleLand1, D.Name);
        setLabel(Ctl::LabelNotOwnSingleLand2, ownerName);
        setLabel(Ctl::LabelNotOwnSingleLand3, D.Houses);
        setLabel(Ctl::LabelNotOwnSingleLand4, D.Towers);
        setLabel(Ctl::LabelNotOwnSingleLand5, singleRent(d));
        return openFrame(Ctl::NotOwnSingleLandFrame, Ctl::OKButtonInNotOwnSingleLand);
    } else {
        setLabel(Ctl::LabelNotOwnNotSingleLand1, D.Name);
        setLabel(Ctl::LabelNotOwnNotSingleLand2, D.LandTypeName);
        setLabel(Ctl::LabelNotOwnNotSingleLand3, ownerName);
        const std::int32_t rent = notSingleRent(d);
        const bool pair = D.type() == LandType::Pair;
        ui[Ctl::LabelNotOwnNotSingleLand4].visible = pair && s.CheckPairLand < 2;
        ui[Ctl::LabelNotOwnNotSingleLand5].visible = pair && s.CheckPairLand >= 2;
        ui[Ctl::LabelNotOwnNotSingleLand6].visible = !pair;
        ui[Ctl::LabelNotOwnNotSingleLand7].visible = !pair;
        if (!pair) {
            setLabel(Ctl::LabelNotOwnNotSingleLand7, s.CheckMultiLand);
            ui[Ctl::LabelNotOwnNotSingleLand7].text.append(" แห่ง");
        }
        setLabel(Ctl::LabelNotOwnNotSingleLand8, rent);
        return openFrame(Ctl::NotOwnNotSingleLandFrame, Ctl::OKButtonInNotOwnNotSingleLand);
    }
}

Ctl Game::openSquareFrame(Player who) {
    const bool person = who == Player::Person;
    auto open = [&](Ctl frame, Ctl focus) {
        if (person)
            openFrame(frame, focus);
        else
            ui[frame].visible = true;
        return frame;
    };
    const std::string& type = s.TypeOfSend;
    const std::string& value = s.ValueOfSend;
    int number = 0;
    const bool numberOk = parseDigits(s.Number, number);
    Ctl frame = Ctl::None;
    if (type == "a" && (value == "1" || value == "2")) {
        const bool treasure = value == "1";
        const CardRecord* card =
            numberOk ? cardOf(s, treasure ? Deck::Treasure : Deck::Fate, number) : nullptr;
        if (card && treasure) {
            if (person) view_->messageBox("หีบสมบัติ", "พบหีบสมบัติ");
            setLabel(Ctl::LabelTreasure, card->Text);
            frame = open(Ctl::TreasureFrame, Ctl::OkButtonInTreasure);
        } else if (card) {
            if (person) view_->messageBox("ประตูดวง", "เสี่ยงดวงกันหน่อย");
            setLabel(Ctl::LabelFate, card->Text);
            frame = open(Ctl::FateFrame, Ctl::OKButtonInFate);
        }
    } else if (type == "b" && value == "1") {
        frame = open(Ctl::TaxFrame, Ctl::OKButtonInTaxFrame);
    } else if (type == "b" && value == "2") {
        frame = open(Ctl::DishonestFrame, Ctl::OKButtonInDishonestFrame);
    } else if (type == "b" && value == "3") {
        frame = open(Ctl::RelaxFrame, Ctl::OKButtonInRelaxFrame);
    } else if (type == "d") {
        frame = open(Ctl::StartFrame, Ctl::OKButtonInStart);
    } else if (type == "c" && numberOk && validDeed(number)) {
        if (s.FirstLapLock[s.NV] == kTrue) {
            frame = open(Ctl::FirstFrame, Ctl::OKButtonInFirst);
        } else {
            frame = fillLandFrame(number, who);
        }
    }
    if (frame == Ctl::None) {
        // An inconsistent report opens no frame; the decision it counted is taken back so the
        // turn cannot stall with nothing left to answer.
        view_->messageBox(kAppTitle, "Wrong Value");
        --s.Continue;
        handOverIfDone();
    }
    return frame;
}

void Game::ProcessAfterPut() {
    board.timersRunning = false;
    board.arrow2.visible = false;
    ++s.Continue;
    if (openSquareFrame(Player::Person) == Ctl::None) return;
    if (s.LoopFinish == "True") {
        ++s.Continue;
        armBonusLook();
    } else {
        disarmBonus();
    }
}

// ---------------------------------------------------------------- closing and money

void Game::handOverIfDone() {
    if (s.Continue == 0 && !s.gameOver) NV_Process();
}

void Game::settle(Ctl frame) {
    ui[frame].visible = false;
    lowerContinue();
    handOverIfDone();
}

void Game::settleBonus() {
    disarmBonus();
    lowerContinue();
    handOverIfDone();
}

void Game::PlayerMoneyChange(int player, std::int32_t amount) {
    if (!validPlayer(player)) return;
    std::int64_t m = std::int64_t(s.player(player).Money) + amount;
    if (m > std::numeric_limits<std::int32_t>::max()) m = std::numeric_limits<std::int32_t>::max();
    if (m < std::numeric_limits<std::int32_t>::min()) m = std::numeric_limits<std::int32_t>::min();
    s.player(player).Money = std::int32_t(m);
    setLabel(nth(Ctl::LabelMoney1, player), m);
}

bool Game::canRaiseMoney(int player) const { return tavorin::canRaiseMoney(s, player); }

void Game::enablePlayerButtons(bool enabled) {
    for (int k = 1; k <= kMaxPlayers; ++k) ui[nth(Ctl::PlayerButton1, k)].enabled = enabled;
}

ChargeOutcome Game::ChargeCurrentPlayer(std::int32_t amount, int payee, Ctl frame, bool finish, Player who) {
    const int P = s.NV;
    PlayerRecord& p = s.player(P);
    ChargeOutcome outcome;
    if (std::int64_t(p.Money) + amount >= 0) {
        PlayerMoneyChange(P, amount);
        if (payee != 0) PlayerMoneyChange(payee, -amount);
        report({.kind = EventKind::Paid,
                .player = P,
                .amount = amount,
                .other = payee,
                .what = chargeOf(frame)});
        ui[frame].visible = false;
        s.checkdiscount = kFalse;
        enablePlayerButtons(true);
        lowerContinue();
        outcome = ChargeOutcome::Paid;
    } else if (who == Player::Person && canRaiseMoney(P)) {
        report({.kind = EventKind::RaiseMoney, .player = P, .amount = amount});
        view_->messageBox(p.Name, kMustRaiseMoney);
        s.checkdiscount = kTrue;
        enablePlayerButtons(false);
        ui[nth(Ctl::PlayerButton1, P)].enabled = true;
        view_->hidePlayerForm();
        outcome = ChargeOutcome::MustRaiseMoney;
    } else {
        view_->messageBox(p.Name, who == Player::Person ? kBankruptByCourt : kComputerBankrupt);
        enablePlayerButtons(true);
        if (payee != 0) PlayerMoneyChange(payee, p.Money);
        report({.kind = EventKind::WentBankrupt,
                .player = P,
                .amount = payee != 0 ? p.Money : 0,
                .other = payee});
        GoBankrupt();
        ui[frame].visible = false;
        s.checkdiscount = kFalse;
        lowerContinue();
        outcome = ChargeOutcome::Bankrupt;
    }
    if (finish) FinishPayment();
    return outcome;
}

void Game::FinishPayment() {
    SetFailPlayerButton();
    handOverIfDone();
}

void Game::SetFailPlayerButton() {
    for (int k = 1; k <= kMaxPlayers; ++k)
        if (s.player(k).Bankrupt == kTrue) ui[nth(Ctl::PlayerButton1, k)].enabled = false;
}

void Game::GoBankrupt() {
    const int P = s.NV;
    PlayerRecord& p = s.player(P);
    if (s.NP > 0) --s.NP;
    returnAllToBank(s, P);
    p.Bankrupt = kTrue;
    p.Money = 0;
    p.Position = 0;
    p.MayPlay = kFalse;
    ui[nth(Ctl::LabelName1, P)].visible = false;
    ui[nth(Ctl::PlayerButton1, P)].enabled = false;
    setLabel(nth(Ctl::LabelMoney1, P), "ล้มละลาย");
    ChangeDeedOnMain();
    // A bankrupt player must not collect a lap bonus that is still armed: it would give him money
    // after he has left the game. Disarmed after the refresh above, which refills CmbBonus, so the
    // frame ends in exactly the disarmed state (CmbBonus empty).
    if (bonusArmed()) {
        disarmBonus();
        lowerContinue();
    }
}

// ---------------------------------------------------------------- deeds

void Game::addDeed(int player, int deed) { transferDeed(s, deed, player); }

// The main window's list is narrower than the holdings window's and marks owned deeds.
std::string Game::DeedListLine(int i) const {
    return HoldingsLine(i, s.deed(i), 15, NumberGap::ThreeColumns, true);
}

std::string Game::BonusLine(int i) const { return HoldingsLine(i, s.deed(i), 20); }

std::vector<std::string> Game::DeedListLines() const {
    std::vector<std::string> lines;
    lines.reserve(kDeeds);
    for (int i = 1; i <= kDeeds; ++i) lines.push_back(DeedListLine(i));
    return lines;
}

std::vector<std::string> Game::BonusListLines() const {
    std::vector<std::string> lines;
    if (!ui.bonusListFilled || !validPlayer(s.NV)) return lines;
    if (s.player(s.NV).DeedCount == 0) {
        lines.emplace_back(kNoDeedLeft);
        return lines;
    }
    for (int d : heldDeeds(s, s.NV)) lines.push_back(BonusLine(d));
    return lines;
}

void Game::ChangeDeedOnBonus() {
    ui.bonusListFilled = true;
    ui.bonusSelection = -1;
}

void Game::ChangeDeedOnMain() {
    ChangeDeedOnBonus();
    view_->deedsChanged();
}

// ---------------------------------------------------------------- the rule operations

bool Game::buyLand(bool withHouse) {
    const int d = currentDeed();
    if (d == 0) return false;
    DeedRecord& D = s.deed(d);
    const std::int32_t cost = landPrice(D, withHouse);
    if (!affords(cost)) message(s.player(s.NV).Name, kNotEnoughMoney);
    ui[Ctl::CheckFreeLand].checked = false;
    if (!affords(cost) || D.Owner != 0) {
        handOverIfDone();
        return false;
    }
    transferDeed(s, d, s.NV);
    if (withHouse) D.Houses = 1;
    PlayerMoneyChange(s.NV, -cost);
    report({.kind = EventKind::Bought, .player = s.NV, .deed = d, .amount = cost, .houses = D.Houses});
    ChangeDeedOnMain();
    settle(Ctl::FreeLandFrame);
    return true;
}

void Game::declineLand() {
    ui[Ctl::CheckFreeLand].checked = false;
    settle(Ctl::FreeLandFrame);
}

bool Game::buildOne() {
    const int d = currentDeed();
    if (d == 0) return false;
    DeedRecord& D = s.deed(d);
    const std::int32_t cost = buildingPrice(D);
    if (!affords(cost)) {
        message(s.player(s.NV).Name, kNotEnoughMoney);
        return false;
    }
    if (nextIsTower(D))
        D.Towers = 1;
    else
        ++D.Houses;
    PlayerMoneyChange(s.NV, -cost);
    report({.kind = EventKind::Built,
            .player = s.NV,
            .deed = d,
            .amount = cost,
            .houses = D.Towers == 1 ? 5 : D.Houses});
    ChangeDeedOnMain();
    settle(Ctl::OwnSingleLandFrame);
    return true;
}

void Game::leaveOwnLand() {
    const int d = currentDeed();
    if (d != 0 && s.deed(d).Towers == 1) {
        PlayerMoneyChange(s.NV, s.deed(d).Price);
        report({.kind = EventKind::Collected, .player = s.NV, .deed = d, .amount = s.deed(d).Price});
    }
    settle(Ctl::OwnSingleLandFrame);
}

bool Game::redeemOwnLand() {
    const int d = currentDeed();
    if (d == 0) return false;
    const std::int32_t cost = mortgageValue(s.deed(d));
    if (!affords(cost)) {
        message(s.player(s.NV).Name, "ท่านมีเงินไม่เพียงพอที่จะชำระ");
        return false;
    }
    s.deed(d).Mortgaged = kFalse;
    PlayerMoneyChange(s.NV, -cost);
    report({.kind = EventKind::Redeemed, .player = s.NV, .deed = d, .amount = cost});
    ChangeDeedOnMain();
    settle(Ctl::OwnMortgageLandFrame);
    return true;
}

bool Game::takeOver() {
    const int d = currentDeed();
    if (d == 0) return false;
    DeedRecord& D = s.deed(d);
    const std::int32_t cost = takeOverPrice(D);
    if (!affords(cost)) {
        message(s.player(s.NV).Name, kNotEnoughMoney);
        return false;
    }
    const int previousOwner = D.Owner;
    transferDeed(s, d, s.NV);
    D.Mortgaged = kFalse;
    PlayerMoneyChange(s.NV, -cost);
    report({.kind = EventKind::TookOver, .player = s.NV, .deed = d, .amount = cost, .other = previousOwner});
    // A takeover may follow a shortage on this frame's fee: it settles the frame like a payment does,
    // so the shortage state must end with it.
    s.checkdiscount = kFalse;
    enablePlayerButtons(true);
    SetFailPlayerButton();
    ChangeDeedOnMain();
    settle(Ctl::NotOwnMortgageLandFrame);
    return true;
}

std::optional<Due> Game::dueOn(Ctl frame) {
    const int d = currentDeed();
    int c = 0;
    const CardRecord* card = nullptr;
    switch (frame) {
    case Ctl::NotOwnSingleLandFrame:
        if (d == 0) return std::nullopt;
        return Due{-singleRent(d), s.deed(d).Owner};
    case Ctl::NotOwnNotSingleLandFrame:
        if (d == 0) return std::nullopt;
        return Due{-notSingleRent(d), s.deed(d).Owner};
    case Ctl::NotOwnMortgageLandFrame:
        if (d == 0) return std::nullopt;
        return Due{-mortgageFee(d), 0};
    case Ctl::TaxFrame: return Due{-taxDue(s.NV), 0};
    case Ctl::DishonestFrame: return Due{-kBail, 0};
    case Ctl::TreasureFrame:
    case Ctl::FateFrame:
        if (parseDigits(s.Number, c))
            card = cardOf(s, frame == Ctl::TreasureFrame ? Deck::Treasure : Deck::Fate, c);
        if (!card) return std::nullopt;
        return Due{card->Amount, 0};
    default: return std::nullopt;
    }
}

void Game::payDue(Ctl frame, Player who) {
    const std::optional<Due> due = dueOn(frame);
    if (!due) return;
    if (frame != Ctl::DishonestFrame) {
        ChargeCurrentPlayer(due->amount, due->payee, frame, true, who);
        return;
    }
    // The bail: paid or not, the player goes to jail; the turn passes once the token is there.
    const int P = s.NV;
    ChargeCurrentPlayer(due->amount, due->payee, frame, false, who);
    s.player(P).Position = kJailSquare;
    report({.kind = EventKind::Moved, .player = P, .other = kJailSquare});
    const int r1 = rdm(1, 10);
    const int r2 = rdm(1, 10);
    placeTokenInSquare(P, kJailSquare, r1, r2);
    FinishPayment();
}

void Game::rest() {
    s.player(s.NV).MayPlay = kFalse;
    report({.kind = EventKind::Rested, .player = s.NV});
    settle(Ctl::RelaxFrame);
}

void Game::takeBonusMoney() {
    PlayerMoneyChange(s.NV, kLapBonus);
    report({.kind = EventKind::TookBonus, .player = s.NV, .amount = kLapBonus});
    settleBonus();
}

// ---------------------------------------------------------------- the frames' handlers

void Game::CheckFreeLand_Click(bool checked) {
    if (frameOpen(Ctl::FreeLandFrame) && ui[Ctl::CheckFreeLand].enabled)
        ui[Ctl::CheckFreeLand].checked = checked;
}

void Game::OKButtonInFreeLand_Click() {
    if (frameOpen(Ctl::FreeLandFrame) && ui[Ctl::OKButtonInFreeLand].enabled)
        buyLand(ui[Ctl::CheckFreeLand].checked);
}

void Game::CancelButtonInFreeLand_Click() {
    if (frameOpen(Ctl::FreeLandFrame) && ui[Ctl::CancelButtonInFreeLand].enabled) declineLand();
}

void Game::OKButtonInOwnSingleLand_Click() {
    const int d = currentDeed();
    if (frameOpen(Ctl::OwnSingleLandFrame) && ui[Ctl::OKButtonInOwnSingleLand].enabled &&
        ui[Ctl::OKButtonInOwnSingleLand].visible && d != 0 && s.deed(d).Towers == 0)
        buildOne();
}

void Game::CancelButtonInOwnSingleLand_Click() {
    if (frameOpen(Ctl::OwnSingleLandFrame) && ui[Ctl::CancelButtonInOwnSingleLand].enabled &&
        currentDeed() != 0)
        leaveOwnLand();
}

void Game::OKButtonInOwnNotSingleLand_Click() {
    if (frameOpen(Ctl::OwnNotSingleLandFrame) && ui[Ctl::OKButtonInOwnNotSingleLand].enabled)
        settle(Ctl::OwnNotSingleLandFrame);
}

void Game::OKButtonInOwnMortgageLand_Click() {
    if (frameOpen(Ctl::OwnMortgageLandFrame) && ui[Ctl::OKButtonInOwnMortgageLand].enabled) redeemOwnLand();
}

void Game::CancelButtonInOwnMortgageLand_Click() {
    if (frameOpen(Ctl::OwnMortgageLandFrame) && ui[Ctl::CancelButtonInOwnMortgageLand].enabled)
        settle(Ctl::OwnMortgageLandFrame);
}

void Game::payIfOpen(Ctl frame, Ctl button) {
    if (frameOpen(frame) && ui[button].enabled) payDue(frame, Player::Person);
}

void Game::OKButtonInNotOwnSingleLand_Click() {
    payIfOpen(Ctl::NotOwnSingleLandFrame, Ctl::OKButtonInNotOwnSingleLand);
}
void Game::OKButtonInNotOwnNotSingleLand_Click() {
    payIfOpen(Ctl::NotOwnNotSingleLandFrame, Ctl::OKButtonInNotOwnNotSingleLand);
}
void Game::OKButtonInNotOwnMortgageLand_Click() {
    payIfOpen(Ctl::NotOwnMortgageLandFrame, Ctl::OKButtonInNotOwnMortgageLand);
}
void Game::OKButtonInTaxFrame_Click() { payIfOpen(Ctl::TaxFrame, Ctl::OKButtonInTaxFrame); }
void Game::OkButtonInTreasure_Click() { payIfOpen(Ctl::TreasureFrame, Ctl::OkButtonInTreasure); }
void Game::OKButtonInFate_Click() { payIfOpen(Ctl::FateFrame, Ctl::OKButtonInFate); }
void Game::OKButtonInDishonestFrame_Click() { payIfOpen(Ctl::DishonestFrame, Ctl::OKButtonInDishonestFrame); }

void Game::TakeOverButton_Click() {
    if (frameOpen(Ctl::NotOwnMortgageLandFrame) && ui[Ctl::TakeOverButton].enabled) takeOver();
}

void Game::OKButtonInStart_Click() {
    if (frameOpen(Ctl::StartFrame) && ui[Ctl::OKButtonInStart].enabled) settle(Ctl::StartFrame);
}

void Game::OKButtonInRelaxFrame_Click() {
    if (frameOpen(Ctl::RelaxFrame) && ui[Ctl::OKButtonInRelaxFrame].enabled) rest();
}

void Game::OKButtonInFirst_Click() {
    if (frameOpen(Ctl::FirstFrame) && ui[Ctl::OKButtonInFirst].enabled) settle(Ctl::FirstFrame);
}

void Game::placeTokenInSquare(int player, int square, int r1, int r2) {
    const Rect& box = kSquareTable[std::size_t(square)].box;
    s.tokenLeft[std::size_t(player)] = std::int16_t(box.left + 50 * r1);
    s.tokenTop[std::size_t(player)] = std::int16_t(box.top + 50 * r2);
}

void Game::OpgBonus1_Click() {
    if (!ui[Ctl::OpgBonus1].enabled) return;
    ui[Ctl::OpgBonus1].checked = true;
    ui[Ctl::OpgBonus2].checked = false;
    ui[Ctl::CmbBonus].enabled = false;
}

void Game::OpgBonus2_Click() {
    if (!ui[Ctl::OpgBonus2].enabled) return;
    ui[Ctl::OpgBonus2].checked = true;
    ui[Ctl::OpgBonus1].checked = false;
    ui[Ctl::CmbBonus].enabled = true;
    ChangeDeedOnBonus();
}

void Game::CmbBonus_Select(int index) {
    if (!ui[Ctl::CmbBonus].enabled || !ui.bonusListFilled) return;
    const int count = int(BonusListLines().size());
    ui.bonusSelection = (index >= 0 && index < count) ? index : -1;
}

void Game::OKButtonInBonus_Click() {
    if (!ui[Ctl::OKButtonInBonus].enabled || !bonusArmed()) return;
    const int P = s.NV;
    const std::string& name = s.player(P).Name;
    if (ui[Ctl::OpgBonus1].checked) {
        takeBonusMoney();
        return;
    } else if (ui[Ctl::OpgBonus2].checked) {
        const std::vector<std::string> lines = BonusListLines();
        const int sel = ui.bonusSelection;
        if (sel < 0 || sel >= int(lines.size())) {
            message(name, "ยังไม่ได้เลือกโฉนด");
            return;
        }
        const std::string& line = lines[std::size_t(sel)];
        if (line == kNoDeedLeft) {
            message(kAppTitle, "เลือกไม่ได้");
            return;
        }
        // The deed number is read back from the line's first two characters, as the list shows it.
        std::string head = line.substr(0, 2);
        while (!head.empty() && head.back() == ' ') head.pop_back();
        int d = 0;
        if (!parseDigits(head, d) || !validDeed(d)) return;
        DeedRecord& D = s.deed(d);
        if (!D.single()) {
            message(name, "โฉนดที่ดินที่ท่านเลือกมิได้เป็นประเภทที่ดินเดี่ยวจึงไม่สามารถทำการสั่งซื้อบ้านเพิ่มได้");
            return;
        }
        if (line.size() >= std::string_view("(จ.)").size() && line.ends_with("(จ.)")) {
            message(kAppTitle, "ที่ดินนี้ติดจำนองอยู่");
            return;
        }
        if (D.Towers == 1) {
            message(kAppTitle, "มีสิ่งปลูกสร้างเต็มแล้ว");
            return;
        }
        if (D.Houses == 4) {
            message(kAppTitle, "มีบ้านเต็มแล้วไม่สามารถสั่งซื้อตึกได้");
            return;
        }
        ++D.Houses;
        PlayerMoneyChange(P, kLapBonus - D.HousePrice);
        report({.kind = EventKind::TookBonus, .player = P, .deed = d, .amount = kLapBonus - D.HousePrice});
        ChangeDeedOnMain();
        settleBonus();
        return;
    }
    handOverIfDone();
}

} // namespace tavorin
