#include "engine/Tariff.h"

#include "engine/Holdings.h"
#include "engine/Money.h"

namespace tavorin {

LandPieces landPieces(const GameState& s, int owner) {
    LandPieces n;
    for (int d : heldDeeds(s, owner)) {
        const LandType t = s.deed(d).type();
        if (t == LandType::Pair) ++n.pair;
        if (t == LandType::Group) ++n.group;
    }
    return n;
}

std::int32_t singleRent(const DeedRecord& d) {
    if (d.Towers == 1) return d.Rent[5];
    const int h = (d.Houses >= 0 && d.Houses <= 4) ? d.Houses : 0;
    return d.Rent[std::size_t(h)];
}

std::int32_t pairGroupRent(const DeedRecord& d, LandPieces owner) {
    if (d.type() == LandType::Pair) return owner.pair >= 2 ? kPairRentBoth : kPairRentOne;
    return kGroupRentPerPiece * owner.group;
}

std::int32_t mortgageFee(const DeedRecord& d) {
    if (d.type() == LandType::Single) return d.Rent[0];
    return d.type() == LandType::Pair ? kPairMortgageFee : kGroupMortgageFee;
}

std::int32_t taxDue(std::int32_t money) { return money <= 10000 ? 2000 : percentOf(money, 20); }

std::int32_t landPrice(const DeedRecord& deed, bool withHouse) {
    return deed.Price + (withHouse ? deed.HousePrice : 0);
}

bool nextIsTower(const DeedRecord& d) { return d.Houses >= 4; }

std::int32_t buildingPrice(const DeedRecord& d) { return nextIsTower(d) ? d.TowerPrice : d.HousePrice; }

std::int32_t mortgageValue(const DeedRecord& d) { return percentOf(d.Price, 80); }

std::int64_t redemptionFee(std::int64_t mortgageValues) { return percentOf(mortgageValues, 20); }

std::int32_t takeOverPrice(const DeedRecord& d) { return percentOf(d.Price, 180); }

PieceSale pieceSale(const DeedRecord& d) {
    if (d.single() && d.Towers == 1) return {Piece::Tower, percentOf(d.TowerPrice, 90)};
    if (d.single() && d.Houses > 0) return {Piece::House, percentOf(d.HousePrice, 90)};
    // Land under a pledge first repays the bank what it lent on it.
    const std::int32_t land = percentOf(d.Price, 90);
    return {Piece::Land, d.Mortgaged == kTrue ? land - mortgageValue(d) : land};
}

} // namespace tavorin
