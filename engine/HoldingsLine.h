// The one-line text of a held deed, shared by the holdings, bid and bank-sale lists and the
// hall-of-fame record. The bank-sale window reads the number, the buildings and the mortgage mark back
// out of these lines, so their shape is fixed.
#pragma once

#include <string>

#include "engine/State.h"

namespace tavorin {

inline constexpr int kHoldingsWidth = 40; // holdings window, bid window, hall of fame
inline constexpr int kBankSaleWidth = 35;

enum class NumberGap {
    ThreeColumns,   // the number and its spaces fill three columns: two spaces after 7, one after 12
    AsManyAsDigits, // the bid window: one space after 7, two after 12
};

// `deed` is the deed's number, `record` its DeedRecord. Buildings are aligned at `width` characters
// counted from the name and number alone; the mortgage mark " (จ.)" does not push them right.
// `markOwned` adds " *" to an owned deed that is not mortgaged, as the main window's deed list does.
std::string HoldingsLine(int deed, const DeedRecord& record, int width = kHoldingsWidth,
                         NumberGap gap = NumberGap::ThreeColumns, bool markOwned = false);

} // namespace tavorin
