#include "computer/ComputerDecisions.h"

#include <array>

namespace tavorin {

int singleLandAloneThreshold(int group) {
    static constexpr std::array<int, 9> T = {0, 10, 10, 50, 70, 90, 90, 20, 20};
    return (group >= 1 && group <= 8) ? T[std::size_t(group)] : 0;
}

SingleLandSplit singleLandSplit(int group, bool rich, int n) {
    int A = rich ? 10 : 20;
    if (group == 5 || group == 6) A = rich ? 5 : 15;
    const int column = n <= 2 ? 0 : n <= 4 ? 1 : n <= 7 ? 2 : n <= 9 ? 3 : 4;
    static constexpr std::array<int, 5> nearStart = {30, 30, 50, 70, 90};
    static constexpr std::array<int, 5> farEnd = {40, 50, 60, 70, 80};
    int B = 101; // groups 4, 5 and 6: always bought
    if (group == 1 || group == 2) B = nearStart[std::size_t(column)];
    if (group == 3) B = 90;
    if (group == 7 || group == 8) B = farEnd[std::size_t(column)];
    return {A, B};
}

int pairLandThreshold(int k, int o, bool rich) {
    if (k >= 1) return rich ? 95 : 90;
    if (o >= 1) return rich ? 60 : 50;
    return rich ? 70 : 60;
}

int groupLandThreshold(int k, int o, bool rich) {
    // Rows k = 0..4, columns o = 0..4; the poorer figure first. Combinations that cannot occur
    // with a free deed (k + o > 4) are 0.
    static constexpr int T[5][5][2] = {
        {{50, 60}, {40, 50}, {30, 40}, {20, 30}, {10, 20}}, {{70, 80}, {60, 70}, {50, 60}, {40, 50}, {0, 0}},
        {{80, 90}, {70, 80}, {60, 70}, {0, 0}, {0, 0}},     {{90, 100}, {80, 90}, {0, 0}, {0, 0}, {0, 0}},
        {{90, 100}, {0, 0}, {0, 0}, {0, 0}, {0, 0}},
    };
    if (k < 0 || k > 4 || o < 0 || o > 4) return 0;
    return T[k][o][rich ? 1 : 0];
}

int buildThreshold(std::int32_t m, int c, int h, int t) {
    if (c < 4) {
        if (m < h) return 0;
        if (m < 3 * h) return c == 2 ? 85 : 80;
        return c == 2 ? 95 : 90;
    }
    if (m < t) return 0;
    if (m < 2 * t) return 50;
    return 75;
}

} // namespace tavorin
