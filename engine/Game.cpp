// The game object and a new game: the window's first state, the players, the decks and the deal.
#include "engine/Game.h"

#include <cassert>

#include "engine/Decks.h"
#include "engine/Holdings.h"
#include "engine/Money.h"
#include "engine/Text.h"

namespace tavorin {

Game::Game(SeededRandom& random, MainView& view) : Game(static_cast<RandomSource&>(random), view) {
    seeded_ = &random;
}

Game::Game(RandomSource& random, MainView& view)
    : random_(&random), seeded_(nullptr), view_(&view), texts_(view.showsTexts()) {
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
    seeded_ = nullptr;
    view_ = &view;
    texts_ = view.showsTexts();
    observers_.clear(); // what the copy does is reported to nobody
    // A copy plays on to weigh a choice; the end of the real game is not its concern.
    endRule_ = {};
    clock_ = nullptr;
}

void Game::markShown(GameWindow window) {
    if (window == GameWindow::Board)
        board.visible = true;
    else
        ui.visible = true;
}

void Game::writeNumber(Ctl c, std::int64_t number) {
    std::string& t = ui[c].text;
    t.clear();
    appendNumber(t, number);
}

void Game::ResetFrames() {
    for (Ctl c : {Ctl::BonusFrame, Ctl::OpgBonus1, Ctl::OpgBonus2, Ctl::CmbBonus, Ctl::OKButtonInBonus,
                  Ctl::LabelBonus})
        ui[c].enabled = false;
    for (Ctl f : kDecisionFrames) ui[f].visible = false;
}

void Game::DefineInitialValue() {
    listsChanged();
    groundChanged();
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
    groundChanged();
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
    listsChanged();
    for (int i = 1; i <= s.NumOfPlayer; ++i)
        for (int j = 1; j <= s.NumOfINIdeed; ++j)
            moveDeed(s.DealOrder[std::size_t(i + (j - 1) * s.NumOfPlayer)], i);
}

void Game::NewGame(const NewGameSetup& setup) {
    const int n = setup.numPlayers;
    if (n < 2 || n > kMaxPlayers || setup.initialDeeds < 0 || setup.initialDeeds > 4) return;
    resumeEndRule(setup.endRule, {});
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
        placeToken(k, kTokenHome[std::size_t(k)][0], kTokenHome[std::size_t(k)][1]);
    }
    for (int k = 1; k <= n; ++k) {
        s.tokenToolTip[std::size_t(k)] = setup.names[std::size_t(k)];
        if (!setup.picturePaths[std::size_t(k)].empty()) {
            s.LPName[std::size_t(k)] = setup.picturePaths[std::size_t(k)];
            s.LP[std::size_t(k)] = kTrue;
        }
    }
    s.NumOfPlayer = std::int16_t(n);
    piecesChanged(); // the tokens' pictures and how many of them stand on the board
    DefinePlayer(setup);
    s.NP = std::uint8_t(n);
    s.NumOfDeed = kDeeds;
    s.NumOfTreasure = kCardsPerDeck;
    s.NumOfFate = kCardsPerDeck;
    s.Continue = 0;
    s.setTokenDue(false);
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

} // namespace tavorin
