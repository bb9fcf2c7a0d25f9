// The test doubles every suite shares: a random source whose every draw a test scripts, and a view
// that confirms every message box and shows nothing.
#pragma once

#include <deque>
#include <functional>
#include <initializer_list>
#include <stdexcept>
#include <string_view>
#include <vector>

#include "engine/Random.h"
#include "engine/View.h"

namespace tavorin::test {

// Draws come from `queue` first; when it is empty, `fallback` answers (by default the lower bound),
// or, with `strict` set, the draw is an error. `fallback` is asked at every draw, so one that counts
// keeps counting while the queue answers. Every draw is logged with its bounds.
class ScriptedRandom final : public RandomSource {
public:
    struct Draw {
        int lo, hi, value;
    };
    std::deque<int> queue;
    std::function<int(int lo, int hi)> fallback = [](int lo, int) { return lo; };
    bool strict = false;
    std::vector<Draw> log;

    void push(std::initializer_list<int> values) { queue.insert(queue.end(), values); }
    std::int16_t rdm(std::int16_t lo, std::int16_t hi) override {
        int v = fallback(lo, hi);
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

class QuietView final : public MainView {
public:
    MsgResult messageBox(std::string_view, std::string_view, MsgButtons, MsgIcon) override {
        return MsgResult::Ok;
    }
};

} // namespace tavorin::test
