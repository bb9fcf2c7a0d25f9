// What the deed card shows for one deed: plain data, so the choice of frame and labels is testable
// without a window.
#pragma once

#include <array>
#include <optional>
#include <string>
#include <string_view>

#include "engine/State.h"

namespace tavorin {

enum class DeedCardFrame { Single, Couple, Multi };

// The value labels of the single-land cost table, in the order of `DeedCard::single`.
inline constexpr std::array<std::string_view, 10> kSingleFrameLabels = {
    "blank", "one", "two", "three", "four", "tower", "houseprice", "towerprice", "numofhouse", "numoftower"};

inline constexpr std::string_view kNoOwner = "ยังไม่มีเจ้าของ";

struct DeedCard {
    std::string name, number, type, price, owner;
    bool mortgaged = false;
    DeedCardFrame frame = DeedCardFrame::Single;
    // Filled only for single land: Rent[0..5], HousePrice, TowerPrice, Houses, Towers.
    std::optional<std::array<std::string, 10>> single;
};

// The card of deed 1..29; nothing for any other number.
std::optional<DeedCard> deedCard(const GameState& s, int deed);

} // namespace tavorin
