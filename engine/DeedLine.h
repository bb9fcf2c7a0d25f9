// One line of a deed list (the main window's, the bonus list, the holdings, the dealing windows and
// the hall of fame) as a value: the deed, its name, its mark and its buildings. `text()` is the line
// as the game writes it, aligned with spaces; the lists draw the parts in columns instead, and the
// rules read the deed and its state from the value, never from the text.
#pragma once

#include <cstdint>
#include <string>
#include <string_view>

#include "engine/State.h"

namespace tavorin {

inline constexpr int kHoldingsWidth = 40; // holdings window, bid window, hall of fame
inline constexpr int kBankSaleWidth = 35;

enum class NumberGap : std::uint8_t {
    ThreeColumns,   // the number and its spaces fill three columns: two spaces after 7, one after 12
    AsManyAsDigits, // the bid window: one space after 7, two after 12
    OneSpace,       // the mortgage and redemption windows
};

enum class DeedMark : std::uint8_t {
    None,
    Owned,     // " *": the main window's list marks a deed that has an owner
    Mortgaged, // " (จ.)"
    Redeeming, // " ": a mortgaged deed chosen for redemption keeps the space before its mark
};

struct DeedLine {
    int deed = 0; // 0: a line that names no deed ("no deeds left"), whose text is `name` alone
    std::string name{};
    DeedMark mark = DeedMark::None;
    int houses = 0; // the buildings are written while there is a house
    int towers = 0;
    // The buildings stand at `width` characters, counted from the number and the name alone (the
    // mark does not push them right); 0 for a list without buildings.
    int width = 0;
    NumberGap gap = NumberGap::ThreeColumns;
    // The spaces before the buildings are written: the deed has buildings, or had them when its
    // line was made (a bank sale that strips a deed keeps the line's padding).
    bool padded = false;

    std::string number() const;
    std::string_view markText() const;
    std::string buildings() const; // "บ้าน 2 ตึก 0", or empty without houses
    std::string text() const;

    bool isDeed() const { return deed != 0; }
    bool mortgaged() const { return mark == DeedMark::Mortgaged; }
    bool operator==(const DeedLine&) const = default;
};

// A line of a list that names no deed.
inline DeedLine plainLine(std::string_view text) { return DeedLine{.deed = 0, .name = std::string(text)}; }

// The line of deed `deed` as the holdings, bid and bank-sale lists, the bonus list, the main
// window's list and the hall-of-fame record write it. `markOwned` marks an owned deed that is not
// mortgaged, as the main window's deed list does.
DeedLine HoldingsLine(int deed, const DeedRecord& record, int width = kHoldingsWidth,
                      NumberGap gap = NumberGap::ThreeColumns, bool markOwned = false);

} // namespace tavorin
