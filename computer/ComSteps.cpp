#include "computer/ComSteps.h"

#include <string>

#include "engine/Decks.h"
#include "engine/Holdings.h"
#include "engine/Money.h"
#include "engine/Tariff.h"
#include "engine/Text.h"

namespace tavorin::com {

namespace {
constexpr std::string_view kNotEnoughMoney = "เงินของท่านมีไม่พอชำระ";

const std::string& nameOf(Game& g) { return g.s.player(g.s.NV).Name; }

Ctl frameOfPayment(Payment kind) {
    switch (kind) {
    case Payment::SingleLand: return Ctl::NotOwnSingleLandFrame;
    case Payment::NotSingleLand: return Ctl::NotOwnNotSingleLandFrame;
    case Payment::MortgageLand: return Ctl::NotOwnMortgageLandFrame;
    case Payment::Tax: return Ctl::TaxFrame;
    case Payment::Dishonest: return Ctl::DishonestFrame;
    case Payment::Treasure: return Ctl::TreasureFrame;
    case Payment::Fate: return Ctl::FateFrame;
    }
    return Ctl::None;
}
} // namespace

void ComNotBuyLand(Game& g) {
    g.ui[Ctl::CheckFreeLand].checked = false;
    g.closeFrame(Ctl::FreeLandFrame);
}

void ComBuyLand(Game& g) {
    const int P = g.s.NV;
    const int d = g.currentDeed();
    if (d == 0) return;
    DeedRecord& D = g.s.deed(d);
    const bool withHouse = g.ui[Ctl::CheckFreeLand].checked;
    const std::int32_t cost = D.Price + (withHouse ? D.HousePrice : 0);
    if (g.s.player(P).Money - cost < 0) {
        g.message(nameOf(g), kNotEnoughMoney);
        g.ui[Ctl::CheckFreeLand].checked = false;
        return;
    }
    g.message(nameOf(g), withHouse ? "คอมฯ ตัดสินใจซื้อที่ดินผืนนี้พร้อมบ้าน 1 หลัง" : "คอมฯ ตัดสินใจซื้อที่ดินผืนนี้");
    transferDeed(g.s, d, P);
    if (withHouse) D.Houses = 1;
    g.PlayerMoneyChange(P, -cost);
    g.ui[Ctl::FreeLandFrame].visible = false;
    g.ChangeDeedOnMain();
    if (g.s.Continue > 0) --g.s.Continue;
    g.ui[Ctl::CheckFreeLand].checked = false;
    g.handOverIfDone();
}

void applyLandChoice(Game& g, LandChoice choice) {
    switch (choice) {
    case LandChoice::Leave: return ComNotBuyLand(g);
    case LandChoice::Buy: return ComBuyLand(g);
    case LandChoice::BuyWithHouse:
        // The house rides on the frame's check box, as a person's purchase would take it.
        g.ui[Ctl::CheckFreeLand].enabled = true;
        g.ui[Ctl::CheckFreeLand].checked = true;
        ComBuyLand(g);
        g.ui[Ctl::CheckFreeLand].checked = false;
        g.ui[Ctl::CheckFreeLand].enabled = false;
        return;
    }
}

void ComCloseOwnSingleLand(Game& g) {
    const int d = g.currentDeed();
    if (d != 0 && g.s.deed(d).Towers == 1) g.PlayerMoneyChange(g.s.NV, g.s.deed(d).Price);
    g.closeFrame(Ctl::OwnSingleLandFrame);
}

void ComBuildOne(Game& g) {
    const int P = g.s.NV;
    const int d = g.currentDeed();
    if (d == 0) return;
    g.message(nameOf(g), "คอมฯ เลือกซื้อ บ้าน/ตึก เพิ่ม 1 หลัง");
    DeedRecord& D = g.s.deed(d);
    const bool tower = nextIsTower(D);
    const std::int32_t cost = buildingPrice(D);
    if (g.s.player(P).Money - cost < 0) {
        g.message(nameOf(g), kNotEnoughMoney);
        return;
    }
    if (tower)
        D.Towers = 1;
    else
        ++D.Houses;
    g.PlayerMoneyChange(P, -cost);
    g.ui[Ctl::OwnSingleLandFrame].visible = false;
    g.ChangeDeedOnMain();
    if (g.s.Continue > 0) --g.s.Continue;
    g.handOverIfDone();
}

void ComSellOneAsset(Game& g) {
    const int P = g.s.NV;
    PlayerRecord& p = g.s.player(P);
    const int d = lastHeldDeed(g.s, P);
    if (d == 0) return;
    DeedRecord& D = g.s.deed(d);
    enum { Tower, House, Land } piece = Land;
    std::int32_t v;
    if (D.single() && D.Towers == 1) {
        piece = Tower;
        v = percentOf(D.TowerPrice, 90);
    } else if (D.single() && D.Houses > 0) {
        piece = House;
        v = percentOf(D.HousePrice, 90);
    } else {
        v = percentOf(D.Price, 90);
    }
    std::string text;
    text.reserve(256);
    text += piece == Tower   ? "คอมฯ ท่านนี้มีเงินไม่พอจ่ายจึงตัดสินใจขายตึก 1 หลังจากที่ดิน  "
            : piece == House ? "คอมฯ ท่านนี้มีเงินไม่พอจ่ายจึงตัดสินใจขายบ้าน 1 หลังจากที่ดิน  "
                             : "คอมฯ ท่านนี้มีเงินไม่พอจ่ายจึงตัดสินใจขายที่ดิน  ";
    text += '"';
    appendNumber(text, d);
    text += ' ';
    text += D.Name;
    text += "\"\r\nได้รับเงินจากการขายเป็นเงิน ";
    appendNumber(text, v);
    text += "\r\nจึงได้รับเงินรวมกับปัจจุบันเป็น ";
    appendNumber(text, std::int64_t(p.Money) + v);
    g.message(p.Name, text);
    g.PlayerMoneyChange(P, v);
    if (piece == Tower) {
        D.Towers = 0;
    } else if (piece == House) {
        --D.Houses;
    } else {
        transferDeed(g.s, d, 0);
        // Land sold back to the bank comes back free of its pledge, as it does on a bankruptcy;
        // otherwise the next buyer would pay full price for land the bank still holds.
        D.Mortgaged = kFalse;
    }
    g.ChangeDeedOnMain();
}

void raiseFunds(Game& g, std::int32_t amount) {
    const PlayerRecord& p = g.s.player(g.s.NV);
    while (std::int64_t(p.Money) + amount < 0 && lastHeldDeed(g.s, g.s.NV) != 0) ComSellOneAsset(g);
}

std::int32_t paymentAmount(Game& g, Payment kind) {
    const int d = g.currentDeed();
    int c = 0;
    const CardRecord* card = nullptr;
    switch (kind) {
    case Payment::SingleLand: return d ? -g.singleRent(d) : 0;
    case Payment::NotSingleLand: return d ? -g.notSingleRent(d) : 0;
    case Payment::MortgageLand: return d ? -g.mortgageFee(d) : 0;
    case Payment::Tax: return -g.taxDue(g.s.NV);
    case Payment::Dishonest: return -kBail;
    case Payment::Treasure:
    case Payment::Fate:
        parseDigits(g.s.Number, c);
        card = cardOf(g.s, kind == Payment::Treasure ? Deck::Treasure : Deck::Fate, c);
        return card ? card->Amount : 0;
    }
    return 0;
}

void ComPay(Game& g, Payment kind) {
    const int P = g.s.NV;
    const Ctl frame = frameOfPayment(kind);
    const int d = g.currentDeed();
    const bool toOwner = kind == Payment::SingleLand || kind == Payment::NotSingleLand;
    const int creditor = (toOwner && d) ? g.s.deed(d).Owner : 0;
    const std::int32_t a = paymentAmount(g, kind);
    PlayerRecord& p = g.s.player(P);
    if (std::int64_t(p.Money) + a >= 0) {
        g.PlayerMoneyChange(P, a);
        if (creditor != 0) g.PlayerMoneyChange(creditor, -a);
        g.ui[frame].visible = false;
        g.s.checkdiscount = kFalse;
        g.enablePlayerButtons(true);
        if (g.s.Continue > 0) --g.s.Continue;
    } else {
        g.message(p.Name, "คอมฯ ท่านนี้ไม่เหลือทรัพย์สินที่จะชำระหนี้อีกแล้ว ศาลจึงตัดสินให้ล้มละลายไปซะ");
        g.enablePlayerButtons(true);
        if (creditor != 0) g.PlayerMoneyChange(creditor, p.Money);
        g.GoBankrupt();
        g.ui[frame].visible = false;
        g.s.checkdiscount = kFalse;
        if (g.s.Continue > 0) --g.s.Continue;
    }
    if (kind == Payment::Dishonest) {
        p.Position = kJailSquare;
        const int r1 = g.rdm(1, 10);
        const int r2 = g.rdm(1, 10);
        g.placeTokenInSquare(P, kJailSquare, r1, r2);
    }
    g.SetFailPlayerButton();
    g.handOverIfDone();
}

void decide(Game& g, Ctl frame, Strategy& strategy) {
    auto payWithFunds = [&](Payment kind) {
        raiseFunds(g, paymentAmount(g, kind));
        ComPay(g, kind);
    };
    switch (frame) {
    case Ctl::TreasureFrame: return payWithFunds(Payment::Treasure);
    case Ctl::FateFrame: return payWithFunds(Payment::Fate);
    case Ctl::TaxFrame: return payWithFunds(Payment::Tax);
    case Ctl::DishonestFrame: return payWithFunds(Payment::Dishonest);
    case Ctl::NotOwnMortgageLandFrame: return payWithFunds(Payment::MortgageLand);
    case Ctl::NotOwnSingleLandFrame: return payWithFunds(Payment::SingleLand);
    case Ctl::NotOwnNotSingleLandFrame: return payWithFunds(Payment::NotSingleLand);
    case Ctl::RelaxFrame: g.s.player(g.s.NV).MayPlay = kFalse; return g.closeFrame(Ctl::RelaxFrame);
    case Ctl::StartFrame:
    case Ctl::FirstFrame:
    case Ctl::OwnNotSingleLandFrame: return g.closeFrame(frame);
    case Ctl::OwnSingleLandFrame: {
        const int d = g.currentDeed();
        if (d != 0 && g.s.deed(d).Towers == 1) return ComCloseOwnSingleLand(g);
        if (strategy.buildOne(g)) return ComBuildOne(g);
        return ComCloseOwnSingleLand(g);
    }
    case Ctl::FreeLandFrame: {
        const int d = g.currentDeed();
        if (d == 0) return;
        return applyLandChoice(g, strategy.freeLand(g));
    }
    default: return;
    }
}

} // namespace tavorin::com
