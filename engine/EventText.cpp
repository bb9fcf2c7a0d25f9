#include "engine/EventText.h"

#include <cstdlib>

#include "engine/Decks.h"
#include "engine/Text.h"

namespace tavorin {

namespace {

std::string deedName(const GameState& s, int deed) {
    if (!validDeed(deed)) return "ที่ดิน";
    std::string t = numberText(deed);
    t += ' ';
    t += s.deed(deed).Name;
    return t;
}

std::string playerName(const GameState& s, int k) {
    return validPlayer(k) ? s.player(k).Name : std::string();
}

// " ให้ <name>" or "ให้ธนาคาร" for player 0, and likewise "จาก".
std::string party(const GameState& s, std::string_view word, int k) {
    std::string t(word);
    if (validPlayer(k)) {
        t += ' ';
        t += s.player(k).Name;
    } else {
        t += "ธนาคาร";
    }
    return t;
}

std::string baht(std::int64_t amount) {
    std::string t = numberText(std::llabs(amount));
    t += " บาท";
    return t;
}

// What a payment was for, as the sentence names it.
std::string chargeText(const GameState& s, const GameEvent& e) {
    switch (e.what) {
    case Charge::Rent: return "ค่าเช่าที่ดิน " + deedName(s, e.deed);
    case Charge::MortgageFee: return "ค่าผ่านที่ดินติดจำนอง " + deedName(s, e.deed);
    case Charge::Tax: return "ภาษี";
    case Charge::Bail: return "เงินประกันตัว";
    case Charge::Card: return "เงินตามการ์ด";
    case Charge::RedemptionFee: return "ค่าธรรมเนียมการไถ่ถอน";
    case Charge::SaleTax: return "ภาษีการขาย";
    case Charge::None: break;
    }
    return "เงิน";
}

std::string cardText(const GameState& s, const GameEvent& e) {
    const Deck deck = e.deed == 1 ? Deck::Treasure : Deck::Fate;
    std::string t = "เปิดการ์ด";
    t += deck == Deck::Treasure ? kTreasureDeckName : kFateDeckName;
    if (const CardRecord* card = cardOf(s, deck, e.other)) {
        t += ": ";
        t += card->Text;
    } else {
        t += " ใบที่ ";
        appendNumber(t, e.other);
    }
    return t;
}

} // namespace

std::string squareName(const GameState& s, int square) {
    if (square < 0 || square >= kSquares) return {};
    const SquareData& sq = kSquareTable[std::size_t(square)];
    switch (sq.kind) {
    case SquareKind::Land: return deedName(s, sq.deed);
    case SquareKind::Start: return "จุดเริ่มต้น";
    case SquareKind::Treasure: return std::string(kTreasureDeckName);
    case SquareKind::Fate: return std::string(kFateDeckName);
    case SquareKind::Relax: return "แวะพักผ่อน";
    case SquareKind::Tax: return "เสียภาษี";
    case SquareKind::Dishonest: return square == kJailSquare ? "ติดคุก" : "ไปติดคุก";
    }
    return {};
}

std::string eventText(const GameEvent& e, const GameState& s) {
    std::string t;
    switch (e.kind) {
    case EventKind::TurnStarted: return "ถึงตาเล่น";
    case EventKind::Rolled:
        t = "ทอยลูกเต๋าได้ ";
        appendNumber(t, e.other);
        t += " กับ ";
        appendNumber(t, e.amount - e.other);
        t += " รวม ";
        appendNumber(t, e.amount);
        t += " แต้ม";
        return t;
    case EventKind::Moved: return "ไปอยู่ที่ช่อง " + squareName(s, e.other);
    case EventKind::PassedStart: return "เดินผ่านจุดเริ่มต้น";
    case EventKind::DrewCard: return cardText(s, e);
    case EventKind::Bought:
        t = "ซื้อที่ดิน " + deedName(s, e.deed);
        if (e.houses > 0) t += " พร้อมบ้าน 1 หลัง";
        return t + " เป็นเงิน " + baht(e.amount);
    case EventKind::Built:
        if (e.houses >= 5) return "สร้างตึกบน " + deedName(s, e.deed) + " เป็นเงิน " + baht(e.amount);
        t = "สร้างบ้านหลังที่ ";
        appendNumber(t, e.houses);
        return t + " บน " + deedName(s, e.deed) + " เป็นเงิน " + baht(e.amount);
    case EventKind::Redeemed: return "ไถ่ถอนการจำนอง " + deedName(s, e.deed) + " เป็นเงิน " + baht(e.amount);
    case EventKind::TookOver:
        return "ซื้อที่ดินติดจำนอง " + deedName(s, e.deed) + " ต่อจาก " + playerName(s, e.other) + " เป็นเงิน " +
               baht(e.amount);
    case EventKind::Collected:
        return "ได้รับเงิน " + baht(e.amount) + " จากธนาคาร เพราะมีตึกบน " + deedName(s, e.deed);
    case EventKind::Paid:
        if (e.amount == 0) return {};
        if (e.amount < 0)
            return "จ่าย" + chargeText(s, e) + " " + baht(e.amount) + " " + party(s, "ให้", e.other);
        return "ได้รับ" + chargeText(s, e) + " " + baht(e.amount) + " " + party(s, "จาก", e.other);
    case EventKind::TookBonus:
        if (validDeed(e.deed))
            return "รับโบนัสเป็นบ้าน 1 หลังบน " + deedName(s, e.deed) + " และเงินที่เหลือ " + baht(e.amount);
        return "รับโบนัสเป็นเงินสด " + baht(e.amount);
    case EventKind::Sold:
        t = e.houses == 0 ? "ขายที่ดิน " : e.houses >= 5 ? "ขายตึกบน " : "ขายบ้าน 1 หลังบน ";
        return t + deedName(s, e.deed) + " คืนธนาคาร ได้ " + baht(e.amount);
    case EventKind::RaiseMoney: return "ต้องจ่าย " + baht(e.amount) + " แต่มีเงินไม่พอ ต้องขายหรือจำนองทรัพย์สินก่อน";
    case EventKind::Rested: return "หยุดพักหนึ่งตา";
    case EventKind::WentBankrupt:
        if (validPlayer(e.other))
            return "ล้มละลาย เงินที่เหลือ " + baht(e.amount) + " ตกเป็นของ " + playerName(s, e.other);
        return "ล้มละลาย ทรัพย์สินทั้งหมดกลับคืนธนาคาร";
    case EventKind::Won: return e.other == 1 ? "ชนะเกมนี้ด้วยทรัพย์สินมากที่สุดเมื่อครบกำหนดจบเกม" : "ชนะเกมนี้";
    case EventKind::Mortgaged: return "จำนอง " + deedName(s, e.deed) + " กับธนาคาร ได้ " + baht(e.amount);
    case EventKind::SoldTo:
        return "ขาย " + deedName(s, e.deed) + " ให้ " + playerName(s, e.other) + " ในราคา " + baht(e.amount);
    }
    return {};
}

std::string logLine(int turn, int player, const GameState& s, std::string_view text) {
    std::string t = "ตาที่ ";
    appendNumber(t, turn);
    t += ' ';
    t += playerName(s, player);
    t += ": ";
    t += text;
    return t;
}

} // namespace tavorin
