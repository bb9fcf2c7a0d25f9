#include "engine/Worth.h"

#include "engine/Holdings.h"
#include "engine/Tariff.h"

namespace tavorin {

std::int64_t worth(const GameState& s, int player) {
    if (!validPlayer(player)) return 0;
    const PlayerRecord& p = s.player(player);
    if (p.Bankrupt == kTrue) return 0;
    std::int64_t w = p.Money;
    for (const int d : heldDeeds(s, player)) {
        const DeedRecord& D = s.deed(d);
        w += D.Price;
        if (D.single()) w += std::int64_t(D.Houses) * D.HousePrice + std::int64_t(D.Towers) * D.TowerPrice;
        if (D.Mortgaged == kTrue) w -= mortgageValue(D);
    }
    return w;
}

int richestPlayer(const GameState& s) {
    int best = 0;
    std::int64_t most = 0;
    for (int k = 1; k <= s.NumOfPlayer && k <= kMaxPlayers; ++k) {
        if (s.player(k).Bankrupt == kTrue) continue;
        const std::int64_t w = worth(s, k);
        if (best == 0 || w > most) {
            best = k;
            most = w;
        }
    }
    return best;
}

} // namespace tavorin
