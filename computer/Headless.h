// Plays all-computer games without a window: message boxes are confirmed at once and pauses
// skipped. Each computer turn is started by the loop here, never from inside the previous one.
#pragma once

#include <functional>
#include <string>
#include <string_view>
#include <vector>

#include "computer/Strategy.h"
#include "engine/Game.h"

namespace tavorin {

class HeadlessView final : public MainView {
public:
    std::function<void(std::string_view title, std::string_view text)> onMessage;
    bool texts = false; // the screen's texts are written, as for a window; read when the game is made
    bool computerPending = false;
    int winner = 0;

    MsgResult messageBox(std::string_view title, std::string_view text, MsgButtons, MsgIcon) override {
        if (onMessage) onMessage(title, text);
        return MsgResult::Ok;
    }
    void computerTurnReady() override { computerPending = true; }
    void gameWon(int w) override { winner = w; }
    bool showsTexts() const override { return texts; }
    bool hearsMessages() const override { return bool(onMessage); }
};

// Passes every draw through to another source and reports it.
class TracingRandom final : public RandomSource {
public:
    TracingRandom(RandomSource& inner, std::function<void(int lo, int hi, int value)> onDraw)
        : inner_(inner), onDraw_(std::move(onDraw)) {}
    std::int16_t rdm(std::int16_t lo, std::int16_t hi) override {
        const std::int16_t v = inner_.rdm(lo, hi);
        onDraw_(lo, hi, v);
        return v;
    }

private:
    RandomSource& inner_;
    std::function<void(int, int, int)> onDraw_;
};

struct GameResult {
    int winner = 0;             // 0 when the cap was reached first
    int turns = 0;              // computer turns played
    std::vector<int> bankrupts; // players in the order they went bankrupt
};

// Plays computer turns until one player is left or `maxTurns` turns have been played (0: no cap).
// `afterTurn` runs after every turn with the number of the turn and the player who played it.
// `seats` chooses each seat's strategy; without it every seat plays the classic one.
GameResult playComputerGame(Game& game, HeadlessView& view, int maxTurns,
                            const std::function<void(int turn, int player)>& afterTurn = {},
                            const Seats* seats = nullptr);

// One line of JSON with the state after a turn, for replayable traces.
std::string stateJson(const GameState& s, int turn, int player);
std::string jsonString(std::string_view text);

} // namespace tavorin
