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
constexpr std::string_view kNotEnoughMoney = "เงินของท่านมีไม่พอชำระ";
constexpr std::string_view kMustRaiseMoney =
    "เงินของท่านมีไม่พอชำระ กรุณาขายสินทรัพย์ของท่านเพื่อนำเงินมาชำระให้เรียบร้อยก่อน "
    "และในการขายสินทรัพย์ของท่านครั้งนี้จะถูกหักภาษีลดลงจากเดิมเพื่อประโยชน์ของท่าน";
constexpr std::string_view kBankruptByCourt = "ท่านไม่เหลือทรัพย์สินที่จะชำระหนี้อีกแล้ว ศาลจึงตัดสินให้ท่านล้มละลาย";
constexpr std::string_view kNoDeedLeft = "ไม่มีโฉนดเหลือเลย";
} // namespace

Game::Game(RandomSource& random, MainView& view)
    : random_(&random), seeded_(dynamic_cast<SeededRandom*>(&random)), view_(&view) {
    // The main window's controls as a new window shows them, before any game.
    for (int k = 1; k <= kMaxPlayers; ++k) ui[nth(Ctl::labelcom1, k)].visible = false;
    ui[Ctl::LabelComThinking].visible = false;
    ui[Ctl::BarComThinking].visible = false;
    ui[Ctl::OpgSpeed3].checked = true;
    ui[Ctl::LabelOwnSingleLand6].visible = false;
    ui[Ctl::RentAmt].visible = false;
    ResetFrames();
}

Game::Game(const Game& position, RandomSource& random, MainView& view) : Game(position) {
    random_ = &random;
    seeded_ = dynamic_cast<SeededRandom*>(&random);
    view_ = &view;
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

int Game::GetValue_Player_NumOfBox_FromMain(int player) const {
    return validPlayer(player) ? s.player(player).Position : -1;
}

std::string_view Game::GetOwnnameFromMain(int deed) const {
    if (!validDeed(deed)) return kNoOwnerMarker;
    const int owner = s.deed(deed).Owner;
    return validPlayer(owner) ? std::string_view(s.player(owner).Name) : kNoOwnerMarker;
}

Game::DeedView Game::GetD(int deed) const {
    if (!validDeed(deed)) return {0, 0, 0, 0};
    const DeedRecord& d = s.deed(deed);
    return {d.Owner, d.Mortgaged, d.Towers, d.Houses};
}

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
        // The move counts as reported before its handling starts: a message box inside it runs an
        // event loop, and a drop delivered there must not draw a second card or open a second frame.
        s.FirstProcess = "N";
        ReportSquare(square);
        ProcessAfterPut();
    }
    return true;
}

// ---------------------------------------------------------------- landing

int Game::DrawCard(bool treasure) {
    s.TypeOfSend = "a";
    s.ValueOfSend = treasure ? "1" : "2";
    const int card = drawCard(s, *random_, treasure ? Deck::Treasure : Deck::Fate);
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

void Game::openFrame(Ctl frame, Ctl focus) {
    ui[frame].visible = true;
    ui.focus = focus;
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

void Game::fillLandFrame(int d) {
    const DeedRecord& D = s.deed(d);
    const int P = s.NV;
    const bool mine = D.Owner == P;
    const std::string& ownerName = validPlayer(D.Owner) ? s.player(D.Owner).Name : s.player(P).Name;
    if (D.Owner == 0) {
        setLabel(Ctl::LabelFreeLand1, D.Name);
        setLabel(Ctl::LabelFreeLand2, D.LandTypeName);
        ui[Ctl::CheckFreeLand].enabled = D.single();
        openFrame(Ctl::FreeLandFrame, Ctl::OKButtonInFreeLand);
    } else if (mine && D.Mortgaged == kTrue) {
        setLabel(Ctl::LabelOwnMortgageLand1, D.Name);
        setLabel(Ctl::LabelOwnMortgageLand2, D.LandTypeName);
        setLabel(Ctl::LabelOwnMortgageLand3, s.player(P).Name);
        setLabel(Ctl::LabelOwnMortgageLand5, mortgageValue(D));
        openFrame(Ctl::OwnMortgageLandFrame, Ctl::OKButtonInOwnMortgageLand);
    } else if (D.Mortgaged == kTrue) {
        setLabel(Ctl::LabelNotOwnMortgageLand1, D.Name);
        setLabel(Ctl::LabelNotOwnMortgageLand2, D.LandTypeName);
        setLabel(Ctl::LabelNotOwnMortgageLand3, ownerName);
        setLabel(Ctl::LabelNotOwnMortgageLand4, mortgageFee(d));
        setLabel(Ctl::LabelNotOwnMortgageLand5, takeOverPrice(D));
        openFrame(Ctl::NotOwnMortgageLandFrame, Ctl::OKButtonInNotOwnMortgageLand);
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
        openFrame(Ctl::OwnSingleLandFrame,
                  tower ? Ctl::CancelButtonInOwnSingleLand : Ctl::OKButtonInOwnSingleLand);
    } else if (mine) {
        setLabel(Ctl::LabelOwnNotSingleLand1, D.Name);
        setLabel(Ctl::LabelOwnNotSingleLand2, D.LandTypeName);
        setLabel(Ctl::LabelOwnNotSingleLand3, s.player(P).Name);
        openFrame(Ctl::OwnNotSingleLandFrame, Ctl::OKButtonInOwnNotSingleLand);
    } else if (D.single()) {
        setLabel(Ctl::LabelNotOwnSingleLand1, D.Name);
        setLabel(Ctl::LabelNotOwnSingleLand2, ownerName);
        setLabel(Ctl::LabelNotOwnSingleLand3, D.Houses);
        setLabel(Ctl::LabelNotOwnSingleLand4, D.Towers);
        setLabel(Ctl::LabelNotOwnSingleLand5, singleRent(d));
        openFrame(Ctl::NotOwnSingleLandFrame, Ctl::OKButtonInNotOwnSingleLand);
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
        openFrame(Ctl::NotOwnNotSingleLandFrame, Ctl::OKButtonInNotOwnNotSingleLand);
    }
}

void Game::ProcessAfterPut() {
    board.timersRunning = false;
    board.arrow2.visible = false;
    ++s.Continue;
    const std::string& type = s.TypeOfSend;
    const std::string& value = s.ValueOfSend;
    bool ok = true;
    int number = 0;
    const bool numberOk = parseDigits(s.Number, number);
    if (type == "a" && (value == "1" || value == "2")) {
        const bool treasure = value == "1";
        const int size = treasure ? s.NumOfTreasure : s.NumOfFate;
        if (numberOk && number >= 1 && number <= size) {
            if (treasure) {
                view_->messageBox("หีบสมบัติ", "พบหีบสมบัติ");
                setLabel(Ctl::LabelTreasure, s.TreasureCards[std::size_t(number)].Text);
                openFrame(Ctl::TreasureFrame, Ctl::OkButtonInTreasure);
            } else {
                view_->messageBox("ประตูดวง", "เสี่ยงดวงกันหน่อย");
                setLabel(Ctl::LabelFate, s.FateCards[std::size_t(number)].Text);
                openFrame(Ctl::FateFrame, Ctl::OKButtonInFate);
            }
        } else {
            ok = false;
        }
    } else if (type == "b" && value == "1") {
        openFrame(Ctl::TaxFrame, Ctl::OKButtonInTaxFrame);
    } else if (type == "b" && value == "2") {
        openFrame(Ctl::DishonestFrame, Ctl::OKButtonInDishonestFrame);
    } else if (type == "b" && value == "3") {
        openFrame(Ctl::RelaxFrame, Ctl::OKButtonInRelaxFrame);
    } else if (type == "d") {
        openFrame(Ctl::StartFrame, Ctl::OKButtonInStart);
    } else if (type == "c" && numberOk && validDeed(number)) {
        if (s.FirstLapLock[s.NV] == kTrue)
            openFrame(Ctl::FirstFrame, Ctl::OKButtonInFirst);
        else
            fillLandFrame(number);
    } else {
        ok = false;
    }
    if (!ok) {
        // An inconsistent report opens no frame; the decision it counted is taken back so the
        // turn cannot stall with nothing left to answer.
        view_->messageBox(kAppTitle, "Wrong Value");
        --s.Continue;
        handOverIfDone();
        return;
    }
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

void Game::closeFrame(Ctl frame) {
    ui[frame].visible = false;
    if (s.Continue > 0) --s.Continue;
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

ChargeOutcome Game::ChargeCurrentPlayer(std::int32_t amount, int payee, Ctl frame, bool finish) {
    const int P = s.NV;
    PlayerRecord& p = s.player(P);
    ChargeOutcome outcome;
    if (std::int64_t(p.Money) + amount >= 0) {
        PlayerMoneyChange(P, amount);
        if (payee != 0) PlayerMoneyChange(payee, -amount);
        ui[frame].visible = false;
        s.checkdiscount = kFalse;
        enablePlayerButtons(true);
        if (s.Continue > 0) --s.Continue;
        outcome = ChargeOutcome::Paid;
    } else if (canRaiseMoney(P)) {
        view_->messageBox(p.Name, kMustRaiseMoney);
        s.checkdiscount = kTrue;
        enablePlayerButtons(false);
        ui[nth(Ctl::PlayerButton1, P)].enabled = true;
        view_->hidePlayerForm();
        outcome = ChargeOutcome::MustRaiseMoney;
    } else {
        view_->messageBox(p.Name, kBankruptByCourt);
        enablePlayerButtons(true);
        if (payee != 0) PlayerMoneyChange(payee, p.Money);
        GoBankrupt();
        ui[frame].visible = false;
        s.checkdiscount = kFalse;
        if (s.Continue > 0) --s.Continue;
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
        if (s.Continue > 0) --s.Continue;
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

// ---------------------------------------------------------------- the frames' handlers

void Game::CheckFreeLand_Click(bool checked) {
    if (frameOpen(Ctl::FreeLandFrame) && ui[Ctl::CheckFreeLand].enabled)
        ui[Ctl::CheckFreeLand].checked = checked;
}

void Game::OKButtonInFreeLand_Click() {
    const int d = currentDeed();
    if (!frameOpen(Ctl::FreeLandFrame) || !ui[Ctl::OKButtonInFreeLand].enabled || d == 0) return;
    const int P = s.NV;
    DeedRecord& D = s.deed(d);
    const bool withHouse = ui[Ctl::CheckFreeLand].checked;
    const std::int32_t cost = D.Price + (withHouse ? D.HousePrice : 0);
    if (s.player(P).Money - cost < 0) {
        message(s.player(P).Name, kNotEnoughMoney);
    } else if (D.Owner == 0) {
        transferDeed(s, d, P);
        if (withHouse) D.Houses = 1;
        PlayerMoneyChange(P, -cost);
        ui[Ctl::FreeLandFrame].visible = false;
        ChangeDeedOnMain();
        if (s.Continue > 0) --s.Continue;
    }
    ui[Ctl::CheckFreeLand].checked = false;
    handOverIfDone();
}

void Game::CancelButtonInFreeLand_Click() {
    if (!frameOpen(Ctl::FreeLandFrame) || !ui[Ctl::CancelButtonInFreeLand].enabled) return;
    ui[Ctl::CheckFreeLand].checked = false;
    closeFrame(Ctl::FreeLandFrame);
}

void Game::OKButtonInOwnSingleLand_Click() {
    const int d = currentDeed();
    if (!frameOpen(Ctl::OwnSingleLandFrame) || !ui[Ctl::OKButtonInOwnSingleLand].enabled ||
        !ui[Ctl::OKButtonInOwnSingleLand].visible || d == 0)
        return;
    DeedRecord& D = s.deed(d);
    if (D.Towers != 0) return;
    const int P = s.NV;
    const bool tower = nextIsTower(D);
    const std::int32_t cost = buildingPrice(D);
    if (s.player(P).Money - cost < 0) {
        message(s.player(P).Name, kNotEnoughMoney);
        return;
    }
    if (tower)
        D.Towers = 1;
    else
        ++D.Houses;
    PlayerMoneyChange(P, -cost);
    ui[Ctl::OwnSingleLandFrame].visible = false;
    ChangeDeedOnMain();
    if (s.Continue > 0) --s.Continue;
    handOverIfDone();
}

void Game::CancelButtonInOwnSingleLand_Click() {
    const int d = currentDeed();
    if (!frameOpen(Ctl::OwnSingleLandFrame) || !ui[Ctl::CancelButtonInOwnSingleLand].enabled || d == 0)
        return;
    if (s.deed(d).Towers == 1) PlayerMoneyChange(s.NV, s.deed(d).Price);
    closeFrame(Ctl::OwnSingleLandFrame);
}

void Game::OKButtonInOwnNotSingleLand_Click() {
    if (!frameOpen(Ctl::OwnNotSingleLandFrame) || !ui[Ctl::OKButtonInOwnNotSingleLand].enabled) return;
    closeFrame(Ctl::OwnNotSingleLandFrame);
}

void Game::OKButtonInOwnMortgageLand_Click() {
    const int d = currentDeed();
    if (!frameOpen(Ctl::OwnMortgageLandFrame) || !ui[Ctl::OKButtonInOwnMortgageLand].enabled || d == 0)
        return;
    const int P = s.NV;
    const std::int32_t cost = mortgageValue(s.deed(d));
    if (s.player(P).Money - cost < 0) {
        message(s.player(P).Name, "ท่านมีเงินไม่เพียงพอที่จะชำระ");
        return;
    }
    s.deed(d).Mortgaged = kFalse;
    PlayerMoneyChange(P, -cost);
    ui[Ctl::OwnMortgageLandFrame].visible = false;
    ChangeDeedOnMain();
    if (s.Continue > 0) --s.Continue;
    handOverIfDone();
}

void Game::CancelButtonInOwnMortgageLand_Click() {
    if (!frameOpen(Ctl::OwnMortgageLandFrame) || !ui[Ctl::CancelButtonInOwnMortgageLand].enabled) return;
    closeFrame(Ctl::OwnMortgageLandFrame);
}

void Game::OKButtonInNotOwnSingleLand_Click() {
    const int d = currentDeed();
    if (!frameOpen(Ctl::NotOwnSingleLandFrame) || !ui[Ctl::OKButtonInNotOwnSingleLand].enabled || d == 0)
        return;
    ChargeCurrentPlayer(-singleRent(d), s.deed(d).Owner, Ctl::NotOwnSingleLandFrame);
}

void Game::OKButtonInNotOwnNotSingleLand_Click() {
    const int d = currentDeed();
    if (!frameOpen(Ctl::NotOwnNotSingleLandFrame) || !ui[Ctl::OKButtonInNotOwnNotSingleLand].enabled ||
        d == 0)
        return;
    const std::int32_t rent = notSingleRent(d);
    ChargeCurrentPlayer(-rent, s.deed(d).Owner, Ctl::NotOwnNotSingleLandFrame);
}

void Game::OKButtonInNotOwnMortgageLand_Click() {
    const int d = currentDeed();
    if (!frameOpen(Ctl::NotOwnMortgageLandFrame) || !ui[Ctl::OKButtonInNotOwnMortgageLand].enabled || d == 0)
        return;
    ChargeCurrentPlayer(-mortgageFee(d), 0, Ctl::NotOwnMortgageLandFrame);
}

void Game::TakeOverButton_Click() {
    const int d = currentDeed();
    if (!frameOpen(Ctl::NotOwnMortgageLandFrame) || !ui[Ctl::TakeOverButton].enabled || d == 0) return;
    const int P = s.NV;
    DeedRecord& D = s.deed(d);
    const std::int32_t cost = takeOverPrice(D);
    if (s.player(P).Money - cost < 0) {
        message(s.player(P).Name, kNotEnoughMoney);
        return;
    }
    transferDeed(s, d, P);
    D.Mortgaged = kFalse;
    PlayerMoneyChange(P, -cost);
    ui[Ctl::NotOwnMortgageLandFrame].visible = false;
    // A takeover may follow a shortage on this frame's fee: it settles the frame like a payment does,
    // so the shortage state must end with it.
    s.checkdiscount = kFalse;
    enablePlayerButtons(true);
    SetFailPlayerButton();
    ChangeDeedOnMain();
    if (s.Continue > 0) --s.Continue;
    handOverIfDone();
}

void Game::OKButtonInTaxFrame_Click() {
    if (!frameOpen(Ctl::TaxFrame) || !ui[Ctl::OKButtonInTaxFrame].enabled) return;
    ChargeCurrentPlayer(-taxDue(s.NV), 0, Ctl::TaxFrame);
}

void Game::cardSettlement(bool treasure) {
    const Ctl frame = treasure ? Ctl::TreasureFrame : Ctl::FateFrame;
    const Ctl button = treasure ? Ctl::OkButtonInTreasure : Ctl::OKButtonInFate;
    int c = 0;
    const int size = treasure ? s.NumOfTreasure : s.NumOfFate;
    if (!frameOpen(frame) || !ui[button].enabled || !parseDigits(s.Number, c) || c < 1 || c > size) return;
    const std::int16_t amount =
        treasure ? s.TreasureCards[std::size_t(c)].Amount : s.FateCards[std::size_t(c)].Amount;
    ChargeCurrentPlayer(amount, 0, frame);
}

void Game::OkButtonInTreasure_Click() { cardSettlement(true); }
void Game::OKButtonInFate_Click() { cardSettlement(false); }

void Game::OKButtonInStart_Click() {
    if (frameOpen(Ctl::StartFrame) && ui[Ctl::OKButtonInStart].enabled) closeFrame(Ctl::StartFrame);
}

void Game::OKButtonInRelaxFrame_Click() {
    if (!frameOpen(Ctl::RelaxFrame) || !ui[Ctl::OKButtonInRelaxFrame].enabled) return;
    s.player(s.NV).MayPlay = kFalse;
    closeFrame(Ctl::RelaxFrame);
}

void Game::OKButtonInFirst_Click() {
    if (frameOpen(Ctl::FirstFrame) && ui[Ctl::OKButtonInFirst].enabled) closeFrame(Ctl::FirstFrame);
}

void Game::placeTokenInSquare(int player, int square, int r1, int r2) {
    const Rect& box = kSquareTable[std::size_t(square)].box;
    s.tokenLeft[std::size_t(player)] = std::int16_t(box.left + 50 * r1);
    s.tokenTop[std::size_t(player)] = std::int16_t(box.top + 50 * r2);
}

void Game::OKButtonInDishonestFrame_Click() {
    if (!frameOpen(Ctl::DishonestFrame) || !ui[Ctl::OKButtonInDishonestFrame].enabled) return;
    const int P = s.NV;
    ChargeCurrentPlayer(-kBail, 0, Ctl::DishonestFrame, false);
    s.player(P).Position = kJailSquare;
    const int r1 = rdm(1, 10);
    const int r2 = rdm(1, 10);
    placeTokenInSquare(P, kJailSquare, r1, r2);
    FinishPayment();
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
        PlayerMoneyChange(P, kLapBonus);
        disarmBonus();
        if (s.Continue > 0) --s.Continue;
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
        ChangeDeedOnMain();
        disarmBonus();
        if (s.Continue > 0) --s.Continue;
    }
    handOverIfDone();
}

} // namespace tavorin
