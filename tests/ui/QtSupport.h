// Test doubles shared by the Qt suites: a random source whose draws a test scripts, and a recorder
// that answers the game's message boxes instead of showing them.
#pragma once

#include <deque>
#include <functional>
#include <stdexcept>
#include <vector>

#include <QCoreApplication>
#include <QFocusEvent>
#include <QString>
#include <QWidget>

#include "engine/Random.h"
#include "ui/MessageBoxes.h"

namespace tavorin::test {

// Draws come from `queue` first; an empty queue asks `fallback`, which by default answers the lower
// bound. Tests script the draws they care about and let the dice timers draw what they like.
class ScriptedRandom final : public RandomSource {
public:
    std::deque<int> queue;
    std::function<int(int lo, int hi)> fallback = [](int lo, int) { return lo; };

    std::int16_t rdm(std::int16_t lo, std::int16_t hi) override {
        int v = fallback(lo, hi);
        if (!queue.empty()) {
            v = queue.front();
            queue.pop_front();
        }
        if (v < lo || v > hi) throw std::logic_error("scripted draw out of bounds");
        return std::int16_t(v);
    }
};

// While alive, every message box is recorded and answered from `answers` (OK when it runs out).
class MessageRecorder {
public:
    std::vector<ui::MessageRequest> shown;
    std::deque<MsgResult> answers;

    MessageRecorder() {
        previous_ = ui::setMessageAnswerer([this](const ui::MessageRequest& r) {
            shown.push_back(r);
            if (answers.empty()) return MsgResult::Ok;
            const MsgResult a = answers.front();
            answers.pop_front();
            return a;
        });
    }
    ~MessageRecorder() { ui::setMessageAnswerer(std::move(previous_)); }
    MessageRecorder(const MessageRecorder&) = delete;
    MessageRecorder& operator=(const MessageRecorder&) = delete;

    bool saw(const QString& text) const {
        for (const ui::MessageRequest& r : shown)
            if (r.text == text) return true;
        return false;
    }
    QString lastText() const { return shown.empty() ? QString() : shown.back().text; }
    QString lastTitle() const { return shown.empty() ? QString() : shown.back().title; }

private:
    ui::MessageAnswerer previous_;
};

// Gives a widget the keyboard focus as the Tab key does: a list then makes its first line current
// without selecting it.
inline void tabInto(QWidget* w) {
    QFocusEvent in(QEvent::FocusIn, Qt::TabFocusReason);
    QCoreApplication::sendEvent(w, &in);
}

} // namespace tavorin::test
