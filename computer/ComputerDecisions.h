// The computer's chances, as pure functions of its cash, the land and what it and the others own.
// Each returns the threshold the caller compares its draw against.
#pragma once

#include <cstdint>

namespace tavorin {

// Free single land, only the land affordable: buy when rdm(0, 100) <= the result.
int singleLandAloneThreshold(int group);

// Free single land with a house affordable: rdm(1, 100) < A buys the land alone, A <= R < B buys it
// with one house, R >= B leaves it. B = 101 means there is no upper limit.
struct SingleLandSplit {
    int A, B;
};
SingleLandSplit singleLandSplit(int group, bool richerThanThreePrices, int deedCount);

// Free pair land: buy when rdm(1, 100) <= the result. k: pair deeds the computer owns, o: others own.
int pairLandThreshold(int k, int o, bool richerThanThreePrices);

// Free group land: buy when rdm(1, 100) <= the result.
int groupLandThreshold(int k, int o, bool richerThanThreePrices);

// Building on its own single land without a tower: build when rdm(1, 100) <= the result; 0 = never.
int buildThreshold(std::int32_t money, int houses, int housePrice, int towerPrice);

} // namespace tavorin
