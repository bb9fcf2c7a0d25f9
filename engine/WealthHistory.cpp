#include "engine/WealthHistory.h"

#include "engine/Worth.h"

namespace tavorin {

void WealthHistory::refresh(WealthPoint& point) const {
    for (int k = 1; k <= kMaxPlayers; ++k) {
        const bool playing = k <= s_.NumOfPlayer;
        point.worth[std::size_t(k)] = playing ? worth(s_, k) : 0;
        point.bankrupt[std::size_t(k)] = playing && s_.player(k).Bankrupt == kTrue;
    }
}

void WealthHistory::gameEvent(const GameEvent& event) {
    if (points_.empty()) points_.emplace_back();
    if (event.kind == EventKind::Rolled) {
        refresh(points_.back());
        points_.push_back({.turn = points_.back().turn + 1});
    }
    refresh(points_.back());
}

void WealthHistory::clear() { points_.clear(); }

std::vector<WealthPoint> WealthHistory::upToNow() const {
    std::vector<WealthPoint> points = points_;
    if (points.empty()) points.emplace_back();
    refresh(points.back());
    return points;
}

} // namespace tavorin
