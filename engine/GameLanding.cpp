// Landing: the square reported, its card drawn, and the one frame it opens for a person or the computer.
#include "engine/Game.h"

#include "engine/Decks.h"
#include "engine/Tariff.h"

namespace tavorin {

int Game::DrawCard(bool treasure) {
    s.TypeOfSend = 'a';
    s.ValueOfSend = treasure ? '1' : '2';
    const int card = drawCard(s, *random_, treasure ? Deck::Treasure : Deck::Fate);
    report({.kind = EventKind::DrewCard, .player = s.NV, .deed = treasure ? 1 : 2, .other = card});
    s.Number = card;
    return card;
}

void Game::ReportSquare(int square) {
    if (square < 0 || square >= kSquares) return;
    const SquareData& sq = kSquareTable[std::size_t(square)];
    if (sq.typeOfSend == 'a') {
        DrawCard(sq.valueOfSend == '1');
        return;
    }
    s.TypeOfSend = sq.typeOfSend;
    s.ValueOfSend = sq.valueOfSend;
    s.Number = sq.typeOfSend == 'c' ? sq.deed : 1;
}

Ctl Game::openFrame(Ctl frame, Ctl focus) {
    ui[frame].visible = true;
    ui.focus = focus;
    return frame;
}

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
        if (!pair && texts_) {
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
    const char type = s.TypeOfSend;
    const char value = s.ValueOfSend;
    const int number = s.Number;
    Ctl frame = Ctl::None;
    if (type == 'a' && (value == '1' || value == '2')) {
        const bool treasure = value == '1';
        const CardRecord* card = cardOf(s, treasure ? Deck::Treasure : Deck::Fate, number);
        if (card && treasure) {
            if (person) view_->messageBox("หีบสมบัติ", "พบหีบสมบัติ");
            setLabel(Ctl::LabelTreasure, card->Text);
            frame = open(Ctl::TreasureFrame, Ctl::OkButtonInTreasure);
        } else if (card) {
            if (person) view_->messageBox("ประตูดวง", "เสี่ยงดวงกันหน่อย");
            setLabel(Ctl::LabelFate, card->Text);
            frame = open(Ctl::FateFrame, Ctl::OKButtonInFate);
        }
    } else if (type == 'b' && value == '1') {
        frame = open(Ctl::TaxFrame, Ctl::OKButtonInTaxFrame);
    } else if (type == 'b' && value == '2') {
        frame = open(Ctl::DishonestFrame, Ctl::OKButtonInDishonestFrame);
    } else if (type == 'b' && value == '3') {
        frame = open(Ctl::RelaxFrame, Ctl::OKButtonInRelaxFrame);
    } else if (type == 'd') {
        frame = open(Ctl::StartFrame, Ctl::OKButtonInStart);
    } else if (type == 'c' && validDeed(number)) {
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

void Game::beginLanding() {
    board.timersRunning = false;
    showPointer(&BoardScreen::arrow2, false);
    ++s.Continue;
}

void Game::ProcessAfterPut() {
    beginLanding();
    if (openSquareFrame(Player::Person) == Ctl::None) return;
    if (s.LoopFinish) {
        ++s.Continue;
        armBonusLook();
    } else {
        disarmBonus();
    }
}

} // namespace tavorin
