#include "setup/SaveConsistency.h"

#include <array>
#include <string>
#include <type_traits>
#include <utility>

#include "board/BoardLayout.h"
#include "engine/Board.h"
#include "engine/Game.h"
#include "engine/Text.h"

namespace tavorin {

namespace {

// Builds the reason from texts and numbers, in the order given.
template <class... Parts> std::string say(const Parts&... parts) {
    std::string out;
    const auto add = [&out](const auto& part) {
        if constexpr (std::is_arithmetic_v<std::decay_t<decltype(part)>>)
            appendNumber(out, std::int64_t(part));
        else
            out += part;
    };
    (add(parts), ...);
    return out;
}

std::optional<FileError> refuse(std::string field, const std::string& reason) {
    return FileError{FileError::Kind::Inconsistent, std::move(field),
                     "ไฟล์เกมนี้ไม่ตรงกับกติกาของเกม (" + reason + ") จึงโหลดไม่ได้"};
}

bool isFlag(std::int16_t v) { return v == kTrue || v == kFalse; }

std::optional<FileError> checkFlags(const SaveRecord& r) {
    const auto bad = [](std::string field) { return refuse(field, say("ค่า ", field, " ต้องเป็น -1 หรือ 0")); };
    for (std::size_t k = 1; k <= kMaxPlayers; ++k) {
        const SavedPlayer& p = r.players[k];
        const std::string at = say("players[", k, "]");
        if (!isFlag(p.mayPlay)) return bad(at + ".MayPlay");
        if (!isFlag(p.bankrupt)) return bad(at + ".Bankrupt");
        if (!isFlag(p.computer)) return bad(at + ".IsComputer");
        if (!isFlag(r.FirstLapLock[k])) return bad(say("FirstLapLock[", k, "]"));
    }
    for (std::size_t d = 1; d <= kDeeds; ++d)
        if (!isFlag(r.deeds[d].Mortgaged)) return bad(say("deeds[", d, "].Mortgaged"));
    return std::nullopt;
}

// Prices, rents and card amounts never change in play: the board's own are the only ones a game has.
std::optional<FileError> checkBoardValues(const SaveRecord& r) {
    for (std::size_t d = 1; d <= kDeeds; ++d) {
        const DeedRecord& D = r.deeds[d];
        const DeedData& t = kDeedTable[d];
        if (D.LandType != std::uint8_t(t.landType) || D.Price != t.price || D.HousePrice != t.housePrice ||
            D.TowerPrice != t.towerPrice || D.Rent != t.rent)
            return refuse(say("deeds[", d, "]"), say("ราคาหรือค่าเช่าของโฉนดที่ ", d, " ไม่ใช่ของกระดาน"));
    }
    const auto deck = [](std::string_view name, std::string_view thai, std::uint8_t size, const auto& cards,
                         const auto& table, const auto& order) -> std::optional<FileError> {
        if (size != kCardsPerDeck)
            return refuse(say("NumOf", name), say("สำรับการ์ด", thai, " ไม่ได้มี ", kCardsPerDeck, " ใบ"));
        for (std::size_t c = 1; c <= kCardsPerDeck; ++c)
            if (cards[c].Amount != table[c].amount)
                return refuse(say(name, "Cards[", c, "].Amount"),
                              say("จำนวนเงินของการ์ด", thai, "ใบที่ ", c, " ไม่ใช่ของเกม"));
        // The shuffle deals every card to one place; a 0 or a card twice would leave a draw with no card.
        std::array<bool, kCardsPerDeck + 1> seen{};
        for (std::size_t i = 1; i <= kCardsPerDeck; ++i) {
            const int card = order[i];
            if (card < 1 || card > kCardsPerDeck || seen[std::size_t(card)])
                return refuse(say(name, "Order"), say("ลำดับการ์ด", thai, " ไม่ได้มีการ์ดทุกใบ ใบละหนึ่งครั้ง"));
            seen[std::size_t(card)] = true;
        }
        return std::nullopt;
    };
    if (auto e =
            deck("Treasure", kTreasureDeckName, r.NumOfTreasure, r.treasure, kTreasureCards, r.TreasureOrder))
        return e;
    return deck("Fate", kFateDeckName, r.NumOfFate, r.fate, kFateCards, r.FateOrder);
}

// Each deed is on its owner's list once and on nobody else's; those out of the game hold nothing.
std::optional<FileError> checkHoldings(const SaveRecord& r) {
    for (std::size_t k = 1; k <= kMaxPlayers; ++k) {
        const SavedPlayer& p = r.players[k];
        if (p.deedCount == 0) continue;
        if (int(k) > r.NumOfPlayer)
            return refuse(say("players[", k, "].Deeds"), say("ผู้เล่นคนที่ ", k, " ไม่ได้ร่วมเล่นแต่ถือโฉนดอยู่"));
        if (p.bankrupt == kTrue)
            return refuse(say("players[", k, "].Deeds"), say("ผู้เล่นคนที่ ", k, " ล้มละลายแล้วแต่ยังถือโฉนดอยู่"));
    }
    std::array<bool, kDeeds + 1> listed{};
    for (std::size_t k = 1; k <= kMaxPlayers; ++k) {
        const SavedPlayer& p = r.players[k];
        for (std::size_t i = 1; i <= p.deedCount; ++i) {
            const int d = p.deeds[i];
            const std::string field = say("players[", k, "].Deeds");
            if (d == 0) return refuse(field, say("รายการโฉนดของผู้เล่นคนที่ ", k, " มีช่องว่างอยู่ในลำดับที่ ", i));
            if (listed[std::size_t(d)]) return refuse(field, say("โฉนดที่ ", d, " อยู่ในรายการโฉนดมากกว่าหนึ่งครั้ง"));
            listed[std::size_t(d)] = true;
            if (r.deeds[std::size_t(d)].Owner != int(k))
                return refuse(field, say("โฉนดที่ ", d, " อยู่ในรายการของผู้เล่นคนที่ ", k, " แต่ไม่ได้เป็นของผู้เล่นคนนี้"));
        }
    }
    for (std::size_t d = 1; d <= kDeeds; ++d) {
        const int owner = r.deeds[d].Owner;
        if (owner != 0 && !listed[d])
            return refuse(say("deeds[", d, "].Owner"),
                          say("โฉนดที่ ", d, " เป็นของผู้เล่นคนที่ ", owner, " แต่ไม่อยู่ในรายการโฉนดของผู้เล่นคนนั้น"));
    }
    return std::nullopt;
}

// Houses and the tower stand only on single land that is held and not mortgaged; the tower goes up
// over the fourth house, and the bank's sale takes it down before any house.
std::optional<FileError> checkBuildings(const SaveRecord& r) {
    for (std::size_t d = 1; d <= kDeeds; ++d) {
        const DeedRecord& D = r.deeds[d];
        const std::string field = say("deeds[", d, "]");
        if (D.Owner == 0 && D.Mortgaged == kTrue)
            return refuse(field, say("โฉนดที่ ", d, " ไม่มีเจ้าของแต่ถูกจำนองอยู่"));
        if (D.Houses == 0 && D.Towers == 0) continue;
        if (D.LandType != std::uint8_t(LandType::Single))
            return refuse(field, say("โฉนดที่ ", d, " ไม่ใช่ที่ดินเดี่ยวแต่มีสิ่งปลูกสร้าง"));
        if (D.Owner == 0) return refuse(field, say("โฉนดที่ ", d, " ไม่มีเจ้าของแต่มีสิ่งปลูกสร้าง"));
        if (D.Mortgaged == kTrue) return refuse(field, say("โฉนดที่ ", d, " ถูกจำนองอยู่แต่มีสิ่งปลูกสร้าง"));
        if (D.Towers == 1 && D.Houses != 4) return refuse(field, say("โฉนดที่ ", d, " มีตึกโดยไม่มีบ้านครบ 4 หลัง"));
    }
    return std::nullopt;
}

// The moment of a save: a person still in the game waits for his roll, with nothing left open.
std::optional<FileError> checkTurn(const SaveRecord& r) {
    int left = 0;
    for (int k = 1; k <= r.NumOfPlayer; ++k)
        if (r.players[std::size_t(k)].bankrupt != kTrue) ++left;
    if (left < 2) return refuse("NP", "เหลือผู้เล่นที่ยังไม่ล้มละลายไม่ถึงสองคน เกมนี้จบไปแล้ว");
    if (r.NP != left)
        return refuse("NP", say("จำนวนผู้เล่นที่เหลือ (", r.NP, ") ไม่ตรงกับผู้เล่นที่ยังไม่ล้มละลาย (", left, " คน)"));
    const SavedPlayer& current = r.players[r.NV];
    if (current.bankrupt == kTrue) return refuse("NV", say("ผู้เล่นที่ถึงตา (คนที่ ", r.NV, ") ล้มละลายไปแล้ว"));
    if (current.computer != kFalse)
        return refuse("NV", say("ผู้เล่นที่ถึงตา (คนที่ ", r.NV, ") เป็นคอมฯ แต่เกมบันทึกได้เฉพาะตาของคน"));
    if (current.mayPlay != kTrue) return refuse("NV", say("ผู้เล่นที่ถึงตา (คนที่ ", r.NV, ") ถูกให้หยุดเล่นในตานี้"));
    if (r.Continue != 0 || r.FirstProcess == "Y")
        return refuse("Continue", "เกมถูกบันทึกไว้กลางตา ไม่ใช่ตอนรอทอยลูกเต๋า");
    return std::nullopt;
}

std::optional<FileError> checkPlayers(const SaveRecord& r) {
    for (std::size_t k = 1; k <= std::size_t(r.NumOfPlayer); ++k) {
        const SavedPlayer& p = r.players[k];
        if (p.bankrupt == kTrue) continue;
        // The rules never let a player's cash go below nothing: a payment he cannot meet is raised
        // from his deeds or ends in bankruptcy.
        if (p.money < 0) return refuse(say("players[", k, "].Money"), say("เงินของผู้เล่นคนที่ ", k, " ติดลบ"));
        // Some part of the token must lie on the board, or it could never be picked up again.
        const Rect& frame = board::kFrame;
        if (p.tokenLeft <= -board::kTokenSize || p.tokenLeft >= frame.width ||
            p.tokenTop <= -board::kTokenSize || p.tokenTop >= frame.height)
            return refuse(say("players[", k, "].tokenLeft"), say("ตัวเดินของผู้เล่นคนที่ ", k, " อยู่นอกกระดาน"));
    }
    // The slowest option is the longest pause a player can choose; beyond it the computer's pauses
    // would outlast any game.
    if (r.Speed < 0 || r.Speed > Game::speedOfOption(5))
        return refuse("Speed", say("ความเร็วของคอมฯ (", r.Speed, ") ไม่อยู่ในช่วงที่เลือกได้"));
    return std::nullopt;
}

} // namespace

std::optional<FileError> checkConsistency(const SaveRecord& r) {
    for (auto check : {checkFlags, checkBoardValues, checkHoldings, checkBuildings, checkTurn, checkPlayers})
        if (auto e = check(r)) return e;
    return std::nullopt;
}

} // namespace tavorin
