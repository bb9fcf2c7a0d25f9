#include "engine/DeedLine.h"

#include "engine/Text.h"

namespace tavorin {

std::string DeedLine::number() const { return numberText(deed); }

std::string_view DeedLine::markText() const {
    switch (mark) {
    case DeedMark::Owned: return " *";
    case DeedMark::Mortgaged: return " (จ.)";
    case DeedMark::Redeeming: return " ";
    case DeedMark::None: break;
    }
    return {};
}

std::string DeedLine::buildings() const {
    if (houses == 0) return {};
    std::string part = "บ้าน ";
    appendNumber(part, houses);
    part += " ตึก ";
    appendNumber(part, towers);
    return part;
}

std::string DeedLine::text() const {
    if (!isDeed()) return name;
    std::string line;
    appendNumber(line, deed);
    const int digits = int(line.size());
    switch (gap) {
    case NumberGap::ThreeColumns: appendSpaces(line, 3 - digits); break;
    case NumberGap::AsManyAsDigits: appendSpaces(line, digits); break;
    case NumberGap::OneSpace: line += ' '; break;
    }
    line += name;
    line += markText();
    // A name too long for the column gets no padding rather than a negative count.
    if (padded) appendSpaces(line, width - (textLength(name) + digits));
    line += buildings();
    return line;
}

DeedLine HoldingsLine(int deed, const DeedRecord& record, int width, NumberGap gap, bool markOwned) {
    DeedLine line{.deed = deed, .name = record.Name, .width = width, .gap = gap};
    if (record.Mortgaged == kTrue)
        line.mark = DeedMark::Mortgaged;
    else if (markOwned && record.Owner != 0)
        line.mark = DeedMark::Owned;
    line.houses = record.Houses;
    line.towers = record.Towers;
    line.padded = record.Houses != 0;
    return line;
}

} // namespace tavorin
