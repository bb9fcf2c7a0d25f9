// Plays the computer's turns from the event loop: each step of a ComputerTurn runs from a
// single-shot timer, and the pause it asks for is the next timer's interval. Nothing here waits.
#pragma once

#include <functional>
#include <memory>

#include <QObject>
#include <QTimer>

#include "computer/ComputerTurn.h"
#include "computer/SeatsFile.h"

namespace tavorin::app {

class ComputerDriver : public QObject {
    Q_OBJECT
public:
    // `afterStep` shows the new state; `busy` says a person's action is still being handled (a
    // message box of it may be open), in which case the computer waits for resume().
    ComputerDriver(Game& game, std::function<void()> afterStep, std::function<bool()> busy, QObject* parent);
    ~ComputerDriver() override;

    // The turn has passed to a computer player: its turn starts from the event loop.
    void requestTurn();
    // A person's action has been handled: what waited for it may go on.
    void resume();
    bool playing() const { return turn_ != nullptr || pending_; }
    // A step of a computer turn is running: a message shown now is the computer's.
    bool stepping() const { return stepping_; }

    // Which seats plan ahead; the others play the classic computer. A turn under way belongs to the
    // game that was and ends here.
    void setSeats(const SeatKinds& seats);
    const SeatKinds& seats() const { return kinds_; }

    // Pins every pause to `milliseconds` whatever the speed, so that a test plays thousands of turns
    // in seconds; a negative value gives the pauses back to the speed.
    void setFixedPause(int milliseconds) { fixedPause_ = milliseconds; }
    // Turns played to their end, and the deepest nesting of steps ever seen: 1 as long as no turn
    // runs inside another.
    long turnsPlayed() const { return turnsPlayed_; }
    int deepestStep() const { return deepestStep_; }

signals:
    // A computer turn has ended (the next one, if due, starts from the event loop).
    void turnFinished();

private:
    void startPending();
    void step();

    Game& game_;
    std::function<void()> afterStep_;
    std::function<bool()> busy_;
    std::unique_ptr<ComputerTurn> turn_;
    SeatKinds kinds_{};
    std::array<std::unique_ptr<Strategy>, kMaxPlayers + 1> strategies_;
    QTimer pause_;
    bool pending_ = false;     // a turn is due and has not started
    bool stepping_ = false;    // inside advance(), which may show message boxes
    bool stepWaiting_ = false; // a pause ended while a person's action was being handled
    int fixedPause_ = -1;
    long turnsPlayed_ = 0;
    int stepDepth_ = 0;
    int deepestStep_ = 0;
};

} // namespace tavorin::app
