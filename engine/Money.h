#pragma once

#include <cmath>
#include <cstdint>
#include <limits>

namespace tavorin {

// Nearest whole baht, a half going to the even neighbour (12.5 -> 12, 13.5 -> 14). A sum beyond what
// a 32-bit amount holds stops at its limit: converting it as it is would be undefined.
inline std::int32_t roundBaht(double amount) {
    const double f = std::floor(amount);
    const double diff = amount - f;
    double r = f;
    if (diff > 0.5 || (diff == 0.5 && std::fmod(f, 2.0) != 0.0)) r = f + 1.0;
    if (!(r >= double(std::numeric_limits<std::int32_t>::min())))
        return std::numeric_limits<std::int32_t>::min();
    if (r > double(std::numeric_limits<std::int32_t>::max())) return std::numeric_limits<std::int32_t>::max();
    return std::int32_t(r);
}

// percent % of amount, to the nearest whole baht; every percentage of money in the game goes through here.
inline std::int32_t percentOf(std::int64_t amount, int percent) {
    return roundBaht(double(amount) * double(percent) / 100.0);
}

} // namespace tavorin
