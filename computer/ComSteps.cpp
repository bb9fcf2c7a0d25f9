#include "computer/ComSteps.h"

#include <optional>
#include <span>
#include <string>

#include "engine/Decks.h"
#include "engine/Holdings.h"
#include "engine/Money.h"
#include "engine/Tariff.h"
#include "engine/Text.h"

namespace tavorin::com {

namespace {
const std::string& nameOf(const Game& g) { return g.state().player(g.state().NV).Name; }

void buy(Game& g, bool withHouse) {
    const int d = g.currentDeed();
    if (d == 0) return;
    if (g.affords(landPrice(g.state().deed(d), withHouse)))
        g.message(nameOf(g), withHouse ? "คอมฯ ตัดสินใจซื้อที่ดินผืนนี้พร้อมบ้าน 1 หลัง" : "คอมฯ ตัดสินใจซื้อที่ดินผืนนี้");
    g.buyLand(withHouse);
}

void build(Game& g) {
    if (g.currentDeed() == 0) return;
    g.message(nameOf(g), "คอมฯ เลือกซื้อ บ้าน/ตึก เพิ่ม 1 หลัง");
    g.buildOne();
}

void takeOver(Game& g) {
    g.message(nameOf(g), "คอมฯ ตัดสินใจเข้าครอบงำโฉนดที่ดินผืนนี้");
    g.takeOver();
}

void pay(Game& g, Ctl frame, Strategy& strategy) {
    if (const std::optional<Due> due = g.dueOn(frame)) {
        const GameState& s = g.state();
        const bool shortOfCash = std::int64_t(s.player(s.NV).Money) + due->amount < 0;
        if (shortOfCash && lastHeldDeed(s, s.NV) != 0)
            raiseFunds(g, due->amount, strategy.fundPlan(g, due->amount));
    }
    g.payDue(frame, Player::Computer);
}

// The computer's own mortgaged land counts as its own land; it may first buy it back.
void redeemIfChosen(Game& g, Strategy& strategy) {
    const GameState& s = g.state();
    const int d = g.currentDeed();
    if (d == 0 || s.deed(d).Owner != s.NV || s.deed(d).Mortgaged != kTrue) return;
    if (!strategy.redeem(g) || !g.affords(mortgageValue(s.deed(d)))) return;
    g.message(nameOf(g), "คอมฯ ตัดสินใจไถ่ถอนที่ดินผืนนี้คืนจากธนาคาร");
    g.redeemLand();
}

bool heldBy(const GameState& s, int player, int d) {
    return validDeed(d) && validPlayer(player) && s.deed(d).Owner == player;
}

void announce(Game& g, std::string_view phrase, int d, std::string_view got, std::int32_t v) {
    if (!g.messagesHeard()) return;
    const GameState& s = g.state();
    const PlayerRecord& p = s.player(s.NV);
    std::string text;
    text.reserve(256);
    text += phrase;
    text += '"';
    appendNumber(text, d);
    text += ' ';
    text += s.deed(d).Name;
    text += "\"\r\n";
    text += got;
    appendNumber(text, v);
    text += "\r\nจึงได้รับเงินรวมกับปัจจุบันเป็น ";
    appendNumber(text, std::int64_t(p.Money) + v);
    g.message(p.Name, text);
}
} // namespace

void ComSellOneAsset(Game& g, int d) {
    const GameState& s = g.state();
    const int P = s.NV;
    if (d == 0) d = lastHeldDeed(s, P);
    if (!heldBy(s, P, d)) return;
    const PieceSale sale = pieceSale(s.deed(d));
    announce(g,
             sale.piece == Piece::Tower   ? "คอมฯ ท่านนี้มีเงินไม่พอจ่ายจึงตัดสินใจขายตึก 1 หลังจากที่ดิน  "
             : sale.piece == Piece::House ? "คอมฯ ท่านนี้มีเงินไม่พอจ่ายจึงตัดสินใจขายบ้าน 1 หลังจากที่ดิน  "
                                          : "คอมฯ ท่านนี้มีเงินไม่พอจ่ายจึงตัดสินใจขายที่ดิน  ",
             d, "ได้รับเงินจากการขายเป็นเงิน ", sale.value);
    g.sellPieceToBank(P, d);
}

void ComMortgageOne(Game& g, int d) {
    const GameState& s = g.state();
    const int P = s.NV;
    if (!heldBy(s, P, d)) return;
    const DeedRecord& D = s.deed(d);
    if (D.Mortgaged == kTrue || D.Houses != 0 || D.Towers != 0) return;
    announce(g, "คอมฯ ท่านนี้มีเงินไม่พอจ่ายจึงตัดสินใจจำนองที่ดิน  ", d, "ได้รับเงินจากการจำนองเป็นเงิน ", mortgageValue(D));
    g.PlayerMoneyChange(P, g.mortgageDeed(P, d));
    g.ChangeDeedOnMain();
}

FundStep nextFundStep(const GameState& s, FundPlan plan) {
    const int P = s.NV;
    const int last = lastHeldDeed(s, P);
    if (last == 0) return {};
    switch (plan) {
    case FundPlan::LastDeedFirst: return {FundStep::Sell, last};
    case FundPlan::MortgageFirst: {
        int pledge = 0, sell = 0;
        for (int d : heldDeeds(s, P)) {
            const DeedRecord& D = s.deed(d);
            if (D.Owner != P || D.Mortgaged == kTrue) continue;
            sell = d;
            if (D.Houses == 0 && D.Towers == 0) pledge = d;
        }
        if (pledge != 0) return {FundStep::Mortgage, pledge};
        return {FundStep::Sell, sell != 0 ? sell : last};
    }
    case FundPlan::SmallestFirst: {
        int pick = 0;
        std::int32_t least = 0;
        for (int d : heldDeeds(s, P)) {
            if (s.deed(d).Owner != P) continue;
            const std::int32_t v = pieceSale(s.deed(d)).value;
            if (pick == 0 || v <= least) {
                pick = d;
                least = v;
            }
        }
        return {FundStep::Sell, pick};
    }
    }
    return {FundStep::Sell, last};
}

void raiseFunds(Game& g, std::int32_t amount, FundPlan plan) {
    const GameState& s = g.state();
    const PlayerRecord& p = s.player(s.NV);
    while (std::int64_t(p.Money) + amount < 0) {
        const FundStep step = nextFundStep(s, plan);
        if (step.deed == 0) return;
        if (step.kind == FundStep::Mortgage)
            ComMortgageOne(g, step.deed);
        else
            ComSellOneAsset(g, step.deed);
    }
}

void takeBonus(Game& g, int d) {
    const GameState& s = g.state();
    const std::string& name = nameOf(g);
    if (validDeed(d) && s.deed(d).Owner == s.NV) {
        if (g.messagesHeard()) {
            std::string text = "คอมฯ เลือกที่จะรับโบนัสเป็นบ้าน 1 หลังบนที่ดิน \"";
            appendNumber(text, d);
            text += ' ';
            text += s.deed(d).Name;
            text += '"';
            g.message(name, text);
        }
        if (g.takeBonusHouse(d)) return;
    }
    g.message(name, "คอมฯ เลือกที่จะรับโบนัสเป็นเงิน 2000");
    g.takeBonusMoney();
}

void applyLandChoice(Game& g, LandChoice choice) {
    switch (choice) {
    case LandChoice::Leave: return g.declineLand();
    case LandChoice::Buy: return buy(g, false);
    case LandChoice::BuyWithHouse: return buy(g, true);
    }
}

void decide(Game& g, Ctl frame, Strategy& strategy) {
    switch (frame) {
    case Ctl::TreasureFrame:
    case Ctl::FateFrame:
    case Ctl::TaxFrame:
    case Ctl::DishonestFrame:
    case Ctl::NotOwnSingleLandFrame:
    case Ctl::NotOwnNotSingleLandFrame: return pay(g, frame, strategy);
    case Ctl::NotOwnMortgageLandFrame:
        if (strategy.mortgagedLand(g) == MortgagedLandChoice::TakeOver &&
            g.affords(takeOverPrice(g.state().deed(g.currentDeed()))))
            return takeOver(g);
        return pay(g, frame, strategy);
    case Ctl::RelaxFrame: return g.rest();
    case Ctl::StartFrame:
    case Ctl::FirstFrame: return g.settle(frame);
    case Ctl::OwnNotSingleLandFrame: redeemIfChosen(g, strategy); return g.settle(frame);
    case Ctl::OwnSingleLandFrame: {
        redeemIfChosen(g, strategy);
        const int d = g.currentDeed();
        if (d != 0 && g.state().deed(d).Towers == 1) return g.leaveOwnLand();
        if (strategy.buildOne(g)) return build(g);
        return g.leaveOwnLand();
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
