#include "engine/HoldingsLine.h"

#include "engine/Text.h"

namespace tavorin {

std::string HoldingsLine(int deed, const DeedRecord& record, int width, NumberGap gap, bool markOwned) {
    std::string line;
    appendNumber(line, deed);
    const int digits = int(line.size());
    appendSpaces(line, gap == NumberGap::ThreeColumns ? 3 - digits : digits);
    line += record.Name;
    if (record.Mortgaged == kTrue)
        line += " (จ.)";
    else if (markOwned && record.Owner != 0)
        line += " *";
    if (record.Houses != 0) {
        // A name too long for the column gets no padding rather than a negative count.
        appendSpaces(line, width - (textLength(record.Name) + digits));
        line += "บ้าน ";
        appendNumber(line, record.Houses);
        line += " ตึก ";
        appendNumber(line, record.Towers);
    }
    return line;
}

} // namespace tavorin
