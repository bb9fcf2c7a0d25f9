// The fixed data of the board: squares, title deeds, card decks and the tariff.
#pragma once

#include <array>
#include <cstdint>
#include <string_view>

namespace tavorin {

inline constexpr int kSquares = 40;
inline constexpr int kDeeds = 29;
inline constexpr int kCardsPerDeck = 15;
inline constexpr int kMaxPlayers = 6;

enum class LandType : std::uint8_t { Single = 1, Pair = 2, Group = 3 };
enum class SquareKind : std::uint8_t { Start, Land, Treasure, Fate, Dishonest, Relax, Tax };

struct DeedData {
    std::string_view name;
    LandType landType;
    std::int16_t price;
    std::int16_t housePrice;
    std::int16_t towerPrice;
    std::array<std::int32_t, 6> rent;
    std::uint8_t square;
};

// Positions are in twips relative to the board's frame; 15 twips make one pixel at 96 dpi.
struct Rect {
    int left, top, width, height;
};

struct SquareData {
    SquareKind kind;
    char typeOfSend;   // 'a' card, 'b' special, 'c' land, 'd' start
    char valueOfSend;  // '1'..'3'
    std::uint8_t deed; // 1..29 on land squares, 0 elsewhere
    Rect box;
};

struct CardData {
    std::string_view text;
    std::int16_t amount;
};

extern const std::array<DeedData, kDeeds + 1> kDeedTable; // index 0 unused
extern const std::array<SquareData, kSquares> kSquareTable;
extern const std::array<CardData, kCardsPerDeck + 1> kTreasureCards; // index 0 unused
extern const std::array<CardData, kCardsPerDeck + 1> kFateCards;     // index 0 unused

inline constexpr std::string_view kTreasureDeckName = "หีบสมบัติ";
inline constexpr std::string_view kFateDeckName = "ประตูดวง";

std::string_view landTypeName(LandType t);

// The computer's neighbour groups of single land (1..8); 0 for pair and group deeds.
int singleGroupOf(int deed);
inline constexpr std::array<int, 2> kPairDeeds = {9, 22};
inline constexpr std::array<int, 5> kGroupDeeds = {3, 4, 12, 19, 27};

// Fixed amounts of the tariff that depend only on the land type.
inline constexpr std::int32_t kPairRentOne = 850;
inline constexpr std::int32_t kPairRentBoth = 2250;
inline constexpr std::int32_t kGroupRentPerPiece = 500;
inline constexpr std::int32_t kPairMortgageFee = 320;
inline constexpr std::int32_t kGroupMortgageFee = 280;
inline constexpr std::int32_t kStartMoney = 15000;
inline constexpr std::int32_t kLapBonus = 2000;
inline constexpr std::int32_t kBail = 500;
inline constexpr int kJailSquare = 10;

} // namespace tavorin
