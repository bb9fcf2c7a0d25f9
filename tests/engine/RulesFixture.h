// Helpers shared by the suites that prove a person's rules against the game's tables.
#pragma once

#include <string>
#include <vector>

#include "engine/Money.h"
#include "engine/Text.h"
#include "tests/engine/Fixture.h"
#include "tests/engine/RuleTables.h"

namespace tavorin::test {

inline constexpr std::string_view kNotEnoughMoney = "เงินของท่านมีไม่พอชำระ";
inline constexpr std::string_view kMustRaiseMoney =
    "เงินของท่านมีไม่พอชำระ กรุณาขายสินทรัพย์ของท่านเพื่อนำเงินมาชำระให้เรียบร้อยก่อน "
    "และในการขายสินทรัพย์ของท่านครั้งนี้จะถูกหักภาษีลดลงจากเดิมเพื่อประโยชน์ของท่าน";
inline constexpr std::string_view kBankrupt = "ท่านไม่เหลือทรัพย์สินที่จะชำระหนี้อีกแล้ว ศาลจึงตัดสินให้ท่านล้มละลาย";
inline constexpr std::string_view kNoDeedLeft = "ไม่มีโฉนดเหลือเลย";

class RulesTest : public GameTest {
protected:
    // A game of persons where everybody may act on land from the first move (FirstLapLock 0).
    void SetUp() override { startGame(2, true); }

    // The square of a deed, from the tables.
    static int squareOf(int deed) { return rules::deed(deed).square; }

    void setMoney(int k, std::int32_t m) { game.PlayerMoneyChange(k, m - s.player(k).Money); }

    // Gives deed d to player k with the given buildings and mortgage.
    void own(int k, int d, int houses = 0, int towers = 0, bool mortgaged = false) {
        give(k, d);
        s.deed(d).Houses = std::int16_t(houses);
        s.deed(d).Towers = std::int16_t(towers);
        s.deed(d).Mortgaged = mortgaged ? kTrue : kFalse;
    }

    // Raises cash the way the mortgage window will: the deed is mortgaged and 80 % of its price paid.
    void mortgageForCash(int k, int d) {
        s.deed(d).Mortgaged = kTrue;
        game.PlayerMoneyChange(k, percentOf(s.deed(d).Price, 80));
    }

    // Every deed back to the bank, unbuilt; every decision closed.
    void clearBoard() {
        for (int d = 1; d <= kDeeds; ++d) {
            s.deed(d).Owner = 0;
            s.deed(d).Houses = 0;
            s.deed(d).Towers = 0;
            s.deed(d).Mortgaged = kFalse;
        }
        for (int k = 1; k <= kMaxPlayers; ++k) {
            s.player(k).DeedCount = 0;
            s.player(k).Deeds.fill(0);
        }
        closeAll();
    }
    void closeAll() {
        for (Ctl f : Game::kDecisionFrames) game.screenToSetUp()[f].visible = false;
        s.Continue = 0;
    }

    std::vector<Ctl> openFrames() const {
        std::vector<Ctl> open;
        for (Ctl f : Game::kDecisionFrames)
            if (game.screen()[f].visible) open.push_back(f);
        return open;
    }

    // Lands the current player on deed d's square without a lap.
    void landOnDeed(int d, bool lap = false) { landOn(squareOf(d), lap); }

    std::vector<int> deedsOf(int k) const {
        std::vector<int> v;
        for (int i = 1; i <= s.player(k).DeedCount; ++i) v.push_back(s.player(k).Deeds[std::size_t(i)]);
        return v;
    }

    bool playerButton(int k) const { return enabled(nth(Ctl::PlayerButton1, k)); }

    // The selected line of CmbBonus, by its deed number.
    void selectBonusDeed(int d) {
        const auto lines = game.BonusListLines();
        for (std::size_t i = 0; i < lines.size(); ++i) {
            if (lines[i].deed == d) {
                game.CmbBonus_Select(int(i));
                return;
            }
        }
        ADD_FAILURE() << "deed " << d << " is not in CmbBonus";
    }

    std::size_t messageCount() const { return view.messages.size(); }
    const RecordingView::Message& lastMessage() const { return view.messages.back(); }
};

} // namespace tavorin::test
