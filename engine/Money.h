#pragma once

#include <cmath>
#include <cstdint>

namespace tavorin {

// Nearest whole baht, a half going to the even neighbour (12.5 -> 12, 13.5 -> 14).
inline std::int32_t roundBaht(double amount) {
    const double f = std::floor(amount);
    const double diff = amount - f;
    double r = f;
    if (diff > 0.5 || (diff == 0.5 && std::fmod(f, 2.0) != 0.0)) r = f + 1.0;
    return std::int32_t(r);
}

// percent % of amount, to the nearest whole baht; every percentage of money in the game goes through here.
inline std::int32_t percentOf(std::int64_t amount, int percent) {
    return roundBaht(double(amount) * double(percent) / 100.0);
}

} // namespace tavorin
