// The whole state of a game, held by the main window's engine for the life of the program.
// Flags are 16-bit with -1 for true and 0 for false, as the saved game stores them.
#pragma once

#include <array>
#include <cstdint>
#include <string>

#include "engine/Board.h"

namespace tavorin {

inline constexpr std::int16_t kTrue = -1;
inline constexpr std::int16_t kFalse = 0;

// Player and deed numbers that come from outside the rules (a saved game, a click, a report) are
// checked with these before they index a table.
constexpr bool validPlayer(int k) { return k >= 1 && k <= kMaxPlayers; }
constexpr bool validDeed(int d) { return d >= 1 && d <= kDeeds; }

struct PlayerRecord {
    std::string Name;
    std::int32_t Money = 0;
    std::uint8_t DeedCount = 0;
    std::array<std::uint8_t, kDeeds + 1> Deeds{}; // slots 1..29; slot 0 unused
    std::uint8_t Position = 0;
    std::int16_t MayPlay = kTrue;
    std::int16_t Bankrupt = kFalse;
    std::int16_t IsComputer = kFalse;
};

struct DeedRecord {
    std::string Name;
    std::uint8_t LandType = 1;
    std::string LandTypeName;
    std::int16_t Price = 0;
    std::int16_t HousePrice = 0;
    std::int16_t TowerPrice = 0;
    std::array<std::int32_t, 6> Rent{};
    std::int16_t Owner = 0;
    std::int16_t Houses = 0;
    std::int16_t Towers = 0;
    std::int16_t Mortgaged = kFalse;

    tavorin::LandType type() const { return tavorin::LandType(LandType); }
    bool single() const { return type() == tavorin::LandType::Single; }
};

struct CardRecord {
    std::string DeckName;
    std::string Text;
    std::int16_t Amount = 0;
};

inline constexpr int kMaxCards = 20;

struct GameState {
    std::array<PlayerRecord, kMaxPlayers + 1> players{};   // 1..6
    std::array<DeedRecord, kDeeds + 1> deeds{};            // 1..29
    std::array<CardRecord, kMaxCards + 1> TreasureCards{}; // 1..NumOfTreasure
    std::array<CardRecord, kMaxCards + 1> FateCards{};

    std::int16_t NumOfPlayer = 2;
    std::uint8_t NumOfDeed = kDeeds;
    std::uint8_t NumOfTreasure = kCardsPerDeck;
    std::uint8_t NumOfFate = kCardsPerDeck;
    std::uint8_t playerID = 0;
    std::int16_t checkdiscount = kFalse;
    std::uint8_t vat = 40;
    std::uint8_t playerbid = 0;
    std::uint8_t NV = 0;
    std::uint8_t NP = 0;
    std::array<std::int16_t, kMaxPlayers + 1> LP{};
    std::array<std::string, kMaxPlayers + 1> LPName{};
    std::uint8_t Continue = 0;
    std::uint8_t CheckPairLand = 0;
    std::uint8_t CheckMultiLand = 0;
    // "Y" while the token of the dice's move waits to be put on its square. The saved game holds this
    // text and a loaded one is written back as it was read, so it stays text; the rules ask tokenDue().
    std::string FirstProcess = "N";
    bool tokenDue() const { return FirstProcess == "Y"; }
    void setTokenDue(bool due) { FirstProcess.assign(1, due ? 'Y' : 'N'); }
    std::int16_t OrderNumberOfTreasure = 1;
    std::int16_t OrderNumberOfFate = 1;
    std::array<std::int16_t, kMaxCards + 1> TreasureOrder{};
    std::array<std::int16_t, kMaxCards + 1> FateOrder{};
    std::array<std::int16_t, 51> ShuffleScratch{};
    std::array<std::int16_t, 51> DealOrder{};
    std::uint8_t CubeValue1 = 1;
    std::uint8_t CubeValue2 = 1;
    std::uint8_t NumOfINIdeed = 0;
    std::array<std::int16_t, kMaxPlayers + 1> Pcom{};
    std::int32_t Speed = 100000;
    std::string FileName;
    std::array<std::int16_t, kMaxPlayers + 1> FirstLapLock{};

    // The square a finished move reported: its kind ('a' a card, 'b' tax, bail or rest, 'c' land,
    // 'd' the start), which one of its kind, and the deed or the card drawn (1 for the others). A game
    // is saved only between turns, so none of these is in the saved file.
    char TypeOfSend = 'a';
    char ValueOfSend = '1';
    int Number = 1;
    bool LoopFinish = false; // the move passed the start

    // Board values that the game saves: token corners in twips, the name/price switch, tool tips.
    std::array<std::int16_t, kMaxPlayers + 1> tokenLeft{};
    std::array<std::int16_t, kMaxPlayers + 1> tokenTop{};
    bool namesShown = false; // the board starts with names and prices hidden
    std::array<std::string, kMaxPlayers + 1> tokenToolTip{};

    bool gameOver = false;

    PlayerRecord& player(int k) { return players[std::size_t(k)]; }
    const PlayerRecord& player(int k) const { return players[std::size_t(k)]; }
    DeedRecord& deed(int d) { return deeds[std::size_t(d)]; }
    const DeedRecord& deed(int d) const { return deeds[std::size_t(d)]; }
};

} // namespace tavorin
