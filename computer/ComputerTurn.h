// The computer's whole turn as a sequence of steps separated by pauses. Nothing waits in here:
// advance() runs until the next pause and returns its length in units; the caller waits that long
// (a single-shot timer in the program, nothing at all in the simulator) and calls advance() again.
#pragma once

#include <cstdint>
#include <optional>

#include "computer/Strategy.h"
#include "engine/Game.h"

namespace tavorin {

// One unit of pause lasts Speed x this many microseconds: 0.4 s at the default speed (100000),
// 4 ms at the fastest. The five speeds keep their ratios 1 : 10 : 100 : 150 : 200.
inline constexpr double kMicrosecondsPerSpeedUnit = 4.0;
inline int pauseMilliseconds(double units, std::int32_t speed) {
    return int(units * double(speed) * kMicrosecondsPerSpeedUnit / 1000.0 + 0.5);
}

class ComputerTurn {
public:
    explicit ComputerTurn(Game& game, Strategy& strategy = classicStrategy());

    // The end of the thinking: the seat's strategy chooses for the open frame, the frame's buttons
    // come back and the square counts as answered.
    static void finishDecision(Game& g, Ctl frame, Strategy& strategy);
    // The rest of a turn whose token has just been placed, without its pauses: the lap bonus, the
    // square and its decision.
    static void playFromPlacing(Game& g, Strategy& strategy);

    // Runs the turn up to its next pause and returns the pause in units, or nullopt when the turn
    // is over. When it is over, the game may already have handed the turn to the next player; if that
    // player is the computer, Game's view has been told (computerTurnReady) and the caller starts a
    // new ComputerTurn from its event loop, never from inside this one.
    std::optional<double> advance() {
        const double units = step();
        if (units < 0) return std::nullopt;
        return units;
    }
    // The same as advance(), with a negative value for the end of the turn (cheaper in tight loops).
    double step();
    // Plays the whole turn without its pauses, as the simulator does: the same steps and draws as
    // calling step() to the end, without returning between the steps of the dice and of the thinking.
    void play();

private:
    enum class Stage { Prepare, RollStart, Rolling, Moved, Pointing, Placed, Thinking, Done };
    double resolve();
    // The dice's draws and the thinking's pauses of the steps after step_ up to `upTo`.
    void roll(int upTo);
    void think(int upTo);

    Game& g_;
    Strategy& strategy_;
    Stage stage_ = Stage::Prepare;
    int step_ = 0;
    int player_ = 0;
    Ctl frame_ = Ctl::None;
    int bonus_ = 0; // the lap bonus's house, 0 for the cash
};

} // namespace tavorin
