#include "engine/Holdings.h"

namespace tavorin {

HeldDeeds heldDeeds(const GameState& s, int player) {
    return validPlayer(player) ? HeldDeeds(s.player(player)) : HeldDeeds();
}

namespace {
void dropFromList(PlayerRecord& p, int deed) {
    const int n = p.DeedCount < kDeeds ? p.DeedCount : kDeeds;
    for (int i = 1; i <= n; ++i) {
        if (p.Deeds[std::size_t(i)] != deed) continue;
        for (int j = i; j < n; ++j) p.Deeds[std::size_t(j)] = p.Deeds[std::size_t(j + 1)];
        p.Deeds[std::size_t(n)] = 0;
        p.DeedCount = std::uint8_t(n - 1);
        return;
    }
}
} // namespace

bool transferDeed(GameState& s, int deed, int to) {
    if (!validDeed(deed)) return false;
    if (validPlayer(to) && s.player(to).DeedCount >= kDeeds) return false;
    DeedRecord& D = s.deed(deed);
    if (validPlayer(D.Owner)) dropFromList(s.player(D.Owner), deed);
    if (validPlayer(to)) {
        PlayerRecord& p = s.player(to);
        ++p.DeedCount;
        p.Deeds[p.DeedCount] = std::uint8_t(deed);
    }
    D.Owner = std::int16_t(validPlayer(to) ? to : 0);
    return true;
}

void returnAllToBank(GameState& s, int player) {
    if (!validPlayer(player)) return;
    PlayerRecord& p = s.player(player);
    const auto list = p.Deeds; // the list shrinks as the deeds leave it
    const int n = p.DeedCount < kDeeds ? p.DeedCount : kDeeds;
    for (int i = 1; i <= n; ++i) {
        const int d = list[std::size_t(i)];
        if (!validDeed(d)) continue;
        s.deed(d).Mortgaged = kFalse;
        if (s.deed(d).Owner == player)
            transferDeed(s, d, 0);
        else
            s.deed(d).Owner = 0; // a list that disagrees with its deeds: the deed still leaves the player
    }
    for (int i = 1; i <= n; ++i) p.Deeds[std::size_t(i)] = 0;
    p.DeedCount = 0;
}

int lastHeldDeed(const GameState& s, int player) {
    int last = 0;
    for (int d : heldDeeds(s, player))
        if (s.deed(d).Owner == player) last = d;
    return last;
}

bool canRaiseMoney(const GameState& s, int player) {
    for (int d : heldDeeds(s, player))
        if (s.deed(d).Mortgaged != kTrue) return true;
    return false;
}

int ownedBy(const GameState& s, int player, std::span<const int> deeds) {
    int n = 0;
    for (int d : deeds)
        if (validDeed(d) && s.deed(d).Owner == player) ++n;
    return n;
}

int ownedByOthers(const GameState& s, int player, std::span<const int> deeds) {
    int n = 0;
    for (int d : deeds) {
        if (!validDeed(d)) continue;
        const int owner = s.deed(d).Owner;
        if (owner != 0 && owner != player) ++n;
    }
    return n;
}

} // namespace tavorin
