// The game played from the keyboard: Space starts and stops the dice, Enter carries the token to the
// square the blue pointer shows and then answers the open question with its first button, Escape
// declines a question that can be declined. A key reaches these only when the focused control has no
// use of its own for it (a button takes Space, a list its arrows), so every control keeps its usual
// keys. Each key does exactly what its button does, and is refused when the button is.
#pragma once

#include <QObject>

#include "engine/Game.h"

class QWidget;

namespace tavorin::board {
class BoardView;
}

namespace tavorin::app {

class ScreenSync;

class KeyPlay : public QObject {
public:
    KeyPlay(Game& game, const ScreenSync& screen, board::BoardView& board, QObject* parent);

    // The keys work in `window` (MAIN, the board's window).
    void watch(QWidget& window);

    // What the keys do, for the menus and for the keys themselves; false when refused.
    bool rollOrStop();
    bool carryOrAnswer(QWidget* focus);
    bool decline();

protected:
    bool eventFilter(QObject* watched, QEvent* e) override;

private:
    bool click(Ctl button);
    // A question of the current player's is open: the computer answers its own.
    bool personAsked() const;

    Game& game_;
    const ScreenSync& screen_;
    board::BoardView& board_;
};

} // namespace tavorin::app
