// What the board charges and pays: rents, fees, the tax and the prices of the land frames, from the
// state alone. Every percentage goes through percentOf.
#pragma once

#include <cstdint>

#include "engine/State.h"

namespace tavorin {

// Pair and group deeds held by one owner: the rent of either kind grows with them.
struct LandPieces {
    int pair = 0;
    int group = 0;
};
LandPieces landPieces(const GameState& s, int owner);

// The rent of single land: Rent[5] with a tower, else Rent[Houses] (a house count out of 0..4 counts
// as none).
std::int32_t singleRent(const DeedRecord& deed);
// The rent of pair land (one or both held) and of group land (per group deed held).
std::int32_t pairGroupRent(const DeedRecord& deed, LandPieces ownerHolds);
// What the bank takes from a visitor of mortgaged land.
std::int32_t mortgageFee(const DeedRecord& deed);
// The tax square: a flat sum, or a fifth of the cash of the rich.
std::int32_t taxDue(std::int32_t money);

// Free land, with its first house when `withHouse`.
std::int32_t landPrice(const DeedRecord& deed, bool withHouse);
// The next building of single land: a house, or the tower once four houses stand.
bool nextIsTower(const DeedRecord& deed);
std::int32_t buildingPrice(const DeedRecord& deed);
// What the bank lends on a deed, which is also what buying it back costs on its owner's own square.
std::int32_t mortgageValue(const DeedRecord& deed);
// The fee on top when deeds are bought back from the holdings window.
std::int64_t redemptionFee(std::int64_t mortgageValues);
// What a visitor pays to take mortgaged land over.
std::int32_t takeOverPrice(const DeedRecord& deed);

// What the bank buys back first of a deed when its owner must raise cash: the tower, else a house, else
// the land itself, each for 90 % of its price; land under a pledge repays the bank its loan out of that.
enum class Piece { Tower, House, Land };
struct PieceSale {
    Piece piece = Piece::Land;
    std::int32_t value = 0;
};
PieceSale pieceSale(const DeedRecord& deed);

} // namespace tavorin
