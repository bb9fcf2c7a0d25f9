// A two-player game of computers whose current player (1) stands on a deed's frame, as its landing
// leaves it: the starting point of every test of the computer's choices.
#pragma once

#include <string>

#include "tests/engine/Fixture.h"

namespace tavorin::test {

class ComputerTest : public GameTest {
protected:
    void SetUp() override {
        rnd.strict = false;
        NewGameSetup setup;
        setup.computer[1] = true;
        setup.computer[2] = true;
        game.NewGame(setup);
        rnd.log.clear();
        view.messages.clear();
        view.computerTurns = 0;
    }
    // Opens the frame of deed d for the computer, as its landing does, with `money` in hand.
    // `who` picks the frame of mortgaged land: the computer's own counts as its own land.
    void onDeed(int d, std::int32_t money, Player who = Player::Person) {
        s.player(1).Money = money;
        s.TypeOfSend = 'c';
        s.ValueOfSend = '1';
        s.Number = d;
        s.Continue = 1;
        game.fillLandFrame(d, who);
    }
};

} // namespace tavorin::test
