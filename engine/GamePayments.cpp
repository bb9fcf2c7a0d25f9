// Payments: what each paying frame asks, the payment, the shortage that sends a person to raise money,
// bail and jail, bankruptcy.
#include "engine/Game.h"

#include <limits>

#include "engine/Decks.h"
#include "engine/Holdings.h"
#include "engine/Money.h"
#include "engine/Tariff.h"

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
constexpr std::string_view kMustRaiseMoney =
    "เงินของท่านมีไม่พอชำระ กรุณาขายสินทรัพย์ของท่านเพื่อนำเงินมาชำระให้เรียบร้อยก่อน "
    "และในการขายสินทรัพย์ของท่านครั้งนี้จะถูกหักภาษีลดลงจากเดิมเพื่อประโยชน์ของท่าน";
constexpr std::string_view kBankruptByCourt = "ท่านไม่เหลือทรัพย์สินที่จะชำระหนี้อีกแล้ว ศาลจึงตัดสินให้ท่านล้มละลาย";
constexpr std::string_view kComputerBankrupt = "คอมฯ ท่านนี้ไม่เหลือทรัพย์สินที่จะชำระหนี้อีกแล้ว ศาลจึงตัดสินให้ล้มละลายไปซะ";
} // namespace

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
        const Charge what = chargeOf(frame);
        report({.kind = EventKind::Paid,
                .player = P,
                .deed = what == Charge::Rent || what == Charge::MortgageFee ? currentDeed() : 0,
                .amount = amount,
                .other = payee,
                .what = what});
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
    // His deeds go back to the bank and his token leaves the board.
    listsChanged();
    if (p.DeedCount > 0)
        groundChanged();
    else
        piecesChanged();
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

std::optional<Due> Game::dueOn(Ctl frame) {
    const int d = currentDeed();
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
    case Ctl::FateFrame: {
        const CardRecord* card =
            cardOf(s, frame == Ctl::TreasureFrame ? Deck::Treasure : Deck::Fate, s.Number);
        if (!card) return std::nullopt;
        return Due{card->Amount, 0};
    }
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

void Game::payIfOpen(Ctl frame, Ctl button) {
    if (frameOpen(frame) && screen()[button].enabled) payDue(frame, Player::Person);
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

} // namespace tavorin
