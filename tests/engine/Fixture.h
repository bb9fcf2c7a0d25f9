// The engine suites' fixture: a view that records every call, and a fresh game of persons.
#pragma once

#include <deque>
#include <set>
#include <stdexcept>
#include <string>
#include <vector>

#include <gtest/gtest.h>

#include "engine/Game.h"
#include "tests/support/Doubles.h"

namespace tavorin::test {

class RecordingView final : public MainView {
public:
    struct Message {
        std::string title, text;
    };
    std::vector<Message> messages;
    std::deque<MsgResult> answers; // default: Ok
    int playerFormHidden = 0;
    int deedRefreshes = 0;
    int computerTurns = 0;
    int winner = 0;

    MsgResult messageBox(std::string_view title, std::string_view text, MsgButtons, MsgIcon) override {
        messages.push_back({std::string(title), std::string(text)});
        if (answers.empty()) return MsgResult::Ok;
        MsgResult r = answers.front();
        answers.pop_front();
        return r;
    }
    void hidePlayerForm() override { ++playerFormHidden; }
    void deedsChanged() override { ++deedRefreshes; }
    void computerTurnReady() override { ++computerTurns; }
    void gameWon(int w) override { winner = w; }
    std::string lastText() const { return messages.empty() ? std::string() : messages.back().text; }
};

// A fresh game of persons; tests then shape the state with the helpers below.
class GameTest : public ::testing::Test {
protected:
    ScriptedRandom rnd;
    RecordingView view;
    Game game{rnd, view};
    GameState& s = game.stateToSetUp();

    void startGame(int players = 2, bool buyFirstLoop = true) {
        NewGameSetup setup;
        setup.numPlayers = players;
        setup.buyFirstLoop = buyFirstLoop;
        game.NewGame(setup);
        rnd.log.clear();
        view.messages.clear();
    }
    void give(int player, int deed) { game.addDeed(player, deed); }
    // Rolls the current player's dice to the given faces and stops them.
    void roll(int d1, int d2) {
        game.RunButton_Click();
        rnd.push({d1});
        game.Timer1_Timer();
        rnd.push({d2});
        game.Timer2_Timer();
        game.StopButton_Click();
    }
    // Puts the current player's token on its target square, as a person's drop does.
    void drop() { game.DropToken(s.NV, s.player(s.NV).Position, 100, 100, 0, 0); }
    // Lands the current player on `square` straight away (without the dice).
    void landOn(int square, bool lap = false) {
        s.player(s.NV).Position = std::uint8_t(square);
        s.LoopFinish = lap;
        s.FirstProcess = "Y";
        drop();
    }
    bool visible(Ctl c) const { return game.screen()[c].visible; }
    bool enabled(Ctl c) const { return game.screen()[c].enabled; }
    const std::string& text(Ctl c) const { return game.screen()[c].text; }
};

} // namespace tavorin::test
