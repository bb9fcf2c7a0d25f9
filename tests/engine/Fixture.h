// Shared test doubles: a random source whose every draw is scripted, and a view that records.
#pragma once

#include <deque>
#include <set>
#include <stdexcept>
#include <string>
#include <vector>

#include <gtest/gtest.h>

#include "engine/Game.h"

namespace tavorin::test {

// Draws come from a queue; an empty queue answers the lower bound, so a test scripts only the draws
// it cares about. Every draw is logged with its bounds.
class ScriptedRandom final : public RandomSource {
public:
    struct Draw {
        int lo, hi, value;
    };
    std::deque<int> queue;
    std::vector<Draw> log;
    bool strict = false; // when set, an unscripted draw is an error

    void push(std::initializer_list<int> values) { queue.insert(queue.end(), values); }
    std::int16_t rdm(std::int16_t lo, std::int16_t hi) override {
        int v = lo;
        if (!queue.empty()) {
            v = queue.front();
            queue.pop_front();
        } else if (strict) {
            throw std::logic_error("unscripted draw");
        }
        if (v < lo || v > hi) throw std::logic_error("scripted draw out of bounds");
        log.push_back({lo, hi, v});
        return std::int16_t(v);
    }
};

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
    GameState& s = game.s;

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
        s.LoopFinish = lap ? "True" : "False";
        s.FirstProcess = "Y";
        drop();
    }
    bool visible(Ctl c) const { return game.ui[c].visible; }
    bool enabled(Ctl c) const { return game.ui[c].enabled; }
    const std::string& text(Ctl c) const { return game.ui[c].text; }
};

} // namespace tavorin::test
