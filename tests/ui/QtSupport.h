// For the Qt suites: the shared test doubles, and a recorder that answers the game's message boxes
// instead of showing them.
#pragma once

#include <deque>
#include <functional>
#include <stdexcept>
#include <vector>

#include <QCoreApplication>
#include <QFocusEvent>
#include <QString>
#include <QWidget>

#include "tests/support/Doubles.h"
#include "ui/MessageBoxes.h"

namespace tavorin::test {

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
