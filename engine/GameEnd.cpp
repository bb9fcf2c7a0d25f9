// The end of a game: the last player standing, or the richest when the end rule cuts the game short.
#include <algorithm>
#include <chrono>

#include "engine/Game.h"
#include "engine/Text.h"
#include "engine/Worth.h"

namespace tavorin {

PlayClock& steadyPlayClock() {
    struct Steady final : PlayClock {
        std::int64_t milliseconds() override {
            return std::chrono::duration_cast<std::chrono::milliseconds>(
                       std::chrono::steady_clock::now().time_since_epoch())
                .count();
        }
    };
    static Steady clock;
    return clock;
}

void Game::setPlayClock(PlayClock* clock) {
    endProgress_.playedMs = endProgress().playedMs;
    clock_ = clock;
    clockStart_ = clock_ ? clock_->milliseconds() : 0;
}

void Game::resumeEndRule(const EndRule& rule, const EndProgress& progress) {
    endRule_ = rule.on() ? rule : EndRule{};
    endProgress_ = progress;
    clockStart_ = clock_ ? clock_->milliseconds() : 0;
}

EndProgress Game::endProgress() const {
    EndProgress now = endProgress_;
    if (clock_) now.playedMs += std::max<std::int64_t>(0, clock_->milliseconds() - clockStart_);
    return now;
}

bool Game::endLimitReached() {
    switch (endRule_.kind) {
    case EndKind::Laps: {
        int lead = 0;
        for (int k = 1; k <= s.NumOfPlayer && k <= kMaxPlayers; ++k)
            if (s.player(k).Bankrupt != kTrue) lead = std::max(lead, endProgress_.laps[std::size_t(k)]);
        return lead >= endRule_.limit;
    }
    case EndKind::Minutes:
        return clock_ && endProgress().playedMs >= std::int64_t(endRule_.limit) * 60 * 1000;
    case EndKind::None: break;
    }
    return false;
}

bool Game::endByRule() {
    if (!endRule_.on() || s.gameOver || !endLimitReached()) return false;
    const int winner = richestPlayer(s);
    if (winner == 0) return false;
    std::string text;
    if (endRule_.kind == EndKind::Laps) {
        text = "ผู้นำเดินครบ ";
        appendNumber(text, endRule_.limit);
        text += " รอบแล้ว";
    } else {
        text = "เล่นครบ ";
        appendNumber(text, endRule_.limit);
        text += " นาทีแล้ว";
    }
    text += " เกมจบลงที่นี่ ผู้ที่มีทรัพย์สินสุทธิมากที่สุดเป็นผู้ชนะ";
    for (int k = 1; k <= s.NumOfPlayer && k <= kMaxPlayers; ++k) {
        if (s.player(k).Bankrupt == kTrue) continue;
        text += "\n";
        text += s.player(k).Name;
        text += " : ";
        appendNumber(text, worth(s, k));
        text += " บาท";
    }
    message(kAppTitle, text);
    declareWinner(winner, true);
    return true;
}

void Game::declareWinner(int winner, bool byRule) {
    s.gameOver = true;
    ui[Ctl::RunButton].enabled = false;
    ui[Ctl::StopButton].enabled = false;
    ui[Ctl::SaveButton].enabled = false;
    board.visible = false;
    ui.visible = false;
    report({.kind = EventKind::Won, .player = winner, .other = byRule ? 1 : 0});
    view_->gameWon(winner);
}

} // namespace tavorin
