#include "engine/DeedLine.h"

#include <gtest/gtest.h>

namespace tavorin {
namespace {

DeedRecord deed(std::string name, int houses = 0, int towers = 0, bool mortgaged = false) {
    DeedRecord d;
    d.Name = std::move(name);
    d.Houses = std::int16_t(houses);
    d.Towers = std::int16_t(towers);
    d.Mortgaged = mortgaged ? kTrue : kFalse;
    return d;
}

std::string sp(int n) { return std::string(std::size_t(n), ' '); }

TEST(DeedLine, HoldingsShapes) {
    struct Case {
        int number;
        DeedRecord record;
        int width;
        NumberGap gap;
        std::string line;
    };
    const Case cases[] = {
        // Eight Thai characters, two houses: 40 - (8 + 1) spaces before the buildings.
        {1, deed("บางปะอิน", 2), 40, NumberGap::ThreeColumns, "1" + sp(2) + "บางปะอิน" + sp(31) + "บ้าน 2 ตึก 0"},
        {9, deed("การไฟฟ้า"), 40, NumberGap::ThreeColumns, "9  การไฟฟ้า"},
        {12, deed("วัดสุทัศน์"), 40, NumberGap::ThreeColumns, "12 วัดสุทัศน์"},
        {12, deed("วัดสุทัศน์", 0, 0, true), 40, NumberGap::ThreeColumns, "12 วัดสุทัศน์ (จ.)"},
        // The mark does not move the buildings; a tower is reported with its four houses.
        {29, deed("เกาะสมุย", 4, 1, true), 40, NumberGap::ThreeColumns,
         "29 เกาะสมุย (จ.)" + sp(40 - 10) + "บ้าน 4 ตึก 1"},
        {5, deed("กรุงเทพฯ", 1), 35, NumberGap::ThreeColumns, "5  กรุงเทพฯ" + sp(35 - 9) + "บ้าน 1 ตึก 0"},
        // The bid window: as many spaces as digits after the number.
        {5, deed("กรุงเทพฯ", 1), 40, NumberGap::AsManyAsDigits, "5 กรุงเทพฯ" + sp(31) + "บ้าน 1 ตึก 0"},
        {12, deed("วัดสุทัศน์"), 40, NumberGap::AsManyAsDigits, "12  วัดสุทัศน์"},
        // A name wider than the column gets no padding.
        {7, deed(std::string(45, 'x'), 3), 40, NumberGap::ThreeColumns,
         "7  " + std::string(45, 'x') + "บ้าน 3 ตึก 0"},
    };
    for (const Case& c : cases)
        EXPECT_EQ(HoldingsLine(c.number, c.record, c.width, c.gap).text(), c.line) << c.line;
}

// The lines the dealing windows make of a deed as it moves between their lists.
TEST(DeedLine, DealingWindowShapes) {
    struct Case {
        DeedLine line;
        std::string text;
    };
    const Case cases[] = {
        {{.deed = 6, .name = "กาญจนบุรี", .gap = NumberGap::OneSpace}, "6 กาญจนบุรี"},
        {{.deed = 12, .name = "วัดสุทัศน์", .mark = DeedMark::Mortgaged, .gap = NumberGap::OneSpace},
         "12 วัดสุทัศน์ (จ.)"},
        // Chosen for redemption: the mark goes, the space before it stays.
        {{.deed = 1, .name = "บางปะอิน", .mark = DeedMark::Redeeming, .gap = NumberGap::OneSpace},
         "1 บางปะอิน "},
        // Stripped of its buildings by a bank sale: the padding that aligned them stays.
        {{.deed = 28, .name = "ภูเก็ต", .width = 35, .padded = true}, "28 ภูเก็ต" + sp(35 - 8)},
        {{.deed = 28, .name = "ภูเก็ต", .houses = 1, .width = 35, .padded = true},
         "28 ภูเก็ต" + sp(35 - 8) + "บ้าน 1 ตึก 0"},
        // A line that names no deed is its text alone.
        {plainLine("ไม่มีโฉนดเหลือเลย"), "ไม่มีโฉนดเหลือเลย"},
    };
    for (const Case& c : cases) EXPECT_EQ(c.line.text(), c.text) << c.text;
    EXPECT_FALSE(plainLine("ไม่มีโฉนดเหลือเลย").isDeed());
}

} // namespace
} // namespace tavorin
