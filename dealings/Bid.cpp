#include "dealings/Bid.h"

#include <limits>

#include "engine/Holdings.h"
#include "engine/Money.h"
#include "engine/Text.h"

namespace tavorin {

namespace {
bool isDigit(char c) { return c >= '0' && c <= '9'; }

// Digits grouped in threes by commas ("1,000", "12,345,678"), or digits alone.
bool wellGrouped(std::string_view whole) {
    const std::size_t first = whole.find(',');
    if (first == std::string_view::npos) return true;
    if (first == 0 || first > 3) return false;
    for (std::size_t comma = first; comma != std::string_view::npos;) {
        const std::size_t next = whole.find(',', comma + 1);
        const std::size_t end = next == std::string_view::npos ? whole.size() : next;
        if (end - comma - 1 != 3) return false;
        comma = next;
    }
    return true;
}
} // namespace

std::string buyerCannotPayText(std::string_view buyerName) {
    std::string text = "เงินของ ";
    text += buyerName;
    text += " มีไม่พอกับที่เสนอกรุณาเสนอราคาใหม่";
    return text;
}

std::optional<std::int32_t> parseBidAmount(std::string_view text) {
    while (!text.empty() && text.front() == ' ') text.remove_prefix(1);
    while (!text.empty() && text.back() == ' ') text.remove_suffix(1);
    // People write a price as "+5000" or "1,000": the sign and the grouping say nothing more.
    if (!text.empty() && text.front() == '+') text.remove_prefix(1);
    const std::size_t point = text.find('.');
    const std::string_view whole = text.substr(0, point);
    const std::string_view fraction =
        point == std::string_view::npos ? std::string_view() : text.substr(point + 1);
    if (whole.empty() && fraction.empty()) return std::nullopt;
    if (!wellGrouped(whole)) return std::nullopt;
    for (char c : whole)
        if (!isDigit(c) && c != ',') return std::nullopt;
    for (char c : fraction)
        if (!isDigit(c)) return std::nullopt;

    // Exact decimal arithmetic: a long run of digits must not wrap, and a typed half must round to
    // the even neighbour however many digits follow it.
    constexpr std::int64_t kMax = std::numeric_limits<std::int32_t>::max();
    std::int64_t value = 0;
    for (char c : whole) {
        if (c == ',') continue;
        value = value * 10 + (c - '0');
        if (value > kMax) return std::nullopt;
    }
    if (!fraction.empty()) {
        const int first = fraction.front() - '0';
        const bool restNonZero = fraction.substr(1).find_first_not_of('0') != std::string_view::npos;
        if (first > 5 || (first == 5 && (restNonZero || value % 2 == 1))) ++value;
        if (value > kMax) return std::nullopt;
    }
    return std::int32_t(value);
}

std::int32_t bidNetAmount(std::int32_t amount, int vatPercent) { return percentOf(amount, 100 - vatPercent); }

// ------------------------------------------------------------------ BID

void BidWindow::SetShowOpgPlayerInBid(int seller) {
    const GameState& s = game_->state();
    for (int n = 1; n <= kMaxPlayers; ++n) {
        OptionButton& o = OpgPlayer[std::size_t(n)];
        const PlayerRecord& p = s.player(n);
        o.caption = p.Name;
        o.enabled = n != seller && p.Bankrupt != kTrue && p.IsComputer != kTrue;
        o.visible = n <= s.NumOfPlayer;
    }
}

void BidWindow::BidShow(int seller) {
    const GameState& s = game_->state();
    player = seller;
    visible = true;
    caption =
        "รายละเอียดการเสนอราคาประมูลที่ดินของ " + (validPlayer(seller) ? s.player(seller).Name : std::string());
    BidAmount.clear();
    for (OptionButton& o : OpgPlayer) o.selected = false;
    DeedList.clear();
    selected = -1;
    for (int d : heldDeeds(s, seller)) {
        DeedList.push_back(HoldingsLine(d, s.deed(d), kHoldingsWidth, NumberGap::AsManyAsDigits));
    }
}

void BidWindow::select(int index) { selected = (index >= 0 && index < int(DeedList.size())) ? index : -1; }

void BidWindow::choose(int buyer) {
    if (!validPlayer(buyer)) return;
    const OptionButton& o = OpgPlayer[std::size_t(buyer)];
    if (!o.visible || !o.enabled) return;
    for (int n = 1; n <= kMaxPlayers; ++n) OpgPlayer[std::size_t(n)].selected = n == buyer;
}

bool BidWindow::OKButtonClickInBid(ConfirmBidWindow& confirm) {
    const GameState& s = game_->state();
    int buyer = 0;
    for (int n = 1; n <= kMaxPlayers && buyer == 0; ++n)
        if (OpgPlayer[std::size_t(n)].selected) buyer = n;
    if (buyer != 0) game_->chooseBidder(buyer);
    game_->fixSaleTax(saleTaxPercent(s));

    const std::string& title = game_->playerName(player);
    if (selected < 0 || selected >= int(DeedList.size())) {
        game_->message(title, kNoDeedChosen);
        return false;
    }
    if (buyer == 0) {
        game_->message(title, kNoBuyerChosen);
        return false;
    }
    const std::optional<std::int32_t> amount = parseBidAmount(BidAmount);
    if (!amount) {
        game_->message(title, kBadBidAmount);
        return false;
    }
    if (s.player(buyer).Money < *amount) {
        game_->message(title, buyerCannotPayText(s.player(buyer).Name));
        return false;
    }
    const DeedLine& line = DeedList[std::size_t(selected)];
    if (line.mortgaged()) {
        game_->message(title, kMortgagedCannotBid);
        return false;
    }

    const DeedRecord& D = s.deed(line.deed);
    confirm.seller = player;
    confirm.buyer = buyer;
    confirm.slot = selected + 1;
    confirm.deed = line.deed;
    confirm.amount = *amount;
    confirm.net = bidNetAmount(*amount, s.vat);
    confirm.caption = "ยืนยันการตกลงการซื้อของ " + s.player(buyer).Name;
    confirm.LabelPlayerBid = s.player(buyer).Name;
    confirm.LabelDeedName = D.Name;
    confirm.LabelNumOfHouse = numberText(D.Houses);
    confirm.LabelNumOfTower = numberText(D.Towers);
    confirm.LabelMoneyBid = BidAmount;
    confirm.LabelVat = numberText(s.vat);
    confirm.LabelAmountNet = numberText(confirm.net);
    confirm.visible = true;
    confirm.enabled = true;
    enabled = false;
    return true;
}

// ------------------------------------------------------------------ CONFIRMBID

bool ConfirmBidWindow::ChangeDeedOnPlayerFromConfirmBid() {
    const GameState& s = game_->state();
    if (!validPlayer(seller) || !validPlayer(buyer) || seller == buyer || !validDeed(deed)) return false;
    const PlayerRecord& from = s.player(seller);
    const PlayerRecord& to = s.player(buyer);
    const DeedRecord& D = s.deed(deed);
    // The deal was checked when it was shown; it is applied only as it was checked.
    if (slot < 1 || slot > from.DeedCount || from.Deeds[std::size_t(slot)] != deed || D.Owner != seller ||
        D.Mortgaged == kTrue || to.Bankrupt == kTrue || to.Money < amount || to.DeedCount >= kDeeds)
        return false;

    game_->addDeed(buyer, deed); // the buildings go along
    game_->report(
        {.kind = EventKind::SoldTo, .player = seller, .deed = deed, .amount = amount, .other = buyer});
    if (net != amount)
        game_->report(
            {.kind = EventKind::Paid, .player = seller, .amount = net - amount, .what = Charge::SaleTax});

    game_->PlayerMoneyChange(seller, net);
    game_->PlayerMoneyChange(buyer, -amount);
    game_->ChangeDeedOnMain();
    return true;
}

} // namespace tavorin
