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
} // namespace

void ComSellOneAsset(Game& g) {
    const GameState& s = g.state();
    const int P = s.NV;
    const PlayerRecord& p = s.player(P);
    const int d = lastHeldDeed(s, P);
    if (d == 0) return;
    const DeedRecord& D = s.deed(d);
    const PieceSale sale = pieceSale(D);
    std::string text;
    text.reserve(256);
    text += sale.piece == Piece::Tower   ? "คอมฯ ท่านนี้มีเงินไม่พอจ่ายจึงตัดสินใจขายตึก 1 หลังจากที่ดิน  "
            : sale.piece == Piece::House ? "คอมฯ ท่านนี้มีเงินไม่พอจ่ายจึงตัดสินใจขายบ้าน 1 หลังจากที่ดิน  "
                                         : "คอมฯ ท่านนี้มีเงินไม่พอจ่ายจึงตัดสินใจขายที่ดิน  ";
    text += '"';
    appendNumber(text, d);
    text += ' ';
    text += D.Name;
    text += "\"\r\nได้รับเงินจากการขายเป็นเงิน ";
    appendNumber(text, sale.value);
    text += "\r\nจึงได้รับเงินรวมกับปัจจุบันเป็น ";
    appendNumber(text, std::int64_t(p.Money) + sale.value);
    g.message(p.Name, text);
    g.sellPieceToBank(P, d);
}

void raiseFunds(Game& g, std::int32_t amount) {
    const GameState& s = g.state();
    const PlayerRecord& p = s.player(s.NV);
    while (std::int64_t(p.Money) + amount < 0 && lastHeldDeed(s, s.NV) != 0) ComSellOneAsset(g);
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
    case Ctl::NotOwnMortgageLandFrame:
    case Ctl::NotOwnSingleLandFrame:
    case Ctl::NotOwnNotSingleLandFrame:
        if (const std::optional<Due> due = g.dueOn(frame)) raiseFunds(g, due->amount);
        return g.payDue(frame, Player::Computer);
    case Ctl::RelaxFrame: return g.rest();
    case Ctl::StartFrame:
    case Ctl::FirstFrame:
    case Ctl::OwnNotSingleLandFrame: return g.settle(frame);
    case Ctl::OwnSingleLandFrame: {
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
